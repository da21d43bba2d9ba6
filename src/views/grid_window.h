#pragma once

#include "core/report/text_grid.h"
#include "views/cell_role.h"

namespace taviro {

// What every result window offers: its grids as text, the role of every cell, and the pattern of
// refreshing and printing.
class GridWindow {
public:
    virtual ~GridWindow() = default;

    virtual int GridCount() const { return 1; }
    virtual const TextGrid& Grid(int index = 0) const = 0;
    virtual CellRole Role(int grid, int row, int col) const = 0;
    virtual CellAlignment Alignment(int grid, int row, int col) const {
        (void)grid;
        (void)row;
        (void)col;
        return CellAlignment::Centre;
    }
    // Whether the cell's text is bold: headings, emphasised cells, keys and yellow cells are,
    // unless a window says otherwise.
    virtual bool Bold(int grid, int row, int col) const {
        const CellRole role = Role(grid, row, col);
        return role == CellRole::Heading || role == CellRole::Emphasised ||
               role == CellRole::Key || role == CellRole::Yellow;
    }

    // Recomputes what is stale and refills what must be refilled.
    virtual void RefreshView() = 0;
    // Builds the window's report into the preview, emptied first when clearFirst.
    virtual void PrintReport(bool clearFirst) = 0;
};

} // namespace taviro
