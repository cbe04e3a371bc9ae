// Reese sand and API sand: the default subgrade modulus, the two curves, and
// the criteria at a point of the layer sweep with their checks, warnings,
// errors and printed blocks.
#include "soil/sand.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <string>
#include <string_view>

#include "engine/messages.h"
#include "output/format.h"
#include "output/report_writers.h"
#include "soil/curve_block.h"
#include "soil/py_curve.h"
#include "soil/soil_profile.h"

namespace quarn::soil {

namespace {

using curve_block::kPrintedCurvePoints;
using curve_block::PrintedCurve;
using engine::Channel;
using engine::RunContext;
using reese_sand::kCyclicA;
using reese_sand::kCyclicB;
using reese_sand::kDepthRatios;
using reese_sand::kStaticA;
using reese_sand::kStaticB;

// Unit weight separating submerged sand from sand above the water table in
// the SI defaults of k, kN/m3.
constexpr double kSubmergedUnitWeightSi = 12.225000381469727;

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
// Earth pressure coefficient at rest K0 of the two wedges: 0.4, held in
// double precision by Reese sand and in single precision by API sand.
constexpr double kReeseEarthPressureAtRest = 0.4;
constexpr double kApiEarthPressureAtRest = sp(0.4f);
// Relative steps of the last printed points beyond yu.
constexpr double kPrintStep = sp(0.02500000037252903f);

// ---- errors and warnings --------------------------------------------------------

[[noreturn]] void stopOnDefaultKInGeneralUnits(RunContext& ctx, int number) {
  for (Channel* channel : {&ctx.report, &ctx.messages}) {
    channel->emptyLines(2);
    channel->line("**** Runtime Error No. " + std::to_string(number) + " ****");
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
  engine::stopOnRuntimeError(ctx, number);
}

[[noreturn]] void stopOnReeseZeroFriction(RunContext& ctx) {
  const int number = criterionInfo(Criterion::kSandReese).errors.noFriction;
  Channel& out = ctx.messages;
  out.line("**** Input Data Error No. " + std::to_string(number) + " ****");
  out.endLine();
  out.line("An error was detected in the input data for friction angle.");
  out.line("Problem:  Zero was input for the friction angle for a sand when computing ");
  out.line("          a p-y curve using the Reese et al. criteria.");
  out.endLine();
  out.line("Solution: Check values of soil strength values and revise the input data.");
  stopOnInputError(ctx, number);
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
  const int number = criterionInfo(Criterion::kSandReese).errors.steepSlope;
  for (Channel* channel : {&ctx.messages, &ctx.report}) {
    channel->line("**** Input Data Error No. " + std::to_string(number) + " ****");
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
  stopOnInputError(ctx, number);
}

[[noreturn]] void stopOnApiZeroFriction(RunContext& ctx, int layer) {
  const int number = criterionInfo(Criterion::kSandApi).errors.noFriction;
  for (Channel* channel : {&ctx.messages, &ctx.report}) {
    channel->line("**** Input Data Error No. " + std::to_string(number) + " ****");
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
  stopOnInputError(ctx, number);
}

[[noreturn]] void stopOnApiSteepSlope(RunContext& ctx, int layer) {
  const int number = criterionInfo(Criterion::kSandApi).errors.steepSlope;
  for (Channel* channel : {&ctx.messages, &ctx.report}) {
    channel->line("**** Input Data Error No. " + std::to_string(number) + " ****");
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
  stopOnInputError(ctx, number);
}

// ---- common node steps -----------------------------------------------------------

// Subgrade modulus at depth x: interpolated between the layer's top and
// bottom values; when the top value is not positive, the default of the
// friction angle (none in general units: a runtime error).
double sandModulusAt(RunContext& ctx, Criterion criterion, int k, double x, double phiDegrees,
                     double gamma, bool& usedDefault) {
  const AnalysisModel& model = ctx.model;
  const SoilLayer& layer = model.soil.layers[static_cast<std::size_t>(k)];
  usedDefault = layer.subgradeK[0] <= 0.0;
  if (!usedDefault) {
    if (layer.subgradeK[0] == layer.subgradeK[1]) return layer.subgradeK[0];
    return layerValueAt(layer, layer.subgradeK, x);
  }
  if (model.options.IUNITS != kUnitsUsCustomary && model.options.IUNITS != kUnitsSi) {
    stopOnDefaultKInGeneralUnits(ctx, criterionInfo(criterion).errors.noDefaults);
  }
  return defaultSandModulus(phiDegrees, gamma, model.options.IUNITS);
}

// The soil at a point of a sand layer: unit weight, friction angle and
// subgrade modulus.
SandSoil sandSoilAt(RunContext& ctx, Criterion criterion, const PyPoint& point) {
  const double x = point.depth;
  SandSoil soil;
  soil.D = point.D;
  soil.gamma = fn_GammaAvg(ctx, x);
  soil.phiDegrees = fn_phi(ctx, x);
  soil.k =
      sandModulusAt(ctx, criterion, point.layer, x, soil.phiDegrees, soil.gamma, soil.defaultK);
  return soil;
}

// The depth of the resistance formulas at a point of a sand layer. The
// equivalent depth of the layer takes the wedge of the criterion (its K0)
// and the active coefficient Ka the criterion has formed at the layer's
// first node.
double sandResistanceDepth(const RunContext& ctx, Criterion criterion, const PyPoint& point,
                           LayerSweep& sweep, const SandSoil& soil, double phi, double K0,
                           bool slopingKa) {
  return sweep.resistanceDepth(point, [&] {
    const SandWedge wedge = makeSandWedge(phi, K0);
    EquivalentDepthInput top;
    top.criterion = criterion;
    top.cyclic = ctx.model.options.cyclicLoading;
    top.D = soil.D;
    top.gamma = soil.gamma;
    top.phi = wedge.phi;
    top.alpha = wedge.alpha;
    top.beta = wedge.beta;
    top.K0 = wedge.K0;
    top.Ka = slopingKa ? slopingActiveCoefficient(ctx.model.tables.batter.effectiveSlopeAngle, phi)
                       : wedge.KaLevel;
    top.tan2Beta = wedge.tan2Beta;
    top.z0 = point.z0;
    return top;
  });
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

void writeReeseBlock(RunContext& ctx, const PyPoint& point, const SandSoil& soil,
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
  curve_block::writeLayerNumber(out, point.layer, "I12");
  curve_block::writeDepthLines(out, model, point.depth);
  curve_block::writeAngleLines(out, model, "Pile Batter");
  output::writeLabelledValue(out, "Equivalent Depth (see note)", "F12.3", soil.z, labels.length);
  output::writeLabelledValue(out, "Pile Diameter, b", "F12.3", soil.D, labels.length);
  output::writeLabelledValue(out, "Angle of Friction", "F12.3", soil.phiDegrees, "degrees");
  // In US customary units the unit weight is shown in lb/ft3.
  output::writeLabelledValue(out, "Avg. Eff. Unit Weight", "F12.5",
                             us ? soil.gamma * 1728.0 : soil.gamma,
                             us ? labels.unitWeight : labels.subgradeModulus);
  output::writeLabelledValue(out, "kpy", "F12.3", soil.k, labels.subgradeModulus);
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
  curve_block::writeMultiplierLines(out, point.pm, point.ym);

  out.endLine();
  writeEquivalentDepthNote(out, model, point.layer);
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
  if (soil.defaultK) {
    out.endLine();
    out.line("The above p-y curve was computed using internal default values of k.");
  }
  curve_block::writeCurvePlot(ctx, Criterion::kSandReese, point.depth, point.index, printed.curve,
                              point.pm, point.ym);
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

void writeApiBlock(RunContext& ctx, const PyPoint& point, const SandSoil& soil,
                   const ApiSandCurve& c) {
  const AnalysisModel& model = ctx.model;
  const UnitLabels& labels = model.labels;
  const bool cyclic = model.options.cyclicLoading;
  Channel& out = ctx.report;

  curve_block::writeTitle(out,
                          cyclic ? "p-y Curve Computed Using API Sand Criteria for Cyclic Loading"
                                 : "p-y Curve Computed Using API Sand Criteria for Static Loading");
  curve_block::writeLayerNumber(out, point.layer, "I12");
  curve_block::writeDepthLines(out, model, point.depth);
  curve_block::writeAngleLines(out, model, "Pile Batter");
  output::writeLabelledValue(out, "Equivalent Depth (see note)", "F12.3", soil.z, labels.length);
  output::writeLabelledValue(out, "Diameter", "F12.3", soil.D, labels.length);
  output::writeLabelledValue(out, "Friction Angle phi", "F12.3", soil.phiDegrees, "deg.");
  output::writeLabelledValue(out, "Avg. Eff. Unit Wt.", "F12.5", soil.gamma,
                             labels.subgradeModulus);
  output::writeLabelledValue(out, "A", "F12.5", c.A);
  output::writeLabelledValue(out, "k", "F12.3", soil.k, labels.subgradeModulus);
  output::writeLabelledValue(out, "C1", "F12.5", c.C1);
  output::writeLabelledValue(out, "C2", "F12.5", c.C2);
  output::writeLabelledValue(out, "C3", "F12.5", c.C3);
  output::writeLabelledValue(out, "Pus", "F12.3", c.pst, labels.forcePerLength);
  output::writeLabelledValue(out, "Pud", "F12.3", c.psd, labels.forcePerLength);
  output::writeLabelledValue(out, "Pu", "F12.3", c.pu, labels.forcePerLength);
  curve_block::writeMultiplierLines(out, point.pm, point.ym);

  out.endLine();
  writeEquivalentDepthNote(out, model, point.layer);
  out.endLine();
  output::write(out, "(\"        y, \", A, \"             p,\", A)",
                {labels.length, labels.forcePerLength});
  out.line(curve_block::kDashes);
  const PrintedCurve points = apiPoints(c, model.options.IUNITS);
  curve_block::writeCurveRows(out, points, point.pm, point.ym);
  if (soil.defaultK) {
    out.endLine();
    out.line("The above p-y curve was computed using the internal default value of k.");
  }
  curve_block::writeCurvePlot(ctx, Criterion::kSandApi, point.depth, point.index, points, point.pm,
                              point.ym);
}

}  // namespace

// ---- default k --------------------------------------------------------------

double defaultSandModulus(double phiDegrees, double gamma, int unitSystem) {
  if (unitSystem == kUnitsUsCustomary) {
    if (phiDegrees > 40.0) return 160.54745483398438;
    return 1.2098290369522147e-07 * std::pow(phiDegrees, 5.694468021392822);
  }
  if (unitSystem == kUnitsSi) {
    if (gamma <= kSubmergedUnitWeightSi) {
      if (phiDegrees > 40.0) return 43580.1484375;
      return 3.284046397311613e-05 * std::pow(phiDegrees, 5.694468021392822);
    }
    if (phiDegrees > 40.0) return 78739.0078125;
    return 4.14174883189844e-06 * std::pow(phiDegrees, 6.416118144989014);
  }
  return 0.0;
}

// ---- Reese sand -----------------------------------------------------------------

ReeseSandCurve makeReeseSandCurve(const ReeseSandInput& in) {
  ReeseSandCurve c;
  c.wedge = makeSandWedge(in.phi, kReeseEarthPressureAtRest);
  c.b = in.b;
  const bool sloping = std::abs(in.theta) > 1e-10;
  c.Ka = sloping ? slopingActiveCoefficient(in.theta, in.phi) : c.wedge.KaLevel;
  const double s = wedgeSlopeDivisor(in.theta, in.yn, c.wedge.beta);
  c.pst = shallowSandResistance(c.wedge, c.Ka, in.gamma, in.z, in.b, in.theta, s);
  c.psd = deepSandResistance(c.wedge, in.gamma, in.z, in.b);
  // A wedge that would have to reach beyond the slope: flow around governs.
  if (s <= 1e-10 && sloping) c.pst = c.psd;
  c.shallowControls = !(c.psd < c.pst);
  c.ps = c.shallowControls ? c.pst : c.psd;  // a not-a-number pst stays in ps

  c.A = fn_Table10(in.z, in.b, in.cyclic ? kCyclicA : kStaticA, kDepthRatios);
  c.B = fn_Table10(in.z, in.b, in.cyclic ? kCyclicB : kStaticB, kDepthRatios);
  c.pu = c.A * c.ps;
  c.pmPrime = c.B * c.ps;
  c.ymPrime = in.b / 60.0;
  c.yu = 3.0 * in.b / 80.0;
  c.kz = in.k * in.z;

  c.m = (c.pu - c.pmPrime) / (c.yu - c.ymPrime);
  if (in.z != 0.0) {
    c.n = c.pmPrime / (c.m * c.ymPrime);
    c.C = c.pmPrime / std::pow(c.ymPrime, 1.0 / c.n);
    c.yk = std::pow(c.C / c.kz, c.n / (c.n - 1.0));
    c.pk = c.C * std::pow(c.yk, 1.0 / c.n);
  }
  if (in.z < 0.0) c.yk = 2.0 * in.b;

  if (c.ymPrime > c.yk) {
    c.shape = 1;
  } else if (c.ymPrime < c.yk && c.yk < c.yu) {
    c.shape = 2;
  } else if (c.yk > c.yu) {
    c.shape = 3;
  }
  return c;
}

double ReeseSandCurve::pBeforeInitialLine(double y) const {
  if (y <= yk && y < ymPrime) return kz * y;
  if (y > ymPrime) return y <= yu ? pmPrime + m * (y - ymPrime) : pu;
  return n == 0.0 ? 0.0 : C * std::pow(y, 1.0 / n);
}

double ReeseSandCurve::p(double y) const {
  const double curve = pBeforeInitialLine(y);
  return kz * y < curve ? kz * y : curve;
}

// ---- API sand ---------------------------------------------------------------------

ApiSandCurve makeApiSandCurve(const ApiSandInput& in) {
  ApiSandCurve c;
  c.wedge = makeSandWedge(in.phi, kApiEarthPressureAtRest);
  c.z = in.z;
  c.b = in.b;
  const SandWedge& w = c.wedge;
  const bool level = std::abs(in.theta) <= 1e-10;
  c.Ka = level ? w.KaLevel : slopingActiveCoefficient(in.theta, in.phi);

  const double tanBeta = std::tan(w.beta);
  const double tanPhi = std::tan(w.phi);
  const double tanAlpha = std::tan(w.alpha);
  c.C1 =
      tanBeta * (w.tan2Beta * tanAlpha +
                 w.K0 * (tanPhi * std::sin(w.beta) * (1.0 / std::cos(w.alpha) + 1.0) - tanAlpha));
  c.C2 = w.tan2Beta - c.Ka;
  c.C3 = w.tan2Beta * w.tan2Beta * (w.tan2Beta + w.K0 * tanPhi) - c.Ka;

  if (level) {
    c.pst = (c.C1 * in.z + c.C2 * in.b) * in.gamma * in.z;
    c.psd = c.C3 * in.b * in.gamma * in.z;
  } else {
    const double s = wedgeSlopeDivisor(in.theta, in.yn, w.beta);
    c.pst = shallowSandResistance(w, c.Ka, in.gamma, in.z, in.b, in.theta, s);
    c.psd = deepSandResistance(w, in.gamma, in.z, in.b);
    if (s <= 1e-10) c.pst = c.psd;
  }
  c.ps = c.psd < c.pst ? c.psd : c.pst;
  c.A = in.cyclic ? sp(0.9f) : std::max(sp(0.9f), 3.0 - sp(0.8f) * in.z / in.b);
  c.pu = c.A * c.ps;
  c.kz = in.k * in.z;
  return c;
}

double ApiSandCurve::p(double y) const {
  // At the surface, or with no ultimate resistance, there is no resistance
  // (the limit of pu tanh(k z y / pu) as pu goes to 0).
  if (z < 1e-10 || pu == 0.0) return 0.0;
  return pu * std::tanh(kz * y / pu);
}

double ApiSandCurve::layeredResistance() const {
  return p(3.0 * b / 80.0);
}

// ---- the criteria at a point ---------------------------------------------------------

PyCurve reeseSandCurve(RunContext& ctx, const PyPoint& point, LayerSweep& sweep) {
  AnalysisModel& model = ctx.model;
  const int k = point.layer;
  const double theta = model.tables.batter.effectiveSlopeAngle;
  ReeseSandAtPoint at;
  at.soil = sandSoilAt(ctx, Criterion::kSandReese, point);
  SandSoil& soil = at.soil;
  if (soil.phiDegrees * kRadiansPerDegree < 1e-10) stopOnReeseZeroFriction(ctx);
  if (soil.phiDegrees < 20.0 || soil.phiDegrees > 48.0) warnReeseFriction(ctx);
  const double phi = soil.phiDegrees * kRadiansPerDegree;

  // A ground slope steeper than the friction angle leaves no wedge. In the
  // layers below the first the sloping active coefficient is formed all the
  // same, and a slope that steep gives a resistance that is not a number
  // (runtime error 31).
  const double cosTheta = std::cos(theta);
  const double cosPhi = std::cos(phi);
  if (cosTheta * cosTheta - cosPhi * cosPhi < 1e-10 && k == 1) stopOnReeseSteepSlope(ctx, k);
  // On sloping ground the wedge of the equivalent depth takes the active
  // coefficient of the slope.
  soil.z = sandResistanceDepth(ctx, Criterion::kSandReese, point, sweep, soil, phi,
                               kReeseEarthPressureAtRest, std::abs(theta) > 1e-10);

  ReeseSandInput in;
  in.phi = phi;
  in.gamma = soil.gamma;
  in.b = soil.D;
  in.z = soil.z;
  in.k = soil.k;
  in.theta = theta;
  in.yn = point.yn;
  in.cyclic = model.options.cyclicLoading;
  at.curve = makeReeseSandCurve(in);
  return PyCurve{at};
}

void ReeseSandAtPoint::addToLayerIntegral(LayerIntegral& F, const PyPoint& point) const {
  F.trapezoid(point, curve.pu);
  F.toLayerBottom(point, curve.pu);
  F.groundAboveHead(point, 0.0, curve.pu);
}

void writeReeseSandBlock(RunContext& ctx, const PyPoint& point, const PyCurve& curve) {
  const ReeseSandAtPoint& at = curve.as<ReeseSandAtPoint>();
  writeReeseBlock(ctx, point, at.soil, at.curve);
}

PyCurve apiSandCurve(RunContext& ctx, const PyPoint& point, LayerSweep& sweep) {
  AnalysisModel& model = ctx.model;
  const int k = point.layer;
  const double theta = model.tables.batter.effectiveSlopeAngle;
  ApiSandAtPoint at;
  at.soil = sandSoilAt(ctx, Criterion::kSandApi, point);
  SandSoil& soil = at.soil;
  if (soil.phiDegrees < 20.0 || soil.phiDegrees > 48.0) {
    engine::registerWarning(model.state, kWarningApiSandFriction);
  }
  const double phi = soil.phiDegrees * kRadiansPerDegree;
  if (!point.firstInLayer() && phi < 1e-10) stopOnApiZeroFriction(ctx, k);
  if (std::abs(theta) > 1e-10 && k == 1) {
    const double cosTheta = std::cos(theta);
    const double cosPhi = std::cos(phi);
    if (cosTheta * cosTheta - cosPhi * cosPhi < 1e-10) stopOnApiSteepSlope(ctx, k);
  }
  // The equivalent depth takes the level active coefficient, also on sloping
  // ground.
  soil.z = sandResistanceDepth(ctx, Criterion::kSandApi, point, sweep, soil, phi,
                               kApiEarthPressureAtRest, false);

  ApiSandInput in;
  in.phi = phi;
  in.gamma = soil.gamma;
  in.b = soil.D;
  in.z = soil.z;
  in.k = soil.k;
  in.theta = theta;
  in.yn = point.yn;
  in.cyclic = model.options.cyclicLoading;
  at.curve = makeApiSandCurve(in);
  return PyCurve{at};
}

void ApiSandAtPoint::addToLayerIntegral(LayerIntegral& F, const PyPoint& point) const {
  const double value = curve.layeredResistance();
  F.trapezoid(point, value);
  F.toLayerBottom(point, value);
  F.groundAboveHead(point, 0.0, value);
}

void writeApiSandBlock(RunContext& ctx, const PyPoint& point, const PyCurve& curve) {
  const ApiSandAtPoint& at = curve.as<ApiSandAtPoint>();
  writeApiBlock(ctx, point, at.soil, at.curve);
}

}  // namespace quarn::soil
