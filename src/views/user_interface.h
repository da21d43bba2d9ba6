#pragma once

#include <optional>
#include <string>

namespace taviro {

// The one way in which window logic reaches the user. The GUI implements it with Qt; tests
// implement it with a scripted fake.
class UserInterface {
public:
    virtual ~UserInterface() = default;

    // A message box with its text.
    virtual void ShowMessage(const std::string& text) = 0;
    // The error style of the program: a message box with a beep.
    virtual void ShowError(const std::string& text) = 0;
    virtual void Beep() = 0;
    // The yes/no confirmation dialog: true for Yes.
    virtual bool AskYesNo(const std::string& question) = 0;

    enum class SaveAnswer { Yes, No, Cancel };
    // The save-first question before a changed document is discarded.
    virtual SaveAnswer AskSaveFirst() = 0;

    // The open and save dialogs: the chosen path, or nothing when cancelled.
    virtual std::optional<std::string> ChooseFileToOpen() = 0;
    virtual std::optional<std::string> ChooseFileToSave(const std::string& proposedName) = 0;

    // Shows the report preview modally.
    virtual void ShowPreview() = 0;
};

} // namespace taviro
