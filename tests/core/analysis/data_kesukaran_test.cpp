#include "core/analysis/data_kesukaran.h"

#include "core/analysis/anal_butir_soal.h"
#include "core/document/data_mentah.h"
#include "core/taviro_error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace taviro {
namespace {

// A score list in raw-data order.
TDataSkor MakeSkor(const std::vector<std::string>& results, int jumButir) {
    TDataSkor skor(AnalyzerKind::PilihanGanda);
    skor.JumButir = jumButir;
    for (int i = 1; i <= jumButir; ++i) {
        skor.NoButir.push_back(std::to_string(i));
    }
    for (std::size_t i = 0; i < results.size(); ++i) {
        TItemSkor item;
        item.UrutanAwal = static_cast<int>(i);
        item.SkorButir = results[i];
        skor.Add(item);
    }
    return skor;
}

// One item answered right by the first `right` of `subjects`; the others alternate between wrong
// and blank, neither of which counts.
TDataSkor OneItem(int subjects, int right) {
    std::vector<std::string> results;
    for (int i = 0; i < subjects; ++i) {
        results.push_back(i < right ? "1" : (i % 2 == 0 ? "-" : "*"));
    }
    return MakeSkor(results, 1);
}

struct BandCase {
    int Subjects;
    int Right;
    double Percent;
    const char* Tafsiran;
};

void PrintTo(const BandCase& c, std::ostream* os) {
    *os << c.Right << " of " << c.Subjects << " right";
}

class DataKesukaranBands : public ::testing::TestWithParam<BandCase> {};

TEST_P(DataKesukaranBands, PercentOfAllSubjectsAndItsCategory) {
    const BandCase& c = GetParam();
    TDataSkor skor = OneItem(c.Subjects, c.Right);
    TDataKesukaran kesukaran(skor);
    kesukaran.Compute();
    ASSERT_EQ(kesukaran.Count(), 1);
    const TItemKesukaran& item = kesukaran.GetItem(0);
    EXPECT_EQ(item.JumBetul, c.Right);
    EXPECT_NEAR(item.TingkatKesukaran, c.Percent, 1e-12 * c.Percent);
    EXPECT_EQ(item.Tafsiran, c.Tafsiran);
}

// Percentages worked out by hand; the bounds 15, 30, 70 and 85 belong to the band below, and
// the percentage is never rounded before the category is chosen.
INSTANTIATE_TEST_SUITE_P(
    DataKesukaranExamples, DataKesukaranBands,
    ::testing::Values(BandCase{20, 0, 0, "Sangat Sukar"}, BandCase{20, 3, 15, "Sangat Sukar"},
                      BandCase{20, 4, 20, "Sukar"}, BandCase{20, 6, 30, "Sukar"},
                      BandCase{20, 7, 35, "Sedang"}, BandCase{20, 14, 70, "Sedang"},
                      BandCase{20, 15, 75, "Mudah"}, BandCase{20, 17, 85, "Mudah"},
                      BandCase{20, 18, 90, "Sangat Mudah"}, BandCase{20, 20, 100, "Sangat Mudah"},
                      BandCase{100, 31, 31, "Sedang"}, BandCase{100, 71, 71, "Mudah"},
                      BandCase{13, 4, 30.76923076923077, "Sedang"},
                      BandCase{1000, 149, 14.9, "Sangat Sukar"}, BandCase{1000, 151, 15.1, "Sukar"},
                      BandCase{1000, 299, 29.9, "Sukar"}, BandCase{1000, 301, 30.1, "Sedang"},
                      BandCase{1000, 699, 69.9, "Sedang"}, BandCase{1000, 701, 70.1, "Mudah"},
                      BandCase{1000, 849, 84.9, "Mudah"},
                      BandCase{1000, 851, 85.1, "Sangat Mudah"}));

TEST(DataKesukaranTafsiran, EachBoundBelongsToTheBandBelowIt) {
    struct Bound {
        double Value;
        const char* Below; // the band of the bound itself and of what lies just under it
        const char* Above;
    };
    const Bound bounds[] = {{15, "Sangat Sukar", "Sukar"},
                            {30, "Sukar", "Sedang"},
                            {70, "Sedang", "Mudah"},
                            {85, "Mudah", "Sangat Mudah"}};
    const double infinity = std::numeric_limits<double>::infinity();
    for (const Bound& b : bounds) {
        SCOPED_TRACE(b.Value);
        EXPECT_EQ(TafsiranKesukaran(std::nextafter(b.Value, -infinity)), b.Below);
        EXPECT_EQ(TafsiranKesukaran(b.Value), b.Below);
        EXPECT_EQ(TafsiranKesukaran(std::nextafter(b.Value, infinity)), b.Above);
    }
    EXPECT_EQ(TafsiranKesukaran(0), "Sangat Sukar");
    EXPECT_EQ(TafsiranKesukaran(100), "Sangat Mudah");
    EXPECT_EQ(TafsiranKesukaran(std::numeric_limits<double>::quiet_NaN()), "");
}

TEST(DataKesukaran, EverySubjectCountsAndTheListKeepsItsOrder) {
    // The scores run against the list order: no group is formed and the list stays as it is.
    TDataSkor skor = MakeSkor({"1-", "1*", "11", "1-", "--"}, 2);
    for (int i = 0; i < skor.Count(); ++i) {
        skor.GetItem(i).SkorAkhir = i; // reverse of score order
    }
    TDataKesukaran kesukaran(skor);
    kesukaran.Compute();
    EXPECT_EQ(kesukaran.GetItem(0).JumBetul, 4);
    EXPECT_EQ(kesukaran.GetItem(0).TingkatKesukaran, 80.0);
    EXPECT_EQ(kesukaran.GetItem(1).JumBetul, 1);
    EXPECT_EQ(kesukaran.GetItem(1).TingkatKesukaran, 20.0);
    EXPECT_FALSE(skor.IsUrutkanBerdSkor);
    EXPECT_EQ(skor.GetItem(0).UrutanAwal, 0);
    EXPECT_EQ(skor.GetItem(4).UrutanAwal, 4);
}

TEST(DataKesukaran, ResultStringsOfAnyLengthAreReadUpToTheItemCount) {
    TDataSkor skor = MakeSkor({"", "1", "1111111", "-1"}, 3);
    TDataKesukaran kesukaran(skor);
    kesukaran.Compute();
    ASSERT_EQ(kesukaran.Count(), 3);
    EXPECT_EQ(kesukaran.GetItem(0).JumBetul, 2);
    EXPECT_EQ(kesukaran.GetItem(1).JumBetul, 2);
    EXPECT_EQ(kesukaran.GetItem(2).JumBetul, 1);
    EXPECT_EQ(kesukaran.GetItem(2).TingkatKesukaran, 25.0);
}

TEST(DataKesukaran, AnItemEverybodyLeftBlankIsZeroPercent) {
    TDataSkor skor = MakeSkor({"*1", "*1", "*-"}, 2);
    TDataKesukaran kesukaran(skor);
    kesukaran.Compute();
    EXPECT_EQ(kesukaran.GetItem(0).TingkatKesukaran, 0.0);
    EXPECT_EQ(kesukaran.GetItem(0).Tafsiran, "Sangat Sukar");
}

TEST(DataKesukaran, NoSubjectsIsAnErrorAndLeavesTheItemsUncategorised) {
    TDataSkor skor = MakeSkor({}, 2);
    TDataKesukaran kesukaran(skor);
    try {
        kesukaran.Compute();
        FAIL() << "nothing thrown";
    } catch (const TaviroError& error) {
        EXPECT_NE(std::string(error.what()).find("jumlah subyek = 0"), std::string::npos)
            << error.what();
    }
    ASSERT_EQ(kesukaran.Count(), 2);
    for (const TItemKesukaran& item : kesukaran.Items) {
        EXPECT_EQ(item.JumBetul, 0);
        EXPECT_TRUE(std::isfinite(item.TingkatKesukaran));
        EXPECT_EQ(item.Tafsiran, "");
    }
    EXPECT_TRUE(kesukaran.NeedRecalc);
}

TEST(DataKesukaran, FlagsAndClear) {
    TDataSkor skor = MakeSkor({"1", "-"}, 1);
    TDataKesukaran kesukaran(skor);
    kesukaran.NeedRefresh = false;
    kesukaran.Compute();
    EXPECT_FALSE(kesukaran.NeedRecalc);
    EXPECT_FALSE(kesukaran.NeedRefresh);
    kesukaran.Compute();
    EXPECT_EQ(kesukaran.Count(), 1);
    kesukaran.Clear();
    EXPECT_EQ(kesukaran.Count(), 0);
    EXPECT_TRUE(kesukaran.NeedRecalc);
    EXPECT_TRUE(kesukaran.NeedRefresh);
}

TEST(DataKesukaran, ItemLabels) {
    TDataSkor skor = MakeSkor({"111", "---"}, 3);
    skor.NoButir = {"1", "3", "4"};
    TDataKesukaran kesukaran(skor);
    kesukaran.Compute();
    EXPECT_EQ(kesukaran.GetItem(1).NoButirAsli, 3);
    EXPECT_EQ(kesukaran.GetItem(2).NoButirAsli, 4);

    skor.NoButir = {"1", "", "4"};
    kesukaran.Clear();
    EXPECT_THROW(kesukaran.Compute(), TaviroError);
    EXPECT_EQ(kesukaran.Count(), 1);
    EXPECT_TRUE(kesukaran.NeedRecalc);
}

TEST(DataKesukaran, FromRawDataThroughScoring) {
    // Upper-case answers are right, a short answer string is blank at its end, a long one is cut
    // at the item count, and an empty one is blank throughout.
    TDataMentah mentah(AnalyzerKind::PilihanGanda);
    mentah.JumSubyek = 4;
    mentah.JumButir = 3;
    mentah.JumPilihan = 4;
    mentah.Kunci = "abc";
    for (const char* jwb : {"ABc", "a*c", "", "xbCa"}) {
        TJawaban jawaban;
        jawaban.Jwb = jwb;
        mentah.AddJawaban(jawaban);
    }
    TDataSkor skor(AnalyzerKind::PilihanGanda);
    TDataKesukaran kesukaran(skor);
    TAnalButirSoal analyses;
    analyses.Analyses = {&kesukaran};
    skor.ScoreAll(mentah, analyses);
    kesukaran.Compute();
    ASSERT_EQ(kesukaran.Count(), 3);
    const int right[] = {2, 2, 3};
    const char* const tafsiran[] = {"Sedang", "Sedang", "Mudah"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(kesukaran.GetItem(i).JumBetul, right[i]);
        EXPECT_EQ(kesukaran.GetItem(i).TingkatKesukaran, right[i] * 25.0);
        EXPECT_EQ(kesukaran.GetItem(i).Tafsiran, tafsiran[i]);
    }
}

} // namespace
} // namespace taviro
