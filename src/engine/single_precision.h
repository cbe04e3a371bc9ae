// Single-precision constants held in double precision.
//
// Many coefficients of the engine's methods are single-precision values that
// are carried in double-precision arithmetic: 0.0075 means the float nearest to
// 0.0075, that is 0.007499999832361937, not the double nearest to 0.0075. The
// results depend on that difference in their last digits, so such constants are
// written as sp(0.0075f), which reads as what it is and yields exactly that value.
#pragma once

namespace quarn {

constexpr double sp(float value) {
  return value;
}

}  // namespace quarn
