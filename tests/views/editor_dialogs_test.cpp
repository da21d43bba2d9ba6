#include "views/editor_dialogs.h"

#include "support/fake_user_interface.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace taviro {
namespace {

using Messages = std::vector<std::string>;
using Control = TFHapusBanyakSubyek::Control;
using EditKey = TFHapusBanyakSubyek::EditKey;

const std::string Mulai = "Ada kesalahan untuk \"mulai dari\"";
const std::string Sampai = "Ada kesalahan untuk \"sampai dengan\"";

TEST(HapusBanyakSubyek, ReadsBothNumbersAndStaysOpenOnAWrongOne) {
    struct Case {
        std::string Start;
        std::string End;
        bool Closes;
        Messages Shown;
        int RangeStart;
        int RangeEnd;
    };
    // The dialog held the range 4 to 6 before; a field that fails keeps its number.
    const Case cases[] = {
        {"2", "5", true, {}, 2, 5},
        {" 8 ", "+20", true, {}, 8, 20},
        {"5", "3", true, {}, 5, 3},
        {"0", "-4", true, {}, 0, -4},
        {"abc", "5", false, {Mulai}, 4, 5},
        {"2", "", false, {Sampai}, 2, 6},
        {"2.5", "x", false, {Mulai, Sampai}, 4, 6},
        {"", "99999999999", false, {Mulai, Sampai}, 4, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("\"" + c.Start + "\", \"" + c.End + "\"");
        test::FakeUserInterface ui;
        TFHapusBanyakSubyek dialog(ui);
        dialog.RangeStart = 4;
        dialog.RangeEnd = 6;
        dialog.FormShow();
        dialog.EMulai = c.Start;
        dialog.ESampai = c.End;
        EXPECT_EQ(dialog.FormClose(), c.Closes);
        EXPECT_EQ(ui.Messages, c.Shown);
        EXPECT_EQ(ui.Beeps, 0) << "plain message boxes";
        EXPECT_EQ(dialog.RangeStart, c.RangeStart);
        EXPECT_EQ(dialog.RangeEnd, c.RangeEnd);
        EXPECT_FALSE(dialog.Cancelled);
    }
}

TEST(HapusBanyakSubyek, CorrectingTheStartLetsItClose) {
    test::FakeUserInterface ui;
    TFHapusBanyakSubyek dialog(ui);
    dialog.FormShow();
    dialog.EMulai = "abc";
    dialog.ESampai = "5";
    EXPECT_FALSE(dialog.FormClose());
    dialog.EMulai = "2";
    EXPECT_TRUE(dialog.FormClose());
    EXPECT_EQ(dialog.RangeStart, 2);
    EXPECT_EQ(dialog.RangeEnd, 5);
    EXPECT_EQ(ui.Messages, (Messages{Mulai}));
}

TEST(HapusBanyakSubyek, BatalClosesWithoutReadingAndTheNextShowingStartsAfresh) {
    test::FakeUserInterface ui;
    TFHapusBanyakSubyek dialog(ui);
    dialog.FormShow();
    dialog.EMulai = "x";
    dialog.BatalClick();
    EXPECT_TRUE(dialog.FormClose());
    EXPECT_TRUE(dialog.Cancelled);
    EXPECT_TRUE(ui.Messages.empty());

    dialog.FormShow();
    EXPECT_FALSE(dialog.Cancelled);
    EXPECT_EQ(dialog.EMulai, "x") << "the edits keep their texts";
    dialog.EMulai = "3";
    dialog.ESampai = "4";
    EXPECT_TRUE(dialog.FormClose());
    EXPECT_EQ(dialog.RangeStart, 3);
}

TEST(HapusBanyakSubyek, KeysMoveTheFocusInTabOrder) {
    struct Case {
        Control From;
        EditKey Key;
        Control To;
    };
    const Case cases[] = {
        {Control::EMulai, EditKey::Enter, Control::ESampai},
        {Control::ESampai, EditKey::Enter, Control::OK},
        {Control::EMulai, EditKey::Down, Control::ESampai},
        {Control::EMulai, EditKey::Up, Control::Batal},
        {Control::ESampai, EditKey::Up, Control::ESampai},
        {Control::ESampai, EditKey::Down, Control::ESampai},
        {Control::EMulai, EditKey::Other, Control::EMulai},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TFHapusBanyakSubyek::FocusAfterKey(c.From, c.Key), c.To)
            << static_cast<int>(c.From) << " " << static_cast<int>(c.Key);
    }
}

TEST(OtherFileDialogs, HandTheEditsPathOnEveryClose) {
    test::FakeUserInterface ui;
    TFAmbilNamaSubyek names(ui);
    TFGabungDuaFile merge(ui, AnalyzerKind::PilihanGanda);
    for (OtherFileDialog* dialog : std::vector<OtherFileDialog*>{&names, &merge}) {
        dialog->FormClose();
        EXPECT_EQ(dialog->OtherFileName, "") << "an empty path goes to the command";
        dialog->ENamaFile = "/data/lain.tav";
        dialog->FormClose();
        EXPECT_EQ(dialog->OtherFileName, "/data/lain.tav");
    }
}

TEST(OtherFileDialogs, PilihFilePutsTheChosenPathInTheEdit) {
    test::FakeUserInterface ui;
    TFGabungDuaFile dialog(ui, AnalyzerKind::PilihanGanda);
    dialog.ENamaFile = "diketik.tav";
    dialog.PilihFileClick(); // cancelled
    EXPECT_EQ(dialog.ENamaFile, "diketik.tav");
    ui.FilesToOpen = {"/data/pilihan.tav"};
    dialog.PilihFileClick();
    EXPECT_EQ(dialog.ENamaFile, "/data/pilihan.tav");
    EXPECT_EQ(dialog.OtherFileName, "") << "taken over only when the dialog closes";
}

TEST(OtherFileDialogs, TheEssayMergeDialogHasNoWarning) {
    test::FakeUserInterface ui;
    EXPECT_EQ(TFGabungDuaFile(ui, AnalyzerKind::PilihanGanda).Warning(),
              "CATATAN: JUMLAH BUTIR SOAL DAN KUNCI HARUS SAMA");
    EXPECT_EQ(TFGabungDuaFile(ui, AnalyzerKind::Uraian).Warning(), "");
    EXPECT_EQ(TFAmbilNamaSubyek(ui).Placement, TFAmbilNamaSubyek::NamePlacement::Append);
}

} // namespace
} // namespace taviro
