#pragma once

#include "core/document/data.h"
#include "core/scoring/data_skor.h"

#include <vector>

namespace taviro {

// Essay: the statistics of one item in the upper and the lower group.
struct TItemUnggulAsor {
    int NoButirAsli = 0;
    double Rata2Un = 0;
    double Rata2As = 0;
    double SBUn = 0;
    double SBAs = 0;
    // The standard error of the difference of the two means, sqrt(SBUn²/n + SBAs²/n).
    double SBGab = 0;
    double JumSkorUn = 0;
    double JumSkorAs = 0;
    // (Rata2Un - Rata2As) / SBGab.
    double NilaiT = 0;
};

// Essay: per item the mean, standard deviation and sum of the item scores in the upper and the
// lower group of the 27 % rule, and the t value of the difference of the two means.
class TDataUnggulAsor : public TDataHitung {
public:
    explicit TDataUnggulAsor(TDataSkor& skor) : skor_(skor) {}

    // The group size n of the last computation.
    int JumKel = 0;

    void Clear() override {
        items_.clear();
        SetNeedRecalc(true);
    }
    // Forms the groups (puts the score list in score order) and computes every item's statistics;
    // the item scores are read with the given decimal separator ('.' is accepted as well). Throws a
    // TaviroError when a group is empty, when every member of a group left an item blank, when the
    // two groups' standard error of an item is 0 (no t value), for a score that is not a number and
    // for an item label that is not an integer; the results are then left as they were and
    // NeedRecalc stays true.
    void Compute(char decimalSeparator = '.');
    const TItemUnggulAsor& GetItem(int index) const {
        return items_.at(static_cast<std::size_t>(index));
    }
    int Count() const { return static_cast<int>(items_.size()); }

private:
    TDataSkor& skor_;
    std::vector<TItemUnggulAsor> items_;
};

} // namespace taviro
