// The main menu's "Baca File yg Ada" on every damaged document of the fixtures that is refused on
// opening: exactly one error message, and the menu stays with the document that was open.
#include "core/session.h"
#include "support/fake_user_interface.h"
#include "support/test_files.h"
#include "views/analyzer_windows.h"
#include "views/utama.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace taviro {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> RefusedDocuments() {
    std::vector<fs::path> inputs;
    for (const auto& folder : fs::directory_iterator(test::FixturesDir() / "damaged")) {
        if (!fs::exists(folder.path() / "message.txt")) {
            continue;
        }
        for (const auto& entry : fs::directory_iterator(folder.path())) {
            if (entry.path().stem() == "input") {
                inputs.push_back(entry.path());
            }
        }
    }
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

class DamagedDocumentFromTheMenu : public testing::TestWithParam<fs::path> {};

TEST_P(DamagedDocumentFromTheMenu, ShowsOneMessageAndKeepsTheOpenDocument) {
    const fs::path input = GetParam();
    const AnalyzerKind kind =
        input.extension() == ".tur" ? AnalyzerKind::Uraian : AnalyzerKind::PilihanGanda;
    const std::string good = (test::FixturesDir() / "documents" /
                              (kind == AnalyzerKind::Uraian ? "essay-twin/input.tur"
                                                            : "example-pilihan-ganda/input.tav"))
                                 .string();
    std::string expected = test::ReadFile(input.parent_path() / "message.txt");
    expected.erase(expected.find_last_not_of('\n') + 1);

    test::FakeUserInterface ui;
    Session session(kind);
    AnalyzerWindows windows(session, ui);
    TFUtama utama(session, ui, windows);
    utama.OpenDocument(good);
    session.DataMentah().IsChanged = true;
    const auto links = utama.LinkStates();
    ui.WindowsShown.clear();
    ui.SaveAnswers = {UserInterface::SaveAnswer::No};
    ui.FilesToOpen = {input.string()};

    utama.LinkClick(MenuLink::LBacaFile);

    ASSERT_EQ(ui.Errors.size(), 1u);
    EXPECT_EQ(ui.Errors[0].rfind("Berkas \"" + input.string() + "\" tidak dapat dibaca: ", 0), 0u);
    EXPECT_NE(ui.Errors[0].find(expected), std::string::npos) << ui.Errors[0];
    EXPECT_TRUE(ui.Messages.empty());
    EXPECT_TRUE(ui.WindowsShown.empty());
    EXPECT_EQ(utama.LNamaFile, good);
    EXPECT_EQ(session.Global().FileName, good);
    EXPECT_EQ(utama.LinkStates(), links);
    EXPECT_TRUE(session.DataMentah().IsChanged);
    EXPECT_EQ(session.DataMentah().JawabanCount(), 3);
}

std::string InputName(const testing::TestParamInfo<fs::path>& param) {
    std::string name = param.param.parent_path().filename().string();
    std::replace_if(
        name.begin(), name.end(),
        [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(Fixtures, DamagedDocumentFromTheMenu,
                         testing::ValuesIn(RefusedDocuments()), InputName);

} // namespace
} // namespace taviro
