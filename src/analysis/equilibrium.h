// Equilibrium verification of a solved load case. Walking down the pile,
// every segment between two neighbouring nodes is checked for the balance of
// lateral forces and of moments computed from the finite-difference results
// alone; the largest imbalances are kept, and at the tip they are judged
// against the limit of the unit system. The check changes no result, writes
// nothing and never stops the run; the results report prints its verdict.
#pragma once

#include "engine/model.h"

namespace quarn::analysis {

// State of the check over one case's results. Value-initialised it is the
// state the walk starts from.
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

// Nodes 1 and 2: the moment just computed becomes the check's latest moment,
// so that it holds M(2) when node 3 is added.
void recordNodeMoment(EquilibriumCheck& check, double moment);

// a = 3..N, in increasing order: checks the segment from node a - 2 to node
// a - 1 with the moment Ma computed for node a. At node 3 the walk starts
// from the head: the moment of its boundary condition and the shear and
// slope by central differences through the imaginary nodes.
void Verify_Node_Equilibrium(const PileModel& pm, EquilibriumCheck& check, int a, double Ma);

// After node N: checks the last segment against the tip shear and a zero tip
// moment (the call for node N + 1).
void completeEquilibriumCheck(const PileModel& pm, EquilibriumCheck& check);

// Moment imbalance above which the solution is questioned, in the report's
// moment unit: 1.0 in-lbs (US customary), 0.00011298 kN-m (SI). General units
// have no limit: 0 is returned.
double momentImbalanceLimit(int unitSystem);

enum class EquilibriumVerdict {
  kNone,        // general units, or an imbalance that is not a number
  kBalanced,    // the largest moment imbalance is within the limit
  kUnbalanced,  // it exceeds the limit: "POSSIBLE SOLUTION ERROR 5501"
};

// The outcome of a completed check.
struct EquilibriumResult {
  double Mmax = 0.0;  // moment imbalance of largest magnitude, signed
  int nodeM = 0;
  double Fmax = 0.0;  // force imbalance of largest magnitude, signed (not judged)
  int nodeF = 0;
  double limit = 0.0;  // on |Mmax|; 0 without a limit
  EquilibriumVerdict verdict = EquilibriumVerdict::kNone;
};

EquilibriumResult equilibriumResult(const EquilibriumCheck& check, int unitSystem);

}  // namespace quarn::analysis
