#include "core/analysis/anal_butir_soal.h"
#include "core/analysis/group_rule.h"
#include "core/document/data_mentah.h"
#include "core/scoring/data_skor.h"
#include "core/taviro_error.h"

#include <gtest/gtest.h>

#include <cmath>

namespace taviro {
namespace {

// An analysis that only carries the flags.
class FlagsOnly : public TDataHitung {
public:
    void Clear() override {}
};

struct Subject {
    std::string Jwb;
    std::string NoSubyek = "-1";
};

// Raw data of a test with the given key and subjects, scored.
class Scoring : public testing::Test {
protected:
    void Fill(AnalyzerKind kind, const std::string& key, int items,
              const std::vector<Subject>& subjects) {
        data = TDataMentah(kind);
        skor = TDataSkor(kind);
        data.Kunci = key;
        data.JumButir = items;
        data.JumSubyek = static_cast<int>(subjects.size());
        for (std::size_t i = 0; i < subjects.size(); ++i) {
            data.AddJawaban(
                {"Subyek " + std::to_string(i + 1), subjects[i].NoSubyek, subjects[i].Jwb});
        }
    }
    void Score(char separator = '.') { skor.ScoreAll(data, analyses, separator); }

    std::string ErrorOf(char separator = '.') {
        try {
            Score(separator);
        } catch (const TaviroError& error) {
            return error.what();
        }
        return "";
    }

    TDataMentah data{AnalyzerKind::PilihanGanda};
    TDataSkor skor{AnalyzerKind::PilihanGanda};
    TAnalButirSoal analyses;
};

TEST_F(Scoring, MultipleChoiceComparesEveryPositionWithTheKey) {
    struct Case {
        std::string key;
        std::string answers;
        std::string skorButir;
        int right, wrong, blank;
    };
    const Case cases[] = {
        {"ABCD", "abcd", "1111", 4, 0, 0},
        {"ABCD", "A#*X", "1**-", 1, 1, 2},
        // A key position without a key: the same character is right, anything else wrong.
        {"A#CD", "B#CD", "-111", 3, 1, 0},
        {"A#CD", "BBCD", "--11", 2, 2, 0},
        {"ABCD", "", "****", 0, 0, 4},
        // A short answer string is blank where it ends; a long one is read up to the items.
        {"ABCD", "ab", "11**", 2, 0, 2},
        {"ABCD", "abcdabcd", "1111", 4, 0, 0},
        // A short key matches nothing where it ends: answers there are wrong, blanks blank.
        {"AB", "abc*", "11-*", 2, 1, 1},
        // Anything that is not an offered option counts as wrong.
        {"ABCD", "1?zé", "----", 0, 5, 0},
    };
    for (const Case& c : cases) {
        Fill(AnalyzerKind::PilihanGanda, c.key, 4, {{c.answers}});
        Score();
        const TItemSkor& item = skor.GetItem(0);
        if (c.answers == "1?zé") {
            // 'é' is two bytes; only the first four bytes are read, and none is right.
            EXPECT_EQ(item.SkorButir, "----");
            continue;
        }
        EXPECT_EQ(item.SkorButir, c.skorButir) << c.key << " / " << c.answers;
        EXPECT_EQ(item.JumBetul, c.right) << c.answers;
        EXPECT_EQ(item.JumSalah, c.wrong) << c.answers;
        EXPECT_EQ(item.JumBlank, c.blank) << c.answers;
        EXPECT_EQ(item.SkorAkhir, c.right);
        EXPECT_EQ(item.JumBetul + item.JumSalah + item.JumBlank, 4);
    }
}

TEST_F(Scoring, NumbersLabelsAndOrdersLikeTheRawData) {
    Fill(AnalyzerKind::PilihanGanda, "ab", 2,
         {{"ab", "7"}, {"a*", "-1"}, {"bb", "-1"}, {"ba", "X1"}, {"", "-1"}});
    Score();
    ASSERT_EQ(skor.Count(), 5);
    EXPECT_EQ(skor.GetItem(0).NoSubyek, "7");
    EXPECT_EQ(skor.GetItem(4).NoSubyek, "5");
    EXPECT_EQ(skor.GetItem(3).NoSubyek, "X1");
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(skor.GetItem(i).UrutanAwal, i);
    }
    EXPECT_EQ(skor.NoButir, (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(skor.Kunci, "ab");
    EXPECT_FALSE(data.IsNeedRecalc);
    EXPECT_FALSE(skor.IsUrutkanBerdSkor);
}

TEST_F(Scoring, MeanAndSampleStandardDeviation) {
    struct Case {
        std::vector<std::string> answers;
        long double mean;
        long double sd;
    };
    const Case cases[] = {
        // One subject: the one score is both mean and SD.
        {{"aaaaaaa"}, 7, 7},
        {{"aaa", "aaaaa"}, 4, std::sqrt(2.0L)},
        {{"a", "a", "a"}, 1, 0},
        {{"aaaa", "", "aa", "a"},
         1.75L,
         std::sqrt((2.25L * 2.25L + 1.75L * 1.75L + 0.0625L + 0.5625L) / 3.0L)},
    };
    for (const Case& c : cases) {
        std::vector<Subject> subjects;
        for (const std::string& answers : c.answers) {
            subjects.push_back({answers});
        }
        Fill(AnalyzerKind::PilihanGanda, "aaaaaaa", 7, subjects);
        Score();
        EXPECT_NEAR(static_cast<double>(skor.Rata2), static_cast<double>(c.mean), 1e-12);
        EXPECT_NEAR(static_cast<double>(skor.SD), static_cast<double>(c.sd), 1e-12);
    }
}

TEST_F(Scoring, WeightsCountRightAndWrongAnswersButNotBlanks) {
    Fill(AnalyzerKind::PilihanGanda, "aaaaaaaaaa", 10, {{"aaaaaabbb*"}});
    Score();
    EXPECT_EQ(skor.GetItem(0).SkorDibobot, 6);
    skor.BobotBetul = 2;
    skor.BobotSalah = -1;
    skor.ApplyWeights();
    EXPECT_EQ(skor.GetItem(0).SkorDibobot, 9);
    EXPECT_EQ(skor.GetItem(0).SkorAkhir, 6);
}

TEST_F(Scoring, RescoresOnlyWhenTheRawDataChanged) {
    Fill(AnalyzerKind::PilihanGanda, "a", 1, {{"a"}, {"b"}, {"a"}});
    Score();
    skor.IsUrutkanBerdSkor = true;
    skor.SortItems(false);
    skor.BobotBetul = 3;
    Score();
    EXPECT_TRUE(skor.IsUrutkanBerdSkor);
    EXPECT_EQ(skor.BobotBetul, 3);
    EXPECT_EQ(skor.GetItem(1).UrutanAwal, 2);

    data.IsNeedRecalc = true;
    Score();
    EXPECT_FALSE(skor.IsUrutkanBerdSkor);
    EXPECT_EQ(skor.BobotBetul, 1);
    EXPECT_EQ(skor.BobotSalah, 0);
    EXPECT_EQ(skor.GetItem(1).UrutanAwal, 1);
}

// Rescoring writes over the records of the previous scoring, which the group rule left in score
// order: every field must come from the new raw data, as a fresh score list would have it.
TEST_F(Scoring, RescoringOverASortedListEqualsAFreshScoring) {
    for (AnalyzerKind kind : {AnalyzerKind::PilihanGanda, AnalyzerKind::Uraian}) {
        const bool pg = kind == AnalyzerKind::PilihanGanda;
        Fill(kind, pg ? "abcd" : "4,4,4,4", 4,
             {{pg ? "abcd" : "4,4,4,4", "7"},
              {pg ? "a***" : "1,*,*,*"},
              {pg ? "bbbb" : "0,0,0,0"},
              {pg ? "abcc" : "4,4,4,3", "9"}});
        Score();
        skor.BobotSalah = -1;
        skor.ApplyWeights();
        skor.IsUrutkanBerdSkor = true;
        skor.SortItems(false);

        // Fewer subjects, other names and numbers, another key.
        TDataMentah next(kind);
        next.Kunci = pg ? "dcba" : "5,5,5,5";
        next.JumButir = 4;
        next.JumSubyek = 3;
        next.AddJawaban({"Ani", "-1", pg ? "dcb" : "5,5,5"});
        next.AddJawaban({"Budi", "12", ""});
        next.AddJawaban({"Citra", "-1", pg ? "dddd" : "2,*,2.5,0"});
        TDataMentah same = next;
        data = next;
        data.IsNeedRecalc = true;
        Score();

        TDataSkor fresh(kind);
        same.IsNeedRecalc = true;
        fresh.ScoreAll(same, analyses);
        ASSERT_EQ(skor.Count(), fresh.Count());
        EXPECT_FALSE(skor.IsUrutkanBerdSkor);
        EXPECT_EQ(skor.Rata2, fresh.Rata2);
        EXPECT_EQ(skor.SD, fresh.SD);
        for (int i = 0; i < skor.Count(); ++i) {
            const TItemSkor& a = skor.GetItem(i);
            const TItemSkor& b = fresh.GetItem(i);
            EXPECT_EQ(a.UrutanAwal, i);
            EXPECT_EQ(a.Nama, b.Nama) << i;
            EXPECT_EQ(a.NoSubyek, b.NoSubyek) << i;
            EXPECT_EQ(a.SkorButir, b.SkorButir) << i;
            EXPECT_EQ(a.JumBetul, b.JumBetul) << i;
            EXPECT_EQ(a.JumSalah, b.JumSalah) << i;
            EXPECT_EQ(a.JumBlank, b.JumBlank) << i;
            EXPECT_EQ(a.SkorAkhir, b.SkorAkhir) << i;
            EXPECT_EQ(a.SkorDibobot, b.SkorDibobot) << i;
        }
        EXPECT_EQ(skor.GetItem(0).NoSubyek, "1");
        EXPECT_EQ(skor.GetItem(1).NoSubyek, "12");
    }
}

// A rescoring that fails part-way leaves no list that mixes new scores with old ones.
TEST_F(Scoring, AFailedRescoringLeavesNoMixOfOldAndNewScores) {
    Fill(AnalyzerKind::Uraian, "4,4", 2, {{"1,1"}, {"2,2"}, {"3,3"}});
    Score();
    ASSERT_EQ(skor.Count(), 3);
    data.GetJawaban(1).Jwb = "2,x";
    data.IsNeedRecalc = true;
    EXPECT_EQ(ErrorOf(), "Ada kesalahan di subyek dg nomor urut 2, butir ke-2");
    EXPECT_EQ(skor.Count(), 0);
    EXPECT_TRUE(data.IsNeedRecalc);
}

TEST_F(Scoring, SortsByScoreWithTiesInRawOrderAndBack) {
    Fill(AnalyzerKind::PilihanGanda, "aaaaaaa", 7,
         {{"aaaaa"}, {"aaaaaaa"}, {"aaaaa"}, {"aa"}, {"aaaaaaa"}});
    Score();
    skor.SortItems(false);
    std::vector<int> order;
    for (const TItemSkor& item : skor.Items) {
        order.push_back(item.UrutanAwal);
    }
    EXPECT_EQ(order, (std::vector<int>{1, 4, 0, 2, 3}));
    skor.SortItems(true);
    for (int i = 0; i < skor.Count(); ++i) {
        EXPECT_EQ(skor.GetItem(i).UrutanAwal, i);
    }
}

TEST_F(Scoring, AnEmptyKeyFailsEveryTimeAndLeavesTheDataMarked) {
    Fill(AnalyzerKind::PilihanGanda, "", 3, {{"abc"}});
    FlagsOnly stale;
    analyses.Analyses.push_back(&stale);
    stale.SetNeedRecalc(false);
    const std::string expected =
        "Ada sedikit masalah, kunci belum diisi. Mohon isi kunci terlebih dahulu. Untuk "
        "mengisinya, pilih \"Kembali ke Menu Utama\" lalu pilih \"Edit Data Mentah\" selanjutnya "
        "isi baris pertama";
    EXPECT_EQ(ErrorOf(), expected);
    EXPECT_EQ(ErrorOf(), expected);
    EXPECT_TRUE(data.IsNeedRecalc);
    EXPECT_EQ(skor.Count(), 0);
    EXPECT_TRUE(stale.NeedRecalc);
}

TEST_F(Scoring, MarksEveryAnalysisAndTellsTheGroupWindow) {
    Fill(AnalyzerKind::PilihanGanda, "a", 1, {{"a"}});
    FlagsOnly first, second;
    first.SetNeedRecalc(false);
    first.NeedRefresh = false;
    second.SetNeedRecalc(false);
    analyses.Analyses = {&first, &second};
    bool groupsStale = false;
    analyses.OnGroupsStale = [&] { groupsStale = true; };
    Score();
    EXPECT_TRUE(first.NeedRecalc && first.NeedRefresh && second.NeedRecalc);
    EXPECT_TRUE(groupsStale);
}

TEST_F(Scoring, NoSubjectsIsAnErrorNotANumber) {
    Fill(AnalyzerKind::PilihanGanda, "ab", 2, {});
    EXPECT_NE(ErrorOf().find("Tidak ada subyek"), std::string::npos);
    EXPECT_EQ(skor.Rata2, 0);
    EXPECT_EQ(skor.SD, 0);
    // The data counts as scored: the next showing does not score again.
    EXPECT_FALSE(data.IsNeedRecalc);
    EXPECT_EQ(ErrorOf(), "");
}

TEST_F(Scoring, ADamagedCountOfSubjectsNeverReadsPastTheRecords) {
    Fill(AnalyzerKind::PilihanGanda, "a", 1, {{"a"}, {"b"}});
    data.JumSubyek = 5;
    Score();
    EXPECT_EQ(skor.Count(), 2);
}

TEST_F(Scoring, EssaySumsTheItemScores) {
    struct Case {
        std::string answers;
        std::string skorButir;
        double total;
        int scored, blank;
    };
    const Case cases[] = {
        {"3,4,2", "3,4,2", 9, 3, 0},
        {"3,*,#", "3,*,*", 3, 1, 2},
        {"", "*,*,*", 0, 0, 3},
        {"1.5,-1,2", "1.5,-1,2", 2.5, 3, 0},
        // A short row is blank where it ends; a long one is read up to the items.
        {"4", "4,*,*", 4, 1, 2},
        {"1,1,1,9,9", "1,1,1", 3, 3, 0},
        {"4,4,2,", "4,4,2", 10, 3, 0},
    };
    for (const Case& c : cases) {
        Fill(AnalyzerKind::Uraian, "4,4,2", 3, {{c.answers}});
        Score();
        const TItemSkor& item = skor.GetItem(0);
        EXPECT_EQ(item.SkorButir, c.skorButir) << c.answers;
        EXPECT_EQ(item.SkorAkhir, c.total) << c.answers;
        EXPECT_EQ(item.JumBetul, c.scored) << c.answers;
        EXPECT_EQ(item.JumBlank, c.blank) << c.answers;
        EXPECT_EQ(item.JumSalah, 0);
        EXPECT_EQ(item.SkorDibobot, 0);
    }
}

TEST_F(Scoring, EssayKeepsTheHighestAndLowestScoreOfEveryItem) {
    Fill(AnalyzerKind::Uraian, "5,5,5", 3, {{"3,*,-2"}, {"1,*,-4"}, {"2,*,"}});
    Score();
    EXPECT_EQ(skor.MaxSkor, (std::vector<double>{3, 0, 0}));
    EXPECT_EQ(skor.MinSkor, (std::vector<double>{1, 0, -4}));
}

TEST_F(Scoring, EssayReadsScoresWithTheRegionalSeparator) {
    Fill(AnalyzerKind::Uraian, "10,5", 2, {{"7,5,*"}});
    data.Kunci = "10;5";
    // The ideal row and scores are joined by ','; with ',' as decimal separator a score such as
    // 7,5 cannot be told apart, so the separator only matters for ideal rows typed with it.
    Fill(AnalyzerKind::Uraian, "10,5", 2, {{"7,5"}});
    Score(',');
    EXPECT_EQ(skor.GetItem(0).SkorAkhir, 12);
    Fill(AnalyzerKind::Uraian, "10,5", 2, {{"2.5,5"}});
    EXPECT_EQ(ErrorOf(','), "Ada kesalahan di subyek dg nomor urut 1, butir ke-1");
}

TEST_F(Scoring, EssayErrorsNameTheSubjectAndItemPositions) {
    const std::string wrongIdeal =
        "Ada skor ideal yang salah, pada butir ke-2, mohon perbaiki dulu.  Untuk mengisinya, "
        "pilih \"Kembali ke Menu Utama\" lalu pilih \"Edit Data Mentah\" selanjutnya lihat baris "
        "pertama ";
    struct Case {
        std::string ideal;
        std::vector<Subject> subjects;
        std::string message;
    };
    const Case cases[] = {
        {"",
         {{"1,1,1"}},
         "Ada sedikit masalah, skor ideal belum diisi. Mohon isi skor ideal terlebih dahulu. "
         "Untuk mengisinya, pilih \"Kembali ke Menu Utama\" lalu pilih \"Edit Data Mentah\" "
         "selanjutnya isi baris pertama"},
        {"4,x,2", {{"1,1,1"}}, wrongIdeal},
        {"4,#,2", {{"1,1,1"}}, wrongIdeal},
        // A short ideal row lacks the score of the item where it ends.
        {"4",
         {{"1,1,1"}},
         "Ada skor ideal yang salah, pada butir ke-2, mohon perbaiki dulu.  Untuk mengisinya, "
         "pilih \"Kembali ke Menu Utama\" lalu pilih \"Edit Data Mentah\" selanjutnya lihat baris "
         "pertama "},
        {"4,4,2", {{"1,1,1"}, {"3,,4"}}, "Ada kesalahan di subyek dg nomor urut 2, butir ke-2"},
        {"4,4,2",
         {{"1,1,1"}, {"1,1,1"}, {"1,5,1"}},
         "Skor lebih besar daripada skor ideal pada subyek dg nomor urut 3, butir ke-2"},
    };
    for (const Case& c : cases) {
        Fill(AnalyzerKind::Uraian, c.ideal, 3, c.subjects);
        EXPECT_EQ(ErrorOf(), c.message) << c.ideal;
        EXPECT_TRUE(data.IsNeedRecalc) << c.ideal;
        EXPECT_EQ(skor.Rata2, 0);
    }
    // A score equal to the ideal score is accepted.
    Fill(AnalyzerKind::Uraian, "4,4,2", 3, {{"4,4,2"}});
    EXPECT_EQ(ErrorOf(), "");
}

// What a record of the score list says, for comparing records field by field.
std::string Describe(const TItemSkor& item) {
    return std::to_string(item.UrutanAwal) + "|" + item.NoSubyek + "|" + item.Nama + "|" +
           item.SkorButir + "|" + std::to_string(item.SkorAkhir) + "|" +
           std::to_string(item.JumBetul) + "|" + std::to_string(item.JumBlank);
}

std::vector<std::string> DescribeAll(const TDataSkor& skor) {
    std::vector<std::string> records;
    for (const TItemSkor& item : skor.Items) {
        records.push_back(Describe(item));
    }
    return records;
}

TEST_F(Scoring, EssayRescoringReusesSortedRecordsWithoutChangingResults) {
    // Rows of different lengths, so that a record holding another subject's string has too
    // little or too much room.
    const std::vector<Subject> subjects = {{"1,2,3"}, {"10,20,30"},  {"*,#"}, {"2.5,0.25,12.125"},
                                           {""},      {"9,9,9,9,9"}, {"4"}};
    Fill(AnalyzerKind::Uraian, "40,40,40", 3, subjects);
    Score();
    const std::vector<std::string> fresh = DescribeAll(skor);
    ASSERT_EQ(fresh.size(), subjects.size());

    for (const bool byRawOrder : {false, true}) {
        skor.SortItems(byRawOrder);
        data.IsNeedRecalc = true;
        Score();
        EXPECT_EQ(DescribeAll(skor), fresh) << byRawOrder;
    }

    // Fewer subjects, then more, and a changed row: the records no longer match the subjects
    // one to one.
    skor.SortItems(false);
    data.Jawaban.pop_back();
    data.JumSubyek = static_cast<int>(data.Jawaban.size());
    data.IsNeedRecalc = true;
    Score();
    EXPECT_EQ(DescribeAll(skor), std::vector<std::string>(fresh.begin(), fresh.end() - 1));

    skor.SortItems(false);
    data.AddJawaban({"Subyek 7", "-1", "4"});
    data.AddJawaban({"Subyek 8", "-1", "1.5,1.5,1.5"});
    data.GetJawaban(0).Jwb = "39.75,#,7";
    data.JumSubyek = static_cast<int>(data.Jawaban.size());
    data.IsNeedRecalc = true;
    Score();
    std::vector<std::string> expected = fresh;
    expected[0] = "0|1|Subyek 1|39.75,*,7|46.750000|2|1";
    expected.push_back("7|8|Subyek 8|1.5,1.5,1.5|4.500000|3|0");
    EXPECT_EQ(DescribeAll(skor), expected);
}

TEST_F(Scoring, EssayReportsTheFirstFaultInRawOrder) {
    struct Case {
        std::vector<Subject> subjects;
        std::string message;
    };
    const Case cases[] = {
        // Within a subject the pieces are judged in order, each fully before the next.
        {{{"1,5,x"}},
         "Skor lebih besar daripada skor ideal pada subyek dg nomor urut 1, butir ke-2"},
        {{{"1,x,5"}}, "Ada kesalahan di subyek dg nomor urut 1, butir ke-2"},
        {{{"1,1,1"}, {"1,1,2000000"}, {"x"}},
         "Ada kesalahan di subyek dg nomor urut 2, butir ke-3"},
        {{{"1,1,1"}, {"-1000001"}}, "Ada kesalahan di subyek dg nomor urut 2, butir ke-1"},
        // Pieces beyond the items are not judged.
        {{{"1,1,1,x"}, {"1,1,1,9"}, {"2.,.5,+1"}, {"1,4.25"}},
         "Skor lebih besar daripada skor ideal pada subyek dg nomor urut 4, butir ke-2"},
    };
    for (const Case& c : cases) {
        Fill(AnalyzerKind::Uraian, "4,4,2", 3, c.subjects);
        EXPECT_EQ(ErrorOf(), c.message) << c.subjects.back().Jwb;
    }
}

TEST(SortItems, MovesWholeRecordsIntoScoreOrderAndBack) {
    // Scores with many ties, raw positions in a scrambled order.
    TDataSkor skor(AnalyzerKind::Uraian);
    const int count = 60;
    for (int i = 0; i < count; ++i) {
        TItemSkor item;
        item.UrutanAwal = (i * 37) % count;
        item.SkorAkhir = (i * 7) % 5 - 1.5;
        item.Nama = "Subyek nomor " + std::to_string(item.UrutanAwal) + " dengan nama panjang";
        item.SkorButir = std::string(static_cast<std::size_t>(item.UrutanAwal), '1');
        skor.Add(item);
    }
    const auto expectWholeRecords = [&] {
        for (const TItemSkor& item : skor.Items) {
            ASSERT_EQ(item.Nama,
                      "Subyek nomor " + std::to_string(item.UrutanAwal) + " dengan nama panjang");
            ASSERT_EQ(item.SkorButir.size(), static_cast<std::size_t>(item.UrutanAwal));
        }
    };

    skor.SortItems(false);
    expectWholeRecords();
    for (int i = 1; i < count; ++i) {
        const TItemSkor& before = skor.GetItem(i - 1);
        const TItemSkor& after = skor.GetItem(i);
        EXPECT_TRUE(before.SkorAkhir > after.SkorAkhir ||
                    (before.SkorAkhir == after.SkorAkhir && before.UrutanAwal < after.UrutanAwal))
            << i;
    }

    skor.SortItems(true);
    expectWholeRecords();
    for (int i = 0; i < count; ++i) {
        EXPECT_EQ(skor.GetItem(i).UrutanAwal, i);
    }
}

TEST(GroupRule, TwentySevenPercentRoundedToEven) {
    const std::pair<int, int> cases[] = {
        {0, 0},   {1, 0},   {2, 1},    {3, 1},    {5, 1},    {6, 2},           {10, 3},
        {40, 11}, {50, 14}, {100, 27}, {150, 40}, {250, 68}, {1000000, 270000}};
    for (const auto& [subjects, size] : cases) {
        EXPECT_EQ(GroupSize(subjects), size) << subjects;
    }
    for (int subjects = 1; subjects <= 2000; ++subjects) {
        ASSERT_LE(2 * GroupSize(subjects), subjects) << subjects;
    }
}

TEST(GroupRule, FormsGroupsInScoreOrderWithTiesByRawPosition) {
    // A..G scoring 8, 9, 8, 5, 4, 4, 2.
    TDataSkor skor(AnalyzerKind::PilihanGanda);
    skor.JumButir = 2;
    const double scores[] = {8, 9, 8, 5, 4, 4, 2};
    const char* results[] = {"11", "11", "1-", "-1", "1*", "--", "**"};
    for (int i = 0; i < 7; ++i) {
        TItemSkor item;
        item.Nama = std::string(1, static_cast<char>('A' + i));
        item.SkorAkhir = scores[i];
        item.UrutanAwal = i;
        item.SkorButir = results[i];
        skor.Add(item);
    }
    const Groups groups = FormGroups(skor);
    EXPECT_EQ(groups.Size, 2);
    EXPECT_EQ(groups.UpperFirst, 0);
    EXPECT_EQ(groups.LowerFirst, 5);
    EXPECT_TRUE(skor.IsUrutkanBerdSkor);
    std::string order;
    for (const TItemSkor& item : skor.Items) {
        order += item.Nama;
    }
    EXPECT_EQ(order, "BACDEFG");
    EXPECT_EQ(GroupRightCounts(skor, groups.UpperFirst, groups.Size), (std::vector<int>{2, 2}));
    EXPECT_EQ(GroupRightCounts(skor, groups.LowerFirst, groups.Size), (std::vector<int>{0, 0}));

    // Already in score order: used as it stands.
    std::swap(skor.Items[0], skor.Items[6]);
    FormGroups(skor);
    EXPECT_EQ(skor.GetItem(0).Nama, "G");
}

} // namespace
} // namespace taviro
