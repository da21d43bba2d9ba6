#pragma once

#include "core/report/text_grid.h"
#include "views/analysis_window.h"

#include <string>

namespace taviro {

// The difficulty window: per item the difficulty level and its category, and above the grid the
// number of subjects and of items. Multiple choice also shows the right answers of each item; the
// essay analyzer shows the level computed from the group sums.
class TFTingkatKesukaran : public AnalysisWindow {
public:
    TFTingkatKesukaran(Session& session, UserInterface& ui, TFMemoCetak& preview);

    // Multiple choice: "No Butir Baru", "No Butir Asli", "Jml Betul", "Tkt. Kesukaran(%)",
    // "Tafsiran". Essay: the same without "Jml Betul". One row per item.
    TextGrid SG;
    // "XX" until the window is first filled.
    std::string LjumSubyek = "XX";
    std::string LButirSoal = "XX";

    const TextGrid& Grid(int index = 0) const override;
    CellRole Role(int grid, int row, int col) const override;
    CellAlignment Alignment(int grid, int row, int col) const override;

    // Does nothing while the difficulty results are shown already; otherwise empties the labels
    // and the grid, recomputes when the results are stale and fills both. An error of the
    // computation propagates and leaves the labels and the grid empty and the results marked for
    // refilling, so the next showing tries again.
    void RefreshView() override;
    void FillGrid();
    void PrintReport(bool clearFirst) override;

private:
    void ClearView();
    void FillPilihanGanda();
    void FillUraian();
};

} // namespace taviro
