// Numbered message blocks as data. Every subsystem keeps the blocks of its
// errors in one table beside the code that raises them: the error number,
// its eight-character code text, the channels each text goes to and the
// exact lines, with {1}, {2}, ... where the raising site's values go. One
// function fills the placeholders, writes the block and stops the run, so a
// raising site is a single call with the values it knows.
#pragma once

#include <array>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "engine/messages.h"
#include "engine/run_context.h"

namespace quarn::engine {

enum class ErrorFamily {
  kInput,    // input-data error n, code 100 + n, code text "INP000nn"
  kRuntime,  // runtime error n, code 200 + n, code text "RUN000nn"
};

// Channels a text of a block is written to (bit set).
inline constexpr unsigned kToReport = 1u;    // channel 6
inline constexpr unsigned kToMessages = 2u;  // channel 8
inline constexpr unsigned kToConsole = 4u;   // channel 0
inline constexpr unsigned kToReportAndMessages = kToReport | kToMessages;

// The lines one group of channels gets. Every line ends with '\n' (an empty
// line is a lone '\n'); {k} stands for the k-th argument of the raising call.
struct BlockText {
  unsigned channels = 0;
  std::string_view lines;
};

struct MessageBlock {
  ErrorFamily family = ErrorFamily::kRuntime;
  int number = 0;
  // Code text handed to raiseError; empty for the errors whose code is
  // stored without one (raiseError writes nothing for runtime codes anyway).
  std::string_view codeText;
  int arguments = 0;  // values the raising site supplies for {1} .. {arguments}
  // The texts in the order they are written; a block whose channels get
  // different wordings has one text per wording (unused entries have no
  // channels).
  std::array<BlockText, 4> texts{};
};

// The error code of a block: 100 + n for an input error, 200 + n for a
// runtime error.
constexpr int errorCodeOf(const MessageBlock& block) {
  return (block.family == ErrorFamily::kInput ? kInputErrorBase : kRuntimeErrorBase) + block.number;
}

// The block numbered `number` of a table. Used in constant expressions, a
// number that the table lacks does not compile.
constexpr const MessageBlock& findMessageBlock(std::span<const MessageBlock> table, int number) {
  for (const MessageBlock& block : table) {
    if (block.number == number) return block;
  }
  failInvariant("message block " + std::to_string(number) + " is not in its table");
}

// The blocks of the run frame: runtime errors 39 (internal failure) and 40
// (an analysis not available) and input error 99 (an unrecognised line).
std::span<const MessageBlock> runMessageBlocks();

// The text with every {k} replaced by arguments[k - 1]. A placeholder beyond
// the arguments is a broken invariant.
std::string fillPlaceholders(std::string_view text, std::span<const std::string_view> arguments);

// Fills and writes every text of the block to its channels, line by line.
// The arguments are the block's values, in the order of its placeholders.
void writeMessageBlock(RunContext& ctx, const MessageBlock& block,
                       std::span<const std::string_view> arguments);

// Writes the block and records its error (raiseError with its code text and
// code) without stopping: for the errors after which the run goes on for a
// while (a reader that reads on to the end of its section, a non-converged
// case that is still reported).
void raiseWithMessage(RunContext& ctx, const MessageBlock& block,
                      std::span<const std::string_view> arguments);

// Writes the block, records its error and unwinds to the run sequence.
[[noreturn]] void stopWithMessage(RunContext& ctx, const MessageBlock& block,
                                  std::span<const std::string_view> arguments);

// The same with the values listed at the call.
inline void writeMessageBlock(RunContext& ctx, const MessageBlock& block,
                              std::initializer_list<std::string_view> arguments) {
  writeMessageBlock(ctx, block, std::span(arguments.begin(), arguments.size()));
}
inline void raiseWithMessage(RunContext& ctx, const MessageBlock& block,
                             std::initializer_list<std::string_view> arguments) {
  raiseWithMessage(ctx, block, std::span(arguments.begin(), arguments.size()));
}
[[noreturn]] inline void stopWithMessage(RunContext& ctx, const MessageBlock& block,
                                         std::initializer_list<std::string_view> arguments) {
  stopWithMessage(ctx, block, std::span(arguments.begin(), arguments.size()));
}

}  // namespace quarn::engine
