#include "views/memo_cetak.h"

#include "core/taviro_error.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace taviro {

std::string TFMemoCetak::ProposedFileName(const std::string& documentName) {
    std::filesystem::path name = std::filesystem::path(documentName).filename();
    name.replace_extension(".txt");
    return name.string();
}

void TFMemoCetak::SaveToFile(const std::string& path) const {
    std::ofstream file(path, std::ios::app | std::ios::binary);
    for (const std::string& line : MCetak) {
        if (!file) {
            break;
        }
        file << line << '\n';
    }
    file.flush();
    if (!file) {
        throw TaviroError("Laporan tidak dapat disimpan ke berkas \"" + path + "\".");
    }
}

} // namespace taviro
