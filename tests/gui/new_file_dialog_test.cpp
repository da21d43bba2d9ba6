#include "gui/new_file_dialog.h"

#include "support/fake_user_interface.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace taviro::gui {
namespace {

using Control = TFInfoJawaban::Control;

// Replaces what the edit box holds, as a user selecting all and typing does.
void Type(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClicks(edit, text);
    if (text.isEmpty()) {
        QTest::keyClick(edit, Qt::Key_Delete);
    }
}

class NewFileDialogTest : public testing::Test {
protected:
    test::FakeUserInterface ui;
    TFInfoJawaban logic{AnalyzerKind::PilihanGanda};
    TFInfoJawaban essay{AnalyzerKind::Uraian};
};

TEST_F(NewFileDialogTest, ShowsTheTextsAndTheFieldsOfEachKind) {
    NewFileDialog dialog(logic, ui);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Informasi Jawaban Subyek");
    ASSERT_NE(dialog.EJumPilihan, nullptr);
    EXPECT_EQ(dialog.EJumSubyek->text(), "10");
    EXPECT_EQ(dialog.EJumButir->text(), "10");
    EXPECT_EQ(dialog.EJumPilihan->text(), "5");
    EXPECT_EQ(dialog.OK->text(), "OK");
    EXPECT_EQ(dialog.Batal->text(), "Batal");
    std::vector<QString> labels;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        labels.push_back(label->text());
    }
    for (const char* text :
         {"Mohon isikan jumlah subyek, jumlah butir soal dan jumlah pilihan", "Jumlah Subyek",
          "Jumlah Butir Soal", "Jumlah Pilihan Jawaban (1-5)"}) {
        EXPECT_NE(std::find(labels.begin(), labels.end(), QString(text)), labels.end()) << text;
    }
    EXPECT_EQ(dialog.focusWidget(), dialog.EJumSubyek);

    NewFileDialog essayDialog(essay, ui);
    essayDialog.show();
    EXPECT_EQ(essayDialog.windowTitle(), "-");
    EXPECT_EQ(essayDialog.EJumPilihan, nullptr);
    for (const QLabel* label : essayDialog.findChildren<QLabel*>()) {
        EXPECT_NE(label->text(), "Jumlah Pilihan Jawaban (1-5)");
    }
    // The prompt is the same; the dialog is shorter.
    EXPECT_LT(essayDialog.height(), dialog.height());
}

struct CloseCase {
    const char* Name;
    const char* Subyek;
    const char* Butir;
    const char* Pilihan;
    std::vector<std::string> Messages;
    bool Closes;
};

TEST_F(NewFileDialogTest, OkChecksEveryFieldAndStaysOpenOnAFault) {
    const std::vector<CloseCase> cases = {
        {"options out of range",
         "7",
         "0",
         "6",
         {"Jumlah pilihan harus antara 1 sampai dengan 5"},
         false},
        {"zero items accepted", "7", "0", "4", {}, true},
        {"two faults, two messages",
         "x",
         "10",
         "9",
         {"Ada kesalahan untuk Jumlah Subyek", "Jumlah pilihan harus antara 1 sampai dengan 5"},
         false},
        {"every field wrong",
         "",
         "1.5",
         "c",
         {"Ada kesalahan untuk Jumlah Subyek", "Ada kesalahan untuk Jumlah Butir",
          "Ada kesalahan untuk Jumlah Pilihan"},
         false},
    };
    for (const CloseCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TFInfoJawaban fresh(AnalyzerKind::PilihanGanda);
        test::FakeUserInterface messages;
        NewFileDialog dialog(fresh, messages);
        dialog.show();
        Type(dialog.EJumSubyek, c.Subyek);
        Type(dialog.EJumButir, c.Butir);
        Type(dialog.EJumPilihan, c.Pilihan);
        QTest::mouseClick(dialog.OK, Qt::LeftButton);
        EXPECT_EQ(messages.Messages, c.Messages);
        EXPECT_EQ(dialog.isVisible(), !c.Closes);
        if (c.Closes) {
            EXPECT_EQ(dialog.result(), QDialog::Accepted);
            EXPECT_EQ(fresh.JumSubyek, 7);
            EXPECT_EQ(fresh.JumButir, 0);
            EXPECT_EQ(fresh.JumPilihan, 4);
        }
        dialog.hide();
    }
}

TEST_F(NewFileDialogTest, BatalClosesAtOnceAndTheCloseBoxChecksFirst) {
    NewFileDialog dialog(logic, ui);
    dialog.show();
    Type(dialog.EJumSubyek, "x");
    QTest::mouseClick(dialog.Batal, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(ui.Messages.empty());
    EXPECT_EQ(logic.JumSubyek, 10);

    // The close box checks the fields: a fault keeps the dialog open.
    dialog.show();
    EXPECT_FALSE(logic.Cancelled);
    EXPECT_EQ(dialog.EJumSubyek->text(), "x");
    dialog.close();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(ui.Messages, std::vector<std::string>{"Ada kesalahan untuk Jumlah Subyek"});

    // With good fields it closes, still as cancelled, and keeps the numbers it read.
    Type(dialog.EJumSubyek, "12");
    dialog.close();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(logic.JumSubyek, 12);
}

TEST_F(NewFileDialogTest, TheNextShowingOffersTheNumbersTypedBefore) {
    {
        NewFileDialog dialog(logic, ui);
        dialog.show();
        Type(dialog.EJumSubyek, "7");
        Type(dialog.EJumButir, "0");
        Type(dialog.EJumPilihan, "4");
        QTest::mouseClick(dialog.OK, Qt::LeftButton);
        ASSERT_FALSE(dialog.isVisible());
        dialog.show();
        EXPECT_EQ(dialog.EJumSubyek->text(), "7");
        EXPECT_EQ(dialog.EJumButir->text(), "0");
        EXPECT_EQ(dialog.EJumPilihan->text(), "4");
    }
    // A dialog made afresh over the same logic (the editor's showing) offers them too.
    NewFileDialog again(logic, ui);
    again.show();
    EXPECT_EQ(again.EJumSubyek->text(), "7");
    EXPECT_EQ(again.EJumButir->text(), "0");
    EXPECT_EQ(again.EJumPilihan->text(), "4");
}

TEST_F(NewFileDialogTest, EnterUpAndDownMoveTheFocusInTabOrder) {
    struct Step {
        Qt::Key Key;
        const char* Expected;
    };
    NewFileDialog dialog(logic, ui);
    dialog.show();
    const std::vector<Step> steps = {
        {Qt::Key_Return, "EJumButir"}, {Qt::Key_Down, "EJumPilihan"}, {Qt::Key_Down, "OK"}};
    for (const Step& step : steps) {
        QTest::keyClick(dialog.focusWidget(), step.Key);
        EXPECT_EQ(dialog.focusWidget()->objectName(), step.Expected);
    }
    // Enter in an edit box never presses "OK".
    EXPECT_TRUE(dialog.isVisible());
    dialog.EJumButir->setFocus();
    QTest::keyClick(dialog.EJumButir, Qt::Key_Up);
    EXPECT_EQ(dialog.focusWidget(), dialog.EJumSubyek);
    QTest::keyClick(dialog.EJumSubyek, Qt::Key_Up);
    EXPECT_EQ(dialog.focusWidget(), dialog.Batal);

    NewFileDialog essayDialog(essay, ui);
    essayDialog.show();
    QTest::keyClick(essayDialog.EJumSubyek, Qt::Key_Enter);
    EXPECT_EQ(essayDialog.focusWidget(), essayDialog.EJumButir);
    QTest::keyClick(essayDialog.EJumButir, Qt::Key_Down);
    EXPECT_EQ(essayDialog.focusWidget(), essayDialog.OK);
}

TEST_F(NewFileDialogTest, TheEssayFormChecksOnlySubjectsAndItems) {
    essay.JumPilihan = 0;
    essay.EJumPilihan = "nothing";
    NewFileDialog dialog(essay, ui);
    dialog.show();
    Type(dialog.EJumSubyek, "x");
    Type(dialog.EJumButir, "9");
    QTest::mouseClick(dialog.OK, Qt::LeftButton);
    EXPECT_EQ(ui.Messages, std::vector<std::string>{"Ada kesalahan untuk Jumlah Subyek"});
    EXPECT_TRUE(dialog.isVisible());
    Type(dialog.EJumSubyek, "7");
    QTest::mouseClick(dialog.OK, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(essay.JumSubyek, 7);
    EXPECT_EQ(essay.JumButir, 9);
    EXPECT_EQ(essay.JumPilihan, 0);
}

TEST_F(NewFileDialogTest, RunReturnsWhetherTheModalDialogClosedWithOk) {
    NewFileDialog dialog(logic, ui);
    for (const bool ok : {true, false}) {
        QTimer::singleShot(0, &dialog, [&dialog, ok] {
            EXPECT_EQ(QApplication::activeModalWidget(), &dialog);
            QTest::mouseClick(ok ? dialog.OK : dialog.Batal, Qt::LeftButton);
        });
        EXPECT_EQ(dialog.Run(), ok);
    }
}

} // namespace
} // namespace taviro::gui
