#include "views/daya_pembeda.h"

#include "core/analysis/data_pembeda.h"
#include "core/analysis/data_pembeda_uraian.h"
#include "core/analysis/data_unggul_asor.h"
#include "core/session.h"
#include "core/taviro_error.h"
#include "support/fake_user_interface.h"
#include "views/memo_cetak.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace taviro {
namespace {

using Cells = std::vector<std::string>;

class DayaPembedaTest : public testing::Test {
protected:
    explicit DayaPembedaTest(AnalyzerKind kind = AnalyzerKind::PilihanGanda)
        : session(kind), window(session, ui, preview) {
        session.Global().FileName =
            kind == AnalyzerKind::PilihanGanda ? "/data/uji.tav" : "/data/uji.tur";
    }

    // The result strings given in score order, best first; they enter the score list in the
    // reverse (raw) order, so the groups only come out right once the list is put in score
    // order. Every analysis is then marked stale, as after a scoring.
    void Score(int jumButir, const Cells& inScoreOrder, const Cells& labels,
               const std::string& kunci = "") {
        TDataSkor& skor = session.DataSkor();
        skor.Clear();
        skor.JumButir = jumButir;
        skor.NoButir = labels;
        skor.Kunci = kunci;
        skor.IsUrutkanBerdSkor = false;
        const int count = static_cast<int>(inScoreOrder.size());
        for (int i = 0; i < count; ++i) {
            const int place = count - 1 - i;
            TItemSkor item;
            item.UrutanAwal = i;
            item.NoSubyek = std::to_string(i + 1);
            item.Nama = "S" + std::to_string(i + 1);
            item.SkorButir = inScoreOrder[static_cast<std::size_t>(place)];
            item.SkorAkhir = 100 - place;
            skor.Add(item);
        }
        session.AnalButirSoal().MarkAllForRecalc(true);
    }

    Cells Row(int row) const {
        Cells cells;
        for (int col = 0; col < window.SG.ColCount(); ++col) {
            cells.emplace_back(window.SG.Cell(row, col));
        }
        return cells;
    }

    Session session;
    test::FakeUserInterface ui;
    TFMemoCetak preview;
    TFDayaPembeda window;
};

// n = 3 of 10. Item 1: all upper, no lower right; item 2: one upper, two lower; item 3: only the
// middle subjects; item 4: everyone; item 5: two upper (a blank does not count), one lower.
const Cells TenSubjects = {
    "11-11", "1--11", "1-*1-",          // upper group
    "11111", "11111", "11111", "11111", // between the groups
    "-1-11", "-1-1*", "*--1-",          // lower group
};
const Cells TenSubjectLabels = {"1", "2", "4", "5", "7"};

TEST_F(DayaPembedaTest, CreatedWithHeadingsAndPlaceholderLabels) {
    EXPECT_EQ(window.LjumSubyek, "XX");
    EXPECT_EQ(window.LJumKel, "XX");
    EXPECT_EQ(window.LButirSoal, "XX");
    EXPECT_EQ(window.SG.RowCount(), 2);
    EXPECT_EQ(Row(0), (Cells{"No Butir Baru", "No Butir Asli", "Kel. Atas", "Kel. Bawah", "Beda",
                             "Indeks DP (%)"}));
}

TEST_F(DayaPembedaTest, FillsLabelsAndOneRowPerItem) {
    Score(5, TenSubjects, TenSubjectLabels);
    window.RefreshView();

    EXPECT_EQ(window.LjumSubyek, "10");
    EXPECT_EQ(window.LJumKel, "3");
    EXPECT_EQ(window.LButirSoal, "5");
    ASSERT_EQ(window.SG.RowCount(), 6);
    EXPECT_EQ(Row(1), (Cells{"1", "1", "   3", "   0", "   3", "100.00"}));
    EXPECT_EQ(Row(2), (Cells{"2", "2", "   1", "   2", "  -1", "-33.33"}));
    EXPECT_EQ(Row(3), (Cells{"3", "4", "   0", "   0", "   0", "0.00"}));
    EXPECT_EQ(Row(4), (Cells{"4", "5", "   3", "   3", "   0", "0.00"}));
    EXPECT_EQ(Row(5), (Cells{"5", "7", "   2", "   1", "   1", "33.33"}));
    EXPECT_FALSE(session.Pembeda()->NeedRefresh);
}

TEST_F(DayaPembedaTest, IndexUsesTheDecimalSeparator) {
    session.Global().DecimalSeparator = ',';
    Score(5, TenSubjects, TenSubjectLabels);
    window.RefreshView();
    EXPECT_EQ(window.SG.Cell(1, 5), "100,00");
    EXPECT_EQ(window.SG.Cell(2, 5), "-33,33");
    EXPECT_EQ(window.SG.Cell(5, 5), "33,33");
}

TEST_F(DayaPembedaTest, SecondShowingWithoutNewScoresChangesNothing) {
    Score(5, TenSubjects, TenSubjectLabels);
    window.RefreshView();
    // The list is in score order now: its last entry is the worst subject.
    TDataSkor& skor = session.DataSkor();
    skor.GetItem(skor.Count() - 1).SkorButir = "11111";
    window.RefreshView();
    EXPECT_EQ(Row(1), (Cells{"1", "1", "   3", "   0", "   3", "100.00"}));

    // After a rescoring the same change shows: the worst subject now answered item 1 right.
    session.AnalButirSoal().MarkAllForRecalc(true);
    window.RefreshView();
    EXPECT_EQ(Row(1), (Cells{"1", "1", "   3", "   1", "   2", "66.67"}));
}

TEST_F(DayaPembedaTest, TooFewSubjectsLeavesTheWindowEmptyAndTriesAgain) {
    Score(5, TenSubjects, TenSubjectLabels);
    window.RefreshView();
    Score(5, {"11111"}, TenSubjectLabels);

    try {
        window.RefreshView();
        FAIL() << "expected an error";
    } catch (const TaviroError& error) {
        EXPECT_STREQ(error.what(),
                     "Maaf, daya pembeda tidak bisa dihitung karena jumlah subyek kelompok = 0");
    }
    EXPECT_EQ(window.LjumSubyek, "");
    EXPECT_EQ(window.LJumKel, "");
    EXPECT_EQ(window.LButirSoal, "");
    ASSERT_EQ(window.SG.RowCount(), 2);
    EXPECT_EQ(Row(1), Cells(6));
    EXPECT_TRUE(session.Pembeda()->NeedRefresh);

    // The next showing tries again, without a new marking.
    TItemSkor second = session.DataSkor().GetItem(0);
    second.UrutanAwal = 1;
    second.SkorButir = "-----";
    second.SkorAkhir = 0;
    session.DataSkor().Add(second);
    window.RefreshView();
    EXPECT_EQ(window.LJumKel, "1");
    EXPECT_EQ(Row(1), (Cells{"1", "1", "   1", "   0", "   1", "100.00"}));
}

TEST_F(DayaPembedaTest, CellRoles) {
    Score(5, TenSubjects, TenSubjectLabels);
    window.RefreshView();
    EXPECT_EQ(window.Role(0, 0, 3), CellRole::Heading);
    EXPECT_EQ(window.Role(0, 3, 0), CellRole::Heading);
    EXPECT_EQ(window.Role(0, 3, 5), CellRole::Emphasised);
    EXPECT_EQ(window.Role(0, 3, 4), CellRole::Normal);
    EXPECT_EQ(window.Role(0, 3, 1), CellRole::Normal);
    EXPECT_EQ(window.Alignment(0, 3, 5), CellAlignment::Centre);
}

// Worked out by hand from the formatter's rules: widths 13, 13, 10, 10, 4, 14, every column
// right-aligned and in the first block.
const Cells TenSubjectReport = {
    "DAYA PEMBEDA",
    "============",
    "",
    "Jumlah Subyek= 10",
    "Klp atas/bawah(n)= 3",
    "Butir Soal= 5",
    "Nama berkas: /DATA/UJI.TAV",
    "",
    " No Butir Baru  No Butir Asli   Kel. Atas  Kel. Bawah  Beda   Indeks DP (%) ",
    "             1              1           3           0     3          100.00 ",
    "             2              2           1           2    -1          -33.33 ",
    "             3              4           0           0     0            0.00 ",
    "             4              5           3           3     0            0.00 ",
    "             5              7           2           1     1           33.33 ",
    "",
    "",
    "",
};

TEST_F(DayaPembedaTest, ReportIsTheSameWhateverRepeatedColumnAnEarlierReportLeft) {
    Score(5, TenSubjects, TenSubjectLabels);
    window.RefreshView();
    session.CetakSG().LeftAligned.set(2);
    for (const int lastRepeatedCol : {0, 1, 2, 3, 4}) {
        SCOPED_TRACE(lastRepeatedCol);
        session.CetakSG().LastRepeatedCol = lastRepeatedCol;
        window.Cetak();
        EXPECT_EQ(preview.MCetak, TenSubjectReport);
    }
    EXPECT_EQ(ui.PreviewsShown, 5);
}

TEST_F(DayaPembedaTest, BatchReportAppends) {
    Score(5, TenSubjects, TenSubjectLabels);
    window.RefreshView();
    preview.MCetak = {"earlier"};
    window.PrintReport(false);
    ASSERT_EQ(preview.MCetak.size(), TenSubjectReport.size() + 1);
    EXPECT_EQ(preview.MCetak.front(), "earlier");
    EXPECT_EQ(Cells(preview.MCetak.begin() + 1, preview.MCetak.end()), TenSubjectReport);
}

class DayaPembedaUraianTest : public DayaPembedaTest {
protected:
    DayaPembedaUraianTest() : DayaPembedaTest(AnalyzerKind::Uraian) {}
};

// n = 3 of 11, ideal score 5 for both items. Item 1: upper 4, 5, 3 and lower 1, 2, 3; item 2
// the same with the upper 3 left blank. The subjects between the groups score the extremes.
const Cells ElevenSubjects = {
    "4,4", "5,5", "3,*",               // upper group
    "0,0", "5,5", "*,*", "5,5", "0,0", // between the groups
    "1,1", "2,2", "3,3",               // lower group
};

TEST_F(DayaPembedaUraianTest, ShowsGroupStatisticsTValueAndIndex) {
    Score(2, ElevenSubjects, {"1", "2"}, "5,5");
    window.RefreshView();

    EXPECT_EQ(Row(0), (Cells{"No", "No Btr Asli", "Rata2Un", "Rata2As", "Beda", "SB Un", "SB As",
                             "SB Gab", "t", "DP(%)"}));
    EXPECT_EQ(window.LjumSubyek, "11");
    EXPECT_EQ(window.LJumKel, "3");
    EXPECT_EQ(window.LButirSoal, "2");
    ASSERT_EQ(window.SG.RowCount(), 3);
    // SBGab = sqrt(1/3 + 1/3) = 0.8165, t = 2.449, DP = 6 / 15 = 40 %.
    EXPECT_EQ(Row(1),
              (Cells{"1", "1", "4.00", "2.00", "2.00", "1.00", "1.00", "0.82", "2.45", "40.00"}));
    // SBUn = 0.7071, SBGab = sqrt(0.5/3 + 1/3) = 0.7071, t = 3.536, DP = 3 / 15 = 20 %.
    EXPECT_EQ(Row(2),
              (Cells{"2", "2", "4.50", "2.00", "2.50", "0.71", "1.00", "0.71", "3.54", "20.00"}));
    EXPECT_FALSE(session.PembedaUraian()->NeedRefresh);
}

TEST_F(DayaPembedaUraianTest, TValueAndIndexAreEmphasised) {
    for (int col = 0; col < 10; ++col) {
        SCOPED_TRACE(col);
        const CellRole expected = col == 0   ? CellRole::Heading
                                  : col >= 8 ? CellRole::Emphasised
                                             : CellRole::Normal;
        EXPECT_EQ(window.Role(0, 1, col), expected);
        EXPECT_EQ(window.Role(0, 0, col), CellRole::Heading);
    }
}

TEST_F(DayaPembedaUraianTest, StaleGroupStatisticsAreRecomputedBeforeShowing) {
    Score(2, ElevenSubjects, {"1", "2"}, "5,5");
    window.RefreshView();
    // The statistics were emptied and marked (as by a failed group computation) while the index
    // stayed current; the window must not pair the index with missing statistics.
    session.UnggulAsor()->Clear();
    window.RefreshView();
    ASSERT_EQ(window.SG.RowCount(), 3);
    EXPECT_EQ(window.SG.Cell(1, 2), "4.00");
    EXPECT_EQ(window.SG.Cell(2, 9), "20.00");
}

TEST_F(DayaPembedaUraianTest, TooFewSubjectsShowsTheGroupError) {
    Score(2, {"4,4"}, {"1", "2"}, "5,5");
    try {
        window.RefreshView();
        FAIL() << "expected an error";
    } catch (const TaviroError& error) {
        EXPECT_STREQ(error.what(), "Peringatan: Jumlah subyek kelompok unggul/asor = 0, jumlah "
                                   "subyek terlalu sedikit");
    }
    EXPECT_EQ(window.LJumKel, "");
    EXPECT_EQ(window.SG.RowCount(), 2);
    EXPECT_TRUE(session.PembedaUraian()->NeedRefresh);
}

// Worked out by hand: widths 5, 11, 7, 7, 4, 5, 5, 6, 4, 6, every column right-aligned, one
// block, and the legend after the item count.
const Cells ElevenSubjectReport = {
    "DAYA PEMBEDA",
    "============",
    "",
    "Jumlah Subyek= 11",
    "Klp atas/bawah(n)= 3",
    "Butir Soal= 2",
    "Un: Unggul; AS: Asor; SB: Simpang Baku",
    "Nama berkas: /DATA/UJI.TUR",
    "",
    "    No  No Btr Asli  Rata2Un  Rata2As  Beda  SB Un  SB As  SB Gab     t   DP(%) ",
    "     1            1     4.00     2.00  2.00   1.00   1.00    0.82  2.45   40.00 ",
    "     2            2     4.50     2.00  2.50   0.71   1.00    0.71  3.54   20.00 ",
    "",
    "",
    "",
};

TEST_F(DayaPembedaUraianTest, Report) {
    Score(2, ElevenSubjects, {"1", "2"}, "5,5");
    window.RefreshView();
    window.Cetak();
    EXPECT_EQ(preview.MCetak, ElevenSubjectReport);
}

} // namespace
} // namespace taviro
