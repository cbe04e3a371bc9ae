#include "input/title_reader.h"

#include "input/free_format.h"

namespace quarn::input {

void readTitle(engine::RunContext& ctx) {
  ctx.messages.line("Reading title data");
  for (std::string& line : ctx.model.run.title) line = readTextLine(ctx);
}

}  // namespace quarn::input
