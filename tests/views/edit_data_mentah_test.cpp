#include "edit_data_mentah_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace taviro::test {
namespace {

const std::string Kunci = " Nama Subyek | Kunci ->";
const std::string SkorIdeal = " Nama|Skor Ideal ->";
const std::string ButirBaru = "No. Butir Baru ----->";
const std::string ButirAsli = " No. Butir Asli --->";

TEST_F(EditorTest, OpensWithTheHeadingsAndTheCursorOnTheKeyRowsNameCell) {
    EXPECT_EQ(editor.SG.RowCount(), 5);
    EXPECT_EQ(editor.SG.ColCount(), 4);
    EXPECT_EQ(editor.SG.FixedRows, 2);
    EXPECT_EQ(editor.SG.FixedCols, 1);
    EXPECT_EQ(Row(0), (Cells{"Nomor", "Nomor ", ButirBaru, ""}));
    EXPECT_EQ(Row(1), (Cells{"Urut", "Subyek", "", ""}));
    EXPECT_EQ(editor.CurrentCell(), (GridCell{2, 2}));
    EXPECT_EQ(editor.Caption, "Edit Data Mentah");
}

TEST_F(EditorTest, SetUpGridSizesNumbersAndEmptiesTheGrid) {
    Empty(2, 2);
    editor.SG.SetCell(3, 2, "Ani");
    editor.SG.SetCell(2, 3, "a");
    Data().JumSubyek = 3;
    Data().JumButir = 4;
    Data().JumPilihan = 5;
    editor.SetUpGrid();

    const std::vector<Cells> expected = {
        {"Nomor", "Nomor ", ButirBaru, "1", "2", "3", "4"},
        {"Urut", "Subyek", ButirAsli, "1", "2", "3", "4"},
        {"", "", Kunci, "", "", "", ""},
        {"1", "1", "", "", "", "", ""},
        {"2", "2", "", "", "", "", ""},
        {"3", "3", "", "", "", "", ""},
    };
    ASSERT_EQ(editor.SG.RowCount(), 6);
    for (int row = 0; row < 6; ++row) {
        EXPECT_EQ(Row(row), expected[static_cast<std::size_t>(row)]) << "row " << row;
    }
    EXPECT_EQ(editor.LJumSubyek, "3");
    EXPECT_EQ(editor.LJumButir, "4");
    EXPECT_EQ(editor.LJumPilihanJwb, "5");
    EXPECT_EQ(editor.CurrentCell(), (GridCell{3, 2}));
}

TEST_F(EditorTest, SetUpGridWithoutItemsPutsTheCursorOnTheKeyRowsNameCell) {
    Empty(2, 0);
    EXPECT_EQ(editor.SG.ColCount(), 3);
    EXPECT_EQ(editor.CurrentCell(), (GridCell{2, 2}));
}

TEST_F(EditorTest, SetUpGridTakesNegativeCountsAsZero) {
    // The new-file dialog accepts any whole number.
    Data().JumSubyek = -2;
    Data().JumButir = -1;
    editor.SetUpGrid();
    EXPECT_EQ(editor.SG.RowCount(), 3);
    EXPECT_EQ(editor.SG.ColCount(), 3);
    EXPECT_EQ(Data().JumSubyek, 0);
    EXPECT_EQ(Data().JumButir, 0);
    EXPECT_EQ(editor.LJumSubyek, "0");
    editor.AddSubjectRow();
    EXPECT_EQ(Row(3), (Cells{"1", "1", ""}));
}

TEST_F(EssayEditorTest, SetUpGridShowsTheIdealScoreRowAndTwoCounts) {
    Data().JumPilihan = 3;
    Empty(1, 2);
    EXPECT_EQ(Row(2), (Cells{"", "", SkorIdeal, "", ""}));
    EXPECT_EQ(editor.LJumSubyek, "1");
    EXPECT_EQ(editor.LJumButir, "2");
    EXPECT_EQ(editor.LJumPilihanJwb, "");
}

struct LoadCase {
    const char* Name;
    AnalyzerKind Kind;
    std::string FileVersion;
    std::string Kunci;
    std::vector<RawSubject> Subjects;
    std::vector<Cells> Expected; // rows 1 to the last
};

class LoadGridTest : public testing::TestWithParam<LoadCase> {};

TEST_P(LoadGridTest, FillsKeyNamesNumbersAnswersAndItemLabels) {
    const LoadCase& c = GetParam();
    Session session(c.Kind);
    FakeUserInterface ui;
    TFMemoCetak preview;
    TFEditDatamEntah editor(session, ui, preview);
    session.Global().FileVersion = c.FileVersion;
    TDataMentah& data = session.DataMentah();
    data.Kunci = c.Kunci;
    data.JumButir = 4;
    data.JumPilihan = 4;
    data.JumSubyek = 3;
    data.NoButir = {"2", "4", "6", "8"};
    for (const RawSubject& s : c.Subjects) {
        data.AddJawaban({s.Nama, s.NoSubyek, s.Jwb});
    }
    editor.LoadGridFromData();

    ASSERT_EQ(editor.SG.RowCount(), 6);
    EXPECT_EQ(editor.SG.Cell(0, 3), "1");
    EXPECT_EQ(editor.SG.Cell(0, 6), "4");
    for (int row = 1; row < 6; ++row) {
        Cells cells;
        for (int col = 0; col < editor.SG.ColCount(); ++col) {
            cells.emplace_back(editor.SG.Cell(row, col));
        }
        EXPECT_EQ(cells, c.Expected[static_cast<std::size_t>(row - 1)]) << "row " << row;
    }
    EXPECT_EQ(editor.CurrentCell(), (GridCell{3, 2}));
}

const std::vector<RawSubject> ChoiceSubjects = {
    {"Ani", "A-7", "abcd"}, {"Budi", "", "a#c"}, {"Citra", "-1", ""}};
const std::vector<RawSubject> EssaySubjects = {
    {"Ani", "A-7", "8,10,15,5"}, {"Budi", "", "8,,15"}, {"Citra", "-1", ""}};

INSTANTIATE_TEST_SUITE_P(
    EditDataMentah, LoadGridTest,
    testing::Values(LoadCase{"Current",
                             AnalyzerKind::PilihanGanda,
                             "4.0.2",
                             "ab#D",
                             ChoiceSubjects,
                             {{"Urut", "Subyek", ButirAsli, "2", "4", "6", "8"},
                              {"", "", Kunci, "a", "b", "", "D"},
                              {"1", "A-7", "Ani", "a", "b", "c", "d"},
                              {"2", "", "Budi", "a", "", "c", ""},
                              {"3", "3", "Citra", "", "", "", ""}}},
                    // An older document carries no numbers: the sequence numbers stand in for both.
                    LoadCase{"Older",
                             AnalyzerKind::PilihanGanda,
                             "4.0.1",
                             "ab#D",
                             ChoiceSubjects,
                             {{"Urut", "Subyek", ButirAsli, "1", "2", "3", "4"},
                              {"", "", Kunci, "a", "b", "", "D"},
                              {"1", "1", "Ani", "a", "b", "c", "d"},
                              {"2", "2", "Budi", "a", "", "c", ""},
                              {"3", "3", "Citra", "", "", "", ""}}},
                    LoadCase{"EssayOfAnyVersion",
                             AnalyzerKind::Uraian,
                             "4.0.1",
                             "10,#,20,5",
                             EssaySubjects,
                             {{"Urut", "Subyek", ButirAsli, "2", "4", "6", "8"},
                              {"", "", SkorIdeal, "10", "", "20", "5"},
                              {"1", "A-7", "Ani", "8", "10", "15", "5"},
                              {"2", "", "Budi", "8", "", "15", ""},
                              {"3", "3", "Citra", "", "", "", ""}}}),
    [](const testing::TestParamInfo<LoadCase>& param) { return std::string(param.param.Name); });

TEST_F(EditorTest, LoadShowsOnlyJumSubyekRecordsAndLeavesMissingOnesEmpty) {
    Raw("ab", 2, 4, {{"Ani", "1", "ab"}, {"Budi", "2", "ba"}, {"Citra", "3", "aa"}});
    Data().JumSubyek = 2;
    Open();
    EXPECT_EQ(Column(2), (Cells{"Ani", "Budi"}));
    // The record beyond JumSubyek goes at the next write-back.
    editor.SaveGridToData();
    EXPECT_EQ(Data().JawabanCount(), 2);

    Raw("ab", 2, 4, {{"Ani", "1", "ab"}});
    Data().JumSubyek = 3;
    Open();
    EXPECT_EQ(Column(2), (Cells{"Ani", "", ""}));
    EXPECT_EQ(Column(1), (Cells{"1", "2", "3"}));
    EXPECT_EQ(Column(3), (Cells{"a", "", ""}));
}

struct RowCase {
    AnalyzerKind Kind;
    Cells Answers;
    std::string Stored;
};

TEST(EditDataMentahGridRowToString, JoinsTheCellsAsTheRawDataKeepsThem) {
    const RowCase cases[] = {
        {AnalyzerKind::PilihanGanda, {"a", "", "c"}, "a#c"},
        {AnalyzerKind::PilihanGanda, {"", "", ""}, ""},
        {AnalyzerKind::PilihanGanda, {"", "", "c"}, "##c"},
        {AnalyzerKind::PilihanGanda, {"A", "*", ""}, "A*#"},
        {AnalyzerKind::Uraian, {"10", "", "5"}, "10,#,5"},
        {AnalyzerKind::Uraian, {"", "", ""}, ""},
        {AnalyzerKind::Uraian, {"", "", "7"}, "#,#,7"},
        {AnalyzerKind::Uraian, {"12", "*", "0"}, "12,*,0"},
    };
    for (const RowCase& c : cases) {
        SCOPED_TRACE(c.Stored);
        Session session(c.Kind);
        FakeUserInterface ui;
        TFMemoCetak preview;
        TFEditDatamEntah editor(session, ui, preview);
        session.DataMentah().JumSubyek = 1;
        session.DataMentah().JumButir = 3;
        editor.SetUpGrid();
        for (int k = 0; k < 3; ++k) {
            editor.SG.SetCell(3, 3 + k, c.Answers[static_cast<std::size_t>(k)]);
        }
        EXPECT_EQ(editor.GridRowToString(3, 3), c.Stored);
        // A name and a subject number never reach the answers.
        editor.SG.SetCell(3, 2, "Ani");
        EXPECT_EQ(editor.GridRowToString(3, 3), c.Stored);
    }
}

TEST_F(EditorTest, SaveGridToDataRebuildsTheRawDataFromTheGrid) {
    Raw("abc", 3, 4, {{"Ani", "1", "abc"}, {"Budi", "2", "bbb"}, {"Citra", "3", "ccc"}},
        {"5", "6", "7"});
    Open();
    editor.SG.SetCell(2, 4, "");   // key: a, none, c
    editor.SG.SetCell(3, 1, "");   // a number wiped
    editor.SG.SetCell(4, 1, "B7"); // a number typed
    editor.SG.SetCell(4, 2, "Budi S");
    for (int col = 3; col <= 5; ++col) {
        editor.SG.SetCell(5, col, ""); // no answer at all
    }
    editor.SG.SetCell(3, 4, "");
    Data().IsChanged = true;
    Data().IsNeedRecalc = false;
    editor.SaveGridToData();

    EXPECT_EQ(Data().Kunci, "a#c");
    ASSERT_EQ(Data().JawabanCount(), 3);
    EXPECT_EQ(Data().GetJawaban(0).NoSubyek, "");
    EXPECT_EQ(Data().GetJawaban(0).Jwb, "a#c");
    EXPECT_EQ(Data().GetJawaban(1).NoSubyek, "B7");
    EXPECT_EQ(Data().GetJawaban(1).Nama, "Budi S");
    EXPECT_EQ(Data().GetJawaban(1).Jwb, "bbb");
    EXPECT_EQ(Data().GetJawaban(2).Nama, "Citra");
    EXPECT_EQ(Data().GetJawaban(2).Jwb, "") << "an all-empty row is stored empty";
    EXPECT_EQ(Data().NoButir, (Cells{"5", "6", "7"}));
    EXPECT_EQ(Data().JumSubyek, 3);
    EXPECT_EQ(Data().JumButir, 3);
    EXPECT_TRUE(Data().IsChanged);
    EXPECT_TRUE(Data().IsNeedRecalc);
}

TEST_F(EssayEditorTest, SaveGridToDataJoinsScoresWithCommas) {
    Raw("10,10,20", 3, 0, {{"Ani", "1", "8,9,15"}, {"Budi", "2", "5,#,10"}});
    Open();
    editor.SG.SetCell(3, 4, "");
    for (int col = 3; col <= 5; ++col) {
        editor.SG.SetCell(4, col, "");
    }
    editor.SaveGridToData();
    EXPECT_EQ(Data().Kunci, "10,10,20");
    EXPECT_EQ(Data().GetJawaban(0).Jwb, "8,#,15");
    EXPECT_EQ(Data().GetJawaban(1).Jwb, "");
}

struct CloseCase {
    const char* Name;
    bool ChangedBefore;
    std::string NameAfter;
    bool NeedRecalcAfter;
};

TEST_F(EditorTest, ClosingWritesBackOnlyAfterAChange) {
    const CloseCase cases[] = {
        {"unchanged", false, "Ani", false},
        {"changed", true, "Siti", true},
    };
    for (const CloseCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Raw("ab", 2, 4, {{"Ani", "-1", "ab"}});
        Open();
        // The grid differs from the raw data without the change marks.
        editor.SG.SetCell(3, 2, "Siti");
        Data().IsChanged = c.ChangedBefore;
        editor.FormClose();
        EXPECT_EQ(Data().GetJawaban(0).Nama, c.NameAfter);
        // The untouched raw data keeps its "-1"; a write-back takes the number the grid shows.
        EXPECT_EQ(Data().GetJawaban(0).NoSubyek, c.ChangedBefore ? "1" : "-1");
        EXPECT_EQ(Data().IsNeedRecalc, c.NeedRecalcAfter);
    }
}

TEST_F(EditorTest, KembaliClosesTheEditor) {
    Raw("", 2, 4, {{"Ani", "1", "ab"}});
    Open();
    editor.PressKey(EditorKey::Char("c"));
    editor.KembaliClick();
    EXPECT_EQ(Data().Kunci, "c#");
}

TEST_F(EditorTest, ShowingForgetsAPendingMoveAndNamesTheDocument) {
    editor.AdvancePending = true;
    editor.FormShow();
    EXPECT_FALSE(editor.AdvancePending);
    EXPECT_EQ(editor.Caption, "Edit Data Mentah: /data/ujian.tav");
    session.Global().FileName = "Belum_ada_nama.tav";
    editor.UpdateCaption();
    EXPECT_EQ(editor.Caption, "Edit Data Mentah: Belum_ada_nama.tav");
}

TEST_F(EditorTest, CellRolesFollowTheDrawingTable) {
    Empty(2, 2);
    struct RoleCase {
        int Col;
        int Row;
        CellRole Role;
        CellAlignment Alignment;
    };
    const RoleCase cases[] = {
        {0, 0, CellRole::Heading, CellAlignment::Centre},
        {1, 0, CellRole::Heading, CellAlignment::Centre},
        {2, 1, CellRole::Heading, CellAlignment::Centre},
        {4, 1, CellRole::Heading, CellAlignment::Centre},
        {0, 3, CellRole::Heading, CellAlignment::Centre},
        {1, 2, CellRole::Key, CellAlignment::Left},
        {2, 2, CellRole::Key, CellAlignment::Left},
        {3, 2, CellRole::Emphasised, CellAlignment::Left},
        {1, 3, CellRole::Emphasised, CellAlignment::Left},
        {1, 4, CellRole::Emphasised, CellAlignment::Left},
        {2, 3, CellRole::Normal, CellAlignment::Left},
        {3, 4, CellRole::Normal, CellAlignment::Left},
    };
    for (const RoleCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "(" << c.Col << ", " << c.Row << ")");
        EXPECT_EQ(editor.Role(0, c.Row, c.Col), c.Role);
        EXPECT_EQ(editor.Alignment(0, c.Row, c.Col), c.Alignment);
    }
}

TEST_F(EditorTest, TheFirstEmptyNameCellShowsThePromptWithoutHoldingIt) {
    Empty(2, 1);
    EXPECT_EQ(editor.Placeholder(3, 2), "<tulis nama subyek disini>");
    EXPECT_EQ(editor.Placeholder(4, 2), "");
    EXPECT_EQ(Cell(2, 3), "");
    editor.SG.SetCell(3, 2, "Ani");
    EXPECT_EQ(editor.Placeholder(3, 2), "");
    Empty(0, 1);
    EXPECT_EQ(editor.Placeholder(3, 2), "");
}

TEST_F(EditorTest, OnlyDataCellsAreEditable) {
    Empty(1, 1);
    EXPECT_FALSE(editor.IsEditable(0, 3));
    EXPECT_FALSE(editor.IsEditable(1, 3));
    EXPECT_FALSE(editor.IsEditable(3, 0));
    EXPECT_FALSE(editor.IsEditable(2, 1));
    EXPECT_FALSE(editor.IsEditable(2, 2));
    EXPECT_TRUE(editor.IsEditable(2, 3));
    EXPECT_TRUE(editor.IsEditable(3, 1));
    EXPECT_TRUE(editor.IsEditable(3, 2));
    EXPECT_FALSE(editor.IsEditable(4, 2));
    EXPECT_FALSE(editor.IsEditable(3, 4));
}

} // namespace
} // namespace taviro::test
