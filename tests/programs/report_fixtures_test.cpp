// Walks the report fixtures: every folder under reports/ holds a document (input.tav or
// input.tur), the decimal separator to print with (separator.txt) and the text that
// "taviro-olah report" must print for it (expected.txt). The expected texts were worked out by
// hand and by a separate calculation from the rules of each analysis, never from this program.
//
// The command runs inside the case folder with the bare file name, so the "Nama berkas: " line
// reads the same wherever the repository lies.
#include "programs/olah/olah_app.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace taviro {
namespace {

namespace fs = std::filesystem;

// Changes into a folder and back again, also when an assertion ends the test early.
class WorkingFolder {
public:
    explicit WorkingFolder(const fs::path& folder) : previous_(fs::current_path()) {
        fs::current_path(folder);
    }
    ~WorkingFolder() {
        std::error_code ignored;
        fs::current_path(previous_, ignored);
    }
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

private:
    fs::path previous_;
};

std::vector<fs::path> CaseFolders() {
    std::vector<fs::path> folders;
    for (const auto& entry : fs::directory_iterator(test::FixturesDir() / "reports")) {
        if (entry.is_directory()) {
            folders.push_back(entry.path());
        }
    }
    std::sort(folders.begin(), folders.end());
    return folders;
}

std::string CaseName(const testing::TestParamInfo<fs::path>& param) {
    std::string name = param.param.filename().string();
    std::replace_if(
        name.begin(), name.end(),
        [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
}

std::string DocumentName(const fs::path& folder) {
    for (const char* name : {"input.tav", "input.tur"}) {
        if (fs::exists(folder / name)) {
            return name;
        }
    }
    return {};
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// Brackets keep trailing blanks visible in a failure message.
std::string Shown(const std::vector<std::string>& lines, std::size_t index) {
    return index < lines.size() ? "[" + lines[index] + "]" : "(tidak ada baris)";
}

// Every line that only one side holds, found through the longest common run of lines, each with
// its line number in expected.txt ("-") or in the output ("+").
std::string LineDiff(const std::vector<std::string>& expected,
                     const std::vector<std::string>& actual) {
    const std::size_t rows = expected.size();
    const std::size_t cols = actual.size();
    std::vector<std::vector<std::size_t>> common(rows + 1, std::vector<std::size_t>(cols + 1, 0));
    for (std::size_t i = rows; i-- > 0;) {
        for (std::size_t j = cols; j-- > 0;) {
            common[i][j] = expected[i] == actual[j] ? common[i + 1][j + 1] + 1
                                                    : std::max(common[i + 1][j], common[i][j + 1]);
        }
    }
    std::ostringstream out;
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < rows || j < cols) {
        if (i < rows && j < cols && expected[i] == actual[j]) {
            ++i;
            ++j;
        } else if (j == cols || (i < rows && common[i + 1][j] >= common[i][j + 1])) {
            out << "-" << i + 1 << ": [" << expected[i] << "]\n";
            ++i;
        } else {
            out << "+" << j + 1 << ": [" << actual[j] << "]\n";
            ++j;
        }
    }
    return out.str();
}

class ReportFixture : public testing::TestWithParam<fs::path> {};

TEST_P(ReportFixture, PrintsTheExpectedWholeAnalysisReport) {
    const fs::path folder = GetParam();
    const std::string document = DocumentName(folder);
    ASSERT_FALSE(document.empty()) << folder << " holds neither input.tav nor input.tur";
    const std::string separatorText = test::ReadFile(folder / "separator.txt");
    ASSERT_FALSE(separatorText.empty()) << folder << "/separator.txt is empty";
    const std::string separator(1, separatorText[0]);
    const std::string expected = test::ReadFile(folder / "expected.txt");

    std::ostringstream out;
    std::ostringstream err;
    int status = 0;
    {
        WorkingFolder inCase(folder);
        const char* const argv[] = {"taviro-olah", "report", document.c_str(),
                                    "--decimal-separator", separator.c_str()};
        status = RunOlah(5, argv, out, err);
    }
    ASSERT_EQ(status, 0) << err.str();
    EXPECT_EQ(err.str(), "");

    const std::string output = out.str();
    EXPECT_TRUE(output.empty() || output.back() == '\n') << "the last line has no line end";
    const std::vector<std::string> expectedLines = Lines(expected);
    const std::vector<std::string> actualLines = Lines(output);
    const std::size_t count = std::max(expectedLines.size(), actualLines.size());
    for (std::size_t index = 0; index < count; ++index) {
        if (index >= expectedLines.size() || index >= actualLines.size() ||
            expectedLines[index] != actualLines[index]) {
            ADD_FAILURE() << "first difference at line " << index + 1 << " of "
                          << (folder / "expected.txt").string()
                          << "\n  expected: " << Shown(expectedLines, index)
                          << "\n  printed:  " << Shown(actualLines, index)
                          << "\nwhole difference (- expected.txt, + printed):\n"
                          << LineDiff(expectedLines, actualLines);
            break;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Fixtures, ReportFixture, testing::ValuesIn(CaseFolders()), CaseName);

} // namespace
} // namespace taviro
