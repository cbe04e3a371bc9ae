// The nonlinear analysis of the load cases: for every case, the fixed-point
// iteration between the beam-column solution and the p-y springs until the
// largest change of a nodal deflection is within the tolerance.
#pragma once

#include "analysis/case_response.h"
#include "engine/run_context.h"

namespace quarn::analysis {

struct LengthStudy;

// Writes the results of a finished case (the report's results tables and the
// plot records of its nodes). The run sequence supplies it.
using CaseResultsWriter = void (*)(engine::RunContext& ctx, const CaseResponse& response);

// The number of cases the loop analyses: the LRFD load combinations in an
// LRFD analysis, otherwise the pile-head load cases.
int numberOfAnalysedCases(const AnalysisModel& model);

// Writes the pile-length study of a case (its report block and plot records).
using LengthStudyWriter = void (*)(engine::RunContext& ctx, const LengthStudy& study);

// Analyses every pile-head load case (or LRFD combination) in order. After each finished case its
// response is kept for the summary (model.results) and handed to
// writeCaseResults; a case that asks for the pile-length study then runs it
// and hands it to writeLengthStudy.
void Analyze_Load_Cases(engine::RunContext& ctx, CaseResultsWriter writeCaseResults,
                        LengthStudyWriter writeLengthStudy);

// What the runs that reuse the iteration of a load case without being one
// (the pile-head stiffness runs, the trials of the length study) do
// differently from it. A load case is the default.
struct IterationRules {
  // The iteration lines on the run-message file and the last ones in the report.
  bool progressLines = true;
  // Runtime error 29 for a layer that holds no node, tested in iteration 1.
  bool thinLayerCheck = true;
  // The bending stiffness follows the moment-curvature tables whatever the
  // analysis type code says (a load case updates it in analysis type 3 only).
  bool stiffnessUpdateAlways = false;
  enum class NotANumber {
    kStopNamingTheValue,  // runtime error 28 naming the head deflection or its change
    kStopEitherValue,     // runtime error 28, one line for both values, report only
    // The iteration ends unconverged, without a message, on deflections
    // that are not a number or have overflowed.
    kEndIteration,
  };
  NotANumber notANumber = NotANumber::kStopNamingTheValue;
  // Runtime error 9 for a head deflection beyond the limit after iteration
  // 10; otherwise the iteration ends there unconverged, without a message.
  bool excessDeflectionStops = true;
  // Runtime error 11 for a vanishing pivot of the head system (a lateral
  // bearing failure); otherwise the iteration ends unconverged, without a
  // message.
  bool smallPivotStops = true;
};

// The iteration of solution `L` (the load case, stiffness run or trial
// whose number the progress lines show) from the state a setup left. Returns
// the number of solutions made and whether the deflections converged; an
// iteration that ends without convergence under its rules writes nothing.
IterationOutcome iterateCase(engine::RunContext& ctx, int L, const IterationRules& rules);

// The start of a solution that is not a load case, on the nodes already
// placed: deflections and tip shear cleared, the initial springs with the
// vuggy limestone pass, the head condition, and the bending stiffness taken
// from the tables once for the head condition's thrust. Writes no progress
// line and keeps the warning counters.
void startQuietSolution(engine::RunContext& ctx, const HeadCondition& head);

// Features whose analysis is not part of this engine yet stop the run with
// runtime error 40 before any case is solved, rather than giving results
// that silently leave them out.
void checkAnalysisSupported(engine::RunContext& ctx);

}  // namespace quarn::analysis
