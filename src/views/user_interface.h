#pragma once

#include <optional>
#include <string>

namespace taviro {

class TFInfoJawaban;
class TFHapusBanyakSubyek;
class TFAmbilNamaSubyek;
class TFGabungDuaFile;

// The windows that one window opens over itself.
enum class Window {
    EditDataMentah,
    Skor,
    SkorDibobot,
    ReliabilitasTes,
    UnggulAsor,
    DayaPembeda,
    TingkatKesukaran,
    KorelasiButir,
    Pengecoh,
    RekapButir,
    About,
};

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

    // Shows another window modally and returns when it is closed.
    virtual void ShowWindow(Window window) { (void)window; }

    // The modal dialogs whose logic lives in the views layer: true when closed with OK.
    virtual bool ShowNewFileDialog(TFInfoJawaban& dialog) {
        (void)dialog;
        return false;
    }
    virtual bool ShowDeleteRangeDialog(TFHapusBanyakSubyek& dialog) {
        (void)dialog;
        return false;
    }
    virtual bool ShowImportNamesDialog(TFAmbilNamaSubyek& dialog) {
        (void)dialog;
        return false;
    }
    virtual bool ShowMergeDialog(TFGabungDuaFile& dialog) {
        (void)dialog;
        return false;
    }

    // Opens a web address or a mail link with the desktop's default handler.
    virtual void OpenUrl(const std::string& url) { (void)url; }
};

} // namespace taviro
