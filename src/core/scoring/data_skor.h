#pragma once

#include "core/analyzer_kind.h"
#include "core/document/data.h"

#include <string>
#include <vector>

namespace taviro {

class TDataMentah;
class TAnalButirSoal;

// The largest magnitude of an essay score or ideal score that is accepted. No essay item is worth
// anywhere near a million points, so a larger number is a slip or a damaged document; accepting
// any double would let the sums and squares over every subject overflow to infinity.
inline constexpr double MaxEssayScore = 1e6;

// One subject's score.
struct TItemSkor {
    // Position in the score list while loading; only used to number a subject without a number.
    int Index = 0;
    // 0-based position of the subject in the raw data when it was scored.
    int UrutanAwal = 0;
    std::string NoSubyek;
    std::string Nama;
    // Multiple choice: right answers. Essay: items with a score.
    int JumBetul = 0;
    int JumSalah = 0;
    int JumBlank = 0;
    double SkorDibobot = 0;
    double SkorAkhir = 0;
    // Multiple choice: one character per item, "1" right, "-" wrong, "*" blank. Essay: the item
    // scores as typed joined by ',', "*" for an item without a score.
    std::string SkorButir;

    // Empties the name and the result string and zeroes the score; the rest stays.
    void Clear() {
        Nama.clear();
        SkorButir.clear();
        SkorAkhir = 0;
    }
    // Writes one "Subyek" element.
    void SaveToXML(XmlWriter& out) const;
    // Reads its "Subyek" element; an empty NoSubyek becomes Index + 1.
    void LoadFromXML(pugi::xml_node subyek);
};

// The scores of every subject: the input of every analysis, and the only computed object that is
// kept in the document.
class TDataSkor : public TData {
public:
    explicit TDataSkor(AnalyzerKind kind);

    AnalyzerKind Kind;
    std::vector<TItemSkor> Items;
    long double Rata2 = 0;
    long double SD = 0;
    // Items stand in score order.
    bool IsUrutkanBerdSkor = false;
    int JumButir = 0;
    int BobotBetul = 1;
    int BobotSalah = 0;
    std::vector<std::string> NoButir;
    // Essay only: per item the highest and the lowest score any subject got. Clear keeps them,
    // and so does loading a document older than the version that stores them.
    std::vector<double> MaxSkor;
    std::vector<double> MinSkor;
    // The key (essay: the ideal-score row) as it was when the subjects were scored.
    std::string Kunci;

    // Empties the list and resets means and weights; Kunci, MaxSkor and MinSkor stay.
    void Clear() override;
    void Add(TItemSkor item) { Items.push_back(std::move(item)); }
    TItemSkor& GetItem(int index) { return Items.at(static_cast<std::size_t>(index)); }
    const TItemSkor& GetItem(int index) const { return Items.at(static_cast<std::size_t>(index)); }
    int Count() const { return static_cast<int>(Items.size()); }

    // Scores every subject of the raw data when the raw data is marked for rescoring, and marks
    // every analysis stale. Essay scores are read with the given decimal separator. Throws a
    // TaviroError for an empty key (the raw data then stays marked), for the essay's wrong
    // numbers, and for a test without subjects.
    void ScoreAll(TDataMentah& data, TAnalButirSoal& analyses, char decimalSeparator = '.');
    // SkorDibobot := BobotBetul * JumBetul + BobotSalah * JumSalah for every subject.
    void ApplyWeights();
    // Rata2 and the sample standard deviation SD of the scores, in extended precision. Throws a
    // TaviroError when there are no subjects.
    void ComputeMeanSD();
    // Raw-data order (UrutanAwal ascending) or score order (SkorAkhir descending, ties by
    // UrutanAwal). Leaves IsUrutkanBerdSkor to the caller.
    void SortItems(bool byRawOrder);

    void SaveToXML(XmlWriter& out) override;
    void LoadFromXML(pugi::xml_node root, const std::string& fileVersion) override;
    std::unique_ptr<TData> CreateForLoad() const override;
    void TakeLoaded(TData& loaded) override;

private:
    void ScoreMultipleChoice(const TDataMentah& data, int subjects);
    void ScoreEssay(TDataMentah& data, int subjects, char decimalSeparator);
    void LoadLabels(pugi::xml_node data, const std::string& fileVersion);
};

} // namespace taviro
