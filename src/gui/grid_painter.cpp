#include "gui/grid_painter.h"

#include "gui/colours.h"
#include "gui/grid_model.h"

#include <QPainter>

namespace taviro::gui {

namespace {

struct CellLook {
    QColor Background;
    QColor Text;
    // Black lines along the bottom and right edges, which set the cell off as a label.
    bool Edged = false;
};

// The colour of a prompt that an empty cell shows without holding it.
const QColor PlaceholderColour{128, 128, 128};

CellLook LookOf(CellRole role, const QColor& header, const QColor& highlight) {
    switch (role) {
    case CellRole::Heading:
        return {header, Qt::black};
    case CellRole::Key:
        return {header, Qt::black, true};
    case CellRole::Emphasised:
        return {highlight, Maroon};
    case CellRole::Yellow:
        return {CreamYellow, Qt::black};
    case CellRole::MoneyGreen:
        return {MoneyGreen, Qt::black};
    case CellRole::Red:
        return {Qt::red, Qt::white};
    case CellRole::Normal:
        break;
    }
    return {Qt::white, Qt::black};
}

} // namespace

GridPainter::GridPainter(std::uint32_t headerColour, std::uint32_t highlightColour, QObject* parent)
    : QStyledItemDelegate(parent), header_(FromStoredColour(headerColour)),
      highlight_(FromStoredColour(highlightColour)) {}

void GridPainter::paint(QPainter* painter, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const {
    const auto* model = qobject_cast<const GridModel*>(index.model());
    if (model == nullptr) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    const int row = model->GridRow(index.row());
    const int col = model->GridCol(index.column());
    const CellLook look = LookOf(model->Role(index), header_, highlight_);
    const CellAlignment alignment = model->Window().Alignment(model->GridIndex(), row, col);

    painter->save();
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    painter->fillRect(option.rect,
                      selected ? option.palette.highlight().color().lighter(160) : look.Background);
    if (look.Edged) {
        painter->setPen(Qt::black);
        painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
        painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
    }
    QFont font = option.font;
    font.setBold(model->Window().Bold(model->GridIndex(), row, col));
    QString text = index.data().toString();
    QColor pen = look.Text;
    if (text.isEmpty()) {
        text = index.data(GridModel::PlaceholderRole).toString();
        font.setBold(false);
        pen = PlaceholderColour;
    }
    painter->setFont(font);
    painter->setPen(pen);
    const QRect area = option.rect.adjusted(5, 0, -2, 0);
    const int flags =
        Qt::AlignVCenter | (alignment == CellAlignment::Left ? Qt::AlignLeft : Qt::AlignHCenter);
    painter->drawText(area, flags, text);
    painter->restore();
}

} // namespace taviro::gui
