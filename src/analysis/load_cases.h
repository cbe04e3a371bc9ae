// The nonlinear analysis of the load cases: for every case, the fixed-point
// iteration between the beam-column solution and the p-y springs until the
// largest change of a nodal deflection is within the tolerance.
#pragma once

#include "analysis/case_response.h"
#include "engine/run_context.h"

namespace quarn::analysis {

// Writes the results of a finished case (the report's results tables and the
// plot records of its nodes). The run sequence supplies it.
using CaseResultsWriter = void (*)(engine::RunContext& ctx, const CaseResponse& response);

// The number of cases the loop analyses: the LRFD load combinations in an
// LRFD analysis, otherwise the pile-head load cases.
int numberOfAnalysedCases(const AnalysisModel& model);

// Analyses every pile-head load case (or LRFD combination) in order. After each finished case its
// response is kept for the summary (model.results) and handed to
// writeCaseResults.
void Analyze_Load_Cases(engine::RunContext& ctx, CaseResultsWriter writeCaseResults);

// Features whose analysis is not part of this engine yet stop the run with
// runtime error 40 before any case is solved, rather than giving results
// that silently leave them out.
void checkAnalysisSupported(engine::RunContext& ctx);

}  // namespace quarn::analysis
