#pragma once

#include "core/analyzer_kind.h"
#include "core/report/text_grid.h"

#include <string_view>

namespace taviro {

// Spreads an answer, key or score string over consecutive cells of one row from startCol on.
// Multiple choice: one character per cell. Essay: one ','-separated piece per cell, an empty
// piece between two ',' giving an empty cell and a ',' at the very end adding none. A "#" (the
// editor's empty cell) gives an empty cell in both; an empty text writes nothing, and no cell
// outside the written run or outside the grid is touched.
void WriteStringToRow(TextGrid& grid, std::string_view text, int startCol, int row,
                      AnalyzerKind kind);

} // namespace taviro
