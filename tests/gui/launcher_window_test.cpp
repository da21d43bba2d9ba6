#include "core/text/text_helpers.h"
#include "gui/launcher_window.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace taviro::gui {
namespace {

TEST(LauncherWindow, StartsTheAnalyzersFromItsOwnFolderByTheirNames) {
    LauncherWindow window;
    std::vector<QString> started;
    std::vector<QString> opened;
    window.StartProgram = [&](const QString& program) {
        started.push_back(program);
        return true;
    };
    window.OpenAddress = [&](const QString& address) {
        opened.push_back(address);
        return true;
    };
    EXPECT_EQ(window.windowTitle(), " T A V I R O (R)");
    QTest::mouseClick(window.StartEssay, Qt::LeftButton);
    QTest::mouseClick(window.StartMultipleChoice, Qt::LeftButton);
    QTest::mouseClick(window.StartMultipleChoice, Qt::LeftButton);
    const QString folder = QString::fromStdString(ExeFolder());
    ASSERT_EQ(started.size(), 3u);
    EXPECT_EQ(started[0], folder + "taviro uraian");
    EXPECT_EQ(started[1], folder + "taviro pilihan ganda");
    EXPECT_EQ(started[2], started[1]);

    QTest::mouseClick(window.Mail, Qt::LeftButton);
    QTest::mouseClick(window.Web, Qt::LeftButton);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0], "mailto:pengembang@taviro.example?subject=Taviro Ver:4.0.6");
    EXPECT_EQ(opened[1], "https://taviro.example");
    EXPECT_EQ(window.Web->text(), "Lihat https://taviro.example");
}

} // namespace
} // namespace taviro::gui
