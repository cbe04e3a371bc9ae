#include "engine/message_blocks.h"

#include <cstddef>

namespace quarn::engine {

namespace {

// Position and argument number of the placeholder starting at `at`, or 0
// when the text there is no placeholder ("{", digits, "}").
std::size_t placeholderEnd(std::string_view text, std::size_t at, int& number) {
  if (text[at] != '{') return 0;
  std::size_t i = at + 1;
  number = 0;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
    number = number * 10 + (text[i] - '0');
    ++i;
  }
  if (i == at + 1 || i >= text.size() || text[i] != '}') return 0;
  return i + 1;
}

void writeLines(Channel& channel, std::string_view lines) {
  while (!lines.empty()) {
    const std::size_t end = lines.find('\n');
    channel.line(lines.substr(0, end));
    lines.remove_prefix(end == std::string_view::npos ? lines.size() : end + 1);
  }
}

}  // namespace

std::string fillPlaceholders(std::string_view text, std::span<const std::string_view> arguments) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    int number = 0;
    const std::size_t end = placeholderEnd(text, at, number);
    if (end == 0) {
      out += text[at++];
      continue;
    }
    QUARN_ASSERT(number >= 1 && static_cast<std::size_t>(number) <= arguments.size(),
                 "placeholder {" + std::to_string(number) + "} without its value");
    out += arguments[static_cast<std::size_t>(number - 1)];
    at = end;
  }
  return out;
}

void writeMessageBlock(RunContext& ctx, const MessageBlock& block,
                       std::span<const std::string_view> arguments) {
  QUARN_ASSERT(static_cast<int>(arguments.size()) == block.arguments,
               "message block " + std::to_string(block.number) + " takes " +
                   std::to_string(block.arguments) + " values");
  for (const BlockText& text : block.texts) {
    if (text.channels == 0) continue;
    const std::string lines = fillPlaceholders(text.lines, arguments);
    if ((text.channels & kToReport) != 0) writeLines(ctx.report, lines);
    if ((text.channels & kToMessages) != 0) writeLines(ctx.messages, lines);
    if ((text.channels & kToConsole) != 0) writeLines(ctx.console, lines);
  }
}

void raiseWithMessage(RunContext& ctx, const MessageBlock& block,
                      std::span<const std::string_view> arguments) {
  writeMessageBlock(ctx, block, arguments);
  raiseError(ctx, block.codeText, errorCodeOf(block));
}

void stopWithMessage(RunContext& ctx, const MessageBlock& block,
                     std::span<const std::string_view> arguments) {
  raiseWithMessage(ctx, block, arguments);
  unwind();
}

}  // namespace quarn::engine
