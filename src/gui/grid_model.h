#pragma once

#include "views/grid_window.h"

#include <QAbstractTableModel>

#include <algorithm>
#include <functional>
#include <string_view>

namespace taviro::gui {

// A window's grid as a table model. The first fixed row (or, when asked, the first few) and the
// first fixed column become the headers, so they stay in view while the data scrolls; every other
// cell is read from the text grid when the view asks for it (no object per cell).
class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The text that an empty cell shows without holding it, for the painter to draw greyed.
    static constexpr int PlaceholderRole = Qt::UserRole + 1;

    GridModel(const GridWindow& window, int gridIndex, QObject* parent = nullptr);

    const GridWindow& Window() const { return window_; }
    int GridIndex() const { return gridIndex_; }
    const TextGrid& Grid() const { return window_.Grid(gridIndex_); }
    // The grid row and column of a model index.
    int GridRow(int modelRow) const { return modelRow + RowOffset(); }
    int GridCol(int modelCol) const { return modelCol + ColOffset(); }
    // The model index of a grid cell; invalid for a cell in the headers or outside the grid.
    QModelIndex IndexOf(int gridRow, int gridCol) const;
    CellRole Role(const QModelIndex& index) const;

    // How many fixed rows the column headers show, one line each: 1 unless set, so that any
    // further fixed rows scroll with the data. Capped at the grid's fixed rows.
    int HeaderRows() const { return headerRows_; }
    void SetHeaderRows(int rows);
    // Where an empty cell shows a prompt: none unless set.
    std::function<std::string_view(int gridRow, int gridCol)> Placeholder;

    // Reads the whole grid again, after the window refilled it.
    void Reload();
    // After the window changed texts: repaints every cell and heading while the grid kept its
    // size (the view keeps its column widths and scroll position), else Reload.
    void Refresh();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    int RowOffset() const { return std::min(Grid().FixedRows, headerRows_); }
    int ColOffset() const { return Grid().FixedCols > 0 ? 1 : 0; }

    const GridWindow& window_;
    int gridIndex_;
    int headerRows_ = 1;
    // The size the view was last told of.
    int shownRows_ = 0;
    int shownCols_ = 0;
};

} // namespace taviro::gui
