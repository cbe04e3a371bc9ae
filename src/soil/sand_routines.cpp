// The Reese sand and API sand routines: the node steps, their checks,
// warnings and errors, and their printed curves.
#include <array>
#include <cmath>
#include <numbers>
#include <string>
#include <string_view>

#include "engine/pile_properties.h"
#include "engine/messages.h"
#include "output/format.h"
#include "output/report_writers.h"
#include "soil/criteria.h"
#include "soil/criterion_support.h"
#include "soil/curve_block.h"
#include "soil/sand.h"
#include "soil/soil_profile.h"

namespace quarn::soil {

namespace {

using engine::Channel;
using engine::RunContext;
using support::kPrintedCurvePoints;
using support::layerValueAt;
using support::PrintedCurve;
using support::writeCurvePlot;
using support::writeCurveRows;
using support::writeDepthLines;
using support::writeLayerNumber;
using support::writeMultiplierLines;

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
// Relative steps of the last printed points beyond yu.
constexpr double kPrintStep = sp(0.02500000037252903f);

// Everything known at one node (or output depth) of a sand layer.
struct SandPoint {
  int index = 0;
  CallPoint at;
  double D = 0.0;
  double gamma = 0.0;
  double phiDegrees = 0.0;
  double k = 0.0;
  bool defaultK = false;
  double pm = 1.0;
  double ym = 1.0;
  double z = 0.0;
  double yn = 0.0;
};

// ---- errors and warnings --------------------------------------------------------

[[noreturn]] void stopOnDefaultKInGeneralUnits(RunContext& ctx) {
  for (Channel* channel : {&ctx.report, &ctx.messages}) {
    channel->emptyLines(2);
    channel->line("**** Runtime Error No. 13 ****");
    channel->endLine();
    channel->line("Problem:  General units have been selected for use in computations in      ");
    channel->line("combination with default values of k for a layer classified as API sand    ");
    channel->line("criteria. This combination of data cannot be used because Quarn cannot     ");
    channel->line("compute default values of subgrade modulus in general units.               ");
    channel->endLine();
    channel->line("Solution:  You must select either US customary for SI units for the        ");
    channel->line("units of computation to use a default value for subgrade subgrade modulus  ");
    channel->line("for the API sand criteria or enter an appropriate proper value by entering ");
    channel->line("a non-zero for k.");
  }
  engine::stopOnRuntimeError(ctx, 13);
}

[[noreturn]] void stopOnReeseZeroFriction(RunContext& ctx) {
  Channel& out = ctx.messages;
  out.line("**** Input Data Error No. 8 ****");
  out.endLine();
  out.line("An error was detected in the input data for friction angle.");
  out.line("Problem:  Zero was input for the friction angle for a sand when computing ");
  out.line("          a p-y curve using the Reese et al. criteria.");
  out.endLine();
  out.line("Solution: Check values of soil strength values and revise the input data.");
  engine::stopRun(ctx, "INP00008", engine::kInputErrorBase + 8);
}

void warnReeseFriction(RunContext& ctx) {
  Channel& out = ctx.messages;
  out.endLine();
  out.line("**** Warning ****");
  out.endLine();
  out.line("An unreasonable value for friction angle was input for a Reese sand layer. ");
  out.line("The input value is either smaller than 20 degrees or higher than 48 degrees.");
  out.line("The input data should be checked for correctness.");
  out.endLine();
  out.line("The input value for friction angle was used in computations.");
  engine::registerWarning(ctx.model.state, kWarningReeseSandFriction);
}

[[noreturn]] void stopOnReeseSteepSlope(RunContext& ctx, int layer) {
  for (Channel* channel : {&ctx.messages, &ctx.report}) {
    channel->line("**** Input Data Error No. 9 ****");
    channel->endLine();
    channel->line("An error was found in the input data when computing a p-y curve using ");
    output::write(*channel, "(\"the Reese sand criteria for layer \", I0, \".\")", {layer});
    channel->endLine();
    channel->line("Problem:  The angle of the ground slope can not be greater than the ");
    channel->line("internal friction angle of the sand.");
    channel->endLine();
    channel->line(
        "Solution:  Set the value for slope angle to be less than the angle of friction.");
  }
  engine::stopRun(ctx, "INP00009", engine::kInputErrorBase + 9);
}

[[noreturn]] void stopOnApiZeroFriction(RunContext& ctx, int layer) {
  for (Channel* channel : {&ctx.messages, &ctx.report}) {
    channel->line("**** Input Data Error No. 1 ****");
    channel->endLine();
    channel->line("An error was detected in the input data when computing a p-y.");
    output::write(*channel, "(\"curve using the API sand criteria for layer \", I0, \".\")",
                  {layer});
    channel->endLine();
    channel->line("Problem:  A zero was input for the friction angle for sand.");
    channel->endLine();
    channel->line("Solution:  Check the friction angle values and revise the ");
    channel->line("data to correct this problem.");
  }
  engine::stopRun(ctx, "INP00001", engine::kInputErrorBase + 1);
}

[[noreturn]] void stopOnApiSteepSlope(RunContext& ctx, int layer) {
  for (Channel* channel : {&ctx.messages, &ctx.report}) {
    channel->line("**** Input Data Error No. 2 ****");
    channel->endLine();
    channel->line("An error was detected in the input data when computing a p-y.");
    output::write(*channel, "(\"curve using the API criteria for sand for layer \", I0, \".\")",
                  {layer});
    channel->endLine();
    channel->line("Problem:  The angle of the ground slope can not be greater ");
    channel->line("than the internal friction angle of the sand.");
    channel->endLine();
    channel->line("Solution:  Set the value for slope angle to be less than ");
    channel->line("the angle of friction.");
  }
  engine::stopRun(ctx, "INP00002", engine::kInputErrorBase + 2);
}

// Modulus of a Reese sand node that is not a number: runtime error 32 for
// the limiting modulus, 31 for the secant; the code is set directly.
[[noreturn]] void stopOnReeseModulusNaN(RunContext& ctx, bool limiting, int node) {
  const int number = limiting ? 32 : 31;
  Channel& out = ctx.report;
  out.line("**** Runtime Error No. " + std::to_string(number) + " ****");
  out.endLine();
  out.line(std::string(limiting ? "The default" : "The computed") +
           " value of soil modulus computed in Reese Sand is not-a-number for node number " +
           std::to_string(node));
  out.endLine();
  out.line("This problem is usually due to a required soil property being left equal to zero.");
  engine::stopOnRuntimeError(ctx, number);
}

// ---- common node steps -----------------------------------------------------------

// Subgrade modulus at depth x: interpolated between the layer's top and
// bottom values; when the top value is not positive, both are set to 0 in
// the model and the default of the friction angle applies (none in general
// units: runtime error 13).
double sandModulusAt(RunContext& ctx, int k, double x, double phiDegrees, double gamma,
                     bool& usedDefault) {
  AnalysisModel& model = ctx.model;
  SoilLayer& layer = model.soil.layers[static_cast<std::size_t>(k)];
  usedDefault = layer.subgradeK[0] <= 0.0;
  if (!usedDefault) {
    if (layer.subgradeK[0] == layer.subgradeK[1]) return layer.subgradeK[0];
    return layerValueAt(layer, layer.subgradeK, x);
  }
  layer.subgradeK = {0.0, 0.0};
  if (model.options.IUNITS != kUnitsUsCustomary && model.options.IUNITS != kUnitsSi) {
    stopOnDefaultKInGeneralUnits(ctx);
  }
  return defaultSandModulus(phiDegrees, gamma, model.options.IUNITS);
}

// Properties at entry i of the call: pile diameter, unit weight, friction
// angle, multipliers, subgrade modulus, depth and signed deflection.
SandPoint sandPointAt(RunContext& ctx, const CriterionCall& call, int i) {
  AnalysisModel& model = ctx.model;
  SandPoint point;
  point.index = i;
  point.at = callPoint(model, call, i);
  const double x = point.at.depth;
  point.D = engine::Compute_Pile_Properties(model.pile, point.at.x).D;
  point.gamma = fn_GammaAvg(ctx, x);
  point.phiDegrees = fn_phi(ctx, x);
  point.pm = fn_pMult(model.tables.multipliers, point.at.x);
  point.ym = fn_yMult(model.tables.multipliers, point.at.x);
  point.k = sandModulusAt(ctx, call.layer, x, point.phiDegrees, point.gamma, point.defaultK);
  point.z = curve_block::resistanceDepth(model, x);
  point.yn = signedDeflection(model, call, i);
  return point;
}

void writeEquivalentDepthNote(Channel& out, const AnalysisModel& model, int layer) {
  if (model.layering.NoEquivDepth[static_cast<std::size_t>(layer)]) {
    out.line("This layer is below one or more layers of rock.  In this case, the ");
    out.line("layering correction is not used and the true depth below the ground ");
    out.line("surface is used when computing the p-y curve.  ");
  } else {
    out.line("This p-y curve is computed using the equivalent depth.");
  }
}

// ---- Reese sand ------------------------------------------------------------------

// The deflections of the printed curve by the shape of the curve, with the
// points whose curve lies above the initial line k z y cut to that line
// (marked).
struct ReesePrintedCurve {
  PrintedCurve curve;
  std::array<bool, kPrintedCurvePoints> marked{};
  bool anyMarked = false;
};

ReesePrintedCurve reesePoints(const ReeseSandCurve& c) {
  ReesePrintedCurve printed;
  auto& y = printed.curve.y;
  auto& p = printed.curve.p;
  auto& marked = printed.marked;
  const double e = kPrintStep;
  int shape = c.shape;
  // yk equal to ym or to yu: the parabola or the straight part has no length;
  // the list of the neighbouring shape covers the curve.
  if (shape == 0) shape = c.yk >= c.yu ? 3 : 1;
  if (shape == 1) {
    y[1] = c.yk;
    for (int j = 3; j <= 12; ++j) y[j - 1] = c.yk + (j - 2) * (c.ymPrime - c.yk) / 11.0;
    y[12] = c.ymPrime;
    y[13] = 13.0 * c.b / 480.0;
    y[14] = c.yu;
    y[15] = c.yu * (1.0 + e);
    y[16] = c.yu * (1.0 + 2.0 * e);
  } else if (shape == 2) {
    const double s2 = (c.pu - c.pk) / (c.yu - c.yk);
    const double yi = (c.pu - c.yu * s2) / (c.kz - s2);
    y[1] = yi;
    for (int j = 3; j <= 14; ++j) y[j - 1] = yi + (j - 2) * (c.yu - yi) / 13.0;
    y[14] = c.yu;
    y[15] = c.yu * (1.0 + e);
    y[16] = c.yu * (1.0 + 2.0 * e);
  } else {
    const double yp = c.pu / c.kz;
    for (int j = 1; j <= 15; ++j) y[j - 1] = (j - 1) * yp / 14.0;
    y[15] = yp * (1.0 + e);
    y[16] = yp * (1.0 + 2.0 * e);
  }
  for (std::size_t n = 0; n < y.size(); ++n) {
    const double curve = c.pBeforeInitialLine(y[n]);
    const double line = c.kz * y[n];
    marked[n] = curve > line;
    p[n] = marked[n] ? line : curve;
  }
  if (marked[15]) {
    // The initial line is still below pu beyond yu: the curve reaches pu on
    // that line at yp and stays there.
    const double yp = c.pu / c.kz;
    y[15] = yp;
    p[15] = c.pu;
    y[16] = c.yu * (1.0 + e) + yp;
    p[16] = c.pu;
    marked[15] = marked[16] = false;
  }
  for (bool m : marked) printed.anyMarked = printed.anyMarked || m;
  return printed;
}

void writeReeseBlock(RunContext& ctx, const CriterionCall& call, const SandPoint& point,
                     const ReeseSandCurve& c) {
  const AnalysisModel& model = ctx.model;
  const UnitLabels& labels = model.labels;
  const bool us = model.options.IUNITS == kUnitsUsCustomary;
  const bool cyclic = model.options.cyclicLoading;
  Channel& out = ctx.report;

  curve_block::writeTitle(
      out, cyclic
               ? "p-y Curve in Sand Computed Using Reese Criteria for Cyclic Loading Conditions"
               : "p-y Curve in Sand Computed Using Reese Criteria for Static Loading Conditions");
  writeLayerNumber(out, call.layer, "I12");
  writeDepthLines(out, model, point.at.depth);
  curve_block::writeAngleLines(out, model, "Pile Batter");
  output::writeLabelledValue(out, "Equivalent Depth (see note)", "F12.3", point.z, labels.length);
  output::writeLabelledValue(out, "Pile Diameter, b", "F12.3", point.D, labels.length);
  output::writeLabelledValue(out, "Angle of Friction", "F12.3", point.phiDegrees, "degrees");
  // In US customary units the unit weight is shown in lb/ft3.
  output::writeLabelledValue(out, "Avg. Eff. Unit Weight", "F12.5",
                             us ? point.gamma * 1728.0 : point.gamma,
                             us ? labels.unitWeight : labels.subgradeModulus);
  output::writeLabelledValue(out, "kpy", "F12.3", point.k, labels.subgradeModulus);
  output::writeLabelledValue(out, "K active", "F12.5", c.wedge.KaLevel);
  output::writeLabelledValue(out, "K passive", "F12.5", c.wedge.tan2Beta);
  output::writeLabelledValue(out, "Pst", "F12.3", c.pst, labels.forcePerLength);
  output::writeLabelledValue(out, "Psd", "F12.3", c.psd, labels.forcePerLength);
  output::writeLabelledValue(
      out, c.shallowControls ? "Ps = Pst (shallow controls)" : "Ps = Psd (deep controls)", "F12.3",
      c.ps, labels.forcePerLength);
  output::writeLabelledValue(out, cyclic ? "A (cyclic)" : "A (static)", "F12.4", c.A);
  output::writeLabelledValue(out, cyclic ? "B (cyclic)" : "B (static)", "F12.4", c.B);
  output::writeLabelledValue(out, "C = Pm/(Ym^(1/n))", "F12.3", c.C);
  output::writeLabelledValue(out, "n = Pm/(m Ym)", "F12.5", c.n);
  output::writeLabelledValue(out, "m = (Pu-Pm)/(Yu-Ym)", "F12.3", c.m, labels.stress);
  output::writeLabelledValue(out, "Yk = [c/(kx)]^(n/(n-1))", "F12.5", c.yk, labels.length);
  output::writeLabelledValue(out, "Ym = b/60", "F12.5", c.ymPrime, labels.length);
  output::writeLabelledValue(out, "Pm = B ps", "F12.3", c.pmPrime, labels.forcePerLength);
  output::writeLabelledValue(out, "Yu = 3b/80", "F12.5", c.yu, labels.length);
  output::writeLabelledValue(out, "Pu = A Ps", "F12.3", c.pu, labels.forcePerLength);
  output::writeLabelledValue(out, "Es,lim", "F12.3", c.kz, labels.stress);
  writeMultiplierLines(out, point.pm, point.ym);

  out.endLine();
  writeEquivalentDepthNote(out, model, call.layer);
  if (c.shape == 1) {
    out.line("This curve has the normal shape for a Reese sand p-y curve where Yk < Ym < Yu.");
  } else if (c.shape == 2) {
    out.line("This curve has a tri-linear shape for a Reese sand p-y curve because Ym < Yk < Yu.");
  } else if (c.shape == 3) {
    out.line("This curve has a bi-linear shape for a Reese sand p-y curve because Ym < Yu < Yk.");
  }
  out.endLine();
  output::write(out, "(T10, \"y, \", A, T26, \"p, \", A)", {labels.length, labels.forcePerLength});
  out.line(curve_block::kDashes);
  const ReesePrintedCurve printed = reesePoints(c);
  curve_block::writeMarkedRows(out, printed.curve, printed.marked, "   *", point.pm, point.ym);
  if (printed.anyMarked) {
    out.endLine();
    out.line("* p value(s) computed using p = k * Eff x * y ");
  }
  if (point.defaultK) {
    out.endLine();
    out.line("The above p-y curve was computed using internal default values of k.");
  }
  writeCurvePlot(ctx, Criterion::kSandReese, point.at.depth, point.index, printed.curve, point.pm,
                 point.ym);
}

// ---- API sand ---------------------------------------------------------------------

PrintedCurve apiPoints(const ApiSandCurve& c, int unitSystem) {
  PrintedCurve points;
  // Sixteen steps of pi / 16 pu / (k z): the last point at tanh(pi) = 0.996 pu.
  double step = 0.19634954084936207 * c.pu / c.kz;
  if (c.kz == 0.0) {
    step = unitSystem == kUnitsSi ? sp(0.0012700000079348683f) : sp(0.05000000074505806f);
  }
  for (std::size_t n = 0; n < points.y.size(); ++n) {
    points.y[n] = static_cast<double>(n) * step;
    points.p[n] = c.p(points.y[n]);
  }
  return points;
}

void writeApiBlock(RunContext& ctx, const CriterionCall& call, const SandPoint& point,
                   const ApiSandCurve& c) {
  const AnalysisModel& model = ctx.model;
  const UnitLabels& labels = model.labels;
  const bool cyclic = model.options.cyclicLoading;
  Channel& out = ctx.report;

  curve_block::writeTitle(out,
                          cyclic ? "p-y Curve Computed Using API Sand Criteria for Cyclic Loading"
                                 : "p-y Curve Computed Using API Sand Criteria for Static Loading");
  writeLayerNumber(out, call.layer, "I12");
  writeDepthLines(out, model, point.at.depth);
  curve_block::writeAngleLines(out, model, "Pile Batter");
  output::writeLabelledValue(out, "Equivalent Depth (see note)", "F12.3", point.z, labels.length);
  output::writeLabelledValue(out, "Diameter", "F12.3", point.D, labels.length);
  output::writeLabelledValue(out, "Friction Angle phi", "F12.3", point.phiDegrees, "deg.");
  output::writeLabelledValue(out, "Avg. Eff. Unit Wt.", "F12.5", point.gamma,
                             labels.subgradeModulus);
  output::writeLabelledValue(out, "A", "F12.5", c.A);
  output::writeLabelledValue(out, "k", "F12.3", point.k, labels.subgradeModulus);
  output::writeLabelledValue(out, "C1", "F12.5", c.C1);
  output::writeLabelledValue(out, "C2", "F12.5", c.C2);
  output::writeLabelledValue(out, "C3", "F12.5", c.C3);
  output::writeLabelledValue(out, "Pus", "F12.3", c.pst, labels.forcePerLength);
  output::writeLabelledValue(out, "Pud", "F12.3", c.psd, labels.forcePerLength);
  output::writeLabelledValue(out, "Pu", "F12.3", c.pu, labels.forcePerLength);
  writeMultiplierLines(out, point.pm, point.ym);

  out.endLine();
  writeEquivalentDepthNote(out, model, call.layer);
  out.endLine();
  output::write(out, "(\"        y, \", A, \"             p,\", A)",
                {labels.length, labels.forcePerLength});
  out.line(curve_block::kDashes);
  const PrintedCurve points = apiPoints(c, model.options.IUNITS);
  writeCurveRows(out, points, point.pm, point.ym);
  if (point.defaultK) {
    out.endLine();
    out.line("The above p-y curve was computed using the internal default value of k.");
  }
  writeCurvePlot(ctx, Criterion::kSandApi, point.at.depth, point.index, points, point.pm, point.ym);
}

}  // namespace

// ---- the routines ------------------------------------------------------------------

void sandReese(RunContext& ctx, const CriterionCall& call) {
  AnalysisModel& model = ctx.model;
  const int k = call.layer;
  const double theta = model.tables.batter.effectiveSlopeAngle;
  curve_block::ResistanceIntegral integral;

  for (int i = call.NodeFirst; i <= call.NodeLast; ++i) {
    const SandPoint point = sandPointAt(ctx, call, i);
    if (point.phiDegrees * kRadiansPerDegree < 1e-10) stopOnReeseZeroFriction(ctx);
    if (point.phiDegrees < 20.0 || point.phiDegrees > 48.0) warnReeseFriction(ctx);
    const double phi = point.phiDegrees * kRadiansPerDegree;

    // A ground slope steeper than the friction angle leaves no wedge. In the
    // layers below the first the sloping active coefficient is formed all the
    // same, and a slope that steep gives a resistance that is not a number
    // (runtime error 31).
    const double cosTheta = std::cos(theta);
    const double cosPhi = std::cos(phi);
    if (cosTheta * cosTheta - cosPhi * cosPhi < 1e-10 && k == 1) stopOnReeseSteepSlope(ctx, k);

    ReeseSandInput in;
    in.phi = phi;
    in.gamma = point.gamma;
    in.b = point.D;
    in.z = point.z;
    in.k = point.k;
    in.theta = theta;
    in.yn = point.yn;
    in.cyclic = model.options.cyclicLoading;
    const ReeseSandCurve curve = makeReeseSandCurve(in);
    integral.add(model, call, i, point.at.x, curve.pu);

    if (call.PrintMode) {
      writeReeseBlock(ctx, call, point, curve);
      continue;
    }
    const double y = relativeDeflection(model, i, point.ym);
    const double Es = curve.modulus(y, point.pm, point.ym);
    if (std::isnan(Es)) stopOnReeseModulusNaN(ctx, y < 1e-14, i);
    storeModulus(model, i, Es);
  }
}

void sandApi(RunContext& ctx, const CriterionCall& call) {
  AnalysisModel& model = ctx.model;
  const int k = call.layer;
  const double theta = model.tables.batter.effectiveSlopeAngle;
  curve_block::ResistanceIntegral integral;

  for (int i = call.NodeFirst; i <= call.NodeLast; ++i) {
    const SandPoint point = sandPointAt(ctx, call, i);
    if (point.phiDegrees < 20.0 || point.phiDegrees > 48.0) {
      engine::registerWarning(model.state, kWarningApiSandFriction);
    }
    const double phi = point.phiDegrees * kRadiansPerDegree;
    if (i > call.NodeFirst && phi < 1e-10) stopOnApiZeroFriction(ctx, k);
    if (std::abs(theta) > 1e-10 && k == 1) {
      const double cosTheta = std::cos(theta);
      const double cosPhi = std::cos(phi);
      if (cosTheta * cosTheta - cosPhi * cosPhi < 1e-10) stopOnApiSteepSlope(ctx, k);
    }

    ApiSandInput in;
    in.phi = phi;
    in.gamma = point.gamma;
    in.b = point.D;
    in.z = point.z;
    in.k = point.k;
    in.theta = theta;
    in.yn = point.yn;
    in.cyclic = model.options.cyclicLoading;
    const ApiSandCurve curve = makeApiSandCurve(in);
    integral.add(model, call, i, point.at.x, curve.layeredResistance());

    if (call.PrintMode) {
      writeApiBlock(ctx, call, point, curve);
      continue;
    }
    const double y = relativeDeflection(model, i, point.ym);
    storeModulus(model, i, curve.modulus(y, point.pm, point.ym));
  }
}

}  // namespace quarn::soil
