#pragma once

#include "core/document/data.h"

#include <functional>
#include <vector>

namespace taviro {

// Marks every analysis stale when its input changes (a rescoring, an opened document).
class TAnalButirSoal {
public:
    // The analysis objects, in the order in which they are marked.
    std::vector<TDataHitung*> Analyses;
    // Called after marking: the multiple-choice group window learns that its groups are stale.
    std::function<void()> OnGroupsStale;

    void MarkAllForRecalc(bool value) {
        for (TDataHitung* analysis : Analyses) {
            analysis->SetNeedRecalc(value);
        }
        if (OnGroupsStale) {
            OnGroupsStale();
        }
    }
};

} // namespace taviro
