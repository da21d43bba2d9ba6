#pragma once

#include "core/report/text_grid.h"
#include "views/analysis_window.h"

#include <string>

namespace taviro {

// The reliability window: per subject the odd-half, even-half and total scores, and for the
// whole test the mean, the standard deviation, the half-test correlation and the reliability.
// The same in both analyzers.
class TFReliabilitasTes : public AnalysisWindow {
public:
    TFReliabilitasTes(Session& session, UserInterface& ui, TFMemoCetak& preview);

    // Columns "No.Urut", "No. Subyek", "Kode/Nama Subyek", "Skor Ganjil", "Skor Genap",
    // "Skor Total"; one row per subject.
    TextGrid SG;
    std::string LRata2;
    std::string LSD;
    std::string LKorelasiXY;
    std::string LReliabilitas;

    const TextGrid& Grid(int index = 0) const override;
    CellRole Role(int grid, int row, int col) const override;
    CellAlignment Alignment(int grid, int row, int col) const override;

    // Does nothing while the reliability results are shown already; otherwise empties the labels
    // and the grid, recomputes when the results are stale and fills both. An error of the
    // computation leaves the window empty and the results marked for refilling.
    void RefreshView() override;
    void FillGrid();
    void PrintReport(bool clearFirst) override;

private:
    void ClearView();
};

} // namespace taviro
