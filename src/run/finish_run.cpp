#include "run/finish_run.h"

#include <string>
#include <string_view>

#include "engine/messages.h"
#include "report/warning_summary.h"
#include "run/run_files.h"

namespace quarn::run {

using engine::Channel;
using engine::kInputErrorBase;
using engine::kRuntimeErrorBase;
using engine::kRuntimeOutputNotWritable;
using engine::kSeveralWarnings;

namespace {

void writeClosingLine(engine::RunContext& ctx, std::string_view text) {
  for (Channel* channel : {&ctx.messages, &ctx.report}) {
    channel->endLine();
    channel->line(text);
    channel->endLine();
  }
}

}  // namespace

int finishRun(engine::RunContext& ctx) {
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

}  // namespace quarn::run
