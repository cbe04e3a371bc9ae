#include "soil/stiff_clay.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>

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

// ---- defaults -----------------------------------------------------------------

// Upper limits of strength classes 1 to 3 (1000, 2000 and 4000 lb/ft2) in
// lb/in2 and kPa. The keys without free water use slightly different
// conversions of the same limits.
struct StrengthClassLimits {
  std::array<double, 3> us;
  std::array<double, 3> si;
};

constexpr StrengthClassLimits kFreeWaterClassLimits = {
    {sp(6.94444465637207f), sp(13.88888931274414f), sp(27.77777862548828f)},
    {sp(47.8802604675293f), sp(95.7605209350586f), sp(191.5210418701172f)}};
constexpr StrengthClassLimits kNoWaterClassLimits = {
    {sp(6.940000057220459f), sp(13.880000114440918f), sp(27.780000686645508f)},
    {sp(47.8927001953125f), sp(95.785400390625f), sp(191.57080078125f)}};

constexpr std::array<double, 4> kDefaultEpsilon50 = {sp(0.011f), sp(0.007f), sp(0.005f),
                                                     sp(0.004f)};

// Default k by strength class: lb/in3, and kN/m3 as each key converts it.
struct DefaultK {
  std::array<double, 4> us;
  std::array<double, 4> si;
};

constexpr DefaultK kFreeWaterStaticK = {
    {250.0, 500.0, 1000.0, 2000.0},
    {sp(67861.78125f), sp(135723.5625f), sp(271447.125f), sp(542894.25f)}};
constexpr DefaultK kFreeWaterCyclicK = {
    {100.0, 200.0, 400.0, 800.0},
    {sp(27144.7109375f), sp(54289.421875f), sp(108578.84375f), sp(217157.6875f)}};
constexpr DefaultK kWithKStaticK = {
    {250.0, 500.0, 1000.0, 2000.0},
    {sp(67861.796875f), sp(135723.59375f), sp(271447.1875f), sp(542894.375f)}};
constexpr DefaultK kWithKCyclicK = {
    {100.0, 200.0, 400.0, 800.0},
    {sp(27144.7109375f), sp(54289.3984375f), sp(108578.8984375f), sp(217157.703125f)}};

// ---- what differs between the three keys ----------------------------------------

struct StiffClayVariant {
  StiffClayKind kind;
  Criterion criterion;
  // Strength warnings: US customary low and high, SI low and high.
  std::array<int, 4> warnings;
  double siLow;
  double siHigh;
  // 1 / sqrt(2) of the sloping-ground factor.
  double rootHalf;
  std::string_view staticTitle;
  std::string_view cyclicTitle;
  std::string_view titleSecondLine;
};

constexpr StiffClayVariant kFreeWater = {
    StiffClayKind::kFreeWater,
    Criterion::kStiffClayFreeWater,
    {kWarningStiffClayFreeWaterLowUs, kWarningStiffClayFreeWaterHighUs,
     kWarningStiffClayFreeWaterLowSi, kWarningStiffClayFreeWaterHighSi},
    sp(23.940128326416016f),
    sp(383.04205322265625f),
    0.7071067811865476,
    "p-y Curve Computed Using Static Criteria for Stiff Clay with Free Water",
    "p-y Curve Computed Using Cyclic Criteria for Stiff Clay with Free Water",
    {},
};

constexpr StiffClayVariant kNoFreeWater = {
    StiffClayKind::kNoFreeWater,
    Criterion::kStiffClayNoFreeWater,
    {kWarningStiffClayNoWaterLowUs, kWarningStiffClayNoWaterHighUs, kWarningStiffClayNoWaterLowSi,
     kWarningStiffClayNoWaterHighSi},
    sp(23.940000534057617f),
    sp(383.0400085449219f),
    sp(0.7071067690849304f),
    "p-y Curve Computed Using Static Criteria for Stiff Clay without Free Water",
    "p-y Curve Computed Using Cyclic Criteria for Stiff Clay without Free Water",
    {},
};

constexpr StiffClayVariant kNoFreeWaterK = {
    StiffClayKind::kNoFreeWaterK,
    Criterion::kStiffClayNoFreeWaterK,
    {kWarningStiffClayWithKLowUs, kWarningStiffClayWithKHighUs, kWarningStiffClayWithKLowSi,
     kWarningStiffClayWithKHighSi},
    sp(23.940000534057617f),
    sp(383.0400085449219f),
    sp(0.7071067690849304f),
    "p-y Curve Computed Using Static Criteria for Stiff Clay without Free Water",
    "p-y Curve Computed Using Cyclic Criteria for Stiff Clay without Free Water",
    "with Option of Defining Initial k",
};

// Strength limits of the warnings in US customary units: 500 and 8000 lb/ft2.
constexpr double kStrengthLowUs = sp(3.472222328186035f);
constexpr double kStrengthHighUs = sp(55.55555725097656f);

// Deflections of the printed curve without free water, in multiples of 16 y50,
// before the last three points.
constexpr std::array<double, 14> kNoWaterPrintMultiples = {
    0.0,       sp(0.00001f), sp(0.00005f), sp(0.0001f), sp(0.0005f), sp(0.001f), sp(0.005f),
    sp(0.01f), sp(0.025f),   sp(0.05f),    sp(0.075f),  sp(0.1f),    sp(0.25f),  sp(0.5f)};

// ---- errors and warnings ----------------------------------------------------------

[[noreturn]] void stopOnMissingCohesion(RunContext& ctx, const StiffClayVariant& variant) {
  const int number = criterionInfo(variant.criterion).errors.noStrengthBelowTop;
  const std::string title = "**** Input Data Error No. " + std::to_string(number) + " ****";
  for (Channel* channel : {&ctx.messages, &ctx.report}) {
    channel->line(title);
    channel->endLine();
    if (variant.kind == StiffClayKind::kFreeWater) {
      channel->line("An error was detected in the input data used to compute p-y curves in ");
      channel->line("stiff clay with free water.");
      channel->endLine();
      channel->line("Problem:  Zero was input for the cohesion of a stiff clay. ");
      channel->endLine();
      channel->line("Solution:  Check and compare the values of shear strength and revise the ");
      channel->line("input so that the strength values are correct for the soil types specified.");
    } else {
      channel->line("An error was detected in the input data.");
      channel->line("Problem:  Zero was input for cohesion of stiff clay without free water.");
      channel->endLine();
      if (variant.kind == StiffClayKind::kNoFreeWater) {
        channel->line(
            "Solution:  Please check the values of soil shear strength and revise the input data.");
      } else {
        channel->line("Solution:  Please check the values of soil shear strength and revise ");
        channel->line("the input data.");
      }
    }
  }
  stopOnInputError(ctx, number);
}

// General units have no defaults of epsilon-50 and k. Without them the curve
// has y50 = 0 (a modulus that is not a number) or k = 0 (no resistance at
// all), so the run stops here and says what to enter.
[[noreturn]] void stopOnMissingDefaults(RunContext& ctx, const StiffClayVariant& variant,
                                        int layer) {
  const int number = criterionInfo(variant.criterion).errors.noDefaults;
  for (Channel* channel : {&ctx.report, &ctx.messages}) {
    channel->emptyLines(2);
    channel->line("**** Runtime Error No. " + std::to_string(number) + " ****");
    channel->endLine();
    channel->line("Problem:  General units have been selected for use in computations in ");
    channel->line("combination with default values of epsilon-50 or k for stiff clay in soil ");
    channel->line(
        output::formatLine("(\"layer \", I0, \".  Quarn cannot compute default values of "
                           "these properties in general units.\")",
                           {layer}));
    channel->endLine();
    channel->line("Solution:  Select US customary or SI units for the computations, or enter ");
    channel->line("non-zero values of epsilon-50 and k for the layer.");
  }
  engine::stopOnRuntimeError(ctx, number);
}

// Registers the warning of a strength outside the range the criterion suits.
void checkStrength(AnalysisModel& model, const StiffClayVariant& variant, double c) {
  const int units = model.options.IUNITS;
  if (units == kUnitsUsCustomary) {
    if (c < kStrengthLowUs) engine::registerWarning(model.state, variant.warnings[0]);
    if (c > kStrengthHighUs) engine::registerWarning(model.state, variant.warnings[1]);
  } else if (units == kUnitsSi) {
    if (c < variant.siLow) engine::registerWarning(model.state, variant.warnings[2]);
    if (c > variant.siHigh) engine::registerWarning(model.state, variant.warnings[3]);
  }
}

// ---- printed curves ------------------------------------------------------------------

PrintedCurve noWaterPoints(const StiffClayNoWaterCurve& curve, double N) {
  PrintedCurve points;
  const double end = 16.0 * curve.y50;
  const double ye = curve.cyclic
                        ? 1.25 * (16.0 + sp(9.600000381469727f) * std::log10(N)) * curve.y50
                        : sp(16.799999237060547f) * curve.y50;
  for (std::size_t n = 0; n < kNoWaterPrintMultiples.size(); ++n) {
    points.y[n] = kNoWaterPrintMultiples[n] * end;
  }
  points.y[14] = end;
  points.y[15] = (end + ye) / 2.0;
  points.y[16] = ye;
  for (std::size_t n = 0; n < points.y.size(); ++n) points.p[n] = curve.p(points.y[n]);
  return points;
}

PrintedCurve freeWaterPoints(const StiffClayFreeWaterCurve& curve) {
  PrintedCurve points;
  if (curve.cyclic) {
    // Every 0.05 yp to 0.6 yp, then steps of 0.4 yp to 1.8 yp, and 1.9 yp.
    for (int j = 1; j <= 13; ++j) points.y[j - 1] = (j - 1) * sp(0.05f) * curve.yp;
    for (int j = 14; j <= 16; ++j) points.y[j - 1] = points.y[j - 2] + sp(0.4f) * curve.yp;
    points.y[16] = sp(1.9f) * curve.yp;
  } else {
    // Every 0.5 As y50 to 6 As y50, then 10, 14 and 18 As y50, and 19 As y50.
    const double unit = curve.As * curve.y50;
    for (int j = 1; j <= 13; ++j) points.y[j - 1] = (j - 1) * 0.5 * unit;
    points.y[13] = 10.0 * unit;
    points.y[14] = 14.0 * unit;
    points.y[15] = 18.0 * unit;
    points.y[16] = 19.0 * unit;
  }
  for (std::size_t n = 0; n < points.y.size(); ++n) points.p[n] = curve.p(points.y[n]);
  return points;
}

void writeColumnHeader(Channel& out, const UnitLabels& labels) {
  out.endLine();
  output::write(out, "(\"        y, \", A, \"            p, \", A)",
                {labels.length, labels.forcePerLength});
  out.line(curve_block::kDashes);
}

const StiffClayVariant& variantOf(StiffClayKind kind) {
  switch (kind) {
    case StiffClayKind::kFreeWater:
      return kFreeWater;
    case StiffClayKind::kNoFreeWater:
      return kNoFreeWater;
    case StiffClayKind::kNoFreeWaterK:
      break;
  }
  return kNoFreeWaterK;
}

// ---- the curve at a point --------------------------------------------------------------

// Subgrade modulus of the layer at depth x: interpolated between the layer's
// top and bottom values, a bottom value that is not positive taken as the top
// value; the default of the strength class when the top value is not
// positive. Returns 0 where a default is needed and none exists.
double subgradeModulusAt(const AnalysisModel& model, const StiffClayVariant& variant, int k,
                         double x, double c, bool& usedDefault) {
  const SoilLayer& layer = model.soil.layers[static_cast<std::size_t>(k)];
  // The top value of "StfClyAK" is "not given" when it is zero; a negative
  // value is taken as not given too, as a negative k would turn the initial
  // line into a negative resistance.
  usedDefault = layer.subgradeK[0] <= 0.0;
  if (usedDefault) {
    return stiffClayDefaultK(variant.kind, c, model.options.IUNITS, model.options.cyclicLoading);
  }
  const double top = layer.subgradeK[0];
  const double bottom = layer.subgradeK[1] <= 0.0 ? top : layer.subgradeK[1];
  return layerValueAt(layer, {top, bottom}, x);
}

// Average strength above the depth for a printed curve: c grows linearly
// within a layer, so the mean from the layer top to the depth is the mean of
// the two end values. (The running average over the nodes of the analysis
// starts at the layer's first node, within one increment of the top, and
// gives nearly the same.)
double printedAverageStrength(const AnalysisModel& model, int k, double x, double c) {
  const SoilLayer& layer = model.soil.layers[static_cast<std::size_t>(k)];
  if (x - layer.top < 1e-6) return c;
  return 0.5 * (layer.cohesion[0] + c);
}

// Properties in, curve out: the soil at the point, the checks and defaults,
// and the curve of the key.
PyCurve curveAt(RunContext& ctx, const PyPoint& point, LayerSweep& sweep,
                const StiffClayVariant& variant) {
  AnalysisModel& model = ctx.model;
  const Options& options = model.options;
  const int k = point.layer;
  const double x = point.depth;
  const bool freeWater = variant.kind == StiffClayKind::kFreeWater;
  const bool withK = variant.kind == StiffClayKind::kNoFreeWaterK;
  StiffClayAtPoint at;
  at.kind = variant.kind;
  at.D = point.D;
  const StrengthAtDepth strength = lookupStrength(ctx, x);
  at.c = strength.c;
  at.gamma = fn_GammaAvg(ctx, x);

  // Checks and defaults.
  if (!point.firstInLayer() && at.c < 1e-10) stopOnMissingCohesion(ctx, variant);
  if (!strength.atInterface) checkStrength(model, variant, at.c);
  at.e50 = fn_e50(model, x);
  if (at.e50 <= 0.0) {
    at.e50 = stiffClayDefaultEpsilon50(variant.kind, at.c, options.IUNITS);
    if (at.e50 <= 0.0) stopOnMissingDefaults(ctx, variant, k);
  }
  bool defaultK = false;
  if (freeWater || withK) {
    at.k = subgradeModulusAt(model, variant, k, x, at.c, defaultK);
    if (at.k <= 0.0 && defaultK) stopOnMissingDefaults(ctx, variant, k);
  }

  // Average strength above the depth.
  at.ca = point.printed ? printedAverageStrength(model, k, x, at.c)
                        : sweep.averageFromLayerTop(point, at.c);
  if (freeWater && k == 1) at.ca = fn_CAvg(ctx, x);
  if (!point.printed && k == 1 && model.soil.layers[1].top < -kGroundAboveHead) {
    at.surfaceC = withK ? at.ca : fn_CAvg(ctx, x);
  }

  // The curve at this depth. "StfClyAW" is written for one cycle at least.
  const double cycles = cyclesOfLoading(model);
  at.N = variant.kind == StiffClayKind::kNoFreeWater ? std::max(1.0, cycles) : cycles;
  at.z = sweep.resistanceDepth(point, [&] {
    EquivalentDepthInput top;
    top.criterion = variant.criterion;
    top.cyclic = options.cyclicLoading;
    top.D = at.D;
    top.c = at.c;
    top.gamma = at.gamma;
    top.ca = at.ca;
    return top;
  });
  at.fs = stiffClaySlopeFactor(model.tables.batter.effectiveSlopeAngle, point.yn, variant.rootHalf);
  if (freeWater) {
    StiffClayFreeWaterInput in;
    in.c = at.c;
    in.ca = at.ca;
    in.gamma = at.gamma;
    in.e50 = at.e50;
    in.b = at.D;
    in.z = at.z;
    in.fs = at.fs;
    in.k = at.k;
    in.cyclic = options.cyclicLoading;
    at.freeWater = makeStiffClayFreeWaterCurve(in);
  } else {
    StiffClayNoWaterInput in;
    in.c = at.c;
    in.gamma = at.gamma;
    in.e50 = at.e50;
    in.b = at.D;
    in.z = at.z;
    in.fs = at.fs;
    in.cyclic = options.cyclicLoading;
    in.N = at.N;
    in.withK = withK;
    in.k = at.k;
    at.noWater = makeStiffClayNoWaterCurve(in);
  }
  return PyCurve{at};
}

}  // namespace

// ---- defaults and factors ---------------------------------------------------------

int stiffClayStrengthClass(StiffClayKind kind, double c, int unitSystem) {
  const StrengthClassLimits& limits =
      kind == StiffClayKind::kFreeWater ? kFreeWaterClassLimits : kNoWaterClassLimits;
  const std::array<double, 3>* bounds = nullptr;
  if (unitSystem == kUnitsUsCustomary) {
    bounds = &limits.us;
  } else if (unitSystem == kUnitsSi) {
    bounds = &limits.si;
  } else {
    return 0;
  }
  for (int n = 0; n < 3; ++n) {
    if (c < (*bounds)[static_cast<std::size_t>(n)]) return n + 1;
  }
  return 4;
}

double stiffClayDefaultEpsilon50(StiffClayKind kind, double c, int unitSystem) {
  const int strengthClass = stiffClayStrengthClass(kind, c, unitSystem);
  if (strengthClass == 0) return 0.0;
  return kDefaultEpsilon50[static_cast<std::size_t>(strengthClass - 1)];
}

double stiffClayDefaultK(StiffClayKind kind, double c, int unitSystem, bool cyclic) {
  if (kind == StiffClayKind::kNoFreeWater) return 0.0;
  const int strengthClass = stiffClayStrengthClass(kind, c, unitSystem);
  if (strengthClass == 0) return 0.0;
  const DefaultK& table = kind == StiffClayKind::kFreeWater
                              ? (cyclic ? kFreeWaterCyclicK : kFreeWaterStaticK)
                              : (cyclic ? kWithKCyclicK : kWithKStaticK);
  const std::array<double, 4>& values = unitSystem == kUnitsUsCustomary ? table.us : table.si;
  return values[static_cast<std::size_t>(strengthClass - 1)];
}

double fn_AsCoef(double r) {
  if (r > sp(3.299999952316284f)) return sp(0.6f);
  const double As = sp(0.2345000058412552f) + sp(0.295879602432251f) * r -
                    sp(0.0786110982298851f) * r * r + sp(0.006898100022226572f) * r * r * r;
  return std::min(sp(0.6f), As);
}

double fn_AcCoef(double r) {
  if (r > 1.5) return sp(0.3f);
  const double Ac = sp(0.2f) + sp(0.15333299338817596f) * r - sp(0.075f) * r * r +
                    sp(0.011667000129818916f) * r * r * r;
  return std::min(sp(0.3f), Ac);
}

double stiffClaySlopeFactor(double theta, double yn, double rootHalf) {
  const double t = std::abs(theta);
  if (t <= 1e-20) return 1.0;
  const bool down = yn > 1e-20;
  const bool up = yn < -1e-20;
  const bool slopeDown = theta > 1e-20;
  const bool slopeUp = theta < -1e-20;
  if ((down && slopeDown) || (up && slopeUp)) return 1.0 / (std::tan(t) + 1.0);
  if ((down && slopeUp) || (up && slopeDown)) {
    return std::cos(t) * rootHalf / std::cos(t + 0.7853981633974483);
  }
  return 1.0;
}

// ---- without free water ----------------------------------------------------------

StiffClayNoWaterCurve makeStiffClayNoWaterCurve(const StiffClayNoWaterInput& in) {
  StiffClayNoWaterCurve curve;
  curve.cyclic = in.cyclic;
  curve.withK = in.withK;
  curve.y50 = 2.5 * in.e50 * in.b;
  curve.pct = (in.gamma * in.b + 0.5 * in.c) * in.z + 3.0 * in.b * in.c;
  curve.pcd = 9.0 * in.c * in.b;
  curve.pu = std::min(in.fs * curve.pct, curve.pcd);
  // The input check admits cyclic loading from 2 cycles on; fewer than one
  // cycle would make the logarithm negative.
  curve.cycleFactor = 1.0 + sp(0.6f) * std::log10(std::max(1.0, in.N));
  curve.yLimit = kStiffClaySmallDeflection * in.b;
  curve.kLimit = 0.5 * curve.pu / curve.y50 * std::pow(curve.y50 / curve.yLimit, 0.75);
  curve.kz = in.k * in.z;
  return curve;
}

double StiffClayNoWaterCurve::p(double y) const {
  if (withK) {
    if (y < 1e-14) return kz * y;
  } else if (y < yLimit) {
    return kLimit * y;
  }
  double value = 0.0;
  if (cyclic) {
    value = std::min(pu, 0.5 * pu * std::pow(y / (cycleFactor * y50), 0.25));
  } else {
    value = y <= 16.0 * y50 ? 0.5 * pu * std::pow(y / y50, 0.25) : pu;
  }
  return withK ? std::min(value, kz * y) : value;
}

// ---- with free water ---------------------------------------------------------------

StiffClayFreeWaterCurve makeStiffClayFreeWaterCurve(const StiffClayFreeWaterInput& in) {
  StiffClayFreeWaterCurve curve;
  curve.cyclic = in.cyclic;
  curve.y50 = in.e50 * in.b;
  const double r = in.z / in.b;
  curve.As = fn_AsCoef(r);
  curve.Ac = fn_AcCoef(r);
  curve.pct = 2.0 * in.ca * in.b + in.gamma * in.b * in.z + sp(2.8299999237060547f) * in.ca * in.z;
  curve.pcd = 11.0 * in.c * in.b;
  curve.pc = std::min(in.fs * curve.pct, curve.pcd);
  curve.kz = in.k * in.z;
  curve.yp = sp(4.099999904632568f) * curve.As * curve.y50;
  curve.residual =
      in.cyclic
          ? (sp(0.9359999895095825f) * curve.Ac - sp(0.41819998621940613f) * curve.As) * curve.pc
          : (0.5 * std::sqrt(6.0 * curve.As) - sp(0.41100001335144043f) - 0.75 * curve.As) *
                curve.pc;
  return curve;
}

double StiffClayFreeWaterCurve::p(double y) const {
  double value = 0.0;
  if (cyclic) {
    const double peak = sp(0.44999998807907104f) * yp;
    if (y <= sp(0.6f) * yp) {
      value = Ac * pc * (1.0 - std::pow(std::abs((y - peak) / peak), 2.5));
    } else if (y <= sp(1.7999999523162842f) * yp) {
      value = sp(0.9359999895095825f) * Ac * pc -
              sp(0.08500000089406967f) * pc * (y - sp(0.6f) * yp) / y50;
    } else {
      value = sp(0.9359999895095825f) * Ac * pc - sp(0.10199999809265137f) * pc * yp / y50;
    }
  } else {
    const double ya = As * y50;
    if (y <= ya) {
      value = 0.5 * pc * std::pow(y / y50, 0.5);
    } else if (y <= 6.0 * ya) {
      value = pc * (0.5 * std::pow(y / y50, 0.5) -
                    sp(0.054999999701976776f) * std::pow(y / ya - 1.0, 1.25));
    } else if (y <= 18.0 * ya) {
      value = 0.5 * pc * std::sqrt(6.0 * As) - sp(0.41100001335144043f) * pc -
              0.0625 * pc * (y - 6.0 * ya) / y50;
    } else {
      value = 0.5 * pc * std::sqrt(6.0 * As) - sp(0.41100001335144043f) * pc - 0.75 * As * pc;
    }
  }
  return std::min(value, kz * y);
}

// ---- the three keys at a point ---------------------------------------------------------

bool StiffClayAtPoint::belowSmallDeflectionLimit(double y) const {
  return freeWaterCurve() ? freeWater.belowSmallDeflectionLimit(y)
                          : noWater.belowSmallDeflectionLimit(y);
}

double StiffClayAtPoint::limitingModulus(double pm, double ym) const {
  return freeWaterCurve() ? freeWater.limitingModulus(pm, ym) : noWater.limitingModulus(pm, ym);
}

double StiffClayAtPoint::secantModulus(double y, double pm, double ym) const {
  return freeWaterCurve() ? freeWater.secantModulus(y, pm, ym) : noWater.secantModulus(y, pm, ym);
}

void StiffClayAtPoint::addToLayerIntegral(LayerIntegral& F, const PyPoint& point) const {
  F.trapezoid(point, ultimate());
  F.toLayerBottom(point, ultimate());
  // Ground surface above the pile head: from the surface resistance 3 c b to
  // the resistance at the node over the layer thickness.
  F.groundAboveHead(point, 3.0 * surfaceC * D, ultimate());
}

PyCurve stiffClayFreeWaterCurve(RunContext& ctx, const PyPoint& point, LayerSweep& sweep) {
  return curveAt(ctx, point, sweep, kFreeWater);
}

PyCurve stiffClayNoFreeWaterCurve(RunContext& ctx, const PyPoint& point, LayerSweep& sweep) {
  return curveAt(ctx, point, sweep, kNoFreeWater);
}

PyCurve stiffClayNoFreeWaterKCurve(RunContext& ctx, const PyPoint& point, LayerSweep& sweep) {
  return curveAt(ctx, point, sweep, kNoFreeWaterK);
}

void writeStiffClayBlock(RunContext& ctx, const PyPoint& point, const PyCurve& curve) {
  const StiffClayAtPoint& at = curve.as<StiffClayAtPoint>();
  const StiffClayVariant& variant = variantOf(at.kind);
  const AnalysisModel& model = ctx.model;
  const UnitLabels& labels = model.labels;
  const bool cyclic = model.options.cyclicLoading;
  Channel& out = ctx.report;

  curve_block::writeTitle(out, cyclic ? variant.cyclicTitle : variant.staticTitle,
                          variant.titleSecondLine);
  curve_block::writeLayerNumber(out, point.layer, "I12");
  curve_block::writeDepthLines(out, model, point.depth);

  PrintedCurve points;
  if (at.freeWaterCurve()) {
    const StiffClayFreeWaterCurve& c = at.freeWater;
    output::writeLabelledValue(out, "Equivalent Depth", "F12.3", at.z, labels.length);
    output::writeLabelledValue(out, "Diameter", "F12.3", at.D, labels.length);
    output::writeLabelledValue(out, "c (at curve depth)", "F12.3", at.c, labels.stress);
    output::writeLabelledValue(out, "Avergage c", "F12.3", at.ca, labels.stress);
    output::writeLabelledValue(out, "Average Eff. Unit Weight", "F12.5", at.gamma,
                               labels.subgradeModulus);
    output::writeLabelledValue(out, "k", "F12.3", at.k, labels.subgradeModulus);
    output::writeLabelledValue(out, "Epsilon50", "F12.5", at.e50);
    output::writeLabelledValue(out, "y50", "F12.5", c.y50, labels.length);
    output::writeLabelledValue(out, "As", "F12.5", c.As);
    output::writeLabelledValue(out, cyclic ? "Ac" : "Ac (not used)", "F12.5", c.Ac);
    // The shallow resistance as the curve uses it, sloping-ground factor applied.
    output::writeLabelledValue(out, "pct", "F12.3", at.fs * c.pct, labels.forcePerLength);
    output::writeLabelledValue(out, "pcd", "F12.3", c.pcd, labels.forcePerLength);
    output::writeLabelledValue(out, "pc", "F12.3", c.pc, labels.forcePerLength);
    // The resistance the curve keeps at large deflections (the value the
    // layered-soil integral takes as ultimate).
    output::writeLabelledValue(out, "pu", "F12.3", c.residual, labels.forcePerLength);
    curve_block::writeMultiplierLines(out, point.pm, point.ym);
    if (cyclic) output::writeLabelledValue(out, "Number of Cycles of Loading", "F12.0", at.N);
    points = freeWaterPoints(c);
  } else {
    const bool withK = at.kind == StiffClayKind::kNoFreeWaterK;
    const StiffClayNoWaterCurve& c = at.noWater;
    if (!withK) curve_block::writeAngleLines(out, model, "Pile Batter Angle");
    output::writeLabelledValue(out, "Equivalent Depth", "F12.3", at.z, labels.length);
    output::writeLabelledValue(out, "Diameter", "F12.3", at.D, labels.length);
    output::writeLabelledValue(out, "Undrained cohesion, c", "F12.5", at.c, labels.stress);
    output::writeLabelledValue(out, "Average Eff. Unit Weight", "F12.5", at.gamma,
                               labels.subgradeModulus);
    if (withK) output::writeLabelledValue(out, "k", "F12.0", at.k, labels.subgradeModulus);
    output::writeLabelledValue(out, "Epsilon-50", "F12.5", at.e50);
    output::writeLabelledValue(out, "Pct", "F12.3", at.fs * c.pct, labels.forcePerLength);
    output::writeLabelledValue(out, "Pcd", "F12.3", c.pcd, labels.forcePerLength);
    output::writeLabelledValue(out, "y50", "F12.5", c.y50, labels.length);
    curve_block::writeMultiplierLines(out, point.pm, point.ym);
    if (cyclic) {
      output::writeLabelledValue(
          out, withK ? "Number of Cycles of Loading" : "Number of cycles of loading", "F12.0",
          at.N);
    }
    points = noWaterPoints(c, at.N);
  }

  writeColumnHeader(out, labels);
  curve_block::writeCurveRows(out, points, point.pm, point.ym);
  curve_block::writeCurvePlot(ctx, variant.criterion, point.depth, point.index, points, point.pm,
                              point.ym);
}

}  // namespace quarn::soil
