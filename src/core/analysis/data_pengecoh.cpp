#include "core/analysis/data_pengecoh.h"

#include "core/analysis/item_scores.h"
#include "core/taviro_error.h"
#include "core/text/number_text.h"
#include "core/text/prefetch.h"

#include <algorithm>
#include <array>
#include <limits>

namespace taviro {

namespace {

// Options are letters, so a document can name at most 'a' .. 'z'.
constexpr int MaxOptions = 26;

std::string WrongOptionCountMessage(int options) {
    return "Maaf, kualitas pengecoh tidak bisa dihitung karena jumlah pilihan jawaban = " +
           IntToText(options) + ", padahal harus antara 1 dan " + IntToText(MaxOptions);
}

std::string NoDistractorMessage(int item) {
    return "Maaf, kualitas pengecoh tidak bisa dihitung: hanya ada satu pilihan jawaban (\"a\"), "
           "tetapi kunci No Butir Baru " +
           IntToText(item + 1) +
           " bukan \"a\", sehingga tidak ada pengecoh untuk membagi subyek yang tidak menjawab "
           "benar (pembagian dengan nol)";
}

// Only 'A' .. 'Z' change, whatever the locale.
char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// The 0-based option that the character names (letter case ignored), or -1 for none of them.
int OptionOf(char c, int options) {
    const int option = LowerAscii(c) - 'a';
    return option >= 0 && option < options ? option : -1;
}

} // namespace

std::string KualitasPengecoh(double indeksPengecoh) {
    const double x = indeksPengecoh;
    if (x > 75 && x <= 125) {
        return "++";
    }
    if ((x > 50 && x <= 75) || (x > 125 && x <= 150)) {
        return "+";
    }
    if ((x > 25 && x <= 50) || (x > 150 && x <= 175)) {
        return "-";
    }
    if ((x >= 0 && x <= 25) || (x > 175 && x <= 200)) {
        return "--";
    }
    if (x > 200) {
        return "---";
    }
    return "";
}

void TDataPengecoh::Clear() {
    Items.clear();
    SetNeedRecalc(true);
}

void TDataPengecoh::Compute() {
    // A second Compute without Clear must not append a second set of results.
    Items.clear();
    const int options = mentah_.JumPilihan;
    if (options < 1 || options > MaxOptions) {
        throw TaviroError(WrongOptionCountMessage(options));
    }
    TitemPengecoh blank;
    blank.JumPemilih.assign(static_cast<std::size_t>(options), 0);
    blank.IndeksPengecoh.assign(static_cast<std::size_t>(options), 0.0);
    blank.Kualitas.assign(static_cast<std::size_t>(options), "");
    AddLabelledItems(skor_, Items, blank);
    // The scores were counted from the records there, however many the raw data claims; the
    // distractors go by the same subjects.
    const int subjects = std::clamp(mentah_.JumSubyek, 0, mentah_.JawabanCount());
    CountAnswers(subjects);
    Rate(subjects, options);
}

void TDataPengecoh::CountAnswers(int subjects) {
    const int options = mentah_.JumPilihan;
    const std::size_t items = Items.size();
    // One pass that only counts every character per item, without a branch per answer: the
    // counts of right answers, blanks and options are read from these afterwards. The table is
    // character-major (the counts of one character for every item side by side): the few
    // characters a test uses then share a few cache lines, where item-major rows 1 KiB apart
    // would all fall into the same handful of cache sets and evict each other.
    std::vector<int> characters(256 * items, 0);
    // How many answer strings end at each length: the missing end of a short one is blank.
    std::vector<int> endingAt(items + 1, 0);
    // Data pointers in locals: an int store may alias a char, so through the containers every
    // count would reload the string's and the table's data pointers.
    int* const table = characters.data();
    for (int s = 0; s < subjects; ++s) {
        if (s + PrefetchAhead < subjects) {
            PrefetchText(mentah_.GetJawaban(s + PrefetchAhead).Jwb);
        }
        const std::string& answers = mentah_.GetJawaban(s).Jwb;
        const char* const answer = answers.data();
        const std::size_t present = std::min(answers.size(), items);
        for (std::size_t i = 0; i < present; ++i) {
            ++table[static_cast<unsigned char>(answer[i]) * items + i];
        }
        ++endingAt[present];
    }
    int missing = 0;
    for (std::size_t i = 0; i < items; ++i) {
        missing += endingAt[i];
        TitemPengecoh& item = Items[i];
        const auto count = [&characters, items, i](char c) {
            return characters[static_cast<unsigned char>(c) * items + i];
        };
        // A missing key position matches no answer, as in the scoring; letter case never counts.
        if (i < mentah_.Kunci.size()) {
            const char key = LowerAscii(mentah_.Kunci[i]);
            item.JumBetul = count(key);
            if (key >= 'a' && key <= 'z') {
                item.JumBetul += count(static_cast<char>(key - 'a' + 'A'));
            }
        }
        item.JumBlank = count('*') + missing;
        for (int option = 0; option < options; ++option) {
            item.JumPemilih[static_cast<std::size_t>(option)] =
                count(static_cast<char>('a' + option)) + count(static_cast<char>('A' + option));
        }
    }
}

void TDataPengecoh::Rate(int subjects, int options) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (std::size_t i = 0; i < Items.size(); ++i) {
        TitemPengecoh& item = Items[i];
        // A missing key character is no option letter: every option is then a distractor.
        const int key = i < mentah_.Kunci.size() ? OptionOf(mentah_.Kunci[i], options) : -1;
        const int missed = subjects - item.JumBetul;
        for (int j = 0; j < options; ++j) {
            const auto option = static_cast<std::size_t>(j);
            if (j == key) {
                item.IndeksPengecoh[option] = nan;
                item.Kualitas[option] = "**";
                continue;
            }
            if (options == 1) {
                throw TaviroError(NoDistractorMessage(static_cast<int>(i)));
            }
            if (missed <= 0) {
                item.IndeksPengecoh[option] = nan;
                item.Kualitas[option] = "";
                continue;
            }
            // The expected number is missed / (options - 1); multiplying first keeps the band
            // bounds exact.
            item.IndeksPengecoh[option] = 100.0 * item.JumPemilih[option] * (options - 1) / missed;
            item.Kualitas[option] = KualitasPengecoh(item.IndeksPengecoh[option]);
        }
    }
}

} // namespace taviro
