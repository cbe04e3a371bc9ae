// The SECTIONS section: the stack of pile sections from the head down.
#pragma once

#include "engine/run_context.h"

namespace quarn::input {

// Entered after the "SECTIONS" keyword line; reads the number of sections and
// every section with its dimension lines and its concrete, bar, strand or
// stiffness blocks, and accumulates the section lengths into the section
// depths, the pile length and the property stations.
void readSections(engine::RunContext& ctx);

}  // namespace quarn::input
