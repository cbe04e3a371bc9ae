// Matlock's soft clay p-y curves (1970), static and cyclic: key "SoftClay"
// with the J factor 0.5, and key "SoftClyJ" with J from the soil profile.
//
//   y50 = 2.5 eps50 D
//   pu  = min(3 + gamma' z / c + J z / D, 9) c D       (times a sloping-ground factor)
//   p   = 0.5 pu (y / y50)^(1/3)                        up to 8 y50 (static), then pu
//   cyclic: the same up to 3 y50, then pc = 0.72 pu below the transition depth
//           xr, or a decline from pc to pc z / xr at 15 y50 above it.
#pragma once

#include "engine/single_precision.h"
#include "soil/criteria.h"
#include "soil/py_framework.h"

namespace quarn::soil {

// One third in single precision, the exponent of the curve.
inline constexpr double kSoftClayExponent = sp(1.0f / 3.0f);
// 0.5 x 3^(1/3): the cyclic plateau pc / pu, where the static curve stands at 3 y50.
inline constexpr double kSoftClayCyclicRatio = sp(0.7211247682571411f);
// Below y = 0.00001 y50 the curve is replaced by its tangent there, k0 y.
inline constexpr double kSoftClaySmallDeflection = sp(0.00001f);

// Parameters of one curve, the values at the depth of a node.
struct SoftClayInput {
  double c = 0.0;      // undrained shear strength
  double gamma = 0.0;  // average effective unit weight above the depth
  double e50 = 0.0;    // strain at half the strength
  double J = 0.5;
  double D = 0.0;   // pile diameter
  double z = 0.0;   // depth used in the resistance formulas
  double fs = 1.0;  // sloping-ground factor of the bearing factor
  bool cyclic = false;
};

// The curve at one depth with the quantities the report prints.
struct SoftClayCurve {
  double y50 = 0.0;
  double xr = 0.0;         // transition depth 6 D c / (J c + gamma' D)
  double xrPrime = 0.0;    // max(2.5 D, xr)
  double puShallow = 0.0;  // c D Np before the sloping-ground factor
  double puDeep = 0.0;     // 9 c D
  double pu = 0.0;
  double pc = 0.0;   // cyclic plateau
  double pcs = 0.0;  // cyclic residual near the surface
  double k0 = 0.0;   // limiting modulus: tangent at 0.00001 y50
  double z = 0.0;
  bool cyclic = false;

  // Soil resistance at deflection y >= 0 (already divided by the y-multiplier).
  double p(double y) const;
  // True where the limiting modulus k0 replaces the curve.
  bool belowSmallDeflectionLimit(double y) const { return y < kSoftClaySmallDeflection * y50; }
};

SoftClayCurve makeSoftClayCurve(const SoftClayInput& in);

// Factor on the bearing factor for sloping ground: theta the effective slope
// angle (radians), yn the signed deflection of the node. Loading towards the
// downhill side reduces the resistance.
double softClaySlopeFactor(double theta, double yn);

// Internal default of epsilon-50 from the strength c (US customary: psi; SI:
// kPa); 0 in general units, where none exists.
double defaultEpsilon50(double c, int unitSystem);

// The curve of either key at a point of the layer sweep, with the soil values
// its printed block shows.
struct SoftClayAtPoint {
  Criterion criterion = Criterion::kSoftClay;  // or kSoftClayJ
  SoftClayInput soil;                          // z is the depth of the resistance formulas
  SoftClayCurve curve;

  bool belowSmallDeflectionLimit(double y) const { return curve.belowSmallDeflectionLimit(y); }
  // The tangent k0, without the multipliers.
  double limitingModulus(double /*pm*/, double /*ym*/) const { return curve.k0; }
  double secantModulus(double y, double pm, double ym) const { return pm * curve.p(y) / (ym * y); }
  // Static loading: pu by trapezoids; cyclic loading: pc, and pcs above the
  // transition depth. At the last node pu over one increment; in the first
  // layer with the ground above the pile head, from 3 c D to pu.
  void addToLayerIntegral(LayerIntegral& F, const PyPoint& point) const;
};

}  // namespace quarn::soil
