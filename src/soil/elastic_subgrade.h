// Elastic subgrade ("Elast SG"): a linear spring p = k b y, k given at the
// layer top and bottom. The layer counts as rock-like in the layer sweep.
#pragma once

#include "soil/py_framework.h"

namespace quarn::soil {

// The criterion at a point of the layer sweep.
struct ElasticSubgradeAtPoint {
  double k = 0.0;  // subgrade modulus at the depth
  double b = 0.0;  // pile diameter

  double p(double y) const { return k * b * y; }
  // A linear spring: the same modulus at every deflection.
  bool belowSmallDeflectionLimit(double /*y*/) const { return false; }
  double limitingModulus(double pm, double ym) const { return secantModulus(0.0, pm, ym); }
  double secantModulus(double /*y*/, double pm, double ym) const { return pm * k * b / ym; }
};

}  // namespace quarn::soil
