#include "core/analysis/anal_butir_soal.h"
#include "core/analysis/data_reliabilitas.h"
#include "core/document/data_mentah.h"
#include "core/scoring/data_skor.h"
#include "core/taviro_error.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace taviro {
namespace {

constexpr double Tolerance = 1e-12;

void ExpectSameStatistic(double actual, double expected, const std::string& what) {
    if (std::isnan(expected)) {
        EXPECT_TRUE(std::isnan(actual)) << what << " is " << actual << ", expected NaN";
    } else {
        EXPECT_NEAR(actual, expected, Tolerance * std::max(1.0, std::fabs(expected))) << what;
    }
}

// A score list filled by hand: subject i is named "S<i+1>" and numbered "<10+i>".
TDataSkor MakeSkor(AnalyzerKind kind, int jumButir, const std::vector<std::string>& results) {
    TDataSkor skor(kind);
    skor.JumButir = jumButir;
    for (int i = 0; i < jumButir; ++i) {
        skor.NoButir.push_back(std::to_string(i + 1));
    }
    for (std::size_t i = 0; i < results.size(); ++i) {
        TItemSkor item;
        item.UrutanAwal = static_cast<int>(i);
        item.Nama = "S" + std::to_string(i + 1);
        item.NoSubyek = std::to_string(10 + i);
        item.SkorButir = results[i];
        skor.Add(item);
    }
    return skor;
}

TEST(DataReliabilitasTest, WorkedExampleGivesHalfScoresCorrelationAndReliability) {
    TDataSkor skor = MakeSkor(AnalyzerKind::PilihanGanda, 4, {"1111", "11--", "1-1-", "----"});
    TDataReliabilitas reliabilitas(skor);
    reliabilitas.Compute();

    struct Expected {
        double Ganjil;
        double Genap;
    };
    const std::vector<Expected> expected = {{2, 2}, {1, 1}, {2, 0}, {0, 0}};
    ASSERT_EQ(reliabilitas.Count(), 4);
    for (int i = 0; i < 4; ++i) {
        const TItemReliabilitas& item = reliabilitas.GetItem(i);
        const Expected& e = expected[static_cast<std::size_t>(i)];
        SCOPED_TRACE(i);
        EXPECT_EQ(item.Nama, "S" + std::to_string(i + 1));
        EXPECT_EQ(item.NoSubyek, std::to_string(10 + i));
        EXPECT_EQ(item.SkorGanjil, e.Ganjil);
        EXPECT_EQ(item.SkorGenap, e.Genap);
        EXPECT_EQ(item.SkorTotal, e.Ganjil + e.Genap);
        EXPECT_EQ(item.KuadratGanjil, e.Ganjil * e.Ganjil);
        EXPECT_EQ(item.KuadratGenap, e.Genap * e.Genap);
        EXPECT_EQ(item.GanjilKaliGenap, e.Ganjil * e.Genap);
    }
    ExpectSameStatistic(reliabilitas.KorelasiXY, 5.0 / 11.0, "KorelasiXY");
    ExpectSameStatistic(reliabilitas.Reliabilitas, 0.625, "Reliabilitas");
}

struct ReliabilityCase {
    const char* Name;
    AnalyzerKind Kind;
    int JumButir;
    std::vector<std::string> Results;
    double KorelasiXY;
    double Reliabilitas;
};

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

std::vector<std::string> OddHalfOfPointOneForFifteenSubjects() {
    std::vector<std::string> results;
    for (int i = 0; i < 15; ++i) {
        results.push_back("0.1," + std::to_string(i));
    }
    return results;
}

class ReliabilityCases : public ::testing::TestWithParam<ReliabilityCase> {};

TEST_P(ReliabilityCases, ComputesTheDocumentedStatistics) {
    const ReliabilityCase& c = GetParam();
    TDataSkor skor = MakeSkor(c.Kind, c.JumButir, c.Results);
    TDataReliabilitas reliabilitas(skor);
    reliabilitas.Compute();
    EXPECT_EQ(reliabilitas.Count(), static_cast<int>(c.Results.size()));
    ExpectSameStatistic(reliabilitas.KorelasiXY, c.KorelasiXY, "KorelasiXY");
    ExpectSameStatistic(reliabilitas.Reliabilitas, c.Reliabilitas, "Reliabilitas");
}

// Reference values worked out by hand or with exact rational arithmetic.
INSTANTIATE_TEST_SUITE_P(
    DataReliabilitasTest, ReliabilityCases,
    ::testing::Values(
        ReliabilityCase{"SameOddScoreForEverySubject",
                        AnalyzerKind::PilihanGanda,
                        4,
                        {"1111", "1-1-", "111-", "1*1*"},
                        NaN,
                        NaN},
        ReliabilityCase{"SameEvenScoreForEverySubject",
                        AnalyzerKind::PilihanGanda,
                        4,
                        {"1-1-", "--1-", "---*"},
                        NaN,
                        NaN},
        ReliabilityCase{"OneSubject", AnalyzerKind::PilihanGanda, 4, {"11-1"}, NaN, NaN},
        ReliabilityCase{"NoSubjects", AnalyzerKind::PilihanGanda, 4, {}, NaN, NaN},
        ReliabilityCase{
            "OneItemHasAnEmptyEvenHalf", AnalyzerKind::PilihanGanda, 1, {"1", "-", "1"}, NaN, NaN},
        // r = -1 would divide by zero in Spearman-Brown.
        ReliabilityCase{
            "PerfectNegativeCorrelation", AnalyzerKind::PilihanGanda, 2, {"1-", "-1"}, -1, NaN},
        ReliabilityCase{
            "PerfectCorrelation", AnalyzerKind::PilihanGanda, 4, {"1111", "----", "11--"}, 1, 1},
        // Positions beyond the result string count as not right; characters beyond JumButir
        // are ignored. Halves (1,0), (0,1), (2,0): r = -sqrt(3)/2.
        ReliabilityCase{"ShortAndLongResultStrings",
                        AnalyzerKind::PilihanGanda,
                        3,
                        {"1", "-1", "1-1111"},
                        -0.86602540378443871,
                        -12.928203230275516},
        // Odd halves 7, 3/2, 6, 1, 0, 5 and even halves 5/2, 2, 13/2, 1, 0, 9/2; "*" and the
        // missing fourth piece of "0,1,1" add nothing.
        ReliabilityCase{"EssayItemScores",
                        AnalyzerKind::Uraian,
                        4,
                        {"3,*,4,2.5", "1.5,2,*,0", "4,4,2,2.5", "0,1,1", "*,*,*,*", "2,3.5,3,1"},
                        0.7603926740039807,
                        0.86388984143461767},
        // Fifteen odd halves of 0.1 leave a small positive rounding residue in the sums; the
        // half still has no spread, so the correlation is undefined rather than some number.
        ReliabilityCase{"EssayConstantFractionalHalf", AnalyzerKind::Uraian, 2,
                        OddHalfOfPointOneForFifteenSubjects(), NaN, NaN}),
    [](const ::testing::TestParamInfo<ReliabilityCase>& param) { return param.param.Name; });

TEST(DataReliabilitasTest, EssayScoreThatIsNoNumberNamesSubjectAndItem) {
    TDataSkor skor = MakeSkor(AnalyzerKind::Uraian, 3, {"1,2,3", "2,x1,3"});
    skor.GetItem(1).UrutanAwal = 4;
    TDataReliabilitas reliabilitas(skor);
    try {
        reliabilitas.Compute();
        FAIL() << "no error";
    } catch (const TaviroError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Skor subyek dg nomor urut 5, butir ke-2 bukan bilangan: \"x1\"");
    }
    EXPECT_EQ(reliabilitas.Count(), 0);
    EXPECT_TRUE(reliabilitas.NeedRecalc);
}

TEST(DataReliabilitasTest, EssayScoresAcceptTheRegionalDecimalSeparator) {
    TDataSkor skor = MakeSkor(AnalyzerKind::Uraian, 2, {"1;5,2", "0.5,1", "3,4"});
    TDataReliabilitas reliabilitas(skor);
    reliabilitas.Compute(';');
    EXPECT_EQ(reliabilitas.GetItem(0).SkorGanjil, 1.5);
    EXPECT_EQ(reliabilitas.GetItem(1).SkorGanjil, 0.5);
}

TEST(DataReliabilitasTest, EssayScoresFromScoringAreSplitIntoHalves) {
    TDataMentah mentah(AnalyzerKind::Uraian);
    mentah.JumButir = 3;
    mentah.Kunci = "4,4,2";
    for (const char* jwb : {"3,4,2", "3,*,#", "", "1,2.5,1"}) {
        TJawaban jawaban;
        jawaban.Jwb = jwb;
        mentah.AddJawaban(jawaban);
    }
    mentah.JumSubyek = mentah.JawabanCount();
    TAnalButirSoal analyses;
    TDataSkor skor(AnalyzerKind::Uraian);
    skor.ScoreAll(mentah, analyses);

    TDataReliabilitas reliabilitas(skor);
    reliabilitas.Compute();
    const std::vector<double> ganjil = {5, 3, 0, 2};
    const std::vector<double> genap = {4, 0, 0, 2.5};
    ASSERT_EQ(reliabilitas.Count(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(reliabilitas.GetItem(i).SkorGanjil, ganjil[static_cast<std::size_t>(i)]) << i;
        EXPECT_EQ(reliabilitas.GetItem(i).SkorGenap, genap[static_cast<std::size_t>(i)]) << i;
    }
}

TEST(DataReliabilitasTest, RecomputingAfterSortingListsSubjectsInScoreOrder) {
    TDataSkor skor = MakeSkor(AnalyzerKind::PilihanGanda, 4, {"1---", "1111", "11--"});
    const std::vector<double> totals = {1, 4, 2};
    for (int i = 0; i < skor.Count(); ++i) {
        skor.GetItem(i).SkorAkhir = totals[static_cast<std::size_t>(i)];
    }
    TDataReliabilitas reliabilitas(skor);
    reliabilitas.Compute();
    EXPECT_EQ(reliabilitas.GetItem(0).Nama, "S1");

    skor.SortItems(false);
    reliabilitas.Clear();
    reliabilitas.Compute();
    ASSERT_EQ(reliabilitas.Count(), 3);
    EXPECT_EQ(reliabilitas.GetItem(0).Nama, "S2");
    EXPECT_EQ(reliabilitas.GetItem(0).NoSubyek, "11");
    EXPECT_EQ(reliabilitas.GetItem(0).SkorTotal, 4);
    EXPECT_EQ(reliabilitas.GetItem(1).Nama, "S3");
    EXPECT_EQ(reliabilitas.GetItem(2).Nama, "S1");
}

TEST(DataReliabilitasTest, FlagsFollowClearAndCompute) {
    TDataSkor skor = MakeSkor(AnalyzerKind::PilihanGanda, 4, {"1111", "11--", "1-1-", "----"});
    TDataReliabilitas reliabilitas(skor);
    EXPECT_EQ(reliabilitas.Priority, 2);
    EXPECT_TRUE(reliabilitas.NeedRecalc);
    EXPECT_TRUE(reliabilitas.NeedRefresh);

    reliabilitas.Compute();
    EXPECT_FALSE(reliabilitas.NeedRecalc);
    EXPECT_TRUE(reliabilitas.NeedRefresh) << "only the window clears NeedRefresh";

    reliabilitas.NeedRefresh = false;
    reliabilitas.Clear();
    EXPECT_TRUE(reliabilitas.NeedRecalc);
    EXPECT_TRUE(reliabilitas.NeedRefresh);
    EXPECT_EQ(reliabilitas.Count(), 0);
    EXPECT_EQ(reliabilitas.KorelasiXY, 0);
    EXPECT_EQ(reliabilitas.Reliabilitas, 0);
}

TEST(DataReliabilitasTest, ComputingTwiceDoesNotListSubjectsTwice) {
    TDataSkor skor = MakeSkor(AnalyzerKind::PilihanGanda, 2, {"11", "1-"});
    TDataReliabilitas reliabilitas(skor);
    reliabilitas.Compute();
    reliabilitas.Compute();
    EXPECT_EQ(reliabilitas.Count(), 2);
}

} // namespace
} // namespace taviro
