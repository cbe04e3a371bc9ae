// User-input p-y curves ("User p-y"): the curves given at the layer top and
// bottom, interpolated by depth.
#pragma once

#include "soil/py_framework.h"

namespace quarn::soil {

// p of one input curve at deflection y >= 0: linear between the points that
// bracket y, the last p at and beyond the last point, and on the line from
// the origin to the first point before it.
double userCurveP(const UserPyCurve& curve, double y);

// Slope p / y at the first point of the curve with a deflection: the initial
// modulus of the curve.
double userCurveInitialSlope(const UserPyCurve& curve);

// The criterion at a point of the layer sweep.
struct UserPyAtPoint {
  const SoilLayer* layer = nullptr;  // the layer's two curves
  double f = 0.0;  // position of the depth between the layer top (0) and bottom (1)

  // p of the two curves at y, interpolated by the depth.
  double p(double y) const;
  // Without deflection the initial slope of the curves, without the
  // multipliers (0 outside the layer).
  bool belowSmallDeflectionLimit(double y) const { return y < 1e-14; }
  double limitingModulus(double pm, double ym) const;
  double secantModulus(double y, double pm, double ym) const { return pm * p(y) / (ym * y); }
  // The largest p of the curves over one pile increment at every node.
  void addToLayerIntegral(LayerIntegral& F, const PyPoint& point) const;
};

}  // namespace quarn::soil
