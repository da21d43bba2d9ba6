#pragma once

#include "core/session.h"
#include "views/daya_pembeda.h"
#include "views/korelasi_butir.h"
#include "views/memo_cetak.h"
#include "views/pengecoh.h"
#include "views/rekap_butir.h"
#include "views/reliabilitas_tes.h"
#include "views/skor.h"
#include "views/skor_dibobot.h"
#include "views/tingkat_kesukaran.h"
#include "views/unggul_asor.h"
#include "views/user_interface.h"

#include <memory>
#include <vector>

namespace taviro {

// The logic of every result window of one analyzer, created once and kept for the session's
// life, as the program's windows are.
class AnalyzerWindows {
public:
    AnalyzerWindows(Session& session, UserInterface& ui);
    ~AnalyzerWindows();
    AnalyzerWindows(const AnalyzerWindows&) = delete;
    AnalyzerWindows& operator=(const AnalyzerWindows&) = delete;

    Session& session;
    UserInterface& ui;

    TFMemoCetak Preview;
    TFSkor Skor;
    // Multiple choice only.
    std::unique_ptr<TFSkorDibobot> SkorDibobot;
    TFReliabilitasTes ReliabilitasTes;
    TFUnggulAsor UnggulAsor;
    TFDayaPembeda DayaPembeda;
    TFTingkatKesukaran TingkatKesukaran;
    TFKorelasiButir KorelasiButir;
    // Multiple choice only.
    std::unique_ptr<TFPengecoh> Pengecoh;
    TFRekapButir RekapButir;

    // The whole analysis into the preview, window after window in the analyzer's order; the
    // first error stops it and propagates with its message.
    void BuildWholeReport();
    // "Olah Semua Otomatis": the whole analysis, then the preview.
    void OlahSemuaOtomatis();

private:
    // The analysis windows whose reports follow the scores, in report order.
    std::vector<GridWindow*> AnalysisWindows();
};

} // namespace taviro
