#include "core/session.h"
#include "gui/editor_dialogs_qt.h"
#include "gui/editor_window.h"
#include "gui/grid_view.h"
#include "gui/qt_user_interface.h"
#include "support/fake_user_interface.h"
#include "views/memo_cetak.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace taviro::gui {
namespace {

using test::FakeUserInterface;

const std::string InvalidLetterMessage =
    "Data yang dimasukkan salah!, data yang valid adalah huruf a sd d";

// The editor window over its logic and a session of its own, with a scripted user interface.
class EditorWindowTest : public testing::Test {
protected:
    explicit EditorWindowTest(AnalyzerKind kind = AnalyzerKind::PilihanGanda)
        : session(kind), logic(session, ui, preview), window(logic, ui, session.Global()) {
        session.Global().FileName =
            kind == AnalyzerKind::PilihanGanda ? "/data/ujian.tav" : "/data/ujian.tur";
        session.Global().FileVersion = kind == AnalyzerKind::PilihanGanda ? "4.0.2" : "2.0.1";
    }

    TDataMentah& Data() { return session.DataMentah(); }

    // An empty document of the size, nothing changed yet, and the editor shown over it.
    void ShowEmpty(int subjects, int items, int options = 4) {
        Data().Clear();
        Data().JumSubyek = subjects;
        Data().JumButir = items;
        Data().JumPilihan = options;
        logic.SetUpGrid();
        Data().IsChanged = false;
        Data().IsNeedRecalc = false;
        window.show();
    }

    GridView& Grid() { return window.Grid(); }
    const GridModel& Model() { return window.Grid().Model(); }

    // A cell as the view shows it (column first, as the grid names its cells).
    QString Shown(int col, int row) { return Model().data(Model().IndexOf(row, col)).toString(); }
    QString ShownPlaceholder(int col, int row) {
        return Model().data(Model().IndexOf(row, col), GridModel::PlaceholderRole).toString();
    }
    QString ColumnHeading(int col) {
        return Model().headerData(col - 1, Qt::Horizontal).toString();
    }
    GridCell ShownCursor() {
        const QModelIndex index = Grid().currentIndex();
        return {Model().GridCol(index.column()), Model().GridRow(index.row())};
    }

    void Click(int col, int row) {
        const QModelIndex index = Model().IndexOf(row, col);
        Grid().scrollTo(index);
        QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {}, Grid().visualRect(index).center());
    }
    void Type(const char* text) { QTest::keyClicks(&Grid(), text); }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(&Grid(), key, modifiers);
    }

    Session session;
    FakeUserInterface ui;
    TFMemoCetak preview;
    TFEditDatamEntah logic;
    EditorWindow window;
};

class EssayEditorWindowTest : public EditorWindowTest {
protected:
    EssayEditorWindowTest() : EditorWindowTest(AnalyzerKind::Uraian) {}
};

TEST_F(EditorWindowTest, ShowsTheHeadingsTheCountsTheCaptionAndThePrompt) {
    ShowEmpty(2, 3);
    EXPECT_EQ(window.windowTitle(), "Edit Data Mentah: /data/ujian.tav");
    EXPECT_EQ(window.LJumSubyek->text(), "2");
    EXPECT_EQ(window.LJumButir->text(), "3");
    ASSERT_NE(window.LJumPilihanJwb, nullptr);
    EXPECT_EQ(window.LJumPilihanJwb->text(), "4");

    // Both heading rows stay in view as two-line column headings; the key row is the first row
    // of data.
    EXPECT_EQ(ColumnHeading(1), "Nomor \nSubyek");
    EXPECT_EQ(ColumnHeading(2), "No. Butir Baru ----->\n No. Butir Asli --->");
    EXPECT_EQ(ColumnHeading(4), "2\n2");
    EXPECT_EQ(Model().rowCount(), 3);
    EXPECT_EQ(Model().columnCount(), 5);
    EXPECT_EQ(Shown(2, 2), " Nama Subyek | Kunci ->");
    EXPECT_EQ(Model().headerData(2, Qt::Vertical).toString(), "2");

    // The prompt is drawn in the first subject's empty name cell only, and goes once it is named.
    EXPECT_EQ(ShownPlaceholder(2, 3), "<tulis nama subyek disini>");
    EXPECT_EQ(Shown(2, 3), "");
    EXPECT_EQ(ShownPlaceholder(2, 4), "");
    EXPECT_EQ(ShownPlaceholder(3, 3), "");
    EXPECT_EQ(ShownCursor(), (GridCell{3, 2}));
    EXPECT_EQ(Grid().horizontalHeader()->sectionSize(0), EditorWindow::NumberColumnWidth);
    EXPECT_GE(Grid().horizontalHeader()->sectionSize(1), EditorWindow::NameColumnWidth);
    EXPECT_EQ(Grid().horizontalHeader()->sectionSize(2), EditorWindow::ItemColumnWidth);
}

TEST_F(EditorWindowTest, ThePromptIsDrawnGreyAndANameBlack) {
    ShowEmpty(2, 3);
    const auto darkestGrey = [this] {
        const QRect cell = Grid().visualRect(Model().IndexOf(3, 2));
        const QImage image = Grid().viewport()->grab(cell).toImage();
        int darkest = 255;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                darkest = std::min(darkest, qGray(image.pixel(x, y)));
            }
        }
        return darkest;
    };
    const int prompt = darkestGrey();
    EXPECT_GE(prompt, 100);
    EXPECT_LE(prompt, 160);
    logic.SetCellText({2, 3}, "Ani");
    window.Reload();
    EXPECT_LT(darkestGrey(), 60);
}

TEST_F(EditorWindowTest, TypingARowOfAnswersWrapsToTheNextSubjectsNameCell) {
    ShowEmpty(2, 3);
    Click(3, 3);
    EXPECT_EQ(logic.CurrentCell(), (GridCell{3, 3}));
    Type("aBd");
    EXPECT_EQ(Shown(3, 3), "a");
    EXPECT_EQ(Shown(4, 3), "B");
    EXPECT_EQ(Shown(5, 3), "d");
    EXPECT_EQ(logic.CurrentCell(), (GridCell{2, 4}));
    EXPECT_EQ(ShownCursor(), (GridCell{2, 4}));

    // A name is typed key by key; Enter moves on to the answers.
    Type("Ani");
    Press(Qt::Key_Return);
    EXPECT_EQ(Shown(2, 4), "Ani");
    EXPECT_EQ(ShownCursor(), (GridCell{3, 4}));
    Press(Qt::Key_Backspace);
    Press(Qt::Key_Left);
    Press(Qt::Key_Backspace);
    EXPECT_EQ(Shown(2, 4), "An");
    EXPECT_TRUE(ui.Messages.empty());
    EXPECT_TRUE(Data().IsChanged);
    // Typing does not write back: the raw data follows the grid only when the editor closes.
    EXPECT_EQ(Data().JawabanCount(), 0);
}

TEST_F(EditorWindowTest, PastingIntoACellGoesThroughTheLogic) {
    ShowEmpty(2, 3);
    struct Case {
        GridCell Cell;
        const char* Clipboard;
        const char* Expected;
        std::string Message;
    };
    const std::vector<Case> cases = {
        // Two letters are one answer too many: the first one stays.
        {{3, 3}, "ab", "a", std::string(TFEditDatamEntah::OneAnswerMessage)},
        {{4, 3}, " c\n", "c", ""},
        {{5, 3}, "ax", "", InvalidLetterMessage},
        {{2, 3}, "  Budi Santoso \r\n", "Budi Santoso", ""},
        {{2, 2}, "x", " Nama Subyek | Kunci ->", std::string(TFEditDatamEntah::NotEditableMessage)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Clipboard);
        ui.Messages.clear();
        ui.Beeps = 0;
        Click(c.Cell.Col, c.Cell.Row);
        QApplication::clipboard()->setText(c.Clipboard);
        Press(Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(Shown(c.Cell.Col, c.Cell.Row), c.Expected);
        if (c.Message.empty()) {
            EXPECT_TRUE(ui.Messages.empty());
            EXPECT_EQ(ui.Beeps, 0);
        } else {
            EXPECT_EQ(ui.Messages, std::vector<std::string>{c.Message});
            EXPECT_EQ(ui.Beeps, 1);
        }
        // A paste is no typed answer: the cursor stays.
        EXPECT_EQ(ShownCursor(), c.Cell);
    }
}

TEST_F(EditorWindowTest, ARefusedKeyBeepsShowsItsMessageAndLeavesTheCell) {
    ShowEmpty(2, 3);
    struct Case {
        GridCell Cell;
        // The typed character, or '\0' for the key.
        char Typed;
        Qt::Key Key;
        std::string Message;
        bool MarksChanged;
    };
    const std::string notEditable(TFEditDatamEntah::NotEditableMessage);
    const std::vector<Case> cases = {
        {{3, 3}, 'e', {}, InvalidLetterMessage, false},
        {{4, 2}, 'E', {}, InvalidLetterMessage, false},
        {{3, 3}, ' ', {}, InvalidLetterMessage, false},
        {{3, 3}, ',', {}, InvalidLetterMessage, false},
        {{2, 2}, 'x', {}, notEditable, true},
        // Delete types nothing, but must not wipe the key row's label either.
        {{2, 2}, '\0', Qt::Key_Delete, notEditable, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Message + " '" + std::string(1, c.Typed) + "'");
        Click(c.Cell.Col, c.Cell.Row);
        const QString before = Shown(c.Cell.Col, c.Cell.Row);
        ui.Messages.clear();
        ui.Beeps = 0;
        Data().IsChanged = false;
        if (c.Typed != '\0') {
            QTest::keyClick(&Grid(), c.Typed);
        } else {
            Press(c.Key);
        }
        EXPECT_EQ(ui.Beeps, 1);
        EXPECT_EQ(ui.Messages, std::vector<std::string>{c.Message});
        EXPECT_EQ(Shown(c.Cell.Col, c.Cell.Row), before);
        EXPECT_EQ(ShownCursor(), c.Cell);
        EXPECT_EQ(Data().IsChanged, c.MarksChanged);
    }
}

TEST_F(EditorWindowTest, CommandButtonsReshapeTheGridTheViewShows) {
    ShowEmpty(2, 3);
    Grid().horizontalHeader()->resizeSection(1, 200);
    QTest::mouseClick(window.SBTambahSubyek, Qt::LeftButton);
    EXPECT_EQ(Model().rowCount(), 4);
    EXPECT_EQ(Model().headerData(3, Qt::Vertical).toString(), "3");
    EXPECT_EQ(Shown(1, 5), "3");
    EXPECT_EQ(window.LJumSubyek->text(), "3");
    EXPECT_EQ(ShownCursor().Row, 5);
    // Reading the grid again keeps the widths of the number and name columns.
    EXPECT_EQ(Grid().horizontalHeader()->sectionSize(0), EditorWindow::NumberColumnWidth);
    EXPECT_EQ(Grid().horizontalHeader()->sectionSize(1), 200);
    EXPECT_EQ(Grid().horizontalHeader()->sectionSize(3), EditorWindow::ItemColumnWidth);

    // Deleting item 2 after the question: the initial numbers travel with their columns.
    Click(4, 2);
    Type("c");
    Click(4, 2);
    ui.YesNoAnswers = {true};
    QTest::mouseClick(window.SBhapusButir, Qt::LeftButton);
    EXPECT_EQ(ui.Questions.back(),
              "Anda yakin akan menghapus butir 2? Data yang terhapus tidak bisa di-undo");
    EXPECT_EQ(Model().columnCount(), 4);
    EXPECT_EQ(ColumnHeading(3), "1\n1");
    EXPECT_EQ(ColumnHeading(4), "2\n3");
    EXPECT_EQ(window.LJumButir->text(), "2");
    EXPECT_EQ(Shown(4, 2), "");

    // A question answered no changes nothing.
    Click(2, 3);
    ui.YesNoAnswers = {false};
    QTest::mouseClick(window.SBhapusSubyek, Qt::LeftButton);
    EXPECT_EQ(Model().rowCount(), 4);
}

TEST_F(EditorWindowTest, AFailedCommandShowsItsErrorAndTheGridStays) {
    ShowEmpty(2, 3);
    ui.YesNoAnswers = {true};
    ui.OnMergeDialog = [](TFGabungDuaFile& dialog) {
        dialog.OtherFileName = "/tidak/ada/lain.tav";
        return true;
    };
    QTest::mouseClick(window.SBTambahData, Qt::LeftButton);
    EXPECT_EQ(ui.Errors.size(), 1u);
    EXPECT_EQ(Model().rowCount(), 3);
    EXPECT_EQ(window.LJumSubyek->text(), "2");
}

TEST_F(EditorWindowTest, ClosingWritesTheGridBackOnlyAfterAChange) {
    const std::vector<std::pair<const char*, std::function<void(EditorWindow&)>>> closes = {
        {"Kembali Ke Menu Utama",
         [](EditorWindow& w) { QTest::mouseClick(w.Kembali, Qt::LeftButton); }},
        {"close box", [](EditorWindow& w) { w.close(); }},
    };
    for (const auto& [how, close] : closes) {
        SCOPED_TRACE(how);
        // Three records for two subjects: a write-back would keep two.
        TDataMentah& data = Data();
        data.Clear();
        data.Kunci = "abc";
        data.JumButir = 3;
        data.JumPilihan = 4;
        data.JumSubyek = 2;
        data.AddJawaban({"Ani", "11", "#bc"});
        data.AddJawaban({"Budi", "12", "abc"});
        data.AddJawaban({"Citra", "13", "cba"});
        logic.LoadGridFromData();
        data.IsChanged = false;

        window.show();
        // Moving about by clicks and Escape changes nothing.
        Click(2, 4);
        Click(3, 3);
        Press(Qt::Key_Escape);
        EXPECT_TRUE(window.isVisible());
        close(window);
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(data.JawabanCount(), 3);
        EXPECT_EQ(data.GetJawaban(0).Jwb, "#bc");

        window.show();
        Click(3, 3);
        Type("d");
        close(window);
        EXPECT_FALSE(window.isVisible());
        ASSERT_EQ(data.JawabanCount(), 2);
        EXPECT_EQ(data.GetJawaban(0).Jwb, "dbc");
        EXPECT_EQ(data.GetJawaban(1).NoSubyek, "12");
    }
}

TEST_F(EssayEditorWindowTest, TakesScoresTypedCellByCell) {
    ShowEmpty(2, 3);
    EXPECT_EQ(window.LJumPilihanJwb, nullptr);
    EXPECT_EQ(Shown(2, 2), " Nama|Skor Ideal ->");
    Click(3, 2);
    for (const char* score : {"10", "10", "20"}) {
        Type(score);
        Press(Qt::Key_Return);
    }
    EXPECT_EQ(Shown(3, 2), "10");
    EXPECT_EQ(Shown(4, 2), "10");
    EXPECT_EQ(Shown(5, 2), "20");
    EXPECT_EQ(ShownCursor(), (GridCell{2, 3}));

    Type("Ani");
    Press(Qt::Key_Return);
    // A score with a decimal comma is refused at the comma; a digit stays where it went.
    Type("12,5");
    EXPECT_EQ(ui.Messages,
              std::vector<std::string>{std::string(TFEditDatamEntah::EssayInvalidMessage)});
    EXPECT_EQ(ui.Beeps, 1);
    EXPECT_EQ(Shown(3, 3), "125");
    Press(Qt::Key_Backspace);
    Press(Qt::Key_Backspace);
    EXPECT_EQ(Shown(3, 3), "1");
    Press(Qt::Key_Return);
    Type("*");
    Press(Qt::Key_Return);
    Press(Qt::Key_Return);
    EXPECT_EQ(ShownCursor(), (GridCell{2, 4}));

    QTest::mouseClick(window.Kembali, Qt::LeftButton);
    EXPECT_EQ(Data().Kunci, "10,10,20");
    ASSERT_EQ(Data().JawabanCount(), 2);
    EXPECT_EQ(Data().GetJawaban(0).Nama, "Ani");
    EXPECT_EQ(Data().GetJawaban(0).Jwb, "1,*,#");
    EXPECT_EQ(Data().GetJawaban(1).Jwb, "");
}

// ---- The three dialogs -------------------------------------------------------------------------

TEST(DeleteRangeDialog, StaysOpenUntilBothNumbersReadAndBatalCancels) {
    FakeUserInterface ui;
    TFHapusBanyakSubyek logic(ui);
    DeleteRangeDialog dialog(logic);
    EXPECT_EQ(dialog.windowTitle(), "Hapus banyak subyek");
    logic.FormShow();
    dialog.show();
    QTest::keyClicks(dialog.EMulai, "abc");
    QTest::keyClicks(dialog.ESampai, "5");
    QTest::mouseClick(dialog.OK, Qt::LeftButton);
    EXPECT_EQ(ui.Messages,
              std::vector<std::string>{std::string(TFHapusBanyakSubyek::MulaiErrorMessage)});
    EXPECT_TRUE(dialog.isVisible());

    dialog.EMulai->selectAll();
    QTest::keyClicks(dialog.EMulai, "2");
    QTest::mouseClick(dialog.OK, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(logic.Cancelled);
    EXPECT_EQ(logic.RangeStart, 2);
    EXPECT_EQ(logic.RangeEnd, 5);

    // A dialog made afresh offers the numbers typed before; Escape is "Batal" and reads nothing.
    DeleteRangeDialog again(logic);
    logic.FormShow();
    again.show();
    EXPECT_EQ(again.EMulai->text(), "2");
    EXPECT_EQ(again.ESampai->text(), "5");
    QTest::keyClicks(again.EMulai, "x");
    QTest::keyClick(&again, Qt::Key_Escape);
    EXPECT_FALSE(again.isVisible());
    EXPECT_TRUE(logic.Cancelled);
    EXPECT_EQ(logic.RangeStart, 2);

    // The close box yields a range, as "OK" does.
    logic.FormShow();
    again.show();
    again.EMulai->selectAll();
    QTest::keyClicks(again.EMulai, "3");
    again.close();
    EXPECT_FALSE(logic.Cancelled);
    EXPECT_EQ(logic.RangeStart, 3);
}

TEST(DeleteRangeDialog, KeysInTheEditsMoveTheFocusAsTheLogicSays) {
    FakeUserInterface ui;
    TFHapusBanyakSubyek logic(ui);
    DeleteRangeDialog dialog(logic);
    logic.FormShow();
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    struct Case {
        QLineEdit* From;
        Qt::Key Key;
        QWidget* To;
    };
    const std::vector<Case> cases = {
        {dialog.EMulai, Qt::Key_Return, dialog.ESampai},
        {dialog.ESampai, Qt::Key_Return, dialog.OK},
        {dialog.EMulai, Qt::Key_Down, dialog.ESampai},
        {dialog.EMulai, Qt::Key_Up, dialog.Batal},
        {dialog.ESampai, Qt::Key_Up, dialog.ESampai},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.From->objectName().toStdString() + " " + std::to_string(c.Key));
        c.From->setFocus();
        QTest::keyClick(c.From, c.Key);
        EXPECT_EQ(QApplication::focusWidget(), c.To);
        // Enter in an edit never closes the dialog.
        EXPECT_TRUE(dialog.isVisible());
    }
}

TEST(OtherFileDialogs, HandTheTypedOrChosenPathOnEveryClose) {
    FakeUserInterface ui;
    TFAmbilNamaSubyek names(ui);
    ImportNamesDialog dialog(names);
    EXPECT_EQ(dialog.windowTitle(), "Ambil nama subyek");
    EXPECT_EQ(dialog.WarningLabel, nullptr);
    dialog.show();
    QTest::mouseClick(dialog.YA, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(names.OtherFileName, "");

    ui.FilesToOpen = {"/data/lain.tav"};
    dialog.show();
    QTest::mouseClick(dialog.PilihFile, Qt::LeftButton);
    EXPECT_EQ(dialog.ENamaFile->text(), "/data/lain.tav");
    EXPECT_TRUE(dialog.isVisible());
    QTest::mouseClick(dialog.BATAL, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(names.OtherFileName, "/data/lain.tav");

    // A cancelled file dialog keeps the typed path.
    dialog.show();
    dialog.ENamaFile->selectAll();
    QTest::keyClicks(dialog.ENamaFile, "/data/ketik.tav");
    QTest::mouseClick(dialog.PilihFile, Qt::LeftButton);
    QTest::keyClick(dialog.ENamaFile, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(names.OtherFileName, "/data/ketik.tav");
}

TEST(OtherFileDialogs, OnlyTheMultipleChoiceMergeWarnsAboutTheKey) {
    FakeUserInterface ui;
    TFGabungDuaFile choice(ui, AnalyzerKind::PilihanGanda);
    MergeDialog choiceDialog(choice);
    EXPECT_EQ(choiceDialog.windowTitle(), "Gabung Dua File");
    ASSERT_NE(choiceDialog.WarningLabel, nullptr);
    EXPECT_EQ(choiceDialog.WarningLabel->text(), "CATATAN: JUMLAH BUTIR SOAL DAN KUNCI HARUS SAMA");
    TFGabungDuaFile essay(ui, AnalyzerKind::Uraian);
    MergeDialog essayDialog(essay);
    EXPECT_EQ(essayDialog.WarningLabel, nullptr);
}

// Plays the user in the modal dialog that the next step opens; a different window is closed, so
// that the test fails instead of waiting.
template <typename Dialog> void WhenShown(std::function<void(Dialog&)> play) {
    QTimer::singleShot(0, [play = std::move(play)] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<Dialog*>(modal);
        if (dialog == nullptr) {
            ADD_FAILURE() << "another modal window: "
                          << (modal != nullptr ? modal->objectName().toStdString() : "none");
            if (modal != nullptr) {
                modal->close();
            }
            return;
        }
        play(*dialog);
    });
}

// The registered dialogs open over the editor while it is shown, and the command goes on with
// what they read.
TEST(RegisterEditorDialogs, TheEditorsCommandsShowTheQtDialogsOverTheEditor) {
    Session session(AnalyzerKind::PilihanGanda);
    TFMemoCetak preview;
    QWidget mainWindow;
    QtUserInterface ui(AnalyzerKind::PilihanGanda, session.Global(), preview);
    ui.Parent = &mainWindow;
    std::vector<std::string> questions;
    ui.YesNoDialog = [&](const std::string& question) {
        questions.push_back(question);
        return true;
    };
    RegisterEditorDialogs(ui, &mainWindow);
    TFEditDatamEntah logic(session, ui, preview);
    session.DataMentah().JumSubyek = 5;
    session.DataMentah().JumButir = 2;
    session.DataMentah().JumPilihan = 4;
    logic.SetUpGrid();
    EditorWindow window(logic, ui, session.Global());
    window.show();
    EXPECT_EQ(ui.Parent, &window);

    QWidget* dialogParent = nullptr;
    WhenShown<DeleteRangeDialog>([&](DeleteRangeDialog& dialog) {
        dialogParent = dialog.parentWidget();
        QTest::keyClicks(dialog.EMulai, "2");
        QTest::keyClicks(dialog.ESampai, "3");
        QTest::mouseClick(dialog.OK, Qt::LeftButton);
    });
    QTest::mouseClick(window.SBHapusBanyakSubyek, Qt::LeftButton);
    EXPECT_EQ(dialogParent, &window);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0],
              "Anda yakin akan menghapus subyek mulai dari nomor urut 2 sampai dengan 3?");
    EXPECT_EQ(window.Grid().Model().rowCount(), 4);
    EXPECT_EQ(window.LJumSubyek->text(), "3");

    // The path typed at one showing is offered at the next; every close hands it on.
    std::vector<QString> offered;
    for (const bool yes : {true, false}) {
        WhenShown<MergeDialog>([yes, &offered](MergeDialog& dialog) {
            offered.push_back(dialog.ENamaFile->text());
            if (yes) {
                QTest::keyClicks(dialog.ENamaFile, "/data/lain.tav");
            }
            QTest::mouseClick(yes ? dialog.YA : dialog.BATAL, Qt::LeftButton);
        });
        EXPECT_EQ(ui.ShowMergeDialog(logic.FGabungDuaFile), yes);
    }
    EXPECT_EQ(offered, (std::vector<QString>{"", "/data/lain.tav"}));
    EXPECT_EQ(logic.FGabungDuaFile.OtherFileName, "/data/lain.tav");

    WhenShown<ImportNamesDialog>(
        [](ImportNamesDialog& dialog) { QTest::mouseClick(dialog.YA, Qt::LeftButton); });
    EXPECT_TRUE(ui.ShowImportNamesDialog(logic.FAmbilNamaSubyek));

    QTest::mouseClick(window.Kembali, Qt::LeftButton);
    EXPECT_EQ(ui.Parent, &mainWindow);
}

} // namespace
} // namespace taviro::gui
