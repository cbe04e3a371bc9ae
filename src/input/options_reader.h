// The OPTIONS section: unit system, analyses to run, loading type, solution
// controls and output options, read as a fixed sequence of lines.
#pragma once

#include "engine/run_context.h"

namespace quarn::input {

// Entered after the "OPTIONS" keyword line; reads the sixteen lines (seventeen
// with interaction diagrams) into model.options. The first line that does not
// hold what its position requires ends the run with its numbered input error.
void readOptions(engine::RunContext& ctx);

}  // namespace quarn::input
