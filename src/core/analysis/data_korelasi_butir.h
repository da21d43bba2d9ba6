#pragma once

#include "core/document/data.h"
#include "core/scoring/data_skor.h"

#include <array>
#include <string>
#include <vector>

namespace taviro {

// One row of the table of two-tailed critical values of Pearson's r.
struct BatasSigRow {
    int Df = 0;
    double BatasP01 = 0;
    double BatasP05 = 0;
};

// One item's correlation with the test score.
struct TitemKorelasiButir {
    // The item's label in the score list, as an integer.
    int NoButirAsli = 0;
    // NaN when it cannot be computed.
    double Korelasi = 0;
    // "Sangat Signifikan", "Signifikan", "-" or "NAN".
    std::string Signifikansi;
};

// Per item, the correlation between the item score and the test score over every scored subject,
// judged against the critical values in BatasSig.
class TDataKorelasiButir : public TDataHitung {
public:
    explicit TDataKorelasiButir(TDataSkor& skor);

    // Ascending in Df.
    const std::array<BatasSigRow, 14> BatasSig;
    // One entry per item, in item order.
    std::vector<TitemKorelasiButir> Items;

    // Empties Items; BatasSig stays.
    void Clear() override;
    // Fills Items from the score list and clears NeedRecalc. Essay scores are read with the given
    // decimal separator ('.' is accepted as well). Throws a TaviroError for an item label that is
    // not an integer and for an essay item score that is not a number.
    void Compute(char decimalSeparator = '.');

    TitemKorelasiButir& GetItem(int index) { return Items.at(static_cast<std::size_t>(index)); }
    const TitemKorelasiButir& GetItem(int index) const {
        return Items.at(static_cast<std::size_t>(index));
    }
    int Count() const { return static_cast<int>(Items.size()); }

    // The first row whose Df is at least df; the last row when df is beyond the table.
    const BatasSigRow& RowForDf(int df) const;
    // The significance of a coefficient computed over the given number of subjects (df = N - 2).
    // A coefficient on a critical value counts as reaching it; every negative one is "-".
    std::string SignificanceOf(double korelasi, int subjects) const;

private:
    TDataSkor& skor_;
};

} // namespace taviro
