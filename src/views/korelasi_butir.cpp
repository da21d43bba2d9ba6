#include "views/korelasi_butir.h"

#include "core/analysis/data_korelasi_butir.h"
#include "core/report/number_format.h"
#include "core/session.h"
#include "views/info_batas_sig.h"
#include "views/memo_cetak.h"
#include "views/user_interface.h"

#include <array>

namespace taviro {

namespace {

const std::array<std::string, 4> Headings = {"No Butir Baru", "No Butir Asli", "Korelasi",
                                             "Signifikansi"};

constexpr int SignifikansiCol = 3;

} // namespace

TFKorelasiButir::TFKorelasiButir(Session& session, UserInterface& ui, TFMemoCetak& preview)
    : AnalysisWindow(session, ui, preview) {
    SetUpHeadingGrid(SG, Headings);
}

const TextGrid& TFKorelasiButir::Grid(int) const {
    return SG;
}

CellRole TFKorelasiButir::Role(int, int row, int col) const {
    return row < SG.FixedRows || col < SG.FixedCols ? CellRole::Heading : CellRole::Normal;
}

void TFKorelasiButir::ClearView() {
    LjumSubyek.clear();
    LButirSoal.clear();
    EmptyDataRows(SG);
}

void TFKorelasiButir::RefreshView() {
    TDataKorelasiButir& korelasi = session_.KorelasiButir();
    if (!korelasi.NeedRefresh) {
        return;
    }
    ClearView();
    if (korelasi.NeedRecalc) {
        korelasi.Clear();
        korelasi.Compute(session_.Global().DecimalSeparator);
    }
    const NumberFormat format(session_.Global().DecimalSeparator);
    LjumSubyek = format.Int(session_.DataSkor().Count());
    LButirSoal = format.Int(session_.DataSkor().JumButir);
    FillGrid();
    korelasi.NeedRefresh = false;
}

void TFKorelasiButir::FillGrid() {
    const TDataKorelasiButir& korelasi = session_.KorelasiButir();
    const NumberFormat format(session_.Global().DecimalSeparator);
    SG.SetRowCount(korelasi.Count() + 1);
    std::array<std::string, 4> cells;
    for (int i = 0; i < korelasi.Count(); ++i) {
        const TitemKorelasiButir& item = korelasi.GetItem(i);
        cells[0] = format.Int(i + 1);
        cells[1] = format.Int(item.NoButirAsli);
        // An undefined coefficient is " NAN": the field width, without a sign.
        cells[2] = format.Fixed(item.Korelasi, 4, 3);
        cells[3] = item.Signifikansi;
        SG.SetCells(i + 1, 0, cells);
    }
}

void TFKorelasiButir::PrintReport(bool clearFirst) {
    TCetakSG& cetak = session_.CetakSG();
    cetak.SetGrid(SG);
    cetak.SetAllWidths(13);
    cetak.SetColWidth(SignifikansiCol, 20);
    // LastRepeatedCol keeps what an earlier report left: with these widths every column fits in
    // the first block whatever its value.
    cetak.LeftAligned.reset();
    cetak.LeftAligned.set(SignifikansiCol);
    cetak.HeaderLines.push_back("KORELASI SKOR BUTIR DG SKOR TOTAL");
    cetak.HeaderLines.push_back("=================================");
    cetak.HeaderLines.push_back("");
    cetak.HeaderLines.push_back("Jumlah Subyek= " + LjumSubyek);
    cetak.HeaderLines.push_back("Butir Soal= " + LButirSoal);
    cetak.FooterLines.push_back("");
    const std::vector<std::string>& info = TFInfoBatasSIg::Lines();
    cetak.FooterLines.insert(cetak.FooterLines.end(), info.begin(), info.end());
    cetak.FooterLines.push_back("");
    cetak.Memo = &preview_.MCetak;
    cetak.BuildReport(clearFirst);
}

} // namespace taviro
