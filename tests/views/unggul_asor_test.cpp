#include "views/unggul_asor.h"

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

struct Subject {
    std::string Nama;
    std::string SkorButir;
    double SkorAkhir;
};

class UnggulAsorTest : public testing::Test {
protected:
    explicit UnggulAsorTest(AnalyzerKind kind = AnalyzerKind::PilihanGanda)
        : session(kind), window(session, ui, preview) {
        session.Global().FileName =
            kind == AnalyzerKind::PilihanGanda ? "/data/uji.tav" : "/data/uji.tur";
        // What the lead connects in the programs: the coordinator tells the window.
        session.AnalButirSoal().OnGroupsStale = [this] { window.GroupsCurrent = false; };
    }

    // The subjects in raw-data order, numbered 101, 102, ...; every analysis is then marked
    // stale, as after a scoring.
    void Score(int jumButir, const std::vector<Subject>& subjects, const Cells& labels,
               const std::string& kunci = "") {
        TDataSkor& skor = session.DataSkor();
        skor.Clear();
        skor.JumButir = jumButir;
        skor.NoButir = labels;
        skor.Kunci = kunci;
        skor.IsUrutkanBerdSkor = false;
        for (std::size_t i = 0; i < subjects.size(); ++i) {
            TItemSkor item;
            item.UrutanAwal = static_cast<int>(i);
            item.NoSubyek = std::to_string(101 + i);
            item.Nama = subjects[i].Nama;
            item.SkorButir = subjects[i].SkorButir;
            item.SkorAkhir = subjects[i].SkorAkhir;
            skor.Add(item);
        }
        session.AnalButirSoal().MarkAllForRecalc(true);
    }

    static Cells Row(const TextGrid& grid, int row) {
        Cells cells;
        for (int col = 0; col < grid.ColCount(); ++col) {
            cells.emplace_back(grid.Cell(row, col));
        }
        return cells;
    }

    static std::vector<Cells> Rows(const TextGrid& grid) {
        std::vector<Cells> rows;
        for (int row = 0; row < grid.RowCount(); ++row) {
            rows.push_back(Row(grid, row));
        }
        return rows;
    }

    Session session;
    test::FakeUserInterface ui;
    TFMemoCetak preview;
    TFUnggulAsor window;
};

// Raw order; the score order is S02 (5.5), S04, S07, S09 (4 each, by raw position), S05, S01,
// S06, S10, S03, S08. With n = 3 the upper group is S02, S04, S07 and the lower S10, S03, S08.
const std::vector<Subject> TenSubjects = {
    {"S01", "1-1-*", 2}, {"S02", "11111", 5.5},
    {"S03", "-----", 0}, {"Nama Yang Sangat Panjang", "111-1", 4},
    {"S05", "1*1-1", 3}, {"S06", "-1---", 1},
    {"S07", "1111-", 4}, {"S08", "*----", 0},
    {"S09", "11-11", 4}, {"S10", "--1--", 1},
};
const Cells TenSubjectLabels = {"2", "4", "6", "8", "9"};
const Cells ItemNumbersRow = {"", "", "", "", "1", "2", "3", "4", "5"};
const Cells PilihanGandaHeadingRow = {
    "No.Urut", "No Subyek", "Kode/Nama Subyek", "Skor", "2", "4", "6", "8", "9"};

TEST_F(UnggulAsorTest, CreatedWithTheHeadingsOfRowOne) {
    for (int g = 0; g < 2; ++g) {
        const TextGrid& grid = window.Grid(g);
        EXPECT_EQ(grid.FixedRows, 2);
        EXPECT_EQ(grid.FixedCols, 1);
        EXPECT_EQ(grid.RowCount(), 3);
        EXPECT_EQ(Row(grid, 1), (Cells{"No.Urut", "No Subyek", "Kode/Nama Subyek", "Skor", ""}));
    }
    EXPECT_FALSE(window.GroupsCurrent);
    EXPECT_EQ(window.GridCount(), 2);
}

TEST_F(UnggulAsorTest, ListsBothGroupsWithTheirRightCounts) {
    Score(5, TenSubjects, TenSubjectLabels);
    window.RefreshView();

    EXPECT_EQ(window.JumKel, 3);
    EXPECT_TRUE(window.GroupsCurrent);
    EXPECT_EQ(Rows(window.SGUnggul),
              (std::vector<Cells>{
                  ItemNumbersRow,
                  PilihanGandaHeadingRow,
                  {"1", "102", "S02", "5.5", "1", "1", "1", "1", "1"},
                  {"2", "104", "Nama Yang Sangat Panjang", "4", "1", "1", "1", "-", "1"},
                  {"3", "107", "S07", "4", "1", "1", "1", "1", "-"},
                  {"", "Jml Jwb Benar", "", "", "3", "3", "3", "2", "2"},
              }));
    EXPECT_EQ(Rows(window.SGAsor), (std::vector<Cells>{
                                       ItemNumbersRow,
                                       PilihanGandaHeadingRow,
                                       {"1", "110", "S10", "1", "-", "-", "1", "-", "-"},
                                       {"2", "103", "S03", "0", "-", "-", "-", "-", "-"},
                                       {"3", "108", "S08", "0", "*", "-", "-", "-", "-"},
                                       {"", "Jml Jwb Benar", "", "", "0", "0", "1", "0", "0"},
                                   }));
}

TEST_F(UnggulAsorTest, LeavesTheScoreListInScoreOrder) {
    Score(5, TenSubjects, TenSubjectLabels);
    window.RefreshView();
    const TDataSkor& skor = session.DataSkor();
    EXPECT_TRUE(skor.IsUrutkanBerdSkor);
    const Cells expected = {"102", "104", "107", "109", "105", "101", "106", "110", "103", "108"};
    Cells actual;
    for (const TItemSkor& item : skor.Items) {
        actual.push_back(item.NoSubyek);
    }
    EXPECT_EQ(actual, expected);
}

TEST_F(UnggulAsorTest, ScoreUsesTheDecimalSeparator) {
    session.Global().DecimalSeparator = ',';
    Score(5, TenSubjects, TenSubjectLabels);
    window.RefreshView();
    EXPECT_EQ(window.SGUnggul.Cell(2, 3), "5,5");
}

TEST_F(UnggulAsorTest, GroupsAreFormedAgainOnlyAfterTheyWentStale) {
    Score(5, TenSubjects, TenSubjectLabels);
    window.RefreshView();
    session.DataSkor().GetItem(0).Nama = "Berubah";
    window.RefreshView();
    EXPECT_EQ(window.SGUnggul.Cell(2, 2), "S02");

    // Marking every analysis (a rescoring, an opened document) reaches the window through the
    // coordinator's hook.
    session.AnalButirSoal().MarkAllForRecalc(true);
    EXPECT_FALSE(window.GroupsCurrent);
    window.RefreshView();
    EXPECT_EQ(window.SGUnggul.Cell(2, 2), "Berubah");
    EXPECT_TRUE(window.GroupsCurrent);
}

TEST_F(UnggulAsorTest, NewScoresGiveNewGroups) {
    Score(5, TenSubjects, TenSubjectLabels);
    window.RefreshView();
    Score(2, {{"A", "1-", 1}, {"B", "11", 2}}, {"1", "2"});
    window.RefreshView();
    EXPECT_EQ(window.JumKel, 1);
    EXPECT_EQ(Rows(window.SGUnggul),
              (std::vector<Cells>{
                  {"", "", "", "", "1", "2"},
                  {"No.Urut", "No Subyek", "Kode/Nama Subyek", "Skor", "1", "2"},
                  {"1", "102", "B", "2", "1", "1"},
                  {"", "Jml Jwb Benar", "", "", "1", "1"},
              }));
    EXPECT_EQ(Row(window.SGAsor, 2), (Cells{"1", "101", "A", "1", "1", "-"}));
}

TEST_F(UnggulAsorTest, OneSubjectShowsTheCountRowWithZeros) {
    Score(3, {{"A", "111", 3}}, {"1", "2", "3"});
    window.RefreshView();
    EXPECT_EQ(window.JumKel, 0);
    for (int g = 0; g < 2; ++g) {
        EXPECT_EQ(Rows(window.Grid(g)),
                  (std::vector<Cells>{
                      {"", "", "", "", "1", "2", "3"},
                      {"No.Urut", "No Subyek", "Kode/Nama Subyek", "Skor", "1", "2", "3"},
                      {"", "Jml Jwb Benar", "", "", "0", "0", "0"},
                  }));
    }
    EXPECT_TRUE(window.GroupsCurrent);
    // Without members the count row is not a closing row.
    EXPECT_EQ(window.Role(0, 2, 1), CellRole::Emphasised);
    EXPECT_EQ(window.Role(0, 2, 4), CellRole::Normal);
}

TEST_F(UnggulAsorTest, NoScoredSubjectsLeavesHeadingsOnly) {
    Score(5, TenSubjects, TenSubjectLabels);
    window.RefreshView();
    Score(5, {}, TenSubjectLabels);
    window.RefreshView();
    EXPECT_FALSE(window.GroupsCurrent);
    for (int g = 0; g < 2; ++g) {
        EXPECT_EQ(Rows(window.Grid(g)),
                  (std::vector<Cells>{
                      Cells(5),
                      {"No.Urut", "No Subyek", "Kode/Nama Subyek", "Skor", ""},
                      Cells(5),
                  }));
    }
}

TEST_F(UnggulAsorTest, CellRoles) {
    Score(5, TenSubjects, TenSubjectLabels);
    window.RefreshView();
    struct Expected {
        int Row;
        int Col;
        CellRole Role;
        CellAlignment Alignment;
    };
    const Expected cases[] = {
        {0, 0, CellRole::Heading, CellAlignment::Centre},
        {0, 5, CellRole::Heading, CellAlignment::Centre},
        {1, 3, CellRole::Heading, CellAlignment::Centre},
        {3, 0, CellRole::Heading, CellAlignment::Centre},
        {3, 3, CellRole::Yellow, CellAlignment::Centre},
        {3, 1, CellRole::Emphasised, CellAlignment::Left},
        {3, 2, CellRole::Normal, CellAlignment::Centre},
        {3, 6, CellRole::Normal, CellAlignment::Centre},
        {5, 1, CellRole::Yellow, CellAlignment::Centre},
        {5, 6, CellRole::Yellow, CellAlignment::Centre},
    };
    for (int g = 0; g < 2; ++g) {
        for (const Expected& c : cases) {
            SCOPED_TRACE(testing::Message()
                         << "grid " << g << " row " << c.Row << " col " << c.Col);
            EXPECT_EQ(window.Role(g, c.Row, c.Col), c.Role);
            EXPECT_EQ(window.Alignment(g, c.Row, c.Col), c.Alignment);
        }
    }
}

// Worked out by hand from the two-grid formatter's rules: widths 7, 13, 16, 4 and 2 for the
// items, columns 0 to 3 repeated (and cut to their width), column 2 left-aligned.
const Cells TenSubjectReport = {
    "KELOMPOK UNGGUL & ASOR",
    "======================",
    "",
    "Kelompok Unggul",
    "Nama berkas: /DATA/UJI.TAV",
    "",
    "                                                  1   2   3   4   5 ",
    " No.Urut      No Subyek  Kode/Nama Subyek  Skor   2   4   6   8   9 ",
    "       1            102  S02                5.5   1   1   1   1   1 ",
    "       2            104  Nama Yang San...     4   1   1   1   -   1 ",
    "       3            107  S07                  4   1   1   1   1   - ",
    "          Jml Jwb Benar                           3   3   3   2   2 ",
    "",
    "",
    "",
    "Kelompok Asor",
    "Nama berkas: /DATA/UJI.TAV",
    "",
    "                                                  1   2   3   4   5 ",
    " No.Urut      No Subyek  Kode/Nama Subyek  Skor   2   4   6   8   9 ",
    "       1            110  S10                  1   -   -   1   -   - ",
    "       2            103  S03                  0   -   -   -   -   - ",
    "       3            108  S08                  0   *   -   -   -   - ",
    "          Jml Jwb Benar                           0   0   1   0   0 ",
    "",
    "",
    "",
};

TEST_F(UnggulAsorTest, CetakReplacesThePreviewAndShowsIt) {
    Score(5, TenSubjects, TenSubjectLabels);
    window.RefreshView();
    preview.MCetak = {"earlier"};
    window.Cetak();
    EXPECT_EQ(preview.MCetak, TenSubjectReport);
    EXPECT_EQ(ui.PreviewsShown, 1);
}

TEST_F(UnggulAsorTest, BatchReportAppends) {
    Score(5, TenSubjects, TenSubjectLabels);
    window.RefreshView();
    preview.MCetak = {"earlier"};
    window.PrintReport(false);
    ASSERT_EQ(preview.MCetak.size(), TenSubjectReport.size() + 1);
    EXPECT_EQ(Cells(preview.MCetak.begin() + 1, preview.MCetak.end()), TenSubjectReport);
}

TEST_F(UnggulAsorTest, FortyItemsPrintInBlocksOfSevenItems) {
    Cells labels;
    for (int i = 1; i <= 40; ++i) {
        labels.push_back(std::to_string(i));
    }
    Score(40, {{"S1", std::string(40, '-'), 0}, {"S2", std::string(40, '1'), 40}}, labels);
    window.RefreshView();
    window.PrintReport(true);

    // The heading lines of the upper group's blocks: columns 0 to 3 (9 + 15 + 18 + 6 = 48
    // characters) start every block, and 48 + 7 * 4 = 76 leaves room for seven items.
    const Cells expectedHeadings = {
        " No.Urut      No Subyek  Kode/Nama Subyek  Skor   1   2   3   4   5   6   7 ",
        " No.Urut      No Subyek  Kode/Nama Subyek  Skor   8   9  10  11  12  13  14 ",
        " No.Urut      No Subyek  Kode/Nama Subyek  Skor  15  16  17  18  19  20  21 ",
        " No.Urut      No Subyek  Kode/Nama Subyek  Skor  22  23  24  25  26  27  28 ",
        " No.Urut      No Subyek  Kode/Nama Subyek  Skor  29  30  31  32  33  34  35 ",
        " No.Urut      No Subyek  Kode/Nama Subyek  Skor  36  37  38  39  40 ",
    };
    Cells headings;
    for (const std::string& line : preview.MCetak) {
        if (line.rfind(" No.Urut", 0) == 0) {
            headings.push_back(line);
        }
    }
    ASSERT_EQ(headings.size(), 12u);
    EXPECT_EQ(Cells(headings.begin(), headings.begin() + 6), expectedHeadings);
    EXPECT_EQ(Cells(headings.begin() + 6, headings.end()), expectedHeadings);
}

class UnggulAsorUraianTest : public UnggulAsorTest {
protected:
    UnggulAsorUraianTest() : UnggulAsorTest(AnalyzerKind::Uraian) {}

    // The result strings in score order, best first, entered in the reverse (raw) order: raw
    // position i is subject 101 + i named S<i + 1> with the score 100 - (its place in score
    // order).
    void ScoreInScoreOrder(int jumButir, const Cells& inScoreOrder, const Cells& labels,
                           const std::string& kunci) {
        std::vector<Subject> subjects;
        const int count = static_cast<int>(inScoreOrder.size());
        for (int i = 0; i < count; ++i) {
            const int place = count - 1 - i;
            subjects.push_back({"S" + std::to_string(i + 1),
                                inScoreOrder[static_cast<std::size_t>(place)],
                                static_cast<double>(100 - place)});
        }
        Score(jumButir, subjects, labels, kunci);
    }
};

// n = 3 of 11. Item 1: upper 4, 5, 3 and lower 1, 2, 3; item 2 the same with the upper 3 blank.
const Cells ElevenSubjects = {
    "4,4", "5,5", "3,*",               // upper group
    "0,0", "5,5", "*,*", "5,5", "0,0", // between the groups
    "1,1", "2,2", "3,3",               // lower group
};
const Cells UraianHeadingRow = {"No Urt", "No Subyek", "Kode/Nama Subyek", "Skor", "1", "2"};

TEST_F(UnggulAsorUraianTest, ListsScorePiecesAndGroupStatistics) {
    ScoreInScoreOrder(2, ElevenSubjects, {"1", "2"}, "5,5");
    window.RefreshView();

    EXPECT_EQ(window.JumKel, 3);
    // Upper item 2: 4 and 5 without the blank, mean 4.5 and sample SD 0.7071.
    EXPECT_EQ(Rows(window.SGUnggul), (std::vector<Cells>{
                                         {"", "", "", "", "1", "2"},
                                         UraianHeadingRow,
                                         {"1", "111", "S11", "100", "4", "4"},
                                         {"2", "110", "S10", "99", "5", "5"},
                                         {"3", "109", "S9", "98", "3", "*"},
                                         {"", "Rata2 Skor", "", "", "4.00", "4.50"},
                                         {"", "Simpang Baku", "", "", "1.00", "0.71"},
                                     }));
    EXPECT_EQ(Rows(window.SGAsor), (std::vector<Cells>{
                                       {"", "", "", "", "1", "2"},
                                       UraianHeadingRow,
                                       {"1", "103", "S3", "92", "1", "1"},
                                       {"2", "102", "S2", "91", "2", "2"},
                                       {"3", "101", "S1", "90", "3", "3"},
                                       {"", "Rata2 Skor", "", "", "2.00", "2.00"},
                                       {"", "Simpang Baku", "", "", "1.00", "1.00"},
                                   }));
    EXPECT_FALSE(session.UnggulAsor()->NeedRefresh);
    // Both statistics rows close the grid.
    EXPECT_EQ(window.Role(0, 5, 4), CellRole::Yellow);
    EXPECT_EQ(window.Role(1, 6, 1), CellRole::Yellow);
    EXPECT_EQ(window.Role(1, 4, 1), CellRole::Emphasised);
}

TEST_F(UnggulAsorUraianTest, RefillsOnlyWhenTheStatisticsAskForIt) {
    ScoreInScoreOrder(2, ElevenSubjects, {"1", "2"}, "5,5");
    window.RefreshView();
    session.DataSkor().GetItem(0).Nama = "Berubah";
    window.RefreshView();
    EXPECT_EQ(window.SGUnggul.Cell(2, 2), "S11");

    // The discrimination recomputing stale statistics makes the window refill.
    session.UnggulAsor()->SetNeedRecalc(true);
    session.PembedaUraian()->Clear();
    session.PembedaUraian()->Compute();
    window.RefreshView();
    EXPECT_EQ(window.SGUnggul.Cell(2, 2), "Berubah");
}

TEST_F(UnggulAsorUraianTest, TooFewSubjectsLeavesTheWindowEmptyAndTriesAgain) {
    ScoreInScoreOrder(2, ElevenSubjects, {"1", "2"}, "5,5");
    window.RefreshView();
    ScoreInScoreOrder(2, {"4,4"}, {"1", "2"}, "5,5");

    try {
        window.RefreshView();
        FAIL() << "expected an error";
    } catch (const TaviroError& error) {
        EXPECT_STREQ(error.what(), "Peringatan: Jumlah subyek kelompok unggul/asor = 0, jumlah "
                                   "subyek terlalu sedikit");
    }
    for (int g = 0; g < 2; ++g) {
        EXPECT_EQ(Rows(window.Grid(g)), (std::vector<Cells>{
                                            Cells(5),
                                            {"No Urt", "No Subyek", "Kode/Nama Subyek", "Skor", ""},
                                        }));
    }
    EXPECT_TRUE(session.UnggulAsor()->NeedRefresh);

    ScoreInScoreOrder(2, ElevenSubjects, {"1", "2"}, "5,5");
    window.RefreshView();
    EXPECT_EQ(window.SGAsor.RowCount(), 7);
}

// Worked out by hand: widths 6, 13, 16, 4 and 4 for the items.
const Cells ElevenSubjectReport = {
    "KELOMPOK UNGGUL & ASOR",
    "======================",
    "",
    "Kelompok Unggul",
    "Nama berkas: /DATA/UJI.TUR",
    "",
    "                                                   1     2 ",
    " No Urt      No Subyek  Kode/Nama Subyek  Skor     1     2 ",
    "      1            111  S11                100     4     4 ",
    "      2            110  S10                 99     5     5 ",
    "      3            109  S9                  98     3     * ",
    "            Rata2 Skor                          4.00  4.50 ",
    "          Simpang Baku                          1.00  0.71 ",
    "",
    "",
    "",
    "Kelompok Asor",
    "Nama berkas: /DATA/UJI.TUR",
    "",
    "                                                   1     2 ",
    " No Urt      No Subyek  Kode/Nama Subyek  Skor     1     2 ",
    "      1            103  S3                  92     1     1 ",
    "      2            102  S2                  91     2     2 ",
    "      3            101  S1                  90     3     3 ",
    "            Rata2 Skor                          2.00  2.00 ",
    "          Simpang Baku                          1.00  1.00 ",
    "",
    "",
    "",
};

TEST_F(UnggulAsorUraianTest, Report) {
    ScoreInScoreOrder(2, ElevenSubjects, {"1", "2"}, "5,5");
    window.RefreshView();
    window.Cetak();
    EXPECT_EQ(preview.MCetak, ElevenSubjectReport);
}

} // namespace
} // namespace taviro
