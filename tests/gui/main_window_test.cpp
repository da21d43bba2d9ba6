#include "gui/main_window.h"

#include "core/session.h"
#include "gui/analyzer_app.h"
#include "gui/colours.h"
#include "support/test_files.h"

#include <QApplication>
#include <QFileDialog>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace taviro::gui {
namespace {

namespace fs = std::filesystem;
using LinkSet = std::set<MenuLink>;

const LinkSet StartLinks = {MenuLink::LBuatFile, MenuLink::LBacaFile, MenuLink::LKeluar};
const LinkSet FileLinks = {MenuLink::LEditDataMentah, MenuLink::LBuatFile, MenuLink::LBacaFile,
                           MenuLink::LSimpan,         MenuLink::LSaveAs,   MenuLink::LKeluar};
const LinkSet ScoringLinks = {MenuLink::LPenyekoran, MenuLink::LSkorDibobot, MenuLink::LOlahSemua};
const LinkSet AnalysisLinks = {MenuLink::LReliabilitas,  MenuLink::LUnggulAsor,
                               MenuLink::LDayaPembeda,   MenuLink::LtkKesukaran,
                               MenuLink::LKorelasiButir, MenuLink::LKualitasPengecoh,
                               MenuLink::LRekapButir};

// The links of the sets that the analyzer has.
LinkSet Of(AnalyzerKind kind, std::initializer_list<LinkSet> sets) {
    LinkSet all;
    for (const LinkSet& set : sets) {
        all.insert(set.begin(), set.end());
    }
    if (kind == AnalyzerKind::Uraian) {
        all.erase(MenuLink::LSkorDibobot);
        all.erase(MenuLink::LKualitasPengecoh);
    }
    return all;
}

std::string FixtureDocument(AnalyzerKind kind) {
    const fs::path documents = test::FixturesDir() / "documents";
    return kind == AnalyzerKind::PilihanGanda
               ? (documents / "example-pilihan-ganda" / "input.tav").string()
               : (documents / "essay-twin" / "input.tur").string();
}

// Plays the user on the modal window that a command is about to open.
void PlayModal(std::function<void(QWidget*)> act, int tries = 300) {
    QTimer::singleShot(tries == 300 ? 0 : 10, [act = std::move(act), tries] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            act(modal);
        } else if (tries > 0) {
            PlayModal(act, tries - 1);
        }
    });
}

void ChooseInFileDialog(const std::string& path) {
    PlayModal([path](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (dialog == nullptr) {
            ADD_FAILURE() << "expected the file dialog, got " << modal->metaObject()->className();
            modal->close();
            return;
        }
        dialog->selectFile(QString::fromStdString(path));
        static_cast<QDialog*>(dialog)->accept();
    });
}

void Click(MenuLinkLabel* link) {
    ASSERT_NE(link, nullptr);
    QTest::mouseClick(link, Qt::LeftButton);
}

// One analyzer whose windows are played by the test: the editor types one answer when asked to,
// the score window scores, the new-file dialog is answered with 4 subjects, 3 items, 4 options.
class Analyzer {
public:
    explicit Analyzer(AnalyzerKind kind, std::vector<std::string> arguments = {})
        : app(kind, std::move(arguments)) {
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        QApplication::setQuitOnLastWindowClosed(false);
        app.Session().Global().DocumentsFolder = folder.Path().string() + "/";
        QtUserInterface& ui = app.Ui();
        ui.SaveFirstDialog = [] {
            ADD_FAILURE() << "unexpected save question";
            return UserInterface::SaveAnswer::Cancel;
        };
        ui.Windows[Window::EditDataMentah] = [this] {
            ++EditorShown;
            TFEditDatamEntah& editor = app.Editor();
            editor.FormShow();
            if (EditNext) {
                EditNext = false;
                editor.SetCurrentCell(
                    {TFEditDatamEntah::FirstItemCol, TFEditDatamEntah::FirstSubjectRow});
                // One answer a cell: the old one goes before the new one is typed.
                editor.PressKey(KeyCode::Delete);
                editor.PressKey(
                    EditorKey::Char(app.Kind() == AnalyzerKind::PilihanGanda ? "c" : "5"));
            }
            editor.FormClose();
        };
        ui.Windows[Window::Skor] = [this] { app.Windows().Skor.RefreshView(); };
        ui.NewFileDialog = [this](TFInfoJawaban& dialog) {
            dialog.EJumSubyek = "4";
            dialog.EJumButir = "3";
            dialog.EJumPilihan = "4";
            return dialog.FormCloseQuery(app.Ui());
        };
    }

    test::TempFolder folder;
    AnalyzerApp app;
    int EditorShown = 0;
    bool EditNext = false;

    MainWindow& Main() { return app.Main(); }

    std::string Copy(const std::string& name) {
        const fs::path target = folder.Path() / name;
        fs::create_directories(target.parent_path());
        fs::copy_file(FixtureDocument(app.Kind()), target);
        return target.string();
    }

    // The links drawn enabled; each must agree with the logic.
    LinkSet Enabled() {
        LinkSet enabled;
        for (const auto& [link, state] : app.Utama().LinkStates()) {
            MenuLinkLabel* label = Main().Link(link);
            EXPECT_NE(label, nullptr);
            if (label == nullptr) {
                continue;
            }
            EXPECT_EQ(label->isEnabled(), state) << label->objectName().toStdString();
            if (label->isEnabled()) {
                enabled.insert(link);
            }
        }
        return enabled;
    }
};

class MainWindowTest : public testing::TestWithParam<AnalyzerKind> {};

INSTANTIATE_TEST_SUITE_P(BothKinds, MainWindowTest,
                         testing::Values(AnalyzerKind::PilihanGanda, AnalyzerKind::Uraian),
                         [](const testing::TestParamInfo<AnalyzerKind>& kind) {
                             return kind.param == AnalyzerKind::PilihanGanda ? "PilihanGanda"
                                                                             : "Uraian";
                         });

TEST_P(MainWindowTest, DrawsTheLinksOfTheLogicInTheirColumns) {
    Analyzer analyzer(GetParam());
    MainWindow& window = analyzer.Main();
    window.resize(1000, 700);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const TFUtama& utama = analyzer.app.Utama();
    EXPECT_EQ(window.windowTitle().toStdString(), utama.Caption());
    EXPECT_EQ(window.findChild<QLabel*>("Title")->text().toStdString(), utama.Title());
    EXPECT_EQ(window.findChild<QLabel*>("Version")->text().toStdString(), utama.VersionText());
    EXPECT_EQ(window.findChild<QLabel*>("TitleUraian") != nullptr,
              GetParam() == AnalyzerKind::Uraian);
    EXPECT_EQ(window.FileName()->text().toStdString(), std::string(UnnamedDocument(GetParam())));
    EXPECT_EQ(window.palette().color(QPalette::Window), FromStoredColour(utama.BackgroundColor()));

    const std::vector<MenuLinkInfo> links = utama.Links();
    EXPECT_EQ(static_cast<std::size_t>(window.findChildren<MenuLinkLabel*>().size()),
              links.size() + 2);
    std::map<MenuColumn, int> lastY;
    for (const MenuLinkInfo& info : links) {
        MenuLinkLabel* label = window.Link(info.Link);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text().toStdString(), info.Caption);
        const char* column = info.Column == MenuColumn::File         ? "PFile"
                             : info.Column == MenuColumn::Penyekoran ? "PPenyekoran"
                                                                     : "POlah";
        QWidget* panel = window.findChild<QWidget*>(column);
        ASSERT_NE(panel, nullptr);
        EXPECT_TRUE(panel->isAncestorOf(label)) << info.Caption;
        EXPECT_EQ(panel->width(), MainWindow::ColumnWidth);
        // One per line, in the logic's order.
        const int y = label->mapTo(panel, QPoint(0, 0)).y();
        EXPECT_GT(y, lastY[info.Column]) << info.Caption;
        lastY[info.Column] = y;
        EXPECT_TRUE(label->font().bold());
        EXPECT_TRUE(label->font().underline());
    }
    // The columns stand left to right, with their headings.
    EXPECT_LT(window.findChild<QWidget*>("PFile")->x(),
              window.findChild<QWidget*>("PPenyekoran")->x());
    EXPECT_LT(window.findChild<QWidget*>("PPenyekoran")->x(),
              window.findChild<QWidget*>("POlah")->x());
    for (const char* heading : {"FILE", "PENYEKORAN", "OLAH DATA"}) {
        bool found = false;
        for (const QLabel* label : window.findChildren<QLabel*>()) {
            found = found || label->text() == heading;
        }
        EXPECT_TRUE(found) << heading;
    }
    EXPECT_EQ(window.SBAbout->text().toStdString(), TFUtama::SBAboutCaption());
    EXPECT_EQ(window.SBWeb->text().toStdString(), TFUtama::SBWebCaption());
}

TEST_P(MainWindowTest, LinksTurnRedUnderTheMouseAndGreyWhenDisabled) {
    Analyzer analyzer(GetParam());
    MainWindow& window = analyzer.Main();
    window.show();
    const QColor navy = FromStoredColour(TFUtama::LinkColor);
    const QColor red = FromStoredColour(TFUtama::LinkHoverColor);
    EXPECT_EQ(navy, QColor(0, 0, 128));
    EXPECT_EQ(red, QColor(255, 0, 0));

    MenuLinkLabel* buat = window.Link(MenuLink::LBuatFile);
    EXPECT_EQ(buat->TextColour(), navy);
    EXPECT_EQ(buat->cursor().shape(), Qt::PointingHandCursor);
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(buat, &enter);
    EXPECT_TRUE(buat->IsHovered());
    EXPECT_EQ(buat->TextColour(), red);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(buat, &leave);
    EXPECT_EQ(buat->TextColour(), navy);

    // A disabled link is grey, shows no hover and does nothing.
    MenuLinkLabel* simpan = window.Link(MenuLink::LSimpan);
    ASSERT_FALSE(simpan->isEnabled());
    QApplication::sendEvent(simpan, &enter);
    EXPECT_FALSE(simpan->IsHovered());
    EXPECT_EQ(simpan->TextColour(), QColor(Qt::gray));
    Click(simpan);
    Click(window.Link(MenuLink::LPenyekoran));
    EXPECT_EQ(analyzer.Enabled(), StartLinks);
    EXPECT_EQ(window.FileName()->text().toStdString(), std::string(UnnamedDocument(GetParam())));
}

TEST_P(MainWindowTest, LinkStatesFollowEveryCommand) {
    const AnalyzerKind kind = GetParam();
    Analyzer analyzer(kind);
    MainWindow& window = analyzer.Main();
    analyzer.app.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(analyzer.Enabled(), StartLinks);

    Click(window.Link(MenuLink::LBuatFile));
    EXPECT_EQ(analyzer.EditorShown, 1);
    EXPECT_EQ(analyzer.Enabled(), Of(kind, {FileLinks, ScoringLinks}));

    const std::string path =
        analyzer.Copy(kind == AnalyzerKind::PilihanGanda ? "ujian.tav" : "ujian.tur");
    ChooseInFileDialog(path);
    Click(window.Link(MenuLink::LBacaFile));
    EXPECT_EQ(analyzer.EditorShown, 2);
    EXPECT_EQ(window.FileName()->text().toStdString(), path);
    // The document was saved scored, so everything is open to it.
    EXPECT_EQ(analyzer.Enabled(), Of(kind, {FileLinks, ScoringLinks, AnalysisLinks}));

    analyzer.EditNext = true;
    Click(window.Link(MenuLink::LEditDataMentah));
    EXPECT_TRUE(analyzer.app.Session().DataMentah().IsNeedRecalc);
    EXPECT_EQ(analyzer.Enabled(), Of(kind, {FileLinks, ScoringLinks}));

    Click(window.Link(MenuLink::LPenyekoran));
    EXPECT_EQ(analyzer.Enabled(), Of(kind, {FileLinks, ScoringLinks, AnalysisLinks}));
}

TEST_P(MainWindowTest, AShowingCatchesUpWithTheLogic) {
    const AnalyzerKind kind = GetParam();
    Analyzer analyzer(kind);
    const std::string path =
        analyzer.Copy(kind == AnalyzerKind::PilihanGanda ? "ujian.tav" : "ujian.tur");
    // Opened by the program while the window is hidden, not through one of its links.
    analyzer.app.Utama().OpenDocument(path);
    MainWindow& window = analyzer.Main();
    window.show();
    EXPECT_EQ(window.FileName()->text().toStdString(), path);
    EXPECT_EQ(analyzer.Enabled(), Of(kind, {FileLinks, ScoringLinks, AnalysisLinks}));
}

TEST_P(MainWindowTest, ANarrowScreenScrollsTheColumnsWithoutSpacers) {
    Analyzer analyzer(GetParam());
    MainWindow& window = analyzer.Main();
    window.resize(500, 600);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QApplication::processEvents();
    EXPECT_EQ(window.Spacer(0)->width(), 0);
    EXPECT_EQ(window.Spacer(1)->width(), 0);
    QScrollBar* bar = window.Menu()->horizontalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), 0);
    // The OLAH DATA column is reached by scrolling.
    bar->setValue(bar->maximum());
    QWidget* olah = window.findChild<QWidget*>("POlah");
    const QPoint olahRight = olah->mapTo(window.Menu()->viewport(), QPoint(olah->width() - 1, 0));
    EXPECT_LT(olahRight.x(), window.Menu()->viewport()->width());

    window.resize(1366, 700);
    QApplication::processEvents();
    EXPECT_GE(window.Spacer(0)->width(), MainWindow::SpacerMinimumWidth);
    EXPECT_GE(window.Spacer(1)->width(), MainWindow::SpacerMinimumWidth);
    EXPECT_EQ(window.Menu()->horizontalScrollBar()->maximum(), 0);
}

TEST_P(MainWindowTest, KeluarAndTheCloseBoxAskTheSaveQuestion) {
    Analyzer analyzer(GetParam());
    MainWindow& window = analyzer.Main();
    std::vector<UserInterface::SaveAnswer> answers = {UserInterface::SaveAnswer::Cancel,
                                                      UserInterface::SaveAnswer::Cancel,
                                                      UserInterface::SaveAnswer::No};
    int asked = 0;
    analyzer.app.Ui().SaveFirstDialog = [&] {
        return answers.at(static_cast<std::size_t>(asked++));
    };
    window.show();
    // Nothing to lose: it closes without a question.
    Click(window.Link(MenuLink::LKeluar));
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(asked, 0);

    window.show();
    analyzer.app.Session().DataMentah().IsChanged = true;
    Click(window.Link(MenuLink::LKeluar));
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(asked, 2);
    EXPECT_TRUE(window.close());
    EXPECT_FALSE(window.isVisible());
}

TEST_P(MainWindowTest, TheCommandLineDocumentOpensOnceAtTheFirstShowing) {
    const AnalyzerKind kind = GetParam();
    test::TempFolder folder;
    const std::string name = kind == AnalyzerKind::PilihanGanda ? "ujian.tav" : "ujian.tur";
    const fs::path path = folder.Path() / "My Data" / name;
    fs::create_directories(path.parent_path());
    fs::copy_file(FixtureDocument(kind), path);
    // The shell split the path at its space.
    Analyzer analyzer(kind, {(folder.Path() / "My").string(), "Data/" + name});
    MainWindow& window = analyzer.Main();
    EXPECT_EQ(analyzer.EditorShown, 0);
    analyzer.app.Show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return analyzer.EditorShown == 1; }, 5000));
    EXPECT_EQ(analyzer.app.Session().Global().FileName, path.string());
    EXPECT_EQ(window.FileName()->text().toStdString(), path.string());
    EXPECT_TRUE(window.Link(MenuLink::LSimpan)->isEnabled());

    window.hide();
    window.show();
    QTest::qWait(50);
    EXPECT_EQ(analyzer.EditorShown, 1);
}

} // namespace
} // namespace taviro::gui
