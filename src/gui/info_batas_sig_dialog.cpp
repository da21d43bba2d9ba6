#include "gui/info_batas_sig_dialog.h"

#include "gui/colours.h"
#include "views/info_batas_sig.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace taviro::gui {

InfoBatasSigDialog::InfoBatasSigDialog(QWidget* parent)
    : QDialog(parent), memo_(new QPlainTextEdit(this)), tutup_(new QPushButton("Tutup", this)) {
    setObjectName("FInfoBatasSIg");
    setWindowTitle("Info Batas Signifikansi");
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, SkyBlue);
    setPalette(palette);
    QFont font(SansFont);
    font.setPixelSize(11);
    setFont(font);

    memo_->setObjectName("Memo1");
    QFont mono(MonoFont);
    mono.setStyleHint(QFont::Monospace);
    mono.setPixelSize(12);
    memo_->setFont(mono);
    memo_->setReadOnly(true);
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    QStringList lines;
    for (const std::string& line : TFInfoBatasSIg::Lines()) {
        lines.push_back(QString::fromStdString(line));
    }
    memo_->setPlainText(lines.join('\n'));

    tutup_->setObjectName("Tutup");
    connect(tutup_, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(tutup_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(memo_, 1);
    layout->addLayout(buttons);
    setFixedSize(536, 240);
}

} // namespace taviro::gui
