#include "core/analysis/data_unggul_asor.h"

#include "core/analysis/group_rule.h"
#include "core/analysis/item_scores.h"
#include "core/taviro_error.h"
#include "core/text/prefetch.h"

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

// The statistics of the scores that the members of one group gave one item, blanks left out:
// their sum, and their mean and standard deviation by the rule of the test score's mean and SD, in
// extended precision (the sample standard deviation; for a single score that score as both).
struct GroupColumn {
    double Sum = 0;
    std::size_t Count = 0;
    long double ExtendedSum = 0;
    long double Mean = 0;
    long double Squares = 0;
    double Only = 0;
};

// The members' scores of a few rows at a time, item by item, and what reading them needs.
struct GroupBuffers {
    std::size_t Rows = 0;
    std::vector<double> Chunk;
    std::vector<std::size_t> Filled;
    std::vector<double> Row;
    std::vector<unsigned char> Present;
};

// Adds the scores of the members at first .. first+n-1 to the columns: the sums on the first
// pass, the squared distances from the mean on the second.
//
// Keeping every score of a group for the second pass would take tens of megabytes of fresh memory
// per computation on a large test, which costs more than reading the scores twice. A pass adds the
// extended-precision sums of all items at once, which through memory is slow; so the scores of a
// few members are gathered item by item and each item's share is added in registers. Either way
// an item's scores are added one by one in member order, so every sum is the same to the last bit.
void AddGroupScores(const TDataSkor& skor, int first, int n, char decimalSeparator,
                    std::vector<GroupColumn>& columns, bool squares, GroupBuffers& buffers) {
    const std::size_t items = columns.size();
    const std::size_t rows = buffers.Rows;
    const int last = first + n;
    for (int start = first; start < last; start += static_cast<int>(rows)) {
        const int stop = std::min(last, start + static_cast<int>(rows));
        std::fill(buffers.Filled.begin(), buffers.Filled.end(), 0);
        for (int member = start; member < stop; ++member) {
            if (member + PrefetchAhead < last) {
                // The list stands in score order: its strings are scattered.
                PrefetchText(skor.GetItem(member + PrefetchAhead).SkorButir);
            }
            EssayItemScoresInto(skor, member, decimalSeparator, buffers.Row, buffers.Present);
            for (std::size_t i = 0; i < items; ++i) {
                if (buffers.Present[i] != 0) {
                    buffers.Chunk[i * rows + buffers.Filled[i]++] = buffers.Row[i];
                }
            }
        }
        for (std::size_t i = 0; i < items; ++i) {
            const double* const scores = buffers.Chunk.data() + i * rows;
            const std::size_t count = buffers.Filled[i];
            if (count == 0) {
                continue;
            }
            GroupColumn& column = columns[i];
            if (squares) {
                const long double mean = column.Mean;
                long double total = column.Squares;
                for (std::size_t k = 0; k < count; ++k) {
                    const long double difference = mean - scores[k];
                    total += difference * difference;
                }
                column.Squares = total;
            } else {
                double sum = column.Sum;
                long double extended = column.ExtendedSum;
                for (std::size_t k = 0; k < count; ++k) {
                    sum += scores[k];
                    extended += scores[k];
                }
                column.Sum = sum;
                column.ExtendedSum = extended;
                column.Count += count;
                column.Only = scores[count - 1];
            }
        }
    }
}

struct MeanSD {
    double Mean = 0;
    double SD = 0;
};

// The statistics of every item over one group. Throws for the first item that every member left
// blank, after the scores of the whole group were read.
std::vector<GroupColumn> DescribeGroup(const TDataSkor& skor, int first, int n,
                                       char decimalSeparator,
                                       const std::vector<TItemUnggulAsor>& labels,
                                       const std::string& group, GroupBuffers& buffers) {
    std::vector<GroupColumn> columns(ItemCount(skor));
    AddGroupScores(skor, first, n, decimalSeparator, columns, false, buffers);
    bool spread = false;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        GroupColumn& column = columns[i];
        if (column.Count == 0) {
            throw TaviroError(AllBlankMessage(static_cast<int>(i), labels[i].NoButirAsli, group));
        }
        column.Mean = column.ExtendedSum / static_cast<long double>(column.Count);
        spread = spread || column.Count > 1;
    }
    if (spread) {
        AddGroupScores(skor, first, n, decimalSeparator, columns, true, buffers);
    }
    return columns;
}

MeanSD Describe(const GroupColumn& column) {
    if (column.Count == 1) {
        return {column.Only, column.Only};
    }
    const auto m = static_cast<long double>(column.Count);
    return {static_cast<double>(column.Mean),
            static_cast<double>(std::sqrt(column.Squares / (m - 1)))};
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

    // A few rows of scores at a time, at most some 16,000 scores: a damaged document may claim
    // far more items than any test has.
    GroupBuffers buffers;
    const std::size_t items = ItemCount(skor_);
    buffers.Rows = std::clamp<std::size_t>(items == 0 ? 1 : 16384 / items, 1, 64);
    buffers.Chunk.resize(items * buffers.Rows);
    buffers.Filled.resize(items);

    const auto upper =
        DescribeGroup(skor_, groups.UpperFirst, n, decimalSeparator, results, "unggul", buffers);
    for (std::size_t i = 0; i < results.size(); ++i) {
        const MeanSD statistics = Describe(upper[i]);
        results[i].JumSkorUn = upper[i].Sum;
        results[i].Rata2Un = statistics.Mean;
        results[i].SBUn = statistics.SD;
    }

    const auto lower =
        DescribeGroup(skor_, groups.LowerFirst, n, decimalSeparator, results, "asor", buffers);
    for (std::size_t i = 0; i < results.size(); ++i) {
        const MeanSD statistics = Describe(lower[i]);
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
