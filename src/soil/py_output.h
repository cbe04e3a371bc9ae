// p-y curves at requested depths: after the first load case has converged,
// the curve of the soil layer at each output depth of the input is printed to
// the report and plotted, by the same criterion curves that give the springs
// of the analysis, evaluated at that depth. Nothing of the analysis changes.
#pragma once

#include "engine/messages.h"
#include "engine/run_context.h"

namespace quarn::soil {

// Error code of an output depth above the ground surface (input error 23).
// The error is titled NON-FATAL: it is recorded without stopping the run.
inline constexpr int kPyDepthAboveGroundSurface = engine::kInputErrorBase + 23;

// Prints the p-y curves at the output depths of the input, sorted and without
// duplicates: plot Line 6, the report heading, then the curve block and plot
// records of every depth from its layer's criterion. A depth above the ground
// surface writes the input error 23 block, records the error and prints no
// curve. The results of the analysis are read, never changed.
void printPyCurvesAtDepths(engine::RunContext& ctx);

// True when the only error recorded so far is the non-fatal input error 23,
// after which the analysis of the load cases goes on.
inline bool onlyNonFatalError(const AnalysisModel& model) {
  return model.state.errorCode == kPyDepthAboveGroundSurface;
}

}  // namespace quarn::soil
