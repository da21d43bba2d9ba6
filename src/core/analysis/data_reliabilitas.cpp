#include "core/analysis/data_reliabilitas.h"

#include "core/analysis/item_scores.h"
#include "core/analysis/pearson.h"
#include "core/text/prefetch.h"

#include <cmath>
#include <limits>
#include <utility>

namespace taviro {

namespace {

constexpr double Undefined = std::numeric_limits<double>::quiet_NaN();

struct Halves {
    double Ganjil = 0;
    double Genap = 0;
};

// Positions are counted from 1, so index 0 is the first odd item. Blanks and the missing items of
// a short result string add nothing.
Halves HalfScores(const std::vector<double>& itemScores) {
    Halves halves;
    for (std::size_t i = 0; i < itemScores.size(); ++i) {
        (i % 2 == 0 ? halves.Ganjil : halves.Genap) += itemScores[i];
    }
    return halves;
}

// The right answers ("1") at odd and at even positions, counted from 1; the missing end of a
// short result string counts as not right.
Halves RightAnswerHalves(const std::string& skorButir, int jumButir) {
    const std::size_t length =
        std::min(skorButir.size(), static_cast<std::size_t>(std::max(jumButir, 0)));
    int odd = 0;
    int even = 0;
    for (std::size_t i = 0; i + 1 < length; i += 2) {
        odd += skorButir[i] == '1';
        even += skorButir[i + 1] == '1';
    }
    if (length % 2 == 1) {
        odd += skorButir[length - 1] == '1';
    }
    return {static_cast<double>(odd), static_cast<double>(even)};
}

double SpearmanBrown(double r) {
    if (std::isnan(r) || r == -1.0) {
        return Undefined;
    }
    return 2 * r / (1 + r);
}

} // namespace

void TItemReliabilitas::SetScores(double ganjil, double genap) {
    SkorGanjil = ganjil;
    SkorGenap = genap;
    SkorTotal = ganjil + genap;
    KuadratGanjil = ganjil * ganjil;
    KuadratGenap = genap * genap;
    GanjilKaliGenap = ganjil * genap;
}

TDataReliabilitas::TDataReliabilitas(TDataSkor& skor) : skor_(skor) {
    Priority = 2;
    Clear();
}

void TDataReliabilitas::Clear() {
    Items.clear();
    KorelasiXY = 0;
    Reliabilitas = 0;
    SetNeedRecalc(true);
}

void TDataReliabilitas::Compute(char decimalSeparator) {
    // Built aside so that a failed computation leaves an empty list rather than a half one, and a
    // second Compute without Clear does not list the subjects twice. The previous list's entries
    // are reused, strings and all: a million entries allocated afresh cost more than computing
    // them.
    std::vector<TItemReliabilitas> items = std::move(Items);
    Items.clear();
    items.resize(static_cast<std::size_t>(skor_.Count()));
    PearsonSums sums;
    bool xVaries = false;
    bool yVaries = false;
    std::vector<double> scores;
    for (int i = 0; i < skor_.Count(); ++i) {
        if (i + PrefetchAhead < skor_.Count()) {
            PrefetchText(skor_.GetItem(i + PrefetchAhead).SkorButir);
        }
        const TItemSkor& subject = skor_.GetItem(i);
        Halves halves;
        if (skor_.Kind == AnalyzerKind::PilihanGanda) {
            halves = RightAnswerHalves(subject.SkorButir, skor_.JumButir);
        } else {
            ItemScoresInto(skor_, i, decimalSeparator, scores);
            halves = HalfScores(scores);
        }
        TItemReliabilitas& item = items[static_cast<std::size_t>(i)];
        item.SetScores(halves.Ganjil, halves.Genap);
        item.Nama = subject.Nama;
        item.NoSubyek = subject.NoSubyek;
        if (i > 0) {
            xVaries = xVaries || halves.Ganjil != items.front().SkorGanjil;
            yVaries = yVaries || halves.Genap != items.front().SkorGenap;
        }

        const long double x = halves.Ganjil;
        const long double y = halves.Genap;
        sums.X += x;
        sums.Y += y;
        sums.XX += x * x;
        sums.YY += y * y;
        sums.XY += x * y;
    }
    Items = std::move(items);
    sums.N = static_cast<long double>(Items.size());
    KorelasiXY = PearsonFromSums(sums, xVaries && yVaries);
    Reliabilitas = SpearmanBrown(KorelasiXY);
    SetNeedRecalc(false);
}

} // namespace taviro
