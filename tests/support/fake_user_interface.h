#pragma once

#include "views/editor_dialogs.h"
#include "views/user_interface.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace taviro::test {

// Records what the window logic shows and answers its questions from a script.
class FakeUserInterface : public UserInterface {
public:
    std::vector<std::string> Messages;
    std::vector<std::string> Errors;
    std::vector<std::string> Questions;
    int Beeps = 0;
    int PreviewsShown = 0;

    // Answers in order; when a list runs out, yes / Yes / cancel-the-dialog.
    std::deque<bool> YesNoAnswers;
    std::deque<SaveAnswer> SaveAnswers;
    std::deque<std::string> FilesToOpen;
    std::deque<std::string> FilesToSave;
    std::vector<std::string> ProposedNames;

    void ShowMessage(const std::string& text) override { Messages.push_back(text); }
    void ShowError(const std::string& text) override {
        Errors.push_back(text);
        ++Beeps;
    }
    void Beep() override { ++Beeps; }
    bool AskYesNo(const std::string& question) override {
        Questions.push_back(question);
        return Next(YesNoAnswers, true);
    }
    SaveAnswer AskSaveFirst() override {
        Questions.push_back("save-first");
        return Next(SaveAnswers, SaveAnswer::Yes);
    }
    std::optional<std::string> ChooseFileToOpen() override { return NextFile(FilesToOpen); }
    std::optional<std::string> ChooseFileToSave(const std::string& proposedName) override {
        ProposedNames.push_back(proposedName);
        return NextFile(FilesToSave);
    }
    void ShowPreview() override { ++PreviewsShown; }

    // Every window shown, in order; the hook plays what the window would do while it is open.
    std::vector<Window> WindowsShown;
    std::function<void(Window)> OnShowWindow;
    void ShowWindow(Window window) override {
        WindowsShown.push_back(window);
        if (OnShowWindow) {
            OnShowWindow(window);
        }
    }

    // The new-file dialog: the hook plays the user (types into the dialog, closes it) and returns
    // whether it was closed with OK; without a hook the dialog is cancelled.
    int NewFileDialogsShown = 0;
    std::function<bool(TFInfoJawaban&)> OnNewFileDialog;
    bool ShowNewFileDialog(TFInfoJawaban& dialog) override {
        ++NewFileDialogsShown;
        return OnNewFileDialog ? OnNewFileDialog(dialog) : false;
    }

    // The editor's three dialogs, played the same way; without a hook each is cancelled ("Batal"
    // for the range dialog).
    int DeleteRangeDialogsShown = 0;
    std::function<bool(TFHapusBanyakSubyek&)> OnDeleteRangeDialog;
    bool ShowDeleteRangeDialog(TFHapusBanyakSubyek& dialog) override {
        ++DeleteRangeDialogsShown;
        if (OnDeleteRangeDialog) {
            return OnDeleteRangeDialog(dialog);
        }
        dialog.BatalClick();
        return false;
    }
    int ImportNamesDialogsShown = 0;
    std::function<bool(TFAmbilNamaSubyek&)> OnImportNamesDialog;
    bool ShowImportNamesDialog(TFAmbilNamaSubyek& dialog) override {
        ++ImportNamesDialogsShown;
        return OnImportNamesDialog ? OnImportNamesDialog(dialog) : false;
    }
    int MergeDialogsShown = 0;
    std::function<bool(TFGabungDuaFile&)> OnMergeDialog;
    bool ShowMergeDialog(TFGabungDuaFile& dialog) override {
        ++MergeDialogsShown;
        return OnMergeDialog ? OnMergeDialog(dialog) : false;
    }

    std::vector<std::string> UrlsOpened;
    void OpenUrl(const std::string& url) override { UrlsOpened.push_back(url); }

private:
    template <typename T> static T Next(std::deque<T>& answers, T otherwise) {
        if (answers.empty()) {
            return otherwise;
        }
        T answer = answers.front();
        answers.pop_front();
        return answer;
    }
    static std::optional<std::string> NextFile(std::deque<std::string>& files) {
        if (files.empty()) {
            return std::nullopt;
        }
        std::string file = files.front();
        files.pop_front();
        return file;
    }
};

} // namespace taviro::test
