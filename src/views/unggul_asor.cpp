#include "views/unggul_asor.h"

#include "core/analysis/data_unggul_asor.h"
#include "core/analysis/group_rule.h"
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

// Rows 0 and 1 are fixed; the members start in row 2.
constexpr int FirstMemberRow = 2;
constexpr int SkorCol = 3;
constexpr int SubjectNumberCol = 1;
// The member's item results start in this column.
constexpr int FirstItemCol = 4;
// Columns of a grid without items.
constexpr int EmptyGridCols = 5;

} // namespace

TFUnggulAsor::TFUnggulAsor(Session& session, UserInterface& ui, TFMemoCetak& preview)
    : AnalysisWindow(session, ui, preview) {
    ResetGrid(SGUnggul, 3, EmptyGridCols);
    ResetGrid(SGAsor, 3, EmptyGridCols);
}

const TextGrid& TFUnggulAsor::Grid(int index) const {
    return index == 1 ? SGAsor : SGUnggul;
}

CellRole TFUnggulAsor::Role(int grid, int row, int col) const {
    const TextGrid& g = Grid(grid);
    if (row < g.FixedRows || col < g.FixedCols) {
        return CellRole::Heading;
    }
    const bool closingRow = JumKel > 0 && row >= FirstMemberRow + JumKel;
    if (col == SkorCol || closingRow) {
        return CellRole::Yellow;
    }
    if (col == SubjectNumberCol) {
        return CellRole::Emphasised;
    }
    return CellRole::Normal;
}

CellAlignment TFUnggulAsor::Alignment(int grid, int row, int col) const {
    return Role(grid, row, col) == CellRole::Emphasised ? CellAlignment::Left
                                                        : CellAlignment::Centre;
}

// Every cell empty but the headings of row 1. Resetting to the size of a grid without items also
// drops the item headings of earlier groups, so an empty window never shows the items of another
// document.
void TFUnggulAsor::ResetGrid(TextGrid& grid, int rows, int cols) const {
    grid.FixedRows = 2;
    grid.FixedCols = 1;
    grid.SetSize(rows, cols);
    const std::array<std::string, 4> headings = {IsEssay() ? "No Urt" : "No.Urut", "No Subyek",
                                                 "Kode/Nama Subyek", "Skor"};
    grid.SetCells(1, 0, headings);
}

void TFUnggulAsor::RefreshView() {
    if (!IsEssay()) {
        if (GroupsCurrent) {
            return;
        }
        JumKel = GroupSize(session_.DataSkor().Count());
        FillGroups();
        return;
    }
    TDataUnggulAsor& groups = *session_.UnggulAsor();
    if (!groups.NeedRefresh) {
        return;
    }
    ResetGrid(SGUnggul, 2, EmptyGridCols);
    ResetGrid(SGAsor, 2, EmptyGridCols);
    if (groups.NeedRecalc) {
        groups.Clear();
        groups.Compute(session_.Global().DecimalSeparator);
    }
    JumKel = groups.JumKel;
    FillGroups();
    groups.NeedRefresh = false;
}

void TFUnggulAsor::FillGroups() {
    TDataSkor& skor = session_.DataSkor();
    if (skor.Count() == 0) {
        JumKel = 0;
        ResetGrid(SGUnggul, 3, EmptyGridCols);
        ResetGrid(SGAsor, 3, EmptyGridCols);
        return;
    }
    const Groups groups = FormGroups(skor);
    const int n = groups.Size;
    JumKel = n;
    PrepareGroupGrid(SGUnggul, n);
    PrepareGroupGrid(SGAsor, n);
    AddMemberRows(SGUnggul, groups.UpperFirst, n);
    AddMemberRows(SGAsor, groups.LowerFirst, n);
    if (IsEssay()) {
        AddStatisticsRows(n);
    } else {
        AddRightCountRow(SGUnggul, groups.UpperFirst, n);
        AddRightCountRow(SGAsor, groups.LowerFirst, n);
        GroupsCurrent = true;
    }
}

void TFUnggulAsor::PrepareGroupGrid(TextGrid& grid, int n) const {
    const TDataSkor& skor = session_.DataSkor();
    const int items = std::max(skor.JumButir, 0);
    const int closingRows = IsEssay() ? 2 : 1;
    const int rows = n == 0 ? 3 : FirstMemberRow + n + closingRows;
    ResetGrid(grid, rows, std::max(FirstItemCol + items, EmptyGridCols));
    const NumberFormat format(session_.Global().DecimalSeparator);
    std::vector<std::string> numbers(static_cast<std::size_t>(items));
    std::vector<std::string> labels(static_cast<std::size_t>(items));
    for (int i = 0; i < items; ++i) {
        const auto k = static_cast<std::size_t>(i);
        numbers[k] = format.Int(i + 1);
        // A score list without a label for the item numbers it as a save would.
        labels[k] = k < skor.NoButir.size() ? skor.NoButir[k] : format.Int(i + 1);
    }
    grid.SetCells(0, FirstItemCol, numbers);
    grid.SetCells(1, FirstItemCol, labels);
}

void TFUnggulAsor::AddMemberRows(TextGrid& grid, int first, int n) const {
    const TDataSkor& skor = session_.DataSkor();
    const NumberFormat format(session_.Global().DecimalSeparator);
    std::array<std::string, 4> cells;
    for (int place = 0; place < n; ++place) {
        const TItemSkor& member = skor.GetItem(first + place);
        const int row = FirstMemberRow + place;
        cells[0] = format.Int(place + 1);
        cells[1] = member.NoSubyek;
        cells[2] = member.Nama;
        cells[3] = format.General(member.SkorAkhir);
        grid.SetCells(row, 0, cells);
        WriteStringToRow(grid, member.SkorButir, FirstItemCol, row, session_.Kind());
    }
}

void TFUnggulAsor::AddRightCountRow(TextGrid& grid, int first, int n) const {
    const NumberFormat format(session_.Global().DecimalSeparator);
    const std::vector<int> counts = GroupRightCounts(session_.DataSkor(), first, n);
    std::vector<std::string> cells = {"", "Jml Jwb Benar", "", ""};
    for (const int count : counts) {
        cells.push_back(format.Int(count));
    }
    grid.SetCells(FirstMemberRow + n, 0, cells);
}

void TFUnggulAsor::AddStatisticsRows(int n) {
    const TDataUnggulAsor& groups = *session_.UnggulAsor();
    const NumberFormat format(session_.Global().DecimalSeparator);
    const int items = std::min(std::max(session_.DataSkor().JumButir, 0), groups.Count());
    const auto statisticsRow = [&](const char* heading, double TItemUnggulAsor::*field) {
        std::vector<std::string> cells = {"", heading, "", ""};
        for (int i = 0; i < items; ++i) {
            cells.push_back(format.Fixed(groups.GetItem(i).*field, 4, 2));
        }
        return cells;
    };
    const int meanRow = FirstMemberRow + n;
    SGUnggul.SetCells(meanRow, 0, statisticsRow("Rata2 Skor", &TItemUnggulAsor::Rata2Un));
    SGUnggul.SetCells(meanRow + 1, 0, statisticsRow("Simpang Baku", &TItemUnggulAsor::SBUn));
    SGAsor.SetCells(meanRow, 0, statisticsRow("Rata2 Skor", &TItemUnggulAsor::Rata2As));
    SGAsor.SetCells(meanRow + 1, 0, statisticsRow("Simpang Baku", &TItemUnggulAsor::SBAs));
}

void TFUnggulAsor::PrintReport(bool clearFirst) {
    TCetakMultiSG& cetak = session_.CetakMultiSG();
    cetak.SetGrid(1, SGUnggul);
    cetak.SetGrid(2, SGAsor);
    cetak.SetAllWidths(IsEssay() ? 4 : 2);
    cetak.SetColWidth(0, IsEssay() ? 6 : 7);
    cetak.SetColWidth(1, 13);
    cetak.SetColWidth(2, 16);
    cetak.SetColWidth(3, 4);
    cetak.LastRepeatedCol = 3;
    cetak.LeftAligned.reset();
    cetak.LeftAligned.set(2);
    cetak.HeaderLines[0].push_back("KELOMPOK UNGGUL & ASOR");
    cetak.HeaderLines[0].push_back("======================");
    cetak.HeaderLines[0].push_back("");
    cetak.HeaderLines[0].push_back("Kelompok Unggul");
    cetak.HeaderLines[1].push_back("Kelompok Asor");
    cetak.Memo = &preview_.MCetak;
    cetak.BuildReport(clearFirst);
}

} // namespace taviro
