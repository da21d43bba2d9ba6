#pragma once

#include <cstdint>

namespace taviro {

// The powers of ten that a double holds exactly.
inline constexpr double ExactPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// Whether ScanPlainDecimal may take c as a decimal point: a digit, a sign or an exponent letter
// as the point would give such text another meaning than ParseReal gives it.
constexpr bool CanBePlainPoint(char c) {
    return !(c >= '0' && c <= '9') && c != '-' && c != '+' && c != 'e' && c != 'E';
}

// Reads the piece that starts at text and ends at the next ',' or at end, when it is a plain
// decimal: an optional '-', one or more digits, and optionally a point (either of the two given,
// which may be the same; a ',' never, as it ends the piece) with one or more digits, at most 15
// digits in all. Returns where the piece ends and sets value, or returns nullptr for a piece of
// any other form, which the caller then reads with ParseReal.
//
// A plain decimal is read without the general conversion because every essay analysis reads
// every score again. The value is exactly ParseReal's: the digits as an integer m < 10^15 < 2^53
// and 10^k for k <= 15 fraction digits are both exact doubles, so m / 10^k is one correctly
// rounded division of exact operands, which is the correctly rounded value of the text that the
// general conversion gives too. "-0" stays -0.0 as there. Forms whose reading is less obvious
// ("2.", ".5", blanks, '+', exponents, long digit strings) are left to ParseReal.
inline const char* ScanPlainDecimal(const char* text, const char* end, char point, char otherPoint,
                                    double& value) {
    const char* p = text;
    const bool negative = p != end && *p == '-';
    p += negative ? 1 : 0;
    // Unsigned, so a long digit string wraps harmlessly before the count rules it out.
    std::uint64_t mantissa = 0;
    const char* const whole = p;
    while (p != end && static_cast<unsigned char>(*p - '0') < 10) {
        mantissa = mantissa * 10 + static_cast<unsigned char>(*p - '0');
        ++p;
    }
    const auto wholeDigits = p - whole;
    if (wholeDigits == 0) {
        return nullptr;
    }
    long fractionDigits = 0;
    if (p != end && *p != ',' && (*p == point || *p == otherPoint)) {
        ++p;
        const char* const fraction = p;
        while (p != end && static_cast<unsigned char>(*p - '0') < 10) {
            mantissa = mantissa * 10 + static_cast<unsigned char>(*p - '0');
            ++p;
        }
        fractionDigits = p - fraction;
        if (fractionDigits == 0) {
            return nullptr;
        }
    }
    if ((p != end && *p != ',') || wholeDigits + fractionDigits > 15) {
        return nullptr;
    }
    double magnitude = static_cast<double>(mantissa);
    if (fractionDigits != 0) {
        magnitude /= ExactPowersOfTen[fractionDigits];
    }
    value = negative ? -magnitude : magnitude;
    return p;
}

} // namespace taviro
