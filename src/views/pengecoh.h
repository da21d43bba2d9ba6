#pragma once

#include "core/report/text_grid.h"
#include "views/analysis_window.h"

#include <string>

namespace taviro {

// The distractor window of the multiple-choice analyzer: per item how many subjects chose each
// option, each count followed by the option's quality mark, and how many left the item blank.
// The essay analyzer has no such window.
class TFPengecoh : public AnalysisWindow {
public:
    // Throws std::logic_error for an essay session, which has no distractor analysis.
    TFPengecoh(Session& session, UserInterface& ui, TFMemoCetak& preview);

    // "No Butir Baru", "No Butir Asli", one column per option ("a", "b", ...) and "*"; one row
    // per item.
    TextGrid SG;
    // "XX" until the window is first filled.
    std::string LjumSubyek = "XX";
    std::string LButirSoal = "XX";

    const TextGrid& Grid(int index = 0) const override;
    // The key's cells money green, the poor distractors ("--", "---") red.
    CellRole Role(int grid, int row, int col) const override;
    CellAlignment Alignment(int grid, int row, int col) const override;

    // The distractor results are never left current, so every refresh counts afresh, sets up the
    // option columns for the current number of options and refills. An error of the computation
    // propagates and leaves the labels empty and the grid with its headings only.
    void RefreshView() override;
    // Two rows, the headings, and one option column per option of the raw data.
    void SetUpColumns();
    void FillGrid();
    void PrintReport(bool clearFirst) override;
};

} // namespace taviro
