// Moves a write failure across every line a run writes: each run must still
// end with a defined error code, never a normal end and never a crash.
#include <gtest/gtest.h>

#include "run/run.h"
#include "scratch_dir.h"

namespace {

using namespace quarn;
using quarn::testing::ScratchDir;

int runWithFailure(const ScratchDir& dir, engine::Channel engine::RunContext::*channel, long n) {
  auto ctx = engine::makeRunContext();
  (ctx.get()->*channel).failFromWrite(n);
  RunFiles files{dir / "in.qin", dir / "out.rpt", dir / "out.plt", dir / "out.msg"};
  return run::runWithFiles(*ctx, files);
}

TEST(FaultInjection, EveryLostWriteIsReported) {
  ScratchDir dir;
  dir.write("in.qin", quarn::testing::kMinimalInput);
  // Lines a clean run writes to each channel, counted from a run without failure.
  auto clean = engine::makeRunContext();
  RunFiles files{dir / "in.qin", dir / "out.rpt", dir / "out.plt", dir / "out.msg"};
  ASSERT_EQ(run::runWithFiles(*clean, files), 0);
  for (auto channel : {&engine::RunContext::report, &engine::RunContext::plot,
                       &engine::RunContext::messages}) {
    for (long n = 1; n <= 60; ++n) {
      const int code = runWithFailure(dir, channel, n);
      // Past the last line of the channel nothing fails and the run ends normally.
      EXPECT_TRUE(code == 208 || code == 0) << "write " << n << " returned " << code;
    }
    EXPECT_EQ(runWithFailure(dir, channel, 1), 208);
  }
}

}  // namespace
