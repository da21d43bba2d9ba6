#pragma once

#include "core/report/text_grid.h"
#include "views/analysis_window.h"

#include <string>

namespace taviro {

// The item analysis summary: per item the discrimination index, the difficulty category and the
// correlation with its significance (the essay analyzer adds the t value of the two groups), and
// above the grid the test's mean, standard deviation, half-test correlation, reliability, number
// of items and number of subjects. It brings every stale analysis it shows up to date itself and
// marks their windows to refill.
class TFRekapButir : public AnalysisWindow {
public:
    TFRekapButir(Session& session, UserInterface& ui, TFMemoCetak& preview);

    // Multiple choice: "Btr Baru", "Btr Asli", "D.Pembeda(%)", "T. Kesukaran", "Korelasi",
    // "Sign. Korelasi". Essay: "No", "No Btr Asli", "T", "DP(%)", "T. Kesukaran", "Korelasi",
    // "Sign. Korelasi". One row per item.
    TextGrid SG;
    std::string LRata2;
    std::string LSD;
    std::string LKorelasiXY;
    std::string LReliabilitas;
    std::string LButirSoal;
    std::string LjumSubyek;

    const TextGrid& Grid(int index = 0) const override;
    CellRole Role(int grid, int row, int col) const override;

    // Recomputes, in turn, the discrimination, the reliability, the difficulty and the
    // correlations where they are stale, marking each recomputed one for its own window to
    // refill; then fills the labels and the grid. The scores are used as they are, and the
    // distractors are left alone. An error of a computation propagates: what was emptied before
    // it stays empty (the item count, the subject count and the grid for the discrimination; the
    // four test statistics for the reliability), the rest keeps what it showed.
    void RefreshView() override;
    void FillGrid();
    void PrintReport(bool clearFirst) override;

private:
    void BringPembedaUpToDate();
    void BringReliabilitasUpToDate();
    void BringKesukaranUpToDate();
    void BringKorelasiUpToDate();
    void FillLabels();
    void FillPilihanGanda();
    void FillUraian();
};

} // namespace taviro
