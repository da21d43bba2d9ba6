#include "core/analysis/pearson.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace taviro {

double PearsonFromSums(const PearsonSums& sums, bool bothVary) {
    constexpr double Undefined = std::numeric_limits<double>::quiet_NaN();
    if (!bothVary) {
        return Undefined;
    }
    const long double spreadX = sums.N * sums.XX - sums.X * sums.X;
    const long double spreadY = sums.N * sums.YY - sums.Y * sums.Y;
    const auto product = static_cast<double>(spreadX * spreadY);
    if (!(product > 0)) {
        return Undefined;
    }
    const long double r =
        (sums.N * sums.XY - sums.X * sums.Y) / std::sqrt(static_cast<long double>(product));
    // Rounding may carry a perfect correlation a hair past 1, which would put a reliability
    // above 1.
    return static_cast<double>(std::clamp(r, -1.0L, 1.0L));
}

} // namespace taviro
