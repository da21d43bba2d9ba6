#include "core/analysis/data_pembeda_uraian.h"

#include "core/analysis/anal_butir_soal.h"
#include "core/analysis/data_unggul_asor.h"
#include "core/analysis/essay_groups.h"
#include "core/document/data_mentah.h"
#include "core/taviro_error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

namespace taviro {
namespace {

using test::ExpectNear;
using test::ExtremeMiddle;
using test::GroupedRows;

struct IndexCase {
    const char* Name;
    int JumButir;
    std::string Kunci;
    GroupedRows Rows;
    int Item;
    double DP;
};

// Failures name the case instead of dumping its bytes.
void PrintTo(const IndexCase& c, std::ostream* os) {
    *os << c.Name;
}

const IndexCase IndexCases[] = {
    {"WorkedExample", 1, "5", {{"4", "5", "3"}, ExtremeMiddle, {"1", "2", "3"}}, 0, 40},
    {"FullScoreAgainstNothing", 1, "5", {{"5"}, {}, {"0"}}, 0, 100},
    {"EqualGroupSums", 1, "5", {{"4", "5", "3"}, ExtremeMiddle, {"3", "5", "4"}}, 0, 0},
    {"LowerGroupAhead",
     1,
     "5",
     {{"1", "2", "0"}, ExtremeMiddle, {"5", "4", "5"}},
     0,
     -73.33333333333333},
    {"BlankCountsAsNothing", 1, "5", {{"4", "5", "*"}, ExtremeMiddle, {"1", "2", "3"}}, 0, 20},
    {"DecimalIdealScoreOfSecondItem",
     2,
     "5,2.5",
     {{"4,2.5", "5,2", "3,1"}, {"0,0", "5,2.5", "*,*", "0,0", "5,2.5"}, {"1,0", "2,1", "3,0.5"}},
     1,
     53.333333333333336},
};

class PembedaUraianIndex : public testing::TestWithParam<IndexCase> {};

TEST_P(PembedaUraianIndex, MatchesReferenceValue) {
    const IndexCase& c = GetParam();
    TDataSkor skor(AnalyzerKind::Uraian);
    test::FillGroupedScores(skor, c.JumButir, c.Kunci, c.Rows);
    // The highest scores received are not the ideal scores: the index must not read them.
    skor.MaxSkor.assign(static_cast<std::size_t>(c.JumButir), 4.0);
    TDataUnggulAsor groups(skor);
    TDataPembedaUraian pembeda(skor, groups);
    pembeda.Compute();

    ASSERT_EQ(pembeda.Count(), c.JumButir);
    ExpectNear(pembeda.GetItem(c.Item).DP, c.DP);
    EXPECT_EQ(pembeda.GetItem(c.Item).NoButirAsli, c.Item + 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, PembedaUraianIndex, testing::ValuesIn(IndexCases),
                         [](const auto& caseInfo) { return std::string(caseInfo.param.Name); });

struct ErrorCase {
    const char* Name;
    int JumButir;
    std::string Kunci;
    GroupedRows Rows;
    std::string Message;
};

// Failures name the case instead of dumping its bytes.
void PrintTo(const ErrorCase& c, std::ostream* os) {
    *os << c.Name;
}

const ErrorCase ErrorCases[] = {
    {"OneSubject",
     1,
     "5",
     {{}, {"3"}, {}},
     "Peringatan: Jumlah subyek kelompok unggul/asor = 0, jumlah subyek terlalu sedikit"},
    {"ZeroIdealScore",
     2,
     "5,0",
     {{"4,0", "5,-1", "3,0"}, {"4,0", "4,0", "4,0", "4,0"}, {"1,-2", "2,-1", "3,-3"}},
     "Daya pembeda butir ke-2 (no. butir asli 12) tidak bisa dihitung karena skor idealnya = 0"},
    {"MissingIdealScore",
     2,
     "5",
     {{"4,1", "5,2", "3,3"}, {"4,0", "4,0", "4,0", "4,0"}, {"1,2", "2,1", "3,3"}},
     "Skor ideal butir ke-2 belum diisi"},
    {"IdealScoreThatIsNotANumber",
     2,
     "5,abc",
     {{"4,1", "5,2", "3,3"}, {"4,0", "4,0", "4,0", "4,0"}, {"1,2", "2,1", "3,3"}},
     "Skor ideal butir ke-2 bukan bilangan: \"abc\""},
    // Every member of each group with the same score leaves no standard error for the t value,
    // and the group statistics that the index is computed from then fail as a whole.
    {"PerfectlySeparatingItemInGroupsOfThree",
     1,
     "5",
     {{"5", "5", "5"}, ExtremeMiddle, {"0", "0", "0"}},
     "Nilai t butir ke-1 (no. butir asli 7) tidak bisa dihitung karena simpang baku "
     "gabungannya = 0 (simpang baku kelompok unggul dan kelompok asor sama-sama 0)"},
    {"WholeLowerGroupBlank",
     2,
     "5,5",
     {{"4,1", "5,2", "3,3"}, {"4,0", "4,0", "4,0", "4,0"}, {"1", "2,*", "3"}},
     "Rata-rata dan simpang baku butir ke-2 (no. butir asli 12) tidak bisa dihitung karena "
     "semua subyek kelompok asor tidak mengisi butir ini"},
};

class PembedaUraianErrors : public testing::TestWithParam<ErrorCase> {};

TEST_P(PembedaUraianErrors, ThrowsMessageAndLeavesNoResults) {
    const ErrorCase& c = GetParam();
    TDataSkor skor(AnalyzerKind::Uraian);
    test::FillGroupedScores(skor, c.JumButir, c.Kunci, c.Rows, {"7", "12"});
    TDataUnggulAsor groups(skor);
    TDataPembedaUraian pembeda(skor, groups);
    try {
        pembeda.Compute();
        FAIL() << "no error";
    } catch (const TaviroError& error) {
        EXPECT_EQ(std::string(error.what()), c.Message);
    }
    EXPECT_TRUE(pembeda.NeedRecalc);
    EXPECT_EQ(pembeda.Count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, PembedaUraianErrors, testing::ValuesIn(ErrorCases),
                         [](const auto& caseInfo) { return std::string(caseInfo.param.Name); });

class PembedaUraianGroups : public testing::Test {
protected:
    void SetUp() override {
        test::FillGroupedScores(skor, 1, "5", {{"4", "5", "3"}, ExtremeMiddle, {"1", "2", "3"}});
    }
    TDataSkor skor{AnalyzerKind::Uraian};
    TDataUnggulAsor groups{skor};
    TDataPembedaUraian pembeda{skor, groups};
};

TEST_F(PembedaUraianGroups, ComputesStaleGroupStatisticsFirst) {
    groups.NeedRefresh = false;
    pembeda.Compute();
    EXPECT_FALSE(groups.NeedRecalc);
    // Their window must show the statistics that were computed here.
    EXPECT_TRUE(groups.NeedRefresh);
    EXPECT_EQ(groups.JumKel, 3);
    ExpectNear(pembeda.GetItem(0).DP, 40);
    EXPECT_FALSE(pembeda.NeedRecalc);
}

TEST_F(PembedaUraianGroups, SameIndexWhenGroupsWereComputedBefore) {
    groups.Compute();
    pembeda.Compute();
    ExpectNear(pembeda.GetItem(0).DP, 40);
}

TEST_F(PembedaUraianGroups, NewScoresReachTheIndexOnceGroupsAreMarkedStale) {
    pembeda.Compute();
    // The best subject now scores 0 instead of 4: U = 8.
    skor.GetItem(0).SkorButir = "0";
    groups.SetNeedRecalc(true);
    pembeda.Clear();
    pembeda.Compute();
    ExpectNear(pembeda.GetItem(0).DP, 2 * 100.0 / 15);
}

// From raw data through the essay scoring: the groups come from the test scores, not from the
// item that is analysed.
TEST(PembedaUraianScored, WorkedExampleThroughScoring) {
    TDataMentah mentah(AnalyzerKind::Uraian);
    TDataSkor skor(AnalyzerKind::Uraian);
    TDataUnggulAsor groups(skor);
    TDataPembedaUraian pembeda(skor, groups);
    TAnalButirSoal analyses;
    analyses.Analyses = {&pembeda, &groups};

    mentah.JumButir = 2;
    mentah.Kunci = "5,10";
    mentah.NoButir = {"4", "8"};
    // Test scores: upper 14, 14, 13; between 10, 9, 9, 8, 7; lower 3, 3, 2.
    for (const char* jwb :
         {"5,5", "2,0", "5,9", "0,8", "4,10", "3,#", "*,9", "5,4", "3,10", "1,2", "0,7"}) {
        TJawaban jawaban;
        jawaban.Jwb = jwb;
        mentah.AddJawaban(jawaban);
    }
    mentah.JumSubyek = mentah.JawabanCount();
    skor.ScoreAll(mentah, analyses, '.');
    pembeda.Compute('.');

    ASSERT_EQ(pembeda.Count(), 2);
    EXPECT_EQ(pembeda.GetItem(0).NoButirAsli, 4);
    EXPECT_EQ(pembeda.GetItem(1).NoButirAsli, 8);
    ExpectNear(pembeda.GetItem(0).DP, 40);
    ExpectNear(pembeda.GetItem(1).DP, 90);

    const TItemUnggulAsor& first = groups.GetItem(0);
    ExpectNear(first.SBGab, 0.816496580927726);
    ExpectNear(first.NilaiT, 2.449489742783178);
    const TItemUnggulAsor& second = groups.GetItem(1);
    ExpectNear(second.Rata2Un, 9.666666666666666);
    ExpectNear(second.SBUn, 0.5773502691896257);
    ExpectNear(second.Rata2As, 1);
    ExpectNear(second.SBAs, 1.4142135623730951);
    ExpectNear(second.SBGab, 0.881917103688197);
    ExpectNear(second.NilaiT, 9.827076298239906);
}

} // namespace
} // namespace taviro
