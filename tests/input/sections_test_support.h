// Driving one section reader directly: a fresh run context whose channels are
// kept in memory, the reader's lines as the input file, and the model, the
// channels and the number of lines read afterwards.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/messages.h"
#include "engine/model_options.h"
#include "engine/run_context.h"

namespace quarn::input::testing {

using Reader = void (*)(engine::RunContext&);
using ModelSetup = std::function<void(AnalysisModel&)>;

struct ReaderResult {
  std::unique_ptr<engine::RunContext> ctx;
  bool stopped = false;  // the reader unwound with RunStopped
  long linesRead = 0;

  const AnalysisModel& model() const { return ctx->model; }
  int errorCode() const { return ctx->model.state.errorCode; }
  const std::string& report() const { return ctx->report.text(); }
  const std::string& messages() const { return ctx->messages.text(); }
};

inline std::string linesText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

// Runs `reader` over `lines` with US customary units unless `setup` changes
// the options (or any other part of the model) first.
inline ReaderResult runReader(Reader reader, const std::vector<std::string>& lines,
                              const ModelSetup& setup = {}) {
  ReaderResult result;
  result.ctx = engine::makeRunContext();
  engine::RunContext& ctx = *result.ctx;
  for (engine::Channel* channel : {&ctx.report, &ctx.plot, &ctx.messages, &ctx.console}) {
    channel->captureInMemory();
  }
  ctx.model.options.IUNITS = kUnitsUsCustomary;
  if (setup) setup(ctx.model);
  ctx.input.openText(linesText(lines));
  try {
    reader(ctx);
  } catch (const engine::RunStopped&) {
    result.stopped = true;
  }
  result.linesRead = ctx.input.lineNumber();
  return result;
}

inline void useSi(AnalysisModel& model) { model.options.IUNITS = kUnitsSi; }

// The line raiseError writes to the report for input error `number`.
inline std::string prematureEndLine(int number) {
  return "Quarn ended prematurely due to input error number INP000" + std::to_string(number) +
         "\n";
}

}  // namespace quarn::input::testing
