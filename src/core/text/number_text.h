#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace taviro {

// The number encodings of documents. They never depend on the locale: documents always use '.'.

// Decimal digits with '-' in front when negative.
std::string IntToText(long long value);

// A decimal integer (optional sign, surrounding blanks allowed); nothing for any other text or a
// value outside the 32-bit range.
std::optional<int> ParseInt(std::string_view text);

// The general form: at most 15 significant digits, no trailing zeros, '.' only when there is a
// fraction, scientific form with 'E' below 1E-4 and from 1E15 on ("2", "12.5",
// "0.333333333333333", "1.5E-7").
std::string RealToText(long double value);

// A decimal number with the given decimal point and optional exponent (surrounding blanks
// allowed); nothing for any other text, for infinities and for NaN.
std::optional<double> ParseReal(std::string_view text, char decimalPoint = '.');

// "-1" for true, "0" for false.
std::string BoolToText(bool value);

// A number other than zero or "True" (any case) is true; zero or "False" (any case) is false;
// nothing for any other text.
std::optional<bool> ParseBool(std::string_view text);

} // namespace taviro
