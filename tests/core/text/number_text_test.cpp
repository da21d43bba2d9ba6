#include "core/text/number_text.h"

#include <gtest/gtest.h>

#include <cmath>

namespace taviro {
namespace {

TEST(RealToText, WritesTheGeneralForm) {
    struct Case {
        long double value;
        const char* expected;
    };
    const Case cases[] = {
        {0, "0"},
        {2, "2"},
        {-2, "-2"},
        {12.5, "12.5"},
        {1.0L / 3.0L, "0.333333333333333"},
        {2.0L / 3.0L, "0.666666666666667"},
        {1.5e-7, "1.5E-7"},
        {0.0001, "0.0001"},
        {0.00001, "1E-5"},
        {123456789012345.0L, "123456789012345"},
        {1234567890123456.0L, "1.23456789012346E15"},
        {1e20, "1E20"},
        {-0.25, "-0.25"},
        {100, "100"},
        {19.999999999999999L, "20"},
        {3.1400000000000001, "3.14"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RealToText(c.value), c.expected) << static_cast<double>(c.value);
    }
}

TEST(RealToText, ReadsBackToTheSameFifteenDigits) {
    for (const double value : {2.0, 12.5, 0.333333333333333, 1.5e-7, 98765.4321, -1e-300, 6.02e23}) {
        const auto back = ParseReal(RealToText(value));
        ASSERT_TRUE(back.has_value()) << value;
        EXPECT_NEAR(*back, value, std::abs(value) * 1e-14) << value;
    }
}

TEST(ParseReal, AcceptsDecimalFormsOnly) {
    struct Case {
        const char* text;
        char point;
        std::optional<double> expected;
    };
    const Case cases[] = {
        {"12.5", '.', 12.5},   {"1.5E-7", '.', 1.5e-7}, {"1.5e-7", '.', 1.5e-7},
        {" 7 ", '.', 7.0},     {"-3", '.', -3.0},       {"+4", '.', 4.0},
        {"12,5", ',', 12.5},   {"12.5", ',', std::nullopt}, {"12,5", '.', std::nullopt},
        {"", '.', std::nullopt}, {"abc", '.', std::nullopt}, {"inf", '.', std::nullopt},
        {"nan", '.', std::nullopt}, {"0x1p3", '.', std::nullopt}, {"1e999", '.', std::nullopt},
        {"1.2.3", '.', std::nullopt}, {"-", '.', std::nullopt}, {"5*", '.', std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseReal(c.text, c.point), c.expected) << '"' << c.text << '"';
    }
}

TEST(ParseInt, AcceptsDecimalIntegersInRange) {
    struct Case {
        const char* text;
        std::optional<int> expected;
    };
    const Case cases[] = {
        {"0", 0},          {"42", 42},       {"-1", -1},   {"+7", 7},
        {" 12\n", 12},     {"", std::nullopt}, {"1.5", std::nullopt}, {"12a", std::nullopt},
        {"99999999999", std::nullopt}, {"+-3", std::nullopt}, {"abc", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseInt(c.text), c.expected) << '"' << c.text << '"';
    }
    EXPECT_EQ(IntToText(-15), "-15");
}

TEST(ParseBool, AcceptsNumbersAndTrueFalseInAnyCase) {
    struct Case {
        const char* text;
        std::optional<bool> expected;
    };
    const Case cases[] = {
        {"-1", true},  {"0", false},    {"1", true},      {"2", true},
        {"True", true}, {"tRUE", true}, {"FALSE", false}, {"false", false},
        {"", std::nullopt}, {"ya", std::nullopt}, {"T", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseBool(c.text), c.expected) << '"' << c.text << '"';
    }
    EXPECT_EQ(BoolToText(true), "-1");
    EXPECT_EQ(BoolToText(false), "0");
}

} // namespace
} // namespace taviro
