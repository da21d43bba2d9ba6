#include "views/rekap_butir.h"

#include "core/analysis/data_kesukaran.h"
#include "core/analysis/data_kesukaran_uraian.h"
#include "core/analysis/data_korelasi_butir.h"
#include "core/analysis/data_pembeda.h"
#include "core/analysis/data_pembeda_uraian.h"
#include "core/analysis/data_reliabilitas.h"
#include "core/analysis/data_unggul_asor.h"
#include "core/report/number_format.h"
#include "core/session.h"
#include "views/memo_cetak.h"
#include "views/user_interface.h"

#include <array>
#include <vector>

namespace taviro {

namespace {

const std::vector<std::string> PilihanGandaHeadings = {
    "Btr Baru", "Btr Asli", "D.Pembeda(%)", "T. Kesukaran", "Korelasi", "Sign. Korelasi"};
const std::vector<std::string> UraianHeadings = {
    "No", "No Btr Asli", "T", "DP(%)", "T. Kesukaran", "Korelasi", "Sign. Korelasi"};

// The per-item lists are filled from the same scores and so hold the same items; should one ever
// be shorter, its cells stay empty rather than reading past its end.
template <typename Results, typename Text>
std::string CellOf(const Results& results, int index, Text text) {
    return index < results.Count() ? text(results.GetItem(index)) : std::string();
}

} // namespace

TFRekapButir::TFRekapButir(Session& session, UserInterface& ui, TFMemoCetak& preview)
    : AnalysisWindow(session, ui, preview) {
    const std::vector<std::string>& headings = IsEssay() ? UraianHeadings : PilihanGandaHeadings;
    SetUpHeadingGrid(SG, headings);
}

const TextGrid& TFRekapButir::Grid(int) const {
    return SG;
}

CellRole TFRekapButir::Role(int, int row, int col) const {
    return row < SG.FixedRows || col < SG.FixedCols ? CellRole::Heading : CellRole::Normal;
}

void TFRekapButir::RefreshView() {
    BringPembedaUpToDate();
    BringReliabilitasUpToDate();
    BringKesukaranUpToDate();
    BringKorelasiUpToDate();
    FillLabels();
    FillGrid();
}

void TFRekapButir::BringPembedaUpToDate() {
    TDataHitung& results = IsEssay() ? static_cast<TDataHitung&>(*session_.PembedaUraian())
                                     : static_cast<TDataHitung&>(*session_.Pembeda());
    // The essay grid shows the t values of the groups beside the index; both must come from the
    // same groups, so stale group statistics make the index stale too.
    const bool stale = results.NeedRecalc || (IsEssay() && session_.UnggulAsor()->NeedRecalc);
    if (!stale) {
        return;
    }
    LjumSubyek.clear();
    LButirSoal.clear();
    EmptyDataRows(SG);
    if (IsEssay()) {
        // Brings the group statistics up to date first when they are stale; their Clear marks
        // the group window to refill.
        session_.PembedaUraian()->Clear();
        session_.PembedaUraian()->Compute(session_.Global().DecimalSeparator);
    } else {
        session_.Pembeda()->Clear();
        session_.Pembeda()->Compute();
    }
    results.NeedRefresh = true;
}

void TFRekapButir::BringReliabilitasUpToDate() {
    TDataReliabilitas& reliabilitas = session_.Reliabilitas();
    if (!reliabilitas.NeedRecalc) {
        return;
    }
    LRata2.clear();
    LSD.clear();
    LKorelasiXY.clear();
    LReliabilitas.clear();
    reliabilitas.Clear();
    reliabilitas.Compute(session_.Global().DecimalSeparator);
    reliabilitas.NeedRefresh = true;
}

void TFRekapButir::BringKesukaranUpToDate() {
    TDataHitung& results = IsEssay() ? static_cast<TDataHitung&>(*session_.KesukaranUraian())
                                     : static_cast<TDataHitung&>(*session_.Kesukaran());
    if (!results.NeedRecalc) {
        return;
    }
    if (IsEssay()) {
        session_.KesukaranUraian()->Clear();
        session_.KesukaranUraian()->Compute(session_.Global().DecimalSeparator);
    } else {
        session_.Kesukaran()->Clear();
        session_.Kesukaran()->Compute();
    }
    results.NeedRefresh = true;
}

void TFRekapButir::BringKorelasiUpToDate() {
    TDataKorelasiButir& korelasi = session_.KorelasiButir();
    if (!korelasi.NeedRecalc) {
        return;
    }
    korelasi.Clear();
    korelasi.Compute(session_.Global().DecimalSeparator);
    korelasi.NeedRefresh = true;
}

void TFRekapButir::FillLabels() {
    const NumberFormat format(session_.Global().DecimalSeparator);
    const TDataSkor& skor = session_.DataSkor();
    const TDataReliabilitas& reliabilitas = session_.Reliabilitas();
    LjumSubyek = format.Int(skor.Count());
    LButirSoal = format.Int(skor.JumButir);
    LKorelasiXY = format.Fixed(reliabilitas.KorelasiXY, 4, 2);
    LReliabilitas = format.Fixed(reliabilitas.Reliabilitas, 4, 2);
    LRata2 = format.Fixed(static_cast<double>(skor.Rata2), 4, 2);
    LSD = format.Fixed(static_cast<double>(skor.SD), 4, 2);
}

void TFRekapButir::FillGrid() {
    if (IsEssay()) {
        FillUraian();
    } else {
        FillPilihanGanda();
    }
}

void TFRekapButir::FillPilihanGanda() {
    const TDataPembeda& pembeda = *session_.Pembeda();
    const TDataKesukaran& kesukaran = *session_.Kesukaran();
    const TDataKorelasiButir& korelasi = session_.KorelasiButir();
    const NumberFormat format(session_.Global().DecimalSeparator);
    SG.SetRowCount(pembeda.Count() + 1);
    std::array<std::string, 6> cells;
    for (int i = 0; i < pembeda.Count(); ++i) {
        const TItemPembeda& item = pembeda.GetItem(i);
        cells[0] = format.Int(i + 1);
        cells[1] = format.Int(item.NoButirAsli);
        cells[2] = format.Fixed(item.IndeksDP, 4, 2);
        cells[3] = CellOf(kesukaran, i, [](const TItemKesukaran& k) { return k.Tafsiran; });
        cells[4] = CellOf(korelasi, i, [&](const TitemKorelasiButir& k) {
            return format.Fixed(k.Korelasi, 4, 3);
        });
        cells[5] = CellOf(korelasi, i, [](const TitemKorelasiButir& k) { return k.Signifikansi; });
        SG.SetCells(i + 1, 0, cells);
    }
}

void TFRekapButir::FillUraian() {
    const TDataPembedaUraian& pembeda = *session_.PembedaUraian();
    const TDataUnggulAsor& groups = *session_.UnggulAsor();
    const TDataKesukaranUraian& kesukaran = *session_.KesukaranUraian();
    const TDataKorelasiButir& korelasi = session_.KorelasiButir();
    const NumberFormat format(session_.Global().DecimalSeparator);
    SG.SetRowCount(pembeda.Count() + 1);
    std::array<std::string, 7> cells;
    for (int i = 0; i < pembeda.Count(); ++i) {
        const TItemPembedaUraian& item = pembeda.GetItem(i);
        cells[0] = format.Int(i + 1);
        cells[1] = format.Int(item.NoButirAsli);
        cells[2] = CellOf(groups, i,
                          [&](const TItemUnggulAsor& g) { return format.Fixed(g.NilaiT, 4, 2); });
        cells[3] = format.Fixed(item.DP, 4, 2);
        cells[4] = CellOf(kesukaran, i, [](const TItemKesukaranUraian& k) { return k.Tafsiran; });
        cells[5] = CellOf(korelasi, i, [&](const TitemKorelasiButir& k) {
            return format.Fixed(k.Korelasi, 4, 3);
        });
        cells[6] = CellOf(korelasi, i, [](const TitemKorelasiButir& k) { return k.Signifikansi; });
        SG.SetCells(i + 1, 0, cells);
    }
}

void TFRekapButir::PrintReport(bool clearFirst) {
    TCetakSG& cetak = session_.CetakSG();
    cetak.SetGrid(SG);
    cetak.LeftAligned.reset();
    if (IsEssay()) {
        // 76 characters a line: 6 + 13 + 6 + 7 + 14 + 10 + 20.
        cetak.SetAllWidths(7);
        const std::array<int, 7> widths = {4, 11, 4, 5, 12, 8, 18};
        for (std::size_t col = 0; col < widths.size(); ++col) {
            cetak.SetColWidth(static_cast<int>(col), widths[col]);
        }
        cetak.LeftAligned.set(4);
        cetak.LeftAligned.set(6);
    } else {
        // 80 characters a line: 10 + 10 + 14 + 14 + 10 + 22.
        cetak.SetAllWidths(8);
        cetak.SetColWidth(2, 12);
        cetak.SetColWidth(3, 12);
        cetak.SetColWidth(4, 8);
        cetak.SetColWidth(5, 20);
        cetak.LeftAligned.set(3);
        cetak.LeftAligned.set(5);
    }
    // LastRepeatedCol keeps what an earlier report left: with these widths every column fits in
    // one block whatever its value.
    cetak.HeaderLines.push_back("REKAP ANALISIS BUTIR");
    cetak.HeaderLines.push_back("=====================");
    cetak.HeaderLines.push_back("");
    cetak.HeaderLines.push_back("Rata2= " + LRata2);
    cetak.HeaderLines.push_back("Simpang Baku= " + LSD);
    cetak.HeaderLines.push_back("KorelasiXY= " + LKorelasiXY);
    cetak.HeaderLines.push_back("Reliabilitas Tes= " + LReliabilitas);
    cetak.HeaderLines.push_back("Butir Soal= " + LButirSoal);
    cetak.HeaderLines.push_back("Jumlah Subyek= " + LjumSubyek);
    cetak.Memo = &preview_.MCetak;
    cetak.BuildReport(clearFirst);
}

} // namespace taviro
