#include "core/report/number_format.h"

#include "core/text/number_text.h"

#include <charconv>
#include <cmath>

namespace taviro {

namespace {

std::string PadLeft(std::string text, int width) {
    if (static_cast<int>(text.size()) < width) {
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    }
    return text;
}

std::string WithSeparator(std::string text, char separator) {
    if (separator != '.') {
        for (char& c : text) {
            if (c == '.') {
                c = separator;
            }
        }
    }
    return text;
}

} // namespace

std::string NumberFormat::Int(long long value) const { return IntToText(value); }

std::string NumberFormat::Fixed(double value, int width, int decimals) const {
    if (std::isnan(value)) {
        return PadLeft("NAN", width);
    }
    if (std::isinf(value)) {
        return PadLeft(value < 0 ? "-INF" : "INF", width);
    }
    // to_chars rounds the exact binary value, as printf does: 0.125 gives 0.12, 2.5 gives 2.
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return PadLeft(WithSeparator(std::string(buffer, result.ptr), DecimalSeparator), width);
}

std::string NumberFormat::General(long double value) const {
    return WithSeparator(RealToText(value), DecimalSeparator);
}

} // namespace taviro
