#include "engine/messages.h"

#include <cstdlib>
#include <string>
#include <utility>

#include "engine/message_blocks.h"

namespace quarn::engine {

namespace {

// The blocks of the run frame itself.
constexpr std::array<MessageBlock, 3> kBlocks = {{
    {ErrorFamily::kRuntime,
     kRuntimeInternalFailure,
     "",
     1,
     {{{kToReport | kToMessages | kToConsole,
        "\n"
        "\n"
        "**** Runtime Error No. 39 ****\n"
        "\n"
        "Problem:  Internal failure of the engine: {1}\n"
        "Solution: Please report this run with its input file to the Quarn developers.\n"
        "\n"}}}},
    {ErrorFamily::kRuntime,
     kRuntimeNotAvailable,
     "RUN00040",
     1,
     {{{kToReport | kToMessages | kToConsole,
        "\n"
        "\n"
        "**** Runtime Error No. 40 ****\n"
        "\n"
        "Problem:  {1}\n"
        "          is not available in this version of Quarn.\n"
        "Solution: Run the analysis without it, or with a version of Quarn that provides it.\n"
        "\n"}}}},
    {ErrorFamily::kInput,
     99,
     "INP00099",
     1,
     {{{kToReportAndMessages,
        "\n"
        "\n"
        "***** INPUT ERROR *****\n"
        "\n"
        "The following line is unrecognized or is out-of-order\n"
        "\n"
        "{1}\n"
        "\n"
        "\n"}}}},
}};

static_assert(findMessageBlock(kBlocks, kRuntimeInternalFailure).number == 39);
static_assert(findMessageBlock(kBlocks, kRuntimeNotAvailable).number == 40);
static_assert(findMessageBlock(kBlocks, 99).family == ErrorFamily::kInput);

}  // namespace

std::span<const MessageBlock> runMessageBlocks() {
  return kBlocks;
}

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

void failInvariant(std::string what) {
  throw InvariantBroken{std::move(what)};
}

void unwindIfStopped(const AnalysisModel& model) {
  if (isStopped(model)) unwind();
}

void unwind() {
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
  stopWithMessage(ctx, findMessageBlock(kBlocks, 99), {field});
}

void stopOnUnsupported(RunContext& ctx, std::string_view what) {
  stopWithMessage(ctx, findMessageBlock(kBlocks, kRuntimeNotAvailable), {what});
}

void stopOnInternalFailure(RunContext& ctx, std::string_view what) noexcept {
  try {
    writeMessageBlock(ctx, findMessageBlock(kBlocks, kRuntimeInternalFailure), {what});
  } catch (...) {
    // Nothing more can be written; the code below still ends the run.
  }
  ctx.model.state.errorCode = kRuntimeErrorBase + kRuntimeInternalFailure;
}

}  // namespace quarn::engine
