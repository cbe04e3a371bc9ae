#include "analysis/case_response.h"

#include <cmath>
#include <string>

#include "analysis/node_response.h"
#include "engine/messages.h"

namespace quarn::analysis {

namespace {

// The larger magnitude wins; on a tie the earlier node stays.
bool exceeds(double value, double entry) {
  return std::abs(value) > std::abs(entry);
}

void recordMaxima(CaseResponse& r, const NodeResult& node, int section, int k) {
  if (exceeds(node.M, r.maxMoment)) {
    r.maxMoment = node.M;
    r.maxMomentX = node.x;
  }
  if (exceeds(node.V, r.maxShear)) {
    r.maxShear = node.V;
    r.maxShearX = node.x;
  }
  QUARN_ASSERT(section >= 1 && section <= kMaxSections,
               "node " + std::to_string(k) + " in section " + std::to_string(section));
  SectionMaxima& entry = r.sectionMaxima[static_cast<std::size_t>(section)];
  if (exceeds(node.M, entry.moment)) {
    entry.moment = node.M;
    entry.momentNode = k;
  }
  if (exceeds(node.V, entry.shear)) {
    entry.shear = node.V;
    entry.shearNode = k;
  }
  if (exceeds(node.stress, r.maxStress)) r.maxStress = node.stress;
}

int countZeroDeflectionPoints(const PileModel& pm) {
  int changes = 0;
  for (int i = 1; i <= pm.N; ++i) {
    const double a = pm.y(i);
    const double b = pm.y(i + 1);
    if ((a > 0.0 && b < 0.0) || (a < 0.0 && b > 0.0)) ++changes;
  }
  return changes;
}

}  // namespace

void computeCaseResponse(const AnalysisModel& model, int L, const IterationOutcome& outcome,
                         CaseResponse& r) {
  const PileModel& pm = model.pileModel;
  const int N = pm.N;
  QUARN_ASSERT(N >= 5 && N <= kNodeCapacity, "pile grid of " + std::to_string(N) + " nodes");
  r.loadCase = L;
  r.outcome = outcome;
  r.N = N;
  r.nodes.resize(static_cast<std::size_t>(N) + 1);
  r.maxMoment = r.maxMomentX = r.maxShear = r.maxShearX = r.maxStress = 0.0;
  r.sectionMaxima.fill(SectionMaxima{});

  const HeadResponse head = headResponse(pm);
  EquilibriumCheck check;
  for (int k = 1; k <= N; ++k) {
    const PileNode& node = pm.node[static_cast<std::size_t>(k)];
    const NodeForces f = k == 1 ? head.forces : nodeForces(pm, k, head);
    NodeResult& n = r.nodes[static_cast<std::size_t>(k)];
    n.x = node.x;
    n.y = pm.y(k);
    n.M = f.M;
    n.V = f.V;
    n.S = f.S;
    n.stress = combinedStress(model, k, f.M);
    n.EI = k == 1 ? pm.node[2].EI : node.EI;
    n.p = soilReaction(model, k);
    n.Es = node.Es;
    const double tributary = (k == 1 || k == N) ? pm.h / 2.0 : pm.h;
    n.spring = node.Es * tributary;
    n.w = node.w;
    recordMaxima(r, n, node.section, k);
    if (k >= 3) {
      Verify_Node_Equilibrium(pm, check, k, f.M);
    } else {
      recordNodeMoment(check, f.M);
    }
  }
  completeEquilibriumCheck(pm, check);
  r.equilibrium = equilibriumResult(check, model.options.IUNITS);

  r.headShear = head.forces.V;
  r.headMoment = head.forces.M;
  r.headSlope = head.computedSlope;
  r.zeroDeflectionPoints = countZeroDeflectionPoints(pm);
}

CaseResponse computeCaseResponse(const AnalysisModel& model, int L,
                                 const IterationOutcome& outcome) {
  CaseResponse response;
  computeCaseResponse(model, L, outcome, response);
  return response;
}

CaseResult caseResultOf(const CaseResponse& response) {
  CaseResult result;
  result.headDeflection = response.headDeflection();
  result.headSlope = response.headSlope;
  result.headShear = response.headShear;
  result.maxMoment = response.maxMoment;
  result.maxShear = response.maxShear;
  result.sectionMaxima = response.sectionMaxima;
  return result;
}

}  // namespace quarn::analysis
