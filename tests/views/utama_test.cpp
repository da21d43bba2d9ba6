#include "views/utama.h"

#include "core/session.h"
#include "support/fake_user_interface.h"
#include "support/test_files.h"
#include "views/analyzer_windows.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace taviro {
namespace {

namespace fs = std::filesystem;
using SaveAnswer = UserInterface::SaveAnswer;
using LinkSet = std::set<MenuLink>;

const LinkSet StartLinks = {MenuLink::LBuatFile, MenuLink::LBacaFile, MenuLink::LKeluar};
const LinkSet FileLinks = {MenuLink::LEditDataMentah, MenuLink::LBuatFile, MenuLink::LBacaFile,
                           MenuLink::LSimpan,         MenuLink::LSaveAs,   MenuLink::LKeluar};
const LinkSet ScoringLinks = {MenuLink::LPenyekoran, MenuLink::LSkorDibobot, MenuLink::LOlahSemua};
const LinkSet AnalysisLinks = {MenuLink::LReliabilitas,  MenuLink::LUnggulAsor,
                               MenuLink::LDayaPembeda,   MenuLink::LtkKesukaran,
                               MenuLink::LKorelasiButir, MenuLink::LKualitasPengecoh,
                               MenuLink::LRekapButir};

LinkSet Union(std::initializer_list<LinkSet> sets) {
    LinkSet all;
    for (const LinkSet& set : sets) {
        all.insert(set.begin(), set.end());
    }
    return all;
}

// The links the essay analyzer has of a set.
LinkSet Essay(LinkSet links) {
    links.erase(MenuLink::LSkorDibobot);
    links.erase(MenuLink::LKualitasPengecoh);
    return links;
}

std::string FixtureDocument(AnalyzerKind kind) {
    const fs::path documents = test::FixturesDir() / "documents";
    return kind == AnalyzerKind::PilihanGanda
               ? (documents / "example-pilihan-ganda" / "input.tav").string()
               : (documents / "essay-twin" / "input.tur").string();
}

// One analyzer with its main menu, a user who answers the new-file dialog with 4 subjects,
// 3 items and 5 options, and the program's editor hooks recorded in a log.
class Menu {
public:
    explicit Menu(AnalyzerKind kind = AnalyzerKind::PilihanGanda)
        : session(kind), windows(session, ui), utama(session, ui, windows) {
        utama.OnSetUpGrid = [this] { Log.emplace_back("SetUpGrid"); };
        utama.OnLoadGridFromData = [this] { Log.emplace_back("LoadGridFromData"); };
        ui.OnNewFileDialog = [this](TFInfoJawaban& dialog) {
            dialog.EJumSubyek = "4";
            dialog.EJumButir = "3";
            dialog.EJumPilihan = "5";
            return dialog.FormCloseQuery(ui);
        };
    }

    test::FakeUserInterface ui;
    Session session;
    AnalyzerWindows windows;
    TFUtama utama;
    test::TempFolder folder;
    std::vector<std::string> Log;

    // The fixture document of the kind copied into the temporary folder.
    std::string Copy(const std::string& name) {
        const fs::path target = folder.Path() / name;
        fs::create_directories(target.parent_path());
        fs::copy_file(FixtureDocument(session.Kind()), target);
        return target.string();
    }

    LinkSet Enabled() const {
        LinkSet enabled;
        for (const auto& [link, isEnabled] : utama.LinkStates()) {
            if (isEnabled) {
                enabled.insert(link);
            }
        }
        return enabled;
    }

    std::string Unnamed() const { return std::string(UnnamedDocument(session.Kind())); }

    // An unsaved change that a save makes visible in the file.
    void ChangeFirstName() {
        session.DataMentah().GetJawaban(0).Nama = "Zed";
        session.DataMentah().IsChanged = true;
    }
};

std::vector<AnalyzerKind> BothKinds() {
    return {AnalyzerKind::PilihanGanda, AnalyzerKind::Uraian};
}

TEST(UtamaTest, LinksAtStart) {
    Menu pg;
    EXPECT_EQ(pg.Enabled(), StartLinks);
    EXPECT_EQ(pg.utama.LinkStates().size(), 16u);
    EXPECT_EQ(pg.utama.LNamaFile, "Belum_ada_nama.tav");

    Menu uraian(AnalyzerKind::Uraian);
    EXPECT_EQ(uraian.Enabled(), StartLinks);
    EXPECT_EQ(uraian.utama.LinkStates().size(), 14u);
    EXPECT_EQ(uraian.utama.LNamaFile, "Belum_ada_nama.tur");
    // "Olah Semua Otomatis" takes the place of "Skor Dibobot"; no distractor link.
    std::vector<std::string> captions;
    for (const MenuLinkInfo& info : uraian.utama.Links()) {
        if (info.Column != MenuColumn::File) {
            captions.emplace_back(info.Caption);
        }
    }
    const std::vector<std::string> expected = {"Penyekoran Data",
                                               "Olah Semua Otomatis",
                                               "Reliabilitas",
                                               "Kel. Unggul dan Asor",
                                               "Daya Pembeda",
                                               "Tingkat Kesukaran",
                                               "Korelasi Skor Butir dg Skor Tot",
                                               "Rekap Analisis Butir"};
    EXPECT_EQ(captions, expected);
}

TEST(UtamaTest, DisabledLinksDoNothing) {
    for (AnalyzerKind kind : BothKinds()) {
        Menu m(kind);
        for (const auto& [link, enabled] : m.utama.LinkStates()) {
            if (!enabled) {
                m.utama.LinkClick(link);
            }
        }
        // Links the essay analyzer does not have do nothing either.
        m.utama.LinkClick(MenuLink::LSkorDibobot);
        m.utama.LinkClick(MenuLink::LKualitasPengecoh);
        EXPECT_TRUE(m.ui.WindowsShown.empty());
        EXPECT_TRUE(m.ui.Errors.empty());
        EXPECT_EQ(m.ui.PreviewsShown, 0);
        EXPECT_EQ(m.Enabled(), StartLinks);
    }
}

TEST(UtamaTest, NewDocumentEnablesFileAndScoringLinksAndOpensTheEditor) {
    struct Case {
        AnalyzerKind Kind;
        std::string FileVersion;
        int JumPilihan;
    };
    // The essay dialog does not ask for options: the count of the open document stays.
    for (const Case& c :
         {Case{AnalyzerKind::PilihanGanda, "4.0.2", 5}, Case{AnalyzerKind::Uraian, "2.0.0", 0}}) {
        Menu m(c.Kind);
        m.utama.OpenDocument(m.Copy("ujian" + std::string(DocumentExtension(c.Kind))));
        m.ui.WindowsShown.clear();
        m.Log.clear();

        m.utama.LinkClick(MenuLink::LBuatFile);

        const TDataMentah& data = m.session.DataMentah();
        EXPECT_EQ(data.JumSubyek, 4);
        EXPECT_EQ(data.JumButir, 3);
        EXPECT_EQ(data.JumPilihan, c.Kind == AnalyzerKind::PilihanGanda ? 5 : 0);
        EXPECT_TRUE(data.Kunci.empty());
        EXPECT_EQ(m.session.Global().FileName, m.Unnamed());
        EXPECT_EQ(m.session.Global().FileVersion, c.FileVersion);
        EXPECT_EQ(m.utama.LNamaFile, m.Unnamed());
        EXPECT_EQ(m.Log, std::vector<std::string>{"SetUpGrid"});
        EXPECT_EQ(m.ui.WindowsShown, std::vector<Window>{Window::EditDataMentah});
        // The new data are not scored yet.
        const LinkSet expected = Union({FileLinks, ScoringLinks});
        EXPECT_EQ(m.Enabled(), c.Kind == AnalyzerKind::PilihanGanda ? expected : Essay(expected));
        EXPECT_FALSE(m.windows.UnggulAsor.GroupsCurrent);
    }
}

TEST(UtamaTest, CancelledNewFileDialogChangesNothing) {
    Menu m;
    m.ui.OnNewFileDialog = [](TFInfoJawaban& dialog) {
        dialog.BatalClick();
        return false;
    };
    m.utama.LinkClick(MenuLink::LBuatFile);
    EXPECT_EQ(m.ui.NewFileDialogsShown, 1);
    EXPECT_EQ(m.Enabled(), StartLinks);
    EXPECT_TRUE(m.ui.WindowsShown.empty());
    EXPECT_TRUE(m.Log.empty());
}

TEST(UtamaTest, OpeningEnablesEveryLinkOfScoredData) {
    for (AnalyzerKind kind : BothKinds()) {
        Menu m(kind);
        const std::string path = m.Copy("ujian" + std::string(DocumentExtension(kind)));
        m.ui.FilesToOpen = {path};
        m.windows.UnggulAsor.GroupsCurrent = true;

        m.utama.LinkClick(MenuLink::LBacaFile);

        EXPECT_TRUE(m.ui.Errors.empty());
        EXPECT_EQ(m.session.Global().FileName, path);
        EXPECT_EQ(m.utama.LNamaFile, path);
        EXPECT_FALSE(m.session.DataMentah().IsChanged);
        EXPECT_EQ(m.Log, std::vector<std::string>{"LoadGridFromData"});
        EXPECT_EQ(m.ui.WindowsShown, std::vector<Window>{Window::EditDataMentah});
        // The score window shows the loaded scores at once.
        EXPECT_NE(m.windows.Skor.LRata2, "XX");
        const LinkSet all = Union({FileLinks, ScoringLinks, AnalysisLinks});
        EXPECT_EQ(m.Enabled(), kind == AnalyzerKind::PilihanGanda ? all : Essay(all));
        if (kind == AnalyzerKind::PilihanGanda) {
            EXPECT_FALSE(m.windows.UnggulAsor.GroupsCurrent);
        }
    }
}

TEST(UtamaTest, EditDisablesAnalysisLinksUntilRescored) {
    Menu m;
    m.utama.OpenDocument(m.Copy("ujian.tav"));
    m.windows.UnggulAsor.GroupsCurrent = true;
    // The editor changes an answer; the score window scores when shown.
    m.ui.OnShowWindow = [&m](Window window) {
        if (window == Window::EditDataMentah) {
            m.session.DataMentah().GetJawaban(2).Jwb = "abd";
            m.session.DataMentah().IsChanged = true;
            m.session.DataMentah().IsNeedRecalc = true;
        } else if (window == Window::Skor) {
            m.windows.Skor.RefreshView();
        }
    };

    m.utama.LinkClick(MenuLink::LEditDataMentah);
    EXPECT_EQ(m.Enabled(), Union({FileLinks, ScoringLinks}));
    EXPECT_FALSE(m.windows.UnggulAsor.GroupsCurrent);

    m.ui.OnShowWindow = [&m](Window window) {
        if (window == Window::Skor) {
            m.windows.Skor.RefreshView();
        }
    };
    m.utama.LinkClick(MenuLink::LPenyekoran);
    EXPECT_TRUE(m.ui.Errors.empty());
    EXPECT_EQ(m.Enabled(), Union({FileLinks, ScoringLinks, AnalysisLinks}));
}

TEST(UtamaTest, AnalysisLinksOpenTheirWindowsWithoutUpdatingTheMenu) {
    Menu m;
    m.utama.OpenDocument(m.Copy("ujian.tav"));
    m.ui.WindowsShown.clear();
    // Only UpdateMenu would notice this.
    m.session.DataMentah().IsNeedRecalc = true;
    const std::vector<std::pair<MenuLink, Window>> links = {
        {MenuLink::LReliabilitas, Window::ReliabilitasTes},
        {MenuLink::LUnggulAsor, Window::UnggulAsor},
        {MenuLink::LDayaPembeda, Window::DayaPembeda},
        {MenuLink::LtkKesukaran, Window::TingkatKesukaran},
        {MenuLink::LKorelasiButir, Window::KorelasiButir},
        {MenuLink::LKualitasPengecoh, Window::Pengecoh},
        {MenuLink::LRekapButir, Window::RekapButir},
    };
    std::vector<Window> expected;
    for (const auto& [link, window] : links) {
        m.utama.LinkClick(link);
        expected.push_back(window);
    }
    EXPECT_EQ(m.ui.WindowsShown, expected);
    EXPECT_EQ(m.Enabled(), Union({FileLinks, ScoringLinks, AnalysisLinks}));
}

enum class Command { New, Open, Close };

struct SaveFirstCase {
    Command Run;
    SaveAnswer Answer;
    bool Saved;
    bool GoesOn;
};

TEST(UtamaTest, SaveFirstQuestionBeforeNewOpenAndClose) {
    const std::vector<SaveFirstCase> cases = {
        {Command::New, SaveAnswer::Yes, true, true},
        {Command::New, SaveAnswer::No, false, true},
        {Command::New, SaveAnswer::Cancel, false, false},
        {Command::Open, SaveAnswer::Yes, true, true},
        {Command::Open, SaveAnswer::No, false, true},
        {Command::Open, SaveAnswer::Cancel, false, false},
        {Command::Close, SaveAnswer::Yes, true, true},
        {Command::Close, SaveAnswer::No, false, true},
        {Command::Close, SaveAnswer::Cancel, false, false},
    };
    for (const SaveFirstCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "command " << static_cast<int>(c.Run) << " answer "
                                          << static_cast<int>(c.Answer));
        Menu m;
        const std::string path = m.Copy("ujian.tav");
        const std::string other = m.Copy("lain.tav");
        m.utama.OpenDocument(path);
        m.ChangeFirstName();
        m.ui.SaveAnswers = {c.Answer};
        m.ui.FilesToOpen = {other};

        bool goesOn = false;
        switch (c.Run) {
        case Command::New:
            m.utama.LinkClick(MenuLink::LBuatFile);
            goesOn = m.ui.NewFileDialogsShown == 1 &&
                     m.session.Global().FileName == "Belum_ada_nama.tav";
            break;
        case Command::Open:
            m.utama.LinkClick(MenuLink::LBacaFile);
            goesOn = m.ui.FilesToOpen.empty() && m.session.Global().FileName == other;
            break;
        case Command::Close:
            goesOn = m.utama.FormCloseQuery();
            break;
        }

        EXPECT_EQ(m.ui.Questions, std::vector<std::string>{"save-first"});
        EXPECT_TRUE(m.ui.Errors.empty());
        EXPECT_EQ(goesOn, c.GoesOn);
        EXPECT_EQ(test::ReadFile(path).find("Zed") != std::string::npos, c.Saved);
        if (!c.GoesOn) {
            EXPECT_EQ(m.ui.NewFileDialogsShown, 0);
            EXPECT_EQ(m.ui.FilesToOpen.size(), 1u);
            EXPECT_EQ(m.session.Global().FileName, path);
            EXPECT_EQ(m.session.DataMentah().GetJawaban(0).Nama, "Zed");
            EXPECT_TRUE(m.session.DataMentah().IsChanged);
        }
    }
}

TEST(UtamaTest, NoQuestionWithoutUnsavedChanges) {
    Menu m;
    m.utama.OpenDocument(m.Copy("ujian.tav"));
    m.utama.LinkClick(MenuLink::LBuatFile);
    EXPECT_TRUE(m.utama.FormCloseQuery());
    EXPECT_TRUE(m.ui.Questions.empty());
    EXPECT_EQ(m.ui.NewFileDialogsShown, 1);
}

TEST(UtamaTest, SimpanAsksForANameOfAnUnnamedDocument) {
    for (AnalyzerKind kind : BothKinds()) {
        Menu m(kind);
        m.utama.LinkClick(MenuLink::LBuatFile);
        m.session.DataMentah().IsChanged = true;

        // Cancelled: nothing is saved.
        m.utama.LinkClick(MenuLink::LSimpan);
        EXPECT_EQ(m.ui.ProposedNames, std::vector<std::string>{m.Unnamed()});
        EXPECT_TRUE(fs::is_empty(m.folder.Path()));
        EXPECT_EQ(m.session.Global().FileName, m.Unnamed());
        EXPECT_TRUE(m.session.DataMentah().IsChanged);

        const std::string path = m.folder.File("baru" + std::string(DocumentExtension(kind)));
        m.ui.FilesToSave = {path};
        m.utama.LinkClick(MenuLink::LSimpan);
        EXPECT_TRUE(m.ui.Errors.empty());
        EXPECT_TRUE(fs::exists(path));
        EXPECT_EQ(m.session.Global().FileName, path);
        EXPECT_EQ(m.utama.LNamaFile, path);
        EXPECT_FALSE(m.session.DataMentah().IsChanged);

        // Named now: saved in place without a question.
        m.session.DataMentah().AddJawaban({"Zed", "-1", ""});
        m.utama.LinkClick(MenuLink::LSimpan);
        EXPECT_EQ(m.ui.ProposedNames.size(), 2u);
        EXPECT_NE(test::ReadFile(path).find("Zed"), std::string::npos);
    }
}

TEST(UtamaTest, SimpanTestsTheFileNameWithCase) {
    struct Case {
        std::string Name;
        bool Asks;
    };
    for (const Case& c :
         {Case{"Belum_ada_nama.tav", true}, Case{"belum_ada_nama.tav", false},
          Case{"x/Belum_ada_nama.tav", true}, Case{"Belum_ada_nama.tav.tav", false}}) {
        SCOPED_TRACE(c.Name);
        Menu m;
        const std::string path = m.Copy(c.Name);
        m.utama.OpenDocument(path);
        m.ChangeFirstName();
        m.utama.LinkClick(MenuLink::LSimpan);
        EXPECT_EQ(m.ui.ProposedNames.size(), c.Asks ? 1u : 0u);
        if (c.Asks) {
            EXPECT_EQ(m.ui.ProposedNames[0], path);
        }
        EXPECT_EQ(test::ReadFile(path).find("Zed") != std::string::npos, !c.Asks);
    }
}

TEST(UtamaTest, SimpanDgNamaLainSavesUnderTheChosenName) {
    Menu m;
    const std::string path = m.Copy("ujian.tav");
    m.utama.OpenDocument(path);
    m.ChangeFirstName();

    m.utama.LinkClick(MenuLink::LSaveAs);
    EXPECT_EQ(m.ui.ProposedNames, std::vector<std::string>{""});
    EXPECT_EQ(m.session.Global().FileName, path);
    EXPECT_TRUE(m.session.DataMentah().IsChanged);

    const std::string copy = m.folder.File("salinan.tav");
    m.ui.FilesToSave = {copy};
    m.utama.LinkClick(MenuLink::LSaveAs);
    EXPECT_NE(test::ReadFile(copy).find("Zed"), std::string::npos);
    EXPECT_EQ(test::ReadFile(path).find("Zed"), std::string::npos);
    EXPECT_EQ(m.utama.LNamaFile, copy);
    EXPECT_FALSE(m.session.DataMentah().IsChanged);
}

// "Yes" to the save-first question of an unnamed document, then Cancel in the file dialog: nothing
// was saved, so the command stops instead of throwing the changes away.
TEST(UtamaTest, CancellingTheNameOfAnUnnamedDocumentStopsTheCommand) {
    for (const Command command : {Command::New, Command::Open, Command::Close}) {
        SCOPED_TRACE(static_cast<int>(command));
        Menu m;
        m.utama.LinkClick(MenuLink::LBuatFile);
        m.session.DataMentah().IsChanged = true;
        const std::string other = m.Copy("lain.tav");
        m.ui.SaveAnswers = {SaveAnswer::Yes};
        m.ui.FilesToOpen = {other};
        m.ui.NewFileDialogsShown = 0;
        bool closes = false;
        switch (command) {
        case Command::New:
            m.utama.LinkClick(MenuLink::LBuatFile);
            break;
        case Command::Open:
            m.utama.LinkClick(MenuLink::LBacaFile);
            break;
        case Command::Close:
            closes = m.utama.FormCloseQuery();
            break;
        }
        EXPECT_EQ(m.ui.ProposedNames.size(), 1u);
        EXPECT_FALSE(closes);
        EXPECT_EQ(m.ui.NewFileDialogsShown, 0);
        EXPECT_EQ(m.ui.FilesToOpen.size(), 1u);
        EXPECT_EQ(m.session.Global().FileName, "Belum_ada_nama.tav");
        EXPECT_TRUE(m.session.DataMentah().IsChanged);
        EXPECT_TRUE(m.ui.Errors.empty());
        EXPECT_EQ(std::distance(fs::directory_iterator(m.folder.Path()), fs::directory_iterator()),
                  1);
    }
}

TEST(UtamaTest, FailedSaveKeepsTheWindowOpen) {
    Menu m;
    const std::string path = m.Copy("hilang/ujian.tav");
    m.utama.OpenDocument(path);
    m.ChangeFirstName();
    fs::remove_all(m.folder.Path() / "hilang");
    m.ui.SaveAnswers = {SaveAnswer::Yes};

    EXPECT_FALSE(m.utama.FormCloseQuery());
    EXPECT_EQ(m.ui.Errors.size(), 1u);
    EXPECT_TRUE(m.session.DataMentah().IsChanged);
    EXPECT_EQ(m.session.Global().FileName, path);
}

TEST(UtamaTest, KeluarClosesTheWindowThroughTheCloseQuestion) {
    Menu m;
    int closes = 0;
    m.utama.OnClose = [&] { closes += m.utama.FormCloseQuery() ? 1 : 0; };
    m.utama.LinkClick(MenuLink::LKeluar);
    EXPECT_EQ(closes, 1);
}

TEST(UtamaTest, CommandLineDocumentWithASpaceOpensOnceAtTheFirstShow) {
    Menu m;
    const std::string path = m.Copy("My Data/ujian.tav");
    const std::vector<std::string> arguments = {m.folder.File("My"), "Data/ujian.tav"};

    m.utama.FormShow(arguments);
    EXPECT_TRUE(m.ui.Errors.empty());
    EXPECT_EQ(m.session.Global().FileName, path);
    EXPECT_FALSE(m.utama.IsFirstShow);

    m.utama.FormShow(arguments);
    EXPECT_EQ(m.ui.WindowsShown, std::vector<Window>{Window::EditDataMentah});
    EXPECT_EQ(m.Log, std::vector<std::string>{"LoadGridFromData"});
}

TEST(UtamaTest, NoArgumentsOpenNothing) {
    Menu m;
    m.utama.FormShow({});
    EXPECT_TRUE(m.ui.WindowsShown.empty());
    EXPECT_TRUE(m.ui.Errors.empty());
    EXPECT_EQ(m.Enabled(), StartLinks);
}

TEST(UtamaTest, ScoringWithAnEmptyKeyShowsItsMessageAndOpensNothing) {
    struct Case {
        AnalyzerKind Kind;
        MenuLink Link;
        std::string Message;
    };
    const std::string key = "Ada sedikit masalah, kunci belum diisi. Mohon isi kunci terlebih "
                            "dahulu. Untuk mengisinya, pilih \"Edit Data Mentah\" selanjutnya isi "
                            "baris pertama";
    const std::string ideal =
        "Ada sedikit masalah, skor ideal belum diisi. Mohon isi skor ideal terlebih dahulu. Untuk "
        "mengisinya, pilih \"Edit Data Mentah\" selanjutnya isi baris pertama";
    for (const Case& c : {Case{AnalyzerKind::PilihanGanda, MenuLink::LPenyekoran, key},
                          Case{AnalyzerKind::PilihanGanda, MenuLink::LSkorDibobot, key},
                          Case{AnalyzerKind::Uraian, MenuLink::LPenyekoran, ideal}}) {
        SCOPED_TRACE(c.Message);
        Menu m(c.Kind);
        m.utama.LinkClick(MenuLink::LBuatFile);
        const LinkSet before = m.Enabled();
        m.ui.WindowsShown.clear();

        m.utama.LinkClick(c.Link);
        EXPECT_EQ(m.ui.Errors, std::vector<std::string>{c.Message});
        EXPECT_TRUE(m.ui.WindowsShown.empty());
        EXPECT_EQ(m.Enabled(), before);
    }
}

TEST(UtamaTest, FailedOpenLeavesThePreviousDocumentOpen) {
    Menu m;
    const std::string path = m.Copy("ujian.tav");
    m.utama.OpenDocument(path);
    const LinkSet before = m.Enabled();
    const std::string broken = m.folder.File("rusak.tav");
    test::WriteFile(broken, "<TAVIRO file_version=\"4.0.2\"><Data_Mentah>");

    for (const std::string& bad : {broken, m.folder.File("tidak_ada.tav")}) {
        SCOPED_TRACE(bad);
        m.ui.Errors.clear();
        m.utama.OpenDocument(bad);
        EXPECT_EQ(m.ui.Errors.size(), 1u);
        EXPECT_EQ(m.session.Global().FileName, path);
        EXPECT_EQ(m.utama.LNamaFile, path);
        EXPECT_EQ(m.session.DataMentah().Kunci, "abd");
        EXPECT_EQ(m.session.DataMentah().JawabanCount(), 3);
        EXPECT_EQ(m.Enabled(), before);
    }
    EXPECT_EQ(m.ui.WindowsShown, std::vector<Window>{Window::EditDataMentah});
    EXPECT_EQ(m.Log, std::vector<std::string>{"LoadGridFromData"});

    // Saving still writes the document that stayed open, under its own name.
    m.ChangeFirstName();
    m.utama.LinkClick(MenuLink::LSimpan);
    EXPECT_NE(test::ReadFile(path).find("Zed"), std::string::npos);
}

TEST(UtamaTest, FailedOpenAtStartKeepsTheStartLinks) {
    Menu m;
    m.utama.OpenDocument(m.folder.File("tidak_ada.tav"));
    EXPECT_EQ(m.ui.Errors.size(), 1u);
    EXPECT_EQ(m.Enabled(), StartLinks);
    EXPECT_EQ(m.session.Global().FileName, "Belum_ada_nama.tav");
    EXPECT_TRUE(m.ui.WindowsShown.empty());
}

TEST(UtamaTest, OlahSemuaOtomatisShowsThePreviewOrTheError) {
    for (AnalyzerKind kind : BothKinds()) {
        Menu m(kind);
        m.utama.OpenDocument(
            (fs::path(TAVIRO_EXAMPLES_DIR) / ("contoh" + std::string(DocumentExtension(kind))))
                .string());
        m.utama.LinkClick(MenuLink::LOlahSemua);
        EXPECT_EQ(m.ui.Errors, std::vector<std::string>{});
        EXPECT_EQ(m.ui.PreviewsShown, 1);
        EXPECT_FALSE(m.windows.Preview.MCetak.empty());
    }

    // A new document without a key cannot be scored: the error, and no preview.
    Menu m;
    m.utama.LinkClick(MenuLink::LBuatFile);
    m.utama.LinkClick(MenuLink::LOlahSemua);
    EXPECT_EQ(m.ui.Errors.size(), 1u);
    EXPECT_EQ(m.ui.PreviewsShown, 0);
}

TEST(UtamaTest, OlahSemuaOtomatisEnablesTheAnalysesOfNewScores) {
    Menu m;
    m.utama.OpenDocument(m.Copy("ujian.tav"));
    m.session.DataMentah().IsNeedRecalc = true;
    m.utama.UpdateMenu();
    EXPECT_EQ(m.Enabled(), Union({FileLinks, ScoringLinks}));
    m.utama.LinkClick(MenuLink::LOlahSemua);
    EXPECT_TRUE(m.ui.Errors.empty());
    EXPECT_EQ(m.Enabled(), Union({FileLinks, ScoringLinks, AnalysisLinks}));
}

TEST(UtamaTest, BottomBandOpensTheAboutBoxAndTheWebSite) {
    Menu m;
    m.utama.SBAboutClick();
    m.utama.SBWebClick();
    EXPECT_EQ(m.ui.WindowsShown, std::vector<Window>{Window::About});
    EXPECT_EQ(m.ui.UrlsOpened, std::vector<std::string>{"https://taviro.example"});
    EXPECT_EQ(TFUtama::SBWebCaption(), "Lihat informasi seputar Taviro di https://taviro.example");
}

TEST(UtamaTest, TitlesOfEachKind) {
    Menu pg;
    Menu uraian(AnalyzerKind::Uraian);
    EXPECT_EQ(pg.utama.Caption(), "TAVIRO Pilihan Ganda");
    EXPECT_EQ(uraian.utama.Caption(), "TAVIRO Uraian");
    EXPECT_EQ(pg.utama.VersionText(), "Ver 4.0.9  (13 Feb 04)");
    EXPECT_EQ(uraian.utama.VersionText(), "Ver 4.0.5  (22 Feb 04)");
    EXPECT_EQ(std::string(uraian.utama.Title()) + " " + std::string(uraian.utama.TitleUraian()),
              "T A V I R O Uraian");
}

} // namespace
} // namespace taviro
