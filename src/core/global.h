#pragma once

#include "core/analyzer_kind.h"

#include <cstdint>
#include <string>

namespace taviro {

// Application-wide settings and the state of the current document.
class TGlobal {
public:
    explicit TGlobal(AnalyzerKind kind);

    // Initial folder of the open and save dialogs, with a trailing separator.
    std::string DocumentsFolder;
    // Colours as 24-bit values with red in the low byte and blue in the high byte.
    std::uint32_t HighlightColor = 16766653;
    std::uint32_t HeaderColor = 14854529;
    int HeaderFontSize = 8;
    // The user's regional decimal separator: numbers shown to a person use it, and essay scores
    // typed with it are read with it. Documents always use '.'.
    char DecimalSeparator = '.';
    // Path of the current document, or the bare default name of a new one.
    std::string FileName;
    // Version of the current document: that of the last document loaded, or the version set
    // when a new document was made.
    std::string FileVersion;
};

// The user's documents folder with a trailing separator: XDG_DOCUMENTS_DIR (from the environment
// or the user's user-dirs.dirs), else ~/Documents when it exists, else the program's folder.
std::string FindDocumentsFolder();

} // namespace taviro
