#include "core/report/text_grid.h"

#include <gtest/gtest.h>

namespace taviro {
namespace {

TEST(TextGrid, CellsCanBeSetInAnyOrderAndReadBack) {
    TextGrid grid;
    grid.SetSize(3, 4);
    grid.SetCell(1, 2, "tengah");
    grid.SetCell(1, 0, "awal");
    grid.SetCell(1, 3, "akhir");
    grid.SetCell(1, 2, "");
    grid.SetCell(1, 1, "dua");
    EXPECT_EQ(grid.Cell(1, 0), "awal");
    EXPECT_EQ(grid.Cell(1, 1), "dua");
    EXPECT_EQ(grid.Cell(1, 2), "");
    EXPECT_EQ(grid.Cell(1, 3), "akhir");
    EXPECT_EQ(grid.Cell(0, 0), "");
    // Outside the grid: nothing is read or written.
    grid.SetCell(5, 1, "x");
    grid.SetCell(1, 9, "x");
    EXPECT_EQ(grid.Cell(5, 1), "");
    EXPECT_EQ(grid.Cell(-1, 0), "");
}

TEST(TextGrid, SetCellsWritesARunAndKeepsTheRest) {
    TextGrid grid;
    grid.SetSize(2, 6);
    grid.SetCell(0, 5, "z");
    grid.SetCell(0, 0, "a");
    const std::vector<std::string> run = {"1", "", "333"};
    grid.SetCells(0, 1, run);
    EXPECT_EQ(grid.Cell(0, 0), "a");
    EXPECT_EQ(grid.Cell(0, 1), "1");
    EXPECT_EQ(grid.Cell(0, 2), "");
    EXPECT_EQ(grid.Cell(0, 3), "333");
    EXPECT_EQ(grid.Cell(0, 4), "");
    EXPECT_EQ(grid.Cell(0, 5), "z");
    // A run longer than the row stops at its end.
    const std::vector<std::string> longRun = {"p", "q", "r"};
    grid.SetCells(1, 4, longRun);
    EXPECT_EQ(grid.Cell(1, 4), "p");
    EXPECT_EQ(grid.Cell(1, 5), "q");
}

TEST(TextGrid, ClearCellsEmptiesOnlyTheCellsThatAreNotFixed) {
    TextGrid grid;
    grid.SetSize(3, 3);
    grid.FixedRows = 1;
    grid.FixedCols = 1;
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            grid.SetCell(row, col, std::to_string(row) + std::to_string(col));
        }
    }
    grid.ClearCells();
    EXPECT_EQ(grid.Cell(0, 1), "01");
    EXPECT_EQ(grid.Cell(2, 0), "20");
    EXPECT_EQ(grid.Cell(1, 1), "");
    EXPECT_EQ(grid.Cell(2, 2), "");
    EXPECT_EQ(grid.RowCount(), 3);
    // Cells written after clearing land where they belong.
    grid.SetCell(2, 1, "baru");
    EXPECT_EQ(grid.Cell(2, 1), "baru");
    EXPECT_EQ(grid.Cell(2, 2), "");
}

TEST(TextGrid, RowCountChangesKeepTheRowsThatStay) {
    TextGrid grid;
    grid.SetSize(2, 2);
    grid.SetCell(1, 1, "x");
    grid.SetRowCount(4);
    EXPECT_EQ(grid.Cell(1, 1), "x");
    EXPECT_EQ(grid.Cell(3, 1), "");
    grid.SetRowCount(1);
    EXPECT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.Cell(1, 1), "");
}

} // namespace
} // namespace taviro
