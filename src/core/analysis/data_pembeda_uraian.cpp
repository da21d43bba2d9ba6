#include "core/analysis/data_pembeda_uraian.h"

#include "core/analysis/item_scores.h"
#include "core/taviro_error.h"

namespace taviro {

void TDataPembedaUraian::Compute(char decimalSeparator) {
    // The statistics are stale when marked, and also when they no longer cover the items of the
    // scores: reading them then would pair items with the wrong statistics.
    if (unggulAsor_.NeedRecalc ||
        static_cast<std::size_t>(unggulAsor_.Count()) != ItemCount(skor_)) {
        unggulAsor_.Clear();
        unggulAsor_.Compute(decimalSeparator);
    }

    // The group statistics now cover exactly these items.
    std::vector<TItemPembedaUraian> results;
    AddLabelledItems(skor_, results);

    const std::vector<double> ideal = EssayIdealScores(skor_, decimalSeparator);
    const double n = unggulAsor_.JumKel;
    for (std::size_t i = 0; i < results.size(); ++i) {
        const TItemUnggulAsor& groups = unggulAsor_.GetItem(static_cast<int>(i));
        const double largestDifference = ideal[i] * n;
        if (largestDifference == 0) {
            throw TaviroError("Daya pembeda " +
                              EssayItemName(static_cast<int>(i), results[i].NoButirAsli) +
                              " tidak bisa dihitung karena skor idealnya = 0");
        }
        // Multiplying first keeps a whole percentage exact.
        results[i].DP = (groups.JumSkorUn - groups.JumSkorAs) * 100.0 / largestDifference;
    }

    items_ = std::move(results);
    SetNeedRecalc(false);
}

} // namespace taviro
