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

void SumItemScores(const TDataSkor& skor, std::vector<ItemSums>& items, char decimalSeparator) {
    std::vector<double> scores;
    for (int s = 0; s < skor.Count(); ++s) {
        ItemScoresInto(skor, s, decimalSeparator, scores);
        const long double y = skor.GetItem(s).SkorAkhir;
        for (std::size_t i = 0; i < items.size(); ++i) {
            ItemSums& item = items[i];
            const long double x = scores[i];
            item.Sums.X += x;
            item.Sums.XX += x * x;
            item.Sums.XY += x * y;
            if (s == 0) {
                item.FirstX = scores[i];
            } else {
                item.XVaries = item.XVaries || scores[i] != item.FirstX;
            }
        }
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
