#pragma once

#include "core/analyzer_kind.h"
#include "core/document/data.h"

#include <string>
#include <vector>

namespace taviro {

// Turns opening and saving a document into one pass over the registered data objects, in
// ascending Priority.
class TSaveLoadEngine {
public:
    explicit TSaveLoadEngine(AnalyzerKind kind) : Kind(kind) {}

    AnalyzerKind Kind;
    // Registered objects, not owned, sorted by ascending Priority (registration order among
    // equals, so the order never depends on the sort's whims).
    std::vector<TData*> DataList;
    // "file_version" of the document last loaded by this engine; Save does not change it.
    std::string FileVersion;
    // The path that the next Load reads or the next Save writes.
    std::string FileName;

    void AddData(TData& data);

    // Reads FileName into every registered object. Nothing changes unless the whole file was read:
    // on failure a TaviroError names the file and the problem, and the objects and FileVersion
    // keep what they held.
    void Load();

    // Writes every registered object into a new document and puts it in place of FileName only
    // when it was written completely; on failure a TaviroError names the file and the problem and
    // any old file of that name is left as it was.
    void Save();
};

} // namespace taviro
