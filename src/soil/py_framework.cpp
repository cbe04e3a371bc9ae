#include "soil/py_framework.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <string>

#include "engine/messages.h"
#include "engine/pile_properties.h"
#include "soil/py_curve.h"

namespace quarn::soil {

namespace {

using engine::Channel;
using engine::RunContext;

// The keys of the criterion table are the model's key table, cut to the
// eight characters that name a criterion.
constexpr bool keysMatchTheModel() {
  for (int code = 1; code <= kCriterionCount; ++code) {
    if (kCriterionTable[code].key != kCriterionKeys[code].substr(0, 8)) return false;
    if (static_cast<int>(kCriterionTable[code].code) != code) return false;
  }
  return true;
}
static_assert(keysMatchTheModel());

// Multiplier at x from one column of the modifier table. Outside the table,
// and for a table of fewer than two rows (no interval to interpolate in, as
// left by the modifier option without a table), the multiplier is 1.
double multiplierAt(const MultiplierTable& table,
                    const std::array<double, kMaxMultiplierRows + 1>& value, double x) {
  const int n = table.rows;
  if (n < 2 || x < table.depth[1] || x > table.depth[n]) return 1.0;
  for (int j = 2; j <= n; ++j) {
    if (x > table.depth[j]) continue;
    if (x == table.depth[n]) return value[j];
    if (x < table.depth[j]) {
      // Between two rows, the upper row's depth included: a node exactly at
      // the first depth of the table gets the first row's values.
      return value[j - 1] + (x - table.depth[j - 1]) * (value[j] - value[j - 1]) /
                                (table.depth[j] - table.depth[j - 1]);
    }
    // A repeated depth is a step: the depth itself takes the lower row's value.
    if (table.depth[j + 1] == table.depth[j]) return value[j + 1];
    return value[j];
  }
  return 1.0;
}

double incrementLength(const AnalysisModel& model) {
  return model.pile.length / model.options.numberOfIncrements;
}

// A node value at a vertical depth between the nodes: linear between the two
// nodes around it, the first node's above the first and the last node's
// below the last.
template <class ValueOf>
double betweenNodes(const PileModel& pile, double depth, ValueOf valueOf) {
  const auto xv = [&](int k) { return pile.node[static_cast<std::size_t>(k)].xv; };
  if (pile.N < 1) return 0.0;
  if (depth <= xv(1)) return valueOf(1);
  for (int k = 2; k <= pile.N; ++k) {
    const double upper = xv(k - 1);
    const double lower = xv(k);
    if (depth <= lower) {
      if (lower == upper) return valueOf(k);
      return valueOf(k - 1) + (depth - upper) * (valueOf(k) - valueOf(k - 1)) / (lower - upper);
    }
  }
  return valueOf(pile.N);
}

// The pile at distance x along its axis: diameter and multipliers.
void gatherPile(const AnalysisModel& model, PyPoint& point) {
  point.D = engine::Compute_Pile_Properties(model.pile, point.x).D;
  point.pm = fn_pMult(model.tables.multipliers, point.x);
  point.ym = fn_yMult(model.tables.multipliers, point.x);
}

// Node i of layer k, whose nodes run from first to last.
PyPoint nodePoint(const AnalysisModel& model, int k, int i, int first, int last) {
  const PileModel& pile = model.pileModel;
  const PileNode& node = pile.node[static_cast<std::size_t>(i)];
  PyPoint point;
  point.layer = k;
  point.index = i;
  point.first = first;
  point.last = last;
  point.x = node.x;
  point.depth = node.xv;
  point.z0 = node.xv - model.soil.layers[1].top;
  gatherPile(model, point);
  point.yn = pile.y(i);
  point.EI = node.EI;
  return point;
}

// Requested depth j of layer k. The depth is taken both along the pile (pile
// properties, multipliers) and as vertical depth (soil properties); the
// deflection and the bending stiffness are those of the last solution
// between the nodes around it.
PyPoint depthPoint(const AnalysisModel& model, int k, int j, double depth, int first, int last) {
  const PileModel& pile = model.pileModel;
  PyPoint point;
  point.layer = k;
  point.index = j;
  point.first = first;
  point.last = last;
  point.printed = true;
  point.x = depth;
  point.depth = depth;
  point.z0 = depth - model.soil.layers[1].top;
  gatherPile(model, point);
  point.yn = betweenNodes(pile, depth, [&](int n) { return pile.y(n); });
  point.EI = betweenNodes(pile, depth, [&](int n) { return pile.node[n].EI; });
  return point;
}

// Where layer k's integral is kept: a liquefied-sand layer keeps its own,
// which stands in for F(k) only where F(k) is negligible.
double& integralOf(AnalysisModel& model, int k) {
  const auto n = static_cast<std::size_t>(k);
  if (criterionOf(model.soil.layers[n]) == Criterion::kLiquefiedSand) {
    return model.layering.liquefiedF[n];
  }
  return model.layering.F[n];
}

// A modulus that is not a number: its block in the report, and the run stops
// with the criterion's runtime error (the code is recorded directly).
[[noreturn]] void stopOnModulusNotANumber(RunContext& ctx, const CriterionInfo& info, bool limiting,
                                          int node) {
  const ModulusRules& rules = info.modulus;
  const int number = limiting ? info.errors.limitingModulus : info.errors.secantModulus;
  const std::string text = std::string(limiting ? "The default" : "The computed") +
                           " value of soil modulus computed in " + std::string(rules.name) +
                           " is not-a-number for node number " + std::to_string(node);
  constexpr std::string_view kAdvice =
      "This problem is usually due to a required soil property being left equal to zero.";
  Channel& out = ctx.report;
  if (!limiting && !rules.secantTitle.empty()) {
    out.line(rules.secantTitle);
    out.line(text);
    out.line(kAdvice);
  } else {
    out.line("**** Runtime Error No. " + std::to_string(number) + " ****");
    out.endLine();
    out.line(text);
    out.endLine();
    out.line(kAdvice);
  }
  engine::stopOnRuntimeError(ctx, number);
}

// The modulus of the node at its deflection: the limiting modulus of the
// curve below its small-deflection limit, the secant p / y above; checked
// as the criterion asks, and stored with the load term of soil movements.
void storeModulus(RunContext& ctx, const CriterionInfo& info, const PyPoint& point,
                  const PyCurve& curve) {
  AnalysisModel& model = ctx.model;
  const ModulusRules& rules = info.modulus;
  PileNode& node = model.pileModel.node[static_cast<std::size_t>(point.index)];
  const double yPile = model.pileModel.y(point.index);
  const double y = (rules.relativeToSoil ? std::abs(yPile - node.ys) : std::abs(yPile)) / point.ym;

  const bool limiting = curve.belowSmallDeflectionLimit(y);
  const double Es = limiting ? curve.limitingModulus(point.pm, point.ym)
                             : curve.secantModulus(y, point.pm, point.ym);
  switch (rules.check) {
    case NotANumberCheck::kNone:
      break;
    case NotANumberCheck::kStopNotFinite:
      // An infinite modulus gives no finite spring either.
      if (!std::isfinite(Es)) stopOnModulusNotANumber(ctx, info, limiting, point.index);
      break;
    case NotANumberCheck::kStopNaN:
      if (std::isnan(Es)) stopOnModulusNotANumber(ctx, info, limiting, point.index);
      break;
    case NotANumberCheck::kNoteNaN:
      // Reported, and left to the solver, which stops on deflections that
      // are not numbers.
      if (std::isnan(Es)) ctx.messages.line(rules.note);
      break;
  }

  node.Es = Es;
  if (rules.soilMovementLoad && model.tables.soilMovement.points > 0) {
    node.w = node.ys * Es + engine::fn_DistributedLoad(model, node.x);
  }
}

// The table row of layer k's criterion. The readers accept codes 1 to 20
// only; anything else is a broken invariant.
const CriterionInfo& layerCriterion(const AnalysisModel& model, int k) {
  const SoilLayer& layer = model.soil.layers[static_cast<std::size_t>(k)];
  const CriterionInfo& info = criterionInfo(criterionOf(layer));
  if (info.code == Criterion::kNone) {
    engine::failInvariant("soil layer " + std::to_string(k) + " has the criterion code " +
                          std::to_string(layer.criterion));
  }
  return info;
}

// The sweep's bookkeeping after layer k was evaluated: counts rock-like
// layers and marks the layers below one (NoEquivDepth).
void noteLayerSwept(AnalysisModel& model, int k) {
  LayeredSoilState& state = model.layering;
  const CriterionInfo& info = criterionInfo(criterionOf(model.soil.layers[k]));
  if (info.rockLike) ++state.RockLayersAbove;
  if (info.code != Criterion::kUserPy && state.RockLayersAbove > 0) state.NoEquivDepth[k] = true;
}

// The node steps of one layer in an analysis sweep: the point, the curve,
// the layer integral and the stored modulus, node by node from the top.
void sweepLayerNodes(RunContext& ctx, const CriterionInfo& info, int k, int first, int last) {
  AnalysisModel& model = ctx.model;
  LayerSweep sweep(model, k, LayerSweep::Mode::kAnalysis);
  LayerIntegral integral(model, k);
  for (int i = first; i <= last; ++i) {
    const PyPoint point = nodePoint(model, k, i, first, last);
    const PyCurve curve = info.curveAt(ctx, point, sweep);
    integral.start(point);
    curve.addToLayerIntegral(integral, point);
    storeModulus(ctx, info, point, curve);
  }
}

}  // namespace

// ---- the layer integral ----------------------------------------------------------

LayerIntegral::LayerIntegral(AnalysisModel& model, int layer)
    : F_(integralOf(model, layer)),
      h_(incrementLength(model)),
      layerBottom_(model.soil.layers[static_cast<std::size_t>(layer)].bottom),
      groundSurface_(model.soil.layers[1].top),
      firstLayerThickness_(model.soil.layers[1].bottom - model.soil.layers[1].top) {}

void LayerIntegral::start(const PyPoint& point) {
  if (point.firstInLayer()) F_ = 0.0;
}

void LayerIntegral::trapezoid(const PyPoint& point, double value, int integrand, bool counted) {
  double& previous = previous_[static_cast<std::size_t>(integrand)];
  if (counted && !point.firstInLayer()) F_ += (previous + value) * h_ / 2.0;
  previous = value;
}

void LayerIntegral::toLayerBottom(const PyPoint& point, double value) {
  if (point.lastInLayer()) F_ += (layerBottom_ - point.x) * value;
}

void LayerIntegral::lastIncrement(const PyPoint& point, double value) {
  if (point.lastInLayer()) F_ += value * h_;
}

void LayerIntegral::groundAboveHead(const PyPoint& point, double surface, double value,
                                    double tolerance) {
  if (point.layer == 1 && groundSurface_ < -tolerance) {
    F_ = (surface + value) * 0.5 * firstLayerThickness_;
  }
}

void LayerIntegral::increment(double value) {
  F_ += h_ * value;
}

// ---- the state of one layer in one sweep ---------------------------------------------

// A layer below the first is measured from the ground surface when the first
// or the second layer ends above the pile head.
constexpr double kLayerAboveHead = 1e-8;

LayerSweep::LayerSweep(AnalysisModel& model, int layer, Mode mode)
    : model_(model),
      layer_(layer),
      layerTop_(model.soil.layers[static_cast<std::size_t>(layer)].top) {
  if (layer <= 1) return;
  const std::array<SoilLayer, kMaxLayers + 1>& layers = model.soil.layers;
  const bool layerAboveHead =
      layers[1].bottom < -kLayerAboveHead || layers[2].bottom < -kLayerAboveHead;
  if (mode == Mode::kAnalysis) {
    // Below a rock-like layer the depth below the ground surface holds.
    computes_ = model.layering.RockLayersAbove == 0;
    fromEquivalentDepth_ = computes_ && !layerAboveHead;
  } else {
    // The equivalent depth of the last analysis sweep, where it found no
    // rock-like layer above and computed one (a layer without nodes never does).
    Heq_ = model.layerCorrection[static_cast<std::size_t>(layer)];
    fromEquivalentDepth_ = !model.layering.NoEquivDepth[static_cast<std::size_t>(layer)] &&
                           Heq_ != kEquivalentDepthNotComputed && !layerAboveHead;
  }
}

void LayerSweep::storeEquivalentDepth(const EquivalentDepthInput& soil) {
  const LayeredSoilState& state = model_.layering;
  const double S = resistanceAbove(state.F, state.liquefiedF, layer_);
  Heq_ = equivalentDepth(soil, S);
  model_.layerCorrection[static_cast<std::size_t>(layer_)] = Heq_;
}

double LayerSweep::depthInLayer(const PyPoint& point) const {
  if (!fromEquivalentDepth_) return point.z0;
  return (point.depth - layerTop_) + Heq_;
}

double LayerSweep::averageFromLayerTop(const PyPoint& point, double value) {
  double average = value;
  if (point.firstInLayer()) {
    sum_ = 0.0;
    firstDepth_ = point.depth;
  } else {
    sum_ += (previousValue_ + value) * 0.5 * (point.depth - previousDepth_);
    average = sum_ / (point.depth - firstDepth_);
  }
  previousValue_ = value;
  previousDepth_ = point.depth;
  return average;
}

// ---- shared values --------------------------------------------------------------------

double fn_pMult(const MultiplierTable& table, double x) {
  return multiplierAt(table, table.pMultiplier, x);
}

double fn_yMult(const MultiplierTable& table, double x) {
  return multiplierAt(table, table.yMultiplier, x);
}

double fn_Table10(double v, double D, const std::array<double, 10>& Y,
                  const std::array<double, 10>& X) {
  const double r = v / D;
  if (r > X[9]) return Y[9];
  int m = 9;
  for (int i = 1; i <= 9; ++i) {
    if (r < X[i]) {
      m = i;
      break;
    }
  }
  return Y[m - 1] + (r - X[m - 1]) * (Y[m] - Y[m - 1]) / (X[m] - X[m - 1]);
}

void stopOnInputError(RunContext& ctx, int n) {
  char codeText[16];
  std::snprintf(codeText, sizeof codeText, "INP%05d", n);
  engine::stopRun(ctx, codeText, engine::kInputErrorBase + n);
}

double cyclesOfLoading(const AnalysisModel& model) {
  const double N = model.options.numberOfCycles;
  bool stiffClay = false;
  bool weakRock = false;
  for (int k = 1; k <= model.soil.numberOfLayers; ++k) {
    if (model.pileModel.i_TopNodeInLayer[static_cast<std::size_t>(k)] == 0) continue;
    const Criterion criterion = criterionOf(model.soil.layers[static_cast<std::size_t>(k)]);
    stiffClay = stiffClay || criterion == Criterion::kStiffClayNoFreeWater;
    weakRock = weakRock || criterion == Criterion::kWeakRock;
  }
  if (stiffClay) return std::max(1.0, N);
  if (weakRock && N <= 0.0) return 1.0;
  return N;
}

// ---- the sweep ---------------------------------------------------------------------------

bool criterionAvailable(int code) {
  const CriterionInfo& info = criterionInfo(code);
  // Frozen soil has no curve: its nodes keep the modulus they had.
  return info.curveAt != nullptr || info.code == Criterion::kFrozenSoil;
}

void runCriterion(RunContext& ctx, const CriterionCall& call) {
  const CriterionInfo& info = layerCriterion(ctx.model, call.layer);
  // Frozen soil and the codes that name no criterion have no curve.
  if (info.curveAt == nullptr) return;
  sweepLayerNodes(ctx, info, call.layer, call.NodeFirst, call.NodeLast);
}

void updateSoilModuli(RunContext& ctx) {
  AnalysisModel& model = ctx.model;
  model.layering.RockLayersAbove = 0;
  for (int k = 1; k <= model.soil.numberOfLayers; ++k) {
    const int first = model.pileModel.i_TopNodeInLayer[static_cast<std::size_t>(k)];
    if (first == 0) continue;
    CriterionCall call;
    call.layer = k;
    call.NodeFirst = first;
    call.NodeLast = model.pileModel.i_BottomNodeInLayer[static_cast<std::size_t>(k)];
    runCriterion(ctx, call);
    noteLayerSwept(model, k);
  }
}

void printPyCurves(RunContext& ctx, int layer, int first, int last,
                   std::span<const double> depths) {
  const CriterionInfo& info = layerCriterion(ctx.model, layer);
  if (info.curveAt == nullptr) return;
  LayerSweep sweep(ctx.model, layer, LayerSweep::Mode::kPrinting);
  for (int j = first; j <= last; ++j) {
    const PyPoint point =
        depthPoint(ctx.model, layer, j, depths[static_cast<std::size_t>(j)], first, last);
    const PyCurve curve = info.curveAt(ctx, point, sweep);
    info.writeBlock(ctx, point, curve);
  }
}

}  // namespace quarn::soil
