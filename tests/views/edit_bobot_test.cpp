#include "views/edit_bobot.h"

#include "support/fake_user_interface.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace taviro {
namespace {

const std::string Benar = "Ada kesalahan di isian Bobot Jawaban Benar";
const std::string Salah = "Ada kesalahan di Bobot Jawaban Salah";

TEST(EditBobot, ShowWritesTheWeightsAndForgetsAnEarlierCancel) {
    test::FakeUserInterface ui;
    TFEditBobot dialog(ui);
    dialog.BobotBetul = 4;
    dialog.BobotSalah = -1;
    dialog.Cancelled = true;
    dialog.FormShow();
    EXPECT_EQ(dialog.EBobotJwbBenar, "4");
    EXPECT_EQ(dialog.EBobotJwbSalah, "-1");
    EXPECT_FALSE(dialog.Cancelled);
}

TEST(EditBobot, ConvertsBothEditsAndRefusesToCloseOnAWrongOne) {
    struct Case {
        std::string BenarText;
        std::string SalahText;
        bool Closes;
        std::vector<std::string> Messages;
        int BobotBetul;
        int BobotSalah;
    };
    // The dialog opens with 3 and -2; a weight whose text fails keeps that value.
    const Case cases[] = {
        {"4", "-1", true, {}, 4, -1},
        {" 7 ", "+2", true, {}, 7, 2},
        {"-2147483648",
         "2147483647",
         true,
         {},
         std::numeric_limits<int>::min(),
         std::numeric_limits<int>::max()},
        {"4", "x", false, {Salah}, 4, -2},
        {"", "1", false, {Benar}, 3, 1},
        {"2.5", "0", false, {Benar}, 3, 0},
        {"2147483648", "0", false, {Benar}, 3, 0},
        {"a", "b", false, {Benar, Salah}, 3, -2},
        {"--1", " ", false, {Benar, Salah}, 3, -2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("\"" + c.BenarText + "\", \"" + c.SalahText + "\"");
        test::FakeUserInterface ui;
        TFEditBobot dialog(ui);
        dialog.BobotBetul = 3;
        dialog.BobotSalah = -2;
        dialog.FormShow();
        dialog.EBobotJwbBenar = c.BenarText;
        dialog.EBobotJwbSalah = c.SalahText;
        EXPECT_EQ(dialog.FormClose(), c.Closes);
        EXPECT_EQ(ui.Messages, c.Messages);
        EXPECT_TRUE(ui.Errors.empty()) << "a plain message box, no beep";
        EXPECT_EQ(dialog.BobotBetul, c.BobotBetul);
        EXPECT_EQ(dialog.BobotSalah, c.BobotSalah);
    }
}

TEST(EditBobot, BatalClosesWithoutCheckingOrTakingTheTexts) {
    test::FakeUserInterface ui;
    TFEditBobot dialog(ui);
    dialog.BobotBetul = 3;
    dialog.BobotSalah = -2;
    dialog.FormShow();
    dialog.EBobotJwbBenar = "9";
    dialog.EBobotJwbSalah = "x";
    dialog.BitBtn2Click();
    EXPECT_TRUE(dialog.FormClose());
    EXPECT_TRUE(dialog.Cancelled);
    EXPECT_TRUE(ui.Messages.empty());
    EXPECT_EQ(dialog.BobotBetul, 3);
    EXPECT_EQ(dialog.BobotSalah, -2);
}

TEST(EditBobot, KeyRules) {
    using Key = TFEditBobot::EditKey;
    using Move = TFEditBobot::FocusMove;
    const std::pair<Key, Move> moves[] = {{Key::Enter, Move::Next},
                                          {Key::Down, Move::Next},
                                          {Key::Up, Move::Previous},
                                          {Key::Other, Move::Stay}};
    for (const auto& [key, move] : moves) {
        EXPECT_EQ(TFEditBobot::FocusAfterKey(key), move);
    }
    // Anything may be typed (a wrong text is refused at the close); Enter moves on instead.
    for (const char typed : std::string("0129-+x ,.")) {
        EXPECT_TRUE(TFEditBobot::AcceptsCharacter(typed)) << typed;
    }
    EXPECT_FALSE(TFEditBobot::AcceptsCharacter('\r'));
}

} // namespace
} // namespace taviro
