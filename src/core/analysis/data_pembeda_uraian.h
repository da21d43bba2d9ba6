#pragma once

#include "core/analysis/data_unggul_asor.h"
#include "core/document/data.h"
#include "core/scoring/data_skor.h"

#include <vector>

namespace taviro {

// Essay: the discrimination power of one item.
struct TItemPembedaUraian {
    int NoButirAsli = 0;
    // (JumSkorUn - JumSkorAs) as a percentage of the group size times the item's ideal score:
    // -100 .. 100.
    double DP = 0;
};

// Essay: the discrimination power of every item, from the group sums of TDataUnggulAsor.
class TDataPembedaUraian : public TDataHitung {
public:
    TDataPembedaUraian(TDataSkor& skor, TDataUnggulAsor& unggulAsor)
        : skor_(skor), unggulAsor_(unggulAsor) {}

    void Clear() override {
        items_.clear();
        SetNeedRecalc(true);
    }
    // Recomputes the group statistics first when they are stale (their errors end this
    // computation too), then the index of every item; scores and ideal scores are read with the
    // given decimal separator ('.' is accepted as well). Throws a TaviroError for an ideal score of
    // 0, a missing one or one that is not a number; the results are then left as they were and
    // NeedRecalc stays true.
    void Compute(char decimalSeparator = '.');
    const TItemPembedaUraian& GetItem(int index) const {
        return items_.at(static_cast<std::size_t>(index));
    }
    int Count() const { return static_cast<int>(items_.size()); }

private:
    TDataSkor& skor_;
    TDataUnggulAsor& unggulAsor_;
    std::vector<TItemPembedaUraian> items_;
};

} // namespace taviro
