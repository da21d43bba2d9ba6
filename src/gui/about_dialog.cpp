#include "gui/about_dialog.h"

#include "gui/colours.h"
#include "views/user_interface.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace taviro::gui {

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A portrait stand-in: the initials of the name on a coloured disc.
QPixmap Portrait(std::string_view name, const QColor& colour) {
    QString initials;
    for (const QString& word : Text(name).split(' ', Qt::SkipEmptyParts)) {
        if (initials.size() < 2 && word.front().isUpper()) {
            initials += word.front();
        }
    }
    QPixmap picture(96, 96);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Navy, 2));
    painter.setBrush(colour);
    painter.drawEllipse(picture.rect().adjusted(2, 2, -2, -2));
    QFont font(SansFont);
    font.setPixelSize(36);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(picture.rect(), Qt::AlignCenter, initials);
    return picture;
}

} // namespace

AboutDialog::AboutDialog(const TFAbout& logic, UserInterface& ui, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName("FAbout");
    setWindowTitle(Text(TFAbout::Caption));
    setWindowOpacity(Opacity / 255.0);
    setFixedSize(598, 433);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, SkyBlue);
    setPalette(palette);
    QFont font(SansFont);
    font.setPixelSize(13);
    setFont(font);

    auto* heading = new QLabel(Text(TFAbout::Heading), this);
    QFont headingFont = font;
    headingFont.setPixelSize(18);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    auto* text = new QLabel(Text(TFAbout::Text), this);
    text->setWordWrap(true);

    auto* developers = new QGridLayout;
    const QColor discs[] = {Teal, Maroon};
    int row = 0;
    for (const TFAbout::Developer& developer : TFAbout::Developers) {
        auto* picture = new QLabel(this);
        picture->setPixmap(Portrait(developer.Name, discs[row % 2]));
        auto* details = new QPlainTextEdit(Text(developer.Details), this);
        details->setReadOnly(true);
        details->setObjectName(QString("Developer%1").arg(row + 1));
        details->setStyleSheet(QString("background-color: %1;").arg(LightGreen.name()));
        developers->addWidget(picture, row, 0, Qt::AlignTop);
        developers->addWidget(details, row, 1);
        ++row;
    }

    Mail = new QPushButton(QString::fromStdString(TFAbout::MailButtonCaption()), this);
    Mail->setObjectName("KirimEmail");
    Mail->setCursor(Qt::PointingHandCursor);
    Tutup = new QPushButton(Text(TFAbout::ButtonTutup), this);
    Tutup->setObjectName("Tutup");
    Tutup->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Mail, 1);
    buttons->addWidget(Tutup);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addWidget(heading);
    layout->addWidget(text);
    layout->addLayout(developers, 1);
    layout->addLayout(buttons);

    connect(Mail, &QPushButton::clicked, this, [&logic, &ui] { logic.KirimEmailClick(ui); });
    connect(Tutup, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutDialog::showEvent(QShowEvent* event) {
    Tutup->setFocus(Qt::OtherFocusReason);
    QDialog::showEvent(event);
}

} // namespace taviro::gui
