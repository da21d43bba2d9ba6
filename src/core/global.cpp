#include "core/global.h"

#include "core/text/text_helpers.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace taviro {

namespace {

// The value of XDG_DOCUMENTS_DIR in user-dirs.dirs, with "$HOME" expanded; empty when absent.
std::string DocumentsDirFromUserDirs(const std::string& home) {
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    const std::filesystem::path config = (configHome != nullptr && *configHome != '\0')
                                             ? std::filesystem::path(configHome)
                                             : std::filesystem::path(home) / ".config";
    std::ifstream file(config / "user-dirs.dirs");
    const std::string key = "XDG_DOCUMENTS_DIR=";
    for (std::string line; std::getline(file, line);) {
        if (line.rfind(key, 0) != 0) {
            continue;
        }
        std::string value = line.substr(key.size());
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
            value = value.substr(1, value.size() - 2);
        }
        if (value.rfind("$HOME", 0) == 0) {
            value = home + value.substr(5);
        }
        return value;
    }
    return {};
}

} // namespace

std::string FindDocumentsFolder() {
    std::error_code error;
    const auto usable = [&error](const std::string& folder) {
        return !folder.empty() && std::filesystem::is_directory(folder, error);
    };
    if (const char* documents = std::getenv("XDG_DOCUMENTS_DIR"); documents && usable(documents)) {
        return AddBackslash(documents);
    }
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        if (const std::string fromUserDirs = DocumentsDirFromUserDirs(home); usable(fromUserDirs)) {
            return AddBackslash(fromUserDirs);
        }
        if (const std::string fallback = std::string(home) + "/Documents"; usable(fallback)) {
            return AddBackslash(fallback);
        }
    }
    return ExeFolder();
}

TGlobal::TGlobal(AnalyzerKind kind)
    : DocumentsFolder(FindDocumentsFolder()), FileName(UnnamedDocument(kind)) {}

} // namespace taviro
