// Massive rock after Liang, Yang and Nusairat (2009) ("MassRock"): the
// Hoek-Brown strength of the rock mass with equivalent Mohr-Coulomb
// parameters, the lesser of a wedge resistance near the surface and a
// flow-around resistance at depth as pu, and the hyperbola
// p = y / (1 / Ki + y / pu).
//
// A rock-like layer: the layers below it use the depth below the ground
// surface, and the criterion does not use the equivalent depth of layered soil.
#pragma once

#include "engine/single_precision.h"
#include "soil/py_framework.h"

namespace quarn::soil {

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

// ---- the criterion at a point of the layer sweep -----------------------------------

struct MassiveRockAtPoint {
  MassiveRockInput in;
  MassiveRockCurve curve;

  bool belowSmallDeflectionLimit(double y) const { return y < 1e-14; }
  double limitingModulus(double /*pm*/, double ym) const { return curve.Ki / ym; }
  double secantModulus(double y, double pm, double ym) const { return pm * (curve.p(y) / y) / ym; }
  // pu by trapezoids between the nodes.
  void addToLayerIntegral(LayerIntegral& F, const PyPoint& point) const {
    F.trapezoid(point, curve.pu);
  }
};

}  // namespace quarn::soil
