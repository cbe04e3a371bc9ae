// The nonlinear analysis of the load cases: for every case, the fixed-point
// iteration between the beam-column solution and the p-y springs until the
// largest change of a nodal deflection is within the tolerance.
#pragma once

#include <string>

#include "engine/run_context.h"

namespace quarn::analysis {

// Analyses and reports every pile-head load case in order.
void Analyze_Load_Cases(engine::RunContext& ctx);

// Stops the run with runtime error 40 naming a feature of the input that
// this engine does not analyse yet.
[[noreturn]] void stopOnUnsupported(engine::RunContext& ctx, const std::string& what);

// Features whose analysis is not part of this engine yet stop the run with
// runtime error 40 before any case is solved, rather than giving results
// that silently leave them out.
void checkAnalysisSupported(engine::RunContext& ctx);

}  // namespace quarn::analysis
