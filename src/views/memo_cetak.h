#pragma once

#include "core/report/cetak_sg.h"

#include <string>

namespace taviro {

// The report preview: its read-only lines, which reports replace or append to, and the saving of
// them to a text file.
class TFMemoCetak {
public:
    MemoLines MCetak;

    // The name proposed by "Cetak ke file": the document's name without its folder and with the
    // extension ".txt".
    static std::string ProposedFileName(const std::string& documentName);

    // Appends every line, each followed by a line break, to the file (created when missing).
    // Throws a TaviroError naming the file when it cannot be written.
    void SaveToFile(const std::string& path) const;
};

} // namespace taviro
