#include "core/document/other_document.h"
#include "core/document/save_load_engine.h"
#include "core/session.h"
#include "core/taviro_error.h"
#include "support/test_files.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <clocale>
#include <csignal>
#include <filesystem>

#include <sys/resource.h>

namespace taviro {
namespace {

using testing::HasSubstr;

const std::string ExampleDocument =
    (test::FixturesDir() / "documents/example-pilihan-ganda/input.tav").string();
const std::string EssayDocument = (test::FixturesDir() / "documents/essay-twin/input.tur").string();

// A data object that writes one element named after itself, or fails while writing.
class Marker : public TData {
public:
    Marker(std::string name, int priority, bool failOnSave = false)
        : Name(std::move(name)), FailOnSave(failOnSave) {
        Priority = priority;
    }
    std::string Name;
    bool FailOnSave;
    void Clear() override {}
    void SaveToXML(XmlWriter& out) override {
        if (FailOnSave) {
            throw TaviroError("penulis gagal");
        }
        out.Element(Name, "");
    }
    void LoadFromXML(pugi::xml_node, const std::string&) override {}
    std::unique_ptr<TData> CreateForLoad() const override { return nullptr; }
    void TakeLoaded(TData&) override {}
};

TEST(SaveLoadEngine, SavesInPriorityOrderWhateverTheRegistrationOrder) {
    test::TempFolder folder;
    Marker low("Rendah", 0), middle("Tengah", 1), high("Tinggi", 2);
    const std::vector<std::vector<Marker*>> orders = {
        {&low, &middle, &high}, {&high, &middle, &low}, {&middle, &high, &low}};
    for (const auto& order : orders) {
        TSaveLoadEngine engine(AnalyzerKind::PilihanGanda);
        for (Marker* marker : order) {
            engine.AddData(*marker);
        }
        engine.FileName = folder.File("urutan.tav");
        engine.Save();
        EXPECT_EQ(test::ReadFile(engine.FileName),
                  "<?xml version=\"1.0\"?><TAVIRO file_version=\"4.0.2\"><Rendah/><Tengah/>"
                  "<Tinggi/></TAVIRO>");
    }
}

TEST(SaveLoadEngine, EssayDocumentsCarryTheirOwnVersion) {
    test::TempFolder folder;
    Session session(AnalyzerKind::Uraian);
    session.SaveDocument(folder.File("baru.tur"));
    EXPECT_THAT(test::ReadFile(folder.File("baru.tur")), HasSubstr("file_version=\"2.0.1\""));
}

TEST(RawData, NumbersSubjectsWithoutANumberAndLabelsItemsWhenNoneAreKept) {
    test::TempFolder folder;
    Session session(AnalyzerKind::PilihanGanda);
    TDataMentah& data = session.DataMentah();
    data.JumSubyek = 3;
    data.JumButir = 3;
    data.JumPilihan = 4;
    data.Kunci = "abc";
    data.AddJawaban({"Ani", "-1", "abc"});
    data.AddJawaban({"Budi", "", "a#c"});
    data.AddJawaban({"Citra", "-1", ""});
    session.SaveDocument(folder.File("nomor.tav"));

    EXPECT_EQ(data.GetJawaban(0).NoSubyek, "1");
    EXPECT_EQ(data.GetJawaban(1).NoSubyek, "");
    EXPECT_EQ(data.GetJawaban(2).NoSubyek, "3");
    const std::string saved = test::ReadFile(folder.File("nomor.tav"));
    EXPECT_THAT(saved, HasSubstr("<NoButir><NOBTR>1</NOBTR><NOBTR>2</NOBTR><NOBTR>3</NOBTR>"));
    EXPECT_THAT(saved, HasSubstr("<Nama>Budi</Nama><NoSubyek/><Jwb>a#c</Jwb>"));
    EXPECT_THAT(saved, HasSubstr("<Nama>Citra</Nama><NoSubyek>3</NoSubyek><Jwb/></Subyek>"));
}

TEST(RawData, JumItemCountsTheRecordsNotJumSubyek) {
    test::TempFolder folder;
    Session session(AnalyzerKind::PilihanGanda);
    session.DataMentah().JumSubyek = 5;
    session.DataMentah().AddJawaban({"Ani", "1", "a"});
    session.SaveDocument(folder.File("jumlah.tav"));
    const std::string saved = test::ReadFile(folder.File("jumlah.tav"));
    EXPECT_THAT(saved, HasSubstr("<JumSubyek>5</JumSubyek>"));
    EXPECT_THAT(saved, HasSubstr("<Jawaban><JumItem>1</JumItem>"));
    EXPECT_THAT(saved, HasSubstr("<Skor><JumItem>0</JumItem></Skor>"));
}

TEST(EssayScores, AnOlderEssayDocumentKeepsTheHighestAndLowestScoresHeldBefore) {
    Session session(AnalyzerKind::Uraian);
    session.DataSkor().MaxSkor = {4, 5};
    session.DataSkor().MinSkor = {1, 0};
    session.OpenDocument(
        (test::FixturesDir() / "documents/essay-without-version/input.tur").string());
    EXPECT_EQ(session.DataSkor().MaxSkor, (std::vector<double>{4, 5}));
    EXPECT_EQ(session.DataSkor().MinSkor, (std::vector<double>{1, 0}));
    // The current version replaces them.
    session.OpenDocument(EssayDocument);
    EXPECT_EQ(session.DataSkor().MaxSkor, (std::vector<double>{10, 7, 20}));
    EXPECT_EQ(session.DataSkor().MinSkor, (std::vector<double>{8, 7, 15}));
}

TEST(EssayRawData, ReadsLabelsAndNumbersWhateverTheVersion) {
    test::TempFolder folder;
    std::string text = test::ReadFile(EssayDocument);
    text.replace(text.find("2.0.1"), 5, "4.0.2");
    test::WriteFile(folder.File("versi.tur"), text);
    Session session(AnalyzerKind::Uraian);
    session.OpenDocument(folder.File("versi.tur"));
    EXPECT_EQ(session.DataMentah().NoButir, (std::vector<std::string>{"1", "12", "3"}));
    EXPECT_EQ(session.DataMentah().GetJawaban(1).NoSubyek, "2");
    EXPECT_EQ(session.DataSkor().NoButir, (std::vector<std::string>{"1", "12", "3"}));
}

TEST(SaveLoadEngine, OpeningClearsIsChangedAndTakesTheFileVersion) {
    Session session(AnalyzerKind::PilihanGanda);
    session.DataMentah().IsChanged = true;
    session.OpenDocument(ExampleDocument);
    EXPECT_FALSE(session.DataMentah().IsChanged);
    EXPECT_FALSE(session.DataMentah().IsNeedRecalc);
    EXPECT_EQ(session.Global().FileName, ExampleDocument);
    EXPECT_EQ(session.Global().FileVersion, "4.0.2");
    EXPECT_EQ(session.DataSkor().Rata2, 2);
    EXPECT_EQ(session.DataSkor().GetItem(2).SkorButir, "1*-");
}

TEST(SaveLoadEngine, NumbersIgnoreACommaDecimalLocale) {
    // The Indonesian locale, built at configure time, uses ',' as its decimal separator.
    ::setenv("LOCPATH", TAVIRO_LOCALE_DIR, 1);
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "id_ID.UTF-8") == nullptr) {
        GTEST_SKIP() << "no locale with a decimal comma on this machine";
    }
    ASSERT_EQ(*std::localeconv()->decimal_point, ',');

    test::TempFolder folder;
    Session session(AnalyzerKind::PilihanGanda);
    session.OpenDocument(ExampleDocument);
    session.DataSkor().Rata2 = 12.5;
    session.DataSkor().GetItem(0).SkorAkhir = 12.5;
    session.SaveDocument(folder.File("koma.tav"));
    const std::string saved = test::ReadFile(folder.File("koma.tav"));
    EXPECT_THAT(saved, HasSubstr("<Rata2>12.5</Rata2>"));
    EXPECT_THAT(saved, HasSubstr("<SkorAkhir>12.5</SkorAkhir>"));

    Session reread(AnalyzerKind::PilihanGanda);
    reread.OpenDocument(folder.File("koma.tav"));
    EXPECT_EQ(reread.DataSkor().Rata2, 12.5);
    EXPECT_EQ(reread.DataSkor().GetItem(0).SkorAkhir, 12.5);
    EXPECT_EQ(*std::localeconv()->decimal_point, ',');
    std::setlocale(LC_ALL, previous.c_str());
}

TEST(SaveLoadEngine, UnreadablePathsNameTheFileAndTheProblem) {
    test::TempFolder folder;
    struct Case {
        std::string path;
        const char* problem;
    };
    const Case cases[] = {
        {folder.File("tidak-ada.tav"), "berkas tidak ditemukan"},
        {folder.Path().string(), "itu sebuah folder, bukan berkas"},
    };
    for (const Case& c : cases) {
        Session session(AnalyzerKind::PilihanGanda);
        session.OpenDocument(ExampleDocument);
        try {
            session.OpenDocument(c.path);
            ADD_FAILURE() << c.path;
        } catch (const TaviroError& error) {
            EXPECT_EQ(std::string(error.what()),
                      "Berkas \"" + c.path + "\" tidak dapat dibaca: " + c.problem + ".");
        }
        EXPECT_EQ(session.Global().FileName, ExampleDocument);
        EXPECT_EQ(session.DataMentah().JawabanCount(), 3);
    }
}

// A save that fails leaves the old file as it was and the document marked as changed.
class FailedSave : public testing::Test {
protected:
    void SetUp() override {
        session.OpenDocument(ExampleDocument);
        target = folder.File("lama.tav");
        test::WriteFile(target, "isi lama");
        session.DataMentah().IsChanged = true;
        session.DataMentah().Kunci = "bbb";
    }

    void ExpectNothingLost(const std::string& path, const std::string& problem) {
        try {
            session.SaveDocument(path);
            ADD_FAILURE() << "the save succeeded";
        } catch (const TaviroError& error) {
            EXPECT_EQ(std::string(error.what()),
                      "Berkas \"" + path + "\" tidak dapat disimpan: " + problem + ".");
        }
        EXPECT_EQ(test::ReadFile(target), "isi lama");
        EXPECT_TRUE(session.DataMentah().IsChanged);
        EXPECT_EQ(session.Global().FileName, ExampleDocument);
        // No temporary file is left behind.
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()),
                                std::filesystem::directory_iterator()),
                  1);
    }

    test::TempFolder folder;
    Session session{AnalyzerKind::PilihanGanda};
    std::string target;
};

TEST_F(FailedSave, IntoAFolderThatDoesNotExist) {
    ExpectNothingLost(folder.File("tidak-ada/baru.tav"), "berkas atau foldernya tidak ada");
}

TEST_F(FailedSave, OverAFolder) {
    std::filesystem::create_directory(folder.File("map"));
    std::filesystem::remove(target);
    target = folder.File("map/isi.txt");
    test::WriteFile(target, "isi lama");
    ExpectNothingLost(folder.File("map"), "nama itu dipakai oleh sebuah folder");
}

TEST_F(FailedSave, WhenAWriterFails) {
    Marker failing("Gagal", 5, true);
    session.dmSave().Engine.AddData(failing);
    ExpectNothingLost(target, "penulis gagal");
}

TEST_F(FailedSave, WhenTheDiskIsFull) {
    // A file size limit makes the write fail part-way, as a full disk does.
    for (int i = 0; i < 2000; ++i) {
        session.DataMentah().AddJawaban({"Subyek panjang sekali namanya", "-1", "abd"});
    }
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = previous;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    ExpectNothingLost(target, "kesalahan sistem nomor " + std::to_string(EFBIG));
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
}

TEST_F(FailedSave, ASuccessfulSaveReplacesTheFileAndClearsIsChanged) {
    session.SaveDocument(target);
    EXPECT_FALSE(session.DataMentah().IsChanged);
    EXPECT_EQ(session.Global().FileName, target);
    Session reread(AnalyzerKind::PilihanGanda);
    reread.OpenDocument(target);
    EXPECT_EQ(reread.DataMentah().Kunci, "bbb");
}

TEST(OtherDocument, ReadsWithoutTouchingTheOpenDocument) {
    Session session(AnalyzerKind::PilihanGanda);
    session.DataMentah().IsChanged = true;
    session.DataMentah().Kunci = "ccc";
    // A new document has never been loaded by the engine: the other file is still read by its
    // own version, so its labels and numbers come along.
    const TDataMentah other = ReadOtherRawData(AnalyzerKind::PilihanGanda, ExampleDocument);
    EXPECT_EQ(other.JawabanCount(), 3);
    EXPECT_EQ(other.GetJawaban(2).NoSubyek, "3");
    EXPECT_EQ(other.NoButir, (std::vector<std::string>{"1", "2", "3"}));

    EXPECT_TRUE(session.DataMentah().IsChanged);
    EXPECT_EQ(session.DataMentah().Kunci, "ccc");
    EXPECT_EQ(session.Global().FileVersion, "");
    EXPECT_EQ(session.dmSave().Engine.FileVersion, "");

    EXPECT_THROW(ReadOtherRawData(AnalyzerKind::PilihanGanda, "/tidak/ada.tav"), TaviroError);
}

} // namespace
} // namespace taviro
