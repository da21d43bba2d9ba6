#include "views/skor.h"

#include "core/report/number_format.h"
#include "core/session.h"
#include "views/memo_cetak.h"
#include "views/user_interface.h"
#include "views/write_string_to_row.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace taviro {

namespace {

constexpr int FirstItemCol = 4;
constexpr int FirstSubjectRow = 3;

} // namespace

TFSkor::TFSkor(Session& session, UserInterface& ui, TFMemoCetak& preview)
    : AnalysisWindow(session, ui, preview) {
    SG.FixedRows = 2;
    SG.FixedCols = 1;
    SG.SetSize(3, 4);
    WriteFixedHeadings();
}

void TFSkor::WriteFixedHeadings() {
    const std::array<std::string, 4> row0 = {"Nomor", "Nomor ", "No. Butir Baru ----->", "Skor"};
    const std::array<std::string, 4> row1 = {"Urut", "Subyek", " No. Butir Asli --->", "    "};
    SG.SetCells(0, 0, row0);
    SG.SetCells(1, 0, row1);
}

const TextGrid& TFSkor::Grid(int index) const {
    (void)index;
    return SG;
}

void TFSkor::RefreshView() {
    try {
        session_.DataSkor().ScoreAll(session_.DataMentah(), session_.AnalButirSoal(),
                                     session_.Global().DecimalSeparator);
    } catch (...) {
        if (session_.Kind() == AnalyzerKind::Uraian) {
            SG.ClearCells();
        }
        throw;
    }
    FillGrid();
}

void TFSkor::FillGrid() {
    const TDataSkor& skor = session_.DataSkor();
    const AnalyzerKind kind = session_.Kind();
    const NumberFormat format(session_.Global().DecimalSeparator);
    const int items = std::max(skor.JumButir, 0);
    const int subjects = skor.Count();

    // The whole grid is rewritten, the fixed cells included: a column that no longer has an
    // item must not keep the heading of one.
    SG.SetSize(subjects + FirstSubjectRow, items == 0 ? FirstItemCol + 1 : items + FirstItemCol);
    WriteFixedHeadings();

    std::vector<std::string> numbers;
    numbers.reserve(static_cast<std::size_t>(items));
    for (int p = 1; p <= items; ++p) {
        numbers.push_back(format.Int(p));
    }
    SG.SetCells(0, FirstItemCol, numbers);
    // Multiple-choice documents of version 4.0.1 carried no real item labels.
    const bool numbersAsLabels =
        kind == AnalyzerKind::PilihanGanda && session_.Global().FileVersion == "4.0.1";
    SG.SetCells(1, FirstItemCol, numbersAsLabels ? numbers : skor.NoButir);

    SG.SetCell(2, 2,
               kind == AnalyzerKind::Uraian ? " Nama|Skr Ideal ->" : " Nama Subyek | Kunci ->");
    SG.SetCell(2, 3, "   ");
    WriteStringToRow(SG, skor.Kunci, FirstItemCol, 2, kind);

    std::array<std::string, 4> cells;
    for (int i = 0; i < subjects; ++i) {
        const TItemSkor& item = skor.GetItem(i);
        const int row = FirstSubjectRow + i;
        cells = {format.Int(i + 1), item.NoSubyek, item.Nama, format.General(item.SkorAkhir)};
        SG.SetCells(row, 0, cells);
        WriteStringToRow(SG, item.SkorButir, FirstItemCol, row, kind);
    }

    LRata2 = format.Fixed(static_cast<double>(skor.Rata2), 4, 2);
    LSD = format.Fixed(static_cast<double>(skor.SD), 4, 2);
    CBUrutSkor = skor.IsUrutkanBerdSkor;
}

void TFSkor::CBUrutSkorClick() {
    TDataSkor& skor = session_.DataSkor();
    if (skor.Count() == 0 || CBUrutSkor == skor.IsUrutkanBerdSkor) {
        return;
    }
    skor.IsUrutkanBerdSkor = CBUrutSkor;
    skor.SortItems(!CBUrutSkor);
    FillGrid();
}

void TFSkor::PrintReport(bool clearFirst) {
    TCetakSG& cetak = session_.CetakSG();
    cetak.SetGrid(SG);
    cetak.SetAllWidths(2);
    cetak.SetColWidth(0, 5);
    cetak.SetColWidth(1, 6);
    cetak.SetColWidth(2, 24);
    cetak.SetColWidth(3, 4);
    cetak.LastRepeatedCol = 3;
    cetak.LeftAligned.reset();
    cetak.LeftAligned.set(2);
    cetak.HeaderLines = {"SKOR DATA", "=========", "", "Rata2= " + LRata2,
                         "Standar Deviasi= " + LSD};
    if (CBUrutSkor) {
        cetak.HeaderLines.push_back("Keterangan: data terurut berdasarkan skor (tinggi ke rendah)");
    }
    cetak.FooterLines.clear();
    cetak.Memo = &preview_.MCetak;
    cetak.BuildReport(clearFirst);
}

CellRole TFSkor::Role(int grid, int row, int col) const {
    (void)grid;
    // Fixed cells first: that covers (1, 2) too, so only (2, 2) is left for the key heading.
    if (row < SG.FixedRows || col < SG.FixedCols) {
        return CellRole::Heading;
    }
    if (col == 3) {
        return CellRole::Yellow;
    }
    if (row == 2 && col == 2) {
        return CellRole::Heading;
    }
    if (col == 1 || row == 2) {
        return CellRole::Emphasised;
    }
    return CellRole::Normal;
}

CellAlignment TFSkor::Alignment(int grid, int row, int col) const {
    (void)grid;
    if (row < SG.FixedRows || col < SG.FixedCols || col == 3) {
        return CellAlignment::Centre;
    }
    return CellAlignment::Left;
}

} // namespace taviro
