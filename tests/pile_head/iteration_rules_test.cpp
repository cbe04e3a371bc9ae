// The iteration of a load case run under the rules of the runs that reuse
// it: deflections that are not a number stop a load case with runtime error
// 28 naming the value, stop a pile-head stiffness run with the one-line
// block of the report only, and end a trial of the length study without a
// word; a vanishing pivot of the head system stops a load case and ends a
// trial; and the quiet rules write no iteration line.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "analysis/load_cases.h"
#include "analysis/pile_fixture.h"
#include "analysis/solver.h"
#include "engine/messages.h"

namespace quarn::analysis {
namespace {

using testing::ElasticPile;
using testing::makeElasticPile;

std::unique_ptr<engine::RunContext> pileWithHeadShear(double shear) {
  auto ctx = makeElasticPile(ElasticPile{.length = 1000.0, .increments = 100},
                             testing::shearAndMoment(shear, 0.0));
  ctx->model.options.maxIterations = 30;
  ctx->model.options.convergenceTolerance = 1.0e-5;
  ctx->model.options.maxAllowableDeflection = 10.0;
  ctx->model.options.ICOM = kAnalysisFull;
  return ctx;
}

TEST(IterationRules, NotANumberPerRule) {
  using Rule = IterationRules::NotANumber;
  struct Case {
    std::string name;
    Rule rule;
    bool stops;
    std::string report;
  };
  const Case cases[] = {
      {"load case", Rule::kStopNamingTheValue, true,
       "**** Runtime Error No. 28 ****\n\nTop deflection is Not-A-Number after iteration 1\n"},
      {"stiffness run", Rule::kStopEitherValue, true,
       "**** Runtime Error No. 28 ****\n\nEither top deflection or maximum change in deflection "
       "is not a number after iteration 1\n"},
      {"length study trial", Rule::kEndIteration, false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto ctx = pileWithHeadShear(std::numeric_limits<double>::quiet_NaN());
    IterationRules rules;
    rules.notANumber = c.rule;
    if (c.stops) {
      EXPECT_THROW(iterateCase(*ctx, 1, rules), engine::RunStopped);
      EXPECT_EQ(ctx->model.state.errorCode, 228);
    } else {
      const IterationOutcome outcome = iterateCase(*ctx, 1, rules);
      EXPECT_FALSE(outcome.converged);
      EXPECT_EQ(outcome.iterations, 1);
      EXPECT_EQ(ctx->model.state.errorCode, 0);
    }
    EXPECT_EQ(ctx->report.text(), c.report);
    // The block goes to the report only; the iteration line of the failed
    // solution is never written.
    EXPECT_EQ(ctx->messages.text(), "");
  }
}

TEST(IterationRules, QuietRulesWriteNoIterationLine) {
  struct Case {
    bool progressLines;
    std::size_t messageLines;
  };
  for (const Case c : {Case{true, 6}, Case{false, 0}}) {
    SCOPED_TRACE(c.progressLines);
    auto ctx = pileWithHeadShear(10000.0);
    // The layer sweep of the fixture's elastic subgrade gives every node the
    // springs it already has: k b = 1000 lb/in2 over the 24 in width.
    ctx->model.soil.layers[1].subgradeK = {1000.0 / 24.0, 1000.0 / 24.0};
    IterationRules rules;
    rules.progressLines = c.progressLines;
    const IterationOutcome outcome = iterateCase(*ctx, 1, rules);
    EXPECT_TRUE(outcome.converged);
    EXPECT_EQ(outcome.iterations, 6);
    std::size_t count = 0;
    for (char ch : ctx->messages.text()) count += ch == '\n';
    EXPECT_EQ(count, c.messageLines) << ctx->messages.text();
    EXPECT_EQ(ctx->report.text(), "");
  }
}

// A pile without soil springs held at its head against deflection: nothing
// resists its turning about the head, and the head system loses its pivot.
TEST(IterationRules, SmallPivotStopsALoadCaseAndIsReportedToATrial) {
  HeadCondition held;
  held.loadType = HeadLoadType::kDeflectionMoment;
  held.Yt = 0.0;
  held.Mt = 1.0e6;
  const ElasticPile noSoil{.length = 1000.0, .increments = 100, .Es = 0.0};

  auto stopped = makeElasticPile(noSoil, held);
  EXPECT_THROW(Solve_Pile_Deflections(*stopped, 1), engine::RunStopped);
  EXPECT_EQ(stopped->model.state.errorCode, 211);
  EXPECT_NE(stopped->report.text().find("**** Runtime Error No. 11 ****"), std::string::npos);

  auto reported = makeElasticPile(noSoil, held);
  reported->model.pileModel.y(5) = 0.25;  // left as it was
  EXPECT_FALSE(Solve_Pile_Deflections(*reported, 1, OnSmallPivot::kReport));
  EXPECT_EQ(reported->model.state.errorCode, 0);
  EXPECT_EQ(reported->report.text(), "");
  EXPECT_EQ(reported->messages.text(), "");
  EXPECT_EQ(reported->model.pileModel.y(5), 0.25);

  // The iteration under the rules of a trial ends after that solution.
  auto trial = makeElasticPile(noSoil, held);
  trial->model.options.maxIterations = 30;
  IterationRules rules;
  rules.progressLines = false;
  rules.smallPivotStops = false;
  const IterationOutcome outcome = iterateCase(*trial, 1, rules);
  EXPECT_FALSE(outcome.converged);
  EXPECT_EQ(outcome.iterations, 1);
  EXPECT_EQ(trial->model.state.errorCode, 0);
}

}  // namespace
}  // namespace quarn::analysis
