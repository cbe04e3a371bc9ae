// The count of iterations of a load case: a linear problem still takes six
// solutions, and the report copies only the last five iteration lines.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "iteration/iteration_runs.h"
#include "iteration/reference_pile.h"

namespace quarn::iteration::testing {
namespace {

constexpr double kY50 = 2.5 * 0.01 * kPileWidth;  // epsilon-50 0.01

// A head shear of 2 lb leaves every node far below 0.00001 y50 (6e-6 in), so
// every spring is the limiting modulus of its depth from the second solution
// on: the problem is linear and the third solution repeats the second exactly.
PileRun tinyLoadRun() {
  PileRun run;
  run.maxIterations = 30;
  run.tolerance = 1.0e-5;
  run.layers = {clayLayer(400.0, 1200.0)};
  run.loads = {{1, 2.0, 0.0, 0.0}};
  return run;
}

TEST(LinearCase, ConvergesAtTheSixthIterationNotBefore) {
  const auto outcome = runPile(tinyLoadRun());
  ASSERT_EQ(outcome.code, 0) << outcome.report;

  // The premise: every node stays below the small-deflection limit.
  double largest = 0.0;
  for (const std::string& line : lines(outcome.plot)) {
    if (line.find("Line 10(") != std::string::npos) {
      largest = std::max(largest, std::fabs(std::stod(line.substr(15, 15))));
    }
  }
  ASSERT_GT(largest, 0.0);
  ASSERT_LT(largest, 1.0e-5 * kY50);

  const std::vector<std::string> iterations = linesStartingWith(outcome.messages, "Analysis Case ");
  ASSERT_EQ(iterations.size(), 6u) << outcome.messages;
  std::vector<IterationValues> v;
  for (int k = 1; k <= 6; ++k) {
    v.push_back(iterationValues(iterations[static_cast<std::size_t>(k - 1)]));
    EXPECT_EQ(iterations[static_cast<std::size_t>(k - 1)], messageIterationLine(1, k, v.back()));
  }
  // The first solution starts from zero deflections.
  EXPECT_GT(v[0].yTop, 0.0);
  EXPECT_EQ(v[0].dYmax, v[0].yTop);
  EXPECT_EQ(v[0].deltaDYmax, v[0].dYmax);
  // The second solution has the limiting moduli; from the third on nothing changes.
  EXPECT_GT(v[1].dYmax, 0.0);
  EXPECT_EQ(v[2].dYmax, 0.0);
  EXPECT_EQ(v[2].deltaDYmax, v[1].dYmax);
  for (int k = 3; k < 6; ++k) {
    EXPECT_EQ(v[static_cast<std::size_t>(k)].yTop, v[1].yTop) << "iteration " << k + 1;
    EXPECT_EQ(v[static_cast<std::size_t>(k)].dYmax, 0.0) << "iteration " << k + 1;
    EXPECT_EQ(v[static_cast<std::size_t>(k)].deltaDYmax, 0.0) << "iteration " << k + 1;
  }
  // Every change, even the first, was within the tolerance: only the count of
  // six solutions kept the loop going.
  for (const IterationValues& each : v) EXPECT_LE(each.dYmax, 1.0e-5);

  const std::string afterLast =
      iterations.back() + "\nThe convergence criteria have been met\n" + "Completed Analysis 1\n\n";
  EXPECT_NE(outcome.messages.find(afterLast), std::string::npos) << outcome.messages;
  EXPECT_NE(outcome.report.find("\nNumber of iterations             =              6\n"),
            std::string::npos);
  // With 30 iterations allowed, only iterations 26 to 30 would be copied.
  EXPECT_EQ(outcome.report.find("For Analysis Case"), std::string::npos);

  // The head deflection of the linear problem with the limiting moduli.
  ReferencePile pile{kPileLengthFeet * 12.0, kPileE * kPileI, kPileWidth, 100};
  ReferenceClay clay;
  clay.cTop = 400.0 / 144.0;
  clay.cBottom = 1200.0 / 144.0;
  clay.layerBottom = 70.0 * 12.0;
  clay.gamma = 50.0 / 1728.0;
  clay.e50 = 0.01;
  ReferenceHead head;
  head.shear = 2.0;
  const ReferenceSolution ref = solveReference(pile, clay, head, 0.0);
  EXPECT_EQ(ref.iterations, 3);
  EXPECT_NEAR(v[5].yTop, ref.headDeflection, 1.0e-4 * ref.headDeflection);
}

TEST(IterationLines, OnlyTheLastFiveOfThirtyReachTheReport) {
  PileRun run;
  run.maxIterations = 30;
  run.tolerance = 1.0e-9;
  run.layers = {clayLayer(400.0, 1200.0)};
  run.loads = {{1, 40000.0, 0.0, 0.0}};
  const auto outcome = runPile(run);
  EXPECT_EQ(outcome.code, 210);

  const std::vector<std::string> messageLines =
      linesStartingWith(outcome.messages, "Analysis Case ");
  ASSERT_EQ(messageLines.size(), 30u);
  const std::vector<std::string> reportLines =
      linesStartingWith(outcome.report, "For Analysis Case ");
  ASSERT_EQ(reportLines.size(), 5u) << outcome.report;
  for (int k = 26; k <= 30; ++k) {
    const IterationValues v = iterationValues(messageLines[static_cast<std::size_t>(k - 1)]);
    EXPECT_EQ(messageLines[static_cast<std::size_t>(k - 1)], messageIterationLine(1, k, v));
    EXPECT_EQ(reportLines[static_cast<std::size_t>(k - 26)], reportIterationLine(1, k, v));
  }
  EXPECT_EQ(reportLines.front().rfind("For Analysis Case 1, Iteration 26,", 0), 0u);
  EXPECT_EQ(reportLines.back().rfind("For Analysis Case 1, Iteration 30,", 0), 0u);
  // The five lines come straight before the non-convergence block.
  const std::size_t lastLine = outcome.report.find(reportLines.back());
  const std::string next = "\n\n\n------------------------------------\n";
  EXPECT_EQ(outcome.report.substr(lastLine + reportLines.back().size(), next.size()), next);
}

}  // namespace
}  // namespace quarn::iteration::testing
