// The equation solution and the node responses: agreement of the five head
// conditions, repeated solutions, the recursion coefficients, the tip shear,
// the small-pivot stop, equilibrium of a solved pile and the maxima tables.

#include "analysis/solver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "analysis/case_response.h"
#include "analysis/node_response.h"
#include "engine/messages.h"
#include "pile_fixture.h"

namespace quarn::analysis {
namespace {

using testing::ElasticPile;
using testing::makeElasticPile;
using testing::shearAndMoment;

constexpr double kEI = 1.0e10;
constexpr double kSubgrade = 1000.0;

std::vector<double> deflections(const PileModel& pm) {
  std::vector<double> y;
  for (int k = -1; k <= pm.N + 1; ++k) y.push_back(pm.y(k));
  return y;
}

double largestMagnitude(const std::vector<double>& values) {
  double largest = 0.0;
  for (double v : values) largest = std::max(largest, std::abs(v));
  return largest;
}

void computeResponses(AnalysisModel& model) {
  for (int k = 1; k <= model.pileModel.N; ++k) Compute_Node_Response(model, k);
}

// A linear pile that exercises every term: soil modulus growing with depth,
// a distributed load over the upper part and an axial thrust.
void makeLinearPileRicher(PileModel& pm) {
  for (int k = 1; k <= pm.N; ++k) {
    PileNode& node = pm.node[k];
    node.Es = 500.0 + 2.0 * node.x;
    node.w = node.x <= 200.0 ? 5.0 : 0.0;
  }
}

TEST(HeadConditions, AllFiveLoadTypesGiveTheSameDeflectedShape) {
  const double H = 10000.0;
  const double M = -5.0e5;
  const double thrust = 0.2 * 2.0 * std::sqrt(kSubgrade * kEI);
  const ElasticPile pile{.length = 1000.0, .increments = 500, .EI = kEI, .Es = kSubgrade};

  auto reference = makeElasticPile(pile, shearAndMoment(H, M, thrust));
  makeLinearPileRicher(reference->model.pileModel);
  Solve_Pile_Deflections(*reference, 1);
  computeResponses(reference->model);
  const PileModel& ref = reference->model.pileModel;
  const std::vector<double> expected = deflections(ref);
  const double yHead = ref.y(1);
  const double slope = ref.computedHeadSlope;
  ASSERT_LT(slope, 0.0);  // partly restrained: the head still rotates

  struct Case {
    std::string name;
    HeadLoadType loadType;
    double Pt, Mt, St, Ktheta, Yt;
  };
  const Case cases[] = {
      {"4: deflection and moment", HeadLoadType::kDeflectionMoment, 0.0, M, 0.0, 0.0, yHead},
      {"5: deflection and slope", HeadLoadType::kDeflectionSlope, 0.0, 0.0, slope, 0.0, yHead},
      {"2: shear and slope", HeadLoadType::kShearSlope, H, 0.0, slope, 0.0, 0.0},
      {"3: shear and rotational stiffness", HeadLoadType::kShearRotationalStiffness, H, 0.0, 0.0,
       M / slope, 0.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HeadCondition head{c.loadType, c.Pt, c.Mt, c.St, c.Ktheta, c.Yt, thrust};
    auto ctx = makeElasticPile(pile, head);
    makeLinearPileRicher(ctx->model.pileModel);
    Solve_Pile_Deflections(*ctx, 1);
    const std::vector<double> y = deflections(ctx->model.pileModel);
    const double tolerance = 1e-9 * largestMagnitude(expected);
    for (std::size_t i = 0; i < y.size(); ++i) {
      ASSERT_NEAR(y[i], expected[i], tolerance) << "node " << static_cast<int>(i) - 1;
    }

    // The computed head values are results of the case's response; the
    // head condition keeps what the case prescribed.
    computeResponses(ctx->model);
    const CaseResponse computed = computeCaseResponse(ctx->model, 1, {1, true});
    const HeadCondition& condition = ctx->model.pileModel.head;
    EXPECT_EQ(condition.Pt, c.Pt);
    EXPECT_EQ(condition.Mt, c.Mt);
    switch (c.loadType) {
      case HeadLoadType::kDeflectionMoment:
        EXPECT_NEAR(computed.headShear, H, 1e-6 * H);
        break;
      case HeadLoadType::kShearSlope:
      case HeadLoadType::kShearRotationalStiffness:
        EXPECT_NEAR(computed.headMoment, M, 1e-6 * std::abs(M));
        break;
      case HeadLoadType::kDeflectionSlope:
        // One-sided differences into the pile: close, not exact.
        EXPECT_NEAR(computed.headShear, H, 0.01 * H);
        EXPECT_NEAR(computed.headMoment, M, 1e-6 * std::abs(M));
        EXPECT_EQ(ctx->model.pileModel.node[1].S, slope);
        EXPECT_EQ(computed.nodes[1].S, slope);
        EXPECT_NEAR(ctx->model.pileModel.computedHeadSlope, slope, 0.01 * std::abs(slope));
        EXPECT_EQ(computed.headSlope, ctx->model.pileModel.computedHeadSlope);
        break;
      default:
        break;
    }
  }
}

TEST(HeadConditions, ZeroRotationalStiffnessIsAFreeHead) {
  const ElasticPile pile{.length = 1000.0, .increments = 400, .EI = kEI, .Es = kSubgrade};
  auto free = makeElasticPile(pile, shearAndMoment(8000.0, 0.0));
  HeadCondition spring;
  spring.loadType = HeadLoadType::kShearRotationalStiffness;
  spring.Pt = 8000.0;
  spring.Ktheta = 0.0;
  auto restrained = makeElasticPile(pile, spring);
  Solve_Pile_Deflections(*free, 1);
  Solve_Pile_Deflections(*restrained, 1);
  EXPECT_EQ(deflections(free->model.pileModel), deflections(restrained->model.pileModel));
}

TEST(Solution, ALinearCaseSolvedTwiceDoesNotChange) {
  auto ctx = makeElasticPile({.EI = kEI, .Es = kSubgrade}, shearAndMoment(10000.0, 1.0e6));
  const PileModel& pm = ctx->model.pileModel;
  Solve_Pile_Deflections(*ctx, 1);
  const double first = pm.dYmax;
  // From zero deflections the first change is the largest deflection.
  std::vector<double> real;
  for (int k = 1; k <= pm.N; ++k) real.push_back(pm.y(k));
  EXPECT_EQ(first, largestMagnitude(real));
  EXPECT_EQ(pm.deltaDYmax, first);

  Solve_Pile_Deflections(*ctx, 2);
  EXPECT_EQ(pm.dYmax, 0.0);
  EXPECT_EQ(pm.deltaDYmax, first);
  Solve_Pile_Deflections(*ctx, 3);
  EXPECT_EQ(pm.deltaDYmax, 0.0);
}

TEST(Solution, ADeflectionThatIsNotANumberReachesTheLargestChange) {
  // The caller stops the run when dYmax is not a number; the largest-change
  // search must not skip it, wherever along the pile it appears.
  for (int node : {2, 250, 500}) {
    SCOPED_TRACE(node);
    auto ctx = makeElasticPile({.EI = kEI, .Es = kSubgrade}, shearAndMoment(10000.0, 0.0));
    PileModel& pm = ctx->model.pileModel;
    pm.node[node].Es = std::nan("");
    Solve_Pile_Deflections(*ctx, 1);
    EXPECT_TRUE(std::isnan(pm.dYmax));
    EXPECT_TRUE(std::isnan(pm.deltaDYmax));
  }
}

TEST(Solution, ADistributedLoadChangesOnlyTheLoadTermsOfTheRecursion) {
  const ElasticPile pile{.length = 600.0, .increments = 300, .EI = kEI, .Es = kSubgrade};
  auto unloaded = makeElasticPile(pile, shearAndMoment(0.0, 0.0));
  auto loaded = makeElasticPile(pile, shearAndMoment(0.0, 0.0));
  for (auto* ctx : {unloaded.get(), loaded.get()}) {
    PileModel& pm = ctx->model.pileModel;
    for (int k = 1; k <= pm.N; ++k) {
      if (pm.node[k].x < 100.0) pm.node[k].Es = 0.0;  // above the ground surface
      if (ctx == loaded.get()) pm.node[k].w = 3.0;
    }
    Solve_Pile_Deflections(*ctx, 1);
  }
  const PileModel& a = unloaded->model.pileModel;
  const PileModel& b = loaded->model.pileModel;
  for (int m = 1; m <= a.N; ++m) {
    SCOPED_TRACE(m);
    EXPECT_EQ(a.recursion.D[m], b.recursion.D[m]);
    EXPECT_EQ(a.recursion.a[m], b.recursion.a[m]);
    EXPECT_EQ(a.recursion.b[m], b.recursion.b[m]);
    EXPECT_EQ(a.recursion.c[m], 0.0);
    EXPECT_NE(b.recursion.c[m], 0.0);
  }
  EXPECT_EQ(largestMagnitude(deflections(a)), 0.0);
}

TEST(TipShear, ReadFromTheCurveAtTheTipDeflection) {
  struct Case {
    std::string name;
    bool used;
    std::vector<std::pair<double, double>> curve;
    double tipDeflection;
    double previousShear;  // read from the curve by the previous solution
    double expected;
  };
  const std::vector<std::pair<double, double>> line = {{0.0, 0.0}, {1.0, 100.0}};
  const Case cases[] = {
      {"option off", false, line, 0.5, 0.0, 0.0},
      {"on the curve", true, line, 0.5, 0.0, 50.0},
      {"negative deflection, negative shear", true, line, -0.5, 0.0, -50.0},
      {"beyond the last point", true, line, 3.0, 0.0, 100.0},
      {"three points", true, {{0.0, 0.0}, {0.2, 40.0}, {1.0, 60.0}}, -0.6, 0.0, -50.0},
      {"single point passed", true, {{0.1, 30.0}}, 0.5, 7.0, 30.0},
      {"single point not reached keeps the previous shear", true, {{0.1, 30.0}}, 0.05, 7.0, 7.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto ctx = makeElasticPile({.length = 200.0, .increments = 100});
    AnalysisModel& model = ctx->model;
    model.options.useTipShear = c.used;
    TipShearCurve& curve = model.tables.tipShear;
    curve.points = static_cast<int>(c.curve.size());
    for (int i = 1; i <= curve.points; ++i) {
      curve.displacement[i] = c.curve[i - 1].first;
      curve.shear[i] = c.curve[i - 1].second;
    }
    model.pileModel.y(model.pileModel.N) = c.tipDeflection;
    model.pileModel.tipShearMagnitude = c.previousShear;
    updateTipShear(model);
    EXPECT_DOUBLE_EQ(model.pileModel.vTip, c.expected);
  }
}

TEST(Solution, ASolvedPileIsInEquilibriumWithTipShearAndSoilMovement) {
  // A short pile (lambda L = 2.5) so the tip moves and the tip shear acts.
  const double H = 20000.0;
  const double q = 3.0;
  auto ctx = makeElasticPile({.length = 200.0, .increments = 200, .EI = kEI, .Es = kSubgrade},
                             shearAndMoment(H, 0.0));
  AnalysisModel& model = ctx->model;
  model.options.useTipShear = true;
  model.tables.tipShear.points = 1;
  model.tables.tipShear.displacement[1] = 0.0;
  model.tables.tipShear.shear[1] = 2000.0;
  model.options.useSoilMovement = true;
  PileModel& pm = model.pileModel;
  for (int k = 1; k <= pm.N; ++k) {
    PileNode& node = pm.node[k];
    node.ys = 0.05 * (1.0 - node.x / 200.0);
    node.w = node.ys * node.Es + q;  // SoilMoveLoad, as the layer sweep stores it
  }
  Solve_Pile_Deflections(*ctx, 1);
  ASSERT_EQ(pm.vTip, 0.0);  // the tip has not moved before the first solution
  Solve_Pile_Deflections(*ctx, 2);
  ASSERT_EQ(std::abs(pm.vTip), 2000.0);
  computeResponses(model);
  EXPECT_EQ(pm.node[pm.N].V, pm.vTip);
  EXPECT_EQ(pm.node[pm.N].M, 0.0);

  // Lateral forces on the pile: the head shear, the soil reaction p and the
  // distributed load along the pile, and the tip shear at the tip.
  double alongPile = 0.0;
  for (int k = 1; k <= pm.N; ++k) {
    const double weight = (k == 1 || k == pm.N) ? pm.h / 2.0 : pm.h;
    alongPile += (pm.node[k].p + q) * weight;
    EXPECT_DOUBLE_EQ(pm.node[k].p, -pm.node[k].Es * (pm.y(k) - pm.node[k].ys));
  }
  EXPECT_NEAR(H + alongPile - pm.vTip, 0.0, 1e-6 * H);
}

TEST(HeadSystem, ASmallPivotStopsTheRunWithRuntimeError11) {
  auto ctx = makeElasticPile({.length = 200.0, .increments = 100});
  PileModel& pm = ctx->model.pileModel;
  // Column 1 eliminates row 2 to a zero pivot in column 2.
  const double F[5][5] = {{1.0, 2.0, 0.0, 0.0, 0.0},
                          {0.5, 1.0, 3.0, 0.0, 0.0},
                          {0.0, 1.0, 1.0, 0.0, 0.0},
                          {0.0, 0.0, 0.0, 1.0, 0.0},
                          {0.0, 0.0, 0.0, 0.0, 1.0}};
  for (int i = 1; i <= 5; ++i) {
    for (int j = 1; j <= 5; ++j) pm.recursion.F[i][j] = F[i - 1][j - 1];
    pm.recursion.G[i] = i;
    pm.recursion.YG[i] = 0.0;
  }
  EXPECT_THROW(Solve_Head_Equations(*ctx, 5), engine::RunStopped);
  EXPECT_EQ(ctx->model.state.errorCode, 211);

  const std::string block =
      "**** Runtime Error No. 11 ****\n"
      "\n"
      "Problem:  Solution failed due to small pivot value.\n"
      "          Node number = 2\n"
      "          Pivot value =  0.00000E+00\n"
      "\n"
      "Solution: This error usually occurs when a lateral bearing capacity failure occurs.  \n"
      "          Reduce the load on the pile and repeat the analysis.\n"
      "          You may also consider increasing pile diameter or pile length.\n";
  EXPECT_EQ(ctx->messages.text(), block);
  EXPECT_EQ(ctx->report.text(),
            block +
                "\n\nF Matrix \n\n"
                "  1.0000E+00  2.0000E+00  0.0000E+00  0.0000E+00  0.0000E+00\n"
                "  5.0000E-01  0.0000E+00  3.0000E+00  0.0000E+00  0.0000E+00\n"
                "  0.0000E+00  1.0000E+00  1.0000E+00  0.0000E+00  0.0000E+00\n"
                "  0.0000E+00  0.0000E+00  0.0000E+00  1.0000E+00  0.0000E+00\n"
                "  0.0000E+00  0.0000E+00  0.0000E+00  0.0000E+00  1.0000E+00\n"
                "\n"
                "\n\nG Vector \n\n"
                "  1.0000E+00\n  1.5000E+00\n  3.0000E+00\n  4.0000E+00\n  5.0000E+00\n"
                "\n"
                "\n\nYG Vector\n\n"
                "  0.0000E+00\n  0.0000E+00\n  0.0000E+00\n  0.0000E+00\n  0.0000E+00\n"
                "\n");
}

TEST(HeadSystem, SolvesWithoutRowExchanges) {
  auto ctx = makeElasticPile({.length = 200.0, .increments = 100});
  PileModel& pm = ctx->model.pileModel;
  // A 4 x 4 system with the solution (1, -2, 3, -4).
  const double F[4][4] = {
      {4.0, 1.0, 0.0, 2.0}, {1.0, 5.0, 1.0, 0.0}, {0.0, 2.0, 6.0, 1.0}, {1.0, 0.0, 1.0, 7.0}};
  const double x[4] = {1.0, -2.0, 3.0, -4.0};
  for (int i = 1; i <= 4; ++i) {
    pm.recursion.G[i] = 0.0;
    for (int j = 1; j <= 4; ++j) {
      pm.recursion.F[i][j] = F[i - 1][j - 1];
      pm.recursion.G[i] += F[i - 1][j - 1] * x[j - 1];
    }
  }
  Solve_Head_Equations(*ctx, 4);
  for (int i = 1; i <= 4; ++i) EXPECT_NEAR(pm.recursion.YG[i], x[i - 1], 1e-14) << i;
  EXPECT_EQ(ctx->model.state.errorCode, 0);
}

TEST(Solution, ALoadTypeOutsideOneToFiveIsAnInternalError) {
  HeadCondition head;
  head.loadType = static_cast<HeadLoadType>(6);
  auto ctx = makeElasticPile({.length = 200.0, .increments = 100}, head);
  EXPECT_THROW(Solve_Pile_Deflections(*ctx, 1), engine::InvariantBroken);
}

TEST(NodeResponse, StressAndMaximaPerSection) {
  const double E = 29.0e6;
  const double I1 = kEI / E;
  const double thrust = 50000.0;
  auto ctx = makeElasticPile({.length = 1000.0, .increments = 500, .EI = kEI, .Es = kSubgrade});
  AnalysisModel& model = ctx->model;
  // Section 2 from 300 down: an embedded pole of twice the inertia, width 20
  // in a drilled hole of 30.
  Pile& pile = model.pile;
  pile.numberOfSections = 2;
  pile.numberOfStations = 4;
  pile.sections[1].bottomDepth = 300.0;
  pile.sections[2] = pile.sections[1];
  pile.sections[2].topDepth = 300.0;
  pile.sections[2].bottomDepth = 1000.0;
  pile.sections[2].elastic.shape = kShapeEmbeddedPole;
  pile.stations[2].depth = 300.0;
  pile.stations[3] = {300.0, 30.0, 20.0, 2.0 * I1, E, 150.0};
  pile.stations[4] = {1000.0, 30.0, 20.0, 2.0 * I1, E, 150.0};
  setupPileModel(*ctx);
  PileModel& pm = model.pileModel;
  for (int k = 1; k <= pm.N; ++k) pm.node[k].Es = kSubgrade;
  startLoadCase(pm, shearAndMoment(10000.0, 0.0, thrust));
  Solve_Pile_Deflections(*ctx, 1);
  computeResponses(model);
  const CaseResponse response = computeCaseResponse(model, 3, {1, true});

  // Stress: |Q| / A + |M| c / I, c = D / 2 in section 1 and D2 / 2 for the pole.
  const PileNode& upper = pm.node[100];  // x = 198
  const PileNode& lower = pm.node[200];  // x = 398
  ASSERT_EQ(upper.section, 1);
  ASSERT_EQ(lower.section, 2);
  EXPECT_DOUBLE_EQ(upper.stress, thrust / 100.0 + std::abs(upper.M) * 12.0 / I1);
  EXPECT_DOUBLE_EQ(lower.stress, thrust / 150.0 + std::abs(lower.M) * 10.0 / (2.0 * I1));

  double largestStress = 0.0;
  for (int s = 1; s <= 2; ++s) {
    SCOPED_TRACE("section " + std::to_string(s));
    double moment = 0.0, shear = 0.0;
    for (int k = 1; k <= pm.N; ++k) {
      const PileNode& node = pm.node[k];
      EXPECT_EQ(node.momentCopy, node.M);
      EXPECT_EQ(response.nodes[k].M, node.M);
      EXPECT_EQ(response.nodes[k].V, node.V);
      EXPECT_EQ(response.nodes[k].stress, node.stress);
      largestStress = std::max(largestStress, node.stress);
      if (node.section != s) continue;
      moment = std::max(moment, std::abs(node.M));
      shear = std::max(shear, std::abs(node.V));
    }
    const SectionMaxima& entry = response.sectionMaxima[s];
    EXPECT_EQ(std::abs(entry.moment), moment);
    EXPECT_EQ(entry.moment, pm.node[entry.momentNode].M);
    EXPECT_EQ(pm.node[entry.momentNode].section, s);
    EXPECT_EQ(std::abs(entry.shear), shear);
    EXPECT_EQ(entry.shear, pm.node[entry.shearNode].V);
  }
  EXPECT_EQ(response.maxStress, largestStress);

  // Kept for the summary under the case number; other load cases untouched.
  model.results.cases[3] = caseResultOf(response);
  EXPECT_EQ(model.results.cases[3].sectionMaxima[2].shearNode, response.sectionMaxima[2].shearNode);
  EXPECT_EQ(model.results.cases[1].sectionMaxima[1].momentNode, 0);

  // A response computed again into the same value starts its maxima afresh:
  // with the pile at rest every maximum is 0.
  pm.deflection.fill(0.0);
  CaseResponse again = response;
  computeCaseResponse(model, 3, {1, true}, again);
  EXPECT_EQ(again.sectionMaxima[1].moment, 0.0);
  EXPECT_EQ(again.sectionMaxima[1].momentNode, 0);
  EXPECT_EQ(again.sectionMaxima[2].shearNode, 0);
  EXPECT_EQ(again.maxMoment, 0.0);
}

}  // namespace
}  // namespace quarn::analysis
