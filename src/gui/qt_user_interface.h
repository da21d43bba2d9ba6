#pragma once

#include "core/analyzer_kind.h"
#include "views/user_interface.h"

#include <functional>
#include <map>

#include <QString>

class QWidget;

namespace taviro {
class TGlobal;
class TFMemoCetak;
} // namespace taviro

namespace taviro::gui {

// The user interface of the window logic, with Qt: message boxes with a beep, the file dialogs
// of the analyzer's kind, the preview, and the windows and dialogs that the program registers.
class QtUserInterface : public UserInterface {
public:
    QtUserInterface(AnalyzerKind kind, const TGlobal& global, TFMemoCetak& preview);

    // The window over which dialogs open.
    QWidget* Parent = nullptr;
    // How each window is shown modally; registered by the program.
    std::map<Window, std::function<void()>> Windows;
    // How the views' dialogs are shown; registered by the program.
    std::function<bool(TFInfoJawaban&)> NewFileDialog;
    std::function<bool(TFHapusBanyakSubyek&)> DeleteRangeDialog;
    std::function<bool(TFAmbilNamaSubyek&)> ImportNamesDialog;
    std::function<bool(TFGabungDuaFile&)> MergeDialog;
    std::function<SaveAnswer()> SaveFirstDialog;
    std::function<bool(const std::string&)> YesNoDialog;

    void ShowMessage(const std::string& text) override;
    void ShowError(const std::string& text) override;
    void Beep() override;
    bool AskYesNo(const std::string& question) override;
    SaveAnswer AskSaveFirst() override;
    std::optional<std::string> ChooseFileToOpen() override;
    std::optional<std::string> ChooseFileToSave(const std::string& proposedName) override;
    void ShowPreview() override;
    void ShowWindow(Window window) override;
    bool ShowNewFileDialog(TFInfoJawaban& dialog) override;
    bool ShowDeleteRangeDialog(TFHapusBanyakSubyek& dialog) override;
    bool ShowImportNamesDialog(TFAmbilNamaSubyek& dialog) override;
    bool ShowMergeDialog(TFGabungDuaFile& dialog) override;
    void OpenUrl(const std::string& url) override;

private:
    QString Filter(bool withAllFiles) const;

    AnalyzerKind kind_;
    const TGlobal& global_;
    TFMemoCetak& preview_;
};

} // namespace taviro::gui
