// The input errors the readers add for counts above the model's capacity and
// codes outside their tables: every check triggered once from one table, and
// the message table walked for unique numbers outside the engine's register.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "input/loading_reader.h"
#include "input/reader_errors.h"
#include "input/sections_reader.h"
#include "input/sections_test_support.h"
#include "input/soil_reader.h"
#include "input/tables_reader.h"

namespace quarn::input {
namespace {

using namespace quarn::input::testing;

const std::vector<std::string> kConcrete = {"4000", "0.75", "Use default concrete tensile strength",
                                            "Use internal stress-strain curve for concrete"};

std::vector<std::string> with(std::vector<std::string> head, const std::vector<std::string>& tail) {
  head.insert(head.end(), tail.begin(), tail.end());
  return head;
}

struct LimitCase {
  const char* name;
  Reader reader;
  ModelSetup setup;
  std::vector<std::string> lines;  // the last line is the one that trips the check
  int error;
  std::string problem;
  std::string rule;
};

const std::vector<LimitCase> kLimits = {
    {"21 sections", readSections, {}, {"21"}, 73,
     "Problem:  The number of pile sections specified is 21.",
     "          A pile may be divided into at most 20 sections."},
    {"41 soil layers", readSoilLayers, {}, {"41"}, 74,
     "Problem:  The number of soil layers specified is 41.",
     "          The soil profile may hold at most 40 layers."},
    {"criterion code 21", readSoilLayers, {}, {"2", "1 0 10", "100 300 0.01", "100 400 0.01", "21 10 20"},
     75, "Problem:  The p-y criterion code of soil layer 2 is 21.",
     "          Valid p-y criterion codes are 1 to 20."},
    {"criterion code 0", readSoilLayers, {}, {"1", "0 0 10"}, 75,
     "Problem:  The p-y criterion code of soil layer 1 is 0.",
     "          Valid p-y criterion codes are 1 to 20."},
    {"user p-y curve of 31 points", readSoilLayers, {}, {"1", "14 0 10", "100 31"}, 76,
     "Problem:  The number of points on a user-specified p-y curve of soil layer 1 is 31.",
     "          A user-specified p-y curve is defined by 2 to 30 points."},
    {"user p-y curve of 1 point", readSoilLayers, {},
     {"1", "14 0 10", "100 2", "0 0", "1 10", "100 1"}, 76,
     "Problem:  The number of points on a user-specified p-y curve of soil layer 1 is 1.",
     "          A user-specified p-y curve is defined by 2 to 30 points."},
    {"101 load cases", readLoading, {}, {"101"}, 77,
     "Problem:  The number of pile-head load cases specified is 101.",
     "          At most 100 load cases can be analysed in one run."},
    {"51 distributed load points", readLoading, {}, {"0", "51"}, 78,
     "Problem:  The distributed lateral load is defined by 51 points.",
     "          The distributed lateral load may be defined by at most 50 points."},
    {"81 p-y multiplier rows", readGroupEffectFactors, {}, {"81"}, 79,
     "Problem:  The p-y multipliers are defined by 81 points.",
     "          p-y multipliers versus depth may be defined by at most 80 points."},
    {"101 p-y output depths", readPyOutputDepths,
     [](AnalysisModel& m) { m.options.printPyCurves = true; }, {"101"}, 80,
     "Problem:  Printing of p-y curves was specified at 101 depths.",
     "          p-y curves may be printed at 100 depths at most."},
    {"51 tip shear points", readTipShear, {}, {"51"}, 81,
     "Problem:  The shear resistance curve at the pile tip is defined by 51 points.",
     "          The tip shear resistance curve may be defined by at most 50 points."},
    {"101 axial thrust forces", readAxialThrustLoads, {}, {"101"}, 93,
     "Problem:  The number of axial thrust forces specified is 101.",
     "          At most 100 axial thrust forces can be analysed."},
    {"302 bars in a circle", readSections, {},
     with(with({"1", "1", "1", "20", "36"}, kConcrete),
          {"Rebar Arrangement Not Same As Section Above", "Rebar in circle", "60000", "29000000",
           "151", "2"}),
     82, "Problem:  The number of reinforcing bars or strands of section 1 is 302.",
     "          A section holds 1 to 300 reinforcing bars or strands."},
    {"no bars in a noncircular pattern", readSections, {},
     with(with({"1", "1", "0", "20", "18", "24"}, kConcrete),
          {"Rebar Arrangement Not Same As Section Above", "Rebar in noncircular pattern", "60000",
           "29000000", "0"}),
     82, "Problem:  The number of reinforcing bars or strands of section 1 is 0.",
     "          A section holds 1 to 300 reinforcing bars or strands."},
    {"301 strands", readSections, {},
     with(with({"1", "1", "5", "20", "24"}, kConcrete), {"Autoposition strands", "1", "3", "301"}),
     82, "Problem:  The number of reinforcing bars or strands of section 1 is 301.",
     "          A section holds 1 to 300 reinforcing bars or strands."},
    {"bundle of 4 bars", readSections, {},
     with(with({"1", "1", "1", "20", "36"}, kConcrete),
          {"Rebar Arrangement Not Same As Section Above", "Rebar in circle", "60000", "29000000",
           "8", "4"}),
     83, "Problem:  The bundle size of the reinforcing bars of section 1 is 4.",
     "          Bars are placed singly or in bundles of 2 or 3 bars."},
    {"101 points on a concrete curve", readSections, {},
     {"1", "1", "1", "20", "36", "4000", "0.75", "Use default concrete tensile strength",
      "Input stress-strain curve for concrete", "101"},
     84, "Problem:  The number of points on the concrete stress-strain curve of section 1 is 101.",
     "          A concrete stress-strain curve is defined by 2 to 100 points."},
    {"no thrusts for a user M-EI section", readSections, {}, {"1", "1", "13", "20", "24", "0"}, 85,
     "Problem:  The number of axial thrust forces with bending stiffness data of section 1 is 0.",
     "          Nonlinear bending stiffness may be given for 1 to 100 axial thrust forces."},
    {"151 points of a user M-EI curve", readSections, {},
     {"1", "1", "13", "20", "24", "1", "0", "151"}, 86,
     "Problem:  The number of points on a curve of moment versus bending stiffness of section 1 is 151.",
     "          Each curve is defined by 2 to 150 points."},
    {"micropile section", readSections, {}, {"1", "1", "14", "20"}, 87,
     "Problem:  Section 1 is a micropile section (section type 14).",
     "          The input of a micropile section holds no cross-section data to analyse."},
    {"section type 15", readSections, {}, {"1", "1", "15"}, 88,
     "Problem:  The type code of section 1 is 15.",
     "          Valid section type codes are 0 to 14 and -3."},
    {"section type -1", readSections, {}, {"2", "1", "4", "10", "24", "0.5", "36000", "2.9e7", "2", "-1"},
     88, "Problem:  The type code of section 2 is -1.",
     "          Valid section type codes are 0 to 14 and -3."},
    {"pile-head load type 6", readLoading, {}, {"2", "1 1 100 0 0 1", "2 6 100 0 0 1"}, 89,
     "Problem:  The load type of pile-head load case 2 is 6.",
     "          Valid pile-head load types are 1 to 5."},
    {"LRFD load type index 14", readLrfdLoads, {}, {"1", "1 14 100 0 0 0"}, 92,
     "Problem:  The load type index of LRFD load number 1 is 14.",
     "          Valid LRFD load type indices are 1 to 13."},
    {"LRFD load type index 0", readLrfdLoads, {}, {"2", "1 1 100 0 0 0", "2 0 100 0 0 0"}, 92,
     "Problem:  The load type index of LRFD load number 2 is 0.",
     "          Valid LRFD load type indices are 1 to 13."},
};

TEST(ReaderLimits, EveryCheckStopsWithItsBlock) {
  for (const LimitCase& c : kLimits) {
    SCOPED_TRACE(c.name);
    const ReaderResult r = runReader(c.reader, c.lines, c.setup);
    EXPECT_TRUE(r.stopped);
    EXPECT_EQ(r.errorCode(), 100 + c.error);
    EXPECT_EQ(r.linesRead, static_cast<long>(c.lines.size()));
    const std::string head = "\n**** Input Data Error No. " + std::to_string(c.error) + " ****\n\n" +
                             c.problem + "\n" + c.rule + "\nSolution: ";
    EXPECT_EQ(r.report().rfind(head, 0), 0u) << r.report();
    EXPECT_NE(r.messages().find(head), std::string::npos) << r.messages();
    const std::string end = "\n\n\n" + prematureEndLine(c.error);
    ASSERT_GE(r.report().size(), end.size());
    EXPECT_EQ(r.report().substr(r.report().size() - end.size()), end);
  }
}

TEST(ReaderLimits, FullBlockOfTooManySections) {
  const ReaderResult r = runReader(readSections, {"25"});
  const std::string block =
      "\n**** Input Data Error No. 73 ****\n\n"
      "Problem:  The number of pile sections specified is 25.\n"
      "          A pile may be divided into at most 20 sections.\n"
      "Solution: Combine sections so that the pile has 20 sections or fewer.\n\n";
  EXPECT_EQ(r.messages(), block);
  EXPECT_EQ(r.report(), block + "\n\n" + prematureEndLine(73));
}

TEST(ReaderLimits, CountsAtTheLimitAreAccepted) {
  struct Case {
    const char* name;
    Reader reader;
    ModelSetup setup;
    std::string count;
    std::string row;
  };
  const std::vector<Case> cases = {
      {"100 load cases", readLoading, {}, "100", "1 1 100 0 0 1"},
      {"80 multiplier rows", readGroupEffectFactors, {}, "80", "1 0 1 1"},
      {"100 p-y output depths", readPyOutputDepths,
       [](AnalysisModel& m) { m.options.printPyCurves = true; }, "100", "1 5"},
      {"50 tip shear points", readTipShear, {}, "50", "1 0 0"},
      {"100 axial thrust forces", readAxialThrustLoads, {}, "100", "1 0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> lines(static_cast<std::size_t>(std::stoi(c.count)), c.row);
    lines.insert(lines.begin(), c.count);
    if (c.reader == readLoading) lines.push_back("0");  // no distributed load
    const ReaderResult r = runReader(c.reader, lines, c.setup);
    EXPECT_FALSE(r.stopped) << r.report();
    EXPECT_EQ(r.linesRead, static_cast<long>(lines.size()));
  }
}

TEST(ReaderLimits, LoadTypesOfUnanalysedCasesAreNotChecked) {
  // In an LRFD analysis and in a bending-stiffness-only run the load cases
  // supply at most their axial thrusts.
  const std::vector<ModelSetup> setups = {[](AnalysisModel& m) { m.options.useLrfd = true; },
                                          [](AnalysisModel& m) { m.options.ICOM = kAnalysisEiOnly; }};
  for (const ModelSetup& setup : setups) {
    const ReaderResult r = runReader(readLoading, {"1", "1 0 0 0 500 1", "0"}, setup);
    EXPECT_FALSE(r.stopped) << r.report();
  }
}

std::vector<std::string> blockLines(std::string_view text) {
  std::vector<std::string> lines;
  for (std::size_t end = text.find('\n'); end != std::string_view::npos; end = text.find('\n')) {
    lines.emplace_back(text.substr(0, end));
    text.remove_prefix(end + 1);
  }
  return lines;
}

TEST(ReaderErrorTable, NumbersAreUniqueAndOutsideTheOtherInputErrors) {
  // Input errors raised elsewhere in the engine (the echo, the criteria, the
  // options), and 90 and 91 of the free-format reader and the axial thrust list.
  const std::set<int> taken = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16,
                               17, 18, 19, 20, 21, 23, 25, 26, 27, 28, 29, 30, 31, 45, 46, 47,
                               48, 49, 50, 51, 53, 55, 56, 57, 59, 60, 61, 62, 63, 64, 65, 66,
                               67, 68, 69, 70, 71, 72, 90, 91, 94, 95, 96, 97, 98, 99};
  std::set<int> seen;
  for (const engine::MessageBlock& m : readerErrorMessages()) {
    SCOPED_TRACE(m.number);
    EXPECT_TRUE(seen.insert(m.number).second) << "number used twice";
    EXPECT_EQ(taken.count(m.number), 0u) << "number of another input error";
    EXPECT_GT(m.number, 0);
    EXPECT_LT(m.number, 100);
    EXPECT_EQ(m.codeText, "INP000" + std::to_string(m.number));
    // The block: an empty line, the title, an empty line, then the problem,
    // the rule broken and the solution, and an empty line.
    const std::vector<std::string> lines = blockLines(m.texts[0].lines);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[1], "**** Input Data Error No. " + std::to_string(m.number) + " ****");
    EXPECT_EQ(lines[3].rfind("Problem:  ", 0), 0u);
    EXPECT_EQ(lines[4].rfind("          ", 0), 0u);
    EXPECT_EQ(lines[5].rfind("Solution: ", 0), 0u);
    EXPECT_EQ(&readerErrorMessage(static_cast<ReaderError>(m.number)), &m);
  }
  EXPECT_EQ(seen.size(), readerErrorMessages().size());
}

}  // namespace
}  // namespace quarn::input
