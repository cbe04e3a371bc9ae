// libFuzzer target over the whole input reader: the format tag, the keyword
// loop with every section reader, the axial thrust list after END, and the
// unit conversion that follows a successful read. Every input must end in a
// normal return or an input error stop (RunStopped); anything else (a crash,
// a sanitizer report, an exception of another kind) is a finding.
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/messages.h"
#include "engine/model.h"
#include "engine/run_context.h"
#include "input/keyword_reader.h"

namespace {

void readWholeInput(quarn::engine::RunContext& ctx) {
  ctx.model.run.formatTag = quarn::input::readFormatTag(ctx.input);
  if (ctx.model.run.formatTag == quarn::input::kCurrentFormatTag) {
    quarn::input::readKeywordInput(ctx);
  } else {
    quarn::input::rejectOlderFormat(ctx);
  }
  quarn::setUnitLabels(ctx.model);
  quarn::convertUsCustomary(ctx.model);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto ctx = quarn::engine::makeRunContext();
  for (quarn::engine::Channel* channel : {&ctx->report, &ctx->plot, &ctx->messages, &ctx->console}) {
    channel->captureInMemory();
  }
  quarn::initializeModel(ctx->model, "fuzz");
  ctx->input.openText(std::string(reinterpret_cast<const char*>(data), size));
  try {
    readWholeInput(*ctx);
  } catch (const quarn::engine::RunStopped&) {
    // An input error: its code is recorded and its block written.
    if (!quarn::engine::isStopped(ctx->model)) __builtin_trap();
  }
  return 0;
}
