#include "core/analysis/data_unggul_asor.h"

#include "core/analysis/essay_groups.h"
#include "core/analysis/item_scores.h"
#include "core/taviro_error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

namespace taviro {
namespace {

using test::ExpectNear;
using test::GroupedRows;

struct StatisticsCase {
    const char* Name;
    int JumButir;
    GroupedRows Rows;
    int Item;
    TItemUnggulAsor Expected;
};

// Failures name the case instead of dumping its bytes.
void PrintTo(const StatisticsCase& c, std::ostream* os) {
    *os << c.Name;
}

// Reference values worked out independently (sample standard deviation; a single score is its
// own mean and standard deviation; the standard error divides by the group size n).
const StatisticsCase StatisticsCases[] = {
    {"UpperFourFiveThreeLowerOneTwoThree",
     1,
     {{"4", "5", "3"}, {"0", "5", "*", "5", "0"}, {"1", "2", "3"}},
     0,
     {1, 4, 2, 1, 1, 0.816496580927726, 12, 6, 2.449489742783178}},
    {"BlankUpperScoreLeftOutButStandardErrorStillDividesByGroupSize",
     1,
     {{"4", "5", "*"}, {"0", "5", "*", "5", "0"}, {"1", "2", "3"}},
     0,
     {1, 4.5, 2, 0.7071067811865476, 1, 0.7071067811865476, 9, 6, 3.5355339059327373}},
    {"SingleUpperScoreIsItsOwnMeanAndStandardDeviation",
     1,
     {{"*", "4", "*"}, {"5", "5", "5", "5"}, {"1", "2", "3"}},
     0,
     {1, 4, 2, 4, 1, 2.3804761428476167, 4, 6, 0.8401680504168059}},
    {"DecimalScoresFirstItem",
     2,
     {{"2.5,3", "4"}, {"1,1", "0,0"}, {"1,1.5", "0.5,0.5"}},
     0,
     {1, 3.25, 0.75, 1.0606601717798212, 0.3535533905932738, 0.7905694150420948, 6.5, 1.5,
      3.1622776601683795}},
    {"PieceMissingFromShortRowCountsAsBlank",
     2,
     {{"2.5,3", "4"}, {"1,1", "0,0"}, {"1,1.5", "0.5,0.5"}},
     1,
     {2, 3, 1, 3, 0.7071067811865476, 2.179449471770337, 3, 2, 0.917662935482247}},
    {"EmptyRowIsAllBlank",
     2,
     {{"2.5,3", "4", ""}, {"5,5", "5,5", "5,5", "5,5"}, {"1,1.5", "0.5,0.5", "*,*"}},
     1,
     {2, 3, 1, 3, 0.7071067811865476, 1.7795130420052185, 3, 2, 1.1239029738980328}},
};

class UnggulAsorStatistics : public testing::TestWithParam<StatisticsCase> {};

TEST_P(UnggulAsorStatistics, MatchesReferenceValues) {
    const StatisticsCase& c = GetParam();
    TDataSkor skor(AnalyzerKind::Uraian);
    test::FillGroupedScores(skor, c.JumButir, "", c.Rows);
    TDataUnggulAsor groups(skor);
    groups.Clear();
    groups.Compute();

    ASSERT_EQ(groups.Count(), c.JumButir);
    EXPECT_EQ(groups.JumKel, static_cast<int>(c.Rows.Upper.size()));
    const TItemUnggulAsor& item = groups.GetItem(c.Item);
    const TItemUnggulAsor& e = c.Expected;
    EXPECT_EQ(item.NoButirAsli, e.NoButirAsli);
    ExpectNear(item.Rata2Un, e.Rata2Un);
    ExpectNear(item.Rata2As, e.Rata2As);
    ExpectNear(item.SBUn, e.SBUn);
    ExpectNear(item.SBAs, e.SBAs);
    ExpectNear(item.SBGab, e.SBGab);
    ExpectNear(item.JumSkorUn, e.JumSkorUn);
    ExpectNear(item.JumSkorAs, e.JumSkorAs);
    ExpectNear(item.NilaiT, e.NilaiT);
}

INSTANTIATE_TEST_SUITE_P(Cases, UnggulAsorStatistics, testing::ValuesIn(StatisticsCases),
                         [](const auto& caseInfo) { return std::string(caseInfo.param.Name); });

// A large test read in pieces: groups of hundreds of members, and enough items that only a few
// members' scores are gathered at a time. Every statistic must be what one pass over all of a
// group's scores, kept in member order, gives to the last bit.
TEST(UnggulAsor, LargeGroupsGiveTheStatisticsOfAllTheirScores) {
    for (const int jumButir : {3, 300}) {
        SCOPED_TRACE(jumButir);
        TDataSkor skor(AnalyzerKind::Uraian);
        skor.JumButir = jumButir;
        const int subjects = 1001;
        for (int s = 0; s < subjects; ++s) {
            TItemSkor item;
            item.UrutanAwal = s;
            item.SkorAkhir = (s * 7919) % subjects;
            for (int i = 0; i < jumButir; ++i) {
                const int code = (s * 31 + i * 17) % 23;
                item.SkorButir += i > 0 ? "," : "";
                // Blanks, whole and decimal scores, and a short row now and then.
                if (code == 0) {
                    item.SkorButir += "*";
                } else if (code % 3 == 0) {
                    item.SkorButir += std::to_string(code / 3) + "." + std::to_string(code % 10);
                } else {
                    item.SkorButir += std::to_string(code % 11);
                }
            }
            if (s % 97 == 0) {
                item.SkorButir = item.SkorButir.substr(0, item.SkorButir.size() / 2);
            }
            skor.Add(item);
        }
        TDataUnggulAsor groups(skor);
        groups.Clear();
        groups.Compute();
        const int n = groups.JumKel;
        ASSERT_EQ(n, 270);

        // The reference: each group's scores kept item by item, then the rule of the test score.
        const auto reference = [&](int first, int item, double& sum, double& mean, double& sd) {
            std::vector<double> scores;
            for (int member = first; member < first + n; ++member) {
                const auto row = EssayItemScores(skor, member, '.');
                if (row[static_cast<std::size_t>(item)]) {
                    scores.push_back(*row[static_cast<std::size_t>(item)]);
                }
            }
            sum = 0;
            long double extended = 0;
            for (const double v : scores) {
                sum += v;
                extended += v;
            }
            if (scores.size() == 1) {
                mean = sd = scores.front();
                return;
            }
            const auto m = static_cast<long double>(scores.size());
            const long double average = extended / m;
            long double squares = 0;
            for (const double v : scores) {
                squares += (average - v) * (average - v);
            }
            mean = static_cast<double>(average);
            sd = static_cast<double>(std::sqrt(squares / (m - 1)));
        };
        for (int i = 0; i < jumButir; ++i) {
            const TItemUnggulAsor& item = groups.GetItem(i);
            double sum = 0;
            double mean = 0;
            double sd = 0;
            reference(0, i, sum, mean, sd);
            ASSERT_EQ(item.JumSkorUn, sum) << i;
            ASSERT_EQ(item.Rata2Un, mean) << i;
            ASSERT_EQ(item.SBUn, sd) << i;
            reference(subjects - n, i, sum, mean, sd);
            ASSERT_EQ(item.JumSkorAs, sum) << i;
            ASSERT_EQ(item.Rata2As, mean) << i;
            ASSERT_EQ(item.SBAs, sd) << i;
        }
    }
}

struct ErrorCase {
    const char* Name;
    int JumButir;
    GroupedRows Rows;
    std::vector<std::string> Labels;
    char DecimalSeparator;
    std::string Message;
};

// Failures name the case instead of dumping its bytes.
void PrintTo(const ErrorCase& c, std::ostream* os) {
    *os << c.Name;
}

const char* const EmptyGroupMessage =
    "Peringatan: Jumlah subyek kelompok unggul/asor = 0, jumlah subyek terlalu sedikit";

const ErrorCase ErrorCases[] = {
    {"NoSubjects", 1, {{}, {}, {}}, {}, '.', EmptyGroupMessage},
    {"OneSubject", 1, {{}, {"3"}, {}}, {}, '.', EmptyGroupMessage},
    {"WholeUpperGroupBlankOnAnItem",
     2,
     {{"1,*", "2,*", "3,*"}, {"4,4", "4,4", "4,4", "4,4"}, {"1,1", "2,2", "3,3"}},
     {"7", "12"},
     '.',
     "Rata-rata dan simpang baku butir ke-2 (no. butir asli 12) tidak bisa dihitung karena "
     "semua subyek kelompok unggul tidak mengisi butir ini"},
    {"WholeLowerGroupBlankThroughShortRows",
     2,
     {{"1,1", "2,2", "3,3"}, {"4,4", "4,4", "4,4", "4,4"}, {"1", "2,*", ""}},
     {"7", "12"},
     '.',
     "Rata-rata dan simpang baku butir ke-2 (no. butir asli 12) tidak bisa dihitung karena "
     "semua subyek kelompok asor tidak mengisi butir ini"},
    {"UniformGroupsGiveZeroStandardError",
     2,
     {{"1,5", "2,5", "3,5"}, {"4,4", "4,4", "4,4", "4,4"}, {"1,2", "2,2", "3,*"}},
     {"7", "12"},
     '.',
     "Nilai t butir ke-2 (no. butir asli 12) tidak bisa dihitung karena simpang baku "
     "gabungannya = 0 (simpang baku kelompok unggul dan kelompok asor sama-sama 0)"},
    {"SameScoreEverywhereGivesZeroStandardError",
     1,
     {{"5", "5", "5"}, {"5", "5", "5", "5"}, {"5", "5", "5"}},
     {},
     '.',
     "Nilai t butir ke-1 (no. butir asli 1) tidak bisa dihitung karena simpang baku "
     "gabungannya = 0 (simpang baku kelompok unggul dan kelompok asor sama-sama 0)"},
    {"SingleZeroScoresGiveZeroStandardError",
     1,
     {{"0"}, {"3"}, {"0"}},
     {},
     '.',
     "Nilai t butir ke-1 (no. butir asli 1) tidak bisa dihitung karena simpang baku "
     "gabungannya = 0 (simpang baku kelompok unggul dan kelompok asor sama-sama 0)"},
    // Raw order is the reverse of score order: the third of six subjects in score order stands
    // fourth in the raw data.
    {"ScoreThatIsNotANumber",
     2,
     {{"1,1", "2,2", "x,3"}, {"4,4", "4,4", "4,4", "4,4"}, {"1,1", "2,2", "3,3"}},
     {},
     '.',
     "Skor subyek dg nomor urut 8, butir ke-1 bukan bilangan: \"x\""},
    {"NotANumberUnderEitherDecimalSeparator",
     1,
     {{"1", "2;5", "3"}, {"4", "4", "4", "4"}, {"1", "2", "3"}},
     {},
     ',',
     "Skor subyek dg nomor urut 9, butir ke-1 bukan bilangan: \"2;5\""},
    {"ItemLabelThatIsNotAnInteger",
     2,
     {{"1,1", "2,2", "3,3"}, {"4,4", "4,4", "4,4", "4,4"}, {"1,1", "2,2", "3,3"}},
     {"7", "7a"},
     '.',
     "No butir asli butir ke-2 (\"7a\") bukan bilangan bulat; dokumen ini mungkin rusak"},
};

class UnggulAsorErrors : public testing::TestWithParam<ErrorCase> {};

TEST_P(UnggulAsorErrors, ThrowsMessageAndLeavesNoResults) {
    const ErrorCase& c = GetParam();
    TDataSkor skor(AnalyzerKind::Uraian);
    test::FillGroupedScores(skor, c.JumButir, "", c.Rows, c.Labels);
    TDataUnggulAsor groups(skor);
    groups.Clear();
    try {
        groups.Compute(c.DecimalSeparator);
        FAIL() << "no error";
    } catch (const TaviroError& error) {
        EXPECT_EQ(std::string(error.what()), c.Message);
    }
    EXPECT_TRUE(groups.NeedRecalc);
    EXPECT_EQ(groups.Count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, UnggulAsorErrors, testing::ValuesIn(ErrorCases),
                         [](const auto& caseInfo) { return std::string(caseInfo.param.Name); });

// A document scored under a '.' setting, analysed under a ',' one.
TEST(UnggulAsor, DecimalPointIsReadUnderACommaSeparator) {
    TDataSkor skor(AnalyzerKind::Uraian);
    test::FillGroupedScores(skor, 1, "", {{"2.5", "4"}, {"1", "0"}, {"1", "0.5"}});
    TDataUnggulAsor groups(skor);
    groups.Compute(',');
    ExpectNear(groups.GetItem(0).Rata2Un, 3.25);
    ExpectNear(groups.GetItem(0).Rata2As, 0.75);
}

TEST(UnggulAsor, ComputeSortsScoresAndFlags) {
    TDataSkor skor(AnalyzerKind::Uraian);
    test::FillGroupedScores(
        skor, 2, "", {{"1,1", "2,2", "3,3"}, {"4,4", "4,4", "4,4", "4,4"}, {"1,1", "2,2", "3,4"}},
        {"3", "9"});
    ASSERT_FALSE(skor.IsUrutkanBerdSkor);
    TDataUnggulAsor groups(skor);
    EXPECT_TRUE(groups.NeedRecalc);
    groups.Compute();

    EXPECT_TRUE(skor.IsUrutkanBerdSkor);
    EXPECT_EQ(skor.GetItem(0).SkorAkhir, 1000);
    EXPECT_FALSE(groups.NeedRecalc);
    EXPECT_TRUE(groups.NeedRefresh);
    ASSERT_EQ(groups.Count(), 2);
    EXPECT_EQ(groups.GetItem(0).NoButirAsli, 3);
    EXPECT_EQ(groups.GetItem(1).NoButirAsli, 9);

    // Computing again without Clear replaces the results instead of appending to them.
    groups.Compute();
    EXPECT_EQ(groups.Count(), 2);

    groups.NeedRefresh = false;
    groups.Clear();
    EXPECT_EQ(groups.Count(), 0);
    EXPECT_TRUE(groups.NeedRecalc);
    EXPECT_TRUE(groups.NeedRefresh);
}

} // namespace
} // namespace taviro
