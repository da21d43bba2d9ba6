#include "views/tingkat_kesukaran.h"

#include "core/analysis/data_kesukaran.h"
#include "core/analysis/data_kesukaran_uraian.h"
#include "core/session.h"
#include "core/taviro_error.h"
#include "support/fake_user_interface.h"
#include "views/memo_cetak.h"

#include <gtest/gtest.h>

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

// Puts the answers into the raw data and scores them, which marks every analysis stale.
void Score(Session& session, const std::string& kunci, const std::vector<std::string>& answers,
           const std::vector<std::string>& labels = {}) {
    TDataMentah& mentah = session.DataMentah();
    mentah.Clear();
    mentah.JumButir = session.Kind() == AnalyzerKind::Uraian ? static_cast<int>(labels.size())
                                                             : static_cast<int>(kunci.size());
    mentah.JumPilihan = 4;
    mentah.JumSubyek = static_cast<int>(answers.size());
    mentah.Kunci = kunci;
    mentah.NoButir = labels;
    for (const std::string& jwb : answers) {
        TJawaban jawaban;
        jawaban.Jwb = jwb;
        mentah.AddJawaban(jawaban);
    }
    session.DataSkor().ScoreAll(mentah, session.AnalButirSoal(), session.Global().DecimalSeparator);
}

// 20 subjects, key "abc": item 1 right 7 times, item 2 always, item 3 three times.
std::vector<std::string> TwentySubjects() {
    std::vector<std::string> answers;
    for (int s = 0; s < 20; ++s) {
        answers.push_back(std::string{s < 7 ? 'a' : 'd', 'b', s < 3 ? 'c' : 'a'});
    }
    return answers;
}

class TFTingkatKesukaranPilihanGanda : public ::testing::Test {
protected:
    Session session{AnalyzerKind::PilihanGanda};
    test::FakeUserInterface ui;
    TFMemoCetak preview;
    TFTingkatKesukaran window{session, ui, preview};

    void SetUp() override {
        session.Global().FileName = "ujian.tav";
        Score(session, "abc", TwentySubjects(), {"4", "7", "9"});
    }
    TDataKesukaran& Kesukaran() { return *session.Kesukaran(); }
    void Rescore() {
        session.DataMentah().IsNeedRecalc = true;
        session.DataSkor().ScoreAll(session.DataMentah(), session.AnalButirSoal());
    }
};

TEST_F(TFTingkatKesukaranPilihanGanda, ShowsHeadingsBeforeTheFirstShowing) {
    EXPECT_EQ(Row(window.SG, 0),
              (std::vector<std::string>{"No Butir Baru", "No Butir Asli", "Jml Betul",
                                        "Tkt. Kesukaran(%)", "Tafsiran"}));
    EXPECT_EQ(window.SG.RowCount(), 2);
    EXPECT_EQ(window.LButirSoal, "XX");
}

TEST_F(TFTingkatKesukaranPilihanGanda, FillsEveryItemWithItsLevelAndCategory) {
    window.RefreshView();
    EXPECT_EQ(window.LjumSubyek, "20");
    EXPECT_EQ(window.LButirSoal, "3");
    ASSERT_EQ(window.SG.RowCount(), 4);
    EXPECT_EQ(Row(window.SG, 1), (std::vector<std::string>{"1", "4", "7", "35.00", "Sedang"}));
    EXPECT_EQ(Row(window.SG, 2),
              (std::vector<std::string>{"2", "7", "20", "100.00", "Sangat Mudah"}));
    // 15 % is the upper bound of its band.
    EXPECT_EQ(Row(window.SG, 3),
              (std::vector<std::string>{"3", "9", "3", "15.00", "Sangat Sukar"}));
    EXPECT_FALSE(Kesukaran().NeedRecalc);
    EXPECT_FALSE(Kesukaran().NeedRefresh);
}

TEST_F(TFTingkatKesukaranPilihanGanda, FormatsWithTheUsersDecimalSeparator) {
    session.Global().DecimalSeparator = ',';
    window.RefreshView();
    EXPECT_EQ(window.SG.Cell(1, 3), "35,00");
    EXPECT_EQ(window.SG.Cell(2, 3), "100,00");
}

TEST_F(TFTingkatKesukaranPilihanGanda, SecondShowingWithoutNewScoresChangesNothing) {
    window.RefreshView();
    // Were the window to recompute or refill, these would show.
    Kesukaran().Items[0].JumBetul = 99;
    Kesukaran().Items[0].Tafsiran = "dirusak";
    window.RefreshView();
    EXPECT_EQ(window.SG.Cell(1, 2), "7");
    EXPECT_EQ(window.SG.Cell(1, 4), "Sedang");
    EXPECT_EQ(Kesukaran().Items[0].JumBetul, 99);
}

TEST_F(TFTingkatKesukaranPilihanGanda, NewScoresRecomputeAndRefill) {
    window.RefreshView();
    Kesukaran().Items[0].JumBetul = 99;
    std::vector<std::string> answers = TwentySubjects();
    answers[10][0] = 'a'; // one more right answer to item 1
    Score(session, "abc", answers, {"4", "7", "9"});
    window.RefreshView();
    EXPECT_EQ(Row(window.SG, 1), (std::vector<std::string>{"1", "4", "8", "40.00", "Sedang"}));
    EXPECT_FALSE(Kesukaran().NeedRefresh);
}

TEST_F(TFTingkatKesukaranPilihanGanda, RefillsFromResultsComputedElsewhereWithoutRecomputing) {
    // As the summary leaves them: computed, and the window marked to refill.
    Kesukaran().Clear();
    Kesukaran().Compute();
    Kesukaran().Items[1].Tafsiran = "dari rekap";
    window.RefreshView();
    EXPECT_EQ(window.SG.Cell(2, 4), "dari rekap");
    EXPECT_FALSE(Kesukaran().NeedRefresh);
}

TEST_F(TFTingkatKesukaranPilihanGanda, FailedComputationLeavesTheWindowEmptyAndTriesAgain) {
    window.RefreshView();
    session.DataSkor().NoButir[1] = "x"; // a damaged item label
    session.AnalButirSoal().MarkAllForRecalc(true);
    EXPECT_THROW(window.RefreshView(), TaviroError);
    EXPECT_EQ(window.LjumSubyek, "");
    EXPECT_EQ(window.LButirSoal, "");
    ASSERT_EQ(window.SG.RowCount(), 2);
    EXPECT_EQ(Row(window.SG, 1), std::vector<std::string>(5));
    EXPECT_EQ(window.SG.Cell(0, 3), "Tkt. Kesukaran(%)");
    EXPECT_TRUE(Kesukaran().NeedRefresh);

    session.DataSkor().NoButir[1] = "7";
    window.RefreshView();
    EXPECT_EQ(window.SG.RowCount(), 4);
    EXPECT_EQ(window.LjumSubyek, "20");
}

TEST_F(TFTingkatKesukaranPilihanGanda, HighlightsThePercentageColumn) {
    window.RefreshView();
    struct Case {
        int Row, Col;
        CellRole Role;
        CellAlignment Alignment;
    };
    const Case cases[] = {
        {0, 3, CellRole::Heading, CellAlignment::Centre},
        {2, 0, CellRole::Heading, CellAlignment::Centre},
        {1, 3, CellRole::Emphasised, CellAlignment::Left},
        {3, 3, CellRole::Emphasised, CellAlignment::Left},
        {1, 1, CellRole::Normal, CellAlignment::Centre},
        {1, 4, CellRole::Normal, CellAlignment::Centre},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.Row) + "," + std::to_string(c.Col));
        EXPECT_EQ(window.Role(0, c.Row, c.Col), c.Role);
        EXPECT_EQ(window.Alignment(0, c.Row, c.Col), c.Alignment);
    }
}

TEST_F(TFTingkatKesukaranPilihanGanda, ReportAlignsTheCategoryLeftAndTheNumbersRight) {
    window.RefreshView();
    preview.MCetak = {"laporan sebelumnya"};
    // Whatever an earlier report left in the shared formatter.
    session.CetakSG().LastRepeatedCol = 3;
    session.CetakSG().LeftAligned.set(1);
    window.Cetak();
    const std::vector<std::string> expected = {
        "TINGKAT KESUKARAN",
        "=================",
        "",
        "Jumlah Subyek= 20",
        "Butir Soal= 3",
        "Nama berkas: UJIAN.TAV",
        "",
        " No Butir Baru  No Butir Asli  Jml Betul  Tkt. Kesukaran(%)  Tafsiran     ",
        "             1              4          7              35.00  Sedang       ",
        "             2              7         20             100.00  Sangat Mudah ",
        "             3              9          3              15.00  Sangat Sukar ",
        "",
        "",
        "",
    };
    EXPECT_EQ(preview.MCetak, expected);
    EXPECT_EQ(ui.PreviewsShown, 1);

    window.PrintReport(false);
    ASSERT_EQ(preview.MCetak.size(), 2 * expected.size());
    EXPECT_EQ(preview.MCetak[expected.size()], "TINGKAT KESUKARAN");
}

class TFTingkatKesukaranUraian : public ::testing::Test {
protected:
    Session session{AnalyzerKind::Uraian};
    test::FakeUserInterface ui;
    TFMemoCetak preview;
    TFTingkatKesukaran window{session, ui, preview};

    void SetUp() override { session.Global().FileName = "esai.tur"; }
};

// Ten subjects, n = 3; the upper group is subjects 1, 3, 2 and the lower group 8, 9, 10.
const std::vector<std::string> EssayAnswers = {"5,9,1", "4,8,0", "3,10,1", "3,6,2", "2,7,2",
                                               "3,5,3", "1,6,3", "2,2,4",  "3,2,3", "1,*,4"};

TEST_F(TFTingkatKesukaranUraian, ShowsTheLevelFromTheGroupSums) {
    Score(session, "5,10,4", EssayAnswers, {"1", "2", "3"});
    window.RefreshView();
    EXPECT_EQ(Row(window.SG, 0), (std::vector<std::string>{"No Butir Baru", "No Butir Asli",
                                                           "Tkt. Kesukaran(%)", "Tafsiran"}));
    EXPECT_EQ(window.LjumSubyek, "10");
    EXPECT_EQ(window.LButirSoal, "3");
    ASSERT_EQ(window.SG.RowCount(), 4);
    // (12 + 6) / 30, (27 + 4) / 60 and (2 + 11) / 24.
    EXPECT_EQ(Row(window.SG, 1), (std::vector<std::string>{"1", "1", "60.00", "Sedang"}));
    EXPECT_EQ(Row(window.SG, 2), (std::vector<std::string>{"2", "2", "51.67", "Sedang"}));
    EXPECT_EQ(Row(window.SG, 3), (std::vector<std::string>{"3", "3", "54.17", "Sedang"}));
    // The category column is the highlighted one.
    EXPECT_EQ(window.Role(0, 1, 3), CellRole::Emphasised);
    EXPECT_EQ(window.Alignment(0, 1, 3), CellAlignment::Left);
    EXPECT_EQ(window.Role(0, 1, 2), CellRole::Normal);
    EXPECT_FALSE(session.KesukaranUraian()->NeedRefresh);

    window.PrintReport(true);
    const std::vector<std::string> expected = {
        "TINGKAT KESUKARAN",
        "=================",
        "",
        "Jumlah Subyek= 10",
        "Butir Soal= 3",
        "Nama berkas: ESAI.TUR",
        "",
        " No Butir Baru  No Butir Asli  Tkt. Kesukaran(%)  Tafsiran     ",
        "             1              1              60.00  Sedang       ",
        "             2              2              51.67  Sedang       ",
        "             3              3              54.17  Sedang       ",
        "",
        "",
        "",
    };
    EXPECT_EQ(preview.MCetak, expected);
}

TEST_F(TFTingkatKesukaranUraian, TooFewSubjectsForAGroupLeavesTheWindowEmpty) {
    Score(session, "5,10,4", EssayAnswers, {"1", "2", "3"});
    window.RefreshView();
    Score(session, "5,10,4", {"5,9,1"}, {"1", "2", "3"});
    try {
        window.RefreshView();
        FAIL() << "no error";
    } catch (const TaviroError& error) {
        EXPECT_STREQ(
            error.what(),
            "Maaf, tingkat kesukaran tidak bisa dihitung karena jumlah subyek kelompok = 0");
    }
    EXPECT_EQ(window.LjumSubyek, "");
    EXPECT_EQ(window.LButirSoal, "");
    ASSERT_EQ(window.SG.RowCount(), 2);
    EXPECT_EQ(Row(window.SG, 1), std::vector<std::string>(4));
    EXPECT_TRUE(session.KesukaranUraian()->NeedRefresh);
}

} // namespace
} // namespace taviro
