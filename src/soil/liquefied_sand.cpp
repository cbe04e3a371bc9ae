#include "soil/liquefied_sand.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

#include "engine/single_precision.h"
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

// Liquefied sand: the Rollins et al. formulas work in metres, millimetres and
// kN/m.
constexpr double kMetresPerInch = sp(0.02539999969303608f);
constexpr double kMillimetresPerInch = sp(25.399999618530273f);
constexpr double kPoundsPerInchPerKilonewtonPerMetre = sp(5.710147380828857f);
constexpr double kReferenceUnitWeightUs = sp(0.036839600652456284f);  // 10 kN/m3 in lb/in3
constexpr double kLiquefiedLimit = 15.0;                              // kN/m
constexpr double kLiquefiedRange = 150.0;                             // mm
// First nonzero deflection of the printed curve (3 mm, 0.125 in), where the
// secant modulus of a node without deflection is taken.
constexpr double kLiquefiedReferenceDeflectionSi = sp(0.003000000026077032f);  // m
constexpr double kLiquefiedReferenceDeflectionUs = 0.125;                      // in

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

}  // namespace

LiquefiedSandCurve makeLiquefiedSandCurve(const LiquefiedSandInput& in) {
  // General units have no conversion: their values are taken as metres and kN.
  const bool us = in.unitSystem == kUnitsUsCustomary;
  LiquefiedSandCurve c;
  c.unitSystem = in.unitSystem;
  c.Db = us ? in.D * kMetresPerInch : in.D;
  c.Pd = c.Db > sp(0.30000001192092896f)
             ? sp(3.809999942779541f) * std::log(c.Db) + sp(5.599999904632568f)
             : c.Db / sp(0.30000001192092896f);
  // Below the first layer the depth is the vertical effective stress divided
  // by 10 kN/m3.
  if (in.firstLayer) {
    c.zr = us ? in.depth * kMetresPerInch : in.depth;
  } else {
    c.zr = us ? in.depth * in.gamma / kReferenceUnitWeightUs * kMetresPerInch
              : in.depth * in.gamma / 10.0;
  }
  const double base = c.zr + 1.0;
  c.A = 3e-7 * std::pow(base, sp(6.050000190734863f));
  c.B = sp(2.799999952316284f) * std::pow(base, sp(0.10999999940395355f));
  c.C = sp(2.8499999046325684f) * std::pow(base, -sp(0.4099999964237213f));
  c.pr = c.A * std::pow(kLiquefiedRange * c.B, c.C);
  c.pcap = std::min(c.pr, kLiquefiedLimit);
  c.Pu = c.Pd * c.pcap * (us ? kPoundsPerInchPerKilonewtonPerMetre : 1.0);
  c.capReached = !(c.pr < kLiquefiedLimit);
  const double capMillimetres =
      c.capReached ? std::exp(std::log(c.pcap / c.A) / c.C - std::log(c.B)) : kLiquefiedRange;
  if (us) {
    c.ycap = capMillimetres / kMillimetresPerInch;
  } else {
    c.ycap = c.capReached ? capMillimetres / 1000.0 : sp(0.15000000596046448f);
  }
  return c;
}

double LiquefiedSandCurve::p(double y) const {
  const bool us = unitSystem == kUnitsUsCustomary;
  const double millimetres = us ? kMillimetresPerInch * y : 1000.0 * y;
  const double value =
      Pd * A * std::pow(millimetres * B, C) * (us ? kPoundsPerInchPerKilonewtonPerMetre : 1.0);
  return std::min(Pu, value);
}

double LiquefiedSandCurve::limitingModulus(double pm, double ym) const {
  const double reference = unitSystem == kUnitsUsCustomary ? kLiquefiedReferenceDeflectionUs
                                                           : kLiquefiedReferenceDeflectionSi;
  return pm / ym * p(reference) / reference;
}

PyCurve liquefiedSandCurve(RunContext& ctx, const PyPoint& point, LayerSweep& /*sweep*/) {
  AnalysisModel& model = ctx.model;
  LiquefiedSandAtPoint at;
  at.gamma = fn_GammaAvg(ctx, point.depth);
  LiquefiedSandInput in;
  in.D = point.D;
  in.depth = point.z0;
  in.gamma = at.gamma;
  in.firstLayer = point.layer == 1;
  in.unitSystem = model.options.IUNITS;
  at.curve = makeLiquefiedSandCurve(in);
  return PyCurve{at};
}

void LiquefiedSandAtPoint::addToLayerIntegral(LayerIntegral& F, const PyPoint& point) const {
  F.trapezoid(point, curve.Pu);
  F.toLayerBottom(point, curve.Pu);
  F.groundAboveHead(point, 0.0, curve.Pu);
}

void writeLiquefiedSandBlock(RunContext& ctx, const PyPoint& point, const PyCurve& curve) {
  const LiquefiedSandAtPoint& at = curve.as<LiquefiedSandAtPoint>();
  const LiquefiedSandCurve& c = at.curve;
  const AnalysisModel& model = ctx.model;
  const UnitLabels& labels = model.labels;
  Channel& out = ctx.report;
  const bool firstLayer = point.layer == 1;

  curve_block::writeTitle(out, "p-y Curve Computed Using Liquefied Sand Criteria");
  curve_block::writeDepthLines(out, model, point.depth);
  if (!firstLayer) {
    output::writeLabelledValue(out, "Normalized depth below ground surface in meters*", "F12.3",
                               c.zr);
  }
  output::writeLabelledValue(out, "Pile Diameter", "F12.3", point.D, labels.length);
  output::writeLabelledValue(out, "Pile Diameter in meters ", "F12.3", c.Db);
  output::writeLabelledValue(out, "Gamma Avg", "F12.5", at.gamma, labels.subgradeModulus);
  output::writeLabelledValue(out, "A ", "ES12.5", c.A);
  output::writeLabelledValue(out, "B ", "F12.5", c.B);
  output::writeLabelledValue(out, "C ", "F12.5", c.C);
  output::writeLabelledValue(out, "Diameter Factor, Pd", "F12.5", c.Pd);
  output::writeLabelledValue(out, "Limit of p for 0.3-m Pile", "F12.3", c.pcap, "kN/m");
  output::writeLabelledValue(out, "Deflection at Limit", "F12.5", c.ycap, labels.length);
  output::writeLabelledValue(out, "Upper limit Pu", "F12.3", c.Pu, labels.forcePerLength);
  curve_block::writeMultiplierLines(out, point.pm, point.ym);
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
  curve_block::writeCurveRows(out, points, point.pm, point.ym);
  curve_block::writeCurvePlot(ctx, Criterion::kLiquefiedSand, point.depth, point.index, points,
                              point.pm, point.ym);
}

}  // namespace quarn::soil
