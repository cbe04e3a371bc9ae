// The p-y framework: multipliers, the ten-point table, the modulus a node
// receives from its criterion, soil movements, the bookkeeping of the layer
// sweep, the number of cycles the criteria work with, and p-y curves printed
// at requested depths.
#include "soil/py_framework.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "matlock_reference.h"
#include "soil/py_output.h"
#include "soil_fixture.h"

namespace quarn::soil {
namespace {

using testing::addLayer;
using testing::errorCodeOf;
using testing::makeSoilContext;
using testing::MatlockClay;
using testing::matlockP;
using testing::matlockUltimate;
using testing::matlockY50;
using testing::placeVerticalNodes;
using testing::setUniformPile;
using testing::setValue;

constexpr int kSoftClay = 1;
constexpr int kStiffClayNoFreeWater = 3;
constexpr int kStiffClayNoFreeWaterK = 4;
constexpr int kReeseSand = 5;
constexpr int kWeakRock = 8;
constexpr int kUserPy = 14;
constexpr int kFrozenSoil = 17;

void addRow(MultiplierTable& table, double depth, double pm, double ym) {
  ++table.rows;
  table.depth[static_cast<std::size_t>(table.rows)] = depth;
  table.pMultiplier[static_cast<std::size_t>(table.rows)] = pm;
  table.yMultiplier[static_cast<std::size_t>(table.rows)] = ym;
}

TEST(Multipliers, StepInterpolationAndOutsideTheTable) {
  // Rows at 2, 5, 5 and 10: a step at 5.
  MultiplierTable table;
  addRow(table, 2.0, 0.4, 2.0);
  addRow(table, 5.0, 1.0, 1.0);
  addRow(table, 5.0, 0.6, 3.0);
  addRow(table, 10.0, 0.8, 4.0);
  struct Case {
    const char* name;
    double x;
    double pm;
    double ym;
  };
  const Case cases[] = {
      {"above the first point", 1.0, 1.0, 1.0}, {"at the first point", 2.0, 0.4, 2.0},
      {"between the first two", 3.5, 0.7, 1.5}, {"at the step: the lower row", 5.0, 0.6, 3.0},
      {"below the step", 7.5, 0.7, 3.5},        {"at the last point", 10.0, 0.8, 4.0},
      {"below the last point", 10.5, 1.0, 1.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_DOUBLE_EQ(fn_pMult(table, c.x), c.pm);
    EXPECT_DOUBLE_EQ(fn_yMult(table, c.x), c.ym);
  }
}

TEST(Multipliers, NoTableOrASingleRowGivesOne) {
  MultiplierTable table;
  EXPECT_EQ(fn_pMult(table, 3.0), 1.0);
  // The modifier option alone leaves one row of zeros.
  table.rows = 1;
  EXPECT_EQ(fn_pMult(table, 0.0), 1.0);
  EXPECT_EQ(fn_yMult(table, 0.0), 1.0);
}

TEST(TenPointTable, InterpolatesInTheRatioToTheDiameter) {
  const std::array<double, 10> X = {0.0, 0.5, 1.0, 1.5, 2.0, 2.5, 3.0, 3.5, 4.0, 5.0};
  const std::array<double, 10> Y = {2.85, 2.6, 2.3, 2.0, 1.7, 1.45, 1.2, 1.0, 0.9, 0.88};
  struct Case {
    double v;
    double expected;
  };
  const Case cases[] = {
      {0.0, 2.85},   // first abscissa
      {0.5, 2.725},  // r = 0.25, halfway between the first two
      {3.0, 2.0},    // r = 1.5 exactly
      {9.0, 0.89},   // r = 4.5, in the last interval
      {10.0, 0.88},  // r = 5, the last point
      {20.0, 0.88},  // beyond the table: the last value
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.v);
    EXPECT_NEAR(fn_Table10(c.v, 2.0, Y, X), c.expected, 1e-12);
  }
}

// One soft clay layer (SI units): c = 30 kPa, gamma' = 9 kN/m3, e50 = 0.01
// over a 10 m pile of 0.8 m diameter on 20 increments.
std::unique_ptr<engine::RunContext> uniformClay() {
  auto ctx = makeSoilContext(kUnitsSi);
  AnalysisModel& model = ctx->model;
  SoilLayer& clay = addLayer(model, kSoftClay, 0.0, 10.0);
  setValue(clay.cohesion, 30.0, 30.0);
  setValue(clay.unitWeight, 9.0, 9.0);
  setValue(clay.epsilon50, 0.01, 0.01);
  setUniformPile(model, 10.0, 0.8);
  placeVerticalNodes(model, 20);
  return ctx;
}

MatlockClay clayAt(double z) {
  return {30.0, 9.0, 0.01, 0.5, 0.8, z, false};
}

TEST(SecantModulus, MultipliersScaleResistanceAndDeflection) {
  auto ctx = uniformClay();
  AnalysisModel& model = ctx->model;
  addRow(model.tables.multipliers, 0.0, 0.5, 2.0);
  addRow(model.tables.multipliers, 10.0, 0.5, 2.0);
  // Node 9 at 4 m; deflections relative to the soil from 0.5 to 20 y50.
  const int node = 9;
  const double depth = 4.0;
  const double y50 = matlockY50(clayAt(depth));
  for (double multiple : {0.5, 1.0, 4.0, 10.0, 20.0}) {
    SCOPED_TRACE(multiple);
    const double dy = multiple * y50;
    model.pileModel.y(node) = -dy;  // the sign does not matter
    updateSoilModuli(*ctx);
    const double expected = 0.5 * matlockP(clayAt(depth), dy / 2.0) / dy;
    EXPECT_NEAR(model.pileModel.node[node].Es, expected, 1e-6 * expected);
  }
}

TEST(SecantModulus, NoDeflectionRelativeToTheSoilGivesTheLimitingModulus) {
  auto ctx = uniformClay();
  AnalysisModel& model = ctx->model;
  // Soil movement table present: the soil moves 0.02 m at node 9 (4 m) and
  // the pile moves with it.
  model.tables.soilMovement.points = 2;
  const int node = 9;
  const double depth = 4.0;
  PileNode& n = model.pileModel.node[node];
  n.ys = 0.02;
  model.pileModel.y(node) = 0.02;
  updateSoilModuli(*ctx);
  // Tangent of 0.5 pu (y / y50)^(1/3) at y = 0.00001 y50.
  const MatlockClay clay = clayAt(depth);
  const double y50 = matlockY50(clay);
  const double k0 = matlockUltimate(clay) / (6.0 * y50) * std::pow(1e-5, -2.0 / 3.0);
  EXPECT_NEAR(n.Es, k0, 1e-6 * k0);
  // The soil movement load of the node: ys Es (no distributed load).
  EXPECT_DOUBLE_EQ(n.w, 0.02 * n.Es);
}

TEST(LayerSweep, CountsRockLayersAndSkipsLayersWithoutNodes) {
  auto ctx = makeSoilContext(kUnitsSi);
  AnalysisModel& model = ctx->model;
  const auto clay = [&](double top, double bottom) {
    SoilLayer& layer = addLayer(model, kSoftClay, top, bottom);
    setValue(layer.cohesion, 30.0, 30.0);
    setValue(layer.unitWeight, 9.0, 9.0);
    setValue(layer.epsilon50, 0.01, 0.01);
  };
  const auto rock = [&](double top, double bottom) {
    SoilLayer& layer = addLayer(model, kWeakRock, top, bottom);
    setValue(layer.cohesion, 5000.0, 5000.0);
    setValue(layer.unitWeight, 12.0, 12.0);
    setValue(layer.rockModulus, 1.0e6, 1.0e6);
    setValue(layer.rqd, 50.0, 50.0);
    setValue(layer.krm, 0.0001, 0.0001);
    layer.epsilon50 = layer.krm;  // where the soil queries find k_rm
  };
  clay(0.0, 2.1);                       // 1
  rock(2.1, 2.2);                       // 2: too thin for a node
  clay(2.2, 4.0);                       // 3
  rock(4.0, 6.0);                       // 4
  clay(6.0, 8.0);                       // 5
  addLayer(model, kUserPy, 8.0, 10.0);  // 6
  setUniformPile(model, 10.0, 0.8);
  placeVerticalNodes(model, 20);
  ASSERT_EQ(model.pileModel.i_TopNodeInLayer[2], 0);

  updateSoilModuli(*ctx);
  EXPECT_EQ(model.layering.RockLayersAbove, 1);
  const bool expected[] = {false, false, false, false, true, true, false};
  for (int k = 1; k <= 6; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(model.layering.NoEquivDepth[k], expected[k]);
  }
}

TEST(LayerSweep, LayersWithoutARoutineKeepTheirModuli) {
  auto ctx = uniformClay();
  AnalysisModel& model = ctx->model;
  model.soil.layers[1].criterion = kFrozenSoil;
  for (int k = 1; k <= model.pileModel.N; ++k) model.pileModel.node[k].Es = 50000.0;
  updateSoilModuli(*ctx);
  for (int k = 1; k <= model.pileModel.N; ++k) EXPECT_EQ(model.pileModel.node[k].Es, 50000.0);
}

TEST(LayerSweep, AnErrorStopsTheSweepBeforeTheNextLayer) {
  auto ctx = makeSoilContext(kUnitsSi);
  AnalysisModel& model = ctx->model;
  SoilLayer& upper = addLayer(model, kSoftClay, 0.0, 5.0);
  setValue(upper.cohesion, 30.0, -30.0);  // zero strength at 2.5 m
  setValue(upper.unitWeight, 9.0, 9.0);
  setValue(upper.epsilon50, 0.01, 0.01);
  SoilLayer& lower = addLayer(model, kSoftClay, 5.0, 10.0);
  lower.cohesion = upper.cohesion;
  lower.unitWeight = upper.unitWeight;
  setValue(lower.epsilon50, 0.01, 0.01);
  setUniformPile(model, 10.0, 0.8);
  placeVerticalNodes(model, 20);
  for (int k = 1; k <= model.pileModel.N; ++k) model.pileModel.node[k].Es = -1.0;
  EXPECT_EQ(errorCodeOf(*ctx, [&] { updateSoilModuli(*ctx); }), 112);
  // Nodes 1 to 5 (0 to 2 m) were evaluated, the failing node 6 and the lower layer were not.
  EXPECT_GT(model.pileModel.node[5].Es, 0.0);
  EXPECT_EQ(model.pileModel.node[6].Es, -1.0);
  EXPECT_EQ(model.pileModel.node[15].Es, -1.0);
}

// ---- the criterion table ------------------------------------------------------------

TEST(CriterionTable, EveryRowIsComplete) {
  // Criteria 1 to 16 have a curve and a block; frozen soil and the codes
  // that name no criterion have neither, and code 0 names none.
  for (int code = 0; code <= kCriterionCount; ++code) {
    SCOPED_TRACE(code);
    const CriterionInfo& info = criterionInfo(code);
    EXPECT_EQ(static_cast<int>(info.code), code);
    const bool withCurve = code >= 1 && code <= 16;
    EXPECT_EQ(info.curveAt != nullptr, withCurve);
    EXPECT_EQ(info.writeBlock != nullptr, withCurve);
    EXPECT_EQ(criterionAvailable(code), withCurve || code == 17);
    // Error numbers are the two digits of the code texts.
    const CriterionErrors& e = info.errors;
    for (int number : {e.noStrength, e.noStrengthBelowTop, e.noFriction, e.steepSlope,
                       e.steepSlopeRuntime, e.noStrainFactor, e.fieldTest, e.cycles, e.noDefaults,
                       e.noStrainRange, e.zeroThickness, e.limitingModulus, e.secantModulus}) {
      EXPECT_GE(number, 0);
      EXPECT_LE(number, 99);
    }
    // A criterion that stops on a modulus that is not a number names itself
    // and both runtime errors.
    if (info.modulus.check == NotANumberCheck::kStopNaN ||
        info.modulus.check == NotANumberCheck::kStopNotFinite) {
      EXPECT_FALSE(info.modulus.name.empty());
      EXPECT_GT(e.limitingModulus, 0);
      EXPECT_GT(e.secantModulus, 0);
    }
  }
  EXPECT_EQ(toCriterion(21), Criterion::kNone);
  EXPECT_EQ(toCriterion(-1), Criterion::kNone);
}

// ---- the number of cycles of loading ------------------------------------------------

TEST(CyclesOfLoading, CountedFromOneWhereTheNodesMeetStiffClayWithoutWaterOrWeakRock) {
  struct Case {
    const char* name;
    std::vector<int> criteria;  // layers of 2 m from the pile head down
    double thinTop;             // > 0: a last layer 0.1 m thick below, holding no node
    int thinCriterion;
    double N;  // the input count
    double expected;
  };
  const Case cases[] = {
      {"soft clay: the input", {kSoftClay}, 0.0, 0, 0.0, 0.0},
      {"soft clay: the input, above one", {kSoftClay}, 0.0, 0, 0.5, 0.5},
      {"StfClyAW: none counts as one", {kSoftClay, kStiffClayNoFreeWater}, 0.0, 0, 0.0, 1.0},
      {"StfClyAW: below one counts as one", {kStiffClayNoFreeWater}, 0.0, 0, 0.5, 1.0},
      {"StfClyAW: negative counts as one", {kStiffClayNoFreeWater}, 0.0, 0, -3.0, 1.0},
      {"StfClyAW: many cycles stay", {kStiffClayNoFreeWater}, 0.0, 0, 5.0, 5.0},
      {"StfClyAK: the input", {kStiffClayNoFreeWaterK}, 0.0, 0, 0.0, 0.0},
      {"weak rock: none counts as one", {kSoftClay, kWeakRock}, 0.0, 0, 0.0, 1.0},
      {"weak rock: negative counts as one", {kWeakRock}, 0.0, 0, -3.0, 1.0},
      {"weak rock: below one stays", {kWeakRock}, 0.0, 0, 0.5, 0.5},
      {"StfClyAW without a node: the input", {kSoftClay}, 2.0, kStiffClayNoFreeWater, 0.0, 0.0},
      {"weak rock without a node: the input", {kSoftClay}, 2.0, kWeakRock, 0.0, 0.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto ctx = makeSoilContext(kUnitsSi);
    AnalysisModel& model = ctx->model;
    double top = 0.0;
    for (int criterion : c.criteria) {
      addLayer(model, criterion, top, top + 2.0);
      top += 2.0;
    }
    if (c.thinTop > 0.0) addLayer(model, c.thinCriterion, c.thinTop + 0.01, c.thinTop + 0.11);
    setUniformPile(model, top, 0.8);
    placeVerticalNodes(model, 4 * static_cast<int>(c.criteria.size()));
    model.options.numberOfCycles = c.N;
    EXPECT_EQ(cyclesOfLoading(model), c.expected);
    EXPECT_EQ(model.options.numberOfCycles, c.N);
  }
}

// ---- p-y curves at requested depths ------------------------------------------------

void requestDepths(AnalysisModel& model, const std::vector<double>& depths) {
  PyOutputDepths& out = model.tables.pyOutput;
  out.count = static_cast<int>(depths.size());
  for (std::size_t j = 0; j < depths.size(); ++j) out.depth[j + 1] = depths[j];
}

// The layer numbers of the printed curves, in the order of the report.
std::vector<int> printedLayers(const std::string& report) {
  std::vector<int> layers;
  std::istringstream in(report);
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("Soil Layer Number", 0) == 0) layers.push_back(std::stoi(line.substr(56)));
  }
  return layers;
}

// Two soft clay layers, 0 to 5 m and 5 to 10 m, on a 10 m pile.
std::unique_ptr<engine::RunContext> twoClays() {
  auto ctx = makeSoilContext(kUnitsSi);
  AnalysisModel& model = ctx->model;
  for (double top : {0.0, 5.0}) {
    SoilLayer& clay = addLayer(model, kSoftClay, top, top + 5.0);
    setValue(clay.cohesion, 30.0, 30.0);
    setValue(clay.unitWeight, 9.0, 9.0);
    setValue(clay.epsilon50, 0.01, 0.01);
  }
  setUniformPile(model, 10.0, 0.8);
  placeVerticalNodes(model, 20);
  return ctx;
}

TEST(PyCurvesAtDepths, EachDepthGoesToTheLayerOfTheNodeRule) {
  // A layer's first depth is the first at or below its top that is not below
  // its bottom; its last is the one before the next layer's first, and the
  // layer reaching the deepest depth ends there. A depth at the interface
  // therefore goes to the upper layer only as the deepest of the list.
  struct Case {
    const char* name;
    std::vector<double> depths;
    std::vector<int> layers;
  };
  const Case cases[] = {
      {"one in each layer", {2.0, 8.0}, {1, 2}},
      {"at the interface, the deepest", {5.0}, {1}},
      {"at the interface, with one above and one below", {3.0, 5.0, 7.0}, {1, 2, 2}},
      {"at the interface, with one below", {5.0, 7.0}, {2, 2}},
      {"at the ground surface and at the pile tip", {0.0, 10.0}, {1, 2}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto ctx = twoClays();
    requestDepths(ctx->model, c.depths);
    printPyCurvesAtDepths(*ctx);
    EXPECT_EQ(printedLayers(ctx->report.text()), c.layers);
  }
}

TEST(PyCurvesAtDepths, ADepthBelowEveryLayerLeavesTheLayerAboveWithoutARange) {
  // Depths 3 and 12 m below a profile ending at 10 m: layer 1 holds 3 m, no
  // deeper layer holds a depth and no layer reaches 12 m, so the assignment
  // reports it and layer 1 gets no range: no curve is printed.
  auto ctx = twoClays();
  requestDepths(ctx->model, {3.0, 12.0});
  printPyCurvesAtDepths(*ctx);
  const std::string& report = ctx->report.text();
  EXPECT_TRUE(printedLayers(report).empty());
  EXPECT_TRUE(testing::contains(report,
                                "ERROR 2 in computing i_BottomNodeInLayer\n"
                                "Num_Nodes_To_Assign = 2\n"
                                "ilayer = 1\n"
                                "klayer = 3\n"
                                "jlayer = 3\n"
                                "i_Number_of_Layers = 2\n"));
  EXPECT_EQ(ctx->model.state.errorCode, 0);
}

// What the analysis holds after a sweep, compared exactly.
struct AnalysisSnapshot {
  std::vector<double> nodeValues;  // per node: x, xv, EI, Es, w, ys
  std::vector<int> layerNodes;     // first and last node of every layer
  std::vector<double> layering;    // F(k), RockLayersAbove, NoEquivDepth(k), liquefied F(k), Heq(k)
  std::vector<double> inputs;      // the subgrade moduli of the layers, cycles, print option

  bool operator==(const AnalysisSnapshot&) const = default;
};

AnalysisSnapshot snapshot(const AnalysisModel& model) {
  AnalysisSnapshot s;
  const PileModel& pm = model.pileModel;
  for (int k = 1; k <= pm.N; ++k) {
    const PileNode& n = pm.node[static_cast<std::size_t>(k)];
    s.nodeValues.insert(s.nodeValues.end(), {n.x, n.xv, n.EI, n.Es, n.w, n.ys, pm.y(k)});
  }
  for (int j = 1; j <= kMaxLayers + 1; ++j) {
    s.layerNodes.push_back(pm.i_TopNodeInLayer[static_cast<std::size_t>(j)]);
    s.layerNodes.push_back(pm.i_BottomNodeInLayer[static_cast<std::size_t>(j)]);
  }
  s.layering.push_back(model.layering.RockLayersAbove);
  for (int j = 1; j <= kMaxLayers; ++j) {
    s.layering.push_back(model.layering.F[static_cast<std::size_t>(j)]);
    s.layering.push_back(model.layering.NoEquivDepth[static_cast<std::size_t>(j)] ? 1.0 : 0.0);
    s.layering.push_back(model.layering.liquefiedF[static_cast<std::size_t>(j)]);
    s.layering.push_back(model.layerCorrection[static_cast<std::size_t>(j)]);
  }
  for (int j = 1; j <= model.soil.numberOfLayers; ++j) {
    const LayerValue& k = model.soil.layers[static_cast<std::size_t>(j)].subgradeK;
    s.inputs.insert(s.inputs.end(), {k[0], k[1]});
  }
  s.inputs.push_back(model.options.numberOfCycles);
  s.inputs.push_back(model.options.printPyCurves ? 1.0 : 0.0);
  return s;
}

TEST(PyCurvesAtDepths, PrintingChangesNothingOfTheAnalysis) {
  // Stiff clay without free water over Reese sand without k (the default
  // applies) over weak rock, with soil movements and a deflected pile: the
  // criteria whose defaults and cycle counts once reached into the input.
  auto ctx = makeSoilContext(kUnitsSi);
  AnalysisModel& model = ctx->model;
  SoilLayer& clay = addLayer(model, kStiffClayNoFreeWater, 0.0, 4.0);
  setValue(clay.cohesion, 50.0, 60.0);
  setValue(clay.unitWeight, 9.0, 9.0);
  setValue(clay.epsilon50, 0.007, 0.007);
  SoilLayer& sand = addLayer(model, kReeseSand, 4.0, 8.0);
  setValue(sand.frictionAngle, 35.0, 35.0);
  setValue(sand.unitWeight, 10.0, 10.0);
  setValue(sand.subgradeK, 0.0, 5000.0);
  SoilLayer& rock = addLayer(model, kWeakRock, 8.0, 10.0);
  setValue(rock.cohesion, 5000.0, 5000.0);
  setValue(rock.unitWeight, 12.0, 12.0);
  setValue(rock.rockModulus, 1.0e6, 1.0e6);
  setValue(rock.rqd, 50.0, 50.0);
  setValue(rock.krm, 0.0001, 0.0001);
  rock.epsilon50 = rock.krm;  // where the soil queries find k_rm
  setUniformPile(model, 10.0, 0.8);
  placeVerticalNodes(model, 20);
  model.options.numberOfCycles = 0.0;
  model.options.printPyCurves = true;
  model.tables.soilMovement.points = 2;
  PileModel& pm = model.pileModel;
  for (int k = 1; k <= pm.N; ++k) {
    pm.y(k) = 0.02 * std::exp(-0.3 * (k - 1));
    pm.node[static_cast<std::size_t>(k)].ys = 0.001;
    pm.node[static_cast<std::size_t>(k)].EI = 2.0e5 + 100.0 * k;
  }
  updateSoilModuli(*ctx);
  // The sweep leaves the input as it was given.
  EXPECT_EQ(sand.subgradeK[0], 0.0);
  EXPECT_EQ(sand.subgradeK[1], 5000.0);
  EXPECT_EQ(model.options.numberOfCycles, 0.0);
  const AnalysisSnapshot before = snapshot(model);

  requestDepths(model, {9.5, 1.5, 4.0, 6.25});
  printPyCurvesAtDepths(*ctx);
  EXPECT_EQ(ctx->model.state.errorCode, 0);
  EXPECT_EQ(printedLayers(ctx->report.text()), (std::vector<int>{1, 2, 2, 3}));
  EXPECT_TRUE(snapshot(model) == before);

  // The next sweep finds what the last one left.
  updateSoilModuli(*ctx);
  EXPECT_TRUE(snapshot(model) == before);
}

}  // namespace
}  // namespace quarn::soil
