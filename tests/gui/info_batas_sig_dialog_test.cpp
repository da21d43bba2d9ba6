// The significance information of the correlation window: its button opens the fixed text in a
// fixed-pitch font on a dialog of fixed size, with nothing cut off.
#include "gui/info_batas_sig_dialog.h"

#include "result_windows_fixture.h"

#include <QFontInfo>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace taviro::test {
namespace {

using gui::InfoBatasSigDialog;

const QStringList Lines = {
    " Catatan: Batas signifikansi koefisien korelasi sebagaai berikut:",
    "",
    "           df (N-2)  P=0,05  P=0,01     df (N-2)  P=0,05  P=0,01",
    "              10     0,576   0,708         60     0,250   0,325",
    "              15     0,482   0,606         70     0,233   0,302",
    "              20     0,423   0,549         80     0,217   0,283",
    "              25     0,381   0,496         90     0,205   0,267",
    "              30     0,349   0,449        100     0,195   0,254",
    "              40     0,304   0,393        125     0,174   0,228",
    "              50     0,273   0,354       >150     0,159   0,208",
    "",
    "           Bila koefisien = 0,000  berarti tidak dapat dihitung.",
};

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
                        EXPECT_EQ(memo->toPlainText().split('\n'), Lines);
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
