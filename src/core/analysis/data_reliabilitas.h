#pragma once

#include "core/document/data.h"
#include "core/scoring/data_skor.h"

#include <string>
#include <vector>

namespace taviro {

// One subject of the split-half computation: X is the score on the odd-numbered items, Y on the
// even-numbered ones.
struct TItemReliabilitas {
    std::string Nama;
    // Copied from the score list so that a window can show the subject's number beside its half
    // scores even after the score list was re-sorted.
    std::string NoSubyek;
    double SkorGanjil = 0;
    double SkorGenap = 0;
    double SkorTotal = 0;
    double KuadratGanjil = 0;
    double KuadratGenap = 0;
    double GanjilKaliGenap = 0;

    // Stores X and Y and derives the total, the squares and the product from them.
    void SetScores(double ganjil, double genap);
};

// Split-half reliability of the whole test: the odd and even half scores correlated over every
// subject, stepped up to the full test by the Spearman-Brown formula.
class TDataReliabilitas : public TDataHitung {
public:
    explicit TDataReliabilitas(TDataSkor& skor);

    // One entry per subject, in the order of the score list when Compute ran.
    std::vector<TItemReliabilitas> Items;
    // Pearson correlation of the two half scores; NaN when undefined (fewer than two subjects, or
    // a half score that is the same for every subject).
    double KorelasiXY = 0;
    // 2r / (1 + r); NaN when KorelasiXY is NaN or -1.
    double Reliabilitas = 0;

    void Clear() override;
    // Fills Items, KorelasiXY and Reliabilitas from the score list and clears NeedRecalc.
    // Essay scores are read with the given decimal separator ('.' is accepted as well, as a
    // document may have been scored under another regional setting). Throws a TaviroError for an
    // essay item score that is not a number.
    void Compute(char decimalSeparator = '.');

    TItemReliabilitas& GetItem(int index) { return Items.at(static_cast<std::size_t>(index)); }
    const TItemReliabilitas& GetItem(int index) const {
        return Items.at(static_cast<std::size_t>(index));
    }
    int Count() const { return static_cast<int>(Items.size()); }

private:
    TDataSkor& skor_;
};

} // namespace taviro
