#include "views/write_string_to_row.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace taviro {
namespace {

// A 4 x 8 grid whose every cell holds "x", so that an emptied cell and an untouched one differ.
TextGrid Filled() {
    TextGrid grid;
    grid.SetSize(4, 8);
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 8; ++col) {
            grid.SetCell(row, col, "x");
        }
    }
    return grid;
}

struct Case {
    const char* Name;
    AnalyzerKind Kind;
    std::string Text;
    int StartCol;
    // Row 2 afterwards; rows 0, 1 and 3 must keep "x" everywhere.
    std::vector<std::string> Row2;
};

const AnalyzerKind Mc = AnalyzerKind::PilihanGanda;
const AnalyzerKind Essay = AnalyzerKind::Uraian;

const Case Cases[] = {
    {"one character per cell, # empty", Mc, "ab#d", 3, {"x", "x", "x", "a", "b", "", "d", "x"}},
    {"empty text writes nothing", Mc, "", 3, {"x", "x", "x", "x", "x", "x", "x", "x"}},
    {"cut at the grid's edge", Mc, "abcdef", 5, {"x", "x", "x", "x", "x", "a", "b", "c"}},
    {"commas are characters to the multiple-choice kind",
     Mc,
     "3,4",
     0,
     {"3", ",", "4", "x", "x", "x", "x", "x"}},
    {"one piece per cell, # empty", Essay, "4,#,2.5", 3, {"x", "x", "x", "4", "", "2.5", "x", "x"}},
    {"empty piece between commas", Essay, "3,,4", 1, {"x", "3", "", "4", "x", "x", "x", "x"}},
    {"a comma at the end adds no cell", Essay, "3,4,", 2, {"x", "x", "3", "4", "x", "x", "x", "x"}},
    {"a lone comma is one empty piece", Essay, ",", 4, {"x", "x", "x", "x", "", "x", "x", "x"}},
    {"essay # alone", Essay, "#", 0, {"", "x", "x", "x", "x", "x", "x", "x"}},
    {"essay empty text writes nothing", Essay, "", 0, {"x", "x", "x", "x", "x", "x", "x", "x"}},
    {"essay pieces of several characters and the star",
     Essay,
     "10,*,7.25",
     5,
     {"x", "x", "x", "x", "x", "10", "*", "7.25"}},
};

TEST(WriteStringToRow, WritesOnlyTheRunOfCellsOfTheText) {
    for (const Case& c : Cases) {
        SCOPED_TRACE(c.Name);
        TextGrid grid = Filled();
        WriteStringToRow(grid, c.Text, c.StartCol, 2, c.Kind);
        for (int row = 0; row < grid.RowCount(); ++row) {
            for (int col = 0; col < grid.ColCount(); ++col) {
                const std::string expected =
                    row == 2 ? c.Row2[static_cast<std::size_t>(col)] : std::string("x");
                EXPECT_EQ(grid.Cell(row, col), expected) << "row " << row << ", col " << col;
            }
        }
    }
}

TEST(WriteStringToRow, IgnoresARowOutsideTheGrid) {
    TextGrid grid = Filled();
    WriteStringToRow(grid, "abc", 0, 4, Mc);
    WriteStringToRow(grid, "1,2", 0, -1, Essay);
    EXPECT_EQ(grid.RowCount(), 4);
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(grid.Cell(row, 0), "x");
    }
}

} // namespace
} // namespace taviro
