#include "views/analyzer_windows.h"

namespace taviro {

AnalyzerWindows::AnalyzerWindows(Session& s, UserInterface& u)
    : session(s), ui(u), Skor(s, u, Preview), ReliabilitasTes(s, u, Preview),
      UnggulAsor(s, u, Preview), DayaPembeda(s, u, Preview), TingkatKesukaran(s, u, Preview),
      KorelasiButir(s, u, Preview), RekapButir(s, u, Preview) {
    if (s.Kind() == AnalyzerKind::PilihanGanda) {
        SkorDibobot = std::make_unique<TFSkorDibobot>(s, u, Preview);
        Pengecoh = std::make_unique<TFPengecoh>(s, u, Preview);
        // A rescoring makes the groups that the group window shows stale.
        s.AnalButirSoal().OnGroupsStale = [this] { UnggulAsor.GroupsCurrent = false; };
    }
}

AnalyzerWindows::~AnalyzerWindows() { session.AnalButirSoal().OnGroupsStale = nullptr; }

std::vector<GridWindow*> AnalyzerWindows::AnalysisWindows() {
    std::vector<GridWindow*> windows = {&ReliabilitasTes, &UnggulAsor, &DayaPembeda,
                                        &TingkatKesukaran, &KorelasiButir};
    if (Pengecoh) {
        windows.push_back(Pengecoh.get());
    }
    windows.push_back(&RekapButir);
    return windows;
}

void AnalyzerWindows::BuildWholeReport() {
    if (SkorDibobot) {
        SkorDibobot->RefreshView();
        SkorDibobot->PrintReport(true);
    } else {
        Skor.RefreshView();
        Preview.MCetak.clear();
    }
    for (GridWindow* window : AnalysisWindows()) {
        window->RefreshView();
        window->PrintReport(false);
    }
}

void AnalyzerWindows::OlahSemuaOtomatis() {
    BuildWholeReport();
    ui.ShowPreview();
}

} // namespace taviro
