// Reading the input data file: whole text lines and free-format (list-directed)
// lists. Every read that fails ends the run with a numbered input error whose
// message quotes the line; nothing is ever silently read as zero.
//
// Rules of a free-format list read:
//  - each read starts on a new line; items are separated by blanks (a tab
//    counts as a blank), by a comma, or by a comma with blanks around it;
//  - an integer item is [sign]digits; a real item may also have a decimal
//    point and an exponent introduced by E or D (1.5D3, -2e-2, .5, 5.);
//  - a text item is unquoted (it ends at the next blank, comma or slash) or
//    enclosed in apostrophes or double quotes (blanks, commas and slashes are
//    then part of it; a doubled quote stands for one quote). A quote left
//    open runs to the end of its line. A text longer than its field keeps its
//    first characters; shorter texts are stored as written, without padding;
//  - r*value stands for r repetitions of value, r* for r null values;
//  - a null value (two commas with only blanks between them, a comma opening
//    the read, or r*) leaves its target unchanged;
//  - a slash ends the read and leaves every remaining target unchanged;
//  - when a line holds too few items the read continues on the next lines
//    (blank lines hold none); what is left on the last line used is ignored.
#pragma once

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "engine/run_context.h"

namespace quarn::input {

// Input error for an item that is not a valid value for its numeric field
// (a number in a wrong form, a text where a number belongs, an integer out of
// range, a repeat count of 0). The number is not otherwise used by the engine.
inline constexpr int kBadValueError = 90;
// Input error for a line that is not recognised where a keyword is expected,
// and for an input file that ends before its END line.
inline constexpr int kUnrecognisedLineError = 99;

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
// Ends the run with input error 99 when the file ends before the list is
// complete, and with input error 90 when an item is not a valid number.
void readList(engine::RunContext& ctx, std::initializer_list<ListItem> items);

// Reads the next line as a text line: at most 256 characters, the rest ignored.
// Ends the run with input error 99 when the file ends first.
std::string readTextLine(engine::RunContext& ctx);

// True when `line` is `keyword` from column 1 on, followed only by blanks
// (within the 256 columns of a text line).
bool matchesKeyword(std::string_view line, std::string_view keyword);

// ---- The parser behind readList, usable without a run context. ----

enum class ListReadStatus {
  kComplete,    // every item was read, left unchanged by a null value, or ended by a slash
  kEndOfInput,  // the lines ran out before the list was complete
  kBadValue,    // an item is not a valid value for its field
};

// What a field needs, for the message on an item that is not a valid value.
struct ValueForm {
  std::string_view expected;  // "an integer", completing "... where <expected> is expected"
  std::string_view rule;      // how such a value is written
};
inline constexpr ValueForm kIntegerForm{
    "an integer", "An integer is written as digits with an optional sign only."};
inline constexpr ValueForm kRealForm{
    "a real number",
    "A real number is written as digits with an optional sign, decimal point and exponent (E or "
    "D)."};
inline constexpr ValueForm kRepeatForm{
    "a repeat count of 1 or more", "A repeat count r in r*value is an integer of 1 or more."};

struct ListReadResult {
  ListReadStatus status = ListReadStatus::kComplete;
  int linesUsed = 0;  // lines taken from the source by this read
  std::string line;   // kBadValue: the line holding the item
  std::string item;   // kBadValue: the item as written
  ValueForm form;     // kBadValue: what the field needs
};

// Supplies the next line of the input; false at its end.
using LineSource = std::function<bool(std::string&)>;

// Reads one list from the lines of `nextLine`. Targets before a bad item keep
// the values assigned to them.
ListReadResult parseList(const LineSource& nextLine, std::span<const ListItem> items);
// The same over lines held in memory (the read starts with lines[0]).
ListReadResult parseList(std::span<const std::string> lines, std::span<const ListItem> items);

// A whole item as an integer ([sign]digits within the 32-bit range) or as a
// finite real within the range of a double (the forms above); nothing when
// it is neither.
std::optional<int> parseInteger(std::string_view text);
std::optional<double> parseReal(std::string_view text);

// ---- Stops of the readers, shared by every section reader. ----

// Writes to channels 6 and 8 the block for an input file that ends before its
// END line, raises input error 99 and unwinds.
[[noreturn]] void stopOnEndOfInput(engine::RunContext& ctx);

// Writes to channels 6 and 8 the block for an item that is not a valid value:
// the number of the line last read, the item, what was expected and how it
// is written, and the line; raises input error 90 and unwinds.
[[noreturn]] void stopOnBadValue(engine::RunContext& ctx, std::string_view line,
                                 std::string_view item, const ValueForm& form);

}  // namespace quarn::input
