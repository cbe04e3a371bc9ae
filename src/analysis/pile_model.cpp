#include "analysis/pile_model.h"

#include <cmath>
#include <string>

#include "engine/messages.h"
#include "engine/pile_properties.h"

namespace quarn::analysis {

namespace {

// Layer ranges over the node positions depth(1..count): the first node of a
// layer is the first position at or below its top, provided it lies at or
// above its bottom; the last node is the one before the first node of the
// next layer that holds nodes, and the layer reaching the deepest position
// ends there.
template <typename DepthOf>
void assignLayerRanges(engine::RunContext& ctx, int count, DepthOf depthOf) {
  const Soil& soil = ctx.model.soil;
  PileModel& pm = ctx.model.pileModel;
  const int layers = soil.numberOfLayers;
  if (layers < 0 || layers > kMaxLayers) {
    engine::failInvariant("number of soil layers outside 0 to 40");
  }
  pm.i_TopNodeInLayer.fill(0);
  pm.i_BottomNodeInLayer.fill(0);

  int lastLayer = layers + 1;  // the layer that reaches the deepest node, if any
  for (int j = 1; j <= layers; ++j) {
    const SoilLayer& layer = soil.layers[j];
    int first = 1;
    while (first <= count && layer.top > depthOf(first)) ++first;
    if (first <= count && layer.bottom >= depthOf(first)) pm.i_TopNodeInLayer[j] = first;
    if (layer.bottom >= depthOf(count)) {
      lastLayer = j;
      break;
    }
  }
  pm.i_BottomNodeInLayer[lastLayer] = count;

  for (int j = 1; j < lastLayer; ++j) {
    if (pm.i_TopNodeInLayer[j] == 0) continue;
    int next = j + 1;
    while (next <= layers && pm.i_TopNodeInLayer[next] == 0) ++next;
    if (next <= layers) {
      pm.i_BottomNodeInLayer[j] = pm.i_TopNodeInLayer[next] - 1;
      continue;
    }
    // No deeper layer holds a node although this layer does not reach the
    // deepest node: reported for diagnosis, the layer is left without a range.
    engine::Channel& report = ctx.report;
    report.line("ERROR 2 in computing i_BottomNodeInLayer");
    report.line("Num_Nodes_To_Assign = " + std::to_string(count));
    report.line("ilayer = " + std::to_string(j));
    report.line("klayer = " + std::to_string(next));
    report.line("jlayer = " + std::to_string(lastLayer));
    report.line("i_Number_of_Layers = " + std::to_string(layers));
    pm.i_BottomNodeInLayer[j] = -1;
  }
}

void checkNodeCount(int N) {
  if (N < 3 || N > kNodeCapacity) {
    engine::failInvariant("number of pile nodes " + std::to_string(N) + " outside 3 to " +
                          std::to_string(kNodeCapacity));
  }
}

}  // namespace

void placeNodes(AnalysisModel& model, NodeLoads loads) {
  PileModel& pm = model.pileModel;
  const int increments = model.options.numberOfIncrements;
  checkNodeCount(increments + 1);
  const double L = model.pile.length;
  pm.N = increments + 1;
  pm.length = L;
  pm.h = L / increments;
  const double cosBatter = std::cos(model.tables.batter.batterAngle);
  const bool lrfd = model.options.useLrfd;
  for (int k = 1; k <= pm.N; ++k) {
    PileNode& node = pm.node[k];
    // The tip node lies exactly at L, also when (N - 1) h rounds differently;
    // it is placed before its load and stiffness are taken, so that it gets
    // the half tributary length of the tip and the properties of the tip.
    node.x = k == pm.N ? L : (k - 1) * pm.h;
    node.xv = node.x * cosBatter;
    node.EI = engine::Compute_Pile_Properties(model.pile, node.x).EI;
    if (loads == NodeLoads::kFromInput) {
      node.w = lrfd ? 0.0 : engine::fn_DistributedLoad(model, node.x);
    }
  }
}

void setupPileModel(engine::RunContext& ctx, NodeLoads loads) {
  AnalysisModel& model = ctx.model;
  placeNodes(model, loads);
  const int N = model.pileModel.N;
  Assign_Node_Sections(model, N);
  Assign_Layer_Nodes(ctx, N);
  if (model.tables.soilMovement.points >= 2) {
    Compute_Soil_Movements(model, N);
  } else {
    for (int k = 1; k <= N; ++k) model.pileModel.node[k].ys = 0.0;
  }
}

void Assign_Node_Sections(AnalysisModel& model, int N) {
  checkNodeCount(N);
  PileModel& pm = model.pileModel;
  const Pile& pile = model.pile;
  // The section count read from the input; the stations hold each section's
  // top (2j - 1) and bottom (2j).
  const int sections = pile.numberOfSections;
  if (sections > kMaxSections) engine::failInvariant("more than 20 pile sections");
  pm.node[1].section = 1;
  if (sections <= 1) {
    for (int k = 2; k <= N; ++k) pm.node[k].section = 1;
    return;
  }
  for (int k = 2; k <= N; ++k) {
    const double x = pm.node[k].x;
    for (int j = 1; j <= sections; ++j) {
      if (pile.stations[2 * j - 1].depth < x && x <= pile.stations[2 * j].depth) {
        pm.node[k].section = j;
      }
    }
  }
}

void Assign_Layer_Nodes(engine::RunContext& ctx, int N) {
  checkNodeCount(N);
  const PileModel& pm = ctx.model.pileModel;
  assignLayerRanges(ctx, N, [&pm](int k) { return pm.node[k].xv; });
}

void Assign_Layer_Nodes_Along_Axis(engine::RunContext& ctx, int M) {
  if (M < 1 || M > kNodeCapacity) engine::failInvariant("depth list outside the node list");
  const PileModel& pm = ctx.model.pileModel;
  assignLayerRanges(ctx, M, [&pm](int k) { return pm.node[k].x; });
}

void Compute_Soil_Movements(AnalysisModel& model, int N) {
  checkNodeCount(N);
  const SoilMovementTable& table = model.tables.soilMovement;
  const int m = table.points;
  if (m < 2 || m > kMaxSoilMovementPoints) {
    engine::failInvariant("soil movement table needs 2 to 100 points");
  }
  const auto& xs = table.depth;
  const auto& ms = table.movement;
  for (int k = 1; k <= N; ++k) {
    PileNode& node = model.pileModel.node[k];
    const double x = node.x;
    if (x < xs[1] || x > xs[m]) {
      node.ys = 0.0;
      continue;
    }
    int j = 2;
    while (j < m && xs[j] < x) ++j;
    const double span = xs[j] - xs[j - 1];
    if (std::abs(span) < 1.0e-5) {
      // Two points at one depth: a step in the movement profile.
      node.ys = (ms[j - 1] + ms[j]) / 2.0;
    } else {
      node.ys = ms[j - 1] + (x - xs[j - 1]) * (ms[j] - ms[j - 1]) / span;
    }
  }
}

void setInitialSprings(AnalysisModel& model) {
  PileModel& pm = model.pileModel;
  const double groundSurface = model.pile.groundSurfaceDepth;
  for (int k = 1; k <= pm.N; ++k) {
    PileNode& node = pm.node[k];
    node.Es = groundSurface > node.xv ? 0.0 : kInitialSoilModulus;
  }
}

HeadCondition headConditionFor(const PileHeadLoad& load) {
  HeadCondition head;
  head.loadType = load.loadType;
  head.Q = load.axialThrust;
  switch (load.loadType) {
    case HeadLoadType::kShearMoment:
      head.Pt = load.condition1;
      head.Mt = load.condition2;
      break;
    case HeadLoadType::kShearSlope:
      head.Pt = load.condition1;
      head.St = load.condition2;
      break;
    case HeadLoadType::kShearRotationalStiffness:
      head.Pt = load.condition1;
      head.Ktheta = load.condition2;
      break;
    case HeadLoadType::kDeflectionMoment:
      head.Yt = load.condition1;
      head.Mt = load.condition2;
      break;
    case HeadLoadType::kDeflectionSlope:
      head.Yt = load.condition1;
      head.St = load.condition2;
      break;
    default:
      engine::failInvariant("pile-head load type " +
                            std::to_string(headLoadTypeCode(load.loadType)) + " outside 1 to 5");
  }
  return head;
}

void startLoadCase(PileModel& pm, const HeadCondition& head) {
  pm.deflection.fill(0.0);
  pm.head = head;
  pm.vTip = 0.0;
  pm.tipShearMagnitude = 0.0;
  pm.dYprev = 0.0;
  pm.dYmax = 0.0;
  pm.deltaDYmax = 0.0;
}

}  // namespace quarn::analysis
