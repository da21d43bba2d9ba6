// Walks the document fixtures: every folder under documents/ holds an input document and the
// document expected after opening and saving it; every folder under damaged/ holds a hostile or
// damaged document and what opening and scoring it must come to, and more such documents that no
// file could hold are made here.
#include "core/document/permission_override.h"
#include "core/document/xml_file.h"
#include "core/session.h"
#include "core/taviro_error.h"
#include "support/test_files.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <sstream>

#include <fcntl.h>
#include <unistd.h>

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
    const auto result = document.load_file(
        file.c_str(), pugi::parse_default | pugi::parse_declaration | pugi::parse_ws_pcdata_single);
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
        name.begin(), name.end(),
        [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
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

// ---- Hostile and damaged documents --------------------------------------------------------

// What opening a hostile or damaged document through the session, as the program opens
// documents, must come to; and, for a document that opens, what scoring it gives. A case is a
// folder under damaged/ (input.tav or input.tur beside message.txt, score-message.txt or
// scores.txt), or a document the test makes where no file can be committed: a 1 GB file, a
// folder, a file without read permission, every truncation of a document.
struct HostileCase {
    std::string Name;
    AnalyzerKind Kind = AnalyzerKind::PilihanGanda;
    // Makes the inputs in the folder and returns their paths: one document, or a family of
    // documents that must all end the same way.
    std::function<std::vector<std::string>(const fs::path& folder)> Inputs;
    // Refused on opening with one message holding this text; the open document stays...
    std::string OpenMessage;
    // ...or opened, then refused on scoring with a message holding this text...
    std::string ScoreMessage;
    // ...or opened and scored to these item results, one per subject in raw-data order.
    std::vector<std::string> SkorButir;
    // Opened with root's permission override lowered, so that permission bits hold in CI.
    bool WithoutOverride = false;
};

void PrintTo(const HostileCase& c, std::ostream* out) {
    *out << c.Name;
}

fs::path GoodDocument(AnalyzerKind kind) {
    return test::FixturesDir() / "documents" /
           (kind == AnalyzerKind::Uraian ? "essay-twin/input.tur"
                                         : "example-pilihan-ganda/input.tav");
}

std::string Extension(AnalyzerKind kind) {
    return kind == AnalyzerKind::Uraian ? ".tur" : ".tav";
}

std::vector<std::string> Lines(const fs::path& file) {
    std::vector<std::string> lines;
    std::istringstream in(test::ReadFile(file));
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

HostileCase FixtureCase(const fs::path& folder) {
    HostileCase c;
    c.Name = folder.filename().string();
    const fs::path input = FileStartingWith(folder, "input");
    c.Kind = KindOf(input);
    c.Inputs = [input](const fs::path&) { return std::vector<std::string>{input.string()}; };
    if (fs::exists(folder / "message.txt")) {
        c.OpenMessage = Lines(folder / "message.txt").at(0);
    } else if (fs::exists(folder / "score-message.txt")) {
        c.ScoreMessage = Lines(folder / "score-message.txt").at(0);
    } else {
        c.SkorButir = Lines(folder / "scores.txt");
    }
    return c;
}

std::vector<std::string> Written(const fs::path& path, const std::string& content) {
    test::WriteFile(path, content);
    return {path.string()};
}

// A file of the size without a byte on the disk (a sparse file).
std::vector<std::string> Sparse(const fs::path& path, std::uintmax_t size) {
    test::WriteFile(path, "");
    fs::resize_file(path, size);
    return {path.string()};
}

// The good document cut inside every element: just after each '<' and just after each '>' from
// the root element's start tag on, up to the last character before the document is whole.
std::vector<std::string> EveryTruncation(AnalyzerKind kind, const fs::path& folder) {
    const std::string text = test::ReadFile(GoodDocument(kind));
    const std::string rootEnd = "</TAVIRO>";
    const std::size_t first = text.find('>', text.find("<TAVIRO")) + 1;
    const std::size_t whole = text.rfind(rootEnd) + rootEnd.size();
    std::vector<std::string> paths;
    for (std::size_t cut = first; cut < whole; ++cut) {
        if (text[cut - 1] == '<' || text[cut - 1] == '>') {
            const fs::path path = folder / ("terpotong-" + std::to_string(cut) + Extension(kind));
            test::WriteFile(path, text.substr(0, cut));
            paths.push_back(path.string());
        }
    }
    return paths;
}

// 300,000 nested elements where "JumSubyek" belongs: a walk that recursed once per level would
// need more than the usual 8 MB stack even at 32 bytes a level.
std::string DeeplyNested(AnalyzerKind kind) {
    constexpr int Depth = 300000;
    std::string nested;
    nested.reserve(Depth * 7);
    for (int i = 0; i < Depth; ++i) {
        nested += "<x>";
    }
    for (int i = 0; i < Depth; ++i) {
        nested += "</x>";
    }
    std::string text = test::ReadFile(GoodDocument(kind));
    const std::string count = "<JumSubyek>3</JumSubyek>";
    return text.replace(text.find(count), count.size(), nested);
}

using Inputs = std::function<std::vector<std::string>(const fs::path&)>;

HostileCase Refused(std::string name, AnalyzerKind kind, Inputs inputs, std::string message) {
    HostileCase c;
    c.Name = std::move(name);
    c.Kind = kind;
    c.Inputs = std::move(inputs);
    c.OpenMessage = std::move(message);
    return c;
}

std::vector<HostileCase> MadeCases() {
    std::vector<HostileCase> cases;
    for (const AnalyzerKind kind : {AnalyzerKind::PilihanGanda, AnalyzerKind::Uraian}) {
        const std::string suffix = kind == AnalyzerKind::Uraian ? "-essay" : "";
        cases.push_back(Refused(
            "truncated-in-every-element" + suffix, kind,
            [kind](const fs::path& folder) { return EveryTruncation(kind, folder); },
            "isinya bukan dokumen XML yang utuh (rusak di sekitar byte ke-"));
        cases.push_back(Refused(
            "deeply-nested" + suffix, kind,
            [kind](const fs::path& folder) {
                return Written(folder / ("dalam" + Extension(kind)), DeeplyNested(kind));
            },
            "elemen \"Data_Mentah/JumSubyek\" tidak ada"));
    }
    cases.push_back(Refused(
        "file-of-1-gb", AnalyzerKind::PilihanGanda,
        [](const fs::path& folder) {
            return Sparse(folder / "besar.tav", std::uintmax_t{1} << 30);
        },
        "berkas terlalu besar (1024 MB), padahal dokumen yang bisa dibaca paling besar 512 MB"));
    cases.push_back(Refused(
        "file-just-over-the-limit", AnalyzerKind::Uraian,
        [](const fs::path& folder) { return Sparse(folder / "besar.tur", MaxDocumentBytes + 1); },
        "berkas terlalu besar (513 MB)"));
    cases.push_back(Refused(
        "path-is-a-folder", AnalyzerKind::PilihanGanda,
        [](const fs::path& folder) {
            fs::create_directory(folder / "map.tav");
            return std::vector<std::string>{(folder / "map.tav").string()};
        },
        "itu sebuah folder, bukan berkas"));
    HostileCase unreadable = Refused(
        "file-without-read-permission", AnalyzerKind::PilihanGanda,
        [](const fs::path& folder) {
            const fs::path path = folder / "terkunci.tav";
            fs::copy_file(GoodDocument(AnalyzerKind::PilihanGanda), path);
            fs::permissions(path, fs::perms::none);
            return std::vector<std::string>{path.string()};
        },
        "tidak ada izin untuk itu");
    unreadable.WithoutOverride = true;
    cases.push_back(unreadable);
    cases.push_back(Refused(
        "file-name-with-control-characters", AnalyzerKind::PilihanGanda,
        [](const fs::path& folder) {
            return Written(folder / "a\x01"
                                    "b\tc\nd\x1f"
                                    "e\x7f.tav",
                           "ini bukan dokumen");
        },
        "berkas kosong atau tidak berisi elemen XML"));
    return cases;
}

std::vector<HostileCase> HostileCases() {
    std::vector<HostileCase> cases;
    for (const fs::path& folder : CaseFolders("damaged")) {
        cases.push_back(FixtureCase(folder));
    }
    for (HostileCase& c : MadeCases()) {
        cases.push_back(std::move(c));
    }
    return cases;
}

bool CanOpenForReading(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd >= 0) {
        ::close(fd);
    }
    return fd >= 0;
}

// The good document that was open before, with its name, its version and its unsaved mark.
void ExpectGoodDocumentStays(Session& session, const std::string& good) {
    const bool essay = session.Kind() == AnalyzerKind::Uraian;
    EXPECT_EQ(session.Global().FileName, good);
    EXPECT_EQ(session.dmSave().Engine.FileName, good);
    EXPECT_EQ(session.Global().FileVersion, essay ? "2.0.1" : "4.0.2");
    EXPECT_EQ(session.dmSave().Engine.FileVersion, session.Global().FileVersion);
    EXPECT_TRUE(session.DataMentah().IsChanged);
    EXPECT_EQ(session.DataMentah().Kunci, essay ? "10,10,20" : "abd");
    EXPECT_EQ(session.DataMentah().JawabanCount(), 3);
    EXPECT_EQ(session.DataMentah().GetJawaban(0).Nama, "Ani");
    EXPECT_EQ(session.DataSkor().Count(), 3);
    EXPECT_EQ(session.DataSkor().JumButir, 3);
}

void ExpectRefusedOnOpening(Session& session, const std::string& input,
                            const std::string& expected) {
    try {
        session.OpenDocument(input);
        ADD_FAILURE() << "the document was accepted";
    } catch (const TaviroError& error) {
        const std::string message = error.what();
        const std::string start = "Berkas \"" + input + "\" tidak dapat dibaca: ";
        EXPECT_EQ(message.rfind(start, 0), 0u) << message;
        EXPECT_NE(message.find(expected, start.size()), std::string::npos) << message;
        EXPECT_EQ(message.back(), '.') << message;
    }
}

void ExpectScoring(Session& session, const HostileCase& c) {
    TDataMentah& data = session.DataMentah();
    const TDataMentah before = data;
    data.IsNeedRecalc = true;
    if (!c.ScoreMessage.empty()) {
        try {
            session.DataSkor().ScoreAll(data, session.AnalButirSoal(), '.');
            ADD_FAILURE() << "the document was scored";
        } catch (const TaviroError& error) {
            EXPECT_NE(std::string(error.what()).find(c.ScoreMessage), std::string::npos)
                << error.what();
        }
        EXPECT_TRUE(data.IsNeedRecalc);
        EXPECT_EQ(data.Kunci, before.Kunci);
        EXPECT_EQ(data.JawabanCount(), before.JawabanCount());
        return;
    }
    session.DataSkor().ScoreAll(data, session.AnalButirSoal(), '.');
    std::vector<std::string> results;
    for (const TItemSkor& item : session.DataSkor().Items) {
        results.push_back(item.SkorButir);
    }
    EXPECT_EQ(results, c.SkorButir);
}

class HostileDocument : public testing::TestWithParam<HostileCase> {};

TEST_P(HostileDocument, EndsInOneClearMessageOrItsDecidedScores) {
    const HostileCase& c = GetParam();
    test::TempFolder folder;
    const std::vector<std::string> inputs = c.Inputs(folder.Path());
    ASSERT_FALSE(inputs.empty());
    for (const std::string& input : inputs) {
        SCOPED_TRACE(input);
        Session session(c.Kind);
        const std::string good = GoodDocument(c.Kind).string();
        session.OpenDocument(good);
        session.DataMentah().IsChanged = true;

        if (c.OpenMessage.empty()) {
            ASSERT_NO_THROW(session.OpenDocument(input));
            EXPECT_EQ(session.Global().FileName, input);
            EXPECT_FALSE(session.DataMentah().IsChanged);
            ExpectScoring(session, c);
            continue;
        }
        std::optional<test::WithoutPermissionOverride> lowered;
        if (c.WithoutOverride) {
            lowered.emplace();
            if (CanOpenForReading(input)) {
                GTEST_SKIP() << "file permissions do not hold here, even with root's override "
                                "lowered";
            }
        }
        ExpectRefusedOnOpening(session, input, c.OpenMessage);
        lowered.reset();
        ExpectGoodDocumentStays(session, good);
    }
}

std::string HostileCaseName(const testing::TestParamInfo<HostileCase>& param) {
    std::string name = param.param.Name;
    std::replace_if(
        name.begin(), name.end(),
        [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(Cases, HostileDocument, testing::ValuesIn(HostileCases()),
                         HostileCaseName);

} // namespace
} // namespace taviro
