#include "core/analysis/data_korelasi_butir.h"

#include "core/analysis/item_scores.h"
#include "core/analysis/pearson.h"
#include "core/text/prefetch.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace taviro {

namespace {

constexpr std::array<BatasSigRow, 14> CriticalValues{{
    {10, 0.708, 0.576},
    {15, 0.606, 0.482},
    {20, 0.549, 0.423},
    {25, 0.496, 0.381},
    {30, 0.449, 0.349},
    {40, 0.393, 0.304},
    {50, 0.354, 0.273},
    {60, 0.325, 0.250},
    {70, 0.302, 0.233},
    {80, 0.283, 0.217},
    {90, 0.267, 0.205},
    {100, 0.254, 0.195},
    {125, 0.228, 0.174},
    {150, 0.208, 0.159},
}};

// The sums of one item over every subject; y is the test score.
struct ItemSums {
    PearsonSums Sums;
    double FirstX = 0;
    bool XVaries = false;
};

// Whether every test score is a whole number that whole-number sums hold exactly.
bool WholeScores(const TDataSkor& skor) {
    for (const TItemSkor& subject : skor.Items) {
        if (subject.SkorAkhir != std::trunc(subject.SkorAkhir) ||
            std::fabs(subject.SkorAkhir) > 1e9) {
            return false;
        }
    }
    return true;
}

void SumRightAnswers(const TDataSkor& skor, std::vector<ItemSums>& items) {
    // Item scores are 0 or 1 and test scores whole numbers: whole-number sums are exact, and
    // the pass needs no branch per answer.
    std::vector<long long> right(items.size(), 0);
    std::vector<long long> rightTimesScore(items.size(), 0);
    // Data pointers in locals, so the stores do not force them to be reloaded (see
    // GroupRightCounts).
    long long* const rightCount = right.data();
    long long* const rightSum = rightTimesScore.data();
    for (int s = 0; s < skor.Count(); ++s) {
        if (s + PrefetchAhead < skor.Count()) {
            PrefetchText(skor.GetItem(s + PrefetchAhead).SkorButir);
        }
        const TItemSkor& subject = skor.GetItem(s);
        const auto y = static_cast<long long>(subject.SkorAkhir);
        const char* const mark = subject.SkorButir.data();
        const std::size_t length = std::min(subject.SkorButir.size(), items.size());
        for (std::size_t i = 0; i < length; ++i) {
            const long long x = mark[i] == '1' ? 1 : 0;
            rightCount[i] += x;
            rightSum[i] += x * y;
        }
    }
    const auto subjects = static_cast<long long>(skor.Count());
    for (std::size_t i = 0; i < items.size(); ++i) {
        items[i].Sums.X = static_cast<long double>(right[i]);
        items[i].Sums.XX = static_cast<long double>(right[i]);
        items[i].Sums.XY = static_cast<long double>(rightTimesScore[i]);
        items[i].XVaries = right[i] != 0 && right[i] != subjects;
    }
}

// Whether every score of the row is a whole number. The scores are at most MaxEssayScore in
// size, so a 32-bit conversion holds the integer of each; it spares the general rounding function,
// and the loop has no branch.
bool WholeRow(const std::vector<double>& scores) {
    bool whole = true;
    for (const double x : scores) {
        whole = whole & (static_cast<double>(static_cast<int>(x)) == x);
    }
    return whole;
}

void SumItemScores(const TDataSkor& skor, std::vector<ItemSums>& items, char decimalSeparator) {
    // While the item scores and the test scores are whole numbers, the sums are kept as 64-bit
    // integers, which is several times faster than extended precision. They are the same to the
    // last bit: with every product and every partial sum bounded by 2^62, extended precision (64
    // significant bits) holds each of them exactly, so it never rounds either. At the first row
    // with a fraction the exact sums so far are handed over and the rest is added in extended
    // precision, as all of it would have been.
    double largestY = 0;
    bool wholeY = true;
    for (const TItemSkor& subject : skor.Items) {
        wholeY = wholeY && subject.SkorAkhir == std::trunc(subject.SkorAkhir);
        largestY = std::max(largestY, std::fabs(subject.SkorAkhir));
    }
    // An item score never exceeds MaxEssayScore (multiple choice: 1).
    const double bound =
        static_cast<double>(skor.Count()) * MaxEssayScore * std::max(MaxEssayScore, largestY);
    bool whole = wholeY && bound <= 0x1p62;
    std::vector<long long> sumX(whole ? items.size() : 0, 0);
    std::vector<long long> sumXX(sumX.size(), 0);
    std::vector<long long> sumXY(sumX.size(), 0);

    std::vector<double> scores;
    std::vector<double> firstX(items.size(), 0.0);
    std::vector<unsigned char> varies(items.size(), 0);
    for (int s = 0; s < skor.Count(); ++s) {
        if (s + PrefetchAhead < skor.Count()) {
            PrefetchText(skor.GetItem(s + PrefetchAhead).SkorButir);
        }
        ItemScoresInto(skor, s, decimalSeparator, scores);
        if (s == 0) {
            firstX = scores;
        }
        // Kept apart from the sums, so that the loop runs over two plain arrays.
        for (std::size_t i = 0; i < items.size(); ++i) {
            varies[i] = varies[i] | static_cast<unsigned char>(scores[i] != firstX[i]);
        }
        if (whole && !WholeRow(scores)) {
            whole = false;
            for (std::size_t i = 0; i < items.size(); ++i) {
                items[i].Sums.X = static_cast<long double>(sumX[i]);
                items[i].Sums.XX = static_cast<long double>(sumXX[i]);
                items[i].Sums.XY = static_cast<long double>(sumXY[i]);
            }
        }
        if (whole) {
            const auto y = static_cast<long long>(skor.GetItem(s).SkorAkhir);
            // Data pointers in locals, so the stores do not force them to be reloaded.
            long long* const x1 = sumX.data();
            long long* const x2 = sumXX.data();
            long long* const xy = sumXY.data();
            const double* const row = scores.data();
            for (std::size_t i = 0; i < items.size(); ++i) {
                const auto x = static_cast<long long>(row[i]);
                x1[i] += x;
                x2[i] += x * x;
                xy[i] += x * y;
            }
            continue;
        }
        const long double y = skor.GetItem(s).SkorAkhir;
        for (std::size_t i = 0; i < items.size(); ++i) {
            ItemSums& item = items[i];
            const long double x = scores[i];
            item.Sums.X += x;
            item.Sums.XX += x * x;
            item.Sums.XY += x * y;
        }
    }
    if (whole) {
        for (std::size_t i = 0; i < items.size(); ++i) {
            items[i].Sums.X = static_cast<long double>(sumX[i]);
            items[i].Sums.XX = static_cast<long double>(sumXX[i]);
            items[i].Sums.XY = static_cast<long double>(sumXY[i]);
        }
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        items[i].FirstX = firstX[i];
        items[i].XVaries = varies[i] != 0;
    }
}

} // namespace

TDataKorelasiButir::TDataKorelasiButir(TDataSkor& skor) : BatasSig(CriticalValues), skor_(skor) {
    Priority = 0;
    Clear();
}

void TDataKorelasiButir::Clear() {
    Items.clear();
    SetNeedRecalc(true);
}

const BatasSigRow& TDataKorelasiButir::RowForDf(int df) const {
    const auto row =
        std::find_if(BatasSig.begin(), BatasSig.end(),
                     [df](const BatasSigRow& candidate) { return candidate.Df >= df; });
    return row == BatasSig.end() ? BatasSig.back() : *row;
}

std::string TDataKorelasiButir::SignificanceOf(double korelasi, int subjects) const {
    if (std::isnan(korelasi)) {
        return "NAN";
    }
    const BatasSigRow& row = RowForDf(subjects - 2);
    if (korelasi >= row.BatasP01) {
        return "Sangat Signifikan";
    }
    if (korelasi >= row.BatasP05) {
        return "Signifikan";
    }
    return "-";
}

void TDataKorelasiButir::Compute(char decimalSeparator) {
    // Built aside so that a failure leaves no half list; the labels are read first.
    std::vector<TitemKorelasiButir> results;
    AddLabelledItems(skor_, results);

    std::vector<ItemSums> items(results.size());
    long double sumY = 0;
    long double sumYY = 0;
    bool yVaries = false;
    for (int s = 0; s < skor_.Count(); ++s) {
        const long double y = skor_.GetItem(s).SkorAkhir;
        sumY += y;
        sumYY += y * y;
        yVaries = yVaries || skor_.GetItem(s).SkorAkhir != skor_.GetItem(0).SkorAkhir;
    }
    if (skor_.Kind == AnalyzerKind::PilihanGanda && WholeScores(skor_)) {
        SumRightAnswers(skor_, items);
    } else {
        SumItemScores(skor_, items, decimalSeparator);
    }

    const int subjects = skor_.Count();
    for (std::size_t i = 0; i < items.size(); ++i) {
        ItemSums& item = items[i];
        item.Sums.N = static_cast<long double>(subjects);
        item.Sums.Y = sumY;
        item.Sums.YY = sumYY;
        TitemKorelasiButir& result = results[i];
        // An item or a test score that is the same for every subject has no correlation.
        result.Korelasi = PearsonFromSums(item.Sums, item.XVaries && yVaries);
        result.Signifikansi = SignificanceOf(result.Korelasi, subjects);
    }
    Items = std::move(results);
    SetNeedRecalc(false);
}

} // namespace taviro
