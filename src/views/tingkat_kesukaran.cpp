#include "views/tingkat_kesukaran.h"

#include "core/analysis/data_kesukaran.h"
#include "core/analysis/data_kesukaran_uraian.h"
#include "core/report/number_format.h"
#include "core/session.h"
#include "views/memo_cetak.h"
#include "views/user_interface.h"

#include <array>
#include <vector>

namespace taviro {

namespace {

const std::vector<std::string> PilihanGandaHeadings = {
    "No Butir Baru", "No Butir Asli", "Jml Betul", "Tkt. Kesukaran(%)", "Tafsiran"};
const std::vector<std::string> UraianHeadings = {"No Butir Baru", "No Butir Asli",
                                                 "Tkt. Kesukaran(%)", "Tafsiran"};

// The percentage in the multiple-choice grid, the category in the essay grid: both stand in
// column 3.
constexpr int HighlightedCol = 3;

} // namespace

TFTingkatKesukaran::TFTingkatKesukaran(Session& session, UserInterface& ui, TFMemoCetak& preview)
    : AnalysisWindow(session, ui, preview) {
    const std::vector<std::string>& headings = IsEssay() ? UraianHeadings : PilihanGandaHeadings;
    SetUpHeadingGrid(SG, headings);
}

const TextGrid& TFTingkatKesukaran::Grid(int) const {
    return SG;
}

CellRole TFTingkatKesukaran::Role(int, int row, int col) const {
    if (row < SG.FixedRows || col < SG.FixedCols) {
        return CellRole::Heading;
    }
    return col == HighlightedCol ? CellRole::Emphasised : CellRole::Normal;
}

CellAlignment TFTingkatKesukaran::Alignment(int, int row, int col) const {
    // The highlighted text starts a little way from the left edge.
    const bool highlighted = row >= SG.FixedRows && col == HighlightedCol;
    return highlighted ? CellAlignment::Left : CellAlignment::Centre;
}

void TFTingkatKesukaran::ClearView() {
    LjumSubyek.clear();
    LButirSoal.clear();
    EmptyDataRows(SG);
}

void TFTingkatKesukaran::RefreshView() {
    TDataHitung& results = IsEssay() ? static_cast<TDataHitung&>(*session_.KesukaranUraian())
                                     : static_cast<TDataHitung&>(*session_.Kesukaran());
    if (!results.NeedRefresh) {
        return;
    }
    ClearView();
    if (results.NeedRecalc) {
        if (IsEssay()) {
            session_.KesukaranUraian()->Clear();
            session_.KesukaranUraian()->Compute(session_.Global().DecimalSeparator);
        } else {
            session_.Kesukaran()->Clear();
            session_.Kesukaran()->Compute();
        }
    }
    const NumberFormat format(session_.Global().DecimalSeparator);
    LjumSubyek = format.Int(session_.DataSkor().Count());
    LButirSoal = format.Int(session_.DataSkor().JumButir);
    FillGrid();
    results.NeedRefresh = false;
}

void TFTingkatKesukaran::FillGrid() {
    if (IsEssay()) {
        FillUraian();
    } else {
        FillPilihanGanda();
    }
}

void TFTingkatKesukaran::FillPilihanGanda() {
    const TDataKesukaran& kesukaran = *session_.Kesukaran();
    const NumberFormat format(session_.Global().DecimalSeparator);
    SG.SetRowCount(kesukaran.Count() + 1);
    std::array<std::string, 5> cells;
    for (int i = 0; i < kesukaran.Count(); ++i) {
        const TItemKesukaran& item = kesukaran.GetItem(i);
        cells[0] = format.Int(i + 1);
        cells[1] = format.Int(item.NoButirAsli);
        cells[2] = format.Int(item.JumBetul);
        cells[3] = format.Fixed(item.TingkatKesukaran, 4, 2);
        cells[4] = item.Tafsiran;
        SG.SetCells(i + 1, 0, cells);
    }
}

void TFTingkatKesukaran::FillUraian() {
    const TDataKesukaranUraian& kesukaran = *session_.KesukaranUraian();
    const NumberFormat format(session_.Global().DecimalSeparator);
    SG.SetRowCount(kesukaran.Count() + 1);
    std::array<std::string, 4> cells;
    for (int i = 0; i < kesukaran.Count(); ++i) {
        const TItemKesukaranUraian& item = kesukaran.GetItem(i);
        cells[0] = format.Int(i + 1);
        cells[1] = format.Int(item.NoButirAsli);
        cells[2] = format.Fixed(item.TingkatKesukaran, 4, 2);
        cells[3] = item.Tafsiran;
        SG.SetCells(i + 1, 0, cells);
    }
}

void TFTingkatKesukaran::PrintReport(bool clearFirst) {
    TCetakSG& cetak = session_.CetakSG();
    cetak.SetGrid(SG);
    const std::vector<int> widths =
        IsEssay() ? std::vector<int>{13, 13, 17, 12} : std::vector<int>{13, 13, 9, 17, 12};
    for (std::size_t col = 0; col < widths.size(); ++col) {
        cetak.SetColWidth(static_cast<int>(col), widths[col]);
    }
    cetak.LastRepeatedCol = 1;
    // The category is the last column; it starts at the left, the numbers end at the right.
    cetak.LeftAligned.reset();
    cetak.LeftAligned.set(widths.size() - 1);
    cetak.HeaderLines.push_back("TINGKAT KESUKARAN");
    cetak.HeaderLines.push_back("=================");
    cetak.HeaderLines.push_back("");
    cetak.HeaderLines.push_back("Jumlah Subyek= " + LjumSubyek);
    cetak.HeaderLines.push_back("Butir Soal= " + LButirSoal);
    cetak.Memo = &preview_.MCetak;
    cetak.BuildReport(clearFirst);
}

} // namespace taviro
