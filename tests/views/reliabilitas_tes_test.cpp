#include "views/reliabilitas_tes.h"

#include "core/analysis/data_pembeda.h"
#include "core/analysis/data_reliabilitas.h"
#include "core/session.h"
#include "core/taviro_error.h"
#include "support/fake_user_interface.h"
#include "views/memo_cetak.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace taviro {
namespace {

struct Subject {
    std::string NoSubyek;
    std::string Nama;
    std::string SkorButir;
    double SkorAkhir;
};

class ReliabilitasTesTest : public testing::Test {
protected:
    explicit ReliabilitasTesTest(AnalyzerKind kind = AnalyzerKind::PilihanGanda)
        : session(kind), window(session, ui, preview) {
        session.Global().FileName = "/data/uji.tav";
    }

    // The subjects in raw-data order, as a scoring leaves them: every analysis marked stale.
    void Score(int jumButir, const std::vector<Subject>& subjects) {
        TDataSkor& skor = session.DataSkor();
        skor.Clear();
        skor.JumButir = jumButir;
        skor.IsUrutkanBerdSkor = false;
        for (std::size_t i = 0; i < subjects.size(); ++i) {
            TItemSkor item;
            item.UrutanAwal = static_cast<int>(i);
            item.NoSubyek = subjects[i].NoSubyek;
            item.Nama = subjects[i].Nama;
            item.SkorButir = subjects[i].SkorButir;
            item.SkorAkhir = subjects[i].SkorAkhir;
            skor.Add(item);
        }
        skor.ComputeMeanSD();
        session.AnalButirSoal().MarkAllForRecalc(true);
    }

    std::vector<std::string> Row(int row) const {
        std::vector<std::string> cells;
        for (int col = 0; col < window.SG.ColCount(); ++col) {
            cells.emplace_back(window.SG.Cell(row, col));
        }
        return cells;
    }

    Session session;
    test::FakeUserInterface ui;
    TFMemoCetak preview;
    TFReliabilitasTes window;
};

using Cells = std::vector<std::string>;

// The worked example of the split-half computation: four items, half scores (2, 2), (1, 1),
// (2, 0), (0, 0); r = 5/11, reliability 10/16.
const std::vector<Subject> FourSubjects = {
    {"11", "Ani", "1111", 4},
    {"12", "Budi", "11--", 2},
    {"13", "Citra", "1-1-", 2},
    {"14", "Dedi", "----", 0},
};

TEST_F(ReliabilitasTesTest, CreatedWithHeadingsAndOneEmptyRow) {
    EXPECT_EQ(window.SG.RowCount(), 2);
    EXPECT_EQ(Row(0), (Cells{"No.Urut", "No. Subyek", "Kode/Nama Subyek", "Skor Ganjil",
                             "Skor Genap", "Skor Total"}));
    EXPECT_EQ(Row(1), Cells(6));
}

TEST_F(ReliabilitasTesTest, FillsLabelsAndOneRowPerSubject) {
    Score(4, FourSubjects);
    window.RefreshView();

    // Mean 2 and sample SD sqrt(8/3) = 1.633 of the scores 4, 2, 2, 0; r = 0.4545; the
    // reliability is exactly 0.625, which "%4.2f" rounds to the even 0.62.
    EXPECT_EQ(window.LRata2, "2.00");
    EXPECT_EQ(window.LSD, "1.63");
    EXPECT_EQ(window.LKorelasiXY, "0.45");
    EXPECT_EQ(window.LReliabilitas, "0.62");
    ASSERT_EQ(window.SG.RowCount(), 5);
    EXPECT_EQ(Row(1), (Cells{"1", "11", "Ani", "   2", "   2", "   4"}));
    EXPECT_EQ(Row(2), (Cells{"2", "12", "Budi", "   1", "   1", "   2"}));
    EXPECT_EQ(Row(3), (Cells{"3", "13", "Citra", "   2", "   0", "   2"}));
    EXPECT_EQ(Row(4), (Cells{"4", "14", "Dedi", "   0", "   0", "   0"}));
    EXPECT_FALSE(session.Reliabilitas().NeedRefresh);
    EXPECT_FALSE(session.Reliabilitas().NeedRecalc);
}

TEST_F(ReliabilitasTesTest, ConstantHalfShowsNanWithLeadingBlank) {
    Score(2, {{"1", "A", "1-", 1}, {"2", "B", "--", 0}, {"3", "C", "*-", 0}});
    window.RefreshView();
    EXPECT_EQ(window.LKorelasiXY, " NAN");
    EXPECT_EQ(window.LReliabilitas, " NAN");
}

TEST_F(ReliabilitasTesTest, LabelsUseTheDecimalSeparator) {
    session.Global().DecimalSeparator = ',';
    Score(4, FourSubjects);
    window.RefreshView();
    EXPECT_EQ(window.LSD, "1,63");
    EXPECT_EQ(window.LKorelasiXY, "0,45");
}

TEST_F(ReliabilitasTesTest, SecondShowingWithoutNewScoresChangesNothing) {
    Score(4, FourSubjects);
    window.RefreshView();
    // Changed behind the window's back, without a rescoring: neither recomputed nor refilled.
    session.DataSkor().GetItem(0).Nama = "Berubah";
    session.DataSkor().GetItem(0).SkorButir = "----";
    window.RefreshView();
    EXPECT_EQ(Row(1), (Cells{"1", "11", "Ani", "   2", "   2", "   4"}));
    EXPECT_EQ(session.Reliabilitas().GetItem(0).Nama, "Ani");
}

TEST_F(ReliabilitasTesTest, RescoringRecomputesAndRefills) {
    Score(4, FourSubjects);
    window.RefreshView();
    Score(4, {{"21", "Eka", "1-11", 3}, {"22", "Fajar", "1---", 1}});
    window.RefreshView();
    ASSERT_EQ(window.SG.RowCount(), 3);
    EXPECT_EQ(Row(1), (Cells{"1", "21", "Eka", "   2", "   1", "   3"}));
    EXPECT_EQ(Row(2), (Cells{"2", "22", "Fajar", "   1", "   0", "   1"}));
}

TEST_F(ReliabilitasTesTest, RefillAfterSummaryUsesItsResultsWithoutRecomputing) {
    Score(4, FourSubjects);
    // What the summary does: compute on the window's behalf and mark the window for refilling.
    session.Reliabilitas().Clear();
    session.Reliabilitas().Compute();
    session.Reliabilitas().NeedRefresh = true;
    session.DataSkor().GetItem(0).SkorButir = "----";
    window.RefreshView();
    EXPECT_EQ(Row(1), (Cells{"1", "11", "Ani", "   2", "   2", "   4"}));
}

// Raw order P1..P4 scoring 0, 2, 2, 4; the score order is P4, P2, P3, P1.
const std::vector<Subject> ReversedSubjects = {
    {"31", "P1", "----", 0},
    {"32", "P2", "1-1-", 2},
    {"33", "P3", "11--", 2},
    {"34", "P4", "1111", 4},
};

TEST_F(ReliabilitasTesTest, RowsFollowTheScoreListOrderAtComputing) {
    Score(4, ReversedSubjects);
    // The discrimination puts the score list in score order before the reliability is computed.
    session.Pembeda()->Clear();
    session.Pembeda()->Compute();
    window.RefreshView();
    EXPECT_EQ(Row(1), (Cells{"1", "34", "P4", "   2", "   2", "   4"}));
    EXPECT_EQ(Row(4), (Cells{"4", "31", "P1", "   0", "   0", "   0"}));
}

TEST_F(ReliabilitasTesTest, SubjectNumberStaysWithItsEntryWhenTheListWasSortedAfterComputing) {
    Score(4, ReversedSubjects);
    session.Reliabilitas().Clear();
    session.Reliabilitas().Compute();
    session.Reliabilitas().NeedRefresh = true;
    // Sorted between computing and filling: entry 0 of the score list is now P4.
    session.Pembeda()->Clear();
    session.Pembeda()->Compute();
    ASSERT_EQ(session.DataSkor().GetItem(0).NoSubyek, "34");
    window.RefreshView();
    EXPECT_EQ(Row(1), (Cells{"1", "31", "P1", "   0", "   0", "   0"}));
    EXPECT_EQ(Row(4), (Cells{"4", "34", "P4", "   2", "   2", "   4"}));
}

TEST_F(ReliabilitasTesTest, CellRoles) {
    Score(4, FourSubjects);
    window.RefreshView();
    struct Expected {
        int Row;
        int Col;
        CellRole Role;
        CellAlignment Alignment;
    };
    const Expected cases[] = {
        {0, 0, CellRole::Heading, CellAlignment::Centre},
        {0, 1, CellRole::Heading, CellAlignment::Centre},
        {0, 5, CellRole::Heading, CellAlignment::Centre},
        {2, 0, CellRole::Heading, CellAlignment::Centre},
        {2, 5, CellRole::Yellow, CellAlignment::Centre},
        {2, 1, CellRole::Emphasised, CellAlignment::Left},
        {2, 2, CellRole::Normal, CellAlignment::Centre},
        {3, 4, CellRole::Normal, CellAlignment::Centre},
    };
    for (const Expected& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << c.Row << " col " << c.Col);
        EXPECT_EQ(window.Role(0, c.Row, c.Col), c.Role);
        EXPECT_EQ(window.Alignment(0, c.Row, c.Col), c.Alignment);
    }
}

// Lines worked out by hand from the formatter's rules: widths 7, 10, 16 and 11 for the rest,
// column 2 left-aligned, every column in the first block.
const std::vector<std::string> TwoSubjectReport = {
    "RELIABILITAS TES",
    "================",
    "",
    "Rata2= 3.00",
    "Simpang Baku= 1.41",
    "KorelasiXY=  NAN",
    "Reliabilitas Tes=  NAN",
    "Nama berkas: /DATA/UJI.TAV",
    "",
    " No.Urut  No. Subyek  Kode/Nama Subyek  Skor Ganjil   Skor Genap   Skor Total ",
    "       1          11  Ani                         2            2            4 ",
    "       2          12  Budi Santoso ...            2            0            2 ",
    "",
    "",
    "",
};

TEST_F(ReliabilitasTesTest, CetakReplacesThePreviewAndShowsIt) {
    Score(4, {{"11", "Ani", "1111", 4}, {"12", "Budi Santoso Wijaya", "1-1-", 2}});
    window.RefreshView();
    preview.MCetak = {"earlier report"};
    window.Cetak();
    EXPECT_EQ(preview.MCetak, TwoSubjectReport);
    EXPECT_EQ(ui.PreviewsShown, 1);
}

TEST_F(ReliabilitasTesTest, BatchReportAppendsToThePreview) {
    Score(4, {{"11", "Ani", "1111", 4}, {"12", "Budi Santoso Wijaya", "1-1-", 2}});
    window.RefreshView();
    preview.MCetak = {"earlier report"};
    window.PrintReport(false);
    std::vector<std::string> expected = {"earlier report"};
    expected.insert(expected.end(), TwoSubjectReport.begin(), TwoSubjectReport.end());
    EXPECT_EQ(preview.MCetak, expected);
    EXPECT_EQ(ui.PreviewsShown, 0);
}

class ReliabilitasTesUraianTest : public ReliabilitasTesTest {
protected:
    ReliabilitasTesUraianTest() : ReliabilitasTesTest(AnalyzerKind::Uraian) {}
};

TEST_F(ReliabilitasTesUraianTest, HalfScoresAreSumsRoundedToWholeNumbers) {
    // X = 3.5, 1.5, 8 and Y = 3, 0, 2; the totals 6.5 and 1.5 round to the even neighbours.
    Score(3, {{"1", "A", "2.5,3,1", 6.5}, {"2", "B", "1,*,0.5", 1.5}, {"3", "C", "4,2,4", 10}});
    window.RefreshView();
    EXPECT_EQ(Row(1), (Cells{"1", "1", "A", "   4", "   3", "   6"}));
    EXPECT_EQ(Row(2), (Cells{"2", "2", "B", "   2", "   0", "   2"}));
    EXPECT_EQ(Row(3), (Cells{"3", "3", "C", "   8", "   2", "  10"}));
    // Mean 6 and SD sqrt(18.25) = 4.272; r = 0.47522, reliability 0.64427.
    EXPECT_EQ(window.LRata2, "6.00");
    EXPECT_EQ(window.LSD, "4.27");
    EXPECT_EQ(window.LKorelasiXY, "0.48");
    EXPECT_EQ(window.LReliabilitas, "0.64");
}

TEST_F(ReliabilitasTesUraianTest, FailedComputationLeavesTheWindowEmptyAndTriesAgain) {
    Score(3, {{"1", "A", "2.5,3,1", 6.5}, {"2", "B", "1,*,0.5", 1.5}, {"3", "C", "4,2,4", 10}});
    window.RefreshView();
    session.DataSkor().GetItem(1).SkorButir = "1,x,0.5";
    session.AnalButirSoal().MarkAllForRecalc(true);

    EXPECT_THROW(window.RefreshView(), TaviroError);
    EXPECT_EQ(window.LRata2, "");
    EXPECT_EQ(window.LSD, "");
    EXPECT_EQ(window.LKorelasiXY, "");
    EXPECT_EQ(window.LReliabilitas, "");
    ASSERT_EQ(window.SG.RowCount(), 2);
    EXPECT_EQ(Row(1), Cells(6));
    EXPECT_TRUE(session.Reliabilitas().NeedRefresh);

    session.DataSkor().GetItem(1).SkorButir = "1,*,0.5";
    window.RefreshView();
    EXPECT_EQ(window.SG.RowCount(), 4);
    EXPECT_FALSE(session.Reliabilitas().NeedRefresh);
}

} // namespace
} // namespace taviro
