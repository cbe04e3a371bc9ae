// p-y curves in rock after Reese (1997): weak rock, and vuggy limestone
// (strong rock).
//
// Weak rock ("WeakRock"), with the depth xr into rock and the diameter b:
//   alpha_r = 1 - RQD / 150
//   pur = alpha_r qu b (1 + 1.4 xr / b) up to xr = 3 b, 5.2 alpha_r qu b below
//   kir = Kir Eir, Kir = 100 + 400 xr / (3 b) up to 3 b, 500 below
//   yrm = k_rm b;   p = kir y up to yA, then 0.5 pur (y / yrm)^0.25 up to pur
//
// Vuggy limestone ("Vuggy LS"), su = qu / 2:
//   p = 2000 su y up to y1 = 0.0004 b (p1 = 0.8 b su), then p1 + 100 su (y - y1)
//   up to y2 where p = b su; beyond y2 the rock has fractured and only the
//   overburden resists, 0.5 gamma' b z.
//
// Rock layers are rock-like in the layer sweep: the layers below them use the
// depth below the ground surface, so the rock criteria neither compute nor
// need the equivalent depth of layered soil.
#pragma once

#include "engine/single_precision.h"
#include "soil/py_framework.h"

namespace quarn::soil {

// Warnings of weak rock and vuggy limestone.
inline constexpr int kWarningVuggyStrength = -308;      // su outside the range of the tests
inline constexpr int kWarningKrmSmall = -316;           // k_rm below 0.00005
inline constexpr int kWarningKrmLarge = -317;           // k_rm above 0.0005
inline constexpr int kWarningWeakRockWeakUs = -3071;    // qu below 100 psi
inline constexpr int kWarningWeakRockStrongUs = -3072;  // qu above 1000 psi
inline constexpr int kWarningWeakRockWeakSi = -3073;    // qu below 689.5 kPa
inline constexpr int kWarningWeakRockStrongSi = -3074;  // qu above 6895 kPa

// ---- weak rock ----------------------------------------------------------------

struct WeakRockInput {
  double qu = 0.0;   // uniaxial compressive strength
  double rqd = 0.0;  // rock quality designation, percent
  double Eir = 0.0;  // initial modulus of the rock mass
  double krm = 0.0;  // strain factor
  double b = 0.0;    // pile diameter
  double xr = 0.0;   // depth into rock (from the top of the rock below the soil)
};

struct WeakRockCurve {
  double alphaR = 0.0;  // strength reduction for fractured rock
  double pur = 0.0;     // ultimate resistance
  double Kir = 0.0;     // dimensionless initial-modulus factor
  double kir = 0.0;     // initial modulus Kir Eir
  double yrm = 0.0;     // k_rm b
  double yA = 0.0;      // end of the initial straight line

  // Soil resistance at deflection y >= 0 (already divided by the y-multiplier).
  double p(double y) const;
};

WeakRockCurve makeWeakRockCurve(const WeakRockInput& in);

// ---- vuggy limestone ------------------------------------------------------------

struct VuggyLimestoneCurve {
  double su = 0.0;        // half the uniaxial compressive strength
  double y1 = 0.0;        // end of the initial line, 0.0004 b
  double p1 = 0.0;        // 0.8 b su
  double y2 = 0.0;        // failure deflection, where p = b su
  double residual = 0.0;  // 0.5 gamma' b z0 beyond y2

  double p(double y) const;
};

// qu, the average effective unit weight, the diameter and the depth below the
// ground surface.
VuggyLimestoneCurve makeVuggyLimestoneCurve(double qu, double gamma, double b, double z0);

// ---- the criteria at a point of the layer sweep ------------------------------------

struct WeakRockAtPoint {
  double gamma = 0.0;  // average effective unit weight above the depth (printed)
  WeakRockInput in;
  WeakRockCurve curve;

  // The initial modulus on the straight line, and at no deflection (where a
  // rock without strength has yA = 0 and no secant). The straight line
  // reaches a good part of pur, so it carries the multipliers like the rest
  // of the curve: a group's p-multiplier applies from the first deflection.
  bool belowSmallDeflectionLimit(double y) const { return y < curve.yA || y == 0.0; }
  double limitingModulus(double pm, double ym) const { return pm * curve.kir / ym; }
  double secantModulus(double y, double pm, double ym) const { return pm * curve.p(y) / (y * ym); }
};

struct VuggyLimestoneAtPoint {
  double qu = 0.0;  // uniaxial compressive strength
  VuggyLimestoneCurve curve;

  bool belowSmallDeflectionLimit(double y) const { return y < 1e-14; }
  double limitingModulus(double /*pm*/, double ym) const { return 2000.0 * curve.su / ym; }
  double secantModulus(double y, double pm, double ym) const { return pm * (curve.p(y) / y) / ym; }
};

}  // namespace quarn::soil
