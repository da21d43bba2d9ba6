#include "views/info_batas_sig.h"

#include "core/analysis/data_korelasi_butir.h"
#include "core/scoring/data_skor.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace taviro {
namespace {

TEST(TFInfoBatasSIg, HoldsTheTwelveLinesAsTheyStand) {
    const std::vector<std::string> expected = {
        " Catatan: Batas signifikansi koefisien korelasi sebagaai berikut:",
        "",
        "           df (N-2)  P=0,05  P=0,01     df (N-2)  P=0,05  P=0,01",
        "              10     0,576   0,708         60     0,250   0,325",
        "              15     0,482   0,606         70     0,233   0,302",
        "              20     0,423   0,549         80     0,217   0,283",
        "              25     0,381   0,496         90     0,205   0,267",
        "              30     0,349   0,449        100     0,195   0,254",
        "              40     0,304   0,393        125     0,174   0,228",
        "              50     0,273   0,354       >150     0,159   0,208",
        "",
        "           Bila koefisien = 0,000  berarti tidak dapat dihitung.",
    };
    EXPECT_EQ(TFInfoBatasSIg::Lines(), expected);
}

// A critical value as the text prints it: "0,576" is 0.576.
double FromText(std::string text) {
    for (char& c : text) {
        if (c == ',') {
            c = '.';
        }
    }
    return std::strtod(text.c_str(), nullptr);
}

TEST(TFInfoBatasSIg, ShowsTheCriticalValuesThatTheSignificanceUses) {
    TDataSkor skor(AnalyzerKind::PilihanGanda);
    const TDataKorelasiButir korelasi(skor);
    const std::vector<std::string>& lines = TFInfoBatasSIg::Lines();
    // Rows 0 to 6 of the table stand on the left of lines 4 to 10, rows 7 to 13 on the right;
    // the last row (150) is written ">150".
    for (int line = 3; line < 10; ++line) {
        SCOPED_TRACE(lines[static_cast<std::size_t>(line)]);
        std::istringstream words(lines[static_cast<std::size_t>(line)]);
        std::string df1, p05a, p01a, df2, p05b, p01b;
        words >> df1 >> p05a >> p01a >> df2 >> p05b >> p01b;
        const BatasSigRow& left = korelasi.BatasSig[static_cast<std::size_t>(line - 3)];
        const BatasSigRow& right = korelasi.BatasSig[static_cast<std::size_t>(line + 4)];
        EXPECT_EQ(std::stoi(df1), left.Df);
        EXPECT_DOUBLE_EQ(FromText(p05a), left.BatasP05);
        EXPECT_DOUBLE_EQ(FromText(p01a), left.BatasP01);
        EXPECT_EQ(std::stoi(df2[0] == '>' ? df2.substr(1) : df2), right.Df);
        EXPECT_DOUBLE_EQ(FromText(p05b), right.BatasP05);
        EXPECT_DOUBLE_EQ(FromText(p01b), right.BatasP01);
    }
}

} // namespace
} // namespace taviro
