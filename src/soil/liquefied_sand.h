// Liquefied sand ("Liq Sand", Rollins et al. 2005): p = Pd A (B y)^C in kN/m
// for y in mm, A, B and C functions of the depth in metres, up to 15 kN/m
// (0.3 m pile) or the deflection of 150 mm, Pd a factor of the diameter.
#pragma once

#include "soil/py_framework.h"

namespace quarn::soil {

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
  // Without deflection p / y is 0 / 0, and the tangent at zero is no help (0
  // for C > 1, the usual case, infinite for C < 1). The node takes the secant
  // at the first deflection of the printed curve: finite and positive, so the
  // first solution of a case has a spring there, and small, as a liquefied
  // layer barely resists small deflections.
  bool belowSmallDeflectionLimit(double y) const { return y < 1e-14; }
  double limitingModulus(double pm, double ym) const;
  double secantModulus(double y, double pm, double ym) const { return pm / ym * p(y) / y; }
};

LiquefiedSandCurve makeLiquefiedSandCurve(const LiquefiedSandInput& in);

// The criterion at a point of the layer sweep.
struct LiquefiedSandAtPoint {
  double gamma = 0.0;  // average effective unit weight above the depth
  LiquefiedSandCurve curve;

  bool belowSmallDeflectionLimit(double y) const { return curve.belowSmallDeflectionLimit(y); }
  double limitingModulus(double pm, double ym) const { return curve.limitingModulus(pm, ym); }
  double secantModulus(double y, double pm, double ym) const {
    return curve.secantModulus(y, pm, ym);
  }
  // The upper limit Pu by trapezoids, as Reese sand.
  void addToLayerIntegral(LayerIntegral& F, const PyPoint& point) const;
};

}  // namespace quarn::soil
