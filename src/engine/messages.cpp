#include "engine/messages.h"

#include <cstdlib>
#include <string>

#include "engine/run_files.h"
#include "report/warning_summary.h"

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

namespace {

void writeClosingLine(RunContext& ctx, std::string_view text) {
  for (Channel* channel : {&ctx.messages, &ctx.report}) {
    channel->endLine();
    channel->line(text);
    channel->endLine();
  }
}

}  // namespace

int finishRun(RunContext& ctx) {
  RunState& state = ctx.model.state;
  const int code = state.errorCode;
  if (code >= 100 && code <= 199) {
    writeClosingLine(ctx, "The analysis ended due to input error No. " +
                              std::to_string(code - kInputErrorBase) + ".");
  } else if (code >= 200 && code <= 299) {
    writeClosingLine(ctx, "The analysis ended due to runtime error No. " +
                              std::to_string(code - kRuntimeErrorBase) + ".");
  }
  if (state.warningCount > 0) {
    ctx.messages.emptyLines(2);
    ctx.messages.line(
        "The analysis ended with one or more warning messages. See the output report file for "
        "more details.");
    ctx.messages.emptyLines(2);
    state.warningCount = report::Write_Warning_Summary(ctx);
  }
  if (code == 0) writeClosingLine(ctx, "The analysis ended normally. ");

  const bool outputLost = ctx.report.failed() || ctx.plot.failed() || ctx.messages.failed();
  closeRunFiles(ctx);
  // A report, plot or message file that could not be written completely must
  // never be handed back as a normal end.
  const bool closeLost = ctx.report.failed() || ctx.plot.failed() || ctx.messages.failed();
  if (code <= 0 && (outputLost || closeLost)) {
    ctx.console.line("**** Runtime Error No. 8 ****");
    ctx.console.line("An output file could not be written completely (disk full or file removed).");
    state.errorCode = kRuntimeErrorBase + kRuntimeOutputNotWritable;
    return state.errorCode;
  }

  if (code > 0) return code;
  if (state.warningCount == 1) return state.lastWarningCode;
  if (state.warningCount > 1) return kSeveralWarnings;
  return 0;
}

}  // namespace quarn::engine
