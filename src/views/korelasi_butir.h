#pragma once

#include "core/report/text_grid.h"
#include "views/analysis_window.h"

#include <string>

namespace taviro {

// The correlation window: per item the correlation of the item with the test score and its
// significance, and above the grid the number of subjects and of items. The same in both
// analyzers. Its button "Info tentang batas signifikansi" shows TFInfoBatasSIg, whose text also
// ends the report.
class TFKorelasiButir : public AnalysisWindow {
public:
    TFKorelasiButir(Session& session, UserInterface& ui, TFMemoCetak& preview);

    // "No Butir Baru", "No Butir Asli", "Korelasi", "Signifikansi"; one row per item.
    TextGrid SG;
    // "XX" until the window is first filled.
    std::string LjumSubyek = "XX";
    std::string LButirSoal = "XX";

    const TextGrid& Grid(int index = 0) const override;
    CellRole Role(int grid, int row, int col) const override;

    // Does nothing while the correlations are shown already; otherwise empties the labels and the
    // grid, recomputes when the results are stale and fills both. An error of the computation
    // propagates and leaves the labels and the grid empty and the results marked for refilling.
    // An undefined coefficient is no error: its row shows "NAN" in both result columns.
    void RefreshView() override;
    void FillGrid();
    void PrintReport(bool clearFirst) override;

private:
    void ClearView();
};

} // namespace taviro
