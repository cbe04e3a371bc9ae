// The bending-stiffness update of the load-case iteration: every node's EI
// follows the moment-curvature table of its pile section at the curvature
// of the current deflected shape (the secant stiffness M(phi) / phi),
// interpolated between the tables of the two axial thrusts around the
// case's thrust. Elastic sections keep their EI; elastic-plastic sections
// take the plastic moment over the curvature once it is reached.
//
// The tables hold kips and in-kip in US customary runs: moments handed to
// them are divided by 1000 and the stiffness they give multiplied by 1000.
#pragma once

#include <span>

#include "engine/model.h"

namespace quarn::analysis {

// Thrust index of axial thrust Qt in an ascending list thr[0..n-1], counted
// from 1: the i with thr(i) <= Qt < thr(i+1); n when Qt >= thr(n); 1 when
// Qt <= thr(1). 0 for an empty list.
int thrustIndex(std::span<const double> thr, double Qt);

// The case's axial thrust in the tables' force unit: Q, divided by 1000 in
// US customary units.
double tableThrust(const AnalysisModel& model, double Q);

// Curvature at node k from the current deflections: |y(k+1) - 2 y(k) +
// y(k-1)| / h^2 for k < N (node 1 through the imaginary node 0), 0 at the tip.
double nodeCurvature(const PileModel& pm, int k);

// The section whose stiffness node k takes: the first whose bottom lies at
// or below x(k); the last section for a node below every bottom.
int sectionOfNode(const Pile& pile, double x);

// Plastic moment capacity of an elastic-plastic section at distance x from
// the pile head, linear between its top and bottom values (input units).
double plasticMomentAt(const PileSection& section, double x);

// `fn_EI_From_Table`: the secant stiffness of node k (whose moment copy is
// already in the tables' unit) from table a of section s. Sets the node's
// `b_BeyondTable` flag and the global flag when the curvature passes the
// last point. The stiffness is returned in the model's unit (lb-in^2 in US
// customary runs). A section without such a table returns the node's EI.
double fn_EI_From_Table(AnalysisModel& model, int k, int s, int a);

// `Update_Bending_Stiffness`(a, Qt): new EI of every node from the current
// solution (Compute_Node_Response at each node), a the thrust index of Qt in
// the run's thrust list. Afterwards EI(2) and EI(3), which the head
// equations share with the head node, take the head node's stiffness at
// its own curvature (when the head is not in an elastic section).
void Update_Bending_Stiffness(AnalysisModel& model, int a, double Qt);

// The update as the load-case iteration calls it: Qt from the head
// condition's axial thrust and its thrust index in the run's thrust list.
void updateBendingStiffnessForCase(AnalysisModel& model);

}  // namespace quarn::analysis
