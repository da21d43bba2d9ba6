#include "gui/result_window.h"

#include "core/taviro_error.h"
#include "gui/colours.h"
#include "gui/grid_view.h"
#include "views/user_interface.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

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

} // namespace

ResultWindow::ResultWindow(GridWindow& logic, ResultWindowLayout layout, UserInterface& ui,
                           const TGlobal& global, QWidget* parent)
    : QDialog(parent), logic_(logic), layout_(std::move(layout)), ui_(ui) {
    setWindowTitle(layout_.Title);
    setWindowFlag(Qt::WindowMaximizeButtonHint);

    QWidget* top = Panel(MoneyGreen, this);
    auto* title = new QLabel(layout_.Title, top);
    QFont titleFont(SansFont);
    titleFont.setPixelSize(16);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setStyleSheet(QString("color: %1;").arg(Maroon.name()));
    auto* back = LinkButton("Kembali Ke Menu Utama", top);
    auto* print = LinkButton("Cetak", top);
    auto* topLayout = new QHBoxLayout(top);
    topLayout->addWidget(title);
    topLayout->addStretch();
    for (const auto& button : layout_.Buttons) {
        auto* extra = LinkButton(button.Caption, top);
        connect(extra, &QPushButton::clicked, this, [this, run = button.Run] {
            try {
                run();
            } catch (const TaviroError& error) {
                ui_.ShowError(error.what());
            }
            Reload();
        });
        topLayout->addWidget(extra);
    }
    topLayout->addWidget(back);
    topLayout->addWidget(print);

    QWidget* bar = Panel(SkyBlue, this);
    auto* barLayout = new QHBoxLayout(bar);
    QFont small(SansFont);
    small.setPixelSize(13);
    for (const auto& value : layout_.Values) {
        auto* caption = new QLabel(value.Caption, bar);
        caption->setFont(small);
        auto* text = new QLabel(bar);
        QFont font = small;
        if (value.Large) {
            font.setPixelSize(16);
            font.setBold(true);
        }
        text->setFont(font);
        text->setStyleSheet(QString("color: %1;").arg(Maroon.name()));
        text->setMinimumWidth(50);
        barLayout->addWidget(caption);
        barLayout->addWidget(text);
        barLayout->addSpacing(16);
        values_.push_back(text);
    }
    for (const auto& check : layout_.CheckBoxes) {
        auto* box = new QCheckBox(check.Caption, bar);
        box->setFont(small);
        connect(box, &QCheckBox::clicked, this, [this, set = check.Set](bool on) {
            try {
                set(on);
            } catch (const TaviroError& error) {
                ui_.ShowError(error.what());
            }
            Reload();
        });
        barLayout->addWidget(box);
        checks_.push_back(box);
    }
    barLayout->addStretch();

    auto* layoutBox = new QVBoxLayout(this);
    layoutBox->setContentsMargins(0, 0, 0, 0);
    layoutBox->setSpacing(0);
    layoutBox->addWidget(top);
    layoutBox->addWidget(bar);
    if (logic_.GridCount() == 1) {
        grids_.push_back(new GridView(logic_, 0, global, this));
        layoutBox->addWidget(grids_.front(), 1);
    } else {
        auto* splitter = new QSplitter(Qt::Vertical, this);
        for (int i = 0; i < logic_.GridCount(); ++i) {
            auto* holder = new QWidget(splitter);
            auto* holderLayout = new QVBoxLayout(holder);
            holderLayout->setContentsMargins(0, 0, 0, 0);
            if (static_cast<std::size_t>(i) < layout_.GridTitles.size()) {
                auto* heading = new QLabel(layout_.GridTitles[static_cast<std::size_t>(i)], holder);
                QFont headingFont = small;
                headingFont.setBold(true);
                heading->setFont(headingFont);
                holderLayout->addWidget(heading);
            }
            grids_.push_back(new GridView(logic_, i, global, holder));
            holderLayout->addWidget(grids_.back(), 1);
            splitter->addWidget(holder);
        }
        layoutBox->addWidget(splitter, 1);
    }
    resize(1000, 650);

    connect(back, &QPushButton::clicked, this, &QDialog::accept);
    connect(print, &QPushButton::clicked, this, [this] {
        try {
            if (layout_.Cetak) {
                layout_.Cetak();
            }
        } catch (const TaviroError& error) {
            ui_.ShowError(error.what());
        }
    });
}

void ResultWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Refresh();
}

void ResultWindow::Refresh() {
    try {
        logic_.RefreshView();
    } catch (const TaviroError& error) {
        ui_.ShowError(error.what());
    }
    Reload();
}

void ResultWindow::Reload() {
    for (GridView* grid : grids_) {
        grid->Reload();
    }
    for (std::size_t i = 0; i < values_.size(); ++i) {
        values_[i]->setText(QString::fromStdString(*layout_.Values[i].Text));
    }
    for (std::size_t i = 0; i < checks_.size(); ++i) {
        checks_[i]->setChecked(layout_.CheckBoxes[i].Get());
    }
}

QString ResultWindow::ValueText(int index) const {
    return values_.at(static_cast<std::size_t>(index))->text();
}

} // namespace taviro::gui
