#pragma once

#include "core/analyzer_kind.h"

#include <string>
#include <string_view>

namespace taviro {

class UserInterface;

// The dialog that asks for the range of subjects (first and last sequence number) to delete. It
// only reads and checks the two numbers; the command decides what to do with them. Created once
// with the editor, so its edits and numbers are still there at the next showing.
class TFHapusBanyakSubyek {
public:
    explicit TFHapusBanyakSubyek(UserInterface& ui) : ui_(ui) {}

    static constexpr std::string_view Caption = "Hapus banyak subyek";
    static constexpr std::string_view Heading = "Hapus sekaligus banyak subyek";
    static constexpr std::string_view LabelMulai = "Mulai dari nomor urut";
    static constexpr std::string_view LabelSampai = "Sampai dengan nomor";
    static constexpr std::string_view MulaiErrorMessage = "Ada kesalahan untuk \"mulai dari\"";
    static constexpr std::string_view SampaiErrorMessage = "Ada kesalahan untuk \"sampai dengan\"";

    // The texts of the two edits.
    std::string EMulai;
    std::string ESampai;
    // The range read when the dialog last closed without "Batal".
    int RangeStart = 0;
    int RangeEnd = 0;
    // This showing ended with "Batal".
    bool Cancelled = false;

    // The dialog is shown: not cancelled; the edits keep their texts.
    void FormShow();
    // "Batal": the close that follows reads nothing.
    void BatalClick();
    // Any close ("OK", the close box, after "Batal"): whether the dialog may close. Unless
    // cancelled, both edits are read in turn; a text that is not a whole number shows its message,
    // keeps its number as it was and keeps the dialog open. No other check is made: the command
    // deals with a start above the end, beyond the last subject or below 1.
    bool FormClose();

    // The controls in tab order; the focus wraps from the last to the first.
    enum class Control { EMulai, ESampai, OK, Batal };
    enum class EditKey { Enter, Up, Down, Other };
    // Where the focus goes after a key in one of the edits: Enter to the next control from either
    // edit; Down and Up move it from the start edit only.
    static Control FocusAfterKey(Control edit, EditKey key);

private:
    UserInterface& ui_;
};

// What the two file dialogs share: the path typed or chosen, handed to the command on every
// close, whatever the button. The path is not checked here; reading the document checks it.
class OtherFileDialog {
public:
    explicit OtherFileDialog(UserInterface& ui) : ui_(ui) {}

    static constexpr std::string_view LabelNamaFile = "Nama File";
    static constexpr std::string_view ButtonPilihFile = "Pilih File ";

    // The text of the file name edit.
    std::string ENamaFile;
    // The path that the command reads, taken from ENamaFile when the dialog closes.
    std::string OtherFileName;

    // "Pilih File ": the document open dialog; a chosen path replaces the edit's text.
    void PilihFileClick();
    // Any close: OtherFileName := ENamaFile.
    void FormClose();

private:
    UserInterface& ui_;
};

// The dialog that names the document whose subject names are imported.
class TFAmbilNamaSubyek : public OtherFileDialog {
public:
    using OtherFileDialog::OtherFileDialog;

    static constexpr std::string_view Caption = "Ambil nama subyek";
    static constexpr std::string_view Title = "Ambil Nama Subyek dari File Lain";
    static constexpr std::string_view Note =
        "Gunakan menu ini untuk mengambil nama-nama subyek pada file yang kemudian dimasukkan ke "
        "dalam dokumen. Jumlah subyek akan disesuaikan. Catatan: Data jawaban TIDAK ikut diambil.";

    // Where the imported names go: as new subjects below the last one, or over the names from
    // subject 1 on. The dialog offers no choice, so it stays Append unless a caller sets it; the
    // command's question names the placement that it then applies.
    enum class NamePlacement { Append, Overwrite };
    NamePlacement Placement = NamePlacement::Append;
};

// The dialog that names the document whose subjects are appended.
class TFGabungDuaFile : public OtherFileDialog {
public:
    TFGabungDuaFile(UserInterface& ui, AnalyzerKind kind) : OtherFileDialog(ui), kind_(kind) {}

    static constexpr std::string_view Caption = "Gabung Dua File";
    static constexpr std::string_view Title = "Tambah Data dari File Lain";
    static constexpr std::string_view Note =
        "Gunakan menu ini untuk mengambil nama dan jawaban subyek pada file yang kemudian "
        "dimasukkan ke dalam dokumen. Jumlah subyek akan disesuaikan. ";
    static constexpr std::string_view BevelHeading = " File yang akan ditambahkan  ";

    // The red warning line; the essay dialog has none (empty).
    std::string_view Warning() const;

private:
    AnalyzerKind kind_;
};

} // namespace taviro
