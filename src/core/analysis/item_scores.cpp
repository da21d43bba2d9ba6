#include "core/analysis/item_scores.h"

#include "core/taviro_error.h"
#include "core/text/number_text.h"
#include "core/text/plain_decimal.h"
#include "core/text/prefetch.h"
#include "core/text/text_helpers.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string_view>

namespace taviro {

namespace {

std::string WrongLabelMessage(int item, const std::string& label) {
    return "No butir asli butir ke-" + IntToText(item + 1) + " (\"" + TruncateText(label, 40) +
           "\") bukan bilangan bulat; dokumen ini mungkin rusak";
}

std::string WrongScoreMessage(const TItemSkor& subject, std::size_t item,
                              const std::string& piece) {
    return "Skor subyek dg nomor urut " + IntToText(subject.UrutanAwal + 1) + ", butir ke-" +
           IntToText(static_cast<long long>(item) + 1) + " bukan bilangan: \"" +
           TruncateText(piece, 40) + "\"";
}

std::string TooLargeText(const std::string& piece) {
    return " terlalu besar: \"" + TruncateText(piece, 40) + "\" (paling besar " +
           RealToText(MaxEssayScore) + ")";
}

// The regional separator first; '.' as well, for a document scored under another setting.
std::optional<double> ParseScore(const std::string& piece, char decimalSeparator) {
    std::optional<double> value = ParseReal(piece, decimalSeparator);
    if (!value && decimalSeparator != '.') {
        value = ParseReal(piece, '.');
    }
    return value;
}

[[noreturn]] void ThrowTooLarge(const TItemSkor& subject, std::size_t item,
                                std::string_view piece) {
    throw TaviroError("Skor subyek dg nomor urut " + IntToText(subject.UrutanAwal + 1) +
                      ", butir ke-" + IntToText(static_cast<long long>(item) + 1) +
                      TooLargeText(std::string(piece)));
}

// A piece that is not a plain decimal: rare, so kept out of the loop that reads the others.
[[gnu::noinline]] double ReadOtherPiece(const TItemSkor& subject, std::size_t item,
                                        std::string_view piece, char decimalSeparator) {
    const std::string text(piece);
    const auto value = ParseScore(text, decimalSeparator);
    if (!value) {
        throw TaviroError(WrongScoreMessage(subject, item, text));
    }
    return *value;
}

// Reads the subject's pieces between the commas in place into scores[0 .. items), 0 for a blank,
// and with Presence present[i] as 1 for a score and 0 for a blank. Every essay analysis reads
// every score again, so the pieces are neither copied nor given a vector each, and plain decimals,
// which nearly all scores are, skip the general conversion.
template <bool Presence>
void ReadEssayScores(const TItemSkor& subject, std::size_t items, char decimalSeparator,
                     double* scores, unsigned char* present) {
    const char* p = subject.SkorButir.data();
    const char* const end = p + subject.SkorButir.size();
    const bool plain = CanBePlainPoint(decimalSeparator);
    std::size_t i = 0;
    for (; i < items && p != end; ++i) {
        double value = 0;
        const char* stop = plain ? ScanPlainDecimal(p, end, decimalSeparator, '.', value) : nullptr;
        bool blank = false;
        if (stop == nullptr) {
            stop = static_cast<const char*>(std::memchr(p, ',', static_cast<std::size_t>(end - p)));
            stop = stop == nullptr ? end : stop;
            blank = stop - p == 1 && (*p == '*' || *p == '#');
            if (!blank) {
                value = ReadOtherPiece(subject, i, std::string_view(p, stop - p), decimalSeparator);
            }
        }
        if (std::fabs(value) > MaxEssayScore) {
            ThrowTooLarge(subject, i, std::string_view(p, stop - p));
        }
        scores[i] = value;
        if constexpr (Presence) {
            present[i] = blank ? 0 : 1;
        }
        p = stop == end ? end : stop + 1;
    }
    // The pieces missing from a short string are blank.
    for (; i < items; ++i) {
        scores[i] = 0;
        if constexpr (Presence) {
            present[i] = 0;
        }
    }
}

} // namespace

std::size_t ItemCount(const TDataSkor& skor) {
    return static_cast<std::size_t>(std::max(skor.JumButir, 0));
}

int NoButirAsli(const TDataSkor& skor, int item) {
    const auto index = static_cast<std::size_t>(item);
    if (index >= skor.NoButir.size()) {
        return item + 1;
    }
    const std::string& label = skor.NoButir[index];
    if (const auto number = ParseInt(label)) {
        return *number;
    }
    throw TaviroError(WrongLabelMessage(item, label));
}

std::vector<std::optional<double>> EssayItemScores(const TDataSkor& skor, int position,
                                                   char decimalSeparator) {
    std::vector<double> values;
    std::vector<unsigned char> present;
    EssayItemScoresInto(skor, position, decimalSeparator, values, present);
    std::vector<std::optional<double>> scores(values.size());
    for (std::size_t i = 0; i < scores.size(); ++i) {
        if (present[i] != 0) {
            scores[i] = values[i];
        }
    }
    return scores;
}

void EssayItemScoresInto(const TDataSkor& skor, int position, char decimalSeparator,
                         std::vector<double>& scores, std::vector<unsigned char>& present) {
    const TItemSkor& subject = skor.GetItem(position);
    const std::size_t items = ItemCount(skor);
    // Every entry is written, so a buffer kept from subject to subject needs no clearing.
    scores.resize(items);
    present.resize(items);
    ReadEssayScores<true>(subject, items, decimalSeparator, scores.data(), present.data());
}

std::vector<double> ItemScores(const TDataSkor& skor, int position, char decimalSeparator) {
    std::vector<double> scores;
    ItemScoresInto(skor, position, decimalSeparator, scores);
    return scores;
}

void ItemScoresInto(const TDataSkor& skor, int position, char decimalSeparator,
                    std::vector<double>& scores) {
    const TItemSkor& subject = skor.GetItem(position);
    const std::size_t items = ItemCount(skor);
    if (skor.Kind == AnalyzerKind::PilihanGanda) {
        scores.assign(items, 0.0);
        const std::string& result = subject.SkorButir;
        const std::size_t length = std::min(result.size(), scores.size());
        for (std::size_t i = 0; i < length; ++i) {
            scores[i] = static_cast<double>(result[i] == '1');
        }
        return;
    }
    scores.resize(items);
    ReadEssayScores<false>(subject, items, decimalSeparator, scores.data(), nullptr);
}

std::vector<double> EssayScoreSums(const TDataSkor& skor, int first, int n, char decimalSeparator) {
    const std::size_t items = ItemCount(skor);
    std::vector<double> sums(items, 0.0);
    std::vector<double> scores(items);
    const int last = first + n;
    for (int member = first; member < last; ++member) {
        if (member + PrefetchAhead < last) {
            PrefetchText(skor.GetItem(member + PrefetchAhead).SkorButir);
        }
        ReadEssayScores<false>(skor.GetItem(member), items, decimalSeparator, scores.data(),
                               nullptr);
        // A blank reads as +0, which leaves a sum as it is: a sum that starts at +0 never
        // becomes -0, the one value that adding +0 would change.
        for (std::size_t i = 0; i < sums.size(); ++i) {
            sums[i] += scores[i];
        }
    }
    return sums;
}

std::vector<double> EssayIdealScores(const TDataSkor& skor, char decimalSeparator) {
    const std::vector<std::string> pieces = SplitText(skor.Kunci, ',');
    std::vector<double> ideal(ItemCount(skor));
    for (std::size_t i = 0; i < ideal.size(); ++i) {
        const std::string item = IntToText(static_cast<long long>(i) + 1);
        if (i >= pieces.size()) {
            throw TaviroError("Skor ideal butir ke-" + item + " belum diisi");
        }
        const auto value = ParseScore(pieces[i], decimalSeparator);
        if (!value) {
            throw TaviroError("Skor ideal butir ke-" + item + " bukan bilangan: \"" +
                              TruncateText(pieces[i], 40) + "\"");
        }
        if (std::fabs(*value) > MaxEssayScore) {
            throw TaviroError("Skor ideal butir ke-" + item + TooLargeText(pieces[i]));
        }
        ideal[i] = *value;
    }
    return ideal;
}

std::string EssayItemName(int item, int noButirAsli) {
    return "butir ke-" + IntToText(item + 1) + " (no. butir asli " + IntToText(noButirAsli) + ")";
}

} // namespace taviro
