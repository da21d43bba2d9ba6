#include "core/analysis/data_kesukaran_uraian.h"

#include "core/analysis/data_unggul_asor.h"
#include "core/analysis/group_rule.h"
#include "core/taviro_error.h"

#include <algorithm>

namespace taviro {

namespace {

// Decimal scores such as 0.1 are not exact in binary, so a percentage that is exactly on a band's
// upper bound may come out a few units of the last place above it. Far below anything a
// percentage of real scores can differ by, and far above that noise.
constexpr double BandTolerance = 1e-9;

// Each band includes its upper bound; tested from the lowest up.
std::string Tafsiran(double percent) {
    if (percent <= 15 + BandTolerance) {
        return "Sangat Sukar";
    }
    if (percent <= 30 + BandTolerance) {
        return "Sukar";
    }
    if (percent <= 70 + BandTolerance) {
        return "Sedang";
    }
    if (percent <= 85 + BandTolerance) {
        return "Mudah";
    }
    return "Sangat Mudah";
}

} // namespace

void TDataKesukaranUraian::Compute(char decimalSeparator) {
    const int n = GroupSize(skor_.Count());
    if (n == 0) {
        throw TaviroError(
            "Maaf, tingkat kesukaran tidak bisa dihitung karena jumlah subyek kelompok = 0");
    }
    const Groups groups = FormGroups(skor_);

    std::vector<TItemKesukaranUraian> results(
        static_cast<std::size_t>(std::max(skor_.JumButir, 0)));
    for (std::size_t i = 0; i < results.size(); ++i) {
        results[i].NoButirAsli = NoButirAsli(skor_, static_cast<int>(i));
    }

    const auto upper = EssayScoreSums(skor_, groups.UpperFirst, n, decimalSeparator);
    const auto lower = EssayScoreSums(skor_, groups.LowerFirst, n, decimalSeparator);
    const std::vector<double> ideal = EssayIdealScores(skor_, decimalSeparator);
    for (std::size_t i = 0; i < results.size(); ++i) {
        TItemKesukaranUraian& item = results[i];
        item.JumSkorUn = upper[i];
        item.JumSkorAs = lower[i];
        const double most = ideal[i] * n * 2;
        if (most == 0) {
            throw TaviroError("Tingkat kesukaran " +
                              EssayItemName(static_cast<int>(i), item.NoButirAsli) +
                              " tidak bisa dihitung karena skor idealnya = 0");
        }
        // Multiplying first keeps a whole percentage exact, so it meets its band's bound.
        item.TingkatKesukaran = (item.JumSkorUn + item.JumSkorAs) * 100.0 / most;
        item.Tafsiran = Tafsiran(item.TingkatKesukaran);
    }

    items_ = std::move(results);
    SetNeedRecalc(false);
}

} // namespace taviro
