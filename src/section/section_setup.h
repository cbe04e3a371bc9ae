// Preparing the section working state of one pile section: the section kind
// and material models from the input type, dimensions and materials in
// working units (US customary stresses from psi to ksi), and the positions of
// the bars or strands. Then the slicing that the moment-curvature analysis
// needs before its first strain state.
#pragma once

#include "engine/run_context.h"
#include "section/section_state.h"

namespace quarn::section {

// Runtime error (code 242) of a bar or strand layout that cannot be built
// (no diameter, no cover, the bar circle without radius, ...).
inline constexpr int kRuntimeBarLayout = 42;

// Loads pile section `index` (1-based) into `s`, overwriting everything a
// previous section left there. A section marked "same as section above" takes
// the bars of the nearest section above that has its own. Elastic, user
// stiffness and micropile sections are loaded as SectionKind::NotSliced.
// Stops the run (runtime error 41, block in the report and the message file)
// when the bars or strands cannot be placed.
void loadSectionState(engine::RunContext& ctx, int index, SectionState& s);

// Slice grid, component areas and totals, slice depths, and the concrete
// properties of the material state. A section with more than 300 bars writes
// its line to `report` when given.
void sliceSection(SectionState& s, engine::Channel* report = nullptr);

}  // namespace quarn::section
