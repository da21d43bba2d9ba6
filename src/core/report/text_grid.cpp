#include "core/report/text_grid.h"

#include <algorithm>

namespace taviro {

void TextGrid::SetSize(int rows, int cols) {
    cols_ = std::max(cols, 0);
    rows_.assign(static_cast<std::size_t>(std::max(rows, 0)), Row{});
}

void TextGrid::SetRowCount(int rows) { rows_.resize(static_cast<std::size_t>(std::max(rows, 0))); }

std::string_view TextGrid::Cell(int row, int col) const {
    if (row < 0 || row >= RowCount() || col < 0 || col >= cols_) {
        return {};
    }
    const Row& r = rows_[static_cast<std::size_t>(row)];
    if (r.Ends.empty()) {
        return {};
    }
    const auto c = static_cast<std::size_t>(col);
    const std::uint32_t start = c == 0 ? 0 : r.Ends[c - 1];
    return std::string_view(r.Text).substr(start, r.Ends[c] - start);
}

void TextGrid::SetCell(int row, int col, std::string_view text) {
    if (row < 0 || row >= RowCount() || col < 0 || col >= cols_) {
        return;
    }
    Row& r = rows_[static_cast<std::size_t>(row)];
    if (r.Ends.empty()) {
        if (text.empty()) {
            return;
        }
        r.Ends.assign(static_cast<std::size_t>(cols_), 0);
    }
    const auto c = static_cast<std::size_t>(col);
    const std::uint32_t start = c == 0 ? 0 : r.Ends[c - 1];
    const std::uint32_t end = r.Ends[c];
    r.Text.replace(start, end - start, text);
    const auto delta = static_cast<std::int64_t>(text.size()) - (end - start);
    for (std::size_t k = c; k < r.Ends.size(); ++k) {
        r.Ends[k] = static_cast<std::uint32_t>(r.Ends[k] + delta);
    }
}

void TextGrid::SetCells(int row, int firstCol, std::span<const std::string> texts) {
    if (row < 0 || row >= RowCount() || firstCol < 0 || firstCol >= cols_) {
        return;
    }
    Row& r = rows_[static_cast<std::size_t>(row)];
    if (r.Ends.empty()) {
        r.Ends.assign(static_cast<std::size_t>(cols_), 0);
    }
    const auto first = static_cast<std::size_t>(firstCol);
    const std::size_t last = std::min(first + texts.size(), r.Ends.size());
    // Rebuild from firstCol on: the cells after the written ones keep their text.
    const std::uint32_t start = first == 0 ? 0 : r.Ends[first - 1];
    const std::uint32_t tailStart = last == 0 ? 0 : r.Ends[last - 1];
    std::string tail = r.Text.substr(tailStart);
    std::vector<std::uint32_t> tailLengths;
    for (std::size_t k = last; k < r.Ends.size(); ++k) {
        tailLengths.push_back(r.Ends[k] - (k == 0 ? 0 : r.Ends[k - 1]));
    }
    r.Text.resize(start);
    for (std::size_t k = first; k < last; ++k) {
        r.Text += texts[k - first];
        r.Ends[k] = static_cast<std::uint32_t>(r.Text.size());
    }
    std::uint32_t end = static_cast<std::uint32_t>(r.Text.size());
    r.Text += tail;
    for (std::size_t k = last; k < r.Ends.size(); ++k) {
        end += tailLengths[k - last];
        r.Ends[k] = end;
    }
}

void TextGrid::ClearCells() {
    const auto fixedCols = static_cast<std::size_t>(std::clamp(FixedCols, 0, cols_));
    for (int row = std::max(FixedRows, 0); row < RowCount(); ++row) {
        Row& r = rows_[static_cast<std::size_t>(row)];
        if (r.Ends.empty()) {
            continue;
        }
        const std::uint32_t fixedEnd = fixedCols == 0 ? 0 : r.Ends[fixedCols - 1];
        r.Text.resize(fixedEnd);
        std::fill(r.Ends.begin() + static_cast<std::ptrdiff_t>(fixedCols), r.Ends.end(), fixedEnd);
    }
}

} // namespace taviro
