#pragma once

#include "core/analyzer_kind.h"
#include "core/session.h"
#include "gui/qt_user_interface.h"
#include "views/analyzer_windows.h"
#include "views/edit_data_mentah.h"
#include "views/konfirmasi.h"
#include "views/utama.h"

#include <memory>
#include <string>
#include <vector>

class QWidget;

namespace taviro::gui {

class EditorWindow;
class MainWindow;
class NewFileDialog;

// One analyzer put together: its session, the logic of every window, the Qt user interface with
// the windows and dialogs registered, and the main window. Everything lives as long as the
// object; the windows go first, then the logic, then the session's single instances.
class AnalyzerApp {
public:
    // The arguments are the program's, without the program itself; they name the document that
    // the main window opens when it is first shown. Nothing is shown yet.
    explicit AnalyzerApp(AnalyzerKind kind, std::vector<std::string> arguments = {});
    ~AnalyzerApp();
    AnalyzerApp(const AnalyzerApp&) = delete;
    AnalyzerApp& operator=(const AnalyzerApp&) = delete;

    AnalyzerKind Kind() const { return session_.Kind(); }
    taviro::Session& Session() { return session_; }
    // The logic of the score and analysis windows, with the report preview.
    AnalyzerWindows& Windows() { return windows_; }
    QtUserInterface& Ui() { return ui_; }
    TFUtama& Utama() { return utama_; }
    // The raw data editor's logic; it shares the new-file dialog with the main menu.
    TFEditDatamEntah& Editor() { return editor_; }
    TFKonfirmasi& Konfirmasi() { return konfirmasi_; }
    MainWindow& Main() { return *main_; }
    // The one new-file dialog, kept between showings.
    NewFileDialog& InfoJawabanDialog() { return *infoJawabanDialog_; }
    // The raw data editor's window, kept between showings.
    EditorWindow& EditorView() { return *editorWindow_; }
    // The window over which every other window and dialog opens.
    QWidget* Parent();

    // Shows the main window maximised over the screen's free area.
    void Show();

    // The user's regional decimal separator; '.' when the region's is not a single-byte
    // character.
    static char SystemDecimalSeparator();

private:
    void RegisterDialogs();
    // The window the dialogs open over now.
    QWidget* DialogParent();

    taviro::Session session_;
    // The window logic keeps a reference to the user interface, which in turn shows the
    // preview that the window logic holds: both are members, the reference is only kept.
    AnalyzerWindows windows_;
    QtUserInterface ui_;
    TFUtama utama_;
    TFEditDatamEntah editor_;
    TFKonfirmasi konfirmasi_;
    std::unique_ptr<MainWindow> main_;
    // Children of the main window.
    NewFileDialog* infoJawabanDialog_ = nullptr;
    EditorWindow* editorWindow_ = nullptr;
};

} // namespace taviro::gui
