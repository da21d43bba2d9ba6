#include "core/report/number_format.h"

#include <gtest/gtest.h>

#include <limits>

namespace taviro {
namespace {

TEST(NumberFormat, FixedFormatsRoundHalvesToEvenAndPad) {
    struct Case {
        double value;
        int width, decimals;
        char separator;
        const char* expected;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        {3, 4, 0, '.', "   3"},
        {2.5, 4, 0, '.', "   2"},
        {3.5, 4, 0, '.', "   4"},
        {-2.5, 4, 0, '.', "  -2"},
        {12345, 4, 0, '.', "12345"},
        {66.666666, 4, 2, '.', "66.67"},
        {66.666666, 4, 2, ',', "66,67"},
        {0.125, 4, 2, '.', "0.12"},   // exactly representable: the even neighbour
        {0.375, 4, 2, '.', "0.38"},
        {1.005, 4, 2, '.', "1.00"},   // 1.005 is stored a hair below
        {0.5, 4, 3, ',', "0,500"},
        {-0.8660254, 4, 3, '.', "-0.866"},
        {100, 4, 2, '.', "100.00"},
        {nan, 4, 2, '.', " NAN"},
        {nan, 4, 3, ',', " NAN"},
        {nan, 4, 0, '.', " NAN"},
        {std::numeric_limits<double>::infinity(), 4, 2, '.', " INF"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NumberFormat(c.separator).Fixed(c.value, c.width, c.decimals), c.expected)
            << c.value << " w" << c.width << " d" << c.decimals;
    }
}

TEST(NumberFormat, IntegersAndTheGeneralForm) {
    const NumberFormat point('.');
    const NumberFormat comma(',');
    EXPECT_EQ(point.Int(-42), "-42");
    EXPECT_EQ(comma.Int(1000000), "1000000");
    EXPECT_EQ(point.General(12.5), "12.5");
    EXPECT_EQ(comma.General(12.5), "12,5");
    EXPECT_EQ(comma.General(7), "7");
    EXPECT_EQ(comma.General(1.0L / 3.0L), "0,333333333333333");
    EXPECT_EQ(comma.General(1.5e-7), "1,5E-7");
}

} // namespace
} // namespace taviro
