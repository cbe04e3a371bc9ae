// The verdict of the equilibrium check of a case's results: a confirmation
// line in the report, or the warning "POSSIBLE SOLUTION ERROR 5501" in the
// report and the run messages.
#pragma once

#include "analysis/equilibrium.h"
#include "engine/run_context.h"

namespace quarn::report {

// A balanced solution gets the confirmation unless only the summary is
// printed or the pile-head stiffness runs are on; an unbalanced one gets the
// warning whatever the options. Without a verdict nothing is written.
void writeEquilibriumVerdict(engine::RunContext& ctx, const analysis::EquilibriumResult& result);

}  // namespace quarn::report
