#pragma once

#include "core/report/text_grid.h"
#include "views/grid_window.h"

#include <span>
#include <string>

namespace taviro {

class Session;
class UserInterface;
class TFMemoCetak;

// What the score and analysis windows share: the session whose results they show, the user
// interface and the preview they report through, and "Cetak".
class AnalysisWindow : public GridWindow {
public:
    // "Cetak": the report into an emptied preview, then the preview.
    void Cetak();

protected:
    AnalysisWindow(Session& session, UserInterface& ui, TFMemoCetak& preview);

    bool IsEssay() const;

    // A grid with one heading row holding the headings, the first column fixed, and one empty
    // data row.
    static void SetUpHeadingGrid(TextGrid& grid, std::span<const std::string> headings);
    // Empties the cells and leaves one empty data row. Dropping the data rows also drops their
    // numbers in the fixed column, so that a failed computation leaves no row of the previous
    // results behind.
    static void EmptyDataRows(TextGrid& grid);

    Session& session_;
    UserInterface& ui_;
    TFMemoCetak& preview_;
};

} // namespace taviro
