// The stops of the load-case iteration: runtime error 9 (head deflection
// beyond the allowable deflection), 10 (no convergence within the iteration
// limit, with its estimate and advice) and 29 (a soil layer thinner than the
// node spacing). Each block is spelled out line by line as the engine's
// documentation words it.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "iteration/iteration_runs.h"

namespace quarn::iteration::testing {
namespace {

std::string join(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

std::string closing(int runtimeError) {
  return "\nThe analysis ended due to runtime error No. " + std::to_string(runtimeError) + ".\n\n";
}

bool endsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// ---- runtime error 9 ---------------------------------------------------------

// The head deflection passes 0.05 in from the second solution on, and the
// changes are still far above the tolerance at the tenth.
PileRun excessDeflectionRun() {
  PileRun run;
  run.maxDeflection = 0.05;
  run.layers = {clayLayer(400.0, 1200.0)};
  run.loads = {{1, 20000.0, 0.0, 0.0}};
  return run;
}

TEST(ExcessDeflection, StopsAtIterationElevenWithItsBlocks) {
  const auto outcome = runPile(excessDeflectionRun());
  EXPECT_EQ(outcome.code, 209);

  const std::vector<std::string> iterations = linesStartingWith(outcome.messages, "Analysis Case ");
  ASSERT_EQ(iterations.size(), 11u) << outcome.messages;
  // Not tested before iteration 11, although exceeded and not converged.
  for (int k = 2; k <= 10; ++k) {
    const IterationValues v = iterationValues(iterations[static_cast<std::size_t>(k - 1)]);
    EXPECT_GE(std::fabs(v.yTop), 0.05) << "iteration " << k;
    EXPECT_GT(v.dYmax, 1.0e-5) << "iteration " << k;
  }

  const double y1 = outcome.ctx->model.pileModel.y(1);
  const IterationValues last = iterationValues(iterations.back());
  EXPECT_EQ(es(y1, 12, 4), es(last.yTop, 12, 4));
  const std::string computed =
      "The computed deflection of the pile head is " + es(y1, 12, 4) + " in ";
  const std::string limit =
      "The specified excess deflection limit is    " + es(0.05, 12, 4) + " in ";
  const std::string reportBlock = join({
      "",
      "",
      "**** Runtime Error No. 9 ****",
      "",
      "An error in the analysis was detected by the program.  ",
      "",
      "Problem:  The computed deflection is larger than the specified excess deflection limit.",
      "",
      computed,
      "",
      limit,
      "",
      "This error may be due to overloading the pile or bad input data.",
      "",
      "",
      "Solution:",
      "",
      "Please check input values for pile loading and soil properties for accuracy and/or ",
      "increase the size of the pile if necessary.",
  });
  const std::string messageBlock = join({
      "**** Runtime Error No. 9 ****",
      "",
      "An error in the analysis was detected by the program.  ",
      "",
      "Problem:  The computed deflection is larger than the specified excess deflection limit.",
      "",
      computed,
      limit,
      "",
      "This error may be due to overloading the pile or bad input data.",
      "",
      "Solution:",
      "Please check input values for pile loading and soil properties for accuracy and/or ",
      "increase the size of the pile if necessary.",
  });
  EXPECT_TRUE(endsWith(outcome.report, reportBlock + closing(9))) << outcome.report;
  EXPECT_TRUE(endsWith(outcome.messages, iterations.back() + "\n" + messageBlock + closing(9)))
      << outcome.messages;
  // The run stopped in the case: no results were written.
  EXPECT_EQ(outcome.report.find("Computed Values of Pile Loading"), std::string::npos);
}

TEST(ExcessDeflection, ACaseConvergedWithinTenIterationsIsNeverTested) {
  // The linear case converges at iteration 6 with a head deflection of about
  // 7.5e-7 in, far beyond an allowable deflection of 1e-8 in.
  PileRun run;
  run.maxDeflection = 1.0e-8;
  run.layers = {clayLayer(400.0, 1200.0)};
  run.loads = {{1, 2.0, 0.0, 0.0}};
  const auto outcome = runPile(run);
  EXPECT_EQ(outcome.code, 0) << outcome.report;
  const double head = valueAfter(outcome.report, "Pile-head deflection             = ");
  EXPECT_GT(head, 1.0e-8);
  EXPECT_EQ(outcome.report.find("Runtime Error No. 9"), std::string::npos);
}

// ---- runtime error 10 --------------------------------------------------------

enum class Advice {
  kMoreIterations,  // tolerance below the limit, estimate below 1000
  kAboveThousand,   // tolerance below the limit, estimate above 1000
  kNotLikely,       // change at least the limit, estimate below 1000
  kNotPossible,     // change at least the limit, estimate above 1000
  kRaiseTolerance,  // tolerance and change both below the limit
};

struct NonConvergenceCase {
  const char* name;
  PileRun run;
  std::vector<Advice> advice;
};

void PrintTo(const NonConvergenceCase& c, std::ostream* os) {
  *os << c.name;
}

PileRun usRun(double shear, double tolerance, double e50 = 0.01) {
  PileRun run;
  run.maxIterations = 30;
  run.maxDeflection = 1000.0;
  run.tolerance = tolerance;
  run.layers = {clayLayer(400.0, 1200.0, 50.0, e50)};
  run.loads = {{1, shear, 0.0, 0.0}};
  return run;
}

PileRun siRun() {
  PileRun run;
  run.units = "SI";
  run.pipe = siPipe();
  run.maxIterations = 30;
  run.maxDeflection = 1.0;
  run.tolerance = 2.54e-10;
  run.layers = {{1, 0.0, 21.0, 8.0, 8.0, 20.0, 57.0, 0.01, 0.01}};
  run.loads = {{1, 90.0, 0.0, 0.0}};
  return run;
}

PileRun generalRun() {
  PileRun run;
  run.units = "GENERAL";
  run.pipe = generalUnitsPipe();
  run.maxIterations = 30;
  run.tolerance = 1.0e-9;
  run.layers = {
      {1, 0.0, 840.0, 50.0 / 1728.0, 50.0 / 1728.0, 400.0 / 144.0, 1200.0 / 144.0, 0.01, 0.01}};
  run.loads = {{1, 20000.0, 0.0, 0.0}};
  return run;
}

std::vector<std::string> adviceLines(Advice advice, bool si, const std::string& dYmax,
                                     const std::string& unit) {
  switch (advice) {
    case Advice::kMoreIterations:
      return {
          "A solution may be possible by increasing the maximum number of iterations to above "
          "this value."};
    case Advice::kAboveThousand:
      return {
          "The estimated number of iterations required to obtain a solution is greater than "
          "1000, so a ",
          "solution can only be obtained if the convergence tolerance is increased in value.", ""};
    case Advice::kNotLikely:
      return {"The analysis of convergence performance found that it is not likely that a ",
              "solution can be obtained by changing the solution criteria for this problem. ",
              "However, the maximum number of iterations is less than 1000, so a solution ",
              "may be obtained by raising the maximum number of iterations to 1000.", ""};
    case Advice::kNotPossible:
      return {"The analysis of convergence performance found that it is not possible to obtain a ",
              "solution by changing the solution criteria for this problem. This indicates that  ",
              "the pile is loaded above its structural and/or geotechnical capacity."};
    case Advice::kRaiseTolerance:
      return {
          "The current value for convergence tolerance is less than the recommended upper limit "
          "of ",
          si ? "0.00000254 meters, so a solution is possible if the convergence tolerance is "
               "raised to a value "
             : "0.0001 inches, so a solution is possible if the convergence tolerance is raised "
               "to a value ",
          "greater than " + dYmax + " " + unit + ".",
          "",
          "",
          si ? "It is recommended that the convergence tolerance not be raised above 0.00000254 "
               "meters."
             : "It is recommended that the convergence tolerance not be raised above 0.0001 "
               "inches.",
          ""};
  }
  return {};
}

class NonConvergence : public ::testing::TestWithParam<NonConvergenceCase> {};

TEST_P(NonConvergence, ReportsTheEstimateAndTheAdviceOfItsBranch) {
  const NonConvergenceCase& c = GetParam();
  const auto outcome = runPile(c.run);
  ASSERT_EQ(outcome.code, 210) << outcome.report;
  const bool si = c.run.units == "SI";
  const std::string unit = si ? "m  " : c.run.units == "GENERAL" ? "L  " : "in ";
  const int a = c.run.maxIterations;

  const std::string dYmaxLabel = "Maximum change in nodal deflections                      = ";
  const std::string deltaLabel = "Maximum change in nodal deflections from prior iteration = ";
  const std::string toleranceLabel = "Specified convergence tolerance on nodal deflections     = ";
  const std::string estimateLabel = "tolerance value is ";
  const std::vector<std::string> dYmaxLine = linesStartingWith(outcome.report, dYmaxLabel);
  const std::vector<std::string> deltaLine = linesStartingWith(outcome.report, deltaLabel);
  const std::vector<std::string> estimateLine = linesStartingWith(outcome.report, estimateLabel);
  ASSERT_EQ(dYmaxLine.size(), 1u) << outcome.report;
  ASSERT_EQ(deltaLine.size(), 1u);
  ASSERT_EQ(estimateLine.size(), 1u);
  const std::string dYmaxText = dYmaxLine[0].substr(dYmaxLabel.size(), 12);
  const std::string deltaText = deltaLine[0].substr(deltaLabel.size(), 12);
  const long long printedEstimate = std::stoll(estimateLine[0].substr(estimateLabel.size()));

  // The values are those of the last iteration line.
  const std::vector<std::string> iterations =
      linesStartingWith(outcome.report, "For Analysis Case ");
  ASSERT_EQ(iterations.size(), 5u);
  const IterationValues last = iterationValues(iterations.back());
  EXPECT_EQ(dYmaxText, es(last.dYmax, 12, 4));
  EXPECT_EQ(deltaText, es(last.deltaDYmax, 12, 4));

  // The estimate |a + (dYmax - tolerance) / Delta dYmax| from the printed
  // numbers, each known to half a unit of its last printed digit.
  const double tol = c.run.tolerance;
  const double dY = std::stod(dYmaxText);
  const double dd = std::stod(deltaText);
  const auto estimate = [&](double dYmax, double delta) {
    return std::fabs(a + (dYmax - tol) / delta);
  };
  // Half a unit of the fourth decimal of a mantissa of at least 1.
  constexpr double r = 5.0e-5;
  const double low = std::min({estimate(dY * (1 - r), dd * (1 + r)),
                               estimate(dY * (1 + r), dd * (1 - r)), estimate(dY, dd)});
  const double high = std::max({estimate(dY * (1 - r), dd * (1 + r)),
                                estimate(dY * (1 + r), dd * (1 - r)), estimate(dY, dd)});
  EXPECT_GE(printedEstimate, static_cast<long long>(low));
  EXPECT_LE(printedEstimate, static_cast<long long>(high));
  // And exactly from the unrounded values the run left in the model.
  const PileModel& pm = outcome.ctx->model.pileModel;
  const double modelTolerance = outcome.ctx->model.options.convergenceTolerance;
  EXPECT_EQ(printedEstimate,
            static_cast<long long>(std::fabs(a + (pm.dYmax - modelTolerance) / pm.deltaDYmax)));
  RecordProperty("estimate", std::to_string(printedEstimate));

  std::vector<std::string> block = {
      "",
      "",
      "------------------------------------",
      "  ****  Runtime Error No. 10  ****  ",
      "------------------------------------",
      "",
      "The analysis failed to converge within the limit of " + std::to_string(a) + " iterations.",
      "",
      dYmaxLabel + dYmaxText + " " + unit,
      "",
      deltaLabel + deltaText + " " + unit,
      "",
      toleranceLabel + es(tol, 12, 4) + " " + unit,
      "",
      "",
      "-----------------------------------------------------------",
      "Analysis of Convergence Performance and Recommendations for",
      "Modification of Iterations Limit and Convergence Tolerance ",
      "-----------------------------------------------------------",
      "",
      "The following recommendations are made on the basis of an analysis of convergence "
      "performance ",
      "for the last analysis. ",
      "",
      "The estimated number of iterations needed to obtain a solution for the current convergence ",
      estimateLabel + std::to_string(printedEstimate) + " iterations.",
      "",
  };
  for (Advice advice : c.advice) {
    for (const std::string& line : adviceLines(advice, si, dYmaxText, unit)) block.push_back(line);
  }
  EXPECT_TRUE(endsWith(outcome.report, iterations.back() + "\n" + join(block) + closing(10)))
      << outcome.report;
  // Nothing of it in the run-message file, which ends with the last iteration.
  const std::vector<std::string> messageIterations =
      linesStartingWith(outcome.messages, "Analysis Case ");
  ASSERT_EQ(messageIterations.size(), static_cast<std::size_t>(a));
  EXPECT_TRUE(endsWith(outcome.messages, messageIterations.back() + "\n" + closing(10)))
      << outcome.messages;
  // Load type 1 stops at once: the case is not reported.
  EXPECT_EQ(outcome.report.find("Computed Values of Pile Loading"), std::string::npos);

  // The premises of the branch: the limit 1.0E-4 in or 2.54E-6 m.
  const double U = si ? 2.54e-6 : 1.0e-4;
  for (Advice advice : c.advice) {
    switch (advice) {
      case Advice::kMoreIterations:
        EXPECT_LT(tol, U);
        EXPECT_LT(printedEstimate, 1000);
        break;
      case Advice::kAboveThousand:
        EXPECT_LT(tol, U);
        EXPECT_GT(printedEstimate, 1000);
        break;
      case Advice::kNotLikely:
        EXPECT_GE(dY, U);
        EXPECT_LT(printedEstimate, 1000);
        break;
      case Advice::kNotPossible:
        EXPECT_GE(dY, U);
        EXPECT_GT(printedEstimate, 1000);
        break;
      case Advice::kRaiseTolerance:
        EXPECT_LT(tol, U);
        EXPECT_LT(dY, U);
        break;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    PipePile, NonConvergence,
    ::testing::Values(
        // Converging steadily, but not to 1e-7 in within 30 iterations.
        NonConvergenceCase{"SlowWithSmallTolerance",
                           usRun(60000.0, 1.0e-7),
                           {Advice::kMoreIterations, Advice::kRaiseTolerance}},
        // A heavy load: changes of 0.05 in after 30 iterations.
        NonConvergenceCase{
            "HeavyLoad", usRun(200000.0, 1.0e-5), {Advice::kMoreIterations, Advice::kNotLikely}},
        // The same with a tolerance above the limit: no tolerance advice at all.
        NonConvergenceCase{
            "HeavyLoadCoarseTolerance", usRun(200000.0, 1.0e-3), {Advice::kNotLikely}},
        // y50 = 30 in puts the small-deflection limit at 3e-4 in, where the
        // springs of the upper nodes switch back and forth: changes of about
        // 1.6e-4 in that repeat, so the estimate runs into the millions.
        NonConvergenceCase{"AlternatingSprings",
                           usRun(1000.0, 1.0e-5, 0.5),
                           {Advice::kAboveThousand, Advice::kNotPossible}},
        // SI units: the limit and the advice in meters.
        NonConvergenceCase{"SiUnits", siRun(), {Advice::kMoreIterations, Advice::kRaiseTolerance}},
        // General units: the estimate only.
        NonConvergenceCase{"GeneralUnits", generalRun(), {}}),
    [](const ::testing::TestParamInfo<NonConvergenceCase>& info) {
      return std::string(info.param.name);
    });

TEST(NonConvergence, LoadTypeFourIsReportedBeforeTheRunStops) {
  PileRun run = usRun(0.0, 1.0e-9);
  run.loads = {{4, 0.5, 0.0, 0.0}, {1, 1000.0, 0.0, 0.0}};
  const auto outcome = runPile(run);
  EXPECT_EQ(outcome.code, 210);

  const std::string block = between(outcome.report, "  ****  Runtime Error No. 10  ****  ",
                                    "It is recommended that the convergence tolerance");
  ASSERT_FALSE(block.empty()) << outcome.report;
  // After the block, the results of case 1 as if it had converged.
  const std::size_t blockAt = outcome.report.find(block);
  const std::size_t resultsAt =
      outcome.report.find("                   for Lateral Loading for Load Case Number 1\n");
  ASSERT_NE(resultsAt, std::string::npos) << outcome.report;
  EXPECT_GT(resultsAt, blockAt);
  EXPECT_NE(
      outcome.report.find("Pile-head conditions are Displacement and Moment (Loading Type 4)\n"
                          "Displacement of pile head                              =        "
                          "0.500000 inches\n"),
      std::string::npos);
  EXPECT_NE(outcome.report.find("\nNumber of iterations             =             30\n"),
            std::string::npos);
  const double head = valueAfter(outcome.report, "Pile-head deflection             = ");
  EXPECT_DOUBLE_EQ(head, 0.5);
  // Then the stop, before anything of case 2 is solved or written.
  EXPECT_TRUE(endsWith(outcome.report, "\n" + closing(10))) << outcome.report;
  EXPECT_EQ(outcome.report.find("Load Case Number 2"), std::string::npos);
  EXPECT_EQ(outcome.messages.find("Analysis Case 2,"), std::string::npos);
  // Finished as if converged.
  const std::vector<std::string> iterations =
      linesStartingWith(outcome.messages, "Analysis Case 1,");
  ASSERT_EQ(iterations.size(), 30u);
  EXPECT_NE(
      outcome.messages.find(iterations.back() +
                            "\nThe convergence criteria have been met\nCompleted Analysis 1\n\n"),
      std::string::npos)
      << outcome.messages;
  EXPECT_TRUE(endsWith(outcome.messages, closing(10))) << outcome.messages;
  // Every node of case 1 has its plot record.
  int records = 0;
  for (const std::string& line : lines(outcome.plot)) {
    if (line.find("Line 10(") != std::string::npos) ++records;
  }
  EXPECT_EQ(records, 101);
}

// ---- runtime error 29 --------------------------------------------------------

struct ThinLayerCase {
  const char* name;
  int increments;
  std::vector<ClayLayer> layers;
  int layer;  // the thin layer
  std::string thickness;
  std::string increment;
  int estimate;  // pile length / thickness
};

void PrintTo(const ThinLayerCase& c, std::ostream* os) {
  *os << c.name;
}

class ThinLayer : public ::testing::TestWithParam<ThinLayerCase> {};

TEST_P(ThinLayer, StopsInTheFirstIterationWithItsBlocks) {
  const ThinLayerCase& c = GetParam();
  PileRun run;
  run.increments = c.increments;
  run.layers = c.layers;
  run.loads = {{1, 20000.0, 0.0, 0.0}};
  const auto outcome = runPile(run);
  EXPECT_EQ(outcome.code, 229);

  const auto block = [&](const std::string& thirdLine) {
    const std::string j = std::to_string(c.layer);
    return join({
        "",
        "",
        "**** Runtime Error No. 29 ****",
        "",
        "PROBLEM:  The thickness of layer " + j + " was too thin to contain a nodal point.",
        thirdLine,
        "          The thickness of layer " + j + " is " + c.thickness + " in " +
            " and the pile increment length is " + c.increment + " in ",
        "          The current number of pile increments is " + std::to_string(c.increments) + ".",
        "          The estimated minimum number of increments needed to get at least one nodal "
        "point in the layer is " +
            std::to_string(c.estimate) + ".",
        "",
        "SOLUTION: Increase the number of pile increments. Up to 500 pile increments are allowed "
        "in Quarn.",
        "          If this error occurs with the maximum number of pile increments, you will need "
        "to combine the thinnest",
        "          soil layer with an adjacent layer.",
        "",
        "",
    });
  };
  const std::string reportBlock = block(
      "          This layer lacks a nodal point and this prevents the correct computation of p-y "
      "curves for the layer . ");
  const std::string messageBlock = block(
      "          This layer lacks a nodal point and this prevents the correct computation of the "
      "layer's p-y curves. ");
  EXPECT_TRUE(endsWith(outcome.report, reportBlock + closing(29))) << outcome.report;
  // In the first iteration, after its solution.
  const std::vector<std::string> iterations = linesStartingWith(outcome.messages, "Analysis Case ");
  ASSERT_EQ(iterations.size(), 1u) << outcome.messages;
  EXPECT_EQ(iterations[0].rfind("Analysis Case 1,   Iteration 1,", 0), 0u);
  EXPECT_TRUE(endsWith(outcome.messages, iterations[0] + "\n" + messageBlock + closing(29)))
      << outcome.messages;
}

INSTANTIATE_TEST_SUITE_P(
    SoftClay, ThinLayer,
    ::testing::Values(
        // Nodes every 7.2 in; layer 2 from 240 to 243 in lies between 237.6 and 244.8.
        ThinLayerCase{"SecondOfThree",
                      100,
                      {{1, 0.0, 20.0, 50.0, 50.0, 400.0, 500.0, 0.01, 0.01},
                       {1, 20.0, 20.25, 50.0, 50.0, 500.0, 500.0, 0.01, 0.01},
                       {1, 20.25, 70.0, 50.0, 50.0, 500.0, 1200.0, 0.01, 0.01}},
                      2,
                      "    3.000",
                      "    7.200",
                      240},
        // Nodes every 14.4 in; layer 3 from 375 to 387 in lies between 374.4 and 388.8.
        ThinLayerCase{"ThirdOfFour",
                      50,
                      {{1, 0.0, 10.0, 50.0, 50.0, 400.0, 500.0, 0.01, 0.01},
                       {1, 10.0, 31.25, 50.0, 50.0, 500.0, 700.0, 0.01, 0.01},
                       {1, 31.25, 32.25, 50.0, 50.0, 700.0, 700.0, 0.01, 0.01},
                       {1, 32.25, 70.0, 50.0, 50.0, 700.0, 1200.0, 0.01, 0.01}},
                      3,
                      "   12.000",
                      "   14.400",
                      60}),
    [](const ::testing::TestParamInfo<ThinLayerCase>& info) {
      return std::string(info.param.name);
    });

}  // namespace
}  // namespace quarn::iteration::testing
