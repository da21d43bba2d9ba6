#include "views/rekap_butir.h"

#include "core/analysis/data_kesukaran.h"
#include "core/analysis/data_kesukaran_uraian.h"
#include "core/analysis/data_korelasi_butir.h"
#include "core/analysis/data_pembeda.h"
#include "core/analysis/data_pembeda_uraian.h"
#include "core/analysis/data_pengecoh.h"
#include "core/analysis/data_reliabilitas.h"
#include "core/analysis/data_unggul_asor.h"
#include "core/session.h"
#include "core/taviro_error.h"
#include "support/fake_user_interface.h"
#include "views/korelasi_butir.h"
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

void Score(Session& session, const std::string& kunci, int items,
           const std::vector<std::string>& answers, const std::vector<std::string>& labels) {
    TDataMentah& mentah = session.DataMentah();
    mentah.Clear();
    mentah.JumButir = items;
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

// Key "abcd"; test scores 4, 3, 3, 3, 3, 2, 2, 2, 1, 2 (n = 3: subjects 1, 2, 3 above, 8, 10, 9
// below); item 4 is right for everybody.
const std::vector<std::string> PilihanGandaAnswers = {"abcd", "abad", "accd", "dbcd", "ab*d",
                                                      "cbad", "bacd", "bbdd", "ccbd", "dacd"};

class TFRekapButirPilihanGanda : public ::testing::Test {
protected:
    Session session{AnalyzerKind::PilihanGanda};
    test::FakeUserInterface ui;
    TFMemoCetak preview;
    TFRekapButir window{session, ui, preview};

    void SetUp() override {
        session.Global().FileName = "ujian.tav";
        Score(session, "abcd", 4, PilihanGandaAnswers, {"1", "2", "5", "6"});
    }
    std::vector<TDataHitung*> SummarisedAnalyses() {
        return {session.Pembeda(), &session.Reliabilitas(), session.Kesukaran(),
                &session.KorelasiButir()};
    }
};

TEST_F(TFRekapButirPilihanGanda, ShowsTheMainResultsOfEveryItem) {
    EXPECT_EQ(Row(window.SG, 0),
              (std::vector<std::string>{"Btr Baru", "Btr Asli", "D.Pembeda(%)", "T. Kesukaran",
                                        "Korelasi", "Sign. Korelasi"}));
    window.RefreshView();
    // Mean 2.5, sample SD 0.84984; odd halves against even halves r = -0.11664, reliability
    // 2r / (1 + r) = -0.26409.
    EXPECT_EQ(window.LRata2, "2.50");
    EXPECT_EQ(window.LSD, "0.85");
    EXPECT_EQ(window.LKorelasiXY, "-0.12");
    EXPECT_EQ(window.LReliabilitas, "-0.26");
    EXPECT_EQ(window.LButirSoal, "4");
    EXPECT_EQ(window.LjumSubyek, "10");
    ASSERT_EQ(window.SG.RowCount(), 5);
    EXPECT_EQ(Row(window.SG, 1), (std::vector<std::string>{"1", "1", "100.00", "Sedang", "0.760",
                                                           "Sangat Signifikan"}));
    EXPECT_EQ(Row(window.SG, 2),
              (std::vector<std::string>{"2", "2", "33.33", "Sedang", "0.506", "-"}));
    EXPECT_EQ(Row(window.SG, 3),
              (std::vector<std::string>{"3", "5", "33.33", "Sedang", "0.372", "-"}));
    // Right for everybody: no discrimination, and no correlation.
    EXPECT_EQ(Row(window.SG, 4),
              (std::vector<std::string>{"4", "6", "0.00", "Sangat Mudah", " NAN", "NAN"}));
}

TEST_F(TFRekapButirPilihanGanda, ComputesTheStaleAnalysesAndMarksTheirWindows) {
    TFKorelasiButir korelasiWindow(session, ui, preview);
    window.RefreshView();
    for (TDataHitung* analysis : SummarisedAnalyses()) {
        EXPECT_FALSE(analysis->NeedRecalc);
        EXPECT_TRUE(analysis->NeedRefresh);
    }
    // The distractors are no part of the summary.
    EXPECT_EQ(session.Pengecoh()->Count(), 0);

    // The correlation window refills from what the summary computed, without computing again.
    session.KorelasiButir().Items[1].Korelasi = 0.1234;
    korelasiWindow.RefreshView();
    EXPECT_EQ(korelasiWindow.SG.Cell(2, 2), "0.123");
    EXPECT_FALSE(session.KorelasiButir().NeedRefresh);
}

TEST_F(TFRekapButirPilihanGanda, ShowsCurrentResultsWithoutComputingThemAgain) {
    window.RefreshView();
    session.Pembeda()->Items[0].IndeksDP = 12.5;
    session.Kesukaran()->Items[1].Tafsiran = "Mudah";
    session.KorelasiButir().Items[2].Signifikansi = "Signifikan";
    session.Reliabilitas().KorelasiXY = 0.5;
    // Edited raw data that was not rescored: the summary uses the scores as they are.
    session.DataMentah().GetJawaban(0).Jwb = "dddd";
    session.DataMentah().IsNeedRecalc = true;
    window.RefreshView();
    EXPECT_EQ(window.SG.Cell(1, 2), "12.50");
    EXPECT_EQ(window.SG.Cell(2, 3), "Mudah");
    EXPECT_EQ(window.SG.Cell(3, 5), "Signifikan");
    EXPECT_EQ(window.LKorelasiXY, "0.50");
    EXPECT_EQ(window.LRata2, "2.50");
}

TEST_F(TFRekapButirPilihanGanda, NewScoresAreSummarisedAgain) {
    window.RefreshView();
    session.Pembeda()->Items[0].IndeksDP = 12.5;
    // Subject 9 now answers item 2 right as well: scores 4, 3, 3, 3, 3, 2, 2, 2, 2, 2.
    std::vector<std::string> answers = PilihanGandaAnswers;
    answers[8] = "cbbd";
    Score(session, "abcd", 4, answers, {"1", "2", "5", "6"});
    window.RefreshView();
    EXPECT_EQ(window.LRata2, "2.60");
    EXPECT_EQ(window.LSD, "0.70");
    EXPECT_EQ(Row(window.SG, 1), (std::vector<std::string>{"1", "1", "100.00", "Sedang", "0.800",
                                                           "Sangat Signifikan"}));
    EXPECT_EQ(Row(window.SG, 2),
              (std::vector<std::string>{"2", "2", "0.00", "Sedang", "0.263", "-"}));
}

TEST_F(TFRekapButirPilihanGanda, FailedDiscriminationStopsTheRefreshWhereItFails) {
    window.RefreshView();
    Score(session, "abcd", 4, {"abcd"}, {"1", "2", "5", "6"});
    try {
        window.RefreshView();
        FAIL() << "no error";
    } catch (const TaviroError& error) {
        EXPECT_STREQ(error.what(),
                     "Maaf, daya pembeda tidak bisa dihitung karena jumlah subyek kelompok = 0");
    }
    // Emptied before the discrimination failed.
    EXPECT_EQ(window.LjumSubyek, "");
    EXPECT_EQ(window.LButirSoal, "");
    ASSERT_EQ(window.SG.RowCount(), 2);
    EXPECT_EQ(Row(window.SG, 1), std::vector<std::string>(6));
    // Never reached: their labels keep what they showed, and they stay stale.
    EXPECT_EQ(window.LRata2, "2.50");
    EXPECT_EQ(window.LReliabilitas, "-0.26");
    EXPECT_TRUE(session.Reliabilitas().NeedRecalc);
    EXPECT_TRUE(session.Kesukaran()->NeedRecalc);
    EXPECT_TRUE(session.KorelasiButir().NeedRecalc);
}

TEST_F(TFRekapButirPilihanGanda, FormatsWithTheUsersDecimalSeparator) {
    session.Global().DecimalSeparator = ',';
    window.RefreshView();
    EXPECT_EQ(window.LRata2, "2,50");
    EXPECT_EQ(window.LKorelasiXY, "-0,12");
    EXPECT_EQ(window.SG.Cell(2, 2), "33,33");
    EXPECT_EQ(window.SG.Cell(1, 4), "0,760");
}

TEST_F(TFRekapButirPilihanGanda, HeadingsOnHeaderColourEverythingElsePlain) {
    window.RefreshView();
    EXPECT_EQ(window.Role(0, 0, 3), CellRole::Heading);
    EXPECT_EQ(window.Role(0, 4, 0), CellRole::Heading);
    EXPECT_EQ(window.Role(0, 1, 2), CellRole::Normal);
    EXPECT_EQ(window.Role(0, 4, 5), CellRole::Normal);
    EXPECT_EQ(window.Alignment(0, 2, 3), CellAlignment::Centre);
}

TEST_F(TFRekapButirPilihanGanda, ReportPrintsOneBlockOfEightyCharacterLines) {
    window.RefreshView();
    const std::vector<std::string> expected = {
        "REKAP ANALISIS BUTIR",
        "=====================",
        "",
        "Rata2= 2.50",
        "Simpang Baku= 0.85",
        "KorelasiXY= -0.12",
        "Reliabilitas Tes= -0.26",
        "Butir Soal= 4",
        "Jumlah Subyek= 10",
        "Nama berkas: UJIAN.TAV",
        "",
        " Btr Baru  Btr Asli  D.Pembeda(%)  T. Kesukaran  Korelasi  Sign. Korelasi       ",
        "        1         1        100.00  Sedang           0.760  Sangat Signifikan    ",
        "        2         2         33.33  Sedang           0.506  -                    ",
        "        3         5         33.33  Sedang           0.372  -                    ",
        "        4         6          0.00  Sangat Mudah       NAN  NAN                  ",
        "",
        "",
        "",
    };
    // Whatever an earlier report left in the shared formatter.
    for (int lastRepeatedCol : {1, 2, 3}) {
        SCOPED_TRACE(lastRepeatedCol);
        session.CetakSG().LastRepeatedCol = lastRepeatedCol;
        session.CetakSG().LeftAligned.set(0);
        window.Cetak();
        EXPECT_EQ(preview.MCetak, expected);
        for (std::size_t line = 11; line < 16; ++line) {
            EXPECT_EQ(preview.MCetak.at(line).size(), 80u);
        }
    }
    EXPECT_EQ(ui.PreviewsShown, 3);
}

// Ten subjects, ideal scores 5, 10 and 4; n = 3 with subjects 1, 3, 2 above and 8, 9, 10 below.
const std::vector<std::string> UraianAnswers = {"5,9,1", "4,8,0", "3,10,1", "3,6,2", "2,7,2",
                                                "3,5,3", "1,6,3", "2,2,4",  "3,2,3", "1,*,4"};

class TFRekapButirUraian : public ::testing::Test {
protected:
    Session session{AnalyzerKind::Uraian};
    test::FakeUserInterface ui;
    TFMemoCetak preview;
    TFRekapButir window{session, ui, preview};

    void SetUp() override {
        session.Global().FileName = "esai.tur";
        Score(session, "5,10,4", 3, UraianAnswers, {"1", "2", "3"});
    }
};

TEST_F(TFRekapButirUraian, AddsTheTValuesOfTheGroups) {
    EXPECT_EQ(Row(window.SG, 0),
              (std::vector<std::string>{"No", "No Btr Asli", "T", "DP(%)", "T. Kesukaran",
                                        "Korelasi", "Sign. Korelasi"}));
    window.RefreshView();
    EXPECT_EQ(window.LRata2, "10.50");
    EXPECT_EQ(window.LSD, "2.95");
    EXPECT_EQ(window.LKorelasiXY, "-0.47");
    EXPECT_EQ(window.LReliabilitas, "-1.76");
    EXPECT_EQ(window.LButirSoal, "3");
    EXPECT_EQ(window.LjumSubyek, "10");
    ASSERT_EQ(window.SG.RowCount(), 4);
    // Item 1: means 4 and 2, SDs 1 and 1, t = 2 / sqrt(2/3) = 2.449; DP 6 / 15; 18 / 30 = 60 %.
    EXPECT_EQ(Row(window.SG, 1), (std::vector<std::string>{"1", "1", "2.45", "40.00", "Sedang",
                                                           "0.736", "Sangat Signifikan"}));
    // Item 2: lower scores 2, 2 and a blank: t = 7 / sqrt(1/3) = 12.124; DP 23 / 30.
    EXPECT_EQ(Row(window.SG, 2), (std::vector<std::string>{"2", "2", "12.12", "76.67", "Sedang",
                                                           "0.959", "Sangat Signifikan"}));
    EXPECT_EQ(Row(window.SG, 3),
              (std::vector<std::string>{"3", "3", "-6.36", "-75.00", "Sedang", "-0.830", "-"}));
    for (TDataHitung* analysis : std::vector<TDataHitung*>{
             session.PembedaUraian(), session.UnggulAsor(), &session.Reliabilitas(),
             session.KesukaranUraian(), &session.KorelasiButir()}) {
        EXPECT_FALSE(analysis->NeedRecalc);
        EXPECT_TRUE(analysis->NeedRefresh);
    }
}

TEST_F(TFRekapButirUraian, ReportCutsNumbersTooWideForTheirColumns) {
    window.RefreshView();
    window.PrintReport(true);
    const std::vector<std::string> expected = {
        "REKAP ANALISIS BUTIR",
        "=====================",
        "",
        "Rata2= 10.50",
        "Simpang Baku= 2.95",
        "KorelasiXY= -0.47",
        "Reliabilitas Tes= -1.76",
        "Butir Soal= 3",
        "Jumlah Subyek= 10",
        "Nama berkas: ESAI.TUR",
        "",
        "   No  No Btr Asli     T  DP(%)  T. Kesukaran  Korelasi  Sign. Korelasi     ",
        "    1            1  2.45  40.00  Sedang           0.736  Sangat Signifikan  ",
        "    2            2  1...  76.67  Sedang           0.959  Sangat Signifikan  ",
        "    3            3  -...  -7...  Sedang          -0.830  -                  ",
        "",
        "",
        "",
    };
    EXPECT_EQ(preview.MCetak, expected);
}

TEST_F(TFRekapButirUraian, StaleGroupStatisticsAreComputedWithTheIndex) {
    window.RefreshView();
    // As a failed computation of the group window leaves the statistics: cleared and stale.
    session.UnggulAsor()->Clear();
    window.RefreshView();
    EXPECT_FALSE(session.UnggulAsor()->NeedRecalc);
    EXPECT_EQ(window.SG.Cell(2, 2), "12.12");
}

TEST_F(TFRekapButirUraian, TooFewSubjectsForTheGroups) {
    Score(session, "5,10,4", 3, {"5,9,1"}, {"1", "2", "3"});
    try {
        window.RefreshView();
        FAIL() << "no error";
    } catch (const TaviroError& error) {
        EXPECT_STREQ(error.what(), "Peringatan: Jumlah subyek kelompok unggul/asor = 0, jumlah "
                                   "subyek terlalu sedikit");
    }
    EXPECT_EQ(window.LjumSubyek, "");
    EXPECT_EQ(window.SG.RowCount(), 2);
    EXPECT_TRUE(session.PembedaUraian()->NeedRecalc);
}

} // namespace
} // namespace taviro
