#include "gui/preview_dialog.h"

#include "core/global.h"
#include "core/taviro_error.h"
#include "gui/colours.h"
#include "gui/report_printer.h"
#include "gui/result_window.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace taviro::gui {

PreviewDialog::PreviewDialog(TFMemoCetak& preview, const TGlobal& global, QWidget* parent)
    : QDialog(parent), preview_(preview), global_(global), text_(new QPlainTextEdit(this)) {
    setWindowTitle("Preview");
    setWindowFlag(Qt::WindowMaximizeButtonHint);

    auto* bar = new QWidget(this);
    bar->setAutoFillBackground(true);
    bar->setStyleSheet(QString("background-color: %1;").arg(MoneyGreen.name()));
    auto* title = new QLabel("Preview", bar);
    QFont titleFont(SansFont);
    titleFont.setPixelSize(16);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setStyleSheet(QString("color: %1;").arg(Maroon.name()));
    auto* back = LinkButton("Kembali Ke Menu Sebelumnya", bar);
    auto* toFile = LinkButton("Cetak ke file", bar);
    auto* toPrinter = LinkButton("Cetak ke printer", bar);
    auto* barLayout = new QHBoxLayout(bar);
    barLayout->addWidget(title);
    barLayout->addStretch();
    barLayout->addWidget(back);
    barLayout->addWidget(toFile);
    barLayout->addWidget(toPrinter);

    QFont mono(MonoFont);
    mono.setStyleHint(QFont::Monospace);
    mono.setPixelSize(15);
    text_->setFont(mono);
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(text_, 1);
    resize(900, 650);

    ChooseTextFile = [this](const QString& proposedName) -> std::optional<QString> {
        QFileDialog dialog(this, "Cetak ke file", QString::fromStdString(global_.DocumentsFolder),
                           "Text files (*.txt)");
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix("txt");
        // The report is appended to an existing file, so there is nothing to overwrite.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        dialog.selectFile(proposedName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return std::nullopt;
        }
        return dialog.selectedFiles().front();
    };
    SetUpPrinter = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, this);
        return dialog.exec() == QDialog::Accepted;
    };

    connect(back, &QPushButton::clicked, this, &QDialog::accept);
    connect(toFile, &QPushButton::clicked, this, &PreviewDialog::SaveToFile);
    connect(toPrinter, &QPushButton::clicked, this, &PreviewDialog::Print);
    Reload();
}

void PreviewDialog::Reload() {
    QString text;
    for (const std::string& line : preview_.MCetak) {
        text += QString::fromUtf8(line);
        text += '\n';
    }
    text_->setPlainText(text);
}

void PreviewDialog::SaveToFile() {
    const auto path =
        ChooseTextFile(QString::fromStdString(TFMemoCetak::ProposedFileName(global_.FileName)));
    if (!path) {
        return;
    }
    try {
        preview_.SaveToFile(path->toStdString());
    } catch (const TaviroError& error) {
        QMessageBox::critical(this, "Taviro", QString::fromStdString(error.what()));
    }
}

void PreviewDialog::Print() {
    QPrinter printer(QPrinter::HighResolution);
    if (SetUpPrinter(printer)) {
        PrintTo(printer);
    }
}

int PreviewDialog::PrintTo(QPrinter& printer) {
    return PrintLines(printer, preview_.MCetak);
}

} // namespace taviro::gui
