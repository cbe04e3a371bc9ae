// The results of a finished load case: heading, pile-head conditions, the
// table along the pile, notes, the equilibrium verdict and the output
// summary, with the plot records of every node. Everything printed comes
// from the case's response, which the analysis computed.
#pragma once

#include "analysis/case_response.h"
#include "engine/run_context.h"

namespace quarn::report {

void Write_Case_Results(engine::RunContext& ctx, const analysis::CaseResponse& response);

}  // namespace quarn::report
