#include "views/info_jawaban.h"

#include "support/fake_user_interface.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace taviro {
namespace {

using Control = TFInfoJawaban::Control;
using Key = TFInfoJawaban::Key;
using Messages = std::vector<std::string>;

const std::string SubyekError = "Ada kesalahan untuk Jumlah Subyek";
const std::string ButirError = "Ada kesalahan untuk Jumlah Butir";
const std::string PilihanError = "Ada kesalahan untuk Jumlah Pilihan";
const std::string RangeError = "Jumlah pilihan harus antara 1 sampai dengan 5";

struct CloseCase {
    std::string Subyek;
    std::string Butir;
    std::string Pilihan;
    Messages ExpectedMessages;
    bool MayClose;
    // The numbers afterwards; a field that fails keeps the 99 it held before.
    int JumSubyek;
    int JumButir;
    int JumPilihan;
};

TEST(InfoJawabanTest, CloseChecksEveryFieldAndKeepsWhatConverts) {
    const std::vector<CloseCase> cases = {
        {"7", "0", "6", {RangeError}, false, 7, 0, 6},
        {"7", "0", "4", {}, true, 7, 0, 4},
        {"x", "10", "9", {SubyekError, RangeError}, false, 99, 10, 9},
        {"", "-3", "1", {SubyekError}, false, 99, -3, 1},
        {"1", "2.5", "a", {ButirError, PilihanError}, false, 1, 99, 99},
        {"q", "w", "e", {SubyekError, ButirError, PilihanError}, false, 99, 99, 99},
        {"3", "3", "0", {RangeError}, false, 3, 3, 0},
        {"3", "3", "-1", {RangeError}, false, 3, 3, -1},
        {"3", "3", "5", {}, true, 3, 3, 5},
        {" 12 ", "+4", "2", {}, true, 12, 4, 2},
        {"99999999999", "1e2", "+-2", {SubyekError, ButirError, PilihanError}, false, 99, 99, 99},
        {"-", "0x10", "3 3", {SubyekError, ButirError, PilihanError}, false, 99, 99, 99},
    };
    for (const CloseCase& c : cases) {
        SCOPED_TRACE(c.Subyek + "/" + c.Butir + "/" + c.Pilihan);
        test::FakeUserInterface ui;
        TFInfoJawaban dialog(AnalyzerKind::PilihanGanda);
        dialog.JumSubyek = dialog.JumButir = dialog.JumPilihan = 99;
        dialog.FormShow();
        dialog.EJumSubyek = c.Subyek;
        dialog.EJumButir = c.Butir;
        dialog.EJumPilihan = c.Pilihan;
        EXPECT_EQ(dialog.FormCloseQuery(ui), c.MayClose);
        EXPECT_EQ(ui.Messages, c.ExpectedMessages);
        EXPECT_EQ(dialog.JumSubyek, c.JumSubyek);
        EXPECT_EQ(dialog.JumButir, c.JumButir);
        EXPECT_EQ(dialog.JumPilihan, c.JumPilihan);
    }
}

TEST(InfoJawabanTest, BatalClosesAtOnceWhateverTheFieldsHold) {
    test::FakeUserInterface ui;
    TFInfoJawaban dialog(AnalyzerKind::PilihanGanda);
    dialog.FormShow();
    dialog.EJumSubyek = "x";
    dialog.EJumPilihan = "9";
    dialog.BatalClick();
    EXPECT_TRUE(dialog.FormCloseQuery(ui));
    EXPECT_TRUE(ui.Messages.empty());
    EXPECT_EQ(dialog.JumSubyek, 10);

    // The next showing is not cancelled any more: its close box checks the fields again.
    dialog.FormShow();
    EXPECT_FALSE(dialog.Cancelled);
    EXPECT_FALSE(dialog.FormCloseQuery(ui));
    EXPECT_EQ(ui.Messages, (Messages{SubyekError, RangeError}));
}

TEST(InfoJawabanTest, StartsWithTheDefaultTextsAndOffersTheLastOnesAgain) {
    test::FakeUserInterface ui;
    TFInfoJawaban dialog(AnalyzerKind::PilihanGanda);
    std::vector<std::vector<std::string>> offered;
    ui.OnNewFileDialog = [&](TFInfoJawaban& shown) {
        offered.push_back({shown.EJumSubyek, shown.EJumButir, shown.EJumPilihan});
        shown.EJumSubyek = "25";
        shown.EJumButir = "40";
        shown.EJumPilihan = "4";
        return shown.FormCloseQuery(ui);
    };
    EXPECT_TRUE(dialog.Execute(ui));
    EXPECT_EQ(dialog.JumSubyek, 25);
    EXPECT_EQ(dialog.JumButir, 40);
    EXPECT_EQ(dialog.JumPilihan, 4);

    // A cancelled showing leaves the flag set; the next showing clears it and offers the texts.
    dialog.BatalClick();
    EXPECT_TRUE(dialog.Execute(ui));
    EXPECT_FALSE(dialog.Cancelled);
    const std::vector<std::vector<std::string>> expected = {{"10", "10", "5"}, {"25", "40", "4"}};
    EXPECT_EQ(offered, expected);
}

TEST(InfoJawabanTest, EssayFormAsksForSubjectsAndItemsOnly) {
    test::FakeUserInterface ui;
    TFInfoJawaban dialog(AnalyzerKind::Uraian);
    EXPECT_EQ(dialog.Caption(), "-");
    EXPECT_FALSE(dialog.HasJumPilihan());
    dialog.FormShow();
    dialog.EJumSubyek = "7";
    dialog.EJumButir = "3";
    dialog.EJumPilihan = "not asked";
    EXPECT_TRUE(dialog.FormCloseQuery(ui));
    EXPECT_TRUE(ui.Messages.empty());
    EXPECT_EQ(dialog.JumSubyek, 7);
    EXPECT_EQ(dialog.JumButir, 3);
    EXPECT_EQ(dialog.JumPilihan, 5);

    dialog.EJumSubyek = "x";
    dialog.EJumButir = "";
    EXPECT_FALSE(dialog.FormCloseQuery(ui));
    EXPECT_EQ(ui.Messages, (Messages{SubyekError, ButirError}));
}

TEST(InfoJawabanTest, MultipleChoiceCaption) {
    EXPECT_EQ(TFInfoJawaban(AnalyzerKind::PilihanGanda).Caption(), "Informasi Jawaban Subyek");
}

struct FocusCase {
    AnalyzerKind Kind;
    Key Pressed;
    Control From;
    std::optional<Control> Expected;
};

TEST(InfoJawabanTest, KeysMoveTheFocusInTabOrder) {
    const AnalyzerKind pg = AnalyzerKind::PilihanGanda;
    const AnalyzerKind ur = AnalyzerKind::Uraian;
    const std::vector<FocusCase> cases = {
        {pg, Key::Enter, Control::EJumSubyek, Control::EJumButir},
        {pg, Key::Down, Control::EJumSubyek, Control::EJumButir},
        {pg, Key::Enter, Control::EJumButir, Control::EJumPilihan},
        {pg, Key::Enter, Control::EJumPilihan, Control::OK},
        {pg, Key::Down, Control::EJumPilihan, Control::OK},
        {pg, Key::Up, Control::EJumPilihan, Control::EJumButir},
        {pg, Key::Up, Control::EJumButir, Control::EJumSubyek},
        {pg, Key::Up, Control::EJumSubyek, Control::Batal},
        {pg, Key::Other, Control::EJumSubyek, std::nullopt},
        {pg, Key::Enter, Control::OK, std::nullopt},
        {pg, Key::Up, Control::Batal, std::nullopt},
        {ur, Key::Enter, Control::EJumButir, Control::OK},
        {ur, Key::Down, Control::EJumSubyek, Control::EJumButir},
        {ur, Key::Up, Control::EJumSubyek, Control::Batal},
        {ur, Key::Enter, Control::EJumPilihan, std::nullopt},
    };
    for (const FocusCase& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << static_cast<int>(c.Kind) << " key " << static_cast<int>(c.Pressed)
                     << " from " << static_cast<int>(c.From));
        EXPECT_EQ(TFInfoJawaban(c.Kind).NextFocus(c.Pressed, c.From), c.Expected);
    }
}

} // namespace
} // namespace taviro
