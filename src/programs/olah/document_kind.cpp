#include "programs/olah/document_kind.h"

#include "core/taviro_error.h"

#include <algorithm>
#include <filesystem>

namespace taviro {

AnalyzerKind DocumentKind(const std::string& path, const std::string& kindOption) {
    if (kindOption == "pilihan-ganda") {
        return AnalyzerKind::PilihanGanda;
    }
    if (kindOption == "uraian") {
        return AnalyzerKind::Uraian;
    }
    if (!kindOption.empty()) {
        throw TaviroError("Jenis dokumen \"" + kindOption +
                          "\" tidak dikenal: pilih \"pilihan-ganda\" atau \"uraian\".");
    }
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".tav") {
        return AnalyzerKind::PilihanGanda;
    }
    if (extension == ".tur") {
        return AnalyzerKind::Uraian;
    }
    throw TaviroError("Jenis dokumen berkas \"" + path +
                      "\" tidak dapat ditentukan dari akhiran namanya: pakai .tav atau .tur, atau "
                      "sebutkan dengan --kind pilihan-ganda atau --kind uraian.");
}

} // namespace taviro
