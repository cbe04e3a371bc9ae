// Sand p-y curves, static and cyclic.
//
// Reese sand ("Sand    ", Reese, Cox and Koop 1974), with alpha = phi / 2,
// beta = 45 deg + phi / 2, K0 = 0.4 and Ka = tan^2(45 deg - phi / 2):
//   ps = min(pst, psd), the wedge resistance near the surface
//   pst = gamma' z [K0 z tan(phi) sin(beta) / (tan(beta - phi) cos(alpha))
//         + tan(beta) / tan(beta - phi) (b + z tan(beta) tan(alpha))
//         + K0 z tan(beta) (tan(phi) sin(beta) - tan(alpha)) - Ka b]
//   and the flow-around resistance at depth
//   psd = Ka b gamma' z (tan^8(beta) - 1) + K0 b gamma' z tan(phi) tan^4(beta);
//   pu = A ps at yu = 3b/80, pm = B ps at ym = b/60 (A, B empirical factors of
//   z / b), a straight line between them, a parabola C y^(1/n) from the
//   initial straight line k z y to (ym, pm), and pu beyond yu.
//
// API sand ("API Sand", API RP 2A): the same ultimate resistances written
// with the coefficients C1, C2 and C3, pu = A ps with A = max(0.9, 3 - 0.8 z/b)
// (static) or 0.9 (cyclic), and p = A ps tanh(k z y / (A ps)).
#pragma once

#include "engine/single_precision.h"
#include "soil/py_framework.h"
#include "soil/sand_wedge.h"

namespace quarn::soil {

inline constexpr int kWarningReeseSandFriction = -302;  // phi below 20 or above 48 degrees
inline constexpr int kWarningApiSandFriction = -303;

// Default subgrade modulus k at friction angle phiDegrees (lb/in3 in US
// customary units; kN/m3 in SI units, for submerged sand when gamma' is at
// most 12.225 kN/m3, for sand above the water table otherwise). General
// units have no default: 0.
double defaultSandModulus(double phiDegrees, double gamma, int unitSystem);

// ---- Reese sand -------------------------------------------------------------

struct ReeseSandInput {
  double phi = 0.0;  // radians
  double gamma = 0.0;
  double b = 0.0;
  double z = 0.0;
  double k = 0.0;
  double theta = 0.0;  // effective slope angle
  double yn = 0.0;     // signed deflection of the node
  bool cyclic = false;
};

struct ReeseSandCurve {
  SandWedge wedge;
  double Ka = 0.0;  // active coefficient of the shallow resistance (sloping ground)
  double pst = 0.0;
  double psd = 0.0;
  double ps = 0.0;
  bool shallowControls = true;
  double A = 0.0;
  double B = 0.0;
  double pu = 0.0;
  double pmPrime = 0.0;  // B ps
  double ymPrime = 0.0;  // b / 60
  double yu = 0.0;       // 3 b / 80
  double m = 0.0;        // slope of the straight part
  double n = 0.0;        // exponent of the parabola
  double C = 0.0;        // coefficient of the parabola
  double yk = 0.0;       // where the parabola meets the initial line
  double pk = 0.0;
  double kz = 0.0;  // initial slope and limiting modulus
  double b = 0.0;
  // 1 normal (yk < ym < yu), 2 tri-linear (ym < yk < yu), 3 bi-linear (yk > yu), 0 none.
  int shape = 0;

  // The curve before the cut-off by the initial line, and the curve itself.
  double pBeforeInitialLine(double y) const;
  double p(double y) const;
  // Without deflection the initial slope k z, without the multipliers.
  bool belowSmallDeflectionLimit(double y) const { return y < 1e-14; }
  double limitingModulus(double /*pm*/, double /*ym*/) const { return kz; }
  double secantModulus(double y, double pm, double ym) const { return pm * p(y) / (ym * y); }
};

ReeseSandCurve makeReeseSandCurve(const ReeseSandInput& in);

// ---- API sand ---------------------------------------------------------------

struct ApiSandInput {
  double phi = 0.0;  // radians
  double gamma = 0.0;
  double b = 0.0;
  double z = 0.0;
  double k = 0.0;
  double theta = 0.0;
  double yn = 0.0;
  bool cyclic = false;
};

struct ApiSandCurve {
  SandWedge wedge;
  double Ka = 0.0;  // level, or for sloping ground the sloping value
  double C1 = 0.0;
  double C2 = 0.0;
  double C3 = 0.0;
  double pst = 0.0;
  double psd = 0.0;
  double ps = 0.0;
  double A = 0.0;
  double pu = 0.0;
  double kz = 0.0;
  double z = 0.0;
  double b = 0.0;

  double p(double y) const;
  // Without deflection the initial slope k z, without the multipliers.
  bool belowSmallDeflectionLimit(double y) const { return y < 1e-14; }
  double limitingModulus(double /*pm*/, double /*ym*/) const { return kz; }
  double secantModulus(double y, double pm, double ym) const { return pm * p(y) / (ym * y); }
  // Resistance at 3 b / 80, the value integrated for layered soil.
  double layeredResistance() const;
};

ApiSandCurve makeApiSandCurve(const ApiSandInput& in);

// ---- the two criteria at a point of the layer sweep ------------------------------------

// The soil at a point of a sand layer, as the printed blocks show it.
struct SandSoil {
  double D = 0.0;
  double gamma = 0.0;  // average effective unit weight above the depth
  double phiDegrees = 0.0;
  double k = 0.0;  // subgrade modulus
  bool defaultK = false;
  double z = 0.0;  // depth of the resistance formulas
};

struct ReeseSandAtPoint {
  SandSoil soil;
  ReeseSandCurve curve;

  bool belowSmallDeflectionLimit(double y) const { return curve.belowSmallDeflectionLimit(y); }
  double limitingModulus(double pm, double ym) const { return curve.limitingModulus(pm, ym); }
  double secantModulus(double y, double pm, double ym) const {
    return curve.secantModulus(y, pm, ym);
  }
  // pu by trapezoids, down to the layer bottom; in the first layer with the
  // ground above the pile head, half of pu over the layer.
  void addToLayerIntegral(LayerIntegral& F, const PyPoint& point) const;
};

struct ApiSandAtPoint {
  SandSoil soil;
  ApiSandCurve curve;

  bool belowSmallDeflectionLimit(double y) const { return curve.belowSmallDeflectionLimit(y); }
  double limitingModulus(double pm, double ym) const { return curve.limitingModulus(pm, ym); }
  double secantModulus(double y, double pm, double ym) const {
    return curve.secantModulus(y, pm, ym);
  }
  // As Reese sand, with the resistance at 3 b / 80 for pu.
  void addToLayerIntegral(LayerIntegral& F, const PyPoint& point) const;
};

}  // namespace quarn::soil
