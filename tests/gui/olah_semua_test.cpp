// "Olah Semua Otomatis" clicked in the main menu shows in the preview exactly the report that
// "taviro-olah report" prints for the same document, line for line, with either decimal separator.
#include "core/global.h"
#include "gui/analyzer_app.h"
#include "gui/main_window.h"
#include "gui/preview_dialog.h"
#include "programs/olah/olah_app.h"
#include "result_windows_fixture.h"

#include <QPlainTextEdit>

#include <filesystem>
#include <sstream>

namespace taviro::test {
namespace {

using gui::AnalyzerApp;
using gui::PreviewDialog;

struct OlahCase {
    const char* Name;
    AnalyzerKind Kind;
    const char* Example;
    char Separator;
};

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

void PrintTo(const OlahCase& c, std::ostream* out) {
    *out << c.Name;
}

class OlahSemuaOtomatis : public ::testing::TestWithParam<OlahCase> {};

TEST_P(OlahSemuaOtomatis, ThePreviewEqualsTheCommandLineReport) {
    const OlahCase& c = GetParam();
    TempFolder folder;
    const std::string path = folder.File(c.Example);
    std::filesystem::copy_file(std::filesystem::path(TAVIRO_EXAMPLES_DIR) / c.Example, path);

    AnalyzerApp app(c.Kind);
    app.Session().Global().DecimalSeparator = c.Separator;
    // Opening a document shows the raw data editor, which plays no part here.
    app.Ui().Windows[Window::EditDataMentah] = [] {};
    app.Utama().OpenDocument(path);
    ASSERT_EQ(app.Session().Global().FileName, path);

    app.Main().UpdateFromLogic();
    ASSERT_TRUE(app.Main().Link(MenuLink::LOlahSemua)->isEnabled());
    app.Main().show();
    std::string shown;
    PlayModal<PreviewDialog>(
        [&](PreviewDialog& preview) {
            shown = preview.Text()->toPlainText().toStdString();
            preview.accept();
        },
        [&] { QTest::mouseClick(app.Main().Link(MenuLink::LOlahSemua), Qt::LeftButton); });
    app.Main().hide();

    const std::string separator(1, c.Separator);
    const char* argv[] = {"taviro-olah", "report", path.c_str(), "--decimal-separator",
                          separator.c_str()};
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(RunOlah(5, argv, out, err), 0) << err.str();

    const std::vector<std::string> printed = SplitLines(out.str());
    const std::vector<std::string> previewed = SplitLines(shown);
    ASSERT_GT(printed.size(), 100u);
    ASSERT_EQ(previewed.size(), printed.size());
    for (std::size_t i = 0; i < printed.size(); ++i) {
        EXPECT_EQ(previewed[i], printed[i]) << "line " << i + 1;
    }
    EXPECT_EQ(shown, out.str());
}

INSTANTIATE_TEST_SUITE_P(
    BothKindsBothSeparators, OlahSemuaOtomatis,
    ::testing::Values(OlahCase{"PilihanGandaTitik", AnalyzerKind::PilihanGanda, "contoh.tav", '.'},
                      OlahCase{"PilihanGandaKoma", AnalyzerKind::PilihanGanda, "contoh.tav", ','},
                      OlahCase{"UraianTitik", AnalyzerKind::Uraian, "contoh.tur", '.'},
                      OlahCase{"UraianKoma", AnalyzerKind::Uraian, "contoh.tur", ','}),
    [](const ::testing::TestParamInfo<OlahCase>& test) { return std::string(test.param.Name); });

} // namespace
} // namespace taviro::test
