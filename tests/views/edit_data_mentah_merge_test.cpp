#include "edit_data_mentah_fixture.h"

#include "core/taviro_error.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace taviro::test {
namespace {

const std::string AppendWords = "menambahkannya di baris paling bawah";
const std::string OverwriteWords = "meletakkannya mulai dari nomor 1 (menimpa nama sebelumnya)";
const std::string ItemsDiffer = "Maaf, jumlah butir tidak sama! Penggabungan dapat dilakukan jika "
                                "jumlah butir dan kunci kedua file sama";
const std::string KeysDiffer = "Maaf, kunci tidak sama! Penggabungan dapat dilakukan jika jumlah "
                               "butir dan kunci kedua file sama";

// Another document of the kind, written as the program writes it.
void WriteDocument(AnalyzerKind kind, const std::string& path, const std::string& kunci, int items,
                   const std::vector<RawSubject>& subjects) {
    Session writer(kind);
    TDataMentah& data = writer.DataMentah();
    data.Kunci = kunci;
    data.JumButir = items;
    data.JumPilihan = 4;
    data.JumSubyek = static_cast<int>(subjects.size());
    for (const RawSubject& s : subjects) {
        data.AddJawaban({s.Nama, s.NoSubyek, s.Jwb});
    }
    writer.SaveDocument(path);
}

// A multiple-choice document in the raw form, for versions and counts the program never writes.
std::string RawDocument(const std::string& version, int jumSubyek,
                        const std::vector<RawSubject>& subjects) {
    std::string xml = "<?xml version=\"1.0\"?>\n<TAVIRO file_version=\"" + version +
                      "\">\n<Data_Mentah><Kunci>abd</Kunci><JumSubyek>" +
                      std::to_string(jumSubyek) +
                      "</JumSubyek><JumButir>3</JumButir><JumPilihan>4</JumPilihan>"
                      "<IsNeedRecalc>-1</IsNeedRecalc><NoButir><NOBTR>1</NOBTR><NOBTR>2</NOBTR>"
                      "<NOBTR>3</NOBTR></NoButir><Jawaban><JumItem>" +
                      std::to_string(subjects.size()) + "</JumItem>";
    for (const RawSubject& s : subjects) {
        xml += "<Subyek><Nama>" + s.Nama + "</Nama><NoSubyek>" + s.NoSubyek + "</NoSubyek><Jwb>" +
               s.Jwb + "</Jwb></Subyek>";
    }
    return xml + "</Jawaban></Data_Mentah>\n</TAVIRO>\n";
}

class ImportTest : public EditorTest {
protected:
    ImportTest() {
        Raw("abd", 3, 4,
            {{"N1", "S1", "aaa"},
             {"N2", "S2", "bbb"},
             {"N3", "S3", "ccc"},
             {"N4", "S4", "ddd"},
             {"N5", "S5", "abc"}});
        Open();
        WriteDocument(AnalyzerKind::PilihanGanda, three, "abd", 3,
                      {{"Tia", "T1", "abd"}, {"Udin", "T2", "a*d"}, {"Vera", "T3", ""}});
    }

    void ChooseFile(const std::string& path) {
        ui.OnImportNamesDialog = [path](TFAmbilNamaSubyek& dialog) {
            dialog.ENamaFile = path;
            dialog.FormClose();
            return true;
        };
        ui.OnMergeDialog = [path](TFGabungDuaFile& dialog) {
            dialog.ENamaFile = path;
            dialog.FormClose();
            return true;
        };
    }

    TempFolder folder;
    const std::string three = folder.File("tiga.tav");
};

TEST_F(ImportTest, AppendsThreeNamesBelowFiveSubjects) {
    ChooseFile(three);
    editor.SBAmbilNamaSubyekClick();
    EXPECT_EQ(ui.Questions, (Cells{"Anda yakin akan mengimpor nama-nama subyek dari file " + three +
                                   " dan " + AppendWords + "?"}));
    EXPECT_EQ(Data().JumSubyek, 8);
    EXPECT_EQ(editor.LJumSubyek, "8");
    EXPECT_EQ(Column(0), (Cells{"1", "2", "3", "4", "5", "6", "7", "8"}));
    EXPECT_EQ(Column(1), (Cells{"S1", "S2", "S3", "S4", "S5", "6", "7", "8"}));
    EXPECT_EQ(Column(2), (Cells{"N1", "N2", "N3", "N4", "N5", "Tia", "Udin", "Vera"}));
    for (int row = 8; row <= 10; ++row) {
        EXPECT_EQ(Row(row, 3), (Cells{"", "", ""})) << "answers are not taken over";
    }
    EXPECT_TRUE(Changed());
    EXPECT_TRUE(Data().IsNeedRecalc);
}

TEST_F(ImportTest, OverwritesNamesFromTheFirstSubjectWhenPlacedSo) {
    editor.FAmbilNamaSubyek.Placement = TFAmbilNamaSubyek::NamePlacement::Overwrite;
    ChooseFile(three);
    editor.SBAmbilNamaSubyekClick();
    EXPECT_EQ(ui.Questions, (Cells{"Anda yakin akan mengimpor nama-nama subyek dari file " + three +
                                   " dan " + OverwriteWords + "?"}));
    EXPECT_EQ(Data().JumSubyek, 5);
    EXPECT_EQ(Column(2), (Cells{"Tia", "Udin", "Vera", "N4", "N5"}));
    EXPECT_EQ(Column(1), (Cells{"S1", "S2", "S3", "S4", "S5"}));
    EXPECT_EQ(Row(3, 3), (Cells{"a", "a", "a"}));

    // More names than subjects: the grid grows to take them.
    const std::string seven = folder.File("tujuh.tav");
    std::vector<RawSubject> subjects;
    for (int i = 1; i <= 7; ++i) {
        subjects.push_back({"M" + std::to_string(i), "", ""});
    }
    WriteDocument(AnalyzerKind::PilihanGanda, seven, "", 3, subjects);
    ChooseFile(seven);
    editor.SBAmbilNamaSubyekClick();
    EXPECT_EQ(Column(2), (Cells{"M1", "M2", "M3", "M4", "M5", "M6", "M7"}));
    EXPECT_EQ(Column(1), (Cells{"S1", "S2", "S3", "S4", "S5", "6", "7"}));
}

TEST_F(ImportTest, NothingHappensWithoutYes) {
    editor.SBAmbilNamaSubyekClick(); // the dialog cancelled
    EXPECT_TRUE(ui.Questions.empty());
    // Answered no: the document is not even read, so a missing one raises nothing.
    ChooseFile(folder.File("tidak-ada.tav"));
    ui.YesNoAnswers = {false};
    editor.SBAmbilNamaSubyekClick();
    EXPECT_EQ(ui.Questions.size(), 1U);
    EXPECT_EQ(Data().JumSubyek, 5);
    EXPECT_FALSE(Changed());
}

TEST_F(ImportTest, AnUnreadableDocumentStopsTheImportWithItsError) {
    ChooseFile(folder.File("tidak-ada.tav"));
    EXPECT_THROW(editor.SBAmbilNamaSubyekClick(), TaviroError);
    EXPECT_EQ(Column(2).size(), 5U);
    EXPECT_FALSE(Changed());
    ChooseFile("");
    EXPECT_THROW(editor.SBAmbilNamaSubyekClick(), TaviroError);
}

TEST_F(ImportTest, ReadingTheOtherDocumentLeavesTheOpenOneAlone) {
    ChooseFile(three);
    editor.SBAmbilNamaSubyekClick();
    EXPECT_EQ(session.Global().FileName, "/data/ujian.tav");
    EXPECT_EQ(session.Global().FileVersion, "4.0.2");
    EXPECT_EQ(Data().Kunci, "abd");
    EXPECT_EQ(Data().JawabanCount(), 5) << "the raw data is rebuilt only from the grid";
}

TEST_F(ImportTest, MergesADocumentWhoseKeyDiffersOnlyInLetterCase) {
    const std::string upper = folder.File("besar.tav");
    WriteDocument(AnalyzerKind::PilihanGanda, upper, "ABD", 3,
                  {{"Tia", "T1", "abD"}, {"Udin", "", "a*"}});
    ChooseFile(upper);
    editor.SBTambahDataClick();
    EXPECT_EQ(ui.Questions, (Cells{"Anda yakin akan mengabung data dari file " + upper + "?"}));
    EXPECT_TRUE(ui.Messages.empty());
    EXPECT_EQ(Data().JumSubyek, 7);
    EXPECT_EQ(editor.LJumSubyek, "7");
    EXPECT_EQ(Column(0), (Cells{"1", "2", "3", "4", "5", "6", "7"}));
    EXPECT_EQ(Column(1), (Cells{"S1", "S2", "S3", "S4", "S5", "T1", ""}));
    EXPECT_EQ(Column(2), (Cells{"N1", "N2", "N3", "N4", "N5", "Tia", "Udin"}));
    EXPECT_EQ(Row(8, 3), (Cells{"a", "b", "D"}));
    EXPECT_EQ(Row(9, 3), (Cells{"a", "*", ""}));
    EXPECT_EQ(Row(2, 3), (Cells{"a", "b", "d"})) << "the key stays as it was";
    EXPECT_TRUE(Changed());
    editor.FormClose();
    EXPECT_EQ(Data().GetJawaban(6).Jwb, "a*#");
}

TEST_F(ImportTest, RefusesADifferentItemCountOrKey) {
    struct Case {
        const char* Name;
        std::string Kunci;
        int Items;
        Cells Messages;
    };
    const Case cases[] = {
        {"more items", "abda", 4, {ItemsDiffer}},
        {"fewer items", "ab", 2, {ItemsDiffer}},
        {"other key", "abc", 3, {KeysDiffer}},
        {"no key", "", 3, {KeysDiffer}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        ui.Messages.clear();
        const std::string path = folder.File("lain.tav");
        WriteDocument(AnalyzerKind::PilihanGanda, path, c.Kunci, c.Items, {{"Tia", "T1", "abd"}});
        ChooseFile(path);
        editor.SBTambahDataClick();
        EXPECT_EQ(ui.Messages, c.Messages);
        EXPECT_EQ(Data().JumSubyek, 5);
        EXPECT_EQ(Column(2).size(), 5U);
        EXPECT_FALSE(Changed());
    }
}

TEST_F(ImportTest, MergeComparesTheKeyAsTheGridShowsItNow) {
    // The key typed since the last write-back counts: the raw data still holds "abd".
    Click(5, 2);
    editor.PressKey(KeyCode::Backspace);
    editor.PressKey(EditorKey::Char("c"));
    ASSERT_EQ(Data().Kunci, "abd");
    Data().IsChanged = false;

    ChooseFile(three); // key "abd", as the raw data last written back
    editor.SBTambahDataClick();
    EXPECT_EQ(ui.Messages, (Cells{KeysDiffer}));
    EXPECT_EQ(Data().JumSubyek, 5);

    const std::string typed = folder.File("abc.tav");
    WriteDocument(AnalyzerKind::PilihanGanda, typed, "aBc", 3, {{"Wati", "W1", "ccc"}});
    ChooseFile(typed);
    editor.SBTambahDataClick();
    EXPECT_EQ(ui.Messages.size(), 1U);
    EXPECT_EQ(Column(2).back(), "Wati");
}

TEST_F(ImportTest, MergeComparesKeysWithEmptyCellsAsTheGridShowsThem) {
    // A key shorter than the items stands in the grid with empty cells at the end.
    Raw("ab", 3, 4, {{"N1", "S1", "aaa"}});
    Open();
    const std::string path = folder.File("pendek.tav");
    WriteDocument(AnalyzerKind::PilihanGanda, path, "AB", 3, {{"Tia", "T1", "abd"}});
    ChooseFile(path);
    editor.SBTambahDataClick();
    EXPECT_TRUE(ui.Messages.empty());
    EXPECT_EQ(Data().JumSubyek, 2);
}

TEST_F(ImportTest, AnOlderDocumentKeepsTheSequenceNumbers) {
    const std::string path = folder.File("lama.tav");
    WriteFile(path, RawDocument("4.0.1", 2, {{"Tia", "T9", "abd"}, {"Udin", "T8", "bbb"}}));
    ChooseFile(path);
    editor.SBTambahDataClick();
    EXPECT_EQ(Column(1), (Cells{"S1", "S2", "S3", "S4", "S5", "6", "7"}));
    EXPECT_EQ(Column(2).back(), "Udin");
    EXPECT_EQ(Row(9, 3), (Cells{"b", "b", "b"}));
}

TEST_F(ImportTest, MoreSubjectsThanRecordsGiveEmptyRows) {
    // JumSubyek and the records are read from two elements and need not agree.
    const std::string path = folder.File("kurang.tav");
    WriteFile(path, RawDocument("4.0.2", 3, {{"Tia", "T1", "abd"}}));
    ChooseFile(path);
    editor.SBTambahDataClick();
    EXPECT_EQ(Data().JumSubyek, 8);
    EXPECT_EQ(Column(2), (Cells{"N1", "N2", "N3", "N4", "N5", "Tia", "", ""}));
    EXPECT_EQ(Column(1), (Cells{"S1", "S2", "S3", "S4", "S5", "T1", "7", "8"}));

    ui.Questions.clear();
    editor.SBAmbilNamaSubyekClick();
    EXPECT_EQ(Column(2).size(), 11U);
    EXPECT_EQ(Column(2)[8], "Tia");
}

class EssayImportTest : public EssayEditorTest {
protected:
    EssayImportTest() {
        Raw("10,20", 2, 0, {{"N1", "S1", "5,15"}, {"N2", "S2", "#,20"}});
        Open();
    }
    void ChooseFile(const std::string& path) {
        ui.OnMergeDialog = [path](TFGabungDuaFile& dialog) {
            dialog.ENamaFile = path;
            dialog.FormClose();
            return true;
        };
        ui.OnImportNamesDialog = [path](TFAmbilNamaSubyek& dialog) {
            dialog.ENamaFile = path;
            dialog.FormClose();
            return true;
        };
    }
    TempFolder folder;
};

TEST_F(EssayImportTest, MergesScoresAndSubjectNumbers) {
    const std::string path = folder.File("lain.tur");
    WriteDocument(AnalyzerKind::Uraian, path, "10,20", 2,
                  {{"Tia", "T1", "8,#"}, {"Udin", "", "*,12"}});
    ChooseFile(path);
    editor.SBTambahDataClick();
    EXPECT_TRUE(ui.Messages.empty());
    EXPECT_EQ(Column(1), (Cells{"S1", "S2", "T1", ""}));
    EXPECT_EQ(Row(5, 2), (Cells{"Tia", "8", ""}));
    EXPECT_EQ(Row(6, 2), (Cells{"Udin", "*", "12"}));
}

TEST_F(EssayImportTest, RefusesOtherIdealScoresOrItemCounts) {
    const std::string path = folder.File("lain.tur");
    WriteDocument(AnalyzerKind::Uraian, path, "10,25", 2, {{"Tia", "T1", "8,#"}});
    ChooseFile(path);
    editor.SBTambahDataClick();
    WriteDocument(AnalyzerKind::Uraian, path, "10,20,5", 3, {{"Tia", "T1", "8,#"}});
    editor.SBTambahDataClick();
    EXPECT_EQ(ui.Messages,
              (Cells{"Maaf, skor ideal tidak sama! Penggabungan dapat dilakukan jika jumlah "
                     "butir dan skor ideal kedua file sama",
                     "Maaf, jumlah butir tidak sama! Penggabungan dapat dilakukan jika jumlah "
                     "butir dan skor ideal kedua file sama"}));
    EXPECT_EQ(Data().JumSubyek, 2);
}

TEST_F(EssayImportTest, ComparesTheIdealScoresTypedInTheGrid) {
    const std::string path = folder.File("lain.tur");
    WriteDocument(AnalyzerKind::Uraian, path, "10,25", 2, {{"Tia", "T1", "8,#"}});
    Click(4, 2);
    editor.PressKey(KeyCode::Delete);
    editor.TypeText("25");
    ChooseFile(path);
    editor.SBTambahDataClick();
    EXPECT_TRUE(ui.Messages.empty());
    EXPECT_EQ(Data().JumSubyek, 3);
}

TEST_F(EssayImportTest, ImportsNames) {
    const std::string path = folder.File("nama.tur");
    WriteDocument(AnalyzerKind::Uraian, path, "", 5, {{"Tia", "T1", "1,2,3,4,5"}});
    ChooseFile(path);
    editor.SBAmbilNamaSubyekClick();
    EXPECT_EQ(Row(5, 1), (Cells{"3", "Tia", "", ""}));
}

} // namespace
} // namespace taviro::test
