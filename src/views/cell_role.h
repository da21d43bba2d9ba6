#pragma once

namespace taviro {

// How the GUI paints a cell; each window decides the role of its cells.
enum class CellRole {
    Normal,     // white, black, regular
    Heading,    // a fixed cell: header colour, black bold centred
    Emphasised, // highlight colour, maroon bold
    Yellow,     // yellow, black
    MoneyGreen, // money green, black
    Red,        // a value that warns: red, white text
    Key,        // the key or ideal-score row of the raw data
};

// Horizontal placement of a cell's text.
enum class CellAlignment { Left, Centre };

} // namespace taviro
