#pragma once

#include "core/report/text_grid.h"
#include "views/analysis_window.h"
#include "views/edit_bobot.h"

#include <functional>
#include <string>

namespace taviro {

// The weighted score window (multiple-choice analyzer only): every subject with its right, wrong
// and blank answers, its score and its weighted score, the weights, the sort check box and the
// "Ganti Bobot" command with its dialog.
class TFSkorDibobot : public AnalysisWindow {
public:
    // Throws std::invalid_argument for an essay session, which has no weights.
    TFSkorDibobot(Session& session, UserInterface& ui, TFMemoCetak& preview);

    // One fixed row (headings), one fixed column (position in the list), eight columns.
    TextGrid SG;
    std::string LjumSubyek = "XX";
    std::string LButirSoal = "XX";
    std::string Lbobotbenar = "XX";
    std::string LbobotSalah = "XX";
    // "Urutkan berdasarkan skor (tinggi ke rendah)".
    bool CBUrutSkor = false;
    // The weight dialog of "Ganti Bobot".
    TFEditBobot EditBobot;

    const TextGrid& Grid(int index = 0) const override;
    CellRole Role(int grid, int row, int col) const override;
    CellAlignment Alignment(int grid, int row, int col) const override;
    // The score and weighted score columns are drawn in regular type.
    bool Bold(int grid, int row, int col) const override;

    // Scores the raw data when it asks for it, then refills. A scoring error propagates and
    // leaves the grid and the labels as they were.
    void RefreshView() override;
    // Rewrites the rows, the four labels and the check box from the scores as they stand.
    void FillGrid();
    // The check box was clicked (CBUrutSkor holds its new state); as in the score window.
    void CBUrutSkorClick();
    // "Ganti Bobot": the dialog gets the current weights and its FormShow runs; showModal shows
    // it and returns once it has closed (the GUI forwards the dialog's events to it). Unless
    // it was cancelled, its weights become the scores' weights and the weighted scores are
    // recomputed and shown. The mean and the standard deviation stay: they belong to the score.
    void SpeedButton2Click(const std::function<void(TFEditBobot&)>& showModal);
    // The "SKOR DATA DIBOBOT" report into the preview. Its callers ("Cetak", the first report
    // of "Olah Semua Otomatis") empty the preview first.
    void PrintReport(bool clearFirst) override;
};

} // namespace taviro
