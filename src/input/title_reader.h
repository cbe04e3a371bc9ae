// The TITLE section: five text lines that head the report.
#pragma once

#include "engine/run_context.h"

namespace quarn::input {

// Entered after the "TITLE" keyword line; reads the next five lines as text
// lines (at most 256 characters each, stored as written) into the title block.
void readTitle(engine::RunContext& ctx);

}  // namespace quarn::input
