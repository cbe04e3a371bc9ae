// Piedmont residual soil, loess, elastic subgrade, user-input curves and
// cemented silt: the curves against their methods (other_criteria_reference.h)
// at several depths, through the layer sweep, and the defaults and limits of
// the criteria.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

#include "other_criteria_reference.h"
#include "soil/cemented_silt.h"
#include "soil/loess.h"
#include "soil/piedmont.h"
#include "soil/py_framework.h"
#include "soil/user_py.h"
#include "soil_fixture.h"

namespace quarn::soil {
namespace {

using testing::addLayer;
using testing::makeSoilContext;
using testing::placeVerticalNodes;
using testing::setUniformPile;
using testing::setValue;

constexpr int kPiedmont = 10;
constexpr int kCementedSilt = 11;
constexpr int kLoess = 12;
constexpr int kElasticSubgrade = 13;
constexpr int kUserPy = 14;
constexpr double kDegree = std::numbers::pi / 180.0;

void setMultipliers(AnalysisModel& model, double length, double pm, double ym) {
  MultiplierTable& table = model.tables.multipliers;
  table.rows = 2;
  table.depth[1] = 0.0;
  table.depth[2] = length;
  table.pMultiplier[1] = table.pMultiplier[2] = pm;
  table.yMultiplier[1] = table.yMultiplier[2] = ym;
}

double springForce(engine::RunContext& ctx, int i, double d) {
  ctx.model.pileModel.y(i) = d;
  updateSoilModuli(ctx);
  return ctx.model.pileModel.node[static_cast<std::size_t>(i)].Es * d;
}

// ---- Piedmont residual soil ----------------------------------------------------------

TEST(Piedmont, CurvesOfEachFieldTestAtSeveralDepths) {
  struct Case {
    const char* name;
    int units;
    int test;
    double top;  // test value at the layer top and bottom
    double bottom;
    double factor;  // initial modulus per unit of the test value
  };
  // 22 psi per blow, 151.68 kPa in SI units (22 x 6.894757 kPa/psi).
  const Case cases[] = {
      {"SPT, US customary", kUnitsUsCustomary, 1, 10.0, 30.0, 22.0},
      {"SPT, SI", kUnitsSi, 1, 10.0, 30.0, 22.0 * 6.894757293168361},
      {"CPT", kUnitsSi, 2, 4000.0, 8000.0, 0.118},
      {"DMT", kUnitsSi, 3, 20000.0, 40000.0, 0.076},
      {"PMT", kUnitsSi, 4, 8000.0, 16000.0, 0.235},
  };
  const double b = 0.9;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto ctx = makeSoilContext(c.units);
    AnalysisModel& model = ctx->model;
    SoilLayer& soil = addLayer(model, kPiedmont, 0.0, 10.0);
    soil.fieldTestCode = {c.test, c.test};
    LayerValue* values[] = {&soil.sptN60, &soil.coneTip, &soil.dilatometerModulus,
                            &soil.pressuremeterModulus};
    setValue(*values[c.test - 1], c.top, c.bottom);
    setValue(soil.unitWeight, 18.0, 18.0);
    setMultipliers(model, 10.0, 0.8, 1.2);
    setUniformPile(model, 10.0, b);
    placeVerticalNodes(model, 20);
    for (int node : {2, 11, 21}) {
      const double x = model.pileModel.node[static_cast<std::size_t>(node)].xv;
      SCOPED_TRACE(x);
      const double Ei = c.factor * (c.top + (c.bottom - c.top) * x / 10.0);
      for (double y : {0.0005 * b, 0.0015 * b, 0.01 * b, 0.03 * b, 0.05 * b}) {
        SCOPED_TRACE(y);
        const double expected = 0.8 * testing::piedmontP(Ei, b, y);
        EXPECT_NEAR(springForce(*ctx, node, 1.2 * y), expected, 1e-6 * expected);
      }
    }
  }
}

TEST(Piedmont, SptOfTwentyAndTheMeetingAtYu) {
  EXPECT_EQ(20.0 * piedmontModulusFactor(kFieldTestSpt, kUnitsUsCustomary), 440.0);
  const PiedmontCurve curve = makePiedmontCurve(440.0, 24.0);
  const double below = curve.p(curve.yu * (1.0 - 1e-12));
  EXPECT_NE(below, curve.pu);
  EXPECT_NEAR(below, curve.pu, 5e-4 * curve.pu);
  EXPECT_EQ(curve.p(curve.yu), curve.pu);
}

TEST(Piedmont, NoDeflectionGivesEiTimesTheDiameter) {
  auto ctx = makeSoilContext(kUnitsUsCustomary);
  SoilLayer& soil = addLayer(ctx->model, kPiedmont, 0.0, 120.0);
  soil.fieldTestCode = {1, 1};
  setValue(soil.sptN60, 20.0, 20.0);
  setMultipliers(ctx->model, 120.0, 0.5, 2.0);
  setUniformPile(ctx->model, 120.0, 24.0);
  placeVerticalNodes(ctx->model, 40);
  updateSoilModuli(*ctx);
  EXPECT_EQ(ctx->model.pileModel.node[10].Es, 440.0 * 24.0 / 2.0);
}

// ---- loess -------------------------------------------------------------------------

// US customary units: a 24 in pile in loess whose cone resistance grows from
// 200 to 400 psi over 600 in.
std::unique_ptr<engine::RunContext> loessProfile(double cycles) {
  auto ctx = makeSoilContext(kUnitsUsCustomary);
  AnalysisModel& model = ctx->model;
  SoilLayer& soil = addLayer(model, kLoess, 0.0, 600.0);
  setValue(soil.coneTip, 200.0, 400.0);
  setValue(soil.unitWeight, 0.06, 0.06);
  model.options.numberOfCycles = cycles;
  setMultipliers(model, 600.0, 0.9, 1.1);
  setUniformPile(model, 600.0, 24.0);
  placeVerticalNodes(model, 50);
  return ctx;
}

TEST(Loess, CurvesAtSeveralDepthsAndCycles) {
  const double yref = 0.117;
  for (const double N : {1.0, 5.0, 10.0}) {
    SCOPED_TRACE(N);
    auto ctx = loessProfile(N);
    // 12 in (within 2 b of the head: the cone resistance is reduced), 240 in, 480 in.
    for (int node : {2, 21, 41}) {
      const double x = ctx->model.pileModel.node[static_cast<std::size_t>(node)].xv;
      SCOPED_TRACE(x);
      double qc = 200.0 + 200.0 * x / 600.0;
      if (x < 48.0) qc *= x / 48.0 + 0.5;
      const testing::Loess soil{qc, 24.0, N, yref};
      for (double y : {0.01, 0.117, 0.5, 2.0, 6.0}) {
        SCOPED_TRACE(y);
        const double expected = 0.9 * testing::loessP(soil, y);
        EXPECT_NEAR(springForce(*ctx, node, 1.1 * y), expected, 1e-6 * expected);
      }
    }
  }
}

TEST(Loess, OneCycleAndTenCycles) {
  LoessInput in;
  in.qc = 300.0;
  in.b = 0.6;
  in.depth = 5.0;
  in.unitSystem = kUnitsSi;
  in.cycles = 1.0;
  const LoessCurve one = makeLoessCurve(in);
  EXPECT_EQ(one.pu, in.b * one.pu0);
  EXPECT_EQ(one.yref, static_cast<double>(0.0029718f));
  in.cycles = 10.0;
  EXPECT_NEAR(makeLoessCurve(in).pu, in.b * one.pu0 / (1.0 + 0.24 * std::log(10.0)), 1e-7 * one.pu);
}

TEST(Loess, StaticLoadingCountsAsOneCycle) {
  // Static runs enter 0 cycles; ln 0 would take the resistance away.
  auto statically = loessProfile(0.0);
  auto once = loessProfile(1.0);
  EXPECT_EQ(springForce(*statically, 21, 0.3), springForce(*once, 21, 0.3));
  EXPECT_GT(springForce(*statically, 21, 0.3), 0.0);
  // At no deflection the initial modulus Ei, with the multipliers.
  const double x = 240.0;
  const testing::Loess soil{200.0 + 200.0 * x / 600.0, 24.0, 1.0, 0.117};
  statically->model.pileModel.y(21) = 0.0;
  updateSoilModuli(*statically);
  EXPECT_NEAR(statically->model.pileModel.node[21].Es,
              0.9 / 1.1 * testing::loessUltimate(soil) / 0.117,
              1e-6 * testing::loessUltimate(soil));
}

// ---- elastic subgrade -------------------------------------------------------------

TEST(ElasticSubgrade, TheSameModulusAtEveryDeflection) {
  auto ctx = makeSoilContext(kUnitsUsCustomary);
  AnalysisModel& model = ctx->model;
  SoilLayer& soil = addLayer(model, kElasticSubgrade, 0.0, 600.0);
  setValue(soil.subgradeK, 50.0, 150.0);
  setMultipliers(model, 600.0, 0.7, 1.4);
  setUniformPile(model, 600.0, 30.0);
  placeVerticalNodes(model, 50);
  for (int node : {1, 26, 51}) {
    const double x = model.pileModel.node[static_cast<std::size_t>(node)].xv;
    SCOPED_TRACE(x);
    const double k = 50.0 + 100.0 * x / 600.0;
    for (double d : {0.0, 1e-9, 0.1, 2.0, 50.0}) {
      SCOPED_TRACE(d);
      model.pileModel.y(node) = d;
      updateSoilModuli(*ctx);
      EXPECT_NEAR(model.pileModel.node[static_cast<std::size_t>(node)].Es, 0.7 * k * 30.0 / 1.4,
                  1e-12 * k * 30.0);
    }
  }
}

// ---- user-input curves -------------------------------------------------------------

// SI units: a layer from 2 to 8 m with a curve of four points at its top and
// one of five at its bottom; a 1 m pile.
const std::vector<testing::Point> kTopCurve = {
    {0.0, 0.0}, {0.01, 50.0}, {0.03, 80.0}, {0.1, 100.0}};
const std::vector<testing::Point> kBottomCurve = {
    {0.0, 0.0}, {0.02, 150.0}, {0.05, 250.0}, {0.1, 280.0}, {0.2, 300.0}};

void setCurve(UserPyCurve& curve, double depth, const std::vector<testing::Point>& points) {
  curve.depth = depth;
  curve.points = static_cast<int>(points.size());
  for (std::size_t j = 0; j < points.size(); ++j) {
    curve.y[j + 1] = points[j].y;
    curve.p[j + 1] = points[j].p;
  }
}

std::unique_ptr<engine::RunContext> userCurveProfile() {
  auto ctx = makeSoilContext(kUnitsSi);
  AnalysisModel& model = ctx->model;
  SoilLayer& soil = addLayer(model, kUserPy, 2.0, 8.0);
  setCurve(soil.userCurves[0], 2.0, kTopCurve);
  setCurve(soil.userCurves[1], 8.0, kBottomCurve);
  setMultipliers(model, 8.0, 0.6, 1.5);
  setUniformPile(model, 8.0, 1.0);
  placeVerticalNodes(model, 16);
  return ctx;
}

TEST(UserCurves, InterpolatedBetweenTheTopAndBottomCurves) {
  auto ctx = userCurveProfile();
  // The layer top (node 5, 2 m), a third of the way down (node 9, 4 m) and its bottom (node 17, 8
  // m).
  for (int node : {5, 9, 17}) {
    const double x = ctx->model.pileModel.node[static_cast<std::size_t>(node)].xv;
    const double f = (x - 2.0) / 6.0;
    SCOPED_TRACE(x);
    // On both curves' segments, between their points, at and beyond their last points.
    for (double y : {0.005, 0.01, 0.02, 0.04, 0.1, 0.15, 0.2, 0.5}) {
      SCOPED_TRACE(y);
      const double expected = 0.6 * ((1.0 - f) * testing::piecewiseP(kTopCurve, y) +
                                     f * testing::piecewiseP(kBottomCurve, y));
      EXPECT_NEAR(springForce(*ctx, node, 1.5 * y), expected, 1e-12 * 300.0);
    }
  }
}

TEST(UserCurves, NoDeflectionGivesTheInitialSlopeBetweenTheCurves) {
  auto ctx = userCurveProfile();
  PileModel& pile = ctx->model.pileModel;
  pile.y(9) = 0.0;
  updateSoilModuli(*ctx);
  // Slopes of the first segments: 5000 at the top, 7500 at the bottom; no multipliers.
  EXPECT_NEAR(pile.node[9].Es, 5000.0 + (7500.0 - 5000.0) / 3.0, 1e-9);
}

TEST(UserCurves, OneCurveEvaluatedOnItsOwn) {
  UserPyCurve curve;
  // A curve that does not start at the origin: on the line from the origin to its first point.
  setCurve(curve, 0.0, {{0.005, 40.0}, {0.02, 100.0}, {0.05, 120.0}});
  EXPECT_DOUBLE_EQ(userCurveP(curve, 0.0025), 20.0);
  EXPECT_DOUBLE_EQ(userCurveP(curve, 0.0125), 70.0);
  EXPECT_EQ(userCurveP(curve, 0.05), 120.0);
  EXPECT_EQ(userCurveP(curve, 3.0), 120.0);
  EXPECT_DOUBLE_EQ(userCurveInitialSlope(curve), 8000.0);
}

// ---- cemented silt ----------------------------------------------------------------

// SI units, level ground: a 0.6 m pile in cemented silt with c = 12 kPa,
// phi = 32 degrees, gamma' = 9 kN/m3 and k = 20000 kN/m3 from the surface.
std::unique_ptr<engine::RunContext> siltProfile(bool cyclic, double pm, double ym) {
  auto ctx = makeSoilContext(kUnitsSi);
  AnalysisModel& model = ctx->model;
  SoilLayer& silt = addLayer(model, kCementedSilt, 0.0, 12.0);
  setValue(silt.cohesion, 12.0, 12.0);
  setValue(silt.frictionAngle, 32.0, 32.0);
  setValue(silt.unitWeight, 9.0, 9.0);
  setValue(silt.subgradeK, 20000.0, 20000.0);
  model.options.cyclicLoading = cyclic;
  setMultipliers(model, 12.0, pm, ym);
  setUniformPile(model, 12.0, 0.6);
  placeVerticalNodes(model, 40);
  return ctx;
}

TEST(CementedSilt, CurvesAtSeveralDepths) {
  for (const bool cyclic : {false, true}) {
    SCOPED_TRACE(cyclic ? "cyclic" : "static");
    auto ctx = siltProfile(cyclic, 0.75, 1.3);
    // 0.3 m (z/b = 0.5), 1.5 m (2.5) and 6 m (10, Np at 9).
    for (int node : {2, 6, 21}) {
      const double z = ctx->model.pileModel.node[static_cast<std::size_t>(node)].xv;
      SCOPED_TRACE(z);
      const testing::CementedSilt silt{12.0, 32.0, 9.0, 0.6, z, 20000.0, cyclic};
      const testing::CementedSiltResult r = testing::cementedSiltReference(silt);
      for (double y : {0.5 * r.yk, 0.5 * (std::max(r.yk, 0.0) + r.ym), r.ym * 1.2,
                       0.5 * (r.ym + r.yu), 2.0 * r.yu, 0.3}) {
        SCOPED_TRACE(y);
        const double expected = 0.75 * testing::cementedSiltP(silt, r, y);
        EXPECT_NEAR(springForce(*ctx, node, 1.3 * y), expected, 1e-6 * expected);
      }
    }
  }
}

TEST(CementedSilt, CohesivePartReachesNineCDAndIsNotReducedOnLevelGround) {
  CementedSiltInput in;
  in.c = 12.0;
  in.phi = 32.0 * kDegree;
  in.gamma = 9.0;
  in.D = 0.6;
  in.k = 20000.0;
  in.z = in.z0 = 6.0;
  in.yn = 0.01;
  const CementedSiltCurve deep = makeCementedSiltCurve(in);
  EXPECT_EQ(deep.puc, 9.0 * 12.0 * 0.6);
  in.z = in.z0 = 0.6;
  for (double yn : {0.01, -0.01, 0.0}) {
    in.yn = yn;
    const CementedSiltCurve shallow = makeCementedSiltCurve(in);
    EXPECT_EQ(shallow.fs, 1.0);
    EXPECT_NEAR(shallow.puc, (3.0 + 0.5 * 0.6 / 0.6 + 9.0 * 0.6 / 12.0) * 12.0 * 0.6, 1e-12);
  }
}

TEST(CementedSilt, SlopingGroundFactorOfTheCohesivePart) {
  CementedSiltInput in;
  in.c = 12.0;
  in.phi = 32.0 * kDegree;
  in.gamma = 9.0;
  in.D = 0.6;
  in.k = 20000.0;
  in.z = in.z0 = 0.6;
  in.theta = 10.0 * kDegree;
  const double t = 10.0 * kDegree;
  const double downhill = 1.0 / (std::tan(t) + 1.0);
  const double uphill = std::cos(t) * std::sqrt(0.5) / std::cos(t + std::numbers::pi / 4.0);
  struct Case {
    double theta;
    double yn;
    double fs;
  };
  // A deflection of 0 counts as negative.
  const Case cases[] = {{t, 0.01, downhill},   {t, -0.01, uphill}, {t, 0.0, uphill},
                        {-t, -0.01, downhill}, {-t, 0.01, uphill}, {-t, 0.0, downhill}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.theta * c.yn);
    in.theta = c.theta;
    in.yn = c.yn;
    EXPECT_NEAR(makeCementedSiltCurve(in).fs, c.fs, 1e-7);
  }
}

TEST(CementedSilt, DefaultSubgradeModulus) {
  struct Case {
    const char* name;
    double c;
    double phi;
    double gamma;
    bool cyclic;
    int units;
    double k;
  };
  const Case cases[] = {
      {"US, static, 1440 psf, 33 deg, above the water table", 10.0, 33.0, 0.06, false,
       kUnitsUsCustomary, 500.0 + 90.0},
      {"US, static, 1440 psf, 33 deg, submerged", 10.0, 33.0, 0.04, false, kUnitsUsCustomary,
       500.0 + 60.0},
      {"US, cyclic, 500 psf, 30 deg", 500.0 / 144.0, 30.0, 0.04, true, kUnitsUsCustomary,
       100.0 + 20.0},
      {"US, static, 5000 psf, 40 deg", 5000.0 / 144.0, 40.0, 0.06, false, kUnitsUsCustomary,
       2000.0 + 225.0},
      {"SI, static, 100 kPa, 35 deg, above the water table", 100.0, 35.0, 18.0, false, kUnitsSi,
       271447.1875 + 24430.240234375},
      {"SI, cyclic, 30 kPa, 38 deg, submerged", 30.0, 38.0, 9.0, true, kUnitsSi,
       27144.7109375 + 33930.8984375},
      {"general units: none", 10.0, 33.0, 0.06, false, kUnitsGeneral, 0.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(cementedSiltDefaultK(c.c, c.phi, c.gamma, c.cyclic, c.units), c.k);
  }
}

TEST(CementedSilt, TheLayerModulusAndItsDefault) {
  // With k at the top only, the bottom value takes the top's; the input keeps
  // the values it was given.
  auto ctx = siltProfile(false, 1.0, 1.0);
  AnalysisModel& model = ctx->model;
  setValue(model.soil.layers[1].subgradeK, 20000.0, 0.0);
  model.pileModel.y(21) = 0.0;
  updateSoilModuli(*ctx);
  EXPECT_EQ(model.soil.layers[1].subgradeK[1], 0.0);
  EXPECT_DOUBLE_EQ(model.pileModel.node[21].Es, 20000.0 * 6.0);
  // Without k the default: c = 12 kPa (below 47.89), phi 32, gamma' 9: 67861.797 + 16286.83.
  setValue(model.soil.layers[1].subgradeK, 0.0, 0.0);
  updateSoilModuli(*ctx);
  EXPECT_DOUBLE_EQ(model.pileModel.node[21].Es, (67861.796875 + 16286.830078125) * 6.0);
}

TEST(CementedSilt, DefaultStrainFactor) {
  EXPECT_EQ(cementedSiltDefaultEpsilon50(3.0, kUnitsUsCustomary), static_cast<double>(0.02f));
  EXPECT_EQ(cementedSiltDefaultEpsilon50(5.0, kUnitsUsCustomary), static_cast<double>(0.01f));
  EXPECT_EQ(cementedSiltDefaultEpsilon50(20.0, kUnitsUsCustomary), static_cast<double>(0.005f));
  EXPECT_EQ(cementedSiltDefaultEpsilon50(30.0, kUnitsUsCustomary), static_cast<double>(0.004f));
  EXPECT_EQ(cementedSiltDefaultEpsilon50(190.0, kUnitsSi), static_cast<double>(0.005f));
  EXPECT_EQ(cementedSiltDefaultEpsilon50(192.0, kUnitsSi), static_cast<double>(0.004f));
  EXPECT_EQ(cementedSiltDefaultEpsilon50(30.0, kUnitsGeneral), 0.0);
}

}  // namespace
}  // namespace quarn::soil
