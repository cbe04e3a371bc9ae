// Whole runs with load cases that prescribe the head deflection (load types 4
// and 5): the head conditions of the input are what the run leaves in the
// model, the summary shows them as entered, and the computed head shear goes
// to the plot records from the results the analysis kept.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/pile_model.h"
#include "results_runs.h"

namespace quarn::results::testing {
namespace {

TEST(PrescribedDeflectionRuns, HeadConditionsStayAsEntered) {
  PileRun run = exampleRun();
  run.loads = {{4, 0.5, -100000.0, 50000.0}, {5, 0.3, -0.002, 50000.0}};
  const auto outcome = runPile(run);
  ASSERT_EQ(outcome.code, 0) << outcome.messages;
  const AnalysisModel& model = outcome.ctx->model;

  struct Expected {
    HeadLoadType type;
    double value1, value2, thrust;
  };
  const Expected expected[] = {{HeadLoadType::kDeflectionMoment, 0.5, -100000.0, 50000.0},
                               {HeadLoadType::kDeflectionSlope, 0.3, -0.002, 50000.0}};
  for (int L = 1; L <= 2; ++L) {
    SCOPED_TRACE("load case " + std::to_string(L));
    const Expected& e = expected[L - 1];
    const PileHeadLoad& load = model.loads.headLoads[static_cast<std::size_t>(L)];
    EXPECT_EQ(load.loadType, e.type);
    EXPECT_EQ(load.condition1, e.value1);
    EXPECT_EQ(load.condition2, e.value2);
    EXPECT_EQ(load.axialThrust, e.thrust);
  }
  // The solver's head condition of the last case is still the one the input gives.
  const HeadCondition last = analysis::headConditionFor(model.loads.headLoads[2]);
  const HeadCondition& solved = model.pileModel.head;
  EXPECT_EQ(solved.loadType, last.loadType);
  EXPECT_EQ(solved.Pt, last.Pt);
  EXPECT_EQ(solved.Mt, last.Mt);
  EXPECT_EQ(solved.Yt, last.Yt);
  EXPECT_EQ(solved.St, last.St);

  // Summary rows: the prescribed values as entered; the head deflection of
  // each case equals the prescribed one.
  const std::vector<std::string> rows4 = linesWith(outcome.report, "    4   y =");
  const std::vector<std::string> rows5 = linesWith(outcome.report, "    5   y =");
  ASSERT_EQ(rows4.size(), 1u);
  ASSERT_EQ(rows5.size(), 1u);
  EXPECT_EQ(rows4[0].substr(15, 11), "     0.5000");
  EXPECT_EQ(rows4[0].substr(26, 16), "  M =   -100000.");
  EXPECT_EQ(rows5[0].substr(15, 11), "     0.3000");
  EXPECT_NEAR(std::stod(rows4[0].substr(57, 15)), 0.5, 1e-8);
  EXPECT_NEAR(std::stod(rows5[0].substr(57, 15)), 0.3, 1e-8);

  // Line 13 carries the computed head shear of each case, which the run keeps.
  const std::vector<std::string> plot13 = linesWith(outcome.plot, "Line 13:");
  ASSERT_EQ(plot13.size(), 2u);
  for (int L = 1; L <= 2; ++L) {
    const double shear = model.results.cases[static_cast<std::size_t>(L)].headShear;
    EXPECT_GT(shear, 0.0);
    EXPECT_NEAR(std::stod(plot13[static_cast<std::size_t>(L - 1)].substr(0, 15)), shear,
                1e-6 * shear);
  }
}

}  // namespace
}  // namespace quarn::results::testing
