#include "report/summary.h"

#include <array>
#include <cmath>
#include <string>

#include "engine/messages.h"
#include "output/format.h"
#include "output/plot_records.h"
#include "output/report_writers.h"

namespace quarn::report {

namespace {

using engine::Channel;

constexpr int kLrfdFailureWarning = -400;
constexpr double kKipsToPounds = 1000.0;
constexpr std::size_t kCombinationNameWidth = 256;

// Labels of the two head-condition values by load type 1..5.
struct RowLabels {
  const char* first;
  const char* second;
};
constexpr std::array<RowLabels, 6> kRowLabels = {{
    {"", ""},
    {"    1   V =", "  M ="},
    {"    2   V =", "  S ="},
    {"    3   V =", "  R ="},
    {"    4   y =", "  M ="},
    {"    5   y =", "  S ="},
}};

void writeLoadTypeDefinitions(Channel& out, int unitSystem) {
  out.line("Definitions of Pile-head Loading Conditions:");
  out.endLine();
  if (unitSystem == kUnitsUsCustomary) {
    out.line("Load Type 1: Load 1 = Shear, lbs, and Load 2 = Moment, in-lbs");
    out.line("Load Type 2: Load 1 = Shear, lbs, and Load 2 = Slope, radians");
    out.line("Load Type 3: Load 1 = Shear, lbs, and Load 2 = Rotational Stiffness, in-lbs/radian");
    out.line("Load Type 4: Load 1 = Top Deflection, inches, and Load 2 = Moment, in-lbs");
    out.line("Load Type 5: Load 1 = Top Deflection, inches, and Load 2 = Slope, radians");
    out.emptyLines(2);
  } else if (unitSystem == kUnitsSi) {
    out.line("Load Type 1: Load 1 = Shear, kN, and Load 2 = Moment, kN-m ");
    out.line("Load Type 2: Load 1 = Shear, kN, and Load 2 = Slope, radians");
    out.line("Load Type 3: Load 1 = Shear, kN, and Load 2 = Rotational Stiffness, kN-m/radian");
    out.line("Load Type 4: Load 1 = Top Deflection, m, and Load 2 = Moment, kN-m");
    out.line("Load Type 5: Load 1 = Top Deflection, m, and Load 2 = Slope, radians");
    out.emptyLines(2);
  }
  out.line("               Pile-head      Pile-head ");
  out.line(
      "Load  Load    Condition 1    Condition 2        Axial        Pile-head       Maximum      "
      "  Maximum       Pile-head  ");
  if (unitSystem == kUnitsUsCustomary) {
    out.line(
        "Case  Type    V(lbs) or     in-lb, rad.,       Loading      Deflection       Moment     "
        "     Shear        Rotation   ");
    out.line(
        " No.   No.    y(inches)     or in-lb/rad.        lbs          inches         in-lbs     "
        "      lbs          radians   ");
  } else if (unitSystem == kUnitsSi) {
    out.line(
        "Case  Type    V(kN) or       kN-m, rad.,       Loading      Deflection       Moment     "
        "     Shear        Rotation   ");
    out.line(
        " No.   No.    y(meters)      or kN-m/rad.        kN           meters          kN-m      "
        "      kN           radians   ");
  }
}

void writeLrfdColumnHeading(Channel& out, int unitSystem) {
  out.line(
      "Load  Load      Pile-head     Pile-head         Axial        Pile-head       Maximum      "
      "  Maximum       Pile-Head  ");
  if (unitSystem == kUnitsUsCustomary) {
    out.line(
        "Case  Type        Shear         Moment           Load        Deflection       Moment    "
        "     Shear        Rotation    ");
    out.line(
        " No.   No.         lbs          in-lbs           lbs          inches          in-lbs    "
        "      lbs          radians   ");
  } else if (unitSystem == kUnitsSi) {
    out.line(
        "Case  Type       Shear          Moment           Load        Deflection       Moment    "
        "     Shear        Rotation   ");
    out.line(
        " No.   No.    kilonewtons        kN-m             kN           meters          kN-m     "
        "      kN           radians   ");
  }
}

void writeLrfdPerformanceHeading(Channel& out) {
  output::write(out, "(2/ 80(\"-\"))", {});
  output::write(out, "(19X \"LRFD Performance by Load Case Combination\")", {});
  output::write(out, "(80(\"-\") 2/)", {});
  out.line(
      "Load             Resistance    Factored      Maximum    Fact. Mom.    Pass/Fail     "
      "Maximum                           ");
  out.line(
      "Case   Section     Factor       Moment        Moment     Fraction     for LRFD    Shear "
      "For.    Pile-Top     Pile-Top ");
  out.line(
      " No.     No.     for Moment    Capacity     Developed    Mobilized     Moment      "
      "Developed   Deflection    Rotation ");
  out.line(
      "                              of Section   in Section   in Section   of Section   in "
      "Section    Developed    Developed   Name of Load Case Combination");
  out.line(
      "----   -------   ----------   ----------   ----------   ----------   ----------   "
      "----------   ----------   ----------   -----------------------------------------");
}

// One row; returns true when the section fails under the combination.
bool writeLrfdPerformanceRow(engine::RunContext& ctx, const LrfdPerformanceRow& row) {
  Channel& out = ctx.report;
  int width = 3;
  output::Write_Report_Integer(out, row.combination, width);
  output::Write_Report_Blanks(out, 1);
  width = 7;
  output::Write_Report_Integer(out, row.section, width);
  output::Write_Report_Blanks(out, 3);
  output::Write_Report_Number(out, row.flexureResistanceFactor, 10);
  output::Write_Report_Blanks(out, 6);
  if (row.capacity) {
    output::Write_Report_Number(out, *row.capacity, 10);
  } else {
    out.put(" Infinite ");
  }
  output::Write_Report_Blanks(out, 3);
  output::Write_Report_Number(out, row.maxMoment, 10);
  output::Write_Report_Blanks(out, 3);
  const double magnitude = std::fabs(row.maxMoment);
  if (row.capacity) {
    output::write(out, "(F10.4 $)", {magnitude / *row.capacity});
  } else {
    out.put("    N/A   ");
  }
  output::Write_Report_Blanks(out, 3);
  bool failed = false;
  if (!row.capacity) {
    out.put("    N/A      ");
  } else if (*row.capacity > magnitude) {
    out.put("   Pass      ");
  } else {
    out.put(" > FAIL <    ");
    engine::registerWarning(ctx.model.state, kLrfdFailureWarning);
    failed = true;
  }
  output::Write_Report_Number(out, row.maxShear, 10);
  output::Write_Report_Blanks(out, 3);
  output::Write_Report_Number(out, row.headDeflection, 10);
  output::Write_Report_Blanks(out, 3);
  output::Write_Report_Number(out, row.headRotation, 10);
  output::Write_Report_Blanks(out, 3);
  // The name fills its whole 256-character field.
  std::string name(row.name.substr(0, kCombinationNameWidth));
  name.resize(kCombinationNameWidth, ' ');
  out.line(name);
  return failed;
}

}  // namespace

void writeSummaryHeading(engine::Channel& report, int unitSystem, bool lrfd) {
  output::write(report, "(/ / / 80(\"-\") / 27X \"Summary of Pile Response(s)\" / 80(\"-\") 2/)", {});
  if (lrfd) {
    writeLrfdColumnHeading(report, unitSystem);
  } else {
    writeLoadTypeDefinitions(report, unitSystem);
  }
  report.line(
      "----  ----  --------------  --------------  -------------  -------------  -------------  "
      "-------------  -------------");
}

void writeSummaryRow(engine::Channel& report, int L, int t, double value1, double value2,
                     double axialLoad, const CaseResult& result) {
  if (t < 1 || t > 5) engine::failInvariant("load type " + std::to_string(t));
  int width = 3;
  output::Write_Report_Integer(report, L, width);
  output::Write_Report_Blanks(report, 1);
  report.put(kRowLabels[static_cast<std::size_t>(t)].first);
  output::Write_Report_Number(report, value1, 11);
  report.put(kRowLabels[static_cast<std::size_t>(t)].second);
  output::Write_Report_Number(report, value2, 11);
  output::Write_Report_Number(report, axialLoad, 15);
  output::Write_Report_Number(report, result.headDeflection, 15);
  output::Write_Report_Number(report, result.maxMoment, 15);
  output::Write_Report_Blanks(report, 4);
  output::Write_Report_Number(report, result.maxShear, 11);
  output::write(report, "(F15.8)", {result.headSlope});
}

std::optional<double> factoredMomentCapacity(SectionType sectionType, double phiM, double plasticMoment,
                                             double nominalMoment, int unitSystem) {
  if (sectionType == SectionType::Elastic) return std::nullopt;
  if (sectionType == SectionType::ElasticPlastic) return phiM * plasticMoment;
  const double Mn = unitSystem == kUnitsUsCustomary ? nominalMoment * kKipsToPounds : nominalMoment;
  return phiM * Mn;
}

int writeLrfdPerformanceTable(engine::RunContext& ctx, std::span<const LrfdPerformanceRow> rows) {
  Channel& out = ctx.report;
  writeLrfdPerformanceHeading(out);
  int failures = 0;
  for (const LrfdPerformanceRow& row : rows) {
    if (writeLrfdPerformanceRow(ctx, row)) ++failures;
  }
  if (failures == 0) {
    output::write(out, "(/ \"All LRFD load combinations have passed for all pile sections.\")", {});
  } else {
    output::write(out, "(/ I0 \" LRFD load combinations have failed.\")", {failures});
  }
  return failures;
}

void Write_Pile_Summary(engine::RunContext& ctx) {
  const AnalysisModel& model = ctx.model;
  const Options& options = model.options;
  if (options.useLrfd) {
    // The rows of an LRFD summary show the factored pile-head loads of each
    // combination and its performance table needs the nominal moment
    // capacities; both come from the LRFD analysis, which stops every run
    // before its first combination until it is part of the engine.
    engine::failInvariant("summary of LRFD load combinations without their factored loads");
  }
  Channel& out = ctx.report;
  const int units = options.IUNITS;
  const int cases = model.loads.numberOfLoadCases;
  writeSummaryHeading(out, units, false);
  for (int L = 1; L <= cases; ++L) {
    const PileHeadLoad& load = model.loads.headLoads[static_cast<std::size_t>(L)];
    writeSummaryRow(out, L, load.loadType, load.condition1, load.condition2, load.axialThrust,
                    model.results.cases[static_cast<std::size_t>(L)]);
  }
  for (int L = 1; L <= cases; ++L) {
    const CaseResult& result = model.results.cases[static_cast<std::size_t>(L)];
    output::writePlotLine13(ctx.plot, result.headShear, result.headDeflection, result.maxMoment,
                    result.maxShear, result.headSlope, units);
  }
}

}  // namespace quarn::report
