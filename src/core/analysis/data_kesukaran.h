#pragma once

#include "core/document/data.h"
#include "core/scoring/data_skor.h"

#include <string>
#include <vector>

namespace taviro {

// The difficulty level of one multiple-choice item.
struct TItemKesukaran {
    // The item's label in the score list, as a number.
    int NoButirAsli = 0;
    // Scored subjects who answered the item right.
    int JumBetul = 0;
    // JumBetul as a percentage of the scored subjects, unrounded: a high value is an easy item.
    double TingkatKesukaran = 0;
    // The category of TingkatKesukaran; empty until it is computed.
    std::string Tafsiran;
};

// The category of a difficulty percentage: "Sangat Sukar" up to 15, "Sukar" up to 30, "Sedang"
// up to 70, "Mudah" up to 85, "Sangat Mudah" above; each band holds its upper bound. Both
// analyzers use it. Empty for NaN.
std::string TafsiranKesukaran(double tingkatKesukaran);

// Difficulty level of every multiple-choice item: the share of all scored subjects who answered
// it right. The groups play no part, and the score list is left in the order it has.
class TDataKesukaran : public TDataHitung {
public:
    explicit TDataKesukaran(TDataSkor& skor) : skor_(skor) {}

    std::vector<TItemKesukaran> Items;

    void Clear() override;
    // Fills one result per item. Throws a TaviroError when there are no scored subjects (the
    // items then hold their zero counts and no category) and when an item label is not a whole
    // number; NeedRecalc then stays set.
    void Compute();
    TItemKesukaran& GetItem(int index) { return Items.at(static_cast<std::size_t>(index)); }
    const TItemKesukaran& GetItem(int index) const {
        return Items.at(static_cast<std::size_t>(index));
    }
    int Count() const { return static_cast<int>(Items.size()); }

private:
    TDataSkor& skor_;
};

} // namespace taviro
