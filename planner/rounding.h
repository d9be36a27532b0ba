#pragma once

#include <algorithm>
#include <cmath>

namespace planner {

// One value reached by two roads (a level at a crossover computed from
// either neighbour, a time per pass from a rate or a rate from a time)
// differs in its last bits: 0.010000000000000004 m is the 0.01 m written.
// A few parts in 10^12 is far above that rounding and far below any
// difference a plan could mean, so peaks, the binding limit, crossovers,
// ramps and a sweep's turns decide with these, never with == or <.
constexpr double kRoundingTolerance = 4e-12;

inline bool EqualWithinRounding(double a, double b) {
    return std::fabs(a - b) <= kRoundingTolerance * std::max(std::fabs(a), std::fabs(b));
}

// a below b by more than rounding.
inline bool BelowBeyondRounding(double a, double b) { return a < b && !EqualWithinRounding(a, b); }

}  // namespace planner
