#include "gui/analyzer_app.h"

#include "core/session.h"
#include "gui/about_dialog.h"
#include "gui/confirm_dialogs.h"
#include "gui/main_window.h"
#include "gui/new_file_dialog.h"
#include "support/fake_user_interface.h"
#include "support/test_files.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace taviro::gui {
namespace {

namespace fs = std::filesystem;
using SaveAnswer = UserInterface::SaveAnswer;

std::string FixtureDocument(AnalyzerKind kind) {
    const fs::path documents = test::FixturesDir() / "documents";
    return kind == AnalyzerKind::PilihanGanda
               ? (documents / "example-pilihan-ganda" / "input.tav").string()
               : (documents / "essay-twin" / "input.tur").string();
}

const char* KindName(AnalyzerKind kind) {
    return kind == AnalyzerKind::PilihanGanda ? "pilihan ganda" : "uraian";
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

// The modal window as the type expected, or a failure and the window closed.
template <typename Dialog> Dialog* Expect(QWidget* modal) {
    auto* dialog = qobject_cast<Dialog*>(modal);
    if (dialog == nullptr) {
        ADD_FAILURE() << "expected " << Dialog::staticMetaObject.className() << ", got "
                      << modal->metaObject()->className();
        modal->close();
    }
    return dialog;
}

// Answers the next file dialog with the path, or cancels it; records the name it proposed. Then
// runs what follows, to meet the window that the answer leads to.
void AnswerFileDialog(std::optional<std::string> path, QString* proposed = nullptr,
                      std::function<void()> then = nullptr) {
    PlayModal([path, proposed, then](QWidget* modal) {
        auto* dialog = Expect<QFileDialog>(modal);
        if (dialog == nullptr) {
            return;
        }
        if (proposed != nullptr) {
            *proposed = dialog->findChild<QLineEdit*>("fileNameEdit")->text();
        }
        if (path) {
            dialog->selectFile(QString::fromStdString(*path));
            static_cast<QDialog*>(dialog)->accept();
        } else {
            dialog->reject();
        }
        if (then) {
            then();
        }
    });
}

// Closes the next message box and records its text.
void AnswerMessageBox(std::vector<std::string>& texts) {
    PlayModal([&texts](QWidget* modal) {
        if (auto* box = Expect<QMessageBox>(modal)) {
            texts.push_back(box->text().toStdString());
            box->accept();
        }
    });
}

// One analyzer whose editor and score windows are played by the test and whose save question
// is answered from a script.
class Analyzer {
public:
    explicit Analyzer(AnalyzerKind kind) : app(kind) {
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        QApplication::setQuitOnLastWindowClosed(false);
        app.Session().Global().DocumentsFolder = folder.Path().string() + "/";
        QtUserInterface& ui = app.Ui();
        ui.Windows[Window::EditDataMentah] = [this] { ++EditorShown; };
        ui.Windows[Window::Skor] = [this] { ++ScoresShown; };
        ui.SaveFirstDialog = [this] {
            ++SaveQuestions;
            return Answer;
        };
        ui.NewFileDialog = [this](TFInfoJawaban& dialog) {
            ++NewFileDialogs;
            dialog.EJumSubyek = "4";
            dialog.EJumButir = "3";
            dialog.EJumPilihan = "4";
            return dialog.FormCloseQuery(app.Ui());
        };
    }

    test::TempFolder folder;
    AnalyzerApp app;
    int EditorShown = 0;
    int ScoresShown = 0;
    int SaveQuestions = 0;
    int NewFileDialogs = 0;
    SaveAnswer Answer = SaveAnswer::Cancel;

    MainWindow& Main() { return app.Main(); }
    TGlobal& Global() { return app.Session().Global(); }
    std::string Extension() const { return std::string(DocumentExtension(app.Kind())); }

    std::string Copy(const std::string& stem) {
        const fs::path target = folder.Path() / (stem + Extension());
        fs::copy_file(FixtureDocument(app.Kind()), target);
        return target.string();
    }

    void Click(MenuLink link) {
        MenuLinkLabel* label = Main().Link(link);
        ASSERT_NE(label, nullptr);
        QTest::mouseClick(label, Qt::LeftButton);
    }

    // Opens the document through "Baca File yg Ada" and gives it a change not saved yet.
    void OpenChanged(const std::string& path) {
        AnswerFileDialog(path);
        Click(MenuLink::LBacaFile);
        ASSERT_EQ(Global().FileName, path);
        app.Session().DataMentah().GetJawaban(0).Nama = "Zed";
        app.Session().DataMentah().IsChanged = true;
    }
};

bool Saved(const std::string& path) {
    return test::ReadFile(path).find("Zed") != std::string::npos;
}

std::vector<AnalyzerKind> BothKinds() {
    return {AnalyzerKind::PilihanGanda, AnalyzerKind::Uraian};
}

TEST(AnalyzerApp, RegistersTheRealDialogs) {
    for (const AnalyzerKind kind : BothKinds()) {
        SCOPED_TRACE(KindName(kind));
        AnalyzerApp app(kind);
        QtUserInterface& ui = app.Ui();
        EXPECT_EQ(ui.Parent, &app.Main());
        EXPECT_EQ(app.Session().Global().DecimalSeparator, AnalyzerApp::SystemDecimalSeparator());
        EXPECT_EQ(QString(QChar(AnalyzerApp::SystemDecimalSeparator())),
                  QLocale::system().decimalPoint());

        // The new-file dialog is the one kept dialog over the menu's logic.
        PlayModal([&app](QWidget* modal) {
            auto* dialog = Expect<NewFileDialog>(modal);
            if (dialog == nullptr) {
                return;
            }
            EXPECT_EQ(dialog, &app.InfoJawabanDialog());
            dialog->EJumSubyek->setText("6");
            dialog->EJumButir->setText("2");
            QTest::mouseClick(dialog->OK, Qt::LeftButton);
        });
        EXPECT_TRUE(app.Utama().FInfoJawaban.Execute(ui));
        EXPECT_EQ(app.Utama().FInfoJawaban.JumSubyek, 6);

        PlayModal([](QWidget* modal) {
            if (auto* dialog = Expect<ConfirmSaveDialog>(modal)) {
                QTest::mouseClick(dialog->Button("TIDAK"), Qt::LeftButton);
            }
        });
        EXPECT_EQ(ui.AskSaveFirst(), SaveAnswer::No);

        QString question;
        PlayModal([&question](QWidget* modal) {
            if (auto* dialog = Expect<ConfirmDialog>(modal)) {
                question = dialog->findChild<QLabel*>("LPesan")->text();
                QTest::mouseClick(dialog->Button("YA"), Qt::LeftButton);
            }
        });
        EXPECT_TRUE(ui.AskYesNo("Hapus?"));
        EXPECT_EQ(question, "Hapus?");

        // "SBAbout" opens the about box over the main window.
        PlayModal([](QWidget* modal) {
            if (auto* dialog = Expect<AboutDialog>(modal)) {
                EXPECT_TRUE(dialog->windowFlags() & Qt::FramelessWindowHint);
                QTest::mouseClick(dialog->Tutup, Qt::LeftButton);
            }
        });
        app.Main().show();
        QTest::mouseClick(app.Main().SBAbout, Qt::LeftButton);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        app.Main().hide();
    }
}

TEST(AboutDialog, ShowsTheDevelopersAndWritesToThem) {
    for (const AnalyzerKind kind : BothKinds()) {
        SCOPED_TRACE(KindName(kind));
        const TFAbout logic(kind);
        test::FakeUserInterface ui;
        AboutDialog dialog(logic, ui);
        dialog.show();
        EXPECT_EQ(dialog.windowTitle(), "Tentang Pengembang");
        EXPECT_TRUE(dialog.windowFlags() & Qt::FramelessWindowHint);
        EXPECT_NEAR(dialog.windowOpacity(), 230.0 / 255.0, 0.01);
        EXPECT_EQ(dialog.size(), QSize(598, 433));
        EXPECT_EQ(dialog.Mail->text().toStdString(), TFAbout::MailButtonCaption());
        EXPECT_EQ(dialog.Tutup->text(), "Tutup");
        EXPECT_EQ(dialog.focusWidget(), dialog.Tutup);
        QTest::mouseClick(dialog.Mail, Qt::LeftButton);
        EXPECT_EQ(ui.UrlsOpened, std::vector<std::string>{logic.MailLink()});
        EXPECT_TRUE(dialog.isVisible());
        QTest::mouseClick(dialog.Tutup, Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible());
    }
}

enum class Command { New, Open, Close };

struct SaveQuestionCase {
    Command Which;
    SaveAnswer Answer;
    bool Saves;
    bool GoesOn;
};

std::string CaseName(const SaveQuestionCase& c) {
    const char* commands[] = {"new", "open", "close"};
    const char* answers[] = {"Yes", "No", "Cancel"};
    return std::string(commands[static_cast<int>(c.Which)]) + " answered " +
           answers[static_cast<int>(c.Answer)];
}

TEST(AnalyzerApp, TheSaveQuestionGuardsNewOpenAndClose) {
    std::vector<SaveQuestionCase> cases;
    for (const Command command : {Command::New, Command::Open, Command::Close}) {
        cases.push_back({command, SaveAnswer::Yes, true, true});
        cases.push_back({command, SaveAnswer::No, false, true});
        cases.push_back({command, SaveAnswer::Cancel, false, false});
    }
    for (const AnalyzerKind kind : BothKinds()) {
        for (const SaveQuestionCase& c : cases) {
            SCOPED_TRACE(std::string(KindName(kind)) + ": " + CaseName(c));
            Analyzer analyzer(kind);
            analyzer.app.Show();
            const std::string path = analyzer.Copy("ujian");
            const std::string other = analyzer.Copy("lain");
            analyzer.OpenChanged(path);
            analyzer.Answer = c.Answer;
            const int editorBefore = analyzer.EditorShown;
            switch (c.Which) {
            case Command::New:
                analyzer.Click(MenuLink::LBuatFile);
                EXPECT_EQ(analyzer.NewFileDialogs, c.GoesOn ? 1 : 0);
                EXPECT_EQ(analyzer.Global().FileName,
                          c.GoesOn ? std::string(UnnamedDocument(kind)) : path);
                break;
            case Command::Open:
                if (c.GoesOn) {
                    AnswerFileDialog(other);
                }
                analyzer.Click(MenuLink::LBacaFile);
                EXPECT_EQ(analyzer.Global().FileName, c.GoesOn ? other : path);
                break;
            case Command::Close:
                EXPECT_EQ(analyzer.Main().close(), c.GoesOn);
                EXPECT_EQ(analyzer.Main().isVisible(), !c.GoesOn);
                break;
            }
            EXPECT_EQ(analyzer.SaveQuestions, 1);
            EXPECT_EQ(Saved(path), c.Saves);
            EXPECT_FALSE(Saved(other));
            EXPECT_EQ(analyzer.Main().FileName()->text().toStdString(), analyzer.Global().FileName);
            if (c.Which != Command::Close) {
                EXPECT_EQ(analyzer.EditorShown, editorBefore + (c.GoesOn ? 1 : 0));
            }
            // Only a save or a newly opened document settles the change; a new document keeps
            // the flag as it was.
            const bool stillChanged = c.Answer == SaveAnswer::Cancel ||
                                      (c.Answer == SaveAnswer::No && c.Which != Command::Open);
            EXPECT_EQ(analyzer.app.Session().DataMentah().IsChanged, stillChanged);
        }
    }
}

TEST(AnalyzerApp, SimpanOfAnUnnamedDocumentAsksForANameAndCancellingSavesNothing) {
    for (const AnalyzerKind kind : BothKinds()) {
        SCOPED_TRACE(KindName(kind));
        Analyzer analyzer(kind);
        analyzer.app.Show();
        analyzer.Click(MenuLink::LBuatFile);
        const std::string unnamed(UnnamedDocument(kind));
        ASSERT_EQ(analyzer.Global().FileName, unnamed);
        analyzer.app.Session().DataMentah().IsChanged = true;

        QString proposed;
        AnswerFileDialog(std::nullopt, &proposed);
        analyzer.Click(MenuLink::LSimpan);
        EXPECT_EQ(proposed.toStdString(), unnamed);
        EXPECT_TRUE(fs::is_empty(analyzer.folder.Path()));
        EXPECT_FALSE(fs::exists(unnamed));
        EXPECT_EQ(analyzer.Global().FileName, unnamed);
        EXPECT_TRUE(analyzer.app.Session().DataMentah().IsChanged);

        // A chosen name is saved and becomes the document's name.
        const std::string chosen = analyzer.folder.File("baru" + analyzer.Extension());
        AnswerFileDialog(chosen);
        analyzer.Click(MenuLink::LSimpan);
        EXPECT_TRUE(fs::exists(chosen));
        EXPECT_EQ(analyzer.Global().FileName, chosen);
        EXPECT_EQ(analyzer.Main().FileName()->text().toStdString(), chosen);
        EXPECT_FALSE(analyzer.app.Session().DataMentah().IsChanged);
    }
}

TEST(AnalyzerApp, PenyekoranWithAnEmptyKeyShowsItsMessageAndOpensNothing) {
    for (const AnalyzerKind kind : BothKinds()) {
        SCOPED_TRACE(KindName(kind));
        Analyzer analyzer(kind);
        analyzer.app.Show();
        analyzer.Click(MenuLink::LBuatFile);
        ASSERT_TRUE(analyzer.app.Session().DataMentah().Kunci.empty());
        std::vector<std::string> messages;
        AnswerMessageBox(messages);
        analyzer.Click(MenuLink::LPenyekoran);
        EXPECT_EQ(messages,
                  std::vector<std::string>{std::string(analyzer.app.Utama().MissingKeyMessage())});
        EXPECT_EQ(analyzer.ScoresShown, 0);
    }
}

TEST(AnalyzerApp, ADocumentThatFailsToLoadLeavesThePreviousOneOpen) {
    for (const AnalyzerKind kind : BothKinds()) {
        SCOPED_TRACE(KindName(kind));
        Analyzer analyzer(kind);
        analyzer.app.Show();
        const std::string path = analyzer.Copy("ujian");
        AnswerFileDialog(path);
        analyzer.Click(MenuLink::LBacaFile);
        ASSERT_EQ(analyzer.Global().FileName, path);
        const TDataMentah& data = analyzer.app.Session().DataMentah();
        const int subjects = data.JumSubyek;
        const std::string firstName = data.Jawaban.front().Nama;
        const auto states = analyzer.app.Utama().LinkStates();

        const std::string damaged = analyzer.folder.File("rusak" + analyzer.Extension());
        test::WriteFile(damaged, "<?xml version=\"1.0\"?><TAVIRO><Data_Mentah><Kunci>ab");
        std::vector<std::string> messages;
        // The error's message box follows the file dialog.
        AnswerFileDialog(damaged, nullptr, [&messages] { AnswerMessageBox(messages); });
        analyzer.Click(MenuLink::LBacaFile);
        EXPECT_EQ(messages.size(), 1u);
        EXPECT_EQ(analyzer.EditorShown, 1);
        EXPECT_EQ(analyzer.Global().FileName, path);
        EXPECT_EQ(analyzer.Main().FileName()->text().toStdString(), path);
        EXPECT_EQ(data.JumSubyek, subjects);
        EXPECT_EQ(data.Jawaban.front().Nama, firstName);
        EXPECT_EQ(analyzer.app.Utama().LinkStates(), states);
    }
}

TEST(AnalyzerApp, TheMainWindowShowsSoonAfterTheAppIsMade) {
    for (const AnalyzerKind kind : BothKinds()) {
        QElapsedTimer timer;
        timer.start();
        AnalyzerApp app(kind);
        app.Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&app.Main()));
        const qint64 elapsed = timer.elapsed();
        // Measured, not asserted: the figure is for the record.
        std::cout << "[ timing   ] main window of taviro " << KindName(kind) << " shown after "
                  << elapsed << " ms\n";
        RecordProperty(std::string("shown_ms_") +
                           (kind == AnalyzerKind::PilihanGanda ? "pg" : "ur"),
                       static_cast<int>(elapsed));
        app.Main().hide();
    }
}

} // namespace
} // namespace taviro::gui
