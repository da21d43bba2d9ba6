#pragma once

#include "core/report/text_grid.h"
#include "views/analysis_window.h"

namespace taviro {

// The upper and lower group window: the members of the two groups of the 27 % rule, each with
// its score and item results, one grid per group, closed by the right answers per item
// (multiple choice) or the group's mean and standard deviation per item (essay).
class TFUnggulAsor : public AnalysisWindow {
public:
    TFUnggulAsor(Session& session, UserInterface& ui, TFMemoCetak& preview);

    // Two fixed rows (item numbers, then the headings and item labels) and one fixed column.
    TextGrid SGUnggul;
    TextGrid SGAsor;
    // The group size n shown.
    int JumKel = 0;
    // Multiple choice: the grids show the groups of the current scores. Whoever learns that the
    // scores are stale (the coordinator marking every analysis, the main menu finding the raw data
    // marked for rescoring) sets it to false so that the next RefreshView forms them again.
    bool GroupsCurrent = false;

    int GridCount() const override { return 2; }
    // 0: SGUnggul, 1: SGAsor.
    const TextGrid& Grid(int index = 0) const override;
    CellRole Role(int grid, int row, int col) const override;
    CellAlignment Alignment(int grid, int row, int col) const override;

    // Multiple choice: forms and shows the groups unless GroupsCurrent. Essay: does nothing while
    // the group statistics are shown already; otherwise empties the grids, recomputes the
    // statistics when stale and fills the grids. An error of the essay computation leaves the
    // grids with their headings only and the statistics marked for refilling.
    void RefreshView() override;
    // Puts the score list in score order (the score window shows it so afterwards) and fills
    // both grids; without scored subjects the grids keep their headings only.
    void FillGroups();
    void PrintReport(bool clearFirst) override;

private:
    void ResetGrid(TextGrid& grid, int rows, int cols) const;
    void PrepareGroupGrid(TextGrid& grid, int n) const;
    void AddMemberRows(TextGrid& grid, int first, int n) const;
    void AddRightCountRow(TextGrid& grid, int first, int n) const;
    void AddStatisticsRows(int n);
};

} // namespace taviro
