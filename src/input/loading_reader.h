// The load sections: LOADING (pile-head load cases and a distributed lateral
// load), LRFD LOADS (unfactored load groups), LRFD FACTORS AND CASES (load
// combinations) and AXIAL THRUST LOADS (thrusts of a bending-stiffness run).
#pragma once

#include <vector>

#include "engine/run_context.h"

namespace quarn::input {

// Resistance factor put in place of a factor of zero or less.
inline constexpr double kDefaultResistanceFactor = 0.75;

void readLoading(engine::RunContext& ctx);
void readLrfdLoads(engine::RunContext& ctx);
void readLrfdFactors(engine::RunContext& ctx);
void readAxialThrustLoads(engine::RunContext& ctx);

// The axial forces, in input order and input units, from which the axial
// thrust list of the section analysis is derived after END: the axial force
// of every LRFD load group in an LRFD analysis; otherwise the thrusts of the
// later of LOADING (every load case) and AXIAL THRUST LOADS.
std::vector<double> axialThrustSourceValues(const AnalysisModel& model);

}  // namespace quarn::input
