// The SOIL LAYERS reader: the property lines of every criterion key, the
// dropped "Undefined" codes, frozen soil without property lines, user p-y
// curves and the ground-surface depth.
#include "input/soil_reader.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "input/sections_test_support.h"

namespace quarn::input {
namespace {

using namespace quarn::input::testing;

// One layer of each key with the values 1..n on the top line and 11..10+n
// on the bottom line; `check` finds them in the fields of the layer.
struct LayoutCase {
  int code;
  int values;  // per property line
  std::function<void(const SoilLayer&)> check;
};

std::string valuesLine(int first, int count) {
  std::string line;
  for (int k = 0; k < count; ++k) line += std::to_string(first + k) + " ";
  return line;
}

const std::vector<LayoutCase> kLayouts = {
    {1, 3, [](const SoilLayer& l) {  // SoftClay
       EXPECT_DOUBLE_EQ(l.unitWeight[0], 1.0);
       EXPECT_DOUBLE_EQ(l.cohesion[0], 2.0);
       EXPECT_DOUBLE_EQ(l.epsilon50[1], 13.0);
     }},
    {2, 4, [](const SoilLayer& l) {  // StfClyBW
       EXPECT_DOUBLE_EQ(l.epsilon50[0], 3.0);
       EXPECT_DOUBLE_EQ(l.subgradeK[1], 14.0);
     }},
    {3, 3, [](const SoilLayer& l) { EXPECT_DOUBLE_EQ(l.epsilon50[1], 13.0); }},  // StfClyAW
    {4, 4, [](const SoilLayer& l) { EXPECT_DOUBLE_EQ(l.subgradeK[0], 4.0); }},   // StfClyAK
    {5, 3, [](const SoilLayer& l) {  // Sand
       EXPECT_DOUBLE_EQ(l.frictionAngle[0], 2.0);
       EXPECT_DOUBLE_EQ(l.subgradeK[1], 13.0);
     }},
    {6, 3, [](const SoilLayer& l) {  // API Sand
       EXPECT_DOUBLE_EQ(l.frictionAngle[1], 12.0);
       EXPECT_DOUBLE_EQ(l.subgradeK[0], 3.0);
     }},
    {7, 1, [](const SoilLayer& l) {  // Liq Sand
       EXPECT_DOUBLE_EQ(l.unitWeight[0], 1.0);
       EXPECT_DOUBLE_EQ(l.unitWeight[1], 11.0);
     }},
    {8, 5, [](const SoilLayer& l) {  // WeakRock
       EXPECT_DOUBLE_EQ(l.cohesion[0], 2.0);
       EXPECT_DOUBLE_EQ(l.rockModulus[0], 3.0);
       EXPECT_DOUBLE_EQ(l.rqd[1], 14.0);
       EXPECT_DOUBLE_EQ(l.krm[1], 15.0);
       EXPECT_DOUBLE_EQ(l.epsilon50[1], 15.0);  // k_rm also in the strain-factor slot
     }},
    {9, 2, [](const SoilLayer& l) { EXPECT_DOUBLE_EQ(l.cohesion[1], 12.0); }},  // Vuggy LS
    {10, 6, [](const SoilLayer& l) {  // Piedmont
       EXPECT_EQ(l.fieldTestCode[0], 2);
       EXPECT_DOUBLE_EQ(l.sptN60[0], 3.0);
       EXPECT_DOUBLE_EQ(l.coneTip[0], 4.0);
       EXPECT_DOUBLE_EQ(l.dilatometerModulus[1], 15.0);
       EXPECT_DOUBLE_EQ(l.pressuremeterModulus[1], 16.0);
     }},
    {11, 5, [](const SoilLayer& l) {  // Cem Silt
       EXPECT_DOUBLE_EQ(l.cohesion[0], 2.0);
       EXPECT_DOUBLE_EQ(l.frictionAngle[0], 3.0);
       EXPECT_DOUBLE_EQ(l.epsilon50[0], 4.0);
       EXPECT_DOUBLE_EQ(l.subgradeK[1], 15.0);
     }},
    {12, 2, [](const SoilLayer& l) { EXPECT_DOUBLE_EQ(l.coneTip[1], 12.0); }},    // KS Loess
    {13, 2, [](const SoilLayer& l) { EXPECT_DOUBLE_EQ(l.subgradeK[0], 2.0); }},  // Elast SG
    {15, 4, [](const SoilLayer& l) { EXPECT_DOUBLE_EQ(l.jFactor[1], 14.0); }},   // SoftClyJ
    {16, 5, [](const SoilLayer& l) {  // MassRock
       EXPECT_DOUBLE_EQ(l.cohesion[0], 2.0);
       EXPECT_EQ(l.rockTypeCode[0], 3);
       EXPECT_DOUBLE_EQ(l.gsi[1], 14.0);
       EXPECT_DOUBLE_EQ(l.poissonRatio[1], 15.0);
     }},
};

TEST(SoilLayersReader, EachCriterionReadsItsPropertyLines) {
  for (const LayoutCase& c : kLayouts) {
    SCOPED_TRACE(kCriterionKeys[static_cast<std::size_t>(c.code)]);
    const std::vector<std::string> lines = {"1", std::to_string(c.code) + " 0.0 10.0",
                                            valuesLine(1, c.values), valuesLine(11, c.values),
                                            "next line"};
    const ReaderResult r = runReader(readSoilLayers, lines);
    ASSERT_FALSE(r.stopped) << r.report();
    EXPECT_EQ(r.linesRead, 4);
    ASSERT_EQ(r.model().soil.numberOfLayers, 1);
    const SoilLayer& layer = r.model().soil.layers[1];
    EXPECT_EQ(layer.criterion, c.code);
    EXPECT_DOUBLE_EQ(layer.bottom, 10.0);
    EXPECT_EQ(propertyValuesPerLine(kCriterionKeys[static_cast<std::size_t>(c.code)]), c.values);
    c.check(layer);
  }
}

TEST(SoilLayersReader, SoftClayThenApiSand) {
  const ReaderResult r = runReader(readSoilLayers, {"2", "1 0.0 12.5", "110 500 0.02",
                                                    "112 800 0.01", "6 12.5 40", "120 34 90",
                                                    "125 36 120"});
  ASSERT_FALSE(r.stopped);
  EXPECT_EQ(r.linesRead, 7);
  const Soil& soil = r.model().soil;
  ASSERT_EQ(soil.numberOfLayers, 2);
  EXPECT_DOUBLE_EQ(soil.layers[1].cohesion[1], 800.0);
  EXPECT_DOUBLE_EQ(soil.layers[2].top, 12.5);
  EXPECT_DOUBLE_EQ(soil.layers[2].frictionAngle[0], 34.0);
  EXPECT_DOUBLE_EQ(soil.layers[2].subgradeK[1], 120.0);
  EXPECT_EQ(r.messages(), "Reading soil layering data\n");
}

TEST(SoilLayersReader, UndefinedCodeIsDropped) {
  for (const char* code : {"18", "19", "20"}) {
    SCOPED_TRACE(code);
    const ReaderResult r = runReader(
        readSoilLayers, {"3", "5 0 10", "110 30 50", "115 32 60", std::string(code) + " 10 20",
                         "13 20 40", "120 9000", "125 9500"});
    ASSERT_FALSE(r.stopped) << r.report();
    EXPECT_EQ(r.linesRead, 8);
    const Soil& soil = r.model().soil;
    ASSERT_EQ(soil.numberOfLayers, 2);
    EXPECT_EQ(soil.layers[2].criterion, 13);  // the third layer of the input
    EXPECT_DOUBLE_EQ(soil.layers[2].top, 20.0);
    EXPECT_DOUBLE_EQ(soil.layers[2].subgradeK[1], 9500.0);
    EXPECT_EQ(soil.layers[3].criterion, 0);
  }
}

TEST(SoilLayersReader, FrozenSoilReadsNoPropertyLines) {
  const ReaderResult r =
      runReader(readSoilLayers, {"2", "17 0 5", "7 5 15", "110", "112"});
  ASSERT_FALSE(r.stopped) << r.report();
  EXPECT_EQ(r.linesRead, 5);
  ASSERT_EQ(r.model().soil.numberOfLayers, 2);
  EXPECT_EQ(r.model().soil.layers[1].criterion, 17);
  EXPECT_EQ(r.model().soil.layers[2].criterion, 7);
  EXPECT_DOUBLE_EQ(r.model().soil.layers[2].unitWeight[1], 112.0);
}

TEST(SoilLayersReader, UserPyCurvesAtLayerTopAndBottom) {
  const ReaderResult r = runReader(
      readSoilLayers, {"1", "14 2.0 12.0", "105 3", "0 0", "0.5 200", "2.0 400", "110 4", "0 0",
                       "0.4 300", "1.5 600", "6.0 700", "beyond"});
  ASSERT_FALSE(r.stopped) << r.report();
  EXPECT_EQ(r.linesRead, 1 + 1 + (1 + 3) + (1 + 4));
  const SoilLayer& layer = r.model().soil.layers[1];
  EXPECT_DOUBLE_EQ(layer.unitWeight[0], 105.0);
  EXPECT_DOUBLE_EQ(layer.unitWeight[1], 110.0);
  const UserPyCurve& top = layer.userCurves[0];
  const UserPyCurve& bottom = layer.userCurves[1];
  EXPECT_EQ(top.points, 3);
  EXPECT_DOUBLE_EQ(top.depth, 2.0);
  EXPECT_DOUBLE_EQ(top.y[3], 2.0);
  EXPECT_DOUBLE_EQ(top.p[3], 400.0);
  EXPECT_EQ(bottom.points, 4);
  EXPECT_DOUBLE_EQ(bottom.depth, 12.0);
  EXPECT_DOUBLE_EQ(bottom.y[4], 6.0);
  EXPECT_DOUBLE_EQ(bottom.p[4], 700.0);
}

TEST(SoilLayersReader, GroundSurfaceIsTheFirstLayerTop) {
  struct Case {
    const char* firstLayer;
    double ground;
  };
  for (const Case& c : {Case{"7 0.0 10", 0.0}, Case{"7 4.5 10", 4.5}, Case{"7 -2 10", -2.0}}) {
    SCOPED_TRACE(c.firstLayer);
    const ReaderResult r =
        runReader(readSoilLayers, {"2", c.firstLayer, "110", "110", "7 10 30", "115", "115"});
    ASSERT_FALSE(r.stopped);
    EXPECT_DOUBLE_EQ(r.model().pile.groundSurfaceDepth, c.ground);
  }
}

TEST(SoilLayersReader, NoLayersReadsOnlyTheCount) {
  const ReaderResult r = runReader(readSoilLayers, {"0", "1 0 10"}, [](AnalysisModel& m) {
    m.soil.numberOfLayers = 3;
    m.pile.groundSurfaceDepth = 7.0;
  });
  EXPECT_FALSE(r.stopped);
  EXPECT_EQ(r.linesRead, 1);
  EXPECT_EQ(r.model().soil.numberOfLayers, 0);
  EXPECT_DOUBLE_EQ(r.model().pile.groundSurfaceDepth, 7.0);
}

}  // namespace
}  // namespace quarn::input
