#include "core/global.h"
#include "gui/preview_dialog.h"
#include "support/test_files.h"

#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>

#include <gtest/gtest.h>

namespace taviro::gui {
namespace {

TEST(PreviewDialog, ShowsTheLinesAndAppendsEachSaveToTheFile) {
    test::TempFolder folder;
    TGlobal global(AnalyzerKind::PilihanGanda);
    global.FileName = "/data/ujian1.tav";
    TFMemoCetak preview;
    preview.MCetak = {"RELIABILITAS TES", "", "Rata2=  3.50"};
    PreviewDialog dialog(preview, global);
    EXPECT_EQ(dialog.windowTitle(), "Preview");
    EXPECT_TRUE(dialog.Text()->isReadOnly());
    EXPECT_EQ(dialog.Text()->toPlainText(), "RELIABILITAS TES\n\nRata2=  3.50\n");

    std::vector<QString> proposed;
    const QString target = QString::fromStdString(folder.File("laporan.txt"));
    dialog.ChooseTextFile = [&](const QString& name) -> std::optional<QString> {
        proposed.push_back(name);
        return target;
    };
    dialog.SaveToFile();
    dialog.SaveToFile();
    EXPECT_EQ(proposed.front(), "ujian1.txt");
    EXPECT_EQ(test::ReadFile(folder.File("laporan.txt")),
              "RELIABILITAS TES\n\nRata2=  3.50\nRELIABILITAS TES\n\nRata2=  3.50\n");

    // Cancelling writes nothing.
    dialog.ChooseTextFile = [](const QString&) -> std::optional<QString> { return std::nullopt; };
    dialog.SaveToFile();
    EXPECT_EQ(test::ReadFile(folder.File("laporan.txt")).size(), 2u * 31u);
}

TEST(PreviewDialog, PrintsEveryLineToAPdfInOrder) {
    test::TempFolder folder;
    TGlobal global(AnalyzerKind::Uraian);
    TFMemoCetak preview;
    for (int i = 1; i <= 120; ++i) {
        std::string line = "Baris " + std::to_string(i) + " ";
        line += std::string(80 - line.size() - 1, '.') + "|";
        preview.MCetak.push_back(line);
    }
    PreviewDialog dialog(preview, global);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(folder.File("laporan.pdf")));
    const int pages = dialog.PrintTo(printer);
    EXPECT_GE(pages, 2);

    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", QString::fromStdString(folder.File("laporan.pdf")),
                                  "-"});
    if (!pdftotext.waitForFinished(20000) || pdftotext.exitCode() != 0) {
        GTEST_SKIP() << "pdftotext is not available";
    }
    const std::string text = pdftotext.readAllStandardOutput().toStdString();
    std::size_t at = 0;
    for (int i = 1; i <= 120; ++i) {
        const std::string wanted = "Baris " + std::to_string(i) + " ";
        const std::size_t found = text.find(wanted, at);
        ASSERT_NE(found, std::string::npos) << "line " << i << " is missing or out of order";
        // Each line is whole on its page: its end marker follows on the same line.
        const std::size_t end = text.find('\n', found);
        EXPECT_EQ(text[text.find_last_not_of(' ', end - 1)], '|') << "line " << i;
        at = found + wanted.size();
    }
    for (int page = 1; page <= pages; ++page) {
        EXPECT_NE(text.find("Halaman " + std::to_string(page)), std::string::npos);
    }
}

} // namespace
} // namespace taviro::gui
