#include "core/analysis/item_scores.h"

#include "core/taviro_error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace taviro {
namespace {

constexpr std::optional<double> Blank = std::nullopt;

// A score list of the given kind with one subject per row; subject i stands at raw position i.
TDataSkor MakeSkor(AnalyzerKind kind, int jumButir, const std::vector<std::string>& rows,
                   const std::vector<std::string>& labels = {}) {
    TDataSkor skor(kind);
    skor.JumButir = jumButir;
    skor.NoButir = labels;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        TItemSkor item;
        item.UrutanAwal = static_cast<int>(i);
        item.SkorButir = rows[i];
        skor.Add(item);
    }
    return skor;
}

std::string ThrownMessage(const std::function<void()>& action) {
    try {
        action();
    } catch (const TaviroError& error) {
        return error.what();
    }
    return "(nothing thrown)";
}

// A result record as the analyses keep them.
struct Labelled {
    int NoButirAsli = 0;
    std::string Note;
};

std::vector<int> LabelsOf(const std::vector<Labelled>& items) {
    std::vector<int> labels;
    for (const Labelled& item : items) {
        labels.push_back(item.NoButirAsli);
    }
    return labels;
}

TEST(NoButirAsli, LabelsBecomeIntegersAndMissingOnesCountOn) {
    // Five items but three labels, as in a damaged or an old document.
    const TDataSkor skor = MakeSkor(AnalyzerKind::PilihanGanda, 5, {}, {"7", " 12 ", "-3"});
    const std::vector<int> expected = {7, 12, -3, 4, 5};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(NoButirAsli(skor, i), expected[static_cast<std::size_t>(i)]) << "item " << i;
    }

    // Appended after what the list holds, each a copy of the blank record.
    std::vector<Labelled> items = {{99, "before"}};
    AddLabelledItems(skor, items, Labelled{0, "blank"});
    ASSERT_EQ(items.size(), 6U);
    EXPECT_EQ(items.front().Note, "before");
    EXPECT_EQ(items.back().Note, "blank");
    EXPECT_EQ(LabelsOf(items), (std::vector<int>{99, 7, 12, -3, 4, 5}));
}

TEST(NoButirAsli, NoItemsGiveNoRecords) {
    for (const int jumButir : {0, -2}) {
        const TDataSkor skor = MakeSkor(AnalyzerKind::PilihanGanda, jumButir, {}, {"1"});
        EXPECT_EQ(ItemCount(skor), 0U) << jumButir;
        std::vector<Labelled> items;
        AddLabelledItems(skor, items);
        EXPECT_TRUE(items.empty()) << jumButir;
    }
}

struct WrongLabelCase {
    const char* Name;
    std::string Label;
    std::string Shown;
};

void PrintTo(const WrongLabelCase& c, std::ostream* os) {
    *os << c.Name;
}

class NoButirAsliWrongLabel : public testing::TestWithParam<WrongLabelCase> {};

TEST_P(NoButirAsliWrongLabel, NamesTheItemAndTheLabel) {
    const WrongLabelCase& c = GetParam();
    const TDataSkor skor = MakeSkor(AnalyzerKind::Uraian, 3, {}, {"1", "2", c.Label});
    const std::string expected = "No butir asli butir ke-3 (\"" + c.Shown +
                                 "\") bukan bilangan bulat; dokumen ini mungkin rusak";
    EXPECT_EQ(ThrownMessage([&] { NoButirAsli(skor, 2); }), expected);
    // The records of the items before it stay.
    std::vector<Labelled> items;
    EXPECT_EQ(ThrownMessage([&] { AddLabelledItems(skor, items); }), expected);
    EXPECT_EQ(LabelsOf(items), (std::vector<int>{1, 2}));
}

INSTANTIATE_TEST_SUITE_P(Cases, NoButirAsliWrongLabel,
                         testing::Values(WrongLabelCase{"Letters", "x", "x"},
                                         WrongLabelCase{"Empty", "", ""},
                                         WrongLabelCase{"Fraction", "2.5", "2.5"},
                                         WrongLabelCase{"TrailingLetter", "7a", "7a"},
                                         WrongLabelCase{"BeyondInt", "3000000000", "3000000000"},
                                         WrongLabelCase{"LongLabelIsCut",
                                                        std::string(50, '9') + "x",
                                                        std::string(37, '9') + "..."}),
                         [](const auto& caseInfo) { return std::string(caseInfo.param.Name); });

struct PiecesCase {
    const char* Name;
    int JumButir;
    std::string SkorButir;
    char DecimalSeparator;
    std::vector<std::optional<double>> Expected;
};

void PrintTo(const PiecesCase& c, std::ostream* os) {
    *os << c.Name;
}

class EssayPieces : public testing::TestWithParam<PiecesCase> {};

TEST_P(EssayPieces, GiveOneOptionalScorePerItem) {
    const PiecesCase& c = GetParam();
    const TDataSkor skor = MakeSkor(AnalyzerKind::Uraian, c.JumButir, {c.SkorButir});
    EXPECT_EQ(EssayItemScores(skor, 0, c.DecimalSeparator), c.Expected);

    // The same scores with blanks as 0, for the analyses that add every item.
    std::vector<double> asNumbers;
    for (const std::optional<double>& score : c.Expected) {
        asNumbers.push_back(score.value_or(0.0));
    }
    EXPECT_EQ(ItemScores(skor, 0, c.DecimalSeparator), asNumbers);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EssayPieces,
    testing::Values(
        PiecesCase{"Numbers", 3, "1,2.5,0", '.', {1, 2.5, 0}},
        PiecesCase{"StarIsBlank", 3, "1,*,3", '.', {1, Blank, 3}},
        PiecesCase{"HashIsBlank", 3, "#,2,#", '.', {Blank, 2, Blank}},
        PiecesCase{"ShortStringLeavesTheRestBlank", 4, "1,2", '.', {1, 2, Blank, Blank}},
        PiecesCase{"TrailingCommaAddsNoPiece", 2, "4,", '.', {4, Blank}},
        PiecesCase{"EmptyStringIsAllBlank", 2, "", '.', {Blank, Blank}},
        // Even a piece that is no number is ignored beyond the items.
        PiecesCase{"LongStringIsCutAtTheItems", 2, "1,2,x,4", '.', {1, 2}},
        PiecesCase{"NoItems", 0, "1,2", '.', {}},
        PiecesCase{"NegativeItemCount", -1, "1,2", '.', {}},
        PiecesCase{"BlanksAroundANumber", 2, " 3 ,-1.5", '.', {3, -1.5}},
        PiecesCase{"OtherDecimalSeparator", 2, "1;5,2", ';', {1.5, 2}},
        PiecesCase{"PointUnderACommaSeparator", 3, "1.5,2,0.25", ',', {1.5, 2, 0.25}},
        PiecesCase{"BothSeparatorsUnderASemicolonOne", 2, "1;5,2.5", ';', {1.5, 2.5}},
        PiecesCase{"DecimalsThatBinaryRounds", 3, "0.1,0.3,12.345", '.', {0.1, 0.3, 12.345}},
        PiecesCase{"LeadingZeros", 2, "007,-03.50", '.', {7, -3.5}},
        // Forms that only the general reading takes.
        PiecesCase{"PointWithoutDigitsOnOneSide", 3, "2.,.5,-.5", '.', {2, 0.5, -0.5}},
        PiecesCase{"PlusAndExponent", 3, "+2,1e1,2.5E-1", '.', {2, 10, 0.25}},
        PiecesCase{"SixteenDigits", 1, "1.000000000000001", '.', {1.000000000000001}},
        PiecesCase{"LargestScore", 2, "1000000,-1000000", '.', {1e6, -1e6}},
        // A separator that is also a sign changes what a piece means: "-5" is ".5".
        PiecesCase{"SeparatorThatIsASign", 2, "-5,3", '-', {0.5, 3}}),
    [](const auto& caseInfo) { return std::string(caseInfo.param.Name); });

struct WrongPieceCase {
    const char* Name;
    std::string SkorButir;
    char DecimalSeparator;
    std::string Message;
};

void PrintTo(const WrongPieceCase& c, std::ostream* os) {
    *os << c.Name;
}

class EssayWrongPiece : public testing::TestWithParam<WrongPieceCase> {};

// The subject stands first in the list but was seventh in the raw data: the message names the
// raw position, which is what the user sees in the editor.
TEST_P(EssayWrongPiece, NamesTheRawPositionTheItemAndThePiece) {
    const WrongPieceCase& c = GetParam();
    TDataSkor skor = MakeSkor(AnalyzerKind::Uraian, 3, {c.SkorButir});
    skor.GetItem(0).UrutanAwal = 6;
    EXPECT_EQ(ThrownMessage([&] { EssayItemScores(skor, 0, c.DecimalSeparator); }), c.Message);
    EXPECT_EQ(ThrownMessage([&] { ItemScores(skor, 0, c.DecimalSeparator); }), c.Message);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EssayWrongPiece,
    testing::Values(
        WrongPieceCase{"Letters", "1,abc,2", '.',
                       "Skor subyek dg nomor urut 7, butir ke-2 bukan bilangan: \"abc\""},
        WrongPieceCase{"EmptyPieceBetweenCommas", "1,,2", '.',
                       "Skor subyek dg nomor urut 7, butir ke-2 bukan bilangan: \"\""},
        WrongPieceCase{"NumberWithTrailingLetter", "1,2,3x", '.',
                       "Skor subyek dg nomor urut 7, butir ke-3 bukan bilangan: \"3x\""},
        // Neither the given separator nor the '.' fallback reads it.
        WrongPieceCase{"SemicolonUnderACommaSeparator", "2;5", ',',
                       "Skor subyek dg nomor urut 7, butir ke-1 bukan bilangan: \"2;5\""},
        WrongPieceCase{"Infinity", "inf", '.',
                       "Skor subyek dg nomor urut 7, butir ke-1 bukan bilangan: \"inf\""},
        WrongPieceCase{"PointAlone", "1,.,2", '.',
                       "Skor subyek dg nomor urut 7, butir ke-2 bukan bilangan: \".\""},
        WrongPieceCase{"TwoPoints", "1.2.3", ',',
                       "Skor subyek dg nomor urut 7, butir ke-1 bukan bilangan: \"1.2.3\""},
        WrongPieceCase{"TooLarge", "1,1000001,2", '.',
                       "Skor subyek dg nomor urut 7, butir ke-2 terlalu besar: \"1000001\" "
                       "(paling besar 1000000)"},
        WrongPieceCase{"TooLargeNegativeDecimal", "-1000000.5", '.',
                       "Skor subyek dg nomor urut 7, butir ke-1 terlalu besar: \"-1000000.5\" "
                       "(paling besar 1000000)"},
        WrongPieceCase{"TooLargeInAnotherForm", "1,2,1e7", '.',
                       "Skor subyek dg nomor urut 7, butir ke-3 terlalu besar: \"1e7\" "
                       "(paling besar 1000000)"},
        // The first faulty piece is named, whatever comes after it.
        WrongPieceCase{"FirstFaultIsNamed", "x,1e9", '.',
                       "Skor subyek dg nomor urut 7, butir ke-1 bukan bilangan: \"x\""},
        WrongPieceCase{"LongPieceIsCut", std::string(45, '1') + "x", '.',
                       "Skor subyek dg nomor urut 7, butir ke-1 bukan bilangan: \"" +
                           std::string(37, '1') + "...\""}),
    [](const auto& caseInfo) { return std::string(caseInfo.param.Name); });

TEST(EssayItemScoresInto, OverwritesEveryEntryOfTheKeptBuffers) {
    // A full row, then rows that leave pieces blank or missing: nothing of the row before may
    // remain.
    const TDataSkor skor = MakeSkor(AnalyzerKind::Uraian, 4, {"4,3.5,2,1", "*,2", "", "-0,#,1,"});
    std::vector<double> scores;
    std::vector<unsigned char> present;
    const struct {
        std::vector<double> Scores;
        std::vector<unsigned char> Present;
    } expected[] = {
        {{4, 3.5, 2, 1}, {1, 1, 1, 1}},
        {{0, 2, 0, 0}, {0, 1, 0, 0}},
        {{0, 0, 0, 0}, {0, 0, 0, 0}},
        {{0, 0, 1, 0}, {1, 0, 1, 0}},
    };
    for (int position = 0; position < 4; ++position) {
        const auto& e = expected[position];
        EssayItemScoresInto(skor, position, '.', scores, present);
        EXPECT_EQ(scores, e.Scores) << position;
        EXPECT_EQ(present, e.Present) << position;
        std::vector<double> asNumbers;
        ItemScoresInto(skor, position, '.', asNumbers);
        EXPECT_EQ(asNumbers, e.Scores) << position;
    }
    // "-0" stays the negative zero that the general reading gives, and is a score, not a blank.
    EssayItemScoresInto(skor, 3, '.', scores, present);
    EXPECT_TRUE(std::signbit(scores[0]));
    EXPECT_TRUE(std::signbit(*EssayItemScores(skor, 3, '.')[0]));
    // A buffer longer than the items is cut to them.
    scores.assign(9, 5.0);
    present.assign(9, 1);
    EssayItemScoresInto(skor, 1, '.', scores, present);
    EXPECT_EQ(scores.size(), 4U);
    EXPECT_EQ(present.size(), 4U);
}

TEST(ItemScores, MultipleChoiceRightIsOneAndEverythingElseZero) {
    const TDataSkor skor = MakeSkor(AnalyzerKind::PilihanGanda, 5, {"1-*1", "111111", ""});
    EXPECT_EQ(ItemScores(skor, 0, '.'), (std::vector<double>{1, 0, 0, 1, 0}));
    EXPECT_EQ(ItemScores(skor, 1, '.'), (std::vector<double>{1, 1, 1, 1, 1}));
    EXPECT_EQ(ItemScores(skor, 2, '.'), (std::vector<double>{0, 0, 0, 0, 0}));
}

TEST(EssayScoreSums, AddTheScoresOfTheGivenPositionsOnly) {
    const TDataSkor skor = MakeSkor(AnalyzerKind::Uraian, 3,
                                    {"100,100,100", "1,2.5,*", "2,#", "0.5,1,3", "100,100,100"});
    EXPECT_EQ(EssayScoreSums(skor, 1, 3, '.'), (std::vector<double>{3.5, 3.5, 3}));
    EXPECT_EQ(EssayScoreSums(skor, 1, 0, '.'), (std::vector<double>{0, 0, 0}));
}

TEST(EssayIdealScores, ReadLikeItemScores) {
    TDataSkor skor = MakeSkor(AnalyzerKind::Uraian, 3, {});
    skor.Kunci = "5,2.5,10,99";
    EXPECT_EQ(EssayIdealScores(skor, '.'), (std::vector<double>{5, 2.5, 10}));
    EXPECT_EQ(EssayIdealScores(skor, ','), (std::vector<double>{5, 2.5, 10}));

    const struct {
        const char* Kunci;
        const char* Message;
    } errors[] = {
        {"5,2", "Skor ideal butir ke-3 belum diisi"},
        {"", "Skor ideal butir ke-1 belum diisi"},
        {"5,abc,1", "Skor ideal butir ke-2 bukan bilangan: \"abc\""},
        {"5,2,*", "Skor ideal butir ke-3 bukan bilangan: \"*\""},
    };
    for (const auto& e : errors) {
        skor.Kunci = e.Kunci;
        EXPECT_EQ(ThrownMessage([&] { EssayIdealScores(skor, '.'); }), e.Message) << e.Kunci;
    }
}

TEST(EssayItemName, GivesPositionAndLabel) {
    EXPECT_EQ(EssayItemName(2, 7), "butir ke-3 (no. butir asli 7)");
    EXPECT_EQ(EssayItemName(0, -1), "butir ke-1 (no. butir asli -1)");
}

} // namespace
} // namespace taviro
