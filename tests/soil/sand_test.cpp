// Sand criteria: the curves against the published formulas of Reese, Cox and
// Koop, API RP 2A and Rollins et al. at several depths, the default subgrade
// modulus, the warnings and the errors.
#include "soil/sand.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "sand_reference.h"
#include "soil/liquefied_sand.h"
#include "soil_fixture.h"

namespace quarn::soil {
namespace {

using testing::addLayer;
using testing::contains;
using testing::errorCodeOf;
using testing::makeSoilContext;
using testing::placeVerticalNodes;
using testing::radians;
using testing::SandLayerAt;
using testing::setUniformPile;
using testing::setValue;

constexpr int kReese = 5;
constexpr int kApi = 6;
constexpr int kLiquefied = 7;

// A 20 m pile of 0.6 m diameter in one sand layer (SI units), a node every
// 0.5 m: phi = 32 + 0.3 x degrees, gamma' = 10 kN/m3, k = 20000 kN/m3.
constexpr double kDiameter = 0.6;
constexpr double kK = 20000.0;

std::unique_ptr<engine::RunContext> sandProfile(int criterion, bool cyclic) {
  auto ctx = makeSoilContext(kUnitsSi);
  AnalysisModel& model = ctx->model;
  SoilLayer& sand = addLayer(model, criterion, 0.0, 20.0);
  setValue(sand.frictionAngle, 32.0, 38.0);
  setValue(sand.unitWeight, 10.0, 10.0);
  setValue(sand.subgradeK, kK, kK);
  model.options.cyclicLoading = cyclic;
  setUniformPile(model, 20.0, kDiameter);
  placeVerticalNodes(model, 40);
  return ctx;
}

SandLayerAt sandAt(double x) {
  return {32.0 + 0.3 * x, 10.0, kDiameter, x, kK};
}

double resistanceAt(engine::RunContext& ctx, int node, double d) {
  ctx.model.pileModel.y(node) = d;
  updateSoilModuli(ctx);
  return ctx.model.pileModel.node[static_cast<std::size_t>(node)].Es * d;
}

// Nodes at 0.5, 1.5, 2, 4 and 12 m: z / b from 0.83 (in the tables) to 20
// (beyond them).
constexpr int kNodes[] = {2, 4, 5, 9, 25};

TEST(ReeseSand, CurvesFollowReeseCoxAndKoop) {
  for (const bool cyclic : {false, true}) {
    SCOPED_TRACE(cyclic);
    auto ctx = sandProfile(kReese, cyclic);
    for (int node : kNodes) {
      const double x = (node - 1) * 0.5;
      SCOPED_TRACE(x);
      const testing::ReeseCurveReference curve = testing::reeseCurve(sandAt(x), cyclic);
      for (double multiple : {0.02, 0.1, 0.3, 0.6, 0.9, 1.2, 1.8, 2.25, 2.5, 4.0}) {
        SCOPED_TRACE(multiple);
        const double y = multiple * kDiameter / 60.0;
        EXPECT_NEAR(resistanceAt(*ctx, node, y), curve.p(y), 1e-6 * curve.pu);
      }
      // Where the parabola meets the initial line.
      if (curve.yk < curve.ym) {
        EXPECT_NEAR(resistanceAt(*ctx, node, curve.yk), curve.kz * curve.yk, 1e-6 * curve.pu);
      }
    }
  }
}

TEST(ReeseSand, ShallowAndDeepResistance) {
  // Near the surface the wedge governs, at depth flow around the pile.
  for (const double x : {1.0, 12.0}) {
    SCOPED_TRACE(x);
    const SandLayerAt s = sandAt(x);
    ReeseSandInput in;
    in.phi = radians(s.phiDegrees);
    in.gamma = s.gamma;
    in.b = s.b;
    in.z = s.z;
    in.k = s.k;
    const ReeseSandCurve curve = makeReeseSandCurve(in);
    EXPECT_NEAR(curve.pst, testing::reeseShallow(s), 1e-9 * curve.pst);
    EXPECT_NEAR(curve.psd, testing::reeseDeep(s), 1e-9 * curve.psd);
    EXPECT_EQ(curve.shallowControls, x < 5.0);
    EXPECT_NEAR(curve.wedge.KaLevel, std::pow(std::tan(radians(45.0 - s.phiDegrees / 2.0)), 2.0),
                1e-12);
    EXPECT_NEAR(curve.wedge.tan2Beta, std::pow(std::tan(radians(45.0 + s.phiDegrees / 2.0)), 2.0),
                1e-12);
  }
}

// The shapes of the curve by where the parabola meets the initial line.
TEST(ReeseSand, NormalTriLinearAndBiLinearShapes) {
  const SandLayerAt s = sandAt(2.0);
  const testing::ReeseCurveReference stiff = testing::reeseCurve(s, false);
  // The k at which the parabola meets the initial line at yk:
  // C yk^(1/n) = k z yk.
  const auto kFor = [&](double yk) { return stiff.C * std::pow(yk, 1.0 / stiff.n - 1.0) / s.z; };
  struct Case {
    const char* name;
    double k;
    int shape;
  };
  const Case cases[] = {
      {"normal: yk < ym", kK, 1},
      {"tri-linear: ym < yk < yu", kFor((stiff.ym + stiff.yu) / 2.0), 2},
      {"bi-linear: yk > yu", kFor(2.0 * stiff.yu), 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SandLayerAt layer = s;
    layer.k = c.k;
    ReeseSandInput in;
    in.phi = radians(layer.phiDegrees);
    in.gamma = layer.gamma;
    in.b = layer.b;
    in.z = layer.z;
    in.k = layer.k;
    const ReeseSandCurve curve = makeReeseSandCurve(in);
    EXPECT_EQ(curve.shape, c.shape);
    const testing::ReeseCurveReference reference = testing::reeseCurve(layer, false);
    for (double multiple : {0.1, 0.5, 0.9, 1.1, 1.6, 2.0, 2.5, 5.0}) {
      SCOPED_TRACE(multiple);
      const double y = multiple * layer.b / 60.0;
      EXPECT_NEAR(curve.p(y), reference.p(y), 1e-6 * reference.pu);
    }
    // Bi-linear: k z y up to pu.
    if (c.shape == 3) {
      EXPECT_NEAR(curve.p(1.0), reference.pu, 1e-6 * reference.pu);
    }
  }
}

TEST(ReeseSand, SlopingGround) {
  // 10 degrees of slope at 1 m: Ka for a sloping surface, and the wedge of
  // the sloping-ground form with D1 = tan(theta) tan(beta) / s,
  // F1 = 4 D1^3 - 3 D1^2 + 1, where s = 1 + tan(theta) tan(beta) for a pile
  // deflected downhill, 1 - tan(theta) tan(beta) uphill and 1 without
  // deflection.
  const double theta = radians(10.0);
  const SandLayerAt s = sandAt(1.0);
  const double phi = radians(s.phiDegrees);
  const double alpha = phi / 2.0;
  const double beta = radians(45.0) + alpha;
  const double root = std::sqrt(std::pow(std::cos(theta), 2) - std::pow(std::cos(phi), 2));
  const double Ka = std::cos(theta) * (std::cos(theta) - root) / (std::cos(theta) + root);
  const double t = std::tan(theta) * std::tan(beta);
  const double tbp = std::tan(beta - phi);
  const double K0 = 0.4;
  const double z = s.z;
  const double b = s.b;
  const auto pstFor = [&](double sd) {
    const double D1 = t / sd;
    const double F1 = 4.0 * D1 * D1 * D1 - 3.0 * D1 * D1 + 1.0;
    return s.gamma * z *
           (std::tan(beta) / tbp * (b + z * std::tan(alpha) * std::tan(beta) / sd) / sd - Ka * b +
            K0 * z * std::tan(phi) * std::sin(beta) * F1 / (std::cos(alpha) * tbp) +
            F1 * K0 * z * std::tan(beta) * (std::tan(phi) * std::sin(beta) - std::tan(alpha)));
  };
  struct Case {
    double yn;
    double sd;
  };
  const Case cases[] = {{0.01, 1.0 + t}, {-0.01, 1.0 - t}, {0.0, 1.0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.yn);
    ReeseSandInput in;
    in.phi = phi;
    in.gamma = s.gamma;
    in.b = b;
    in.z = z;
    in.k = s.k;
    in.theta = theta;
    in.yn = c.yn;
    const ReeseSandCurve curve = makeReeseSandCurve(in);
    EXPECT_NEAR(curve.Ka, Ka, 1e-12);
    const double expected = pstFor(c.sd);
    EXPECT_NEAR(curve.pst, expected, 1e-9 * expected);
    // The printed Ka is the level one, as used by the deep resistance.
    EXPECT_NEAR(curve.psd, testing::reeseDeep(s), 1e-9 * curve.psd);
  }
}

TEST(ApiSand, CurvesFollowApiRp2a) {
  for (const bool cyclic : {false, true}) {
    SCOPED_TRACE(cyclic);
    auto ctx = sandProfile(kApi, cyclic);
    for (int node : kNodes) {
      const double x = (node - 1) * 0.5;
      SCOPED_TRACE(x);
      const SandLayerAt s = sandAt(x);
      const double Apu = testing::apiFactor(s, cyclic) * testing::apiUltimate(s);
      for (double multiple : {0.001, 0.01, 0.1, 0.5, 1.0, 2.0, 5.0}) {
        SCOPED_TRACE(multiple);
        // Deflections in multiples of A pu / (k z), where the curve bends.
        const double y = multiple * Apu / (kK * x);
        EXPECT_NEAR(resistanceAt(*ctx, node, y), testing::apiP(s, cyclic, y), 1e-6 * Apu);
      }
    }
  }
}

TEST(ApiSand, CoefficientsAndTheFactorA) {
  const SandLayerAt s{35.0, 10.0, 1.0, 2.5, kK};
  ApiSandInput in;
  in.phi = radians(35.0);
  in.gamma = 10.0;
  in.b = 1.0;
  in.z = 2.5;
  in.k = kK;
  // C1, C2 and C3 from the general wedge with tan(beta - phi).
  const testing::WedgeTerms terms = testing::wedgeTerms(35.0, 0.4);
  ApiSandCurve curve = makeApiSandCurve(in);
  EXPECT_NEAR(curve.C1, terms.perDepth, 1e-6);
  EXPECT_NEAR(curve.C2, terms.perDiameter, 1e-6);
  EXPECT_NEAR(curve.C3, terms.deep, 1e-5);
  EXPECT_NEAR(curve.pu, testing::apiFactor(s, false) * testing::apiUltimate(s), 1e-6 * curve.pu);
  // Static A: 1.0 at z = 2.5 b, 0.9 from z = 2.625 b on; cyclic 0.9.
  EXPECT_NEAR(curve.A, 1.0, 1e-6);
  in.z = 2.625;
  EXPECT_NEAR(makeApiSandCurve(in).A, 0.9, 1e-7);
  in.z = 4.0;
  EXPECT_NEAR(makeApiSandCurve(in).A, 0.9, 1e-7);
  in.z = 0.5;
  EXPECT_NEAR(makeApiSandCurve(in).A, 2.6, 1e-6);
  in.cyclic = true;
  EXPECT_NEAR(makeApiSandCurve(in).A, 0.9, 1e-7);
  // At the ground surface no resistance; no deflection gives k z.
  in.z = 0.0;
  curve = makeApiSandCurve(in);
  EXPECT_EQ(curve.p(0.05), 0.0);
  EXPECT_TRUE(curve.belowSmallDeflectionLimit(0.0));
  EXPECT_EQ(curve.limitingModulus(1.0, 1.0), 0.0);
}

TEST(SandDefaults, SubgradeModulusFromTheFrictionAngle) {
  struct Case {
    double phi;
    double gamma;
    int units;
    double expected;
  };
  const Case cases[] = {
      {35.0, 0.0365, kUnitsUsCustomary, 1.2098290369522147e-07 * std::pow(35.0, 5.694468021392822)},
      {30.0, 0.0365, kUnitsUsCustomary, 1.2098290369522147e-07 * std::pow(30.0, 5.694468021392822)},
      {41.0, 0.0365, kUnitsUsCustomary, 160.54745483398438},
      // SI: submerged sand (gamma' up to 12.225 kN/m3) and sand above the water table.
      {30.0, 10.0, kUnitsSi, 3.284046397311613e-05 * std::pow(30.0, 5.694468021392822)},
      {30.0, 18.0, kUnitsSi, 4.14174883189844e-06 * std::pow(30.0, 6.416118144989014)},
      {42.0, 10.0, kUnitsSi, 43580.1484375},
      {42.0, 18.0, kUnitsSi, 78739.0078125},
      {35.0, 10.0, kUnitsGeneral, 0.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.phi << " " << c.gamma << " " << c.units);
    EXPECT_NEAR(defaultSandModulus(c.phi, c.gamma, c.units), c.expected, 1e-12 * c.expected);
  }
  // At 40 degrees the formula meets the cap.
  EXPECT_NEAR(defaultSandModulus(40.0, 0.0365, kUnitsUsCustomary), 160.54745483398438, 1e-3);
  EXPECT_NEAR(defaultSandModulus(40.0, 10.0, kUnitsSi), 43580.1484375, 0.5);
  EXPECT_NEAR(defaultSandModulus(40.0, 18.0, kUnitsSi), 78739.0078125, 0.5);
}

TEST(SandDefaults, DefaultModulusThroughTheSweep) {
  // US customary units: 24 in pile, phi = 35 degrees, 63 lb/ft3, no k given.
  for (const int criterion : {kReese, kApi}) {
    SCOPED_TRACE(criterion);
    auto ctx = makeSoilContext(kUnitsUsCustomary);
    AnalysisModel& model = ctx->model;
    SoilLayer& sand = addLayer(model, criterion, 0.0, 600.0);
    setValue(sand.frictionAngle, 35.0, 35.0);
    setValue(sand.unitWeight, 63.0 / 1728.0, 63.0 / 1728.0);
    setValue(sand.subgradeK, 0.0, 50.0);
    setUniformPile(model, 600.0, 24.0);
    placeVerticalNodes(model, 40);
    updateSoilModuli(*ctx);
    const double k = 1.2098290369522147e-07 * std::pow(35.0, 5.694468021392822);
    // Node 5 at 60 in: the limiting modulus k z.
    EXPECT_NEAR(model.pileModel.node[5].Es, k * 60.0, 1e-9 * k * 60.0);
    // The default replaces both layer values; the input keeps the values it
    // was given.
    EXPECT_EQ(sand.subgradeK[0], 0.0);
    EXPECT_EQ(sand.subgradeK[1], 50.0);
  }
}

TEST(SandDefaults, InterpolatedModulusBetweenTheLayerValues) {
  auto ctx = sandProfile(kReese, false);
  setValue(ctx->model.soil.layers[1].subgradeK, 10000.0, 30000.0);
  updateSoilModuli(*ctx);
  // Node 9 at 4 m: k = 14000.
  EXPECT_NEAR(ctx->model.pileModel.node[9].Es, 14000.0 * 4.0, 1e-9);
}

TEST(ReeseSand, ZeroFrictionAngleIsAnInputError) {
  auto ctx = sandProfile(kReese, false);
  setValue(ctx->model.soil.layers[1].frictionAngle, 0.0, 0.0);
  EXPECT_EQ(errorCodeOf(*ctx, [&] { updateSoilModuli(*ctx); }), 108);
  EXPECT_EQ(ctx->messages.text(),
            "**** Input Data Error No. 8 ****\n"
            "\n"
            "An error was detected in the input data for friction angle.\n"
            "Problem:  Zero was input for the friction angle for a sand when computing \n"
            "          a p-y curve using the Reese et al. criteria.\n"
            "\n"
            "Solution: Check values of soil strength values and revise the input data.\n");
  EXPECT_EQ(ctx->report.text(), "\n\nQuarn ended prematurely due to input error number INP00008\n");
}

TEST(ReeseSand, UnreasonableFrictionAngleIsWarnedAndUsed) {
  const std::string block =
      "\n"
      "**** Warning ****\n"
      "\n"
      "An unreasonable value for friction angle was input for a Reese sand layer. \n"
      "The input value is either smaller than 20 degrees or higher than 48 degrees.\n"
      "The input data should be checked for correctness.\n"
      "\n"
      "The input value for friction angle was used in computations.\n";
  for (const double phi : {18.0, 49.0}) {
    SCOPED_TRACE(phi);
    auto ctx = sandProfile(kReese, false);
    setValue(ctx->model.soil.layers[1].frictionAngle, phi, phi);
    updateSoilModuli(*ctx);
    // One block and one count per node.
    std::string expected;
    for (int node = 1; node <= 41; ++node) expected += block;
    EXPECT_EQ(ctx->messages.text(), expected);
    EXPECT_EQ(ctx->model.state.warningOccurrences[302], 41);
    EXPECT_EQ(ctx->model.state.lastWarningCode, -302);
    // The curve uses the value.
    SandLayerAt s = sandAt(4.0);
    s.phiDegrees = phi;
    const testing::ReeseCurveReference curve = testing::reeseCurve(s, false);
    EXPECT_NEAR(resistanceAt(*ctx, 9, 0.01), curve.p(0.01), 1e-6 * curve.pu);
  }
}

TEST(ReeseSand, SlopeSteeperThanTheFrictionAngle) {
  // In layer 1: input error 9.
  auto ctx = sandProfile(kReese, false);
  ctx->model.tables.batter.slopeAngle = radians(40.0);
  ctx->model.tables.batter.effectiveSlopeAngle = radians(40.0);
  EXPECT_EQ(errorCodeOf(*ctx, [&] { updateSoilModuli(*ctx); }), 109);
  const std::string block =
      "**** Input Data Error No. 9 ****\n"
      "\n"
      "An error was found in the input data when computing a p-y curve using \n"
      "the Reese sand criteria for layer 1.\n"
      "\n"
      "Problem:  The angle of the ground slope can not be greater than the \n"
      "internal friction angle of the sand.\n"
      "\n"
      "Solution:  Set the value for slope angle to be less than the angle of friction.\n";
  EXPECT_EQ(ctx->messages.text(), block);
  EXPECT_EQ(ctx->report.text(),
            block + "\n\nQuarn ended prematurely due to input error number INP00009\n");

  // In a deeper layer the resistance is not a number: runtime error 31 at
  // the first deflected node.
  auto deeper = makeSoilContext(kUnitsSi);
  AnalysisModel& model = deeper->model;
  SoilLayer& upper = addLayer(model, kReese, 0.0, 10.0);
  setValue(upper.frictionAngle, 45.0, 45.0);
  setValue(upper.unitWeight, 10.0, 10.0);
  setValue(upper.subgradeK, kK, kK);
  SoilLayer& lower = addLayer(model, kReese, 10.0, 20.0);
  lower.frictionAngle = {35.0, 35.0};
  lower.unitWeight = upper.unitWeight;
  lower.subgradeK = upper.subgradeK;
  model.tables.batter.slopeAngle = radians(40.0);
  model.tables.batter.effectiveSlopeAngle = radians(40.0);
  setUniformPile(model, 20.0, kDiameter);
  placeVerticalNodes(model, 40);
  model.pileModel.y(23) = 0.01;
  EXPECT_EQ(errorCodeOf(*deeper, [&] { updateSoilModuli(*deeper); }), 231);
  EXPECT_EQ(deeper->report.text(),
            "**** Runtime Error No. 31 ****\n"
            "\n"
            "The computed value of soil modulus computed in Reese Sand is not-a-number for node "
            "number 23\n"
            "\n"
            "This problem is usually due to a required soil property being left equal to zero.\n");
  EXPECT_EQ(deeper->messages.text(), "");
}

TEST(ReeseSand, LimitingModulusNotANumber) {
  auto ctx = sandProfile(kReese, false);
  setValue(ctx->model.soil.layers[1].subgradeK, std::nan(""), 20000.0);
  EXPECT_EQ(errorCodeOf(*ctx, [&] { updateSoilModuli(*ctx); }), 232);
  EXPECT_EQ(ctx->report.text(),
            "**** Runtime Error No. 32 ****\n"
            "\n"
            "The default value of soil modulus computed in Reese Sand is not-a-number for node "
            "number 1\n"
            "\n"
            "This problem is usually due to a required soil property being left equal to zero.\n");
}

TEST(Sand, DefaultModulusInGeneralUnitsIsARuntimeError) {
  const std::string block =
      "\n\n"
      "**** Runtime Error No. 13 ****\n"
      "\n"
      "Problem:  General units have been selected for use in computations in      \n"
      "combination with default values of k for a layer classified as API sand    \n"
      "criteria. This combination of data cannot be used because Quarn cannot     \n"
      "compute default values of subgrade modulus in general units.               \n"
      "\n"
      "Solution:  You must select either US customary for SI units for the        \n"
      "units of computation to use a default value for subgrade subgrade modulus  \n"
      "for the API sand criteria or enter an appropriate proper value by entering \n"
      "a non-zero for k.\n";
  for (const int criterion : {kApi, kReese}) {
    SCOPED_TRACE(criterion);
    auto ctx = sandProfile(criterion, false);
    ctx->model.options.IUNITS = kUnitsGeneral;
    setValue(ctx->model.soil.layers[1].subgradeK, 0.0, 0.0);
    EXPECT_EQ(errorCodeOf(*ctx, [&] { updateSoilModuli(*ctx); }), 213);
    EXPECT_EQ(ctx->report.text(), block);
    EXPECT_EQ(ctx->messages.text(), block);
  }
}

TEST(ApiSand, ZeroFrictionAngleBelowTheFirstNodeIsAnInputError) {
  auto ctx = sandProfile(kApi, false);
  // phi falls from 30 to -30 degrees: zero at 10 m, node 21.
  setValue(ctx->model.soil.layers[1].frictionAngle, 30.0, -30.0);
  EXPECT_EQ(errorCodeOf(*ctx, [&] { updateSoilModuli(*ctx); }), 101);
  const std::string block =
      "**** Input Data Error No. 1 ****\n"
      "\n"
      "An error was detected in the input data when computing a p-y.\n"
      "curve using the API sand criteria for layer 1.\n"
      "\n"
      "Problem:  A zero was input for the friction angle for sand.\n"
      "\n"
      "Solution:  Check the friction angle values and revise the \n"
      "data to correct this problem.\n";
  EXPECT_EQ(ctx->messages.text(), block);
  EXPECT_EQ(ctx->report.text(),
            block + "\n\nQuarn ended prematurely due to input error number INP00001\n");
  // At the layer's first node a zero angle is accepted.
  auto first = sandProfile(kApi, false);
  setValue(first->model.soil.layers[1].frictionAngle, 0.0, 30.0);
  EXPECT_EQ(errorCodeOf(*first, [&] { updateSoilModuli(*first); }), 0);
}

TEST(ApiSand, SlopeSteeperThanTheFrictionAngleIsAnInputError) {
  auto ctx = sandProfile(kApi, false);
  ctx->model.tables.batter.slopeAngle = radians(40.0);
  ctx->model.tables.batter.effectiveSlopeAngle = radians(40.0);
  EXPECT_EQ(errorCodeOf(*ctx, [&] { updateSoilModuli(*ctx); }), 102);
  const std::string block =
      "**** Input Data Error No. 2 ****\n"
      "\n"
      "An error was detected in the input data when computing a p-y.\n"
      "curve using the API criteria for sand for layer 1.\n"
      "\n"
      "Problem:  The angle of the ground slope can not be greater \n"
      "than the internal friction angle of the sand.\n"
      "\n"
      "Solution:  Set the value for slope angle to be less than \n"
      "the angle of friction.\n";
  EXPECT_EQ(ctx->messages.text(), block);
  EXPECT_EQ(ctx->report.text(),
            block + "\n\nQuarn ended prematurely due to input error number INP00002\n");
}

TEST(ApiSand, UnreasonableFrictionAngleIsCounted) {
  auto ctx = sandProfile(kApi, false);
  setValue(ctx->model.soil.layers[1].frictionAngle, 50.0, 50.0);
  updateSoilModuli(*ctx);
  EXPECT_EQ(ctx->model.state.warningOccurrences[303], 41);
  EXPECT_EQ(ctx->model.state.lastWarningCode, -303);
  EXPECT_EQ(ctx->messages.text(), "");
}

// The integral of the resistance over the layer, for the layers below.
TEST(Sand, IntegratedResistanceOfTheLayer) {
  // API sand: the resistance at 3b/80, trapezoids between the nodes.
  auto ctx = sandProfile(kApi, false);
  updateSoilModuli(*ctx);
  double expected = 0.0;
  double previous = 0.0;
  for (int node = 1; node <= 41; ++node) {
    const double x = (node - 1) * 0.5;
    const double value = x < 1e-10 ? 0.0 : testing::apiP(sandAt(x), false, 3.0 * kDiameter / 80.0);
    if (node > 1) expected += (previous + value) * 0.5 / 2.0;
    previous = value;
  }
  EXPECT_NEAR(ctx->model.layering.F[1], expected, 1e-6 * expected);

  // Reese sand with the ground 1 m above the pile head: half the last
  // node's pu over the layer thickness.
  auto above = makeSoilContext(kUnitsSi);
  AnalysisModel& model = above->model;
  SoilLayer& sand = addLayer(model, kReese, -1.0, 10.0);
  setValue(sand.frictionAngle, 35.0, 35.0);
  setValue(sand.unitWeight, 10.0, 10.0);
  setValue(sand.subgradeK, kK, kK);
  setUniformPile(model, 10.0, kDiameter);
  placeVerticalNodes(model, 20);
  updateSoilModuli(*above);
  const testing::ReeseCurveReference tip =
      testing::reeseCurve({35.0, 10.0, kDiameter, 11.0, kK}, false);
  EXPECT_NEAR(model.layering.F[1], tip.pu * 0.5 * 11.0, 1e-6 * tip.pu);
}

// ---- liquefied sand --------------------------------------------------------------

TEST(LiquefiedSand, CurvesFollowRollinsInTheFirstLayer) {
  auto ctx = makeSoilContext(kUnitsSi);
  AnalysisModel& model = ctx->model;
  SoilLayer& sand = addLayer(model, kLiquefied, 0.0, 20.0);
  setValue(sand.unitWeight, 9.0, 9.0);
  setUniformPile(model, 20.0, kDiameter);
  placeVerticalNodes(model, 40);
  // Nodes at 1, 3 and 6 m; in the first layer the depth itself.
  for (int node : {3, 7, 13}) {
    const double x = (node - 1) * 0.5;
    SCOPED_TRACE(x);
    const testing::RollinsCurve curve = testing::rollinsCurve(x, kDiameter);
    for (double mm : {3.0, 10.0, 30.0, 60.0, 100.0, 150.0, 200.0}) {
      SCOPED_TRACE(mm);
      const double expected = curve.p(mm);
      EXPECT_NEAR(resistanceAt(*ctx, node, mm / 1000.0), expected, 1e-6 * expected);
    }
  }
}

TEST(LiquefiedSand, DeeperLayersUseTheNormalizedDepth) {
  // Sand of 10 kN/m3 to 2 m over liquefied sand of 8 kN/m3: at 4 m the
  // vertical effective stress is 20 + 16 = 36 kPa, a depth of 3.6 m at 10 kN/m3.
  auto ctx = makeSoilContext(kUnitsSi);
  AnalysisModel& model = ctx->model;
  SoilLayer& upper = addLayer(model, kReese, 0.0, 2.0);
  setValue(upper.frictionAngle, 35.0, 35.0);
  setValue(upper.unitWeight, 10.0, 10.0);
  SoilLayer& lower = addLayer(model, kLiquefied, 2.0, 20.0);
  setValue(lower.unitWeight, 8.0, 8.0);
  setUniformPile(model, 20.0, kDiameter);
  placeVerticalNodes(model, 40);
  const testing::RollinsCurve curve = testing::rollinsCurve(3.6, kDiameter);
  for (double mm : {5.0, 50.0, 120.0}) {
    SCOPED_TRACE(mm);
    const double expected = curve.p(mm);
    EXPECT_NEAR(resistanceAt(*ctx, 9, mm / 1000.0), expected, 1e-6 * expected);
  }
}

TEST(LiquefiedSand, UsCustomaryUnits) {
  // 24 in pile at 10 ft: zr = 3.048 m; p in lb/in, y in inches.
  auto ctx = makeSoilContext(kUnitsUsCustomary);
  AnalysisModel& model = ctx->model;
  SoilLayer& sand = addLayer(model, kLiquefied, 0.0, 600.0);
  setValue(sand.unitWeight, 60.0 / 1728.0, 60.0 / 1728.0);
  setUniformPile(model, 600.0, 24.0);
  placeVerticalNodes(model, 40);
  const testing::RollinsCurve curve = testing::rollinsCurve(120.0 * 0.0254, 24.0 * 0.0254);
  for (double inches : {0.25, 1.0, 3.0, 7.0}) {
    SCOPED_TRACE(inches);
    // 1 kN/m = 5.710147 lb/in.
    const double expected = curve.p(inches * 25.4) * 5.710147;
    EXPECT_NEAR(resistanceAt(*ctx, 9, inches), expected, 1e-6 * expected);
  }
}

TEST(LiquefiedSand, DiameterFactorAndLimit) {
  struct Case {
    double D;
    double Pd;
  };
  const Case cases[] = {{0.3, 1.0}, {0.15, 0.5}, {1.0, 5.6}, {2.0, 3.81 * std::log(2.0) + 5.6}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.D);
    LiquefiedSandInput in;
    in.D = c.D;
    in.depth = 2.0;
    const LiquefiedSandCurve curve = makeLiquefiedSandCurve(in);
    EXPECT_NEAR(curve.Pd, c.Pd, 1e-6);
  }
  // Shallow: the curve stops growing at 150 mm below 15 kN/m; deep: the
  // 15 kN/m limit is reached first.
  LiquefiedSandInput in;
  in.D = 0.3;
  in.depth = 1.0;
  const LiquefiedSandCurve shallow = makeLiquefiedSandCurve(in);
  EXPECT_FALSE(shallow.capReached);
  EXPECT_NEAR(shallow.ycap, 0.15, 1e-8);
  EXPECT_NEAR(shallow.Pu, testing::rollinsCurve(1.0, 0.3).p(150.0), 1e-6 * shallow.Pu);
  in.depth = 6.0;
  const LiquefiedSandCurve deep = makeLiquefiedSandCurve(in);
  EXPECT_TRUE(deep.capReached);
  EXPECT_NEAR(deep.Pu, 15.0, 1e-6);
  // At ycap the curve reaches the limit.
  const testing::RollinsCurve reference = testing::rollinsCurve(6.0, 0.3);
  EXPECT_NEAR(reference.A * std::pow(reference.B * deep.ycap * 1000.0, reference.C), 15.0, 1e-5);
}

TEST(LiquefiedSand, NoDeflectionTakesTheSecantAtTheFirstPrintedDeflection) {
  auto ctx = makeSoilContext(kUnitsSi);
  AnalysisModel& model = ctx->model;
  SoilLayer& sand = addLayer(model, kLiquefied, 0.0, 20.0);
  setValue(sand.unitWeight, 9.0, 9.0);
  setUniformPile(model, 20.0, kDiameter);
  placeVerticalNodes(model, 40);
  updateSoilModuli(*ctx);
  const double secant = testing::rollinsCurve(3.0, kDiameter).p(3.0) / 0.003;
  EXPECT_NEAR(model.pileModel.node[7].Es, secant, 1e-6 * secant);
  EXPECT_GT(model.pileModel.node[7].Es, 0.0);
}

}  // namespace
}  // namespace quarn::soil
