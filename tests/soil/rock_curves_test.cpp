// Rock criteria: the curves of weak rock, vuggy limestone and massive rock
// against the published methods (rock_reference.h) at several depths, through
// the layer sweep, and the limits the criteria set.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <string>

#include "rock_reference.h"
#include "soil/massive_rock.h"
#include "soil/py_framework.h"
#include "soil/weak_rock.h"
#include "soil_fixture.h"

namespace quarn::soil {
namespace {

using testing::addLayer;
using testing::makeSoilContext;
using testing::placeVerticalNodes;
using testing::setUniformPile;
using testing::setValue;

constexpr int kSoftClay = 1;
constexpr int kWeakRock = 8;
constexpr int kVuggy = 9;
constexpr int kMassiveRock = 16;

void setMultipliers(AnalysisModel& model, double length, double pm, double ym) {
  MultiplierTable& table = model.tables.multipliers;
  table.rows = 2;
  table.depth[1] = 0.0;
  table.depth[2] = length;
  table.pMultiplier[1] = table.pMultiplier[2] = pm;
  table.yMultiplier[1] = table.yMultiplier[2] = ym;
}

// Force of the spring at node i when the pile deflects by d there.
double springForce(engine::RunContext& ctx, int i, double d) {
  ctx.model.pileModel.y(i) = d;
  updateSoilModuli(ctx);
  return ctx.model.pileModel.node[static_cast<std::size_t>(i)].Es * d;
}

// ---- weak rock ----------------------------------------------------------------------

// SI units: a 1 m pile, 20 m long, in one weak rock layer from the surface
// whose strength grows from 2000 to 3000 kPa, RQD from 40 to 80 %, Eir from
// 50 to 150 MPa, k_rm 0.0001; nodes every 0.5 m.
std::unique_ptr<engine::RunContext> weakRockProfile(double pm, double ym) {
  auto ctx = makeSoilContext(kUnitsSi);
  AnalysisModel& model = ctx->model;
  SoilLayer& rock = addLayer(model, kWeakRock, 0.0, 20.0);
  setValue(rock.cohesion, 2000.0, 3000.0);
  setValue(rock.unitWeight, 12.0, 12.0);
  setValue(rock.rqd, 40.0, 80.0);
  setValue(rock.rockModulus, 5.0e4, 1.5e5);
  setValue(rock.krm, 0.0001, 0.0001);
  rock.epsilon50 = rock.krm;
  setMultipliers(model, 20.0, pm, ym);
  setUniformPile(model, 20.0, 1.0);
  placeVerticalNodes(model, 40);
  return ctx;
}

testing::WeakRock weakRockAt(double x) {
  return {2000.0 + 50.0 * x, 40.0 + 2.0 * x, 5.0e4 + 5.0e3 * x, 0.0001, 1.0, x};
}

TEST(WeakRock, CurvesFollowReeseAtSeveralDepths) {
  struct Case {
    const char* name;
    double pm;
    double ym;
  };
  const Case cases[] = {{"no multipliers", 1.0, 1.0}, {"p- and y-multipliers", 0.7, 1.5}};
  // Nodes at 1 m and 2.5 m (within 3 b of the top of the rock) and 10 m (below).
  const int nodes[] = {3, 6, 21};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto ctx = weakRockProfile(c.pm, c.ym);
    for (int node : nodes) {
      const double x = ctx->model.pileModel.node[static_cast<std::size_t>(node)].xv;
      SCOPED_TRACE(x);
      const testing::WeakRock rock = weakRockAt(x);
      const double yA = testing::weakRockYA(rock);
      const double yrm = rock.krm * rock.b;
      // On the initial line, on the curve, at 16 yrm where it reaches pur, and beyond.
      for (double y :
           {0.1 * yA, 0.5 * yA, 2.0 * yA, yrm, 3.0 * yrm, 10.0 * yrm, 16.0 * yrm, 50.0 * yrm}) {
        SCOPED_TRACE(y);
        const double expected = c.pm * testing::weakRockP(rock, y);
        EXPECT_NEAR(springForce(*ctx, node, c.ym * y), expected, 2e-6 * expected);
      }
    }
  }
}

TEST(WeakRock, StrengthReductionAndTheSwitchAtThreeDiameters) {
  WeakRockInput in;
  in.qu = 1000.0;
  in.Eir = 1.0e5;
  in.krm = 0.0002;
  in.b = 2.0;
  // RQD 100 leaves a third of the strength (in single precision), RQD 0 all of it.
  in.rqd = 100.0;
  EXPECT_NEAR(makeWeakRockCurve(in).alphaR, 1.0 / 3.0, 1e-7);
  in.rqd = 0.0;
  EXPECT_EQ(makeWeakRockCurve(in).alphaR, 1.0);

  // At xr = 3 b both expressions give 5.2 alpha qu b and Kir = 500.
  for (double xr : {3.0 * in.b * (1.0 - 1e-12), 3.0 * in.b, 3.0 * in.b * (1.0 + 1e-12)}) {
    SCOPED_TRACE(xr);
    in.xr = xr;
    const WeakRockCurve curve = makeWeakRockCurve(in);
    EXPECT_NEAR(curve.pur, 5.2 * in.qu * in.b, 1e-6 * curve.pur);
    EXPECT_NEAR(curve.Kir, 500.0, 1e-9);
  }
}

TEST(WeakRock, InitialLineAndCurveMeetAtYAWithinTheRoundedExponent) {
  // Reese's exponent 1.333 stands for 4/3: the two branches at yA differ by
  // a few parts in a thousand, not more.
  WeakRockInput in{2000.0, 50.0, 1.0e5, 0.0001, 1.0, 2.0};
  const WeakRockCurve curve = makeWeakRockCurve(in);
  const double line = curve.kir * curve.yA;
  const double shaped = 0.5 * curve.pur * std::pow(curve.yA / curve.yrm, 0.25);
  EXPECT_NE(line, shaped);
  EXPECT_NEAR(line, shaped, 5e-3 * shaped);
  EXPECT_EQ(curve.p(16.0 * curve.yrm), curve.pur);
}

TEST(WeakRock, DepthIntoRockStartsAtTheTopOfTheRockBelowTheSoil) {
  // Soft clay to 1 m, vuggy limestone to 2 m, weak rock below: a weak rock
  // node at 4 m is 3 m into rock (from the top of the vuggy limestone).
  auto ctx = makeSoilContext(kUnitsSi);
  AnalysisModel& model = ctx->model;
  SoilLayer& clay = addLayer(model, kSoftClay, 0.0, 1.0);
  setValue(clay.cohesion, 30.0, 30.0);
  setValue(clay.unitWeight, 9.0, 9.0);
  setValue(clay.epsilon50, 0.01, 0.01);
  SoilLayer& vuggy = addLayer(model, kVuggy, 1.0, 2.0);
  setValue(vuggy.cohesion, 20000.0, 20000.0);
  setValue(vuggy.unitWeight, 12.0, 12.0);
  SoilLayer& rock = addLayer(model, kWeakRock, 2.0, 20.0);
  setValue(rock.cohesion, 2000.0, 2000.0);
  setValue(rock.unitWeight, 12.0, 12.0);
  setValue(rock.rqd, 50.0, 50.0);
  setValue(rock.rockModulus, 1.0e5, 1.0e5);
  setValue(rock.krm, 0.0001, 0.0001);
  rock.epsilon50 = rock.krm;
  setUniformPile(model, 20.0, 2.0);
  placeVerticalNodes(model, 40);

  const int node = 9;  // at 4 m
  ASSERT_DOUBLE_EQ(model.pileModel.node[node].xv, 4.0);
  const testing::WeakRock reference{2000.0, 50.0, 1.0e5, 0.0001, 2.0, 3.0};
  const double y = 30.0 * reference.krm * reference.b;  // where p = 0.5 pur 30^0.25
  EXPECT_NEAR(springForce(*ctx, node, y), testing::weakRockP(reference, y),
              1e-6 * testing::weakRockUltimate(reference));
}

// ---- vuggy limestone ----------------------------------------------------------------

// SI units: a 1.2 m shaft, 12 m long, in vuggy limestone from the surface
// whose strength grows from 24 to 30 MPa; nodes every 0.25 m.
std::unique_ptr<engine::RunContext> vuggyProfile(double pm, double ym) {
  auto ctx = makeSoilContext(kUnitsSi);
  AnalysisModel& model = ctx->model;
  SoilLayer& rock = addLayer(model, kVuggy, 0.0, 12.0);
  setValue(rock.cohesion, 24000.0, 30000.0);
  setValue(rock.unitWeight, 14.0, 14.0);
  setMultipliers(model, 12.0, pm, ym);
  setUniformPile(model, 12.0, 1.2);
  placeVerticalNodes(model, 48);
  return ctx;
}

TEST(VuggyLimestone, CurvesAtSeveralDepths) {
  for (const double pm : {1.0, 0.6}) {
    const double ym = pm == 1.0 ? 1.0 : 2.0;
    SCOPED_TRACE(pm);
    auto ctx = vuggyProfile(pm, ym);
    for (int node : {5, 21, 41}) {
      const double x = ctx->model.pileModel.node[static_cast<std::size_t>(node)].xv;
      SCOPED_TRACE(x);
      const testing::VuggyLimestone rock{24000.0 + 500.0 * x, 14.0, 1.2, x};
      const double y2 = testing::vuggyY2(rock);
      for (double y : {0.0001, 0.00048, 0.001, 0.5 * y2, 0.999 * y2, 1.01 * y2, 3.0 * y2}) {
        SCOPED_TRACE(y);
        const double expected = pm * testing::vuggyP(rock, y);
        EXPECT_NEAR(springForce(*ctx, node, ym * y), expected, 1e-6 * expected);
      }
    }
  }
}

TEST(VuggyLimestone, BranchesMeetAtY1AndTheRockFracturesBeyondY2) {
  const VuggyLimestoneCurve curve = makeVuggyLimestoneCurve(20000.0, 15.0, 1.0, 3.0);
  EXPECT_DOUBLE_EQ(curve.p(curve.y1), curve.p1);
  EXPECT_NEAR(2000.0 * curve.su * curve.y1, curve.p1, 1e-7 * curve.p1);
  EXPECT_NEAR(curve.p(curve.y2), 1.0 * curve.su, 1e-6 * curve.su);
  EXPECT_EQ(curve.p(curve.y2 * 1.0001), 0.5 * 15.0 * 1.0 * 3.0);
}

TEST(VuggyLimestone, UsesThePileDeflectionAndFormsNoSoilMovementLoad) {
  auto ctx = vuggyProfile(0.5, 2.0);
  AnalysisModel& model = ctx->model;
  model.tables.soilMovement.points = 2;
  PileNode& node = model.pileModel.node[21];  // at 5 m
  node.ys = 0.0005;
  node.w = -7.0;
  const testing::VuggyLimestone rock{26500.0, 14.0, 1.2, 5.0};
  // The deflection of the pile itself, not relative to the moving soil.
  const double d = 0.002;
  EXPECT_NEAR(springForce(*ctx, 21, d), 0.5 * testing::vuggyP(rock, d / 2.0),
              1e-6 * testing::vuggyP(rock, d / 2.0));
  EXPECT_EQ(node.w, -7.0);
  // At no deflection: 2000 su, divided by the y-multiplier only.
  model.pileModel.y(21) = 0.0;
  updateSoilModuli(*ctx);
  EXPECT_DOUBLE_EQ(node.Es, 2000.0 * 26500.0 / 2.0 / 2.0);
}

// ---- massive rock --------------------------------------------------------------------

// US customary units: a 48 in shaft (EI = 1.2e12 lb in2) in massive rock from
// the surface with qu = 50 to 100 psi (in the model's working units), unit
// weight 0.09 pci; Ei from the modulus ratio 350 unless the layer has one.
std::unique_ptr<engine::RunContext> massiveRockProfile(double pm, double ym) {
  auto ctx = makeSoilContext(kUnitsUsCustomary);
  AnalysisModel& model = ctx->model;
  SoilLayer& rock = addLayer(model, kMassiveRock, 0.0, 600.0);
  setValue(rock.cohesion, 50.0, 100.0);
  setValue(rock.unitWeight, 0.09, 0.09);
  setMultipliers(model, 600.0, pm, ym);
  setUniformPile(model, 600.0, 48.0);
  placeVerticalNodes(model, 50);
  for (int k = 1; k <= model.pileModel.N; ++k) model.pileModel.node[k].EI = 1.2e12;
  return ctx;
}

TEST(MassiveRock, CurvesFollowLiangAtSeveralDepths) {
  for (const double pm : {1.0, 0.8}) {
    const double ym = pm == 1.0 ? 1.0 : 1.25;
    SCOPED_TRACE(pm);
    auto ctx = massiveRockProfile(pm, ym);
    // 12 in, 96 in and 480 in below the surface: wedge and flow-around.
    for (int node : {2, 9, 41}) {
      const double x = ctx->model.pileModel.node[static_cast<std::size_t>(node)].xv;
      SCOPED_TRACE(x);
      const double qu = 50.0 + 50.0 * x / 600.0;
      const testing::MassiveRockResult reference =
          testing::massiveRockReference({qu, 0.09, 350.0 * qu, 48.0, 1.2e12, x, 12.0});
      for (double y : {0.001, 0.01, 0.05, 0.24, 1.0, 10.0}) {
        SCOPED_TRACE(y);
        const double expected = pm * testing::massiveRockP(reference, y);
        EXPECT_NEAR(springForce(*ctx, node, ym * y), expected, 1e-6 * expected);
      }
    }
  }
}

TEST(MassiveRock, WedgeGovernsNearTheSurfaceAndFlowAtDepth) {
  MassiveRockInput in;
  in.qu = 1000.0;
  in.gamma = 20.0;
  in.Ei = 3.5e5;
  in.D = 1.0;
  in.EI = 5.0e6;
  in.unitSystem = kUnitsSi;
  // Within a few millimetres of the surface the rock mass has so little
  // confinement that the wedge is the weaker mechanism.
  in.H = 0.005;
  const MassiveRockCurve shallow = makeMassiveRockCurve(in);
  EXPECT_LT(shallow.pw, shallow.pd);
  EXPECT_EQ(shallow.pu, shallow.pw);
  in.H = 20.0;
  const MassiveRockCurve deep = makeMassiveRockCurve(in);
  EXPECT_LT(deep.pd, deep.pw);
  EXPECT_EQ(deep.pu, deep.pd);
  // Both against the published method.
  for (const MassiveRockCurve* curve : {&shallow, &deep}) {
    const double H = curve == &shallow ? 0.005 : 20.0;
    const testing::MassiveRockResult reference =
        testing::massiveRockReference({1000.0, 20.0, 3.5e5, 1.0, 5.0e6, H, 0.3048});
    EXPECT_NEAR(curve->pu, reference.pu, 1e-7 * reference.pu);
    EXPECT_NEAR(curve->Ki, reference.Ki, 1e-6 * reference.Ki);
  }
}

TEST(MassiveRock, AtTheGroundSurface) {
  MassiveRockInput in;
  in.qu = 5000.0;
  in.gamma = 22.0;
  in.Ei = 1.0e6;
  in.D = 0.9;
  in.EI = 2.0e6;
  in.H = 0.0;
  // General units keep H = 0: no confining stress, the surcharge floor q.
  in.unitSystem = kUnitsGeneral;
  const MassiveRockCurve curve = makeMassiveRockCurve(in);
  EXPECT_EQ(curve.z0, 0.0);
  EXPECT_EQ(curve.sigmaV, 0.0);
  EXPECT_EQ(curve.q, static_cast<double>(1e-5f));
  // With H = 0 the wedge loses its side terms: T1 = T3 = 0, T2 = D c'.
  const double phi = curve.phi;
  const double beta = std::numbers::pi / 4.0 + phi / 2.0;
  const double c = curve.c;
  const double q = curve.q;
  const double N =
      (q * in.D * std::tan(beta) + in.D * c) / (std::sin(beta) - std::tan(phi) * std::cos(beta));
  const double K0 = 1.0 - std::sin(std::numbers::pi / 4.0);
  const double pw = (std::tan(phi) * N + in.D * c / std::cos(beta)) * std::sin(beta) +
                    N * std::cos(beta) -
                    std::max(0.0, K0 * in.D * (q - 2.0 * c / std::sqrt(curve.Ka)));
  EXPECT_NEAR(curve.pw, pw, 1e-9 * std::abs(pw));
  const testing::MassiveRockResult reference =
      testing::massiveRockReference({5000.0, 22.0, 1.0e6, 0.9, 2.0e6, 0.0, 12.0});
  EXPECT_NEAR(curve.pu, reference.pu, 1e-7 * reference.pu);

  // US customary and SI units confine the surface with a small depth instead.
  in.unitSystem = kUnitsUsCustomary;
  EXPECT_EQ(makeMassiveRockCurve(in).z0, static_cast<double>(1e-4f));
  in.unitSystem = kUnitsSi;
  EXPECT_EQ(makeMassiveRockCurve(in).z0, static_cast<double>(2.54e-6f));
}

TEST(MassiveRock, NoDeflectionGivesTheInitialModulusWithoutThePMultiplier) {
  auto ctx = massiveRockProfile(0.5, 2.0);
  PileModel& pile = ctx->model.pileModel;
  pile.y(9) = 0.0;
  updateSoilModuli(*ctx);
  const double qu = 50.0 + 50.0 * 96.0 / 600.0;
  const testing::MassiveRockResult reference =
      testing::massiveRockReference({qu, 0.09, 350.0 * qu, 48.0, 1.2e12, 96.0, 12.0});
  EXPECT_NEAR(pile.node[9].Es, reference.Ki / 2.0, 1e-6 * reference.Ki);
}

TEST(MassiveRock, IntactModulusFromTheLayerOrTheModulusRatio) {
  SoilLayer layer;
  setValue(layer.cohesion, 40.0, 60.0);
  EXPECT_EQ(massiveRockModulus(layer), (LayerValue{14000.0, 21000.0}));
  setValue(layer.rockModulus, 9000.0, 12000.0);
  EXPECT_EQ(massiveRockModulus(layer), (LayerValue{9000.0, 12000.0}));
}

}  // namespace
}  // namespace quarn::soil
