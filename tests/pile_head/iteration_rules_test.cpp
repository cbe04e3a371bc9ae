// The iteration of a load case run under the rules of the runs that reuse
// it: deflections that are not a number stop a load case with runtime error
// 28 naming the value, stop a pile-head stiffness run with the one-line
// block of the report only, and end a trial of the length study without a
// word; and the quiet rules write no iteration line.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "analysis/load_cases.h"
#include "analysis/pile_fixture.h"
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

}  // namespace
}  // namespace quarn::analysis
