#pragma once

#include "core/analyzer_kind.h"
#include "core/report/text_grid.h"
#include "views/editor_dialogs.h"
#include "views/grid_window.h"

#include <memory>
#include <string>
#include <string_view>

namespace taviro {

class Session;
class TFInfoJawaban;
class TFMemoCetak;
class UserInterface;

// A cell of the editor's grid, column first as the grid names its cells.
struct GridCell {
    int Col = 0;
    int Row = 0;
    bool operator==(const GridCell&) const = default;
};

// The keys that the grid tells apart: a typed character, or a key that types none or that the
// grid handles itself.
enum class KeyCode { Character, Enter, Backspace, Delete, Tab, Left, Right, Up, Down };

// One key as the grid receives it; Text is the typed character (UTF-8) of a Character.
struct EditorKey {
    KeyCode Code = KeyCode::Character;
    std::string Text;

    // Implicit, so that a key without text is written as its code.
    EditorKey(KeyCode code) : Code(code) {}
    static EditorKey Char(std::string_view text) {
        EditorKey key(KeyCode::Character);
        key.Text = text;
        return key;
    }
};

// The raw data editor: the grid in which the key (essay: the ideal scores), the subject numbers,
// the names and the answers are typed, the keyboard rules that check them, and the commands that
// reshape the data, bring in subjects from other documents, print, and make, save or read a
// document. The grid is the working copy of the raw data while the document is open: it is
// written back into the raw data when the editor closes after a change and before a save.
// Serves both analyzer kinds.
class TFEditDatamEntah : public GridWindow {
public:
    // The grid opens as the window is created: 5 rows, 4 columns, the fixed headings, the cursor
    // on the key row's name cell.
    TFEditDatamEntah(Session& session, UserInterface& ui, TFMemoCetak& preview);
    // The same with the new-file dialog that the main menu shares, so that both show the numbers
    // typed last in either.
    TFEditDatamEntah(Session& session, UserInterface& ui, TFMemoCetak& preview,
                     TFInfoJawaban& infoJawaban);
    ~TFEditDatamEntah() override;

    // The key row, the first subject row and the first item column.
    static constexpr int KeyRow = 2;
    static constexpr int FirstSubjectRow = 3;
    static constexpr int FirstItemCol = 3;

    static constexpr std::string_view Title = "Edit Data Mentah";
    static constexpr std::string_view NamePlaceholder = "<tulis nama subyek disini>";

    // Rows: 0 new item numbers, 1 initial item numbers, 2 the key, then one per subject.
    // Columns: 0 sequence numbers, 1 subject numbers, 2 names, then one per item.
    TextGrid SG;
    std::string Caption{Title};
    // The counts of the raw data as the information bar shows them. The essay editor has no
    // option count: LJumPilihanJwb stays empty there.
    std::string LJumSubyek;
    std::string LJumButir;
    std::string LJumPilihanJwb;
    // An answer character was just accepted: the cursor moves on when the key is released.
    bool AdvancePending = false;

    // The dialogs of the range deletion, the name import and the merge, kept between showings.
    TFHapusBanyakSubyek FHapusBanyakSubyek;
    TFAmbilNamaSubyek FAmbilNamaSubyek;
    TFGabungDuaFile FGabungDuaFile;

    const TextGrid& Grid(int index = 0) const override;
    CellRole Role(int grid, int row, int col) const override;
    CellAlignment Alignment(int grid, int row, int col) const override;
    // What the cell shows without holding it: the prompt in the first subject's empty name cell.
    std::string_view Placeholder(int row, int col) const;
    // Whether the user may edit the cell: not the fixed cells, not the key row's two labels.
    bool IsEditable(int row, int col) const;

    // The grid is the working copy and is only refilled from the raw data by SetUpGrid and
    // LoadGridFromData: there is nothing to recompute.
    void RefreshView() override {}
    // The raw data report ("DATA MENTAH") into the preview.
    void PrintReport(bool clearFirst) override;
    // "Cetak": the report into an emptied preview, then the preview.
    void Cetak();

    // ---- Grid and raw data -------------------------------------------------------------------

    // An empty grid for the counts of the raw data, numbered, the cursor on the first key cell.
    // Counts below 0 are taken as 0, in the raw data too, so the grid always has its heading rows.
    void SetUpGrid();
    // The grid filled from the raw data.
    void LoadGridFromData();
    // The raw data rebuilt from the grid: key, subjects, item numbers. The counts and IsChanged
    // stay; the data is marked for rescoring.
    void SaveGridToData();
    // The row's cells from firstCol on as the raw data keeps them: multiple choice one character
    // per cell, essay the cells joined by ','; "#" for an empty cell; "" when every cell is empty.
    std::string GridRowToString(int row, int firstCol) const;
    // Caption := "Edit Data Mentah: " and the document's file name.
    void UpdateCaption();

    // ---- Showing and closing -----------------------------------------------------------------

    void FormShow();
    // Every way of closing: the grid is written back when the document has changes.
    void FormClose();

    // ---- Cursor and keys ---------------------------------------------------------------------

    GridCell CurrentCell() const { return current_; }
    // A click: the cursor goes to the cell; a click outside the non-fixed cells leaves it.
    void SetCurrentCell(GridCell cell);

    // The rules for a key that types a character (Character, Enter, Backspace) in the current
    // cell, and for Delete: refuses a key with a beep and a message, moves the cursor on Enter,
    // notes that an answer was typed and marks the document changed. True when the cell's editor
    // takes the key (inserts the character, deletes with Backspace or Delete); Enter never goes
    // into a cell. Other keys are the grid's own and return true untouched.
    bool SGKeyPress(const EditorKey& key);
    // The cell's editor changed the text of a cell (ignored for a cell that is not editable); a
    // different text marks the document changed.
    void SetCellText(GridCell cell, std::string_view text);
    // A key was released in the grid: in an answer column, cuts a multiple-choice cell back to one
    // answer or moves the cursor on after an answer, and marks the document changed.
    void SGKeyUp();

    // A whole key stroke as the grid sees it: press, the cell's editor (a character goes in at the
    // end of the cell's text, Backspace takes the last character away, Delete empties the cell;
    // the arrows move the cursor inside the non-fixed cells), release. A refused key ends at its
    // message: the message box takes the release. Tab leaves the grid and does nothing here.
    void PressKey(const EditorKey& key);
    // Typing a text key by key.
    void TypeText(std::string_view text);
    // Pasting into a cell: the cursor goes there, the pasted text (without surrounding blanks and
    // line breaks) goes in at the end of the cell's text, then the paste keys are released. In an
    // answer column every pasted character must be one that could be typed there, else the paste
    // is refused with the typing message.
    void Paste(std::string_view text, GridCell cell);

    // ---- Commands ----------------------------------------------------------------------------

    // "Tambah Subyek": an empty subject at the bottom, numbered; the cursor goes to it.
    void AddSubjectRow();
    // Deletes the subject with the sequence number n: the subjects below move up.
    void DeleteSubjectRow(int n);
    void SBTambahSubyekClick() { AddSubjectRow(); }
    // "Sisipkan Subyek": an empty subject (empty subject number too) above the current one; on the
    // key row, above the first subject.
    void SBSisipSubyekClick();
    // "Hapus Subyek": the current subject, after the question.
    void SBhapusSubyekClick();
    // "Hapus Butir Soal": the current item, after the question. When no item is left the cursor
    // goes to the name column of its row.
    void SBhapusButirClick();
    // "Hapus Banyak Subyek": the range of the dialog, cut to the last subject, after the question.
    // A range that starts below 1 is refused with a message and nothing is deleted. The dialog is
    // made ready (FormShow) before the user interface shows it, and only its "Batal" stops the
    // command: closing it by its close box also yields a range.
    void SBHapusBanyakSubyekClick();
    // "Tambah Nama Subyek dari File Lain": the names of another document's subjects, placed as
    // the dialog's Placement says and as the question names it.
    void SBAmbilNamaSubyekClick();
    // "Tambah Data dari File Lain": another document's subjects appended, when its item count and
    // key match the grid as it stands.
    void SBTambahDataClick();
    void SBCetakClick() { Cetak(); }
    // "Buat File Baru", "Simpan", "Baca File".
    void SBBuatFileClick();
    void SBSimpanClick();
    void SBBacaClick();
    // "Kembali Ke Menu Utama".
    void KembaliClick() { FormClose(); }

    // The messages of the editor.
    static constexpr std::string_view NotEditableMessage = "Tidak bisa diedit";
    static constexpr std::string_view OneAnswerMessage =
        "Data masukan salah, hanya boleh satu jawaban untuk setiap soal";
    static constexpr std::string_view EssayInvalidMessage =
        "Data yang dimasukkan salah!, data yang valid adalah angka dan bintang";
    static constexpr std::string_view NoItemSelectedMessage = "Tidak ada butir yang dipilih";
    static constexpr std::string_view NothingLeftMessage = "Tidak ada lagi yang bisa dihapus";
    static constexpr std::string_view RangeStartMessage =
        "Nomor urut \"mulai dari\" harus 1 atau lebih";
    static constexpr std::string_view AppendWords = "menambahkannya di baris paling bawah";
    static constexpr std::string_view OverwriteWords =
        "meletakkannya mulai dari nomor 1 (menimpa nama sebelumnya)";
    // The typing message: multiple choice names the last option letter.
    std::string InvalidAnswerMessage() const;
    // "Anda tidak bisa menghapus kunci" (essay: "skor ideal").
    std::string_view KeyRowDeleteMessage() const;

private:
    TFEditDatamEntah(Session& session, UserInterface& ui, TFMemoCetak& preview,
                     TFInfoJawaban* sharedInfoJawaban);
    void WriteFixedHeadings();
    void NumberSubjectRows();
    void NumberItemColumns();
    void ShowCounts();
    void MarkChanged();
    void PlaceCursor(int col, int row);
    // Enter and an accepted answer: the next column, or from the last column the name column of
    // the next row (the same row when it is the last).
    void MoveToNextCell();
    bool IsAnswerCharacter(std::string_view typed) const;
    void Refuse(std::string_view message);
    int LastCol() const { return SG.ColCount() - 1; }
    int LastRow() const { return SG.RowCount() - 1; }
    // Cells of columns 1 to last.
    void CopyRow(int from, int to);
    void ClearRow(int row);
    // Deletes count subjects from sequence number n on in one pass, as count deletions of n.
    void DeleteSubjectRows(int n, int count);
    // "Simpan" after the save-first question: Cancel ends the command, and so does a Yes whose
    // file dialog was cancelled (nothing was saved).
    bool SaveFirstIfChanged();
    // The other document's key as the grid would show it.
    std::string KeyAsGridRow(const std::string& kunci) const;
    AnalyzerKind Kind() const;

    Session& session_;
    UserInterface& ui_;
    TFMemoCetak& preview_;
    std::unique_ptr<TFInfoJawaban> ownInfoJawaban_;
    TFInfoJawaban& infoJawaban_;
    GridCell current_{2, KeyRow};
};

} // namespace taviro
