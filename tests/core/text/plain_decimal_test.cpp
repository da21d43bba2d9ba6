#include "core/text/plain_decimal.h"

#include "core/text/number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <optional>
#include <random>
#include <string>

namespace taviro {
namespace {

// What the general reading gives a whole piece: the given point first, then '.', as the essay
// scores are read.
std::optional<double> GeneralReading(const std::string& piece, char point) {
    std::optional<double> value = ParseReal(piece, point);
    if (!value && point != '.') {
        value = ParseReal(piece, '.');
    }
    return value;
}

// Reads the whole text as one piece; nothing when the plain reading declines it.
std::optional<double> PlainReading(const std::string& text, char point, char otherPoint) {
    double value = 12345;
    const char* const end = text.data() + text.size();
    const char* const stop = ScanPlainDecimal(text.data(), end, point, otherPoint, value);
    if (stop == nullptr) {
        return std::nullopt;
    }
    EXPECT_EQ(stop, end) << '"' << text << '"';
    return value;
}

// Bit for bit, so that -0 and 0 differ and a last-place difference shows.
std::uint64_t Bits(double value) {
    return std::bit_cast<std::uint64_t>(value);
}

TEST(ScanPlainDecimal, TakesPlainFormsAndLeavesTheRestToTheGeneralReading) {
    struct Case {
        const char* Text;
        bool Plain;
    };
    const Case cases[] = {
        {"0", true},
        {"7", true},
        {"20", true},
        {"007", true},
        {"-3", true},
        {"-0", true},
        {"-0.0", true},
        {"2.5", true},
        {"0.1", true},
        {"0.3", true},
        {"-1.25", true},
        {"999999.9", true},
        {"1000000.5", true},
        {"123456789012345", true},
        {"12345.6789012345", true},
        {"0.00000000000001", true},
        {"9.99999999999999", true},
        // Sixteen digits or more may need more than one rounding.
        {"1234567890123456", false},
        {"0.000000000000001", false},
        {"9.999999999999999", false},
        {"0000000000000001", false},
        // Forms that the general reading judges.
        {"2.", false},
        {".5", false},
        {"-.5", false},
        {".", false},
        {"-", false},
        {"", false},
        {"+2", false},
        {" 3", false},
        {"3 ", false},
        {"1e3", false},
        {"1E-2", false},
        {"--1", false},
        {"1-2", false},
        {"1.2.3", false},
        {"1.5x", false},
        {"*", false},
        {"#", false},
        {"inf", false},
    };
    for (const char point : {'.', ';'}) {
        for (const Case& c : cases) {
            const std::string text(c.Text);
            const auto plain = PlainReading(text, point, '.');
            EXPECT_EQ(plain.has_value(), c.Plain) << '"' << text << "\" point " << point;
            if (plain) {
                const auto general = GeneralReading(text, point);
                ASSERT_TRUE(general.has_value()) << '"' << text << '"';
                EXPECT_EQ(Bits(*plain), Bits(*general)) << '"' << text << "\" point " << point;
            }
        }
    }
}

TEST(ScanPlainDecimal, TakesOnlyTheGivenPoints) {
    // With the regional separator alone, as the scoring reads, '.' is no point.
    EXPECT_EQ(PlainReading("2;5", ';', ';'), 2.5);
    EXPECT_EQ(PlainReading("2.5", ';', ';'), std::nullopt);
    EXPECT_EQ(PlainReading("2.5", ';', '.'), 2.5);
    EXPECT_EQ(PlainReading("2;5", '.', '.'), std::nullopt);
}

TEST(ScanPlainDecimal, EndsAtTheCommaThatEndsThePiece) {
    // A ',' is never a point, even when it is the regional separator: it separates the pieces.
    for (const char point : {'.', ','}) {
        const std::string text = "12,5";
        double value = 0;
        const char* const stop =
            ScanPlainDecimal(text.data(), text.data() + text.size(), point, point, value);
        ASSERT_NE(stop, nullptr) << point;
        EXPECT_EQ(stop, text.data() + 2) << point;
        EXPECT_EQ(value, 12) << point;
    }
    const std::string decimal = "-2.25,1";
    double value = 0;
    EXPECT_EQ(ScanPlainDecimal(decimal.data(), decimal.data() + decimal.size(), '.', '.', value),
              decimal.data() + 5);
    EXPECT_EQ(value, -2.25);
    // A piece that goes on after the number is declined as a whole.
    const std::string trailing = "2.5x,1";
    EXPECT_EQ(ScanPlainDecimal(trailing.data(), trailing.data() + trailing.size(), '.', '.', value),
              nullptr);
}

TEST(ScanPlainDecimal, EqualsTheGeneralReadingOnManyDecimals) {
    // Every length of digits and every place of the point, with values whose last digits need
    // rounding in binary.
    std::mt19937_64 random(7);
    for (int round = 0; round < 200000; ++round) {
        const int digits = 1 + static_cast<int>(random() % 15);
        const int fraction = static_cast<int>(random() % static_cast<unsigned>(digits));
        std::string text = random() % 4 == 0 ? "-" : "";
        for (int d = 0; d < digits; ++d) {
            if (d == digits - fraction && fraction > 0) {
                text += '.';
            }
            text += static_cast<char>('0' + random() % 10);
        }
        const auto plain = PlainReading(text, '.', '.');
        const auto general = GeneralReading(text, '.');
        ASSERT_TRUE(plain.has_value()) << text;
        ASSERT_TRUE(general.has_value()) << text;
        ASSERT_EQ(Bits(*plain), Bits(*general)) << text;
    }
}

} // namespace
} // namespace taviro
