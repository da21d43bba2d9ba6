#include "views/pengecoh.h"

#include "core/analysis/data_pengecoh.h"
#include "core/report/number_format.h"
#include "core/session.h"
#include "views/memo_cetak.h"
#include "views/user_interface.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace taviro {

namespace {

// The options are the letters 'a' .. 'z'.
constexpr int MaxOptions = 26;
// "No Butir Baru" and "No Butir Asli" before the options, "*" after them.
constexpr int FirstOptionCol = 2;
constexpr int ColsBesideOptions = 3;

} // namespace

TFPengecoh::TFPengecoh(Session& session, UserInterface& ui, TFMemoCetak& preview)
    : AnalysisWindow(session, ui, preview) {
    if (session.Pengecoh() == nullptr) {
        throw std::logic_error("TFPengecoh needs the multiple-choice analyzer");
    }
    SetUpColumns();
}

const TextGrid& TFPengecoh::Grid(int) const {
    return SG;
}

CellRole TFPengecoh::Role(int, int row, int col) const {
    if (row < SG.FixedRows || col < SG.FixedCols) {
        return CellRole::Heading;
    }
    const std::string_view text = SG.Cell(row, col);
    if (text.find("**") != std::string_view::npos) {
        return CellRole::MoneyGreen;
    }
    if (text.find("--") != std::string_view::npos) {
        return CellRole::Red;
    }
    return CellRole::Normal;
}

CellAlignment TFPengecoh::Alignment(int, int row, int col) const {
    return row < SG.FixedRows || col < SG.FixedCols ? CellAlignment::Centre : CellAlignment::Left;
}

void TFPengecoh::SetUpColumns() {
    // A count outside the letters is refused by the computation right after; the columns only
    // must not go wrong before it.
    const int options = std::clamp(session_.DataMentah().JumPilihan, 0, MaxOptions);
    std::vector<std::string> headings = {"No Butir Baru", "No Butir Asli"};
    for (int j = 0; j < options; ++j) {
        headings.emplace_back(1, static_cast<char>('a' + j));
    }
    headings.emplace_back("*");
    SG.FixedRows = 1;
    SG.FixedCols = 1;
    SG.SetSize(2, options + ColsBesideOptions);
    SG.SetCells(0, 0, headings);
}

void TFPengecoh::RefreshView() {
    TDataPengecoh& pengecoh = *session_.Pengecoh();
    if (!pengecoh.NeedRecalc) {
        return;
    }
    LjumSubyek.clear();
    LButirSoal.clear();
    SG.ClearCells();
    SG.SetRowCount(2);
    pengecoh.Clear();
    SetUpColumns();
    pengecoh.Compute();
    const NumberFormat format(session_.Global().DecimalSeparator);
    LjumSubyek = format.Int(session_.DataSkor().Count());
    LButirSoal = format.Int(session_.DataSkor().JumButir);
    FillGrid();
}

void TFPengecoh::FillGrid() {
    const TDataPengecoh& pengecoh = *session_.Pengecoh();
    const NumberFormat format(session_.Global().DecimalSeparator);
    const int options = SG.ColCount() - ColsBesideOptions;
    SG.SetRowCount(pengecoh.Count() + 1);
    std::vector<std::string> cells(static_cast<std::size_t>(SG.ColCount()));
    for (int i = 0; i < pengecoh.Count(); ++i) {
        const TitemPengecoh& item = pengecoh.GetItem(i);
        cells[0] = format.Int(i + 1);
        cells[1] = format.Int(item.NoButirAsli);
        for (int j = 0; j < options; ++j) {
            const auto option = static_cast<std::size_t>(j);
            std::string& cell = cells[option + FirstOptionCol];
            cell.clear();
            if (option < item.JumPemilih.size()) {
                cell = format.Int(item.JumPemilih[option]);
            }
            if (option < item.Kualitas.size()) {
                cell += item.Kualitas[option];
            }
        }
        cells.back() = format.Int(item.JumBlank);
        SG.SetCells(i + 1, 0, cells);
    }
}

void TFPengecoh::PrintReport(bool clearFirst) {
    TCetakSG& cetak = session_.CetakSG();
    cetak.SetGrid(SG);
    cetak.SetAllWidths(5);
    cetak.SetColWidth(0, 13);
    cetak.SetColWidth(1, 13);
    // Seven options or more need a second block, which must start with the two item numbers
    // whatever an earlier report left here.
    cetak.LastRepeatedCol = 1;
    cetak.LeftAligned.reset();
    cetak.HeaderLines.push_back("KUALITAS PENGECOH");
    cetak.HeaderLines.push_back("=================");
    cetak.HeaderLines.push_back("");
    cetak.HeaderLines.push_back("Jumlah Subyek= " + LjumSubyek);
    cetak.HeaderLines.push_back("Butir Soal= " + LButirSoal);
    for (const char* line : {"Keterangan: ", "** : Kunci Jawaban", "++ : Sangat Baik", "+  : Baik",
                             "-  : Kurang Baik", "-- : Buruk", "---: Sangat Buruk", ""}) {
        cetak.FooterLines.emplace_back(line);
    }
    cetak.Memo = &preview_.MCetak;
    cetak.BuildReport(clearFirst);
}

} // namespace taviro
