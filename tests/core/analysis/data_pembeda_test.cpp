#include "core/analysis/data_pembeda.h"

#include "core/taviro_error.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace taviro {
namespace {

const char* const EmptyGroupMessage =
    "Maaf, daya pembeda tidak bisa dihitung karena jumlah subyek kelompok = 0";

struct Subject {
    std::string SkorButir;
    double SkorAkhir;
};

// A score list in raw-data order, not yet sorted by score.
TDataSkor MakeSkor(const std::vector<Subject>& subjects, int jumButir) {
    TDataSkor skor(AnalyzerKind::PilihanGanda);
    skor.JumButir = jumButir;
    for (int i = 1; i <= jumButir; ++i) {
        skor.NoButir.push_back(std::to_string(i));
    }
    for (std::size_t i = 0; i < subjects.size(); ++i) {
        TItemSkor item;
        item.UrutanAwal = static_cast<int>(i);
        item.NoSubyek = std::to_string(i + 1);
        item.SkorButir = subjects[i].SkorButir;
        item.SkorAkhir = subjects[i].SkorAkhir;
        skor.Add(item);
    }
    return skor;
}

std::string ThrownMessage(TDataPembeda& pembeda) {
    try {
        pembeda.Compute();
    } catch (const TaviroError& error) {
        return error.what();
    }
    return "(nothing thrown)";
}

// Ten subjects (n = 3), deliberately entered out of score order. Scores 10 .. 1 by subject;
// the upper group is the subjects scoring 10, 9, 8 and the lower group those scoring 3, 2, 1.
class DataPembedaTenSubjects : public ::testing::Test {
protected:
    // Item 1: right for all three upper and no lower subjects.
    // Item 2: right for one upper and two lower subjects.
    // Item 3: nobody right, only blanks and wrong answers.
    // Item 4: right only for the four middle subjects, who belong to neither group.
    // Item 5: right for every member of both groups.
    TDataSkor skor = MakeSkor(
        {
            {"-1-1*", 5},  // middle
            {"1-*-1", 9},  // upper
            {"-1--1", 2},  // lower
            {"--*11", 6},  // middle
            {"---11", 4},  // middle
            {"11*-1", 10}, // upper
            {"-1--1", 1},  // lower
            {"1-*-1", 8},  // upper
            {"-*--1", 3},  // lower
            {"--*11", 7},  // middle
        },
        5);
    TDataPembeda pembeda{skor};
};

TEST_F(DataPembedaTenSubjects, CountsRightAnswersOfBothGroupsOnly) {
    pembeda.Compute();
    EXPECT_EQ(pembeda.JumKel, 3);
    ASSERT_EQ(pembeda.Count(), 5);
    struct Expected {
        double KelAtas, KelBawah, Beda, IndeksDP;
    };
    // Worked out by hand from the table above; -1/3 * 100 = -33.333...
    const Expected expected[] = {
        {3, 0, 3, 100.0}, {1, 2, -1, -100.0 / 3.0}, {0, 0, 0, 0.0}, {0, 0, 0, 0.0}, {3, 3, 0, 0.0},
    };
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE("item " + std::to_string(i + 1));
        const TItemPembeda& item = pembeda.GetItem(i);
        EXPECT_EQ(item.NoButirAsli, i + 1);
        EXPECT_EQ(item.KelAtas, expected[i].KelAtas);
        EXPECT_EQ(item.KelBawah, expected[i].KelBawah);
        EXPECT_EQ(item.Beda, expected[i].Beda);
        EXPECT_NEAR(item.IndeksDP, expected[i].IndeksDP, 1e-12);
    }
    EXPECT_NEAR(pembeda.GetItem(1).IndeksDP, -33.333333333333336, 1e-12);
}

TEST_F(DataPembedaTenSubjects, LeavesScoreListInScoreOrderAndClearsOnlyNeedRecalc) {
    pembeda.NeedRefresh = false;
    pembeda.Compute();
    EXPECT_TRUE(skor.IsUrutkanBerdSkor);
    for (int i = 0; i < skor.Count(); ++i) {
        EXPECT_EQ(skor.GetItem(i).SkorAkhir, 10 - i);
    }
    EXPECT_FALSE(pembeda.NeedRecalc);
    EXPECT_FALSE(pembeda.NeedRefresh);
}

TEST_F(DataPembedaTenSubjects, ClearEmptiesAndMarksStale) {
    pembeda.Compute();
    pembeda.NeedRefresh = false;
    pembeda.Clear();
    EXPECT_EQ(pembeda.Count(), 0);
    EXPECT_TRUE(pembeda.NeedRecalc);
    EXPECT_TRUE(pembeda.NeedRefresh);
}

TEST_F(DataPembedaTenSubjects, ComputingTwiceGivesOneSetOfResults) {
    pembeda.Compute();
    pembeda.Compute();
    ASSERT_EQ(pembeda.Count(), 5);
    EXPECT_EQ(pembeda.GetItem(0).KelAtas, 3);
}

// Seven subjects A..G scoring 8, 9, 8, 5, 4, 4, 2: n = 2. Item j is right only for subject j,
// so each count tells whether that subject is in the group. The tie at 8 goes to A (entered
// before C), the tie at 4 leaves E out (entered before F, so it stands higher).
TEST(DataPembeda, TiesAtTheGroupBoundaryGoByRawDataOrder) {
    TDataSkor skor = MakeSkor({{"1------", 8},
                               {"-1-----", 9},
                               {"--1----", 8},
                               {"---1---", 5},
                               {"----1--", 4},
                               {"-----1-", 4},
                               {"------1", 2}},
                              7);
    TDataPembeda pembeda(skor);
    pembeda.Compute();
    ASSERT_EQ(pembeda.JumKel, 2);
    const double upper[] = {1, 1, 0, 0, 0, 0, 0};
    const double lower[] = {0, 0, 0, 0, 0, 1, 1};
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE("subject " + std::string(1, static_cast<char>('A' + i)));
        EXPECT_EQ(pembeda.GetItem(i).KelAtas, upper[i]);
        EXPECT_EQ(pembeda.GetItem(i).KelBawah, lower[i]);
    }
}

TEST(DataPembeda, DividesByTheGroupSizeOfTheRule) {
    // 50 subjects: n = 14 (13.5 to the even neighbour). Scores 50 .. 1; the item is right for the
    // best 20, so all 14 upper and no lower subjects.
    std::vector<Subject> subjects;
    for (int i = 0; i < 50; ++i) {
        subjects.push_back({i < 20 ? "1*" : "-1", 50.0 - i});
    }
    TDataSkor skor = MakeSkor(subjects, 2);
    TDataPembeda pembeda(skor);
    pembeda.Compute();
    EXPECT_EQ(pembeda.JumKel, 14);
    EXPECT_EQ(pembeda.GetItem(0).IndeksDP, 100.0);
    EXPECT_EQ(pembeda.GetItem(1).KelAtas, 0);
    EXPECT_EQ(pembeda.GetItem(1).KelBawah, 14);
    EXPECT_EQ(pembeda.GetItem(1).IndeksDP, -100.0);
}

TEST(DataPembeda, EmptyGroupsAreAnErrorAndLeaveNoResults) {
    struct Case {
        const char* Name;
        std::vector<Subject> Subjects;
    };
    const Case cases[] = {
        {"no subjects", {}},
        {"one subject", {{"11", 2}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TDataSkor skor = MakeSkor(c.Subjects, 2);
        TDataPembeda pembeda(skor);
        EXPECT_EQ(ThrownMessage(pembeda), EmptyGroupMessage);
        EXPECT_EQ(pembeda.Count(), 0);
        EXPECT_EQ(pembeda.JumKel, 0);
        EXPECT_TRUE(pembeda.NeedRecalc);
    }
}

TEST(DataPembeda, TwoSubjectsAreEnough) {
    TDataSkor skor = MakeSkor({{"-", 7}, {"1", 9}}, 1);
    TDataPembeda pembeda(skor);
    pembeda.Compute();
    EXPECT_EQ(pembeda.JumKel, 1);
    EXPECT_EQ(pembeda.GetItem(0).IndeksDP, 100.0);
}

TEST(DataPembeda, ResultStringsOfAnyLengthAreReadUpToTheItemCount) {
    // The short strings count as not right at the missing items; the long one's extra "1"s are
    // no items of the test.
    TDataSkor skor = MakeSkor({{"111111", 3}, {"", 2}, {"1", 1}}, 3);
    TDataPembeda pembeda(skor);
    pembeda.Compute();
    ASSERT_EQ(pembeda.Count(), 3);
    EXPECT_EQ(pembeda.GetItem(0).KelAtas, 1);
    EXPECT_EQ(pembeda.GetItem(0).KelBawah, 1);
    EXPECT_EQ(pembeda.GetItem(2).KelAtas, 1);
    EXPECT_EQ(pembeda.GetItem(2).KelBawah, 0);
}

TEST(DataPembeda, ItemLabelsBecomeNumbers) {
    TDataSkor skor = MakeSkor({{"111", 3}, {"---", 0}}, 3);
    skor.NoButir = {"1", "3", "4"};
    TDataPembeda pembeda(skor);
    pembeda.Compute();
    ASSERT_EQ(pembeda.Count(), 3);
    EXPECT_EQ(pembeda.GetItem(0).NoButirAsli, 1);
    EXPECT_EQ(pembeda.GetItem(1).NoButirAsli, 3);
    EXPECT_EQ(pembeda.GetItem(2).NoButirAsli, 4);
}

TEST(DataPembeda, ALabelThatIsNoNumberStopsWithTheItemsSoFar) {
    TDataSkor skor = MakeSkor({{"111", 3}, {"---", 0}}, 3);
    skor.NoButir = {"1", "2x", "3"};
    TDataPembeda pembeda(skor);
    EXPECT_EQ(ThrownMessage(pembeda), "No butir asli butir ke-2 (\"2x\") bukan bilangan bulat; "
                                      "dokumen ini mungkin rusak");
    EXPECT_EQ(pembeda.Count(), 1);
    EXPECT_TRUE(pembeda.NeedRecalc);
}

} // namespace
} // namespace taviro
