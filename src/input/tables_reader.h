// The short sections of tables along the pile and single values: TIP SHEAR,
// PILE BATTER AND SLOPE, GROUPEFF / GROUP EFFECT FACTORS, SOIL MOVEMENTS and
// DEPTHS OF PRINTED P-Y CURVES.
#pragma once

#include "engine/run_context.h"

namespace quarn::input {

void readTipShear(engine::RunContext& ctx);
void readBatterAndSlope(engine::RunContext& ctx);
// "GROUPEFF" and "GROUP EFFECT FACTORS": p-y multipliers versus depth.
void readGroupEffectFactors(engine::RunContext& ctx);
// Reads nothing unless the soil-movement option is on.
void readSoilMovements(engine::RunContext& ctx);
// Reads nothing unless p-y curve output is on.
void readPyOutputDepths(engine::RunContext& ctx);

}  // namespace quarn::input
