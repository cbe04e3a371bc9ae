// Cemented c-phi silt ("Cem Silt").
//
// The ultimate resistance adds two parts: the frictional resistance of the
// Reese sand wedge (the lesser of the shallow wedge pst and the deep flow
// psd, both for the friction angle), and the cohesive resistance of soft
// clay, c D Np with Np = 3 + J z / D + gamma' z / c up to 9. The curve has the
// segments of the Reese sand curve: the initial line k z y, a parabola to
// (D / 60, 1.5 (ps + puc)), a straight line to (3 D / 80, A ps + puc) and the
// ultimate resistance beyond.
#include "soil/cemented_silt.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <string>

#include "engine/messages.h"
#include "engine/single_precision.h"
#include "output/format.h"
#include "output/report_writers.h"
#include "soil/curve_block.h"
#include "soil/py_curve.h"
#include "soil/sand_wedge.h"
#include "soil/soil_profile.h"

namespace quarn::soil {

namespace {

using curve_block::PrintedCurve;
using engine::Channel;
using engine::RunContext;

constexpr double kQuarterPi = 0.7853981633974483;
constexpr double kDegreesToRadians = std::numbers::pi / 180.0;
constexpr double kK0 = sp(0.4f);

// The empirical factors A and B of the Reese sand curve at z / D.
using reese_sand::kCyclicA;
using reese_sand::kCyclicB;
using reese_sand::kStaticA;
using reese_sand::kStaticB;
constexpr const std::array<double, 10>& kTableDepths = reese_sand::kDepthRatios;

const CriterionErrors& kErrors = criterionInfo(Criterion::kCementedSilt).errors;

[[noreturn]] void stopOnNoCohesion(RunContext& ctx, int k, double x, double c) {
  const std::string location = output::formatLine(
      "(\"Layer = \", I0, \", Depth = \", F13.8, \", c = \", ES10.3)", {k, x, c});
  for (Channel* channel : {&ctx.messages, &ctx.report}) {
    channel->line("**** Input Data Error No. " + std::to_string(kErrors.noStrengthBelowTop) +
                  " ****");
    channel->endLine();
    channel->line("Problem: A negative or zero value of cohesion was input for ");
    channel->line("a soil defined as a silt.");
    channel->endLine();
    channel->line(location);
    channel->endLine();
    channel->line("Solution:  Please revise and correct the input data.  ");
    channel->line("Both cohesion and friction angle should be non-zero for silt soils.");
  }
  stopOnInputError(ctx, kErrors.noStrengthBelowTop);
}

[[noreturn]] void stopOnNoFriction(RunContext& ctx) {
  for (Channel* channel : {&ctx.messages, &ctx.report}) {
    channel->line("**** Input Data Error No. " + std::to_string(kErrors.noFriction) + " ****");
    channel->endLine();
    channel->line(
        "Problem:  A negative or zero value was input for the friction angle for a silt.");
    channel->endLine();
    channel->line("Solution:  Please revise and correct the input data.  ");
    channel->line("Both cohesion and friction angle must be non-zero for the cemented silt soil.");
  }
  stopOnInputError(ctx, kErrors.noFriction);
}

[[noreturn]] void stopOnSlopeAsSteepAsFriction(RunContext& ctx, int k) {
  const std::string layer =
      output::formatLine("(\"curve using the criteria for silt for layer \", I0, \".\")", {k});
  for (Channel* channel : {&ctx.messages, &ctx.report}) {
    channel->line("**** Input Data Error No. " + std::to_string(kErrors.steepSlope) + " ****");
    channel->endLine();
    channel->line("An error was detected in the input data when computing a p-y.");
    channel->line(layer);
    channel->endLine();
    channel->line("Problem:  The angle of the ground slope can not be greater ");
    channel->line("than the internal friction angle of cohesionless silt.");
    channel->endLine();
    channel->line("Solution:  Set the value for slope angle to be less than ");
    channel->line("the angle of friction.");
    channel->endLine();
  }
  stopOnInputError(ctx, kErrors.steepSlope);
}

[[noreturn]] void stopOnSlopeSteeperThanFriction(RunContext& ctx, int k) {
  const std::string layer = output::formatLine(
      "(\"greater than the friction angle for silt for layer \", I0, \".\")", {k});
  for (Channel* channel : {&ctx.messages, &ctx.report}) {
    channel->line("**** Runtime Error No. " + std::to_string(kErrors.steepSlopeRuntime) + " ****");
    channel->endLine();
    channel->line("A runtime error occurred due to the ground slope angle being");
    channel->line(layer);
    channel->endLine();
    channel->line("Problem:  The angle of the ground slope can not be greater ");
    channel->line("than the internal friction angle of silt.");
    channel->endLine();
    channel->line("Solution:  Set the value for slope angle to be less than ");
    channel->line("the angle of friction or convert the layer into an equivalent");
    channel->line("strength clay layer.");
    channel->endLine();
  }
  engine::stopOnRuntimeError(ctx, kErrors.steepSlopeRuntime);
}

// Subgrade modulus at depth x of the layer: the input values, or the internal
// default when the layer gives none at its top.
double subgradeModulus(const AnalysisModel& model, const SoilLayer& layer, double x, double c,
                       double phiDegrees, double gamma) {
  const LayerValue& k = layer.subgradeK;
  if (k[0] > 0.0) {
    // A layer with a modulus at its top only has it throughout.
    const double bottom = k[1] == 0.0 ? k[0] : k[1];
    if (k[0] == bottom) return k[0];
    return k[0] + (bottom - k[0]) * (x - layer.top) / (layer.bottom - layer.top);
  }
  return cementedSiltDefaultK(c, phiDegrees, gamma, model.options.cyclicLoading,
                              model.options.IUNITS);
}

void writeBlock(RunContext& ctx, const PyPoint& point, const CementedSiltAtPoint& at) {
  const AnalysisModel& model = ctx.model;
  const UnitLabels& labels = model.labels;
  const CementedSiltInput& in = at.in;
  const CementedSiltCurve& curve = at.curve;
  const std::string forcePerLength = labels.force + "/" + labels.length;
  const std::string stress = forcePerLength + "**" + "2";
  const std::string unitWeight = forcePerLength + "**" + "3";
  Channel& out = ctx.report;
  curve_block::writeTitle(out,
                          model.options.cyclicLoading
                              ? "p-y Curve Computed Using the Cyclic Criteria for Cemented Silt"
                              : "p-y Curve Computed Using the Static Criteria for Cemented Silt");
  curve_block::writeLayerNumber(out, point.layer, "I12");
  curve_block::writeDepthLines(out, model, point.depth);
  output::writeLabelledValue(out, "Equivalent Depth, x", "F12.3", in.z, labels.length);
  output::writeLabelledValue(out, "Pile Diameter, B", "F12.3", in.D, labels.length);
  output::writeLabelledValue(out, "Cohesion, c", "F12.3", in.c, stress);
  output::writeLabelledValue(out, "Angle of Friction, phi", "F12.3", at.phiDegrees, "deg.");
  output::writeLabelledValue(out, "Avg. Eff. Unit Weight", "F12.5", in.gamma, unitWeight);
  output::writeLabelledValue(out, "k (interp. from input)", "F12.3", in.k, labels.subgradeModulus);
  output::writeLabelledValue(out, "Epsilon50 (interp.)", "F12.5", at.e50);
  output::writeLabelledValue(out, "x/B ratio", "F12.3", in.z / in.D);
  output::writeLabelledValue(out, "A parameter = fn(x/B)", "F12.5", curve.A);
  output::writeLabelledValue(out, "B parameter = fn(x/B)", "F12.5", curve.B);
  output::writeLabelledValue(out, "m", "F12.5", curve.m);
  output::writeLabelledValue(out, "n", "F12.5", curve.n);
  output::writeLabelledValue(out, "Cbar", "F12.5", curve.C);
  output::writeLabelledValue(out, "yk", "F12.5", curve.yk, labels.length);
  output::writeLabelledValue(out, "Pu", "F12.3", curve.puc, forcePerLength);
  output::writeLabelledValue(out, "Pc", "F12.3", curve.ps, forcePerLength);
  output::writeLabelledValue(out, "ym = b/60", "F12.5", curve.ym, labels.length);
  output::writeLabelledValue(out, "pm", "F12.3", curve.pm, forcePerLength);
  output::writeLabelledValue(out, "yu = 3b/80", "F12.5", curve.yu, labels.length);
  output::writeLabelledValue(out, "Pu,c", "F12.3", curve.puc, forcePerLength);
  output::writeLabelledValue(out, "Pu,phi", "F12.3", curve.ps, forcePerLength);
  curve_block::writeMultiplierLines(out, point.pm, point.ym);
  out.endLine();
  out.endLine();
  output::write(out, "(\"        y, \", A, \"             p,\", 1X, A)",
                {labels.length, forcePerLength});
  out.line("----------------    -----------------");

  // Twelve steps to ym = D / 60, then yu and three steps of 5 % of yu beyond.
  PrintedCurve printed;
  printed.y[0] = 0.0;
  for (int j = 1; j <= 12; ++j) printed.y[static_cast<std::size_t>(j)] = j * in.D / 720.0;
  printed.y[13] = curve.yu;
  for (int j = 1; j <= 3; ++j) {
    printed.y[static_cast<std::size_t>(13 + j)] = curve.yu + j * sp(0.05f) * curve.yu;
  }
  for (std::size_t j = 0; j < printed.y.size(); ++j) printed.p[j] = curve.p(printed.y[j]);
  curve_block::writeCurveRows(out, printed, point.pm, point.ym);
  curve_block::writeCurvePlot(ctx, Criterion::kCementedSilt, point.depth, point.index, printed,
                              point.pm, point.ym);
}

}  // namespace

double cementedSiltDefaultK(double c, double phiDegrees, double gamma, bool cyclic,
                            int unitSystem) {
  const bool us = unitSystem == kUnitsUsCustomary;
  if (!us && unitSystem != kUnitsSi) return 0.0;
  // kc by the class of the cohesion: 1000, 2000 and 4000 lb/ft2.
  const std::array<double, 3> cLimits =
      us ? std::array<double, 3>{sp(6.94f), sp(13.88f), sp(27.78f)}
         : std::array<double, 3>{sp(47.8927f), sp(95.7854f), sp(191.5708f)};
  std::array<double, 4> kc;
  if (us) {
    kc = cyclic ? std::array<double, 4>{100.0, 200.0, 400.0, 800.0}
                : std::array<double, 4>{250.0, 500.0, 1000.0, 2000.0};
  } else {
    kc = cyclic ? std::array<double, 4>{27144.7109375, 54289.3984375, 108578.8984375, 217157.703125}
                : std::array<double, 4>{67861.796875, 135723.59375, 271447.1875, 542894.375};
  }
  std::size_t cClass = 3;
  for (std::size_t j = 0; j < cLimits.size(); ++j) {
    if (c < cLimits[j]) {
      cClass = j;
      break;
    }
  }
  // kphi by the friction angle, above or below the water table (unit weight).
  const bool dry = gamma > (us ? sp(0.045f) : sp(12.225f));
  std::array<double, 3> kphi;
  if (us) {
    kphi =
        dry ? std::array<double, 3>{25.0, 90.0, 225.0} : std::array<double, 3>{20.0, 60.0, 125.0};
  } else {
    kphi = dry ? std::array<double, 3>{6786.18017578125, 24430.240234375, 61075.6015625}
               : std::array<double, 3>{5428.93994140625, 16286.830078125, 33930.8984375};
  }
  const std::size_t phiClass = phiDegrees <= 30.0 ? 0 : phiDegrees <= 36.0 ? 1 : 2;
  return kc[cClass] + kphi[phiClass];
}

double cementedSiltDefaultEpsilon50(double c, int unitSystem) {
  std::array<double, 3> limits;
  if (unitSystem == kUnitsUsCustomary) {
    limits = {sp(3.472222328186035f), sp(6.94444465637207f), sp(27.77777862548828f)};
  } else if (unitSystem == kUnitsSi) {
    limits = {sp(23.94013023376465f), sp(47.88020706176758f), sp(191.5208282470703f)};
  } else {
    return 0.0;
  }
  if (c < limits[0]) return sp(0.02f);
  if (c < limits[1]) return sp(0.01f);
  if (c < limits[2]) return sp(0.005f);
  return sp(0.004f);
}

CementedSiltCurve makeCementedSiltCurve(const CementedSiltInput& in) {
  CementedSiltCurve curve;
  const double D = in.D;
  const double z = in.z;
  const double gamma = in.gamma;
  const double t = std::abs(in.theta);

  // Frictional part: the Reese sand wedge near the surface, with the active
  // coefficient of the slope on sloping ground and the divisor s of the slope
  // on the side the pile moves to, and the flow around the pile at depth (at
  // the depth below the ground surface, with the level active coefficient).
  const SandWedge wedge = makeSandWedge(in.phi, kK0);
  curve.Ka = t > 1e-10 ? slopingActiveCoefficient(in.theta, in.phi) : wedge.KaLevel;
  curve.s = wedgeSlopeDivisor(in.theta, in.yn, wedge.beta);
  curve.pst = shallowSandResistance(wedge, curve.Ka, gamma, z, D, in.theta, curve.s);
  curve.psd = deepSandResistance(wedge, gamma, in.z0, D);
  if (curve.s <= 1e-10 && t > 1e-10) curve.pst = curve.psd;
  curve.ps = curve.psd < curve.pst ? curve.psd : curve.pst;

  // Cohesive part: the soft clay bearing factor, reduced on sloping ground.
  double Np = 3.0 + in.J * z / D + gamma * z / in.c;
  if (t > 1e-20) {
    const bool yPositive = in.yn > 1e-20;
    const bool thetaPositive = in.theta > 0.0;
    curve.fs = yPositive == thetaPositive
                   ? 1.0 / (std::tan(t) + 1.0)
                   : std::cos(t) * sp(0.7071067690849304f) / std::cos(t + kQuarterPi);
    Np *= curve.fs;
  }
  curve.puc = Np < 9.0 ? in.c * D * Np : 9.0 * in.c * D;

  // The Reese sand curve with both parts.
  curve.A = fn_Table10(z, D, in.cyclic ? kCyclicA : kStaticA, kTableDepths);
  curve.B = fn_Table10(z, D, in.cyclic ? kCyclicB : kStaticB, kTableDepths);
  curve.pu = curve.A * curve.ps + curve.puc;
  curve.ym = D / 60.0;
  curve.yu = 3.0 * D / 80.0;
  curve.pm = 1.5 * (curve.ps + curve.puc);
  curve.kz = in.k * z;
  if (z >= 0.0) {
    curve.m = (curve.pu - curve.pm) / (curve.yu - curve.ym);
    curve.n = curve.pm / (curve.ym * curve.m);
    curve.C = curve.n == 0.0 ? 0.0 : curve.pm / std::pow(curve.ym, 1.0 / curve.n);
    curve.yk = curve.kz == 0.0 ? 0.0 : std::pow(curve.C / curve.kz, curve.n / (curve.n - 1.0));
  } else {
    curve.m = 0.0;
    curve.n = 0.0;
    curve.yk = 2.0 * D;
  }
  return curve;
}

double CementedSiltCurve::p(double y) const {
  // The segments of the Reese sand curve: the initial line only up to ym as
  // well, so that where the initial line reaches beyond ym (yk > ym) the
  // straight line takes over there and the lesser of the two is continuous.
  double p;
  if (y <= yk && y < ym) {
    p = kz * y;
  } else if (y > ym) {
    p = y > yu ? pu : pm + m * (y - ym);
  } else {
    p = n == 0.0 ? 0.0 : C * std::pow(y, 1.0 / n);
  }
  return std::min(p, kz * y);
}

PyCurve cementedSiltCurve(RunContext& ctx, const PyPoint& point, LayerSweep& sweep) {
  AnalysisModel& model = ctx.model;
  const int k = point.layer;
  const double x = point.depth;
  const SoilLayer& layer = model.soil.layers[static_cast<std::size_t>(k)];
  CementedSiltAtPoint at;
  CementedSiltInput& in = at.in;
  in.z0 = point.z0;
  in.D = point.D;

  // Cohesion, positive below the layer top.
  in.c = fn_c(ctx, x);
  if (in.c < 1e-10 && x > layer.top) stopOnNoCohesion(ctx, k, x, in.c);
  in.gamma = fn_GammaAvg(ctx, x);
  // The strain factor is reported only; the curve does not use it.
  at.e50 = fn_e50(model, x);
  if (at.e50 <= 0.0) at.e50 = cementedSiltDefaultEpsilon50(in.c, model.options.IUNITS);

  at.phiDegrees = fn_phi(ctx, x);
  in.phi = at.phiDegrees * kDegreesToRadians;
  if (in.phi < 1e-10) stopOnNoFriction(ctx);
  in.k = subgradeModulus(model, layer, x, in.c, at.phiDegrees, in.gamma);

  // A ground slope steeper than the friction angle has no stable wedge.
  in.theta = model.tables.batter.effectiveSlopeAngle;
  const double t = std::abs(in.theta);
  if (t > in.phi) stopOnSlopeSteeperThanFriction(ctx, k);
  const double m = std::cos(t) * std::cos(t) - std::cos(in.phi) * std::cos(in.phi);
  if (m < 1e-10 && in.c <= 0.0) stopOnSlopeAsSteepAsFriction(ctx, k);

  in.cyclic = model.options.cyclicLoading;
  // The equivalent depth of the layer takes the active coefficient of the
  // slope on sloping ground.
  in.z = sweep.resistanceDepth(point, [&] {
    const SandWedge wedge = makeSandWedge(in.phi, kK0);
    EquivalentDepthInput top;
    top.criterion = Criterion::kCementedSilt;
    top.cyclic = in.cyclic;
    top.D = in.D;
    top.c = in.c;
    top.gamma = in.gamma;
    top.phi = wedge.phi;
    top.alpha = wedge.alpha;
    top.beta = wedge.beta;
    top.K0 = wedge.K0;
    top.Ka = t > 1e-10 ? slopingActiveCoefficient(in.theta, in.phi) : wedge.KaLevel;
    top.tan2Beta = wedge.tan2Beta;
    top.z0 = in.z0;
    return top;
  });
  in.yn = point.yn;
  in.J = model.soilConstantHalf;
  at.curve = makeCementedSiltCurve(in);
  return PyCurve{at};
}

void CementedSiltAtPoint::addToLayerIntegral(LayerIntegral& F, const PyPoint& point) const {
  F.trapezoid(point, curve.pu);
  F.toLayerBottom(point, curve.pu);
  F.groundAboveHead(point, 3.0 * in.c * in.D, curve.pu, sp(1e-5f));
}

void writeCementedSiltBlock(RunContext& ctx, const PyPoint& point, const PyCurve& curve) {
  writeBlock(ctx, point, curve.as<CementedSiltAtPoint>());
}

}  // namespace quarn::soil
