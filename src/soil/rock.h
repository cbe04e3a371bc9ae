// p-y curves in rock: weak rock after Reese (1997), vuggy limestone (strong
// rock) and massive rock after Liang, Yang and Nusairat (2009).
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
// Massive rock ("MassRock"): the Hoek-Brown strength of the rock mass with
// equivalent Mohr-Coulomb parameters, the lesser of a wedge resistance near
// the surface and a flow-around resistance at depth as pu, and the
// hyperbola p = y / (1 / Ki + y / pu).
//
// Rock layers are rock-like in the layer sweep: the layers below them use the
// depth below the ground surface, so the rock routines neither compute nor
// need the equivalent depth of layered soil.
#pragma once

#include "engine/run_context.h"
#include "engine/single_precision.h"
#include "soil/py_framework.h"

namespace quarn::soil {

// Warnings of the rock criteria.
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

// ---- massive rock ---------------------------------------------------------------

struct MassiveRockInput {
  double qu = 0.0;     // uniaxial compressive strength of the intact rock
  double gamma = 0.0;  // average effective unit weight above the depth
  double Ei = 0.0;     // modulus of the intact rock
  double D = 0.0;      // pile diameter
  double EI = 0.0;     // bending stiffness of the pile at the depth
  double H = 0.0;      // depth below the ground surface
  int unitSystem = kUnitsUsCustomary;
};

struct MassiveRockCurve {
  double z0 = 0.0;      // depth of the confining stress (H, never exactly 0)
  double sigmaV = 0.0;  // vertical stress z0 gamma'
  double sigma1 = 0.0;  // Hoek-Brown major principal stress at failure
  double sigmaN = 0.0;  // normal stress of the equivalent Mohr-Coulomb line
  double tau = 0.0;     // its shear stress
  double phi = 0.0;     // equivalent friction angle, radians
  double c = 0.0;       // equivalent cohesion
  double Ka = 0.0;      // active earth pressure coefficient
  double q = 0.0;       // surcharge, at least 0.00001
  double pw = 0.0;      // wedge resistance
  double pd = 0.0;      // flow-around resistance
  double pu = 0.0;      // the lesser of the two
  double Em = 0.0;      // modulus of the rock mass
  double Ki = 0.0;      // initial modulus of the curve

  double p(double y) const;
};

MassiveRockCurve makeMassiveRockCurve(const MassiveRockInput& in);

// Intact-rock modulus Ei at the top and bottom of a massive-rock layer. The
// input gives none: a positive rock modulus held with the layer is taken as
// it is; otherwise Ei is the uniaxial compressive strength times the modulus
// ratio kMassiveRockModulusRatio (the middle of the "average" class, 200 to
// 500, of Deere's classification of intact rock).
inline constexpr double kMassiveRockModulusRatio = 350.0;
LayerValue massiveRockModulus(const SoilLayer& layer);

// ---- shared ---------------------------------------------------------------------

// Which rock's runtime error 20 text a zero-thickness layer gets.
enum class RockKind { kWeakRock, kMassiveRock };

// A per-layer value (given at the layer top and bottom) at depth x of layer k.
// Runtime error 20 when the layer's top and bottom depths are equal.
double fn_LayerValueAt(engine::RunContext& ctx, int k, double x, const LayerValue& value,
                       RockKind kind);

// The criterion routines.
void weakRock(engine::RunContext& ctx, const CriterionCall& call);
void vuggyLimestone(engine::RunContext& ctx, const CriterionCall& call);
void massiveRock(engine::RunContext& ctx, const CriterionCall& call);

}  // namespace quarn::soil
