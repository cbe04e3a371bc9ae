#include "soil/user_py.h"

#include <array>
#include <cstddef>

#include "engine/single_precision.h"
#include "output/format.h"
#include "output/report_writers.h"
#include "soil/curve_block.h"
#include "soil/py_curve.h"

namespace quarn::soil {

namespace {

using curve_block::PrintedCurve;
using engine::Channel;
using engine::RunContext;

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

void writeBlock(RunContext& ctx, const PyPoint& point, const UserPyAtPoint& at) {
  const AnalysisModel& model = ctx.model;
  const UnitLabels& labels = model.labels;
  Channel& out = ctx.report;
  curve_block::writeTitle(out, "p-y Curve Computed by Interpolation Between User-input Curves");
  curve_block::writeLayerNumber(out, point.layer, "I12");
  curve_block::writeDepthLines(out, model, point.depth);
  output::writeLabelledValue(out, "Pile diameter", "F12.3", point.D, labels.length);
  curve_block::writeMultiplierLines(out, point.pm, point.ym);
  out.endLine();
  output::write(out, "(T6, \"y, \", A, T25, \"p, \", A)", {labels.length, labels.forcePerLength});
  out.line("----------------    ----------------");

  PrintedCurve printed;
  printed.y[0] = 0.0;
  printed.y[1] = sp(0.001f);
  for (std::size_t j = 0; j < kUserPrintMultiples.size(); ++j) {
    printed.y[j + 2] = kUserPrintMultiples[j] * point.D;
  }
  printed.y[16] = 0.5 * point.D;
  for (std::size_t j = 0; j < printed.y.size(); ++j) printed.p[j] = at.p(printed.y[j]);
  curve_block::writeCurveRows(out, printed, point.pm, point.ym);
  curve_block::writeCurvePlot(ctx, Criterion::kUserPy, point.depth, point.index, printed, point.pm,
                              point.ym);
}

}  // namespace

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

double UserPyAtPoint::p(double y) const {
  return userP(*layer, f, y);
}

double UserPyAtPoint::limitingModulus(double /*pm*/, double /*ym*/) const {
  const bool inLayer = f >= 0.0 && f <= 1.0;
  const double slopeTop = userCurveInitialSlope(layer->userCurves[0]);
  const double slopeBottom = userCurveInitialSlope(layer->userCurves[1]);
  return inLayer ? slopeTop + f * (slopeBottom - slopeTop) : 0.0;
}

void UserPyAtPoint::addToLayerIntegral(LayerIntegral& F, const PyPoint& /*point*/) const {
  const UserPyCurve& top = layer->userCurves[0];
  const UserPyCurve& bottom = layer->userCurves[1];
  const double lastTop = top.points > 0 ? top.p[static_cast<std::size_t>(top.points)] : 0.0;
  const double lastBottom =
      bottom.points > 0 ? bottom.p[static_cast<std::size_t>(bottom.points)] : 0.0;
  F.increment(lastTop + f * (lastBottom - lastTop));
}

PyCurve userPyCurve(RunContext& ctx, const PyPoint& point, LayerSweep& /*sweep*/) {
  UserPyAtPoint at;
  at.layer = &ctx.model.soil.layers[static_cast<std::size_t>(point.layer)];
  at.f = depthFraction(*at.layer, point.depth);
  return PyCurve{at};
}

void writeUserPyBlock(RunContext& ctx, const PyPoint& point, const PyCurve& curve) {
  writeBlock(ctx, point, curve.as<UserPyAtPoint>());
}

}  // namespace quarn::soil
