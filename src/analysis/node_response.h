// Results at a node from the solved deflections: bending moment, shear force,
// slope, soil reaction and combined stress. The functions here compute; the
// response of a whole case (case_response.h) and the bending-stiffness update
// of the iteration build on them.
#pragma once

#include "engine/model.h"

namespace quarn::analysis {

// Moment M = EI y'', shear V = EI y''' + Q y' and slope S = y' at a node.
struct NodeForces {
  double M = 0.0;
  double V = 0.0;
  double S = 0.0;
};

// The head node. Central differences through the imaginary nodes, except for
// load type 5, whose imaginary nodes follow from the prescribed slope: its
// shear and slope use one-sided differences into the pile, and the slope
// shown for the node is the prescribed one.
struct HeadResponse {
  NodeForces forces;           // at node 1; S as shown for the node
  double computedSlope = 0.0;  // slope the deflections give at the head
  double moment3 = 0.0;        // load type 5: M(3) with the head stiffness, used at node 2
};

// Node 1 from the current deflections.
HeadResponse headResponse(const PileModel& pm);

// Node k = 2..N from the current deflections; node 2 of load type 5 uses the
// head values. The tip carries no moment and the tip shear.
NodeForces nodeForces(const PileModel& pm, int k, const HeadResponse& head);

// Soil reaction per unit length at node k: p = -Es (y - ys), the spring
// acting on the deflection relative to the soil when soil movements are in
// use. The distributed load is a load on the pile, not part of p.
double soilReaction(const AnalysisModel& model, int k);

// Combined axial and bending stress |Q|/A + |M| c/I at node k under moment M.
double combinedStress(const AnalysisModel& model, int k, double M);

// Moment at the head from the deflections: E_top (y(2) - 2 y(1) + y(0)) / h^2.
double headMomentFromDeflections(const PileModel& pm);

// Moment of the head's boundary condition: the prescribed moment of load
// types 1 and 4, otherwise the moment the deflections give at the head.
double headBoundaryMoment(const PileModel& pm);

// Results at node k from the current deflections, stored in the node (M, V,
// S, p, stress and the moment copy read by the bending-stiffness update);
// node 1 also keeps the computed head slope. Nodes are processed in order
// 1, 2, ...: node 2 of load type 5 uses values of node 1.
void Compute_Node_Response(AnalysisModel& model, int k);

}  // namespace quarn::analysis
