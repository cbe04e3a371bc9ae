// Loess ("KS Loess"), from the cone tip resistance qc and the number of
// cycles N:
//   pu = 0.409 qc b / (1 + 0.24 ln N), Ei = pu / yref,
//   p = Ei y / ((1 + 0.1 exp(-y / yref)) y / yref + 1).
#pragma once

#include "soil/py_framework.h"

namespace quarn::soil {

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

// The criterion at a point of the layer sweep.
struct LoessAtPoint {
  double qc = 0.0;      // cone tip resistance at the depth
  double cycles = 1.0;  // number of cycles of loading of the curve
  LoessCurve curve;

  // The secant, and below 1e-14 (in single precision) the initial modulus
  // Ei, its limit.
  bool belowSmallDeflectionLimit(double y) const;
  double limitingModulus(double pm, double ym) const { return pm / ym * curve.Ei; }
  double secantModulus(double y, double pm, double ym) const { return pm / ym * (curve.p(y) / y); }
};

}  // namespace quarn::soil
