// The end of a run: closing lines, the warning registry and the return value.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/messages.h"
#include "engine/run_context.h"

namespace {

using namespace quarn;
using namespace quarn::engine;

struct Finished {
  int returned;
  std::string report;
  std::string messages;
};

Finished finish(int errorCode, const std::vector<int>& warnings) {
  auto ctx = makeRunContext();
  ctx->report.captureInMemory();
  ctx->messages.captureInMemory();
  for (int code : warnings) registerWarning(ctx->model.state, code);
  ctx->model.state.errorCode = errorCode;
  Finished result;
  result.returned = finishRun(*ctx);
  result.report = ctx->report.text();
  result.messages = ctx->messages.text();
  return result;
}

bool contains(const std::string& text, const std::string& piece) {
  return text.find(piece) != std::string::npos;
}

const std::string kWarningLine =
    "\n\nThe analysis ended with one or more warning messages. See the output report file for "
    "more details.\n\n\n";
const std::string kNormalEnd = "\nThe analysis ended normally. \n\n";

TEST(FinishRun, ReturnValueFromErrorsAndWarnings) {
  struct Case {
    const char* label;
    int errorCode;
    std::vector<int> warnings;
    int expected;
  };
  const std::vector<Case> cases = {
      {"clean run", 0, {}, 0},
      {"one warning code 50 times", 0, std::vector<int>(50, -3041), -3041},
      {"two distinct codes", 0, {-302, -3041, -302}, -300},
      {"error after warnings", 211, {-302, -303}, 211},
      {"input error", 125, {}, 125},
      {"soil lookup internal error", 999, {-302}, 999},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(finish(c.errorCode, c.warnings).returned, c.expected) << c.label;
  }
}

TEST(FinishRun, ClosingLines) {
  const Finished normal = finish(0, {});
  EXPECT_EQ(normal.report, kNormalEnd);
  EXPECT_EQ(normal.messages, kNormalEnd);

  const Finished runtime = finish(211, {});
  const std::string runtimeLine = "\nThe analysis ended due to runtime error No. 11.\n\n";
  EXPECT_EQ(runtime.report, runtimeLine);
  EXPECT_EQ(runtime.messages, runtimeLine);
  EXPECT_FALSE(contains(runtime.report, "prematurely"));

  // Warnings before an error stop are still announced; the error is returned.
  const Finished warned = finish(211, {-302});
  EXPECT_EQ(warned.messages, runtimeLine + kWarningLine);

  const Finished internal = finish(999, {});
  EXPECT_EQ(internal.report, "");
  EXPECT_EQ(internal.messages, "");
}

TEST(FinishRun, OccurrencesStopCountingAt4000) {
  RunState state;
  for (int i = 0; i < 4001; ++i) registerWarning(state, -355);
  EXPECT_EQ(state.warningOccurrences[355], 4000);
  registerWarning(state, -4000);
  EXPECT_EQ(state.warningOccurrences[4000], 1);
  EXPECT_EQ(state.lastWarningCode, -4000);
}

TEST(FinishRun, WarningsClearedBeforeTheEndStillEndNormally) {
  // The load-case loop clears the occurrences at every case; warnings raised
  // before it are announced but leave no distinct code to return.
  auto ctx = makeRunContext();
  ctx->report.captureInMemory();
  ctx->messages.captureInMemory();
  registerWarning(ctx->model.state, -354);
  ctx->model.state.warningOccurrences.fill(0);
  EXPECT_EQ(finishRun(*ctx), 0);
  EXPECT_EQ(ctx->messages.text(), kWarningLine + kNormalEnd);
  EXPECT_EQ(ctx->report.text(), kNormalEnd);
}

TEST(FinishRun, LostOutputIsNeverANormalEnd) {
  // A report line that could not be written turns a normal end into runtime error 8.
  auto ctx = makeRunContext();
  ctx->report.captureInMemory();
  ctx->messages.captureInMemory();
  ctx->report.failFromWrite(1);
  ctx->report.line("a line that is lost");
  EXPECT_EQ(finishRun(*ctx), 208);
}

}  // namespace
