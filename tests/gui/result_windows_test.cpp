// Every score and analysis window of both analyzers on a small document: captions, titles,
// information bars, grids and colours as the windows show them, read through the models and the
// labels. The expected numbers are worked out by hand from the documents in
// result_windows_fixture.h.
#include "result_windows_fixture.h"

#include "gui/analyzer_app.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QSplitter>

#include <algorithm>
#include <array>
#include <regex>
#include <tuple>

namespace taviro::test {
namespace {

struct WindowCase {
    Window Which;
    std::string Caption;
    std::string Title;
    // The captions and values of the information bar, in order, then its notes.
    std::vector<std::string> Bar;
    // The state of each check box.
    std::vector<bool> Checks;
    std::vector<Rows> Grids;
    // The first line of the window's report.
    std::string ReportTitle;
};

const std::vector<std::string> PilihanGandaSkorHeadings[] = {
    {"Nomor", "Nomor ", "No. Butir Baru ----->", "Skor", "1", "2", "3", "4"},
    {"Urut", "Subyek", " No. Butir Asli --->", "    ", "1", "2", "3", "5"},
    {"", "", " Nama Subyek | Kunci ->", "   ", "a", "b", "c", "d"},
};

Rows PilihanGandaSkor(const Rows& subjects) {
    Rows rows(std::begin(PilihanGandaSkorHeadings), std::end(PilihanGandaSkorHeadings));
    rows.insert(rows.end(), subjects.begin(), subjects.end());
    return rows;
}

// The windows in the order of the menu, then the score window again: the group window put the
// scores in score order.
std::vector<WindowCase> PilihanGandaCases() {
    const std::vector<std::string> groupHeadings = {
        "No.Urut", "No Subyek", "Kode/Nama Subyek", "Skor", "1", "2", "3", "5"};
    return {
        {Window::Skor,
         "FSkor",
         "Skor Data",
         {"Rata2=", "2.00", "Standar Deviasi", "1.41"},
         {false},
         {PilihanGandaSkor({{"1", "1", "Ani", "2", "1", "-", "1", "-"},
                            {"2", "2", "Budi", "4", "1", "1", "1", "1"},
                            {"3", "3", "Citra", "2", "-", "1", "1", "-"},
                            {"4", "4", "Dodi", "3", "1", "1", "1", "-"},
                            {"5", "5", "Eka", "0", "-", "-", "*", "-"},
                            {"6", "6", "Fina", "1", "-", "*", "1", "-"}})},
         "SKOR DATA"},
        {Window::SkorDibobot,
         "FSkorDibobot",
         "Skor Data Dibobot",
         {"Jml Subyek=", "6", "Butir Soal =", "4", "Bobot utk jwban benar=", "1",
          "Bobot utk jwban salah=", "0"},
         {false},
         {{{"No Urt ", "No Subyek", "Kode/Nama", "Benar", "Salah", "Kosong", "Skr Asli",
            "Skr Bobot"},
           {"1", "1", "Ani", "2", "2", "0", "2", "2"},
           {"2", "2", "Budi", "4", "0", "0", "4", "4"},
           {"3", "3", "Citra", "2", "2", "0", "2", "2"},
           {"4", "4", "Dodi", "3", "1", "0", "3", "3"},
           {"5", "5", "Eka", "0", "3", "1", "0", "0"},
           {"6", "6", "Fina", "1", "2", "1", "1", "1"}}},
         "SKOR DATA DIBOBOT"},
        // Odd half: items 1 and 3; even half: items 2 and 4. Sums 8, 4; squares 14, 6; products
        // 7: r = (6 * 7 - 32) / 20 = 0.5 and the reliability 2r / (1 + r) = 0.67.
        {Window::ReliabilitasTes,
         "Reliabilitas Tes",
         "Reliabilitas Tes",
         {"Rata2=", "2.00", "Simpang Baku=", "1.41", "KorelasiXY=", "0.50",
          "Reliabilitas Tes =", "0.67"},
         {},
         {{{"No.Urut", "No. Subyek", "Kode/Nama Subyek", "Skor Ganjil", "Skor Genap", "Skor Total"},
           {"1", "1", "Ani", "   2", "   0", "   2"},
           {"2", "2", "Budi", "   2", "   2", "   4"},
           {"3", "3", "Citra", "   1", "   1", "   2"},
           {"4", "4", "Dodi", "   2", "   1", "   3"},
           {"5", "5", "Eka", "   0", "   0", "   0"},
           {"6", "6", "Fina", "   1", "   0", "   1"}}},
         "RELIABILITAS TES"},
        // n = 27 % of 6 = 1.62, rounded 2.
        {Window::UnggulAsor,
         "Kelompok Unggul dan Asor",
         "Kel. Unggul & Asor",
         {},
         {},
         {{{"", "", "", "", "1", "2", "3", "4"},
           groupHeadings,
           {"1", "2", "Budi", "4", "1", "1", "1", "1"},
           {"2", "4", "Dodi", "3", "1", "1", "1", "-"},
           {"", "Jml Jwb Benar", "", "", "2", "2", "2", "1"}},
          {{"", "", "", "", "1", "2", "3", "4"},
           groupHeadings,
           {"1", "6", "Fina", "1", "-", "*", "1", "-"},
           {"2", "5", "Eka", "0", "-", "-", "*", "-"},
           {"", "Jml Jwb Benar", "", "", "0", "0", "1", "0"}}},
         "KELOMPOK UNGGUL & ASOR"},
        {Window::DayaPembeda,
         "Daya Pembeda",
         "Daya Pembeda",
         {"Jml Subyek=", "6", "Klp atas/bawah (n) =", "2", "Butir Soal =", "4"},
         {},
         {{{"No Butir Baru", "No Butir Asli", "Kel. Atas", "Kel. Bawah", "Beda", "Indeks DP (%)"},
           {"1", "1", "   2", "   0", "   2", "100.00"},
           {"2", "2", "   2", "   0", "   2", "100.00"},
           {"3", "3", "   2", "   1", "   1", "50.00"},
           {"4", "5", "   1", "   0", "   1", "50.00"}}},
         "DAYA PEMBEDA"},
        {Window::TingkatKesukaran,
         "Tingkat Kesukaran",
         "Tingkat Kesukaran",
         {"Jml Subyek=", "6", "Butir Soal =", "4"},
         {},
         {{{"No Butir Baru", "No Butir Asli", "Jml Betul", "Tkt. Kesukaran(%)", "Tafsiran"},
           {"1", "1", "3", "50.00", "Sedang"},
           {"2", "2", "3", "50.00", "Sedang"},
           {"3", "3", "5", "83.33", "Mudah"},
           {"4", "5", "1", "16.67", "Sukar"}}},
         "TINGKAT KESUKARAN"},
        // df = 4 uses the row of 10: 0.576 and 0.708. Item 3: sums x 5, y 12, y² 34, xy 12;
        // r = (72 - 60) / sqrt(5 * 60) = 0.693.
        {Window::KorelasiButir,
         "Korelasi Butir dengan Skor Total",
         "Korelasi Skor Butir dg Skor Total",
         {"Jml Subyek=", "6", "Butir Soal =", "4"},
         {},
         {{{"No Butir Baru", "No Butir Asli", "Korelasi", "Signifikansi"},
           {"1", "1", "0.775", "Sangat Signifikan"},
           {"2", "2", "0.775", "Sangat Signifikan"},
           {"3", "3", "0.693", "Signifikan"},
           {"4", "5", "0.693", "Signifikan"}}},
         "KORELASI SKOR BUTIR DG SKOR TOTAL"},
        // Item 4: one right, so E = 5 / 3 and "a", chosen by four, is at 240 %.
        {Window::Pengecoh,
         "Kualitas Pengecoh",
         "Kualitas Pengecoh",
         {"Jml Subyek=", "6", "Butir Soal =", "4", "** : Kunci Jawaban   +: Baik       -- : Buruk",
          "++ : Sangat Baik     -: Kurang    --- : Sangat Buruk"},
         {},
         {{{"No Butir Baru", "No Butir Asli", "a", "b", "c", "d", "*"},
           {"1", "1", "3**", "1++", "1++", "1++", "0"},
           {"2", "2", "1++", "3**", "1++", "0--", "1"},
           {"3", "3", "0--", "0--", "5**", "0--", "1"},
           {"4", "5", "4---", "1+", "0--", "1**", "0"}}},
         "KUALITAS PENGECOH"},
        {Window::RekapButir,
         "FRekapButir",
         "Rekap Analisis Butir",
         {"Rata2=", "2.00", "Simpang Baku=", "1.41", "KorelasiXY=", "0.50",
          "Reliabilitas Tes =", "0.67", "Butir Soal =", "4", "Jml Subyek=", "6"},
         {},
         {{{"Btr Baru", "Btr Asli", "D.Pembeda(%)", "T. Kesukaran", "Korelasi", "Sign. Korelasi"},
           {"1", "1", "100.00", "Sedang", "0.775", "Sangat Signifikan"},
           {"2", "2", "100.00", "Sedang", "0.775", "Sangat Signifikan"},
           {"3", "3", "50.00", "Mudah", "0.693", "Signifikan"},
           {"4", "5", "50.00", "Sukar", "0.693", "Signifikan"}}},
         "REKAP ANALISIS BUTIR"},
        {Window::Skor,
         "FSkor",
         "Skor Data",
         {"Rata2=", "2.00", "Standar Deviasi", "1.41"},
         {true},
         {PilihanGandaSkor({{"1", "2", "Budi", "4", "1", "1", "1", "1"},
                            {"2", "4", "Dodi", "3", "1", "1", "1", "-"},
                            {"3", "1", "Ani", "2", "1", "-", "1", "-"},
                            {"4", "3", "Citra", "2", "-", "1", "1", "-"},
                            {"5", "6", "Fina", "1", "-", "*", "1", "-"},
                            {"6", "5", "Eka", "0", "-", "-", "*", "-"}})},
         "SKOR DATA"},
    };
}

const std::vector<std::string> UraianSkorHeadings[] = {
    {"Nomor", "Nomor ", "No. Butir Baru ----->", "Skor", "1", "2", "3"},
    {"Urut", "Subyek", " No. Butir Asli --->", "    ", "1", "2", "4"},
    {"", "", " Nama|Skr Ideal ->", "   ", "10", "10", "20"},
};

Rows UraianSkor(const Rows& subjects) {
    Rows rows(std::begin(UraianSkorHeadings), std::end(UraianSkorHeadings));
    rows.insert(rows.end(), subjects.begin(), subjects.end());
    return rows;
}

// Mean 142 / 6 = 23.67; standard deviation sqrt(715.33 / 5) = 11.96. Groups of two: Budi, Dodi
// and Citra, Eka (Citra entered first, both 10). Item 2 of the lower group has Eka's 3 alone,
// whose mean and standard deviation are both that score.
std::vector<WindowCase> UraianCases() {
    const std::vector<std::string> groupHeadings = {
        "No Urt", "No Subyek", "Kode/Nama Subyek", "Skor", "1", "2", "4"};
    const std::vector<std::string> groupNumbers = {"", "", "", "", "1", "2", "3"};
    return {
        {Window::Skor,
         "FSkor",
         "Skor Data",
         {"Rata2=", "23.67", "Standar Deviasi", "11.96"},
         {false},
         {UraianSkor({{"1", "1", "Ani", "29", "8", "6", "15"},
                      {"2", "2", "Budi", "37", "10", "9", "18"},
                      {"3", "3", "Citra", "10", "4", "*", "6"},
                      {"4", "4", "Dodi", "35", "7", "8", "20"},
                      {"5", "5", "Eka", "10", "2", "3", "5"},
                      {"6", "6", "Fina", "21", "5", "4", "12"}})},
         "SKOR DATA"},
        // Odd half: items 1 and 3 (sums 23, 28, 10, 27, 7, 17); even half: item 2.
        {Window::ReliabilitasTes,
         "Reliabilitas Tes",
         "Reliabilitas Tes",
         {"Rata2=", "23.67", "Simpang Baku=", "11.96", "KorelasiXY=", "0.91",
          "Reliabilitas Tes =", "0.96"},
         {},
         {{{"No.Urut", "No. Subyek", "Kode/Nama Subyek", "Skor Ganjil", "Skor Genap", "Skor Total"},
           {"1", "1", "Ani", "  23", "   6", "  29"},
           {"2", "2", "Budi", "  28", "   9", "  37"},
           {"3", "3", "Citra", "  10", "   0", "  10"},
           {"4", "4", "Dodi", "  27", "   8", "  35"},
           {"5", "5", "Eka", "   7", "   3", "  10"},
           {"6", "6", "Fina", "  17", "   4", "  21"}}},
         "RELIABILITAS TES"},
        {Window::UnggulAsor,
         "Kelompok Unggul dan Asor",
         "Kel. Unggul & Asor",
         {},
         {},
         {{groupNumbers,
           groupHeadings,
           {"1", "2", "Budi", "37", "10", "9", "18"},
           {"2", "4", "Dodi", "35", "7", "8", "20"},
           {"", "Rata2 Skor", "", "", "8.50", "8.50", "19.00"},
           {"", "Simpang Baku", "", "", "2.12", "0.71", "1.41"}},
          {groupNumbers,
           groupHeadings,
           {"1", "3", "Citra", "10", "4", "*", "6"},
           {"2", "5", "Eka", "10", "2", "3", "5"},
           {"", "Rata2 Skor", "", "", "3.00", "3.00", "5.50"},
           {"", "Simpang Baku", "", "", "1.41", "3.00", "0.71"}}},
         "KELOMPOK UNGGUL & ASOR"},
        // Item 1: SB Gab = sqrt((4.5 + 2) / 2) = 1.80, t = 5.5 / 1.80 = 3.05, DP = (17 - 6) /
        // (10 * 2) = 55 %.
        {Window::DayaPembeda,
         "Daya Pembeda",
         "Daya Pembeda",
         {"Jml Subyek=", "6", "Klp atas/bawah (n) =", "2", "Butir Soal =", "3"},
         {},
         {{{"No", "No Btr Asli", "Rata2Un", "Rata2As", "Beda", "SB Un", "SB As", "SB Gab", "t",
            "DP(%)"},
           {"1", "1", "8.50", "3.00", "5.50", "2.12", "1.41", "1.80", "3.05", "55.00"},
           {"2", "2", "8.50", "3.00", "5.50", "0.71", "3.00", "2.18", "2.52", "70.00"},
           {"3", "4", "19.00", "5.50", "13.50", "1.41", "0.71", "1.12", "12.07", "67.50"}}},
         "DAYA PEMBEDA"},
        // Item 3: (38 + 11) / (20 * 2 * 2) = 61.25 %.
        {Window::TingkatKesukaran,
         "Tingkat Kesukaran",
         "Tingkat Kesukaran",
         {"Jml Subyek=", "6", "Butir Soal =", "3"},
         {},
         {{{"No Butir Baru", "No Butir Asli", "Tkt. Kesukaran(%)", "Tafsiran"},
           {"1", "1", "57.50", "Sedang"},
           {"2", "2", "50.00", "Sedang"},
           {"3", "4", "61.25", "Sedang"}}},
         "TINGKAT KESUKARAN"},
        {Window::KorelasiButir,
         "Korelasi Butir dengan Skor Total",
         "Korelasi Skor Butir dg Skor Total",
         {"Jml Subyek=", "6", "Butir Soal =", "3"},
         {},
         {{{"No Butir Baru", "No Butir Asli", "Korelasi", "Signifikansi"},
           {"1", "1", "0.923", "Sangat Signifikan"},
           {"2", "2", "0.954", "Sangat Signifikan"},
           {"3", "4", "0.985", "Sangat Signifikan"}}},
         "KORELASI SKOR BUTIR DG SKOR TOTAL"},
        {Window::RekapButir,
         "FRekapButir",
         "Rekap Analisis Butir",
         {"Rata2=", "23.67", "Simpang Baku=", "11.96", "KorelasiXY=", "0.91",
          "Reliabilitas Tes =", "0.96", "Butir Soal =", "3", "Jml Subyek=", "6"},
         {},
         {{{"No", "No Btr Asli", "T", "DP(%)", "T. Kesukaran", "Korelasi", "Sign. Korelasi"},
           {"1", "1", "3.05", "55.00", "Sedang", "0.923", "Sangat Signifikan"},
           {"2", "2", "2.52", "70.00", "Sedang", "0.954", "Sangat Signifikan"},
           {"3", "4", "12.07", "67.50", "Sedang", "0.985", "Sangat Signifikan"}}},
         "REKAP ANALISIS BUTIR"},
        {Window::Skor,
         "FSkor",
         "Skor Data",
         {"Rata2=", "23.67", "Standar Deviasi", "11.96"},
         {true},
         {UraianSkor({{"1", "2", "Budi", "37", "10", "9", "18"},
                      {"2", "4", "Dodi", "35", "7", "8", "20"},
                      {"3", "1", "Ani", "29", "8", "6", "15"},
                      {"4", "6", "Fina", "21", "5", "4", "12"},
                      {"5", "3", "Citra", "10", "4", "*", "6"},
                      {"6", "5", "Eka", "10", "2", "3", "5"}})},
         "SKOR DATA"},
    };
}

// A number in the expected texts with the decimal comma instead of the point; other texts (item
// numbers, headings such as "Kel. Atas") stay.
std::string WithSeparator(const std::string& text, char separator) {
    static const std::regex number(R"(\s*-?\d+\.\d+)");
    if (separator == '.' || !std::regex_match(text, number)) {
        return text;
    }
    std::string converted = text;
    converted[converted.find('.')] = separator;
    return converted;
}

std::vector<std::string> WithSeparator(std::vector<std::string> texts, char separator) {
    for (std::string& text : texts) {
        text = WithSeparator(text, separator);
    }
    return texts;
}

void ExpectShows(ResultWindow& window, const WindowCase& expected, char separator) {
    EXPECT_TRUE(window.isMaximized());
    EXPECT_EQ(window.windowTitle().toStdString(), expected.Caption);
    auto* title = window.findChild<QLabel*>("Title");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->text().toStdString(), expected.Title);
    EXPECT_EQ(BarTexts(window), WithSeparator(expected.Bar, separator));
    const auto checks = window.findChildren<QCheckBox*>();
    ASSERT_EQ(checks.size(), static_cast<qsizetype>(expected.Checks.size()));
    for (std::size_t i = 0; i < expected.Checks.size(); ++i) {
        EXPECT_EQ(checks[static_cast<qsizetype>(i)]->text(),
                  "Urutkan berdasarkan skor (tinggi ke rendah)");
        EXPECT_EQ(checks[static_cast<qsizetype>(i)]->isChecked(), expected.Checks[i]);
    }
    ASSERT_EQ(window.GridCount(), static_cast<int>(expected.Grids.size()));
    for (int g = 0; g < window.GridCount(); ++g) {
        Rows rows = expected.Grids[static_cast<std::size_t>(g)];
        for (auto& row : rows) {
            row = WithSeparator(row, separator);
        }
        EXPECT_EQ(ShownRows(window.Grid(g)), rows) << "grid " << g;
        // The fixed column's texts are centred like every fixed cell.
        EXPECT_EQ(window.Grid(g).verticalHeader()->defaultAlignment(), Qt::AlignCenter);
    }
}

// The two grids of the group window are one above the other in a splitter, each under its
// caption.
void ExpectGroupPanes(ResultWindow& window) {
    auto* splitter = window.findChild<QSplitter*>();
    ASSERT_NE(splitter, nullptr);
    EXPECT_EQ(splitter->orientation(), Qt::Vertical);
    ASSERT_EQ(splitter->count(), 2);
    const std::array<QString, 2> captions = {"Kelompok Unggul", "Kelompok Asor"};
    const std::array<QString, 2> names = {"SGUnggul", "SGAsor"};
    for (int i = 0; i < 2; ++i) {
        QWidget* pane = splitter->widget(i);
        auto* caption = pane->findChild<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
        ASSERT_NE(caption, nullptr);
        EXPECT_EQ(caption->text(), captions[static_cast<std::size_t>(i)]);
        EXPECT_EQ(&window.Grid(i), pane->findChild<GridView*>(names[static_cast<std::size_t>(i)]));
    }
}

struct KindCase {
    AnalyzerKind Kind;
    const char* Document;
    std::vector<WindowCase> (*Windows)();
    char Separator;
};

void PrintTo(const KindCase& c, std::ostream* out) {
    *out << (c.Kind == AnalyzerKind::PilihanGanda ? "pilihan ganda" : "uraian") << ", separator "
         << c.Separator;
}

class ResultWindowsShow : public ::testing::TestWithParam<KindCase> {};

TEST_P(ResultWindowsShow, EveryWindowInMenuOrderWithItsCaptionsValuesGridAndReport) {
    const KindCase& kind = GetParam();
    WindowsUnderTest under(kind.Kind, kind.Document, kind.Separator);
    for (const WindowCase& expected : kind.Windows()) {
        SCOPED_TRACE(WindowName(expected.Which));
        under.Show(expected.Which, [&](ResultWindow& window) {
            ExpectShows(window, expected, kind.Separator);
            if (expected.Which == Window::UnggulAsor) {
                ExpectGroupPanes(window);
            }
            const int previews = under.fake.PreviewsShown;
            QTest::mouseClick(window.PrintButton(), Qt::LeftButton);
            EXPECT_EQ(under.fake.PreviewsShown, previews + 1);
            ASSERT_FALSE(under.windows.Preview.MCetak.empty());
            EXPECT_EQ(under.windows.Preview.MCetak.front(), expected.ReportTitle);
        });
    }
    EXPECT_EQ(under.fake.Errors, std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    KelasDocuments, ResultWindowsShow,
    ::testing::Values(KindCase{AnalyzerKind::PilihanGanda, KelasTav, PilihanGandaCases, '.'},
                      KindCase{AnalyzerKind::PilihanGanda, KelasTav, PilihanGandaCases, ','},
                      KindCase{AnalyzerKind::Uraian, KelasTur, UraianCases, '.'},
                      KindCase{AnalyzerKind::Uraian, KelasTur, UraianCases, ','}),
    [](const ::testing::TestParamInfo<KindCase>& test) {
        return std::string(test.param.Kind == AnalyzerKind::PilihanGanda ? "PilihanGanda"
                                                                         : "Uraian") +
               (test.param.Separator == '.' ? "Titik" : "Koma");
    });

TEST(ResultWindows, TheEssayAnalyzerHasNoWeightedScoreAndNoDistractorWindow) {
    for (const auto& [kind, document] : {std::pair{AnalyzerKind::PilihanGanda, KelasTav},
                                         std::pair{AnalyzerKind::Uraian, KelasTur}}) {
        WindowsUnderTest under(kind, document);
        const bool pilihanGanda = kind == AnalyzerKind::PilihanGanda;
        for (const Window which :
             {Window::Skor, Window::ReliabilitasTes, Window::UnggulAsor, Window::DayaPembeda,
              Window::TingkatKesukaran, Window::KorelasiButir, Window::RekapButir}) {
            EXPECT_NE(under.Find(which), nullptr) << WindowName(which);
            EXPECT_EQ(under.ui.Windows.count(which), 1u) << WindowName(which);
        }
        for (const Window which : {Window::SkorDibobot, Window::Pengecoh}) {
            EXPECT_EQ(under.Find(which) != nullptr, pilihanGanda) << WindowName(which);
            EXPECT_EQ(under.ui.Windows.count(which), pilihanGanda ? 1u : 0u) << WindowName(which);
        }
        // Created once, before anything is shown, and owned by the parent.
        for (ResultWindow* window : under.host.findChildren<ResultWindow*>()) {
            EXPECT_FALSE(window->isVisible());
            EXPECT_EQ(window->parentWidget(), &under.host);
        }
    }
}

TEST(ResultWindows, TheAnalyzerRegistersThemOverItsMainWindow) {
    for (const AnalyzerKind kind : {AnalyzerKind::PilihanGanda, AnalyzerKind::Uraian}) {
        // The analyzer registers its result windows when it is made.
        gui::AnalyzerApp app(kind);
        const auto windows =
            app.Parent()->findChildren<ResultWindow*>(QString(), Qt::FindDirectChildrenOnly);
        EXPECT_EQ(windows.size(), kind == AnalyzerKind::PilihanGanda ? 9 : 7);
        for (const Window which :
             {Window::Skor, Window::SkorDibobot, Window::ReliabilitasTes, Window::UnggulAsor,
              Window::DayaPembeda, Window::TingkatKesukaran, Window::KorelasiButir,
              Window::Pengecoh, Window::RekapButir}) {
            const bool exists =
                app.Parent()->findChild<ResultWindow*>(WindowName(which)) != nullptr;
            EXPECT_EQ(exists, app.Ui().Windows.count(which) == 1) << WindowName(which);
        }
        // Over the app's own logic.
        ResultWindow* skor = app.Parent()->findChild<ResultWindow*>("FSkor");
        ASSERT_NE(skor, nullptr);
        EXPECT_EQ(&skor->Logic(), static_cast<GridWindow*>(&app.Windows().Skor));
    }
}

// The width of a grid column on the screen, the fixed column included.
int ColumnWidth(GridView& view, int gridCol) {
    GridModel& model = view.Model();
    if (model.Grid().FixedCols > 0 && gridCol == 0) {
        return view.verticalHeader()->width();
    }
    return view.columnWidth(gridCol - (model.Grid().FixedCols > 0 ? 1 : 0));
}

struct DesignWidth {
    Window Which;
    int Col;
    int Width;
};

TEST(ResultWindows, EveryHeadingAndCellInViewFitsItsColumnAndTheLayoutsWidthsStay) {
    // The widths the layouts give, which are no smaller than what the texts need.
    const std::vector<DesignWidth> designed = {
        {Window::Skor, 0, 60},
        {Window::Skor, 2, 151},
        {Window::Skor, 5, 30},
        {Window::SkorDibobot, 7, 91},
        {Window::ReliabilitasTes, 2, 127},
        {Window::UnggulAsor, 5, 30},
        {Window::RekapButir, 4, 120},
        {Window::Pengecoh, 3, 50},
    };
    for (const auto& [kind, document] : {std::pair{AnalyzerKind::PilihanGanda, KelasTav},
                                         std::pair{AnalyzerKind::Uraian, KelasTur}}) {
        WindowsUnderTest under(kind, document);
        for (const Window which :
             {Window::Skor, Window::SkorDibobot, Window::ReliabilitasTes, Window::UnggulAsor,
              Window::DayaPembeda, Window::TingkatKesukaran, Window::KorelasiButir,
              Window::Pengecoh, Window::RekapButir}) {
            if (under.Find(which) == nullptr) {
                continue;
            }
            under.Show(which, [&](ResultWindow& window) {
                for (int g = 0; g < window.GridCount(); ++g) {
                    GridView& view = window.Grid(g);
                    QFont bold = view.font();
                    bold.setBold(true);
                    QFont heading = bold;
                    heading.setPointSize(under.session.Global().HeaderFontSize);
                    const Rows rows = ShownRows(view);
                    for (std::size_t r = 0; r < rows.size(); ++r) {
                        // The fixed row and column are drawn as headings.
                        for (std::size_t c = 0; c < rows[r].size(); ++c) {
                            const bool isHeading = r == 0 || c == 0;
                            const int needed =
                                QFontMetrics(isHeading ? heading : bold)
                                    .horizontalAdvance(QString::fromStdString(rows[r][c]));
                            EXPECT_LE(needed + 7, ColumnWidth(view, static_cast<int>(c)))
                                << WindowName(which) << " grid " << g << " cell (" << r << ", " << c
                                << ") \"" << rows[r][c] << "\"";
                        }
                    }
                }
                for (const DesignWidth& width : designed) {
                    if (width.Which == which) {
                        EXPECT_GE(ColumnWidth(window.Grid(), width.Col), width.Width)
                            << WindowName(which) << " column " << width.Col;
                    }
                }
            });
        }
    }
}

// A cell of a grid as the grid has it, the first fixed row and column included.
struct CellColour {
    Window Which;
    int GridIndex;
    int Row;
    int Col;
    QColor Colour;
};

const QColor Header{129, 169, 226};
const QColor Highlight{189, 214, 255};
const QColor Yellow{255, 255, 0};
const QColor MoneyGreen{192, 220, 192};
const QColor White{255, 255, 255};
const QColor Red{255, 0, 0};

QColor PaintedColour(GridView& view, int row, int col) {
    GridModel& model = view.Model();
    const QModelIndex index = model.index(row - (model.Grid().FixedRows > 0 ? 1 : 0),
                                          col - (model.Grid().FixedCols > 0 ? 1 : 0));
    const QRect cell = view.visualRect(index);
    const QImage image = view.viewport()->grab().toImage();
    // Above the text, which is centred vertically, and clear of the grid lines.
    return image.pixelColor(cell.topLeft() + QPoint(2, 2));
}

TEST(ResultWindows, PaintTheColoursThatEachWindowGivesItsCells) {
    const std::vector<CellColour> pilihanGanda = {
        {Window::Skor, 0, 3, 3, Yellow},
        {Window::Skor, 0, 3, 1, Highlight},
        {Window::Skor, 0, 2, 4, Highlight},
        {Window::Skor, 0, 2, 2, Header},
        {Window::Skor, 0, 1, 5, Header},
        {Window::Skor, 0, 4, 5, White},
        {Window::SkorDibobot, 0, 2, 6, Yellow},
        {Window::SkorDibobot, 0, 2, 7, MoneyGreen},
        {Window::SkorDibobot, 0, 2, 1, Highlight},
        {Window::SkorDibobot, 0, 2, 3, White},
        {Window::ReliabilitasTes, 0, 2, 5, Yellow},
        {Window::ReliabilitasTes, 0, 2, 1, Highlight},
        {Window::ReliabilitasTes, 0, 2, 4, White},
        {Window::UnggulAsor, 0, 2, 3, Yellow},
        {Window::UnggulAsor, 0, 4, 5, Yellow},
        {Window::UnggulAsor, 0, 2, 1, Highlight},
        {Window::UnggulAsor, 0, 2, 5, White},
        {Window::UnggulAsor, 1, 4, 6, Yellow},
        {Window::UnggulAsor, 1, 1, 5, Header},
        {Window::DayaPembeda, 0, 2, 5, Highlight},
        {Window::DayaPembeda, 0, 2, 4, White},
        {Window::TingkatKesukaran, 0, 2, 3, Highlight},
        {Window::TingkatKesukaran, 0, 2, 4, White},
        {Window::KorelasiButir, 0, 2, 2, White},
        {Window::KorelasiButir, 0, 2, 3, White},
        {Window::Pengecoh, 0, 2, 3, MoneyGreen},
        {Window::Pengecoh, 0, 2, 5, Red},
        {Window::Pengecoh, 0, 4, 2, Red},
        {Window::Pengecoh, 0, 4, 3, White},
        {Window::Pengecoh, 0, 2, 6, White},
        {Window::RekapButir, 0, 2, 2, White},
    };
    const std::vector<CellColour> uraian = {
        {Window::Skor, 0, 2, 4, Highlight},
        {Window::Skor, 0, 3, 3, Yellow},
        {Window::UnggulAsor, 1, 5, 4, Yellow},
        {Window::DayaPembeda, 0, 2, 8, Highlight},
        {Window::DayaPembeda, 0, 2, 9, Highlight},
        {Window::DayaPembeda, 0, 2, 7, White},
        {Window::TingkatKesukaran, 0, 2, 3, Highlight},
        {Window::TingkatKesukaran, 0, 2, 2, White},
    };
    for (const auto& [kind, document, cells] :
         {std::tuple{AnalyzerKind::PilihanGanda, KelasTav, pilihanGanda},
          std::tuple{AnalyzerKind::Uraian, KelasTur, uraian}}) {
        WindowsUnderTest under(kind, document);
        for (const CellColour& cell : cells) {
            under.Show(cell.Which, [&](ResultWindow& window) {
                EXPECT_EQ(PaintedColour(window.Grid(cell.GridIndex), cell.Row, cell.Col).name(),
                          cell.Colour.name())
                    << WindowName(cell.Which) << " grid " << cell.GridIndex << " cell (" << cell.Row
                    << ", " << cell.Col << ")";
            });
        }
    }
}

} // namespace
} // namespace taviro::test
