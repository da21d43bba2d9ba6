// One source for both analyzers; TAVIRO_URAIAN picks the essay analyzer.
#include "gui/analyzer_app.h"

#include <QApplication>
#include <QStringList>

#include <string>
#include <vector>

#ifndef TAVIRO_URAIAN
#error "TAVIRO_URAIAN must be 0 (multiple choice) or 1 (essay)"
#endif

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    constexpr taviro::AnalyzerKind kind =
        TAVIRO_URAIAN ? taviro::AnalyzerKind::Uraian : taviro::AnalyzerKind::PilihanGanda;
    // The name, not the display name: Qt then titles message boxes with it but does not append
    // it to every window's own caption.
    QApplication::setApplicationName(
        kind == taviro::AnalyzerKind::PilihanGanda ? "Taviro Pilihan Ganda" : "Taviro Uraian");
    // Qt has taken its own options out already.
    std::vector<std::string> arguments;
    const QStringList all = QApplication::arguments();
    for (qsizetype i = 1; i < all.size(); ++i) {
        arguments.push_back(all[i].toStdString());
    }
    taviro::gui::AnalyzerApp app(kind, std::move(arguments));
    app.Show();
    return QApplication::exec();
}
