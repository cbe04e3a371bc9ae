// The load readers: LOADING, LRFD LOADS, LRFD FACTORS AND CASES and AXIAL
// THRUST LOADS, with every check and message block of LRFD input.
#include "input/loading_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/sections_test_support.h"

namespace quarn::input {
namespace {

using namespace quarn::input::testing;

TEST(LoadingReader, StoresLoadCasesAndDistributedLoad) {
  const ReaderResult r = runReader(
      readLoading, {"3", "1 1 20000 0 50000 1", "2 2 30000 0.0 50000 0", "3 5 0.5 0.001 -100 2",
                    "2", "1 0.0 10", "2 20.0 15.5", "not read"});
  ASSERT_FALSE(r.stopped) << r.report();
  EXPECT_EQ(r.linesRead, 7);
  const Loads& loads = r.model().loads;
  ASSERT_EQ(loads.numberOfLoadCases, 3);
  EXPECT_EQ(loads.headLoads[1].loadType, HeadLoadType::kShearMoment);
  EXPECT_DOUBLE_EQ(loads.headLoads[2].condition1, 30000.0);
  EXPECT_EQ(loads.headLoads[3].loadType, HeadLoadType::kDeflectionSlope);
  EXPECT_DOUBLE_EQ(loads.headLoads[3].condition1, 0.5);
  EXPECT_DOUBLE_EQ(loads.headLoads[3].condition2, 0.001);
  EXPECT_DOUBLE_EQ(loads.headLoads[3].axialThrust, -100.0);
  // Length-study code 1 means no study; 0 and 2 request it.
  EXPECT_FALSE(loads.headLoads[1].computeLengthStudy);
  EXPECT_TRUE(loads.headLoads[2].computeLengthStudy);
  EXPECT_TRUE(loads.headLoads[3].computeLengthStudy);
  EXPECT_EQ(loads.distributed.points, 2);
  EXPECT_DOUBLE_EQ(loads.distributed.depth[2], 20.0);
  EXPECT_DOUBLE_EQ(loads.distributed.load[2], 15.5);
  EXPECT_EQ(loads.thrustSource, kThrustsFromLoading);
  EXPECT_EQ(r.messages(), "Reading pile head loading data\n");
}

TEST(LoadingReader, NoDistributedPointsClearsTheFirstEntry) {
  for (const char* count : {"0", "-1"}) {
    const ReaderResult r =
        runReader(readLoading, {"1", "1 1 100 0 0 1", count}, [](AnalysisModel& m) {
          m.loads.distributed.points = 2;
          m.loads.distributed.depth[1] = 5.0;
          m.loads.distributed.load[1] = 7.0;
        });
    ASSERT_FALSE(r.stopped);
    EXPECT_EQ(r.linesRead, 3);
    EXPECT_EQ(r.model().loads.distributed.points, 0);
    EXPECT_DOUBLE_EQ(r.model().loads.distributed.depth[1], 0.0);
    EXPECT_DOUBLE_EQ(r.model().loads.distributed.load[1], 0.0);
  }
}

// N groups, each of load type 1 with no distributed load.
std::vector<std::string> lrfdGroups(int count) {
  std::vector<std::string> lines = {std::to_string(count)};
  for (int i = 1; i <= count; ++i) lines.push_back(std::to_string(i) + " 1 100 200 300 0");
  return lines;
}

// The LRFD blocks: two empty lines, the title, an empty line, the lines, two
// empty lines, then the report line of the stop.
std::string lrfdBlock(int number, const std::vector<std::string>& lines) {
  std::string text = "\n\n***** Input Data Error No. " + std::to_string(number) + " *****\n\n";
  for (const std::string& line : lines) text += line + "\n";
  return text + "\n\n";
}

TEST(LrfdLoadsReader, AcceptsOneToOneHundredGroups) {
  for (int count : {1, 100}) {
    const ReaderResult r = runReader(readLrfdLoads, lrfdGroups(count));
    ASSERT_FALSE(r.stopped) << r.report();
    EXPECT_EQ(r.model().loads.numberOfLrfdLoads, count);
    EXPECT_DOUBLE_EQ(r.model().loads.lrfdLoads[count].axialForce, 300.0);
    EXPECT_EQ(r.linesRead, count + 1);
  }
}

TEST(LrfdLoadsReader, StoresGroupsAndTheirDistributedLoads) {
  const ReaderResult r = runReader(readLrfdLoads, {"2", "1 1 10 20 30 0", "2 5 -4 -5 6 2",
                                                   "1 0.0 1.5", "2 10.0 2.5"});
  ASSERT_FALSE(r.stopped) << r.report();
  const LrfdLoad& wind = r.model().loads.lrfdLoads[2];
  EXPECT_EQ(wind.loadTypeIndex, 5);
  EXPECT_DOUBLE_EQ(wind.horizontalForce, -4.0);
  EXPECT_DOUBLE_EQ(wind.moment, -5.0);
  EXPECT_DOUBLE_EQ(wind.axialForce, 6.0);
  EXPECT_EQ(wind.distributedPointCount, 2);
  EXPECT_DOUBLE_EQ(wind.distributedDepth[2], 10.0);
  EXPECT_DOUBLE_EQ(wind.distributedLoad[2], 2.5);
  EXPECT_EQ(r.model().loads.lrfdLoads[1].distributedPointCount, 0);
  EXPECT_EQ(r.messages(), "Reading LRFD unfactored load data\n");
}

struct LrfdStopCase {
  const char* name;
  Reader reader;
  std::vector<std::string> lines;
  int error;
  std::string block;
};

const std::vector<LrfdStopCase> kLrfdStops = {
    {"no groups", readLrfdLoads, {"0"}, 98,
     lrfdBlock(98, {"Number of LRFD loads specified is 0",
                    "This is outside of the valid range to 1 to 100"})},
    {"101 groups", readLrfdLoads, {"101"}, 98,
     lrfdBlock(98, {"Number of LRFD loads specified is 101",
                    "This is outside of the valid range to 1 to 100"})},
    {"groups numbered 1 and 3", readLrfdLoads, {"2", "1 1 1 1 1 0", "3 2 1 1 1 0"}, 97,
     lrfdBlock(97, {"Input appears to be out-of-order for LRFD loading",
                    "Input load number is 3 and the expected load number is 2"})},
    {"one distributed point", readLrfdLoads, {"1", "1 1 1 1 1 1"}, 95,
     lrfdBlock(95, {"Number of distributed load points for LRFD load number 1 is outside of the "
                    "valid range of 0 or 2 to 100.",
                    "", "The input number of distributed load points is 1"})},
    {"101 distributed points", readLrfdLoads, {"2", "1 1 1 1 1 0", "2 1 1 1 1 101"}, 95,
     lrfdBlock(95, {"Number of distributed load points for LRFD load number 2 is outside of the "
                    "valid range of 0 or 2 to 100.",
                    "", "The input number of distributed load points is 101"})},
    {"distributed points out of order", readLrfdLoads,
     {"1", "1 1 1 1 1 3", "1 0 1", "3 5 1"}, 96,
     lrfdBlock(96, {"Input appears to be out-of-order for LRFD distributed load 1", "",
                    "Input distributed load point is 3", " and the expected point number is 2"})},
    {"no combinations", readLrfdFactors, {"0"}, 94,
     lrfdBlock(94, {"Number of LRFD load combinations outside of the valid range of 1 to 100.",
                    "Number of LRFD load combinations input is 0"})},
    {"101 combinations", readLrfdFactors, {"101"}, 94,
     lrfdBlock(94, {"Number of LRFD load combinations outside of the valid range of 1 to 100.",
                    "Number of LRFD load combinations input is 101"})},
};

TEST(LrfdReaders, StopWithTheirBlocks) {
  for (const LrfdStopCase& c : kLrfdStops) {
    SCOPED_TRACE(c.name);
    const ReaderResult r = runReader(c.reader, c.lines);
    EXPECT_TRUE(r.stopped);
    EXPECT_EQ(r.errorCode(), 100 + c.error);
    EXPECT_EQ(r.report(), c.block + "\n\n" + prematureEndLine(c.error));
    EXPECT_EQ(r.linesRead, static_cast<long>(c.lines.size()));
  }
}

TEST(LrfdLoadsReader, AcceptsZeroOrTwoDistributedPoints) {
  for (const char* count : {"0", "2"}) {
    std::vector<std::string> lines = {"1", std::string("1 1 1 1 1 ") + count};
    if (std::string(count) == "2") {
      lines.push_back("1 0 1");
      lines.push_back("2 5 1");
    }
    const ReaderResult r = runReader(readLrfdLoads, lines);
    EXPECT_FALSE(r.stopped) << r.report();
  }
}

// One combination line: number, 13 factors, two resistance factors.
std::string combination(int number, const std::string& factors, const std::string& resistance) {
  return std::to_string(number) + " " + factors + " " + resistance;
}
const std::string kStrength1 = "1.25 1.75 0 0 0 0 0 0 0 0 0 0 0";
const std::string kNoFactors = "0 0 0 0 0 0 0 0 0 0 0 0 0";

TEST(LrfdFactorsReader, StoresCombinationsAndDefaultsResistanceFactors) {
  const ReaderResult r = runReader(
      readLrfdFactors, {"2", combination(1, kStrength1, "0.9 0.85"), "Strength I   ",
                        combination(2, "0.9 0 0 0 1.4 0 0 0 0 0 0 0 0.5", "0 -1"), "Wind case"});
  ASSERT_FALSE(r.stopped) << r.report();
  const Loads& loads = r.model().loads;
  ASSERT_EQ(loads.numberOfLrfdCombinations, 2);
  EXPECT_DOUBLE_EQ(loads.lrfdCombinations[1].loadFactors[2], 1.75);
  EXPECT_DOUBLE_EQ(loads.lrfdCombinations[1].flexureResistanceFactor, 0.9);
  EXPECT_DOUBLE_EQ(loads.lrfdCombinations[1].shearResistanceFactor, 0.85);
  EXPECT_EQ(loads.lrfdCombinations[1].name, "Strength I");
  EXPECT_DOUBLE_EQ(loads.lrfdCombinations[2].loadFactors[13], 0.5);
  EXPECT_DOUBLE_EQ(loads.lrfdCombinations[2].flexureResistanceFactor, 0.75);
  EXPECT_DOUBLE_EQ(loads.lrfdCombinations[2].shearResistanceFactor, 0.75);
  EXPECT_EQ(loads.lrfdCombinations[2].name, "Wind case");
  EXPECT_EQ(r.messages(), "Reading LRFD load and resistance factor data \n");
}

TEST(LrfdFactorsReader, EveryAllZeroCombinationWritesItsBlock) {
  const std::vector<std::string> lines = {
      "3", combination(1, kNoFactors, "0.9 0.9"), "first", combination(2, kStrength1, "0.9 0.9"),
      "second", combination(3, kNoFactors, "0.9 0.9"), "third"};
  const ReaderResult r = runReader(readLrfdFactors, lines);
  EXPECT_TRUE(r.stopped);
  EXPECT_EQ(r.errorCode(), 172);
  EXPECT_EQ(r.linesRead, 7);  // the section is read to its end
  EXPECT_EQ(r.model().loads.lrfdCombinations[3].name, "third");
  const auto block = [](int combinationNumber) {
    return lrfdBlock(72, {"All input load factors for LRFD analysis are zero.",
                          "The number of the LRFD load combination in error is " +
                              std::to_string(combinationNumber)}) +
           "\n\n" + prematureEndLine(72);
  };
  EXPECT_EQ(r.report(), block(1) + block(3));
}

TEST(AxialThrustLoadsReader, SortsTheForces) {
  const ReaderResult r = runReader(readAxialThrustLoads, {"3", "1 500", "2 -100", "3 250"},
                                   [](AnalysisModel& m) {
                                     m.loads.numberOfAxialThrusts = 2;
                                     m.loads.axialThrusts[1] = 9.0;
                                   });
  ASSERT_FALSE(r.stopped);
  const Loads& loads = r.model().loads;
  ASSERT_EQ(loads.numberOfThrustLoads, 3);
  EXPECT_DOUBLE_EQ(loads.thrustLoads[1], -100.0);
  EXPECT_DOUBLE_EQ(loads.thrustLoads[2], 250.0);
  EXPECT_DOUBLE_EQ(loads.thrustLoads[3], 500.0);
  EXPECT_EQ(loads.numberOfAxialThrusts, 0);  // the derived list is cleared
  EXPECT_DOUBLE_EQ(loads.axialThrusts[1], 0.0);
  EXPECT_EQ(loads.thrustSource, kThrustsFromAxialThrustLoads);
  EXPECT_EQ(r.messages(), "Reading axial thrust force data for EI-only computations\n");
}

TEST(AxialThrustLoadsReader, CountBelowOneLeavesOneZeroForce) {
  for (const char* count : {"0", "-3"}) {
    const ReaderResult r = runReader(readAxialThrustLoads, {count, "1 700"});
    ASSERT_FALSE(r.stopped);
    EXPECT_EQ(r.linesRead, 1);
    EXPECT_EQ(r.model().loads.numberOfThrustLoads, 1);
    EXPECT_DOUBLE_EQ(r.model().loads.thrustLoads[1], 0.0);
    EXPECT_EQ(r.messages(), "");
  }
}

}  // namespace
}  // namespace quarn::input
