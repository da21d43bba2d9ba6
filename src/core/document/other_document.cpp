#include "core/document/other_document.h"

#include "core/document/dm_save.h"

namespace taviro {

TDataMentah ReadOtherRawData(AnalyzerKind kind, const std::string& path) {
    TdmSave temporary(kind);
    TDataMentah other(kind);
    temporary.Engine.AddData(other);
    temporary.Engine.FileName = path;
    temporary.Engine.Load();
    return other;
}

} // namespace taviro
