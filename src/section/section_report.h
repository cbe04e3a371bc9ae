// The report blocks of the per-section analysis: the dimensions and
// properties of each section type, the prestressing details, the concrete
// properties, the bar positions, the moment-curvature tables with their run
// messages, and the summary of nominal moment capacities.
#pragma once

#include <span>
#include <string_view>

#include "engine/model_tables.h"
#include "engine/run_context.h"
#include "section/moment_curvature.h"
#include "section/section_state.h"

namespace quarn::section {

// Unit words of the moment-curvature tables, which hold kips and in-kip
// (kN and kN-m) whatever the input gave.
struct TableUnitTexts {
  std::string_view curvature;
  std::string_view moment;
  std::string_view stiffness;
  std::string_view length;
  std::string_view strain;
  std::string_view stress;
};
const TableUnitTexts& tableUnitTexts(int IUNITS);

// The dimensions and properties block of the section's type, with the
// prestressing details (prestress given) for prestressed sections.
void writeDimensions(engine::RunContext& ctx, const SectionState& s,
                     const PrestressValues* prestress);

// "Reinforcing Bar Dimensions and Positions Used in Computations:" for
// reinforced-concrete sections with bars.
void writeBarTable(engine::RunContext& ctx, const SectionState& s);

// "Concrete Properties:" of sections with concrete (after slicing).
void writeConcreteProperties(engine::RunContext& ctx, const SectionState& s);

// The definitions of the run messages written before the first table.
void writeRunMessageDefinitions(engine::Channel& report, bool steelPipe);

// The heading of the table of one axial thrust and its rows.
void writeCurveTable(engine::RunContext& ctx, const SectionState& s,
                     const MomentCurvatureCurve& curve);

// The block written when a curve reached 150 points without ending.
void writePointLimitWarning(engine::Channel& report, int points);

// "Summary of Results for Nominal (Unfactored) Moment Capacity for Section n"
// over the tables of the section.
void writeCapacitySummary(engine::RunContext& ctx, int index, bool steelPipe,
                          const SectionCurves& curves);

}  // namespace quarn::section
