#include "gui/main_window.h"

#include "gui/colours.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace taviro::gui {

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The component names of the links, which tests and style sheets find them by.
const char* ComponentName(MenuLink link) {
    switch (link) {
    case MenuLink::LEditDataMentah:
        return "LEditDataMentah";
    case MenuLink::LBuatFile:
        return "LBuatFile";
    case MenuLink::LBacaFile:
        return "LBacaFile";
    case MenuLink::LSimpan:
        return "LSimpan";
    case MenuLink::LSaveAs:
        return "LSaveAs";
    case MenuLink::LKeluar:
        return "LKeluar";
    case MenuLink::LPenyekoran:
        return "LPenyekoran";
    case MenuLink::LSkorDibobot:
        return "LSkorDibobot";
    case MenuLink::LOlahSemua:
        return "LOlahSemua";
    case MenuLink::LReliabilitas:
        return "LReliabilitas";
    case MenuLink::LUnggulAsor:
        return "LUnggulAsor";
    case MenuLink::LDayaPembeda:
        return "LDayaPembeda";
    case MenuLink::LtkKesukaran:
        return "LtkKesukaran";
    case MenuLink::LKorelasiButir:
        return "LKorelasiButir";
    case MenuLink::LKualitasPengecoh:
        return "LKualitasPengecoh";
    case MenuLink::LRekapButir:
        break;
    }
    return "LRekapButir";
}

const char* ColumnName(MenuColumn column) {
    switch (column) {
    case MenuColumn::File:
        return "PFile";
    case MenuColumn::Penyekoran:
        return "PPenyekoran";
    case MenuColumn::OlahData:
        break;
    }
    return "POlah";
}

void Paint(QWidget* widget, const QColor& colour) {
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
}

QFont SansPixels(int pixels, bool bold = false, bool italic = false) {
    QFont font(SansFont);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QLabel* Label(const QString& text, const QFont& font, const QColor& colour, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

// The pictures of the two spacer panels: a histogram of scores and the bell curve behind it.
QPixmap SpacerPicture(int index, const QColor& ink) {
    QPixmap picture(100, 80);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ink, 2));
    painter.drawLine(8, 72, 92, 72);
    if (index == 0) {
        const int heights[] = {14, 30, 52, 40, 22, 10};
        painter.setBrush(ink);
        for (int i = 0; i < 6; ++i) {
            painter.drawRect(12 + i * 13, 72 - heights[i], 9, heights[i]);
        }
    } else {
        QPainterPath curve(QPointF(8, 70));
        curve.cubicTo(QPointF(36, 70), QPointF(38, 8), QPointF(50, 8));
        curve.cubicTo(QPointF(62, 8), QPointF(64, 70), QPointF(92, 70));
        painter.drawPath(curve);
        painter.drawLine(50, 8, 50, 72);
    }
    return picture;
}

} // namespace

MenuLinkLabel::MenuLinkLabel(const QString& caption, const QColor& colour,
                             const QColor& hoverColour, QWidget* parent)
    : QLabel(caption, parent), colour_(colour), hoverColour_(hoverColour) {
    QFont font = this->font();
    font.setBold(true);
    font.setUnderline(true);
    setFont(font);
    ApplyState();
}

QColor MenuLinkLabel::TextColour() const {
    return palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                           QPalette::WindowText);
}

void MenuLinkLabel::ApplyState() {
    if (!isEnabled()) {
        hovered_ = false;
    }
    QPalette palette = this->palette();
    const QColor active = hovered_ ? hoverColour_ : colour_;
    palette.setColor(QPalette::Active, QPalette::WindowText, active);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, active);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, Qt::gray);
    setPalette(palette);
    setCursor(isEnabled() ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void MenuLinkLabel::enterEvent(QEnterEvent* event) {
    hovered_ = isEnabled();
    ApplyState();
    QLabel::enterEvent(event);
}

void MenuLinkLabel::leaveEvent(QEvent* event) {
    hovered_ = false;
    ApplyState();
    QLabel::leaveEvent(event);
}

void MenuLinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (isEnabled() && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint())) {
        emit Clicked();
    }
}

void MenuLinkLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        hovered_ = isEnabled() && underMouse();
        ApplyState();
    }
}

MainWindow::MainWindow(TFUtama& utama, std::vector<std::string> arguments, QWidget* parent)
    : QWidget(parent), utama_(utama), arguments_(std::move(arguments)) {
    setObjectName("FUtama");
    setWindowTitle(Text(utama_.Caption()));
    Paint(this, FromStoredColour(utama_.BackgroundColor()));

    menu_ = new QScrollArea(this);
    menu_->setObjectName("SBmenu");
    menu_->setFrameShape(QFrame::NoFrame);
    menu_->setWidgetResizable(true);
    menu_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    auto* content = new QWidget(menu_);
    Paint(content, FromStoredColour(utama_.BackgroundColor()));
    auto* row = new QHBoxLayout(content);
    row->setContentsMargins(25, 12, 25, 12);
    row->setSpacing(0);
    // On a wide screen the columns stay together in the middle.
    row->addStretch(1);
    const taviro::MenuColumn order[] = {taviro::MenuColumn::File, taviro::MenuColumn::Penyekoran,
                                        taviro::MenuColumn::OlahData};
    for (int i = 0; i < 3; ++i) {
        if (i > 0) {
            auto* spacer = new QLabel(content);
            spacer->setObjectName(i == 1 ? "P1" : "P2");
            spacer->setPixmap(SpacerPicture(i - 1, CreamYellow));
            spacer->setAlignment(Qt::AlignCenter);
            spacer->setMinimumWidth(SpacerMinimumWidth);
            spacer->setMaximumWidth(SpacerMaximumWidth);
            spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
            row->addWidget(spacer);
            spacers_.push_back(spacer);
        }
        columns_.push_back(ColumnPanel(order[i]));
        columns_.back()->setParent(content);
        row->addWidget(columns_.back());
    }
    row->addStretch(1);
    menu_->setWidget(content);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(TitleBand());
    layout->addWidget(FileLine());
    layout->addWidget(menu_, 1);
    layout->addWidget(BottomBand());

    // "Keluar dari Taviro" closes the window as its close box does, through the save question.
    utama_.OnClose = [this] { close(); };
    UpdateFromLogic();
}

MainWindow::~MainWindow() {
    utama_.OnClose = nullptr;
}

bool MainWindow::IsPilihanGanda() const {
    return utama_.FInfoJawaban.Kind == AnalyzerKind::PilihanGanda;
}

QWidget* MainWindow::TitleBand() {
    auto* band = new QWidget(this);
    band->setObjectName("TitleBand");
    band->setFixedHeight(49);
    auto* title = Label(Text(utama_.Title()), SansPixels(35, false, true), CreamYellow, band);
    title->setObjectName("Title");
    auto* row = new QHBoxLayout;
    row->setContentsMargins(25, 0, 25, 0);
    row->addWidget(title, 0, Qt::AlignBottom);
    if (!utama_.TitleUraian().empty()) {
        row->addSpacing(16);
        auto* uraian =
            Label(Text(utama_.TitleUraian()), SansPixels(35, false, true), CreamYellow, band);
        uraian->setObjectName("TitleUraian");
        row->addWidget(uraian, 0, Qt::AlignBottom);
    }
    row->addSpacing(24);
    const QFont versionFont =
        IsPilihanGanda() ? SansPixels(16, true, true) : SansPixels(13, false, true);
    auto* version = Label(Text(utama_.VersionText()), versionFont, CreamYellow, band);
    version->setObjectName("Version");
    row->addWidget(version, 0, Qt::AlignBottom);
    row->addStretch();
    // The title gives way on a narrow screen instead of widening the window.
    for (QLabel* label : band->findChildren<QLabel*>()) {
        label->setMinimumWidth(label->sizeHint().width() / 4);
    }
    auto* line = new QFrame(band);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    auto* column = new QVBoxLayout(band);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addLayout(row, 1);
    column->addWidget(line);
    return band;
}

QWidget* MainWindow::FileLine() {
    auto* line = new QWidget(this);
    const QColor colour = IsPilihanGanda() ? QColor(Qt::white) : CreamYellow;
    auto* caption = Label(Text(TFUtama::LabelFileTerbuka), SansPixels(14, true), colour, line);
    fileName_ = Label(QString(), SansPixels(14, true), colour, line);
    fileName_->setObjectName("LNamaFile");
    fileName_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    fileName_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* row = new QHBoxLayout(line);
    row->setContentsMargins(25, 8, 25, 4);
    row->addWidget(caption);
    row->addWidget(fileName_, 1);
    return line;
}

QWidget* MainWindow::ColumnPanel(taviro::MenuColumn column) {
    // The essay analyzer frames its FILE column in teal around sky blue.
    const bool framed = !IsPilihanGanda() && column == taviro::MenuColumn::File;
    auto* panel = new QFrame;
    panel->setObjectName(ColumnName(column));
    panel->setFixedWidth(ColumnWidth);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    Paint(panel, framed ? Teal : LightGreen);
    auto* inner = new QWidget(panel);
    Paint(inner, framed ? SkyBlue : LightGreen);
    auto* outer = new QVBoxLayout(panel);
    outer->setContentsMargins(framed ? 5 : 2, framed ? 5 : 2, framed ? 5 : 2, framed ? 5 : 2);
    outer->addWidget(inner);

    auto* links = new QVBoxLayout(inner);
    links->setContentsMargins(12, 10, 8, 10);
    links->setSpacing(6);
    auto* heading =
        Label(Text(TFUtama::ColumnHeading(column)), SansPixels(16, true), Maroon, inner);
    links->addWidget(heading);
    // The short blank line above the first link.
    links->addSpacing(10);
    for (const MenuLinkInfo& info : utama_.Links()) {
        if (info.Column != column) {
            continue;
        }
        auto* link = new MenuLinkLabel(Text(info.Caption), FromStoredColour(TFUtama::LinkColor),
                                       FromStoredColour(TFUtama::LinkHoverColor), inner);
        link->setObjectName(ComponentName(info.Link));
        QFont font = link->font();
        font.setFamily(SansFont);
        font.setPixelSize(14);
        link->setFont(font);
        link->setWordWrap(true);
        connect(link, &MenuLinkLabel::Clicked, this, [this, which = info.Link] {
            utama_.LinkClick(which);
            UpdateFromLogic();
        });
        links->addWidget(link);
        links_[info.Link] = link;
    }
    links->addStretch();
    return panel;
}

QWidget* MainWindow::BottomBand() {
    auto* band = new QWidget(this);
    band->setObjectName("BottomBand");
    const auto makeLink = [band](const std::string& caption, const char* name) {
        auto* link =
            new MenuLinkLabel(QString::fromStdString(caption), CreamYellow, CreamYellow, band);
        link->setObjectName(name);
        QFont font = link->font();
        font.setFamily(SansFont);
        font.setPixelSize(13);
        font.setBold(false);
        link->setFont(font);
        link->setWordWrap(true);
        return link;
    };
    SBAbout = makeLink(TFUtama::SBAboutCaption(), "SBAbout");
    SBWeb = makeLink(TFUtama::SBWebCaption(), "SBWeb");
    auto* column = new QVBoxLayout(band);
    column->setContentsMargins(25, 6, 25, 10);
    column->setSpacing(4);
    column->addWidget(SBAbout);
    column->addWidget(SBWeb);
    connect(SBAbout, &MenuLinkLabel::Clicked, this, [this] {
        utama_.SBAboutClick();
        UpdateFromLogic();
    });
    connect(SBWeb, &MenuLinkLabel::Clicked, this, [this] { utama_.SBWebClick(); });
    return band;
}

MenuLinkLabel* MainWindow::Link(MenuLink link) const {
    const auto found = links_.find(link);
    return found == links_.end() ? nullptr : found->second;
}

void MainWindow::UpdateFromLogic() {
    for (const auto& [link, enabled] : utama_.LinkStates()) {
        if (MenuLinkLabel* label = Link(link)) {
            label->setEnabled(enabled);
        }
    }
    fileName_->setText(QString::fromStdString(utama_.LNamaFile));
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The logic may have moved on while the window was hidden (a document opened by the program).
    UpdateFromLogic();
    FitMenu();
    // The command-line document opens once the window is on the screen; the logic opens it at
    // the first showing only.
    QTimer::singleShot(0, this, [this] {
        utama_.FormShow(arguments_);
        UpdateFromLogic();
    });
}

void MainWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // Back from a modal window, whatever it did to the logic shows.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        UpdateFromLogic();
    }
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FitMenu();
}

void MainWindow::FitMenu() {
    const QMargins margins = menu_->widget()->layout()->contentsMargins();
    const int needed = margins.left() + margins.right() +
                       static_cast<int>(columns_.size()) * ColumnWidth +
                       static_cast<int>(spacers_.size()) * SpacerMinimumWidth;
    const bool narrow = needed > menu_->maximumViewportSize().width();
    for (QWidget* spacer : spacers_) {
        if (narrow) {
            spacer->setFixedWidth(0);
        } else {
            spacer->setMinimumWidth(SpacerMinimumWidth);
            spacer->setMaximumWidth(SpacerMaximumWidth);
        }
    }
    if (narrow) {
        menu_->horizontalScrollBar()->setValue(0);
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (utama_.FormCloseQuery()) {
        event->accept();
    } else {
        event->ignore();
    }
    UpdateFromLogic();
}

} // namespace taviro::gui
