#include "programs/olah/olah_app.h"
#include "support/test_files.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

namespace taviro {
namespace {

using testing::HasSubstr;

struct Outcome {
    int Status;
    std::string Out;
    std::string Err;
};

Outcome RunCommand(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "taviro-olah");
    std::vector<const char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(argument.c_str());
    }
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunOlah(static_cast<int>(argv.size()), argv.data(), out, err);
    return {status, out.str(), err.str()};
}

const std::string Fixtures = test::FixturesDir().string();

TEST(OlahConvert, BringsAnOlderDocumentToTheCurrentVersion) {
    test::TempFolder folder;
    const std::string output = folder.File("baru.tav");
    const Outcome outcome = RunCommand({"convert", Fixtures + "/documents/version-4.0.1/input.tav", output});
    EXPECT_EQ(outcome.Status, 0) << outcome.Err;
    EXPECT_EQ(outcome.Err, "");
    const std::string saved = test::ReadFile(output);
    EXPECT_THAT(saved, HasSubstr("file_version=\"4.0.2\""));
    EXPECT_THAT(saved, HasSubstr("<Nama>Budi</Nama><NoSubyek>2</NoSubyek>"));
}

TEST(OlahConvert, TakesTheKindFromTheOptionWhateverTheExtension) {
    test::TempFolder folder;
    const std::string input = folder.File("uraian.xml");
    test::WriteFile(input, test::ReadFile(Fixtures + "/documents/essay-twin/input.tur"));
    const Outcome outcome = RunCommand({"convert", input, folder.File("keluar.xml"), "--kind", "uraian"});
    EXPECT_EQ(outcome.Status, 0) << outcome.Err;
    EXPECT_THAT(test::ReadFile(folder.File("keluar.xml")), HasSubstr("<MaxSkor>10,7,20</MaxSkor>"));
}

TEST(OlahConvert, ReportsEveryFailureAsOneIndonesianSentence) {
    test::TempFolder folder;
    const std::string damaged = Fixtures + "/damaged/jumitem-larger-than-subjects/input.tav";
    const std::string good = Fixtures + "/documents/example-pilihan-ganda/input.tav";
    struct Case {
        std::vector<std::string> arguments;
        int status;
        std::string err;
    };
    const Case cases[] = {
        {{"convert", damaged, folder.File("x.tav")},
         1,
         "Berkas \"" + damaged +
             "\" tidak dapat dibaca: elemen \"Data_Mentah/Jawaban/JumItem\" berisi 50, tetapi "
             "yang ada hanya 3 elemen \"Subyek\" di \"Data_Mentah/Jawaban\".\n"},
        {{"convert", folder.File("hilang.tav"), folder.File("x.tav")},
         1,
         "Berkas \"" + folder.File("hilang.tav") + "\" tidak dapat dibaca: berkas tidak ditemukan.\n"},
        {{"convert", good, folder.File("tidak/ada/x.tav")},
         1,
         "Berkas \"" + folder.File("tidak/ada/x.tav") +
             "\" tidak dapat disimpan: berkas atau foldernya tidak ada.\n"},
        {{"convert", "data.txt", folder.File("x.tav")},
         1,
         "Jenis dokumen berkas \"data.txt\" tidak dapat ditentukan dari akhiran namanya: pakai .tav "
         "atau .tur, atau sebutkan dengan --kind pilihan-ganda atau --kind uraian.\n"},
        {{"convert", good, folder.File("x.tav"), "--kind", "esai"},
         1,
         "Jenis dokumen \"esai\" tidak dikenal: pilih \"pilihan-ganda\" atau \"uraian\".\n"},
        {{"convert", good},
         2,
         "Perintah belum lengkap: OUT belum diberikan. Lihat taviro-olah --help.\n"},
        {{},
         2,
         "Perintah belum lengkap: sebutkan perintahnya, misalnya convert. Lihat taviro-olah "
         "--help.\n"},
        {{"convert", good, folder.File("x.tav"), "lebih"},
         2,
         "Ada argumen yang tidak dikenal: lebih. Lihat taviro-olah --help.\n"},
    };
    for (const Case& c : cases) {
        const Outcome outcome = RunCommand(c.arguments);
        EXPECT_EQ(outcome.Status, c.status) << c.err;
        EXPECT_EQ(outcome.Err, c.err);
        EXPECT_EQ(outcome.Out, "");
    }
    EXPECT_FALSE(std::filesystem::exists(folder.File("x.tav")));
}

TEST(OlahHelp, ShowsTheCommandsAndTheVersion) {
    const Outcome help = RunCommand({"--help"});
    EXPECT_EQ(help.Status, 0);
    EXPECT_THAT(help.Out, HasSubstr("Pemakaian: taviro-olah"));
    EXPECT_THAT(help.Out, HasSubstr("convert"));
    const Outcome version = RunCommand({"--version"});
    EXPECT_EQ(version.Status, 0);
    EXPECT_THAT(version.Out, HasSubstr("taviro-olah "));
}

} // namespace
} // namespace taviro
