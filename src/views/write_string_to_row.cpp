#include "views/write_string_to_row.h"

#include "core/text/text_helpers.h"

#include <string>
#include <vector>

namespace taviro {

void WriteStringToRow(TextGrid& grid, std::string_view text, int startCol, int row,
                      AnalyzerKind kind) {
    if (text.empty()) {
        return;
    }
    std::vector<std::string> cells;
    if (kind == AnalyzerKind::PilihanGanda) {
        // One byte per cell, as scoring reads one byte per item, so a cell always stands under
        // the item that the scores counted it for.
        cells.reserve(text.size());
        for (const char c : text) {
            cells.push_back(c == '#' ? std::string() : std::string(1, c));
        }
    } else {
        cells = SplitText(text, ',');
        for (std::string& piece : cells) {
            if (piece == "#") {
                piece.clear();
            }
        }
    }
    grid.SetCells(row, startCol, cells);
}

} // namespace taviro
