#include "analysis/node_response.h"

#include <cmath>

#include "engine/messages.h"
#include "engine/pile_properties.h"

namespace quarn::analysis {

namespace {

struct Response {
  double M = 0.0;
  double V = 0.0;
  double S = 0.0;
};

// Head node: central differences through the imaginary nodes, except for
// load type 5, whose imaginary nodes follow from the prescribed slope; its
// shear and slope use one-sided differences into the pile instead.
Response headResponse(PileModel& pm) {
  const double h = pm.h;
  const double E = pm.node[2].EI;  // E_top
  const double Q = pm.head.Q;
  auto y = [&pm](int k) { return pm.y(k); };
  Response r;
  r.M = E * (y(2) - 2.0 * y(1) + y(0)) / (h * h);
  r.V = E * (y(3) - 2.0 * y(2) + 2.0 * y(0) - y(-1)) / (2.0 * h * h * h) +
        Q * (y(2) - y(0)) / (2.0 * h);
  r.S = (y(2) - y(0)) / (2.0 * h);
  pm.computedHeadSlope = r.S;
  switch (pm.head.loadType) {
    case kHeadShearSlope:
    case kHeadShearRotationalStiffness:
      pm.head.Mt = r.M;
      break;
    case kHeadDeflectionMoment:
      pm.head.Pt = r.V;
      break;
    case kHeadDeflectionSlope: {
      const double S1 = (-3.0 * y(1) + 4.0 * y(2) - y(3)) / (2.0 * h);
      pm.computedHeadSlope = S1;
      pm.headMoment2 = E * (y(3) - 2.0 * y(2) + y(1)) / (h * h);
      pm.headMoment3 = E * (y(4) - 2.0 * y(3) + y(2)) / (h * h);
      r.V = Q * S1 + (-3.0 * r.M + 4.0 * pm.headMoment2 - pm.headMoment3) / (2.0 * h);
      pm.head.Pt = r.V;
      pm.head.Mt = r.M;
      r.S = pm.head.St;
      break;
    }
    default:
      break;
  }
  return r;
}

Response interiorResponse(const PileModel& pm, int k) {
  const double h = pm.h;
  const double Q = pm.head.Q;
  const auto& nd = pm.node;
  auto y = [&pm](int i) { return pm.y(i); };
  Response r;
  r.M = nd[k].EI * (y(k + 1) - 2.0 * y(k) + y(k - 1)) / (h * h);
  r.S = (y(k + 1) - y(k - 1)) / (2.0 * h);
  if (k == 2) {
    const double E = nd[2].EI;  // E_top
    if (pm.head.loadType == kHeadDeflectionSlope) {
      r.V = (pm.headMoment3 - nd[1].M) / (2.0 * h) + Q * r.S;
    } else {
      r.V = E * (y(4) - 2.0 * y(3) + 2.0 * y(1) - y(0)) / (2.0 * h * h * h) + Q * r.S;
    }
    return r;
  }
  const double momentBelow = nd[k + 1].EI * (y(k + 2) - 2.0 * y(k + 1) + y(k));
  const double momentAbove = nd[k - 1].EI * (y(k) - 2.0 * y(k - 1) + y(k - 2));
  r.V = Q * r.S + (momentBelow - momentAbove) / (2.0 * h * h * h);
  return r;
}

// Tip node: no moment, the tip shear, a backward difference for the slope.
Response tipResponse(const PileModel& pm) {
  const int N = pm.N;
  return {0.0, pm.vTip, (pm.y(N) - pm.y(N - 1)) / pm.h};
}

// The larger magnitude wins; on a tie the earlier node stays.
bool exceeds(double value, double entry) {
  return std::abs(value) > std::abs(entry);
}

void recordMaxima(PileModel& pm, int k) {
  const PileNode& node = pm.node[k];
  ResponseMaxima& m = pm.maxima;
  if (exceeds(node.M, m.moment)) {
    m.moment = node.M;
    m.momentX = node.x;
  }
  if (exceeds(node.V, m.shear)) {
    m.shear = node.V;
    m.shearX = node.x;
  }
  if (pm.loadCase < 1 || pm.loadCase > kMaxLoadCases || node.section < 1 ||
      node.section > kMaxSections) {
    engine::failInvariant("load case or section outside the maxima tables");
  }
  SectionMaxima& entry = pm.sectionMaxima[pm.loadCase][node.section];
  if (exceeds(node.M, entry.moment)) {
    entry.moment = node.M;
    entry.momentNode = k;
  }
  if (exceeds(node.V, entry.shear)) {
    entry.shear = node.V;
    entry.shearNode = k;
  }
}

// Combined axial and bending stress at the node. The extreme fibre lies at
// half the width, or at half the pole width for an embedded pole, whose
// width is that of the drilled hole.
double combinedStress(const AnalysisModel& model, const PileNode& node) {
  const engine::PileProperties props = engine::Compute_Pile_Properties(model.pile, node.x);
  if (props.I == 0.0 || props.A == 0.0) return 0.0;
  const PileSection& section = model.pile.sections[node.section];
  const bool givenStiffness =
      section.type == SectionType::Elastic || section.type == SectionType::ElasticPlastic;
  const double fibre = givenStiffness && section.elastic.shape == kShapeEmbeddedPole
                           ? props.D2 / 2.0
                           : props.D / 2.0;
  return std::abs(model.pileModel.head.Q) / props.A + std::abs(node.M) * fibre / props.I;
}

}  // namespace

void Compute_Node_Response(AnalysisModel& model, int k) {
  PileModel& pm = model.pileModel;
  const int N = pm.N;
  if (N < 5 || N > kNodeCapacity || k < 1 || k > N) {
    engine::failInvariant("node outside the pile grid");
  }
  pm.node[1].EI = pm.node[2].EI;
  Response r;
  if (k == 1) {
    r = headResponse(pm);
  } else if (k < N) {
    r = interiorResponse(pm, k);
  } else {
    r = tipResponse(pm);
  }
  PileNode& node = pm.node[k];
  node.M = r.M;
  node.V = r.V;
  node.S = r.S;
  node.momentCopy = r.M;
  recordMaxima(pm, k);

  // Soil reaction. With soil movements the spring acts on the deflection
  // relative to the soil; the distributed load is a load on the pile, not a
  // reaction of the soil, and is not part of p.
  const double y = pm.y(k);
  const double relative = model.options.useSoilMovement ? y - node.ys : y;
  node.p = -node.Es * relative;
  if (std::isnan(node.p) && y == 0.0) node.p = 0.0;

  node.stress = combinedStress(model, node);
  if (exceeds(node.stress, pm.maxima.stress)) pm.maxima.stress = node.stress;
}

void resetResponseMaxima(PileModel& pm) {
  pm.maxima = ResponseMaxima{};
}

void clearSectionMaxima(PileModel& pm, int loadCase) {
  if (loadCase < 1 || loadCase > kMaxLoadCases) {
    engine::failInvariant("load case number outside 1 to 100");
  }
  pm.sectionMaxima[loadCase].fill(SectionMaxima{});
}

}  // namespace quarn::analysis
