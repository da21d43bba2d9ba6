#pragma once

#include "views/grid_window.h"

#include <QAbstractTableModel>

namespace taviro::gui {

// A window's grid as a table model. The first fixed row and the first fixed column become the
// headers, so they stay in view while the data scrolls; every other cell is read from the text
// grid when the view asks for it (no object per cell).
class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    GridModel(const GridWindow& window, int gridIndex, QObject* parent = nullptr);

    const GridWindow& Window() const { return window_; }
    int GridIndex() const { return gridIndex_; }
    const TextGrid& Grid() const { return window_.Grid(gridIndex_); }
    // The grid row and column of a model index.
    int GridRow(int modelRow) const { return modelRow + RowOffset(); }
    int GridCol(int modelCol) const { return modelCol + ColOffset(); }
    CellRole Role(const QModelIndex& index) const;

    // Reads the whole grid again, after the window refilled it.
    void Reload();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    int RowOffset() const { return Grid().FixedRows > 0 ? 1 : 0; }
    int ColOffset() const { return Grid().FixedCols > 0 ? 1 : 0; }

    const GridWindow& window_;
    int gridIndex_;
};

} // namespace taviro::gui
