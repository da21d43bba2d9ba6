#include "core/analysis/data_unggul_asor.h"

#include "core/analysis/group_rule.h"
#include "core/analysis/item_scores.h"
#include "core/taviro_error.h"

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
    std::vector<TItemUnggulAsor> results;
    AddLabelledItems(skor_, results);

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

} // namespace taviro
