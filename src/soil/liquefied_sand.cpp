// The liquefied sand routine (Rollins et al. 2005): the node steps and the
// printed curve.
#include <array>
#include <cmath>
#include <cstddef>

#include "engine/pile_properties.h"
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
using support::PrintedCurve;
using support::writeCurvePlot;
using support::writeCurveRows;
using support::writeDepthLines;
using support::writeMultiplierLines;

// Deflections of the printed curve up to 150 mm: in metres (SI and general
// units) and in inches.
constexpr std::array<double, 17> kPrintedDeflectionsSi = {0.0,
                                                          sp(0.003000000026077032f),
                                                          sp(0.006500000134110451f),
                                                          sp(0.009999999776482582f),
                                                          sp(0.012500000186264515f),
                                                          sp(0.014999999664723873f),
                                                          sp(0.029999999329447746f),
                                                          sp(0.04500000178813934f),
                                                          sp(0.05999999865889549f),
                                                          sp(0.07500000298023224f),
                                                          sp(0.09000000357627869f),
                                                          sp(0.10000000149011612f),
                                                          sp(0.11500000208616257f),
                                                          0.125,
                                                          sp(0.14000000059604645f),
                                                          sp(0.15000000596046448f),
                                                          sp(0.1574999988079071f)};
constexpr std::array<double, 17> kPrintedDeflectionsUs = {0.0,
                                                          0.125,
                                                          0.25,
                                                          0.375,
                                                          0.5,
                                                          1.0,
                                                          1.5,
                                                          2.0,
                                                          2.5,
                                                          3.0,
                                                          3.5,
                                                          4.0,
                                                          4.5,
                                                          5.0,
                                                          5.5,
                                                          sp(5.905511856079102f),
                                                          sp(6.200787544250488f)};

struct LiquefiedPoint {
  int index = 0;
  CallPoint at;
  double D = 0.0;
  double gamma = 0.0;
  double pm = 1.0;
  double ym = 1.0;
};

PrintedCurve liquefiedPoints(const LiquefiedSandCurve& c) {
  PrintedCurve points;
  if (c.capReached) {
    // The limit is reached before 150 mm: fifteen steps to it and one beyond.
    for (int j = 1; j <= 15; ++j) points.y[j - 1] = (j - 1) * c.ycap / 15.0;
    points.y[15] = c.ycap;
    points.y[16] = sp(1.0499999523162842f) * c.ycap;
  } else {
    points.y = c.unitSystem == kUnitsUsCustomary ? kPrintedDeflectionsUs : kPrintedDeflectionsSi;
  }
  for (std::size_t n = 0; n < points.y.size(); ++n) points.p[n] = c.p(points.y[n]);
  return points;
}

void writeLiquefiedBlock(RunContext& ctx, const CriterionCall& call, const LiquefiedPoint& point,
                         const LiquefiedSandCurve& c) {
  const AnalysisModel& model = ctx.model;
  const UnitLabels& labels = model.labels;
  Channel& out = ctx.report;
  const bool firstLayer = call.layer == 1;

  curve_block::writeTitle(out, "p-y Curve Computed Using Liquefied Sand Criteria");
  writeDepthLines(out, model, point.at.depth);
  if (!firstLayer) {
    output::writeLabelledValue(out, "Normalized depth below ground surface in meters*", "F12.3",
                               c.zr);
  }
  output::writeLabelledValue(out, "Pile Diameter", "F12.3", point.D, labels.length);
  output::writeLabelledValue(out, "Pile Diameter in meters ", "F12.3", c.Db);
  output::writeLabelledValue(out, "Gamma Avg", "F12.5", point.gamma, labels.subgradeModulus);
  output::writeLabelledValue(out, "A ", "ES12.5", c.A);
  output::writeLabelledValue(out, "B ", "F12.5", c.B);
  output::writeLabelledValue(out, "C ", "F12.5", c.C);
  output::writeLabelledValue(out, "Diameter Factor, Pd", "F12.5", c.Pd);
  output::writeLabelledValue(out, "Limit of p for 0.3-m Pile", "F12.3", c.pcap, "kN/m");
  output::writeLabelledValue(out, "Deflection at Limit", "F12.5", c.ycap, labels.length);
  output::writeLabelledValue(out, "Upper limit Pu", "F12.3", c.Pu, labels.forcePerLength);
  writeMultiplierLines(out, point.pm, point.ym);
  if (!firstLayer) {
    out.endLine();
    out.line("The depth of the p-y curve was equated to the initial vertical stress divided ");
    out.line("by 10 kN/m3, as recommended by Rollins, et al. (2005)");
  }
  if (c.zr > 6.0) {
    out.endLine();
    out.line("NOTE: The normalized depth of the p-y curve is deeper than the depth of ");
    out.line("6.0 meters recommended by Rollins, et al. (2005)");
  }
  out.endLine();
  output::write(out, "(\"        y, \", A, \"            p, \", A)",
                {labels.length, labels.forcePerLength});
  out.line(curve_block::kDashes);
  const PrintedCurve points = liquefiedPoints(c);
  writeCurveRows(out, points, point.pm, point.ym);
  writeCurvePlot(ctx, Criterion::kLiquefiedSand, point.at.depth, point.index, points, point.pm,
                 point.ym);
}

}  // namespace

void liquefiedSand(RunContext& ctx, const CriterionCall& call) {
  AnalysisModel& model = ctx.model;
  const double xg = model.soil.layers[1].top;
  curve_block::ResistanceIntegral integral;

  for (int i = call.NodeFirst; i <= call.NodeLast; ++i) {
    LiquefiedPoint point;
    point.index = i;
    point.at = callPoint(model, call, i);
    const double x = point.at.depth;
    point.pm = fn_pMult(model.tables.multipliers, point.at.x);
    point.ym = fn_yMult(model.tables.multipliers, point.at.x);
    point.D = engine::Compute_Pile_Properties(model.pile, point.at.x).D;
    point.gamma = fn_GammaAvg(ctx, x);

    LiquefiedSandInput in;
    in.D = point.D;
    in.depth = x - xg;
    in.gamma = point.gamma;
    in.firstLayer = call.layer == 1;
    in.unitSystem = model.options.IUNITS;
    const LiquefiedSandCurve curve = makeLiquefiedSandCurve(in);

    // Integral of the upper limit over the layer (layered soil).
    integral.add(model, call, i, point.at.x, curve.Pu);

    if (call.PrintMode) {
      writeLiquefiedBlock(ctx, call, point, curve);
      continue;
    }
    const double y = relativeDeflection(model, i, point.ym);
    storeModulus(model, i, curve.modulus(y, point.pm, point.ym));
  }
}

}  // namespace quarn::soil
