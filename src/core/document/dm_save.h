#pragma once

#include "core/document/save_load_engine.h"

namespace taviro {

// Owns the save/load engine of the open document.
class TdmSave {
public:
    explicit TdmSave(AnalyzerKind kind) : Engine(kind) {}
    TSaveLoadEngine Engine;
};

} // namespace taviro
