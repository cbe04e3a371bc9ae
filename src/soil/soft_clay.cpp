#include "soil/soft_clay.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>
#include <string_view>

#include "engine/pile_properties.h"
#include "engine/messages.h"
#include "output/format.h"
#include "output/plot_records.h"
#include "output/report_writers.h"
#include "soil/criteria.h"
#include "soil/soil_profile.h"

namespace quarn::soil {

namespace {

using engine::Channel;
using engine::RunContext;

// What differs between the two keys: the source of J, the error numbers and
// the texts.
struct SoftClayVariant {
  Criterion criterion;
  bool userJ;
  int inputErrorNoCohesion;    // zero or negative cohesion below the layer's first node
  int runtimeLimitingModulus;  // limiting modulus not a number
  int runtimeSecantModulus;    // secant modulus not a number
  int runtimeNoStrainFactor;   // epsilon-50 missing in general units
  std::string_view codeTextNoCohesion;
  std::string_view name;  // as the runtime-error texts name the criterion
  std::string_view staticTitle;
  std::string_view cyclicTitle;
  std::string_view cohesionProblem;
  std::string_view secantTitle;
  std::string_view y50Label;
  std::string_view limitingNote;
};

constexpr SoftClayVariant kSoftClayVariant = {
    Criterion::kSoftClay,
    false,
    12,
    33,
    34,
    37,
    "INP00012",
    "soft clay",
    "p-y Curve Computed Using the Soft Clay Criteria for Static Loading Conditions",
    "p-y Curve Computed Using the Soft Clay Criteria for Cyclic Loading Conditions",
    "Problem:  A negative or zero value of cohesion was input for a soft clay soil.",
    "**** Runtime Error No. 34 ****",
    "Y50",
    ") when computing the p-y curve for soft clay.",
};

constexpr SoftClayVariant kSoftClayJVariant = {
    Criterion::kSoftClayJ,
    true,
    71,
    35,
    36,
    38,
    "INP00071",
    "API soft clay",
    "p-y Curve Computed Using the Soft Clay Criteria with J for Static Loading Conditions",
    "p-y Curve Computed Using the Soft Clay Criteria with J for Cyclic Loading Conditions",
    "Problem:  A negative or zero value of cohesion was input for a soft clay soil with J.",
    "**** Runtime Error No 36. ****",
    "y_50",
    ") when computing the p-y curve for soft clay with J.",
};

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

constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;

// Everything known at one node (or output depth), for the curve and its report.
struct SoftClayPoint {
  int index = 0;
  CallPoint at;
  double D = 0.0;
  double c = 0.0;
  double gamma = 0.0;
  double e50 = 0.0;
  double J = 0.0;
  double pm = 1.0;
  double ym = 1.0;
  double fs = 1.0;
  SoftClayCurve curve;
};

[[noreturn]] void stopOnMissingCohesion(RunContext& ctx, const SoftClayVariant& variant,
                                        const CriterionCall& call, const SoftClayPoint& point) {
  const std::string number = std::to_string(variant.inputErrorNoCohesion);
  const std::string location = output::formatLine(
      "(\"Layer no. = \", I0, \", Node no. = \", I0, \", Top node in layer = \", I0, "
      "\", Elevation = \", F10.3, \", c(x) = \", F10.3)",
      {call.layer, point.index, call.NodeFirst, point.at.depth, point.c});
  for (Channel* channel : {&ctx.messages, &ctx.report}) {
    channel->line("**** Input Data Error No. " + number + " ****");
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
      channel->line(output::formatLine("(\", ITOP = \", I0, \", IBOT = \", I0)",
                                       {call.NodeFirst, call.NodeLast}));
    }
  }
  engine::stopRun(ctx, variant.codeTextNoCohesion,
                  engine::kInputErrorBase + variant.inputErrorNoCohesion);
}

[[noreturn]] void stopOnLimitingModulusNaN(RunContext& ctx, const SoftClayVariant& variant,
                                           int node) {
  Channel& out = ctx.report;
  out.line("**** Runtime Error No. " + std::to_string(variant.runtimeLimitingModulus) + " ****");
  out.endLine();
  out.line("The default value of soil modulus computed in " + std::string(variant.name) +
           " is not-a-number for node number " + std::to_string(node));
  out.endLine();
  out.line("This problem is usually due to a required soil property being left equal to zero.");
  engine::stopOnRuntimeError(ctx, variant.runtimeLimitingModulus);
}

[[noreturn]] void stopOnSecantModulusNaN(RunContext& ctx, const SoftClayVariant& variant,
                                         int node) {
  Channel& out = ctx.report;
  out.line(variant.secantTitle);
  out.line("The computed value of soil modulus computed in " + std::string(variant.name) +
           " is not-a-number for node number " + std::to_string(node));
  out.line("This problem is usually due to a required soil property being left equal to zero.");
  engine::stopOnRuntimeError(ctx, variant.runtimeSecantModulus);
}

// Registers the strength warning of a clay stronger than the criterion suits.
void checkStrength(AnalysisModel& model, double c) {
  if (model.options.IUNITS == kUnitsUsCustomary && c > kStrengthLimitUs) {
    engine::registerWarning(model.state, kWarningStrongClayUs);
  } else if (model.options.IUNITS == kUnitsSi && c > kStrengthLimitSi) {
    engine::registerWarning(model.state, kWarningStrongClaySi);
  }
}

// Depth used in the resistance formulas at a point of layer k.
double resistanceDepth(const AnalysisModel& model, int k, double depth) {
  const Soil& soil = model.soil;
  double z = depth - soil.layers[1].top;
  if (k > 1) {
    // Layered soil: once the equivalent-depth correction is part of the
    // engine, layers below the first use (depth - layer top) + Heq(k) here
    // while no rock-like layer lies above. Until then every layer uses the
    // depth below the ground surface.
    if (soil.layers[1].bottom < -1e-8 || soil.layers[2].bottom < -1e-8) {
      z = depth - soil.layers[1].top;
    }
  }
  return z;
}

// Unit of the average unit weight as printed: in lb/ft3 for the "SoftClyJ"
// block in US customary units, otherwise in the model's force per length
// cubed (the same dimension as a subgrade modulus).
std::string_view unitWeightUnit(const AnalysisModel& model, bool inPoundsPerCubicFoot) {
  return inPoundsPerCubicFoot ? std::string_view(model.labels.unitWeight)
                              : std::string_view(model.labels.subgradeModulus);
}

void writeCurveBlock(RunContext& ctx, const SoftClayVariant& variant, const CriterionCall& call,
                     const SoftClayPoint& point) {
  const AnalysisModel& model = ctx.model;
  const UnitLabels& labels = model.labels;
  const SoftClayCurve& curve = point.curve;
  const bool us = model.options.IUNITS == kUnitsUsCustomary;
  const bool cyclic = model.options.cyclicLoading;
  const bool manyCycles = model.options.numberOfCycles >= 2.0;
  // The "SoftClyJ" block prints depths in feet and strength and unit weight in
  // pounds and feet in US customary units.
  const bool feetAndPounds = us && variant.userJ;
  const double xg = model.soil.layers[1].top;
  const auto depthValue = [&](double v) { return us ? v / 12.0 : v; };
  const std::string_view depthUnit = us ? labels.depth : labels.length;
  const auto lengthValue = [&](double v) { return feetAndPounds ? v / 12.0 : v; };
  const std::string_view lengthUnit = feetAndPounds ? labels.depth : labels.length;

  Channel& out = ctx.report;
  out.emptyLines(2);
  out.line(cyclic ? variant.cyclicTitle : variant.staticTitle);
  out.endLine();
  output::writeLabelledValue(out, "Soil Layer Number", "I12", call.layer);
  output::writeLabelledValue(out, "Depth below pile head", "F12.3", depthValue(point.at.depth),
                             depthUnit);
  output::writeLabelledValue(out, "Depth below ground surface", "F12.3",
                             depthValue(point.at.depth - xg), depthUnit);
  const BatterAndSlope& angles = model.tables.batter;
  output::writeLabelledValue(out, "Ground Slope Angle", "F12.3",
                             angles.slopeAngle * kDegreesPerRadian, "degrees");
  output::writeLabelledValue(out, "Pile Batter", "F12.3", angles.batterAngle * kDegreesPerRadian,
                             "degrees");
  output::writeLabelledValue(out, "Effective Slope", "F12.3",
                             angles.effectiveSlopeAngle * kDegreesPerRadian, "degrees");
  output::writeLabelledValue(out, "Equivalent Depth", "F12.3", lengthValue(curve.z), lengthUnit);
  output::writeLabelledValue(out, "Pile Diameter", "F12.3", point.D, labels.length);
  output::writeLabelledValue(out, "Cohesion, c", "F12.3", feetAndPounds ? point.c * 144.0 : point.c,
                             feetAndPounds ? std::string_view("psf") : labels.stress);
  output::writeLabelledValue(out, "Avg Eff Unit Weight", "F12.5",
                             feetAndPounds ? point.gamma * 1728.0 : point.gamma,
                             unitWeightUnit(model, feetAndPounds));
  output::writeLabelledValue(out, "Epsilon50 parameter", "F12.5", point.e50);
  if (variant.userJ) output::writeLabelledValue(out, "J parameter", "F12.3", point.J);
  output::writeLabelledValue(out, "Transition Depth Xr", "F12.3", lengthValue(curve.xrPrime),
                             lengthUnit);
  output::writeLabelledValue(out, "pu_s", "F12.3", curve.puShallow, labels.forcePerLength);
  output::writeLabelledValue(out, "pu_d", "F12.3", curve.puDeep, labels.forcePerLength);
  output::writeLabelledValue(out, variant.y50Label, "F12.5", curve.y50, labels.length);
  output::writeLabelledValue(out, "p-multiplier", "F12.5", point.pm);
  output::writeLabelledValue(out, "y-multiplier", "F12.5", point.ym);
  if (manyCycles) {
    output::writeLabelledValue(out, "Number of cycles of loading", "F12.0",
                               model.options.numberOfCycles,
                               variant.userJ ? std::string_view() : std::string_view("cycles"));
    if (!variant.userJ) {
      output::writeLabelledValue(out, "X_r", "F12.3", curve.xrPrime, labels.length);
    }
  }
  output::writeLabelledValue(out, "Sloping Ground Factor", "F12.3", point.fs);
  output::writeLabelledValue(out, "pu_static", "F12.3", curve.pu, labels.forcePerLength);
  if (manyCycles) {
    output::writeLabelledValue(out, "pu_cyclic", "F12.3", curve.pc, labels.forcePerLength);
  }

  out.endLine();
  output::write(out, "(T6, \"y, \", A, T25, \"p, \", A)", {labels.length, labels.forcePerLength});
  out.line("----------------    -----------------");
  const std::array<double, 17>& multiples = cyclic ? kCyclicPrintPoints : kStaticPrintPoints;
  bool limitingModulusUsed = false;
  for (std::size_t n = 0; n < multiples.size(); ++n) {
    const double y = multiples[n] * curve.y50;
    if (n > 0 && curve.belowSmallDeflectionLimit(y)) limitingModulusUsed = true;
    output::Write_Report_Blanks(out, 3);
    output::Write_Report_Number(out, y * point.ym, 12);
    output::Write_Report_Blanks(out, 5);
    output::Write_Report_Number(out, curve.p(y) * point.pm, 12);
    output::End_Report_Line(out);
  }
  if (limitingModulusUsed) {
    out.endLine();
    out.line("**** Warning ****");
    out.endLine();
    out.line("The pile deflection is less than 0.00001*Y50.");
    output::write(out, "(\"Quarn used the limiting value of soil modulus (= \", ES12.4, 1X, A)",
                  {curve.k0, labels.stress});
    out.line(variant.limitingNote);
  }

  const int code = static_cast<int>(variant.criterion);
  output::writePlotLine7(ctx.plot, point.at.depth, 17, code, model.options.IUNITS, point.index);
  for (std::size_t n = 0; n < multiples.size(); ++n) {
    const double y = multiples[n] * curve.y50;
    output::writePlotLine8(ctx.plot, y * point.ym, curve.p(y) * point.pm, static_cast<int>(n) + 1,
                           code, model.options.IUNITS, model.options.cyclicLoading);
  }
}

// The common node steps with the soft clay curve, for every entry of the call.
void runSoftClay(RunContext& ctx, const CriterionCall& call, const SoftClayVariant& variant) {
  AnalysisModel& model = ctx.model;
  const Soil& soil = model.soil;
  const int k = call.layer;
  const bool cyclic = model.options.cyclicLoading;
  const double h = incrementLength(model);
  const double xg = soil.layers[1].top;
  double& F = model.layering.F[static_cast<std::size_t>(k)];
  double puPrev = 0.0;
  double pcPrev = 0.0;
  double pcsPrev = 0.0;

  for (int i = call.NodeFirst; i <= call.NodeLast; ++i) {
    SoftClayPoint point;
    point.index = i;
    point.at = callPoint(model, call, i);
    const double x = point.at.depth;

    // Pile and soil properties at the depth.
    point.D = engine::Compute_Pile_Properties(model.pile, point.at.x).D;
    const StrengthAtDepth strength = lookupStrength(ctx, x);
    point.c = strength.c;
    point.gamma = fn_GammaAvg(ctx, x);
    point.J = variant.userJ ? fn_J(model, x) : model.soilConstantHalf;
    point.pm = fn_pMult(model.tables.multipliers, point.at.x);
    point.ym = fn_yMult(model.tables.multipliers, point.at.x);

    // A strength beyond the criterion's range, away from layer interfaces.
    if (!strength.atInterface) checkStrength(model, point.c);

    // Strain factor, with the internal default when none was given.
    point.e50 = fn_e50(model, x);
    if (point.e50 <= 0.0) {
      point.e50 = defaultEpsilon50(point.c, model.options.IUNITS);
      if (point.e50 <= 0.0) engine::stopOnRuntimeError(ctx, variant.runtimeNoStrainFactor);
    }

    // Strength below the first node of the layer must be positive.
    if (i > call.NodeFirst && point.c < 1e-10) stopOnMissingCohesion(ctx, variant, call, point);

    // The curve at this depth.
    if (!call.PrintMode && i == call.NodeFirst) F = 0.0;
    const double theta = model.tables.batter.effectiveSlopeAngle;
    point.fs = softClaySlopeFactor(theta, signedDeflection(model, call, i));
    SoftClayInput input;
    input.c = point.c;
    input.gamma = point.gamma;
    input.e50 = point.e50;
    input.J = point.J;
    input.D = point.D;
    input.z = resistanceDepth(model, k, x);
    input.fs = point.fs;
    input.cyclic = cyclic;
    point.curve = makeSoftClayCurve(input);
    const SoftClayCurve& curve = point.curve;

    // Integral of the ultimate resistance over the layer (layered soil).
    if (i > call.NodeFirst) {
      if (cyclic) {
        F += (pcPrev + curve.pc) * h / 2.0;
        if (curve.z < curve.xrPrime) F += (pcsPrev + curve.pcs) * h / 2.0;
      } else {
        F += (puPrev + curve.pu) * h / 2.0;
      }
    }
    if (i == call.NodeLast) F += curve.pu * h;
    if (xg < -0.00001 && k == 1) {
      // Ground surface above the pile head: the first layer's integral from
      // the surface resistance 3 c D to pu over its thickness.
      F = (3.0 * point.c * point.D + curve.pu) * 0.5 * (soil.layers[1].bottom - soil.layers[1].top);
    }
    puPrev = curve.pu;
    pcPrev = curve.pc;
    pcsPrev = curve.pcs;

    if (call.PrintMode) {
      writeCurveBlock(ctx, variant, call, point);
      continue;
    }

    // The modulus at the node's deflection relative to the soil.
    const double y = relativeDeflection(model, i, point.ym);
    if (curve.belowSmallDeflectionLimit(y)) {
      // Not a number, or infinite (no finite spring either), stops the run.
      if (!std::isfinite(curve.k0)) stopOnLimitingModulusNaN(ctx, variant, i);
      storeModulus(model, i, curve.k0);
    } else {
      const double Es = point.pm * curve.p(y) / (point.ym * y);
      if (!std::isfinite(Es)) stopOnSecantModulusNaN(ctx, variant, i);
      storeModulus(model, i, Es);
    }
  }
}

}  // namespace

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
  curve.Np = np * in.fs;
  curve.pu = curve.Np < 9.0 ? in.c * in.D * curve.Np : 9.0 * in.c * in.D;
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

void softClay(RunContext& ctx, const CriterionCall& call) {
  runSoftClay(ctx, call, kSoftClayVariant);
}

void softClayJ(RunContext& ctx, const CriterionCall& call) {
  runSoftClay(ctx, call, kSoftClayJVariant);
}

}  // namespace quarn::soil
