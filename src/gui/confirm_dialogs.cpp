#include "gui/confirm_dialogs.h"

#include "gui/colours.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace taviro::gui {

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The caption with '&' before its accelerator letter, so that the letter is underlined and
// Alt+letter presses the button.
QString WithAccelerator(std::string_view caption, char accelerator) {
    QString text = Text(caption);
    if (accelerator != '\0') {
        const qsizetype at = text.indexOf(QChar(accelerator), 0, Qt::CaseInsensitive);
        if (at >= 0) {
            text.insert(at, '&');
        }
    }
    return text;
}

} // namespace

QuestionDialog::QuestionDialog(const QString& message, QWidget* parent) : QDialog(parent) {
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, SkyBlue);
    setPalette(palette);
    QFont font(SansFont);
    font.setPixelSize(13);
    setFont(font);

    auto* bevel = new QFrame(this);
    bevel->setFrameShape(QFrame::Panel);
    bevel->setFrameShadow(QFrame::Sunken);
    MessageLabel = new QLabel(message, bevel);
    MessageLabel->setObjectName("LPesan");
    MessageLabel->setAlignment(Qt::AlignCenter);
    MessageLabel->setWordWrap(true);
    MessageLabel->setFixedWidth(320);
    auto* bevelLayout = new QVBoxLayout(bevel);
    bevelLayout->setContentsMargins(12, 12, 12, 12);
    bevelLayout->addWidget(MessageLabel);

    buttonRow_ = new QHBoxLayout;
    buttonRow_->setAlignment(Qt::AlignHCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bevel);
    layout->addLayout(buttonRow_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QPushButton* QuestionDialog::AddButton(std::string_view caption, char accelerator, bool focused,
                                       std::function<void()> answer) {
    auto* button = new QPushButton(WithAccelerator(caption, accelerator), this);
    button->setObjectName(Text(caption));
    buttonRow_->addWidget(button);
    connect(button, &QPushButton::clicked, this, [this, answer = std::move(answer)] {
        answer();
        accept();
    });
    buttons_.push_back({button, accelerator, caption});
    if (focused) {
        focused_ = button;
    }
    return button;
}

QPushButton* QuestionDialog::Button(std::string_view caption) const {
    for (const Entry& entry : buttons_) {
        if (entry.Caption == caption) {
            return entry.Widget;
        }
    }
    return nullptr;
}

void QuestionDialog::keyPressEvent(QKeyEvent* event) {
    // Only buttons take the focus here, so a plain letter is the accelerator, as Alt+letter is.
    const bool plain = (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == 0;
    if (plain && event->text().size() == 1) {
        const QChar typed = event->text().front().toUpper();
        for (const Entry& entry : buttons_) {
            if (entry.Accelerator != '\0' && typed == QChar(entry.Accelerator).toUpper()) {
                entry.Widget->click();
                return;
            }
        }
    }
    QDialog::keyPressEvent(event);
}

void QuestionDialog::showEvent(QShowEvent* event) {
    // Without a button marked for it the focus starts on the first, as tab order gives it.
    QPushButton* first = focused_ != nullptr ? focused_ : buttons_.front().Widget;
    first->setFocus(Qt::OtherFocusReason);
    QDialog::showEvent(event);
}

ConfirmSaveDialog::ConfirmSaveDialog(QWidget* parent)
    : QuestionDialog(Text(TFKonfirmasiSimpan::Message), parent) {
    setObjectName("FKonfirmasiSimpan");
    setWindowTitle(Text(TFKonfirmasiSimpan::Caption));
    for (const auto& button : TFKonfirmasiSimpan::Buttons) {
        AddButton(button.Caption, button.Accelerator, button.Focused,
                  [this, result = button.Result] { answer_ = result; });
    }
}

TFKonfirmasiSimpan::Answer ConfirmSaveDialog::Ask() {
    // Every way out that is not a button (close box, Escape) leaves this answer.
    answer_ = TFKonfirmasiSimpan::CloseBoxAnswer;
    exec();
    return answer_;
}

ConfirmDialog::ConfirmDialog(TFKonfirmasi& logic, QWidget* parent)
    : QuestionDialog(QString(), parent), logic_(logic) {
    setObjectName("FKonfirmasi");
    setWindowTitle(Text(TFKonfirmasi::Caption));
    for (const auto& button : TFKonfirmasi::Buttons) {
        AddButton(button.Caption, button.Accelerator, button.Focused,
                  [this, result = button.Result] { answer_ = result; });
    }
}

bool ConfirmDialog::Ask(const std::string& question) {
    logic_.Pesan = question;
    answer_ = TFKonfirmasi::CloseBoxAnswer;
    exec();
    return answer_;
}

void ConfirmDialog::showEvent(QShowEvent* event) {
    logic_.FormShow();
    MessageLabel->setText(QString::fromStdString(logic_.LPesan));
    QuestionDialog::showEvent(event);
}

} // namespace taviro::gui
