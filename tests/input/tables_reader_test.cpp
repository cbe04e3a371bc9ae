// TIP SHEAR, PILE BATTER AND SLOPE, GROUPEFF / GROUP EFFECT FACTORS, SOIL
// MOVEMENTS and DEPTHS OF PRINTED P-Y CURVES.
#include "input/tables_reader.h"

#include <gtest/gtest.h>

#include <numbers>
#include <string>
#include <vector>

#include "input/input_runs.h"
#include "input/sections_test_support.h"

namespace quarn::input {
namespace {

using namespace quarn::input::testing;

TEST(TipShearReader, StoresTheCurve) {
  const ReaderResult r = runReader(readTipShear, {"3", "1 0 0", "2 0.1 500", "3 0.5 900"});
  ASSERT_FALSE(r.stopped);
  const TipShearCurve& curve = r.model().tables.tipShear;
  EXPECT_EQ(curve.points, 3);
  EXPECT_DOUBLE_EQ(curve.displacement[3], 0.5);
  EXPECT_DOUBLE_EQ(curve.shear[2], 500.0);
  EXPECT_EQ(r.messages(), "Reading tip shear data\n");
}

TEST(TipShearReader, NoPointsReadsNothingMore) {
  const ReaderResult r = runReader(readTipShear, {"0", "1 0 0"});
  ASSERT_FALSE(r.stopped);
  EXPECT_EQ(r.linesRead, 1);
  EXPECT_EQ(r.model().tables.tipShear.points, 0);
  EXPECT_EQ(r.messages(), "");
}

TEST(BatterAndSlopeReader, StoresRadians) {
  const ReaderResult r = runReader(readBatterAndSlope, {"4", "10"});
  ASSERT_FALSE(r.stopped);
  const BatterAndSlope& angles = r.model().tables.batter;
  constexpr double kPi = std::numbers::pi;
  EXPECT_DOUBLE_EQ(angles.slopeAngle, 4.0 * kPi / 180.0);
  EXPECT_DOUBLE_EQ(angles.batterAngle, 10.0 * kPi / 180.0);
  EXPECT_DOUBLE_EQ(angles.effectiveSlopeAngle, -6.0 * kPi / 180.0);
  EXPECT_EQ(r.messages(), "Reading pile batter and ground slope angles\n");
}

TEST(GroupEffectReader, CountReplacesTheOptionSetting) {
  const ReaderResult r = runReader(
      readGroupEffectFactors, {"3", "1 0 0.8 1.0", "2 10 0.9 1.0", "3 20 1.0 1.1"},
      [](AnalysisModel& m) {
        m.options.usePyModifiers = false;
        m.tables.multipliers.rows = 0;
      });
  ASSERT_FALSE(r.stopped);
  const MultiplierTable& table = r.model().tables.multipliers;
  EXPECT_EQ(table.rows, 3);
  EXPECT_DOUBLE_EQ(table.depth[3], 20.0);
  EXPECT_DOUBLE_EQ(table.pMultiplier[1], 0.8);
  EXPECT_DOUBLE_EQ(table.yMultiplier[3], 1.1);
  EXPECT_EQ(r.messages(), "Reading p-y multiplier data\n");
}

void soilMovementOn(AnalysisModel& m) { m.options.useSoilMovement = true; }
void soilMovementOnSi(AnalysisModel& m) {
  m.options.useSoilMovement = true;
  m.options.IUNITS = kUnitsSi;
}

// N soil movement lines: depth i, movement 25.
std::vector<std::string> movementLines(int count) {
  std::vector<std::string> lines = {std::to_string(count)};
  for (int i = 1; i <= count; ++i) lines.push_back(std::to_string(i) + " " + std::to_string(i) + " 25");
  return lines;
}

TEST(SoilMovementReader, CountsOutsideTwoToOneHundredStop) {
  struct Case {
    int count;
    bool accepted;
  };
  for (const Case& c : {Case{1, false}, Case{2, true}, Case{100, true}, Case{101, false}}) {
    SCOPED_TRACE(c.count);
    const ReaderResult r = runReader(readSoilMovements, movementLines(c.count), soilMovementOn);
    EXPECT_EQ(r.stopped, !c.accepted);
    if (c.accepted) {
      EXPECT_EQ(r.model().tables.soilMovement.points, c.count);
      EXPECT_DOUBLE_EQ(r.model().tables.soilMovement.movement[c.count], 25.0);
      continue;
    }
    const std::string block = "**** Input Data Error No. 53 ****\n\nNumber of lines specified "
                              "for soil movement data = " +
                              std::to_string(c.count) +
                              "\nThe number of lines of soil movement data cannot be less than 2 "
                              "or exceed 100.\n\n";
    EXPECT_EQ(r.errorCode(), 153);
    EXPECT_EQ(r.messages(), "Reading soil movement data\n" + block);
    EXPECT_EQ(r.report(), block + "\n\n" + prematureEndLine(53));
    EXPECT_EQ(r.linesRead, 1);
  }
}

TEST(SoilMovementReader, SiMovementsInMillimetres) {
  const ReaderResult r = runReader(readSoilMovements, {"2", "1 0.0 25", "2 6.5 0"}, soilMovementOnSi);
  ASSERT_FALSE(r.stopped);
  EXPECT_DOUBLE_EQ(r.model().tables.soilMovement.movement[1], 0.025);
  EXPECT_DOUBLE_EQ(r.model().tables.soilMovement.depth[2], 6.5);  // depths stay in metres
}

TEST(OptionalTableReaders, ReadNothingWhenTheirOptionIsOff) {
  for (Reader reader : {readSoilMovements, readPyOutputDepths}) {
    const ReaderResult r = runReader(reader, {"2", "1 0 1", "2 5 1"});
    EXPECT_FALSE(r.stopped);
    EXPECT_EQ(r.linesRead, 0);
    EXPECT_EQ(r.messages(), "");
  }
}

TEST(PyOutputDepthsReader, StoresTheDepths) {
  const ReaderResult r = runReader(readPyOutputDepths, {"2", "1 5.0", "2 12.5"},
                                   [](AnalysisModel& m) { m.options.printPyCurves = true; });
  ASSERT_FALSE(r.stopped);
  EXPECT_EQ(r.model().tables.pyOutput.count, 2);
  EXPECT_DOUBLE_EQ(r.model().tables.pyOutput.depth[2], 12.5);
  EXPECT_EQ(r.messages(), "Reading p-y output depths data\n");
}

TEST(PyOutputDepthsReader, OptionOffLeavesTheDataLinesToTheKeywordLoop) {
  const std::string options =
      "OPTIONS\nUnits USCS\nUseLRFD NO\nComputeKmatrix NO\nUseTipShear NO\nUseSoilMovement NO\n"
      "UsePYModifiers NO\nComputeEIOnly NO\nLoading STATIC     0\nMaxIter 100\nMaxDefl 10.0\n"
      "Tolerance 1.0E-5\nIncrements 100\nPrintSummaryOnly NO\nPrintIncrement 1\n"
      "PrintPYCurves NO\nComputeInteraction NO\n";
  const RunOutcome run =
      runInput("QUARNX6\n" + options + "DEPTHS OF PRINTED P-Y CURVES\n1\n1 5.0\nEND\n");
  EXPECT_EQ(run.code, 199);
  EXPECT_NE(run.report.find(unrecognisedBlock("1")), std::string::npos);
}

}  // namespace
}  // namespace quarn::input
