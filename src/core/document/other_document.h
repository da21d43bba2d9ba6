#pragma once

#include "core/document/data_mentah.h"

#include <string>

namespace taviro {

// Reads the raw data of another document (for importing names or merging) through an engine of
// its own. The open document, its IsChanged and the session's file version are not touched; the
// other file is read by its own version. Throws a TaviroError naming the file when it cannot be
// read.
TDataMentah ReadOtherRawData(AnalyzerKind kind, const std::string& path);

} // namespace taviro
