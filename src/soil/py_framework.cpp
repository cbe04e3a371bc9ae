#include "soil/py_framework.h"

#include <cmath>
#include <string>

#include "engine/pile_properties.h"
#include "engine/messages.h"
#include "soil/criteria.h"
#include "soil/other_criteria.h"
#include "soil/rock.h"
#include "soil/sand.h"
#include "soil/soft_clay.h"
#include "soil/stiff_clay.h"

namespace quarn::soil {

namespace {

// The keys of the criterion table are the model's key table, cut to the
// eight characters the routines compare.
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

}  // namespace

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

CallPoint callPoint(const AnalysisModel& model, const CriterionCall& call, int i) {
  if (call.PrintMode) {
    const double depth = call.printDepths[static_cast<std::size_t>(i)];
    return {depth, depth};
  }
  const PileNode& node = model.pileModel.node[static_cast<std::size_t>(i)];
  return {node.x, node.xv};
}

double signedDeflection(const AnalysisModel& model, const CriterionCall& call, int i) {
  const PileModel& pile = model.pileModel;
  if (!call.PrintMode) return pile.y(i);
  // Print mode: interpolate between the nodes around the output depth.
  const double depth = call.printDepths[static_cast<std::size_t>(i)];
  if (pile.N < 1) return 0.0;
  if (depth <= pile.node[1].xv) return pile.y(1);
  for (int k = 2; k <= pile.N; ++k) {
    const double upper = pile.node[static_cast<std::size_t>(k - 1)].xv;
    const double lower = pile.node[static_cast<std::size_t>(k)].xv;
    if (depth <= lower) {
      if (lower == upper) return pile.y(k);
      return pile.y(k - 1) + (depth - upper) * (pile.y(k) - pile.y(k - 1)) / (lower - upper);
    }
  }
  return pile.y(pile.N);
}

double relativeDeflection(const AnalysisModel& model, int i, double ym) {
  const PileModel& pile = model.pileModel;
  return std::abs(pile.y(i) - pile.node[static_cast<std::size_t>(i)].ys) / ym;
}

void storeModulus(AnalysisModel& model, int i, double Es) {
  PileNode& node = model.pileModel.node[static_cast<std::size_t>(i)];
  node.Es = Es;
  if (model.tables.soilMovement.points > 0) {
    node.w = node.ys * Es + engine::fn_DistributedLoad(model, node.x);
  }
}

double incrementLength(const AnalysisModel& model) {
  return model.pile.length / model.options.numberOfIncrements;
}

void noteLayerSwept(AnalysisModel& model, int k) {
  LayeredSoilState& state = model.layering;
  const CriterionInfo& info = criterionInfo(model.soil.layers[k].criterion);
  if (info.rockLike) ++state.RockLayersAbove;
  if (info.code != Criterion::kUserPy && state.RockLayersAbove > 0) state.NoEquivDepth[k] = true;
}

bool criterionAvailable(int code) {
  switch (criterionInfo(code).code) {
    case Criterion::kSoftClay:
    case Criterion::kSoftClayJ:
    case Criterion::kStiffClayFreeWater:
    case Criterion::kStiffClayNoFreeWater:
    case Criterion::kStiffClayNoFreeWaterK:
    case Criterion::kSandReese:
    case Criterion::kSandApi:
    case Criterion::kLiquefiedSand:
    case Criterion::kWeakRock:
    case Criterion::kVuggyLimestone:
    case Criterion::kMassiveRock:
    case Criterion::kPiedmont:
    case Criterion::kLoess:
    case Criterion::kElasticSubgrade:
    case Criterion::kUserPy:
    case Criterion::kCementedSilt:
    case Criterion::kFrozenSoil:  // no curve: its nodes keep the modulus they had
      return true;
    default:
      return false;
  }
}

void runCriterion(engine::RunContext& ctx, const CriterionCall& call) {
  const int code = ctx.model.soil.layers[call.layer].criterion;
  switch (criterionInfo(code).code) {
    case Criterion::kSoftClay:
      softClay(ctx, call);
      return;
    case Criterion::kSoftClayJ:
      softClayJ(ctx, call);
      return;
    case Criterion::kStiffClayFreeWater:
      stiffClayFreeWater(ctx, call);
      return;
    case Criterion::kStiffClayNoFreeWater:
      stiffClayNoFreeWater(ctx, call);
      return;
    case Criterion::kStiffClayNoFreeWaterK:
      stiffClayNoFreeWaterK(ctx, call);
      return;
    case Criterion::kSandReese:
      sandReese(ctx, call);
      return;
    case Criterion::kSandApi:
      sandApi(ctx, call);
      return;
    case Criterion::kLiquefiedSand:
      liquefiedSand(ctx, call);
      return;
    case Criterion::kWeakRock:
      weakRock(ctx, call);
      return;
    case Criterion::kVuggyLimestone:
      vuggyLimestone(ctx, call);
      return;
    case Criterion::kMassiveRock:
      massiveRock(ctx, call);
      return;
    case Criterion::kPiedmont:
      piedmontResidualSoil(ctx, call);
      return;
    case Criterion::kLoess:
      loess(ctx, call);
      return;
    case Criterion::kElasticSubgrade:
      elasticSubgrade(ctx, call);
      return;
    case Criterion::kUserPy:
      userPyCurves(ctx, call);
      return;
    case Criterion::kCementedSilt:
      cementedSilt(ctx, call);
      return;
    // Frozen soil has no routine, and the undefined codes never reach a
    // layer: their nodes keep the modulus they had.
    case Criterion::kFrozenSoil:
    case Criterion::kUndefined18:
    case Criterion::kUndefined19:
    case Criterion::kUndefined20:
      return;
    case Criterion::kNone:
      break;
  }
  // The readers accept codes 1 to 20 only; anything else is a broken invariant.
  engine::failInvariant("soil layer " + std::to_string(call.layer) + " has the criterion code " +
                         std::to_string(code));
}

void updateSoilModuli(engine::RunContext& ctx) {
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

void printPyCurves(engine::RunContext& ctx, int layer, int first, int last,
                   std::span<const double> printDepths) {
  CriterionCall call;
  call.layer = layer;
  call.NodeFirst = first;
  call.NodeLast = last;
  call.PrintMode = true;
  call.printDepths = printDepths;
  runCriterion(ctx, call);
}

}  // namespace quarn::soil
