#include "gui/qt_user_interface.h"

#include "core/global.h"
#include "gui/preview_dialog.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace taviro::gui {

QtUserInterface::QtUserInterface(AnalyzerKind kind, const TGlobal& global, TFMemoCetak& preview)
    : kind_(kind), global_(global), preview_(preview) {}

QString QtUserInterface::Filter(bool withAllFiles) const {
    const QString pattern = kind_ == AnalyzerKind::PilihanGanda ? "*.tav" : "*.tur";
    QString filter = "File taviro (" + pattern + ")";
    if (withAllFiles) {
        filter += ";;Semua File (*)";
    }
    return filter;
}

void QtUserInterface::ShowMessage(const std::string& text) {
    QMessageBox::information(Parent, QApplication::applicationDisplayName(),
                             QString::fromStdString(text));
}

void QtUserInterface::ShowError(const std::string& text) {
    QApplication::beep();
    QMessageBox::critical(Parent, QApplication::applicationDisplayName(),
                          QString::fromStdString(text));
}

void QtUserInterface::Beep() {
    QApplication::beep();
}

bool QtUserInterface::AskYesNo(const std::string& question) {
    if (YesNoDialog) {
        return YesNoDialog(question);
    }
    return QMessageBox::question(Parent, "Konfirmasi", QString::fromStdString(question)) ==
           QMessageBox::Yes;
}

UserInterface::SaveAnswer QtUserInterface::AskSaveFirst() {
    if (SaveFirstDialog) {
        return SaveFirstDialog();
    }
    const auto answer = QMessageBox::question(
        Parent, "Konfirmasi",
        "Simpan dulu file yang terbuka? Jika anda menjawab \"TIDAK\" maka perubahan data pada "
        "file tersebut akan hilang.",
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    return answer == QMessageBox::Yes  ? SaveAnswer::Yes
           : answer == QMessageBox::No ? SaveAnswer::No
                                       : SaveAnswer::Cancel;
}

std::optional<std::string> QtUserInterface::ChooseFileToOpen() {
    QFileDialog dialog(Parent, "Baca File", QString::fromStdString(global_.DocumentsFolder),
                       Filter(true));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(kind_ == AnalyzerKind::PilihanGanda ? "tav" : "tur");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().front().toStdString();
}

std::optional<std::string> QtUserInterface::ChooseFileToSave(const std::string& proposedName) {
    QFileDialog dialog(Parent, "Simpan File", QString::fromStdString(global_.DocumentsFolder),
                       Filter(false));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(kind_ == AnalyzerKind::PilihanGanda ? "tav" : "tur");
    dialog.selectFile(QString::fromStdString(proposedName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().front().toStdString();
}

void QtUserInterface::ShowPreview() {
    PreviewDialog dialog(preview_, global_, Parent);
    dialog.setWindowState(Qt::WindowMaximized);
    dialog.exec();
}

void QtUserInterface::ShowWindow(Window window) {
    if (const auto found = Windows.find(window); found != Windows.end() && found->second) {
        found->second();
    }
}

bool QtUserInterface::ShowNewFileDialog(TFInfoJawaban& dialog) {
    return NewFileDialog && NewFileDialog(dialog);
}

bool QtUserInterface::ShowDeleteRangeDialog(TFHapusBanyakSubyek& dialog) {
    return DeleteRangeDialog && DeleteRangeDialog(dialog);
}

bool QtUserInterface::ShowImportNamesDialog(TFAmbilNamaSubyek& dialog) {
    return ImportNamesDialog && ImportNamesDialog(dialog);
}

bool QtUserInterface::ShowMergeDialog(TFGabungDuaFile& dialog) {
    return MergeDialog && MergeDialog(dialog);
}

void QtUserInterface::OpenUrl(const std::string& url) {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

} // namespace taviro::gui
