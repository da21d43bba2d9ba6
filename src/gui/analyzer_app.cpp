#include "gui/analyzer_app.h"

#include "gui/about_dialog.h"
#include "gui/confirm_dialogs.h"
#include "gui/editor_dialogs_qt.h"
#include "gui/editor_window.h"
#include "gui/main_window.h"
#include "gui/new_file_dialog.h"
#include "gui/result_windows.h"

#include <QGuiApplication>
#include <QLocale>
#include <QScreen>

namespace taviro::gui {

AnalyzerApp::AnalyzerApp(AnalyzerKind kind, std::vector<std::string> arguments)
    : session_(kind), windows_(session_, ui_), ui_(kind, session_.Global(), windows_.Preview),
      utama_(session_, ui_, windows_),
      editor_(session_, ui_, windows_.Preview, utama_.FInfoJawaban) {
    session_.Global().DecimalSeparator = SystemDecimalSeparator();
    main_ = std::make_unique<MainWindow>(utama_, std::move(arguments));
    ui_.Parent = main_.get();
    utama_.OnSetUpGrid = [this] { editor_.SetUpGrid(); };
    utama_.OnLoadGridFromData = [this] { editor_.LoadGridFromData(); };
    RegisterDialogs();
    RegisterEditorDialogs(ui_, main_.get());
    editorWindow_ = new EditorWindow(editor_, ui_, session_.Global(), main_.get());
    ui_.Windows[Window::EditDataMentah] = [this] {
        editorWindow_->setWindowState(editorWindow_->windowState() | Qt::WindowMaximized);
        editorWindow_->exec();
    };
    RegisterResultWindows(*this);
}

AnalyzerApp::~AnalyzerApp() {
    // The hooks point into the windows, which go first.
    ui_.Windows.clear();
    ui_.NewFileDialog = nullptr;
    ui_.DeleteRangeDialog = nullptr;
    ui_.ImportNamesDialog = nullptr;
    ui_.MergeDialog = nullptr;
    ui_.SaveFirstDialog = nullptr;
    ui_.YesNoDialog = nullptr;
    ui_.Parent = nullptr;
    utama_.OnSetUpGrid = nullptr;
    utama_.OnLoadGridFromData = nullptr;
}

QWidget* AnalyzerApp::Parent() {
    return main_.get();
}

QWidget* AnalyzerApp::DialogParent() {
    // The editor window takes the dialogs over itself while it is shown.
    return ui_.Parent != nullptr ? ui_.Parent : main_.get();
}

void AnalyzerApp::RegisterDialogs() {
    infoJawabanDialog_ = new NewFileDialog(utama_.FInfoJawaban, ui_, main_.get());
    ui_.NewFileDialog = [this](TFInfoJawaban& logic) {
        if (&logic != &infoJawabanDialog_->Logic()) {
            NewFileDialog other(logic, ui_, DialogParent());
            return other.Run();
        }
        // The one kept dialog opens over whichever window asks, then goes back to the menu.
        const Qt::WindowFlags flags = infoJawabanDialog_->windowFlags();
        infoJawabanDialog_->setParent(DialogParent(), flags);
        const bool ok = infoJawabanDialog_->Run();
        infoJawabanDialog_->setParent(main_.get(), flags);
        return ok;
    };
    ui_.SaveFirstDialog = [this] {
        ConfirmSaveDialog dialog(DialogParent());
        return dialog.Ask();
    };
    ui_.YesNoDialog = [this](const std::string& question) {
        ConfirmDialog dialog(konfirmasi_, DialogParent());
        return dialog.Ask(question);
    };
    ui_.Windows[Window::About] = [this] {
        AboutDialog dialog(utama_.FAbout, ui_, DialogParent());
        dialog.exec();
    };
}

void AnalyzerApp::Show() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        main_->setGeometry(screen->availableGeometry());
    }
    main_->showMaximized();
}

char AnalyzerApp::SystemDecimalSeparator() {
    const QString point = QLocale::system().decimalPoint();
    if (point.size() == 1 && point.front().unicode() < 0x80) {
        return static_cast<char>(point.front().unicode());
    }
    return '.';
}

} // namespace taviro::gui
