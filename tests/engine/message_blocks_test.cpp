// Numbered message blocks: every table of the engine walked for unique
// numbers, code texts that match their numbers, titles that carry them and
// placeholders that the values of the raising call fill exactly; the filling
// itself; and what writing, raising and stopping with a block do.
#include "engine/message_blocks.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/analysis_errors.h"
#include "input/echo_errors.h"
#include "input/reader_errors.h"

namespace quarn::engine {
namespace {

struct Table {
  const char* name;
  std::span<const MessageBlock> blocks;
};

std::vector<Table> allTables() {
  return {{"run frame", runMessageBlocks()},
          {"pile response analysis", analysis::analysisMessageBlocks()},
          {"section readers", input::readerErrorMessages()},
          {"input echo", input::echoErrorMessages()}};
}

std::string twoDigits(int n) {
  return (n < 10 ? "0" : "") + std::to_string(n);
}

// "<1>", "<2>", ...: values that cannot occur in a block's own text.
std::vector<std::string> marks(int count) {
  std::vector<std::string> out;
  for (int k = 1; k <= count; ++k) out.push_back("<" + std::to_string(k) + ">");
  return out;
}

// True when the text still holds "{" digits "}".
bool holdsPlaceholder(std::string_view text) {
  for (std::size_t at = text.find('{'); at != std::string_view::npos; at = text.find('{', at + 1)) {
    std::size_t end = at + 1;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
    if (end > at + 1 && end < text.size() && text[end] == '}') return true;
  }
  return false;
}

TEST(MessageBlockTables, EveryBlockIsConsistent) {
  for (const Table& table : allTables()) {
    SCOPED_TRACE(table.name);
    ASSERT_FALSE(table.blocks.empty());
    std::set<int> numbers;
    for (const MessageBlock& block : table.blocks) {
      SCOPED_TRACE(block.number);
      EXPECT_TRUE(numbers.insert(block.number).second) << "number used twice in the table";
      EXPECT_GE(block.number, 1);
      EXPECT_LE(block.number, 99);
      const bool input = block.family == ErrorFamily::kInput;
      EXPECT_EQ(errorCodeOf(block), (input ? 100 : 200) + block.number);
      if (!block.codeText.empty()) {
        EXPECT_EQ(block.codeText, (input ? "INP000" : "RUN000") + twoDigits(block.number));
      }

      const std::vector<std::string> values = marks(block.arguments);
      const std::vector<std::string_view> arguments(values.begin(), values.end());
      std::string everything;
      unsigned channels = 0;
      for (const BlockText& text : block.texts) {
        if (text.channels == 0) {
          EXPECT_TRUE(text.lines.empty()) << "lines without a channel";
          continue;
        }
        channels |= text.channels;
        ASSERT_FALSE(text.lines.empty());
        EXPECT_EQ(text.lines.back(), '\n') << "every line ends";
        const std::string filled = fillPlaceholders(text.lines, arguments);
        EXPECT_FALSE(holdsPlaceholder(filled)) << filled;
        everything += filled;
      }
      EXPECT_NE(channels & (kToReport | kToMessages | kToConsole), 0u) << "written nowhere";
      for (const std::string& mark : values) {
        EXPECT_NE(everything.find(mark), std::string::npos) << "value " << mark << " unused";
      }

      // A title that names an error names this one, in its family's words.
      const std::string word = input ? "Input Data Error No. " : "Runtime Error No. ";
      const std::size_t title = everything.find("Error No. ");
      if (title != std::string::npos) {
        const std::size_t at = everything.find(word);
        ASSERT_NE(at, std::string::npos) << "title of the other family";
        const std::string after = everything.substr(at + word.size());
        EXPECT_EQ(after.substr(0, after.find(' ')), std::to_string(block.number));
      }
    }
  }
}

TEST(MessageBlockTables, FindsEveryBlockByItsNumber) {
  for (const Table& table : allTables()) {
    for (const MessageBlock& block : table.blocks) {
      EXPECT_EQ(&findMessageBlock(table.blocks, block.number), &block);
    }
  }
  EXPECT_THROW(findMessageBlock(runMessageBlocks(), 98), InvariantBroken);
}

TEST(FillPlaceholders, ReplacesEveryPlaceholderByItsValue) {
  struct Case {
    std::string_view text;
    std::vector<std::string_view> values;
    std::string expected;
  };
  const Case cases[] = {
      {"no values\n", {}, "no values\n"},
      {"{1} and {2}, {1} again", {"a", "bb"}, "a and bb, a again"},
      {"{2}{1}", {"x", "y"}, "yx"},
      {"row {10}, {1}", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "ten"}, "row ten, 1"},
      // Braces that do not enclose digits are text.
      {"{} {a} {1 } { 1}", {"v"}, "{} {a} {1 } { 1}"},
      {"{{1}}", {"v"}, "{v}"},
      {"unclosed {1", {"v"}, "unclosed {1"},
      {"", {"v"}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text));
    EXPECT_EQ(fillPlaceholders(c.text, c.values), c.expected);
  }
  const std::vector<std::string_view> one = {"v"};
  EXPECT_THROW(fillPlaceholders("{2}", one), InvariantBroken);
  EXPECT_THROW(fillPlaceholders("{0}", one), InvariantBroken);
}

std::unique_ptr<RunContext> memoryContext() {
  auto ctx = makeRunContext();
  ctx->report.captureInMemory();
  ctx->messages.captureInMemory();
  ctx->plot.captureInMemory();
  ctx->console.captureInMemory();
  return ctx;
}

constexpr std::string_view kReportText = "\nFirst {1}\n{2} second\n";
constexpr std::string_view kMessagesText = "Only here: {2}\n";

constexpr MessageBlock kRuntimeBlock = {
    ErrorFamily::kRuntime,
    45,
    "RUN00045",
    2,
    {{{kToReport | kToConsole, kReportText}, {kToMessages, kMessagesText}}}};
constexpr MessageBlock kInputBlock = {
    ErrorFamily::kInput, 46, "INP00046", 1, {{{kToReportAndMessages, "Input {1}\n"}}}};

TEST(MessageBlockStops, WriteFillsEachTextOnItsChannels) {
  auto ctx = memoryContext();
  writeMessageBlock(*ctx, kRuntimeBlock, {"A", "B"});
  EXPECT_EQ(ctx->report.text(), "\nFirst A\nB second\n");
  EXPECT_EQ(ctx->console.text(), "\nFirst A\nB second\n");
  EXPECT_EQ(ctx->messages.text(), "Only here: B\n");
  EXPECT_EQ(ctx->plot.text(), "");
  EXPECT_EQ(ctx->model.state.errorCode, 0);
  // The values of a block are counted: one short is a broken invariant.
  EXPECT_THROW(writeMessageBlock(*ctx, kRuntimeBlock, {"A"}), InvariantBroken);
}

TEST(MessageBlockStops, RaiseRecordsAndStopUnwinds) {
  auto raised = memoryContext();
  raiseWithMessage(*raised, kRuntimeBlock, {"A", "B"});
  EXPECT_EQ(raised->model.state.errorCode, 245);
  // A runtime error has no "ended prematurely" line.
  EXPECT_EQ(raised->report.text(), "\nFirst A\nB second\n");

  auto stopped = memoryContext();
  EXPECT_THROW(stopWithMessage(*stopped, kInputBlock, {"x"}), RunStopped);
  EXPECT_EQ(stopped->model.state.errorCode, 146);
  EXPECT_EQ(stopped->messages.text(), "Input x\n");
  EXPECT_EQ(stopped->report.text(),
            "Input x\n\n\nQuarn ended prematurely due to input error number INP00046\n");
}

TEST(MessageBlockStops, UnsupportedFeatureStopsWithRuntimeErrorForty) {
  auto ctx = memoryContext();
  EXPECT_THROW(stopOnUnsupported(*ctx, "The thing"), RunStopped);
  EXPECT_EQ(ctx->model.state.errorCode, 240);
  const std::string block =
      "\n\n**** Runtime Error No. 40 ****\n\nProblem:  The thing\n"
      "          is not available in this version of Quarn.\n"
      "Solution: Run the analysis without it, or with a version of Quarn that provides it.\n\n";
  EXPECT_EQ(ctx->report.text(), block);
  EXPECT_EQ(ctx->messages.text(), block);
  EXPECT_EQ(ctx->console.text(), block);
}

}  // namespace
}  // namespace quarn::engine
