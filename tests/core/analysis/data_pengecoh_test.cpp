#include "core/analysis/data_pengecoh.h"

#include "core/taviro_error.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace taviro {
namespace {

// The answers of every subject to one item, as runs of one character.
std::string Column(const std::vector<std::pair<char, int>>& runs) {
    std::string column;
    for (const auto& [answer, count] : runs) {
        column.append(static_cast<std::size_t>(count), answer);
    }
    return column;
}

// One answer string per subject from one column per item.
std::vector<std::string> AnswersFromColumns(const std::vector<std::string>& columns) {
    std::vector<std::string> answers(columns.front().size());
    for (const std::string& column : columns) {
        for (std::size_t s = 0; s < answers.size(); ++s) {
            answers[s] += column.at(s);
        }
    }
    return answers;
}

// Raw data and the score list that was scored from it; the items are labelled 1, 2, ...
struct PengecohData {
    TDataMentah Mentah{AnalyzerKind::PilihanGanda};
    TDataSkor Skor{AnalyzerKind::PilihanGanda};
    TDataPengecoh Pengecoh{Mentah, Skor};

    PengecohData(int options, std::string key, const std::vector<std::string>& answers, int items) {
        Mentah.JumPilihan = options;
        Mentah.Kunci = std::move(key);
        Mentah.JumButir = items;
        Mentah.JumSubyek = static_cast<int>(answers.size());
        for (const std::string& jwb : answers) {
            TJawaban jawaban;
            jawaban.Jwb = jwb;
            Mentah.AddJawaban(jawaban);
        }
        Skor.JumButir = items;
        for (int i = 1; i <= items; ++i) {
            Skor.NoButir.push_back(std::to_string(i));
        }
    }
    PengecohData(int options, std::string key, const std::vector<std::string>& columns)
        : PengecohData(options, std::move(key), AnswersFromColumns(columns),
                       static_cast<int>(columns.size())) {}
    // Pengecoh refers to the two members beside it.
    PengecohData(const PengecohData&) = delete;
    PengecohData& operator=(const PengecohData&) = delete;
};

struct OptionResult {
    int JumPemilih;
    double IndeksPengecoh; // NaN where there is none
    const char* Kualitas;
};

void ExpectOptions(const TitemPengecoh& item, const std::vector<OptionResult>& expected) {
    ASSERT_EQ(item.JumPemilih.size(), expected.size());
    ASSERT_EQ(item.IndeksPengecoh.size(), expected.size());
    ASSERT_EQ(item.Kualitas.size(), expected.size());
    for (std::size_t j = 0; j < expected.size(); ++j) {
        SCOPED_TRACE("option " + std::string(1, static_cast<char>('a' + j)));
        EXPECT_EQ(item.JumPemilih[j], expected[j].JumPemilih);
        if (std::isnan(expected[j].IndeksPengecoh)) {
            EXPECT_TRUE(std::isnan(item.IndeksPengecoh[j])) << item.IndeksPengecoh[j];
        } else {
            EXPECT_NEAR(item.IndeksPengecoh[j], expected[j].IndeksPengecoh,
                        1e-12 * std::max(1.0, expected[j].IndeksPengecoh));
        }
        EXPECT_EQ(item.Kualitas[j], expected[j].Kualitas);
    }
}

std::string ThrownMessage(TDataPengecoh& pengecoh) {
    try {
        pengecoh.Compute();
    } catch (const TaviroError& error) {
        return error.what();
    }
    return "(nothing thrown)";
}

const double NaN = std::numeric_limits<double>::quiet_NaN();

TEST(DataPengecoh, FortySubjectsFourOptions) {
    // Key "b", 16 right, so E = (40 - 16) / 3 = 8.
    PengecohData t(4, "b", {Column({{'b', 16}, {'a', 8}, {'c', 5}, {'*', 11}})});
    t.Pengecoh.Compute();
    ASSERT_EQ(t.Pengecoh.Count(), 1);
    const TitemPengecoh& item = t.Pengecoh.GetItem(0);
    EXPECT_EQ(item.NoButirAsli, 1);
    EXPECT_EQ(item.JumBetul, 16);
    EXPECT_EQ(item.JumBlank, 11);
    ExpectOptions(item, {{8, 100, "++"}, {16, NaN, "**"}, {5, 62.5, "+"}, {0, 0, "--"}});
}

TEST(DataPengecoh, BlankAnswersCountAmongThoseWhoMissed) {
    // 30 subjects, 5 options, 10 right and 2 blank: E = 20 / 4 = 5 on both items.
    PengecohData t(5, "aa",
                   {Column({{'a', 10}, {'*', 2}, {'b', 11}, {'c', 7}}),
                    Column({{'a', 10}, {'*', 2}, {'b', 9}, {'c', 8}, {'d', 1}})});
    t.Pengecoh.Compute();
    ASSERT_EQ(t.Pengecoh.Count(), 2);
    EXPECT_EQ(t.Pengecoh.GetItem(0).JumBlank, 2);
    ExpectOptions(t.Pengecoh.GetItem(0),
                  {{10, NaN, "**"}, {11, 220, "---"}, {7, 140, "+"}, {0, 0, "--"}, {0, 0, "--"}});
    ExpectOptions(t.Pengecoh.GetItem(1),
                  {{10, NaN, "**"}, {9, 180, "--"}, {8, 160, "-"}, {1, 20, "--"}, {0, 0, "--"}});
}

TEST(DataPengecoh, BandBoundsReachedByCounting) {
    // 20 subjects, 5 options, 4 right: E = 16 / 4 = 4, so every chooser is worth 25 %.
    PengecohData t(5, "aaa",
                   {Column({{'a', 4}, {'b', 3}, {'c', 5}, {'d', 6}, {'e', 2}}),
                    Column({{'a', 4}, {'b', 7}, {'c', 8}, {'d', 1}}),
                    Column({{'a', 4}, {'b', 9}, {'c', 4}, {'d', 3}})});
    t.Pengecoh.Compute();
    ExpectOptions(t.Pengecoh.GetItem(0),
                  {{4, NaN, "**"}, {3, 75, "+"}, {5, 125, "++"}, {6, 150, "+"}, {2, 50, "-"}});
    ExpectOptions(t.Pengecoh.GetItem(1),
                  {{4, NaN, "**"}, {7, 175, "-"}, {8, 200, "--"}, {1, 25, "--"}, {0, 0, "--"}});
    ExpectOptions(t.Pengecoh.GetItem(2),
                  {{4, NaN, "**"}, {9, 225, "---"}, {4, 100, "++"}, {3, 75, "+"}, {0, 0, "--"}});
}

TEST(DataPengecohKualitas, EachBoundBelongsToTheBandBelowIt) {
    struct Bound {
        double Value;
        const char* Below; // the mark of the bound itself and of what lies just under it
        const char* Above;
    };
    const Bound bounds[] = {{25, "--", "-"}, {50, "-", "+"},   {75, "+", "++"},   {125, "++", "+"},
                            {150, "+", "-"}, {175, "-", "--"}, {200, "--", "---"}};
    const double infinity = std::numeric_limits<double>::infinity();
    for (const Bound& b : bounds) {
        SCOPED_TRACE(b.Value);
        EXPECT_EQ(KualitasPengecoh(std::nextafter(b.Value, -infinity)), b.Below);
        EXPECT_EQ(KualitasPengecoh(b.Value), b.Below);
        EXPECT_EQ(KualitasPengecoh(std::nextafter(b.Value, infinity)), b.Above);
    }
    EXPECT_EQ(KualitasPengecoh(0), "--");
    EXPECT_EQ(KualitasPengecoh(1000), "---");
    EXPECT_EQ(KualitasPengecoh(NaN), "");
}

TEST(DataPengecoh, EverySubjectRightLeavesTheDistractorsUnrated) {
    PengecohData t(3, "b", {Column({{'b', 3}, {'B', 2}})});
    t.Pengecoh.Compute();
    EXPECT_EQ(t.Pengecoh.GetItem(0).JumBetul, 5);
    ExpectOptions(t.Pengecoh.GetItem(0), {{0, NaN, ""}, {5, NaN, "**"}, {0, NaN, ""}});
}

TEST(DataPengecoh, NoSubjectsLeavesTheDistractorsUnrated) {
    PengecohData t(3, "c", {}, 1);
    t.Pengecoh.Compute();
    EXPECT_EQ(t.Pengecoh.GetItem(0).JumBetul, 0);
    EXPECT_EQ(t.Pengecoh.GetItem(0).JumBlank, 0);
    ExpectOptions(t.Pengecoh.GetItem(0), {{0, NaN, ""}, {0, NaN, ""}, {0, NaN, "**"}});
}

TEST(DataPengecoh, LetterCaseIsIgnoredInAnswersAndKey) {
    // Key "B": "B" and "b" are right and count for option b; "A" counts for option a.
    PengecohData t(3, "B", {Column({{'B', 2}, {'b', 1}, {'A', 2}, {'a', 1}, {'C', 1}})});
    t.Pengecoh.Compute();
    const TitemPengecoh& item = t.Pengecoh.GetItem(0);
    EXPECT_EQ(item.JumBetul, 3);
    // E = (7 - 3) / 2 = 2.
    ExpectOptions(item, {{3, 150, "+"}, {3, NaN, "**"}, {1, 50, "-"}});
}

TEST(DataPengecoh, AnswersOfAnyLengthAreReadUpToTheItemCount) {
    // An empty string is blank on every item and nothing else; a short one is blank at its
    // missing end; a long one is cut at the item count.
    PengecohData t(2, "ab", {"", "a", "abba", "bb"}, 2);
    t.Pengecoh.Compute();
    ASSERT_EQ(t.Pengecoh.Count(), 2);
    const TitemPengecoh& first = t.Pengecoh.GetItem(0);
    EXPECT_EQ(first.JumBetul, 2);
    EXPECT_EQ(first.JumBlank, 1);
    // E = (4 - 2) / 1 = 2.
    ExpectOptions(first, {{2, NaN, "**"}, {1, 50, "-"}});
    const TitemPengecoh& second = t.Pengecoh.GetItem(1);
    EXPECT_EQ(second.JumBetul, 2);
    EXPECT_EQ(second.JumBlank, 2);
    ExpectOptions(second, {{0, 0, "--"}, {2, NaN, "**"}});
}

TEST(DataPengecoh, AMissingAnswerIsNeverRightEvenAgainstABlankKey) {
    PengecohData t(2, "**", {"*", ""}, 2);
    t.Pengecoh.Compute();
    // The typed "*" equals the key character; the missing positions only count as blank.
    EXPECT_EQ(t.Pengecoh.GetItem(0).JumBetul, 1);
    EXPECT_EQ(t.Pengecoh.GetItem(0).JumBlank, 2);
    EXPECT_EQ(t.Pengecoh.GetItem(1).JumBetul, 0);
    EXPECT_EQ(t.Pengecoh.GetItem(1).JumBlank, 2);
}

TEST(DataPengecoh, CharactersThatNameNoOptionCountForNothing) {
    // Five options: "f" and "F" are beyond them, "#" is an empty editor cell; none is blank.
    PengecohData t(5, "a", {Column({{'a', 1}, {'f', 1}, {'F', 1}, {'#', 1}, {'b', 1}})});
    t.Pengecoh.Compute();
    const TitemPengecoh& item = t.Pengecoh.GetItem(0);
    EXPECT_EQ(item.JumBetul, 1);
    EXPECT_EQ(item.JumBlank, 0);
    // E = 4 / 4 = 1.
    ExpectOptions(item, {{1, NaN, "**"}, {1, 100, "++"}, {0, 0, "--"}, {0, 0, "--"}, {0, 0, "--"}});
}

TEST(DataPengecoh, AKeyThatIsNoOptionMarksNothing) {
    // Key "e" with four options: the one "e" answer is right, all four options are distractors
    // and E = (7 - 1) / 3 = 2. The second item has no key character at all.
    PengecohData t(
        4, "e",
        {Column({{'e', 1}, {'a', 2}, {'b', 2}, {'c', 2}}), Column({{'a', 3}, {'b', 3}, {'*', 1}})});
    t.Pengecoh.Compute();
    EXPECT_EQ(t.Pengecoh.GetItem(0).JumBetul, 1);
    ExpectOptions(t.Pengecoh.GetItem(0),
                  {{2, 100, "++"}, {2, 100, "++"}, {2, 100, "++"}, {0, 0, "--"}});
    // E = 7 / 3: 3 choosers are 128.57 %.
    EXPECT_EQ(t.Pengecoh.GetItem(1).JumBetul, 0);
    ExpectOptions(t.Pengecoh.GetItem(1),
                  {{3, 900.0 / 7.0, "+"}, {3, 900.0 / 7.0, "+"}, {0, 0, "--"}, {0, 0, "--"}});
}

TEST(DataPengecoh, OneOptionNeedsTheKeyA) {
    struct Case {
        const char* Key;
        bool Fails;
    };
    const Case cases[] = {{"a", false}, {"A", false}, {"b", true}, {"*", true}, {"", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("key \"") + c.Key + "\"");
        PengecohData t(1, c.Key, {"a", "*", "b"}, 1);
        if (c.Fails) {
            const std::string message = ThrownMessage(t.Pengecoh);
            EXPECT_NE(message.find("pembagian dengan nol"), std::string::npos) << message;
            EXPECT_NE(message.find("No Butir Baru 1"), std::string::npos) << message;
        } else {
            t.Pengecoh.Compute();
            EXPECT_EQ(t.Pengecoh.GetItem(0).JumBetul, 1);
            EXPECT_EQ(t.Pengecoh.GetItem(0).JumBlank, 1);
            ExpectOptions(t.Pengecoh.GetItem(0), {{1, NaN, "**"}});
        }
    }
}

TEST(DataPengecoh, OneOptionWithAWrongKeyFailsEvenWhenEverybodyIsRight) {
    PengecohData t(1, "b", {"b", "b"}, 1);
    EXPECT_THROW(t.Pengecoh.Compute(), TaviroError);
}

TEST(DataPengecoh, NumberOfOptionsOutsideTheLetters) {
    for (const int options : {0, -1, 27}) {
        SCOPED_TRACE(options);
        PengecohData t(options, "a", {"a", "b"}, 1);
        const std::string message = ThrownMessage(t.Pengecoh);
        EXPECT_NE(message.find("jumlah pilihan jawaban = " + std::to_string(options)),
                  std::string::npos)
            << message;
        EXPECT_EQ(t.Pengecoh.Count(), 0);
    }
    PengecohData t(26, "z", {"z", "Y"}, 1);
    t.Pengecoh.Compute();
    EXPECT_EQ(t.Pengecoh.GetItem(0).Kualitas[25], "**");
    EXPECT_EQ(t.Pengecoh.GetItem(0).JumPemilih[24], 1);
}

TEST(DataPengecoh, OnlyTheSubjectsPresentAreCounted) {
    // The score list was made from min(JumSubyek, records); the distractors use the same
    // subjects, also in E. Two options, key "a": E = missed / 1.
    struct Case {
        int JumSubyek;
        int JumBetul;
        int ChoseB;
        double Indeks;
        const char* Kualitas;
    };
    const Case cases[] = {
        {5, 1, 2, 100, "++"}, // 3 records: 1 right, 2 missed and both chose b
        {2, 1, 1, 100, "++"}, // the third record is not counted
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.JumSubyek);
        PengecohData t(2, "a", {"a", "b", "b"}, 1);
        t.Mentah.JumSubyek = c.JumSubyek;
        t.Pengecoh.Compute();
        EXPECT_EQ(t.Pengecoh.GetItem(0).JumBetul, c.JumBetul);
        ExpectOptions(t.Pengecoh.GetItem(0),
                      {{c.JumBetul, NaN, "**"}, {c.ChoseB, c.Indeks, c.Kualitas}});
    }
}

TEST(DataPengecoh, ItemsFollowTheScoreListAndItsLabels) {
    PengecohData t(2, "ab", {"ab", "ba"}, 2);
    t.Skor.NoButir = {"5", "7"};
    t.Pengecoh.Compute();
    ASSERT_EQ(t.Pengecoh.Count(), 2);
    EXPECT_EQ(t.Pengecoh.GetItem(0).NoButirAsli, 5);
    EXPECT_EQ(t.Pengecoh.GetItem(1).NoButirAsli, 7);

    t.Skor.NoButir = {"5", "tujuh"};
    t.Pengecoh.Clear();
    const std::string message = ThrownMessage(t.Pengecoh);
    EXPECT_NE(message.find("\"tujuh\""), std::string::npos) << message;
    EXPECT_EQ(t.Pengecoh.Count(), 1);
}

TEST(DataPengecoh, ComputeLeavesNeedRecalcSet) {
    PengecohData t(2, "a", {"a", "b"}, 1);
    t.Pengecoh.NeedRefresh = false;
    t.Pengecoh.Compute();
    EXPECT_TRUE(t.Pengecoh.NeedRecalc);
    EXPECT_FALSE(t.Pengecoh.NeedRefresh);
    t.Pengecoh.Compute();
    EXPECT_EQ(t.Pengecoh.Count(), 1);
    t.Pengecoh.Clear();
    EXPECT_EQ(t.Pengecoh.Count(), 0);
    EXPECT_TRUE(t.Pengecoh.NeedRefresh);
}

} // namespace
} // namespace taviro
