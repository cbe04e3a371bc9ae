// Piedmont residual soil ("Piedmont"), from the initial modulus Ei of a field
// test (standard penetration, cone, dilatometer or pressuremeter):
//   p = Ei b y up to y1 = 0.001 b, then Ei b y (1 - 0.216 ln(1000 y / b)) up
//   to yu = 0.0375 b, and pu = 0.216 Ei b yu beyond.
// The layer counts as rock-like in the layer sweep.
#pragma once

#include "soil/py_framework.h"

namespace quarn::soil {

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

// The criterion at a point of the layer sweep.
struct PiedmontAtPoint {
  int test = 0;            // field test code
  double testValue = 0.0;  // its value at the depth
  PiedmontCurve curve;

  // Below 1e-14 (in single precision) the initial modulus Ei b.
  bool belowSmallDeflectionLimit(double y) const;
  double limitingModulus(double /*pm*/, double ym) const { return curve.Ei * curve.b / ym; }
  double secantModulus(double y, double pm, double ym) const { return curve.p(y) / y * pm / ym; }
};

}  // namespace quarn::soil
