// Every text a document keeps reads back as it was saved, whatever characters it holds, and a
// document under a file name with control characters, or one near the length limit, opens and
// saves like any other.
#include "core/session.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace taviro {
namespace {

// Texts that a writer must escape or keep as they are: every control character but NUL (which
// cannot be saved at all), markup, blanks alone, blanks around, a carriage return before a line
// feed, and letters beyond ASCII.
std::vector<std::string> HardTexts() {
    std::vector<std::string> texts;
    for (char c = 1; c < 32; ++c) {
        texts.push_back(std::string("a") + c + "b");
    }
    texts.push_back("\x7f");
    texts.push_back(" ");
    texts.push_back("\t\n");
    texts.push_back("  Ani  ");
    texts.push_back("\r\n");
    texts.push_back("<Nama>&amp;\"'</Nama>");
    texts.push_back("]]>");
    texts.push_back("Sulastri Ñandú 名前");
    return texts;
}

TEST(TextRoundTrip, EveryTextOfBothKindsReadsBackAsItWasSaved) {
    const std::vector<std::string> texts = HardTexts();
    for (const AnalyzerKind kind : {AnalyzerKind::PilihanGanda, AnalyzerKind::Uraian}) {
        SCOPED_TRACE(kind == AnalyzerKind::Uraian ? "uraian" : "pilihan ganda");
        test::TempFolder folder;
        Session session(kind);
        TDataMentah& data = session.DataMentah();
        data.JumButir = static_cast<int>(texts.size());
        data.JumSubyek = static_cast<int>(texts.size());
        data.Kunci = texts.back() + texts.front();
        data.NoButir = texts;
        TDataSkor& skor = session.DataSkor();
        skor.JumButir = data.JumButir;
        skor.NoButir = texts;
        skor.Kunci = texts[12];
        for (std::size_t i = 0; i < texts.size(); ++i) {
            data.AddJawaban(
                {texts[i], texts[(i + 1) % texts.size()], texts[(i + 2) % texts.size()]});
            TItemSkor item;
            item.Nama = texts[i];
            item.NoSubyek = texts[(i + 3) % texts.size()];
            item.SkorButir = texts[(i + 4) % texts.size()];
            skor.Add(item);
        }
        const std::string path =
            folder.File(kind == AnalyzerKind::Uraian ? "teks.tur" : "teks.tav");
        session.SaveDocument(path);

        Session reread(kind);
        reread.OpenDocument(path);
        const TDataMentah& back = reread.DataMentah();
        EXPECT_EQ(back.Kunci, data.Kunci);
        EXPECT_EQ(back.NoButir, texts);
        ASSERT_EQ(back.JawabanCount(), data.JawabanCount());
        for (int i = 0; i < data.JawabanCount(); ++i) {
            EXPECT_EQ(back.GetJawaban(i).Nama, data.GetJawaban(i).Nama);
            EXPECT_EQ(back.GetJawaban(i).NoSubyek, data.GetJawaban(i).NoSubyek);
            EXPECT_EQ(back.GetJawaban(i).Jwb, data.GetJawaban(i).Jwb);
        }
        const TDataSkor& backSkor = reread.DataSkor();
        EXPECT_EQ(backSkor.Kunci, skor.Kunci);
        EXPECT_EQ(backSkor.NoButir, texts);
        ASSERT_EQ(backSkor.Count(), skor.Count());
        for (int i = 0; i < skor.Count(); ++i) {
            EXPECT_EQ(backSkor.GetItem(i).Nama, skor.GetItem(i).Nama);
            EXPECT_EQ(backSkor.GetItem(i).NoSubyek, skor.GetItem(i).NoSubyek);
            EXPECT_EQ(backSkor.GetItem(i).SkorButir, skor.GetItem(i).SkorButir);
        }
    }
}

TEST(TextRoundTrip, FileNamesOfEveryKindOpenAndSave) {
    const std::string names[] = {
        "ujian\x01"
        "a\tb\nc\x1f.tav",
        // 250 bytes: the temporary file beside it cannot add its suffix to the whole name.
        std::string(246, 'n') + ".tav",
        "Ujian Kelas 7 (revisi) \xE2\x80\x94 \xC3\xB1.tav",
    };
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        test::TempFolder folder;
        const std::string path = folder.File(name);
        Session session(AnalyzerKind::PilihanGanda);
        session.OpenDocument(
            (test::FixturesDir() / "documents/example-pilihan-ganda/input.tav").string());
        session.DataMentah().Kunci = "bbb";
        session.SaveDocument(path);
        session.SaveDocument(path);

        Session reread(AnalyzerKind::PilihanGanda);
        reread.OpenDocument(path);
        EXPECT_EQ(reread.Global().FileName, path);
        EXPECT_EQ(reread.DataMentah().Kunci, "bbb");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()),
                                std::filesystem::directory_iterator()),
                  1);
    }
}

} // namespace
} // namespace taviro
