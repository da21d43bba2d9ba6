#include "core/analysis/data_korelasi_butir.h"

#include "core/taviro_error.h"
#include "core/text/number_text.h"
#include "core/text/text_helpers.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>

namespace taviro {

namespace {

constexpr double Undefined = std::numeric_limits<double>::quiet_NaN();

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
    long double X = 0;
    long double XX = 0;
    long double XY = 0;
    double FirstX = 0;
    bool XVaries = false;
};

std::vector<int> ItemLabels(const TDataSkor& skor, std::size_t jumButir) {
    std::vector<int> labels(jumButir);
    for (std::size_t i = 0; i < jumButir; ++i) {
        // A missing label is numbered the way a save writes it.
        if (i >= skor.NoButir.size()) {
            labels[i] = static_cast<int>(i) + 1;
            continue;
        }
        const std::optional<int> label = ParseInt(skor.NoButir[i]);
        if (!label) {
            throw TaviroError("Nomor butir asli \"" + TruncateText(skor.NoButir[i], 40) +
                              "\" pada butir ke-" + IntToText(static_cast<long long>(i) + 1) +
                              " bukan bilangan bulat");
        }
        labels[i] = *label;
    }
    return labels;
}

// Multiple choice: 1 for a right answer, 0 otherwise, a missing position included. Essay: the
// item score, 0 for "*" and for a missing piece.
std::vector<double> ItemScores(const TItemSkor& subject, AnalyzerKind kind, std::size_t jumButir,
                               char decimalSeparator) {
    std::vector<double> scores(jumButir, 0.0);
    if (kind == AnalyzerKind::PilihanGanda) {
        const std::size_t length = std::min(subject.SkorButir.size(), jumButir);
        for (std::size_t i = 0; i < length; ++i) {
            scores[i] = subject.SkorButir[i] == '1' ? 1.0 : 0.0;
        }
        return scores;
    }
    const std::vector<std::string> pieces = SplitText(subject.SkorButir, ',');
    const std::size_t length = std::min(pieces.size(), jumButir);
    for (std::size_t i = 0; i < length; ++i) {
        if (pieces[i] == "*") {
            continue;
        }
        std::optional<double> value = ParseReal(pieces[i], decimalSeparator);
        if (!value) {
            value = ParseReal(pieces[i], '.');
        }
        if (!value) {
            throw TaviroError("Skor \"" + TruncateText(pieces[i], 40) +
                              "\" pada subyek dg nomor urut " + IntToText(subject.UrutanAwal + 1) +
                              ", butir ke-" + IntToText(static_cast<long long>(i) + 1) +
                              " bukan bilangan");
        }
        scores[i] = *value;
    }
    return scores;
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
    const auto jumButir = static_cast<std::size_t>(std::max(skor_.JumButir, 0));
    const std::vector<int> labels = ItemLabels(skor_, jumButir);

    std::vector<ItemSums> sums(jumButir);
    long double sumY = 0;
    long double sumYY = 0;
    bool yVaries = false;
    for (int s = 0; s < skor_.Count(); ++s) {
        const TItemSkor& subject = skor_.GetItem(s);
        const std::vector<double> scores =
            ItemScores(subject, skor_.Kind, jumButir, decimalSeparator);
        const long double y = subject.SkorAkhir;
        sumY += y;
        sumYY += y * y;
        yVaries = yVaries || subject.SkorAkhir != skor_.GetItem(0).SkorAkhir;
        for (std::size_t i = 0; i < jumButir; ++i) {
            ItemSums& item = sums[i];
            const long double x = scores[i];
            item.X += x;
            item.XX += x * x;
            item.XY += x * y;
            if (s == 0) {
                item.FirstX = scores[i];
            } else {
                item.XVaries = item.XVaries || scores[i] != item.FirstX;
            }
        }
    }

    const int subjects = skor_.Count();
    const auto n = static_cast<long double>(subjects);
    const long double spreadY = n * sumYY - sumY * sumY;
    std::vector<TitemKorelasiButir> items(jumButir);
    for (std::size_t i = 0; i < jumButir; ++i) {
        const ItemSums& item = sums[i];
        TitemKorelasiButir& result = items[i];
        result.NoButirAsli = labels[i];
        result.Korelasi = Undefined;
        // An item or a test score that is the same for every subject has no correlation; it is
        // recognised from the values, as the rounding of fractional essay sums may leave a tiny
        // non-zero spread that would give an arbitrary coefficient.
        if (item.XVaries && yVaries) {
            const auto d = static_cast<double>((n * item.XX - item.X * item.X) * spreadY);
            if (d > 0) {
                const long double r =
                    (n * item.XY - item.X * sumY) / std::sqrt(static_cast<long double>(d));
                result.Korelasi = static_cast<double>(std::clamp(r, -1.0L, 1.0L));
            }
        }
        result.Signifikansi = SignificanceOf(result.Korelasi, subjects);
    }
    Items = std::move(items);
    SetNeedRecalc(false);
}

} // namespace taviro
