// Pile properties along the pile: width, area, moment of inertia and bending
// stiffness at any distance from the head, interpolated between the property
// stations of the sections (two per section, filled with the section input),
// and the distributed lateral load a node carries.
#pragma once

#include <span>

#include "engine/model.h"

namespace quarn::engine {

// Width, second dimension, moment of inertia, area and bending stiffness at
// one distance from the pile head (`PileProperties`).
struct PileProperties {
  double D = 0.0;   // width used by the p-y criteria
  double D2 = 0.0;  // depth of the section in the bending direction
  double I = 0.0;
  double A = 0.0;
  double EI = 0.0;
};

// Properties at distance x from the pile head. EI is interpolated as the
// product I x E of the stations, never formed from interpolated E and I, so a
// tapered section has EI linear in depth. At a section boundary the lower
// section's top station counts.
PileProperties Compute_Pile_Properties(const Pile& pile, double x);
inline PileProperties Compute_Pile_Properties(const AnalysisModel& model, double x) {
  return Compute_Pile_Properties(model.pile, x);
}

// A piecewise-linear load profile: points 1..points of depth along the pile
// and load per unit length (element 0 of both spans unused).
struct LoadProfile {
  int points = 0;
  std::span<const double> depth;
  std::span<const double> load;
};

// Average distributed lateral load over the tributary length of a node at
// distance x on a pile of length L with increment h: the load integrated over
// [x - h/2, x + h/2] within the pile, divided by h (h/2 at the head and at
// the tip). No load acts outside the depth range of the profile.
double fn_DistributedLoad(const LoadProfile& profile, double x, double h, double L);

// The integral itself: the load over the node's tributary window within the
// pile and the profile (force), before the division by the window length.
double fn_DistributedLoadIntegral(const LoadProfile& profile, double x, double h, double L);

// The same for the distributed load of the LOADING input on the current grid.
double fn_DistributedLoad(const AnalysisModel& model, double x);

}  // namespace quarn::engine
