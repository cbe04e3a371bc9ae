// The summary of pile responses written after the last load case: one table
// row per case with its pile-head conditions, axial load, head deflection,
// maximum moment, maximum shear and head rotation, one plot record (Line 13)
// per case, and for LRFD analyses the moment performance of every pile
// section under every load combination.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "engine/run_context.h"

namespace quarn::report {

// The summary of every load case from the results the analysis kept
// (model.results). The pile-head stiffness runs come after it and never call
// it.
void Write_Pile_Summary(engine::RunContext& ctx);

// The table heading: title, load type definitions (pile-head load cases) and
// column headings, down to the rule line.
void writeSummaryHeading(engine::Channel& report, int unitSystem, bool lrfd);

// One row of the table: case L of head-condition type t (shear and moment
// for every LRFD combination) with its two head-condition values, its axial
// load and the results the analysis kept for it.
void writeSummaryRow(engine::Channel& report, int L, HeadLoadType t, double value1, double value2,
                     double axialLoad, const CaseResult& result);

// ---- LRFD moment performance ------------------------------------------------

// One row of the LRFD performance table: pile section i under combination j.
struct LrfdPerformanceRow {
  int combination = 0;                   // j
  int section = 0;                       // i
  double flexureResistanceFactor = 0.0;  // phiM of the combination
  // Factored moment capacity in the report's moment unit; none for an
  // elastic section, whose capacity is unlimited.
  std::optional<double> capacity;
  double maxMoment = 0.0;       // signed moment of largest magnitude in the section
  double maxShear = 0.0;        // signed shear of largest magnitude in the section
  double headDeflection = 0.0;  // y(1) of the combination
  double headRotation = 0.0;
  std::string_view name;  // of the combination
};

// Factored moment capacity C of a section: none for an elastic section
// (type 11); phiM x Mp for an elastic-plastic section (type 12), Mp being the
// plastic moment at the node of the section's maximum moment (in-lbs in US
// customary units); otherwise phiM x Mn, Mn from the moment-curvature table
// of the combination's thrust (in-kips in US customary units, so times 1000).
std::optional<double> factoredMomentCapacity(SectionType sectionType, double phiM, double plasticMoment,
                                             double nominalMoment, int unitSystem);

// The LRFD performance table with its heading and closing line. Every failing
// row (capacity not above the magnitude of the moment) registers warning
// -400. Returns the number of failing rows.
int writeLrfdPerformanceTable(engine::RunContext& ctx, std::span<const LrfdPerformanceRow> rows);

}  // namespace quarn::report
