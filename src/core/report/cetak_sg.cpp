#include "core/report/cetak_sg.h"

#include "core/global.h"
#include "core/text/text_helpers.h"

#include <algorithm>

namespace taviro {

namespace {

// Where the widths of the repeated columns and, per further column, its width + 2 add up to
// more than 75, the line is full.
constexpr int LineLimit = 75;

int WidthOf(const ColumnLayout& layout, int col) {
    return col < static_cast<int>(layout.ColWidths.size())
               ? layout.ColWidths[static_cast<std::size_t>(col)]
               : 10;
}

// " text " padded with blanks to the column's width on the right (left-aligned) or the left.
void AppendCell(std::string& line, std::string_view text, int width, bool leftAligned) {
    const auto length = static_cast<int>(CharacterCount(text));
    const auto padding = static_cast<std::size_t>(std::max(width - length, 0));
    line += ' ';
    if (!leftAligned) {
        line.append(padding, ' ');
    }
    line += text;
    if (leftAligned) {
        line.append(padding, ' ');
    }
    line += ' ';
}

std::string NamaBerkasLine(const TGlobal& global) {
    std::string name = global.FileName;
    for (char& c : name) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return "Nama berkas: " + name;
}

// The blocks of one grid, two empty lines after each.
void AppendBlocks(const ColumnLayout& layout, const TextGrid& grid, bool truncateAll,
                  MemoLines& memo) {
    const int cols = grid.ColCount();
    const int repeated = std::min(layout.LastRepeatedCol + 1, cols);
    int repeatedWidth = 0;
    for (int col = 0; col < repeated; ++col) {
        repeatedWidth += WidthOf(layout, col) + 2;
    }
    const auto cell = [&](std::string& line, int row, int col, bool truncate) {
        const int width = WidthOf(layout, col);
        const std::string_view text = grid.Cell(row, col);
        const bool left = col < 256 && layout.LeftAligned[static_cast<std::size_t>(col)];
        if (truncate) {
            AppendCell(line, TruncateText(text, width), width, left);
        } else {
            AppendCell(line, text, width, left);
        }
    };

    int first = repeated;
    do {
        // The block's first column is always taken; each further one while the line holds it.
        int last = first;
        int width = repeatedWidth;
        while (last + 1 < cols && width + WidthOf(layout, last + 1) + 2 <= LineLimit) {
            width += WidthOf(layout, last + 1) + 2;
            ++last;
        }
        for (int row = 0; row < grid.RowCount(); ++row) {
            std::string line;
            for (int col = 0; col < repeated; ++col) {
                cell(line, row, col, true);
            }
            for (int col = first; col <= last && col < cols; ++col) {
                cell(line, row, col, truncateAll);
            }
            memo.push_back(std::move(line));
        }
        memo.emplace_back();
        memo.emplace_back();
        first = last + 1;
    } while (first < cols);
}

} // namespace

void ColumnLayout::SetAllWidths(int width) { std::fill(ColWidths.begin(), ColWidths.end(), width); }

void ColumnLayout::SetColWidth(int col, int width) {
    if (col >= 0 && col < static_cast<int>(ColWidths.size())) {
        ColWidths[static_cast<std::size_t>(col)] = width;
    }
}

void TCetakSG::SetGrid(const TextGrid& grid) {
    Grid = &grid;
    ColWidths.assign(static_cast<std::size_t>(grid.ColCount()), 10);
}

void TCetakSG::BuildReport(bool clearFirst) {
    if (clearFirst) {
        Memo->clear();
    }
    Memo->insert(Memo->end(), HeaderLines.begin(), HeaderLines.end());
    Memo->push_back(NamaBerkasLine(global_));
    Memo->emplace_back();
    AppendBlocks(*this, *Grid, true, *Memo);
    Memo->emplace_back();
    Memo->insert(Memo->end(), FooterLines.begin(), FooterLines.end());
    HeaderLines.clear();
    FooterLines.clear();
}

void TCetakMultiSG::SetGrid(int number, const TextGrid& grid) {
    Grids[number == 2 ? 1 : 0] = &grid;
    ColWidths.assign(static_cast<std::size_t>(grid.ColCount()), 10);
}

void TCetakMultiSG::BuildReport(bool clearFirst) {
    if (clearFirst) {
        Memo->clear();
    }
    for (int i = 0; i < 2; ++i) {
        Memo->insert(Memo->end(), HeaderLines[i].begin(), HeaderLines[i].end());
        Memo->push_back(NamaBerkasLine(global_));
        Memo->emplace_back();
        AppendBlocks(*this, *Grids[i], false, *Memo);
        Memo->emplace_back();
        Memo->insert(Memo->end(), FooterLines[i].begin(), FooterLines[i].end());
    }
    for (int i = 0; i < 2; ++i) {
        HeaderLines[i].clear();
        FooterLines[i].clear();
    }
}

} // namespace taviro
