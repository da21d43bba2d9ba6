#include "core/text/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace taviro {

namespace {

std::string_view TrimBlanks(std::string_view text) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

std::string IntToText(long long value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::optional<int> ParseInt(std::string_view text) {
    text = TrimBlanks(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') {
            return std::nullopt;
        }
    }
    int value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::string RealToText(long double value) {
    if (std::isnan(value)) {
        return "NAN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-INF" : "INF";
    }
    if (value == 0) {
        return "0";
    }
    // Whole numbers, which most scores are, need no digit generation.
    if (std::fabs(value) < 1e15L && value == std::trunc(value)) {
        return IntToText(static_cast<long long>(value));
    }
    // 15 significant digits as d.dddddddddddddde±x, then laid out in the general form. A value
    // that a double holds exactly goes through the double conversion, which is much faster.
    char buffer[64];
    const auto asDouble = static_cast<double>(value);
    const auto result =
        static_cast<long double>(asDouble) == value
            ? std::to_chars(buffer, buffer + sizeof buffer, asDouble,
                            std::chars_format::scientific, 14)
            : std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific,
                            14);
    std::string_view sci(buffer, static_cast<std::size_t>(result.ptr - buffer));
    std::string sign;
    if (sci.front() == '-') {
        sign = "-";
        sci.remove_prefix(1);
    }
    const std::size_t ePos = sci.find('e');
    std::string digits;
    for (char c : sci.substr(0, ePos)) {
        if (c != '.') {
            digits += c;
        }
    }
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    const int exponent = std::atoi(std::string(sci.substr(ePos + 1)).c_str());

    if (exponent < -4 || exponent >= 15) {
        std::string text = sign + digits.substr(0, 1);
        if (digits.size() > 1) {
            text += '.';
            text += digits.substr(1);
        }
        return text + 'E' + std::to_string(exponent);
    }
    if (exponent < 0) {
        return sign + "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= integerDigits) {
        return sign + digits + std::string(integerDigits - digits.size(), '0');
    }
    return sign + digits.substr(0, integerDigits) + '.' + digits.substr(integerDigits);
}

std::optional<double> ParseReal(std::string_view text, char decimalPoint) {
    text = TrimBlanks(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    // Only digits, one sign, the decimal point and an exponent: from_chars alone would also take
    // "inf", "nan" and hexadecimal forms.
    std::string plain;
    plain.reserve(text.size());
    for (char c : text) {
        if (c == decimalPoint) {
            plain += '.';
        } else if ((c >= '0' && c <= '9') || c == '-' || c == '+' || c == 'e' || c == 'E') {
            plain += c;
        } else {
            return std::nullopt;
        }
    }
    if (plain.empty() || plain == "-") {
        return std::nullopt;
    }
    double value = 0;
    const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (result.ec != std::errc() || result.ptr != plain.data() + plain.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::string BoolToText(bool value) { return value ? "-1" : "0"; }

std::optional<bool> ParseBool(std::string_view text) {
    const std::string_view trimmed = TrimBlanks(text);
    if (EqualsIgnoringCase(trimmed, "true")) {
        return true;
    }
    if (EqualsIgnoringCase(trimmed, "false")) {
        return false;
    }
    if (const auto number = ParseReal(trimmed)) {
        return *number != 0;
    }
    return std::nullopt;
}

} // namespace taviro
