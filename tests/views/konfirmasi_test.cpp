#include "views/konfirmasi.h"

#include "support/fake_user_interface.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace taviro {
namespace {

// An accelerator must be a letter of its caption, or the platform cannot underline it.
template <typename Buttons> void ExpectAcceleratorsInCaptions(const Buttons& buttons) {
    for (const auto& button : buttons) {
        SCOPED_TRACE(std::string(button.Caption));
        if (button.Accelerator != '\0') {
            EXPECT_NE(button.Caption.find(button.Accelerator), std::string_view::npos);
        }
    }
}

TEST(KonfirmasiTest, SaveQuestionAnswersYesNoAndCancel) {
    using Answer = UserInterface::SaveAnswer;
    EXPECT_EQ(TFKonfirmasiSimpan::Caption, "Konfirmasi");
    EXPECT_EQ(TFKonfirmasiSimpan::Message,
              "Simpan dulu file yang terbuka? Jika anda menjawab \"TIDAK\" maka perubahan data "
              "pada file tersebut akan hilang.");
    const auto& buttons = TFKonfirmasiSimpan::Buttons;
    EXPECT_EQ(buttons[0].Caption, "YA");
    EXPECT_EQ(buttons[0].Result, Answer::Yes);
    EXPECT_TRUE(buttons[0].Focused);
    EXPECT_EQ(buttons[1].Caption, "TIDAK");
    EXPECT_EQ(buttons[1].Result, Answer::No);
    EXPECT_EQ(buttons[1].Accelerator, 'T');
    EXPECT_EQ(buttons[2].Caption, "BATAL");
    EXPECT_EQ(buttons[2].Result, Answer::Cancel);
    EXPECT_EQ(TFKonfirmasiSimpan::CloseBoxAnswer, Answer::Cancel);
    ExpectAcceleratorsInCaptions(buttons);
}

TEST(KonfirmasiTest, YesNoQuestionShowsTheCallersTextOnEveryShowing) {
    TFKonfirmasi dialog;
    dialog.Pesan = "Hapus subyek nomor 3?";
    dialog.FormShow();
    EXPECT_EQ(dialog.LPesan, "Hapus subyek nomor 3?");
    dialog.Pesan = "Gabungkan file?";
    EXPECT_EQ(dialog.LPesan, "Hapus subyek nomor 3?");
    dialog.FormShow();
    EXPECT_EQ(dialog.LPesan, "Gabungkan file?");

    EXPECT_TRUE(TFKonfirmasi::Buttons[0].Result);
    EXPECT_FALSE(TFKonfirmasi::Buttons[1].Result);
    EXPECT_FALSE(TFKonfirmasi::CloseBoxAnswer);
    ExpectAcceleratorsInCaptions(TFKonfirmasi::Buttons);
}

TEST(KonfirmasiTest, MailLinkNamesEveryDeveloperAndTheAnalyzersVersion) {
    struct Case {
        AnalyzerKind Kind;
        std::string Link;
    };
    const std::string addresses = "mailto:pengembang@taviro.example;dukungan@taviro.example";
    const Case cases[] = {
        {AnalyzerKind::PilihanGanda, addresses + "?subject=Taviro Pil Ganda Ver:4.0.9"},
        {AnalyzerKind::Uraian, addresses + "?subject=Taviro Uraian Ver:4.0.5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Link);
        TFAbout about(c.Kind);
        EXPECT_EQ(about.MailLink(), c.Link);
        test::FakeUserInterface ui;
        about.KirimEmailClick(ui);
        EXPECT_EQ(ui.UrlsOpened, std::vector<std::string>{c.Link});
    }
}

TEST(KonfirmasiTest, MailButtonNamesTheDevelopers) {
    const std::string caption = TFAbout::MailButtonCaption();
    EXPECT_EQ(caption, "Kirim Email ke Tim Pengembang Taviro dan Tim Dukungan Taviro");
    for (const TFAbout::Developer& developer : TFAbout::Developers) {
        EXPECT_NE(std::string(developer.Details).find(developer.MailAddress), std::string::npos);
    }
}

} // namespace
} // namespace taviro
