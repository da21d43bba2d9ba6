#include "core/text/text_helpers.h"

#include <gtest/gtest.h>

namespace taviro {
namespace {

TEST(CenterOffset, TruncatesTowardZero) {
    EXPECT_EQ(CenterOffset(5, 10), -2);
    EXPECT_EQ(CenterOffset(10, 5), 2);
    EXPECT_EQ(CenterOffset(10, 10), 0);
}

TEST(TruncateText, KeepsFittingTextsAndCutsLongOnes) {
    struct Case {
        const char* text;
        int max;
        const char* expected;
    };
    const Case cases[] = {
        {"abcdefgh", 6, "abc..."}, {"abcdefgh", 8, "abcdefgh"}, {"abcdefgh", 2, "..."},
        {"", 0, ""},               {"abcd", 3, "..."},          {"Ketut Ayu Sriani", 10, "Ketut A..."},
        // Accented letters are cut between characters, never inside one.
        {"\xC3\x89ka \xC3\x9Clf\xC3\xA4", 6, "\xC3\x89ka..."},
        {"\xC3\x89ka", 3, "\xC3\x89ka"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TruncateText(c.text, c.max), c.expected) << c.text << " / " << c.max;
    }
}

TEST(AddBackslash, AddsASeparatorOnlyWhenMissing) {
    EXPECT_EQ(AddBackslash("/home/guru"), "/home/guru/");
    EXPECT_EQ(AddBackslash("/home/guru/"), "/home/guru/");
    EXPECT_EQ(AddBackslash("C:\\Data\\"), "C:\\Data\\");
}

TEST(ExeFolder, EndsWithASeparatorAndExists) {
    const std::string folder = ExeFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
}

TEST(SplitText, KeepsInnerEmptyPiecesButNotATrailingOne) {
    struct Case {
        const char* text;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"", {}},
        {"10,10,20", {"10", "10", "20"}},
        {"3,,4", {"3", "", "4"}},
        {"*,*,*,", {"*", "*", "*"}},
        {",", {""}},
        {",,", {"", ""}},
        {"8,#,15", {"8", "#", "15"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SplitText(c.text, ','), c.expected) << '"' << c.text << '"';
    }
}

TEST(JoinFloats, UsesTheDocumentFormWithoutATrailingSeparator) {
    EXPECT_EQ(JoinFloats({}, ','), "");
    EXPECT_EQ(JoinFloats({7}, ','), "7");
    EXPECT_EQ(JoinFloats({10, 12.5, 0, -3}, ','), "10,12.5,0,-3");
}

} // namespace
} // namespace taviro
