#include "views/edit_data_mentah.h"

#include "core/document/other_document.h"
#include "core/session.h"
#include "core/text/number_text.h"
#include "core/text/text_helpers.h"
#include "views/info_jawaban.h"
#include "views/memo_cetak.h"
#include "views/user_interface.h"
#include "views/write_string_to_row.h"

#include <algorithm>
#include <vector>

namespace taviro {

namespace {

constexpr std::string_view HeadingNomor = "Nomor";
constexpr std::string_view HeadingUrut = "Urut";
constexpr std::string_view HeadingNomorSubyek = "Nomor ";
constexpr std::string_view HeadingSubyek = "Subyek";
constexpr std::string_view HeadingButirBaru = "No. Butir Baru ----->";
constexpr std::string_view HeadingButirAsli = " No. Butir Asli --->";
constexpr std::string_view HeadingKunci = " Nama Subyek | Kunci ->";
constexpr std::string_view HeadingSkorIdeal = " Nama|Skor Ideal ->";
constexpr int NameCol = 2;
constexpr int NumberCol = 1;

// Without the blanks and control characters around it, as the one-answer rule reads a cell.
std::string_view Trim(std::string_view text) {
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The first character (UTF-8 code point) of a non-empty text.
std::string_view FirstCharacter(std::string_view text) {
    std::size_t length = 1;
    while (length < text.size() && IsContinuationByte(text[length])) {
        ++length;
    }
    return text.substr(0, length);
}

std::string WithoutLastCharacter(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && IsContinuationByte(text[end - 1])) {
        --end;
    }
    return std::string(text.substr(0, end == 0 ? 0 : end - 1));
}

std::string Lower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

// The row's cells from firstCol on in the raw data's encoding.
std::string RowText(const TextGrid& grid, int row, int firstCol, AnalyzerKind kind) {
    const bool essay = kind == AnalyzerKind::Uraian;
    std::string text;
    bool anyFilled = false;
    for (int col = firstCol; col < grid.ColCount(); ++col) {
        const std::string_view cell = grid.Cell(row, col);
        if (cell.empty()) {
            text += '#';
        } else {
            text += cell;
            anyFilled = true;
        }
        if (essay) {
            text += ',';
        }
    }
    if (!anyFilled) {
        return {};
    }
    if (essay) {
        text.pop_back();
    }
    return text;
}

// The file-name part of a path, whichever separator it uses.
std::string_view FileNamePart(std::string_view path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

const TJawaban* SubjectOf(const TDataMentah& data, int index) {
    return index < data.JawabanCount() ? &data.GetJawaban(index) : nullptr;
}

} // namespace

TFEditDatamEntah::TFEditDatamEntah(Session& session, UserInterface& ui, TFMemoCetak& preview)
    : TFEditDatamEntah(session, ui, preview, nullptr) {}

TFEditDatamEntah::TFEditDatamEntah(Session& session, UserInterface& ui, TFMemoCetak& preview,
                                   TFInfoJawaban& infoJawaban)
    : TFEditDatamEntah(session, ui, preview, &infoJawaban) {}

TFEditDatamEntah::TFEditDatamEntah(Session& session, UserInterface& ui, TFMemoCetak& preview,
                                   TFInfoJawaban* sharedInfoJawaban)
    : FHapusBanyakSubyek(ui), FAmbilNamaSubyek(ui), FGabungDuaFile(ui, session.Kind()),
      session_(session), ui_(ui), preview_(preview),
      ownInfoJawaban_(
          sharedInfoJawaban != nullptr ? nullptr : std::make_unique<TFInfoJawaban>(session.Kind())),
      infoJawaban_(sharedInfoJawaban != nullptr ? *sharedInfoJawaban : *ownInfoJawaban_) {
    SG.FixedRows = 2;
    SG.FixedCols = 1;
    SG.SetSize(5, 4);
    WriteFixedHeadings();
    current_ = {NameCol, KeyRow};
}

TFEditDatamEntah::~TFEditDatamEntah() = default;

AnalyzerKind TFEditDatamEntah::Kind() const {
    return session_.Kind();
}

const TextGrid& TFEditDatamEntah::Grid(int index) const {
    (void)index;
    return SG;
}

CellRole TFEditDatamEntah::Role(int grid, int row, int col) const {
    (void)grid;
    if (row < SG.FixedRows || col < SG.FixedCols) {
        return CellRole::Heading;
    }
    if (row == KeyRow && (col == NumberCol || col == NameCol)) {
        return CellRole::Key;
    }
    if (row == KeyRow || col == NumberCol) {
        return CellRole::Emphasised;
    }
    return CellRole::Normal;
}

CellAlignment TFEditDatamEntah::Alignment(int grid, int row, int col) const {
    (void)grid;
    return row < SG.FixedRows || col < SG.FixedCols ? CellAlignment::Centre : CellAlignment::Left;
}

std::string_view TFEditDatamEntah::Placeholder(int row, int col) const {
    if (row == FirstSubjectRow && col == NameCol && row < SG.RowCount() &&
        SG.Cell(row, col).empty()) {
        return NamePlaceholder;
    }
    return {};
}

bool TFEditDatamEntah::IsEditable(int row, int col) const {
    if (row < KeyRow || col < NumberCol || row >= SG.RowCount() || col >= SG.ColCount()) {
        return false;
    }
    return row != KeyRow || col >= FirstItemCol;
}

// ---- Grid and raw data ---------------------------------------------------------------------

void TFEditDatamEntah::WriteFixedHeadings() {
    SG.SetCell(0, 0, HeadingNomor);
    SG.SetCell(1, 0, HeadingUrut);
    SG.SetCell(0, NumberCol, HeadingNomorSubyek);
    SG.SetCell(1, NumberCol, HeadingSubyek);
    SG.SetCell(0, NameCol, HeadingButirBaru);
}

void TFEditDatamEntah::NumberSubjectRows() {
    std::vector<std::string> numbers(2);
    for (int row = FirstSubjectRow; row < SG.RowCount(); ++row) {
        numbers[0] = IntToText(row - KeyRow);
        numbers[1] = numbers[0];
        SG.SetCells(row, 0, numbers);
    }
}

void TFEditDatamEntah::NumberItemColumns() {
    std::vector<std::string> numbers;
    for (int col = FirstItemCol; col < SG.ColCount(); ++col) {
        numbers.push_back(IntToText(col - NameCol));
    }
    SG.SetCells(0, FirstItemCol, numbers);
    SG.SetCells(1, FirstItemCol, numbers);
}

void TFEditDatamEntah::ShowCounts() {
    const TDataMentah& data = session_.DataMentah();
    LJumSubyek = IntToText(data.JumSubyek);
    LJumButir = IntToText(data.JumButir);
    if (Kind() == AnalyzerKind::PilihanGanda) {
        LJumPilihanJwb = IntToText(data.JumPilihan);
    }
}

void TFEditDatamEntah::SetUpGrid() {
    TDataMentah& data = session_.DataMentah();
    // The new-file dialog takes any whole number; a grid needs its heading rows and columns.
    data.JumSubyek = std::max(data.JumSubyek, 0);
    data.JumButir = std::max(data.JumButir, 0);
    SG.SetSize(data.JumSubyek + FirstSubjectRow, data.JumButir + FirstItemCol);
    WriteFixedHeadings();
    NumberSubjectRows();
    NumberItemColumns();
    SG.SetCell(1, NameCol, HeadingButirAsli);
    SG.SetCell(KeyRow, NameCol,
               Kind() == AnalyzerKind::PilihanGanda ? HeadingKunci : HeadingSkorIdeal);
    ShowCounts();
    PlaceCursor(FirstItemCol, KeyRow);
}

void TFEditDatamEntah::LoadGridFromData() {
    SetUpGrid();
    const TDataMentah& data = session_.DataMentah();
    const AnalyzerKind kind = Kind();
    WriteStringToRow(SG, data.Kunci, FirstItemCol, KeyRow, kind);
    // Older multiple-choice documents carry no subject or item numbers: the grid keeps the
    // sequence numbers for them.
    const bool numbered = kind == AnalyzerKind::Uraian || session_.Global().FileVersion == "4.0.2";
    const int subjects = std::min(data.JawabanCount(), data.JumSubyek);
    for (int i = 0; i < subjects; ++i) {
        const TJawaban& jawaban = data.GetJawaban(i);
        const int row = i + FirstSubjectRow;
        SG.SetCell(row, NameCol, jawaban.Nama);
        // "-1" is a subject without a number: it keeps its sequence number, as a save would give.
        if (numbered && jawaban.NoSubyek != "-1") {
            SG.SetCell(row, NumberCol, jawaban.NoSubyek);
        }
        WriteStringToRow(SG, jawaban.Jwb, FirstItemCol, row, kind);
    }
    PlaceCursor(FirstItemCol, KeyRow);
    if (numbered) {
        const int labels = std::min(data.JumButir, static_cast<int>(data.NoButir.size()));
        for (int k = 0; k < labels; ++k) {
            SG.SetCell(1, k + FirstItemCol, data.NoButir[static_cast<std::size_t>(k)]);
        }
    }
}

std::string TFEditDatamEntah::GridRowToString(int row, int firstCol) const {
    return RowText(SG, row, firstCol, Kind());
}

void TFEditDatamEntah::SaveGridToData() {
    TDataMentah& data = session_.DataMentah();
    data.Clear();
    data.Kunci = GridRowToString(KeyRow, FirstItemCol);
    data.Jawaban.reserve(static_cast<std::size_t>(std::max(data.JumSubyek, 0)));
    for (int i = 1; i <= data.JumSubyek; ++i) {
        const int row = i + KeyRow;
        TJawaban jawaban;
        jawaban.Nama = SG.Cell(row, NameCol);
        jawaban.Jwb = GridRowToString(row, FirstItemCol);
        jawaban.NoSubyek = SG.Cell(row, NumberCol);
        data.AddJawaban(std::move(jawaban));
    }
    for (int k = 0; k < data.JumButir; ++k) {
        data.NoButir.emplace_back(SG.Cell(1, k + FirstItemCol));
    }
}

void TFEditDatamEntah::UpdateCaption() {
    Caption = std::string(Title) + ": " + session_.Global().FileName;
}

// ---- Showing and closing ---------------------------------------------------------------------

void TFEditDatamEntah::FormShow() {
    AdvancePending = false;
    UpdateCaption();
}

void TFEditDatamEntah::FormClose() {
    if (session_.DataMentah().IsChanged) {
        SaveGridToData();
    }
}

// ---- Cursor and keys -------------------------------------------------------------------------

void TFEditDatamEntah::MarkChanged() {
    TDataMentah& data = session_.DataMentah();
    data.IsChanged = true;
    data.IsNeedRecalc = true;
}

void TFEditDatamEntah::PlaceCursor(int col, int row) {
    // Without item columns the name column is the last one the cursor can stand in.
    current_.Col = std::clamp(col, NumberCol, std::max(LastCol(), NumberCol));
    current_.Row = std::clamp(row, KeyRow, std::max(LastRow(), KeyRow));
}

void TFEditDatamEntah::SetCurrentCell(GridCell cell) {
    if (cell.Col < NumberCol || cell.Col > LastCol() || cell.Row < KeyRow || cell.Row > LastRow()) {
        return;
    }
    current_ = cell;
}

void TFEditDatamEntah::MoveToNextCell() {
    if (current_.Col < LastCol()) {
        ++current_.Col;
        return;
    }
    current_.Col = NameCol;
    if (current_.Row < LastRow()) {
        ++current_.Row;
    }
}

bool TFEditDatamEntah::IsAnswerCharacter(std::string_view typed) const {
    if (typed.size() != 1) {
        return false;
    }
    const char c = typed.front();
    if (c == '*') {
        return true;
    }
    if (Kind() == AnalyzerKind::Uraian) {
        return c >= '0' && c <= '9';
    }
    const int options = session_.DataMentah().JumPilihan;
    if (c >= 'a' && c <= 'z') {
        return c - 'a' < options;
    }
    if (c >= 'A' && c <= 'Z') {
        return c - 'A' < options;
    }
    return false;
}

std::string TFEditDatamEntah::InvalidAnswerMessage() const {
    if (Kind() == AnalyzerKind::Uraian) {
        return std::string(EssayInvalidMessage);
    }
    return "Data yang dimasukkan salah!, data yang valid adalah huruf a sd " +
           std::string(1, session_.DataMentah().LastOptionLetter());
}

std::string_view TFEditDatamEntah::KeyRowDeleteMessage() const {
    return Kind() == AnalyzerKind::PilihanGanda ? "Anda tidak bisa menghapus kunci"
                                                : "Anda tidak bisa menghapus skor ideal";
}

void TFEditDatamEntah::Refuse(std::string_view message) {
    ui_.Beep();
    ui_.ShowMessage(std::string(message));
}

bool TFEditDatamEntah::SGKeyPress(const EditorKey& key) {
    switch (key.Code) {
    case KeyCode::Character:
    case KeyCode::Enter:
    case KeyCode::Backspace:
    case KeyCode::Delete:
        break;
    default:
        return true;
    }
    const auto [col, row] = current_;
    if (row == KeyRow && (col == NumberCol || col == NameCol)) {
        // The key row's labels are no data; even Delete, which types no character, must not
        // wipe them.
        Refuse(NotEditableMessage);
        MarkChanged();
        return false;
    }
    if (key.Code == KeyCode::Delete) {
        return true;
    }
    if (col >= FirstItemCol && key.Code == KeyCode::Character) {
        if (!IsAnswerCharacter(key.Text)) {
            Refuse(InvalidAnswerMessage());
            return false;
        }
        if (Kind() == AnalyzerKind::PilihanGanda) {
            AdvancePending = true;
        }
    }
    if (key.Code == KeyCode::Enter && (Kind() == AnalyzerKind::Uraian || col < FirstItemCol)) {
        MoveToNextCell();
    }
    MarkChanged();
    return true;
}

void TFEditDatamEntah::SetCellText(GridCell cell, std::string_view text) {
    if (!IsEditable(cell.Row, cell.Col) || SG.Cell(cell.Row, cell.Col) == text) {
        return;
    }
    SG.SetCell(cell.Row, cell.Col, text);
    // Any change of a cell is a change of the document, also one made without typing a character
    // (Delete, pasting into a name).
    MarkChanged();
}

void TFEditDatamEntah::SGKeyUp() {
    if (current_.Col < FirstItemCol) {
        return;
    }
    if (Kind() == AnalyzerKind::PilihanGanda) {
        const std::string_view trimmed = Trim(SG.Cell(current_.Row, current_.Col));
        if (CharacterCount(trimmed) > 1) {
            Refuse(OneAnswerMessage);
            const std::string first(FirstCharacter(trimmed));
            SG.SetCell(current_.Row, current_.Col, first);
            // The cursor stays on the corrected cell: a pending move would otherwise happen at
            // the next key release, Backspace included, and leave the cell behind.
            AdvancePending = false;
        } else if (AdvancePending) {
            MoveToNextCell();
            AdvancePending = false;
        }
    }
    MarkChanged();
}

void TFEditDatamEntah::PressKey(const EditorKey& key) {
    switch (key.Code) {
    case KeyCode::Tab:
        return;
    case KeyCode::Left:
        PlaceCursor(current_.Col - 1, current_.Row);
        SGKeyUp();
        return;
    case KeyCode::Right:
        PlaceCursor(current_.Col + 1, current_.Row);
        SGKeyUp();
        return;
    case KeyCode::Up:
        PlaceCursor(current_.Col, current_.Row - 1);
        SGKeyUp();
        return;
    case KeyCode::Down:
        PlaceCursor(current_.Col, current_.Row + 1);
        SGKeyUp();
        return;
    case KeyCode::Character:
    case KeyCode::Enter:
    case KeyCode::Backspace:
    case KeyCode::Delete:
        break;
    }
    const GridCell at = current_;
    if (!SGKeyPress(key)) {
        return;
    }
    const std::string_view text = SG.Cell(at.Row, at.Col);
    switch (key.Code) {
    case KeyCode::Character:
        SetCellText(at, std::string(text) + key.Text);
        break;
    case KeyCode::Backspace:
        SetCellText(at, WithoutLastCharacter(text));
        break;
    case KeyCode::Delete:
        SetCellText(at, "");
        break;
    default:
        break;
    }
    SGKeyUp();
}

void TFEditDatamEntah::TypeText(std::string_view text) {
    while (!text.empty()) {
        const std::string_view character = FirstCharacter(text);
        PressKey(character == "\r" || character == "\n" ? EditorKey(KeyCode::Enter)
                                                        : EditorKey::Char(character));
        text.remove_prefix(character.size());
    }
}

void TFEditDatamEntah::Paste(std::string_view text, GridCell cell) {
    if (cell.Col < NumberCol || cell.Col > LastCol() || cell.Row < KeyRow || cell.Row > LastRow()) {
        return;
    }
    current_ = cell;
    if (!IsEditable(cell.Row, cell.Col)) {
        Refuse(NotEditableMessage);
        MarkChanged();
        return;
    }
    const std::string_view pasted = Trim(text);
    if (pasted.empty()) {
        return;
    }
    if (cell.Col >= FirstItemCol) {
        // A paste types no keys, so it is checked here as the typed keys are: an essay cell with
        // a ',' would split into two items when the row is stored.
        for (std::size_t i = 0; i < pasted.size(); ++i) {
            if (!IsAnswerCharacter(pasted.substr(i, 1))) {
                Refuse(InvalidAnswerMessage());
                return;
            }
        }
    }
    SetCellText(cell, std::string(SG.Cell(cell.Row, cell.Col)) + std::string(pasted));
    SGKeyUp();
}

// ---- Commands --------------------------------------------------------------------------------

void TFEditDatamEntah::CopyRow(int from, int to) {
    std::vector<std::string> cells;
    cells.reserve(static_cast<std::size_t>(std::max(SG.ColCount() - NumberCol, 0)));
    for (int col = NumberCol; col < SG.ColCount(); ++col) {
        cells.emplace_back(SG.Cell(from, col));
    }
    SG.SetCells(to, NumberCol, cells);
}

void TFEditDatamEntah::ClearRow(int row) {
    const std::vector<std::string> empty(
        static_cast<std::size_t>(std::max(SG.ColCount() - NumberCol, 0)));
    SG.SetCells(row, NumberCol, empty);
}

void TFEditDatamEntah::AddSubjectRow() {
    TDataMentah& data = session_.DataMentah();
    ++data.JumSubyek;
    LJumSubyek = IntToText(data.JumSubyek);
    SG.SetRowCount(SG.RowCount() + 1);
    const int row = LastRow();
    const std::string number = IntToText(data.JumSubyek);
    SG.SetCell(row, 0, number);
    SG.SetCell(row, NumberCol, number);
    current_.Row = row;
    MarkChanged();
}

void TFEditDatamEntah::SBSisipSubyekClick() {
    const int row = current_.Row == KeyRow ? FirstSubjectRow : current_.Row;
    AddSubjectRow();
    for (int r = LastRow(); r > row; --r) {
        CopyRow(r - 1, r);
    }
    ClearRow(row);
    current_.Row = row;
}

void TFEditDatamEntah::DeleteSubjectRows(int n, int count) {
    const int first = n + KeyRow;
    if (n < 1 || first > LastRow()) {
        return;
    }
    count = std::min(count, LastRow() - first + 1);
    if (count < 1) {
        return;
    }
    // The rows below move up once, whatever the count, so a long range stays one pass.
    for (int row = first; row + count <= LastRow(); ++row) {
        CopyRow(row + count, row);
    }
    SG.SetRowCount(SG.RowCount() - count);
    TDataMentah& data = session_.DataMentah();
    data.JumSubyek -= count;
    LJumSubyek = IntToText(data.JumSubyek);
    PlaceCursor(current_.Col, current_.Row);
    MarkChanged();
}

void TFEditDatamEntah::DeleteSubjectRow(int n) {
    DeleteSubjectRows(n, 1);
}

void TFEditDatamEntah::SBhapusSubyekClick() {
    if (current_.Row == KeyRow) {
        ui_.ShowMessage(std::string(KeyRowDeleteMessage()));
        return;
    }
    const std::string question = "Anda yakin akan menghapus subyek " +
                                 std::string(SG.Cell(current_.Row, NameCol)) +
                                 "? Data yang terhapus tidak bisa di-undo";
    if (ui_.AskYesNo(question)) {
        DeleteSubjectRow(current_.Row - KeyRow);
    }
}

void TFEditDatamEntah::SBhapusButirClick() {
    const int col = current_.Col;
    TDataMentah& data = session_.DataMentah();
    if (col < FirstItemCol) {
        ui_.ShowMessage(std::string(NoItemSelectedMessage));
        return;
    }
    if (data.JumButir <= 0) {
        ui_.ShowMessage(std::string(NothingLeftMessage));
        return;
    }
    const std::string question = "Anda yakin akan menghapus butir " + std::string(SG.Cell(0, col)) +
                                 "? Data yang terhapus tidak bisa di-undo";
    if (!ui_.AskYesNo(question)) {
        return;
    }
    // The columns right of it move left in rows 1 and below; row 0 keeps numbering 1..m.
    TextGrid narrower;
    narrower.FixedRows = SG.FixedRows;
    narrower.FixedCols = SG.FixedCols;
    narrower.SetSize(SG.RowCount(), SG.ColCount() - 1);
    std::vector<std::string> cells;
    for (int row = 0; row < SG.RowCount(); ++row) {
        cells.clear();
        bool anyFilled = false;
        for (int c = 0; c < SG.ColCount(); ++c) {
            if (c == col && row > 0) {
                continue;
            }
            if (static_cast<int>(cells.size()) == narrower.ColCount()) {
                break;
            }
            cells.emplace_back(SG.Cell(row, c));
            anyFilled = anyFilled || !cells.back().empty();
        }
        if (anyFilled) {
            narrower.SetCells(row, 0, cells);
        }
    }
    SG = std::move(narrower);
    --data.JumButir;
    LJumButir = IntToText(data.JumButir);
    PlaceCursor(current_.Col, current_.Row);
    MarkChanged();
}

void TFEditDatamEntah::SBHapusBanyakSubyekClick() {
    TFHapusBanyakSubyek& dialog = FHapusBanyakSubyek;
    dialog.FormShow();
    // Closing by the close box also yields a range: only "Batal" counts.
    ui_.ShowDeleteRangeDialog(dialog);
    if (dialog.Cancelled) {
        return;
    }
    const int start = dialog.RangeStart;
    const int end = std::min(dialog.RangeEnd, session_.DataMentah().JumSubyek);
    if (start < 1) {
        // Sequence numbers begin at 1; anything lower would reach the key and heading rows.
        ui_.ShowMessage(std::string(RangeStartMessage));
        return;
    }
    const std::string question = "Anda yakin akan menghapus subyek mulai dari nomor urut " +
                                 IntToText(start) + " sampai dengan " + IntToText(end) + "?";
    if (!ui_.AskYesNo(question)) {
        return;
    }
    const long long count = static_cast<long long>(end) - start + 1;
    if (count >= 1) {
        DeleteSubjectRows(start, static_cast<int>(count));
    }
}

void TFEditDatamEntah::SBAmbilNamaSubyekClick() {
    TFAmbilNamaSubyek& dialog = FAmbilNamaSubyek;
    if (!ui_.ShowImportNamesDialog(dialog)) {
        return;
    }
    // The placement that the question names is the one applied: both come from one field.
    const TFAmbilNamaSubyek::NamePlacement placement = dialog.Placement;
    const std::string_view words =
        placement == TFAmbilNamaSubyek::NamePlacement::Append ? AppendWords : OverwriteWords;
    const std::string question = "Anda yakin akan mengimpor nama-nama subyek dari file " +
                                 dialog.OtherFileName + " dan " + std::string(words) + "?";
    if (!ui_.AskYesNo(question)) {
        return;
    }
    const TDataMentah other = ReadOtherRawData(Kind(), dialog.OtherFileName);
    const int count = std::max(other.JumSubyek, 0);
    const auto nameOf = [&other](int i) {
        const TJawaban* subject = SubjectOf(other, i);
        return subject != nullptr ? std::string_view(subject->Nama) : std::string_view();
    };
    if (placement == TFAmbilNamaSubyek::NamePlacement::Append) {
        for (int i = 0; i < count; ++i) {
            AddSubjectRow();
            SG.SetCell(LastRow(), NameCol, nameOf(i));
        }
    } else {
        for (int extra = count - session_.DataMentah().JumSubyek; extra > 0; --extra) {
            AddSubjectRow();
        }
        for (int i = 0; i < count; ++i) {
            SG.SetCell(i + FirstSubjectRow, NameCol, nameOf(i));
        }
    }
    MarkChanged();
}

std::string TFEditDatamEntah::KeyAsGridRow(const std::string& kunci) const {
    TextGrid row;
    row.FixedRows = 0;
    row.FixedCols = 0;
    row.SetSize(1, SG.ColCount());
    WriteStringToRow(row, kunci, FirstItemCol, 0, Kind());
    return RowText(row, 0, FirstItemCol, Kind());
}

void TFEditDatamEntah::SBTambahDataClick() {
    TFGabungDuaFile& dialog = FGabungDuaFile;
    if (!ui_.ShowMergeDialog(dialog)) {
        return;
    }
    if (!ui_.AskYesNo("Anda yakin akan mengabung data dari file " + dialog.OtherFileName + "?")) {
        return;
    }
    const TDataMentah other = ReadOtherRawData(Kind(), dialog.OtherFileName);
    const bool essay = Kind() == AnalyzerKind::Uraian;
    const std::string_view keyWords = essay ? "skor ideal" : "kunci";
    const std::string condition = " Penggabungan dapat dilakukan jika jumlah butir dan " +
                                  std::string(keyWords) + " kedua file sama";
    if (other.JumButir != session_.DataMentah().JumButir) {
        ui_.ShowMessage("Maaf, jumlah butir tidak sama!" + condition);
        return;
    }
    // The key row as the user sees it now, not the key last written back: a key typed since
    // then counts. The other key is compared as the grid would show it.
    if (Lower(KeyAsGridRow(other.Kunci)) != Lower(GridRowToString(KeyRow, FirstItemCol))) {
        ui_.ShowMessage("Maaf, " + std::string(keyWords) + " tidak sama!" + condition);
        return;
    }
    const int count = std::max(other.JumSubyek, 0);
    for (int i = 0; i < count; ++i) {
        AddSubjectRow();
        const TJawaban* subject = SubjectOf(other, i);
        if (subject == nullptr) {
            continue;
        }
        const int row = LastRow();
        SG.SetCell(row, NameCol, subject->Nama);
        // An older document carries no subject numbers ("-1"): the row keeps its sequence number.
        if (subject->NoSubyek != "-1") {
            SG.SetCell(row, NumberCol, subject->NoSubyek);
        }
        WriteStringToRow(SG, subject->Jwb, FirstItemCol, row, Kind());
    }
    MarkChanged();
}

void TFEditDatamEntah::PrintReport(bool clearFirst) {
    TCetakSG& cetak = session_.CetakSG();
    cetak.SetGrid(SG);
    cetak.SetAllWidths(2);
    cetak.SetColWidth(0, 5);
    cetak.SetColWidth(1, 6);
    cetak.SetColWidth(2, 24);
    cetak.LastRepeatedCol = 2;
    cetak.LeftAligned.reset();
    cetak.LeftAligned.set(NameCol);
    cetak.HeaderLines = {"DATA MENTAH", "===========", "", "Jumlah Subyek= " + LJumSubyek,
                         "Jumlah Butir Soal= " + LJumButir};
    if (Kind() == AnalyzerKind::PilihanGanda) {
        cetak.HeaderLines.push_back("Jumlah Pilihan Jawaban= " + LJumPilihanJwb);
    }
    cetak.Memo = &preview_.MCetak;
    cetak.BuildReport(clearFirst);
}

void TFEditDatamEntah::Cetak() {
    PrintReport(true);
    ui_.ShowPreview();
}

bool TFEditDatamEntah::SaveFirstIfChanged() {
    if (!session_.DataMentah().IsChanged) {
        return true;
    }
    switch (ui_.AskSaveFirst()) {
    case UserInterface::SaveAnswer::Yes:
        SBSimpanClick();
        // A cancelled file dialog saved nothing: going on would throw the changes away.
        return !session_.DataMentah().IsChanged;
    case UserInterface::SaveAnswer::No:
        return true;
    case UserInterface::SaveAnswer::Cancel:
        break;
    }
    return false;
}

void TFEditDatamEntah::SBBuatFileClick() {
    if (!SaveFirstIfChanged()) {
        return;
    }
    if (!infoJawaban_.Execute(ui_)) {
        return;
    }
    session_.NewDocument(infoJawaban_.JumSubyek, infoJawaban_.JumButir, infoJawaban_.JumPilihan);
    SetUpGrid();
    UpdateCaption();
}

void TFEditDatamEntah::SBSimpanClick() {
    std::string path = session_.Global().FileName;
    if (FileNamePart(path) == UnnamedDocument(Kind())) {
        auto chosen = ui_.ChooseFileToSave(path);
        if (!chosen) {
            return;
        }
        path = std::move(*chosen);
    }
    SaveGridToData();
    session_.SaveDocument(path);
    UpdateCaption();
}

void TFEditDatamEntah::SBBacaClick() {
    if (!SaveFirstIfChanged()) {
        return;
    }
    if (const auto path = ui_.ChooseFileToOpen()) {
        // Marks every analysis stale once the document is read.
        session_.OpenDocument(*path);
        LoadGridFromData();
    }
    UpdateCaption();
}

} // namespace taviro
