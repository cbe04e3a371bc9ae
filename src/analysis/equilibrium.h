// Equilibrium verification of a solved load case. While the results routine
// walks down the pile, every segment between two neighbouring nodes is checked
// for the balance of lateral forces and of moments computed from the
// finite-difference results alone; the largest imbalances are kept, and at the
// tip a verdict is written: a confirmation line, or the warning
// "POSSIBLE SOLUTION ERROR 5501". The check changes no result and never stops
// the run.
#pragma once

#include "engine/run_context.h"

namespace quarn::analysis {

// State of the check over one case's results. Value-initialised it is the
// state the results routine starts from.
struct EquilibriumCheck {
  double M_prev = 0.0;  // M(a - 2) when node a is processed
  double M_last = 0.0;  // M(a - 1)
  double G_prev = 0.0;  // dM/dx at node a - 2
  double S_prev = 0.0;  // slope at node a - 2
  // Imbalances of largest magnitude (signed) and the node number of the call
  // that found them.
  double Mmax = 0.0;
  int nodeM = 0;
  double Fmax = 0.0;
  int nodeF = 0;
};

// Sets the largest imbalances and their nodes to 0.
void resetEquilibriumCheck(EquilibriumCheck& check);

// Nodes 1 and 2 of the results: the moment just computed becomes the check's
// latest moment, so that it holds M(2) when node 3 is added.
void recordNodeMoment(EquilibriumCheck& check, double moment);

// a = 3..N: checks the segment from node a - 2 to node a - 1 with the moment
// M(a) that Compute_Node_Response has just stored at node a. a = N + 1:
// checks the last segment against the tip shear and a zero tip moment and
// writes the verdict to the report (and a warning also to the run messages).
// Nodes are added in increasing order.
void Verify_Node_Equilibrium(engine::RunContext& ctx, EquilibriumCheck& check, int a);

// Moment imbalance above which the solution is questioned, in the report's
// moment unit: 1.0 in-lbs (US customary), 0.00011298 kN-m (SI). General units
// have no limit: 0 is returned and no verdict is written.
double momentImbalanceLimit(int unitSystem);

}  // namespace quarn::analysis
