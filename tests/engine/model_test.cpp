// The analysis model: initial state, unit labels and the US customary conversion.
#include <gtest/gtest.h>

#include "engine/model.h"
#include "engine/run_context.h"

namespace {

using namespace quarn;

// A small profile in input units: a 50-ft pile, a clay layer over weak rock.
void fillInput(AnalysisModel& model, int units) {
  model.options.IUNITS = units;
  model.pile.length = 50.0;
  model.pile.groundSurfaceDepth = 2.0;
  model.pile.numberOfSections = 1;
  model.pile.sections[1].length = 50.0;
  model.pile.sections[1].bottomDepth = 50.0;
  SoilLayer& clay = model.soil.layers[1];
  clay.criterion = 1;
  clay.top = 2.0;
  clay.bottom = 20.0;
  clay.unitWeight = {120.0, 120.0};
  clay.cohesion = {1440.0, 2880.0};
  SoilLayer& rock = model.soil.layers[2];
  rock.criterion = 8;
  rock.top = 20.0;
  rock.bottom = 60.0;
  rock.cohesion = {1000.0, 1000.0};
  model.soil.numberOfLayers = 3;
  SoilLayer& massive = model.soil.layers[3];
  massive.criterion = 16;
  massive.top = 60.0;
  massive.bottom = 80.0;
  massive.cohesion = {5000.0, 5000.0};
  model.tables.pyOutput.count = 1;
  model.tables.pyOutput.depth[1] = 10.0;
}

TEST(UnitConversion, UsCustomaryInputIsWorkedInInchesAndPounds) {
  auto ctx = engine::makeRunContext();
  AnalysisModel& model = ctx->model;
  initializeModel(model, "2012-06.031");
  fillInput(model, kUnitsUsCustomary);
  convertUsCustomary(model);
  EXPECT_EQ(model.pile.length, 600.0);
  EXPECT_EQ(model.pile.groundSurfaceDepth, 24.0);
  EXPECT_EQ(model.pile.sections[1].bottomDepth, 600.0);
  EXPECT_EQ(model.pile.numberOfSectionsForNodes, 1);
  EXPECT_EQ(model.soil.layers[1].top, 24.0);
  EXPECT_EQ(model.soil.layers[2].bottom, 720.0);
  EXPECT_DOUBLE_EQ(model.soil.layers[1].unitWeight[0], 120.0 / 1728.0);
  EXPECT_EQ(model.soil.layers[1].cohesion[0], 10.0);  // 1440 psf is 10 psi
  EXPECT_EQ(model.soil.layers[1].cohesion[1], 20.0);
  EXPECT_EQ(model.soil.layers[2].cohesion[0], 1000.0);  // rock strength is entered in psi
  EXPECT_EQ(model.soil.layers[3].cohesion[1], 5000.0);
  EXPECT_EQ(model.tables.pyOutput.depth[1], 120.0);

  // A second request in the same run changes nothing.
  convertUsCustomary(model);
  EXPECT_EQ(model.pile.length, 600.0);
  EXPECT_EQ(model.soil.layers[1].cohesion[0], 10.0);
}

TEST(UnitConversion, SiAndGeneralInputIsUsedAsRead) {
  for (int units : {kUnitsSi, kUnitsGeneral}) {
    auto ctx = engine::makeRunContext();
    AnalysisModel& model = ctx->model;
    initializeModel(model, "2012-06.031");
    fillInput(model, units);
    model.pile.length = 15.0;
    convertUsCustomary(model);
    EXPECT_EQ(model.pile.length, 15.0) << units;
    EXPECT_EQ(model.soil.layers[1].cohesion[0], 1440.0) << units;
    EXPECT_EQ(model.soil.layers[1].top, 2.0) << units;
  }
}

TEST(UnitLabels, ThreeSystems) {
  struct Case {
    int units;
    const char* length;
    const char* moment;
    const char* unitWeight;
    const char* smallLength;
  };
  const Case cases[] = {
      {kUnitsUsCustomary, "in ", "in-lb   ", "pcf  ", "in"},
      {kUnitsSi, "m  ", "kN-m    ", "kN/m3", "mm"},
      {kUnitsGeneral, "L  ", "F-L     ", "F/L3 ", "L "},
  };
  for (const Case& c : cases) {
    auto ctx = engine::makeRunContext();
    ctx->model.options.IUNITS = c.units;
    setUnitLabels(ctx->model);
    EXPECT_EQ(ctx->model.labels.length, c.length);
    EXPECT_EQ(ctx->model.labels.moment, c.moment);
    EXPECT_EQ(ctx->model.labels.unitWeight, c.unitWeight);
    EXPECT_EQ(ctx->model.labels.smallLength, c.smallLength);
  }
  // A code outside 1 to 3 leaves the labels as they were.
  auto ctx = engine::makeRunContext();
  ctx->model.options.IUNITS = kUnitsSi;
  setUnitLabels(ctx->model);
  ctx->model.options.IUNITS = 7;
  setUnitLabels(ctx->model);
  EXPECT_EQ(ctx->model.labels.force, "kN ");
}

TEST(InitialState, EveryRunStartsClean) {
  auto ctx = engine::makeRunContext();
  AnalysisModel& model = ctx->model;
  model.state.errorCode = 211;
  model.state.warningOccurrences[302] = 5;
  model.state.warningCount = 1;
  model.state.unitsConverted = true;
  initializeModel(model, "2012-06.031");
  EXPECT_EQ(model.run.version, "2012-06.031");
  EXPECT_EQ(model.state.errorCode, 0);
  EXPECT_EQ(model.state.warningOccurrences[302], 0);
  EXPECT_EQ(model.state.warningCount, 0);
  EXPECT_FALSE(model.state.unitsConverted);
  EXPECT_EQ(model.soilConstantHalf, 0.5);
  EXPECT_EQ(model.layerCorrection[40], -10000.0);
  EXPECT_EQ(kCriterionKeys[1], "SoftClay  ");
  EXPECT_EQ(kCriterionKeys[16], "MassRock  ");
  EXPECT_EQ(kCriterionKeys[18].size(), 10u);
}

}  // namespace
