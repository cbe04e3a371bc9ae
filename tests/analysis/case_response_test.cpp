// The response of a solved case as a value: computing it writes nothing and
// leaves the head condition as the case prescribed it; its node table holds
// the node results of the solution, with the soil springs over the
// tributary lengths; the head shear it computes for a prescribed deflection
// is the shear that gives that deflection.
#include "analysis/case_response.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "analysis/node_response.h"
#include "analysis/solver.h"
#include "pile_fixture.h"

namespace quarn::analysis {
namespace {

using testing::ElasticPile;
using testing::makeElasticPile;
using testing::shearAndMoment;

// 1000 in, 500 increments (h = 2 in), EI = 1.0E10, Es = 1000 lb/in2.
const ElasticPile kPile{};

HeadCondition condition(HeadLoadType type, double Pt, double Mt, double St, double Ktheta,
                        double Yt, double Q) {
  return {type, Pt, Mt, St, Ktheta, Yt, Q};
}

struct HeadCase {
  const char* name;
  HeadCondition head;
};

const HeadCase kHeads[] = {
    {"1: shear and moment", condition(HeadLoadType::kShearMoment, 1.0e4, 5.0e5, 0, 0, 0, 5.0e4)},
    {"2: fixed head", condition(HeadLoadType::kShearSlope, 1.0e4, 0, 0, 0, 0, 5.0e4)},
    {"3: rotational restraint",
     condition(HeadLoadType::kShearRotationalStiffness, 1.0e4, 0, 0, 1.0e9, 0, 0)},
    {"4: deflection and moment",
     condition(HeadLoadType::kDeflectionMoment, 0, -1.0e5, 0, 0, 0.2, 0)},
    {"5: deflection and slope",
     condition(HeadLoadType::kDeflectionSlope, 0, 0, -0.001, 0, 0.2, 2.0e4)},
};

TEST(CaseResponse, ComputingWritesNothingAndKeepsTheNodeResults) {
  for (const HeadCase& c : kHeads) {
    for (const bool unbalanced : {false, true}) {
      SCOPED_TRACE(std::string(c.name) + (unbalanced ? ", unbalanced" : ""));
      auto ctx = makeElasticPile(kPile, c.head);
      AnalysisModel& model = ctx->model;
      model.options.IUNITS = kUnitsUsCustomary;
      setUnitLabels(model);
      PileModel& pm = model.pileModel;
      Solve_Pile_Deflections(*ctx, 1);
      // A load put on the solved pile: the check finds it, nothing reports it.
      if (unbalanced) pm.node[100].w += 50.0;

      const CaseResponse r = computeCaseResponse(model, 7, {12, true});
      EXPECT_EQ(ctx->report.text(), "");
      EXPECT_EQ(ctx->plot.text(), "");
      EXPECT_EQ(ctx->messages.text(), "");
      EXPECT_EQ(ctx->console.text(), "");
      EXPECT_EQ(model.state.errorCode, 0);
      EXPECT_EQ(r.equilibrium.verdict,
                unbalanced ? EquilibriumVerdict::kUnbalanced : EquilibriumVerdict::kBalanced);

      EXPECT_EQ(r.loadCase, 7);
      EXPECT_EQ(r.outcome.iterations, 12);
      EXPECT_TRUE(r.outcome.converged);
      ASSERT_EQ(r.N, pm.N);
      ASSERT_EQ(r.nodes.size(), static_cast<std::size_t>(pm.N) + 1);
      // The node results the iteration stores in the model are the same numbers.
      for (int k = 1; k <= pm.N; ++k) Compute_Node_Response(model, k);
      for (int k = 1; k <= pm.N; ++k) {
        const PileNode& node = pm.node[k];
        const NodeResult& n = r.nodes[k];
        ASSERT_EQ(n.x, node.x) << k;
        EXPECT_EQ(n.y, pm.y(k)) << k;
        EXPECT_EQ(n.M, node.M) << k;
        EXPECT_EQ(n.V, node.V) << k;
        EXPECT_EQ(n.S, node.S) << k;
        EXPECT_EQ(n.p, node.p) << k;
        EXPECT_EQ(n.stress, node.stress) << k;
        EXPECT_EQ(n.EI, node.EI) << k;
        EXPECT_EQ(n.w, node.w) << k;
        // Es over the tributary length: h = 2 in, half of it at the head and the tip.
        EXPECT_DOUBLE_EQ(n.spring, (k == 1 || k == pm.N) ? 1000.0 : 2000.0) << k;
      }
      EXPECT_EQ(r.headDeflection(), pm.y(1));
      EXPECT_EQ(r.headShear, pm.node[1].V);
      EXPECT_EQ(r.headMoment, pm.node[1].M);
      EXPECT_EQ(r.headSlope, pm.computedHeadSlope);
    }
  }
}

// The head condition stays what the case prescribed; the head shear and
// moment the solution gives belong to the response.
TEST(CaseResponse, HeadConditionStaysAsPrescribed) {
  for (const HeadCase& c : kHeads) {
    SCOPED_TRACE(c.name);
    auto ctx = makeElasticPile(kPile, c.head);
    AnalysisModel& model = ctx->model;
    Solve_Pile_Deflections(*ctx, 1);
    for (int k = 1; k <= model.pileModel.N; ++k) Compute_Node_Response(model, k);
    const CaseResponse r = computeCaseResponse(model, 1, {1, true});
    const HeadCondition& after = model.pileModel.head;
    EXPECT_EQ(after.loadType, c.head.loadType);
    EXPECT_EQ(after.Pt, c.head.Pt);
    EXPECT_EQ(after.Mt, c.head.Mt);
    EXPECT_EQ(after.St, c.head.St);
    EXPECT_EQ(after.Ktheta, c.head.Ktheta);
    EXPECT_EQ(after.Yt, c.head.Yt);
    EXPECT_EQ(after.Q, c.head.Q);
    EXPECT_NE(r.headShear, 0.0);
  }
}

// Load type 4: the head shear of the response, applied with the prescribed
// moment as load type 1, deflects the head by the prescribed deflection.
TEST(CaseResponse, HeadShearOfAPrescribedDeflectionGivesThatDeflection) {
  const double Yt = 0.2;
  const double Mt = -1.0e5;
  auto deflected =
      makeElasticPile(kPile, condition(HeadLoadType::kDeflectionMoment, 0, Mt, 0, 0, Yt, 0));
  Solve_Pile_Deflections(*deflected, 1);
  const CaseResponse r = computeCaseResponse(deflected->model, 1, {1, true});
  ASSERT_GT(r.headShear, 0.0);

  auto loaded = makeElasticPile(kPile, shearAndMoment(r.headShear, Mt));
  Solve_Pile_Deflections(*loaded, 1);
  EXPECT_NEAR(loaded->model.pileModel.y(1), Yt, 1e-6 * Yt);
}

}  // namespace
}  // namespace quarn::analysis
