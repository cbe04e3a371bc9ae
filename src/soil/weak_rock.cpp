#include "soil/weak_rock.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <string>

#include "engine/messages.h"
#include "output/format.h"
#include "output/report_writers.h"
#include "soil/curve_block.h"
#include "soil/py_curve.h"
#include "soil/soil_profile.h"

namespace quarn::soil {

namespace {

using curve_block::PrintedCurve;
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

const CriterionErrors& kErrors = criterionInfo(Criterion::kWeakRock).errors;

[[noreturn]] void stopOnNoCompressiveStrength(RunContext& ctx, int k) {
  const std::string solution =
      output::formatLine("(\"Solution:  Check the input values for layer \", I0)", {k});
  for (Channel* channel : {&ctx.report, &ctx.messages}) {
    channel->line("**** Input Data Error No. " + std::to_string(kErrors.noStrength) + " ****");
    channel->endLine();
    channel->line(
        "Problem:   The input value for compressive strength is less than or equal to zero.");
    channel->endLine();
    channel->line(solution);
  }
  stopOnInputError(ctx, kErrors.noStrength);
}

[[noreturn]] void stopOnNoStrengthBelowTop(RunContext& ctx) {
  Channel& out = ctx.report;
  out.line("**** Input Data Error No. " + std::to_string(kErrors.noStrengthBelowTop) + " ****");
  out.endLine();
  out.line("An error was detected when computing the p-y curve for weak rock.");
  out.line("Problem:   The input value for the compressive strength of a weak rock was ");
  out.line("           input as negative or zero (0).");
  out.endLine();
  out.line("Solution:  Check the depth values for soil layering and soil shear strength ");
  out.line("           values and correct the input data.");
  stopOnInputError(ctx, kErrors.noStrengthBelowTop);
}

[[noreturn]] void stopOnNoKrm(RunContext& ctx, int k) {
  Channel& out = ctx.report;
  out.line("**** Input Data Error No. " + std::to_string(kErrors.noStrainFactor) + " ****");
  out.endLine();
  out.line("Problem:  The input value for k_rm for weak rock is less than or equal to zero.");
  out.endLine();
  output::write(out, "(\"Solution: Check the input values for layer \", I0)", {k});
  // Its code text carries a third digit, "INP00163".
  engine::stopRun(ctx, "INP00163", engine::kInputErrorBase + kErrors.noStrainFactor);
}

[[noreturn]] void stopOnNoStrainRange(RunContext& ctx, int k) {
  ctx.messages.line("ERROR 1 BEFORE EQN 11");
  Channel& out = ctx.report;
  out.line("**** Runtime Error No. " + std::to_string(kErrors.noStrainRange) + " ****");
  out.endLine();
  out.line("An error was detected when computing the p-y curve for weak rock.     ");
  out.line("Problem:  The input value for k_rm is less than or equal to 0. ");
  out.endLine();
  output::write(
      out,
      "(\"Solution:  Check the input values for the week rock properties in the soil layer \", I0)",
      {k});
  engine::stopOnRuntimeError(ctx, kErrors.noStrainRange);
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
    const Criterion above = criterionOf(soil.layers[j]);
    if (above != Criterion::kWeakRock && above != Criterion::kVuggyLimestone) break;
    xr += soil.layers[j].bottom - soil.layers[j].top;
  }
  return xr;
}

void writeWeakRockBlockAt(RunContext& ctx, const PyPoint& point, const WeakRockAtPoint& at) {
  const AnalysisModel& model = ctx.model;
  const UnitLabels& labels = model.labels;
  const WeakRockCurve& curve = at.curve;
  const double b = at.in.b;
  Channel& out = ctx.report;
  curve_block::writeTitle(out, "p-y Curve Computed Using Weak Rock Criteria");
  curve_block::writeLayerNumber(out, point.layer, "I12");
  curve_block::writeDepthLines(out, model, point.depth);
  output::writeLabelledValue(out, "Diameter", "F12.3", b, labels.length);
  output::writeLabelledValue(out, "Unconfined Compressive Strength", "F12.3", at.in.qu,
                             labels.stress);
  output::writeLabelledValue(out, "Gamma Avg", "F12.5", at.gamma, labels.subgradeModulus);
  output::writeLabelledValue(out, "Xr", "F12.3", at.in.xr, labels.length);
  output::writeLabelledValue(out, "RQD", "F12.3", at.in.rqd, "%");
  output::writeLabelledValue(out, "Eir", "F12.0", at.in.Eir, labels.stress);
  output::writeLabelledValue(out, "Pu", "F12.3", curve.pur, labels.forcePerLength);
  output::writeLabelledValue(out, "k_rm", "ES12.5", at.in.krm);
  output::writeLabelledValue(out, "K_ir", "ES12.5", curve.Kir);
  output::writeLabelledValue(out, "Alpha_r", "F12.5", curve.alphaR);
  output::writeLabelledValue(out, "Yu", "F12.5", 3.0 * b / 80.0, labels.length);
  output::writeLabelledValue(out, "Yrm", "F12.5", curve.yrm, labels.length);
  output::writeLabelledValue(out, "Y_A", "ES12.5", curve.yA, labels.length);
  curve_block::writeMultiplierLines(out, point.pm, point.ym);
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
  curve_block::writeCurveRows(out, printed, point.pm, point.ym);
  curve_block::writeCurvePlot(ctx, Criterion::kWeakRock, point.depth, point.index, printed,
                              point.pm, point.ym);
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

void writeVuggyBlockAt(RunContext& ctx, const PyPoint& point, const VuggyLimestoneAtPoint& at) {
  const VuggyLimestoneCurve& curve = at.curve;
  const double depth = point.depth;
  const double b = point.D;
  const double qu = at.qu;
  const double pm = point.pm;
  const double ym = point.ym;
  const AnalysisModel& model = ctx.model;
  const UnitLabels& labels = model.labels;
  Channel& out = ctx.report;
  curve_block::writeTitle(out, "p-y Curve for Vuggy Limestone (Strong Rock) Criteria");
  curve_block::writeLayerNumber(out, point.layer, "I12");
  curve_block::writeDepthLines(out, model, depth);
  output::writeLabelledValue(out, "Shaft Diameter", "F12.3", b, labels.length);
  output::writeLabelledValue(out, "Uniaxial Compressive Strength", "F12.3", qu, labels.stress);
  curve_block::writeMultiplierLines(out, pm, ym);
  curve_block::writeHeaderAt22(out, labels);

  // The initial line to y1, then 15 steps to the failure deflection y2.
  PrintedCurve printed;
  printed.y[0] = 0.0;
  printed.y[1] = curve.y1;
  for (int j = 1; j <= 14; ++j) {
    printed.y[static_cast<std::size_t>(j + 1)] = curve.y1 + j * (curve.y2 - curve.y1) / 15.0;
  }
  printed.y[16] = curve.y2;
  for (std::size_t j = 0; j < printed.y.size(); ++j) printed.p[j] = curve.p(printed.y[j]);
  curve_block::writeCurveRows(out, printed, pm, ym);
  curve_block::writeCurvePlot(ctx, Criterion::kVuggyLimestone, depth, point.index, printed, pm, ym);
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

// ---- the criteria at a point ------------------------------------------------------------

PyCurve weakRockCurve(RunContext& ctx, const PyPoint& point, LayerSweep& /*sweep*/) {
  AnalysisModel& model = ctx.model;
  const int k = point.layer;
  const double x = point.depth;
  const SoilLayer& layer = model.soil.layers[static_cast<std::size_t>(k)];
  WeakRockAtPoint at;
  WeakRockInput& in = at.in;

  // Compressive strength: warnings and the check away from interfaces,
  // where the value is the layer's own.
  const StrengthAtDepth strength = lookupStrength(ctx, x);
  in.qu = strength.c;
  if (!strength.atInterface) {
    checkWeakRockStrength(model, in.qu);
    if (in.qu <= 0.0) stopOnNoCompressiveStrength(ctx, k);
  }
  in.rqd = fn_RQD(ctx, x);
  in.Eir = fn_LayerValueAt(ctx, k, x, layer.rockModulus, Criterion::kWeakRock);
  if (!point.firstInLayer() && in.qu < 1e-10) stopOnNoStrengthBelowTop(ctx);
  at.gamma = fn_GammaAvg(ctx, x);

  in.krm = fn_krm(model, x);
  if (in.krm <= 0.0) stopOnNoKrm(ctx, k);
  if (in.krm < kKrmLow) engine::registerWarning(model.state, kWarningKrmSmall);
  if (in.krm > kKrmHigh) engine::registerWarning(model.state, kWarningKrmLarge);

  in.b = point.D;
  in.xr = depthIntoRock(model.soil, k, x);
  at.curve = makeWeakRockCurve(in);
  const WeakRockCurve& curve = at.curve;
  if (curve.yrm <= 0.0) stopOnNoStrainRange(ctx, k);
  if (curve.pur / (2.0 * std::pow(curve.yrm, 0.25)) / curve.kir <= 0.0) {
    ctx.messages.line("ERROR 2 BEFORE EQN 11");
  }
  return PyCurve{at};
}

void writeWeakRockBlock(RunContext& ctx, const PyPoint& point, const PyCurve& curve) {
  writeWeakRockBlockAt(ctx, point, curve.as<WeakRockAtPoint>());
}

PyCurve vuggyLimestoneCurve(RunContext& ctx, const PyPoint& point, LayerSweep& /*sweep*/) {
  AnalysisModel& model = ctx.model;
  const double x = point.depth;
  const double layerTop = model.soil.layers[static_cast<std::size_t>(point.layer)].top;
  VuggyLimestoneAtPoint at;
  at.qu = fn_c(ctx, x);
  const double gamma = fn_GammaAvg(ctx, x);
  at.curve = makeVuggyLimestoneCurve(at.qu, gamma, point.D, point.z0);
  if (x > layerTop) checkVuggyStrength(model, at.curve.su);
  return PyCurve{at};
}

void writeVuggyLimestoneBlock(RunContext& ctx, const PyPoint& point, const PyCurve& curve) {
  writeVuggyBlockAt(ctx, point, curve.as<VuggyLimestoneAtPoint>());
}

}  // namespace quarn::soil
