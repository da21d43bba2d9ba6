#include "core/analysis/data_pembeda.h"

#include "core/analysis/group_rule.h"
#include "core/taviro_error.h"
#include "core/text/number_text.h"
#include "core/text/text_helpers.h"

#include <algorithm>

namespace taviro {

namespace {

const char* const EmptyGroupMessage =
    "Maaf, daya pembeda tidak bisa dihitung karena jumlah subyek kelompok = 0";

// Documents older than the labelled format carry no labels: their items are numbered 1, 2, ...
int ItemLabelNumber(const TDataSkor& skor, int item) {
    const auto index = static_cast<std::size_t>(item);
    if (index >= skor.NoButir.size()) {
        return item + 1;
    }
    const std::string& label = skor.NoButir[index];
    if (const auto number = ParseInt(label)) {
        return *number;
    }
    throw TaviroError("No Butir Asli dari No Butir Baru " + IntToText(item + 1) + " (\"" +
                      TruncateText(label, 40) +
                      "\") bukan bilangan bulat; dokumen ini mungkin rusak");
}

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

    const int items = std::max(skor_.JumButir, 0);
    Items.reserve(static_cast<std::size_t>(items));
    for (int i = 0; i < items; ++i) {
        TItemPembeda item;
        item.NoButirAsli = ItemLabelNumber(skor_, i);
        Items.push_back(item);
    }

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
