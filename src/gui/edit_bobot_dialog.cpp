#include "gui/edit_bobot_dialog.h"

#include "gui/colours.h"
#include "views/edit_bobot.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace taviro::gui {

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

TFEditBobot::EditKey EditKeyOf(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return TFEditBobot::EditKey::Enter;
    case Qt::Key_Up:
        return TFEditBobot::EditKey::Up;
    case Qt::Key_Down:
        return TFEditBobot::EditKey::Down;
    default:
        return TFEditBobot::EditKey::Other;
    }
}

} // namespace

EditBobotDialog::EditBobotDialog(TFEditBobot& logic, QWidget* parent)
    : QDialog(parent), logic_(logic) {
    setObjectName("FEditBobot");
    setWindowTitle(Text(TFEditBobot::Caption));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, SkyBlue);
    setPalette(palette);
    QFont font(SansFont);
    font.setPixelSize(11);
    setFont(font);

    auto* heading = new QLabel(Text(TFEditBobot::Heading), this);
    heading->setObjectName("Heading");
    heading->setWordWrap(true);
    QFont bold = font;
    bold.setBold(true);
    heading->setFont(bold);
    heading->setStyleSheet(QString("color: %1;").arg(Maroon.name()));

    auto* bevel = new QFrame(this);
    bevel->setFrameShape(QFrame::StyledPanel);
    bevel->setFrameShadow(QFrame::Sunken);
    benar_ = new QLineEdit(bevel);
    benar_->setObjectName("EBobotJwbBenar");
    salah_ = new QLineEdit(bevel);
    salah_->setObjectName("EBobotJwbSalah");
    auto* hint = new QLabel(Text(TFEditBobot::Hint), bevel);
    hint->setObjectName("Hint");
    hint->setFont(bold);
    hint->setStyleSheet("color: red;");
    auto* rows = new QGridLayout(bevel);
    rows->addWidget(new QLabel(Text(TFEditBobot::LabelBenar), bevel), 0, 0);
    rows->addWidget(benar_, 0, 1);
    rows->addWidget(new QLabel(Text(TFEditBobot::LabelSalah), bevel), 1, 0);
    rows->addWidget(salah_, 1, 1);
    rows->addWidget(hint, 1, 2);

    ok_ = new QPushButton("OK", this);
    ok_->setObjectName("BitBtn1");
    batal_ = new QPushButton("Batal", this);
    batal_->setObjectName("BitBtn2");
    // Enter in an edit moves on instead of closing the dialog.
    ok_->setAutoDefault(false);
    batal_->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(batal_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(bevel);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    heading->setMinimumWidth(300);

    setTabOrder(benar_, salah_);
    setTabOrder(salah_, ok_);
    setTabOrder(ok_, batal_);
    benar_->installEventFilter(this);
    salah_->installEventFilter(this);

    connect(benar_, &QLineEdit::textChanged, this,
            [this](const QString& text) { logic_.EBobotJwbBenar = text.toStdString(); });
    connect(salah_, &QLineEdit::textChanged, this,
            [this](const QString& text) { logic_.EBobotJwbSalah = text.toStdString(); });
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(batal_, &QPushButton::clicked, this, &EditBobotDialog::reject);
}

void EditBobotDialog::showEvent(QShowEvent* event) {
    // The caller ran the logic's FormShow: the edits show the weights it wrote.
    benar_->setText(QString::fromStdString(logic_.EBobotJwbBenar));
    salah_->setText(QString::fromStdString(logic_.EBobotJwbSalah));
    QDialog::showEvent(event);
    benar_->setFocus();
    benar_->selectAll();
}

void EditBobotDialog::done(int result) {
    (void)result;
    if (!logic_.FormClose()) {
        return;
    }
    QDialog::done(logic_.Cancelled ? QDialog::Rejected : QDialog::Accepted);
}

void EditBobotDialog::reject() {
    logic_.BitBtn2Click();
    done(QDialog::Rejected);
}

void EditBobotDialog::closeEvent(QCloseEvent* event) {
    // The close box is no "Batal": it closes like OK, and is refused like OK.
    if (!isVisible()) {
        event->accept();
        return;
    }
    done(QDialog::Accepted);
    if (isVisible()) {
        event->ignore();
    } else {
        event->accept();
    }
}

bool EditBobotDialog::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == benar_ || watched == salah_) && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        switch (TFEditBobot::FocusAfterKey(EditKeyOf(*key))) {
        case TFEditBobot::FocusMove::Next:
            focusNextChild();
            return true;
        case TFEditBobot::FocusMove::Previous:
            focusPreviousChild();
            return true;
        case TFEditBobot::FocusMove::Stay:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace taviro::gui
