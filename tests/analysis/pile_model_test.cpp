// The node grid and what is attached to the nodes: positions, pile
// properties, distributed loads, sections, soil layers, soil movements and
// the initial springs.

#include "analysis/pile_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

#include "engine/pile_properties.h"
#include "engine/run_context.h"

namespace quarn::analysis {
namespace {

using engine::Compute_Pile_Properties;
using engine::fn_DistributedLoad;
using engine::LoadProfile;
using engine::PileProperties;

constexpr double kDegree = std::numbers::pi / 180.0;

// One section of a hand-built pile, values at its top and bottom.
struct Section {
  double top, bottom;
  double widthTop, widthBottom;
  double inertiaTop, inertiaBottom;
  double modulus;
  double areaTop = 1.0, areaBottom = 1.0;
};

struct Layer {
  double top, bottom;
};

std::unique_ptr<engine::RunContext> makeModel(double length, int increments,
                                              const std::vector<Section>& sections,
                                              const std::vector<Layer>& layers,
                                              double batterDegrees = 0.0) {
  auto ctx = engine::makeRunContext();
  ctx->report.captureInMemory();
  ctx->messages.captureInMemory();
  AnalysisModel& model = ctx->model;
  model.options.numberOfIncrements = increments;
  model.pile.length = length;
  model.pile.numberOfSections = static_cast<int>(sections.size());
  model.pile.numberOfStations = 2 * model.pile.numberOfSections;
  for (std::size_t i = 0; i < sections.size(); ++i) {
    const Section& s = sections[i];
    const int n = static_cast<int>(i) + 1;
    PileSection& record = model.pile.sections[n];
    record.type = SectionType::Elastic;
    record.elastic.shape = kShapeCircular;
    record.topDepth = s.top;
    record.bottomDepth = s.bottom;
    model.pile.stations[2 * n - 1] = {s.top,        s.widthTop, s.widthTop,
                                      s.inertiaTop, s.modulus,  s.areaTop};
    model.pile.stations[2 * n] = {s.bottom,        s.widthBottom, s.widthBottom,
                                  s.inertiaBottom, s.modulus,     s.areaBottom};
  }
  model.soil.numberOfLayers = static_cast<int>(layers.size());
  for (std::size_t j = 0; j < layers.size(); ++j) {
    model.soil.layers[j + 1].criterion = 13;
    model.soil.layers[j + 1].top = layers[j].top;
    model.soil.layers[j + 1].bottom = layers[j].bottom;
  }
  model.tables.batter.batterAngle = batterDegrees * kDegree;
  return ctx;
}

std::unique_ptr<engine::RunContext> makeUniformPile(double length, int increments,
                                                    double batterDegrees = 0.0) {
  return makeModel(length, increments, {{0.0, length, 12.0, 12.0, 1000.0, 1000.0, 29.0e6}},
                   {{0.0, length}}, batterDegrees);
}

// ------------------------------------------------------------------ grid ---

TEST(NodeGrid, NodesAreEquallySpacedAndTheTipLiesExactlyAtThePileLength) {
  struct Case {
    double length;
    int increments;
    double batterDegrees;
  };
  // 360 in with 100 increments: h = 3.6. 12.5 m with 97 increments and
  // 1000 in with 333 increments: (N - 1) h rounds away from L.
  const Case cases[] = {
      {360.0, 100, 0.0}, {12.5, 97, 0.0}, {1000.0, 333, 30.0}, {600.0, 500, 10.0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.length) + " / " + std::to_string(c.increments));
    auto ctx = makeUniformPile(c.length, c.increments, c.batterDegrees);
    placeNodes(ctx->model);
    const PileModel& pm = ctx->model.pileModel;
    ASSERT_EQ(pm.N, c.increments + 1);
    EXPECT_DOUBLE_EQ(pm.h, c.length / c.increments);
    const double cosine = std::cos(c.batterDegrees * kDegree);
    for (int k = 1; k < pm.N; ++k) {
      EXPECT_EQ(pm.node[k].x, (k - 1) * pm.h);
      EXPECT_DOUBLE_EQ(pm.node[k].xv, pm.node[k].x * cosine);
    }
    EXPECT_EQ(pm.node[pm.N].x, c.length);
  }
  auto ctx = makeUniformPile(360.0, 100);
  placeNodes(ctx->model);
  EXPECT_EQ(ctx->model.pileModel.h, 3.6);
  EXPECT_EQ(ctx->model.pileModel.node[101].x, 360.0);
}

// ------------------------------------------------------- pile properties ---

TEST(PileProperties, InterpolatesBetweenStationsAndTakesTheLowerSectionAtABoundary) {
  // Section 1: prismatic steel, 0 to 120. Section 2: tapered concrete, 120
  // to 360, diameter 30 to 18 with I = pi D^4 / 64 at its two ends.
  const double E1 = 29.0e6, E2 = 4.0e6;
  const double I30 = std::numbers::pi * std::pow(30.0, 4) / 64.0;
  const double I18 = std::numbers::pi * std::pow(18.0, 4) / 64.0;
  auto ctx = makeModel(360.0, 100,
                       {{0.0, 120.0, 12.0, 12.0, 1000.0, 1000.0, E1, 20.0, 20.0},
                        {120.0, 360.0, 30.0, 18.0, I30, I18, E2, 700.0, 250.0}},
                       {{0.0, 360.0}});
  struct Case {
    std::string where;
    double x;
    double D, I, A, EI;
  };
  const Case cases[] = {
      {"head", 0.0, 12.0, 1000.0, 20.0, E1 * 1000.0},
      {"inside section 1", 60.0, 12.0, 1000.0, 20.0, E1 * 1000.0},
      {"section boundary: top of section 2", 120.0, 30.0, I30, 700.0, E2 * I30},
      {"a quarter into the taper", 180.0, 27.0, I30 + 0.25 * (I18 - I30), 587.5,
       E2 * I30 + 0.25 * (E2 * I18 - E2 * I30)},
      {"tip", 360.0, 18.0, I18, 250.0, E2 * I18},
      {"below the tip", 400.0, 18.0, I18, 250.0, E2 * I18},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.where);
    const PileProperties p = Compute_Pile_Properties(ctx->model, c.x);
    EXPECT_DOUBLE_EQ(p.D, c.D);
    EXPECT_DOUBLE_EQ(p.D2, c.D);
    EXPECT_DOUBLE_EQ(p.I, c.I);
    EXPECT_DOUBLE_EQ(p.A, c.A);
    EXPECT_DOUBLE_EQ(p.EI, c.EI);
  }
  // EI along the taper is linear in depth, not the fourth power of the
  // interpolated width (which would give E pi 27^4 / 64 a quarter in).
  const double quarter = Compute_Pile_Properties(ctx->model, 180.0).EI;
  EXPECT_GT(std::abs(quarter - E2 * std::numbers::pi * std::pow(27.0, 4) / 64.0), 0.02 * quarter);
  const double a = Compute_Pile_Properties(ctx->model, 150.0).EI;
  const double b = Compute_Pile_Properties(ctx->model, 200.0).EI;
  const double c = Compute_Pile_Properties(ctx->model, 250.0).EI;
  EXPECT_NEAR(b - a, c - b, 1e-9 * a);
}

TEST(NodeSections, ANodeAtASectionBoundaryBelongsToTheUpperSectionButHasTheLowerProperties) {
  // h = 4: nodes 31 and 71 lie exactly on the boundaries at 120 and 280.
  auto ctx = makeModel(400.0, 100,
                       {{0.0, 120.0, 12.0, 12.0, 1000.0, 1000.0, 29.0e6},
                        {120.0, 280.0, 16.0, 16.0, 3000.0, 3000.0, 29.0e6},
                        {280.0, 400.0, 20.0, 20.0, 8000.0, 8000.0, 29.0e6}},
                       {{0.0, 400.0}});
  setupPileModel(*ctx);
  const PileModel& pm = ctx->model.pileModel;
  const std::pair<int, int> expected[] = {{1, 1},  {30, 1}, {31, 1}, {32, 2},
                                          {70, 2}, {71, 2}, {72, 3}, {101, 3}};
  for (const auto& [node, section] : expected) {
    EXPECT_EQ(pm.node[node].section, section) << "node " << node;
  }
  EXPECT_EQ(pm.node[31].x, 120.0);
  EXPECT_DOUBLE_EQ(pm.node[31].EI, 29.0e6 * 3000.0);  // top of section 2
  EXPECT_DOUBLE_EQ(pm.node[71].EI, 29.0e6 * 8000.0);  // top of section 3
  EXPECT_DOUBLE_EQ(pm.node[30].EI, 29.0e6 * 1000.0);
}

TEST(NodeSections, ANodeOutsideEverySectionKeepsItsPreviousSection) {
  auto ctx = makeModel(
      400.0, 100,
      {{0.0, 100.0, 12.0, 12.0, 1.0, 1.0, 1.0}, {100.0, 200.0, 12.0, 12.0, 1.0, 1.0, 1.0}},
      {{0.0, 400.0}});
  placeNodes(ctx->model);
  PileModel& pm = ctx->model.pileModel;
  for (int k = 1; k <= pm.N; ++k) pm.node[k].section = 7;
  Assign_Node_Sections(ctx->model, pm.N);
  EXPECT_EQ(pm.node[1].section, 1);
  EXPECT_EQ(pm.node[26].section, 1);  // x = 100
  EXPECT_EQ(pm.node[51].section, 2);  // x = 200
  EXPECT_EQ(pm.node[52].section, 7);  // below the last section
  EXPECT_EQ(pm.node[101].section, 7);
}

// ------------------------------------------------------ distributed load ---

TEST(DistributedLoad, AveragesTheLoadOverTheTributaryLengthOfANode) {
  using Profile = std::vector<std::pair<double, double>>;
  struct Case {
    std::string name;
    Profile profile;
    double x;
    double expected;
  };
  // L = 360, h = 3.6: the window of an interior node is x -+ 1.8.
  const Case cases[] = {
      {"no profile", {}, 100.8, 0.0},
      {"load only below the tip, tip node", {{400.0, 5.0}, {500.0, 5.0}}, 360.0, 0.0},
      {"uniform, head node (half window)", {{0.0, 7.0}, {360.0, 7.0}}, 0.0, 7.0},
      {"uniform, interior node", {{0.0, 7.0}, {360.0, 7.0}}, 180.0, 7.0},
      {"uniform, tip node (half window)", {{0.0, 7.0}, {360.0, 7.0}}, 360.0, 7.0},
      {"linear, interior node: the value at the node", {{0.0, 0.0}, {360.0, 36.0}}, 180.0, 18.0},
      {"linear, head node: mean over 0 to 1.8", {{0.0, 0.0}, {360.0, 36.0}}, 0.0, 0.09},
      {"linear, tip node: mean over 358.2 to 360", {{0.0, 0.0}, {360.0, 36.0}}, 360.0, 35.91},
      {"profile starts inside the window", {{100.0, 5.0}, {200.0, 5.0}}, 100.8, 5.0 * 2.6 / 3.6},
      {"profile ends inside the window", {{100.0, 5.0}, {200.0, 5.0}}, 200.0, 2.5},
      {"window ends at the first profile depth", {{101.8, 5.0}, {200.0, 5.0}}, 100.0, 0.0},
      {"step of the load at the node",
       {{0.0, 1.0}, {180.0, 1.0}, {180.0, 3.0}, {360.0, 3.0}},
       180.0,
       2.0},
      {"single point", {{180.0, 5.0}}, 180.0, 0.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<double> depth{0.0}, load{0.0};
    for (const auto& [d, w] : c.profile) {
      depth.push_back(d);
      load.push_back(w);
    }
    const LoadProfile profile{static_cast<int>(c.profile.size()), depth, load};
    EXPECT_NEAR(fn_DistributedLoad(profile, c.x, 3.6, 360.0), c.expected, 1e-12 * 36.0);
  }
}

TEST(DistributedLoad, NodeLoadsOfTheGrid) {
  struct Case {
    std::string name;
    double length;
    int increments;
    std::vector<std::pair<double, double>> profile;
    double expectedEverywhere;
  };
  const Case cases[] = {
      {"uniform over the pile", 360.0, 100, {{0.0, 4.0}, {360.0, 4.0}}, 4.0},
      // (N - 1) h rounds below L here: the tip still gets its half window.
      {"uniform, grid not exact in binary", 12.5, 97, {{0.0, 4.0}, {12.5, 4.0}}, 4.0},
      {"uniform, 333 increments", 1000.0, 333, {{0.0, 4.0}, {1000.0, 4.0}}, 4.0},
      {"only below the tip", 360.0, 100, {{361.0, 4.0}, {400.0, 4.0}}, 0.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto ctx = makeUniformPile(c.length, c.increments);
    DistributedLoadTable& table = ctx->model.loads.distributed;
    table.points = static_cast<int>(c.profile.size());
    for (int i = 1; i <= table.points; ++i) {
      table.depth[i] = c.profile[i - 1].first;
      table.load[i] = c.profile[i - 1].second;
    }
    setupPileModel(*ctx);
    const PileModel& pm = ctx->model.pileModel;
    for (int k = 1; k <= pm.N; ++k) {
      EXPECT_NEAR(pm.node[k].w, c.expectedEverywhere, 1e-12) << "node " << k;
    }
  }
}

TEST(DistributedLoad, AnLrfdAnalysisLeavesTheNodeLoadsToTheCombination) {
  auto ctx = makeUniformPile(360.0, 100);
  ctx->model.options.useLrfd = true;
  DistributedLoadTable& table = ctx->model.loads.distributed;
  table.points = 2;
  table.depth[2] = 360.0;
  table.load[1] = table.load[2] = 4.0;
  setupPileModel(*ctx);
  for (int k = 1; k <= 101; ++k) EXPECT_EQ(ctx->model.pileModel.node[k].w, 0.0);
}

// ------------------------------------------------------------ soil layers ---

TEST(LayerNodes, FirstNodeOfALayerFollowsTheVerticalDepth) {
  struct Case {
    double batterDegrees;
    int firstNodeOfLayer2;
  };
  // L = 360 in (30 ft), h = 3.6; layer 2 starts at a vertical depth of
  // 120 in (10 ft). Without batter the first node at or below it is
  // node 35 (x = 122.4). With 30 degrees of batter the node must lie at
  // x >= 120 / cos 30 = 138.56: node 40 (x = 140.4; node 39 is at 136.8).
  const Case cases[] = {{0.0, 35}, {30.0, 40}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.batterDegrees);
    auto ctx = makeModel(360.0, 100, {{0.0, 360.0, 12.0, 12.0, 1.0, 1.0, 1.0}},
                         {{0.0, 120.0}, {120.0, 600.0}}, c.batterDegrees);
    setupPileModel(*ctx);
    const PileModel& pm = ctx->model.pileModel;
    EXPECT_EQ(pm.i_TopNodeInLayer[1], 1);
    EXPECT_EQ(pm.i_BottomNodeInLayer[1], c.firstNodeOfLayer2 - 1);
    EXPECT_EQ(pm.i_TopNodeInLayer[2], c.firstNodeOfLayer2);
    EXPECT_EQ(pm.i_BottomNodeInLayer[2], 101);
    EXPECT_TRUE(ctx->report.text().empty());
  }
}

TEST(LayerNodes, RangesOfLayersAtNodesThinLayersAndLayersAboveTheTip) {
  struct Case {
    std::string name;
    std::vector<Layer> layers;
    std::vector<std::pair<int, int>> ranges;  // top and bottom node per layer
  };
  // L = 400, h = 4: node k at 4 (k - 1).
  const Case cases[] = {
      {"layer top exactly at a node", {{0.0, 120.0}, {120.0, 400.0}}, {{1, 30}, {31, 101}}},
      {"layer thinner than the spacing holds no node",
       {{0.0, 121.0}, {121.0, 122.0}, {122.0, 400.0}},
       {{1, 31}, {0, 0}, {32, 101}}},
      {"soil starting below the head", {{10.0, 50.0}, {50.0, 500.0}}, {{4, 13}, {14, 101}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto ctx = makeModel(400.0, 100, {{0.0, 400.0, 12.0, 12.0, 1.0, 1.0, 1.0}}, c.layers);
    setupPileModel(*ctx);
    const PileModel& pm = ctx->model.pileModel;
    for (std::size_t j = 0; j < c.ranges.size(); ++j) {
      EXPECT_EQ(pm.i_TopNodeInLayer[j + 1], c.ranges[j].first) << "layer " << j + 1;
      EXPECT_EQ(pm.i_BottomNodeInLayer[j + 1], c.ranges[j].second) << "layer " << j + 1;
    }
  }
}

TEST(LayerNodes, LayersEndingAboveTheTipWriteTheDiagnosticBlockAndContinue) {
  auto ctx = makeModel(400.0, 100, {{0.0, 400.0, 12.0, 12.0, 1.0, 1.0, 1.0}},
                       {{0.0, 100.0}, {100.0, 200.0}});
  setupPileModel(*ctx);
  const PileModel& pm = ctx->model.pileModel;
  EXPECT_EQ(pm.i_TopNodeInLayer[1], 1);
  EXPECT_EQ(pm.i_BottomNodeInLayer[1], 25);
  EXPECT_EQ(pm.i_TopNodeInLayer[2], 26);
  EXPECT_EQ(pm.i_BottomNodeInLayer[2], -1);
  EXPECT_EQ(ctx->report.text(),
            "ERROR 2 in computing i_BottomNodeInLayer\n"
            "Num_Nodes_To_Assign = 101\n"
            "ilayer = 2\n"
            "klayer = 3\n"
            "jlayer = 3\n"
            "i_Number_of_Layers = 2\n");
  EXPECT_EQ(ctx->model.state.errorCode, 0);
}

TEST(LayerNodes, AlongTheAxisUsesTheDistancesOfTheDepthList) {
  // With 60 degrees of batter the vertical depths are half the distances;
  // the assignment along the axis ignores them.
  auto ctx = makeModel(400.0, 100, {{0.0, 400.0, 12.0, 12.0, 1.0, 1.0, 1.0}},
                       {{0.0, 100.0}, {100.0, 200.0}, {200.0, 400.0}}, 60.0);
  setupPileModel(*ctx);
  PileModel& pm = ctx->model.pileModel;
  const double depths[] = {5.0, 50.0, 150.0, 300.0};
  for (int j = 1; j <= 4; ++j) pm.node[j].x = depths[j - 1];
  Assign_Layer_Nodes_Along_Axis(*ctx, 4);
  const std::pair<int, int> expected[] = {{1, 2}, {3, 3}, {4, 4}};
  for (int j = 1; j <= 3; ++j) {
    EXPECT_EQ(pm.i_TopNodeInLayer[j], expected[j - 1].first) << "layer " << j;
    EXPECT_EQ(pm.i_BottomNodeInLayer[j], expected[j - 1].second) << "layer " << j;
  }
}

// --------------------------------------------------------- soil movement ---

TEST(SoilMovements, InterpolatedAlongThePileAndZeroOutsideTheProfile) {
  struct Case {
    std::string name;
    std::vector<std::pair<double, double>> profile;
    std::vector<std::pair<int, double>> expected;  // node, movement (h = 4)
  };
  const Case cases[] = {
      {"linear over the pile", {{0.0, 1.0}, {400.0, 0.0}}, {{1, 1.0}, {26, 0.75}, {101, 0.0}}},
      {"part of the pile",
       {{100.0, 2.0}, {200.0, 2.0}},
       {{25, 0.0}, {26, 2.0}, {51, 2.0}, {52, 0.0}}},
      {"two points at one depth give their mean there",
       {{120.0, 1.0}, {120.0, 3.0}, {400.0, 3.0}},
       {{30, 0.0}, {31, 2.0}, {32, 3.0}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto ctx = makeUniformPile(400.0, 100);
    SoilMovementTable& table = ctx->model.tables.soilMovement;
    table.points = static_cast<int>(c.profile.size());
    for (int i = 1; i <= table.points; ++i) {
      table.depth[i] = c.profile[i - 1].first;
      table.movement[i] = c.profile[i - 1].second;
    }
    setupPileModel(*ctx);
    for (const auto& [node, movement] : c.expected) {
      EXPECT_DOUBLE_EQ(ctx->model.pileModel.node[node].ys, movement) << "node " << node;
    }
  }
}

// --------------------------------------------------------- initial springs ---

TEST(InitialSprings, NoSpringAboveTheGroundSurface) {
  auto ctx = makeUniformPile(400.0, 100);
  ctx->model.pile.groundSurfaceDepth = 24.0;
  setupPileModel(*ctx);
  setInitialSprings(ctx->model);
  const PileModel& pm = ctx->model.pileModel;
  for (int k = 1; k <= pm.N; ++k) {
    // Node 7 lies at the ground surface (x = 24) and gets a spring.
    EXPECT_EQ(pm.node[k].Es, k < 7 ? 0.0 : 50000.0) << "node " << k;
  }
}

}  // namespace
}  // namespace quarn::analysis
