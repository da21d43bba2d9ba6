#include "core/analysis/data_kesukaran_uraian.h"

#include "core/analysis/data_unggul_asor.h"
#include "core/analysis/essay_groups.h"
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

struct LevelCase {
    const char* Name;
    std::string Kunci;
    GroupedRows Rows;
    double JumSkorUn;
    double JumSkorAs;
    double TingkatKesukaran;
    const char* Tafsiran;
};

// Failures name the case instead of dumping its bytes.
void PrintTo(const LevelCase& c, std::ostream* os) {
    *os << c.Name;
}

// Groups of three and an ideal score of 5 unless stated: at most 30 points together.
const LevelCase LevelCases[] = {
    {"WorkedExample", "5", {{"4", "5", "3"}, ExtremeMiddle, {"1", "2", "3"}}, 12, 6, 60, "Sedang"},
    {"EveryoneFullScore",
     "5",
     {{"5", "5", "5"}, ExtremeMiddle, {"5", "5", "5"}},
     15,
     15,
     100,
     "Sangat Mudah"},
    {"ZerosAndBlanks",
     "5",
     {{"0", "*", "0"}, ExtremeMiddle, {"*", "", "0"}},
     0,
     0,
     0,
     "Sangat Sukar"},
    {"NineOfThirty", "5", {{"3", "3", "3"}, ExtremeMiddle, {"0", "0", "0"}}, 9, 0, 30, "Sukar"},
    {"TenOfThirty",
     "5",
     {{"4", "3", "3"}, ExtremeMiddle, {"0", "0", "0"}},
     10,
     0,
     33.333333333333336,
     "Sedang"},
    {"FifteenIsVeryHard",
     "5",
     {{"1.5", "1.5", "1.5"}, ExtremeMiddle, {"0", "0", "0"}},
     4.5,
     0,
     15,
     "Sangat Sukar"},
    {"AboveFifteenIsHard",
     "5",
     {{"1.6", "1.5", "1.5"}, ExtremeMiddle, {"0", "0", "0"}},
     4.6,
     0,
     15.333333333333334,
     "Sukar"},
    {"AboveThirtyIsMedium",
     "5",
     {{"3.1", "3", "3"}, ExtremeMiddle, {"0", "0", "0"}},
     9.1,
     0,
     30.333333333333332,
     "Sedang"},
    {"SeventyIsMedium",
     "5",
     {{"5", "5", "5"}, ExtremeMiddle, {"2", "2", "2"}},
     15,
     6,
     70,
     "Sedang"},
    {"AboveSeventyIsEasy",
     "5",
     {{"5", "5", "5"}, ExtremeMiddle, {"2.1", "2", "2"}},
     15,
     6.1,
     70.33333333333333,
     "Mudah"},
    {"EightyFiveIsEasy",
     "5",
     {{"5", "5", "5"}, ExtremeMiddle, {"3.5", "3.5", "3.5"}},
     15,
     10.5,
     85,
     "Mudah"},
    {"AboveEightyFiveIsVeryEasy",
     "5",
     {{"5", "5", "5"}, ExtremeMiddle, {"3.6", "3.5", "3.5"}},
     15,
     10.6,
     85.33333333333333,
     "Sangat Mudah"},
    // 0.2 + 0.4 + 0.3 is 0.9 only up to rounding, which lands a hair above 15 %; the band must
    // not depend on that.
    {"DecimalScoresExactlyOnABound",
     "1",
     {{"0.2", "0.4", "0.3"}, {"1", "1", "1", "1"}, {"0", "0", "0"}},
     0.9,
     0,
     15,
     "Sangat Sukar"},
    {"GroupsOfOne", "4", {{"3"}, {"4", "4"}, {"0.5"}}, 3, 0.5, 43.75, "Sedang"},
};

class KesukaranUraianLevel : public testing::TestWithParam<LevelCase> {};

TEST_P(KesukaranUraianLevel, MatchesReferenceValue) {
    const LevelCase& c = GetParam();
    TDataSkor skor(AnalyzerKind::Uraian);
    test::FillGroupedScores(skor, 1, c.Kunci, c.Rows);
    // The highest scores received are not the ideal scores: the level must not read them.
    skor.MaxSkor = {1.0};
    TDataKesukaranUraian kesukaran(skor);
    kesukaran.Clear();
    kesukaran.Compute();

    ASSERT_EQ(kesukaran.Count(), 1);
    const TItemKesukaranUraian& item = kesukaran.GetItem(0);
    EXPECT_EQ(item.NoButirAsli, 1);
    ExpectNear(item.JumSkorUn, c.JumSkorUn);
    ExpectNear(item.JumSkorAs, c.JumSkorAs);
    ExpectNear(item.TingkatKesukaran, c.TingkatKesukaran);
    EXPECT_EQ(item.Tafsiran, c.Tafsiran);
    EXPECT_FALSE(kesukaran.NeedRecalc);
}

INSTANTIATE_TEST_SUITE_P(Cases, KesukaranUraianLevel, testing::ValuesIn(LevelCases),
                         [](const auto& caseInfo) { return std::string(caseInfo.param.Name); });

struct ErrorCase {
    const char* Name;
    int JumButir;
    std::string Kunci;
    GroupedRows Rows;
    std::vector<std::string> Labels;
    std::string Message;
};

// Failures name the case instead of dumping its bytes.
void PrintTo(const ErrorCase& c, std::ostream* os) {
    *os << c.Name;
}

const char* const EmptyGroupMessage =
    "Maaf, tingkat kesukaran tidak bisa dihitung karena jumlah subyek kelompok = 0";

const ErrorCase ErrorCases[] = {
    {"NoSubjects", 1, "5", {{}, {}, {}}, {}, EmptyGroupMessage},
    {"OneSubject", 1, "5", {{}, {"3"}, {}}, {}, EmptyGroupMessage},
    {"ZeroIdealScore",
     2,
     "5,0",
     {{"4,0", "5,0", "3,0"}, {"4,0", "4,0", "4,0", "4,0"}, {"1,0", "2,*", "3,0"}},
     {"7", "12"},
     "Tingkat kesukaran butir ke-2 (no. butir asli 12) tidak bisa dihitung karena skor idealnya "
     "= 0"},
    {"MissingIdealScore",
     2,
     "5",
     {{"4,1", "5,2", "3,3"}, {"4,0", "4,0", "4,0", "4,0"}, {"1,2", "2,1", "3,3"}},
     {},
     "Skor ideal butir ke-2 belum diisi"},
    {"ScoreThatIsNotANumber",
     2,
     "5,5",
     {{"4,1", "5,2", "3,3"}, {"4,0", "4,0", "4,0", "4,0"}, {"1,2", "2,1", "3,3x"}},
     {},
     "Skor subyek dg nomor urut 1, butir ke-2 bukan bilangan: \"3x\""},
    {"ItemLabelThatIsNotAnInteger",
     1,
     "5",
     {{"4", "5", "3"}, ExtremeMiddle, {"1", "2", "3"}},
     {""},
     "No butir asli butir ke-1 (\"\") bukan bilangan bulat; dokumen ini mungkin rusak"},
};

class KesukaranUraianErrors : public testing::TestWithParam<ErrorCase> {};

TEST_P(KesukaranUraianErrors, ThrowsMessageAndLeavesNoResults) {
    const ErrorCase& c = GetParam();
    TDataSkor skor(AnalyzerKind::Uraian);
    test::FillGroupedScores(skor, c.JumButir, c.Kunci, c.Rows, c.Labels);
    TDataKesukaranUraian kesukaran(skor);
    try {
        kesukaran.Compute();
        FAIL() << "no error";
    } catch (const TaviroError& error) {
        EXPECT_EQ(std::string(error.what()), c.Message);
    }
    EXPECT_TRUE(kesukaran.NeedRecalc);
    EXPECT_EQ(kesukaran.Count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, KesukaranUraianErrors, testing::ValuesIn(ErrorCases),
                         [](const auto& caseInfo) { return std::string(caseInfo.param.Name); });

// A short row leaves its missing items blank, and a group that left an item blank altogether
// gives a level of 0 rather than an error: no mean is taken here.
TEST(KesukaranUraian, MissingPiecesAndBlankGroupsCountAsNothing) {
    TDataSkor skor(AnalyzerKind::Uraian);
    test::FillGroupedScores(
        skor, 3, "5,10,2",
        {{"4,10", "5", ""}, {"5,10,2", "5,10,2", "5,10,2", "5,10,2"}, {"1", "2", "3,*"}},
        {"3", "6", "9"});
    TDataKesukaranUraian kesukaran(skor);
    kesukaran.Compute();

    ASSERT_EQ(kesukaran.Count(), 3);
    const TItemKesukaranUraian& second = kesukaran.GetItem(1);
    EXPECT_EQ(second.NoButirAsli, 6);
    ExpectNear(second.JumSkorUn, 10);
    ExpectNear(second.JumSkorAs, 0);
    ExpectNear(second.TingkatKesukaran, 10 * 100.0 / 60);
    EXPECT_EQ(second.Tafsiran, "Sukar");
    const TItemKesukaranUraian& third = kesukaran.GetItem(2);
    EXPECT_EQ(third.NoButirAsli, 9);
    ExpectNear(third.TingkatKesukaran, 0);
    EXPECT_EQ(third.Tafsiran, "Sangat Sukar");
}

TEST(KesukaranUraian, SumsEqualThoseOfTheGroupStatistics) {
    TDataSkor skor(AnalyzerKind::Uraian);
    test::FillGroupedScores(
        skor, 2, "5,10",
        {{"4,9.5", "5,7", "*,10"}, {"5,0", "0,10", "5,0", "0,10"}, {"1,2", "2,0.5", "3,4"}});
    TDataKesukaranUraian kesukaran(skor);
    kesukaran.Compute();
    TDataUnggulAsor groups(skor);
    groups.Compute();

    for (int i = 0; i < 2; ++i) {
        EXPECT_DOUBLE_EQ(kesukaran.GetItem(i).JumSkorUn, groups.GetItem(i).JumSkorUn);
        EXPECT_DOUBLE_EQ(kesukaran.GetItem(i).JumSkorAs, groups.GetItem(i).JumSkorAs);
    }
    ExpectNear(kesukaran.GetItem(1).TingkatKesukaran, (26.5 + 6.5) * 100 / 60);
}

} // namespace
} // namespace taviro
