#include "gui/result_window.h"

#include "core/global.h"
#include "core/taviro_error.h"
#include "gui/colours.h"
#include "gui/grid_view.h"
#include "views/user_interface.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

namespace taviro::gui {

QPushButton* LinkButton(const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setFlat(true);
    button->setCursor(Qt::PointingHandCursor);
    QFont font(SansFont);
    font.setPixelSize(13);
    font.setBold(true);
    font.setUnderline(true);
    button->setFont(font);
    button->setStyleSheet(QString("color: %1; border: none; padding: 2px 8px;").arg(Navy.name()));
    return button;
}

namespace {

QWidget* Panel(const QColor& colour, QWidget* parent) {
    auto* panel = new QWidget(parent);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, colour);
    panel->setPalette(palette);
    return panel;
}

QFont BarFont() {
    QFont font(SansFont);
    font.setPixelSize(13);
    return font;
}

QString CellText(const TextGrid& grid, int row, int col) {
    const std::string_view text = grid.Cell(row, col);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The space a cell needs besides its text: the painter's margins and a little air.
constexpr int CellPadding = 12;
// The same for a heading: the section's padding and borders.
constexpr int HeadingPadding = 10;

} // namespace

ResultWindow::ResultWindow(GridWindow& logic, ResultWindowLayout layout, UserInterface& ui,
                           const TGlobal& global, QWidget* parent)
    : QDialog(parent), logic_(logic), layout_(std::move(layout)), ui_(ui),
      headerFontSize_(global.HeaderFontSize) {
    setWindowTitle(layout_.Caption.isEmpty() ? layout_.Title : layout_.Caption);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    // The grids' cells in the stand-in for the layouts' 8-point sans serif.
    QFont gridFont(SansFont);
    gridFont.setPixelSize(11);
    setFont(gridFont);

    auto* layoutBox = new QVBoxLayout(this);
    layoutBox->setContentsMargins(0, 0, 0, 0);
    layoutBox->setSpacing(0);
    layoutBox->addWidget(BuildTopPanel());
    layoutBox->addWidget(BuildInformationBar());
    AddGrids(*layoutBox, global);
    resize(1000, 650);
}

QWidget* ResultWindow::BuildTopPanel() {
    QWidget* top = Panel(MoneyGreen, this);
    auto* title = new QLabel(layout_.Title, top);
    title->setObjectName("Title");
    title->setTextFormat(Qt::PlainText);
    QFont titleFont(SansFont);
    titleFont.setPixelSize(16);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setStyleSheet(QString("color: %1;").arg(Maroon.name()));
    back_ = LinkButton("Kembali Ke Menu Utama", top);
    back_->setObjectName("SpeedButton22");
    print_ = LinkButton("Cetak", top);
    print_->setObjectName("SpeedButton1");
    auto* topLayout = new QHBoxLayout(top);
    topLayout->addWidget(title);
    topLayout->addStretch();
    for (std::size_t i = 0; i < layout_.Buttons.size(); ++i) {
        if (layout_.Buttons[i].Where == ResultWindowLayout::Place::TopPanel) {
            topLayout->addWidget(AddButton(i, top));
        }
    }
    topLayout->addWidget(back_);
    topLayout->addWidget(print_);

    connect(back_, &QPushButton::clicked, this, &QDialog::accept);
    connect(print_, &QPushButton::clicked, this, [this] {
        RunCommand([this] {
            if (layout_.Cetak) {
                layout_.Cetak();
            }
        });
    });
    return top;
}

QPushButton* ResultWindow::AddButton(std::size_t index, QWidget* parent) {
    const ResultWindowLayout::Button& button = layout_.Buttons[index];
    auto* widget = LinkButton(button.Caption, parent);
    if (!button.Name.isEmpty()) {
        widget->setObjectName(button.Name);
    }
    connect(widget, &QPushButton::clicked, this, [this, run = button.Run] { RunCommand(run); });
    // Kept in the layout's order whatever the place, so Button(i) is the layout's button i.
    buttons_.resize(layout_.Buttons.size(), nullptr);
    buttons_[index] = widget;
    return widget;
}

QWidget* ResultWindow::BuildInformationBar() {
    QWidget* bar = Panel(SkyBlue, this);
    bar->setObjectName("InformationBar");
    auto* barLayout = new QHBoxLayout(bar);
    if (layout_.CheckBoxesFirst) {
        AddCheckBoxes(*barLayout);
        AddValues(*barLayout);
    } else {
        AddValues(*barLayout);
        AddCheckBoxes(*barLayout);
    }
    for (std::size_t i = 0; i < layout_.Buttons.size(); ++i) {
        const ResultWindowLayout::Place where = layout_.Buttons[i].Where;
        if (where == ResultWindowLayout::Place::InformationBar) {
            barLayout->addWidget(AddButton(i, bar));
        } else if (where == ResultWindowLayout::Place::InsetPanel) {
            auto* inset = new QFrame(bar);
            inset->setFrameShape(QFrame::Panel);
            inset->setFrameShadow(QFrame::Raised);
            inset->setAutoFillBackground(true);
            QPalette palette = inset->palette();
            palette.setColor(QPalette::Window, MoneyGreen);
            inset->setPalette(palette);
            auto* insetLayout = new QHBoxLayout(inset);
            insetLayout->setContentsMargins(6, 2, 6, 2);
            QPushButton* widget = AddButton(i, inset);
            QFont font = widget->font();
            font.setPixelSize(15);
            widget->setFont(font);
            insetLayout->addWidget(widget);
            barLayout->addSpacing(8);
            barLayout->addWidget(inset);
        }
    }
    if (!layout_.Notes.empty()) {
        auto* notes = new QVBoxLayout;
        notes->setSpacing(0);
        for (const QString& note : layout_.Notes) {
            auto* label = new QLabel(note, bar);
            label->setTextFormat(Qt::PlainText);
            label->setFont(BarFont());
            notes->addWidget(label);
        }
        barLayout->addSpacing(16);
        barLayout->addLayout(notes);
    }
    barLayout->addStretch();
    return bar;
}

void ResultWindow::AddValues(QBoxLayout& bar) {
    QWidget* parent = bar.parentWidget();
    for (const auto& value : layout_.Values) {
        auto* caption = new QLabel(value.Caption, parent);
        caption->setTextFormat(Qt::PlainText);
        caption->setFont(BarFont());
        auto* text = new QLabel(parent);
        text->setTextFormat(Qt::PlainText);
        if (!value.Name.isEmpty()) {
            text->setObjectName(value.Name);
        }
        QFont font = BarFont();
        if (value.Large) {
            font.setPixelSize(16);
        }
        font.setBold(value.Large || value.Bold);
        text->setFont(font);
        text->setStyleSheet(QString("color: %1;").arg(Maroon.name()));
        text->setMinimumWidth(40);
        bar.addWidget(caption);
        bar.addWidget(text);
        bar.addSpacing(16);
        values_.push_back(text);
    }
}

void ResultWindow::AddCheckBoxes(QBoxLayout& bar) {
    QWidget* parent = bar.parentWidget();
    for (const auto& check : layout_.CheckBoxes) {
        auto* box = new QCheckBox(check.Caption, parent);
        if (!check.Name.isEmpty()) {
            box->setObjectName(check.Name);
        }
        box->setFont(BarFont());
        connect(box, &QCheckBox::clicked, this,
                [this, set = check.Set](bool on) { RunCommand([&] { set(on); }); });
        bar.addWidget(box);
        bar.addSpacing(16);
        checks_.push_back(box);
    }
}

void ResultWindow::AddGrids(QBoxLayout& box, const TGlobal& global) {
    const auto nameGrid = [this](GridView* grid, int index) {
        if (static_cast<std::size_t>(index) < layout_.GridNames.size()) {
            grid->setObjectName(layout_.GridNames[static_cast<std::size_t>(index)]);
        }
        // The fixed column is headings too, centred like the fixed row.
        grid->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    };
    if (logic_.GridCount() == 1) {
        grids_.push_back(new GridView(logic_, 0, global, this));
        nameGrid(grids_.front(), 0);
        box.addWidget(grids_.front(), 1);
        return;
    }
    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->setChildrenCollapsible(false);
    for (int i = 0; i < logic_.GridCount(); ++i) {
        auto* holder = new QWidget(splitter);
        auto* holderLayout = new QVBoxLayout(holder);
        holderLayout->setContentsMargins(0, 0, 0, 0);
        holderLayout->setSpacing(0);
        if (static_cast<std::size_t>(i) < layout_.GridTitles.size()) {
            auto* heading = new QLabel(layout_.GridTitles[static_cast<std::size_t>(i)], holder);
            heading->setTextFormat(Qt::PlainText);
            QFont headingFont = BarFont();
            headingFont.setBold(true);
            heading->setFont(headingFont);
            heading->setContentsMargins(4, 2, 4, 2);
            holderLayout->addWidget(heading);
        }
        grids_.push_back(new GridView(logic_, i, global, holder));
        nameGrid(grids_.back(), i);
        holderLayout->addWidget(grids_.back(), 1);
        splitter->addWidget(holder);
    }
    box.addWidget(splitter, 1);
}

void ResultWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Refresh();
}

void ResultWindow::ShowModal() {
    setWindowState(windowState() | Qt::WindowMaximized);
    exec();
}

void ResultWindow::RunCommand(const std::function<void()>& command) {
    std::optional<std::string> error;
    try {
        command();
    } catch (const TaviroError& e) {
        error = e.what();
    }
    Reload();
    if (error) {
        ui_.ShowError(*error);
    }
}

void ResultWindow::Refresh() {
    RunCommand([this] { logic_.RefreshView(); });
}

void ResultWindow::Reload() {
    for (GridView* grid : grids_) {
        grid->Reload();
        FitColumns(*grid);
    }
    for (std::size_t i = 0; i < values_.size(); ++i) {
        values_[i]->setText(QString::fromStdString(*layout_.Values[i].Text));
    }
    for (std::size_t i = 0; i < checks_.size(); ++i) {
        checks_[i]->setChecked(layout_.CheckBoxes[i].Get());
    }
}

// Each column gets its width from the layout, widened where its heading or a cell in view would
// not fit. Only the rows in view are measured, so that opening a window of a hundred thousand
// subjects costs no more than one of ten.
void ResultWindow::FitColumns(GridView& view) {
    const GridModel& model = view.Model();
    const TextGrid& grid = model.Grid();
    QFont headingFont = view.font();
    headingFont.setBold(true);
    headingFont.setPointSize(headerFontSize_);
    const QFontMetrics headings(headingFont);
    QFont cellFont = view.font();
    cellFont.setBold(true);
    const QFontMetrics cells(cellFont);

    const int rows = model.rowCount();
    const int first = std::max(view.rowAt(0), 0);
    int last = view.rowAt(view.viewport()->height() - 1);
    if (last < 0) {
        last = std::min(rows - 1, first + 60);
    }
    const auto designWidth = [&](int gridCol) {
        const auto col = static_cast<std::size_t>(gridCol);
        if (col < layout_.ColumnWidths.size() && layout_.ColumnWidths[col] > 0) {
            return layout_.ColumnWidths[col];
        }
        return layout_.DefaultColumnWidth > 0 ? layout_.DefaultColumnWidth
                                              : view.horizontalHeader()->defaultSectionSize();
    };
    const auto wanted = [&](int gridCol, const QFontMetrics& cellMetrics, int padding) {
        int width = designWidth(gridCol);
        if (grid.FixedRows > 0) {
            width = std::max(width, headings.horizontalAdvance(CellText(grid, 0, gridCol)) +
                                        HeadingPadding);
        }
        for (int row = first; row <= last; ++row) {
            const QString text = CellText(grid, model.GridRow(row), gridCol);
            if (!text.isEmpty()) {
                width = std::max(width, cellMetrics.horizontalAdvance(text) + padding);
            }
        }
        return width;
    };
    if (grid.FixedCols > 0) {
        // The fixed column is the row headers; its heading is the corner above them.
        view.verticalHeader()->setMinimumWidth(wanted(0, headings, HeadingPadding));
    }
    for (int col = 0; col < model.columnCount(); ++col) {
        view.horizontalHeader()->resizeSection(col, wanted(model.GridCol(col), cells, CellPadding));
    }
}

QString ResultWindow::ValueText(int index) const {
    return values_.at(static_cast<std::size_t>(index))->text();
}

} // namespace taviro::gui
