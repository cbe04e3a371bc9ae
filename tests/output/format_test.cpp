// The fixed-format formatter: every expected field below is worked out by hand
// from the edit-descriptor rules (width, decimals, rounding of the exact binary
// value with ties to even, asterisks on overflow).
#include "engine/messages.h"
#include "output/format.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/channel.h"

namespace quarn::output {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct FormatCase {
  const char* format;
  std::vector<FormatValue> values;
  std::string expected;
};

TEST(Formatter, FormatsEveryCaseOfTheTable) {
  const std::string heldText = "y";  // a std::string value, alive while the table is
  const std::vector<FormatCase> cases = {
      // Fw.d: right-justified, rounded at the last decimal.
      {"(F10.3)", {3.14159}, "     3.142"},
      {"(F8.2)", {-2.5}, "   -2.50"},
      {"(F6.2)", {9.9951}, " 10.00"},
      {"(F6.0)", {123.4}, "  123."},
      {"(F3.0)", {0.0}, " 0."},
      // Ties exactly representable in binary go to the even digit.
      {"(F5.2)", {0.125}, " 0.12"},
      {"(F5.2)", {0.375}, " 0.38"},
      {"(F3.0)", {2.5}, " 2."},
      {"(F3.0)", {3.5}, " 4."},
      {"(F4.0)", {-0.5}, " -0."},
      // 2.675 is 2.67499999999999982... in binary: no tie, rounds down.
      {"(F4.2)", {2.675}, "2.67"},
      // Overflow: exactly fitting, one too many, and overflow by rounding.
      {"(F6.2)", {999.99}, "999.99"},
      {"(F6.2)", {1000.0}, "******"},
      {"(F5.2)", {99.996}, "*****"},
      {"(F11.0)", {-1.0e9}, "***********"},
      // The zero before the point is written only when the width allows.
      {"(F4.1)", {-0.5}, "-0.5"},
      {"(F3.1)", {-0.5}, "-.5"},
      {"(F4.2)", {0.25}, "0.25"},
      {"(F3.2)", {0.25}, ".25"},
      {"(F2.2)", {0.25}, "**"},
      {"(F4.2)", {-0.25}, "-.25"},
      {"(F5.3)", {-0.0004}, "-.000"},
      // Negative zero and negative values rounding to zero keep the sign.
      {"(F7.4)", {-0.0}, "-0.0000"},
      {"(F6.4)", {-0.0}, "-.0000"},
      {"(F6.2)", {-0.001}, " -0.00"},
      {"(F6.2)", {0.0}, "  0.00"},
      // ESw.d: exponents 0, +-9, +-99, +-100 and three digits without E.
      {"(ES15.7)", {1.0}, "  1.0000000E+00"},
      {"(ES11.4)", {5.0}, " 5.0000E+00"},
      {"(ES11.4)", {1.0e9}, " 1.0000E+09"},
      {"(ES11.4)", {-2.5e-9}, "-2.5000E-09"},
      {"(ES11.4)", {1.5e99}, " 1.5000E+99"},
      {"(ES11.4)", {1.5e-99}, " 1.5000E-99"},
      {"(ES11.4)", {1.2345e100}, " 1.2345+100"},
      {"(ES11.4)", {-1.2345e-100}, "-1.2345-100"},
      {"(ES11.4)", {9.99996e99}, " 1.0000+100"},
      {"(ES11.4)", {-999996.0}, "-1.0000E+06"},
      {"(ES11.4)", {5.0e-324}, " 4.9407-324"},
      {"(ES11.4)", {0.0}, " 0.0000E+00"},
      {"(ES11.4)", {-0.0}, "-0.0000E+00"},
      {"(ES10.3)", {1.0625}, " 1.062E+00"},
      {"(ES6.0)", {25.0}, "2.E+01"},
      {"(ES9.4)", {1.0}, "*********"},
      {"(ES15.7)", {-123456789.0}, " -1.2345679E+08"},
      // Infinity and NaN.
      {"(F8.2)", {kNaN}, "     NaN"},
      {"(F2.1)", {kNaN}, "**"},
      {"(ES15.7)", {kInf}, "       Infinity"},
      {"(F8.1)", {-kInf}, "    -Inf"},
      {"(F9.1)", {-kInf}, "-Infinity"},
      {"(F3.0)", {-kInf}, "***"},
      // Integers.
      {"(I5)", {42}, "   42"},
      {"(I5)", {-42}, "  -42"},
      {"(I2)", {123}, "**"},
      {"(I2)", {-5}, "-5"},
      {"(I1)", {-5}, "*"},
      {"(I5.3)", {7}, "  007"},
      {"(I5.3)", {-7}, " -007"},
      {"(I3.3)", {-7}, "***"},
      {"(I3.0)", {0}, "   "},
      {"(I0)", {-123}, "-123"},
      {"(I0)", {0}, "0"},
      {"(I0)", {LLONG_MIN}, "-9223372036854775808"},
      {"(F6.1)", {12}, "  12.0"},
      // Text and logical values.
      {"(A)", {"abc"}, "abc"},
      {"(A5)", {"abc"}, "abc  "},
      {"(A2)", {"abc"}, "ab"},
      {"(A, A)", {"x ", heldText}, "x y"},
      {"(L3)", {true}, "  T"},
      {"(2L2)", {true, false}, " T F"},
      // Positioning and literal text.
      {"(I2, 3X, I2)", {1, 2}, " 1    2"},
      {"(\"a\", X, \"b\")", {}, "a b"},
      {"(T5, A)", {"x"}, "    x"},
      {"(A, T2, A)", {"abcd", "Z"}, "aZcd"},
      {"('ab', TL1, 'X')", {}, "aX"},
      {"('ab', TR2, 'c')", {}, "ab  c"},
      {"('it''s', \"say \"\"hi\"\"\")", {}, "it'ssay \"hi\""},
      {"(\"A\" I3 \"B\")", {5}, "A  5B"},  // commas are optional
      {"(i3, f5.1, es10.3)", {1, 2.0, 3.0}, "  1  2.0 3.000E+00"},
      // Slashes: each write ends with its current line, even an empty one.
      {"(/ \"A\" /)", {}, "\nA\n"},
      {"(\"A\" 2/)", {}, "A\n\n"},
      // Groups and repetition.
      {"(2(I2, \"x\"))", {1, 2}, " 1x 2x"},
      {"(3(\"-\"))", {}, "---"},
      {"(3ES10.3)", {1.0, 2.0, 3.0}, " 1.000E+00 2.000E+00 3.000E+00"},
      // Reversion: restart at the last group (whole format when none), new line.
      {"(2I3)", {1, 2, 3, 4, 5}, "  1  2\n  3  4\n  5"},
      {"(\"A=\", I3, 2(\" B=\", I2))", {1, 2, 3, 4, 5, 6}, "A=  1 B= 2 B= 3\n B= 4 B= 5\n B= 6 B="},
      {"(I2, 2(I2), \"|\")", {1, 2, 3, 4, 5}, " 1 2 3|\n 4 5|"},
      // After the last value, text up to the next data descriptor is written.
      {"(I2, \" end\", I2, \" more\")", {1}, " 1 end"},
      {"(I2, :, \" end\")", {1}, " 1"},
      {"(\"x\", I3, \"y\")", {}, "x"},
      {"()", {}, ""},
  };
  for (const FormatCase& c : cases) {
    EXPECT_EQ(formatValues(c.format, c.values), c.expected) << "format " << c.format;
  }
}

TEST(Formatter, FieldHelpersMatchTheirDescriptors) {
  struct Case {
    std::string actual;
    std::string expected;
  };
  const Case cases[] = {
      {formatFixed(0.5, 11, 5), "    0.50000"},
      {formatFixed(-0.5, 3, 1), "-.5"},
      {formatScientific(1.2345e100, 10, 4), "1.2345+100"},
      {formatScientific(-0.0, 11, 4), "-0.0000E+00"},
      {formatInteger(7, 5, 3), "  007"},
      {formatInteger(7, 10), "         7"},
      {formatMinimalInteger(-12), "-12"},
      {formatLogical(false, 2), " F"},
      {formatText("abc", 5), "abc  "},
  };
  for (const Case& c : cases) EXPECT_EQ(c.actual, c.expected);
}

TEST(Formatter, RejectsMalformedFormatsAndMismatchedValues) {
  struct Case {
    const char* format;
    std::vector<FormatValue> values;
  };
  const std::vector<Case> cases = {
      {"(I5)", {1.5}},            // a real for I
      {"(F5.1)", {"x"}},          // text for F
      {"(A)", {3}},               // an integer for A
      {"(L2)", {1}},              // an integer for L
      {"(Q5)", {1}},              // unknown descriptor
      {"(E10.3)", {1.0}},         // only ES is supported
      {"(F5)", {1.0}},            // F without decimals
      {"(I5", {1}},               // unbalanced
      {"(\"abc)", {}},            // unterminated text
      {"(\"x\")", {1}},           // values but no descriptor
      {"(I2, (\"x\"))", {1, 2}},  // the repeated group takes no values
      {"(T0, I2)", {1}},          // columns count from 1
  };
  for (const Case& c : cases) {
    EXPECT_THROW(formatValues(c.format, c.values), engine::InvariantBroken) << c.format;
  }
}

// Writes to a channel: $ leaves the line open, T counts from where the write
// began, / and reversion start new lines, every write ends its last line.
TEST(Formatter, WritesLinesToAChannel) {
  struct Step {
    const char* format;
    std::vector<FormatValue> values;
  };
  struct Case {
    std::vector<Step> steps;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {{{"(\"abc\", $)", {}}, {"(T3, \"X\")", {}}}, "abc  X\n"},
      {{{"(I3, $)", {5}}, {"(I3)", {6}}}, "  5  6\n"},
      {{{"(\"ab\", $)", {}}, {"(\"c\", /, T2, \"d\")", {}}}, "abc\n d\n"},
      {{{"(\"A\", $)", {}}, {"()", {}}}, "A\n"},
      {{{"(/ \"A\" /)", {}}}, "\nA\n\n"},
      {{{"(\"A\" 2/)", {}}}, "A\n\n\n"},
      {{{"(2I2)", {1, 2, 3}}}, " 1 2\n 3\n"},
      {{{"(I2, $)", {1, 2}}}, " 1\n 2"},  // the line after reversion stays open
  };
  for (const Case& c : cases) {
    engine::Channel channel;
    channel.captureInMemory();
    for (const Step& step : c.steps) writeValues(channel, step.format, step.values);
    std::string written = channel.text();
    if (channel.lineOpen()) {
      channel.endLine();
      written = channel.text().substr(0, channel.text().size() - 1);
    }
    EXPECT_EQ(written, c.expected) << c.steps.front().format;
  }
}

TEST(Formatter, InitializerListWriteLeavesTheLineOpenAfterDollar) {
  engine::Channel channel;
  channel.captureInMemory();
  write(channel, "(\"x =\", F6.2, $)", {1.5});
  EXPECT_TRUE(channel.lineOpen());
  EXPECT_EQ(channel.column(), 9);  // "x =" and six columns
  write(channel, "(1X, A)", {"in"});
  EXPECT_FALSE(channel.lineOpen());
  EXPECT_EQ(channel.text(), "x =  1.50 in\n");
  EXPECT_EQ(formatLine("(I3, \"|\")", {7}), "  7|");
}

}  // namespace
}  // namespace quarn::output
