// The free-format (list-directed) reader: one table of lines, the items asked
// for, and the values or the failure expected.
#include "input/free_format.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

namespace quarn::input {
namespace {

// A text target and its field width.
struct Text {
  std::string value;
  std::size_t width = 16;
};

// One target: its kind and its value (the initial value before the read, the
// expected value after it).
using Value = std::variant<int, double, Text>;

constexpr int kUnsetInt = -7;
constexpr double kUnsetReal = -7.25;
const Text kUnsetText{"<unset>"};

Value txt(std::string value, std::size_t width = 16) { return Text{std::move(value), width}; }

struct Case {
  const char* name;
  std::vector<std::string> lines;
  std::vector<Value> expected;  // kinds of the targets and their values after the read
  ListReadStatus status = ListReadStatus::kComplete;
  int linesUsed = 1;
  std::string badItem = "";
  std::string expectedKind = "";
};

// Targets start at these values, so "unchanged" is visible.
Value unsetLike(const Value& v) {
  if (std::holds_alternative<int>(v)) return kUnsetInt;
  if (std::holds_alternative<double>(v)) return kUnsetReal;
  return Text{kUnsetText.value, std::get<Text>(v).width};
}

const Value kKeptInt = kUnsetInt;
const Value kKeptReal = kUnsetReal;
const Value kKeptText = kUnsetText;

const std::vector<Case> kCases = {
    // Separators.
    {"blanks", {"1 2   3"}, {1, 2, 3}},
    {"commas", {"1,2,3"}, {1, 2, 3}},
    {"commas with blanks", {"1 , 2 ,3"}, {1, 2, 3}},
    {"tab is a blank", {"1\t2"}, {1, 2}},
    // Numbers.
    {"signed integers", {"+7 -12 0"}, {7, -12, 0}},
    {"reals in every form", {"2.5 -3 .5 5. 1E3 1.5e-2"}, {2.5, -3.0, 0.5, 5.0, 1000.0, 0.015}},
    {"D exponents", {"1.5D3 -2d-2 4D+1"}, {1500.0, -0.02, 40.0}},
    {"integer item read as a real", {"42"}, {42.0}},
    // Repeat counts.
    {"repeat of a real", {"3*2.5"}, {2.5, 2.5, 2.5}},
    {"repeat then more values", {"2*1 9"}, {1, 1, 9}},
    {"repeat feeds items of different kinds", {"2*3"}, {3, 3.0}},
    {"repeat larger than the list", {"5*4", "99"}, {4, 4}},
    {"null repeat", {"2* 7"}, {kKeptInt, kKeptInt, 7}},
    {"null repeat before a comma", {"2*,7"}, {kKeptInt, kKeptInt, 7}},
    {"repeat of a quoted text", {"2*'a b'"}, {txt("a b"), txt("a b")}},
    // Null values.
    {"null between two commas", {"1,,3"}, {1, kKeptInt, 3}},
    {"null between commas with blanks", {"1 , , 3"}, {1, kKeptInt, 3}},
    {"two nulls", {"1,,,4"}, {1, kKeptInt, kKeptInt, 4}},
    {"comma opening the read is a null", {",5"}, {kKeptInt, 5}},
    {"null across a line end", {"1,", ",3"}, {1, kKeptInt, 3}, ListReadStatus::kComplete, 2},
    {"line end then comma is one separator", {"1", ",3"}, {1, 3}, ListReadStatus::kComplete, 2},
    {"trailing comma then next line", {"1,", "2"}, {1, 2}, ListReadStatus::kComplete, 2},
    // Slash.
    {"slash ends the read", {"4 5 /"}, {4, 5, kKeptInt, kKeptInt}},
    {"slash glued to a value", {"4 5/ 6"}, {4, 5, kKeptInt}},
    {"slash first", {"/ 1 2"}, {kKeptReal, kKeptText}},
    {"slash after a comma", {"1,/"}, {1, kKeptInt}},
    // Text items.
    {"unquoted texts", {"MaxIter 100"}, {txt("MaxIter"), 100}},
    {"apostrophes keep blanks and commas", {"'a b, c' 7"}, {txt("a b, c"), 7}},
    {"double quotes keep blanks", {"\"x y\" 'p/q'"}, {txt("x y"), txt("p/q")}},
    {"doubled quote inside quotes", {"'it''s' \"say \"\"hi\"\"\""}, {txt("it's"), txt("say \"hi\"")}},
    {"quote left open runs to the line end", {"'abc def"}, {txt("abc def")}},
    {"unquoted text ends at a slash", {"a/b c"}, {txt("a"), kKeptText}},
    {"text longer than its field is cut", {"ABCDEFGHIJ 'KLMNOPQ'"}, {txt("ABCD", 4), txt("KLM", 3)}},
    {"a number read as text", {"12 2.5"}, {txt("12"), 2.5}},
    {"empty quoted text", {"'' 3"}, {txt(""), 3}},
    // Continuation and leftovers.
    {"read continues on the next line", {"1 2", "3 4"}, {1, 2, 3}, ListReadStatus::kComplete, 2},
    {"blank lines hold no items", {"1", "", "   ", "2"}, {1, 2}, ListReadStatus::kComplete, 4},
    {"leftovers are ignored", {"1 2 3 junk 'x", "9"}, {1, 2}},
    {"leftover slash is ignored", {"1 /", "9"}, {1}},
    // Failures.
    {"real read as an integer", {"2.5"}, {kKeptInt}, ListReadStatus::kBadValue, 1, "2.5",
     "an integer"},
    {"text read as an integer", {"7 abc"}, {7, kKeptInt}, ListReadStatus::kBadValue, 1, "abc",
     "an integer"},
    {"exponent read as an integer", {"1E3"}, {kKeptInt}, ListReadStatus::kBadValue, 1, "1E3",
     "an integer"},
    {"integer beyond 32 bits", {"3000000000"}, {kKeptInt}, ListReadStatus::kBadValue, 1,
     "3000000000", "an integer"},
    {"quoted number read as an integer", {"'5'"}, {kKeptInt}, ListReadStatus::kBadValue, 1, "'5'",
     "an integer"},
    {"text read as a real", {"1.0 abc"}, {1.0, kKeptReal}, ListReadStatus::kBadValue, 1, "abc",
     "a real number"},
    {"exponent without digits", {"1.0E"}, {kKeptReal}, ListReadStatus::kBadValue, 1, "1.0E",
     "a real number"},
    {"two decimal points", {"1.2.3"}, {kKeptReal}, ListReadStatus::kBadValue, 1, "1.2.3",
     "a real number"},
    {"sign alone", {"-"}, {kKeptReal}, ListReadStatus::kBadValue, 1, "-", "a real number"},
    {"NaN is no number", {"NaN"}, {kKeptReal}, ListReadStatus::kBadValue, 1, "NaN",
     "a real number"},
    {"beyond the range of a double", {"1E999"}, {kKeptReal}, ListReadStatus::kBadValue, 1,
     "1E999", "a real number"},
    {"bad value found on a continuation line", {"1", "2 x"}, {1, 2, kKeptInt},
     ListReadStatus::kBadValue, 2, "x", "an integer"},
    {"repeated value bad for a later item", {"2*1.5"}, {1.5, kKeptInt}, ListReadStatus::kBadValue,
     1, "2*1.5", "an integer"},
    {"zero repeat count", {"0*5"}, {kKeptInt}, ListReadStatus::kBadValue, 1, "0*5",
     "a repeat count of 1 or more"},
    {"lines run out", {"1 2"}, {1, 2, kKeptInt}, ListReadStatus::kEndOfInput, 1},
    {"no line at all", {}, {kKeptInt}, ListReadStatus::kEndOfInput, 0},
};

TEST(FreeFormat, ReadsListsByTheListDirectedRules) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    std::vector<Value> targets;
    for (const Value& v : c.expected) targets.push_back(unsetLike(v));
    std::vector<ListItem> items;
    for (Value& target : targets) {
      if (auto* i = std::get_if<int>(&target)) items.emplace_back(i);
      if (auto* d = std::get_if<double>(&target)) items.emplace_back(d);
      if (auto* t = std::get_if<Text>(&target)) items.emplace_back(TextItem{&t->value, t->width});
    }
    const ListReadResult result = parseList(c.lines, items);
    EXPECT_EQ(result.status, c.status);
    EXPECT_EQ(result.linesUsed, c.linesUsed);
    EXPECT_EQ(result.item, c.badItem);
    EXPECT_EQ(std::string(result.form.expected), c.expectedKind);
    if (c.status == ListReadStatus::kBadValue) {
      EXPECT_EQ(result.line, c.lines[static_cast<std::size_t>(c.linesUsed) - 1]);
    }
    ASSERT_EQ(targets.size(), c.expected.size());
    for (std::size_t k = 0; k < targets.size(); ++k) {
      SCOPED_TRACE("item " + std::to_string(k + 1));
      if (std::holds_alternative<double>(c.expected[k])) {
        EXPECT_DOUBLE_EQ(std::get<double>(targets[k]), std::get<double>(c.expected[k]));
      } else {
        EXPECT_EQ(targets[k].index(), c.expected[k].index());
        if (auto* t = std::get_if<Text>(&targets[k])) {
          EXPECT_EQ(t->value, std::get<Text>(c.expected[k]).value);
        }
        if (auto* i = std::get_if<int>(&targets[k])) {
          EXPECT_EQ(*i, std::get<int>(c.expected[k]));
        }
      }
    }
  }
}

// Each read starts on a new line: two reads from one source never share a line.
TEST(FreeFormat, EachReadStartsOnANewLine) {
  const std::vector<std::string> lines = {"1 2 3", "4 5", "6"};
  std::size_t next = 0;
  const LineSource source = [&](std::string& line) {
    if (next >= lines.size()) return false;
    line = lines[next++];
    return true;
  };
  int a = 0, b = 0, c = 0, d = 0;
  const std::vector<ListItem> first = {&a};
  const std::vector<ListItem> second = {&b, &c};
  const std::vector<ListItem> third = {&d};
  EXPECT_EQ(parseList(source, first).status, ListReadStatus::kComplete);
  EXPECT_EQ(parseList(source, second).status, ListReadStatus::kComplete);
  EXPECT_EQ(parseList(source, third).status, ListReadStatus::kComplete);
  EXPECT_EQ(a, 1);
  EXPECT_EQ(b, 4);
  EXPECT_EQ(c, 5);
  EXPECT_EQ(d, 6);
}

TEST(FreeFormat, MatchesKeywordsFromColumnOneWithTrailingBlanksOnly) {
  struct KeywordCase {
    std::string line;
    const char* keyword;
    bool matches;
  };
  const std::vector<KeywordCase> cases = {
      {"OPTIONS", "OPTIONS", true},
      {"OPTIONS   ", "OPTIONS", true},
      {" OPTIONS", "OPTIONS", false},
      {"options", "OPTIONS", false},
      {"OPTIONSX", "OPTIONS", false},
      {"OPTION", "OPTIONS", false},
      {"OPTIONS\t", "OPTIONS", false},
      {"OPTIONS x", "OPTIONS", false},
      {"SOIL LAYERS", "SOIL LAYERS", true},
      {"SOIL  LAYERS", "SOIL LAYERS", false},
      {"Units SI  ", "Units SI", true},
      {"", "END", false},
      // Only the 256 columns of a text line count.
      {"END" + std::string(253, ' ') + "junk", "END", true},
      {"END" + std::string(252, ' ') + "junk", "END", false},
  };
  for (const KeywordCase& c : cases) {
    SCOPED_TRACE("[" + c.line + "] vs " + c.keyword);
    EXPECT_EQ(matchesKeyword(c.line, c.keyword), c.matches);
  }
}

TEST(FreeFormat, ParsesWholeItemsAsNumbers) {
  struct NumberCase {
    const char* text;
    std::optional<int> integer;
    std::optional<double> real;
  };
  const std::vector<NumberCase> cases = {
      {"0", 0, 0.0},
      {"+15", 15, 15.0},
      {"-2147483648", -2147483647 - 1, -2147483648.0},
      {"2147483648", std::nullopt, 2147483648.0},
      {"1.", std::nullopt, 1.0},
      {"-.25", std::nullopt, -0.25},
      {"2.54D-3", std::nullopt, 0.00254},
      {"1e+2", std::nullopt, 100.0},
      {"", std::nullopt, std::nullopt},
      {".", std::nullopt, std::nullopt},
      {"E5", std::nullopt, std::nullopt},
      {"1 0", std::nullopt, std::nullopt},
      {"1.5+3", std::nullopt, std::nullopt},
      {"inf", std::nullopt, std::nullopt},
      {"0x10", std::nullopt, std::nullopt},
  };
  for (const NumberCase& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(parseInteger(c.text), c.integer);
    EXPECT_EQ(parseReal(c.text).has_value(), c.real.has_value());
    if (c.real && parseReal(c.text)) {
      EXPECT_DOUBLE_EQ(*parseReal(c.text), *c.real);
    }
  }
}

}  // namespace
}  // namespace quarn::input
