// Equilibrium verification: solved elastic piles balance segment by segment
// by the node results and by the check; loads put on chosen nodes of a solved
// pile or of a hand-made deflected shape in exact equilibrium give the
// imbalances computed by hand, and the verdict lines are the texts the
// engine's documentation gives.
#include "analysis/equilibrium.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "analysis/case_response.h"
#include "analysis/node_response.h"
#include "analysis/pile_fixture.h"
#include "analysis/solver.h"
#include "report/equilibrium_verdict.h"
#include "results_runs.h"

namespace quarn::analysis {
namespace {

using analysis::testing::ElasticPile;
using analysis::testing::makeElasticPile;
using results::testing::joined;

// Runs the results routine's order of calls over the nodes: the check gets the
// moment of nodes 1 and 2, then every node from 3 on, then the completion,
// and the report writes the verdict.
EquilibriumCheck checkSolvedPile(engine::RunContext& ctx) {
  PileModel& pm = ctx.model.pileModel;
  EquilibriumCheck check;
  resetEquilibriumCheck(check);
  for (int i = 1; i <= pm.N; ++i) {
    Compute_Node_Response(ctx.model, i);
    if (i >= 3) {
      Verify_Node_Equilibrium(pm, check, i, pm.node[i].M);
    } else {
      recordNodeMoment(check, pm.node[i].M);
    }
  }
  completeEquilibriumCheck(pm, check);
  report::writeEquilibriumVerdict(ctx, equilibriumResult(check, ctx.model.options.IUNITS));
  return check;
}

// Balance of the pile segment from node k to node k + 1 from the node
// results: the shear changes by the net lateral load over the segment
// (trapezoidal), the moment by the shear times the length, the moment of the
// load about the lower node and the moment of the axial load over the
// relative deflection. The head carries the moment of its boundary
// condition, the tip no moment and the tip shear.
struct SegmentImbalance {
  double force = 0.0;
  double moment = 0.0;
};

// The node moments and shears come from `moment` and `shear`.
template <typename Moment, typename Shear>
std::vector<SegmentImbalance> segmentImbalances(const PileModel& pm, Moment moment, Shear shear) {
  const int N = pm.N;
  const double h = pm.h;
  const double Q = pm.head.Q;
  auto M = [&](int k) { return k == 1 ? headBoundaryMoment(pm) : k == N ? 0.0 : moment(k); };
  auto V = [&](int k) { return k == N ? pm.vTip : shear(k); };
  auto q = [&](int k) { return pm.node[k].w - pm.node[k].Es * pm.y(k); };
  std::vector<SegmentImbalance> out(static_cast<std::size_t>(N + 2));  // by node a = k + 2
  for (int k = 1; k < N; ++k) {
    SegmentImbalance& s = out[static_cast<std::size_t>(k + 2)];
    s.force = V(k) - V(k + 1) + h * (q(k) + q(k + 1)) / 2.0;
    s.moment = M(k) - M(k + 1) + h * V(k) + h * h * q(k) / 2.0 + Q * (pm.y(k) - pm.y(k + 1));
  }
  return out;
}

std::vector<SegmentImbalance> imbalancesFromNodeResults(const PileModel& pm) {
  return segmentImbalances(
      pm, [&pm](int k) { return pm.node[k].M; }, [&pm](int k) { return pm.node[k].V; });
}

std::vector<SegmentImbalance> imbalancesFromResponse(const PileModel& pm,
                                                     const CaseResponse& response) {
  return segmentImbalances(
      pm, [&response](int k) { return response.nodes[k].M; },
      [&response](int k) { return response.nodes[k].V; });
}

struct SolvedPileCase {
  const char* name;
  HeadCondition head;
  double distributedLoad;  // lb/in on the upper 300 in of the pile
  bool soilModulusGrowsWithDepth;
};

HeadCondition head(int type, double v1, double v2, double thrust) {
  HeadCondition c;
  c.loadType = static_cast<HeadLoadType>(type);
  c.Q = thrust;
  switch (c.loadType) {
    case HeadLoadType::kShearMoment:
      c.Pt = v1, c.Mt = v2;
      break;
    case HeadLoadType::kShearSlope:
      c.Pt = v1, c.St = v2;
      break;
    case HeadLoadType::kShearRotationalStiffness:
      c.Pt = v1, c.Ktheta = v2;
      break;
    case HeadLoadType::kDeflectionMoment:
      c.Yt = v1, c.Mt = v2;
      break;
    default:
      break;
  }
  return c;
}

// Solved finite-difference piles are in equilibrium to the rounding of their
// arithmetic: every segment balances, by the node results as well as by the
// check, far below 1 in-lb against moments near a million. A load put on two
// nodes of the solved pile afterwards (w(100) = 2 lb/in, w(101) = -1 lb/in,
// h = 2 in) unbalances it by the amounts worked out by hand: the segment
// 99-100 by h/2 x 2 = 2 lb (found at node a = 101), the segment 100-101 by
// the moment h^2/2 x 2 = 4 in-lbs of the load at its upper node (a = 102).
// The segment 100-101 carries h/2 x (2 - 1) = 1 lb, 101-102 carries
// h/2 x (-1) = -1 lb and the moment h^2/2 x (-1) = -2 in-lbs.
TEST(Equilibrium, SolvedElasticPilesBalance) {
  const SolvedPileCase cases[] = {
      {"free head, shear", head(1, 10000.0, 0.0, 0.0), 0.0, false},
      {"shear and moment with thrust", head(1, 5000.0, 2.0e6, 2.0e5), 0.0, false},
      {"fixed head with thrust", head(2, 10000.0, 0.0, 1.0e5), 0.0, true},
      {"rotational stiffness", head(3, 8000.0, 5.0e8, 0.0), 0.0, true},
      {"deflection and moment", head(4, 0.5, -1.0e6, 5.0e4), 0.0, false},
      {"distributed load", head(1, 2000.0, 0.0, 1.0e5), 25.0, true},
  };
  for (const SolvedPileCase& c : cases) {
    for (const bool loaded : {false, true}) {
      SCOPED_TRACE(std::string(c.name) + (loaded ? ", unbalanced" : ""));
      ElasticPile pile;  // 1000 in, 500 increments (h = 2 in), EI = 1.0E10, Es = 1000
      auto ctx = makeElasticPile(pile, c.head);
      AnalysisModel& model = ctx->model;
      model.options.IUNITS = kUnitsUsCustomary;
      setUnitLabels(model);
      PileModel& pm = model.pileModel;
      for (int k = 1; k <= pm.N; ++k) {
        PileNode& node = pm.node[k];
        if (c.soilModulusGrowsWithDepth) node.Es = 2.0 * node.x;
        if (node.x <= 300.0) node.w = c.distributedLoad;
      }
      Solve_Pile_Deflections(*ctx, 1);  // linear: one solution is final
      if (loaded) {
        pm.node[100].w += 2.0;
        pm.node[101].w -= 1.0;
      }
      const EquilibriumCheck check = checkSolvedPile(*ctx);

      double momentScale = 0.0;
      for (int k = 1; k <= pm.N; ++k) momentScale = std::max(momentScale, std::fabs(pm.node[k].M));
      ASSERT_GT(momentScale, 2.0e5);
      const double noise = 1.0e-10 * momentScale;
      const std::vector<SegmentImbalance> segments = imbalancesFromNodeResults(pm);
      for (int a = 3; a <= pm.N + 1; ++a) {
        const SegmentImbalance& s = segments[static_cast<std::size_t>(a)];
        // The loads sit at the upper node of the segments of a = 102 and 103
        // (moment) and at a node of those of a = 101 to 103 (force).
        if (!loaded || a < 101 || a > 103) {
          EXPECT_LT(std::fabs(s.force), noise) << "node " << a;
          EXPECT_LT(std::fabs(s.moment), noise) << "node " << a;
        }
      }
      if (!loaded) {
        EXPECT_LT(std::fabs(check.Mmax), noise);
        EXPECT_LT(std::fabs(check.Fmax), noise);
        EXPECT_EQ(ctx->report.text(),
                  "\nOutput Verification: Computed forces and moments are within specified "
                  "convergence limits.\n\n");
        EXPECT_EQ(ctx->messages.text(), "");
        continue;
      }
      EXPECT_NEAR(segments[101].moment, 0.0, noise);
      EXPECT_NEAR(segments[102].moment, 4.0, noise);
      EXPECT_NEAR(segments[103].moment, -2.0, noise);
      EXPECT_NEAR(segments[101].force, 2.0, noise);
      EXPECT_NEAR(segments[102].force, 1.0, noise);
      EXPECT_NEAR(segments[103].force, -1.0, noise);
      EXPECT_NEAR(check.Mmax, 4.0, noise);
      EXPECT_EQ(check.nodeM, 102);
      EXPECT_NEAR(check.Fmax, 2.0, noise);
      EXPECT_EQ(check.nodeF, 101);
      EXPECT_NE(ctx->report.text().find("\n\n**** Warning - POSSIBLE SOLUTION ERROR 5501 ****\n"),
                std::string::npos);
      EXPECT_NE(ctx->report.text().find(
                    "Maximum internal moment imbalance for pile        =      4.00000 in-lbs\n"
                    "Maximum internal lateral force imbalance for pile =      2.00000 lbs\n"),
                std::string::npos);
      EXPECT_NE(ctx->messages.text().find(
                    "Maximum internal moment imbalance for pile solution         =  4.00000E+00 "
                    "in-lbs at node 102\n"
                    "Maximum internal lateral force imbalance for pile  solution =  2.00000E+00 "
                    "lbs at node 101\n"),
                std::string::npos);
    }
  }
}

// The response of a case carries the same check: computed without writing
// anything, its node results balance segment by segment, its imbalances are
// those of the walk above, and a load put on the solved pile is found at the
// same nodes. The verdict is the report's to write.
TEST(Equilibrium, TheResponseOfASolvedPileBalances) {
  const SolvedPileCase cases[] = {
      {"free head, shear", head(1, 10000.0, 0.0, 0.0), 0.0, false},
      {"fixed head with thrust", head(2, 10000.0, 0.0, 1.0e5), 0.0, true},
      {"rotational stiffness", head(3, 8000.0, 5.0e8, 0.0), 0.0, true},
      {"deflection and moment", head(4, 0.5, -1.0e6, 5.0e4), 0.0, false},
      {"distributed load", head(1, 2000.0, 0.0, 1.0e5), 25.0, true},
  };
  for (const SolvedPileCase& c : cases) {
    for (const bool loaded : {false, true}) {
      SCOPED_TRACE(std::string(c.name) + (loaded ? ", unbalanced" : ""));
      auto ctx = makeElasticPile(ElasticPile{}, c.head);
      AnalysisModel& model = ctx->model;
      model.options.IUNITS = kUnitsUsCustomary;
      setUnitLabels(model);
      PileModel& pm = model.pileModel;
      for (int k = 1; k <= pm.N; ++k) {
        PileNode& node = pm.node[k];
        if (c.soilModulusGrowsWithDepth) node.Es = 2.0 * node.x;
        if (node.x <= 300.0) node.w = c.distributedLoad;
      }
      Solve_Pile_Deflections(*ctx, 1);
      if (loaded) {
        pm.node[100].w += 2.0;
        pm.node[101].w -= 1.0;
      }
      const CaseResponse response = computeCaseResponse(model, 1, {1, true});
      EXPECT_EQ(ctx->report.text(), "");
      EXPECT_EQ(ctx->messages.text(), "");

      double momentScale = 0.0;
      for (int k = 1; k <= pm.N; ++k) {
        momentScale = std::max(momentScale, std::fabs(response.nodes[k].M));
      }
      ASSERT_GT(momentScale, 2.0e5);
      const double noise = 1.0e-10 * momentScale;
      const std::vector<SegmentImbalance> segments = imbalancesFromResponse(pm, response);
      for (int a = 3; a <= pm.N + 1; ++a) {
        if (loaded && a >= 101 && a <= 103) continue;
        EXPECT_LT(std::fabs(segments[static_cast<std::size_t>(a)].force), noise) << "node " << a;
        EXPECT_LT(std::fabs(segments[static_cast<std::size_t>(a)].moment), noise) << "node " << a;
      }

      auto walked = makeElasticPile(ElasticPile{}, c.head);
      walked->model.options.IUNITS = kUnitsUsCustomary;
      setUnitLabels(walked->model);
      walked->model.pileModel = pm;
      const EquilibriumCheck check = checkSolvedPile(*walked);
      const EquilibriumResult& result = response.equilibrium;
      EXPECT_EQ(result.Mmax, check.Mmax);
      EXPECT_EQ(result.nodeM, check.nodeM);
      EXPECT_EQ(result.Fmax, check.Fmax);
      EXPECT_EQ(result.nodeF, check.nodeF);
      EXPECT_EQ(result.limit, 1.0);
      if (loaded) {
        EXPECT_NEAR(result.Mmax, 4.0, noise);
        EXPECT_EQ(result.nodeM, 102);
        EXPECT_EQ(result.verdict, EquilibriumVerdict::kUnbalanced);
      } else {
        EXPECT_LT(std::fabs(result.Mmax), noise);
        EXPECT_EQ(result.verdict, EquilibriumVerdict::kBalanced);
      }
    }
  }
}

// ---- a hand-made shape in exact equilibrium --------------------------------

// y = a (x - L)^3 on a pile without soil: the moment 6 a EI (x - L) falls
// linearly to zero at the tip and the shear 6 a EI is constant, so every
// segment balances exactly. Loads w put on nodes afterwards are then the only
// imbalance.
constexpr double kA = 1.0e-9;
constexpr double kEI = 1.0e10;
constexpr double kLength = 1000.0;  // 100 increments of h = 10

std::unique_ptr<engine::RunContext> balancedShape(int units, double a = kA) {
  ElasticPile pile;
  pile.length = kLength;
  pile.increments = 100;
  pile.EI = kEI;
  pile.Es = 0.0;
  HeadCondition headCondition;
  headCondition.loadType = HeadLoadType::kShearMoment;
  headCondition.Pt = 6.0 * a * kEI;
  headCondition.Mt = -6.0 * a * kEI * kLength;
  auto ctx = makeElasticPile(pile, headCondition);
  AnalysisModel& model = ctx->model;
  model.options.IUNITS = units;
  setUnitLabels(model);
  PileModel& pm = model.pileModel;
  for (int k = -1; k <= pm.N + 1; ++k) {
    const double x = (k - 1) * pm.h;
    pm.y(k) = a * (x - kLength) * (x - kLength) * (x - kLength);
  }
  pm.vTip = 6.0 * a * kEI;
  return ctx;
}

TEST(Equilibrium, ShapeInEquilibriumHasNoImbalance) {
  auto ctx = balancedShape(kUnitsUsCustomary);
  const EquilibriumCheck check = checkSolvedPile(*ctx);
  // Moments of 60000 in-lb and a shear of 60 lb balance to rounding.
  EXPECT_LT(std::fabs(check.Mmax), 1.0e-6);
  EXPECT_LT(std::fabs(check.Fmax), 1.0e-8);
}

// The warning block shared by both files, between its title and its last lines.
std::vector<std::string> warningText() {
  return {"",
          "Force and moment imbalances may be too large for a good solution.",
          "",
          "The cause of the imbalance may be due to extreme changes in magnitude",
          "of nonlinear bending stiffness within three nodal points of the top of the pile",
          "which may affect the finite difference computation of shear force.",
          "",
          "Please examine curves and printed output for deflection, moment, shear force,",
          "and number of iterations to determine if computed values are reasonable.",
          "If the shear force shows large changes, increase the number of nodal points",
          "(pile increments) and repeat the analysis.",
          ""};
}

std::string warning(const std::string& title, const std::vector<std::string>& last) {
  std::vector<std::string> rows = {"", "", title};
  for (const std::string& row : warningText()) rows.push_back(row);
  for (const std::string& row : last) rows.push_back(row);
  return joined(rows);
}

const std::string kVerified =
    "\nOutput Verification: Computed forces and moments are within specified convergence "
    "limits.\n\n";

struct VerdictCase {
  const char* name;
  int units;
  double amplitude;  // of the balanced shape, small enough for the rounding
                     // of its moments to stay below the last digit printed
  bool summaryOnly;
  bool kmatrix;
  double q0;  // load on node 50; half of it, reversed, on node 51
  std::string report;
  std::string messages;
};

// With h = 10, w(50) = q0 and w(51) = -q0/2: the segment 49-50 carries
// h/2 q0 (node a = 51), the largest force; the segment 50-51 has the moment
// h^2/2 q0 of the load at its upper node (a = 52), the largest moment.
TEST(Equilibrium, VerdictFollowsTheUnitsTheOptionsAndTheLimit) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const VerdictCase cases[] = {
      {"US, balanced", kUnitsUsCustomary, kA, false, false, 0.0, kVerified, ""},
      {"US, 2.5 in-lbs", kUnitsUsCustomary, kA, false, false, 0.05,
       warning("**** Warning - POSSIBLE SOLUTION ERROR 5501 ****",
               {"Maximum internal moment imbalance for pile        =      2.50000 in-lbs",
                "Maximum internal lateral force imbalance for pile =      0.25000 lbs"}),
       warning("**** Warning - POSSIBLE SOLUTION ERROR 550 ****",
               {"Maximum internal moment imbalance for pile solution         =  2.50000E+00 "
                "in-lbs at node 52",
                "Maximum internal lateral force imbalance for pile  solution =  2.50000E-01 lbs "
                "at node 51"})},
      {"US, 0.9 in-lbs is within the limit", kUnitsUsCustomary, kA, false, false, 0.018, kVerified,
       ""},
      {"US, summary only", kUnitsUsCustomary, kA, true, false, 0.0, "", ""},
      {"US, stiffness matrix, 2.5 in-lbs", kUnitsUsCustomary, kA, false, true, 0.05,
       warning("**** Warning - POSSIBLE SOLUTION ERROR 5501 ****",
               {"Maximum internal moment imbalance for pile        =      2.50000 in-lbs",
                "Maximum internal lateral force imbalance for pile =      0.25000 lbs"}),
       warning("**** Warning - POSSIBLE SOLUTION ERROR 550 ****",
               {"Maximum internal moment imbalance for pile solution         =  2.50000E+00 "
                "in-lbs at node 52",
                "Maximum internal lateral force imbalance for pile  solution =  2.50000E-01 lbs "
                "at node 51"})},
      {"SI, 0.0002 kN-m", kUnitsSi, 1.0e-15, false, false, 4.0e-6,
       warning("**** Warning - Possible Solution Error 5501 ****",
               {"Maximum internal moment imbalance for pile        =    0.0002000 m-kN",
                "Maximum internal lateral force imbalance for pile =    0.0000200 kN"}),
       warning("**** Warning - Possible Solution Error 550 ****",
               {"Maximum internal moment imbalance for pile solution         =  2.00000E-04 "
                "m-kN at node 52",
                "Maximum internal lateral force imbalance for pile  solution =  2.00000E-05 kN "
                "at node 51"})},
      {"SI, 0.0001 kN-m is within the limit", kUnitsSi, 1.0e-15, false, false, 2.0e-6, kVerified,
       ""},
      {"general units", kUnitsGeneral, kA, false, false, 0.05, "", ""},
      // A load that is not a number gives imbalances that are not numbers:
      // neither line is written.
      {"not a number", kUnitsUsCustomary, kA, false, false, nan, "", ""},
  };
  for (const VerdictCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto ctx = balancedShape(c.units, c.amplitude);
    AnalysisModel& model = ctx->model;
    model.options.printSummaryOnly = c.summaryOnly;
    model.options.computeKmatrix = c.kmatrix;
    model.pileModel.node[50].w = c.q0;
    model.pileModel.node[51].w = -c.q0 / 2.0;
    const EquilibriumCheck check = checkSolvedPile(*ctx);
    EXPECT_EQ(ctx->report.text(), c.report);
    EXPECT_EQ(ctx->messages.text(), c.messages);
    if (c.q0 > 0.0) {
      EXPECT_NEAR(check.Mmax, 50.0 * c.q0, 1.0e-6);
      EXPECT_EQ(check.nodeM, 52);
      EXPECT_NEAR(check.Fmax, 5.0 * c.q0, 1.0e-8);
      EXPECT_EQ(check.nodeF, 51);
    }
  }
}

// The tip segment takes the tip shear and no tip moment: a tip shear that
// does not match the shear of the pile is a force imbalance of the
// completion call (node N + 1), and the moment of that shear over the last
// increment is not (the tip moment is zero whatever the shear).
TEST(Equilibrium, TipSegmentUsesTheTipShear) {
  auto ctx = balancedShape(kUnitsUsCustomary);
  ctx->model.options.printSummaryOnly = true;
  PileModel& pm = ctx->model.pileModel;
  EquilibriumCheck check;
  for (int i = 1; i <= pm.N; ++i) {
    Compute_Node_Response(ctx->model, i);
    if (i >= 3) {
      Verify_Node_Equilibrium(pm, check, i, pm.node[i].M);
    } else {
      recordNodeMoment(check, pm.node[i].M);
    }
  }
  pm.vTip += 7.0;  // the shear at the tip as a tip shear curve might give it
  completeEquilibriumCheck(pm, check);
  EXPECT_NEAR(check.Fmax, -7.0, 1.0e-8);
  EXPECT_EQ(check.nodeF, pm.N + 1);
  EXPECT_LT(std::fabs(check.Mmax), 1.0e-6);
}

}  // namespace
}  // namespace quarn::analysis
