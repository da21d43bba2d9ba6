#include "gui/grid_model.h"

namespace taviro::gui {

GridModel::GridModel(const GridWindow& window, int gridIndex, QObject* parent)
    : QAbstractTableModel(parent), window_(window), gridIndex_(gridIndex) {}

CellRole GridModel::Role(const QModelIndex& index) const {
    return window_.Role(gridIndex_, GridRow(index.row()), GridCol(index.column()));
}

void GridModel::Reload() {
    beginResetModel();
    endResetModel();
}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(Grid().RowCount() - RowOffset(), 0);
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(Grid().ColCount() - ColOffset(), 0);
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) {
        return {};
    }
    const std::string_view text = Grid().Cell(GridRow(index.row()), GridCol(index.column()));
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    const std::string_view text = orientation == Qt::Horizontal
                                      ? (RowOffset() > 0 ? Grid().Cell(0, GridCol(section))
                                                         : std::string_view())
                                      : (ColOffset() > 0 ? Grid().Cell(GridRow(section), 0)
                                                         : std::string_view());
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace taviro::gui
