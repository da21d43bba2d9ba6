#pragma once

#include <string>
#include <string_view>

namespace taviro {

class UserInterface;

// The dialog in which the weights of a right and of a wrong answer are typed. The caller fills
// the two weights before showing it and reads them back unless it was cancelled; the GUI shows
// the texts and forwards the dialog's events to it.
class TFEditBobot {
public:
    explicit TFEditBobot(UserInterface& ui) : ui_(ui) {}

    static constexpr std::string_view Caption = "Edit bobot jawaban betul dan salah";
    static constexpr std::string_view Heading =
        "Mohon isikan bobot untuk jawaban benar dan jawaban salah";
    static constexpr std::string_view LabelBenar = "Bobot jawaban betul";
    static constexpr std::string_view LabelSalah = "Bobot jawaban salah";
    static constexpr std::string_view Hint = "(bisa negatif)";
    static constexpr std::string_view BenarErrorMessage =
        "Ada kesalahan di isian Bobot Jawaban Benar";
    static constexpr std::string_view SalahErrorMessage = "Ada kesalahan di Bobot Jawaban Salah";

    // The weights: filled by the caller, read back by the caller after an accepted close.
    int BobotBetul = 1;
    int BobotSalah = 0;
    // "Batal" was pressed.
    bool Cancelled = false;
    // The texts of the two edits.
    std::string EBobotJwbBenar;
    std::string EBobotJwbSalah;

    // The dialog is shown: not cancelled, the weights as decimal text in the edits.
    void FormShow();
    // "Batal" (and Esc): the close that follows keeps the caller's weights.
    void BitBtn2Click();
    // Any close (OK, the close box, after "Batal"): whether the dialog may close. Unless
    // cancelled, each edit is converted in turn into its weight; a text that is not an integer
    // shows its message, keeps that weight's previous value and keeps the dialog open.
    bool FormClose();

    // Where the focus goes after a key in either edit.
    enum class FocusMove { Stay, Next, Previous };
    enum class EditKey { Enter, Up, Down, Other };
    static FocusMove FocusAfterKey(EditKey key);
    // Whether an edit takes a typed character: every character but Enter, which moves the focus
    // instead. Nothing else is filtered: a wrong text is refused when the dialog closes.
    static bool AcceptsCharacter(char typed);

private:
    UserInterface& ui_;
};

} // namespace taviro
