#pragma once

#include "core/report/text_grid.h"

#include <bitset>
#include <string>
#include <vector>

namespace taviro {

class TGlobal;

// The lines of the report preview.
using MemoLines = std::vector<std::string>;

// Settings that both report formatters share: the widths and the alignment of the columns.
struct ColumnLayout {
    // Printed width of each column in characters.
    std::vector<int> ColWidths;
    // Columns 0 to this one start every block.
    int LastRepeatedCol = 1;
    // Columns printed left-aligned; every other column is right-aligned.
    std::bitset<256> LeftAligned;

    void SetAllWidths(int width);
    void SetColWidth(int col, int width);
};

// Turns one grid into fixed-width text lines: a grid wider than a line is cut into vertical
// blocks, each starting with the repeated columns and holding as many further columns as fit in
// about 76 characters.
class TCetakSG : public ColumnLayout {
public:
    explicit TCetakSG(const TGlobal& global) : global_(global) {}

    const TextGrid* Grid = nullptr;
    MemoLines* Memo = nullptr;
    std::vector<std::string> HeaderLines;
    std::vector<std::string> FooterLines;

    // Binds the grid; every column gets the width 10.
    void SetGrid(const TextGrid& grid);
    // Writes the report into Memo (emptied first when clearFirst), then empties the header and
    // footer lines.
    void BuildReport(bool clearFirst);

private:
    const TGlobal& global_;
};

// The same for two grids printed one after the other with one width list. Only the repeated
// columns are cut to their width; the others are printed whole.
class TCetakMultiSG : public ColumnLayout {
public:
    explicit TCetakMultiSG(const TGlobal& global) : global_(global) {}

    // Grids 1 and 2 at indexes 0 and 1.
    const TextGrid* Grids[2] = {nullptr, nullptr};
    MemoLines* Memo = nullptr;
    std::vector<std::string> HeaderLines[2];
    std::vector<std::string> FooterLines[2];

    // number is 1 or 2; the width list gets the column count of this grid, every entry 10.
    void SetGrid(int number, const TextGrid& grid);
    void BuildReport(bool clearFirst);

private:
    const TGlobal& global_;
};

} // namespace taviro
