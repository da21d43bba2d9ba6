// Scoring plus every analysis of its kind on generated documents (subjects x items), as the whole
// analysis runs them: bench_analysis --benchmark_filter=...
#include "core/analysis/data_kesukaran.h"
#include "core/analysis/data_kesukaran_uraian.h"
#include "core/analysis/data_korelasi_butir.h"
#include "core/analysis/data_pembeda.h"
#include "core/analysis/data_pembeda_uraian.h"
#include "core/analysis/data_pengecoh.h"
#include "core/analysis/data_reliabilitas.h"
#include "core/analysis/data_unggul_asor.h"
#include "core/analysis/group_rule.h"
#include "core/session.h"
#include "document_generator.h"

#include <benchmark/benchmark.h>

namespace {

void ScoreAndAnalyse(taviro::Session& session) {
    session.DataMentah().IsNeedRecalc = true;
    session.DataSkor().ScoreAll(session.DataMentah(), session.AnalButirSoal());
    session.Reliabilitas().Clear();
    session.Reliabilitas().Compute();
    if (session.Kind() == taviro::AnalyzerKind::PilihanGanda) {
        taviro::FormGroups(session.DataSkor());
        session.Pembeda()->Clear();
        session.Pembeda()->Compute();
        session.Kesukaran()->Clear();
        session.Kesukaran()->Compute();
        session.KorelasiButir().Clear();
        session.KorelasiButir().Compute();
        session.Pengecoh()->Clear();
        session.Pengecoh()->Compute();
    } else {
        session.UnggulAsor()->Clear();
        session.UnggulAsor()->Compute();
        session.PembedaUraian()->Clear();
        session.PembedaUraian()->Compute();
        session.KesukaranUraian()->Clear();
        session.KesukaranUraian()->Compute();
        session.KorelasiButir().Clear();
        session.KorelasiButir().Compute();
    }
}

void BM_ScoreAndAnalyse(benchmark::State& state, taviro::AnalyzerKind kind) {
    const int subjects = static_cast<int>(state.range(0));
    const int items = static_cast<int>(state.range(1));
    taviro::Session session(kind);
    taviro::bench::GenerateRawData(session.DataMentah(), subjects, items, 2026);
    // A document as it is loaded: a saved document carries the scores of its last scoring.
    ScoreAndAnalyse(session);
    for (auto _ : state) {
        ScoreAndAnalyse(session);
    }
    state.counters["cells/s"] = benchmark::Counter(static_cast<double>(subjects) * items,
                                                   benchmark::Counter::kIsIterationInvariantRate);
}

void MultipleChoice(benchmark::State& state) {
    BM_ScoreAndAnalyse(state, taviro::AnalyzerKind::PilihanGanda);
}
void Essay(benchmark::State& state) { BM_ScoreAndAnalyse(state, taviro::AnalyzerKind::Uraian); }

} // namespace

BENCHMARK(MultipleChoice)
    ->Args({10000, 100})
    ->Args({100000, 100})
    ->Args({1000000, 100})
    ->Args({100000, 50})
    ->Args({100000, 200})
    ->MinTime(5)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(Essay)->Args({10000, 100})->Args({100000, 100})->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
