#pragma once

#include "core/document/data.h"
#include "core/scoring/data_skor.h"

#include <string>
#include <vector>

namespace taviro {

// Essay: the difficulty level of one item.
struct TItemKesukaranUraian {
    int NoButirAsli = 0;
    // What the two groups together got on the item as a percentage of the most they could get.
    double TingkatKesukaran = 0;
    double JumSkorUn = 0;
    double JumSkorAs = 0;
    // The category of TingkatKesukaran, "Sangat Sukar" .. "Sangat Mudah".
    std::string Tafsiran;
};

// Essay: the difficulty level of every item, from the item score sums of the upper and the lower
// group, which it forms itself.
class TDataKesukaranUraian : public TDataHitung {
public:
    explicit TDataKesukaranUraian(TDataSkor& skor) : skor_(skor) {}

    void Clear() override {
        items_.clear();
        SetNeedRecalc(true);
    }
    // Forms the groups (puts the score list in score order) and computes every item; scores and
    // ideal scores are read with the given decimal separator ('.' is accepted as well). Throws a
    // TaviroError when a group is empty, for an ideal score of 0, a missing one or one that is not
    // a number, for a score that is not a number and for an item label that is not an integer; the
    // results are then left as they were and NeedRecalc stays true.
    void Compute(char decimalSeparator = '.');
    const TItemKesukaranUraian& GetItem(int index) const {
        return items_.at(static_cast<std::size_t>(index));
    }
    int Count() const { return static_cast<int>(items_.size()); }

private:
    TDataSkor& skor_;
    std::vector<TItemKesukaranUraian> items_;
};

} // namespace taviro
