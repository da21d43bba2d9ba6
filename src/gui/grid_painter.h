#pragma once

#include <QStyledItemDelegate>

#include <cstdint>

namespace taviro::gui {

// Draws every grid cell of the program by the one colour convention: headings on the header
// colour, emphasised cells on the highlight colour in bold maroon, labels in a data row on the
// header colour with black lines under and right of them, the window's other roles, and plain
// white cells; texts centred vertically, either centred or 5 pixels from the left edge. An empty
// cell shows its placeholder, if the model gives one, in grey.
class GridPainter : public QStyledItemDelegate {
    Q_OBJECT
public:
    GridPainter(std::uint32_t headerColour, std::uint32_t highlightColour, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    QColor header_;
    QColor highlight_;
};

} // namespace taviro::gui
