// Stiff clay p-y curves, static and cyclic.
//
// Without free water, "StfClyAW" (Welch and Reese 1972), with y50 = 2.5 eps50 b:
//   pu = min((3 + gamma' z / c + 0.5 z / b) c b, 9 c b)   (shallow part times the slope factor)
//   p  = 0.5 pu (y / y50)^(1/4) up to 16 y50, then pu
//   cyclic: the deflections grow with the number of cycles N,
//   p  = min(pu, 0.5 pu (y / ((1 + 0.6 log10 N) y50))^(1/4)).
// "StfClyAK" is the same curve cut off by an initial straight line k z y.
//
// With free water, "StfClyBW" (Reese, Cox and Koop 1975), with y50 = eps50 b,
// ca the average strength above the depth and the empirical factors As, Ac
// of z / b:
//   pc = min(2 ca b + gamma' b z + 2.83 ca z, 11 c b)
//   static: a parabola 0.5 pc (y / y50)^(1/2) that softens beyond As y50 to
//           a residual resistance from 18 As y50 on;
//   cyclic: a parabolic hump up to 0.6 yp (yp = 4.1 As y50), then a decline
//           to a residual resistance from 1.8 yp on;
//   both cut off by the initial straight line k z y.
#pragma once

#include <cmath>

#include "engine/single_precision.h"
#include "soil/criteria.h"
#include "soil/py_framework.h"

namespace quarn::soil {

// Strength warnings, by key: US customary low and high, SI low and high.
inline constexpr int kWarningStiffClayFreeWaterLowUs = -3051;
inline constexpr int kWarningStiffClayFreeWaterHighUs = -3052;
inline constexpr int kWarningStiffClayFreeWaterLowSi = -3053;
inline constexpr int kWarningStiffClayFreeWaterHighSi = -3054;
inline constexpr int kWarningStiffClayNoWaterLowUs = -3061;
inline constexpr int kWarningStiffClayNoWaterHighUs = -3062;
inline constexpr int kWarningStiffClayNoWaterLowSi = -3063;
inline constexpr int kWarningStiffClayNoWaterHighSi = -3064;
inline constexpr int kWarningStiffClayWithKLowUs = -3261;
inline constexpr int kWarningStiffClayWithKHighUs = -3262;
inline constexpr int kWarningStiffClayWithKLowSi = -3263;
inline constexpr int kWarningStiffClayWithKHighSi = -3264;

enum class StiffClayKind { kFreeWater, kNoFreeWater, kNoFreeWaterK };

// Class 1 to 4 of a strength c for the defaults (below 1000, 2000, 4000
// lb/ft2 and above); 0 in general units, where there are no defaults.
int stiffClayStrengthClass(StiffClayKind kind, double c, int unitSystem);

// Default epsilon-50 of the strength class; 0 in general units.
double stiffClayDefaultEpsilon50(StiffClayKind kind, double c, int unitSystem);

// Default subgrade modulus k (lb/in3 or kN/m3) of the strength class; 0 for
// "StfClyAW", which has none, and in general units.
double stiffClayDefaultK(StiffClayKind kind, double c, int unitSystem, bool cyclic);

// Empirical factors of the free-water curves at r = z / b: As of the static
// curve (0.6 from r = 3.3 on) and Ac of the cyclic curve (0.3 from r = 1.5 on).
double fn_AsCoef(double r);
double fn_AcCoef(double r);

// Factor on the shallow resistance for sloping ground, as for soft clay:
// theta the effective slope angle (radians), yn the signed deflection.
// rootHalf is 1 / sqrt(2), held in double or single precision by key.
double stiffClaySlopeFactor(double theta, double yn, double rootHalf);

// ---- without free water ("StfClyAW", "StfClyAK") ---------------------------

// Below this fraction of the pile diameter "StfClyAW" replaces the curve by
// its secant there.
inline constexpr double kStiffClaySmallDeflection = sp(0.00002f);

struct StiffClayNoWaterInput {
  double c = 0.0;      // undrained shear strength at the depth
  double gamma = 0.0;  // average effective unit weight above the depth
  double e50 = 0.0;
  double b = 0.0;   // pile diameter
  double z = 0.0;   // depth used in the resistance formulas
  double fs = 1.0;  // sloping-ground factor of the shallow resistance
  bool cyclic = false;
  double N = 1.0;      // number of cycles of loading
  bool withK = false;  // "StfClyAK": the initial straight line k z y
  double k = 0.0;      // subgrade modulus ("StfClyAK")
};

struct StiffClayNoWaterCurve {
  double y50 = 0.0;
  double pct = 0.0;  // shallow resistance before the slope factor
  double pcd = 0.0;  // deep resistance 9 c b
  double pu = 0.0;
  double cycleFactor = 1.0;  // 1 + 0.6 log10 N (cyclic)
  double yLimit = 0.0;       // 0.00002 b
  double kLimit = 0.0;       // secant of the static curve at yLimit, without multipliers
  double kz = 0.0;           // initial slope k z ("StfClyAK")
  bool cyclic = false;
  bool withK = false;

  // Soil resistance at deflection y >= 0 (already divided by the y-multiplier).
  double p(double y) const;
  // Below the small-deflection limit ("StfClyAW": 0.00002 b; "StfClyAK": no
  // deflection) the node takes the limiting modulus: the secant at the limit
  // with the multipliers, or the initial slope k z without them.
  bool belowSmallDeflectionLimit(double y) const { return withK ? y < 1e-14 : y < yLimit; }
  double limitingModulus(double pm, double ym) const { return withK ? kz : pm / ym * kLimit; }
  double secantModulus(double y, double pm, double ym) const { return pm * p(y) / (ym * y); }
};

StiffClayNoWaterCurve makeStiffClayNoWaterCurve(const StiffClayNoWaterInput& in);

// ---- with free water ("StfClyBW") -------------------------------------------

struct StiffClayFreeWaterInput {
  double c = 0.0;      // undrained shear strength at the depth
  double ca = 0.0;     // average undrained shear strength above the depth
  double gamma = 0.0;  // average effective unit weight above the depth
  double e50 = 0.0;
  double b = 0.0;
  double z = 0.0;
  double fs = 1.0;
  double k = 0.0;
  bool cyclic = false;
};

struct StiffClayFreeWaterCurve {
  double y50 = 0.0;
  double As = 0.0;
  double Ac = 0.0;
  double pct = 0.0;  // shallow resistance before the slope factor
  double pcd = 0.0;  // deep resistance 11 c b
  double pc = 0.0;
  double kz = 0.0;
  double yp = 0.0;        // 4.1 As y50 (cyclic)
  double residual = 0.0;  // resistance at large deflections, printed as pu
  bool cyclic = false;

  double p(double y) const;
  // Without deflection the initial slope k z, without the multipliers.
  bool belowSmallDeflectionLimit(double y) const { return y < 1e-14; }
  double limitingModulus(double /*pm*/, double /*ym*/) const { return kz; }
  double secantModulus(double y, double pm, double ym) const {
    return pm * p(y) / (std::abs(y) * ym);
  }
};

StiffClayFreeWaterCurve makeStiffClayFreeWaterCurve(const StiffClayFreeWaterInput& in);

// The curve of one of the three keys at a point of the layer sweep, with the
// soil values its printed block shows.
struct StiffClayAtPoint {
  StiffClayKind kind = StiffClayKind::kNoFreeWater;
  double D = 0.0;
  double c = 0.0;
  double ca = 0.0;  // average strength above the depth
  double gamma = 0.0;
  double e50 = 0.0;
  double k = 0.0;
  double fs = 1.0;
  double z = 0.0;  // depth of the resistance formulas
  double N = 1.0;  // number of cycles of loading
  // Strength at the ground surface for the layer integral of the first layer
  // when the ground lies above the pile head (analysis nodes only).
  double surfaceC = 0.0;
  StiffClayNoWaterCurve noWater;      // "StfClyAW", "StfClyAK"
  StiffClayFreeWaterCurve freeWater;  // "StfClyBW"

  bool freeWaterCurve() const { return kind == StiffClayKind::kFreeWater; }
  // The resistance the layer integral takes: pu, or with free water the
  // residual resistance the curve keeps at large deflections.
  double ultimate() const { return freeWaterCurve() ? freeWater.residual : noWater.pu; }
  bool belowSmallDeflectionLimit(double y) const;
  double limitingModulus(double pm, double ym) const;
  double secantModulus(double y, double pm, double ym) const;
  void addToLayerIntegral(LayerIntegral& F, const PyPoint& point) const;
};

}  // namespace quarn::soil
