#pragma once

#include "core/document/data.h"
#include "core/scoring/data_skor.h"

#include <vector>

namespace taviro {

// The discrimination power of one multiple-choice item.
struct TItemPembeda {
    // The item's label in the score list, as a number.
    int NoButirAsli = 0;
    // Upper-group and lower-group subjects who answered the item right.
    double KelAtas = 0;
    double KelBawah = 0;
    // KelAtas - KelBawah.
    double Beda = 0;
    // (KelAtas - KelBawah) / JumKel * 100, from -100 to 100, unrounded.
    double IndeksDP = 0;
};

// Discrimination power of every multiple-choice item: how many more upper-group than lower-group
// subjects answered it right, as a percentage of the group size.
class TDataPembeda : public TDataHitung {
public:
    explicit TDataPembeda(TDataSkor& skor) : skor_(skor) {}

    std::vector<TItemPembeda> Items;
    // The group size n of the last computation.
    int JumKel = 0;

    void Clear() override;
    // Forms the groups (leaving the score list in score order) and fills one result per item.
    // Throws a TaviroError when the groups are empty (fewer than two scored subjects) and when
    // an item label is not a whole number; NeedRecalc then stays set.
    void Compute();
    TItemPembeda& GetItem(int index) { return Items.at(static_cast<std::size_t>(index)); }
    const TItemPembeda& GetItem(int index) const {
        return Items.at(static_cast<std::size_t>(index));
    }
    int Count() const { return static_cast<int>(Items.size()); }

private:
    TDataSkor& skor_;
};

} // namespace taviro
