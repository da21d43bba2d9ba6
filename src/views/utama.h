#pragma once

#include "views/info_jawaban.h"
#include "views/konfirmasi.h"
#include "views/user_interface.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace taviro {

class AnalyzerWindows;
class Session;

enum class MenuColumn { File, Penyekoran, OlahData };

// The links of the main menu, named after their components.
enum class MenuLink {
    LEditDataMentah,
    LBuatFile,
    LBacaFile,
    LSimpan,
    LSaveAs,
    LKeluar,
    LPenyekoran,
    LSkorDibobot,
    LOlahSemua,
    LReliabilitas,
    LUnggulAsor,
    LDayaPembeda,
    LtkKesukaran,
    LKorelasiButir,
    LKualitasPengecoh,
    LRekapButir,
};

// One link as the menu draws it.
struct MenuLinkInfo {
    MenuLink Link;
    MenuColumn Column;
    std::string_view Caption;
    bool EnabledAtStart;
};

// The main menu: the only way into every other window. It creates, opens and saves documents,
// guards unsaved changes, opens the editor, the score windows and the analysis windows, runs the
// whole analysis in one go and opens the document named on the command line. Every error of a
// command is shown with ShowError and abandons the command, as the program's error handler does.
class TFUtama {
public:
    TFUtama(Session& session, UserInterface& ui, AnalyzerWindows& windows);

    // Texts of the window.
    static constexpr std::string_view LabelFileTerbuka = "File yang terbuka:";
    static std::string_view ColumnHeading(MenuColumn column);
    // "Taviro Pilihan Ganda" / "Taviro Uraian": the application's title.
    std::string_view ApplicationTitle() const;
    std::string_view Caption() const;
    // The big title; the essay analyzer shows "Uraian" in a label of its own beside it (empty for
    // multiple choice, whose title holds it).
    std::string_view Title() const;
    std::string_view TitleUraian() const;
    std::string_view VersionText() const;
    static std::string SBAboutCaption();
    static std::string SBWebCaption();
    // The message of "Penyekoran Data" and "Skor Dibobot" when the key (essay: the ideal scores)
    // is empty.
    std::string_view MissingKeyMessage() const;
    // Colours as 24-bit values, red in the low byte.
    std::uint32_t BackgroundColor() const;
    static constexpr std::uint32_t LinkColor = 8388608;
    static constexpr std::uint32_t LinkHoverColor = 255;

    // The command-line document has not been opened yet.
    bool IsFirstShow = true;
    // The name of the open document as the menu shows it.
    std::string LNamaFile;
    // The dialogs of the menu; the raw data editor shares the new-file dialog, so that both
    // offer the numbers typed last.
    TFInfoJawaban FInfoJawaban;
    TFAbout FAbout;

    // Connected by the program to the raw data editor: an empty grid for the counts of the raw
    // data, and the grid filled from the raw data.
    std::function<void()> OnSetUpGrid;
    std::function<void()> OnLoadGridFromData;
    // Connected by the program to closing the main window, which asks FormCloseQuery first.
    std::function<void()> OnClose;

    // This analyzer's links, column by column, in the order in which they are drawn.
    std::vector<MenuLinkInfo> Links() const;
    // false also for a link this analyzer does not have.
    bool IsEnabled(MenuLink link) const;
    std::map<MenuLink, bool> LinkStates() const;
    // A click on a link: runs its command when the link is enabled, does nothing otherwise.
    void LinkClick(MenuLink link);

    // Re-evaluates the links: the scoring links on, the analysis links on only while the raw
    // data does not wait for rescoring; shows the file name.
    void UpdateMenu();

    // The commands behind the links.
    void BuatFileBaru();
    void BacaFile();
    // Opens the document; one that fails to load shows its message and leaves the previous
    // document open.
    void OpenDocument(const std::string& path);
    void Simpan();
    void SimpanDgNamaLain();
    void EditDataMentah();
    void PenyekoranData();
    void SkorDibobot();
    void OlahSemuaOtomatis();
    // One of the OLAH DATA links.
    void ShowAnalysis(MenuLink link);
    // "Keluar dari Taviro": closes the window through OnClose.
    void Keluar();
    // The window is about to close (by "Keluar dari Taviro" or the close box): the save question;
    // true when it may close.
    bool FormCloseQuery();
    // The window is shown: opens the document named by the program's arguments, joined with
    // single spaces, the first time only.
    void FormShow(const std::vector<std::string>& arguments);
    // The two buttons of the bottom band.
    void SBAboutClick();
    void SBWebClick();

private:
    // Runs a command; a TaviroError it throws is shown and abandons it. false after an error.
    template <typename Command> bool Guard(Command&& command);
    // Asks whether to save first when there are unsaved changes: false when the command is to
    // stop. A failed save throws, so the command that asked stops too; a save whose file dialog
    // was cancelled stops it as well.
    bool SaveConfirmation();
    // "Simpan" without the error handling, for the save confirmation.
    void SaveDocument();
    // "Penyekoran Data" and "Skor Dibobot": the key is checked before the window opens.
    void OpenScoreWindow(Window window);
    void SetEnabled(std::initializer_list<MenuLink> links, bool enabled);
    bool HasLink(MenuLink link) const;
    bool IsPilihanGanda() const;

    Session& session_;
    UserInterface& ui_;
    AnalyzerWindows& windows_;
    std::map<MenuLink, bool> enabled_;
};

// The file-name part of a path, after its last '/' or '\'.
std::string_view FileNamePart(std::string_view path);

} // namespace taviro
