#include "core/analysis/anal_butir_soal.h"
#include "core/document/data_mentah.h"
#include "core/scoring/data_skor.h"
#include "core/taviro_error.h"
#include "core/text/number_text.h"
#include "core/text/plain_decimal.h"
#include "core/text/prefetch.h"
#include "core/text/text_helpers.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace taviro {

namespace {

const char* const EmptyKeyMessage =
    "Ada sedikit masalah, kunci belum diisi. Mohon isi kunci terlebih dahulu. Untuk mengisinya, "
    "pilih \"Kembali ke Menu Utama\" lalu pilih \"Edit Data Mentah\" selanjutnya isi baris "
    "pertama";
const char* const EmptyIdealMessage =
    "Ada sedikit masalah, skor ideal belum diisi. Mohon isi skor ideal terlebih dahulu. Untuk "
    "mengisinya, pilih \"Kembali ke Menu Utama\" lalu pilih \"Edit Data Mentah\" selanjutnya isi "
    "baris pertama";

std::string WrongIdealMessage(int item) {
    return "Ada skor ideal yang salah, pada butir ke-" + IntToText(item) +
           ", mohon perbaiki dulu.  Untuk mengisinya, pilih \"Kembali ke Menu Utama\" lalu pilih "
           "\"Edit Data Mentah\" selanjutnya lihat baris pertama ";
}

std::string WrongScoreMessage(int subject, int item) {
    return "Ada kesalahan di subyek dg nomor urut " + IntToText(subject) + ", butir ke-" +
           IntToText(item);
}

std::string ScoreAboveIdealMessage(int subject, int item) {
    return "Skor lebih besar daripada skor ideal pada subyek dg nomor urut " + IntToText(subject) +
           ", butir ke-" + IntToText(item);
}

// A piece of an essay row that is not a plain decimal: rare, so kept out of the scoring loop.
[[gnu::noinline]] double ReadOtherScore(std::string_view piece, char decimalSeparator, int subject,
                                        std::size_t item) {
    const auto value = ParseReal(piece, decimalSeparator);
    if (!value) {
        throw TaviroError(WrongScoreMessage(subject + 1, static_cast<int>(item) + 1));
    }
    return *value;
}

// The most answers (subjects times items) that are scored. The score list keeps a byte or more
// per answer, so a damaged document that claims 100,000 items for thousands of empty subjects
// would take gigabytes; real tests, up to hundreds of thousands of subjects with a hundred or two
// items, stay well below it.
constexpr long long MaxScoredCells = 1LL << 28;

std::string TooManyCellsMessage(int subjects, int items, long long cells) {
    return "Data terlalu besar untuk diskor: " + IntToText(subjects) + " subyek dengan " +
           IntToText(items) + " butir soal berarti " + IntToText(cells) +
           " jawaban, padahal paling banyak " + IntToText(MaxScoredCells) + " jawaban";
}

char UpperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// Makes a record of the score list the subject as the raw data names it, with nothing scored yet.
// The record is reused from the previous scoring: assigning keeps its strings' storage, which
// spares a million allocations (and their first-touch page faults) on rescoring a large test.
void StartItem(TItemSkor& item, const TJawaban& subject, int index) {
    item.Index = index;
    item.UrutanAwal = index;
    item.Nama = subject.Nama;
    if (subject.NoSubyek == "-1") {
        item.NoSubyek = IntToText(index + 1);
    } else {
        item.NoSubyek = subject.NoSubyek;
    }
    item.JumBetul = 0;
    item.JumSalah = 0;
    item.JumBlank = 0;
    item.SkorDibobot = 0;
    item.SkorAkhir = 0;
    item.SkorButir.clear();
}

// Moves the records so that position k holds the record that stood at from[k]. from must be a
// permutation; it is used up. Each record is moved once, along the cycles of the permutation.
void PermuteRecords(std::vector<TItemSkor>& records, std::vector<std::size_t>& from) {
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (from[i] == i) {
            continue;
        }
        TItemSkor held = std::move(records[i]);
        std::size_t j = i;
        while (from[j] != i) {
            const std::size_t next = from[j];
            records[j] = std::move(records[next]);
            from[j] = j;
            j = next;
        }
        records[j] = std::move(held);
        from[j] = j;
    }
}

// Puts the reused records back where their subjects stand in the raw data, when they name each
// position exactly once, as the records of the previous scoring do. An essay result string is as
// long as its subject typed it, so a record that last held another subject's string often has
// too little room and must allocate anew; back in place, an unchanged subject's strings fit their
// own storage again. Anything else (a damaged document's numbering) is left as it stands: any
// order of the records is correct, only slower.
void PutRecordsInRawOrder(std::vector<TItemSkor>& records) {
    const std::size_t n = records.size();
    std::vector<std::size_t> from(n, n);
    for (std::size_t k = 0; k < n; ++k) {
        const auto position = static_cast<std::size_t>(records[k].UrutanAwal);
        if (records[k].UrutanAwal < 0 || position >= n || from[position] != n) {
            return;
        }
        from[position] = k;
    }
    PermuteRecords(records, from);
}

} // namespace

void TDataSkor::ScoreAll(TDataMentah& data, TAnalButirSoal& analyses, char decimalSeparator) {
    if (!data.IsNeedRecalc) {
        return;
    }
    // A damaged document may count more subjects than it holds; only the records there are
    // scored.
    const int subjects = std::min(data.JumSubyek, data.JawabanCount());
    const long long cells =
        static_cast<long long>(std::max(subjects, 0)) * std::max(data.JumButir, 0);
    if (cells > MaxScoredCells) {
        throw TaviroError(TooManyCellsMessage(subjects, data.JumButir, cells));
    }
    // Everything but the records themselves, which are overwritten in place.
    std::vector<TItemSkor> records = std::move(Items);
    Clear();
    Items = std::move(records);
    Items.resize(static_cast<std::size_t>(std::max(subjects, 0)));
    data.IsNeedRecalc = false;
    analyses.MarkAllForRecalc(true);

    try {
        if (Kind == AnalyzerKind::PilihanGanda) {
            ScoreMultipleChoice(data, subjects);
            ApplyWeights();
        } else {
            ScoreEssay(data, subjects, decimalSeparator);
        }
    } catch (const TaviroError&) {
        // No half-scored list: the records after the faulty subject still hold old scores.
        Items.clear();
        data.IsNeedRecalc = true;
        throw;
    }
    ComputeMeanSD();
}

void TDataSkor::ScoreMultipleChoice(const TDataMentah& data, int subjects) {
    if (data.Kunci.empty()) {
        throw TaviroError(EmptyKeyMessage);
    }
    JumButir = std::max(data.JumButir, 0);
    NoButir = data.NoButir;
    if (NoButir.empty()) {
        for (int i = 1; i <= JumButir; ++i) {
            NoButir.push_back(IntToText(i));
        }
    }
    Kunci = data.Kunci;

    const auto items = static_cast<std::size_t>(JumButir);
    // Per item, the result of every possible answer character: "1" when it is the key (letter
    // case ignored), "*" for a blank ('*' or '#'), "-" for anything else. A missing key position
    // matches no answer. The table spares a branch per answer, whose outcome is unpredictable.
    std::vector<std::array<char, 256>> results(items);
    for (std::size_t p = 0; p < items; ++p) {
        for (int c = 0; c < 256; ++c) {
            const char answer = UpperAscii(static_cast<char>(c));
            const bool right = p < Kunci.size() && answer == UpperAscii(Kunci[p]);
            results[p][static_cast<std::size_t>(c)] =
                right ? '1' : (answer == '*' || answer == '#' ? '*' : '-');
        }
    }
    for (int i = 0; i < subjects; ++i) {
        if (i + PrefetchAhead < subjects) {
            // The reused records were last sorted by score: their strings are scattered.
            PrefetchText(data.GetJawaban(i + PrefetchAhead).Jwb);
            PrefetchText(Items[static_cast<std::size_t>(i + PrefetchAhead)].SkorButir);
        }
        const TJawaban& subject = data.GetJawaban(i);
        TItemSkor& item = Items[static_cast<std::size_t>(i)];
        StartItem(item, subject, i);
        // An empty answer string is all blanks; a missing position of a short string is blank
        // too.
        const std::string& answers = subject.Jwb;
        const std::size_t present = std::min(answers.size(), items);
        item.SkorButir.assign(items, '*');
        // Data pointers in locals: every char store could otherwise alias the strings' and the
        // table's own pointers and force them to be reloaded.
        const char* const answer = answers.data();
        char* const mark = item.SkorButir.data();
        const std::array<char, 256>* const table = results.data();
        int right = 0;
        int blank = 0;
        for (std::size_t p = 0; p < present; ++p) {
            const char result = table[p][static_cast<unsigned char>(answer[p])];
            mark[p] = result;
            right += result == '1';
            blank += result == '*';
        }
        item.JumBetul = right;
        item.JumBlank = blank + static_cast<int>(items - present);
        item.JumSalah = JumButir - item.JumBetul - item.JumBlank;
        item.SkorAkhir = item.JumBetul;
    }
}

void TDataSkor::ScoreEssay(TDataMentah& data, int subjects, char decimalSeparator) {
    JumButir = std::max(data.JumButir, 0);
    const auto items = static_cast<std::size_t>(JumButir);
    MaxSkor.assign(items, 0.0);
    MinSkor.assign(items, 99999.0);
    if (data.Kunci.empty()) {
        throw TaviroError(EmptyIdealMessage);
    }
    const std::vector<std::string> idealTexts = SplitText(data.Kunci, ',');
    std::vector<double> ideal(items);
    for (std::size_t k = 0; k < items; ++k) {
        const auto value =
            k < idealTexts.size() ? ParseReal(idealTexts[k], decimalSeparator) : std::nullopt;
        if (!value || std::fabs(*value) > MaxEssayScore) {
            throw TaviroError(WrongIdealMessage(static_cast<int>(k) + 1));
        }
        ideal[k] = *value;
    }
    NoButir = data.NoButir;
    if (NoButir.empty()) {
        for (int i = 1; i <= JumButir; ++i) {
            NoButir.push_back(IntToText(i));
        }
    }
    Kunci = data.Kunci;

    PutRecordsInRawOrder(Items);
    // Only the regional separator: a score typed with another one is a mistake here.
    const bool plain = CanBePlainPoint(decimalSeparator);
    for (int i = 0; i < subjects; ++i) {
        if (i + PrefetchAhead < subjects) {
            // The reused records were last sorted by score: their strings are scattered.
            PrefetchText(data.GetJawaban(i + PrefetchAhead).Jwb);
            PrefetchText(Items[static_cast<std::size_t>(i + PrefetchAhead)].SkorButir);
        }
        const TJawaban& subject = data.GetJawaban(i);
        TItemSkor& item = Items[static_cast<std::size_t>(i)];
        StartItem(item, subject, i);
        // The pieces between the commas, read in place. An empty row, and the missing pieces of
        // a short one, are blank; the pieces beyond the items are left out.
        const char* const begin = subject.Jwb.data();
        const char* const end = begin + subject.Jwb.size();
        const char* p = begin;
        // Where the last piece read ends: the result string is the row up to there, with every
        // "#" made "*", and a "*" for every missing piece.
        const char* kept = begin;
        bool hash = false;
        // Counted in locals: the record's fields would be stored and loaded again for every
        // piece, as the stores to the item arrays might change them.
        double total = 0;
        int scored = 0;
        int blank = 0;
        double* const highest = MaxSkor.data();
        double* const lowest = MinSkor.data();
        const double* const most = ideal.data();
        std::size_t k = 0;
        for (; k < items && p != end; ++k) {
            double value = 0;
            const char* stop =
                plain ? ScanPlainDecimal(p, end, decimalSeparator, decimalSeparator, value)
                      : nullptr;
            if (stop == nullptr) {
                stop = static_cast<const char*>(
                    std::memchr(p, ',', static_cast<std::size_t>(end - p)));
                stop = stop == nullptr ? end : stop;
                if (stop - p == 1 && (*p == '*' || *p == '#')) {
                    hash = hash || *p == '#';
                    ++blank;
                    kept = stop;
                    p = stop == end ? end : stop + 1;
                    continue;
                }
                value = ReadOtherScore(std::string_view(p, static_cast<std::size_t>(stop - p)),
                                       decimalSeparator, i, k);
            }
            if (std::fabs(value) > MaxEssayScore) {
                throw TaviroError(WrongScoreMessage(i + 1, static_cast<int>(k) + 1));
            }
            if (value > most[k]) {
                throw TaviroError(ScoreAboveIdealMessage(i + 1, static_cast<int>(k) + 1));
            }
            highest[k] = std::max(highest[k], value);
            lowest[k] = std::min(lowest[k], value);
            total += value;
            ++scored;
            kept = stop;
            p = stop == end ? end : stop + 1;
        }
        item.SkorAkhir = total;
        item.JumBetul = scored;
        item.JumBlank = blank;
        item.SkorButir.assign(begin, kept);
        if (hash) {
            std::replace(item.SkorButir.begin(), item.SkorButir.end(), '#', '*');
        }
        for (std::size_t missing = k; missing < items; ++missing) {
            item.SkorButir += missing == 0 ? "*" : ",*";
            ++item.JumBlank;
        }
    }
    for (double& minimum : MinSkor) {
        if (minimum == 99999.0) {
            minimum = 0;
        }
    }
}

void TDataSkor::ApplyWeights() {
    for (TItemSkor& item : Items) {
        // Integer arithmetic as the weights are integers; 64 bits so no weight can overflow it.
        item.SkorDibobot = static_cast<double>(static_cast<long long>(BobotBetul) * item.JumBetul +
                                               static_cast<long long>(BobotSalah) * item.JumSalah);
    }
}

void TDataSkor::ComputeMeanSD() {
    const std::size_t n = Items.size();
    if (n == 0) {
        throw TaviroError("Tidak ada subyek yang bisa diskor: rata-rata dan simpangan baku tidak "
                          "dapat dihitung. Tambahkan subyek di \"Edit Data Mentah\".");
    }
    if (n == 1) {
        Rata2 = Items.front().SkorAkhir;
        SD = Items.front().SkorAkhir;
        return;
    }
    long double sum = 0;
    for (const TItemSkor& item : Items) {
        sum += item.SkorAkhir;
    }
    Rata2 = sum / static_cast<long double>(n);
    long double squares = 0;
    for (const TItemSkor& item : Items) {
        const long double difference = Rata2 - item.SkorAkhir;
        squares += difference * difference;
    }
    SD = std::sqrt(squares / static_cast<long double>(n - 1));
}

void TDataSkor::SortItems(bool byRawOrder) {
    // The keys are sorted rather than the records, which are large, and the records are then
    // moved once each. The same sort on the same comparisons makes the same moves whatever it
    // moves, so the order is the one sorting the records gives, ties of a damaged document's
    // repeated numbers included.
    struct Key {
        double SkorAkhir;
        int UrutanAwal;
        std::size_t Index;
    };
    std::vector<Key> keys;
    keys.reserve(Items.size());
    for (std::size_t k = 0; k < Items.size(); ++k) {
        keys.push_back({Items[k].SkorAkhir, Items[k].UrutanAwal, k});
    }
    if (byRawOrder) {
        std::sort(keys.begin(), keys.end(),
                  [](const Key& a, const Key& b) { return a.UrutanAwal < b.UrutanAwal; });
    } else {
        std::sort(keys.begin(), keys.end(), [](const Key& a, const Key& b) {
            if (a.SkorAkhir != b.SkorAkhir) {
                return a.SkorAkhir > b.SkorAkhir;
            }
            return a.UrutanAwal < b.UrutanAwal;
        });
    }
    std::vector<std::size_t> from(keys.size());
    for (std::size_t k = 0; k < keys.size(); ++k) {
        from[k] = keys[k].Index;
    }
    PermuteRecords(Items, from);
}

} // namespace taviro
