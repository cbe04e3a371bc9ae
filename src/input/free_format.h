// Reading the input data file: whole text lines and free-format (list-directed)
// lists. Every read that fails ends the run with a numbered input error whose
// message quotes the line; nothing is ever silently read as zero.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

#include "engine/run_context.h"

namespace quarn::input {

// A text item of a free-format list, kept to its first `width` characters.
struct TextItem {
  std::string* value;
  std::size_t width;
};

// One item of a free-format read: an integer, a real or a text.
using ListItem = std::variant<int*, double*, TextItem>;

// One free-format read: starts on the next line of the input, takes the
// items in order (continuing on following lines when a line holds too few),
// and ignores what is left on the last line used. Null values (",,") and a
// slash leave the remaining targets unchanged; r*value repeats a value.
void readList(engine::RunContext& ctx, std::initializer_list<ListItem> items);

// Reads the next line as a text line: at most 256 characters, the rest ignored.
// Ends the run with input error 99 when the file ends first.
std::string readTextLine(engine::RunContext& ctx);

// True when `line` is `keyword` from column 1 on, followed only by blanks.
bool matchesKeyword(std::string_view line, std::string_view keyword);

}  // namespace quarn::input
