#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace taviro {

// The cells of a window's grid as text, row by row. A row keeps its cells in one string with the
// end of every cell, so a grid of a whole district's answers costs a few bytes per cell; a row
// that was never written costs nothing.
class TextGrid {
public:
    int FixedRows = 1;
    int FixedCols = 1;

    int RowCount() const { return static_cast<int>(rows_.size()); }
    int ColCount() const { return cols_; }

    // Every cell empty.
    void SetSize(int rows, int cols);
    // Rows beyond the new count are dropped, new rows are empty; the others keep their cells.
    void SetRowCount(int rows);

    // An empty text for a cell outside the grid.
    std::string_view Cell(int row, int col) const;
    // Cells outside the grid are ignored.
    void SetCell(int row, int col, std::string_view text);
    // Sets the cells from firstCol on, left to right, in one pass over the row.
    void SetCells(int row, int firstCol, std::span<const std::string> texts);
    // Empties every cell that is not fixed; the fixed cells and the size stay.
    void ClearCells();

private:
    struct Row {
        std::string Text;
        // End of every cell in Text; empty while all the row's cells are empty.
        std::vector<std::uint32_t> Ends;
    };
    std::vector<Row> rows_;
    int cols_ = 0;
};

} // namespace taviro
