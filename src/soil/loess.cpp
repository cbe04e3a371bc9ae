#include "soil/loess.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

#include "engine/messages.h"
#include "engine/single_precision.h"
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

// Below this deflection the criterion takes its initial modulus instead of
// the secant (1e-14 in single precision).
constexpr double kNoDeflection = sp(1e-14f);

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

void writeBlock(RunContext& ctx, const PyPoint& point, const LoessAtPoint& at) {
  const LoessCurve& curve = at.curve;
  const AnalysisModel& model = ctx.model;
  const UnitLabels& labels = model.labels;
  Channel& out = ctx.report;
  curve_block::writeTitle(out, "p-y Curve for Loess");
  curve_block::writeLayerNumber(out, point.layer, "I12");
  curve_block::writeDepthLines(out, model, point.depth);
  output::writeLabelledValue(out, "Shaft Diameter", "F12.3", point.D, labels.length);
  output::writeLabelledValue(out, "Depth Adj. Cone tip resistance", "F12.3", curve.qcAdjusted,
                             labels.stress);
  output::writeLabelledValue(out, "Cone tip resistance", "F12.3", at.qc, labels.stress);
  output::writeLabelledValue(out, "Initial Modulus, Ei", "F12.3", curve.Ei, labels.stress);
  output::writeLabelledValue(out, "p_u0", "F12.3", curve.pu0, labels.stress);
  output::writeLabelledValue(out, "p_u", "F12.3", curve.pu, labels.forcePerLength);
  output::writeLabelledValue(out, "Number of Cycles of Loading", "F12.0", at.cycles, "cycles");
  curve_block::writeMultiplierLines(out, point.pm, point.ym);
  curve_block::writeHeaderAt22(out, labels);

  constexpr std::array<double, kPrintedCurvePoints> kMultiples = {
      0.0, 0.25, 0.5, 0.75, 1.0, 1.5, 2.0, 3.0, 4.0, 6.0, 8.0, 12.0, 16.0, 23.0, 30.0, 40.0, 50.0};
  PrintedCurve printed;
  for (std::size_t j = 0; j < printed.y.size(); ++j) {
    printed.y[j] = kMultiples[j] * curve.yref;
    printed.p[j] = curve.p(printed.y[j]);
  }
  curve_block::writeCurveRows(out, printed, point.pm, point.ym);
  curve_block::writeCurvePlot(ctx, Criterion::kLoess, point.depth, point.index, printed, point.pm,
                              point.ym);
}

}  // namespace

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

bool LoessAtPoint::belowSmallDeflectionLimit(double y) const {
  return y < kNoDeflection;
}

PyCurve loessCurve(RunContext& ctx, const PyPoint& point, LayerSweep& /*sweep*/) {
  const AnalysisModel& model = ctx.model;
  const SoilLayer& layer = model.soil.layers[static_cast<std::size_t>(point.layer)];
  const double N = cyclesOfLoading(model);
  if (point.firstInLayer()) {
    // A printed curve notes a count above 10; a count beyond the criterion's
    // range stops the run.
    const bool noted = point.printed && N > 10.0;
    if (noted) writeLoessCyclesBlock(ctx, point.layer, N);
    if (std::abs(N) > kLoessMostCycles) {
      if (!noted) writeLoessCyclesBlock(ctx, point.layer, N);
      engine::stopRun(ctx, "INP00170",
                      engine::kInputErrorBase + criterionInfo(Criterion::kLoess).errors.cycles);
    }
  }
  LoessAtPoint at;
  // Static loading is one cycle; a count below one (static runs enter 0)
  // would make ln N negative or infinite and take the resistance away.
  at.cycles = std::max(std::abs(N), 1.0);
  at.qc = layerValueAt(layer, layer.coneTip, point.depth);
  LoessInput in;
  in.qc = at.qc;
  in.b = point.D;
  in.depth = point.depth;
  in.cycles = at.cycles;
  in.unitSystem = model.options.IUNITS;
  at.curve = makeLoessCurve(in);
  return PyCurve{at};
}

void writeLoessBlock(RunContext& ctx, const PyPoint& point, const PyCurve& curve) {
  writeBlock(ctx, point, curve.as<LoessAtPoint>());
}

}  // namespace quarn::soil
