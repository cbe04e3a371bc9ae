// Weak rock and vuggy limestone, and the per-layer values of the rock criteria.
// Massive rock is in rock_massive.cpp.
#include "soil/rock.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <string>

#include "engine/pile_properties.h"
#include "engine/messages.h"
#include "output/format.h"
#include "output/report_writers.h"
#include "soil/criteria.h"
#include "soil/criterion_support.h"
#include "soil/soil_profile.h"

namespace quarn::soil {

// The shared pieces of the printed curves and the layer values.
using namespace support;

namespace {

using engine::Channel;
using engine::RunContext;

// ---- weak rock ------------------------------------------------------------------

// Strength range of the weak rock criterion: 100 to 1000 psi, 689.5 to 6895 kPa.
constexpr double kWeakRockLowUs = 100.0;
constexpr double kWeakRockHighUs = 1000.0;
constexpr double kWeakRockLowSi = 689.5;
constexpr double kWeakRockHighSi = 6895.0;
// Range of k_rm in the tests behind the criterion.
constexpr double kKrmLow = sp(0.00005f);
constexpr double kKrmHigh = sp(0.0005f);

// Fractions of the way from yA to 16 yrm of the printed points 3 to 16.
constexpr std::array<double, 14> kWeakRockPrintFractions = {
    sp(0.02f), sp(0.04f), sp(0.06f), sp(0.08f), sp(0.1f), sp(0.2f), sp(0.3f),
    sp(0.4f),  sp(0.5f),  sp(0.6f),  sp(0.7f),  sp(0.8f), sp(0.9f), sp(1.0f)};

// Everything known at one node (or output depth) of a weak rock layer.
struct WeakRockPoint {
  int index = 0;
  CallPoint at;
  double D = 0.0;
  double pm = 1.0;
  double ym = 1.0;
  double gamma = 0.0;
  WeakRockInput input;
  WeakRockCurve curve;
};

[[noreturn]] void stopOnNoCompressiveStrength(RunContext& ctx, int k) {
  const std::string solution =
      output::formatLine("(\"Solution:  Check the input values for layer \", I0)", {k});
  for (Channel* channel : {&ctx.report, &ctx.messages}) {
    channel->line("**** Input Data Error No. 62 ****");
    channel->endLine();
    channel->line(
        "Problem:   The input value for compressive strength is less than or equal to zero.");
    channel->endLine();
    channel->line(solution);
  }
  engine::stopRun(ctx, "INP00062", engine::kInputErrorBase + 62);
}

[[noreturn]] void stopOnNoStrengthBelowTop(RunContext& ctx) {
  Channel& out = ctx.report;
  out.line("**** Input Data Error No. 16 ****");
  out.endLine();
  out.line("An error was detected when computing the p-y curve for weak rock.");
  out.line("Problem:   The input value for the compressive strength of a weak rock was ");
  out.line("           input as negative or zero (0).");
  out.endLine();
  out.line("Solution:  Check the depth values for soil layering and soil shear strength ");
  out.line("           values and correct the input data.");
  engine::stopRun(ctx, "INP00016", engine::kInputErrorBase + 16);
}

[[noreturn]] void stopOnNoKrm(RunContext& ctx, int k) {
  Channel& out = ctx.report;
  out.line("**** Input Data Error No. 63 ****");
  out.endLine();
  out.line("Problem:  The input value for k_rm for weak rock is less than or equal to zero.");
  out.endLine();
  output::write(out, "(\"Solution: Check the input values for layer \", I0)", {k});
  // The only input error numbered with three digits.
  engine::stopRun(ctx, "INP00163", engine::kInputErrorBase + 63);
}

[[noreturn]] void stopOnNoStrainRange(RunContext& ctx, int k) {
  ctx.messages.line("ERROR 1 BEFORE EQN 11");
  Channel& out = ctx.report;
  out.line("**** Runtime Error No. 22 ****");
  out.endLine();
  out.line("An error was detected when computing the p-y curve for weak rock.     ");
  out.line("Problem:  The input value for k_rm is less than or equal to 0. ");
  out.endLine();
  output::write(
      out,
      "(\"Solution:  Check the input values for the week rock properties in the soil layer \", I0)",
      {k});
  engine::stopRun(ctx, "RUN00022", engine::kRuntimeErrorBase + 22);
}

// The strength warnings of weak rock, in the units of the run.
void checkWeakRockStrength(AnalysisModel& model, double qu) {
  if (model.options.IUNITS == kUnitsUsCustomary) {
    if (qu < kWeakRockLowUs) engine::registerWarning(model.state, kWarningWeakRockWeakUs);
    if (qu > kWeakRockHighUs) engine::registerWarning(model.state, kWarningWeakRockStrongUs);
  } else if (model.options.IUNITS == kUnitsSi) {
    if (qu < kWeakRockLowSi) engine::registerWarning(model.state, kWarningWeakRockWeakSi);
    if (qu > kWeakRockHighSi) engine::registerWarning(model.state, kWarningWeakRockStrongSi);
  }
}

// Depth below the top of the rock: from the top of layer k, plus every weak
// rock or vuggy limestone layer directly above it.
double depthIntoRock(const Soil& soil, int k, double x) {
  double xr = 1e-8 + x - soil.layers[k].top;
  for (int j = k - 1; j >= 1; --j) {
    const Criterion above = criterionInfo(soil.layers[j].criterion).code;
    if (above != Criterion::kWeakRock && above != Criterion::kVuggyLimestone) break;
    xr += soil.layers[j].bottom - soil.layers[j].top;
  }
  return xr;
}

void writeWeakRockBlock(RunContext& ctx, const CriterionCall& call, const WeakRockPoint& point) {
  const AnalysisModel& model = ctx.model;
  const UnitLabels& labels = model.labels;
  const WeakRockCurve& curve = point.curve;
  const double b = point.input.b;
  Channel& out = ctx.report;
  out.emptyLines(2);
  out.line("p-y Curve Computed Using Weak Rock Criteria");
  out.endLine();
  writeLayerNumber(out, call.layer, "I12");
  writeDepthLines(out, model, point.at.depth);
  output::writeLabelledValue(out, "Diameter", "F12.3", b, labels.length);
  output::writeLabelledValue(out, "Unconfined Compressive Strength", "F12.3", point.input.qu,
                             labels.stress);
  output::writeLabelledValue(out, "Gamma Avg", "F12.5", point.gamma, labels.subgradeModulus);
  output::writeLabelledValue(out, "Xr", "F12.3", point.input.xr, labels.length);
  output::writeLabelledValue(out, "RQD", "F12.3", point.input.rqd, "%");
  output::writeLabelledValue(out, "Eir", "F12.0", point.input.Eir, labels.stress);
  output::writeLabelledValue(out, "Pu", "F12.3", curve.pur, labels.forcePerLength);
  output::writeLabelledValue(out, "k_rm", "ES12.5", point.input.krm);
  output::writeLabelledValue(out, "K_ir", "ES12.5", curve.Kir);
  output::writeLabelledValue(out, "Alpha_r", "F12.5", curve.alphaR);
  output::writeLabelledValue(out, "Yu", "F12.5", 3.0 * b / 80.0, labels.length);
  output::writeLabelledValue(out, "Yrm", "F12.5", curve.yrm, labels.length);
  output::writeLabelledValue(out, "Y_A", "ES12.5", curve.yA, labels.length);
  writeMultiplierLines(out, point.pm, point.ym);
  out.endLine();
  output::write(out, "(\"        y, \", A, \"            p, \", A)",
                {labels.length, labels.forcePerLength});
  out.line("---------------   ---------------");

  // The initial line to yA, then the curve to 16 yrm and one point beyond.
  PrintedCurve printed;
  printed.y[0] = 0.0;
  printed.y[1] = curve.yA;
  for (std::size_t j = 0; j < kWeakRockPrintFractions.size(); ++j) {
    printed.y[j + 2] = curve.yA + kWeakRockPrintFractions[j] * (16.0 * curve.yrm - curve.yA);
  }
  printed.y[16] = 20.0 * curve.yrm;
  for (std::size_t j = 0; j < printed.y.size(); ++j) printed.p[j] = curve.p(printed.y[j]);
  writeCurveRows(out, printed, point.pm, point.ym);
  writeCurvePlot(ctx, Criterion::kWeakRock, point.at.depth, point.index, printed, point.pm,
                 point.ym);
}

// ---- vuggy limestone ------------------------------------------------------------

// Range of su in the tests of vuggy limestone: 500 to 2500 psi; in SI units
// 6895 to 17237.5 kPa.
constexpr double kVuggyLowUs = 500.0;
constexpr double kVuggyHighUs = 2500.0;
constexpr double kVuggyLowSi = 6895.0;
constexpr double kVuggyHighSi = 17237.5;

void checkVuggyStrength(AnalysisModel& model, double su) {
  const int units = model.options.IUNITS;
  const bool outside = (units == kUnitsUsCustomary && (su < kVuggyLowUs || su > kVuggyHighUs)) ||
                       (units == kUnitsSi && (su < kVuggyLowSi || su > kVuggyHighSi));
  if (outside) engine::registerWarning(model.state, kWarningVuggyStrength);
}

void writeVuggyBlock(RunContext& ctx, const CriterionCall& call, int index, double depth, double b,
                     double qu, double pm, double ym, const VuggyLimestoneCurve& curve) {
  const AnalysisModel& model = ctx.model;
  const UnitLabels& labels = model.labels;
  Channel& out = ctx.report;
  out.emptyLines(2);
  out.line("p-y Curve for Vuggy Limestone (Strong Rock) Criteria");
  out.endLine();
  writeLayerNumber(out, call.layer, "I12");
  writeDepthLines(out, model, depth);
  output::writeLabelledValue(out, "Shaft Diameter", "F12.3", b, labels.length);
  output::writeLabelledValue(out, "Uniaxial Compressive Strength", "F12.3", qu, labels.stress);
  writeMultiplierLines(out, pm, ym);
  out.endLine();
  output::write(out, "(\"        y, \", A, T22, \"p, \", A)",
                {labels.length, labels.forcePerLength});
  out.line("---------------   ---------------");

  // The initial line to y1, then 15 steps to the failure deflection y2.
  PrintedCurve printed;
  printed.y[0] = 0.0;
  printed.y[1] = curve.y1;
  for (int j = 1; j <= 14; ++j) {
    printed.y[static_cast<std::size_t>(j + 1)] = curve.y1 + j * (curve.y2 - curve.y1) / 15.0;
  }
  printed.y[16] = curve.y2;
  for (std::size_t j = 0; j < printed.y.size(); ++j) printed.p[j] = curve.p(printed.y[j]);
  writeCurveRows(out, printed, pm, ym);
  writeCurvePlot(ctx, Criterion::kVuggyLimestone, depth, index, printed, pm, ym);
}

}  // namespace

// ---- curves -----------------------------------------------------------------------

WeakRockCurve makeWeakRockCurve(const WeakRockInput& in) {
  WeakRockCurve curve;
  const double b = in.b;
  curve.alphaR = 1.0 - sp(0.006666666828095913f) * in.rqd;
  if (in.xr > 3.0 * b) {
    curve.pur = sp(5.2f) * curve.alphaR * in.qu * b;
    curve.Kir = 500.0;
  } else {
    curve.pur = curve.alphaR * in.qu * b * (1.0 + sp(1.4f) * in.xr / b);
    curve.Kir = 100.0 + 400.0 * in.xr / (3.0 * b);
  }
  curve.kir = curve.Kir * in.Eir;
  curve.yrm = in.krm * b;
  curve.yA = std::pow(curve.pur / (2.0 * std::pow(curve.yrm, 0.25) * curve.kir), sp(1.333f));
  return curve;
}

double WeakRockCurve::p(double y) const {
  if (y < yA) return kir * y;
  return std::min(pur, 0.5 * pur * std::pow(y / yrm, 0.25));
}

VuggyLimestoneCurve makeVuggyLimestoneCurve(double qu, double gamma, double b, double z0) {
  VuggyLimestoneCurve curve;
  curve.su = qu / 2.0;
  curve.y1 = sp(0.0004f) * b;
  curve.p1 = sp(0.8f) * b * curve.su;
  curve.y2 = (b * curve.su - curve.p1) / (100.0 * curve.su) + curve.y1;
  curve.residual = 0.5 * gamma * b * z0;
  return curve;
}

double VuggyLimestoneCurve::p(double y) const {
  if (y < y1) return 2000.0 * su * y;
  if (y <= y2) return p1 + 100.0 * su * (y - y1);
  return residual;
}

// ---- per-layer values ---------------------------------------------------------------

double fn_LayerValueAt(RunContext& ctx, int k, double x, const LayerValue& value, RockKind kind) {
  const SoilLayer& layer = ctx.model.soil.layers[static_cast<std::size_t>(k)];
  if (layer.bottom == layer.top) {
    Channel& out = ctx.report;
    out.line("**** Runtime Error No. 20 ****");
    out.endLine();
    if (kind == RockKind::kWeakRock) {
      out.line("Problem:  The top and bottom elevations for weak rock layer are equal.");
      out.line("Solution: Correct the input data for elevations defining weak rock layer.");
    } else {
      out.line("Problem:  The top and bottom elevations for massive rock layer are equal.");
      output::write(out,
                    "(\"          The top and bottom elevations for layer \", I0, \" = \", "
                    "ES12.4, 3/, "
                    "\"Solution: Correct the input data for elevations defining the massive "
                    "rock layer.\")",
                    {k, layer.top});
    }
    engine::stopRun(ctx, "RUN00020", engine::kRuntimeErrorBase + 20);
  }
  return layerValueAt(layer, value, x);
}

// ---- routines -----------------------------------------------------------------------

void weakRock(RunContext& ctx, const CriterionCall& call) {
  AnalysisModel& model = ctx.model;
  // The criterion is written for one cycle of loading at least.
  if (model.options.numberOfCycles <= 0.0) model.options.numberOfCycles = 1.0;
  const int k = call.layer;
  const SoilLayer& layer = model.soil.layers[static_cast<std::size_t>(k)];

  for (int i = call.NodeFirst; i <= call.NodeLast; ++i) {
    WeakRockPoint point;
    point.index = i;
    point.at = callPoint(model, call, i);
    const double x = point.at.depth;
    point.D = engine::Compute_Pile_Properties(model.pile, point.at.x).D;
    point.pm = fn_pMult(model.tables.multipliers, point.at.x);
    point.ym = fn_yMult(model.tables.multipliers, point.at.x);

    // Compressive strength: warnings and the check away from interfaces,
    // where the value is the layer's own.
    const StrengthAtDepth strength = lookupStrength(ctx, x);
    WeakRockInput& in = point.input;
    in.qu = strength.c;
    if (!strength.atInterface) {
      checkWeakRockStrength(model, in.qu);
      if (in.qu <= 0.0) stopOnNoCompressiveStrength(ctx, k);
    }
    in.rqd = fn_RQD(ctx, x);
    in.Eir = fn_LayerValueAt(ctx, k, x, layer.rockModulus, RockKind::kWeakRock);
    if (i > call.NodeFirst && in.qu < 1e-10) stopOnNoStrengthBelowTop(ctx);
    point.gamma = fn_GammaAvg(ctx, x);

    in.krm = fn_krm(model, x);
    if (in.krm <= 0.0) stopOnNoKrm(ctx, k);
    if (in.krm < kKrmLow) engine::registerWarning(model.state, kWarningKrmSmall);
    if (in.krm > kKrmHigh) engine::registerWarning(model.state, kWarningKrmLarge);

    in.b = point.D;
    in.xr = depthIntoRock(model.soil, k, x);
    point.curve = makeWeakRockCurve(in);
    const WeakRockCurve& curve = point.curve;
    if (curve.yrm <= 0.0) stopOnNoStrainRange(ctx, k);
    if (curve.pur / (2.0 * std::pow(curve.yrm, 0.25)) / curve.kir <= 0.0) {
      ctx.messages.line("ERROR 2 BEFORE EQN 11");
    }

    if (call.PrintMode) {
      writeWeakRockBlock(ctx, call, point);
      continue;
    }
    // The initial modulus on the straight line, and at no deflection (where
    // a rock without strength has yA = 0 and no secant). The straight line
    // reaches a good part of pur, so it carries the multipliers like the rest
    // of the curve: a group's p-multiplier applies from the first deflection.
    const double y = relativeDeflection(model, i, point.ym);
    if (y < curve.yA || y == 0.0) {
      storeModulus(model, i, point.pm * curve.kir / point.ym);
    } else {
      storeModulus(model, i, point.pm * curve.p(y) / (y * point.ym));
    }
  }
}

void vuggyLimestone(RunContext& ctx, const CriterionCall& call) {
  AnalysisModel& model = ctx.model;
  const int k = call.layer;
  const double layerTop = model.soil.layers[static_cast<std::size_t>(k)].top;
  const double xg = model.soil.layers[1].top;

  for (int i = call.NodeFirst; i <= call.NodeLast; ++i) {
    const CallPoint at = callPoint(model, call, i);
    const double x = at.depth;
    const double b = engine::Compute_Pile_Properties(model.pile, at.x).D;
    const double pm = fn_pMult(model.tables.multipliers, at.x);
    const double ym = fn_yMult(model.tables.multipliers, at.x);
    const double qu = fn_c(ctx, x);
    const double gamma = fn_GammaAvg(ctx, x);
    const VuggyLimestoneCurve curve = makeVuggyLimestoneCurve(qu, gamma, b, x - xg);
    if (x > layerTop) checkVuggyStrength(model, curve.su);

    if (call.PrintMode) {
      writeVuggyBlock(ctx, call, i, x, b, qu, pm, ym, curve);
      continue;
    }
    // The pile's own deflection: the rock is taken not to move with the soil,
    // and no soil-movement load is formed.
    const double y = std::abs(model.pileModel.y(i)) / ym;
    PileNode& node = model.pileModel.node[static_cast<std::size_t>(i)];
    node.Es = y < 1e-14 ? 2000.0 * curve.su / ym : pm * (curve.p(y) / y) / ym;
  }
}

}  // namespace quarn::soil
