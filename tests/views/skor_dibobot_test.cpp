#include "views/skor_dibobot.h"

#include "core/session.h"
#include "core/taviro_error.h"
#include "support/fake_user_interface.h"
#include "views/edit_bobot.h"
#include "views/memo_cetak.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace taviro {
namespace {

using Rows = std::vector<std::vector<std::string>>;

struct RawSubject {
    std::string Nama;
    std::string Jwb;
};

const std::vector<std::string> Headings = {"No Urt ", "No Subyek", "Kode/Nama", "Benar",
                                           "Salah",   "Kosong",    "Skr Asli",  "Skr Bobot"};

class SkorDibobotTest : public testing::Test {
protected:
    SkorDibobotTest() { session.Global().FileName = "nilai.tav"; }

    void Raw(const std::string& kunci, const std::vector<RawSubject>& subjects) {
        TDataMentah& data = session.DataMentah();
        data.Clear();
        data.Kunci = kunci;
        data.JumButir = static_cast<int>(kunci.size());
        data.JumSubyek = static_cast<int>(subjects.size());
        for (const RawSubject& subject : subjects) {
            data.AddJawaban({subject.Nama, "-1", subject.Jwb});
        }
    }

    // Ani: 3 right, 1 wrong. Budi Santoso: 2 right, 2 blank.
    void TwoSubjects() { Raw("ABCD", {{"Ani", "abcx"}, {"Budi Santoso", "ab**"}}); }

    // "Ganti Bobot" with a user who types the two texts and presses OK.
    void ChangeWeights(const std::string& benar, const std::string& salah) {
        window.SpeedButton2Click([&](TFEditBobot& dialog) {
            dialog.EBobotJwbBenar = benar;
            dialog.EBobotJwbSalah = salah;
            ASSERT_TRUE(dialog.FormClose());
        });
    }

    Rows Cells() const {
        Rows rows;
        for (int row = 0; row < window.SG.RowCount(); ++row) {
            std::vector<std::string> cells;
            for (int col = 0; col < window.SG.ColCount(); ++col) {
                cells.emplace_back(window.SG.Cell(row, col));
            }
            rows.push_back(cells);
        }
        return rows;
    }

    std::vector<std::string> Labels() const {
        return {window.LjumSubyek, window.LButirSoal, window.Lbobotbenar, window.LbobotSalah};
    }

    Session session{AnalyzerKind::PilihanGanda};
    test::FakeUserInterface ui;
    TFMemoCetak preview;
    TFSkorDibobot window{session, ui, preview};
};

TEST_F(SkorDibobotTest, StartsWithTheHeadingsOnly) {
    EXPECT_EQ(Cells(), (Rows{Headings, Rows::value_type(8), Rows::value_type(8)}));
    EXPECT_EQ(Labels(), (std::vector<std::string>{"XX", "XX", "XX", "XX"}));
}

TEST(SkorDibobot, ExistsInTheMultipleChoiceAnalyzerOnly) {
    Session session(AnalyzerKind::Uraian);
    test::FakeUserInterface ui;
    TFMemoCetak preview;
    EXPECT_THROW(TFSkorDibobot(session, ui, preview), std::invalid_argument);
}

TEST_F(SkorDibobotTest, ShowsTheCountsAndBothScoresOfEverySubject) {
    TwoSubjects();
    window.RefreshView();
    EXPECT_EQ(Cells(), (Rows{Headings,
                             {"1", "1", "Ani", "3", "1", "0", "3", "3"},
                             {"2", "2", "Budi Santoso", "2", "0", "2", "2", "2"}}));
    EXPECT_EQ(Labels(), (std::vector<std::string>{"2", "4", "1", "0"}));
    EXPECT_FALSE(window.CBUrutSkor);
}

TEST_F(SkorDibobotTest, NewWeightsRecomputeTheWeightedScoresOnly) {
    // 30 right, 8 wrong, 2 blank; weights 4 and -1 give 4 * 30 - 8 = 112.
    const std::string key(40, 'A');
    Raw(key, {{"Ani", std::string(30, 'a') + std::string(8, 'b') + "**"}});
    window.RefreshView();
    std::vector<std::string> shown;
    window.SpeedButton2Click([&](TFEditBobot& dialog) {
        shown = {dialog.EBobotJwbBenar, dialog.EBobotJwbSalah};
        dialog.EBobotJwbBenar = "4";
        dialog.EBobotJwbSalah = "-1";
        EXPECT_TRUE(dialog.FormClose());
    });
    EXPECT_EQ(shown, (std::vector<std::string>{"1", "0"}));
    EXPECT_EQ(Cells()[1], (std::vector<std::string>{"1", "1", "Ani", "30", "8", "2", "30", "112"}));
    EXPECT_EQ(Labels(), (std::vector<std::string>{"1", "40", "4", "-1"}));
    EXPECT_EQ(session.DataSkor().BobotBetul, 4);
    EXPECT_EQ(session.DataSkor().BobotSalah, -1);
    EXPECT_EQ(session.DataSkor().Rata2, 30) << "the mean belongs to the unweighted score";
}

TEST_F(SkorDibobotTest, AWrongWeightKeepsTheDialogOpenAndBatalChangesNothing) {
    TwoSubjects();
    window.RefreshView();
    const Rows before = Cells();
    window.SpeedButton2Click([&](TFEditBobot& dialog) {
        dialog.EBobotJwbBenar = "4";
        dialog.EBobotJwbSalah = "x";
        EXPECT_FALSE(dialog.FormClose());
        dialog.BitBtn2Click();
        EXPECT_TRUE(dialog.FormClose());
    });
    EXPECT_EQ(ui.Messages, (std::vector<std::string>{"Ada kesalahan di Bobot Jawaban Salah"}));
    EXPECT_EQ(session.DataSkor().BobotBetul, 1);
    EXPECT_EQ(session.DataSkor().BobotSalah, 0);
    EXPECT_EQ(Cells(), before);
    EXPECT_EQ(window.Lbobotbenar, "1");
}

TEST_F(SkorDibobotTest, RescoringResetsTheWeights) {
    TwoSubjects();
    window.RefreshView();
    ChangeWeights("4", "-1");
    EXPECT_EQ(window.SG.Cell(1, 7), "11");

    session.DataMentah().GetJawaban(1).Jwb = "abcd";
    session.DataMentah().IsNeedRecalc = true;
    window.RefreshView();
    EXPECT_EQ(Labels(), (std::vector<std::string>{"2", "4", "1", "0"}));
    for (int row = 1; row <= 2; ++row) {
        EXPECT_EQ(window.SG.Cell(row, 7), window.SG.Cell(row, 3));
    }
    EXPECT_EQ(window.SG.Cell(2, 7), "4");
}

TEST_F(SkorDibobotTest, SortsByTheScoreNotByTheWeightedScore) {
    // Budi: score 2, weighted 2; Ani: score 3, weighted 3 - 5 = -2.
    Raw("ABCD", {{"Budi", "ab**"}, {"Ani", "abcx"}});
    window.RefreshView();
    ChangeWeights("1", "-5");
    window.CBUrutSkor = true;
    window.CBUrutSkorClick();
    EXPECT_TRUE(session.DataSkor().IsUrutkanBerdSkor);
    EXPECT_EQ(Cells(), (Rows{Headings,
                             {"1", "2", "Ani", "3", "1", "0", "3", "-2"},
                             {"2", "1", "Budi", "2", "0", "2", "2", "2"}}));
    window.CBUrutSkor = false;
    window.CBUrutSkorClick();
    EXPECT_EQ(window.SG.Cell(1, 2), "Budi");
}

TEST_F(SkorDibobotTest, FailedScoringLeavesTheWindowAsItWas) {
    TwoSubjects();
    window.RefreshView();
    const Rows before = Cells();
    session.DataMentah().Kunci.clear();
    session.DataMentah().IsNeedRecalc = true;
    EXPECT_THROW(window.RefreshView(), TaviroError);
    EXPECT_EQ(Cells(), before);
    EXPECT_EQ(Labels(), (std::vector<std::string>{"2", "4", "1", "0"}));
}

TEST_F(SkorDibobotTest, AnEmptyListKeepsNoSequenceNumbers) {
    TwoSubjects();
    window.RefreshView();
    session.DataSkor().Clear();
    window.FillGrid();
    EXPECT_EQ(Cells(), (Rows{Headings, Rows::value_type(8)}));
    EXPECT_EQ(window.LjumSubyek, "0");
}

TEST_F(SkorDibobotTest, ReportOfASmallTestWhateverTheRepeatedColumns) {
    TwoSubjects();
    window.RefreshView();
    ChangeWeights("4", "-1");
    // Widths 7, 9, 9 (left-aligned), 5, 5, 6, 8, 9: 74 characters, so one block whatever the
    // number of repeated columns an earlier report left behind.
    const std::vector<std::string> expected = {
        "SKOR DATA DIBOBOT",
        "=================",
        "",
        "Jumlah Subyek         = 2",
        "Butir soal            = 4",
        "Bobot utk jwban benar = 4",
        "Bobot utk jwban salah = -1",
        "Nama berkas: NILAI.TAV",
        "",
        " No Urt   No Subyek  Kode/Nama  Benar  Salah  Kosong  Skr Asli  Skr Bobot ",
        "       1          1  Ani            3      1       0         3         11 ",
        "       2          2  Budi S...      2      0       2         2          8 ",
        "",
        "",
        "",
    };
    for (const int lastRepeatedCol : {0, 1, 3, 7}) {
        SCOPED_TRACE(lastRepeatedCol);
        session.CetakSG().LastRepeatedCol = lastRepeatedCol;
        preview.MCetak = {"an earlier report"};
        window.Cetak();
        EXPECT_EQ(preview.MCetak, expected);
    }
    EXPECT_EQ(ui.PreviewsShown, 4);
}

TEST_F(SkorDibobotTest, ReportOfASortedListSaysSo) {
    TwoSubjects();
    window.RefreshView();
    window.CBUrutSkor = true;
    window.CBUrutSkorClick();
    window.PrintReport(true);
    ASSERT_GE(preview.MCetak.size(), 9u);
    EXPECT_EQ(preview.MCetak[6], "Bobot utk jwban salah = 0");
    EXPECT_EQ(preview.MCetak[7], "Keterangan: data terurut berdasarkan skor (tinggi ke rendah)");
    EXPECT_EQ(preview.MCetak[8], "Nama berkas: NILAI.TAV");
}

TEST_F(SkorDibobotTest, CellRoles) {
    TwoSubjects();
    window.RefreshView();
    struct Case {
        int Row, Col;
        CellRole Role;
        CellAlignment Alignment;
        bool Bold;
    };
    const auto C = CellAlignment::Centre;
    const Case cases[] = {
        {0, 0, CellRole::Heading, C, true},
        {0, 1, CellRole::Heading, C, true},
        {0, 7, CellRole::Heading, C, true},
        {2, 0, CellRole::Heading, C, true},
        // Unlike the score window's, these two columns are in regular type.
        {1, 7, CellRole::MoneyGreen, C, false},
        {1, 6, CellRole::Yellow, C, false},
        {2, 1, CellRole::Emphasised, CellAlignment::Left, true},
        {1, 2, CellRole::Normal, C, false},
        {2, 5, CellRole::Normal, C, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(window.Role(0, c.Row, c.Col), c.Role) << c.Row << "," << c.Col;
        EXPECT_EQ(window.Alignment(0, c.Row, c.Col), c.Alignment) << c.Row << "," << c.Col;
        EXPECT_EQ(window.Bold(0, c.Row, c.Col), c.Bold) << c.Row << "," << c.Col;
    }
}

} // namespace
} // namespace taviro
