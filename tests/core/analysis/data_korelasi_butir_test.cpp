#include "core/analysis/data_korelasi_butir.h"
#include "core/analysis/item_scores.h"
#include "core/analysis/pearson.h"
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

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

struct Subject {
    std::string SkorButir;
    double SkorAkhir;
};

TDataSkor MakeSkor(AnalyzerKind kind, int jumButir, const std::vector<Subject>& subjects) {
    TDataSkor skor(kind);
    skor.JumButir = jumButir;
    for (int i = 0; i < jumButir; ++i) {
        skor.NoButir.push_back(std::to_string(i + 1));
    }
    for (std::size_t i = 0; i < subjects.size(); ++i) {
        TItemSkor item;
        item.UrutanAwal = static_cast<int>(i);
        item.SkorButir = subjects[i].SkorButir;
        item.SkorAkhir = subjects[i].SkorAkhir;
        skor.Add(item);
    }
    return skor;
}

// Multiple choice: the test score is the number of right answers.
TDataSkor MakeRightWrongSkor(int jumButir, const std::vector<std::string>& results) {
    std::vector<Subject> subjects;
    for (const std::string& result : results) {
        subjects.push_back(
            {result, static_cast<double>(std::count(result.begin(), result.end(), '1'))});
    }
    return MakeSkor(AnalyzerKind::PilihanGanda, jumButir, subjects);
}

struct ExpectedItem {
    double Korelasi;
    const char* Signifikansi;
};

void ExpectItems(const TDataKorelasiButir& korelasi, const std::vector<ExpectedItem>& expected) {
    ASSERT_EQ(korelasi.Count(), static_cast<int>(expected.size()));
    for (int i = 0; i < korelasi.Count(); ++i) {
        SCOPED_TRACE("item " + std::to_string(i + 1));
        const TitemKorelasiButir& item = korelasi.GetItem(i);
        const ExpectedItem& e = expected[static_cast<std::size_t>(i)];
        if (std::isnan(e.Korelasi)) {
            EXPECT_TRUE(std::isnan(item.Korelasi)) << item.Korelasi;
        } else {
            EXPECT_NEAR(item.Korelasi, e.Korelasi, 1e-12 * std::fabs(e.Korelasi));
        }
        EXPECT_EQ(item.Signifikansi, e.Signifikansi);
    }
}

TEST(DataKorelasiButirTest, WorkedExampleGivesPointBiserialCoefficient) {
    // Test scores 10, 8, 6, 4, 2; only the first two subjects answered item 1 right. 30/sqrt(1200).
    TDataSkor skor = MakeSkor(AnalyzerKind::PilihanGanda, 1,
                              {{"1", 10}, {"1", 8}, {"-", 6}, {"*", 4}, {"-", 2}});
    TDataKorelasiButir korelasi(skor);
    korelasi.Compute();
    ExpectItems(korelasi, {{0.8660254037844386, "Sangat Signifikan"}});
}

TEST(DataKorelasiButirTest, UndefinedCoefficientsAreNanAndOtherItemsStillComputed) {
    // Item 1 right for everyone and item 2 right for no one; the short third result leaves
    // item 4 not right for subject 3.
    TDataSkor skor = MakeRightWrongSkor(4, {"1-11", "1---", "1-1"});
    TDataKorelasiButir korelasi(skor);
    korelasi.Compute();
    // Item 3: x = (1,0,1), y = (3,1,2): r = sqrt(3)/2. Item 4: x = (1,0,0): r = sqrt(3)/2 too.
    ExpectItems(korelasi, {{NaN, "NAN"},
                           {NaN, "NAN"},
                           {0.8660254037844386, "Sangat Signifikan"},
                           {0.8660254037844386, "Sangat Signifikan"}});
}

TEST(DataKorelasiButirTest, SameTestScoreForEverySubjectMakesEveryItemNan) {
    TDataSkor skor = MakeRightWrongSkor(3, {"11-", "1-1", "-11"});
    TDataKorelasiButir korelasi(skor);
    korelasi.Compute();
    ExpectItems(korelasi, {{NaN, "NAN"}, {NaN, "NAN"}, {NaN, "NAN"}});
}

TEST(DataKorelasiButirTest, NoSubjectsGivesNanForEveryItem) {
    TDataSkor skor = MakeRightWrongSkor(2, {});
    TDataKorelasiButir korelasi(skor);
    korelasi.Compute();
    ExpectItems(korelasi, {{NaN, "NAN"}, {NaN, "NAN"}});
}

TEST(DataKorelasiButirTest, ThirteenSubjectsAreJudgedAgainstTheRowOfFifteen) {
    // Item 1 correlates at 0.5562: "-" against row 10 and "Sangat Signifikan" against row 20,
    // "Signifikan" only against row 15. Reference values from exact rational arithmetic.
    TDataSkor skor = MakeRightWrongSkor(4, {"*111", "11*1", "1-*1", "111-", "11*1", "1*-1", "-**1",
                                            "-1*1", "*1**", "-11*", "11-1", "1-1-", "1*11"});
    TDataKorelasiButir korelasi(skor);
    korelasi.Compute();
    ExpectItems(korelasi, {{0.55621488653217466, "Signifikan"},
                           {0.33709993123162107, "-"},
                           {0.32024493467004, "-"},
                           {0.28426762180748061, "-"}});
}

TEST(DataKorelasiButirTest, EssayItemScoresCorrelateWithTheTestScore) {
    // "*" and the missing fourth piece of "0,1,1" count as 0 for the item but the subject stays
    // in N, in the test score sums and in the degrees of freedom (df 4, row 10).
    TDataSkor skor = MakeSkor(AnalyzerKind::Uraian, 4,
                              {{"3,*,4,2.5", 9.5},
                               {"1.5,2,*,0", 3.5},
                               {"4,4,2,2.5", 12.5},
                               {"0,1,1", 2},
                               {"*,*,*,*", 0},
                               {"2,3.5,3,1", 9.5}});
    TDataKorelasiButir korelasi(skor);
    korelasi.Compute();
    ExpectItems(korelasi, {{0.94786108649896617, "Sangat Signifikan"},
                           {0.63817373028222235, "Signifikan"},
                           {0.78027459135692934, "Sangat Signifikan"},
                           {0.89874560261007563, "Sangat Signifikan"}});
}

// Whole scores are summed exactly in integers until a fraction turns up; the coefficients must be
// those of extended-precision sums over every subject, to the last bit.
TEST(DataKorelasiButirTest, EssaySumsEqualExtendedPrecisionSumsWhateverTheScores) {
    struct Case {
        const char* Name;
        // Where a row with a fraction stands, or -1 for none.
        int FractionRow;
        bool FractionalTestScores;
        double TestScoreScale;
    };
    const Case cases[] = {
        {"WholeScores", -1, false, 1},
        {"FractionHalfWay", 150, false, 1},
        {"FractionInTheFirstRow", 0, false, 1},
        {"FractionalTestScores", -1, true, 1},
        // Test scores so large that integer sums could overflow.
        {"HugeTestScores", -1, false, 1e12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        std::vector<Subject> subjects;
        for (int s = 0; s < 300; ++s) {
            std::string row;
            double total = 0;
            for (int i = 0; i < 4; ++i) {
                const int score = (s * 13 + i * 7 + s / 5) % 11;
                row += (i > 0 ? "," : "") + std::to_string(score);
                total += score;
            }
            if (s == c.FractionRow) {
                // The test score stays whole, so that the item score alone has a fraction.
                row += ".25";
            }
            total = c.FractionalTestScores ? total + 0.1 : total * c.TestScoreScale;
            subjects.push_back({row, total});
        }
        TDataSkor skor = MakeSkor(AnalyzerKind::Uraian, 4, subjects);
        TDataKorelasiButir korelasi(skor);
        korelasi.Clear();
        korelasi.Compute();

        for (std::size_t i = 0; i < 4; ++i) {
            PearsonSums sums;
            sums.N = static_cast<long double>(subjects.size());
            bool xVaries = false;
            bool yVaries = false;
            for (int s = 0; s < skor.Count(); ++s) {
                const long double x = ItemScores(skor, s, '.')[i];
                const long double y = skor.GetItem(s).SkorAkhir;
                sums.X += x;
                sums.XX += x * x;
                sums.XY += x * y;
                sums.Y += y;
                sums.YY += y * y;
                xVaries = xVaries || ItemScores(skor, s, '.')[i] != ItemScores(skor, 0, '.')[i];
                yVaries = yVaries || skor.GetItem(s).SkorAkhir != skor.GetItem(0).SkorAkhir;
            }
            const double expected = PearsonFromSums(sums, xVaries && yVaries);
            EXPECT_EQ(korelasi.GetItem(static_cast<int>(i)).Korelasi, expected) << i;
        }
    }
}

TEST(DataKorelasiButirTest, EssayConstantFractionalScoresHaveNoCorrelation) {
    // Fifteen scores of 0.1 leave a small positive rounding residue in the sums; a score with no
    // spread still has no correlation, rather than some arbitrary one.
    std::vector<Subject> itemConstant;
    std::vector<Subject> totalConstant;
    for (int i = 0; i < 15; ++i) {
        itemConstant.push_back({"0.1," + std::to_string(i), 0.1 + i});
        totalConstant.push_back({i % 2 == 0 ? "0.1,0" : "0,0.1", 0.1});
    }
    TDataSkor sameItem = MakeSkor(AnalyzerKind::Uraian, 2, itemConstant);
    TDataKorelasiButir korelasi(sameItem);
    korelasi.Compute();
    ExpectItems(korelasi, {{NaN, "NAN"}, {1, "Sangat Signifikan"}});

    TDataSkor sameTotal = MakeSkor(AnalyzerKind::Uraian, 2, totalConstant);
    TDataKorelasiButir korelasiSameTotal(sameTotal);
    korelasiSameTotal.Compute();
    ExpectItems(korelasiSameTotal, {{NaN, "NAN"}, {NaN, "NAN"}});
}

TEST(DataKorelasiButirTest, EssayScoreThatIsNoNumberStopsCompute) {
    TDataSkor skor = MakeSkor(AnalyzerKind::Uraian, 2, {{"1,2", 3}, {",2", 2}});
    TDataKorelasiButir korelasi(skor);
    try {
        korelasi.Compute();
        FAIL() << "no error";
    } catch (const TaviroError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Skor subyek dg nomor urut 2, butir ke-1 bukan bilangan: \"\"");
    }
    EXPECT_EQ(korelasi.Count(), 0);
    EXPECT_TRUE(korelasi.NeedRecalc);
}

TEST(DataKorelasiButirTest, NoButirAsliIsTheItemLabelAsInteger) {
    TDataSkor skor = MakeRightWrongSkor(3, {"1-1", "-11", "11-"});
    skor.NoButir = {"7", " 12", "-3"};
    TDataKorelasiButir korelasi(skor);
    korelasi.Compute();
    ASSERT_EQ(korelasi.Count(), 3);
    EXPECT_EQ(korelasi.GetItem(0).NoButirAsli, 7);
    EXPECT_EQ(korelasi.GetItem(1).NoButirAsli, 12);
    EXPECT_EQ(korelasi.GetItem(2).NoButirAsli, -3);
}

TEST(DataKorelasiButirTest, ItemLabelThatIsNoIntegerStopsCompute) {
    TDataSkor skor = MakeRightWrongSkor(2, {"1-", "-1"});
    skor.NoButir = {"1", "2a"};
    TDataKorelasiButir korelasi(skor);
    try {
        korelasi.Compute();
        FAIL() << "no error";
    } catch (const TaviroError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "No butir asli butir ke-2 (\"2a\") bukan bilangan bulat; dokumen ini mungkin "
                  "rusak");
    }
    EXPECT_EQ(korelasi.Count(), 0);
}

TEST(DataKorelasiButirTest, FlagsFollowClearAndCompute) {
    TDataSkor skor = MakeRightWrongSkor(2, {"1-", "11", "--"});
    TDataKorelasiButir korelasi(skor);
    EXPECT_EQ(korelasi.Priority, 0);
    EXPECT_TRUE(korelasi.NeedRecalc);
    EXPECT_TRUE(korelasi.NeedRefresh);

    korelasi.Compute();
    EXPECT_FALSE(korelasi.NeedRecalc);
    EXPECT_TRUE(korelasi.NeedRefresh);
    korelasi.Compute();
    EXPECT_EQ(korelasi.Count(), 2) << "a second Compute does not append";

    korelasi.NeedRefresh = false;
    korelasi.Clear();
    EXPECT_TRUE(korelasi.NeedRecalc);
    EXPECT_TRUE(korelasi.NeedRefresh);
    EXPECT_EQ(korelasi.Count(), 0);
    EXPECT_EQ(korelasi.BatasSig.back().Df, 150) << "Clear keeps the table";
}

TEST(DataKorelasiButirTest, BatasSigHoldsTheCriticalValues) {
    struct Row {
        int Df;
        double P05;
        double P01;
    };
    const std::vector<Row> rows = {{10, 0.576, 0.708},  {15, 0.482, 0.606}, {20, 0.423, 0.549},
                                   {25, 0.381, 0.496},  {30, 0.349, 0.449}, {40, 0.304, 0.393},
                                   {50, 0.273, 0.354},  {60, 0.250, 0.325}, {70, 0.233, 0.302},
                                   {80, 0.217, 0.283},  {90, 0.205, 0.267}, {100, 0.195, 0.254},
                                   {125, 0.174, 0.228}, {150, 0.159, 0.208}};
    TDataSkor skor(AnalyzerKind::PilihanGanda);
    const TDataKorelasiButir korelasi(skor);
    ASSERT_EQ(korelasi.BatasSig.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE("row " + std::to_string(i));
        EXPECT_EQ(korelasi.BatasSig[i].Df, rows[i].Df);
        EXPECT_EQ(korelasi.BatasSig[i].BatasP05, rows[i].P05);
        EXPECT_EQ(korelasi.BatasSig[i].BatasP01, rows[i].P01);
    }
}

TEST(DataKorelasiButirTest, RowForDfTakesTheFirstRowAtLeastAsLargeAndTheLastBeyond) {
    const struct {
        int Df;
        int RowDf;
    } cases[] = {{-2, 10}, {0, 10},    {3, 10},    {10, 10},   {11, 15},   {15, 15},      {16, 20},
                 {31, 40}, {125, 125}, {126, 150}, {150, 150}, {151, 150}, {1000000, 150}};
    TDataSkor skor(AnalyzerKind::PilihanGanda);
    const TDataKorelasiButir korelasi(skor);
    for (const auto& c : cases) {
        EXPECT_EQ(korelasi.RowForDf(c.Df).Df, c.RowDf) << "df " << c.Df;
    }
}

struct SignificanceCase {
    double Korelasi;
    int Subjects;
    const char* Expected;
};

class SignificanceCases : public ::testing::TestWithParam<SignificanceCase> {};

TEST_P(SignificanceCases, ComparesWithTheRowOfTheDegreesOfFreedom) {
    const SignificanceCase& c = GetParam();
    TDataSkor skor(AnalyzerKind::PilihanGanda);
    const TDataKorelasiButir korelasi(skor);
    EXPECT_EQ(korelasi.SignificanceOf(c.Korelasi, c.Subjects), c.Expected)
        << "r " << c.Korelasi << ", N " << c.Subjects;
}

INSTANTIATE_TEST_SUITE_P(
    DataKorelasiButirTest, SignificanceCases,
    ::testing::Values(
        // df 30: the critical values themselves count as reached.
        SignificanceCase{0.449, 32, "Sangat Signifikan"}, SignificanceCase{0.448, 32, "Signifikan"},
        SignificanceCase{0.349, 32, "Signifikan"}, SignificanceCase{0.348, 32, "-"},
        // df 10 and df 3 share row 10.
        SignificanceCase{0.6, 12, "Signifikan"}, SignificanceCase{0.75, 12, "Sangat Signifikan"},
        SignificanceCase{0.6, 5, "Signifikan"}, SignificanceCase{0.75, 5, "Sangat Signifikan"},
        SignificanceCase{0.575, 5, "-"},
        // df 11 uses row 15.
        SignificanceCase{0.482, 13, "Signifikan"}, SignificanceCase{0.481, 13, "-"},
        SignificanceCase{0.606, 13, "Sangat Signifikan"}, SignificanceCase{0.605, 13, "Signifikan"},
        // df 125 uses row 125, df 126 row 150.
        SignificanceCase{0.22, 127, "Signifikan"}, SignificanceCase{0.22, 128, "Sangat Signifikan"},
        // Beyond the table: row 150.
        SignificanceCase{0.16, 500, "Signifikan"}, SignificanceCase{0.21, 500, "Sangat Signifikan"},
        SignificanceCase{0.158, 500, "-"},
        // A negative coefficient never reaches a critical value, however large.
        SignificanceCase{-0.99, 32, "-"}, SignificanceCase{-1, 500, "-"},
        SignificanceCase{NaN, 32, "NAN"}));

} // namespace
} // namespace taviro
