#include "gui/launcher_window.h"

#include "core/text/text_helpers.h"
#include "gui/colours.h"

#include <QDesktopServices>
#include <QGridLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace taviro::gui {

namespace {

QLabel* Text(const QString& text, int pixels, bool bold, const QColor& colour, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font(SansFont);
    font.setPixelSize(pixels);
    font.setBold(bold);
    label->setFont(font);
    label->setWordWrap(true);
    label->setStyleSheet(QString("color: %1;").arg(colour.name()));
    return label;
}

} // namespace

LauncherWindow::LauncherWindow(QWidget* parent) : QDialog(parent) {
    setWindowTitle(" T A V I R O (R)");
    setFixedSize(465, 312);
    setAutoFillBackground(true);
    setStyleSheet(QString("QDialog { background-color: %1; }").arg(SkyBlue.name()));

    auto* top = new QWidget(this);
    auto* topLayout = new QVBoxLayout(top);
    auto* title = new QLabel(top);
    title->setText(QString("<span style='font-family:\"%1\"; font-size:27px; font-weight:bold; "
                           "color:%2'>T A V I R O</span><span style='font-size:9px; color:%2'> "
                           "(R)</span>")
                       .arg(SansFont, Teal.name()));
    topLayout->addWidget(title);
    topLayout->addWidget(Text("Selamat berjumpa dengan TAVIRO.  Terimakasih anda telah "
                              "menggunakan software ini.",
                              13, true, Qt::darkGreen, top));
    topLayout->addWidget(
        Text("Dikembangkan oleh Tim Pengembang Taviro.", 11, false, Qt::black, top));
    auto* notice = Text("Perangkat lunak ini boleh digandakan dan dibagikan untuk keperluan "
                        "pendidikan selama tidak diubah dan tidak diperjualbelikan.",
                        11, false, Qt::black, top);
    notice->setFrameShape(QFrame::Box);
    topLayout->addWidget(notice);
    topLayout->addWidget(Text("Hubungi kami: pengembang@taviro.example  -  https://taviro.example",
                              11, false, Qt::black, top));
    topLayout->addStretch();

    auto* bottom = new QWidget(this);
    bottom->setAutoFillBackground(true);
    bottom->setStyleSheet(QString("background-color: %1;").arg(LightGreen.name()));
    StartMultipleChoice = new QPushButton("Jalankan Taviro Pilihan Ganda", bottom);
    StartEssay = new QPushButton("Jalankan Taviro Uraian", bottom);
    Quit = new QPushButton("Keluar", bottom);
    Mail = new QPushButton("Kirim Email ke Pengembang", bottom);
    Web = new QPushButton(QString("Lihat ") + WebAddress, bottom);
    auto* buttons = new QGridLayout(bottom);
    buttons->addWidget(StartMultipleChoice, 0, 0);
    buttons->addWidget(StartEssay, 0, 1);
    buttons->addWidget(Quit, 0, 2);
    buttons->addWidget(Mail, 1, 0);
    buttons->addWidget(Web, 1, 1, 1, 2);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(top, 1);
    layout->addWidget(bottom);

    StartProgram = [](const QString& program) { return QProcess::startDetached(program, {}); };
    OpenAddress = [](const QString& address) { return QDesktopServices::openUrl(QUrl(address)); };
    const QString folder = QString::fromStdString(ExeFolder());
    connect(StartMultipleChoice, &QPushButton::clicked, this,
            [this, folder] { StartProgram(folder + MultipleChoiceProgram); });
    connect(StartEssay, &QPushButton::clicked, this,
            [this, folder] { StartProgram(folder + EssayProgram); });
    connect(Quit, &QPushButton::clicked, this, &QDialog::reject);
    connect(Mail, &QPushButton::clicked, this, [this] { OpenAddress(MailLink); });
    connect(Web, &QPushButton::clicked, this, [this] { OpenAddress(WebAddress); });
}

} // namespace taviro::gui
