#include "core/analysis/data_reliabilitas.h"

#include "core/taviro_error.h"
#include "core/text/number_text.h"
#include "core/text/text_helpers.h"

#include <algorithm>
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

// Positions are counted from 1, so index 0 is the first odd item. A result string shorter than
// the test counts the missing items as not right.
Halves RightAnswerHalves(const std::string& skorButir, int jumButir) {
    Halves halves;
    const std::size_t length = std::min(skorButir.size(), static_cast<std::size_t>(jumButir));
    for (std::size_t i = 0; i < length; ++i) {
        if (skorButir[i] == '1') {
            (i % 2 == 0 ? halves.Ganjil : halves.Genap) += 1;
        }
    }
    return halves;
}

std::string NotANumberMessage(const TItemSkor& subject, std::size_t item,
                              const std::string& piece) {
    return "Skor \"" + TruncateText(piece, 40) + "\" pada subyek dg nomor urut " +
           IntToText(subject.UrutanAwal + 1) + ", butir ke-" +
           IntToText(static_cast<long long>(item) + 1) + " bukan bilangan";
}

// Sums of item scores; "*" and the missing pieces of a short string are blank and add nothing.
Halves EssayHalves(const TItemSkor& subject, int jumButir, char decimalSeparator) {
    Halves halves;
    const std::vector<std::string> pieces = SplitText(subject.SkorButir, ',');
    const std::size_t length = std::min(pieces.size(), static_cast<std::size_t>(jumButir));
    for (std::size_t i = 0; i < length; ++i) {
        const std::string& piece = pieces[i];
        if (piece == "*") {
            continue;
        }
        std::optional<double> value = ParseReal(piece, decimalSeparator);
        if (!value) {
            value = ParseReal(piece, '.');
        }
        if (!value) {
            throw TaviroError(NotANumberMessage(subject, i, piece));
        }
        (i % 2 == 0 ? halves.Ganjil : halves.Genap) += *value;
    }
    return halves;
}

// Pearson's r from the raw sums, in extended precision. A half score that is the same for every
// subject is recognised from the values themselves: with fractional essay scores the rounding of
// the sums leaves a tiny non-zero variance that would otherwise produce an arbitrary r.
double CorrelationFromSums(long double n, long double sumX, long double sumY, long double sumXX,
                           long double sumYY, long double sumXY, bool bothVary) {
    if (!bothVary) {
        return Undefined;
    }
    const long double a = n * sumXX - sumX * sumX;
    const long double b = n * sumYY - sumY * sumY;
    const auto p = static_cast<double>(a * b);
    if (!(p > 0)) {
        return Undefined;
    }
    const long double r = (n * sumXY - sumX * sumY) / std::sqrt(static_cast<long double>(p));
    // Rounding may carry a perfect correlation a hair past 1, which would put the reliability
    // above 1.
    return static_cast<double>(std::clamp(r, -1.0L, 1.0L));
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
    const int jumButir = std::max(skor_.JumButir, 0);
    long double sumX = 0;
    long double sumY = 0;
    long double sumXX = 0;
    long double sumYY = 0;
    long double sumXY = 0;
    bool xVaries = false;
    bool yVaries = false;
    for (int i = 0; i < skor_.Count(); ++i) {
        const TItemSkor& subject = skor_.GetItem(i);
        const Halves halves = skor_.Kind == AnalyzerKind::PilihanGanda
                                  ? RightAnswerHalves(subject.SkorButir, jumButir)
                                  : EssayHalves(subject, jumButir, decimalSeparator);
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
        sumX += x;
        sumY += y;
        sumXX += x * x;
        sumYY += y * y;
        sumXY += x * y;
    }
    Items = std::move(items);
    KorelasiXY = CorrelationFromSums(static_cast<long double>(Items.size()), sumX, sumY, sumXX,
                                     sumYY, sumXY, xVaries && yVaries);
    Reliabilitas = SpearmanBrown(KorelasiXY);
    SetNeedRecalc(false);
}

} // namespace taviro
