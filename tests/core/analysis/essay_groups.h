#pragma once

#include "core/analysis/group_rule.h"
#include "core/scoring/data_skor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace taviro::test {

// The SkorButir texts of the members of each group and of the subjects between the groups.
struct GroupedRows {
    std::vector<std::string> Upper;
    std::vector<std::string> Middle;
    std::vector<std::string> Lower;
};

// An essay score list whose groups hold exactly the given rows: test scores fall from the upper
// rows through the middle rows to the lower rows. The raw order is the reverse, so the groups
// only come out right when the list is put in score order. Subject i of the raw order is
// numbered i + 1.
inline void FillGroupedScores(TDataSkor& skor, int jumButir, const std::string& kunci,
                              const GroupedRows& rows,
                              const std::vector<std::string>& labels = {}) {
    skor.JumButir = jumButir;
    skor.Kunci = kunci;
    skor.NoButir = labels;
    std::vector<TItemSkor> ordered;
    double skorAkhir = 1000;
    for (const auto* part : {&rows.Upper, &rows.Middle, &rows.Lower}) {
        for (const std::string& row : *part) {
            TItemSkor item;
            item.SkorButir = row;
            item.SkorAkhir = skorAkhir;
            skorAkhir -= 1;
            ordered.push_back(item);
        }
    }
    const int count = static_cast<int>(ordered.size());
    for (int i = 0; i < count; ++i) {
        TItemSkor item = ordered[static_cast<std::size_t>(count - 1 - i)];
        item.UrutanAwal = i;
        item.NoSubyek = std::to_string(i + 1);
        skor.Add(item);
    }
    ASSERT_EQ(GroupSize(count), static_cast<int>(rows.Upper.size()));
    ASSERT_EQ(rows.Upper.size(), rows.Lower.size());
}

// The essay statistics against reference values, to a relative 1e-9.
inline void ExpectNear(double actual, double expected) {
    EXPECT_NEAR(actual, expected, 1e-9 * std::max(1.0, std::fabs(expected)));
}

// Subjects between the groups that score the extremes, so that any of them counted in a group
// would move the result.
inline const std::vector<std::string> ExtremeMiddle = {"0", "5", "*", "5", "0"};

} // namespace taviro::test
