// Every path that discards a changed document asks the save-first question before anything is
// discarded, and loses nothing unless the user says so: the main menu's "Buat File Baru", "Baca
// File yg Ada", its close box and "Keluar dari Taviro", and the editor's "Buat File Baru" and
// "Baca File".
#include "core/session.h"
#include "core/taviro_error.h"
#include "support/fake_user_interface.h"
#include "support/test_files.h"
#include "views/analyzer_windows.h"
#include "views/edit_data_mentah.h"
#include "views/info_jawaban.h"
#include "views/memo_cetak.h"
#include "views/utama.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace taviro {
namespace {

namespace fs = std::filesystem;
using SaveAnswer = UserInterface::SaveAnswer;

// The example document opened from a copy, with the main menu and the editor over it; the user
// answers the new-file dialog with 4 subjects, 3 items and 5 options.
class Program {
public:
    Program() : windows(session, ui), utama(session, ui, windows), editor(session, ui, preview) {
        path = folder.File("ujian.tav");
        other = folder.File("lain.tav");
        const fs::path example =
            test::FixturesDir() / "documents" / "example-pilihan-ganda" / "input.tav";
        fs::copy_file(example, path);
        fs::copy_file(example, other);
        utama.OnLoadGridFromData = [this] { editor.LoadGridFromData(); };
        utama.OnSetUpGrid = [this] { editor.SetUpGrid(); };
        utama.OnClose = [this] { Closed = utama.FormCloseQuery(); };
        ui.OnNewFileDialog = [this](TFInfoJawaban& dialog) {
            dialog.EJumSubyek = "4";
            dialog.EJumButir = "3";
            dialog.EJumPilihan = "5";
            return dialog.FormCloseQuery(ui);
        };
        utama.OpenDocument(path);
        ui.WindowsShown.clear();
        saved = test::ReadFile(path);
    }

    test::TempFolder folder;
    test::FakeUserInterface ui;
    Session session{AnalyzerKind::PilihanGanda};
    AnalyzerWindows windows;
    TFUtama utama;
    TFMemoCetak preview;
    TFEditDatamEntah editor;
    std::string path;
    std::string other;
    std::string saved;
    bool Closed = false;
};

// One path that discards the open document.
struct DiscardingPath {
    const char* Name;
    // Makes the unsaved change "Zed" as the user would before taking the path: in the editor's
    // grid for the editor's commands, in the raw data (where the closed editor put it) for the
    // main menu's.
    bool InEditor;
    // Takes the path; true when it went on and discarded the document (or closed the window).
    std::function<bool(Program&)> Take;
};

void PrintTo(const DiscardingPath& path, std::ostream* out) {
    *out << path.Name;
}

bool NewDocumentMade(Program& p) {
    return p.ui.NewFileDialogsShown == 1 &&
           p.session.Global().FileName == UnnamedDocument(AnalyzerKind::PilihanGanda);
}

bool OtherDocumentOpen(Program& p) {
    return p.ui.FilesToOpen.empty() && p.session.Global().FileName == p.other;
}

const DiscardingPath Paths[] = {
    {"main menu, Buat File Baru", false,
     [](Program& p) {
         p.utama.LinkClick(MenuLink::LBuatFile);
         return NewDocumentMade(p);
     }},
    {"main menu, Baca File yg Ada", false,
     [](Program& p) {
         p.utama.LinkClick(MenuLink::LBacaFile);
         return OtherDocumentOpen(p);
     }},
    {"main menu, close box", false, [](Program& p) { return p.utama.FormCloseQuery(); }},
    {"main menu, Keluar dari Taviro", false,
     [](Program& p) {
         p.utama.LinkClick(MenuLink::LKeluar);
         return p.Closed;
     }},
    {"editor, Buat File Baru", true,
     [](Program& p) {
         p.editor.SBBuatFileClick();
         return NewDocumentMade(p);
     }},
    {"editor, Baca File", true,
     [](Program& p) {
         p.editor.SBBacaClick();
         return OtherDocumentOpen(p);
     }},
};

void MakeChange(Program& p, const DiscardingPath& path) {
    if (path.InEditor) {
        p.editor.SetCellText({2, TFEditDatamEntah::FirstSubjectRow}, "Zed");
    } else {
        p.session.DataMentah().GetJawaban(0).Nama = "Zed";
    }
    p.session.DataMentah().IsChanged = true;
}

// The change is still in the open document, unsaved.
void ExpectChangeKept(Program& p, const DiscardingPath& path) {
    EXPECT_EQ(p.session.Global().FileName, p.path);
    EXPECT_TRUE(p.session.DataMentah().IsChanged);
    if (path.InEditor) {
        EXPECT_EQ(p.editor.SG.Cell(TFEditDatamEntah::FirstSubjectRow, 2), "Zed");
    } else {
        EXPECT_EQ(p.session.DataMentah().GetJawaban(0).Nama, "Zed");
    }
}

bool FileHoldsChange(const Program& p) {
    return test::ReadFile(p.path).find("<Nama>Zed</Nama>") != std::string::npos;
}

class SaveFirst : public testing::TestWithParam<DiscardingPath> {};

TEST_P(SaveFirst, YesSavesTheChangeThenGoesOn) {
    Program p;
    MakeChange(p, GetParam());
    p.ui.SaveAnswers = {SaveAnswer::Yes};
    p.ui.FilesToOpen = {p.other};
    EXPECT_TRUE(GetParam().Take(p));
    EXPECT_EQ(p.ui.Questions, std::vector<std::string>{"save-first"});
    EXPECT_TRUE(FileHoldsChange(p));
    EXPECT_TRUE(p.ui.Errors.empty());
}

TEST_P(SaveFirst, NoGoesOnAndLeavesTheFileAsItWas) {
    Program p;
    MakeChange(p, GetParam());
    p.ui.SaveAnswers = {SaveAnswer::No};
    p.ui.FilesToOpen = {p.other};
    EXPECT_TRUE(GetParam().Take(p));
    EXPECT_EQ(p.ui.Questions, std::vector<std::string>{"save-first"});
    EXPECT_EQ(test::ReadFile(p.path), p.saved);
}

TEST_P(SaveFirst, CancelDiscardsNothing) {
    Program p;
    MakeChange(p, GetParam());
    p.ui.SaveAnswers = {SaveAnswer::Cancel};
    p.ui.FilesToOpen = {p.other};
    EXPECT_FALSE(GetParam().Take(p));
    EXPECT_EQ(p.ui.Questions, std::vector<std::string>{"save-first"});
    EXPECT_EQ(p.ui.NewFileDialogsShown, 0);
    EXPECT_EQ(p.ui.FilesToOpen.size(), 1u);
    EXPECT_EQ(test::ReadFile(p.path), p.saved);
    ExpectChangeKept(p, GetParam());
}

TEST_P(SaveFirst, AFailedSaveStopsThePathWithItsMessage) {
    Program p;
    MakeChange(p, GetParam());
    // A folder has taken the document's name: the save cannot replace it.
    fs::remove(p.path);
    fs::create_directory(p.path);
    p.ui.SaveAnswers = {SaveAnswer::Yes};
    p.ui.FilesToOpen = {p.other};
    std::vector<std::string> errors;
    try {
        EXPECT_FALSE(GetParam().Take(p));
        errors = p.ui.Errors;
    } catch (const TaviroError& error) {
        // The editor's commands leave the message to the program's error handler.
        errors.emplace_back(error.what());
    }
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "Berkas \"" + p.path +
                             "\" tidak dapat disimpan: nama itu dipakai oleh sebuah folder.");
    EXPECT_EQ(p.ui.NewFileDialogsShown, 0);
    EXPECT_EQ(p.ui.FilesToOpen.size(), 1u);
    ExpectChangeKept(p, GetParam());
}

TEST_P(SaveFirst, NoQuestionWithoutAChange) {
    Program p;
    p.ui.FilesToOpen = {p.other};
    EXPECT_TRUE(GetParam().Take(p));
    EXPECT_TRUE(p.ui.Questions.empty());
}

std::string PathName(const testing::TestParamInfo<DiscardingPath>& param) {
    std::string name = param.param.Name;
    std::replace_if(
        name.begin(), name.end(),
        [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(EveryPath, SaveFirst, testing::ValuesIn(Paths), PathName);

} // namespace
} // namespace taviro
