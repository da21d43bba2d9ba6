#include "gui/grid_view.h"

#include "core/global.h"
#include "gui/colours.h"
#include "gui/grid_painter.h"

#include <QHeaderView>
#include <QLabel>

#include <algorithm>

namespace taviro::gui {

GridView::GridView(const GridWindow& window, int gridIndex, const TGlobal& global, QWidget* parent)
    : QTableView(parent), model_(new GridModel(window, gridIndex, this)),
      corner_(new QLabel(this)) {
    setModel(model_);
    setItemDelegate(new GridPainter(global.HeaderColor, global.HighlightColor, this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setDefaultSectionSize(80);

    const QColor header = FromStoredColour(global.HeaderColor);
    const QString sectionStyle =
        QString("background-color: %1; color: black; font-weight: bold; font-size: %2pt; "
                "border: 1px solid #808080; padding: 2px;")
            .arg(header.name())
            .arg(global.HeaderFontSize);
    setStyleSheet("QHeaderView::section { " + sectionStyle + " } QTableCornerButton::section { " +
                  sectionStyle + " }");
    corner_->setAlignment(Qt::AlignCenter);
    corner_->setStyleSheet("QLabel { " + sectionStyle + " }");
    corner_->setAttribute(Qt::WA_TransparentForMouseEvents);
    Reload();
}

void GridView::Reload() {
    model_->Reload();
    ShowCorner();
}

void GridView::Refresh() {
    model_->Refresh();
    ShowCorner();
}

void GridView::SetHeaderRows(int rows) {
    model_->SetHeaderRows(rows);
    ShowCorner();
}

void GridView::ShowCorner() {
    const TextGrid& grid = model_->Grid();
    const int lines = std::min(model_->HeaderRows(), grid.FixedRows);
    const bool hasCorner = lines > 0 && grid.FixedCols > 0;
    corner_->setVisible(hasCorner);
    if (hasCorner) {
        QString text;
        for (int row = 0; row < lines; ++row) {
            const std::string_view cell = grid.Cell(row, 0);
            text += (row > 0 ? "\n" : "") +
                    QString::fromUtf8(cell.data(), static_cast<qsizetype>(cell.size()));
        }
        corner_->setText(text);
    }
    horizontalHeader()->setVisible(lines > 0);
    verticalHeader()->setVisible(grid.FixedCols > 0);
    PlaceCorner();
}

void GridView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    PlaceCorner();
}

void GridView::updateGeometries() {
    QTableView::updateGeometries();
    PlaceCorner();
}

void GridView::PlaceCorner() {
    corner_->setGeometry(frameWidth(), frameWidth(), verticalHeader()->width(),
                         horizontalHeader()->height());
    corner_->raise();
}

} // namespace taviro::gui
