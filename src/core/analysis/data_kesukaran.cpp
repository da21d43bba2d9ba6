#include "core/analysis/data_kesukaran.h"

#include "core/analysis/group_rule.h"
#include "core/analysis/item_scores.h"
#include "core/taviro_error.h"

namespace taviro {

namespace {

const char* const NoSubjectsMessage =
    "Maaf, tingkat kesukaran tidak bisa dihitung karena jumlah subyek = 0. Tambahkan subyek di "
    "\"Edit Data Mentah\" lalu lakukan penyekoran ulang";

} // namespace

std::string TafsiranKesukaran(double tingkatKesukaran) {
    if (tingkatKesukaran <= 15) {
        return "Sangat Sukar";
    }
    if (tingkatKesukaran <= 30) {
        return "Sukar";
    }
    if (tingkatKesukaran <= 70) {
        return "Sedang";
    }
    if (tingkatKesukaran <= 85) {
        return "Mudah";
    }
    if (tingkatKesukaran > 85) {
        return "Sangat Mudah";
    }
    return "";
}

void TDataKesukaran::Clear() {
    Items.clear();
    SetNeedRecalc(true);
}

void TDataKesukaran::Compute() {
    // A second Compute without Clear must not append a second set of results.
    Items.clear();
    AddLabelledItems(skor_, Items);

    // Every scored subject counts, as one group that is the whole list.
    const int subjects = skor_.Count();
    const std::vector<int> right = GroupRightCounts(skor_, 0, subjects);
    for (std::size_t i = 0; i < Items.size(); ++i) {
        Items[i].JumBetul = right[i];
    }
    if (subjects == 0) {
        throw TaviroError(NoSubjectsMessage);
    }
    for (TItemKesukaran& item : Items) {
        // Multiplying first keeps whole percentages exact, so the band bounds are met exactly.
        item.TingkatKesukaran = item.JumBetul * 100.0 / subjects;
        item.Tafsiran = TafsiranKesukaran(item.TingkatKesukaran);
    }
    SetNeedRecalc(false);
}

} // namespace taviro
