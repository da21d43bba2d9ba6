#include "views/skor.h"

#include "core/session.h"
#include "core/taviro_error.h"
#include "support/fake_user_interface.h"
#include "views/memo_cetak.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace taviro {
namespace {

using Rows = std::vector<std::vector<std::string>>;

struct RawSubject {
    std::string Nama;
    std::string NoSubyek;
    std::string Jwb;
};

const std::string LongName = "Citra Kirana Dewi Lestari Putri";

class SkorTest : public testing::Test {
protected:
    explicit SkorTest(AnalyzerKind kind = AnalyzerKind::PilihanGanda)
        : session(kind), window(session, ui, preview) {
        session.Global().FileName = "contoh.tav";
        session.Global().FileVersion = "4.0.2";
    }

    // The raw data as the editor leaves it: marked for rescoring.
    void Raw(const std::string& kunci, int items, const std::vector<RawSubject>& subjects,
             const std::vector<std::string>& noButir = {}) {
        TDataMentah& data = session.DataMentah();
        data.Clear();
        data.Kunci = kunci;
        data.JumButir = items;
        data.JumSubyek = static_cast<int>(subjects.size());
        data.NoButir = noButir;
        for (const RawSubject& subject : subjects) {
            data.AddJawaban({subject.Nama, subject.NoSubyek, subject.Jwb});
        }
    }

    // Key A#D with labels 5, 6, 7: Ani 1-1 (2), Budi 111 (3), Citra -*- (0).
    void ThreeSubjects() {
        Raw("A#D", 3, {{"Ani", "-1", "abd"}, {"Budi", "B-07", "a#d"}, {LongName, "-1", "b*c"}},
            {"5", "6", "7"});
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

    std::vector<std::string> Column(int col) const {
        std::vector<std::string> cells;
        for (int row = 3; row < window.SG.RowCount(); ++row) {
            cells.emplace_back(window.SG.Cell(row, col));
        }
        return cells;
    }

    std::string RefreshError() {
        try {
            window.RefreshView();
        } catch (const TaviroError& error) {
            return error.what();
        }
        return "";
    }

    Session session;
    test::FakeUserInterface ui;
    TFMemoCetak preview;
    TFSkor window;
};

const std::vector<std::string> HeadingRow0 = {"Nomor", "Nomor ", "No. Butir Baru ----->", "Skor"};
const std::vector<std::string> HeadingRow1 = {"Urut", "Subyek", " No. Butir Asli --->", "    "};

TEST_F(SkorTest, StartsWithTheFixedHeadingsOnly) {
    EXPECT_EQ(Cells(), (Rows{HeadingRow0, HeadingRow1, {"", "", "", ""}}));
    EXPECT_EQ(window.SG.FixedRows, 2);
    EXPECT_EQ(window.SG.FixedCols, 1);
    EXPECT_EQ(window.LRata2, "XX");
    EXPECT_EQ(window.LSD, "XX");
}

TEST_F(SkorTest, ShowsEverySubjectUnderTheItemNumbersAndTheKey) {
    ThreeSubjects();
    window.RefreshView();
    const Rows expected = {
        {"Nomor", "Nomor ", "No. Butir Baru ----->", "Skor", "1", "2", "3"},
        {"Urut", "Subyek", " No. Butir Asli --->", "    ", "5", "6", "7"},
        {"", "", " Nama Subyek | Kunci ->", "   ", "A", "", "D"},
        {"1", "1", "Ani", "2", "1", "-", "1"},
        {"2", "B-07", "Budi", "3", "1", "1", "1"},
        {"3", "3", LongName, "0", "-", "*", "-"},
    };
    EXPECT_EQ(Cells(), expected);
    // Scores 2, 3, 0: mean 5/3, sample standard deviation sqrt(7/3) = 1.5275.
    EXPECT_EQ(window.LRata2, "1.67");
    EXPECT_EQ(window.LSD, "1.53");
    EXPECT_FALSE(window.CBUrutSkor);
    EXPECT_TRUE(ui.Errors.empty());
}

TEST_F(SkorTest, NumbersFollowTheUsersDecimalSeparator) {
    session.Global().DecimalSeparator = ',';
    ThreeSubjects();
    window.RefreshView();
    EXPECT_EQ(window.LRata2, "1,67");
    EXPECT_EQ(window.LSD, "1,53");
    session.DataSkor().GetItem(0).SkorAkhir = 7.5;
    window.FillGrid();
    EXPECT_EQ(window.SG.Cell(3, 3), "7,5");
}

TEST_F(SkorTest, CheckBoxSortsByScoreAndBackToRawOrder) {
    // Dedi ties with Ani: equal scores keep the raw-data order.
    Raw("A#D", 3,
        {{"Ani", "-1", "abd"},
         {"Budi", "-1", "a#d"},
         {"Citra", "-1", "b*c"},
         {"Dedi", "-1", "a#c"}});
    window.RefreshView();
    session.DataMentah().IsChanged = false;

    window.CBUrutSkor = true;
    window.CBUrutSkorClick();
    EXPECT_TRUE(session.DataSkor().IsUrutkanBerdSkor);
    EXPECT_EQ(Column(2), (std::vector<std::string>{"Budi", "Ani", "Dedi", "Citra"}));
    EXPECT_EQ(Column(0), (std::vector<std::string>{"1", "2", "3", "4"}));
    EXPECT_EQ(Column(1), (std::vector<std::string>{"2", "1", "4", "3"}));
    EXPECT_EQ(Column(3), (std::vector<std::string>{"3", "2", "2", "0"}));
    EXPECT_EQ(window.SG.Cell(3, 5), "1") << "the item results move with their subject";
    EXPECT_TRUE(window.CBUrutSkor);

    window.CBUrutSkor = false;
    window.CBUrutSkorClick();
    EXPECT_FALSE(session.DataSkor().IsUrutkanBerdSkor);
    EXPECT_EQ(Column(2), (std::vector<std::string>{"Ani", "Budi", "Citra", "Dedi"}));
    EXPECT_EQ(Column(0), (std::vector<std::string>{"1", "2", "3", "4"}));
    // Sorting changes the order of the stored scores but is not an edit of the document.
    EXPECT_FALSE(session.DataMentah().IsChanged);
    // The scores' order does not change the mean.
    EXPECT_EQ(window.LRata2, "1.75");
}

TEST_F(SkorTest, CheckBoxDoesNothingWhenItMatchesOrThereAreNoSubjects) {
    ThreeSubjects();
    window.RefreshView();
    // The box and the flag agree (both "sorted"), so a click must not sort the raw-order list.
    session.DataSkor().IsUrutkanBerdSkor = true;
    window.CBUrutSkor = true;
    window.CBUrutSkorClick();
    EXPECT_EQ(session.DataSkor().GetItem(0).Nama, "Ani");

    session.DataSkor().Clear();
    window.CBUrutSkor = true;
    window.CBUrutSkorClick();
    EXPECT_FALSE(session.DataSkor().IsUrutkanBerdSkor);
}

TEST_F(SkorTest, ShowingAgainKeepsTheOrderUntilTheRawDataChanges) {
    ThreeSubjects();
    window.RefreshView();
    window.CBUrutSkor = true;
    window.CBUrutSkorClick();

    window.RefreshView();
    EXPECT_TRUE(window.CBUrutSkor);
    EXPECT_EQ(Column(2)[0], "Budi");

    // An edit marks the raw data; showing the window rescores into raw-data order.
    session.DataMentah().GetJawaban(0).Jwb = "a#d";
    session.DataMentah().IsNeedRecalc = true;
    window.RefreshView();
    EXPECT_FALSE(window.CBUrutSkor);
    EXPECT_EQ(Column(2), (std::vector<std::string>{"Ani", "Budi", LongName}));
    EXPECT_EQ(Column(3), (std::vector<std::string>{"3", "3", "0"}));
}

TEST_F(SkorTest, FailedScoringKeepsWhatTheGridShowed) {
    ThreeSubjects();
    window.RefreshView();
    const Rows before = Cells();

    session.DataMentah().Kunci.clear();
    session.DataMentah().IsNeedRecalc = true;
    EXPECT_EQ(RefreshError(),
              "Ada sedikit masalah, kunci belum diisi. Mohon isi kunci terlebih dahulu. Untuk "
              "mengisinya, pilih \"Kembali ke Menu Utama\" lalu pilih \"Edit Data Mentah\" "
              "selanjutnya isi baris pertama");
    EXPECT_EQ(Cells(), before);
    EXPECT_EQ(window.LRata2, "1.67");
    // The raw data stays marked: the next showing scores again.
    EXPECT_FALSE(RefreshError().empty());
}

TEST_F(SkorTest, ATestWithoutSubjectsFailsOnceThenShowsAnEmptyList) {
    Raw("ABC", 3, {});
    EXPECT_FALSE(RefreshError().empty());
    // The raw data counts as scored now: showing again does not score again.
    EXPECT_EQ(RefreshError(), "");
    EXPECT_EQ(window.SG.RowCount(), 3);
    EXPECT_EQ(window.SG.ColCount(), 7);
    EXPECT_EQ(window.LRata2, "0.00");
    EXPECT_EQ(window.LSD, "0.00");
}

TEST_F(SkorTest, AColumnWithoutAnItemShowsNoItemHeading) {
    ThreeSubjects();
    window.RefreshView();
    Raw("A", 0, {{"Ani", "-1", ""}});
    window.RefreshView();
    // Five columns for no items; none keeps the numbers of the earlier test.
    EXPECT_EQ(Cells(), (Rows{{"Nomor", "Nomor ", "No. Butir Baru ----->", "Skor", ""},
                             {"Urut", "Subyek", " No. Butir Asli --->", "    ", ""},
                             {"", "", " Nama Subyek | Kunci ->", "   ", "A"},
                             {"1", "1", "Ani", "0", ""}}));
}

TEST(SkorItemLabels, Version401ShowsNumbersInTheMultipleChoiceAnalyzerOnly) {
    struct Case {
        AnalyzerKind Kind;
        std::string FileVersion;
        std::vector<std::string> Row1;
    };
    const Case cases[] = {
        {AnalyzerKind::PilihanGanda, "4.0.2", {"A", "B", "C"}},
        {AnalyzerKind::PilihanGanda, "4.0.1", {"1", "2", "3"}},
        {AnalyzerKind::Uraian, "4.0.1", {"A", "B", "C"}},
        {AnalyzerKind::Uraian, "2.0.1", {"A", "B", "C"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.FileVersion);
        Session session(c.Kind);
        test::FakeUserInterface ui;
        TFMemoCetak preview;
        TFSkor window(session, ui, preview);
        session.Global().FileVersion = c.FileVersion;
        TDataSkor& skor = session.DataSkor();
        skor.JumButir = 3;
        skor.NoButir = {"A", "B", "C"};
        window.FillGrid();
        EXPECT_EQ(window.SG.Cell(1, 4), c.Row1[0]);
        EXPECT_EQ(window.SG.Cell(1, 5), c.Row1[1]);
        EXPECT_EQ(window.SG.Cell(1, 6), c.Row1[2]);
        EXPECT_EQ(window.SG.Cell(0, 6), "3");
    }
}

TEST_F(SkorTest, CellRoles) {
    ThreeSubjects();
    window.RefreshView();
    struct Case {
        int Row, Col;
        CellRole Role;
        CellAlignment Alignment;
    };
    const auto H = CellRole::Heading;
    const auto C = CellAlignment::Centre;
    const auto L = CellAlignment::Left;
    const Case cases[] = {
        {0, 0, H, C},
        {0, 1, H, C},
        {0, 2, H, C},
        {0, 3, H, C},
        {0, 5, H, C},
        {1, 2, H, C},
        {1, 3, H, C},
        {1, 4, H, C},
        {2, 0, H, C},
        {4, 0, H, C},
        {2, 2, H, L},
        {2, 3, CellRole::Yellow, C},
        {4, 3, CellRole::Yellow, C},
        {2, 1, CellRole::Emphasised, L},
        {4, 1, CellRole::Emphasised, L},
        {2, 4, CellRole::Emphasised, L},
        {2, 6, CellRole::Emphasised, L},
        {3, 2, CellRole::Normal, L},
        {5, 5, CellRole::Normal, L},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(window.Role(0, c.Row, c.Col), c.Role) << c.Row << "," << c.Col;
        EXPECT_EQ(window.Alignment(0, c.Row, c.Col), c.Alignment) << c.Row << "," << c.Col;
    }
}

TEST_F(SkorTest, ReportOfASmallTest) {
    ThreeSubjects();
    window.RefreshView();
    preview.MCetak = {"an earlier report"};
    window.Cetak();
    EXPECT_EQ(ui.PreviewsShown, 1);
    // Widths 5, 6, 24 (left-aligned) and 4, then 2 per item; each cell framed by one blank.
    const std::vector<std::string> expected = {
        "SKOR DATA",
        "=========",
        "",
        "Rata2= 1.67",
        "Standar Deviasi= 1.53",
        "Nama berkas: CONTOH.TAV",
        "",
        " Nomor  Nomor   No. Butir Baru ----->     Skor   1   2   3 ",
        "  Urut  Subyek   No. Butir Asli --->             5   6   7 ",
        "                 Nama Subyek | Kunci ->          A       D ",
        "     1       1  Ani                          2   1   -   1 ",
        "     2    B-07  Budi                         3   1   1   1 ",
        "     3       3  Citra Kirana Dewi Les...     0   -   *   - ",
        "",
        "",
        "",
    };
    EXPECT_EQ(preview.MCetak, expected);
}

TEST_F(SkorTest, ReportOfASortedListSaysSoAndCanBeAppended) {
    ThreeSubjects();
    window.RefreshView();
    window.CBUrutSkor = true;
    window.CBUrutSkorClick();
    preview.MCetak = {"an earlier report"};
    window.PrintReport(false);
    ASSERT_GE(preview.MCetak.size(), 10u);
    EXPECT_EQ(preview.MCetak[0], "an earlier report");
    EXPECT_EQ(preview.MCetak[6], "Keterangan: data terurut berdasarkan skor (tinggi ke rendah)");
    EXPECT_EQ(preview.MCetak[7], "Nama berkas: CONTOH.TAV");
    EXPECT_EQ(preview.MCetak[9].substr(0, 7), " Nomor ");
    EXPECT_EQ(preview.MCetak[12], "     1    B-07  Budi                         3   1   1   1 ");
    EXPECT_EQ(ui.PreviewsShown, 0);
}

TEST_F(SkorTest, AWideTestIsPrintedInBlocksThatRepeatTheFirstFourColumns) {
    Raw("ABCDABCDABCDABCDABCD", 20, {{"Ani", "-1", "ABCDABCDABCDABCDABCD"}});
    window.RefreshView();
    window.PrintReport(true);
    // The first four columns take 47 characters; each item column 4, the first of a block
    // always, further ones while the sum stays within 75: 8 items a block, so 8, 8 and 4.
    const auto& memo = preview.MCetak;
    ASSERT_EQ(memo.size(), 7u + 3u * (4u + 2u) + 1u);
    for (const int first : {7, 13}) {
        EXPECT_EQ(memo[static_cast<std::size_t>(first)].size(), 79u);
    }
    EXPECT_EQ(memo[19].size(), 63u);
    EXPECT_EQ(memo[7].substr(47), "  1   2   3   4   5   6   7   8 ");
    EXPECT_EQ(memo[13].substr(47), "  9  10  11  12  13  14  15  16 ");
    EXPECT_EQ(memo[19].substr(47), " 17  18  19  20 ");
    EXPECT_EQ(memo[22].substr(0, 47), memo[10].substr(0, 47)) << "the subject repeats";
}

class SkorEssayTest : public SkorTest {
protected:
    SkorEssayTest() : SkorTest(AnalyzerKind::Uraian) { session.Global().FileName = "esai.tur"; }
};

TEST_F(SkorEssayTest, ShowsOneScorePiecePerCellUnderTheIdealScores) {
    Raw("4,4,2", 3, {{"Ani", "1", "2.5,4,2"}, {"Budi", "2", "3,*,#"}, {"Citra", "3", ""}},
        {"1a", "1b", "2"});
    window.RefreshView();
    const Rows expected = {
        {"Nomor", "Nomor ", "No. Butir Baru ----->", "Skor", "1", "2", "3"},
        {"Urut", "Subyek", " No. Butir Asli --->", "    ", "1a", "1b", "2"},
        {"", "", " Nama|Skr Ideal ->", "   ", "4", "4", "2"},
        {"1", "1", "Ani", "8.5", "2.5", "4", "2"},
        {"2", "2", "Budi", "3", "3", "*", "*"},
        {"3", "3", "Citra", "0", "*", "*", "*"},
    };
    EXPECT_EQ(Cells(), expected);
    // Scores 8.5, 3, 0: mean 3.8333, sample standard deviation 4.3108.
    EXPECT_EQ(window.LRata2, "3.83");
    EXPECT_EQ(window.LSD, "4.31");
}

TEST_F(SkorEssayTest, FailedScoringEmptiesEveryNonFixedCell) {
    Raw("4,4,2", 3, {{"Ani", "1", "2.5,4,2"}, {"Budi", "2", "3,4,2"}});
    window.RefreshView();
    session.DataMentah().GetJawaban(1).Jwb = "3,5,2";
    session.DataMentah().IsNeedRecalc = true;
    EXPECT_EQ(RefreshError(),
              "Skor lebih besar daripada skor ideal pada subyek dg nomor urut 2, butir ke-2");
    const Rows expected = {
        {"Nomor", "Nomor ", "No. Butir Baru ----->", "Skor", "1", "2", "3"},
        {"Urut", "Subyek", " No. Butir Asli --->", "    ", "1", "2", "3"},
        {"", "", "", "", "", "", ""},
        {"1", "", "", "", "", "", ""},
        {"2", "", "", "", "", "", ""},
    };
    EXPECT_EQ(Cells(), expected);
}

TEST_F(SkorEssayTest, ReportIsTheSameAsInTheMultipleChoiceAnalyzer) {
    Raw("10,5", 2, {{"Ani", "1", "7,5"}, {"Budi", "2", "10,*"}}, {"1", "2"});
    window.RefreshView();
    window.PrintReport(true);
    // Scores 12 and 10: mean 11, standard deviation sqrt(2) = 1.414.
    const std::vector<std::string> expected = {
        "SKOR DATA",
        "=========",
        "",
        "Rata2= 11.00",
        "Standar Deviasi= 1.41",
        "Nama berkas: ESAI.TUR",
        "",
        " Nomor  Nomor   No. Butir Baru ----->     Skor   1   2 ",
        "  Urut  Subyek   No. Butir Asli --->             1   2 ",
        "                 Nama|Skr Ideal ->              10   5 ",
        "     1       1  Ani                         12   7   5 ",
        "     2       2  Budi                        10  10   * ",
        "",
        "",
        "",
    };
    EXPECT_EQ(preview.MCetak, expected);
}

} // namespace
} // namespace taviro
