// Blocks 10 to 15 of the input echo: soil movements, the loading type, the
// distributed lateral load, the pile-head loads, the tip shear curve and the
// depths of the printed p-y curves, with the checks that belong to them.
#include <algorithm>
#include <cmath>
#include <string>

#include "engine/messages.h"
#include "input/echo_blocks.h"
#include "input/echo_errors.h"
#include "output/format.h"
#include "output/report_writers.h"

namespace quarn::input::echo {

namespace {

using engine::Channel;
using engine::RunContext;
using output::write;

std::string trimmed(const std::string& label) {
  const std::size_t last = label.find_last_not_of(' ');
  return last == std::string::npos ? std::string() : label.substr(0, last + 1);
}

// Units of the two head conditions of a load type as entered.
struct ConditionUnits {
  std::string first;
  std::string second;
};

ConditionUnits conditionUnits(HeadLoadType type, const UnitLabels& l) {
  const std::string force = trimmed(l.force);
  const std::string deflection = trimmed(l.deflection);
  const std::string moment = trimmed(l.moment);
  switch (type) {
    case HeadLoadType::kShearMoment:
      return {force, moment};
    case HeadLoadType::kShearSlope:
      return {force, "radians"};
    case HeadLoadType::kShearRotationalStiffness:
      return {force, moment + "/rad"};
    case HeadLoadType::kDeflectionMoment:
      return {deflection, moment};
    case HeadLoadType::kDeflectionSlope:
      return {deflection, "radians"};
  }
  return {};
}

const char* secondLabel(HeadLoadType type) {
  switch (type) {
    case HeadLoadType::kShearSlope:
    case HeadLoadType::kDeflectionSlope:
      return "S = ";
    case HeadLoadType::kShearRotationalStiffness:
      return "R = ";
    default:
      return "M = ";
  }
}

}  // namespace

void writeSoilMovements(RunContext& ctx) {
  const AnalysisModel& model = ctx.model;
  const SoilMovementTable& table = model.tables.soilMovement;
  if (!model.options.useSoilMovement || table.points <= 0) return;
  const InputUnits u = inputUnits(model.options.IUNITS);
  // Soil movements of SI runs are entered in millimetres.
  const bool si = model.options.IUNITS == kUnitsSi;
  const std::string movementUnit = si ? "mm" : u.deflection;
  const double scale = si ? 1000.0 : 1.0;
  Channel& out = ctx.report;
  heading(out, 29, "Lateral Soil Movements");
  write(out, "(\"Profile of soil movement with depth defined using \" I0 \" points\" /)",
        {table.points});
  out.line("Point       Depth X     Soil Movement");
  write(out, "(\" No.\" T16 A2 T31 A2)", {u.depth, movementUnit});
  out.line("-----     ----------    -------------");
  const int points = std::min(table.points, kMaxSoilMovementPoints);
  for (int j = 1; j <= points; ++j) {
    const auto i = static_cast<std::size_t>(j);
    write(out, "(I3 2X 2F15.5)", {j, table.depth[i], table.movement[i] * scale});
  }
}

void writeLoadingType(RunContext& ctx) {
  const Options& o = ctx.model.options;
  Channel& out = ctx.report;
  // The number of cycles is shown as the whole number of cycles entered.
  const long long cycles = static_cast<long long>(std::trunc(o.numberOfCycles));
  if (o.cyclicLoading) {
    heading(out, 34, "Loading Type");
    out.line("Cyclic loading criteria were used for computation of p-y curves for all analyses.");
    out.endLine();
    write(out, "(\"Number of cycles of loading = \" I0)", {cycles});
  } else {
    heading(out, 33, "Loading Type");
    out.line("Static loading criteria were used when computing p-y curves for all analyses.");
  }
  // The number of cycles matters only to the p-y curves of a pile analysis.
  if (o.ICOM != kAnalysisEiOnly && cyclesOutOfRange(o)) {
    stopOnEchoError(ctx, EchoError::kCycles, {output::formatMinimalInteger(cycles)});
  }
}

void writeDistributedLoad(RunContext& ctx) {
  const AnalysisModel& model = ctx.model;
  const DistributedLoadTable& table = model.loads.distributed;
  // An LRFD analysis takes its distributed loads from its load groups.
  if (model.options.useLrfd || table.points <= 0) return;
  const UnitLabels& l = model.labels;
  Channel& out = ctx.report;
  heading(out, 27, "Distributed Lateral Loading");
  write(out, "(\"Distributed lateral load intensity defined using \" I0 \" points\" /)",
        {table.points});
  out.line("Point           Depth X            Dist. Load");
  write(out, "(\" No.\" T20 A T38 3A)", {l.length, trimmed(l.force), "/", l.length});
  out.line("-----          ----------          ----------");
  const int points = std::min(table.points, kMaxDistributedPoints);
  for (int j = 1; j <= points; ++j) {
    const auto i = static_cast<std::size_t>(j);
    write(out, "(I3 F20.3 F20.3)", {j, table.depth[i], table.load[i]});
  }
}

void writeHeadLoads(RunContext& ctx) {
  const AnalysisModel& model = ctx.model;
  const Loads& loads = model.loads;
  Channel& out = ctx.report;
  heading(out, 15, "Pile-head Loading and Pile-head Fixity Conditions", 3);
  write(out, "(\"Number of loads specified = \" I0 /)", {loads.numberOfLoadCases});
  out.line(
      "Load    Load         Condition               Condition            Axial Thrust            "
      "Compute");
  write(out,
        "(\" No.    Type             1                       2                 Force, \" A T84 "
        "\"Top y vs. Pile Length\")",
        {model.labels.force});
  out.line(
      "-----   ----   --------------------   -----------------------   ----------------   "
      "---------------------");
  const int cases = std::min(loads.numberOfLoadCases, kMaxLoadCases);
  for (int L = 1; L <= cases; ++L) {
    const PileHeadLoad& load = loads.headLoads[static_cast<std::size_t>(L)];
    const HeadLoadType type = load.loadType;
    const bool deflection =
        type == HeadLoadType::kDeflectionMoment || type == HeadLoadType::kDeflectionSlope;
    const ConditionUnits units = conditionUnits(type, model.labels);
    out.put(output::formatInteger(L, 4) + "     " + std::to_string(headLoadTypeCode(type)) +
            (deflection ? "     y = " : "     V = "));
    output::Write_Report_Number(out, load.condition1, 12);
    write(out, "(1X A T8 A $)", {units.first, secondLabel(type)});
    output::Write_Report_Number(out, load.condition2, 12);
    // The unit in a field of its longest text keeps the thrust in its column.
    write(out, "(1X A9 $)", {units.second});
    output::Write_Report_Number(out, load.axialThrust, 15);
    out.put(std::string(12, ' '));
    out.line(load.computeLengthStudy ? "True" : "False");
  }
  write(out,
        "(/ \"V = perpendicular shear force applied to pile head\" / \"M = bending moment applied "
        "to pile head\" / \"y = lateral deflection relative to pile axis\" / \"S = pile slope "
        "relative to original pile batter angle\" / \"R = rotational stiffness applie to pile "
        "head\" / \"Axial thrust is assumed to be acting axially for all pile batter angles.\")",
        {});
}

void writeTipShear(RunContext& ctx) {
  const AnalysisModel& model = ctx.model;
  const TipShearCurve& curve = model.tables.tipShear;
  // The curve acts only when its option is on; a curve left in the input
  // with the option off is neither shown nor judged.
  if (!model.options.useTipShear || curve.points <= 0) return;
  const UnitLabels& l = model.labels;
  Channel& out = ctx.report;
  heading(out, 22, "Shear Resistance Curve at Pile Tip ");
  out.line("Point     Displacement     Tip Shear Force");
  write(out, "(\" No.\" T16 A2 T36 A)", {l.deflection, trimmed(l.force)});
  out.line("-----     ------------     ---------------");
  const int points = std::min(curve.points, kMaxTipShearPoints);
  for (int j = 1; j <= points; ++j) {
    const auto i = static_cast<std::size_t>(j);
    write(out, "(I4 5X F10.3 10X F10.3)", {j, curve.displacement[i], curve.shear[i]});
  }
  if (const std::optional<int> point = tipShearErrorPoint(curve)) {
    stopOnEchoError(ctx, EchoError::kTipShearCurve, {output::formatMinimalInteger(*point)});
  }
}

void writePyOutputDepths(RunContext& ctx) {
  AnalysisModel& model = ctx.model;
  Options& o = model.options;
  if (!o.printPyCurves) return;
  PyOutputDepths& list = model.tables.pyOutput;
  const InputUnits u = inputUnits(o.IUNITS);
  Channel& out = ctx.report;
  heading(out, 19, "Specified Depths for Output of p-y Curves", 3);

  // The print option stays on only for a list that keeps a depth.
  o.printPyCurves = false;
  o.pyOutputSwitch = 0;
  const double ground = model.pile.groundSurfaceDepth;
  const double length = model.pile.length;
  const bool checked = o.ICOM != kAnalysisEiOnly;
  int kept = 0;
  const int count = std::min(list.count, kMaxPyOutputDepths);
  for (int j = 1; j <= count; ++j) {
    const double d = list.depth[static_cast<std::size_t>(j)];
    if (checked && d > length) {
      stopOnEchoError(ctx, EchoError::kPyDepthBelowTip,
                      {output::formatMinimalInteger(j), output::formatFixed(d, 7, 2),
                       output::formatText(u.depth, 3)});
    }
    if (checked && (d < ground || d < 0.0)) stopOnEchoError(ctx, EchoError::kPyDepthAboveGround);
    if (d >= ground && d <= length && d >= 0.0) {
      list.depth[static_cast<std::size_t>(++kept)] = d;
      o.printPyCurves = true;
      o.pyOutputSwitch = 1;
    }
  }
  list.count = kept;

  write(out, "(\"Lateral load-transfer (p-y) curves are computed and output at \" I0 \" depths.\")",
        {kept});
  write(out,
        "(\"(Note that these curves are independent from the curves used at nodal point "
        "depths)\" 2/)",
        {});
  out.line("Depth      Depth Below Pile Head      Depth Below Ground Surface");
  write(out, "(\" No.\" T22 A T49 A)", {u.depth, u.depth});
  out.line("-----      ---------------------      --------------------------");
  for (int j = 1; j <= kept; ++j) {
    const double d = list.depth[static_cast<std::size_t>(j)];
    write(out, "(I3 F22.3 F27.3)", {j, d, d - ground});
  }
  write(out, "(/ \"Depth of ground surface below top of pile = \" F10.2 1X A /)",
        {ground, u.depth});
}

}  // namespace quarn::input::echo
