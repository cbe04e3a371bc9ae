// The bending-stiffness update on hand-made tables: a pile of 41 nodes 10 in
// apart whose deflected shape has a chosen curvature, with a nonlinear (or
// elastic-plastic) section over the upper half and an elastic one below.
// Each case works out by hand which branch of the update applies and the
// stiffness it gives.
#include "analysis/stiffness_update.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "engine/run_context.h"
#include "section/elastic_sections.h"

namespace quarn::analysis {
namespace {

constexpr int kNodes = 41;
constexpr double kH = 10.0;

// Tables of the upper section, in kips: curvature, moment, stiffness.
struct Point {
  double phi, M, EI;
};
const std::vector<Point> kTableAtZero = {
    {1e-5, 100.0, 1e7}, {2e-5, 150.0, 7.5e6}, {4e-5, 180.0, 4.5e6}};
const std::vector<Point> kTableAt100 = {
    {1e-5, 200.0, 2e7}, {2e-5, 300.0, 1.5e7}, {4e-5, 360.0, 9e6}};

void setTable(MomentCurvatureTable& t, double thrust, const std::vector<Point>& points) {
  t.axialThrust = thrust;
  t.points = static_cast<int>(points.size());
  for (int i = 1; i <= t.points; ++i) {
    const Point& p = points[static_cast<std::size_t>(i - 1)];
    t.curvature[static_cast<std::size_t>(i)] = p.phi;
    t.moment[static_cast<std::size_t>(i)] = p.M;
    t.EI[static_cast<std::size_t>(i)] = p.EI;
  }
}

// US customary pile: section 1 (type `upperType`) from 0 to 200 in with a
// station EI of 3e10 lb-in2, section 2 elastic from 200 to 400 in with 5e10.
// Every node starts with `nodeEI` in the upper section; the deflections
// follow y = alpha x^2 / 2 + beta x^3 / 6 (curvature alpha + beta x).
std::unique_ptr<engine::RunContext> pile(SectionType upperType, double nodeEI, double alpha,
                                         double beta = 0.0) {
  auto ctx = engine::makeRunContext();
  AnalysisModel& m = ctx->model;
  m.options.IUNITS = kUnitsUsCustomary;
  m.options.ICOM = kAnalysisFull;
  Pile& p = m.pile;
  p.length = 400.0;
  p.numberOfSections = 2;
  p.sections[1].type = upperType;
  p.sections[1].topDepth = 0.0;
  p.sections[1].bottomDepth = 200.0;
  p.sections[1].elastic.plasticMomentTop = 2.0e5;  // in-lb, elastic-plastic only
  p.sections[1].elastic.plasticMomentBottom = 4.0e5;
  p.sections[2].type = SectionType::Elastic;
  p.sections[2].topDepth = 200.0;
  p.sections[2].bottomDepth = 400.0;
  p.numberOfStations = 4;
  p.stations[1] = {0.0, 24.0, 24.0, 1000.0, 3.0e7, 40.0};
  p.stations[2] = {200.0, 24.0, 24.0, 1000.0, 3.0e7, 40.0};
  p.stations[3] = {200.0, 24.0, 24.0, 1000.0, 5.0e7, 40.0};
  p.stations[4] = {400.0, 24.0, 24.0, 1000.0, 5.0e7, 40.0};

  MomentCurvatureTables& tables = m.momentCurvature;
  tables.numberOfThrusts = 2;
  tables.thrust[1] = 0.0;
  tables.thrust[2] = 100.0;
  SectionCurves& upper = tables.section[1];
  upper.thrusts = 2;
  upper.table.assign(3, MomentCurvatureTable{});
  if (upperType == SectionType::ElasticPlastic) {
    section::fillElasticPlasticTable(3.0e10, 2.0e5, kUnitsUsCustomary, 0.0, upper.table[1]);
    section::fillElasticPlasticTable(3.0e10, 2.0e5, kUnitsUsCustomary, 100.0, upper.table[2]);
  } else {
    setTable(upper.table[1], 0.0, kTableAtZero);
    setTable(upper.table[2], 100.0, kTableAt100);
  }

  PileModel& pm = m.pileModel;
  pm.N = kNodes;
  pm.h = kH;
  pm.length = 400.0;
  for (int k = 1; k <= kNodes; ++k) {
    PileNode& node = pm.node[k];
    node.x = (k - 1) * kH;
    node.section = node.x <= 200.0 ? 1 : 2;
    node.EI = node.section == 1 ? nodeEI : 5.0e10;
  }
  for (int k = -1; k <= kNodes + 1; ++k) {
    const double x = (k - 1) * kH;
    pm.y(k) = alpha * x * x / 2.0 + beta * x * x * x / 6.0;
  }
  return ctx;
}

struct UpdateCase {
  const char* name;
  SectionType upperType;
  double nodeEI;      // lb-in2, upper section
  double alpha;       // rad/in
  double Q;           // lb
  double expectedEI;  // lb-in2 at node 10 (x = 90 in)
  bool beyond;
};

TEST(UpdateBendingStiffness, BranchesOfTheUpdate) {
  const UpdateCase cases[] = {
      // M = 1e10 x 1.5e-5 = 150 kip-in above M1 = 100; phi between points 1
      // and 2: M(phi) = 100 + 50 x 0.5 = 125, EI = 125 / 1.5e-5 kip-in2.
      {"interpolated on the curve", SectionType::RectangularConcrete, 1.0e10, 1.5e-5, 0.0,
       125.0 / 1.5e-5 * 1000.0, false},
      // M = 0.5e10 x 1.5e-5 = 75 kip-in, not above M1: the first stiffness.
      {"moment below the first moment", SectionType::RectangularConcrete, 0.5e10, 1.5e-5, 0.0,
       1.0e10, false},
      // M = 500 kip-in but phi = 5e-6 below the first curvature.
      {"curvature below the first curvature", SectionType::RectangularConcrete, 1.0e11, 5.0e-6, 0.0,
       1.0e10, false},
      // phi = 1e-4 beyond the last point: M_K / phi = 180 / 1e-4.
      {"beyond the table", SectionType::RectangularConcrete, 1.0e10, 1.0e-4, 0.0, 1.8e9, true},
      // 50 kips between the tables of 0 and 100 kips: M = 300 kip-in is
      // above both first moments; EI1 = 125 / 1.5e-5, EI2 = 250 / 1.5e-5.
      {"halfway between two thrusts", SectionType::RectangularConcrete, 2.0e10, 1.5e-5, 50000.0,
       187.5 / 1.5e-5 * 1000.0, false},
      {"at the second thrust", SectionType::RectangularConcrete, 2.0e10, 1.5e-5, 100000.0,
       250.0 / 1.5e-5 * 1000.0, false},
      {"above the last thrust", SectionType::RectangularConcrete, 2.0e10, 1.5e-5, 150000.0,
       250.0 / 1.5e-5 * 1000.0, false},
      {"below the first thrust", SectionType::RectangularConcrete, 2.0e10, 1.5e-5, -50000.0,
       125.0 / 1.5e-5 * 1000.0, false},
      // Elastic-plastic, Mp = 200 + (400 - 200) x 90 / 200 = 290 kip-in at
      // x = 90 in: M = 1e10 x 1.5e-5 = 150 kip-in stays elastic (the
      // station EI 3e10), M = 2e10 x 1.5e-5 = 300 kip-in gives Mp / phi.
      {"elastic-plastic below Mp", SectionType::ElasticPlastic, 1.0e10, 1.5e-5, 0.0, 3.0e10, false},
      {"elastic-plastic at Mp", SectionType::ElasticPlastic, 2.0e10, 1.5e-5, 0.0,
       290.0 / 1.5e-5 * 1000.0, false},
  };
  for (const UpdateCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto ctx = pile(c.upperType, c.nodeEI, c.alpha);
    AnalysisModel& m = ctx->model;
    m.pileModel.head.Q = c.Q;
    updateBendingStiffnessForCase(m);
    const PileNode& node = m.pileModel.node[10];
    EXPECT_NEAR(node.EI / c.expectedEI, 1.0, 1e-9);
    // The moment handed to the tables is in kip-in.
    EXPECT_NEAR(node.momentCopy, c.nodeEI * c.alpha / 1000.0, 1e-9 * c.nodeEI * c.alpha);
    EXPECT_EQ(m.momentCurvature.b_BeyondTable[10], c.beyond);
    EXPECT_EQ(m.momentCurvature.anyBeyondTable, c.beyond);
    // The elastic section below keeps its stiffness whatever its curvature.
    for (int k = 22; k <= kNodes; ++k) EXPECT_EQ(m.pileModel.node[k].EI, 5.0e10) << k;
    EXPECT_FALSE(m.momentCurvature.b_BeyondTable[30]);
  }
}

// The head equations give nodes 1 to 3 one stiffness (the solver takes it
// from node 2): it is the head node's, at the head's own curvature and
// moment, whatever the curvatures of nodes 2 and 3 would give.
TEST(UpdateBendingStiffness, TheHeadNodesShareTheStiffnessOfTheHead) {
  // Curvature 1.2e-5 + 1e-7 x: 1.2e-5 at the head, 1.3e-5 at node 2
  // (x = 10 in), 1.4e-5 at node 3 and 1.5e-5 at node 4, all on the first
  // segment of the table. The head moment 2e10 x 1.2e-5 = 240 kip-in is
  // above M1 = 100: M(1.2e-5) = 100 + 50 x 0.2 = 110 kip-in.
  auto ctx = pile(SectionType::RectangularConcrete, 2.0e10, 1.2e-5, 1.0e-7);
  AnalysisModel& m = ctx->model;
  Update_Bending_Stiffness(m, 1, 0.0);
  const auto& node = m.pileModel.node;
  EXPECT_NEAR(node[2].EI / (110.0 / 1.2e-5 * 1000.0), 1.0, 1e-9);  // not 115 / 1.3e-5
  EXPECT_EQ(node[3].EI, node[2].EI);                               // not 120 / 1.4e-5
  EXPECT_NEAR(node[4].EI / (125.0 / 1.5e-5 * 1000.0), 1.0, 1e-9);
}

// An elastic-plastic head at its plastic moment: the head curvature 2e-5
// (the largest) gives Mp / phi = 200 kip-in / 2e-5 for nodes 1 to 3, so
// that the head moment E_top phi_1 is Mp, not above it.
TEST(UpdateBendingStiffness, AnElasticPlasticHeadStaysAtItsPlasticMoment) {
  // Curvature 2e-5 - 1e-7 x: 2e-5 at the head, 1.9e-5 at node 2.
  auto ctx = pile(SectionType::ElasticPlastic, 3.0e10, 2.0e-5, -1.0e-7);
  AnalysisModel& m = ctx->model;
  Update_Bending_Stiffness(m, 1, 0.0);
  const auto& node = m.pileModel.node;
  // Mp at the head is the section's top value, 200 kip-in (2e5 in-lb).
  EXPECT_NEAR(node[2].EI / (2.0e5 / 2.0e-5), 1.0, 1e-9);
  EXPECT_EQ(node[3].EI, node[2].EI);
  EXPECT_NEAR(node[2].EI * nodeCurvature(m.pileModel, 1), 2.0e5, 1e-6);
}

TEST(UpdateBendingStiffness, ThrustIndexOfTheThrustList) {
  const double thr[] = {-100.0, 0.0, 250.0};
  const struct {
    double Qt;
    int a;
  } cases[] = {{-500.0, 1}, {-100.0, 1}, {-50.0, 1}, {0.0, 2}, {100.0, 2}, {250.0, 3}, {900.0, 3}};
  for (const auto& c : cases) EXPECT_EQ(thrustIndex(thr, c.Qt), c.a) << c.Qt;
  const double one[] = {50.0};
  EXPECT_EQ(thrustIndex(one, 0.0), 1);
  EXPECT_EQ(thrustIndex(one, 80.0), 1);
  EXPECT_EQ(thrustIndex({}, 80.0), 0);
}

TEST(UpdateBendingStiffness, CurvatureAndSectionOfANode) {
  auto ctx = pile(SectionType::RectangularConcrete, 1.0e10, 2.0e-5, 1.0e-7);
  const PileModel& pm = ctx->model.pileModel;
  EXPECT_NEAR(nodeCurvature(pm, 1), 2.0e-5, 1e-15);  // through the imaginary node 0
  EXPECT_NEAR(nodeCurvature(pm, 11), 2.0e-5 + 1.0e-7 * 100.0, 1e-15);
  EXPECT_EQ(nodeCurvature(pm, kNodes), 0.0);
  const Pile& p = ctx->model.pile;
  EXPECT_EQ(sectionOfNode(p, 0.0), 1);
  EXPECT_EQ(sectionOfNode(p, 200.0), 1);  // a boundary node belongs to the upper section
  EXPECT_EQ(sectionOfNode(p, 200.5), 2);
  EXPECT_EQ(sectionOfNode(p, 450.0), 2);
}

// A user-defined section selects and interpolates by its own thrusts.
TEST(UpdateBendingStiffness, AUserSectionUsesItsOwnThrusts) {
  const struct {
    double Q;
    double EI;
  } cases[] = {
      {20000.0, 187.5 / 1.5e-5 * 1000.0},  // halfway between the section's thrusts 10 and 30
      {30000.0, 250.0 / 1.5e-5 * 1000.0},  // its last thrust (the run's list goes to 100)
      {5000.0, 125.0 / 1.5e-5 * 1000.0},   // below its first thrust (above the run's first)
  };
  for (const auto& c : cases) {
    auto ctx = pile(SectionType::UserEi, 2.0e10, 1.5e-5);
    AnalysisModel& m = ctx->model;
    SectionCurves& upper = m.momentCurvature.section[1];
    upper.table[1].axialThrust = 10.0;
    upper.table[2].axialThrust = 30.0;
    m.pileModel.head.Q = c.Q;
    updateBendingStiffnessForCase(m);
    EXPECT_NEAR(m.pileModel.node[10].EI / c.EI, 1.0, 1e-9) << c.Q;
  }
}

}  // namespace
}  // namespace quarn::analysis
