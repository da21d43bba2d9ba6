#include "views/daya_pembeda.h"

#include "core/analysis/data_pembeda.h"
#include "core/analysis/data_pembeda_uraian.h"
#include "core/analysis/data_unggul_asor.h"
#include "core/report/number_format.h"
#include "core/session.h"
#include "views/memo_cetak.h"
#include "views/user_interface.h"

#include <algorithm>
#include <array>
#include <vector>

namespace taviro {

namespace {

const std::vector<std::string> PilihanGandaHeadings = {
    "No Butir Baru", "No Butir Asli", "Kel. Atas", "Kel. Bawah", "Beda", "Indeks DP (%)"};

const std::vector<std::string> UraianHeadings = {
    "No", "No Btr Asli", "Rata2Un", "Rata2As", "Beda", "SB Un", "SB As", "SB Gab", "t", "DP(%)"};

constexpr int PilihanGandaIndexCol = 5;
constexpr int UraianFirstHighlightedCol = 8;

} // namespace

TFDayaPembeda::TFDayaPembeda(Session& session, UserInterface& ui, TFMemoCetak& preview)
    : AnalysisWindow(session, ui, preview) {
    const std::vector<std::string>& headings = IsEssay() ? UraianHeadings : PilihanGandaHeadings;
    SetUpHeadingGrid(SG, headings);
}

const TextGrid& TFDayaPembeda::Grid(int) const {
    return SG;
}

CellRole TFDayaPembeda::Role(int, int row, int col) const {
    if (row < SG.FixedRows || col < SG.FixedCols) {
        return CellRole::Heading;
    }
    const bool highlighted =
        IsEssay() ? col >= UraianFirstHighlightedCol : col == PilihanGandaIndexCol;
    return highlighted ? CellRole::Emphasised : CellRole::Normal;
}

void TFDayaPembeda::ClearView() {
    LjumSubyek.clear();
    LJumKel.clear();
    LButirSoal.clear();
    EmptyDataRows(SG);
}

void TFDayaPembeda::RefreshView() {
    TDataHitung& results = IsEssay() ? static_cast<TDataHitung&>(*session_.PembedaUraian())
                                     : static_cast<TDataHitung&>(*session_.Pembeda());
    if (!results.NeedRefresh) {
        return;
    }
    ClearView();
    const NumberFormat format(session_.Global().DecimalSeparator);
    const TDataSkor& skor = session_.DataSkor();
    int jumKel = 0;
    if (IsEssay()) {
        TDataPembedaUraian& pembeda = *session_.PembedaUraian();
        // The grid shows the group statistics beside the index; both must come from the same
        // groups, so stale statistics make the index stale too.
        if (pembeda.NeedRecalc || session_.UnggulAsor()->NeedRecalc) {
            pembeda.Clear();
            pembeda.Compute(session_.Global().DecimalSeparator);
        }
        jumKel = session_.UnggulAsor()->JumKel;
    } else {
        TDataPembeda& pembeda = *session_.Pembeda();
        if (pembeda.NeedRecalc) {
            pembeda.Clear();
            pembeda.Compute();
        }
        jumKel = pembeda.JumKel;
    }
    LjumSubyek = format.Int(skor.Count());
    LButirSoal = format.Int(skor.JumButir);
    LJumKel = format.Int(jumKel);
    FillGrid();
    results.NeedRefresh = false;
}

void TFDayaPembeda::FillGrid() {
    if (IsEssay()) {
        FillUraian();
    } else {
        FillPilihanGanda();
    }
}

void TFDayaPembeda::FillPilihanGanda() {
    const TDataPembeda& pembeda = *session_.Pembeda();
    const NumberFormat format(session_.Global().DecimalSeparator);
    SG.SetRowCount(pembeda.Count() + 1);
    std::array<std::string, 6> cells;
    for (int i = 0; i < pembeda.Count(); ++i) {
        const TItemPembeda& item = pembeda.GetItem(i);
        cells[0] = format.Int(i + 1);
        cells[1] = format.Int(item.NoButirAsli);
        cells[2] = format.Fixed(item.KelAtas, 4, 0);
        cells[3] = format.Fixed(item.KelBawah, 4, 0);
        cells[4] = format.Fixed(item.Beda, 4, 0);
        cells[5] = format.Fixed(item.IndeksDP, 4, 2);
        SG.SetCells(i + 1, 0, cells);
    }
}

void TFDayaPembeda::FillUraian() {
    const TDataPembedaUraian& pembeda = *session_.PembedaUraian();
    const TDataUnggulAsor& groups = *session_.UnggulAsor();
    const NumberFormat format(session_.Global().DecimalSeparator);
    // Both lists hold one entry per item of the same computation; the shorter one bounds the
    // rows should they ever disagree.
    const int rows = std::min(pembeda.Count(), groups.Count());
    SG.SetRowCount(rows + 1);
    std::array<std::string, 10> cells;
    for (int i = 0; i < rows; ++i) {
        const TItemPembedaUraian& item = pembeda.GetItem(i);
        const TItemUnggulAsor& statistics = groups.GetItem(i);
        cells[0] = format.Int(i + 1);
        cells[1] = format.Int(item.NoButirAsli);
        cells[2] = format.Fixed(statistics.Rata2Un, 4, 2);
        cells[3] = format.Fixed(statistics.Rata2As, 4, 2);
        cells[4] = format.Fixed(statistics.Rata2Un - statistics.Rata2As, 4, 2);
        cells[5] = format.Fixed(statistics.SBUn, 4, 2);
        cells[6] = format.Fixed(statistics.SBAs, 4, 2);
        cells[7] = format.Fixed(statistics.SBGab, 4, 2);
        cells[8] = format.Fixed(statistics.NilaiT, 4, 2);
        cells[9] = format.Fixed(item.DP, 4, 2);
        SG.SetCells(i + 1, 0, cells);
    }
}

void TFDayaPembeda::PrintReport(bool clearFirst) {
    TCetakSG& cetak = session_.CetakSG();
    cetak.SetGrid(SG);
    const std::vector<int> widths = IsEssay() ? std::vector<int>{5, 11, 7, 7, 4, 5, 5, 6, 4, 6}
                                              : std::vector<int>{13, 13, 10, 10, 4, 14};
    for (std::size_t col = 0; col < widths.size(); ++col) {
        cetak.SetColWidth(static_cast<int>(col), widths[col]);
    }
    // LastRepeatedCol keeps what an earlier report left: with these widths every column fits in
    // the first block whatever its value.
    cetak.LeftAligned.reset();
    cetak.HeaderLines.push_back("DAYA PEMBEDA");
    cetak.HeaderLines.push_back("============");
    cetak.HeaderLines.push_back("");
    cetak.HeaderLines.push_back("Jumlah Subyek= " + LjumSubyek);
    cetak.HeaderLines.push_back("Klp atas/bawah(n)= " + LJumKel);
    cetak.HeaderLines.push_back("Butir Soal= " + LButirSoal);
    if (IsEssay()) {
        cetak.HeaderLines.push_back("Un: Unggul; AS: Asor; SB: Simpang Baku");
    }
    cetak.Memo = &preview_.MCetak;
    cetak.BuildReport(clearFirst);
}

} // namespace taviro
