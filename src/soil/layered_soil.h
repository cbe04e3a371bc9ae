// Layered soil: the equivalent-depth method (Georgiadis 1983). The resistance
// of the layers above layer k is summed as S, the integral of their ultimate
// resistance over depth; the top of layer k is given the equivalent depth Heq
// at which a uniform deposit of layer k's soil would have accumulated the same
// integral. Depths inside layer k are then (x - layer top) + Heq in the
// resistance formulas.
#pragma once

#include <span>

#include "soil/criteria.h"

namespace quarn::soil {

// The equivalent depth of a layer that has not computed one (the model's
// initial value).
inline constexpr double kEquivalentDepthNotComputed = -10000.0;

// Soil of layer k at its first node, as its criterion has it there.
struct EquivalentDepthInput {
  Criterion criterion = Criterion::kSoftClay;
  bool cyclic = false;
  double D = 0.0;      // pile diameter
  double c = 0.0;      // undrained strength (clays, cemented silt)
  double gamma = 0.0;  // average effective unit weight
  double J = 0.5;      // soft clay J ("SoftClay" uses 0.5)
  double ca = 0.0;     // average undrained strength above the node (stiff clay)
  // Sand and cemented silt: friction angle and wedge angles (radians), earth
  // pressure coefficients, tan^2(beta), and the node's depth below the ground.
  double phi = 0.0;
  double alpha = 0.0;
  double beta = 0.0;
  double K0 = 0.0;
  double Ka = 0.0;
  double tan2Beta = 0.0;
  double z0 = 0.0;
};

// S: the integrated resistance F(i) of the layers i = 1 .. k-1 above layer k,
// a layer's liquefied-sand value standing in when its F is below 0.01. F and
// liquefiedF are indexed by layer number (index 0 unused).
double resistanceAbove(std::span<const double> F, std::span<const double> liquefiedF, int k);

// Heq: the depth at which a uniform deposit of the layer's soil accumulates
// the integrated resistance S. Criteria without such a resistance give 0.
double equivalentDepth(const EquivalentDepthInput& in, double S);

}  // namespace quarn::soil
