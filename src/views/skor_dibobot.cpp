#include "views/skor_dibobot.h"

#include "core/report/number_format.h"
#include "core/session.h"
#include "views/memo_cetak.h"
#include "views/user_interface.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace taviro {

namespace {

constexpr int ColCount = 8;
constexpr int SkorAsliCol = 6;
constexpr int SkorBobotCol = 7;

} // namespace

TFSkorDibobot::TFSkorDibobot(Session& session, UserInterface& ui, TFMemoCetak& preview)
    : AnalysisWindow(session, ui, preview), EditBobot(ui) {
    if (session.Kind() != AnalyzerKind::PilihanGanda) {
        throw std::invalid_argument("The weighted score window needs a multiple-choice session");
    }
    SG.FixedRows = 1;
    SG.FixedCols = 1;
    SG.SetSize(3, ColCount);
    const std::array<std::string, ColCount> headings = {
        "No Urt ", "No Subyek", "Kode/Nama", "Benar", "Salah", "Kosong", "Skr Asli", "Skr Bobot"};
    SG.SetCells(0, 0, headings);
}

const TextGrid& TFSkorDibobot::Grid(int index) const {
    (void)index;
    return SG;
}

void TFSkorDibobot::RefreshView() {
    session_.DataSkor().ScoreAll(session_.DataMentah(), session_.AnalButirSoal(),
                                 session_.Global().DecimalSeparator);
    FillGrid();
}

void TFSkorDibobot::FillGrid() {
    const TDataSkor& skor = session_.DataSkor();
    const NumberFormat format(session_.Global().DecimalSeparator);
    const int subjects = skor.Count();

    // Dropping every row below the headings empties the fixed column too, so a list that got
    // shorter keeps no sequence numbers of subjects that are gone.
    SG.SetRowCount(1);
    SG.SetRowCount(std::max(subjects, 1) + 1);
    std::array<std::string, ColCount> cells;
    for (int i = 0; i < subjects; ++i) {
        const TItemSkor& item = skor.GetItem(i);
        cells = {format.Int(i + 1),
                 item.NoSubyek,
                 item.Nama,
                 format.Int(item.JumBetul),
                 format.Int(item.JumSalah),
                 format.Int(item.JumBlank),
                 format.General(item.SkorAkhir),
                 format.General(item.SkorDibobot)};
        SG.SetCells(i + 1, 0, cells);
    }

    LjumSubyek = format.Int(subjects);
    LButirSoal = format.Int(skor.JumButir);
    Lbobotbenar = format.Int(skor.BobotBetul);
    LbobotSalah = format.Int(skor.BobotSalah);
    CBUrutSkor = skor.IsUrutkanBerdSkor;
}

void TFSkorDibobot::CBUrutSkorClick() {
    TDataSkor& skor = session_.DataSkor();
    if (skor.Count() == 0 || CBUrutSkor == skor.IsUrutkanBerdSkor) {
        return;
    }
    skor.IsUrutkanBerdSkor = CBUrutSkor;
    skor.SortItems(!CBUrutSkor);
    FillGrid();
}

void TFSkorDibobot::SpeedButton2Click(const std::function<void(TFEditBobot&)>& showModal) {
    if (!showModal) {
        return;
    }
    TDataSkor& skor = session_.DataSkor();
    EditBobot.BobotBetul = skor.BobotBetul;
    EditBobot.BobotSalah = skor.BobotSalah;
    EditBobot.FormShow();
    showModal(EditBobot);
    if (EditBobot.Cancelled) {
        return;
    }
    skor.BobotBetul = EditBobot.BobotBetul;
    skor.BobotSalah = EditBobot.BobotSalah;
    skor.ApplyWeights();
    FillGrid();
}

void TFSkorDibobot::PrintReport(bool clearFirst) {
    TCetakSG& cetak = session_.CetakSG();
    cetak.SetGrid(SG);
    cetak.SetAllWidths(2);
    const std::array<int, ColCount> widths = {7, 9, 9, 5, 5, 6, 8, 9};
    for (int col = 0; col < ColCount; ++col) {
        cetak.SetColWidth(col, widths[static_cast<std::size_t>(col)]);
    }
    // LastRepeatedCol stays as the previous report left it: all eight columns fit in the first
    // block whatever its value.
    cetak.LeftAligned.reset();
    cetak.LeftAligned.set(2);
    cetak.HeaderLines = {"SKOR DATA DIBOBOT",
                         "=================",
                         "",
                         "Jumlah Subyek         = " + LjumSubyek,
                         "Butir soal            = " + LButirSoal,
                         "Bobot utk jwban benar = " + Lbobotbenar,
                         "Bobot utk jwban salah = " + LbobotSalah};
    if (CBUrutSkor) {
        cetak.HeaderLines.push_back("Keterangan: data terurut berdasarkan skor (tinggi ke rendah)");
    }
    cetak.FooterLines.clear();
    cetak.Memo = &preview_.MCetak;
    cetak.BuildReport(clearFirst);
}

CellRole TFSkorDibobot::Role(int grid, int row, int col) const {
    (void)grid;
    if (row < SG.FixedRows || col < SG.FixedCols) {
        return CellRole::Heading;
    }
    if (col == SkorBobotCol) {
        return CellRole::MoneyGreen;
    }
    if (col == SkorAsliCol) {
        return CellRole::Yellow;
    }
    if (col == 1) {
        return CellRole::Emphasised;
    }
    return CellRole::Normal;
}

CellAlignment TFSkorDibobot::Alignment(int grid, int row, int col) const {
    (void)grid;
    if (row >= SG.FixedRows && col == 1) {
        return CellAlignment::Left;
    }
    return CellAlignment::Centre;
}

bool TFSkorDibobot::Bold(int grid, int row, int col) const {
    const CellRole role = Role(grid, row, col);
    return role == CellRole::Heading || role == CellRole::Emphasised;
}

} // namespace taviro
