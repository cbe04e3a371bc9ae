// The remaining p-y criteria.
//
// Piedmont residual soil ("Piedmont"), from the initial modulus Ei of a field
// test (standard penetration, cone, dilatometer or pressuremeter):
//   p = Ei b y up to y1 = 0.001 b, then Ei b y (1 - 0.216 ln(1000 y / b)) up
//   to yu = 0.0375 b, and pu = 0.216 Ei b yu beyond.
// Loess ("KS Loess"), from the cone tip resistance qc and the number of cycles N:
//   pu = 0.409 qc b / (1 + 0.24 ln N), Ei = pu / yref,
//   p = Ei y / ((1 + 0.1 exp(-y / yref)) y / yref + 1).
// Elastic subgrade ("Elast SG"): p = k b y.
// User-input curves ("User p-y"): the curves given at the layer top and bottom,
//   interpolated by depth.
// Cemented silt ("Cem Silt"): the Reese sand curve whose ultimate resistance
//   adds the soft-clay bearing resistance of the cohesion to the frictional
//   resistance (other_criteria_silt.cpp).
#pragma once

#include <array>

#include "engine/run_context.h"
#include "engine/single_precision.h"
#include "soil/py_framework.h"

namespace quarn::soil {

// ---- Piedmont residual soil --------------------------------------------------------

// Field tests of a Piedmont layer.
inline constexpr int kFieldTestSpt = 1;
inline constexpr int kFieldTestCpt = 2;
inline constexpr int kFieldTestDmt = 3;
inline constexpr int kFieldTestPmt = 4;

// Initial modulus per unit of the test value: Ei = factor x test value; 0 for
// a code that is no test.
double piedmontModulusFactor(int fieldTest, int unitSystem);

struct PiedmontCurve {
  double Ei = 0.0;  // initial modulus from the field test
  double b = 0.0;
  double y1 = 0.0;  // end of the initial line, 0.001 b
  double yu = 0.0;  // 0.0375 b
  double pu = 0.0;

  double p(double y) const;
};

PiedmontCurve makePiedmontCurve(double Ei, double b);

// ---- loess ---------------------------------------------------------------------

struct LoessInput {
  double qc = 0.0;  // cone tip resistance interpolated in the layer
  double b = 0.0;
  double depth = 0.0;   // below the pile head, for the reduction near the head
  double cycles = 1.0;  // number of cycles of loading
  int unitSystem = kUnitsUsCustomary;
};

struct LoessCurve {
  double qcAdjusted = 0.0;  // qc reduced within 2 b of the pile head
  double yref = 0.0;        // reference deflection
  double pu0 = 0.0;         // 0.409 qc
  double pu = 0.0;
  double Ei = 0.0;  // initial modulus pu / yref

  double p(double y) const;
};

LoessCurve makeLoessCurve(const LoessInput& in);

// ---- user-input curves -----------------------------------------------------------

// p of one input curve at deflection y >= 0: linear between the points that
// bracket y, the last p at and beyond the last point, and on the line from
// the origin to the first point before it.
double userCurveP(const UserPyCurve& curve, double y);

// Slope p / y at the first point of the curve with a deflection: the initial
// modulus of the curve.
double userCurveInitialSlope(const UserPyCurve& curve);

// ---- cemented silt --------------------------------------------------------------

struct CementedSiltInput {
  double c = 0.0;      // cohesion
  double phi = 0.0;    // friction angle, radians
  double gamma = 0.0;  // average effective unit weight above the depth
  double D = 0.0;
  double z = 0.0;      // depth of the resistance formulas
  double z0 = 0.0;     // depth below the ground surface
  double k = 0.0;      // subgrade modulus
  double theta = 0.0;  // effective slope angle, radians (signed)
  double yn = 0.0;     // signed deflection of the node, for the sloping ground
  double J = 0.5;      // soil constant of the cohesive part
  bool cyclic = false;
};

struct CementedSiltCurve {
  double Ka = 0.0;   // active coefficient (of the sloping ground when sloping)
  double s = 1.0;    // sloping-ground factor of the shallow wedge
  double pst = 0.0;  // shallow frictional resistance
  double psd = 0.0;  // deep frictional resistance
  double ps = 0.0;   // the lesser of the two
  double fs = 1.0;   // sloping-ground factor of the bearing factor
  double puc = 0.0;  // cohesive resistance
  double A = 0.0;    // empirical factors of the Reese sand curve at z / D
  double B = 0.0;
  double pu = 0.0;  // A ps + puc
  double ym = 0.0;  // D / 60
  double pm = 0.0;  // 1.5 (ps + puc)
  double yu = 0.0;  // 3 D / 80
  double m = 0.0;   // slope between (ym, pm) and (yu, pu)
  double n = 0.0;   // exponent of the parabola
  double C = 0.0;   // its coefficient
  double yk = 0.0;  // where the parabola meets the initial line
  double kz = 0.0;  // initial modulus k z

  double p(double y) const;
};

// The ground-slope check (runtime error 23) and the check of a slope as steep
// as the friction angle (input error 11) are the routine's; this is the curve.
CementedSiltCurve makeCementedSiltCurve(const CementedSiltInput& in);

// The internal default subgrade modulus of cemented silt (kc of the cohesion
// plus kphi of the friction angle); 0 in general units.
double cementedSiltDefaultK(double c, double phiDegrees, double gamma, bool cyclic, int unitSystem);

// Internal default of epsilon-50 of cemented silt; 0 in general units.
double cementedSiltDefaultEpsilon50(double c, int unitSystem);

// ---- routines ---------------------------------------------------------------------

void piedmontResidualSoil(engine::RunContext& ctx, const CriterionCall& call);
void loess(engine::RunContext& ctx, const CriterionCall& call);
void elasticSubgrade(engine::RunContext& ctx, const CriterionCall& call);
void userPyCurves(engine::RunContext& ctx, const CriterionCall& call);
void cementedSilt(engine::RunContext& ctx, const CriterionCall& call);

}  // namespace quarn::soil
