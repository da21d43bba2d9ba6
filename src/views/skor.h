#pragma once

#include "core/report/text_grid.h"
#include "views/analysis_window.h"

#include <string>

namespace taviro {

// The score window: scores the raw data when shown and lists every subject with its score and
// its per-item results under the item numbers and the key (essay: the ideal scores), with the
// mean, the standard deviation and the sort check box. Serves both analyzer kinds.
class TFSkor : public AnalysisWindow {
public:
    TFSkor(Session& session, UserInterface& ui, TFMemoCetak& preview);

    // Two fixed rows (new and original item numbers), one fixed column (position in the list).
    TextGrid SG;
    std::string LRata2 = "XX";
    std::string LSD = "XX";
    // "Urutkan berdasarkan skor (tinggi ke rendah)".
    bool CBUrutSkor = false;

    const TextGrid& Grid(int index = 0) const override;
    CellRole Role(int grid, int row, int col) const override;
    CellAlignment Alignment(int grid, int row, int col) const override;

    // Scores the raw data when it asks for it, then refills. A scoring error propagates; the
    // multiple-choice window then keeps what it showed, the essay window empties its non-fixed
    // cells first.
    void RefreshView() override;
    // Rewrites the grid, the two labels and the check box from the scores as they stand.
    void FillGrid();
    // The check box was clicked (CBUrutSkor holds its new state): sorts the subjects by score or
    // back into raw-data order, unless there are none or the box already matches the scores.
    void CBUrutSkorClick();
    // The "SKOR DATA" report into the preview.
    void PrintReport(bool clearFirst) override;

private:
    void WriteFixedHeadings();
};

} // namespace taviro
