#include "views/pengecoh.h"

#include "core/analysis/data_pengecoh.h"
#include "core/session.h"
#include "core/taviro_error.h"
#include "support/fake_user_interface.h"
#include "views/memo_cetak.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace taviro {
namespace {

std::vector<std::string> Row(const TextGrid& grid, int row) {
    std::vector<std::string> cells;
    for (int col = 0; col < grid.ColCount(); ++col) {
        cells.emplace_back(grid.Cell(row, col));
    }
    return cells;
}

// One answer string per subject from one column of answers per item.
std::vector<std::string> FromColumns(const std::vector<std::string>& columns) {
    std::vector<std::string> answers(columns.front().size());
    for (const std::string& column : columns) {
        for (std::size_t s = 0; s < answers.size(); ++s) {
            answers[s] += column[s];
        }
    }
    return answers;
}

void Score(Session& session, int options, const std::string& kunci,
           const std::vector<std::string>& answers) {
    TDataMentah& mentah = session.DataMentah();
    mentah.Clear();
    mentah.JumButir = static_cast<int>(kunci.size());
    mentah.JumPilihan = options;
    mentah.JumSubyek = static_cast<int>(answers.size());
    mentah.Kunci = kunci;
    for (const std::string& jwb : answers) {
        TJawaban jawaban;
        jawaban.Jwb = jwb;
        mentah.AddJawaban(jawaban);
    }
    session.DataSkor().ScoreAll(mentah, session.AnalButirSoal());
}

// Ten subjects, four options, key "bda". Item 1: 6 right, "a" twice (150 % of the expected
// choosers), "c" once (75 %), "d" never, one blank. Item 2: everybody right. Item 3: 4 right,
// "b" 5 times (250 %), "c" once (50 %), "d" never.
const std::vector<std::string> Answers = FromColumns({"bbbbbbaac*", "dddddddddd", "aaaabbbbbc"});

class TFPengecohTest : public ::testing::Test {
protected:
    Session session{AnalyzerKind::PilihanGanda};
    test::FakeUserInterface ui;
    TFMemoCetak preview;
    TFPengecoh window{session, ui, preview};

    void SetUp() override {
        session.Global().FileName = "ujian.tav";
        Score(session, 4, "bda", Answers);
    }
    TDataPengecoh& Pengecoh() { return *session.Pengecoh(); }
};

TEST_F(TFPengecohTest, ShowsEveryOptionsCountWithItsMark) {
    window.RefreshView();
    EXPECT_EQ(window.LjumSubyek, "10");
    EXPECT_EQ(window.LButirSoal, "3");
    EXPECT_EQ(Row(window.SG, 0), (std::vector<std::string>{"No Butir Baru", "No Butir Asli", "a",
                                                           "b", "c", "d", "*"}));
    ASSERT_EQ(window.SG.RowCount(), 4);
    EXPECT_EQ(Row(window.SG, 1),
              (std::vector<std::string>{"1", "1", "2+", "6**", "1+", "0--", "1"}));
    // Nobody to spread over the distractors: bare counts.
    EXPECT_EQ(Row(window.SG, 2), (std::vector<std::string>{"2", "2", "0", "0", "0", "10**", "0"}));
    EXPECT_EQ(Row(window.SG, 3),
              (std::vector<std::string>{"3", "3", "4**", "5---", "1-", "0--", "0"}));
}

TEST_F(TFPengecohTest, ColoursTheKeyGreenAndThePoorDistractorsRed) {
    window.RefreshView();
    struct Case {
        int Row, Col;
        CellRole Role;
        CellAlignment Alignment;
    };
    const Case cases[] = {
        {0, 3, CellRole::Heading, CellAlignment::Centre},  // "b"
        {0, 6, CellRole::Heading, CellAlignment::Centre},  // "*"
        {2, 0, CellRole::Heading, CellAlignment::Centre},  //
        {1, 3, CellRole::MoneyGreen, CellAlignment::Left}, // 6**
        {2, 5, CellRole::MoneyGreen, CellAlignment::Left}, // 10**
        {1, 5, CellRole::Red, CellAlignment::Left},        // 0--
        {3, 3, CellRole::Red, CellAlignment::Left},        // 5---
        {3, 4, CellRole::Normal, CellAlignment::Left},     // 1-
        {1, 2, CellRole::Normal, CellAlignment::Left},     // 2+
        {2, 2, CellRole::Normal, CellAlignment::Left},     // 0
        {1, 1, CellRole::Normal, CellAlignment::Left},     // the label
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.Row) + "," + std::to_string(c.Col));
        EXPECT_EQ(window.Role(0, c.Row, c.Col), c.Role);
        EXPECT_EQ(window.Alignment(0, c.Row, c.Col), c.Alignment);
    }
}

TEST_F(TFPengecohTest, EveryRefreshCountsAfreshAndRefills) {
    window.RefreshView();
    Pengecoh().Items[0].JumBlank = 99;
    window.RefreshView();
    EXPECT_EQ(window.SG.Cell(1, 6), "1");
    EXPECT_EQ(Pengecoh().Items[0].JumBlank, 1);
    EXPECT_TRUE(Pengecoh().NeedRecalc);
}

TEST_F(TFPengecohTest, FollowsTheNumberOfOptionsAfterRescoring) {
    window.RefreshView();
    std::vector<std::string> answers = Answers;
    answers[9][0] = 'e';
    Score(session, 5, "bda", answers);
    window.RefreshView();
    EXPECT_EQ(Row(window.SG, 0), (std::vector<std::string>{"No Butir Baru", "No Butir Asli", "a",
                                                           "b", "c", "d", "e", "*"}));
    // Item 1 with four distractors: 2 of 4 expected choosers x 4 / 4 = 200 % for "a", 100 %
    // for "c" and "e", 0 for "d"; no blank left.
    EXPECT_EQ(Row(window.SG, 1),
              (std::vector<std::string>{"1", "1", "2--", "6**", "1++", "0--", "1++", "0"}));
}

TEST_F(TFPengecohTest, FailedCountLeavesTheHeadingsOnly) {
    window.RefreshView();
    // One option, but the key of item 1 is "b": no distractor to spread the misses over.
    Score(session, 1, "bda", Answers);
    EXPECT_THROW(window.RefreshView(), TaviroError);
    EXPECT_EQ(window.LjumSubyek, "");
    EXPECT_EQ(window.LButirSoal, "");
    EXPECT_EQ(Row(window.SG, 0),
              (std::vector<std::string>{"No Butir Baru", "No Butir Asli", "a", "*"}));
    ASSERT_EQ(window.SG.RowCount(), 2);
    EXPECT_EQ(Row(window.SG, 1), std::vector<std::string>(4));
}

TEST_F(TFPengecohTest, OptionCountOutsideTheLettersIsRefusedWithoutGoingWrong) {
    for (int options : {0, -3, 27}) {
        SCOPED_TRACE(options);
        Score(session, options, "bda", Answers);
        EXPECT_THROW(window.RefreshView(), TaviroError);
        EXPECT_EQ(window.SG.Cell(0, window.SG.ColCount() - 1), "*");
        EXPECT_LE(window.SG.ColCount(), 26 + 3);
    }
}

TEST_F(TFPengecohTest, ReportListsTheMarksAfterTheTable) {
    window.RefreshView();
    window.Cetak();
    const std::vector<std::string> expected = {
        "KUALITAS PENGECOH",
        "=================",
        "",
        "Jumlah Subyek= 10",
        "Butir Soal= 3",
        "Nama berkas: UJIAN.TAV",
        "",
        " No Butir Baru  No Butir Asli      a      b      c      d      * ",
        "             1              1     2+    6**     1+    0--      1 ",
        "             2              2      0      0      0   10**      0 ",
        "             3              3    4**   5---     1-    0--      0 ",
        "",
        "",
        "",
        "Keterangan: ",
        "** : Kunci Jawaban",
        "++ : Sangat Baik",
        "+  : Baik",
        "-  : Kurang Baik",
        "-- : Buruk",
        "---: Sangat Buruk",
        "",
    };
    EXPECT_EQ(preview.MCetak, expected);
    EXPECT_EQ(ui.PreviewsShown, 1);
}

TEST_F(TFPengecohTest, ManyOptionsRepeatTheItemNumbersInEveryBlock) {
    // Eight options: "h" and "*" do not fit in the first block.
    Score(session, 8, "a", {"a", "b", "h", "*"});
    window.RefreshView();
    // Left by an earlier report (the raw data print repeats three columns).
    session.CetakSG().LastRepeatedCol = 2;
    window.PrintReport(true);
    const std::vector<std::string>& lines = preview.MCetak;
    const auto first = std::find(lines.begin(), lines.end(),
                                 " No Butir Baru  No Butir Asli      a      b      c      d      e"
                                 "      f      g ");
    ASSERT_NE(first, lines.end());
    const auto second =
        std::find(lines.begin(), lines.end(), " No Butir Baru  No Butir Asli      h      * ");
    ASSERT_NE(second, lines.end());
    // One missed answer is expected per 7/3 subjects: a single chooser is 233 %.
    EXPECT_EQ(*(second + 1), "             1              1   1---      1 ");
}

TEST(TFPengecohUraian, TheEssayAnalyzerHasNoDistractorWindow) {
    Session session{AnalyzerKind::Uraian};
    test::FakeUserInterface ui;
    TFMemoCetak preview;
    EXPECT_THROW(TFPengecoh(session, ui, preview), std::logic_error);
}

} // namespace
} // namespace taviro
