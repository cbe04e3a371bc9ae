#include "soil/soil_profile.h"

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <string_view>

#include "engine/messages.h"
#include "output/format.h"
#include "soil/criteria.h"

namespace quarn::soil {

namespace {

using engine::RunContext;

// Tolerance of a depth at a profile point (model length unit).
constexpr double kAtPoint = 1e-6;
// A property value below this counts as "not given" at an interface.
constexpr double kNotGiven = 1e-20;

// Address printed in the block of runtime error 30.
constexpr std::string_view kSupportAddress = "support@tolvek.com";

// Value of a layer property at profile point j: the top value of layer
// (j+1)/2 for odd j, the bottom value of layer j/2 for even j.
double pointValue(const Soil& soil, LayerValue SoilLayer::*slot, int j) {
  const SoilLayer& layer = soil.layers[(j + 1) / 2];
  return (layer.*slot)[j % 2 == 1 ? 0 : 1];
}

// The epsilon-50 slot of point j. Weak rock layers keep their strain factor
// k_rm in this slot, so the epsilon-50 queries see it there.
double strainSlot(const Soil& soil, int j) {
  const SoilLayer& layer = soil.layers[(j + 1) / 2];
  const LayerValue& value =
      criterionOf(layer) == Criterion::kWeakRock ? layer.krm : layer.epsilon50;
  return value[j % 2 == 1 ? 0 : 1];
}

// Writes the same lines to the report and to the run-message file.
void writeToReportAndMessages(RunContext& ctx, std::initializer_list<std::string> lines) {
  for (engine::Channel* channel : {&ctx.report, &ctx.messages}) {
    for (const std::string& line : lines) channel->line(line);
  }
}

std::string es12(double value) {
  return output::formatScientific(value, 12, 4);
}
std::string f10(double value) {
  return output::formatFixed(value, 10, 3);
}

// List-directed values of the trace blocks: integers and reals in their
// shortest form after one blank, logicals as T or F.
std::string listed(double value) {
  char text[32];
  std::snprintf(text, sizeof text, " %.15G", value);
  return text;
}
std::string listed(int value) {
  return " " + std::to_string(value);
}
std::string listed(bool value) {
  return value ? " T" : " F";
}

[[noreturn]] void stopBelowStrengthData(RunContext& ctx, double x, double deepest) {
  writeToReportAndMessages(ctx, {"**** Input Data Error No. 5 ****", "",
                                 "An error was detected that is related to an incompatibility",
                                 "between the input data defining pile embedment depth and soil ",
                                 "shear strength values versus depth.", "",
                                 "Problem:  The value for a pile station depth is " + es12(x),
                                 "This depth is below the deepest extent of the input curve for",
                                 "soil shear strength versus depth at " + f10(deepest), "",
                                 "Solution:  Please revise the input data by either extending ",
                                 "the maximum depth for soil shear strength or shorten the ",
                                 "pile to be wholly within the defined soil layers."});
  engine::stopRun(ctx, "INP00005", engine::kInputErrorBase + 5);
}

[[noreturn]] void stopOnZeroDepthIncrement(RunContext& ctx, double x) {
  writeToReportAndMessages(
      ctx, {"**** Input Data Error No. 60 ****", "",
            "An error was found in the strength of soil input data when interpolating ",
            "to obtain values of cohesion or uniaxial compressive strength.", "",
            "Problem:  The depth increment between the upper and lower soil depths in a ",
            "layer is zero.  The depth of computation is " + f10(x), "",
            "Solution:  Examine the program output file to find the depth in question",
            "and correct the soil layer depth values. "});
  engine::stopRun(ctx, "INP00060", engine::kInputErrorBase + 60);
}

[[noreturn]] void stopBelowAverageStrengthData(RunContext& ctx, double x) {
  writeToReportAndMessages(
      ctx, {"**** Input Data Error No. 3 ****", "",
            "An error was detected that is related to an incompatibility",
            "between the input data defining the embedment of the pile and",
            "the maximum depth of the soil shear strength data.", "",
            "The value for a pile station depth is " + es12(x),
            "This depth is below the deepest extent of the input data for",
            "soil shear strength versus depth.", "",
            "Solution:", "Please revise the input data by either extending the maximum",
            "depth for soil shear strength or shorten the pile to correct", "this problem."});
  engine::stopRun(ctx, "INP00003", engine::kInputErrorBase + 3);
}

[[noreturn]] void stopBelowFrictionAngleData(RunContext& ctx, double x) {
  writeToReportAndMessages(ctx, {"**** Input Data Error No. 4 ****", "",
                                 "An error was detected that is related to an incompatibility",
                                 "between the input data defining the embedment of the pile and",
                                 "the maximum depth of the soil shear strength data.", "",
                                 "Problem:  The value for a pile station depth is " + es12(x),
                                 "This depth is below the deepest extent of the input data for",
                                 "soil friction angle versus depth.", "",
                                 "Solution:  Please revise the input data by either extending ",
                                 "the maximum depth for soil friction angle or shorten the ",
                                 "pile to correct this problem."});
  engine::stopRun(ctx, "INP00004", engine::kInputErrorBase + 4);
}

[[noreturn]] void stopBelowUnitWeightData(RunContext& ctx, double x) {
  writeToReportAndMessages(
      ctx, {"**** Input Data Error No. 15 ****", "",
            "An error was detected related to an incompatibility between ",
            "the data defining pile embedment depth and effective unit ", "weights versus depth.",
            "", "The value for a pile station depth is " + es12(x),
            "This depth is below the deepest extent of the input curve for",
            "effective unit weight versus depth.", "",
            "Solution:", "Please revise the input data by either extending the maximum",
            "depth for effective unit weight or shorten the length of pile",
            "to be within the range of defined soil properties."});
  engine::stopRun(ctx, "INP00015", engine::kInputErrorBase + 15);
}

[[noreturn]] void stopBelowRqdData(RunContext& ctx, double x) {
  writeToReportAndMessages(
      ctx, {"**** Input Data Error No. 31 ****", "",
            "An error was detected that is related to an incompatibility",
            "between the input data defining the embedment of the pile and",
            "the maximum depth of the soil shear strength data.", "",
            "Problem:  The value for a pile station depth is " + es12(x),
            "This depth is below the deepest extent of the input data for", "RQD versus depth.", "",
            "Solution:  Revise the input data by either extending the ",
            "maximum depth for RQD or shorten the pile to correct this ", "problem."});
  engine::stopRun(ctx, "INP00031", engine::kInputErrorBase + 31);
}

[[noreturn]] void stopOnInvalidRqd(RunContext& ctx, double rqd) {
  writeToReportAndMessages(
      ctx, {"**** Input Data Error No. 49 ****", "",
            "Problem:  The interpolated value of RQD used for p-y curves in weak rock ",
            "was found to be invalid because it was either less than zero or more than ",
            "100 percent.", "", "Solution:  Check your input data and revise in the data for RQD.",
            "", "The interpolated value of RQD = " + es12(rqd) + " %"});
  engine::stopRun(ctx, "INP00049", engine::kInputErrorBase + 49);
}

// Class of layer k's soil at an interface; c is the layer's strength at the
// interface point (it decides for cemented silt).
SoilClass soilClassAt(const Soil& soil, int k, double c) {
  const SoilClass soilClass = criterionInfo(criterionOf(soil.layers[k])).soilClass;
  if (soilClass == SoilClass::kCohesiveIfStrength) {
    return c > 0.0 ? SoilClass::kCohesive : SoilClass::kCohesionless;
  }
  return soilClass;
}

// Strength at an interface between layer k (above, strength ca) and layer
// k + 1 (below, strength cb); false for a pair of classes without a rule.
// Clay and rock share the strength, rock leaning to the clay; against sand,
// user curves or an elastic subgrade the clay or rock keeps its own.
bool interfaceStrength(SoilClass above, SoilClass below, double ca, double cb, double& c) {
  const auto strong = [](SoilClass cls) {
    return cls == SoilClass::kCohesive || cls == SoilClass::kRock;
  };
  const auto weak = [](SoilClass cls) {
    return cls == SoilClass::kCohesionless || cls == SoilClass::kUserInput ||
           cls == SoilClass::kElasticSubgrade;
  };
  if (above == SoilClass::kCohesive && below == SoilClass::kCohesive) {
    c = (ca + cb) * 0.5;
  } else if (above == SoilClass::kCohesive && below == SoilClass::kRock) {
    c = (2.0 * ca + cb) * 0.5;
  } else if (above == SoilClass::kRock && below == SoilClass::kCohesive) {
    c = (2.0 * cb + ca) * 0.5;
  } else if (above == SoilClass::kRock && below == SoilClass::kRock) {
    c = (ca + cb) * 0.5;
  } else if (strong(above) && weak(below)) {
    c = ca;
  } else if (weak(above) && strong(below)) {
    c = cb;
  } else {
    return false;
  }
  return true;
}

[[noreturn]] void stopOnUnknownSoilPair(RunContext& ctx, double x, SoilClass above, SoilClass below,
                                        int j, bool atTip) {
  const Soil& soil = ctx.model.soil;
  const auto keyIndex = [&](int k) {
    return (k >= 1 && k <= kMaxLayers) ? soil.layers[k].criterion : 0;
  };
  engine::Channel& out = ctx.report;
  out.emptyLines(2);
  out.line(" ***** Runtime Error No. 30 *****");
  out.endLine();
  out.line("Error in fn_c, please report by email to " + std::string(kSupportAddress));
  out.endLine();
  out.line(" X value for f(c) = " + listed(x));
  out.line(" Soil types: 1 = cohesive, 2 = cohesionless, 3 = rock, 4= user input)");
  out.line(" Soil type above        = " + listed(static_cast<int>(above)));
  out.line(" Soil type below        = " + listed(static_cast<int>(below)));
  out.line(" cohesionless           = " + listed(static_cast<int>(SoilClass::kCohesionless)));
  out.line(" cohesive               = " + listed(static_cast<int>(SoilClass::kCohesive)));
  out.line(" JBOT index             = " + listed(j) +
           " = index number of strength value below depth in question");
  out.line(" At tip condition       = " + listed(atTip) + ", T = true, F = false");
  out.line(" i_SoilLayer_py_Type(JBOT/2)          = " + listed(keyIndex(j / 2)));
  out.line(" i_SoilLayer_py_Type(JBOT/2+1)        = " + listed(keyIndex(j / 2 + 1)));
  // The code text of this runtime error is never printed (runtime errors
  // write no "ended prematurely" line); it follows the pattern of the others.
  engine::stopRun(ctx, "RUN00030", engine::kRuntimeErrorBase + 30);
}

[[noreturn]] void stopInterfaceNotFound(RunContext& ctx, double x, const StrengthAtDepth& found,
                                        bool atNode) {
  const Soil& soil = ctx.model.soil;
  const int above = soil.numberOfLayers - 1;
  const int below = soil.numberOfLayers;
  engine::Channel& out = ctx.report;
  out.emptyLines(2);
  out.line("Internal error in function C (undrained shear strength)");
  out.line("The layer interface cannot be located");
  out.line("Please contact Tolvek for support");
  out.endLine();
  out.line("Elevation             = " + listed(x));
  out.line("b_AtInterface         = " + listed(found.atInterface));
  out.line("b_InMiddle            = " + listed(!found.atInterface));
  out.line("b_AtTip               = " + listed(found.atTip));
  out.line("b_AtNode              = " + listed(atNode));
  out.line("Layer index above     = " + listed(above));
  out.line("Layer index below     = " + listed(below));
  out.line("DABS(X-XLayerBottom(KTOP))    = " + listed(std::abs(x - soil.layers[above].bottom)));
  out.line("DABS(X-XLayerTop(KBOT))    = " + listed(std::abs(x - soil.layers[below].top)));
  engine::stopRun(ctx, "RUN00999", engine::kSoilLookupInternalError);
}

// Outcome of the common search for a depth in the profile.
struct Located {
  enum class Where { kBelow, kPoint, kBetween, kInterface } where = Where::kBelow;
  int j = 0;  // first point at or below x
};

// The common search: the first point j = 2 .. NP with x <= XS(j).
Located locate(const Soil& soil, double x) {
  const int np = profilePointCount(soil);
  Located found;
  for (int j = 2; j <= np; ++j) {
    if (x <= profileDepth(soil, j)) {
      found.j = j;
      break;
    }
  }
  if (found.j == 0) return found;
  const double depth = profileDepth(soil, found.j);
  if (x == profileDepth(soil, np)) {
    found.where = Located::Where::kPoint;
  } else if (x != depth) {
    found.where = Located::Where::kBetween;
  } else if (profileDepth(soil, found.j + 1) != depth) {
    found.where = Located::Where::kPoint;
  } else {
    found.where = Located::Where::kInterface;
  }
  return found;
}

// Linear interpolation between profile points j-1 and j (extrapolation above
// point 1). Two points at one depth give the lower one's value.
template <class Value>
double interpolate(const Soil& soil, int j, double x, Value value) {
  const double top = profileDepth(soil, j - 1);
  const double span = profileDepth(soil, j) - top;
  if (span == 0.0) return value(j);
  return value(j - 1) + (x - top) * (value(j) - value(j - 1)) / span;
}

// Common search with an interface rule rule(upper, lower). Sets below when x
// lies below the profile.
template <class Value, class Rule>
double searchProfile(const Soil& soil, double x, Value value, Rule rule, bool& below) {
  const Located found = locate(soil, x);
  below = found.where == Located::Where::kBelow;
  switch (found.where) {
    case Located::Where::kBelow:
      return 0.0;
    case Located::Where::kPoint:
      return value(found.j);
    case Located::Where::kBetween:
      return interpolate(soil, found.j, x, value);
    case Located::Where::kInterface:
      return rule(value(found.j), value(found.j + 1));
  }
  return 0.0;
}

// Interface rule of epsilon-50, J and the friction angle: a value not given on
// one side is taken from the other, two given values are averaged, and at the
// pile tip the upper layer's value holds.
auto meanOfGiven(bool atTip) {
  return [atTip](double upper, double lower) {
    if (atTip) return upper;
    if (upper < kNotGiven) return lower;
    if (lower < kNotGiven) return upper;
    return (upper + lower) * 0.5;
  };
}

// Average of a profile from the ground surface to x by trapezoids over the
// points (fn_CAvg, fn_GammaAvg); sets below when x lies below the last point.
template <class Value>
double averageFromSurface(const Soil& soil, double x, double h, Value value, bool& below) {
  const int np = profilePointCount(soil);
  double sum = 0.0;
  int j = 2;
  for (; j <= np && profileDepth(soil, j) <= x; ++j) {
    sum +=
        (value(j) + value(j - 1)) * 0.5 * (profileDepth(soil, j) - profileDepth(soil, j - 1)) / h;
  }
  if (j <= np) {
    const double top = profileDepth(soil, j - 1);
    const double span = profileDepth(soil, j) - top;
    if (top < x && span >= kAtPoint) {
      sum +=
          (2.0 * value(j - 1) + (value(j) - value(j - 1)) / span * (x - top)) * 0.5 * (x - top) / h;
    }
  }
  below = np < 2 || x > profileDepth(soil, np);
  return sum;
}

}  // namespace

int profilePointCount(const Soil& soil) {
  return 2 * soil.numberOfLayers;
}

double profileDepth(const Soil& soil, int j) {
  if (j < 1 || j > profilePointCount(soil)) return j < 1 ? -HUGE_VAL : HUGE_VAL;
  const SoilLayer& layer = soil.layers[(j + 1) / 2];
  return j % 2 == 1 ? layer.top : layer.bottom;
}

StrengthAtDepth lookupStrength(RunContext& ctx, double x) {
  const Soil& soil = ctx.model.soil;
  const int np = profilePointCount(soil);
  const auto c = [&](int j) { return pointValue(soil, &SoilLayer::cohesion, j); };

  StrengthAtDepth result;
  for (int j = 2; j <= np - 1; ++j) {
    if (std::abs(x - profileDepth(soil, j)) <= kAtPoint) result.atInterface = true;
  }
  result.atTip = x == ctx.model.pile.length;

  int j = 0;
  for (int i = 2; i <= np; ++i) {
    if (x <= profileDepth(soil, i) + kAtPoint) {
      j = i;
      break;
    }
  }
  if (j == 0) stopBelowStrengthData(ctx, x, np >= 1 ? profileDepth(soil, np) : 0.0);

  if (std::abs(x - profileDepth(soil, np)) <= kAtPoint) {
    result.c = c(np);
    return result;
  }

  if (!result.atInterface) {
    const double top = profileDepth(soil, j - 1);
    const double span = profileDepth(soil, j) - top;
    if (span <= 0.0) stopOnZeroDepthIncrement(ctx, x);
    result.c = c(j - 1) + (x - top) * (c(j) - c(j - 1)) / span;
    return result;
  }

  int upper = 0;
  for (int k = 1; k <= soil.numberOfLayers - 1; ++k) {
    if (std::abs(x - soil.layers[k].bottom) < kAtPoint &&
        std::abs(x - soil.layers[k + 1].top) < kAtPoint) {
      upper = k;
      break;
    }
  }
  if (upper == 0) {
    stopInterfaceNotFound(ctx, x, result, std::abs(x - profileDepth(soil, j)) <= kAtPoint);
  }

  const double ca = c(j);
  const double cb = c(j + 1);
  if (result.atTip) {
    result.c = ca;
    return result;
  }
  const SoilClass above = soilClassAt(soil, upper, ca);
  const SoilClass below = soilClassAt(soil, upper + 1, cb);
  if (!interfaceStrength(above, below, ca, cb, result.c)) {
    stopOnUnknownSoilPair(ctx, x, above, below, j, result.atTip);
  }
  return result;
}

double fn_e50(const AnalysisModel& model, double x) {
  const Soil& soil = model.soil;
  bool below = false;
  return searchProfile(
      soil, x, [&](int j) { return strainSlot(soil, j); }, meanOfGiven(x == model.pile.length),
      below);
}

double fn_J(const AnalysisModel& model, double x) {
  const Soil& soil = model.soil;
  bool below = false;
  return searchProfile(
      soil, x, [&](int j) { return pointValue(soil, &SoilLayer::jFactor, j); },
      meanOfGiven(x == model.pile.length), below);
}

double fn_phi(RunContext& ctx, double x) {
  const Soil& soil = ctx.model.soil;
  bool below = false;
  const double phi = searchProfile(
      soil, x, [&](int j) { return pointValue(soil, &SoilLayer::frictionAngle, j); },
      meanOfGiven(x == ctx.model.pile.length), below);
  if (below) stopBelowFrictionAngleData(ctx, x);
  return phi;
}

double fn_krm(const AnalysisModel& model, double x) {
  const Soil& soil = model.soil;
  const int np = profilePointCount(soil);
  for (int j = 2; j <= np; ++j) {
    const double top = profileDepth(soil, j - 1);
    const double bottom = profileDepth(soil, j);
    if (x < top || x > bottom) continue;
    int chosen = j;
    // At an interface above the tip the layer below holds k_rm.
    if (x == bottom && j < np && profileDepth(soil, j + 1) == bottom && x != model.pile.length) {
      chosen = j + 1;
    }
    if (x == profileDepth(soil, chosen) || x == profileDepth(soil, np)) {
      return strainSlot(soil, chosen);
    }
    return strainSlot(soil, j - 1) +
           (x - top) * (strainSlot(soil, j) - strainSlot(soil, j - 1)) / (bottom - top);
  }
  return 0.0;
}

double fn_RQD(RunContext& ctx, double x) {
  const Soil& soil = ctx.model.soil;
  bool below = false;
  const double rqd = searchProfile(
      soil, x, [&](int j) { return pointValue(soil, &SoilLayer::rqd, j); },
      [](double upper, double lower) {
        if (lower < kNotGiven) return upper;
        if (upper < kNotGiven) return lower;
        return (upper + lower) * 0.5;
      },
      below);
  if (below) stopBelowRqdData(ctx, x);
  if (rqd < 0.0 || rqd > 100.0) stopOnInvalidRqd(ctx, rqd);
  return rqd;
}

double fn_CAvg(RunContext& ctx, double x) {
  const Soil& soil = ctx.model.soil;
  const double xg = soil.layers[1].top;
  if (x < xg) return 0.0;
  const double h = x - xg;
  if (profilePointCount(soil) >= 2 && h < kAtPoint) return fn_c(ctx, x);
  bool below = false;
  const double average = averageFromSurface(
      soil, x, h, [&](int j) { return pointValue(soil, &SoilLayer::cohesion, j); }, below);
  if (below) stopBelowAverageStrengthData(ctx, x);
  return average;
}

double fn_GammaAvg(RunContext& ctx, double x) {
  const Soil& soil = ctx.model.soil;
  const int n = profilePointCount(soil);
  const auto gamma = [&](int j) { return pointValue(soil, &SoilLayer::unitWeight, j); };
  const double xg = soil.layers[1].top;
  if (x < xg) return 0.0;
  const double h = x - xg;
  if (h < kAtPoint && n >= 1) {
    // At the ground surface: the first positive unit weight of the list.
    for (int j = 1; j <= n; ++j) {
      if (gamma(j) > 0.0) return gamma(j);
    }
    return gamma(n);
  }
  bool below = false;
  const double average = averageFromSurface(soil, x, h, gamma, below);
  if (below) stopBelowUnitWeightData(ctx, x);
  return average;
}

double layerValueAt(const SoilLayer& layer, const LayerValue& value, double x) {
  const double thickness = layer.bottom - layer.top;
  if (thickness == 0.0) return value[0];
  return value[0] + (x - layer.top) * (value[1] - value[0]) / thickness;
}

double fn_LayerValueAt(RunContext& ctx, int k, double x, const LayerValue& value,
                       Criterion criterion) {
  const SoilLayer& layer = ctx.model.soil.layers[static_cast<std::size_t>(k)];
  if (layer.bottom == layer.top) {
    const int number = criterionInfo(criterion).errors.zeroThickness;
    engine::Channel& out = ctx.report;
    out.line("**** Runtime Error No. " + std::to_string(number) + " ****");
    out.endLine();
    if (criterion == Criterion::kMassiveRock) {
      out.line("Problem:  The top and bottom elevations for massive rock layer are equal.");
      output::write(out,
                    "(\"          The top and bottom elevations for layer \", I0, \" = \", "
                    "ES12.4, 3/, "
                    "\"Solution: Correct the input data for elevations defining the massive "
                    "rock layer.\")",
                    {k, layer.top});
    } else {
      out.line("Problem:  The top and bottom elevations for weak rock layer are equal.");
      out.line("Solution: Correct the input data for elevations defining weak rock layer.");
    }
    engine::stopOnRuntimeError(ctx, number);
  }
  return layerValueAt(layer, value, x);
}

}  // namespace quarn::soil
