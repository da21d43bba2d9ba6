#pragma once

#include "core/analyzer_kind.h"
#include "core/document/data.h"

#include <string>
#include <vector>

namespace taviro {

// One subject of the raw data.
struct TJawaban {
    std::string Nama;
    // The subject's number as text; "-1" means that none has been assigned.
    std::string NoSubyek = "-1";
    // Multiple choice: one character per item (option letter in either case, '*' not answered,
    // '#' empty cell). Essay: the item scores joined by ','. Empty when the subject has nothing.
    std::string Jwb;

    void Clear() { *this = TJawaban(); }
    // Writes one "Subyek" element.
    void SaveToXML(XmlWriter& out) const;
    // Reads the "Subyek" element; NoSubyek only when the document's version carries it.
    void LoadFromXML(pugi::xml_node subyek, bool readNoSubyek);
};

// The raw data of the open test: key, counts, item labels and one record per subject.
class TDataMentah : public TData {
public:
    explicit TDataMentah(AnalyzerKind kind);

    AnalyzerKind Kind;
    std::vector<TJawaban> Jawaban;
    // The document has changes that are not saved.
    bool IsChanged = false;
    // The raw data changed since the scores were last computed.
    bool IsNeedRecalc = true;
    // Multiple choice: one key letter per item. Essay: the ideal scores joined by ','.
    std::string Kunci;
    int JumSubyek = 0;
    int JumButir = 0;
    int JumPilihan = 0;
    // Item labels, JumButir entries, or empty for "1", "2", ...
    std::vector<std::string> NoButir;

    // Empties the subjects, the labels and the key and marks the data for rescoring; the counts
    // and IsChanged keep their values.
    void Clear() override;
    int AddJawaban(TJawaban jawaban);
    TJawaban& GetJawaban(int index) { return Jawaban.at(static_cast<std::size_t>(index)); }
    const TJawaban& GetJawaban(int index) const {
        return Jawaban.at(static_cast<std::size_t>(index));
    }
    int JawabanCount() const { return static_cast<int>(Jawaban.size()); }
    // The last valid option letter in lower case ('a' for 1 option, 'e' for 5).
    char LastOptionLetter() const { return static_cast<char>(96 + JumPilihan); }

    // Writes "Data_Mentah"; subjects without a number get their 1-based position, in memory too.
    void SaveToXML(XmlWriter& out) override;
    void LoadFromXML(pugi::xml_node root, const std::string& fileVersion) override;
    std::unique_ptr<TData> CreateForLoad() const override;
    void TakeLoaded(TData& loaded) override;
    // The document is saved: nothing is unsaved any more.
    void AfterSave() override { IsChanged = false; }

private:
    // Multiple choice documents carry item labels and subject numbers from version 4.0.2 on;
    // essay documents always do.
    bool ReadsLabels(const std::string& fileVersion) const;
};

} // namespace taviro
