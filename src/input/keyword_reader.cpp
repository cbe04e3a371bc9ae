#include "input/keyword_reader.h"

#include "engine/messages.h"

namespace quarn::input {

std::string readFormatTag(engine::InputFile& input) {
  std::string line;
  if (!input.readLine(line)) return "3";
  const std::size_t start = line.find_first_not_of(" ,");
  if (start == std::string::npos) return "3";
  const std::size_t end = line.find_first_of(" ,", start);
  return line.substr(start, std::min<std::size_t>(7, end - start));
}

void readKeywordInput(engine::RunContext& ctx) {
  ctx.messages.line("Input of data begun");
  std::string line;
  while (ctx.input.readLine(line)) {
    if (line.rfind("END", 0) == 0 && line.find_first_not_of(' ', 3) == std::string::npos) return;
    engine::stopOnUnrecognisedLine(ctx, line);
  }
  engine::stopOnUnrecognisedLine(ctx, "");
}

void rejectOlderFormat(engine::RunContext& ctx) {
  ctx.input.rewind();
  std::string first;
  ctx.input.readLine(first);
  engine::stopOnUnrecognisedLine(ctx, first);
}

}  // namespace quarn::input
