// Matlock's soft clay p-y curves (Matlock 1970, "Correlations for design of
// laterally loaded piles in soft clay"), written out independently of the
// engine as the reference of the soil tests.
#pragma once

#include <algorithm>
#include <cmath>

namespace quarn::soil::testing {

struct MatlockClay {
  double c;      // undrained shear strength at the depth
  double gamma;  // average effective unit weight above the depth
  double e50;
  double J;
  double b;  // pile width
  double z;  // depth below the ground surface
  bool cyclic;
};

// Ultimate resistance per unit length: the lesser of the wedge and the flow-around values.
inline double matlockUltimate(const MatlockClay& s) {
  const double wedge = (3.0 + s.gamma * s.z / s.c + s.J * s.z / s.b) * s.c * s.b;
  return std::min(wedge, 9.0 * s.c * s.b);
}

inline double matlockY50(const MatlockClay& s) {
  return 2.5 * s.e50 * s.b;
}

// Depth where the wedge value reaches 9 c b.
inline double matlockTransitionDepth(const MatlockClay& s) {
  return 6.0 * s.b * s.c / (s.gamma * s.b + s.J * s.c);
}

// p at deflection y >= 0. The cyclic plateau is the static curve's value at
// 3 y50, 0.5 x 3^(1/3) pu (Matlock's "0.72 pu").
inline double matlockP(const MatlockClay& s, double y) {
  const double pu = matlockUltimate(s);
  const double y50 = matlockY50(s);
  const double shape = 0.5 * pu * std::cbrt(y / y50);
  if (!s.cyclic) return y <= 8.0 * y50 ? shape : pu;
  if (y <= 3.0 * y50) return shape;
  const double plateau = 0.5 * std::cbrt(3.0) * pu;
  const double xr = matlockTransitionDepth(s);
  if (s.z >= xr) return plateau;
  const double residual = plateau * s.z / xr;
  if (y >= 15.0 * y50) return residual;
  return plateau + (residual - plateau) * (y - 3.0 * y50) / (12.0 * y50);
}

}  // namespace quarn::soil::testing
