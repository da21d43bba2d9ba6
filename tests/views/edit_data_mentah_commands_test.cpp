#include "edit_data_mentah_fixture.h"

#include "core/analysis/data_reliabilitas.h"
#include "core/taviro_error.h"
#include "support/test_files.h"
#include "views/info_jawaban.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace taviro::test {
namespace {

// Five subjects with numbers S1-S5, names N1-N5 and answers over three items.
class CommandsTest : public EditorTest {
protected:
    void FiveSubjects() {
        Raw("abc", 3, 4,
            {{"N1", "S1", "aaa"},
             {"N2", "S2", "bbb"},
             {"N3", "S3", "ccc"},
             {"N4", "S4", "ddd"},
             {"N5", "S5", "abc"}},
            {"1", "2", "3"});
        Open();
    }

    // Ten subjects N1-N10 numbered S1-S10 over one item.
    void TenSubjects() {
        std::vector<RawSubject> subjects;
        for (int i = 1; i <= 10; ++i) {
            subjects.push_back({"N" + std::to_string(i), "S" + std::to_string(i), "a"});
        }
        Raw("a", 1, 4, subjects);
        Open();
    }

    static Cells Numbers(int count) {
        Cells numbers;
        for (int i = 1; i <= count; ++i) {
            numbers.push_back(std::to_string(i));
        }
        return numbers;
    }
};

TEST_F(CommandsTest, AddSubjectAppendsANumberedEmptyRowAndGoesThere) {
    FiveSubjects();
    Click(4, 3);
    editor.SBTambahSubyekClick();
    EXPECT_EQ(Data().JumSubyek, 6);
    EXPECT_EQ(editor.LJumSubyek, "6");
    EXPECT_EQ(Row(8), (Cells{"6", "6", "", "", "", ""}));
    EXPECT_EQ(editor.CurrentCell(), (GridCell{4, 8}));
    EXPECT_TRUE(Changed());
    EXPECT_TRUE(Data().IsNeedRecalc);
}

TEST_F(CommandsTest, InsertAtSubjectThreeOfFiveShiftsTheRestDown) {
    FiveSubjects();
    Click(4, 5);
    editor.SBSisipSubyekClick();
    EXPECT_EQ(Data().JumSubyek, 6);
    EXPECT_EQ(editor.LJumSubyek, "6");
    EXPECT_EQ(Column(0), Numbers(6));
    EXPECT_EQ(Column(1), (Cells{"S1", "S2", "", "S3", "S4", "S5"}));
    EXPECT_EQ(Column(2), (Cells{"N1", "N2", "", "N3", "N4", "N5"}));
    EXPECT_EQ(Row(5, 3), (Cells{"", "", ""}));
    EXPECT_EQ(Row(6, 3), (Cells{"c", "c", "c"}));
    EXPECT_EQ(Row(8, 3), (Cells{"a", "b", "c"}));
    EXPECT_EQ(editor.CurrentCell(), (GridCell{4, 5}));
    EXPECT_TRUE(Changed());
    editor.FormClose();
    EXPECT_EQ(Data().GetJawaban(2).NoSubyek, "") << "the new subject has no number";
    EXPECT_EQ(Data().GetJawaban(3).Jwb, "ccc");
}

TEST_F(CommandsTest, InsertOnTheKeyRowInsertsBeforeTheFirstSubject) {
    FiveSubjects();
    Click(3, 2);
    editor.SBSisipSubyekClick();
    EXPECT_EQ(Column(1), (Cells{"", "S1", "S2", "S3", "S4", "S5"}));
    EXPECT_EQ(Row(2, 3), (Cells{"a", "b", "c"})) << "the key stays";
    EXPECT_EQ(editor.CurrentCell(), (GridCell{3, 3}));

    Empty(0, 2);
    Click(3, 2);
    editor.SBSisipSubyekClick();
    EXPECT_EQ(Row(3), (Cells{"1", "", "", "", ""}));
}

TEST_F(CommandsTest, InsertAtTheLastSubject) {
    FiveSubjects();
    Click(2, 7);
    editor.SBSisipSubyekClick();
    EXPECT_EQ(Column(2), (Cells{"N1", "N2", "N3", "N4", "", "N5"}));
}

TEST_F(CommandsTest, DeleteSubjectAsksWithTheNameAndMovesTheRestUp) {
    FiveSubjects();
    Click(3, 4);
    ui.YesNoAnswers = {false};
    editor.SBhapusSubyekClick();
    EXPECT_EQ(ui.Questions, (Cells{"Anda yakin akan menghapus subyek N2? Data yang terhapus tidak "
                                   "bisa di-undo"}));
    EXPECT_EQ(Data().JumSubyek, 5);
    EXPECT_FALSE(Changed());

    editor.SBhapusSubyekClick();
    EXPECT_EQ(Data().JumSubyek, 4);
    EXPECT_EQ(editor.LJumSubyek, "4");
    EXPECT_EQ(editor.SG.RowCount(), 7);
    EXPECT_EQ(Column(0), Numbers(4));
    EXPECT_EQ(Column(1), (Cells{"S1", "S3", "S4", "S5"}));
    EXPECT_EQ(Column(2), (Cells{"N1", "N3", "N4", "N5"}));
    EXPECT_EQ(Row(4, 3), (Cells{"c", "c", "c"}));
    EXPECT_TRUE(Changed());
    EXPECT_EQ(editor.CurrentCell(), (GridCell{3, 4}));
}

TEST_F(CommandsTest, DeletingTheLastSubjectsKeepsTheCursorInTheGrid) {
    FiveSubjects();
    Click(2, 7);
    editor.SBhapusSubyekClick();
    EXPECT_EQ(editor.CurrentCell(), (GridCell{2, 6}));
    for (int i = 0; i < 4; ++i) {
        editor.SBhapusSubyekClick();
    }
    EXPECT_EQ(Data().JumSubyek, 0);
    EXPECT_EQ(editor.CurrentCell(), (GridCell{2, 2}));
}

TEST_F(CommandsTest, TheKeyRowCannotBeDeleted) {
    FiveSubjects();
    Click(3, 2);
    editor.SBhapusSubyekClick();
    EXPECT_EQ(ui.Messages, (Cells{"Anda tidak bisa menghapus kunci"}));
    EXPECT_TRUE(ui.Questions.empty());
    EXPECT_EQ(Data().JumSubyek, 5);
    EXPECT_FALSE(Changed());
}

TEST_F(EssayEditorTest, TheIdealScoreRowCannotBeDeleted) {
    Empty(2, 2);
    Click(3, 2);
    editor.SBhapusSubyekClick();
    EXPECT_EQ(ui.Messages, (Cells{"Anda tidak bisa menghapus skor ideal"}));
    EXPECT_EQ(Data().JumSubyek, 2);
}

TEST_F(CommandsTest, DeleteItemThreeOfTen) {
    std::vector<std::string> labels;
    for (int k = 1; k <= 10; ++k) {
        labels.push_back(std::to_string(k));
    }
    Raw("abcdabcdab", 10, 4, {{"Ani", "1", "aaaabbbbcc"}}, labels);
    Open();
    Click(5, 3);
    editor.SBhapusButirClick();
    EXPECT_EQ(ui.Questions, (Cells{"Anda yakin akan menghapus butir 3? Data yang terhapus tidak "
                                   "bisa di-undo"}));
    EXPECT_EQ(editor.SG.ColCount(), 12);
    EXPECT_EQ(Row(0, 3), Numbers(9));
    EXPECT_EQ(Row(1, 3), (Cells{"1", "2", "4", "5", "6", "7", "8", "9", "10"}));
    EXPECT_EQ(Row(0, 0), (Cells{"Nomor", "Nomor ", "No. Butir Baru ----->", "1", "2", "3", "4", "5",
                                "6", "7", "8", "9"}));
    EXPECT_EQ(Row(2, 3), (Cells{"a", "b", "d", "a", "b", "c", "d", "a", "b"}));
    EXPECT_EQ(Row(3), (Cells{"1", "1", "Ani", "a", "a", "a", "b", "b", "b", "b", "c", "c"}));
    EXPECT_EQ(Data().JumButir, 9);
    EXPECT_EQ(editor.LJumButir, "9");
    EXPECT_EQ(editor.CurrentCell(), (GridCell{5, 3}));
    EXPECT_TRUE(Changed());
    editor.FormClose();
    EXPECT_EQ(Data().Kunci, "abdabcdab");
    EXPECT_EQ(Data().NoButir, (Cells{"1", "2", "4", "5", "6", "7", "8", "9", "10"}));

    // The labels travel: deleting what is now item 3 (label 4) asks for item 3.
    ui.Questions.clear();
    editor.SBhapusButirClick();
    EXPECT_EQ(ui.Questions.front().substr(0, 34), "Anda yakin akan menghapus butir 3?");
    EXPECT_EQ(Row(1, 3), (Cells{"1", "2", "5", "6", "7", "8", "9", "10"}));
}

TEST_F(CommandsTest, DeleteItemRefusalsAndNo) {
    struct Case {
        const char* Name;
        GridCell Cursor;
        int JumButir; // as the raw data says when the command runs
        bool Answer;
        Cells Messages;
        int Questions;
    };
    const Case cases[] = {
        {"name column", {2, 3}, 2, true, {"Tidak ada butir yang dipilih"}, 0},
        {"number column", {1, 3}, 2, true, {"Tidak ada butir yang dipilih"}, 0},
        {"nothing left", {3, 3}, 0, true, {"Tidak ada lagi yang bisa dihapus"}, 0},
        {"answered no", {3, 3}, 2, false, {}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Empty(1, 2);
        ui.Messages.clear();
        ui.Questions.clear();
        ui.YesNoAnswers = {c.Answer};
        Click(c.Cursor.Col, c.Cursor.Row);
        Data().JumButir = c.JumButir;
        editor.SBhapusButirClick();
        EXPECT_EQ(ui.Messages, c.Messages);
        EXPECT_EQ(static_cast<int>(ui.Questions.size()), c.Questions);
        EXPECT_EQ(editor.SG.ColCount(), 5);
        EXPECT_FALSE(Changed());
    }
}

TEST_F(CommandsTest, WithoutItemColumnsTheCursorGoesToTheNameColumn) {
    Raw("ab", 2, 4, {{"Ani", "1", "ab"}});
    Open();
    Click(4, 3);
    editor.SBhapusButirClick();
    EXPECT_EQ(editor.CurrentCell(), (GridCell{3, 3}));
    editor.SBhapusButirClick();
    EXPECT_EQ(editor.SG.ColCount(), 3);
    EXPECT_EQ(Data().JumButir, 0);
    EXPECT_EQ(editor.CurrentCell(), (GridCell{2, 3}));
    editor.SBhapusButirClick();
    EXPECT_EQ(ui.Messages, (Cells{"Tidak ada butir yang dipilih"}));
    editor.FormClose();
    EXPECT_EQ(Data().Kunci, "");
    EXPECT_EQ(Data().GetJawaban(0).Jwb, "");
    EXPECT_TRUE(Data().NoButir.empty());
}

struct RangeCase {
    const char* Name;
    std::string Mulai;
    std::string Sampai;
    bool Batal;
    bool Answer;
    Cells Questions;
    Cells Messages;
    Cells NamesLeft;
};

class RangeTest : public CommandsTest, public testing::WithParamInterface<RangeCase> {};

TEST_P(RangeTest, DeletesTheRangeCutToTheLastSubject) {
    const RangeCase& c = GetParam();
    TenSubjects();
    ui.YesNoAnswers = {c.Answer};
    ui.OnDeleteRangeDialog = [&c](TFHapusBanyakSubyek& dialog) {
        dialog.EMulai = c.Mulai;
        dialog.ESampai = c.Sampai;
        if (c.Batal) {
            dialog.BatalClick();
        }
        return dialog.FormClose();
    };
    editor.SBHapusBanyakSubyekClick();
    EXPECT_EQ(ui.Questions, c.Questions);
    EXPECT_EQ(ui.Messages, c.Messages);
    EXPECT_EQ(Column(2), c.NamesLeft);
    const int left = static_cast<int>(c.NamesLeft.size());
    EXPECT_EQ(Column(0), Numbers(left));
    EXPECT_EQ(Data().JumSubyek, left);
    EXPECT_EQ(editor.LJumSubyek, std::to_string(left));
    EXPECT_EQ(Changed(), left != 10);
}

const Cells AllTen = {"N1", "N2", "N3", "N4", "N5", "N6", "N7", "N8", "N9", "N10"};
const std::string Asking = "Anda yakin akan menghapus subyek mulai dari nomor urut ";
const std::string RangeStartMessage = "Nomor urut \"mulai dari\" harus 1 atau lebih";

INSTANTIATE_TEST_SUITE_P(
    EditDataMentah, RangeTest,
    testing::Values(
        RangeCase{"TwoToFour",
                  "2",
                  "4",
                  false,
                  true,
                  {Asking + "2 sampai dengan 4?"},
                  {},
                  {"N1", "N5", "N6", "N7", "N8", "N9", "N10"}},
        RangeCase{"EightToTwenty",
                  "8",
                  "20",
                  false,
                  true,
                  {Asking + "8 sampai dengan 10?"},
                  {},
                  {"N1", "N2", "N3", "N4", "N5", "N6", "N7"}},
        RangeCase{"Whole", "1", "10", false, true, {Asking + "1 sampai dengan 10?"}, {}, {}},
        RangeCase{"Single",
                  "10",
                  "10",
                  false,
                  true,
                  {Asking + "10 sampai dengan 10?"},
                  {},
                  Cells(AllTen.begin(), AllTen.end() - 1)},
        RangeCase{
            "StartAfterEnd", "5", "3", false, true, {Asking + "5 sampai dengan 3?"}, {}, AllTen},
        RangeCase{"BeyondTheLast",
                  "12",
                  "20",
                  false,
                  true,
                  {Asking + "12 sampai dengan 10?"},
                  {},
                  AllTen},
        RangeCase{"StartZero", "0", "3", false, true, {}, {RangeStartMessage}, AllTen},
        RangeCase{"StartNegative", "-2", "3", false, true, {}, {RangeStartMessage}, AllTen},
        RangeCase{
            "AnsweredNo", "2", "4", false, false, {Asking + "2 sampai dengan 4?"}, {}, AllTen},
        RangeCase{"Batal", "2", "4", true, true, {}, {}, AllTen}),
    [](const testing::TestParamInfo<RangeCase>& param) { return std::string(param.param.Name); });

TEST_F(CommandsTest, TheRangeDialogWorksAgainAfterBatal) {
    TenSubjects();
    ui.OnDeleteRangeDialog = [](TFHapusBanyakSubyek& dialog) {
        dialog.BatalClick();
        return dialog.FormClose();
    };
    editor.SBHapusBanyakSubyekClick();
    ui.OnDeleteRangeDialog = [](TFHapusBanyakSubyek& dialog) {
        dialog.EMulai = "9";
        dialog.ESampai = "10";
        return dialog.FormClose();
    };
    editor.SBHapusBanyakSubyekClick();
    EXPECT_EQ(Data().JumSubyek, 8);
    EXPECT_EQ(ui.DeleteRangeDialogsShown, 2);
    // The close box also yields a range: only "Batal" stops the command.
    ui.OnDeleteRangeDialog = [](TFHapusBanyakSubyek& dialog) {
        dialog.EMulai = "1";
        dialog.ESampai = "1";
        dialog.FormClose();
        return false;
    };
    editor.SBHapusBanyakSubyekClick();
    EXPECT_EQ(Column(2).front(), "N2");
}

TEST_F(CommandsTest, ALongRangeOfThousandsOfSubjects) {
    std::vector<RawSubject> subjects;
    for (int i = 1; i <= 3000; ++i) {
        subjects.push_back({"N" + std::to_string(i), std::to_string(i), "abcdabcdab"});
    }
    Raw("abcdabcdab", 10, 4, subjects);
    Open();
    ui.OnDeleteRangeDialog = [](TFHapusBanyakSubyek& dialog) {
        dialog.EMulai = "2";
        dialog.ESampai = "2999";
        return dialog.FormClose();
    };
    editor.SBHapusBanyakSubyekClick();
    EXPECT_EQ(Column(2), (Cells{"N1", "N3000"}));
    EXPECT_EQ(Column(1), (Cells{"1", "3000"}));
    EXPECT_EQ(Row(4, 3), (Cells{"a", "b", "c", "d", "a", "b", "c", "d", "a", "b"}));
}

// ---- Print ---------------------------------------------------------------------------------

TEST_F(CommandsTest, PrintsTheRawDataWithItsHeader) {
    session.Global().FileName = "ujian.tav";
    Raw("abd", 3, 4, {{"Ani", "1", "abc"}, {"Budi", "B-2", "#*d"}});
    Open();
    preview.MCetak = {"old line"};
    editor.Cetak();
    const Cells expected = {
        "DATA MENTAH",
        "===========",
        "",
        "Jumlah Subyek= 2",
        "Jumlah Butir Soal= 3",
        "Jumlah Pilihan Jawaban= 4",
        "Nama berkas: UJIAN.TAV",
        "",
        " Nomor  Nomor   No. Butir Baru ----->      1   2   3 ",
        "  Urut  Subyek   No. Butir Asli --->       1   2   3 ",
        "                 Nama Subyek | Kunci ->    a   b   d ",
        "     1       1  Ani                        a   b   c ",
        "     2     B-2  Budi                           *   d ",
        "",
        "",
        "",
    };
    EXPECT_EQ(preview.MCetak, expected);
    EXPECT_EQ(ui.PreviewsShown, 1);
    // Printing changes nothing of the document.
    EXPECT_FALSE(Changed());
}

TEST_F(CommandsTest, APrintOfTwentyItemsHasThreeBlocksOfSeventySevenCharacters) {
    Empty(1, 20);
    editor.PrintReport(true);
    // 6 header lines, the file name and an empty line, then blocks of 4 rows and 2 empty lines.
    const Cells& lines = preview.MCetak;
    ASSERT_EQ(lines.size(), 8U + 3U * 6U + 1U);
    for (int block = 0; block < 3; ++block) {
        for (int row = 0; row < 4; ++row) {
            const std::string& line = lines[static_cast<std::size_t>(8 + block * 6 + row)];
            EXPECT_EQ(line.size(), block < 2 ? 77U : 49U) << "block " << block << " row " << row;
        }
    }
    EXPECT_EQ(lines[8].substr(41), "  1   2   3   4   5   6   7   8   9 ");
    EXPECT_EQ(lines[14].substr(41), " 10  11  12  13  14  15  16  17  18 ");
    EXPECT_EQ(lines[20].substr(41), " 19  20 ");
}

TEST_F(CommandsTest, ItemNumbersFromAHundredOnPrintAsDots) {
    Empty(1, 100);
    editor.PrintReport(true);
    // Items 1-99 fill eleven blocks of nine; item 100 stands alone in the twelfth.
    const Cells& lines = preview.MCetak;
    const std::size_t last = 8 + 11 * 6;
    EXPECT_EQ(lines[last].substr(41), " ... ");
    EXPECT_EQ(lines[last + 1].substr(41), " ... ");
    EXPECT_EQ(lines[last - 6].substr(41), " 91  92  93  94  95  96  97  98  99 ");
}

TEST_F(EssayEditorTest, ThePrintHasNoOptionCount) {
    session.Global().FileName = "/data/esai.tur";
    Raw("10,20", 2, 0, {{"Ani", "1", "8,15"}});
    Open();
    editor.PrintReport(false);
    const Cells expected = {
        "DATA MENTAH",
        "===========",
        "",
        "Jumlah Subyek= 1",
        "Jumlah Butir Soal= 2",
        "Nama berkas: /DATA/ESAI.TUR",
        "",
        " Nomor  Nomor   No. Butir Baru ----->      1   2 ",
        "  Urut  Subyek   No. Butir Asli --->       1   2 ",
        "                 Nama|Skor Ideal ->       10  20 ",
        "     1       1  Ani                        8  15 ",
        "",
        "",
        "",
    };
    EXPECT_EQ(preview.MCetak, expected);
    EXPECT_EQ(ui.PreviewsShown, 0);
}

// ---- New, save, read -------------------------------------------------------------------------

bool ConvertAndClose(TFInfoJawaban& dialog, FakeUserInterface& ui) {
    return dialog.FormCloseQuery(ui);
}

class NewSaveReadTest : public CommandsTest {
protected:
    NewSaveReadTest() {
        ui.OnNewFileDialog = [this](TFInfoJawaban& dialog) {
            dialog.EJumSubyek = "7";
            dialog.EJumButir = "0";
            dialog.EJumPilihan = "4";
            return ConvertAndClose(dialog, ui);
        };
    }

    TempFolder folder;
};

TEST_F(NewSaveReadTest, NewDocumentSetsUpTheGridForTheDialogsNumbers) {
    FiveSubjects();
    editor.SBBuatFileClick();
    EXPECT_EQ(ui.NewFileDialogsShown, 1);
    EXPECT_TRUE(ui.Questions.empty()) << "nothing to save first";
    EXPECT_EQ(Data().JumSubyek, 7);
    EXPECT_EQ(Data().JumButir, 0);
    EXPECT_EQ(Data().JumPilihan, 4);
    EXPECT_EQ(Data().JawabanCount(), 0);
    EXPECT_EQ(session.Global().FileName, "Belum_ada_nama.tav");
    EXPECT_EQ(session.Global().FileVersion, "4.0.2");
    EXPECT_EQ(editor.SG.RowCount(), 10);
    EXPECT_EQ(editor.SG.ColCount(), 3);
    EXPECT_EQ(Column(2), Cells(7, ""));
    EXPECT_EQ(editor.LJumPilihanJwb, "4");
    EXPECT_EQ(editor.Caption, "Edit Data Mentah: Belum_ada_nama.tav");
}

TEST_F(NewSaveReadTest, NewDocumentAfterChangesAsksToSaveFirst) {
    struct Case {
        const char* Name;
        UserInterface::SaveAnswer Answer;
        bool DialogShown;
        int SubjectsAfter;
    };
    const Case cases[] = {
        {"cancel", UserInterface::SaveAnswer::Cancel, false, 5},
        {"no", UserInterface::SaveAnswer::No, true, 7},
        // Yes on an unnamed document with the save dialog cancelled: nothing is saved, so the
        // command stops rather than throw the changes away.
        {"yes, save cancelled", UserInterface::SaveAnswer::Yes, false, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        FiveSubjects();
        session.Global().FileName = "Belum_ada_nama.tav";
        ui.NewFileDialogsShown = 0;
        ui.Questions.clear();
        ui.SaveAnswers = {c.Answer};
        Click(3, 3);
        editor.PressKey(KeyCode::Right);
        editor.SBBuatFileClick();
        EXPECT_EQ(ui.Questions, (Cells{"save-first"}));
        EXPECT_EQ(ui.NewFileDialogsShown, c.DialogShown ? 1 : 0);
        EXPECT_EQ(Data().JumSubyek, c.SubjectsAfter);
        EXPECT_EQ(static_cast<int>(Column(2).size()), c.SubjectsAfter);
        // A new document keeps the mark: the discarded changes are not saved either.
        EXPECT_TRUE(Changed());
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}

TEST_F(NewSaveReadTest, ACancelledNewFileDialogChangesNothing) {
    FiveSubjects();
    ui.OnNewFileDialog = [](TFInfoJawaban& dialog) {
        dialog.BatalClick();
        return false;
    };
    editor.SBBuatFileClick();
    EXPECT_EQ(Data().JumSubyek, 5);
    EXPECT_EQ(Column(2).size(), 5U);
    EXPECT_EQ(session.Global().FileName, "/data/ujian.tav");
}

TEST_F(NewSaveReadTest, SavingAnUnnamedDocumentAsksForANameAndWritesTheGrid) {
    ui.OnNewFileDialog = [this](TFInfoJawaban& dialog) {
        dialog.EJumSubyek = "1";
        dialog.EJumButir = "2";
        dialog.EJumPilihan = "3";
        return ConvertAndClose(dialog, ui);
    };
    editor.SBBuatFileClick();
    Click(3, 2);
    editor.TypeText("ca");
    editor.TypeText("Ani");
    editor.TypeText("\rbc");

    // Cancelling the save dialog saves nothing and leaves the grid as it was.
    editor.SBSimpanClick();
    EXPECT_EQ(ui.ProposedNames, (Cells{"Belum_ada_nama.tav"}));
    EXPECT_EQ(Data().Kunci, "");
    EXPECT_TRUE(Changed());
    EXPECT_EQ(Row(3, 1), (Cells{"1", "Ani", "b", "c"}));

    const std::string path = folder.File("baru.tav");
    ui.FilesToSave = {path};
    editor.SBSimpanClick();
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(session.Global().FileName, path);
    EXPECT_EQ(editor.Caption, "Edit Data Mentah: " + path);
    EXPECT_FALSE(Changed());
    EXPECT_EQ(Data().Kunci, "ca");

    Session other(AnalyzerKind::PilihanGanda);
    other.OpenDocument(path);
    EXPECT_EQ(other.DataMentah().Kunci, "ca");
    EXPECT_EQ(other.DataMentah().JumPilihan, 3);
    ASSERT_EQ(other.DataMentah().JawabanCount(), 1);
    EXPECT_EQ(other.DataMentah().GetJawaban(0).Nama, "Ani");
    EXPECT_EQ(other.DataMentah().GetJawaban(0).Jwb, "bc");

    // A named document is saved under its name without a question.
    editor.Paste("Siti", {2, 3});
    editor.SBSimpanClick();
    EXPECT_EQ(ui.ProposedNames.size(), 2U) << "only the two saves of the unnamed document ask";
    other.OpenDocument(path);
    EXPECT_EQ(other.DataMentah().GetJawaban(0).Nama, "AniSiti");
}

TEST_F(NewSaveReadTest, ReadingADocumentFillsTheGridAndMarksTheAnalyses) {
    const std::string path = folder.File("dibaca.tav");
    {
        Session writer(AnalyzerKind::PilihanGanda);
        TDataMentah& data = writer.DataMentah();
        data.Kunci = "ab";
        data.JumButir = 2;
        data.JumPilihan = 4;
        data.JumSubyek = 1;
        data.NoButir = {"3", "7"};
        data.AddJawaban({"Dina", "D1", "ba"});
        writer.SaveDocument(path);
    }
    FiveSubjects();
    session.Reliabilitas().SetNeedRecalc(false);
    ui.FilesToOpen = {path};
    editor.SBBacaClick();
    EXPECT_TRUE(ui.Questions.empty());
    EXPECT_EQ(Row(1, 3), (Cells{"3", "7"}));
    EXPECT_EQ(Row(2, 3), (Cells{"a", "b"}));
    EXPECT_EQ(Row(3), (Cells{"1", "D1", "Dina", "b", "a"}));
    EXPECT_EQ(editor.LJumSubyek, "1");
    EXPECT_EQ(session.Global().FileName, path);
    EXPECT_EQ(editor.Caption, "Edit Data Mentah: " + path);
    EXPECT_FALSE(Changed());
    EXPECT_TRUE(session.Reliabilitas().NeedRecalc);
}

TEST_F(NewSaveReadTest, ReadingAfterChanges) {
    const std::string path = folder.File("dibaca.tav");
    {
        Session writer(AnalyzerKind::PilihanGanda);
        writer.DataMentah().JumButir = 1;
        writer.DataMentah().JumSubyek = 0;
        writer.SaveDocument(path);
    }
    struct Case {
        const char* Name;
        UserInterface::SaveAnswer Answer;
        bool Read;
    };
    const Case cases[] = {
        {"cancel", UserInterface::SaveAnswer::Cancel, false},
        {"no", UserInterface::SaveAnswer::No, true},
        // Nothing was saved: reading would throw the changes away.
        {"yes, save cancelled", UserInterface::SaveAnswer::Yes, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        FiveSubjects();
        session.Global().FileName = "/x/Belum_ada_nama.tav";
        editor.Caption.clear();
        editor.SBTambahSubyekClick();
        ui.SaveAnswers = {c.Answer};
        ui.FilesToOpen = {path};
        editor.SBBacaClick();
        EXPECT_EQ(Data().JumSubyek, c.Read ? 0 : 6);
        EXPECT_EQ(Column(2).size(), c.Read ? 0U : 6U);
        EXPECT_EQ(ui.FilesToOpen.empty(), c.Read);
        // The caption is renewed unless the save question was cancelled.
        EXPECT_EQ(editor.Caption.empty(), !c.Read);
        ui.FilesToOpen.clear();
    }
}

TEST_F(NewSaveReadTest, ACancelledOpenDialogOnlyRenewsTheCaption) {
    FiveSubjects();
    editor.SBBacaClick();
    EXPECT_EQ(editor.Caption, "Edit Data Mentah: /data/ujian.tav");
    EXPECT_EQ(Column(2).size(), 5U);
}

TEST_F(NewSaveReadTest, AFailedReadKeepsTheDocumentAndTheGrid) {
    FiveSubjects();
    ui.FilesToOpen = {folder.File("tidak-ada.tav")};
    EXPECT_THROW(editor.SBBacaClick(), TaviroError);
    EXPECT_EQ(Column(2).size(), 5U);
    EXPECT_EQ(session.Global().FileName, "/data/ujian.tav");
}

TEST(EditDataMentahEssayNew, AsksForSubjectsAndItemsAndKeepsTheOptionCount) {
    Session session(AnalyzerKind::Uraian);
    FakeUserInterface ui;
    TFMemoCetak preview;
    TFEditDatamEntah editor(session, ui, preview);
    session.DataMentah().JumPilihan = 3;
    ui.OnNewFileDialog = [&ui](TFInfoJawaban& dialog) {
        dialog.EJumSubyek = "2";
        dialog.EJumButir = "4";
        return dialog.FormCloseQuery(ui);
    };
    editor.SBBuatFileClick();
    EXPECT_EQ(session.DataMentah().JumSubyek, 2);
    EXPECT_EQ(session.DataMentah().JumButir, 4);
    EXPECT_EQ(session.DataMentah().JumPilihan, 3);
    EXPECT_EQ(session.Global().FileName, "Belum_ada_nama.tur");
    EXPECT_EQ(session.Global().FileVersion, "2.0.0");
    EXPECT_EQ(editor.Caption, "Edit Data Mentah: Belum_ada_nama.tur");

    editor.SBSimpanClick();
    EXPECT_EQ(ui.ProposedNames, (Cells{"Belum_ada_nama.tur"}));
}

TEST(EditDataMentahSharedDialog, TheNewFileDialogOfTheMainMenuKeepsItsNumbers) {
    Session session(AnalyzerKind::PilihanGanda);
    FakeUserInterface ui;
    TFMemoCetak preview;
    TFInfoJawaban shared(AnalyzerKind::PilihanGanda);
    shared.EJumSubyek = "3";
    shared.EJumButir = "2";
    TFEditDatamEntah editor(session, ui, preview, shared);
    TFInfoJawaban* shown = nullptr;
    ui.OnNewFileDialog = [&](TFInfoJawaban& dialog) {
        shown = &dialog;
        return dialog.FormCloseQuery(ui);
    };
    editor.SBBuatFileClick();
    EXPECT_EQ(shown, &shared);
    EXPECT_EQ(session.DataMentah().JumSubyek, 3);
    EXPECT_EQ(session.DataMentah().JumButir, 2);
}

} // namespace
} // namespace taviro::test
