// Rounding to whole numbers as the classic runtime does it, for twips sums and
// colour values alike: a value exactly halfway goes to the even neighbour.
#pragma once

#include <cmath>

inline double roundHalfEven(double x)
{
    if (std::fabs(x - std::trunc(x)) == 0.5)
        return 2.0 * std::round(x / 2.0); // 2.5 → 2, 3.5 → 4
    return std::round(x);
}
