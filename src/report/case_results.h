// The results of a converged load case: heading, pile-head conditions, the
// table along the pile, notes and the output summary, with the plot records
// of every node and the pile-head values kept for the summary of all cases.
#pragma once

#include "engine/run_context.h"

namespace quarn::report {

// Results of load case L after k iterations, from the final deflections.
void Write_Case_Results(engine::RunContext& ctx, int L, int k);

// Number of sign changes of the deflection along the pile, counting the pair
// of the tip node and the imaginary node below it.
int zeroDeflectionPoints(const PileModel& pm);

}  // namespace quarn::report
