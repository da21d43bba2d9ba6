#include "gui/confirm_dialogs.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace taviro::gui {
namespace {

using SaveAnswer = TFKonfirmasiSimpan::Answer;

std::vector<QString> ButtonTexts(const QDialog& dialog) {
    std::vector<QString> texts;
    for (const QPushButton* button : dialog.findChildren<QPushButton*>()) {
        texts.push_back(button->text());
    }
    return texts;
}

TEST(ConfirmSaveDialog, ShowsTheQuestionWithYaTidakBatal) {
    ConfirmSaveDialog dialog;
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Konfirmasi");
    EXPECT_EQ(dialog.findChild<QLabel*>("LPesan")->text(),
              "Simpan dulu file yang terbuka? Jika anda menjawab \"TIDAK\" maka perubahan data "
              "pada file tersebut akan hilang.");
    EXPECT_TRUE(dialog.findChild<QLabel*>("LPesan")->wordWrap());
    // The accelerators are underlined; "BATAL" has none.
    EXPECT_EQ(ButtonTexts(dialog), (std::vector<QString>{"&YA", "&TIDAK", "BATAL"}));
    EXPECT_EQ(dialog.focusWidget(), dialog.Button("YA"));
}

// One way of answering, played on a shown dialog.
struct Answering {
    const char* Name;
    std::function<void(QuestionDialog&)> Play;
    SaveAnswer Save;
    bool YesNo;
};

std::vector<Answering> Answerings() {
    const auto click = [](const char* caption) {
        return [caption](QuestionDialog& dialog) {
            QTest::mouseClick(dialog.Button(caption), Qt::LeftButton);
        };
    };
    const auto key = [](Qt::Key pressed) {
        return
            [pressed](QuestionDialog& dialog) { QTest::keyClick(dialog.focusWidget(), pressed); };
    };
    return {
        {"YA", click("YA"), SaveAnswer::Yes, true},
        {"TIDAK", click("TIDAK"), SaveAnswer::No, false},
        {"letter Y", key(Qt::Key_Y), SaveAnswer::Yes, true},
        {"letter T", key(Qt::Key_T), SaveAnswer::No, false},
        {"close box", [](QuestionDialog& dialog) { dialog.close(); }, SaveAnswer::Cancel, false},
        {"Escape", key(Qt::Key_Escape), SaveAnswer::Cancel, false},
    };
}

TEST(ConfirmSaveDialog, EveryWayOfAnsweringGivesItsAnswer) {
    std::vector<Answering> cases = Answerings();
    cases.push_back(
        {"BATAL",
         [](QuestionDialog& dialog) { QTest::mouseClick(dialog.Button("BATAL"), Qt::LeftButton); },
         SaveAnswer::Cancel, false});
    // No accelerator for "BATAL": the letter B does nothing.
    cases.push_back({"letter B then close box",
                     [](QuestionDialog& dialog) {
                         QTest::keyClick(dialog.focusWidget(), Qt::Key_B);
                         EXPECT_TRUE(dialog.isVisible());
                         dialog.close();
                     },
                     SaveAnswer::Cancel, false});
    for (const Answering& answering : cases) {
        SCOPED_TRACE(answering.Name);
        ConfirmSaveDialog dialog;
        dialog.show();
        answering.Play(dialog);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.Answer(), answering.Save);
    }
}

TEST(ConfirmDialog, ShowsTheCallersQuestionAndAnswersYesOrNo) {
    for (const Answering& answering : Answerings()) {
        SCOPED_TRACE(answering.Name);
        TFKonfirmasi logic;
        logic.Pesan = "Yakin akan menghapus subyek no 3?";
        ConfirmDialog dialog(logic);
        dialog.show();
        EXPECT_EQ(dialog.windowTitle(), "Konfirmasi");
        EXPECT_EQ(dialog.findChild<QLabel*>("LPesan")->text(), "Yakin akan menghapus subyek no 3?");
        EXPECT_EQ(ButtonTexts(dialog), (std::vector<QString>{"&YA", "&TIDAK"}));
        answering.Play(dialog);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.Answer(), answering.YesNo);
    }
}

TEST(ConfirmDialog, AskShowsEachQuestionModallyAndStartsFromNo) {
    TFKonfirmasi logic;
    ConfirmDialog dialog(logic);
    std::vector<QString> shown;
    const auto answerWith = [&](const char* caption) {
        QTimer::singleShot(0, &dialog, [&dialog, &shown, caption] {
            EXPECT_EQ(QApplication::activeModalWidget(), &dialog);
            shown.push_back(dialog.findChild<QLabel*>("LPesan")->text());
            if (caption == nullptr) {
                dialog.close();
            } else {
                QTest::mouseClick(dialog.Button(caption), Qt::LeftButton);
            }
        });
    };
    answerWith("YA");
    EXPECT_TRUE(dialog.Ask("Pertama?"));
    // A yes from before does not survive into the next question closed by its close box.
    answerWith(nullptr);
    EXPECT_FALSE(dialog.Ask("Kedua?"));
    EXPECT_EQ(shown, (std::vector<QString>{"Pertama?", "Kedua?"}));
    EXPECT_EQ(logic.Pesan, "Kedua?");

    ConfirmSaveDialog save;
    QTimer::singleShot(0, &save,
                       [&save] { QTest::mouseClick(save.Button("TIDAK"), Qt::LeftButton); });
    EXPECT_EQ(save.Ask(), SaveAnswer::No);
    QTimer::singleShot(0, &save, [&save] { save.close(); });
    EXPECT_EQ(save.Ask(), SaveAnswer::Cancel);
}

} // namespace
} // namespace taviro::gui
