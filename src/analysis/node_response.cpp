#include "analysis/node_response.h"

#include <cmath>

#include "engine/messages.h"
#include "engine/pile_properties.h"

namespace quarn::analysis {

namespace {

void checkNode(const PileModel& pm, int k) {
  QUARN_ASSERT(pm.N >= 5 && pm.N <= kNodeCapacity && k >= 1 && k <= pm.N,
               "node outside the pile grid");
}

NodeForces interiorForces(const PileModel& pm, int k, const HeadResponse& head) {
  const double h = pm.h;
  const double Q = pm.head.Q;
  const auto& nd = pm.node;
  auto y = [&pm](int i) { return pm.y(i); };
  NodeForces r;
  r.M = nd[k].EI * (y(k + 1) - 2.0 * y(k) + y(k - 1)) / (h * h);
  r.S = (y(k + 1) - y(k - 1)) / (2.0 * h);
  if (k == 2) {
    const double E = nd[2].EI;  // E_top
    if (pm.head.loadType == HeadLoadType::kDeflectionSlope) {
      r.V = (head.moment3 - head.forces.M) / (2.0 * h) + Q * r.S;
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
NodeForces tipForces(const PileModel& pm) {
  const int N = pm.N;
  return {0.0, pm.vTip, (pm.y(N) - pm.y(N - 1)) / pm.h};
}

}  // namespace

double headMomentFromDeflections(const PileModel& pm) {
  const double h = pm.h;
  const double E = pm.node[2].EI;  // E_top
  return E * (pm.y(2) - 2.0 * pm.y(1) + pm.y(0)) / (h * h);
}

HeadResponse headResponse(const PileModel& pm) {
  const double h = pm.h;
  const double E = pm.node[2].EI;  // E_top
  const double Q = pm.head.Q;
  auto y = [&pm](int k) { return pm.y(k); };
  HeadResponse r;
  NodeForces& f = r.forces;
  f.M = headMomentFromDeflections(pm);
  f.V = E * (y(3) - 2.0 * y(2) + 2.0 * y(0) - y(-1)) / (2.0 * h * h * h) +
        Q * (y(2) - y(0)) / (2.0 * h);
  f.S = (y(2) - y(0)) / (2.0 * h);
  r.computedSlope = f.S;
  if (pm.head.loadType == HeadLoadType::kDeflectionSlope) {
    const double S1 = (-3.0 * y(1) + 4.0 * y(2) - y(3)) / (2.0 * h);
    const double M2 = E * (y(3) - 2.0 * y(2) + y(1)) / (h * h);
    r.computedSlope = S1;
    r.moment3 = E * (y(4) - 2.0 * y(3) + y(2)) / (h * h);
    f.V = Q * S1 + (-3.0 * f.M + 4.0 * M2 - r.moment3) / (2.0 * h);
    f.S = pm.head.St;
  }
  return r;
}

NodeForces nodeForces(const PileModel& pm, int k, const HeadResponse& head) {
  checkNode(pm, k);
  QUARN_ASSERT(k >= 2, "node 1 has the head response");
  return k < pm.N ? interiorForces(pm, k, head) : tipForces(pm);
}

double soilReaction(const AnalysisModel& model, int k) {
  const PileModel& pm = model.pileModel;
  const PileNode& node = pm.node[static_cast<std::size_t>(k)];
  const double y = pm.y(k);
  const double relative = model.options.useSoilMovement ? y - node.ys : y;
  const double p = -node.Es * relative;
  return std::isnan(p) && y == 0.0 ? 0.0 : p;
}

// The extreme fibre lies at half the width, or at half the pole width for an
// embedded pole, whose width is that of the drilled hole.
double combinedStress(const AnalysisModel& model, int k, double M) {
  const PileNode& node = model.pileModel.node[static_cast<std::size_t>(k)];
  const engine::PileProperties props = engine::Compute_Pile_Properties(model.pile, node.x);
  if (props.I == 0.0 || props.A == 0.0) return 0.0;
  const PileSection& section = model.pile.sections[static_cast<std::size_t>(node.section)];
  const bool givenStiffness =
      section.type == SectionType::Elastic || section.type == SectionType::ElasticPlastic;
  const double fibre = givenStiffness && section.elastic.shape == kShapeEmbeddedPole
                           ? props.D2 / 2.0
                           : props.D / 2.0;
  return std::abs(model.pileModel.head.Q) / props.A + std::abs(M) * fibre / props.I;
}

double headBoundaryMoment(const PileModel& pm) {
  return prescribesHeadMoment(pm.head.loadType) ? pm.head.Mt : headMomentFromDeflections(pm);
}

void Compute_Node_Response(AnalysisModel& model, int k) {
  PileModel& pm = model.pileModel;
  checkNode(pm, k);
  pm.node[1].EI = pm.node[2].EI;
  NodeForces f;
  if (k == 1) {
    const HeadResponse head = headResponse(pm);
    f = head.forces;
    pm.computedHeadSlope = head.computedSlope;
    if (pm.head.loadType == HeadLoadType::kDeflectionSlope) pm.headMoment3 = head.moment3;
  } else {
    // Node 2 of load type 5 takes the head values stored by node 1.
    HeadResponse head;
    head.forces.M = pm.node[1].M;
    head.moment3 = pm.headMoment3;
    f = nodeForces(pm, k, head);
  }
  PileNode& node = pm.node[static_cast<std::size_t>(k)];
  node.M = f.M;
  node.V = f.V;
  node.S = f.S;
  node.momentCopy = f.M;
  node.p = soilReaction(model, k);
  node.stress = combinedStress(model, k, f.M);
}

}  // namespace quarn::analysis
