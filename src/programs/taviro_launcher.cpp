#include "gui/launcher_window.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName("Taviro");
    taviro::gui::LauncherWindow window;
    window.show();
    return QApplication::exec();
}
