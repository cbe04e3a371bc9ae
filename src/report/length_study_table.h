// The pile-head deflection versus pile length study of a load case: its
// block in the report (the case's head conditions and one row per pile
// length, feet in US customary units) and its plot records (Line 11 and one
// Line 12 per point, inches in US customary units).
#pragma once

#include "analysis/length_study.h"
#include "engine/run_context.h"

namespace quarn::report {

void Write_Length_Study(engine::RunContext& ctx, const analysis::LengthStudy& study);

}  // namespace quarn::report
