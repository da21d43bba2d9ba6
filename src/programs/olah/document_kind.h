#pragma once

#include "core/analyzer_kind.h"

#include <string>

namespace taviro {

// The analyzer kind of a document: the --kind value when given ("pilihan-ganda" or "uraian"),
// else the file's extension (".tav" or ".tur", any letter case). Throws a TaviroError otherwise.
AnalyzerKind DocumentKind(const std::string& path, const std::string& kindOption);

} // namespace taviro
