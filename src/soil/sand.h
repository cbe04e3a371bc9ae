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
//
// Liquefied sand ("Liq Sand", Rollins et al. 2005): p = Pd A (B y)^C in kN/m
// for y in mm, A, B and C functions of the depth in metres, up to 15 kN/m
// (0.3 m pile) or the deflection of 150 mm, Pd a factor of the diameter.
#pragma once

#include <array>

#include "engine/run_context.h"
#include "engine/single_precision.h"
#include "soil/py_framework.h"

namespace quarn::soil {

// Empirical factors of Reese sand at z / b = 0, 0.5, 1, 1.5, 2, 2.5, 3, 4, 5, 6
// (also the A factor of the equivalent depth of a sand layer).
namespace reese_sand {
inline constexpr std::array<double, 10> kDepthRatios = {0.0, 0.5, 1.0, 1.5, 2.0,
                                                        2.5, 3.0, 4.0, 5.0, 6.0};
inline constexpr std::array<double, 10> kStaticA = {sp(2.83f), sp(2.48f), sp(2.11f), sp(1.76f),
                                                    sp(1.48f), sp(1.23f), sp(1.06f), sp(0.90f),
                                                    sp(0.88f), sp(0.88f)};
inline constexpr std::array<double, 10> kStaticB = {sp(2.14f), sp(1.83f), sp(1.54f), sp(1.27f),
                                                    sp(1.05f), sp(0.86f), sp(0.71f), sp(0.53f),
                                                    sp(0.50f), sp(0.50f)};
inline constexpr std::array<double, 10> kCyclicA = {sp(0.75f), sp(0.93f), sp(1.07f), sp(1.11f),
                                                    sp(1.03f), sp(0.98f), sp(0.94f), sp(0.90f),
                                                    sp(0.88f), sp(0.88f)};
inline constexpr std::array<double, 10> kCyclicB = {sp(0.53f), sp(0.72f), sp(0.83f), sp(0.86f),
                                                    sp(0.82f), sp(0.77f), sp(0.70f), sp(0.55f),
                                                    sp(0.55f), sp(0.55f)};
}  // namespace reese_sand

inline constexpr int kWarningReeseSandFriction = -302;  // phi below 20 or above 48 degrees
inline constexpr int kWarningApiSandFriction = -303;

// Default subgrade modulus k at friction angle phiDegrees (lb/in3 in US
// customary units; kN/m3 in SI units, for submerged sand when gamma' is at
// most 12.225 kN/m3, for sand above the water table otherwise). General
// units have no default: 0.
double defaultSandModulus(double phiDegrees, double gamma, int unitSystem);

// The wedge and flow-around resistances of Reese sand, with the angles of
// the failure wedge.
struct SandWedge {
  double phi = 0.0;  // radians
  double alpha = 0.0;
  double beta = 0.0;
  double K0 = 0.4;
  double KaLevel = 0.0;   // tan^2(45 deg - phi / 2)
  double tan2Beta = 0.0;  // tan^2(beta), printed as the passive coefficient
};

SandWedge makeSandWedge(double phi, double K0);

// Sloping ground: the active coefficient for an effective slope theta, and
// the divisor s of the wedge (1 on level ground or without deflection).
double slopingActiveCoefficient(double theta, double phi);
double wedgeSlopeDivisor(double theta, double yn, double beta);

// Shallow resistance pst for the active coefficient Ka: the level-ground
// form, or for sloping ground (|theta| > 1e-15, s > 1e-20) its sloping form.
double shallowSandResistance(const SandWedge& w, double Ka, double gamma, double z, double b,
                             double theta, double s);
// Deep resistance psd, with the level-ground active coefficient.
double deepSandResistance(const SandWedge& w, double gamma, double z, double b);

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
  double s = 1.0;
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
  double modulus(double y, double pm, double ym) const;
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
  double modulus(double y, double pm, double ym) const;
  // Resistance at 3 b / 80, the value integrated for layered soil.
  double layeredResistance() const;
};

ApiSandCurve makeApiSandCurve(const ApiSandInput& in);

// ---- liquefied sand -----------------------------------------------------------

struct LiquefiedSandInput {
  double D = 0.0;      // pile diameter (model length unit)
  double depth = 0.0;  // depth below the ground surface (model length unit)
  double gamma = 0.0;  // average effective unit weight above the depth
  bool firstLayer = true;
  int unitSystem = kUnitsSi;
};

struct LiquefiedSandCurve {
  double Db = 0.0;  // diameter in metres
  double Pd = 0.0;  // diameter factor
  double zr = 0.0;  // depth in metres (normalized below the first layer)
  double A = 0.0;
  double B = 0.0;
  double C = 0.0;
  double pr = 0.0;          // p at 150 mm for a 0.3 m pile, kN/m
  double pcap = 0.0;        // min(pr, 15) kN/m
  double Pu = 0.0;          // upper limit, model units
  double ycap = 0.0;        // deflection where the limit is reached, model units
  bool capReached = false;  // the 15 kN/m limit is reached before 150 mm
  int unitSystem = kUnitsSi;

  double p(double y) const;
  double modulus(double y, double pm, double ym) const;
};

LiquefiedSandCurve makeLiquefiedSandCurve(const LiquefiedSandInput& in);

// The criterion routines of the three keys.
void sandReese(engine::RunContext& ctx, const CriterionCall& call);
void sandApi(engine::RunContext& ctx, const CriterionCall& call);
void liquefiedSand(engine::RunContext& ctx, const CriterionCall& call);

}  // namespace quarn::soil
