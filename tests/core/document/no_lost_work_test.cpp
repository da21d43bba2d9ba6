// A save that cannot be completed loses nothing: the file saved before stays byte for byte, the
// document stays open and marked as changed, and no temporary file is left behind (except by a
// process that was killed in the middle, whose half-written temporary file is never the document).
#include "core/document/permission_override.h"
#include "core/session.h"
#include "core/taviro_error.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include <sched.h>
#include <sys/mount.h>

namespace taviro {
namespace {

namespace fs = std::filesystem;

const std::string ExampleDocument =
    (test::FixturesDir() / "documents/example-pilihan-ganda/input.tav").string();

// Writes elements until more than three blocks of the writer have gone to the temporary file,
// then stops the save: by an error, or by killing the process as a power cut would.
class HalfWriter : public TData {
public:
    enum class Stop { Error, Kill };
    HalfWriter(Stop stop, fs::path folder) : stop_(stop), folder_(std::move(folder)) {
        Priority = 10;
    }

    // The size of the temporary file when the save was stopped.
    std::uintmax_t WrittenWhenStopped = 0;

    void Clear() override {}
    void SaveToXML(XmlWriter& out) override {
        const std::string text(1000, 'x');
        for (int i = 0; i < 3500; ++i) {
            out.Element("Isi", text);
        }
        for (const auto& entry : fs::directory_iterator(folder_)) {
            if (entry.path().filename().string().rfind(".lama.tav.", 0) == 0) {
                WrittenWhenStopped = entry.file_size();
            }
        }
        if (stop_ == Stop::Kill) {
            std::raise(SIGKILL);
        }
        throw TaviroError("penulisan berhenti di tengah jalan");
    }
    void LoadFromXML(pugi::xml_node, const std::string&) override {}
    std::unique_ptr<TData> CreateForLoad() const override { return nullptr; }
    void TakeLoaded(TData&) override {}

private:
    Stop stop_;
    fs::path folder_;
};

class NoLostWork : public testing::Test {
protected:
    // The example saved as lama.tav, then changed without saving.
    void SetUp() override {
        session.OpenDocument(ExampleDocument);
        target = folder.File("lama.tav");
        session.SaveDocument(target);
        saved = test::ReadFile(target);
        session.DataMentah().Kunci = "bbb";
        session.DataMentah().IsChanged = true;
    }

    std::vector<std::string> FilesInFolder() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder.Path())) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

    void ExpectFailedSave(const std::string& problem) {
        try {
            session.SaveDocument(target);
            ADD_FAILURE() << "the save succeeded";
        } catch (const TaviroError& error) {
            EXPECT_EQ(std::string(error.what()),
                      "Berkas \"" + target + "\" tidak dapat disimpan: " + problem + ".");
        }
    }

    void ExpectNothingLost() {
        EXPECT_EQ(test::ReadFile(target), saved);
        EXPECT_TRUE(session.DataMentah().IsChanged);
        EXPECT_EQ(session.DataMentah().Kunci, "bbb");
        EXPECT_EQ(session.Global().FileName, target);
        EXPECT_EQ(session.dmSave().Engine.FileName, target);
    }

    test::TempFolder folder;
    Session session{AnalyzerKind::PilihanGanda};
    std::string target;
    std::string saved;
};

TEST_F(NoLostWork, IntoAFolderWithoutWritePermission) {
    fs::permissions(folder.Path(), fs::perms::owner_read | fs::perms::owner_exec);
    {
        test::WithoutPermissionOverride lowered;
        const std::string probe = folder.File("coba");
        if (std::FILE* file = std::fopen(probe.c_str(), "w")) {
            std::fclose(file);
            fs::remove(probe);
            GTEST_SKIP() << "folder permissions do not hold here, even with root's override "
                            "lowered";
        }
        ExpectFailedSave("tidak ada izin untuk itu");
    }
    ExpectNothingLost();
    EXPECT_EQ(FilesInFolder(), std::vector<std::string>{"lama.tav"});
}

TEST_F(NoLostWork, OntoAFullFileSystem) {
    // A 64 KiB memory file system over a folder, seen by this test process only.
    const fs::path small = folder.Path() / "kecil";
    fs::create_directory(small);
    if (::unshare(CLONE_NEWNS) != 0 ||
        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount("taviro-test", small.c_str(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "no small file system can be mounted here (that needs CAP_SYS_ADMIN); "
                        "the full disk is met by the file size limit in SaveLoadEngine tests";
    }
    target = (small / "lama.tav").string();
    session.SaveDocument(target);
    saved = test::ReadFile(target);
    for (int i = 0; i < 3000; ++i) {
        session.DataMentah().AddJawaban({"Subyek dengan nama yang cukup panjang", "-1", "abd"});
    }
    session.DataMentah().IsChanged = true;

    ExpectFailedSave("ruang disk penuh");
    ExpectNothingLost();
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(small)) {
        left.push_back(entry.path().filename().string());
    }
    EXPECT_EQ(left, std::vector<std::string>{"lama.tav"});
    ::umount2(small.c_str(), MNT_DETACH);
}

TEST_F(NoLostWork, WhenTheSaveStopsWithTheTemporaryFileHalfWritten) {
    HalfWriter writer(HalfWriter::Stop::Error, folder.Path());
    session.dmSave().Engine.AddData(writer);
    ExpectFailedSave("penulisan berhenti di tengah jalan");
    EXPECT_GE(writer.WrittenWhenStopped, 3u << 20) << "the temporary file was not half written";
    ExpectNothingLost();
    EXPECT_EQ(FilesInFolder(), std::vector<std::string>{"lama.tav"});
}

TEST_F(NoLostWork, WhenTheProgramIsKilledWithTheTemporaryFileHalfWritten) {
    HalfWriter writer(HalfWriter::Stop::Kill, folder.Path());
    session.dmSave().Engine.AddData(writer);
    EXPECT_EXIT(session.SaveDocument(target), testing::KilledBySignal(SIGKILL), "");

    EXPECT_EQ(test::ReadFile(target), saved);
    // The half-written temporary file stays beside it under a hidden name of its own.
    bool halfWritten = false;
    for (const std::string& name : FilesInFolder()) {
        if (name != "lama.tav") {
            EXPECT_EQ(name.rfind(".lama.tav.", 0), 0u) << name;
            halfWritten = fs::file_size(folder.Path() / name) >= (3u << 20);
        }
    }
    EXPECT_TRUE(halfWritten);
    Session reopened(AnalyzerKind::PilihanGanda);
    reopened.OpenDocument(target);
    EXPECT_EQ(reopened.DataMentah().Kunci, "abd");
}

TEST_F(NoLostWork, ANulCharacterStopsTheSaveWithAClearMessage) {
    // No text of a document can hold a NUL: it would cut the text short when read back.
    session.DataMentah().GetJawaban(1).Nama = std::string("Bu\0di", 5);
    ExpectFailedSave("teks \"Bu\\0di\" pada elemen \"Nama\" berisi karakter NUL (kode 0) yang "
                     "tidak bisa disimpan; hapus karakter itu lalu simpan lagi");
    ExpectNothingLost();
    EXPECT_EQ(FilesInFolder(), std::vector<std::string>{"lama.tav"});
}

} // namespace
} // namespace taviro
