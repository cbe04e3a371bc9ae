#include "analysis/equilibrium.h"

#include <cmath>
#include <string>

#include "analysis/node_response.h"
#include "engine/messages.h"
#include "engine/single_precision.h"

namespace quarn::analysis {

namespace {

// Net lateral load per unit length on the pile at node k: the applied load
// less the soil reaction.
double netLoad(const PileModel& pm, int k) {
  const PileNode& node = pm.node[static_cast<std::size_t>(k)];
  return node.w - node.Es * pm.y(k);
}

// True when the imbalance v is to replace the kept one: a larger magnitude,
// or the first imbalance that is not a number. A NaN is kept rather than
// passed over, so that a broken solution is never confirmed as balanced: with
// a NaN there is no verdict.
bool replaces(double v, double kept) {
  if (std::isnan(v)) return !std::isnan(kept);
  return std::fabs(v) > std::fabs(kept);
}

void keepLargest(EquilibriumCheck& check, double momentImbalance, double forceImbalance, int a) {
  if (replaces(momentImbalance, check.Mmax)) {
    check.Mmax = momentImbalance;
    check.nodeM = a;
  }
  if (replaces(forceImbalance, check.Fmax)) {
    check.Fmax = forceImbalance;
    check.nodeF = a;
  }
}

}  // namespace

double momentImbalanceLimit(int unitSystem) {
  switch (unitSystem) {
    case kUnitsUsCustomary:
      return 1.0;  // in-lbs
    case kUnitsSi:
      return sp(0.00011298f);  // kN-m, the same moment as 1 in-lb
    default:
      return 0.0;
  }
}

void resetEquilibriumCheck(EquilibriumCheck& check) {
  check.Mmax = 0.0;
  check.nodeM = 0;
  check.Fmax = 0.0;
  check.nodeF = 0;
}

void recordNodeMoment(EquilibriumCheck& check, double moment) {
  check.M_last = moment;
}

void Verify_Node_Equilibrium(const PileModel& pm, EquilibriumCheck& check, int a, double Ma) {
  const int N = pm.N;
  QUARN_ASSERT(
      N >= 3 && N <= kNodeCapacity && a >= 3 && a <= N,
      "equilibrium check of node " + std::to_string(a) + " on " + std::to_string(N) + " nodes");
  const double h = pm.h;
  const double Q = pm.head.Q;
  auto y = [&pm](int k) { return pm.y(k); };
  if (a == 3) {
    const double Etop = pm.node[2].EI;
    check.M_prev = headBoundaryMoment(pm);
    check.G_prev = Etop * (y(3) - 2.0 * y(2) + 2.0 * y(0) - y(-1)) / (2.0 * h * h * h);
    check.S_prev = (y(2) - y(0)) / (2.0 * h);
  }
  const double G = (Ma - check.M_prev) / (2.0 * h);   // dM/dx at node a - 1
  const double S = (y(a) - y(a - 2)) / (2.0 * h);     // slope at node a - 1
  const double V1 = check.G_prev + Q * check.S_prev;  // shear at node a - 2
  const double V2 = G + Q * S;                        // shear at node a - 1
  const double q1 = netLoad(pm, a - 2);
  const double q2 = netLoad(pm, a - 1);
  const double F = V1 - V2 + (h / 2.0) * (q1 + q2);
  const double Mi =
      (check.M_prev - check.M_last) + h * (V1 + (h / 2.0) * q1) + Q * (y(a - 2) - y(a - 1));
  keepLargest(check, Mi, F, a);
  check.M_prev = check.M_last;
  check.M_last = Ma;
  check.G_prev = G;
  check.S_prev = S;
}

void completeEquilibriumCheck(const PileModel& pm, EquilibriumCheck& check) {
  const int N = pm.N;
  QUARN_ASSERT(N >= 3 && N <= kNodeCapacity,
               "equilibrium check on " + std::to_string(N) + " nodes");
  const double h = pm.h;
  const double Q = pm.head.Q;
  const double V1 = check.G_prev + Q * check.S_prev;
  const double q1 = netLoad(pm, N - 1);
  const double q2 = netLoad(pm, N);
  const double F = V1 - pm.vTip + (h / 2.0) * (q1 + q2);
  const double Mi = check.M_prev + h * (V1 + (h / 2.0) * q1) + Q * (pm.y(N - 1) - pm.y(N));
  keepLargest(check, Mi, F, N + 1);
}

EquilibriumResult equilibriumResult(const EquilibriumCheck& check, int unitSystem) {
  EquilibriumResult result;
  result.Mmax = check.Mmax;
  result.nodeM = check.nodeM;
  result.Fmax = check.Fmax;
  result.nodeF = check.nodeF;
  result.limit = momentImbalanceLimit(unitSystem);
  if (result.limit > 0.0) {
    const double imbalance = std::fabs(check.Mmax);
    if (imbalance <= result.limit) {
      result.verdict = EquilibriumVerdict::kBalanced;
    } else if (imbalance > result.limit) {
      result.verdict = EquilibriumVerdict::kUnbalanced;
    }
  }
  return result;
}

}  // namespace quarn::analysis
