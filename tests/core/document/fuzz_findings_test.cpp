// The fuzzers' findings on opened documents: every folder under findings/ holds a document that
// opens but whose stored scores once drove an analysis into a fault. Every analysis of its kind
// must now refuse it with a message holding the text of message.txt.
#include "core/analysis/data_kesukaran.h"
#include "core/analysis/data_kesukaran_uraian.h"
#include "core/analysis/data_korelasi_butir.h"
#include "core/analysis/data_pembeda.h"
#include "core/analysis/data_pembeda_uraian.h"
#include "core/analysis/data_pengecoh.h"
#include "core/analysis/data_reliabilitas.h"
#include "core/analysis/data_unggul_asor.h"
#include "core/session.h"
#include "core/taviro_error.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace taviro {
namespace {

namespace fs = std::filesystem;

struct Analysis {
    const char* Name;
    std::function<void(Session&)> Compute;
};

std::vector<Analysis> AnalysesOf(AnalyzerKind kind) {
    std::vector<Analysis> analyses = {
        {"Reliabilitas", [](Session& s) { s.Reliabilitas().Compute('.'); }},
        {"KorelasiButir", [](Session& s) { s.KorelasiButir().Compute('.'); }},
    };
    if (kind == AnalyzerKind::Uraian) {
        analyses.push_back({"UnggulAsor", [](Session& s) { s.UnggulAsor()->Compute('.'); }});
        analyses.push_back({"PembedaUraian", [](Session& s) { s.PembedaUraian()->Compute('.'); }});
        analyses.push_back(
            {"KesukaranUraian", [](Session& s) { s.KesukaranUraian()->Compute('.'); }});
    } else {
        analyses.push_back({"Pembeda", [](Session& s) { s.Pembeda()->Compute(); }});
        analyses.push_back({"Kesukaran", [](Session& s) { s.Kesukaran()->Compute(); }});
        analyses.push_back({"Pengecoh", [](Session& s) { s.Pengecoh()->Compute(); }});
    }
    return analyses;
}

std::vector<fs::path> FindingFolders() {
    std::vector<fs::path> folders;
    for (const auto& entry : fs::directory_iterator(test::FixturesDir() / "findings")) {
        folders.push_back(entry.path());
    }
    std::sort(folders.begin(), folders.end());
    return folders;
}

class FuzzFinding : public testing::TestWithParam<fs::path> {};

TEST_P(FuzzFinding, EveryAnalysisRefusesTheStoredScores) {
    fs::path input;
    for (const auto& entry : fs::directory_iterator(GetParam())) {
        if (entry.path().stem() == "input") {
            input = entry.path();
        }
    }
    ASSERT_FALSE(input.empty());
    std::string expected = test::ReadFile(GetParam() / "message.txt");
    expected.erase(expected.find_last_not_of('\n') + 1);
    const AnalyzerKind kind =
        input.extension() == ".tur" ? AnalyzerKind::Uraian : AnalyzerKind::PilihanGanda;

    for (const Analysis& analysis : AnalysesOf(kind)) {
        SCOPED_TRACE(analysis.Name);
        Session session(kind);
        session.OpenDocument(input.string());
        try {
            analysis.Compute(session);
            ADD_FAILURE() << "the stored scores were analysed";
        } catch (const TaviroError& error) {
            EXPECT_NE(std::string(error.what()).find(expected), std::string::npos) << error.what();
        }
    }
}

std::string FolderName(const testing::TestParamInfo<fs::path>& param) {
    std::string name = param.param.filename().string();
    std::replace_if(
        name.begin(), name.end(),
        [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(Fixtures, FuzzFinding, testing::ValuesIn(FindingFolders()), FolderName);

} // namespace
} // namespace taviro
