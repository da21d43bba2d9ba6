// Load and save of generated multiple-choice documents, with the scores stored as after a
// scoring: bench_document --benchmark_filter=... (sizes: subjects x 100 items).
#include "core/analysis/anal_butir_soal.h"
#include "core/session.h"
#include "document_generator.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

std::string TemporaryDocument(const std::string& name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

void FillScoredSession(taviro::Session& session, int subjects, int items) {
    taviro::bench::GenerateRawData(session.DataMentah(), subjects, items, 2026);
    taviro::TAnalButirSoal analyses;
    session.DataSkor().ScoreAll(session.DataMentah(), analyses);
}

void BM_SaveDocument(benchmark::State& state) {
    const int subjects = static_cast<int>(state.range(0));
    const int items = static_cast<int>(state.range(1));
    taviro::Session session(taviro::AnalyzerKind::PilihanGanda);
    FillScoredSession(session, subjects, items);
    const std::string path = TemporaryDocument("taviro-bench-save.tav");
    for (auto _ : state) {
        session.SaveDocument(path);
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
    state.counters["cells/s"] = benchmark::Counter(static_cast<double>(subjects) * items,
                                                   benchmark::Counter::kIsIterationInvariantRate);
    std::filesystem::remove(path);
}

void BM_LoadDocument(benchmark::State& state) {
    const int subjects = static_cast<int>(state.range(0));
    const int items = static_cast<int>(state.range(1));
    const std::string path = TemporaryDocument("taviro-bench-load.tav");
    {
        taviro::Session session(taviro::AnalyzerKind::PilihanGanda);
        FillScoredSession(session, subjects, items);
        session.SaveDocument(path);
    }
    taviro::Session session(taviro::AnalyzerKind::PilihanGanda);
    for (auto _ : state) {
        session.OpenDocument(path);
    }
    state.counters["cells/s"] = benchmark::Counter(static_cast<double>(subjects) * items,
                                                   benchmark::Counter::kIsIterationInvariantRate);
    std::filesystem::remove(path);
}

} // namespace

BENCHMARK(BM_SaveDocument)->Args({1000, 100})->Args({100000, 100})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadDocument)->Args({1000, 100})->Args({100000, 100})->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
