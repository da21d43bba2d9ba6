#include "views/korelasi_butir.h"

#include "core/analysis/data_korelasi_butir.h"
#include "core/session.h"
#include "core/taviro_error.h"
#include "support/fake_user_interface.h"
#include "views/info_batas_sig.h"
#include "views/memo_cetak.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
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

// Key "abcd"; test scores 4, 3, 3, 3, 3, 2, 2, 2, 1, 2; item 4 right for everybody.
const std::vector<std::string> Answers = {"abcd", "abad", "accd", "dbcd", "ab*d",
                                          "cbad", "bacd", "bbdd", "ccbd", "dacd"};

void Score(Session& session, const std::vector<std::string>& answers) {
    TDataMentah& mentah = session.DataMentah();
    mentah.Clear();
    mentah.JumButir = 4;
    mentah.JumPilihan = 4;
    mentah.JumSubyek = static_cast<int>(answers.size());
    mentah.Kunci = "abcd";
    mentah.NoButir = {"1", "2", "5", "6"};
    for (const std::string& jwb : answers) {
        TJawaban jawaban;
        jawaban.Jwb = jwb;
        mentah.AddJawaban(jawaban);
    }
    session.DataSkor().ScoreAll(mentah, session.AnalButirSoal());
}

class TFKorelasiButirTest : public ::testing::Test {
protected:
    Session session{AnalyzerKind::PilihanGanda};
    test::FakeUserInterface ui;
    TFMemoCetak preview;
    TFKorelasiButir window{session, ui, preview};

    void SetUp() override {
        session.Global().FileName = "ujian.tav";
        Score(session, Answers);
    }
    TDataKorelasiButir& Korelasi() { return session.KorelasiButir(); }
};

TEST_F(TFKorelasiButirTest, ShowsEveryItemsCorrelationAndSignificance) {
    EXPECT_EQ(Row(window.SG, 0), (std::vector<std::string>{"No Butir Baru", "No Butir Asli",
                                                           "Korelasi", "Signifikansi"}));
    window.RefreshView();
    EXPECT_EQ(window.LjumSubyek, "10");
    EXPECT_EQ(window.LButirSoal, "4");
    ASSERT_EQ(window.SG.RowCount(), 5);
    // Point-biserial coefficients 0.75955, 0.50637, 0.37210 against the row of df 10.
    EXPECT_EQ(Row(window.SG, 1),
              (std::vector<std::string>{"1", "1", "0.760", "Sangat Signifikan"}));
    EXPECT_EQ(Row(window.SG, 2), (std::vector<std::string>{"2", "2", "0.506", "-"}));
    EXPECT_EQ(Row(window.SG, 3), (std::vector<std::string>{"3", "5", "0.372", "-"}));
    // Right for every subject: undefined, in both result columns.
    EXPECT_EQ(Row(window.SG, 4), (std::vector<std::string>{"4", "6", " NAN", "NAN"}));
    EXPECT_FALSE(Korelasi().NeedRefresh);
}

TEST_F(TFKorelasiButirTest, FormatsCoefficientsToThreeDecimals) {
    struct Case {
        double Korelasi;
        char Separator;
        const char* Text;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        {0.4567, '.', "0.457"},
        {0.4567, ',', "0,457"},
        {-0.05, '.', "-0.050"},
        {1.0, '.', "1.000"},
        {nan, '.', " NAN"},
        // Undefined coefficients carry the sign bit; no sign is shown.
        {std::copysign(nan, -1.0), ',', " NAN"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        Korelasi().Clear();
        Korelasi().Compute();
        Korelasi().Items[0].Korelasi = c.Korelasi;
        session.Global().DecimalSeparator = c.Separator;
        window.RefreshView();
        EXPECT_EQ(window.SG.Cell(1, 2), c.Text);
    }
}

TEST_F(TFKorelasiButirTest, SecondShowingWithoutNewScoresChangesNothingAndNewScoresRefill) {
    window.RefreshView();
    Korelasi().Items[0].Signifikansi = "dirusak";
    window.RefreshView();
    EXPECT_EQ(window.SG.Cell(1, 3), "Sangat Signifikan");
    EXPECT_EQ(Korelasi().Items[0].Signifikansi, "dirusak");

    // Subject 9 now answers item 2 right as well.
    std::vector<std::string> answers = Answers;
    answers[8] = "cbbd";
    Score(session, answers);
    window.RefreshView();
    EXPECT_EQ(Row(window.SG, 1),
              (std::vector<std::string>{"1", "1", "0.800", "Sangat Signifikan"}));
    EXPECT_EQ(Row(window.SG, 2), (std::vector<std::string>{"2", "2", "0.263", "-"}));
    EXPECT_FALSE(Korelasi().NeedRefresh);
}

TEST_F(TFKorelasiButirTest, FailedComputationLeavesTheWindowEmpty) {
    window.RefreshView();
    session.DataSkor().NoButir[3] = "6a";
    session.AnalButirSoal().MarkAllForRecalc(true);
    EXPECT_THROW(window.RefreshView(), TaviroError);
    EXPECT_EQ(window.LjumSubyek, "");
    EXPECT_EQ(window.LButirSoal, "");
    ASSERT_EQ(window.SG.RowCount(), 2);
    EXPECT_EQ(Row(window.SG, 1), std::vector<std::string>(4));
    EXPECT_TRUE(Korelasi().NeedRefresh);
}

TEST_F(TFKorelasiButirTest, CentresEveryCellAndColoursOnlyTheHeadings) {
    window.RefreshView();
    EXPECT_EQ(window.Role(0, 0, 2), CellRole::Heading);
    EXPECT_EQ(window.Role(0, 3, 0), CellRole::Heading);
    EXPECT_EQ(window.Role(0, 1, 2), CellRole::Normal);
    EXPECT_EQ(window.Role(0, 4, 3), CellRole::Normal);
    EXPECT_EQ(window.Alignment(0, 1, 3), CellAlignment::Centre);
}

TEST_F(TFKorelasiButirTest, ReportEndsWithTheSignificanceTableBetweenEmptyLines) {
    window.RefreshView();
    // An earlier report's settings: with these widths they change nothing.
    session.CetakSG().LastRepeatedCol = 3;
    session.CetakSG().LeftAligned.set(1);
    window.Cetak();
    std::vector<std::string> expected = {
        "KORELASI SKOR BUTIR DG SKOR TOTAL",
        "=================================",
        "",
        "Jumlah Subyek= 10",
        "Butir Soal= 4",
        "Nama berkas: UJIAN.TAV",
        "",
        " No Butir Baru  No Butir Asli       Korelasi  Signifikansi         ",
        "             1              1          0.760  Sangat Signifikan    ",
        "             2              2          0.506  -                    ",
        "             3              5          0.372  -                    ",
        "             4              6            NAN  NAN                  ",
        "",
        "",
        "",
        "",
    };
    const std::vector<std::string>& info = TFInfoBatasSIg::Lines();
    expected.insert(expected.end(), info.begin(), info.end());
    expected.emplace_back("");
    EXPECT_EQ(preview.MCetak, expected);
    EXPECT_EQ(ui.PreviewsShown, 1);
    // The footer does not stay behind for the next report.
    EXPECT_TRUE(session.CetakSG().FooterLines.empty());
}

TEST(TFKorelasiButirUraian, CorrelatesTheItemScoresWithTheTestScore) {
    Session session{AnalyzerKind::Uraian};
    test::FakeUserInterface ui;
    TFMemoCetak preview;
    TFKorelasiButir window{session, ui, preview};
    TDataMentah& mentah = session.DataMentah();
    mentah.JumButir = 3;
    mentah.Kunci = "5,10,4";
    for (const char* jwb : {"5,9,1", "4,8,0", "3,10,1", "3,6,2", "2,7,2", "3,5,3", "1,6,3", "2,2,4",
                            "3,2,3", "1,*,4"}) {
        TJawaban jawaban;
        jawaban.Jwb = jwb;
        mentah.AddJawaban(jawaban);
    }
    mentah.JumSubyek = mentah.JawabanCount();
    session.DataSkor().ScoreAll(mentah, session.AnalButirSoal());
    window.RefreshView();
    ASSERT_EQ(window.SG.RowCount(), 4);
    // 0.73641, 0.95937 and -0.82980; a blank counts as 0.
    EXPECT_EQ(Row(window.SG, 1),
              (std::vector<std::string>{"1", "1", "0.736", "Sangat Signifikan"}));
    EXPECT_EQ(Row(window.SG, 2),
              (std::vector<std::string>{"2", "2", "0.959", "Sangat Signifikan"}));
    EXPECT_EQ(Row(window.SG, 3), (std::vector<std::string>{"3", "3", "-0.830", "-"}));
}

} // namespace
} // namespace taviro
