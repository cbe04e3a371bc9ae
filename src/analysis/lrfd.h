// LRFD load combinations: the factored pile-head loads of every combination
// from the unfactored load groups (turned into shear and axial force along a
// battered pile), the distinct factored axial thrusts for the section
// analysis, and the factored distributed lateral load at every node. The
// load-case loop analyses combination L as a load case of load type 1.
#pragma once

#include "engine/run_context.h"

namespace quarn::analysis {

// Smallest batter angle (radians) for which the loads are transformed.
inline constexpr double kLrfdBatterThreshold = 1.0e-6;

// Fills model.lrfd: the totals of the groups by load type, the factored
// loads of every combination (transformed for batter), the distinct factored
// axial forces with each combination's index among them; and replaces the
// run's axial thrust list by those forces (in kips in US customary runs).
// Writes nothing: the input echo prints the LRFD loading blocks from it.
void Compute_Lrfd_Loads(AnalysisModel& model);

// Fills `LrfdTypeNodeLoad` for the grid of the current case: for every load
// type, the average over each node's tributary length of the distributed
// loads of its groups. Needs x(k), h and the pile length of the case.
void Compute_Lrfd_Distributed_Loads(AnalysisModel& model);

// The "Distributed Lateral Loads for LRFD" blocks of the load types that load
// some node, written for every case analysed.
void writeLrfdDistributedLoads(engine::RunContext& ctx);

// `fn_Lrfd_Node_Load`(k, L): the factored distributed load of combination L
// at node k.
double fn_Lrfd_Node_Load(const AnalysisModel& model, int k, int L);

// The head condition of combination L: load type 1 with its factored shear,
// moment and axial thrust.
HeadCondition lrfdHeadCondition(const AnalysisModel& model, int L);

}  // namespace quarn::analysis
