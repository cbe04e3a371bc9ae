// Results of magnitude below 1.0E-20 are written as 0 in the results tables,
// their plot records and the summary.
#pragma once

#include <cmath>

namespace quarn::report {

inline constexpr double kPrintedZero = 1.0e-20;

inline double printedValue(double v) {
  return std::fabs(v) < kPrintedZero ? 0.0 : v;
}

}  // namespace quarn::report
