#include "core/analysis/data_pembeda.h"

#include "core/analysis/group_rule.h"
#include "core/analysis/item_scores.h"
#include "core/taviro_error.h"

namespace taviro {

namespace {

const char* const EmptyGroupMessage =
    "Maaf, daya pembeda tidak bisa dihitung karena jumlah subyek kelompok = 0";

} // namespace

void TDataPembeda::Clear() {
    Items.clear();
    SetNeedRecalc(true);
}

void TDataPembeda::Compute() {
    // A second Compute without Clear must not append a second set of results.
    Items.clear();
    JumKel = GroupSize(skor_.Count());
    if (JumKel == 0) {
        throw TaviroError(EmptyGroupMessage);
    }
    const Groups groups = FormGroups(skor_);

    AddLabelledItems(skor_, Items);

    const std::vector<int> upper = GroupRightCounts(skor_, groups.UpperFirst, groups.Size);
    const std::vector<int> lower = GroupRightCounts(skor_, groups.LowerFirst, groups.Size);
    const double n = groups.Size;
    for (std::size_t i = 0; i < Items.size(); ++i) {
        TItemPembeda& item = Items[i];
        item.KelAtas = upper[i];
        item.KelBawah = lower[i];
        item.Beda = item.KelAtas - item.KelBawah;
        // Multiplying first keeps whole percentages exact.
        item.IndeksDP = item.Beda * 100.0 / n;
    }
    SetNeedRecalc(false);
}

} // namespace taviro
