#include "document_generator.h"

#include "core/text/number_text.h"

#include <cmath>
#include <random>
#include <vector>

namespace taviro::bench {

namespace {

const char* const FirstNames[] = {"Ani",   "Budi",  "Citra", "Dewi",  "Eko",   "Fitri",
                                  "Gilang", "Hana", "Indra", "Joko",  "Kartika", "Lestari",
                                  "Made",  "Nur",   "Putu",  "Rina",  "Sari",  "Tono",
                                  "Utami", "Wahyu", "Yanti", "Zainal"};
const char* const LastNames[] = {"Saputra", "Wijaya",  "Lestari", "Hidayat", "Santoso",
                                 "Pratama", "Kusuma",  "Nugroho", "Siregar", "Harahap",
                                 "Wulandari", "Rahman", "Setiawan", "Gunawan"};

} // namespace

void GenerateRawData(TDataMentah& data, int subjects, int items, std::uint64_t seed) {
    std::mt19937_64 random(seed);
    std::normal_distribution<double> normal(0.0, 1.0);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    const bool essay = data.Kind == AnalyzerKind::Uraian;

    data.Clear();
    data.JumSubyek = subjects;
    data.JumButir = items;
    data.JumPilihan = essay ? 0 : 5;

    std::vector<double> difficulty(static_cast<std::size_t>(items));
    std::vector<int> ideal(static_cast<std::size_t>(items));
    std::string key;
    for (int i = 0; i < items; ++i) {
        difficulty[static_cast<std::size_t>(i)] = normal(random);
        ideal[static_cast<std::size_t>(i)] = 5 + static_cast<int>(uniform(random) * 16);
        key += static_cast<char>('a' + static_cast<int>(uniform(random) * 5));
        data.NoButir.push_back(IntToText(i + 1));
    }
    if (essay) {
        key.clear();
        for (int i = 0; i < items; ++i) {
            key += (i > 0 ? "," : "") + IntToText(ideal[static_cast<std::size_t>(i)]);
        }
    }
    data.Kunci = key;

    data.Jawaban.reserve(static_cast<std::size_t>(subjects));
    for (int s = 0; s < subjects; ++s) {
        TJawaban subject;
        subject.Nama = std::string(FirstNames[random() % std::size(FirstNames)]) + " " +
                       LastNames[random() % std::size(LastNames)];
        subject.NoSubyek = IntToText(s + 1);
        const double ability = normal(random);
        for (int i = 0; i < items; ++i) {
            const auto index = static_cast<std::size_t>(i);
            const double chance = 1.0 / (1.0 + std::exp(difficulty[index] - ability));
            const bool blank = uniform(random) < 0.02;
            if (essay) {
                if (i > 0) {
                    subject.Jwb += ',';
                }
                subject.Jwb += blank ? std::string("*")
                                     : IntToText(std::lround(chance * ideal[index]));
            } else if (blank) {
                subject.Jwb += '*';
            } else if (uniform(random) < chance) {
                subject.Jwb += key[index];
            } else {
                subject.Jwb += static_cast<char>('a' + (key[index] - 'a' + 1 + random() % 4) % 5);
            }
        }
        data.Jawaban.push_back(std::move(subject));
    }
}

} // namespace taviro::bench
