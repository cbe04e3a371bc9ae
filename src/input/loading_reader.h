// The load sections: LOADING (pile-head load cases and a distributed lateral
// load), LRFD LOADS (unfactored load groups), LRFD FACTORS AND CASES (load
// combinations) and AXIAL THRUST LOADS (thrusts of a bending-stiffness run).
#pragma once

#include "engine/run_context.h"

namespace quarn::input {

// Resistance factor put in place of a factor of zero or less.
inline constexpr double kDefaultResistanceFactor = 0.75;

void readLoading(engine::RunContext& ctx);
void readLrfdLoads(engine::RunContext& ctx);
void readLrfdFactors(engine::RunContext& ctx);
void readAxialThrustLoads(engine::RunContext& ctx);

}  // namespace quarn::input
