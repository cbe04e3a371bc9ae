// Soil properties at a depth: interpolation inside a layer, the rule of each
// query where two layers meet, and the input errors of a depth outside the
// profile.
#include "soil/soil_profile.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "soil_fixture.h"

namespace quarn::soil {
namespace {

using testing::addLayer;
using testing::contains;
using testing::errorCodeOf;
using testing::makeSoilContext;
using testing::setValue;

// Criterion codes of the key table.
constexpr int kSoftClay = 1;
constexpr int kStiffClay = 3;
constexpr int kSand = 5;
constexpr int kWeakRock = 8;
constexpr int kPiedmont = 10;
constexpr int kCementedSilt = 11;
constexpr int kElasticSubgrade = 13;
constexpr int kUserPy = 14;
constexpr int kMassiveRock = 16;

TEST(SoilProfile, StrengthIsInterpolatedLinearlyInsideALayer) {
  auto ctx = makeSoilContext(kUnitsSi);
  setValue(addLayer(ctx->model, kSoftClay, 0.0, 10.0).cohesion, 10.0, 30.0);
  ctx->model.pile.length = 10.0;
  EXPECT_DOUBLE_EQ(fn_c(*ctx, 2.5), 15.0);
  EXPECT_DOUBLE_EQ(fn_c(*ctx, 0.0), 10.0);
  EXPECT_DOUBLE_EQ(fn_c(*ctx, 10.0), 30.0);
  // Above the first point the first two points are extrapolated.
  EXPECT_DOUBLE_EQ(fn_c(*ctx, -1.0), 8.0);
  const StrengthAtDepth inside = lookupStrength(*ctx, 2.5);
  EXPECT_FALSE(inside.atInterface);
  EXPECT_FALSE(inside.atTip);
}

// fn_c where two layers meet at 5: the class of each layer's soil decides.
struct InterfaceCase {
  const char* name;
  int upper;
  int lower;
  double ca;  // bottom value of the upper layer
  double cb;  // top value of the lower layer
  double pileLength;
  double expected;
};

TEST(SoilProfile, StrengthAtAnInterfaceFollowsTheSoilClasses) {
  const InterfaceCase cases[] = {
      {"clay over sand keeps the clay", kSoftClay, kSand, 500.0, 0.0, 10.0, 500.0},
      {"sand over clay takes the clay", kSand, kSoftClay, 0.0, 500.0, 10.0, 500.0},
      {"clay over rock leans to the clay", kSoftClay, kWeakRock, 10.0, 100.0, 10.0, 60.0},
      {"rock over clay leans to the clay", kWeakRock, kSoftClay, 100.0, 10.0, 10.0, 60.0},
      {"two clays average", kSoftClay, kStiffClay, 10.0, 30.0, 10.0, 20.0},
      {"two rocks average", kWeakRock, kMassiveRock, 100.0, 300.0, 10.0, 200.0},
      {"clay over user curves keeps the clay", kSoftClay, kUserPy, 10.0, 0.0, 10.0, 10.0},
      {"elastic subgrade over clay takes the clay", kElasticSubgrade, kSoftClay, 0.0, 40.0, 10.0,
       40.0},
      {"silt with strength counts as clay", kCementedSilt, kSoftClay, 20.0, 40.0, 10.0, 30.0},
      {"silt without strength counts as sand", kCementedSilt, kSoftClay, 0.0, 40.0, 10.0, 40.0},
      {"two clays at the pile tip keep the upper", kSoftClay, kSoftClay, 10.0, 30.0, 5.0, 10.0},
  };
  for (const InterfaceCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto ctx = makeSoilContext(kUnitsSi);
    setValue(addLayer(ctx->model, c.upper, 0.0, 5.0).cohesion, 1.0, c.ca);
    setValue(addLayer(ctx->model, c.lower, 5.0, 10.0).cohesion, c.cb, 1.0);
    ctx->model.pile.length = c.pileLength;
    const StrengthAtDepth found = lookupStrength(*ctx, 5.0);
    EXPECT_DOUBLE_EQ(found.c, c.expected);
    EXPECT_TRUE(found.atInterface);
    EXPECT_EQ(found.atTip, c.pileLength == 5.0);
    // A depth within the 1e-6 tolerance counts as the interface too (the tip
    // only when matched exactly).
    if (!found.atTip) {
      EXPECT_DOUBLE_EQ(fn_c(*ctx, 5.0 - 5e-7), c.expected);
    }
  }
}

// The other queries at the interface at 5 between two layers of one kind.
enum class Query { kE50, kJ, kPhi, kRqd, kKrm };

struct QueryCase {
  const char* name;
  Query query;
  int criterion;
  LayerValue SoilLayer::*slot;  // where the layer holds the value
  double upper;                 // bottom value of the upper layer
  double lower;                 // top value of the lower layer
  double pileLength;
  double expected;
};

double runQuery(engine::RunContext& ctx, Query query, double x) {
  switch (query) {
    case Query::kE50:
      return fn_e50(ctx.model, x);
    case Query::kJ:
      return fn_J(ctx.model, x);
    case Query::kPhi:
      return fn_phi(ctx, x);
    case Query::kRqd:
      return fn_RQD(ctx, x);
    case Query::kKrm:
      return fn_krm(ctx.model, x);
  }
  return -1.0;
}

TEST(SoilProfile, EachQueryHasItsInterfaceRule) {
  const QueryCase cases[] = {
      {"phi: upper not given", Query::kPhi, kSand, &SoilLayer::frictionAngle, 0.0, 30.0, 10.0,
       30.0},
      {"phi: lower not given", Query::kPhi, kSand, &SoilLayer::frictionAngle, 30.0, 0.0, 10.0,
       30.0},
      {"phi: both given", Query::kPhi, kSand, &SoilLayer::frictionAngle, 30.0, 36.0, 10.0, 33.0},
      {"phi: at the tip", Query::kPhi, kSand, &SoilLayer::frictionAngle, 30.0, 36.0, 5.0, 30.0},
      {"e50: both given", Query::kE50, kSoftClay, &SoilLayer::epsilon50, 0.01, 0.02, 10.0, 0.015},
      {"e50: upper not given", Query::kE50, kSoftClay, &SoilLayer::epsilon50, 0.0, 0.02, 10.0,
       0.02},
      {"e50: at the tip", Query::kE50, kSoftClay, &SoilLayer::epsilon50, 0.01, 0.02, 5.0, 0.01},
      {"e50: none given", Query::kE50, kSoftClay, &SoilLayer::epsilon50, 0.0, 0.0, 10.0, 0.0},
      {"e50 slot of weak rock holds k_rm", Query::kE50, kWeakRock, &SoilLayer::krm, 0.0005, 0.0001,
       10.0, 0.0003},
      {"J: both given", Query::kJ, kSoftClay, &SoilLayer::jFactor, 0.5, 0.25, 10.0, 0.375},
      {"RQD: both given", Query::kRqd, kWeakRock, &SoilLayer::rqd, 50.0, 70.0, 10.0, 60.0},
      {"RQD: no tip exception", Query::kRqd, kWeakRock, &SoilLayer::rqd, 50.0, 70.0, 5.0, 60.0},
      {"RQD: upper not given", Query::kRqd, kWeakRock, &SoilLayer::rqd, 0.0, 70.0, 10.0, 70.0},
      {"k_rm: the lower layer's", Query::kKrm, kWeakRock, &SoilLayer::krm, 0.0005, 0.0001, 10.0,
       0.0001},
      {"k_rm: at the tip the upper", Query::kKrm, kWeakRock, &SoilLayer::krm, 0.0005, 0.0001, 5.0,
       0.0005},
  };
  for (const QueryCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto ctx = makeSoilContext(kUnitsSi);
    SoilLayer& upper = addLayer(ctx->model, c.criterion, 0.0, 5.0);
    SoilLayer& lower = addLayer(ctx->model, c.criterion, 5.0, 10.0);
    setValue(upper.*c.slot, 1.0, c.upper);
    setValue(lower.*c.slot, c.lower, 1.0);
    ctx->model.pile.length = c.pileLength;
    EXPECT_DOUBLE_EQ(runQuery(*ctx, c.query, 5.0), c.expected);
    // Inside the layers the values are interpolated.
    EXPECT_DOUBLE_EQ(runQuery(*ctx, c.query, 2.5), (1.0 + c.upper) / 2.0);
    EXPECT_DOUBLE_EQ(runQuery(*ctx, c.query, 7.5), (c.lower + 1.0) / 2.0);
  }
}

TEST(SoilProfile, StrainAndJBelowTheProfileAreZeroWithoutAnError) {
  auto ctx = makeSoilContext(kUnitsSi);
  SoilLayer& layer = addLayer(ctx->model, 15, 0.0, 10.0);
  setValue(layer.epsilon50, 0.01, 0.02);
  setValue(layer.jFactor, 0.5, 0.5);
  EXPECT_EQ(fn_e50(ctx->model, 12.0), 0.0);
  EXPECT_EQ(fn_J(ctx->model, 12.0), 0.0);
  EXPECT_EQ(fn_krm(ctx->model, 12.0), 0.0);
  EXPECT_EQ(ctx->model.state.errorCode, 0);
}

TEST(SoilProfile, AverageStrengthIntegratesFromTheGroundSurface) {
  auto ctx = makeSoilContext(kUnitsSi);
  setValue(addLayer(ctx->model, kSoftClay, 0.0, 10.0).cohesion, 0.0, 2.0);
  // c grows from 0 to 2: the average over the upper half is 0.5.
  EXPECT_DOUBLE_EQ(fn_CAvg(*ctx, 5.0), 0.5);
  EXPECT_DOUBLE_EQ(fn_CAvg(*ctx, 10.0), 1.0);
  EXPECT_EQ(fn_CAvg(*ctx, -1.0), 0.0);

  // Two layers: 2 over 0..4, then 4 growing to 10 over 4..10. To 7 m:
  // (2 x 4 + (4 + 7) / 2 x 3) / 7 = 24.5 / 7.
  auto layered = makeSoilContext(kUnitsSi);
  setValue(addLayer(layered->model, kSoftClay, 0.0, 4.0).cohesion, 2.0, 2.0);
  setValue(addLayer(layered->model, kSoftClay, 4.0, 10.0).cohesion, 4.0, 10.0);
  layered->model.pile.length = 10.0;
  EXPECT_DOUBLE_EQ(fn_CAvg(*layered, 7.0), 3.5);
  // At the ground surface: the strength there.
  EXPECT_DOUBLE_EQ(fn_CAvg(*layered, 0.0), 2.0);
}

TEST(SoilProfile, AverageUnitWeightStartsWithTheFirstPositiveValue) {
  auto ctx = makeSoilContext(kUnitsSi);
  setValue(addLayer(ctx->model, kSoftClay, 1.0, 5.0).unitWeight, 0.0, 10.0);
  setValue(addLayer(ctx->model, kSoftClay, 5.0, 9.0).unitWeight, 12.0, 12.0);
  ctx->model.pile.length = 9.0;
  // At the ground surface (1 m below the head) the first positive weight of
  // the list, the bottom of the first layer, not an average.
  EXPECT_DOUBLE_EQ(fn_GammaAvg(*ctx, 1.0), 10.0);
  // To 7 m: (0 + 10) / 2 x 4 + 12 x 2, over 6 m.
  EXPECT_DOUBLE_EQ(fn_GammaAvg(*ctx, 7.0), (20.0 + 24.0) / 6.0);
  EXPECT_EQ(fn_GammaAvg(*ctx, 0.5), 0.0);
}

// Each error of the queries, triggered once.
struct ErrorCase {
  const char* name;
  std::function<void(AnalysisModel&)> profile;
  std::function<void(engine::RunContext&)> query;
  int code;
  const char* title;
  bool inputError;  // written to the message file too, with the closing report line
};

void oneClayLayer(AnalysisModel& model) {
  SoilLayer& layer = addLayer(model, kSoftClay, 0.0, 10.0);
  setValue(layer.cohesion, 10.0, 20.0);
  setValue(layer.unitWeight, 8.0, 8.0);
  setValue(layer.frictionAngle, 30.0, 30.0);
  setValue(layer.rqd, 50.0, 50.0);
  model.pile.length = 10.0;
}

TEST(SoilProfile, EachQueryErrorStopsTheRunWithItsBlock) {
  const ErrorCase cases[] = {
      {"average strength below the profile", oneClayLayer,
       [](engine::RunContext& ctx) { fn_CAvg(ctx, 15.0); }, 103, "**** Input Data Error No. 3 ****",
       true},
      {"friction angle below the profile", oneClayLayer,
       [](engine::RunContext& ctx) { fn_phi(ctx, 15.0); }, 104, "**** Input Data Error No. 4 ****",
       true},
      {"strength below the profile", oneClayLayer, [](engine::RunContext& ctx) { fn_c(ctx, 15.0); },
       105, "**** Input Data Error No. 5 ****", true},
      {"unit weight below the profile", oneClayLayer,
       [](engine::RunContext& ctx) { fn_GammaAvg(ctx, 15.0); }, 115,
       "**** Input Data Error No. 15 ****", true},
      {"RQD below the profile", oneClayLayer, [](engine::RunContext& ctx) { fn_RQD(ctx, 15.0); },
       131, "**** Input Data Error No. 31 ****", true},
      {"RQD above 100 percent",
       [](AnalysisModel& model) {
         oneClayLayer(model);
         setValue(model.soil.layers[1].rqd, 50.0, 150.0);
       },
       [](engine::RunContext& ctx) { fn_RQD(ctx, 9.0); }, 149, "**** Input Data Error No. 49 ****",
       true},
      {"layer without thickness",
       [](AnalysisModel& model) {
         addLayer(model, kSoftClay, 0.0, 0.0);
         setValue(addLayer(model, kSoftClay, 0.0, 10.0).cohesion, 10.0, 10.0);
         model.pile.length = 10.0;
       },
       [](engine::RunContext& ctx) { fn_c(ctx, -1.0); }, 160, "**** Input Data Error No. 60 ****",
       true},
      {"Piedmont soil against clay",
       [](AnalysisModel& model) {
         setValue(addLayer(model, kPiedmont, 0.0, 5.0).cohesion, 1.0, 1.0);
         setValue(addLayer(model, kSoftClay, 5.0, 10.0).cohesion, 10.0, 10.0);
         model.pile.length = 10.0;
       },
       [](engine::RunContext& ctx) { fn_c(ctx, 5.0); }, 230, " ***** Runtime Error No. 30 *****",
       false},
      {"interface without a layer pair",
       [](AnalysisModel& model) {
         setValue(addLayer(model, kSoftClay, 0.0, 5.0).cohesion, 10.0, 10.0);
         setValue(addLayer(model, kSoftClay, 6.0, 10.0).cohesion, 10.0, 10.0);
         model.pile.length = 10.0;
       },
       [](engine::RunContext& ctx) { fn_c(ctx, 5.0); }, 999,
       "Internal error in function C (undrained shear strength)", false},
  };
  for (const ErrorCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto ctx = makeSoilContext(kUnitsSi);
    c.profile(ctx->model);
    EXPECT_EQ(errorCodeOf(*ctx, [&] { c.query(*ctx); }), c.code);
    const std::string report = ctx->report.text();
    EXPECT_TRUE(contains(report, c.title)) << report;
    EXPECT_EQ(contains(ctx->messages.text(), c.title), c.inputError);
    EXPECT_EQ(contains(report, "Quarn ended prematurely due to input error number INP000"),
              c.inputError);
  }
}

TEST(SoilProfile, StrengthBelowTheProfileWritesItsBlock) {
  auto ctx = makeSoilContext(kUnitsSi);
  oneClayLayer(ctx->model);
  EXPECT_EQ(errorCodeOf(*ctx, [&] { fn_c(*ctx, 15.0); }), 105);
  const std::string block =
      "**** Input Data Error No. 5 ****\n"
      "\n"
      "An error was detected that is related to an incompatibility\n"
      "between the input data defining pile embedment depth and soil \n"
      "shear strength values versus depth.\n"
      "\n"
      "Problem:  The value for a pile station depth is   1.5000E+01\n"
      "This depth is below the deepest extent of the input curve for\n"
      "soil shear strength versus depth at     10.000\n"
      "\n"
      "Solution:  Please revise the input data by either extending \n"
      "the maximum depth for soil shear strength or shorten the \n"
      "pile to be wholly within the defined soil layers.\n";
  EXPECT_EQ(ctx->messages.text(), block);
  EXPECT_EQ(ctx->report.text(),
            block + "\n\nQuarn ended prematurely due to input error number INP00005\n");
}

TEST(SoilProfile, UnknownPairOfSoilsWritesTheTraceBlock) {
  auto ctx = makeSoilContext(kUnitsSi);
  setValue(addLayer(ctx->model, kPiedmont, 0.0, 5.0).cohesion, 1.0, 1.0);
  setValue(addLayer(ctx->model, kSoftClay, 5.0, 10.0).cohesion, 10.0, 10.0);
  ctx->model.pile.length = 10.0;
  EXPECT_EQ(errorCodeOf(*ctx, [&] { fn_c(*ctx, 5.0); }), 230);
  const std::string report = ctx->report.text();
  EXPECT_TRUE(contains(report, "\n\n ***** Runtime Error No. 30 *****\n\nError in fn_c"));
  EXPECT_TRUE(contains(report, " Soil type above        =  0\n"));
  EXPECT_TRUE(contains(report, " Soil type below        =  1\n"));
  EXPECT_TRUE(contains(report,
                       " JBOT index             =  2 = index number of strength value below "
                       "depth in question\n"));
  EXPECT_TRUE(contains(report, " At tip condition       =  F, T = true, F = false\n"));
  EXPECT_TRUE(contains(report, " i_SoilLayer_py_Type(JBOT/2)          =  10\n"));
  EXPECT_TRUE(contains(report, " i_SoilLayer_py_Type(JBOT/2+1)        =  1\n"));
  // A runtime error leaves no line of its own in the message file.
  EXPECT_EQ(ctx->messages.text(), "");
}

}  // namespace
}  // namespace quarn::soil
