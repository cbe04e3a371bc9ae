// Cemented c-phi silt ("Cem Silt"): the Reese sand curve whose ultimate
// resistance adds the soft-clay bearing resistance of the cohesion to the
// frictional resistance of the sand wedge.
#pragma once

#include "soil/py_framework.h"

namespace quarn::soil {

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
  // Without deflection the initial slope k z, without the multipliers.
  bool belowSmallDeflectionLimit(double y) const { return y < 1e-14; }
  double limitingModulus(double /*pm*/, double /*ym*/) const { return kz; }
  double secantModulus(double y, double pm, double ym) const { return pm * p(y) / (y * ym); }
};

// The curve. The checks of a ground slope steeper than the friction angle
// (runtime error 23) or as steep as it (input error 11) are made where the
// curve is evaluated at a point of the layer sweep.
CementedSiltCurve makeCementedSiltCurve(const CementedSiltInput& in);

// The internal default subgrade modulus of cemented silt (kc of the cohesion
// plus kphi of the friction angle); 0 in general units.
double cementedSiltDefaultK(double c, double phiDegrees, double gamma, bool cyclic, int unitSystem);

// Internal default of epsilon-50 of cemented silt; 0 in general units.
double cementedSiltDefaultEpsilon50(double c, int unitSystem);

// The criterion at a point of the layer sweep.
struct CementedSiltAtPoint {
  double phiDegrees = 0.0;
  double e50 = 0.0;  // printed only; the curve does not use it
  CementedSiltInput in;
  CementedSiltCurve curve;

  bool belowSmallDeflectionLimit(double y) const { return curve.belowSmallDeflectionLimit(y); }
  double limitingModulus(double pm, double ym) const { return curve.limitingModulus(pm, ym); }
  double secantModulus(double y, double pm, double ym) const {
    return curve.secantModulus(y, pm, ym);
  }
  // pu by trapezoids, down to the layer bottom; in the first layer with the
  // ground above the pile head, from 3 c D to pu.
  void addToLayerIntegral(LayerIntegral& F, const PyPoint& point) const;
};

}  // namespace quarn::soil
