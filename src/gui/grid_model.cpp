#include "gui/grid_model.h"

#include <algorithm>

namespace taviro::gui {

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

GridModel::GridModel(const GridWindow& window, int gridIndex, QObject* parent)
    : QAbstractTableModel(parent), window_(window), gridIndex_(gridIndex), shownRows_(rowCount()),
      shownCols_(columnCount()) {}

QModelIndex GridModel::IndexOf(int gridRow, int gridCol) const {
    return index(gridRow - RowOffset(), gridCol - ColOffset());
}

CellRole GridModel::Role(const QModelIndex& index) const {
    return window_.Role(gridIndex_, GridRow(index.row()), GridCol(index.column()));
}

void GridModel::SetHeaderRows(int rows) {
    beginResetModel();
    headerRows_ = std::max(rows, 0);
    endResetModel();
    shownRows_ = rowCount();
    shownCols_ = columnCount();
}

void GridModel::Reload() {
    beginResetModel();
    endResetModel();
    shownRows_ = rowCount();
    shownCols_ = columnCount();
}

void GridModel::Refresh() {
    if (rowCount() != shownRows_ || columnCount() != shownCols_) {
        Reload();
        return;
    }
    if (shownRows_ > 0 && shownCols_ > 0) {
        emit dataChanged(index(0, 0), index(shownRows_ - 1, shownCols_ - 1));
    }
    if (shownCols_ > 0) {
        emit headerDataChanged(Qt::Horizontal, 0, shownCols_ - 1);
    }
    if (shownRows_ > 0) {
        emit headerDataChanged(Qt::Vertical, 0, shownRows_ - 1);
    }
}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(Grid().RowCount() - RowOffset(), 0);
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(Grid().ColCount() - ColOffset(), 0);
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const int row = GridRow(index.row());
    const int col = GridCol(index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return Text(Grid().Cell(row, col));
    case PlaceholderRole:
        return Placeholder ? Text(Placeholder(row, col)) : QString();
    default:
        return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Vertical) {
        return ColOffset() > 0 ? Text(Grid().Cell(GridRow(section), 0)) : QString();
    }
    // Several heading rows read as one heading of several lines.
    QString text;
    for (int row = 0; row < RowOffset(); ++row) {
        if (row > 0) {
            text += '\n';
        }
        text += Text(Grid().Cell(row, GridCol(section)));
    }
    return text;
}

} // namespace taviro::gui
