#include "report/summary.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "analysis/stiffness_update.h"
#include "engine/messages.h"
#include "output/format.h"
#include "output/plot_records.h"
#include "output/report_writers.h"
#include "report/printed_value.h"

namespace quarn::report {

namespace {

using engine::Channel;

constexpr int kLrfdFailureWarning = -400;
constexpr double kKipsToPounds = 1000.0;
constexpr std::size_t kCombinationNameWidth = 256;

void writeLoadTypeDefinitions(Channel& out, int unitSystem) {
  out.line("Definitions of Pile-head Loading Conditions:");
  out.endLine();
  if (unitSystem == kUnitsUsCustomary || unitSystem == kUnitsSi) {
    for (const HeadLoadTypeText& type : kHeadLoadTypes) {
      out.line(unitSystem == kUnitsSi ? type.definitionSi : type.definitionUs);
    }
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
  output::write(report, "(/ / / 80(\"-\") / 27X \"Summary of Pile Response(s)\" / 80(\"-\") 2/)",
                {});
  if (lrfd) {
    writeLrfdColumnHeading(report, unitSystem);
  } else {
    writeLoadTypeDefinitions(report, unitSystem);
  }
  report.line(
      "----  ----  --------------  --------------  -------------  -------------  -------------  "
      "-------------  -------------");
}

void writeSummaryRow(engine::Channel& report, int L, HeadLoadType t, double value1, double value2,
                     double axialLoad, const CaseResult& result) {
  const HeadLoadTypeText* text = headLoadTypeText(t);
  QUARN_ASSERT(text != nullptr, "load type " + std::to_string(headLoadTypeCode(t)));
  int width = 3;
  output::Write_Report_Integer(report, L, width);
  output::Write_Report_Blanks(report, 1);
  report.put(text->summaryLabel1);
  output::Write_Report_Number(report, value1, 11);
  report.put(text->summaryLabel2);
  output::Write_Report_Number(report, value2, 11);
  output::Write_Report_Number(report, axialLoad, 15);
  output::Write_Report_Number(report, printedValue(result.headDeflection), 15);
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

namespace {

// One plot record (Line 13) per case.
void writePlotLines13(engine::RunContext& ctx, int cases) {
  const AnalysisModel& model = ctx.model;
  const int units = model.options.IUNITS;
  for (int L = 1; L <= cases; ++L) {
    const CaseResult& result = model.results.cases[static_cast<std::size_t>(L)];
    output::writePlotLine13(ctx.plot, printedValue(result.headShear),
                            printedValue(result.headDeflection), result.maxMoment, result.maxShear,
                            result.headSlope, units);
  }
}

double lrfdNominalMoment(const AnalysisModel& model, int section, int combination) {
  const SectionCurves& curves = model.momentCurvature.section[static_cast<std::size_t>(section)];
  const LrfdCombinationLoads& loads = model.lrfd.combination[static_cast<std::size_t>(combination)];
  int t = loads.ThrustIndex;
  const PileSection& input = model.pile.sections[static_cast<std::size_t>(section)];
  if (input.type == SectionType::UserEi) {
    // A section with user-defined bending stiffness has tables for the
    // thrusts of its own input: the combination's thrust picks among them
    // as it does for the stiffness of the section.
    std::array<double, kMaxUserEiThrusts> thrusts{};
    const int n = std::min(curves.thrusts, kMaxUserEiThrusts);
    for (int e = 1; e <= n; ++e) {
      thrusts[static_cast<std::size_t>(e - 1)] =
          curves.table[static_cast<std::size_t>(e)].axialThrust;
    }
    t = analysis::thrustIndex(std::span<const double>(thrusts.data(), static_cast<std::size_t>(n)),
                              analysis::tableThrust(model, loads.FactoredAxial));
  }
  QUARN_ASSERT(
      t >= 1 && t <= curves.thrusts && static_cast<std::size_t>(t) < curves.table.size(),
      "no moment-curvature table " + std::to_string(t) + " of section " + std::to_string(section));
  return curves.table[static_cast<std::size_t>(t)].nominalMoment;
}

// Plastic moment of an elastic-plastic section where it carried its largest
// moment. A section in which no node lies (or whose moments are all zero)
// has no such node: its plastic moment at its top stands for it.
double lrfdPlasticMoment(const AnalysisModel& model, int section, const SectionMaxima& maxima) {
  const PileSection& input = model.pile.sections[static_cast<std::size_t>(section)];
  const PileModel& pm = model.pileModel;
  const int k = maxima.momentNode;
  const double x = (k >= 1 && k <= pm.N) ? pm.node[static_cast<std::size_t>(k)].x : input.topDepth;
  return analysis::plasticMomentAt(input, x);
}

void writeLrfdSummary(engine::RunContext& ctx) {
  const AnalysisModel& model = ctx.model;
  Channel& out = ctx.report;
  const int units = model.options.IUNITS;
  const int cases = model.loads.numberOfLrfdCombinations;
  QUARN_ASSERT(model.lrfd.computed, "LRFD summary without the factored loads");
  writeSummaryHeading(out, units, true);
  for (int L = 1; L <= cases; ++L) {
    const LrfdCombinationLoads& f = model.lrfd.combination[static_cast<std::size_t>(L)];
    writeSummaryRow(out, L, HeadLoadType::kShearMoment, f.FactoredShear, f.FactoredMoment,
                    f.FactoredAxial, model.results.cases[static_cast<std::size_t>(L)]);
  }
  writePlotLines13(ctx, cases);

  const int sections = std::clamp(model.pile.numberOfSections, 0, kMaxSections);
  std::vector<LrfdPerformanceRow> rows;
  rows.reserve(static_cast<std::size_t>(cases * sections));
  for (int j = 1; j <= cases; ++j) {
    const LrfdCombination& combination = model.loads.lrfdCombinations[static_cast<std::size_t>(j)];
    const CaseResult& result = model.results.cases[static_cast<std::size_t>(j)];
    for (int i = 1; i <= sections; ++i) {
      const SectionType type = model.pile.sections[static_cast<std::size_t>(i)].type;
      const SectionMaxima& maxima = result.sectionMaxima[static_cast<std::size_t>(i)];
      const double Mp =
          type == SectionType::ElasticPlastic ? lrfdPlasticMoment(model, i, maxima) : 0.0;
      const double Mn = type == SectionType::Elastic || type == SectionType::ElasticPlastic
                            ? 0.0
                            : lrfdNominalMoment(model, i, j);
      LrfdPerformanceRow row;
      row.combination = j;
      row.section = i;
      row.flexureResistanceFactor = combination.flexureResistanceFactor;
      row.capacity =
          factoredMomentCapacity(type, combination.flexureResistanceFactor, Mp, Mn, units);
      row.maxMoment = maxima.moment;
      row.maxShear = maxima.shear;
      row.headDeflection = printedValue(result.headDeflection);
      row.headRotation = result.headSlope;
      row.name = combination.name;
      rows.push_back(row);
    }
  }
  writeLrfdPerformanceTable(ctx, rows);
}

}  // namespace

void Write_Pile_Summary(engine::RunContext& ctx) {
  const AnalysisModel& model = ctx.model;
  const Options& options = model.options;
  if (options.useLrfd) {
    writeLrfdSummary(ctx);
    return;
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
  writePlotLines13(ctx, cases);
}

}  // namespace quarn::report
