// The input file: format tag and the keyword loop over its sections.
#pragma once

#include <string>
#include <string_view>

#include "engine/run_context.h"

namespace quarn::input {

inline constexpr std::string_view kCurrentFormatTag = "QUARNX6";

// The first item of the first line, at most 7 characters; "3" when unreadable.
std::string readFormatTag(engine::InputFile& input);

// Reads every section up to and including "END" into the model.
void readKeywordInput(engine::RunContext& ctx);

// Files of the two older formats are not read: input error 99 naming the tag.
[[noreturn]] void rejectOlderFormat(engine::RunContext& ctx);

}  // namespace quarn::input
