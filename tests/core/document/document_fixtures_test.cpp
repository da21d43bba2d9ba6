// Walks the document fixtures: every folder under documents/ holds an input document and the
// document expected after opening and saving it; every folder under damaged/ holds a document
// that must be refused with the message in message.txt.
#include "core/session.h"
#include "core/taviro_error.h"
#include "support/test_files.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <filesystem>
#include <sstream>

namespace taviro {
namespace {

namespace fs = std::filesystem;

fs::path FileStartingWith(const fs::path& folder, const std::string& stem) {
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().stem() == stem) {
            return entry.path();
        }
    }
    return {};
}

AnalyzerKind KindOf(const fs::path& document) {
    return document.extension() == ".tur" ? AnalyzerKind::Uraian : AnalyzerKind::PilihanGanda;
}

void Dump(pugi::xml_node node, const std::string& path, std::ostringstream& out) {
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
        if (child.type() == pugi::node_element) {
            const std::string childPath = path + "/" + child.name();
            out << childPath;
            for (pugi::xml_attribute attribute : child.attributes()) {
                out << " @" << attribute.name() << "=" << attribute.value();
            }
            out << '\n';
            Dump(child, childPath, out);
        } else if (child.type() == pugi::node_pcdata) {
            out << path << " = [" << child.value() << "]\n";
        } else if (child.type() == pugi::node_declaration) {
            out << "<?xml version=" << child.attribute("version").value() << "?>\n";
        }
    }
}

// The document as one line per element and text, in document order: the indentation of a
// fixture does not count, element order, names, attributes and texts do.
std::string Canonical(const fs::path& file) {
    pugi::xml_document document;
    const auto result =
        document.load_file(file.c_str(), pugi::parse_default | pugi::parse_declaration |
                                             pugi::parse_ws_pcdata_single);
    EXPECT_TRUE(result) << file << ": " << result.description();
    std::ostringstream out;
    Dump(document, "", out);
    return out.str();
}

std::vector<fs::path> CaseFolders(const std::string& group) {
    std::vector<fs::path> folders;
    for (const auto& entry : fs::directory_iterator(test::FixturesDir() / group)) {
        folders.push_back(entry.path());
    }
    std::sort(folders.begin(), folders.end());
    return folders;
}

std::string CaseName(const testing::TestParamInfo<fs::path>& param) {
    std::string name = param.param.filename().string();
    std::replace_if(
        name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); },
        '_');
    return name;
}

class DocumentRoundTrip : public testing::TestWithParam<fs::path> {};

TEST_P(DocumentRoundTrip, SavesWhatTheExpectedDocumentHolds) {
    const fs::path input = FileStartingWith(GetParam(), "input");
    const fs::path expected = FileStartingWith(GetParam(), "expected");
    ASSERT_FALSE(input.empty());
    ASSERT_FALSE(expected.empty());

    test::TempFolder folder;
    const std::string saved = folder.File("saved" + input.extension().string());
    Session session(KindOf(input));
    session.OpenDocument(input.string());
    session.SaveDocument(saved);

    EXPECT_EQ(Canonical(saved), Canonical(expected));
    // Written without indentation, with the bare declaration.
    EXPECT_EQ(test::ReadFile(saved).rfind("<?xml version=\"1.0\"?><TAVIRO file_version=", 0), 0u);
}

INSTANTIATE_TEST_SUITE_P(Fixtures, DocumentRoundTrip, testing::ValuesIn(CaseFolders("documents")),
                         CaseName);

class DamagedDocument : public testing::TestWithParam<fs::path> {};

TEST_P(DamagedDocument, IsRefusedAndTheOpenDocumentStays) {
    const fs::path input = FileStartingWith(GetParam(), "input");
    std::string expected = test::ReadFile(GetParam() / "message.txt");
    expected.erase(expected.find_last_not_of('\n') + 1);

    const AnalyzerKind kind = KindOf(input);
    const fs::path good = test::FixturesDir() / "documents" /
                          (kind == AnalyzerKind::Uraian ? "essay-twin/input.tur"
                                                        : "example-pilihan-ganda/input.tav");
    Session session(kind);
    session.OpenDocument(good.string());
    session.DataMentah().IsChanged = true;

    try {
        session.OpenDocument(input.string());
        FAIL() << "the damaged document was accepted";
    } catch (const TaviroError& error) {
        const std::string message = error.what();
        const std::string start = "Berkas \"" + input.string() + "\" tidak dapat dibaca: ";
        EXPECT_EQ(message.rfind(start, 0), 0u) << message;
        EXPECT_NE(message.find(expected), std::string::npos) << message;
        EXPECT_EQ(message.back(), '.');
    }
    EXPECT_EQ(session.Global().FileName, good.string());
    EXPECT_EQ(session.Global().FileVersion, kind == AnalyzerKind::Uraian ? "2.0.1" : "4.0.2");
    EXPECT_EQ(session.dmSave().Engine.FileVersion, session.Global().FileVersion);
    EXPECT_TRUE(session.DataMentah().IsChanged);
    EXPECT_EQ(session.DataMentah().JawabanCount(), 3);
    EXPECT_EQ(session.DataMentah().GetJawaban(0).Nama, "Ani");
    EXPECT_EQ(session.DataSkor().Count(), 3);
    EXPECT_EQ(session.DataSkor().JumButir, 3);
}

INSTANTIATE_TEST_SUITE_P(Fixtures, DamagedDocument, testing::ValuesIn(CaseFolders("damaged")),
                         CaseName);

} // namespace
} // namespace taviro
