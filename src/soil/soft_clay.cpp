#include "soil/soft_clay.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>

#include "engine/messages.h"
#include "output/format.h"
#include "output/plot_records.h"
#include "output/report_writers.h"
#include "soil/curve_block.h"
#include "soil/py_curve.h"
#include "soil/soil_profile.h"

namespace quarn::soil {

namespace {

using engine::Channel;
using engine::RunContext;

// What differs between the two keys beyond their table rows: the source of
// J and the texts.
struct SoftClayVariant {
  Criterion criterion;
  bool userJ;
  std::string_view staticTitle;
  std::string_view cyclicTitle;
  std::string_view cohesionProblem;
  std::string_view y50Label;
  std::string_view limitingNote;
};

constexpr SoftClayVariant kSoftClayVariant = {
    Criterion::kSoftClay,
    false,
    "p-y Curve Computed Using the Soft Clay Criteria for Static Loading Conditions",
    "p-y Curve Computed Using the Soft Clay Criteria for Cyclic Loading Conditions",
    "Problem:  A negative or zero value of cohesion was input for a soft clay soil.",
    "Y50",
    ") when computing the p-y curve for soft clay.",
};

constexpr SoftClayVariant kSoftClayJVariant = {
    Criterion::kSoftClayJ,
    true,
    "p-y Curve Computed Using the Soft Clay Criteria with J for Static Loading Conditions",
    "p-y Curve Computed Using the Soft Clay Criteria with J for Cyclic Loading Conditions",
    "Problem:  A negative or zero value of cohesion was input for a soft clay soil with J.",
    "y_50",
    ") when computing the p-y curve for soft clay with J.",
};

const SoftClayVariant& variantOf(Criterion criterion) {
  return criterion == Criterion::kSoftClayJ ? kSoftClayJVariant : kSoftClayVariant;
}

// Strength above which Matlock's criterion is not meant to be used, 1250
// lb/ft2: in lb/in2 (US customary) and in kPa (SI).
constexpr double kStrengthLimitUs = sp(8.68055534362793f);
constexpr double kStrengthLimitSi = sp(59.85032272338867f);
constexpr int kWarningStrongClayUs = -3041;
constexpr int kWarningStrongClaySi = -3042;

// Deflections of the printed curve in multiples of y50.
constexpr std::array<double, 17> kStaticPrintPoints = {
    0.0, 0.05, 0.125, 0.25, 0.375, 0.5, 1.0, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0, 7.0, 8.0, 8.5};
constexpr std::array<double, 17> kCyclicPrintPoints = {
    0.0, 0.05, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.8, 1.0, 1.5, 2.0, 2.5, 3.0, 9.0, 15.0, 16.0};

[[noreturn]] void stopOnMissingCohesion(RunContext& ctx, const SoftClayVariant& variant,
                                        const PyPoint& point, double c) {
  const int number = criterionInfo(variant.criterion).errors.noStrengthBelowTop;
  const std::string location = output::formatLine(
      "(\"Layer no. = \", I0, \", Node no. = \", I0, \", Top node in layer = \", I0, "
      "\", Elevation = \", F10.3, \", c(x) = \", F10.3)",
      {point.layer, point.index, point.first, point.depth, c});
  for (Channel* channel : {&ctx.messages, &ctx.report}) {
    channel->line("**** Input Data Error No. " + std::to_string(number) + " ****");
    channel->endLine();
    channel->line("An error was detected that is related to an incompatibility between the input ");
    channel->line("data defining soil layering and soil shear strength values when computing a ");
    channel->line("p-y curve using the Matlock soft clay criteria.");
    channel->endLine();
    channel->line(variant.cohesionProblem);
    channel->endLine();
    channel->line("Solution:  Please compare the depth values for soil layering and soil shear ");
    channel->line("strength values and revise the input data.");
    channel->emptyLines(2);
    if (channel == &ctx.messages) {
      channel->line(location);
    } else {
      channel->line(location +
                    output::formatLine("(\", Pile length = \", F10.3)", {ctx.model.pile.length}));
      channel->line(
          output::formatLine("(\", ITOP = \", I0, \", IBOT = \", I0)", {point.first, point.last}));
    }
  }
  stopOnInputError(ctx, number);
}

// Registers the strength warning of a clay stronger than the criterion suits.
void checkStrength(AnalysisModel& model, double c) {
  if (model.options.IUNITS == kUnitsUsCustomary && c > kStrengthLimitUs) {
    engine::registerWarning(model.state, kWarningStrongClayUs);
  } else if (model.options.IUNITS == kUnitsSi && c > kStrengthLimitSi) {
    engine::registerWarning(model.state, kWarningStrongClaySi);
  }
}

// Unit of the average unit weight as printed: in lb/ft3 for the "SoftClyJ"
// block in US customary units, otherwise in the model's force per length
// cubed (the same dimension as a subgrade modulus).
std::string_view unitWeightUnit(const AnalysisModel& model, bool inPoundsPerCubicFoot) {
  return inPoundsPerCubicFoot ? std::string_view(model.labels.unitWeight)
                              : std::string_view(model.labels.subgradeModulus);
}

// Properties in, curve out: the soil at the point, the checks and the curve.
PyCurve curveAt(RunContext& ctx, const PyPoint& point, LayerSweep& sweep,
                const SoftClayVariant& variant) {
  AnalysisModel& model = ctx.model;
  const double x = point.depth;
  SoftClayAtPoint at;
  at.criterion = variant.criterion;
  SoftClayInput& soil = at.soil;
  soil.D = point.D;
  const StrengthAtDepth strength = lookupStrength(ctx, x);
  soil.c = strength.c;
  soil.gamma = fn_GammaAvg(ctx, x);
  soil.J = variant.userJ ? fn_J(model, x) : model.soilConstantHalf;

  // A strength beyond the criterion's range, away from layer interfaces.
  if (!strength.atInterface) checkStrength(model, soil.c);

  // Strain factor, with the internal default when none was given.
  soil.e50 = fn_e50(model, x);
  if (soil.e50 <= 0.0) {
    soil.e50 = defaultEpsilon50(soil.c, model.options.IUNITS);
    if (soil.e50 <= 0.0) {
      engine::stopOnRuntimeError(ctx, criterionInfo(variant.criterion).errors.noDefaults);
    }
  }

  // Strength below the first node of the layer must be positive.
  if (!point.firstInLayer() && soil.c < 1e-10) stopOnMissingCohesion(ctx, variant, point, soil.c);

  soil.fs = softClaySlopeFactor(model.tables.batter.effectiveSlopeAngle, point.yn);
  soil.cyclic = model.options.cyclicLoading;
  soil.z = sweep.resistanceDepth(point, [&] {
    EquivalentDepthInput top;
    top.criterion = variant.criterion;
    top.cyclic = soil.cyclic;
    top.D = soil.D;
    top.c = soil.c;
    top.gamma = soil.gamma;
    top.J = soil.J;
    return top;
  });
  at.curve = makeSoftClayCurve(soil);
  return PyCurve{at};
}

}  // namespace

void SoftClayAtPoint::addToLayerIntegral(LayerIntegral& F, const PyPoint& point) const {
  if (curve.cyclic) {
    F.trapezoid(point, curve.pc, 0);
    F.trapezoid(point, curve.pcs, 1, curve.z < curve.xrPrime);
  } else {
    F.trapezoid(point, curve.pu, 0);
  }
  F.lastIncrement(point, curve.pu);
  // Ground surface above the pile head: the first layer's integral from the
  // surface resistance 3 c D to pu over its thickness.
  F.groundAboveHead(point, 3.0 * soil.c * soil.D, curve.pu);
}

PyCurve softClayCurve(RunContext& ctx, const PyPoint& point, LayerSweep& sweep) {
  return curveAt(ctx, point, sweep, kSoftClayVariant);
}

PyCurve softClayJCurve(RunContext& ctx, const PyPoint& point, LayerSweep& sweep) {
  return curveAt(ctx, point, sweep, kSoftClayJVariant);
}

void writeSoftClayBlock(RunContext& ctx, const PyPoint& point, const PyCurve& pyCurve) {
  const SoftClayAtPoint& at = pyCurve.as<SoftClayAtPoint>();
  const SoftClayVariant& variant = variantOf(at.criterion);
  const SoftClayInput& soil = at.soil;
  const SoftClayCurve& curve = at.curve;
  const AnalysisModel& model = ctx.model;
  const UnitLabels& labels = model.labels;
  const bool us = model.options.IUNITS == kUnitsUsCustomary;
  const bool cyclic = model.options.cyclicLoading;
  const double cycles = cyclesOfLoading(model);
  const bool manyCycles = cycles >= 2.0;
  // The "SoftClyJ" block prints depths in feet and strength and unit weight in
  // pounds and feet in US customary units.
  const bool feetAndPounds = us && variant.userJ;
  const auto lengthValue = [&](double v) { return feetAndPounds ? v / 12.0 : v; };
  const std::string_view lengthUnit = feetAndPounds ? labels.depth : labels.length;

  Channel& out = ctx.report;
  curve_block::writeTitle(out, cyclic ? variant.cyclicTitle : variant.staticTitle);
  curve_block::writeLayerNumber(out, point.layer, "I12");
  // The two depth lines, in feet in US customary units.
  const double xg = model.soil.layers[1].top;
  const auto depthValue = [&](double v) { return us ? v / 12.0 : v; };
  const std::string_view depthUnit = us ? labels.depth : labels.length;
  output::writeLabelledValue(out, "Depth below pile head", "F12.3", depthValue(point.depth),
                             depthUnit);
  output::writeLabelledValue(out, "Depth below ground surface", "F12.3",
                             depthValue(point.depth - xg), depthUnit);
  curve_block::writeAngleLines(out, model, "Pile Batter");
  output::writeLabelledValue(out, "Equivalent Depth", "F12.3", lengthValue(curve.z), lengthUnit);
  output::writeLabelledValue(out, "Pile Diameter", "F12.3", soil.D, labels.length);
  output::writeLabelledValue(out, "Cohesion, c", "F12.3", feetAndPounds ? soil.c * 144.0 : soil.c,
                             feetAndPounds ? std::string_view("psf") : labels.stress);
  output::writeLabelledValue(out, "Avg Eff Unit Weight", "F12.5",
                             feetAndPounds ? soil.gamma * 1728.0 : soil.gamma,
                             unitWeightUnit(model, feetAndPounds));
  output::writeLabelledValue(out, "Epsilon50 parameter", "F12.5", soil.e50);
  if (variant.userJ) output::writeLabelledValue(out, "J parameter", "F12.3", soil.J);
  output::writeLabelledValue(out, "Transition Depth Xr", "F12.3", lengthValue(curve.xrPrime),
                             lengthUnit);
  output::writeLabelledValue(out, "pu_s", "F12.3", curve.puShallow, labels.forcePerLength);
  output::writeLabelledValue(out, "pu_d", "F12.3", curve.puDeep, labels.forcePerLength);
  output::writeLabelledValue(out, variant.y50Label, "F12.5", curve.y50, labels.length);
  curve_block::writeMultiplierLines(out, point.pm, point.ym);
  if (manyCycles) {
    output::writeLabelledValue(out, "Number of cycles of loading", "F12.0", cycles,
                               variant.userJ ? std::string_view() : std::string_view("cycles"));
    if (!variant.userJ) {
      output::writeLabelledValue(out, "X_r", "F12.3", curve.xrPrime, labels.length);
    }
  }
  output::writeLabelledValue(out, "Sloping Ground Factor", "F12.3", soil.fs);
  output::writeLabelledValue(out, "pu_static", "F12.3", curve.pu, labels.forcePerLength);
  if (manyCycles) {
    output::writeLabelledValue(out, "pu_cyclic", "F12.3", curve.pc, labels.forcePerLength);
  }

  out.endLine();
  output::write(out, "(T6, \"y, \", A, T25, \"p, \", A)", {labels.length, labels.forcePerLength});
  out.line("----------------    -----------------");
  const std::array<double, 17>& multiples = cyclic ? kCyclicPrintPoints : kStaticPrintPoints;
  curve_block::PrintedCurve printed;
  bool limitingModulusUsed = false;
  for (std::size_t n = 0; n < multiples.size(); ++n) {
    printed.y[n] = multiples[n] * curve.y50;
    printed.p[n] = curve.p(printed.y[n]);
    if (n > 0 && curve.belowSmallDeflectionLimit(printed.y[n])) limitingModulusUsed = true;
  }
  curve_block::writeCurveRows(out, printed, point.pm, point.ym);
  if (limitingModulusUsed) {
    out.endLine();
    out.line("**** Warning ****");
    out.endLine();
    out.line("The pile deflection is less than 0.00001*Y50.");
    output::write(out, "(\"Quarn used the limiting value of soil modulus (= \", ES12.4, 1X, A)",
                  {curve.k0, labels.stress});
    out.line(variant.limitingNote);
  }
  curve_block::writeCurvePlot(ctx, variant.criterion, point.depth, point.index, printed, point.pm,
                              point.ym);
}

double SoftClayCurve::p(double y) const {
  if (belowSmallDeflectionLimit(y)) return k0 * y;
  const double upper = cyclic ? 3.0 * y50 : 8.0 * y50;
  if (y <= 3.0 * y50 || (!cyclic && y <= upper)) {
    return 0.5 * pu * std::pow(y / y50, kSoftClayExponent);
  }
  if (!cyclic) return pu;
  if (z >= xrPrime) return pc;
  if (y <= 15.0 * y50) return pc + (y - 3.0 * y50) * (pcs - pc) / (12.0 * y50);
  return pcs;
}

SoftClayCurve makeSoftClayCurve(const SoftClayInput& in) {
  SoftClayCurve curve;
  curve.z = in.z;
  curve.cyclic = in.cyclic;
  curve.y50 = 2.5 * in.D * in.e50;
  const double np = 3.0 + in.gamma * in.z / in.c + in.J * in.z / in.D;
  curve.puShallow = in.c * in.D * np;
  curve.puDeep = 9.0 * in.c * in.D;
  curve.xr = 6.0 * in.D * in.c / (in.J * in.c + in.gamma * in.D);
  curve.xrPrime = std::max(2.5 * in.D, curve.xr);
  const double Np = np * in.fs;  // sloping-ground factor applied
  curve.pu = Np < 9.0 ? in.c * in.D * Np : 9.0 * in.c * in.D;
  curve.pc = kSoftClayCyclicRatio * curve.pu;
  curve.pcs = in.z < curve.xrPrime ? curve.pc * in.z / curve.xrPrime : curve.pc;
  // Tangent of 0.5 pu (y / y50)^(1/3) at y = 0.00001 y50: 0.5 x 0.00001^(1/3)
  // over 3 x 0.00001 (the latter in single precision).
  curve.k0 = curve.pu * 0.01077217236161232 / (curve.y50 * sp(3e-5f));
  return curve;
}

double softClaySlopeFactor(double theta, double yn) {
  const double t = std::abs(theta);
  if (t <= 1e-20) return 1.0;
  const bool down = yn > 1e-20;
  const bool up = yn < -1e-20;
  const bool slopeDown = theta > 1e-20;
  const bool slopeUp = theta < -1e-20;
  if ((down && slopeDown) || (up && slopeUp)) return 1.0 / (std::tan(t) + 1.0);
  if ((down && slopeUp) || (up && slopeDown)) {
    return std::cos(t) * sp(0.7071067690849304f) / std::cos(t + 0.7853981633974483);
  }
  return 1.0;
}

double defaultEpsilon50(double c, int unitSystem) {
  // Thresholds 500, 1000, 2000 and 4000 lb/ft2, in lb/in2 and in kPa.
  std::array<double, 4> limits;
  if (unitSystem == kUnitsUsCustomary) {
    limits = {sp(3.472222328186035f), sp(6.94444465637207f), sp(13.88888931274414f),
              sp(27.77777862548828f)};
  } else if (unitSystem == kUnitsSi) {
    limits = {sp(23.940128326416016f), sp(47.88025665283203f), sp(95.76051330566406f),
              sp(191.52102661132812f)};
  } else {
    return 0.0;
  }
  if (c < limits[0]) return sp(0.02f);
  if (c < limits[1]) return sp(0.01f);
  if (c < limits[3]) return sp(0.005f);  // both bands from 1000 to 4000 lb/ft2
  return sp(0.004f);
}

}  // namespace quarn::soil
