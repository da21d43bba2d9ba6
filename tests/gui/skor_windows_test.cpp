// The sort check box of the two score windows, clicked in the window: the subjects in score order
// (equal scores in raw-data order) numbered anew, back in raw-data order, and kept through saving
// and reopening the document.
#include "result_windows_fixture.h"

#include <QCheckBox>

namespace taviro::test {
namespace {

struct SortCase {
    const char* Name;
    AnalyzerKind Kind;
    const char* Document;
    Window Which;
    // The grid row of the first subject.
    int FirstSubjectRow;
    std::vector<std::string> RawOrder;
    std::vector<std::string> ScoreOrder;
};

// Row headings and subject numbers of the subjects' rows, top to bottom.
std::vector<std::pair<std::string, std::string>> Subjects(ResultWindow& window, int firstRow) {
    const Rows rows = ShownRows(window.Grid());
    std::vector<std::pair<std::string, std::string>> subjects;
    for (std::size_t r = static_cast<std::size_t>(firstRow); r < rows.size(); ++r) {
        subjects.emplace_back(rows[r][0], rows[r][1]);
    }
    return subjects;
}

std::vector<std::pair<std::string, std::string>> Numbered(const std::vector<std::string>& order) {
    std::vector<std::pair<std::string, std::string>> subjects;
    for (std::size_t i = 0; i < order.size(); ++i) {
        subjects.emplace_back(std::to_string(i + 1), order[i]);
    }
    return subjects;
}

void PrintTo(const SortCase& c, std::ostream* out) {
    *out << c.Name;
}

class SkorWindowSort : public ::testing::TestWithParam<SortCase> {};

TEST_P(SkorWindowSort, ClickingTheBoxSortsAndNumbersAnewAndSurvivesSaveAndReopen) {
    const SortCase& c = GetParam();
    WindowsUnderTest under(c.Kind, c.Document);
    const auto click = [](ResultWindow& window) {
        QCheckBox* box = window.findChild<QCheckBox*>("CBUrutSkor");
        ASSERT_NE(box, nullptr);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
    };
    under.Show(c.Which, [&](ResultWindow& window) {
        EXPECT_FALSE(window.Check()->isChecked());
        EXPECT_EQ(Subjects(window, c.FirstSubjectRow), Numbered(c.RawOrder));
        click(window);
        EXPECT_TRUE(window.Check()->isChecked());
        EXPECT_TRUE(under.session.DataSkor().IsUrutkanBerdSkor);
        EXPECT_EQ(Subjects(window, c.FirstSubjectRow), Numbered(c.ScoreOrder));
        click(window);
        EXPECT_FALSE(window.Check()->isChecked());
        EXPECT_EQ(Subjects(window, c.FirstSubjectRow), Numbered(c.RawOrder));
        click(window);
    });
    // Showing it again does not score again: the order and the box stay.
    under.Show(c.Which, [&](ResultWindow& window) {
        EXPECT_TRUE(window.Check()->isChecked());
        EXPECT_EQ(Subjects(window, c.FirstSubjectRow), Numbered(c.ScoreOrder));
    });

    const std::string saved = under.folder.File(
        std::string("urut") + (c.Kind == AnalyzerKind::PilihanGanda ? ".tav" : ".tur"));
    under.session.SaveDocument(saved);
    WindowsUnderTest reopened(c.Kind, c.Document);
    reopened.Open(saved);
    reopened.Show(c.Which, [&](ResultWindow& window) {
        EXPECT_TRUE(window.Check()->isChecked());
        EXPECT_EQ(Subjects(window, c.FirstSubjectRow), Numbered(c.ScoreOrder));
        // Unticking still finds the raw-data order after the round trip.
        click(window);
        EXPECT_EQ(Subjects(window, c.FirstSubjectRow), Numbered(c.RawOrder));
    });
    EXPECT_EQ(under.fake.Errors, std::vector<std::string>{});
    EXPECT_EQ(reopened.fake.Errors, std::vector<std::string>{});
}

const std::vector<std::string> RawOrder = {"1", "2", "3", "4", "5", "6"};

INSTANTIATE_TEST_SUITE_P(
    BothWindowsBothKinds, SkorWindowSort,
    ::testing::Values(
        // Scores 2, 4, 2, 3, 0, 1: Ani (entered before Citra) stands above her.
        SortCase{"PilihanGandaSkor",
                 AnalyzerKind::PilihanGanda,
                 KelasTav,
                 Window::Skor,
                 3,
                 RawOrder,
                 {"2", "4", "1", "3", "6", "5"}},
        SortCase{"PilihanGandaSkorDibobot",
                 AnalyzerKind::PilihanGanda,
                 KelasTav,
                 Window::SkorDibobot,
                 1,
                 RawOrder,
                 {"2", "4", "1", "3", "6", "5"}},
        // Sums 29, 37, 10, 35, 10, 21: Citra (entered before Eka) stands above her.
        SortCase{"UraianSkor",
                 AnalyzerKind::Uraian,
                 KelasTur,
                 Window::Skor,
                 3,
                 RawOrder,
                 {"2", "4", "1", "6", "3", "5"}}),
    [](const ::testing::TestParamInfo<SortCase>& test) { return std::string(test.param.Name); });

} // namespace
} // namespace taviro::test
