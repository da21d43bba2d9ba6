#pragma once

#include <string_view>

namespace taviro {

// Both analyzers share one build; the kind is a runtime value that every object that behaves
// differently is given at construction.
enum class AnalyzerKind { PilihanGanda, Uraian };

// The extension of the kind's documents, with its dot.
constexpr std::string_view DocumentExtension(AnalyzerKind kind) {
    return kind == AnalyzerKind::PilihanGanda ? ".tav" : ".tur";
}

// The "file_version" that a save writes.
constexpr std::string_view CurrentFileVersion(AnalyzerKind kind) {
    return kind == AnalyzerKind::PilihanGanda ? "4.0.2" : "2.0.1";
}

// The name given to a document that has not been saved yet.
constexpr std::string_view UnnamedDocument(AnalyzerKind kind) {
    return kind == AnalyzerKind::PilihanGanda ? "Belum_ada_nama.tav" : "Belum_ada_nama.tur";
}

} // namespace taviro
