#include "section/section_driver.h"

#include <algorithm>
#include <memory>
#include <span>
#include <string>

#include "engine/messages.h"
#include "output/format.h"
#include "output/plot_records.h"
#include "section/capacities.h"
#include "section/elastic_sections.h"
#include "section/material_warnings.h"
#include "section/section_report.h"
#include "section/section_setup.h"
#include "section/section_units.h"

namespace quarn::section {

namespace {

using engine::Channel;
using engine::RunContext;
using output::write;

constexpr double kPoundsPerKip = 1000.0;

bool givesStiffnessDirectly(SectionType type) {
  return type == SectionType::Elastic || type == SectionType::ElasticPlastic ||
         type == SectionType::UserEi;
}

bool isPrestressedType(SectionType type) {
  return type >= SectionType::CircularPrestressed &&
         type <= SectionType::HollowOctagonalPrestressed;
}

void writeHeading(RunContext& ctx) {
  const AnalysisModel& model = ctx.model;
  Channel& out = ctx.report;
  out.emptyLines(2);
  out.line(std::string(80, '-'));
  out.line("    Computations of Nominal Moment Capacity and Nonlinear Bending Stiffness");
  out.line(std::string(80, '-'));
  out.endLine();
  if (model.options.computeInteraction) {
    out.line("Axial thrust force values were determined from input values");
  } else if (model.options.useLrfd) {
    out.line("Axial thrust force values were determined from LRFD load combinations");
  } else {
    out.line("Axial thrust force values were determined from pile-head loading conditions");
  }
  out.endLine();
  write(out, "(\"Number of Pile Sections Analyzed = \" I0 /)", {model.pile.numberOfSections});
}

// The thrusts a nonlinear section is analysed for.
struct ThrustSelection {
  int count = 0;
  std::array<double, kMaxAxialThrusts + 1> thrust{};
  bool dropped = false;  // bending stiffness only: values outside the capacities were left out
};

// The load case (or LRFD combination) whose thrust is P, for the error
// blocks; the position in the thrust list when none matches.
int caseOfThrust(const AnalysisModel& model, double P, int position) {
  const Loads& loads = model.loads;
  if (model.options.useLrfd) {
    // The first combination whose factored thrust is this one.
    for (int L = 1; L <= loads.numberOfLrfdCombinations && L <= kMaxLrfdCombinations; ++L) {
      if (model.lrfd.combination[static_cast<std::size_t>(L)].ThrustIndex == position) return L;
    }
    return position;
  }
  const double scale = model.options.IUNITS == kUnitsUsCustomary ? 1.0 / kPoundsPerKip : 1.0;
  if (loads.thrustSource == kThrustsFromAxialThrustLoads) {
    for (int i = 1; i <= loads.numberOfThrustLoads && i <= kMaxAxialThrusts; ++i) {
      if (loads.thrustLoads[static_cast<std::size_t>(i)] * scale == P) return i;
    }
    return position;
  }
  for (int L = 1; L <= loads.numberOfLoadCases && L <= kMaxLoadCases; ++L) {
    if (loads.headLoads[static_cast<std::size_t>(L)].axialThrust * scale == P) return L;
  }
  return position;
}

[[noreturn]] void stopOnThrustBeyondCapacity(RunContext& ctx, int caseNumber, double P,
                                             double capacity, bool compression) {
  const bool lrfd = ctx.model.options.useLrfd;
  const SectionUnitLabels& labels = sectionUnitLabels(ctx.model.options.IUNITS);
  const int number =
      compression
          ? (lrfd ? kRuntimeLrfdThrustAboveCapacity : kRuntimeThrustAboveCapacity)
          : (lrfd ? kRuntimeLrfdThrustBelowTensileCapacity : kRuntimeThrustBelowTensileCapacity);
  // The texts of the four blocks as the engine has always written them
  // (error 25 names an LRFD load case too).
  const char* subject = (lrfd || !compression)
                            ? "PROBLEM:  The axial thrust load for LRFD load case no. "
                            : "PROBLEM:  The axial thrust load for load case no. ";
  const char* kind = compression ? " exceeds the axial structural capacity in compression."
                                 : " exceeds the axial structural capacity in tension.";
  const char* thrustLabel = lrfd          ? "          Factored axial thrust load     = "
                            : compression ? "          Axial thrust load                  = "
                                          : "          Axial thrust load              = ";
  const char* capacityLabel = compression ? "          Nominal axial compressive capacity = "
                                          : "          Nominal axial tensile capacity = ";
  Channel& out = ctx.report;
  out.emptyLines(2);
  write(out, "(\"**** Runtime Error No. \" I0 \" ****\" /)", {number});
  write(out, "(A I0 A)", {subject, caseNumber, kind});
  write(out, "(A F15.3 A)", {thrustLabel, P, labels.force});
  write(out, "(A F15.3 A /)", {capacityLabel, capacity, labels.force});
  out.line(
      "SOLUTION: Change the properties of the section to increase the axial structural "
      "capacity.");
  out.endLine();
  engine::stopOnRuntimeError(ctx, number);
}

ThrustSelection selectThrusts(RunContext& ctx, const SectionState& s) {
  const AnalysisModel& model = ctx.model;
  const MomentCurvatureTables& tables = model.momentCurvature;
  const AxialCapacities& cap = s.capacities;
  ThrustSelection selection;
  const bool eiOnly = model.options.ICOM == kAnalysisEiOnly;
  for (int e = 1; e <= tables.numberOfThrusts; ++e) {
    const double P = tables.thrust[static_cast<std::size_t>(e)];
    if (eiOnly) {
      // Only thrusts strictly inside the capacities have a curve.
      if (cap.Tcap < P && P < cap.Pcap) {
        selection.thrust[static_cast<std::size_t>(++selection.count)] = P;
      } else {
        selection.dropped = true;
      }
      continue;
    }
    if (P > cap.Pcap) stopOnThrustBeyondCapacity(ctx, caseOfThrust(model, P, e), P, cap.Pcap, true);
    if (P < cap.Tcap)
      stopOnThrustBeyondCapacity(ctx, caseOfThrust(model, P, e), P, cap.Tcap, false);
    selection.thrust[static_cast<std::size_t>(++selection.count)] = P;
  }
  return selection;
}

void writeThrustList(RunContext& ctx, const ThrustSelection& selection) {
  Channel& out = ctx.report;
  const SectionUnitLabels& labels = sectionUnitLabels(ctx.model.options.IUNITS);
  if (ctx.model.options.ICOM == kAnalysisEiOnly) {
    if (selection.dropped) {
      out.endLine();
      out.line(
          "The following computations were performed only for the axial thrust values in "
          "the valid range.");
    }
  } else {
    out.endLine();
    write(out, "(\"Number of Axial Thrust Force Values Determined from Pile-head Loadings = \" I0)",
          {selection.count});
  }
  out.endLine();
  out.line("   Number     Axial Thrust Force");
  write(out, "(T20, A)", {labels.force});
  out.line("   ------     ------------------");
  for (int e = 1; e <= selection.count; ++e) {
    write(out, "(I7, 9X, F12.3)", {e, selection.thrust[static_cast<std::size_t>(e)]});
  }
}

output::ThrustSource thrustSource(const Options& options) {
  if (options.ICOM == kAnalysisEiOnly) return output::ThrustSource::kEiOnly;
  if (options.useLrfd) return output::ThrustSource::kLrfd;
  return output::ThrustSource::kLoadCases;
}

void writeCurvePlotRecords(RunContext& ctx, int index, int e, const MomentCurvatureTable& t) {
  const int units = ctx.model.options.IUNITS;
  const auto kind = output::PlotSectionKind::kNonlinear;
  output::writePlotLine4(ctx.plot, t.points, t.axialThrust, t.nominalMoment, kind, units);
  for (int k = 1; k <= t.points; ++k) {
    const auto u = static_cast<std::size_t>(k);
    output::writePlotLine5(ctx.plot, t.moment[u], t.EI[u], t.curvature[u], index, e, k, kind,
                           units);
  }
}

// The sliced analysis of a concrete or steel pipe section.
void analyseNonlinearSection(RunContext& ctx, int index, SectionWork& work, bool firstSection) {
  AnalysisModel& model = ctx.model;
  SectionState& s = work.state;
  const SectionUnitLabels& labels = sectionUnitLabels(model.options.IUNITS);
  loadSectionState(ctx, index, s);
  checkSectionMaterials(model, s);
  sliceSection(s, &ctx.report);

  const bool prestressed = isPrestressedType(s.sectionType);
  PrestressValues prestress;
  if (prestressed) prestress = Calculate_Strains_Due_To_Prestressing(ctx, s);
  writeDimensions(ctx, s, prestressed ? &prestress : nullptr);
  Compute_Axial_Structural_Capacity(ctx.report, s, labels);
  Compute_Tensile_Capacities(ctx.report, s, labels);
  if (prestressed) {
    // The prestressed section's capacities replace the reinforced-concrete ones.
    s.capacities.Pcap = prestress.Pcap;
    s.capacities.Tcap = prestress.Tcap;
    s.capacities.Pcr = 0.0;
  }
  writeBarTable(ctx, s);
  writeConcreteProperties(ctx, s);

  const ThrustSelection selection = selectThrusts(ctx, s);
  writeThrustList(ctx, selection);
  if (firstSection) {
    output::writePlotLine3(ctx.plot, selection.count, output::PlotSectionKind::kNonlinear,
                           thrustSource(model.options));
  }

  const bool pipe = s.slices.kind == SectionKind::SteelPipePile;
  writeRunMessageDefinitions(ctx.report, pipe);
  SectionCurves& curves = model.momentCurvature.section[static_cast<std::size_t>(index)];
  curves.thrusts = selection.count;
  curves.table.assign(static_cast<std::size_t>(selection.count + 1), MomentCurvatureTable{});
  for (int e = 1; e <= selection.count; ++e) {
    MomentCurvatureCurve& curve = work.curve;
    computeMomentCurvature(ctx, s, selection.thrust[static_cast<std::size_t>(e)],
                           prestressed ? prestress.strandPrestrain : 0.0, curve);
    writeCurveTable(ctx, s, curve);
    if (curve.reachedPointLimit) {
      writePointLimitWarning(ctx.report, curve.points);
      engine::registerWarning(model.state, kWarningTooManyCurvePoints);
    }
    if (!curve.nominalStrainReached) {
      engine::registerWarning(model.state, kWarningPossibleDesignError);
    }
    MomentCurvatureTable& table = curves.table[static_cast<std::size_t>(e)];
    storeCurve(curve, table);
    writeCurvePlotRecords(ctx, index, e, table);
  }
  writeCapacitySummary(ctx, index, pipe, curves);
}

}  // namespace

int runThrustList(const AnalysisModel& model, std::array<double, kMaxAxialThrusts + 1>& thrusts) {
  const Loads& loads = model.loads;
  int n = 0;
  if (model.options.computeInteraction) {
    const double scale = model.options.IUNITS == kUnitsUsCustomary ? 1.0 / kPoundsPerKip : 1.0;
    n = std::clamp(loads.numberOfThrustLoads, 0, kMaxAxialThrusts);
    for (int i = 1; i <= n; ++i) {
      thrusts[static_cast<std::size_t>(i)] = loads.thrustLoads[static_cast<std::size_t>(i)] * scale;
    }
    return n;
  }
  n = std::clamp(loads.numberOfAxialThrusts, 0, kMaxAxialThrusts);
  for (int i = 1; i <= n; ++i) {
    thrusts[static_cast<std::size_t>(i)] = loads.axialThrusts[static_cast<std::size_t>(i)];
  }
  return n;
}

void Analyze_Section(RunContext& ctx, int index, SectionWork& work, bool firstSection) {
  AnalysisModel& model = ctx.model;
  const SectionType type = model.pile.sections[static_cast<std::size_t>(index)].type;
  if (type == SectionType::Micropile) {
    engine::stopOnUnsupported(
        ctx, "The bending stiffness of the micropile section " + std::to_string(index));
  }
  if (givesStiffnessDirectly(type)) {
    const MomentCurvatureTables& tables = model.momentCurvature;
    const std::span<const double> thrusts(tables.thrust.data() + 1,
                                          static_cast<std::size_t>(tables.numberOfThrusts));
    Analyze_Elastic_Section(ctx, index, thrusts, firstSection);
    return;
  }
  analyseNonlinearSection(ctx, index, work, firstSection);
}

void Analyze_Pile_Sections(RunContext& ctx, bool progressForEverySection) {
  AnalysisModel& model = ctx.model;
  MomentCurvatureTables& tables = model.momentCurvature;
  tables.numberOfThrusts = runThrustList(model, tables.thrust);
  for (SectionCurves& curves : tables.section) curves.thrusts = 0;
  tables.b_BeyondTable.fill(false);
  tables.anyBeyondTable = false;

  const int sections = std::clamp(model.pile.numberOfSections, 0, kMaxSections);
  auto work = std::make_unique<SectionWork>();
  for (int i = 1; i <= sections; ++i) {
    if (progressForEverySection || i == 1) {
      write(ctx.messages, "(\"Computing nonlinear bending stiffness of section \" I0)", {i});
    }
    if (i == 1) writeHeading(ctx);
    write(ctx.report, "(\"Pile Section No. \" I0 \":\" /)", {i});
    Analyze_Section(ctx, i, *work, i == 1);
    write(ctx.messages, "(\"Completed computing nonlinear bending stiffness of section \" I0 /)",
          {i});
  }
}

}  // namespace quarn::section
