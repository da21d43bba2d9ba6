#pragma once

#include "core/analyzer_kind.h"

#include <optional>
#include <string>
#include <string_view>

namespace taviro {

class UserInterface;

// The new-file dialog: asks for the number of subjects, of items and (multiple choice only) of
// answer options of a new test. Created once; its edit texts stay as the user left them, so the
// next showing offers the numbers typed the time before.
class TFInfoJawaban {
public:
    explicit TFInfoJawaban(AnalyzerKind kind);

    static constexpr std::string_view Prompt =
        "Mohon isikan jumlah subyek, jumlah butir soal dan jumlah pilihan";
    static constexpr std::string_view LabelJumSubyek = "Jumlah Subyek";
    static constexpr std::string_view LabelJumButir = "Jumlah Butir Soal";
    static constexpr std::string_view LabelJumPilihan = "Jumlah Pilihan Jawaban (1-5)";
    static constexpr std::string_view ButtonOK = "OK";
    static constexpr std::string_view ButtonBatal = "Batal";

    static constexpr std::string_view ErrorJumSubyek = "Ada kesalahan untuk Jumlah Subyek";
    static constexpr std::string_view ErrorJumButir = "Ada kesalahan untuk Jumlah Butir";
    static constexpr std::string_view ErrorJumPilihan = "Ada kesalahan untuk Jumlah Pilihan";
    static constexpr std::string_view ErrorRangeJumPilihan =
        "Jumlah pilihan harus antara 1 sampai dengan 5";

    AnalyzerKind Kind;

    // The texts of the edit boxes; the GUI writes what the user types into them.
    std::string EJumSubyek = "10";
    std::string EJumButir = "10";
    std::string EJumPilihan = "5";

    // The dialog is being closed with "Batal".
    bool Cancelled = false;
    // The numbers converted from the edit texts by the last close attempt; a field that converts
    // is stored even when another one fails.
    int JumSubyek = 10;
    int JumButir = 10;
    int JumPilihan = 5;

    // "Informasi Jawaban Subyek"; the essay dialog's caption is "-".
    std::string_view Caption() const;
    // The essay dialog has no options field.
    bool HasJumPilihan() const { return Kind == AnalyzerKind::PilihanGanda; }

    // The controls in tab order (the essay dialog lacks EJumPilihan).
    enum class Control { EJumSubyek, EJumButir, EJumPilihan, OK, Batal };
    enum class Key { Enter, Down, Up, Other };
    // The control that has the focus when the dialog opens the first time.
    static constexpr Control FirstFocus = Control::EJumSubyek;
    // The key rule of the three edit boxes: Enter and Down give the next control in tab order,
    // Up the previous one, the order wrapping round as tabbing does. Nothing for other keys and
    // for keys pressed on the buttons: those keep their usual meaning.
    std::optional<Control> NextFocus(Key key, Control from) const;

    // Shows the dialog through the user interface, after the reset that every showing makes;
    // true when it was closed with OK.
    bool Execute(UserInterface& ui);
    // Every showing starts as not cancelled.
    void FormShow() { Cancelled = false; }
    // "Batal": the dialog closes with the Cancel result at once.
    void BatalClick() { Cancelled = true; }
    // The dialog is about to close ("OK", "Batal" or the close box): unless cancelled, converts
    // and checks every field, showing one message per fault; true when the dialog may close.
    bool FormCloseQuery(UserInterface& ui);
};

// A whole decimal number as typed into an edit box: optional spaces around it, an optional sign
// and digits, within the range of int. Nothing for any other text.
std::optional<int> ParseEditInteger(std::string_view text);

} // namespace taviro
