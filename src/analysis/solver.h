// Solution of the finite-difference beam-column equation of the laterally
// loaded pile,
//
//   EI y'''' + Q y'' + Es y = w,
//
// for one set of node stiffnesses, with the pile-head conditions of the load
// case and a free tip (zero moment; shear zero or from the tip shear curve).
// Two sweeps: elimination from the tip up to the head, a small dense system
// for the head conditions, substitution from the head down. O(N) per solution
// on the work arrays of the pile model; nothing is allocated.
#pragma once

#include "engine/run_context.h"

namespace quarn::analysis {

// Smallest pivot the head system accepts.
inline constexpr double kSmallPivot = 1.0e-20;

// What a pivot of the head system below kSmallPivot does.
enum class OnSmallPivot {
  kStopRun,  // the runtime error 11 block, and the run stops (RunStopped)
  kReport,   // the solution reports it and leaves the deflections as they were
};

// One solution for the current EI, Es, w, ys and head condition. Writes the
// new deflections y(-1..N+1), dYmax = the largest change of y(1..N) since the
// previous solution and deltaDYmax = |dYmax - dYmax of the previous solution|
// (the previous value counts as 0 in iteration 1). A small pivot of the head
// system (a lateral bearing failure of the pile) writes the runtime error 11
// block and stops the run, or, when the caller asks for a report, returns
// false without writing anything. Deflections that overflow are left to the
// caller to detect (not a number).
bool Solve_Pile_Deflections(engine::RunContext& ctx, int iteration,
                            OnSmallPivot onSmallPivot = OnSmallPivot::kStopRun);

// Shear force at the tip from the tip shear curve at the tip deflection of
// the previous solution (0 when tip shear is not used); stored in vTip.
void updateTipShear(AnalysisModel& model);

// Gaussian elimination without row exchanges of the n x n head system
// F YG = G (n = 5, or 4 for load type 4) held in the pile model. A pivot
// below kSmallPivot in magnitude writes the runtime error 11 block and stops
// the run; the last pivot is not tested.
void Solve_Head_Equations(engine::RunContext& ctx, int n);

}  // namespace quarn::analysis
