#include "core/global.h"
#include "core/report/cetak_sg.h"

#include <gtest/gtest.h>

namespace taviro {
namespace {

std::string Blanks(std::size_t n) { return std::string(n, ' '); }

class Formatter : public testing::Test {
protected:
    Formatter() { global.FileName = "/home/guru/ujian akhir.tav"; }

    TGlobal global{AnalyzerKind::PilihanGanda};
    TCetakSG cetak{global};
    MemoLines memo;
};

// A grid like the raw data print: sequence number, subject number, name, then one column per
// item.
TextGrid RawDataLike(int items) {
    TextGrid grid;
    grid.SetSize(3, 3 + items);
    grid.SetCell(0, 0, "No");
    grid.SetCell(0, 1, "NoSub");
    grid.SetCell(0, 2, "Nama");
    for (int i = 0; i < items; ++i) {
        grid.SetCell(0, 3 + i, std::to_string(i + 1));
        grid.SetCell(1, 3 + i, "a");
    }
    grid.SetCell(1, 0, "1");
    grid.SetCell(1, 1, "17");
    grid.SetCell(1, 2, "Kadek Ayu Wulandari Saraswati");
    return grid;
}

TEST_F(Formatter, CutsAWideGridIntoBlocksOfWholeColumns) {
    const TextGrid grid = RawDataLike(20);
    cetak.SetGrid(grid);
    cetak.SetAllWidths(2);
    cetak.SetColWidth(0, 5);
    cetak.SetColWidth(1, 6);
    cetak.SetColWidth(2, 24);
    cetak.LastRepeatedCol = 2;
    cetak.LeftAligned.reset();
    cetak.LeftAligned.set(2);
    cetak.Memo = &memo;
    cetak.HeaderLines = {"DATA MENTAH"};
    cetak.FooterLines = {"-- akhir --"};
    cetak.BuildReport(true);

    // Header, file name, empty line; three blocks of three rows and two empty lines; an empty
    // line and the footer.
    ASSERT_EQ(memo.size(), 3u + 3u * 5u + 2u);
    EXPECT_EQ(memo[0], "DATA MENTAH");
    EXPECT_EQ(memo[1], "Nama berkas: /HOME/GURU/UJIAN AKHIR.TAV");
    EXPECT_EQ(memo[2], "");
    // Block 1: items 1 to 9 in 77 characters.
    const std::string heading = "    No   NoSub  Nama                     ";
    EXPECT_EQ(memo[3], heading + "  1   2   3   4   5   6   7   8   9 ");
    EXPECT_EQ(memo[3].size(), 77u);
    EXPECT_EQ(memo[4], "     1      17  Kadek Ayu Wulandari S...   a   a   a   a   a   a   a   a   a ");
    // The empty row prints blanks only: every cell is its width + 2.
    EXPECT_EQ(memo[5], Blanks(77));
    EXPECT_EQ(memo[6], "");
    EXPECT_EQ(memo[7], "");
    // Block 2: items 10 to 18; the item numbers are cut to 2 characters.
    EXPECT_EQ(memo[8], heading + " 10  11  12  13  14  15  16  17  18 ");
    // Block 3: items 19 and 20.
    EXPECT_EQ(memo[13], heading + " 19  20 ");
    EXPECT_EQ(memo[16], "");
    EXPECT_EQ(memo[17], "");
    EXPECT_EQ(memo[18], "");
    EXPECT_EQ(memo[19], "-- akhir --");
    // Header and footer are used once.
    EXPECT_TRUE(cetak.HeaderLines.empty());
    EXPECT_TRUE(cetak.FooterLines.empty());
}

TEST_F(Formatter, TruncatesLongTextsAndAppendsWithoutClearing) {
    TextGrid grid;
    grid.SetSize(1, 3);
    grid.SetCell(0, 0, "x");
    grid.SetCell(0, 1, "Bintang");
    grid.SetCell(0, 2, "100");
    cetak.SetGrid(grid);
    cetak.SetAllWidths(2);
    cetak.SetColWidth(1, 5);
    cetak.LastRepeatedCol = 1;
    cetak.LeftAligned.reset();
    cetak.Memo = &memo;
    memo = {"laporan sebelumnya"};
    cetak.BuildReport(false);
    ASSERT_EQ(memo.size(), 1u + 2u + 1u + 2u + 1u);
    EXPECT_EQ(memo[0], "laporan sebelumnya");
    EXPECT_EQ(memo[1], "Nama berkas: /HOME/GURU/UJIAN AKHIR.TAV");
    // "Bintang" in 5 is "Bi..."; "100" in 2 is "...", one character wider than the column.
    EXPECT_EQ(memo[3], "  x  Bi...  ... ");
    cetak.BuildReport(true);
    EXPECT_EQ(memo[0], "Nama berkas: /HOME/GURU/UJIAN AKHIR.TAV");
}

TEST_F(Formatter, AlignsByCharactersNotBytes) {
    TextGrid grid;
    grid.SetSize(1, 2);
    grid.SetCell(0, 0, "Ñoño");
    grid.SetCell(0, 1, "é");
    cetak.SetGrid(grid);
    cetak.SetAllWidths(6);
    cetak.LastRepeatedCol = 0;
    cetak.LeftAligned.reset();
    cetak.LeftAligned.set(0);
    cetak.Memo = &memo;
    cetak.BuildReport(true);
    EXPECT_EQ(memo[2], " Ñoño   " "      é ");
}

TEST(MultiFormatter, PrintsTwoGridsAndCutsOnlyTheRepeatedColumns) {
    TGlobal global(AnalyzerKind::Uraian);
    global.FileName = "kelas.tur";
    TCetakMultiSG cetak(global);
    TextGrid upper, lower;
    upper.SetSize(1, 3);
    upper.SetCell(0, 0, "1");
    upper.SetCell(0, 1, "Kelompok unggul sekali");
    upper.SetCell(0, 2, "12345");
    lower.SetSize(1, 3);
    lower.SetCell(0, 2, "7");
    cetak.SetGrid(1, upper);
    cetak.SetGrid(2, lower);
    cetak.SetAllWidths(3);
    cetak.SetColWidth(1, 8);
    cetak.LastRepeatedCol = 1;
    cetak.LeftAligned.reset();
    cetak.LeftAligned.set(1);
    MemoLines memo;
    cetak.Memo = &memo;
    cetak.HeaderLines[0] = {"UNGGUL"};
    cetak.HeaderLines[1] = {"ASOR"};
    cetak.FooterLines[1] = {"selesai"};
    cetak.BuildReport(true);
    const MemoLines expected = {
        "UNGGUL", "Nama berkas: KELAS.TUR", "", "   1  Kelom...  12345 ", "", "", "",
        "ASOR",   "Nama berkas: KELAS.TUR", "", Blanks(18) + "7 ", "", "", "", "selesai"};
    EXPECT_EQ(memo, expected);
}

} // namespace
} // namespace taviro
