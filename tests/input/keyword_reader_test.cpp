// The format tag, the keyword loop, the title, and the axial thrust list
// built after END.
#include "input/keyword_reader.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "engine/messages.h"
#include "engine/model.h"
#include "input/input_runs.h"

namespace quarn::input {
namespace {

using namespace quarn::input::testing;

const std::string kOptions =
    "OPTIONS\nUnits USCS\nUseLRFD NO\nComputeKmatrix NO\nUseTipShear NO\nUseSoilMovement NO\n"
    "UsePYModifiers NO\nComputeEIOnly NO\nLoading STATIC     0\nMaxIter 100\nMaxDefl 10.0\n"
    "Tolerance 1.0E-5\nIncrements 100\nPrintSummaryOnly NO\nPrintIncrement 1\nPrintPYCurves NO\n"
    "ComputeInteraction NO\n";

std::string crlf(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

TEST(KeywordReader, ReadsTheFormatTagAsAFreeFormatTextItem) {
  struct TagCase {
    std::string firstLine;
    std::string tag;
  };
  const std::vector<TagCase> cases = {
      {"QUARNX6", "QUARNX6"},
      {"QUARNX6 written by the front end", "QUARNX6"},
      {"QUARNX6,x", "QUARNX6"},
      {"   QUARNX6", "QUARNX6"},
      {"'QUARNX6' tag", "QUARNX6"},
      {"\"QUARNX6\"", "QUARNX6"},
      {"QUARNX67", "QUARNX6"},  // a text longer than its 7 characters keeps the first 7
      {"QUARNX5", "QUARNX5"},
      {"quarnx6", "quarnx6"},
      {"QUARNX", "QUARNX"},
      {"'QUARN  '", "QUARN"},
      {"'QUAR X6'", "QUAR X6"},
      {"1 2 3", "1"},
      {"", "3"},
      {"      ", "3"},
      {",QUARNX6", "3"},  // a null value: the item cannot be read
      {"/", "3"},
  };
  for (const TagCase& c : cases) {
    SCOPED_TRACE("[" + c.firstLine + "]");
    EXPECT_EQ(formatTagOf(c.firstLine), c.tag);
  }
}

// Runs that end normally after reading, and what the model then holds.
TEST(KeywordReader, ReadsSectionsUntilEnd) {
  struct Case {
    const char* name;
    std::string input;
    std::vector<std::string> title;
    int units;
  };
  const std::string longLine(300, 'x');
  const std::vector<Case> cases = {
      {"only OPTIONS", "QUARNX6\n" + kOptions + "END\n", {"", "", "", "", ""}, 1},
      {"tag with trailing text", "QUARNX6 file of the front end\n" + kOptions + "END\n",
       {"", "", "", "", ""}, 1},
      {"CR LF line ends", "QUARNX6\r\nTITLE\r\nPier 4\r\n\r\n\r\n\r\n\r\n" + crlf(kOptions) + "END\r\n",
       {"Pier 4", "", "", "", ""}, 1},
      {"title and options",
       "QUARNX6\nTITLE\n  Pier 4, north abutment\nline 2\n\n'quoted' 3*2 / stays\nline 5\n" +
           kOptions + "END\n",
       {"  Pier 4, north abutment", "line 2", "", "'quoted' 3*2 / stays", "line 5"}, 1},
      {"keywords with trailing blanks", "QUARNX6\nTITLE   \na\nb\nc\nd\ne\nOPTIONS   \n" +
                                            kOptions.substr(8) + "END   \n",
       {"a", "b", "c", "d", "e"}, 1},
      {"title line cut after 256 characters",
       "QUARNX6\nTITLE\n" + longLine + "\nb\nc\nd\ne\n" + kOptions + "END\n",
       {std::string(256, 'x'), "b", "c", "d", "e"}, 1},
      {"a later section overwrites an earlier one",
       "QUARNX6\n" + kOptions + "TITLE\n1\n2\n3\n4\n5\nTITLE\nA\nB\nC\nD\nE\n" +
           std::string(kOptions).replace(kOptions.find("Units USCS"), 10, "Units SI") + "END\n",
       {"A", "B", "C", "D", "E"}, 2},
      {"lines after END are not read", "QUARNX6\n" + kOptions + "END\nthis is no keyword\n",
       {"", "", "", "", ""}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const RunOutcome run = runInput(c.input);
    EXPECT_TRUE(run.inputRead()) << run.report;
    const AnalysisModel& model = run.ctx->model;
    for (std::size_t i = 0; i < c.title.size(); ++i) EXPECT_EQ(model.run.title[i], c.title[i]);
    EXPECT_EQ(model.options.IUNITS, c.units);
    EXPECT_EQ(model.run.formatTag, "QUARNX6");
  }
}

TEST(KeywordReader, WritesTheProgressLinesOfTheSections) {
  const RunOutcome run = runInput("QUARNX6\nTITLE\na\nb\nc\nd\ne\n" + kOptions + "END\n");
  EXPECT_EQ(run.messages.rfind(
                "Input of data begun\nReading title data\nReading analysis options\nInput of data "
                "completed\n\n",
                0),
            0u)
      << run.messages;
}

// Runs that stop while reading: the whole report and run-message files.
TEST(KeywordReader, StopsOnLinesItCannotRead) {
  struct Case {
    const char* name;
    std::string input;
    std::string block;        // written to the report and then to the run-message file
    std::string progress;     // progress lines before the block
    int error = 99;
  };
  const std::string note5 =
      "\n\nThe input data file is in the previous input format (QUARNX5), which is no longer "
      "read.\nSave the input again from the front end so that it is written in the QUARNX6 "
      "format.\n";
  const std::string noteOther =
      "\n\nThe first line of the input data file does not begin with the format tag QUARNX6.\n"
      "Save the input again from the front end so that it is written in the QUARNX6 format.\n";
  const std::vector<Case> cases = {
      {"keyword with a leading blank", "QUARNX6\n OPTIONS\nEND\n", unrecognisedBlock(" OPTIONS"),
       "Input of data begun\n"},
      {"keyword in lower case", "QUARNX6\noptions\nEND\n", unrecognisedBlock("options"),
       "Input of data begun\n"},
      {"keyword with text after it", "QUARNX6\nEND OF FILE\n", unrecognisedBlock("END OF FILE"),
       "Input of data begun\n"},
      {"unknown keyword", "QUARNX6\nPILE COLOUR\nEND\n", unrecognisedBlock("PILE COLOUR"),
       "Input of data begun\n"},
      {"empty line where a keyword belongs", "QUARNX6\n\nEND\n", unrecognisedBlock(""),
       "Input of data begun\n"},
      {"line longer than 256 characters", "QUARNX6\n" + std::string(300, 'Z') + "\nEND\n",
       unrecognisedBlock(std::string(256, 'Z')), "Input of data begun\n"},
      {"title with too many lines", "QUARNX6\nTITLE\n1\n2\n3\n4\n5\n6\nEND\n",
       unrecognisedBlock("6"), "Input of data begun\nReading title data\n"},
      {"no END line", "QUARNX6\nTITLE\na\nb\nc\nd\ne\n", endedEarlyBlock(7),
       "Input of data begun\nReading title data\n"},
      {"file ends inside the title", "QUARNX6\nTITLE\na\nb", endedEarlyBlock(4),
       "Input of data begun\nReading title data\n"},
      {"previous format", "QUARNX5\nTITLE\n", note5 + unrecognisedBlock("QUARNX5"), ""},
      {"oldest format", "Pile 1 test\n1 2 3\n", noteOther + unrecognisedBlock("Pile 1 test"), ""},
      {"empty first line", "\nQUARNX6\nEND\n", noteOther + unrecognisedBlock(""), ""},
      {"tag in lower case", "quarnx6\nEND\n", noteOther + unrecognisedBlock("quarnx6"), ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const RunOutcome run = runInput(c.input);
    EXPECT_EQ(run.code, 100 + c.error);
    EXPECT_EQ(run.report, c.block + prematureEnd(c.error) + closingLine(c.error));
    EXPECT_EQ(run.messages, c.progress + c.block + closingLine(c.error));
  }
}

// ------------------------------------------------- axial thrust list ---

TEST(AxialThrusts, AreSortedDistinctAndInKipsForUsCustomaryInput) {
  struct Case {
    const char* name;
    int units;
    std::vector<double> values;
    std::vector<double> expected;
  };
  std::vector<double> hundred, hundredAndOne, hundredWithRepeats;
  for (int i = 0; i < 100; ++i) hundred.push_back(100.0 - i);
  hundredAndOne = hundred;
  hundredAndOne.push_back(-1.0);
  hundredWithRepeats = hundred;
  hundredWithRepeats.push_back(50.0);
  std::vector<double> ascending(hundred.rbegin(), hundred.rend());
  const std::vector<Case> cases = {
      // Three load cases of 100, 50 and 100 pounds.
      {"US customary load cases", kUnitsUsCustomary, {100, 50, 100}, {0.05, 0.1}},
      // LRFD load groups 10, 10, 20, 20, 30 kN.
      {"SI load groups", kUnitsSi, {10, 10, 20, 20, 30}, {10, 20, 30}},
      {"general units are not scaled", kUnitsGeneral, {3, -1, 3, 0}, {-1, 0, 3}},
      {"no loads", kUnitsSi, {}, {}},
      {"100 distinct values fill the list", kUnitsSi, hundred, ascending},
      {"repeats do not count against the capacity", kUnitsSi, hundredWithRepeats, ascending},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AnalysisModel model;
    model.options.IUNITS = c.units;
    model.loads.numberOfAxialThrusts = 7;
    ASSERT_TRUE(deriveAxialThrusts(model, c.values));
    ASSERT_EQ(model.loads.numberOfAxialThrusts, static_cast<int>(c.expected.size()));
    for (std::size_t i = 0; i < c.expected.size(); ++i) {
      EXPECT_DOUBLE_EQ(model.loads.axialThrusts[i + 1], c.expected[i]);
    }
  }

  AnalysisModel model;
  model.options.IUNITS = kUnitsSi;
  EXPECT_FALSE(deriveAxialThrusts(model, hundredAndOne));
  EXPECT_EQ(model.loads.numberOfAxialThrusts, 0);
}

TEST(AxialThrusts, TakeTheirSourcesFromTheLoadsInInputOrder) {
  AnalysisModel model;
  model.loads.numberOfLoadCases = 3;
  model.loads.headLoads[1].axialThrust = 100;
  model.loads.headLoads[2].axialThrust = 50;
  model.loads.headLoads[3].axialThrust = 100;
  model.loads.numberOfLrfdLoads = 2;
  model.loads.lrfdLoads[1].axialForce = 30;
  model.loads.lrfdLoads[2].axialForce = 10;
  model.loads.numberOfThrustLoads = 1;
  model.loads.thrustLoads[1] = 7;

  EXPECT_EQ(axialThrustSources(model), (std::vector<double>{100, 50, 100}));
  model.loads.thrustSource = kThrustsFromAxialThrustLoads;
  EXPECT_EQ(axialThrustSources(model), (std::vector<double>{7}));
  model.options.useLrfd = true;
  EXPECT_EQ(axialThrustSources(model), (std::vector<double>{30, 10}));

  // A count beyond its table is a defect of the reader that set it.
  model.loads.numberOfLrfdLoads = kMaxLrfdLoads + 1;
  EXPECT_THROW(axialThrustSources(model), engine::InvariantBroken);
}

// The keyword loop builds the list after END, unless interaction diagrams
// are requested or there are no sections.
TEST(AxialThrusts, AreBuiltAfterEnd) {
  struct Case {
    const char* name;
    int sections;
    bool interaction;
    int expectedCount;
  };
  const std::vector<Case> cases = {
      {"with sections", 1, false, 2},
      {"without sections", 0, false, -1},
      {"with interaction diagrams", 1, true, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto ctx = engine::makeRunContext();
    initializeModel(ctx->model, "test");
    ctx->report.captureInMemory();
    ctx->messages.captureInMemory();
    ctx->input.openText("END\n");
    AnalysisModel& model = ctx->model;
    model.options.IUNITS = kUnitsUsCustomary;
    model.options.computeInteraction = c.interaction;
    model.pile.numberOfSections = c.sections;
    model.loads.numberOfLoadCases = 3;
    model.loads.headLoads[1].axialThrust = 100;
    model.loads.headLoads[2].axialThrust = 50;
    model.loads.headLoads[3].axialThrust = 100;
    model.loads.numberOfAxialThrusts = -1;  // marks "not built"
    readKeywordInput(*ctx);
    EXPECT_EQ(model.loads.numberOfAxialThrusts, c.expectedCount);
    if (c.expectedCount == 2) {
      EXPECT_DOUBLE_EQ(model.loads.axialThrusts[1], 0.05);
      EXPECT_DOUBLE_EQ(model.loads.axialThrusts[2], 0.1);
    }
    EXPECT_EQ(ctx->model.state.errorCode, 0);
  }
}

// The example inputs read through the whole keyword loop: the list comes
// from their load cases (pounds, US customary) or LRFD load groups (kN, SI).
TEST(AxialThrusts, AreBuiltFromTheLoadsOfTheExampleInputs) {
  struct Case {
    const char* file;
    std::vector<double> expected;
  };
  const std::vector<Case> cases = {
      {"soft-clay-pipe-pile.qin", {50.0}},                   // 50000 lbs twice
      {"cased-drilled-shaft-clay-over-sand.qin", {200.0}},   // 200000 lbs three times
      {"prestressed-square-pile-lrfd-si.qin", {0.0, 200.0, 600.0}},  // groups 600, 200, 0 kN
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    auto ctx = engine::makeRunContext();
    initializeModel(ctx->model, "test");
    ctx->report.captureInMemory();
    ctx->messages.captureInMemory();
    ctx->input.openText(readFile(std::string(QUARN_SOURCE_DIR) + "/examples/" + c.file));
    ASSERT_EQ(readFormatTag(ctx->input), "QUARNX6");
    try {
      readKeywordInput(*ctx);
    } catch (const engine::RunStopped&) {
      FAIL() << ctx->report.text();
    }
    const Loads& loads = ctx->model.loads;
    ASSERT_EQ(loads.numberOfAxialThrusts, static_cast<int>(c.expected.size()));
    for (std::size_t i = 0; i < c.expected.size(); ++i) {
      EXPECT_DOUBLE_EQ(loads.axialThrusts[i + 1], c.expected[i]);
    }
  }
}

}  // namespace
}  // namespace quarn::input
