// The end of every run: closing lines, warning summary, closing of the run
// files and the value handed back to the caller.
#pragma once

#include "engine/run_context.h"

namespace quarn::run {

// Closing lines, warning count, closing of the run files; returns the value
// the entry point hands back to its caller.
int finishRun(engine::RunContext& ctx);

}  // namespace quarn::run
