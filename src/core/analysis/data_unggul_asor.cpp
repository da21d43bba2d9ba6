#include "core/analysis/data_unggul_asor.h"

#include "core/analysis/group_rule.h"
#include "core/taviro_error.h"
#include "core/text/number_text.h"
#include "core/text/text_helpers.h"

#include <algorithm>
#include <cmath>

namespace taviro {

namespace {

const char* const EmptyGroupMessage =
    "Peringatan: Jumlah subyek kelompok unggul/asor = 0, jumlah subyek terlalu sedikit";

std::string AllBlankMessage(int item, int label, const std::string& group) {
    return "Rata-rata dan simpang baku " + EssayItemName(item, label) +
           " tidak bisa dihitung karena semua subyek kelompok " + group +
           " tidak mengisi butir ini";
}

std::string ZeroStandardErrorMessage(int item, int label) {
    return "Nilai t " + EssayItemName(item, label) +
           " tidak bisa dihitung karena simpang baku gabungannya = 0 (simpang baku kelompok "
           "unggul dan kelompok asor sama-sama 0)";
}

std::string WrongScoreMessage(int subject, int item, const std::string& piece) {
    return "Skor subyek dg nomor urut " + IntToText(subject) + ", butir ke-" + IntToText(item) +
           " bukan bilangan: \"" + TruncateText(piece, 20) + "\"";
}

std::size_t ItemCount(const TDataSkor& skor) {
    return static_cast<std::size_t>(std::max(skor.JumButir, 0));
}

// The scores that the members of one group gave one item, blanks left out.
struct GroupColumn {
    double Sum = 0;
    std::vector<double> Scores;
};

std::vector<GroupColumn> CollectGroup(const TDataSkor& skor, int first, int n,
                                      char decimalSeparator) {
    std::vector<GroupColumn> columns(ItemCount(skor));
    for (int member = first; member < first + n; ++member) {
        const auto scores = EssayItemScores(skor, member, decimalSeparator);
        for (std::size_t i = 0; i < columns.size(); ++i) {
            if (scores[i]) {
                columns[i].Sum += *scores[i];
                columns[i].Scores.push_back(*scores[i]);
            }
        }
    }
    return columns;
}

struct MeanSD {
    double Mean = 0;
    double SD = 0;
};

// The rule of the test score's mean and SD, in extended precision: the sample standard deviation,
// and for a single score that score as both mean and SD. The caller rules out an empty column.
MeanSD Describe(const std::vector<double>& scores) {
    if (scores.size() == 1) {
        return {scores.front(), scores.front()};
    }
    const auto m = static_cast<long double>(scores.size());
    long double sum = 0;
    for (const double v : scores) {
        sum += v;
    }
    const long double mean = sum / m;
    long double squares = 0;
    for (const double v : scores) {
        const long double difference = mean - v;
        squares += difference * difference;
    }
    return {static_cast<double>(mean), static_cast<double>(std::sqrt(squares / (m - 1)))};
}

} // namespace

void TDataUnggulAsor::Compute(char decimalSeparator) {
    JumKel = GroupSize(skor_.Count());
    if (JumKel == 0) {
        throw TaviroError(EmptyGroupMessage);
    }
    const Groups groups = FormGroups(skor_);
    const int n = groups.Size;

    // Built aside and taken over at the end, so that a failure never leaves half the items.
    std::vector<TItemUnggulAsor> results(ItemCount(skor_));
    for (std::size_t i = 0; i < results.size(); ++i) {
        results[i].NoButirAsli = NoButirAsli(skor_, static_cast<int>(i));
    }

    const auto upper = CollectGroup(skor_, groups.UpperFirst, n, decimalSeparator);
    for (std::size_t i = 0; i < results.size(); ++i) {
        if (upper[i].Scores.empty()) {
            throw TaviroError(
                AllBlankMessage(static_cast<int>(i), results[i].NoButirAsli, "unggul"));
        }
        const MeanSD statistics = Describe(upper[i].Scores);
        results[i].JumSkorUn = upper[i].Sum;
        results[i].Rata2Un = statistics.Mean;
        results[i].SBUn = statistics.SD;
    }

    const auto lower = CollectGroup(skor_, groups.LowerFirst, n, decimalSeparator);
    for (std::size_t i = 0; i < results.size(); ++i) {
        if (lower[i].Scores.empty()) {
            throw TaviroError(AllBlankMessage(static_cast<int>(i), results[i].NoButirAsli, "asor"));
        }
        const MeanSD statistics = Describe(lower[i].Scores);
        results[i].JumSkorAs = lower[i].Sum;
        results[i].Rata2As = statistics.Mean;
        results[i].SBAs = statistics.SD;
    }

    // The standard error divides by the group size even when some members left the item blank.
    const double groupSize = n;
    for (std::size_t i = 0; i < results.size(); ++i) {
        TItemUnggulAsor& item = results[i];
        item.SBGab =
            std::sqrt(item.SBUn * item.SBUn / groupSize + item.SBAs * item.SBAs / groupSize);
        if (!(item.SBGab > 0)) {
            throw TaviroError(ZeroStandardErrorMessage(static_cast<int>(i), item.NoButirAsli));
        }
        item.NilaiT = (item.Rata2Un - item.Rata2As) / item.SBGab;
    }

    items_ = std::move(results);
    SetNeedRecalc(false);
}

std::vector<std::optional<double>> EssayItemScores(const TDataSkor& skor, int position,
                                                   char decimalSeparator) {
    const TItemSkor& subject = skor.GetItem(position);
    const std::vector<std::string> pieces = SplitText(subject.SkorButir, ',');
    std::vector<std::optional<double>> scores(ItemCount(skor));
    const std::size_t present = std::min(pieces.size(), scores.size());
    for (std::size_t i = 0; i < present; ++i) {
        const std::string& piece = pieces[i];
        if (piece == "*" || piece == "#") {
            continue;
        }
        scores[i] = ParseReal(piece, decimalSeparator);
        if (!scores[i]) {
            throw TaviroError(
                WrongScoreMessage(subject.UrutanAwal + 1, static_cast<int>(i) + 1, piece));
        }
    }
    return scores;
}

std::vector<double> EssayScoreSums(const TDataSkor& skor, int first, int n, char decimalSeparator) {
    std::vector<double> sums(ItemCount(skor), 0.0);
    for (int member = first; member < first + n; ++member) {
        const auto scores = EssayItemScores(skor, member, decimalSeparator);
        for (std::size_t i = 0; i < sums.size(); ++i) {
            if (scores[i]) {
                sums[i] += *scores[i];
            }
        }
    }
    return sums;
}

std::vector<double> EssayIdealScores(const TDataSkor& skor, char decimalSeparator) {
    const std::vector<std::string> pieces = SplitText(skor.Kunci, ',');
    std::vector<double> ideal(ItemCount(skor));
    for (std::size_t i = 0; i < ideal.size(); ++i) {
        const std::string item = IntToText(static_cast<long long>(i) + 1);
        if (i >= pieces.size()) {
            throw TaviroError("Skor ideal butir ke-" + item + " belum diisi");
        }
        const auto value = ParseReal(pieces[i], decimalSeparator);
        if (!value) {
            throw TaviroError("Skor ideal butir ke-" + item + " bukan bilangan: \"" +
                              TruncateText(pieces[i], 20) + "\"");
        }
        ideal[i] = *value;
    }
    return ideal;
}

int NoButirAsli(const TDataSkor& skor, int item) {
    const auto index = static_cast<std::size_t>(item);
    if (index >= skor.NoButir.size()) {
        return item + 1;
    }
    const auto label = ParseInt(skor.NoButir[index]);
    if (!label) {
        throw TaviroError("No butir asli butir ke-" + IntToText(item + 1) +
                          " bukan bilangan bulat: \"" + TruncateText(skor.NoButir[index], 20) +
                          "\"");
    }
    return *label;
}

std::string EssayItemName(int item, int noButirAsli) {
    return "butir ke-" + IntToText(item + 1) + " (no. butir asli " + IntToText(noButirAsli) + ")";
}

} // namespace taviro
