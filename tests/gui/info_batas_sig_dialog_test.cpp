// The significance information of the correlation window: its button opens the fixed text in a
// fixed-pitch font on a dialog of fixed size, with nothing cut off.
#include "gui/info_batas_sig_dialog.h"
#include "views/info_batas_sig.h"

#include "result_windows_fixture.h"

#include <QFontInfo>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace taviro::test {
namespace {

using gui::InfoBatasSigDialog;

// The text itself is pinned by the window logic's tests; the dialog must show it line for line.
QStringList Lines() {
    QStringList lines;
    for (const std::string& line : TFInfoBatasSIg::Lines()) {
        lines << QString::fromStdString(line);
    }
    return lines;
}

TEST(InfoBatasSigDialog, OpensFromTheCorrelationWindowWithTheTwelveLinesUncut) {
    for (const auto& [kind, document] : {std::pair{AnalyzerKind::PilihanGanda, KelasTav},
                                         std::pair{AnalyzerKind::Uraian, KelasTur}}) {
        WindowsUnderTest under(kind, document);
        under.Show(Window::Skor);
        int shown = 0;
        under.Show(Window::KorelasiButir, [&](ResultWindow& window) {
            QPushButton* info = window.findChild<QPushButton*>("SpeedButton2");
            ASSERT_NE(info, nullptr);
            EXPECT_EQ(info->text(), "Info tentang batas signifikansi");
            // In the information bar, not among the links of the title.
            EXPECT_EQ(info->parentWidget(), window.findChild<QWidget*>("InformationBar"));
            for (int time = 0; time < 2; ++time) {
                PlayModal<InfoBatasSigDialog>(
                    [&](InfoBatasSigDialog& dialog) {
                        ++shown;
                        EXPECT_EQ(dialog.windowTitle(), "Info Batas Signifikansi");
                        EXPECT_EQ(dialog.size(), QSize(536, 240));
                        EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
                        QPlainTextEdit* memo = dialog.Memo();
                        EXPECT_TRUE(memo->isReadOnly());
                        EXPECT_EQ(memo->toPlainText().split('\n'), Lines());
                        EXPECT_TRUE(QFontInfo(memo->font()).fixedPitch());
                        EXPECT_EQ(QFontInfo(memo->font()).family(), "Liberation Mono");
                        QCoreApplication::processEvents();
                        // Every line and every column in view, no scrolling.
                        EXPECT_EQ(memo->horizontalScrollBar()->maximum(), 0);
                        EXPECT_EQ(memo->verticalScrollBar()->maximum(), 0);
                        EXPECT_EQ(dialog.Tutup()->text(), "Tutup");
                        QTest::mouseClick(dialog.Tutup(), Qt::LeftButton);
                    },
                    [&] { QTest::mouseClick(info, Qt::LeftButton); });
            }
        });
        // One dialog, kept between showings.
        EXPECT_EQ(shown, 2);
        EXPECT_EQ(under.host.findChildren<InfoBatasSigDialog*>().size(), 1);
    }
}

} // namespace
} // namespace taviro::test
