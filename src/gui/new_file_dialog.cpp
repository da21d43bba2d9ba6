#include "gui/new_file_dialog.h"

#include "gui/colours.h"
#include "views/user_interface.h"

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

std::optional<TFInfoJawaban::Key> KeyOf(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return TFInfoJawaban::Key::Enter;
    case Qt::Key_Down:
        return TFInfoJawaban::Key::Down;
    case Qt::Key_Up:
        return TFInfoJawaban::Key::Up;
    default:
        return std::nullopt;
    }
}

} // namespace

NewFileDialog::NewFileDialog(TFInfoJawaban& logic, UserInterface& ui, QWidget* parent)
    : QDialog(parent), logic_(logic), ui_(ui) {
    setObjectName("FInfoJawaban");
    setWindowTitle(Text(logic_.Caption()));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, SkyBlue);
    setPalette(palette);
    QFont font(SansFont);
    font.setPixelSize(13);
    setFont(font);

    auto* prompt = new QLabel(Text(TFInfoJawaban::Prompt), this);
    QFont promptFont = font;
    promptFont.setBold(true);
    prompt->setFont(promptFont);
    prompt->setStyleSheet(QString("color: %1;").arg(Maroon.name()));
    prompt->setWordWrap(true);

    auto* bevel = new QFrame(this);
    bevel->setFrameShape(QFrame::Panel);
    bevel->setFrameShadow(QFrame::Sunken);
    auto* fields = new QGridLayout(bevel);
    const auto addField = [&](std::string_view caption, const char* name) {
        auto* edit = new QLineEdit(bevel);
        edit->setObjectName(name);
        edit->setFixedWidth(60);
        edit->installEventFilter(this);
        const int row = fields->rowCount();
        fields->addWidget(new QLabel(Text(caption), bevel), row, 0);
        fields->addWidget(edit, row, 1);
        return edit;
    };
    EJumSubyek = addField(TFInfoJawaban::LabelJumSubyek, "EJumSubyek");
    EJumButir = addField(TFInfoJawaban::LabelJumButir, "EJumButir");
    if (logic_.HasJumPilihan()) {
        EJumPilihan = addField(TFInfoJawaban::LabelJumPilihan, "EJumPilihan");
    }

    OK = new QPushButton(Text(TFInfoJawaban::ButtonOK), this);
    OK->setObjectName("OK");
    Batal = new QPushButton(Text(TFInfoJawaban::ButtonBatal), this);
    Batal->setObjectName("Batal");
    // Enter in an edit box moves on; it must not reach a default button.
    OK->setAutoDefault(false);
    Batal->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OK);
    buttons->addWidget(Batal);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(bevel);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    prompt->setFixedWidth(300);

    connect(EJumSubyek, &QLineEdit::textChanged, this,
            [this](const QString& text) { logic_.EJumSubyek = text.toStdString(); });
    connect(EJumButir, &QLineEdit::textChanged, this,
            [this](const QString& text) { logic_.EJumButir = text.toStdString(); });
    if (EJumPilihan != nullptr) {
        connect(EJumPilihan, &QLineEdit::textChanged, this,
                [this](const QString& text) { logic_.EJumPilihan = text.toStdString(); });
    }
    connect(OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(Batal, &QPushButton::clicked, this, [this] {
        logic_.BatalClick();
        reject();
    });
}

bool NewFileDialog::Run() {
    return exec() == Accepted;
}

void NewFileDialog::showEvent(QShowEvent* event) {
    logic_.FormShow();
    EJumSubyek->setText(QString::fromStdString(logic_.EJumSubyek));
    EJumButir->setText(QString::fromStdString(logic_.EJumButir));
    if (EJumPilihan != nullptr) {
        EJumPilihan->setText(QString::fromStdString(logic_.EJumPilihan));
    }
    // Later showings keep the focus where the user left it, as the dialog is kept.
    if (!shownBefore_) {
        shownBefore_ = true;
        ControlWidget(TFInfoJawaban::FirstFocus)->setFocus(Qt::OtherFocusReason);
    }
    QDialog::showEvent(event);
}

void NewFileDialog::done(int result) {
    if (!logic_.FormCloseQuery(ui_)) {
        return;
    }
    // The close box validates like "OK" but still closes with the Cancel result.
    QDialog::done(logic_.Cancelled ? Rejected : result);
}

QWidget* NewFileDialog::ControlWidget(TFInfoJawaban::Control control) const {
    switch (control) {
    case TFInfoJawaban::Control::EJumSubyek:
        return EJumSubyek;
    case TFInfoJawaban::Control::EJumButir:
        return EJumButir;
    case TFInfoJawaban::Control::EJumPilihan:
        return EJumPilihan;
    case TFInfoJawaban::Control::OK:
        return OK;
    case TFInfoJawaban::Control::Batal:
        break;
    }
    return Batal;
}

std::optional<TFInfoJawaban::Control> NewFileDialog::EditControl(const QObject* widget) const {
    if (widget == EJumSubyek) {
        return TFInfoJawaban::Control::EJumSubyek;
    }
    if (widget == EJumButir) {
        return TFInfoJawaban::Control::EJumButir;
    }
    if (widget != nullptr && widget == EJumPilihan) {
        return TFInfoJawaban::Control::EJumPilihan;
    }
    return std::nullopt;
}

bool NewFileDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto control = EditControl(watched);
        const auto key = KeyOf(*static_cast<QKeyEvent*>(event));
        if (control && key) {
            if (const auto next = logic_.NextFocus(*key, *control)) {
                if (QWidget* target = ControlWidget(*next)) {
                    target->setFocus(Qt::TabFocusReason);
                }
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace taviro::gui
