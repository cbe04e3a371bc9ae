// Soft clay criteria: the curves against Matlock's formulas, the engine's
// limits and defaults, warnings and errors.
#include "soil/soft_clay.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "matlock_reference.h"
#include "soil_fixture.h"

namespace quarn::soil {
namespace {

using testing::addLayer;
using testing::errorCodeOf;
using testing::makeSoilContext;
using testing::MatlockClay;
using testing::matlockP;
using testing::matlockUltimate;
using testing::placeVerticalNodes;
using testing::setUniformPile;
using testing::setValue;

constexpr int kSoftClay = 1;
constexpr int kSand = 5;
constexpr int kSoftClayJ = 15;

// A 20 m pile of 0.6 m diameter in one clay layer (SI units) whose strength
// grows from 20 to 40 kPa and whose unit weight grows from 8 to 10 kN/m3:
// at depth x, c = 20 + x and the average unit weight above is 8 + 0.05 x.
std::unique_ptr<engine::RunContext> clayProfile(int criterion, double J, bool cyclic) {
  auto ctx = makeSoilContext(kUnitsSi);
  AnalysisModel& model = ctx->model;
  SoilLayer& clay = addLayer(model, criterion, 0.0, 20.0);
  setValue(clay.cohesion, 20.0, 40.0);
  setValue(clay.unitWeight, 8.0, 10.0);
  setValue(clay.epsilon50, 0.02, 0.02);
  setValue(clay.jFactor, J, J);
  model.options.cyclicLoading = cyclic;
  setUniformPile(model, 20.0, 0.6);
  placeVerticalNodes(model, 40);  // a node every 0.5 m
  return ctx;
}

MatlockClay matlockAt(double x, double J, bool cyclic) {
  return {20.0 + x, 8.0 + 0.05 * x, 0.02, J, 0.6, x, cyclic};
}

struct CurveCase {
  const char* name;
  int criterion;
  double J;  // 0.5 for "SoftClay"
  bool cyclic;
};

TEST(SoftClay, CurvesFollowMatlockAtSeveralDepths) {
  const CurveCase cases[] = {
      {"SoftClay static", kSoftClay, 0.5, false},
      {"SoftClay cyclic", kSoftClay, 0.5, true},
      {"SoftClyJ static with J = 0.5", kSoftClayJ, 0.5, false},
      {"SoftClyJ cyclic with J = 0.5", kSoftClayJ, 0.5, true},
      {"SoftClyJ static with J = 0.25", kSoftClayJ, 0.25, false},
      {"SoftClyJ cyclic with J = 0.25", kSoftClayJ, 0.25, true},
  };
  // Nodes at 1 m (wedge resistance, above the transition depth), 6 m (around
  // the transition depth) and 15 m (flow-around resistance 9 c b).
  const int nodes[] = {3, 13, 31};
  const double multiples[] = {0.05, 0.5, 1.0, 2.5, 3.0, 5.0, 8.0, 8.5, 10.0, 15.0, 20.0};
  const double y50 = 2.5 * 0.02 * 0.6;
  for (const CurveCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto ctx = clayProfile(c.criterion, c.J, c.cyclic);
    PileModel& pile = ctx->model.pileModel;
    for (double multiple : multiples) {
      SCOPED_TRACE(multiple);
      for (int node : nodes) pile.y(node) = multiple * y50;
      updateSoilModuli(*ctx);
      for (int node : nodes) {
        const double x = pile.node[node].xv;
        SCOPED_TRACE(x);
        const double expected = matlockP(matlockAt(x, c.J, c.cyclic), multiple * y50);
        EXPECT_NEAR(pile.node[node].Es * multiple * y50, expected, 1e-6 * expected);
      }
    }
  }
}

TEST(SoftClay, UltimateResistanceAboveAndBelowTheTransitionDepth) {
  // Static curves far beyond 8 y50 carry pu itself.
  for (const double J : {0.5, 0.25}) {
    SCOPED_TRACE(J);
    auto ctx = clayProfile(kSoftClayJ, J, false);
    PileModel& pile = ctx->model.pileModel;
    for (int node = 2; node <= pile.N; ++node) pile.y(node) = 1.0;
    updateSoilModuli(*ctx);
    for (int node : {3, 13, 31}) {
      const double x = pile.node[node].xv;
      SCOPED_TRACE(x);
      const MatlockClay clay = matlockAt(x, J, false);
      const double wedge = (3.0 + clay.gamma * x / clay.c + J * x / clay.b) * clay.c * clay.b;
      const double flow = 9.0 * clay.c * clay.b;
      EXPECT_NEAR(pile.node[node].Es * 1.0, std::min(wedge, flow), 1e-9 * flow);
      // The shallowest node is governed by the wedge, the deepest by flow around the pile.
      if (node == 3) {
        EXPECT_LT(wedge, flow);
      } else if (node == 31) {
        EXPECT_GT(wedge, flow);
      }
    }
  }
}

// Single curves with the engine's limits, from the published examples of its
// behaviour.
TEST(SoftClay, TransitionDepthAndCyclicBranches) {
  SoftClayInput in;
  in.c = 50.0;
  in.gamma = 0.0;
  in.e50 = 0.01;
  in.J = 0.5;
  in.D = 1.0;
  in.z = 20.0;

  // Without unit weight and with J = 0.5 the transition depth is 12 D, and
  // a deeper curve has pu = 9 c D.
  SoftClayCurve deep = makeSoftClayCurve(in);
  EXPECT_DOUBLE_EQ(deep.xr, 12.0);
  EXPECT_DOUBLE_EQ(deep.xrPrime, 12.0);
  EXPECT_DOUBLE_EQ(deep.pu, 9.0 * 50.0 * 1.0);
  EXPECT_DOUBLE_EQ(deep.y50, 2.5 * 0.01 * 1.0);
  // Static: at 8 y50 just above pu (the exponent is one third in single
  // precision), beyond it pu.
  EXPECT_DOUBLE_EQ(deep.p(8.0 * deep.y50), 0.5 * std::pow(8.0, 0.3333333432674408) * deep.pu);
  EXPECT_GT(deep.p(8.0 * deep.y50), deep.pu);
  EXPECT_DOUBLE_EQ(deep.p(8.5 * deep.y50), deep.pu);

  // Cyclic below the transition depth: the plateau for every y > 3 y50.
  in.cyclic = true;
  const SoftClayCurve cyclicDeep = makeSoftClayCurve(in);
  for (double multiple : {3.5, 9.0, 15.0, 40.0}) {
    EXPECT_DOUBLE_EQ(cyclicDeep.p(multiple * cyclicDeep.y50), 0.7211247682571411 * cyclicDeep.pu);
  }

  // Cyclic at half the transition depth: at 9 y50, halfway down the decline
  // from pc to pc / 2, p = 0.75 pc.
  in.z = 6.0;
  const SoftClayCurve cyclicShallow = makeSoftClayCurve(in);
  EXPECT_DOUBLE_EQ(cyclicShallow.pcs, cyclicShallow.pc * 0.5);
  EXPECT_NEAR(cyclicShallow.p(9.0 * cyclicShallow.y50), 0.75 * cyclicShallow.pc,
              1e-12 * cyclicShallow.pc);

  // A transition depth computed below 2.5 D is raised to 2.5 D.
  in.c = 1.0;
  in.gamma = 100.0;
  const SoftClayCurve heavy = makeSoftClayCurve(in);
  EXPECT_LT(heavy.xr, 2.5);
  EXPECT_DOUBLE_EQ(heavy.xrPrime, 2.5);
}

TEST(SoftClay, SlopingGroundFactor) {
  const double t = 0.2;
  struct Case {
    double theta;
    double yn;
    double expected;
  };
  const Case cases[] = {
      {0.0, 0.05, 1.0},  // level ground
      {0.0, -0.05, 1.0},
      {t, 0.0, 1.0},                         // no deflection
      {t, 0.05, 1.0 / (std::tan(t) + 1.0)},  // deflection and slope alike
      {-t, -0.05, 1.0 / (std::tan(t) + 1.0)},
      {t, -0.05, std::cos(t) * 0.7071067690849304 / std::cos(t + M_PI / 4.0)},
      {-t, 0.05, std::cos(t) * 0.7071067690849304 / std::cos(t + M_PI / 4.0)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.theta << " " << c.yn);
    EXPECT_NEAR(softClaySlopeFactor(c.theta, c.yn), c.expected, 1e-12);
  }
}

TEST(SoftClay, DefaultStrainFactorFromTheStrength) {
  struct Case {
    int units;
    double c;
    double expected;
  };
  const Case cases[] = {
      {kUnitsUsCustomary, 400.0 / 144.0, 0.019999999552965164},
      {kUnitsUsCustomary, 600.0 / 144.0, 0.009999999776482582},
      {kUnitsUsCustomary, 1500.0 / 144.0, 0.004999999888241291},
      {kUnitsUsCustomary, 3000.0 / 144.0, 0.004999999888241291},
      {kUnitsUsCustomary, 5000.0 / 144.0, 0.004000000189989805},
      {kUnitsSi, 20.0, 0.019999999552965164},
      {kUnitsSi, 30.0, 0.009999999776482582},
      {kUnitsSi, 100.0, 0.004999999888241291},
      {kUnitsSi, 200.0, 0.004000000189989805},
      {kUnitsGeneral, 30.0, 0.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.units << " " << c.c);
    EXPECT_EQ(defaultEpsilon50(c.c, c.units), c.expected);
  }
}

TEST(SoftClay, MissingStrainFactorInGeneralUnitsStopsWithoutAMessage) {
  for (const auto& [criterion, code] : {std::pair{kSoftClay, 237}, std::pair{kSoftClayJ, 238}}) {
    SCOPED_TRACE(criterion);
    auto ctx = clayProfile(criterion, 0.5, false);
    ctx->model.options.IUNITS = kUnitsGeneral;
    setValue(ctx->model.soil.layers[1].epsilon50, 0.0, 0.0);
    EXPECT_EQ(errorCodeOf(*ctx, [&] { updateSoilModuli(*ctx); }), code);
    EXPECT_EQ(ctx->report.text(), "");
    EXPECT_EQ(ctx->messages.text(), "");
  }
}

TEST(SoftClay, StrongClayWarningsAwayFromInterfaces) {
  struct Case {
    int units;
    double c;  // in working units
    int warning;
  };
  // Just above 1250 lb/ft2 in each unit system.
  const Case cases[] = {{kUnitsUsCustomary, 1260.0 / 144.0, 3041}, {kUnitsSi, 60.0, 3042}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.units);
    auto ctx = makeSoilContext(c.units);
    AnalysisModel& model = ctx->model;
    for (double top : {0.0, 10.0}) {
      SoilLayer& layer = addLayer(model, kSoftClay, top, top + 10.0);
      setValue(layer.cohesion, c.c, c.c);
      setValue(layer.unitWeight, 0.01, 0.01);
      setValue(layer.epsilon50, 0.01, 0.01);
    }
    setUniformPile(model, 20.0, 0.6);
    placeVerticalNodes(model, 40);
    updateSoilModuli(*ctx);
    // Every node but the one at the interface (10 m).
    EXPECT_EQ(model.state.warningOccurrences[static_cast<std::size_t>(c.warning)], 40);
    EXPECT_EQ(model.state.lastWarningCode, -c.warning);
  }
  // At the limit itself no warning.
  auto ctx = clayProfile(kSoftClay, 0.5, false);
  setValue(ctx->model.soil.layers[1].cohesion, 59.85, 59.85);
  updateSoilModuli(*ctx);
  EXPECT_EQ(ctx->model.state.warningCount, 0);
}

TEST(SoftClay, ZeroStrengthBelowTheFirstNodeIsAnInputError) {
  struct Case {
    int criterion;
    int code;
    const char* problem;
  };
  const Case cases[] = {
      {kSoftClay, 112,
       "Problem:  A negative or zero value of cohesion was input for a soft clay soil."},
      {kSoftClayJ, 171,
       "Problem:  A negative or zero value of cohesion was input for a soft clay soil with J."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.criterion);
    auto ctx = clayProfile(c.criterion, 0.5, false);
    // Strength falls from 10 to -10 kPa: zero at 10 m, node 21.
    setValue(ctx->model.soil.layers[1].cohesion, 10.0, -10.0);
    EXPECT_EQ(errorCodeOf(*ctx, [&] { updateSoilModuli(*ctx); }), c.code);
    const std::string number = std::to_string(c.code - 100);
    const std::string block =
        "**** Input Data Error No. " + number +
        " ****\n"
        "\n"
        "An error was detected that is related to an incompatibility between the input \n"
        "data defining soil layering and soil shear strength values when computing a \n"
        "p-y curve using the Matlock soft clay criteria.\n"
        "\n" +
        std::string(c.problem) +
        "\n"
        "\n"
        "Solution:  Please compare the depth values for soil layering and soil shear \n"
        "strength values and revise the input data.\n"
        "\n"
        "\n"
        "Layer no. = 1, Node no. = 21, Top node in layer = 1, Elevation =     10.000, c(x) =      "
        "0.000";
    EXPECT_EQ(ctx->messages.text(), block + "\n");
    EXPECT_EQ(ctx->report.text(),
              block +
                  ", Pile length =     20.000\n"
                  ", ITOP = 1, IBOT = 41\n"
                  "\n\nQuarn ended prematurely due to input error number INP000" +
                  number + "\n");
  }
}

TEST(SoftClay, ZeroStrengthAtTheFirstNodeOfALowerLayerIsAccepted) {
  auto ctx = makeSoilContext(kUnitsSi);
  AnalysisModel& model = ctx->model;
  SoilLayer& sand = addLayer(model, kSand, 0.0, 5.0);
  setValue(sand.unitWeight, 9.0, 9.0);
  setValue(sand.frictionAngle, 35.0, 35.0);
  SoilLayer& clay = addLayer(model, kSoftClay, 5.0, 10.0);
  setValue(clay.cohesion, 0.0, 20.0);
  setValue(clay.unitWeight, 9.0, 9.0);
  setValue(clay.epsilon50, 0.01, 0.01);
  setUniformPile(model, 10.0, 0.6);
  placeVerticalNodes(model, 20);
  EXPECT_EQ(errorCodeOf(*ctx, [&] { updateSoilModuli(*ctx); }), 0);
}

// The integral of the ultimate resistance over a layer, kept for the layers
// below it: trapezoids between the nodes plus pu over one increment at the
// layer's last node; cyclic loading integrates pc, and pc z / xr' above xr'.
TEST(SoftClay, IntegratedResistanceOfTheLayer) {
  for (const bool cyclic : {false, true}) {
    SCOPED_TRACE(cyclic);
    auto ctx = clayProfile(kSoftClay, 0.5, cyclic);
    updateSoilModuli(*ctx);
    const double h = 0.5;
    double expected = 0.0;
    double previous = 0.0;
    double previousResidual = 0.0;
    for (int node = 1; node <= 41; ++node) {
      const double x = (node - 1) * h;
      const MatlockClay clay = matlockAt(x, 0.5, cyclic);
      const double pu = matlockUltimate(clay);
      const double xr = std::max(2.5 * clay.b, testing::matlockTransitionDepth(clay));
      const double value = cyclic ? 0.7211247682571411 * pu : pu;
      const double residual = x < xr ? value * x / xr : value;
      if (node > 1) {
        expected += (previous + value) * h / 2.0;
        if (cyclic && x < xr) expected += (previousResidual + residual) * h / 2.0;
      }
      if (node == 41) expected += pu * h;
      previous = value;
      previousResidual = residual;
    }
    EXPECT_NEAR(ctx->model.layering.F[1], expected, 1e-9 * expected);
  }

  // Ground surface 1 m above the pile head: the first layer's integral runs
  // from 3 c D at the surface to pu at the last node over the layer thickness.
  auto ctx = makeSoilContext(kUnitsSi);
  AnalysisModel& model = ctx->model;
  SoilLayer& clay = addLayer(model, kSoftClay, -1.0, 10.0);
  setValue(clay.cohesion, 30.0, 30.0);
  setValue(clay.unitWeight, 9.0, 9.0);
  setValue(clay.epsilon50, 0.01, 0.01);
  setUniformPile(model, 10.0, 0.6);
  placeVerticalNodes(model, 20);
  updateSoilModuli(*ctx);
  const double puTip = matlockUltimate({30.0, 9.0, 0.01, 0.5, 0.6, 11.0, false});
  EXPECT_NEAR(model.layering.F[1], (3.0 * 30.0 * 0.6 + puTip) * 0.5 * 11.0, 1e-9 * puTip);
}

TEST(SoftClay, ModulusNotANumberStopsTheRun) {
  struct Case {
    int criterion;
    double deflection;  // 0: the limiting modulus, otherwise the secant
    int code;
    std::string block;
  };
  const std::string last =
      "This problem is usually due to a required soil property being left equal to zero.\n";
  const Case cases[] = {
      {kSoftClay, 0.0, 233,
       "**** Runtime Error No. 33 ****\n\nThe default value of soil modulus computed in soft clay "
       "is not-a-number for node number 1\n\n" +
           last},
      {kSoftClay, 0.01, 234,
       "**** Runtime Error No. 34 ****\nThe computed value of soil modulus computed in soft clay "
       "is not-a-number for node number 1\n" +
           last},
      {kSoftClayJ, 0.0, 235,
       "**** Runtime Error No. 35 ****\n\nThe default value of soil modulus computed in API soft "
       "clay is not-a-number for node number 1\n\n" +
           last},
      {kSoftClayJ, 0.01, 236,
       "**** Runtime Error No 36. ****\nThe computed value of soil modulus computed in API soft "
       "clay is not-a-number for node number 1\n" +
           last},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    // A strength that is not a number at the pile head (a corrupted profile).
    auto ctx = clayProfile(c.criterion, 0.5, false);
    setValue(ctx->model.soil.layers[1].cohesion, std::nan(""), 20.0);
    ctx->model.pileModel.y(1) = c.deflection;
    EXPECT_EQ(errorCodeOf(*ctx, [&] { updateSoilModuli(*ctx); }), c.code);
    EXPECT_EQ(ctx->report.text(), c.block);
    EXPECT_EQ(ctx->messages.text(), "");
  }
}

}  // namespace
}  // namespace quarn::soil
