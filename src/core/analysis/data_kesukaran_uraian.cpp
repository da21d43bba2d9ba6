#include "core/analysis/data_kesukaran_uraian.h"

#include "core/analysis/data_kesukaran.h"
#include "core/analysis/group_rule.h"
#include "core/analysis/item_scores.h"
#include "core/taviro_error.h"

namespace taviro {

namespace {

// Decimal scores such as 0.1 are not exact in binary, so a percentage that is exactly on a band's
// upper bound may come out a few units of the last place above it. Far below anything a
// percentage of real scores can differ by, and far above that noise.
constexpr double BandTolerance = 1e-9;

} // namespace

void TDataKesukaranUraian::Compute(char decimalSeparator) {
    const int n = GroupSize(skor_.Count());
    if (n == 0) {
        throw TaviroError(
            "Maaf, tingkat kesukaran tidak bisa dihitung karena jumlah subyek kelompok = 0");
    }
    const Groups groups = FormGroups(skor_);

    std::vector<TItemKesukaranUraian> results;
    AddLabelledItems(skor_, results);

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
        // Every band bound is a whole percentage, so taking the noise off puts a percentage that
        // is on a bound in that bound's band without moving any other into another band.
        item.Tafsiran = TafsiranKesukaran(item.TingkatKesukaran - BandTolerance);
    }

    items_ = std::move(results);
    SetNeedRecalc(false);
}

} // namespace taviro
