#include "core/analysis/data_reliabilitas.h"

#include "core/analysis/item_scores.h"
#include "core/analysis/pearson.h"

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
    // Built aside so that a failed computation leaves no half list, and a second Compute without
    // Clear does not list the subjects twice.
    std::vector<TItemReliabilitas> items;
    items.reserve(static_cast<std::size_t>(skor_.Count()));
    PearsonSums sums;
    bool xVaries = false;
    bool yVaries = false;
    for (int i = 0; i < skor_.Count(); ++i) {
        const TItemSkor& subject = skor_.GetItem(i);
        const Halves halves = HalfScores(ItemScores(skor_, i, decimalSeparator));
        TItemReliabilitas item;
        item.SetScores(halves.Ganjil, halves.Genap);
        item.Nama = subject.Nama;
        item.NoSubyek = subject.NoSubyek;
        if (!items.empty()) {
            xVaries = xVaries || halves.Ganjil != items.front().SkorGanjil;
            yVaries = yVaries || halves.Genap != items.front().SkorGenap;
        }
        items.push_back(std::move(item));

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
