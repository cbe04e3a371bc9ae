#include "section/elastic_sections.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "engine/messages.h"
#include "output/format.h"
#include "output/plot_records.h"
#include "section/section_report.h"
#include "section/section_units.h"

namespace quarn::section {

namespace {

using engine::Channel;
using engine::RunContext;
using output::PlotSectionKind;

constexpr double kPoundsPerKip = 1000.0;
constexpr double kElasticCurvatureStep = 10.0;  // every moment finds the same EI
constexpr int kElasticBranchPoints = 100;       // the elastic-plastic table reaches Mp here
constexpr double kPlasticCurvatureStep = 0.2;   // times the yield curvature, beyond point 100

// US customary input is in pounds; the tables hold kips.
double toTableUnits(double value, int IUNITS) {
  return IUNITS == kUnitsUsCustomary ? value / kPoundsPerKip : value;
}

void writePlotRecords(RunContext& ctx, int index, const SectionCurves& curves,
                      PlotSectionKind kind) {
  const int units = ctx.model.options.IUNITS;
  for (int e = 1; e <= curves.thrusts; ++e) {
    const MomentCurvatureTable& t = curves.table[static_cast<std::size_t>(e)];
    output::writePlotLine4(ctx.plot, t.points, t.axialThrust, t.nominalMoment, kind, units);
    for (int k = 1; k <= t.points; ++k) {
      const auto u = static_cast<std::size_t>(k);
      output::writePlotLine5(ctx.plot, t.moment[u], t.EI[u], t.curvature[u], index, e, k, kind,
                             units);
    }
  }
}

[[noreturn]] void stopOnStiffnessRange(RunContext& ctx, int index, int thrust,
                                       const UserEiCheck& check) {
  Channel& out = ctx.report;
  out.emptyLines(2);
  out.line("**** Input Data Error No. 51 ****");
  out.endLine();
  out.line("An error was detected in the input data.");
  out.endLine();
  out.line("Problem:  The nonlinear bending stiffness input by the user varies by more than ");
  out.line("a factor of 100 for a given axial thrust force.");
  output::write(out,
                "(\"          Section \" I0 \", axial thrust no. \" I0 "
                "\": bending stiffness from \" ES12.4 \" to \" ES12.4)",
                {index, thrust, check.smallestEI, check.largestEI});
  out.endLine();
  out.line("Solution: Enter positive values of bending stiffness that describe the section");
  out.line("          from its uncracked to its fully yielded state.");
  engine::stopRun(ctx, "INP00051", engine::kInputErrorBase + kInputUserEiRange);
}

void writeMomentsWarning(Channel& out) {
  out.endLine();
  out.line("**** Warning - POSSIBLE INPUT ERROR ****");
  out.endLine();
  out.line("The input data for nonlinear bending appears to be input incorrectly.");
  out.line("The program assumes that only positive values and increasing values of");
  out.line("bending moment are input to the program.");
  out.endLine();
}

// The report of a user-defined section: the points of every thrust.
void writeUserEiTables(RunContext& ctx, int index, const SectionCurves& curves) {
  Channel& out = ctx.report;
  const SectionUnitLabels& labels = sectionUnitLabels(ctx.model.options.IUNITS);
  const TableUnitTexts& units = tableUnitTexts(ctx.model.options.IUNITS);
  output::write(out,
                "(\"Moment-curvature properties of section \" I0 "
                "\" were derived from the input values for nonlinear M-EI properties.\" /)",
                {index});
  for (int e = 1; e <= curves.thrusts; ++e) {
    const MomentCurvatureTable& t = curves.table[static_cast<std::size_t>(e)];
    output::write(out, "(\"Axial Thrust Force = \" F10.3 A /)", {t.axialThrust, labels.force});
    out.line("     Bending          Bending          Bending");
    out.line("     Moment          Stiffness        Curvature");
    output::write(out, "(T6, A, T23, A, T40, A)", {units.moment, units.stiffness, units.curvature});
    out.line("--------------   --------------   --------------");
    for (int k = 1; k <= t.points; ++k) {
      const auto u = static_cast<std::size_t>(k);
      output::write(out, "(ES14.6, 3X, ES14.6, 3X, ES14.6)",
                    {t.moment[u], t.EI[u], t.curvature[u]});
    }
    out.endLine();
  }
  out.endLine();
}

// Positions 1..n of the user's thrusts in ascending order of thrust (stable).
std::array<int, kMaxUserEiThrusts + 1> ascendingOrder(const std::vector<UserEiCurve>& curves,
                                                      int n) {
  std::array<int, kMaxUserEiThrusts + 1> order{};
  for (int e = 1; e <= n; ++e) order[static_cast<std::size_t>(e)] = e;
  std::stable_sort(order.begin() + 1, order.begin() + 1 + n, [&curves](int a, int b) {
    return curves[static_cast<std::size_t>(a - 1)].axialThrust <
           curves[static_cast<std::size_t>(b - 1)].axialThrust;
  });
  return order;
}

}  // namespace

void fillElasticTable(double EI, int IUNITS, double P, MomentCurvatureTable& table) {
  const double stiffness = toTableUnits(EI, IUNITS);
  table.axialThrust = P;
  table.points = kMaxCurvePoints;
  table.nominalMoment = 0.0;
  table.nominalMomentStrain = 0.0;
  for (int j = 1; j <= kMaxCurvePoints; ++j) {
    const auto u = static_cast<std::size_t>(j);
    table.curvature[u] = kElasticCurvatureStep * j;
    table.moment[u] = stiffness * table.curvature[u];
    table.EI[u] = stiffness;
  }
}

void fillElasticPlasticTable(double EI, double Mp, int IUNITS, double P,
                             MomentCurvatureTable& table) {
  if (!(EI > 0.0) || !(Mp > 0.0)) {
    fillElasticTable(EI, IUNITS, P, table);
    return;
  }
  const double stiffness = toTableUnits(EI, IUNITS);
  const double plasticMoment = toTableUnits(Mp, IUNITS);
  const double yieldCurvature = Mp / EI;
  table.axialThrust = P;
  table.points = kMaxCurvePoints;
  table.nominalMoment = plasticMoment;
  table.nominalMomentStrain = 0.0;
  for (int j = 1; j <= kMaxCurvePoints; ++j) {
    const auto u = static_cast<std::size_t>(j);
    if (j <= kElasticBranchPoints) {
      table.curvature[u] = j * yieldCurvature / kElasticBranchPoints;
      table.moment[u] = stiffness * table.curvature[u];
      table.EI[u] = stiffness;
    } else {
      table.curvature[u] =
          yieldCurvature * (1.0 + kPlasticCurvatureStep * (j - kElasticBranchPoints));
      table.moment[u] = plasticMoment;
      table.EI[u] = plasticMoment / table.curvature[u];
    }
  }
}

UserEiCheck checkUserEiCurve(const UserEiCurve& curve) {
  UserEiCheck check;
  const std::size_t n = std::min(curve.moment.size(), curve.stiffness.size());
  if (n == 0) return check;
  check.smallestEI = check.largestEI = curve.stiffness[0];
  for (std::size_t j = 0; j < n; ++j) {
    const double EI = curve.stiffness[j];
    check.smallestEI = std::min(check.smallestEI, EI);
    check.largestEI = std::max(check.largestEI, EI);
    if (!(curve.moment[j] > 0.0) || (j > 0 && !(curve.moment[j] > curve.moment[j - 1]))) {
      check.momentsNotIncreasing = true;
    }
  }
  check.stiffnessRangeExceeded =
      !(check.smallestEI > 0.0) || check.largestEI > kUserEiMaxRatio * check.smallestEI;
  return check;
}

void fillUserEiTable(const UserEiCurve& curve, int IUNITS, MomentCurvatureTable& table) {
  const int n = static_cast<int>(
      std::min({curve.moment.size(), curve.stiffness.size(), std::size_t{kMaxCurvePoints}}));
  table.axialThrust = toTableUnits(curve.axialThrust, IUNITS);
  table.points = n;
  table.nominalMoment = 0.0;
  table.nominalMomentStrain = 0.0;
  for (int j = 1; j <= n; ++j) {
    const auto u = static_cast<std::size_t>(j);
    const double M = toTableUnits(curve.moment[u - 1], IUNITS);
    const double EI = toTableUnits(curve.stiffness[u - 1], IUNITS);
    table.moment[u] = M;
    table.EI[u] = EI;
    table.curvature[u] = EI != 0.0 ? M / EI : 0.0;
    table.nominalMoment = std::max(table.nominalMoment, M);
  }
}

void Analyze_Elastic_Section(RunContext& ctx, int index, std::span<const double> runThrusts,
                             bool firstSection) {
  AnalysisModel& model = ctx.model;
  const PileSection& section = model.pile.sections[static_cast<std::size_t>(index)];
  const int units = model.options.IUNITS;
  SectionCurves& curves = model.momentCurvature.section[static_cast<std::size_t>(index)];
  Channel& out = ctx.report;

  if (section.type == SectionType::UserEi) {
    const int n = std::min(static_cast<int>(section.userEi.size()), kMaxUserEiThrusts);
    bool warned = false;
    for (int e = 1; e <= n; ++e) {
      const UserEiCheck check = checkUserEiCurve(section.userEi[static_cast<std::size_t>(e - 1)]);
      if (check.stiffnessRangeExceeded) stopOnStiffnessRange(ctx, index, e, check);
      if (check.momentsNotIncreasing && !warned) {
        writeMomentsWarning(out);
        engine::registerWarning(model.state, kWarningUserEiMoments);
        warned = true;
      }
    }
    const std::array<int, kMaxUserEiThrusts + 1> order = ascendingOrder(section.userEi, n);
    curves.thrusts = n;
    curves.table.assign(static_cast<std::size_t>(n + 1), MomentCurvatureTable{});
    for (int e = 1; e <= n; ++e) {
      const int input = order[static_cast<std::size_t>(e)];
      fillUserEiTable(section.userEi[static_cast<std::size_t>(input - 1)], units,
                      curves.table[static_cast<std::size_t>(e)]);
    }
    writeUserEiTables(ctx, index, curves);
    if (firstSection) output::writePlotLine3(ctx.plot, n, PlotSectionKind::kUserDefinedEI);
    writePlotRecords(ctx, index, curves, PlotSectionKind::kUserDefinedEI);
    return;
  }

  // Types 11 and 12: the properties at the top of the section.
  const ElasticData& e = section.elastic;
  const double EI = e.elasticModulus * e.inertiaTop;
  const bool plastic = section.type == SectionType::ElasticPlastic;
  const int n = static_cast<int>(runThrusts.size());
  curves.thrusts = n;
  curves.table.assign(static_cast<std::size_t>(n + 1), MomentCurvatureTable{});
  for (int t = 1; t <= n; ++t) {
    MomentCurvatureTable& table = curves.table[static_cast<std::size_t>(t)];
    const double P = runThrusts[static_cast<std::size_t>(t - 1)];
    if (plastic) {
      fillElasticPlasticTable(EI, e.plasticMomentTop, units, P, table);
    } else {
      fillElasticTable(EI, units, P, table);
    }
  }
  out.line(plastic ? "Moment-curvature properties were derived from elastic-plastic section "
                     "properties"
                   : "Moment-curvature properties were derived from elastic section properties");
  out.emptyLines(2);
  const PlotSectionKind kind =
      plastic ? PlotSectionKind::kElasticPlastic : PlotSectionKind::kElastic;
  if (firstSection) output::writePlotLine3(ctx.plot, n, kind);
  writePlotRecords(ctx, index, curves, kind);
}

}  // namespace quarn::section
