// Piedmont residual soil, loess, elastic subgrade and user-input p-y curves.
// Cemented silt is in other_criteria_silt.cpp.
#include "soil/other_criteria.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>

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

// Below this deflection the criteria take their initial modulus instead of
// the secant (1e-14 in single precision).
constexpr double kNoDeflection = sp(1e-14f);

// Where entry i of a call lies, with the pile diameter and the multipliers there.
struct CommonPoint {
  int index = 0;
  CallPoint at;
  double b = 0.0;
  double pm = 1.0;
  double ym = 1.0;
};

CommonPoint commonPoint(const AnalysisModel& model, const CriterionCall& call, int i) {
  CommonPoint point;
  point.index = i;
  point.at = callPoint(model, call, i);
  point.b = engine::Compute_Pile_Properties(model.pile, point.at.x).D;
  point.pm = fn_pMult(model.tables.multipliers, point.at.x);
  point.ym = fn_yMult(model.tables.multipliers, point.at.x);
  return point;
}

// The title lines that open every printed curve.
void writeTitle(Channel& out, std::string_view title) {
  out.emptyLines(2);
  out.line(title);
  out.endLine();
}

// The column header of the blocks with "p, " at column 22, and its rule.
void writeHeaderAt22(Channel& out, const UnitLabels& labels) {
  out.endLine();
  output::write(out, "(\"        y, \", A, T22, \"p, \", A)",
                {labels.length, labels.forcePerLength});
  out.line("---------------   ---------------");
}

// ---- Piedmont residual soil -----------------------------------------------------

// A Piedmont layer whose field-test code names no test: the criterion has no
// modulus to work with.
[[noreturn]] void stopOnUnknownFieldTest(RunContext& ctx, int k, int code) {
  for (Channel* channel : {&ctx.report, &ctx.messages}) {
    channel->emptyLines(2);
    channel->line("**** Input Data Error No. 44 ****");
    channel->endLine();
    output::write(*channel,
                  "(\"Problem:  The field test code of Piedmont residual soil layer \", I0, "
                  "\" is \", I0, \".\")",
                  {k, code});
    channel->line("          The code must be 1 (SPT), 2 (CPT), 3 (DMT) or 4 (PMT).");
    channel->endLine();
    channel->line("Solution:  Correct the field test code of the layer in the input data.");
    channel->endLine();
  }
  engine::stopRun(ctx, "INP00044", engine::kInputErrorBase + 44);
}

// The test value of the layer's field test, given at the layer top and bottom.
const LayerValue& fieldTestValue(const SoilLayer& layer, int test) {
  switch (test) {
    case kFieldTestSpt:
      return layer.sptN60;
    case kFieldTestCpt:
      return layer.coneTip;
    case kFieldTestDmt:
      return layer.dilatometerModulus;
    default:
      return layer.pressuremeterModulus;
  }
}

void writePiedmontBlock(RunContext& ctx, const CriterionCall& call, const CommonPoint& point,
                        int test, double testValue, const PiedmontCurve& curve) {
  const AnalysisModel& model = ctx.model;
  const UnitLabels& labels = model.labels;
  const bool us = model.options.IUNITS == kUnitsUsCustomary;
  Channel& out = ctx.report;
  writeTitle(out, "p-y Curve for Piedmont Residual Soil Criteria");
  writeLayerNumber(out, call.layer, "I12");
  writeDepthLines(out, model, point.at.depth);
  output::writeLabelledValue(out, "Shaft Diameter", "F12.3", point.b, labels.length);
  struct TestTexts {
    std::string_view name;
    std::string_view valueLabel;
  };
  constexpr std::array<TestTexts, 4> kTests = {{
      {"Standard Penetration Test", "SPT  N60-value"},
      {"Cone Penetration Test", "CPT qc"},
      {"Dilatometer Test", "DMT Edmt"},
      {"Pressuremeter Test", "DMT Epmt"},
  }};
  const TestTexts& texts = kTests[static_cast<std::size_t>(test - 1)];
  output::writeLabelledValue(out, "Type of Field Test", "A", texts.name);
  const std::string_view unit =
      test == kFieldTestSpt ? (us ? "blows/ft" : "blows/0.3 m") : (us ? "psf" : "kPa");
  output::writeLabelledValue(out, texts.valueLabel, "F12.3", testValue, unit);
  output::writeLabelledValue(out, "Initial Modulus from Field Tests", "F12.3", curve.Ei,
                             labels.subgradeModulus);
  writeMultiplierLines(out, point.pm, point.ym);
  writeHeaderAt22(out, labels);

  // The initial line to y1, 14 steps to yu, and one point beyond.
  PrintedCurve printed;
  printed.y[0] = 0.0;
  printed.y[1] = curve.y1;
  for (int j = 1; j <= 13; ++j) {
    printed.y[static_cast<std::size_t>(j + 1)] = curve.y1 + j * (curve.yu - curve.y1) / 14.0;
  }
  printed.y[15] = curve.yu;
  printed.y[16] = sp(1.05f) * curve.yu;
  for (std::size_t j = 0; j < printed.y.size(); ++j) printed.p[j] = curve.p(printed.y[j]);
  writeCurveRows(out, printed, point.pm, point.ym);
  writeCurvePlot(ctx, Criterion::kPiedmont, point.at.depth, point.index, printed, point.pm,
                 point.ym);
}

// ---- loess -----------------------------------------------------------------------

// The criterion was calibrated for 1 to 10 cycles; beyond 10.1 the run stops.
constexpr double kLoessMostCycles = sp(10.1f);

void writeLoessCyclesBlock(RunContext& ctx, int k, double cycles) {
  Channel& out = ctx.report;
  out.emptyLines(2);
  out.line("**** Input Data Error No. 70 ****");
  output::write(out,
                "(\"PROBLEM: Soil layer \", I0, \" is a loess and the input value for the number "
                "of cycles of loading = \", F12.1)",
                {k, cycles});
  out.line(
      "This value is greater than 10. The soil model for loess is valid only for 1 to 10 "
      "cycles of loading. ");
  out.line(
      "SOLUTION: Revise the input data so that the number of cycles of loading is in the "
      "range of 1 to 10.");
  out.endLine();
}

void writeLoessBlock(RunContext& ctx, const CriterionCall& call, const CommonPoint& point,
                     double qc, double cycles, const LoessCurve& curve) {
  const AnalysisModel& model = ctx.model;
  const UnitLabels& labels = model.labels;
  Channel& out = ctx.report;
  writeTitle(out, "p-y Curve for Loess");
  writeLayerNumber(out, call.layer, "I12");
  writeDepthLines(out, model, point.at.depth);
  output::writeLabelledValue(out, "Shaft Diameter", "F12.3", point.b, labels.length);
  output::writeLabelledValue(out, "Depth Adj. Cone tip resistance", "F12.3", curve.qcAdjusted,
                             labels.stress);
  output::writeLabelledValue(out, "Cone tip resistance", "F12.3", qc, labels.stress);
  output::writeLabelledValue(out, "Initial Modulus, Ei", "F12.3", curve.Ei, labels.stress);
  output::writeLabelledValue(out, "p_u0", "F12.3", curve.pu0, labels.stress);
  output::writeLabelledValue(out, "p_u", "F12.3", curve.pu, labels.forcePerLength);
  output::writeLabelledValue(out, "Number of Cycles of Loading", "F12.0", cycles, "cycles");
  writeMultiplierLines(out, point.pm, point.ym);
  writeHeaderAt22(out, labels);

  constexpr std::array<double, kPrintedCurvePoints> kMultiples = {
      0.0, 0.25, 0.5, 0.75, 1.0, 1.5, 2.0, 3.0, 4.0, 6.0, 8.0, 12.0, 16.0, 23.0, 30.0, 40.0, 50.0};
  PrintedCurve printed;
  for (std::size_t j = 0; j < printed.y.size(); ++j) {
    printed.y[j] = kMultiples[j] * curve.yref;
    printed.p[j] = curve.p(printed.y[j]);
  }
  writeCurveRows(out, printed, point.pm, point.ym);
  writeCurvePlot(ctx, Criterion::kLoess, point.at.depth, point.index, printed, point.pm, point.ym);
}

// ---- elastic subgrade -----------------------------------------------------------

void writeElasticSubgradeBlock(RunContext& ctx, const CriterionCall& call, const CommonPoint& point,
                               double k) {
  const AnalysisModel& model = ctx.model;
  const UnitLabels& labels = model.labels;
  Channel& out = ctx.report;
  writeTitle(out, "p-y Curve for Elastic Subgrade");
  writeLayerNumber(out, call.layer, "I10");
  writeDepthLines(out, model, point.at.depth);
  output::writeLabelledValue(out, "Shaft Diameter", "F12.3", point.b, labels.length);
  output::writeLabelledValue(out, "Elastic Subgrade Modulus", "F12.3", k, labels.subgradeModulus);
  writeMultiplierLines(out, point.pm, point.ym);
  writeHeaderAt22(out, labels);

  // From no deflection to 2 b in steps of b / 8.
  PrintedCurve printed;
  for (std::size_t j = 0; j < printed.y.size(); ++j) {
    printed.y[j] = static_cast<double>(j) * point.b / 8.0;
    printed.p[j] = k * point.b * printed.y[j];
  }
  writeCurveRows(out, printed, point.pm, point.ym);
  writeCurvePlot(ctx, Criterion::kElasticSubgrade, point.at.depth, point.index, printed, point.pm,
                 point.ym);
}

// ---- user-input curves ---------------------------------------------------------

// Position of depth x between the layer top (0) and bottom (1).
double depthFraction(const SoilLayer& layer, double x) {
  const double thickness = layer.bottom - layer.top;
  return thickness == 0.0 ? 0.0 : (x - layer.top) / thickness;
}

// p of the layer's two curves at y, interpolated by the depth fraction f.
double userP(const SoilLayer& layer, double f, double y) {
  const double top = userCurveP(layer.userCurves[0], y);
  const double bottom = userCurveP(layer.userCurves[1], y);
  return top + f * (bottom - top);
}

// Deflections of the printed curve in multiples of the diameter (points 3 to
// 16; point 2 is 0.001 in the model's length unit, point 17 half the diameter).
constexpr std::array<double, 14> kUserPrintMultiples = {
    sp(0.00625f), sp(0.0125f),  sp(0.01875f), sp(0.025f),   sp(0.03125f), sp(0.0375f), sp(0.04375f),
    sp(0.05f),    sp(0.05625f), sp(0.0625f),  sp(0.06875f), sp(0.075f),   sp(0.2f),    sp(0.375f)};

void writeUserCurveBlock(RunContext& ctx, const CriterionCall& call, const CommonPoint& point,
                         const SoilLayer& layer, double f) {
  const AnalysisModel& model = ctx.model;
  const UnitLabels& labels = model.labels;
  Channel& out = ctx.report;
  writeTitle(out, "p-y Curve Computed by Interpolation Between User-input Curves");
  writeLayerNumber(out, call.layer, "I12");
  writeDepthLines(out, model, point.at.depth);
  output::writeLabelledValue(out, "Pile diameter", "F12.3", point.b, labels.length);
  writeMultiplierLines(out, point.pm, point.ym);
  out.endLine();
  output::write(out, "(T6, \"y, \", A, T25, \"p, \", A)", {labels.length, labels.forcePerLength});
  out.line("----------------    ----------------");

  PrintedCurve printed;
  printed.y[0] = 0.0;
  printed.y[1] = sp(0.001f);
  for (std::size_t j = 0; j < kUserPrintMultiples.size(); ++j) {
    printed.y[j + 2] = kUserPrintMultiples[j] * point.b;
  }
  printed.y[16] = 0.5 * point.b;
  for (std::size_t j = 0; j < printed.y.size(); ++j) printed.p[j] = userP(layer, f, printed.y[j]);
  writeCurveRows(out, printed, point.pm, point.ym);
  writeCurvePlot(ctx, Criterion::kUserPy, point.at.depth, point.index, printed, point.pm, point.ym);
}

}  // namespace

// ---- curves -----------------------------------------------------------------------

double piedmontModulusFactor(int fieldTest, int unitSystem) {
  switch (fieldTest) {
    case kFieldTestSpt:
      return unitSystem == kUnitsUsCustomary ? 22.0 : 151.68465995788574;
    case kFieldTestCpt:
      return sp(0.118f);
    case kFieldTestDmt:
      return sp(0.076f);
    case kFieldTestPmt:
      return sp(0.235f);
    default:
      return 0.0;
  }
}

PiedmontCurve makePiedmontCurve(double Ei, double b) {
  PiedmontCurve curve;
  curve.Ei = Ei;
  curve.b = b;
  curve.y1 = sp(0.001f) * b;
  curve.yu = sp(0.0375f) * b;
  curve.pu = 0.21632074170043247 * Ei * b * curve.yu;
  return curve;
}

double PiedmontCurve::p(double y) const {
  if (y < y1) return Ei * b * y;
  if (y < yu) return Ei * b * y * (1.0 - 0.21624703162973105 * std::log(1000.0 * y / b));
  return pu;
}

LoessCurve makeLoessCurve(const LoessInput& in) {
  LoessCurve curve;
  curve.yref = in.unitSystem == kUnitsUsCustomary ? sp(0.117f) : sp(0.0029718f);
  // Near the pile head the cone resistance is reduced, to half at the head.
  curve.qcAdjusted = in.depth < 2.0 * in.b ? in.qc * (in.depth / (2.0 * in.b) + 0.5) : in.qc;
  curve.pu0 = sp(0.409f) * curve.qcAdjusted;
  curve.pu = in.b * curve.pu0 / (1.0 + sp(0.24f) * std::log(std::abs(in.cycles)));
  curve.Ei = curve.pu / curve.yref;
  return curve;
}

double LoessCurve::p(double y) const {
  const double r = y / yref;
  return Ei * y / ((1.0 + sp(0.1f) * std::exp(-r)) * r + 1.0);
}

double userCurveP(const UserPyCurve& curve, double y) {
  const int n = curve.points;
  if (n < 1) return 0.0;
  if (y >= curve.y[static_cast<std::size_t>(n)]) return curve.p[static_cast<std::size_t>(n)];
  if (y < curve.y[1]) return curve.y[1] > 0.0 ? curve.p[1] * y / curve.y[1] : curve.p[1];
  for (int j = 2; j <= n; ++j) {
    const double y1 = curve.y[static_cast<std::size_t>(j - 1)];
    const double y2 = curve.y[static_cast<std::size_t>(j)];
    if (y > y2) continue;
    const double p1 = curve.p[static_cast<std::size_t>(j - 1)];
    const double p2 = curve.p[static_cast<std::size_t>(j)];
    if (y2 == y1) return p2;
    return p1 + (y - y1) * (p2 - p1) / (y2 - y1);
  }
  return curve.p[static_cast<std::size_t>(n)];
}

double userCurveInitialSlope(const UserPyCurve& curve) {
  // A curve usually starts at the origin; its initial modulus is then the
  // slope of its first segment.
  for (int j = 1; j <= curve.points; ++j) {
    const double y = curve.y[static_cast<std::size_t>(j)];
    if (y > 0.0) return curve.p[static_cast<std::size_t>(j)] / y;
  }
  return 0.0;
}

// ---- routines -----------------------------------------------------------------------

void piedmontResidualSoil(RunContext& ctx, const CriterionCall& call) {
  AnalysisModel& model = ctx.model;
  const int k = call.layer;
  const SoilLayer& layer = model.soil.layers[static_cast<std::size_t>(k)];
  // The layer's field test is the one given with its top values.
  const int test = layer.fieldTestCode[0];
  const double factor = piedmontModulusFactor(test, model.options.IUNITS);
  if (factor == 0.0) stopOnUnknownFieldTest(ctx, k, test);
  const LayerValue& value = fieldTestValue(layer, test);

  for (int i = call.NodeFirst; i <= call.NodeLast; ++i) {
    const CommonPoint point = commonPoint(model, call, i);
    const double testValue = layerValueAt(layer, value, point.at.depth);
    const PiedmontCurve curve = makePiedmontCurve(factor * testValue, point.b);
    if (call.PrintMode) {
      writePiedmontBlock(ctx, call, point, test, testValue, curve);
      continue;
    }
    const double y = relativeDeflection(model, i, point.ym);
    if (y < kNoDeflection) {
      storeModulus(model, i, curve.Ei * point.b / point.ym);
    } else {
      storeModulus(model, i, curve.p(y) / y * point.pm / point.ym);
    }
  }
}

void loess(RunContext& ctx, const CriterionCall& call) {
  AnalysisModel& model = ctx.model;
  const int k = call.layer;
  const SoilLayer& layer = model.soil.layers[static_cast<std::size_t>(k)];
  const double N = model.options.numberOfCycles;
  const bool noted = call.PrintMode && N > 10.0;
  if (noted) writeLoessCyclesBlock(ctx, k, N);
  if (std::abs(N) > kLoessMostCycles) {
    if (!noted) writeLoessCyclesBlock(ctx, k, N);
    engine::stopRun(ctx, "INP00170", engine::kInputErrorBase + 70);
  }
  // Static loading is one cycle; a count below one (static runs enter 0)
  // would make ln N negative or infinite and take the resistance away.
  const double cycles = std::max(std::abs(N), 1.0);

  for (int i = call.NodeFirst; i <= call.NodeLast; ++i) {
    const CommonPoint point = commonPoint(model, call, i);
    LoessInput in;
    in.qc = layerValueAt(layer, layer.coneTip, point.at.depth);
    in.b = point.b;
    in.depth = point.at.depth;
    in.cycles = cycles;
    in.unitSystem = model.options.IUNITS;
    const LoessCurve curve = makeLoessCurve(in);
    if (call.PrintMode) {
      writeLoessBlock(ctx, call, point, in.qc, cycles, curve);
      continue;
    }
    // The secant, and at no deflection the initial modulus Ei, its limit.
    const double y = relativeDeflection(model, i, point.ym);
    const double secant = y < kNoDeflection ? curve.Ei : curve.p(y) / y;
    storeModulus(model, i, point.pm / point.ym * secant);
  }
}

void elasticSubgrade(RunContext& ctx, const CriterionCall& call) {
  AnalysisModel& model = ctx.model;
  const SoilLayer& layer = model.soil.layers[static_cast<std::size_t>(call.layer)];
  for (int i = call.NodeFirst; i <= call.NodeLast; ++i) {
    const CommonPoint point = commonPoint(model, call, i);
    const double k = layerValueAt(layer, layer.subgradeK, point.at.depth);
    if (call.PrintMode) {
      writeElasticSubgradeBlock(ctx, call, point, k);
      continue;
    }
    // A linear spring: the same modulus at every deflection.
    storeModulus(model, i, point.pm * k * point.b / point.ym);
  }
}

void userPyCurves(RunContext& ctx, const CriterionCall& call) {
  AnalysisModel& model = ctx.model;
  const int k = call.layer;
  const SoilLayer& layer = model.soil.layers[static_cast<std::size_t>(k)];
  const double h = incrementLength(model);
  double& F = model.layering.F[static_cast<std::size_t>(k)];
  const UserPyCurve& top = layer.userCurves[0];
  const UserPyCurve& bottom = layer.userCurves[1];
  const double lastTop = top.points > 0 ? top.p[static_cast<std::size_t>(top.points)] : 0.0;
  const double lastBottom =
      bottom.points > 0 ? bottom.p[static_cast<std::size_t>(bottom.points)] : 0.0;

  for (int i = call.NodeFirst; i <= call.NodeLast; ++i) {
    const CommonPoint point = commonPoint(model, call, i);
    const double f = depthFraction(layer, point.at.depth);
    if (call.PrintMode) {
      writeUserCurveBlock(ctx, call, point, layer, f);
      continue;
    }
    // The resistance integral of layered soil, from the largest p of the curves.
    if (i == call.NodeFirst) F = 0.0;
    F += h * (lastTop + f * (lastBottom - lastTop));

    const double y = relativeDeflection(model, i, point.ym);
    if (y < 1e-14) {
      const bool inLayer = f >= 0.0 && f <= 1.0;
      const double slopeTop = userCurveInitialSlope(top);
      const double slopeBottom = userCurveInitialSlope(bottom);
      storeModulus(model, i, inLayer ? slopeTop + f * (slopeBottom - slopeTop) : 0.0);
    } else {
      storeModulus(model, i, point.pm * userP(layer, f, y) / (point.ym * y));
    }
  }
}

}  // namespace quarn::soil
