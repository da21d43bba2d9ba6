#pragma once

#include "core/report/text_grid.h"
#include "views/analysis_window.h"

#include <string>

namespace taviro {

// The discrimination window: one row per item with the discrimination power, and above the grid
// the number of subjects, the group size and the number of items. Multiple choice shows the
// right answers of both groups and the index; the essay analyzer shows the group statistics, the
// t value and the index.
class TFDayaPembeda : public AnalysisWindow {
public:
    TFDayaPembeda(Session& session, UserInterface& ui, TFMemoCetak& preview);

    TextGrid SG;
    // "XX" until the window is first filled.
    std::string LjumSubyek = "XX";
    std::string LJumKel = "XX";
    std::string LButirSoal = "XX";

    const TextGrid& Grid(int index = 0) const override;
    CellRole Role(int grid, int row, int col) const override;

    // Does nothing while the results are shown already; otherwise empties the labels and the
    // grid, recomputes when the results are stale and fills both. An error of the computation
    // (too few subjects, undefined essay statistics) propagates and leaves the labels and the
    // grid empty and the results marked for refilling, so the next showing tries again.
    void RefreshView() override;
    void FillGrid();
    void PrintReport(bool clearFirst) override;

private:
    void ClearView();
    void FillPilihanGanda();
    void FillUraian();
};

} // namespace taviro
