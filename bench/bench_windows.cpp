// Opening each score and analysis window on a generated document, offscreen: the window's
// RefreshView (scoring or the analysis it shows, recomputed as after new scores), the reload of
// its Qt grid and one paint of what is in view. bench_windows --benchmark_filter=...
#include "core/session.h"
#include "document_generator.h"
#include "gui/grid_view.h"
#include "gui/qt_user_interface.h"
#include "gui/result_window.h"
#include "gui/result_windows.h"
#include "views/analyzer_windows.h"

#include <QApplication>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <string>

namespace {

using taviro::AnalyzerKind;
using taviro::Window;

// Asks nothing and shows nothing; keeps the last error for the benchmark to report.
class QuietUserInterface : public taviro::UserInterface {
public:
    std::string Error;

    void ShowMessage(const std::string&) override {}
    void ShowError(const std::string& text) override { Error = text; }
    void Beep() override {}
    bool AskYesNo(const std::string&) override { return false; }
    SaveAnswer AskSaveFirst() override { return SaveAnswer::Cancel; }
    std::optional<std::string> ChooseFileToOpen() override { return std::nullopt; }
    std::optional<std::string> ChooseFileToSave(const std::string&) override {
        return std::nullopt;
    }
    void ShowPreview() override {}
};

// One analyzer's windows over a generated document that has been scored.
struct Analyzer {
    Analyzer(AnalyzerKind kind, int subjects, int items)
        : session(kind), windows(session, quiet), ui(kind, session.Global(), windows.Preview) {
        taviro::bench::GenerateRawData(session.DataMentah(), subjects, items, 2026);
        taviro::gui::RegisterResultWindows(ui, windows, session.Global(), &host);
        windows.Skor.RefreshView();
    }

    taviro::Session session;
    QuietUserInterface quiet;
    taviro::AnalyzerWindows windows;
    taviro::gui::QtUserInterface ui;
    QWidget host;
};

const char* NameOf(Window window) {
    switch (window) {
    case Window::Skor:
        return "FSkor";
    case Window::SkorDibobot:
        return "FSkorDibobot";
    case Window::ReliabilitasTes:
        return "FReliabilitasTes";
    case Window::UnggulAsor:
        return "FUnggulAsor";
    case Window::DayaPembeda:
        return "FDayaPembeda";
    case Window::TingkatKesukaran:
        return "FTingkatKesukaran";
    case Window::KorelasiButir:
        return "FKorelasiButir";
    case Window::Pengecoh:
        return "FPengecoh";
    case Window::RekapButir:
        return "FRekapButir";
    default:
        return "";
    }
}

// What makes the window's content stale before every opening: new raw data for the score
// windows (they score again), new scores for the analysis windows (they compute again).
void MakeStale(Analyzer& analyzer, Window window) {
    if (window == Window::Skor || window == Window::SkorDibobot) {
        analyzer.session.DataMentah().IsNeedRecalc = true;
    } else {
        analyzer.session.AnalButirSoal().MarkAllForRecalc(true);
    }
}

void OpenWindow(benchmark::State& state, AnalyzerKind kind, Window which, bool recompute) {
    const int subjects = static_cast<int>(state.range(0));
    const int items = static_cast<int>(state.range(1));
    Analyzer analyzer(kind, subjects, items);
    auto* window = analyzer.host.findChild<taviro::gui::ResultWindow*>(NameOf(which));
    if (window == nullptr) {
        state.SkipWithError("no such window");
        return;
    }
    window->resize(1366, 768);
    window->show();
    for (auto _ : state) {
        if (recompute) {
            MakeStale(analyzer, which);
            window->Refresh();
        } else {
            window->Reload();
        }
        window->repaint();
    }
    window->hide();
    if (!analyzer.quiet.Error.empty()) {
        state.SkipWithError(analyzer.quiet.Error.c_str());
    }
    state.counters["rows"] = static_cast<double>(window->Grid().Model().rowCount());
}

void Register(const char* kindName, AnalyzerKind kind, std::initializer_list<Window> windows) {
    for (const Window which : windows) {
        for (const bool recompute : {true, false}) {
            const std::string name =
                std::string(recompute ? "Open/" : "ReloadOnly/") + kindName + "/" + NameOf(which);
            benchmark::RegisterBenchmark(
                name.c_str(),
                [=](benchmark::State& state) { OpenWindow(state, kind, which, recompute); })
                ->Args({10000, 100})
                ->Unit(benchmark::kMillisecond);
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    Register("PilihanGanda", AnalyzerKind::PilihanGanda,
             {Window::Skor, Window::SkorDibobot, Window::ReliabilitasTes, Window::UnggulAsor,
              Window::DayaPembeda, Window::TingkatKesukaran, Window::KorelasiButir,
              Window::Pengecoh, Window::RekapButir});
    Register("Uraian", AnalyzerKind::Uraian,
             {Window::Skor, Window::ReliabilitasTes, Window::UnggulAsor, Window::DayaPembeda,
              Window::TingkatKesukaran, Window::KorelasiButir, Window::RekapButir});
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
