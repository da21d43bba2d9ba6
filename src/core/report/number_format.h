#pragma once

#include <string>

namespace taviro {

// Formats every number shown to a person, with the user's decimal separator.
class NumberFormat {
public:
    explicit NumberFormat(char decimalSeparator = '.') : DecimalSeparator(decimalSeparator) {}

    char DecimalSeparator;

    // "%d".
    std::string Int(long long value) const;
    // "%<width>.<decimals>f": rounded to the decimals (an exact half to the even neighbour), right
    // aligned in at least width characters. An undefined value (NaN) is "NAN" right-aligned in
    // the width; infinities are "INF" and "-INF".
    std::string Fixed(double value, int width, int decimals) const;
    // The shortest general form (at most 15 significant digits, no trailing zeros).
    std::string General(long double value) const;
};

} // namespace taviro
