// The per-section driver: for every pile section, its report (dimensions,
// capacities, bar positions, concrete properties) and its moment-curvature
// tables, computed by the sliced analysis for concrete and steel pipe
// sections and filled directly for the elastic, elastic-plastic and
// user-defined stiffness sections. The tables stay in the model for the
// bending-stiffness update of the pile analysis.
#pragma once

#include <array>

#include "engine/run_context.h"
#include "section/moment_curvature.h"
#include "section/section_state.h"

namespace quarn::section {

// Runtime errors of axial thrusts beyond the structural capacity.
inline constexpr int kRuntimeThrustAboveCapacity = 24;
inline constexpr int kRuntimeThrustBelowTensileCapacity = 25;
inline constexpr int kRuntimeLrfdThrustAboveCapacity = 26;
inline constexpr int kRuntimeLrfdThrustBelowTensileCapacity = 27;

// The run's axial thrust list in the tables' force unit (kips or kN),
// ascending: the list derived after the input, or, when interaction
// diagrams were requested (no list derived), the forces of "AXIAL THRUST
// LOADS". Returns the count.
int runThrustList(const AnalysisModel& model, std::array<double, kMaxAxialThrusts + 1>& thrusts);

// Working memory of the section analysis, allocated once per run.
struct SectionWork {
  SectionState state;
  MomentCurvatureCurve curve;
};

// The analysis of every pile section with its progress lines and the
// heading of the report. `progressForEverySection`: the "Computing ..." line
// is written for every section (bending stiffness only) or for the first.
void Analyze_Pile_Sections(engine::RunContext& ctx, bool progressForEverySection);

// Section `index`: report, tables and plot records (Line 3 for the first
// section). Stops the run on the errors of its analysis.
void Analyze_Section(engine::RunContext& ctx, int index, SectionWork& work, bool firstSection);

}  // namespace quarn::section
