#include "engine/messages.h"

#include <cstdlib>
#include <string>
#include <utility>


namespace quarn::engine {

void raiseError(RunContext& ctx, std::string_view codeText, int code) {
  if (code >= 1 && code <= 199) {
    ctx.report.emptyLines(2);
    ctx.report.put("Quarn ended prematurely due to input error number ");
    ctx.report.line(codeText);
  }
  if (code == kInputErrorBase + 25) {
    ctx.report.endLine();
    ctx.report.line("**** Input Data Error No. 25 ****");
    ctx.report.endLine();
    ctx.report.line("Length of input file is 0 bytes.  No analysis can be performed.");
  }
  ctx.model.state.errorCode = code;
}

void stopRun(RunContext& ctx, std::string_view codeText, int code) {
  raiseError(ctx, codeText, code);
  throw RunStopped{};
}

void failInvariant(std::string what) { throw InvariantBroken{std::move(what)}; }

void unwindIfStopped(const AnalysisModel& model) {
  if (isStopped(model)) unwind();
}

void unwind() { throw RunStopped{}; }

void stopOnRuntimeError(RunContext& ctx, int number) {
  ctx.model.state.errorCode = kRuntimeErrorBase + number;
  throw RunStopped{};
}

void registerWarning(RunState& state, int code) {
  const int index = std::abs(code);
  if (index < 1 || index > kMaxWarningCode) return;  // outside the registry: never counted
  if (state.warningOccurrences[index] >= kMaxWarningOccurrences) return;
  ++state.warningOccurrences[index];
  state.lastWarningCode = code;
  state.warningCount = 1;
}

void stopOnUnrecognisedLine(RunContext& ctx, std::string_view line) {
  // The offending line is shown as the 256-character field it was read into.
  std::string field(line.substr(0, kTextLineLength));
  field.resize(kTextLineLength, ' ');
  for (Channel* channel : {&ctx.report, &ctx.messages}) {
    channel->emptyLines(2);
    channel->line("***** INPUT ERROR *****");
    channel->endLine();
    channel->line("The following line is unrecognized or is out-of-order");
    channel->endLine();
    channel->line(field);
    channel->emptyLines(2);
  }
  stopRun(ctx, "INP00099", kInputErrorBase + 99);
}

void stopOnInternalFailure(RunContext& ctx, std::string_view what) noexcept {
  try {
    for (Channel* channel : {&ctx.console, &ctx.messages, &ctx.report}) {
      channel->emptyLines(2);
      channel->line("**** Runtime Error No. 39 ****");
      channel->endLine();
      channel->line(std::string("Problem:  Internal failure of the engine: ") + std::string(what));
      channel->line("Solution: Please report this run with its input file to the Quarn developers.");
      channel->endLine();
    }
  } catch (...) {
    // Nothing more can be written; the code below still ends the run.
  }
  ctx.model.state.errorCode = kRuntimeErrorBase + kRuntimeInternalFailure;
}

}  // namespace quarn::engine
