#include "views/reliabilitas_tes.h"

#include "core/analysis/data_reliabilitas.h"
#include "core/report/number_format.h"
#include "core/session.h"
#include "views/memo_cetak.h"
#include "views/user_interface.h"

#include <array>

namespace taviro {

namespace {

constexpr int TotalCol = 5;
constexpr int SubjectNumberCol = 1;

const std::array<std::string, 6> Headings = {"No.Urut",     "No. Subyek", "Kode/Nama Subyek",
                                             "Skor Ganjil", "Skor Genap", "Skor Total"};

} // namespace

TFReliabilitasTes::TFReliabilitasTes(Session& session, UserInterface& ui, TFMemoCetak& preview)
    : AnalysisWindow(session, ui, preview) {
    SetUpHeadingGrid(SG, Headings);
}

const TextGrid& TFReliabilitasTes::Grid(int) const {
    return SG;
}

CellRole TFReliabilitasTes::Role(int, int row, int col) const {
    if (row < SG.FixedRows || col < SG.FixedCols) {
        return CellRole::Heading;
    }
    if (col == TotalCol) {
        return CellRole::Yellow;
    }
    if (col == SubjectNumberCol) {
        return CellRole::Emphasised;
    }
    return CellRole::Normal;
}

CellAlignment TFReliabilitasTes::Alignment(int, int row, int col) const {
    const bool subjectNumber = row >= SG.FixedRows && col == SubjectNumberCol;
    return subjectNumber ? CellAlignment::Left : CellAlignment::Centre;
}

void TFReliabilitasTes::ClearView() {
    LRata2.clear();
    LSD.clear();
    LKorelasiXY.clear();
    LReliabilitas.clear();
    EmptyDataRows(SG);
}

void TFReliabilitasTes::RefreshView() {
    TDataReliabilitas& reliabilitas = session_.Reliabilitas();
    if (!reliabilitas.NeedRefresh) {
        return;
    }
    ClearView();
    if (reliabilitas.NeedRecalc) {
        reliabilitas.Clear();
        reliabilitas.Compute(session_.Global().DecimalSeparator);
    }
    const NumberFormat format(session_.Global().DecimalSeparator);
    const TDataSkor& skor = session_.DataSkor();
    LRata2 = format.Fixed(static_cast<double>(skor.Rata2), 4, 2);
    LSD = format.Fixed(static_cast<double>(skor.SD), 4, 2);
    LKorelasiXY = format.Fixed(reliabilitas.KorelasiXY, 4, 2);
    LReliabilitas = format.Fixed(reliabilitas.Reliabilitas, 4, 2);
    FillGrid();
    reliabilitas.NeedRefresh = false;
}

void TFReliabilitasTes::FillGrid() {
    const TDataReliabilitas& reliabilitas = session_.Reliabilitas();
    const NumberFormat format(session_.Global().DecimalSeparator);
    SG.SetRowCount(reliabilitas.Count() + 1);
    std::array<std::string, 6> cells;
    for (int i = 0; i < reliabilitas.Count(); ++i) {
        const TItemReliabilitas& item = reliabilitas.GetItem(i);
        cells[0] = format.Int(i + 1);
        // The entry's own subject number: the score list may have been re-sorted since the
        // results were computed, and then its entry i is another subject.
        cells[1] = item.NoSubyek;
        cells[2] = item.Nama;
        cells[3] = format.Fixed(item.SkorGanjil, 4, 0);
        cells[4] = format.Fixed(item.SkorGenap, 4, 0);
        cells[5] = format.Fixed(item.SkorTotal, 4, 0);
        SG.SetCells(i + 1, 0, cells);
    }
}

void TFReliabilitasTes::PrintReport(bool clearFirst) {
    TCetakSG& cetak = session_.CetakSG();
    cetak.SetGrid(SG);
    cetak.SetAllWidths(11);
    cetak.SetColWidth(0, 7);
    cetak.SetColWidth(1, 10);
    cetak.SetColWidth(2, 16);
    cetak.LastRepeatedCol = 2;
    cetak.LeftAligned.reset();
    cetak.LeftAligned.set(2);
    cetak.HeaderLines.push_back("RELIABILITAS TES");
    cetak.HeaderLines.push_back("================");
    cetak.HeaderLines.push_back("");
    cetak.HeaderLines.push_back("Rata2= " + LRata2);
    cetak.HeaderLines.push_back("Simpang Baku= " + LSD);
    cetak.HeaderLines.push_back("KorelasiXY= " + LKorelasiXY);
    cetak.HeaderLines.push_back("Reliabilitas Tes= " + LReliabilitas);
    cetak.Memo = &preview_.MCetak;
    cetak.BuildReport(clearFirst);
}

} // namespace taviro
