#include "core/analysis/item_scores.h"

#include "core/taviro_error.h"
#include "core/text/number_text.h"
#include "core/text/text_helpers.h"

#include <algorithm>
#include <cmath>

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

// A piece of at most six digits, read without the general conversion.
std::optional<double> SmallWholeNumber(std::string_view piece) {
    if (piece.empty() || piece.size() > 6) {
        return std::nullopt;
    }
    int value = 0;
    for (const char c : piece) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
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
    const TItemSkor& subject = skor.GetItem(position);
    std::vector<std::optional<double>> scores(ItemCount(skor));
    // The pieces between the commas, read in place: every analysis reads every score again, so
    // whole scores, which most are, skip the general conversion.
    const std::string_view text = subject.SkorButir;
    std::size_t start = 0;
    for (std::size_t i = 0; i < scores.size() && start < text.size(); ++i) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string_view piece = text.substr(start, comma - start);
        start = comma + 1;
        if (piece == "*" || piece == "#") {
            continue;
        }
        if (const auto whole = SmallWholeNumber(piece)) {
            scores[i] = *whole;
            continue;
        }
        scores[i] = ParseScore(std::string(piece), decimalSeparator);
        if (!scores[i]) {
            throw TaviroError(WrongScoreMessage(subject, i, std::string(piece)));
        }
        if (std::fabs(*scores[i]) > MaxEssayScore) {
            throw TaviroError("Skor subyek dg nomor urut " + IntToText(subject.UrutanAwal + 1) +
                              ", butir ke-" + IntToText(static_cast<long long>(i) + 1) +
                              TooLargeText(std::string(piece)));
        }
    }
    return scores;
}

std::vector<double> ItemScores(const TDataSkor& skor, int position, char decimalSeparator) {
    std::vector<double> scores;
    ItemScoresInto(skor, position, decimalSeparator, scores);
    return scores;
}

void ItemScoresInto(const TDataSkor& skor, int position, char decimalSeparator,
                    std::vector<double>& scores) {
    scores.assign(ItemCount(skor), 0.0);
    if (skor.Kind == AnalyzerKind::PilihanGanda) {
        const std::string& result = skor.GetItem(position).SkorButir;
        const std::size_t length = std::min(result.size(), scores.size());
        for (std::size_t i = 0; i < length; ++i) {
            scores[i] = static_cast<double>(result[i] == '1');
        }
        return;
    }
    const auto essay = EssayItemScores(skor, position, decimalSeparator);
    for (std::size_t i = 0; i < scores.size(); ++i) {
        scores[i] = essay[i].value_or(0.0);
    }
}

std::vector<double> EssayScoreSums(const TDataSkor& skor, int first, int n, char decimalSeparator) {
    std::vector<double> sums(ItemCount(skor), 0.0);
    for (int member = first; member < first + n; ++member) {
        const auto scores = EssayItemScores(skor, member, decimalSeparator);
        for (std::size_t i = 0; i < sums.size(); ++i) {
            if (scores[i]) {
                sums[i] += *scores[i];
            }
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
