// The pile-head stiffness terms in the report (two tables: the shear runs
// with K22 and K32, the moment runs with K23 and K33) and in the plot file
// (ten Line 14 records), or the warning that explains why general units
// gave no terms. A computation abandoned on a run that did not converge
// writes nothing.
#pragma once

#include "analysis/head_stiffness.h"
#include "engine/run_context.h"

namespace quarn::report {

void Write_Head_Stiffness(engine::RunContext& ctx, const analysis::HeadStiffness& stiffness);

}  // namespace quarn::report
