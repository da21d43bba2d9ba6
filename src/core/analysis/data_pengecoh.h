#pragma once

#include "core/document/data.h"
#include "core/document/data_mentah.h"
#include "core/scoring/data_skor.h"

#include <string>
#include <vector>

namespace taviro {

// How the subjects spread over the options of one multiple-choice item. The three arrays hold
// one entry per option: entry j is the option with the letter 'a' + j.
struct TitemPengecoh {
    // The item's label in the score list, as a number.
    int NoButirAsli = 0;
    // Subjects whose answer equals the key, letter case ignored.
    int JumBetul = 0;
    // Subjects who chose the option, letter case ignored.
    std::vector<int> JumPemilih;
    // JumPemilih as a percentage of the expected number of choosers; NaN for the key and when
    // nobody is expected (every subject answered right).
    std::vector<double> IndeksPengecoh;
    // "**" for the key, else "++", "+", "-", "--" or "---"; empty when nobody is expected.
    std::vector<std::string> Kualitas;
    // Subjects who left the item blank ("*", or nothing at that position).
    int JumBlank = 0;
};

// The mark of a distractor drawn by the given percentage of its expected choosers: "++" above 75
// up to 125, "+" above 50 up to 75 and above 125 up to 150, "-" above 25 up to 50 and above 150
// up to 175, "--" up to 25 and above 175 up to 200, "---" above 200. Empty for NaN.
std::string KualitasPengecoh(double indeksPengecoh);

// Distractor quality of every multiple-choice item, counted from the raw answers: each wrong
// option is rated by how many subjects chose it against how many would have, had the subjects
// who missed the item spread evenly over the wrong options.
class TDataPengecoh : public TDataHitung {
public:
    TDataPengecoh(TDataMentah& mentah, TDataSkor& skor) : mentah_(mentah), skor_(skor) {}

    std::vector<TitemPengecoh> Items;

    void Clear() override;
    // Fills one result per item of the score list. Leaves NeedRecalc set, so that every caller
    // counts afresh. Throws a TaviroError for a number of options outside 1 .. 26, for a single
    // option that is not the key (there is no distractor to spread the misses over), and when an
    // item label is not a whole number.
    void Compute();
    TitemPengecoh& GetItem(int index) { return Items.at(static_cast<std::size_t>(index)); }
    const TitemPengecoh& GetItem(int index) const {
        return Items.at(static_cast<std::size_t>(index));
    }
    int Count() const { return static_cast<int>(Items.size()); }

private:
    void CountAnswers(int subjects);
    void Rate(int subjects, int options);

    TDataMentah& mentah_;
    TDataSkor& skor_;
};

} // namespace taviro
