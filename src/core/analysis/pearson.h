#pragma once

namespace taviro {

// The running sums of a Pearson correlation over N pairs (x, y), in extended precision.
struct PearsonSums {
    long double N = 0;
    long double X = 0;
    long double Y = 0;
    long double XX = 0;
    long double YY = 0;
    long double XY = 0;
};

// Pearson's r from the sums, within -1 .. 1; NaN when undefined. Whether x and y vary at all is
// told by the caller, who sees the values: with fractional essay scores the rounding of the sums
// leaves a tiny non-zero spread for a constant variable, which would otherwise produce an
// arbitrary r.
double PearsonFromSums(const PearsonSums& sums, bool bothVary);

} // namespace taviro
