#include "core/analysis/data_kesukaran.h"

#include "core/taviro_error.h"
#include "core/text/number_text.h"
#include "core/text/text_helpers.h"

#include <algorithm>

namespace taviro {

namespace {

const char* const NoSubjectsMessage =
    "Maaf, tingkat kesukaran tidak bisa dihitung karena jumlah subyek = 0. Tambahkan subyek di "
    "\"Edit Data Mentah\" lalu lakukan penyekoran ulang";

// Documents older than the labelled format carry no labels: their items are numbered 1, 2, ...
int ItemLabelNumber(const TDataSkor& skor, int item) {
    const auto index = static_cast<std::size_t>(item);
    if (index >= skor.NoButir.size()) {
        return item + 1;
    }
    const std::string& label = skor.NoButir[index];
    if (const auto number = ParseInt(label)) {
        return *number;
    }
    throw TaviroError("No Butir Asli dari No Butir Baru " + IntToText(item + 1) + " (\"" +
                      TruncateText(label, 40) +
                      "\") bukan bilangan bulat; dokumen ini mungkin rusak");
}

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
    const int items = std::max(skor_.JumButir, 0);
    Items.reserve(static_cast<std::size_t>(items));
    for (int i = 0; i < items; ++i) {
        TItemKesukaran item;
        item.NoButirAsli = ItemLabelNumber(skor_, i);
        Items.push_back(item);
    }

    for (const TItemSkor& subject : skor_.Items) {
        // A result string shorter than the test is not right at the missing items.
        const std::size_t length = std::min(subject.SkorButir.size(), Items.size());
        for (std::size_t i = 0; i < length; ++i) {
            if (subject.SkorButir[i] == '1') {
                ++Items[i].JumBetul;
            }
        }
    }

    const int subjects = skor_.Count();
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
