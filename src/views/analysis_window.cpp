#include "views/analysis_window.h"

#include "core/session.h"
#include "views/user_interface.h"

namespace taviro {

AnalysisWindow::AnalysisWindow(Session& session, UserInterface& ui, TFMemoCetak& preview)
    : session_(session), ui_(ui), preview_(preview) {}

void AnalysisWindow::Cetak() {
    PrintReport(true);
    ui_.ShowPreview();
}

bool AnalysisWindow::IsEssay() const {
    return session_.Kind() == AnalyzerKind::Uraian;
}

void AnalysisWindow::SetUpHeadingGrid(TextGrid& grid, std::span<const std::string> headings) {
    grid.FixedRows = 1;
    grid.FixedCols = 1;
    grid.SetSize(2, static_cast<int>(headings.size()));
    grid.SetCells(0, 0, headings);
}

void AnalysisWindow::EmptyDataRows(TextGrid& grid) {
    grid.ClearCells();
    grid.SetRowCount(grid.FixedRows);
    grid.SetRowCount(grid.FixedRows + 1);
}

} // namespace taviro
