// The OPTIONS section: every accepted line and every check, through whole
// runs. Error cases compare the complete report and run-message files, whose
// texts are written out here as the engine's documentation words them.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "input/input_runs.h"

namespace quarn::input {
namespace {

using namespace quarn::input::testing;

// The sixteen lines of a valid section (US customary, static loading).
std::vector<std::string> validOptionLines() {
  return {
      "Units USCS",
      "UseLRFD NO",
      "ComputeKmatrix NO",
      "UseTipShear NO",
      "UseSoilMovement NO",
      "UsePYModifiers NO",
      "ComputeEIOnly NO",
      "Loading STATIC     0",
      "MaxIter 100",
      "MaxDefl 10.0",
      "Tolerance 1.0E-5",
      "Increments 100",
      "PrintSummaryOnly NO",
      "PrintIncrement 1",
      "PrintPYCurves NO",
      "ComputeInteraction NO",
  };
}

// An edit of the valid section: line n (1..16) replaced, or removed when the
// text is absent; line 17 appended.
using Edit = std::pair<int, std::optional<std::string>>;

std::string inputWith(const std::vector<Edit>& edits) {
  std::vector<std::string> lines = validOptionLines();
  std::vector<bool> removed(lines.size() + 1, false);
  std::optional<std::string> appended;
  for (const auto& [number, text] : edits) {
    if (number == 17) {
      appended = text;
    } else if (text) {
      lines[number - 1] = *text;
    } else {
      removed[number - 1] = true;
    }
  }
  std::string input = "QUARNX6\nOPTIONS\n";
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!removed[i]) input += lines[i] + "\n";
  }
  if (appended) input += *appended + "\n";
  return input + "END\n";
}

using Field = std::function<double(const Options&)>;

// ------------------------------------------------------- accepted lines ---

struct AcceptedCase {
  const char* name;
  std::vector<Edit> edits;
  Field field;
  double expected;
};

const Field kUnits = [](const Options& o) { return o.IUNITS; };
const Field kIterations = [](const Options& o) { return o.maxIterations; };
const Field kIncrements = [](const Options& o) { return o.numberOfIncrements; };
const Field kTolerance = [](const Options& o) { return o.convergenceTolerance; };
const Field kCyclic = [](const Options& o) { return o.cyclicLoading ? 1.0 : 0.0; };
const Field kCycles = [](const Options& o) { return o.numberOfCycles; };
const Field kInteractionCode = [](const Options& o) { return o.interactionCode; };

const std::vector<AcceptedCase> kAccepted = {
    {"units with trailing blanks", {{1, "Units SI   "}}, kUnits, 2},
    {"US customary units", {}, kUnits, 1},
    {"general units", {{1, "Units GENERAL"}}, kUnits, 3},
    {"LRFD on", {{2, "UseLRFD YES"}}, [](const Options& o) { return o.useLrfd; }, 1},
    {"stiffness matrix on", {{3, "ComputeKmatrix YES"}},
     [](const Options& o) { return o.computeKmatrix; }, 1},
    {"tip shear on", {{4, "UseTipShear YES"}}, [](const Options& o) { return o.useTipShear; }, 1},
    {"soil movement on", {{5, "UseSoilMovement YES  "}},
     [](const Options& o) { return o.useSoilMovement; }, 1},
    {"p-y modifiers on", {{6, "UsePYModifiers YES"}},
     [](const Options& o) { return o.usePyModifiers; }, 1},
    {"bending stiffness only", {{7, "ComputeEIOnly YES"}}, [](const Options& o) { return o.ICOM; },
     2},
    {"full analysis", {}, [](const Options& o) { return o.ICOM; }, 3},
    // The loading-type line in fixed columns.
    {"cyclic loading", {{8, "Loading CYCLIC   100"}}, kCyclic, 1},
    {"100 cycles right-justified", {{8, "Loading CYCLIC   100"}}, kCycles, 100},
    {"static loading still reads the number", {{8, "xxxxxxxxSTATIC   100"}}, kCycles, 100},
    {"static loading", {{8, "xxxxxxxxSTATIC   100"}}, kCyclic, 0},
    {"blank number field reads as zero", {{8, "        CYCLIC"}}, kCycles, 0},
    {"left-justified number", {{8, "LoadTypeCYCLIC100   "}}, kCycles, 100},
    {"decimal point and D exponent", {{8, "LoadTypeCYCLIC 2.D2"}}, kCycles, 200},
    {"fraction of cycles", {{8, "        CYCLIC  12.5"}}, kCycles, 12.5},
    {"columns after 20 are ignored", {{8, "LoadTypeCYCLIC    50 cycles"}}, kCycles, 50},
    // Solution controls.
    {"30 iterations", {{9, "MaxIter 30"}}, kIterations, 30},
    {"1000 iterations", {{9, "MaxIter 1000"}}, kIterations, 1000},
    {"quoted label", {{9, "'Max iterations' 250"}}, kIterations, 250},
    {"comma after the label", {{9, "MaxIter,300"}}, kIterations, 300},
    {"deflection with a D exponent", {{10, "MaxDefl 1.5D1"}},
     [](const Options& o) { return o.maxAllowableDeflection; }, 15},
    {"tolerance of exactly 0.1 inch", {{11, "Tolerance 0.1"}}, kTolerance, 0.1},
    {"tolerance just above 0.1 within single precision", {{11, "Tolerance 0.100000001"}},
     kTolerance, 0.100000001},
    {"tolerance of 1E-10 inch", {{11, "Tolerance 1E-10"}}, kTolerance, 1e-10},
    {"SI tolerance of exactly 0.00254 m", {{1, "Units SI"}, {11, "Tolerance 0.00254"}}, kTolerance,
     0.00254},
    {"SI tolerance just above 0.00254 within single precision",
     {{1, "Units SI"}, {11, "Tolerance 0.00254000001"}}, kTolerance, 0.00254000001},
    {"SI tolerance of 2.5E-12 m", {{1, "Units SI"}, {11, "Tolerance 2.5E-12"}}, kTolerance,
     2.5e-12},
    {"general units: large tolerance", {{1, "Units GENERAL"}, {11, "Tolerance 5.0"}}, kTolerance,
     5.0},
    {"general units: tiny tolerance", {{1, "Units GENERAL"}, {11, "Tolerance 1E-30"}}, kTolerance,
     1e-30},
    {"40 increments", {{12, "Increments 40"}}, kIncrements, 40},
    {"500 increments", {{12, "Increments 500"}}, kIncrements, 500},
    // Output options.
    {"summary only", {{13, "PrintSummaryOnly YES"}},
     [](const Options& o) { return o.printSummaryOnly; }, 1},
    {"printing increment", {{14, "PrintIncrement 5"}},
     [](const Options& o) { return o.printIncrement; }, 5},
    {"printing increment 0 with summary only", {{13, "PrintSummaryOnly YES"}, {14, "PrintInc 0"}},
     [](const Options& o) { return o.printIncrement; }, 0},
    {"p-y curves printed", {{15, "PrintPYCurves YES"}},
     [](const Options& o) { return o.printPyCurves; }, 1},
    {"p-y output switch", {{15, "PrintPYCurves YES"}},
     [](const Options& o) { return o.pyOutputSwitch; }, 1},
    {"interaction diagrams", {{16, "ComputeInteraction YES"}, {17, "Code AASHTO"}},
     [](const Options& o) { return o.computeInteraction; }, 1},
    {"AASHTO", {{16, "ComputeInteraction YES"}, {17, "Code AASHTO"}}, kInteractionCode, 1},
    {"ACI 318", {{16, "ComputeInteraction YES"}, {17, "Code ACI318"}}, kInteractionCode, 2},
    {"Eurocode 2, quoted", {{16, "ComputeInteraction YES"}, {17, "'Design code' 'Eurocode2'"}},
     kInteractionCode, 3},
};

TEST(OptionsReader, AcceptsEveryListedLine) {
  for (const AcceptedCase& c : kAccepted) {
    SCOPED_TRACE(c.name);
    const RunOutcome run = runInput(inputWith(c.edits));
    EXPECT_TRUE(run.inputRead()) << run.report;
    EXPECT_DOUBLE_EQ(c.field(run.ctx->model.options), c.expected);
  }
}

TEST(OptionsReader, SetsTheMultiplierRowsFromTheModifierOption) {
  struct RowsCase {
    const char* line;
    int rows;
  };
  for (const RowsCase& c : {RowsCase{"UsePYModifiers YES", 1}, RowsCase{"UsePYModifiers NO", 0}}) {
    SCOPED_TRACE(c.line);
    const RunOutcome run = runInput(inputWith({{6, c.line}}));
    EXPECT_TRUE(run.inputRead());
    EXPECT_EQ(run.ctx->model.tables.multipliers.rows, c.rows);
  }
}

// ---------------------------------------------------------- rejections ---

struct RejectedCase {
  const char* name;
  std::vector<Edit> edits;
  int error;             // input error number
  std::string report;    // what the reader writes to the report before raiseError
  std::string messages;  // what it writes to the run-message file
};

std::string toleranceBlock(int error, const std::string& problem, const std::string& advice) {
  return "\n**** Input Data Error No. " + std::to_string(error) + " ****\n\n" + problem + "\n" +
         advice + "\n\n";
}

const std::string kAdviceInches = "The recommended value for convergence tolerance is 0.00001 inches.";
const std::string kAdviceMeters = "The recommended value for convergence tolerance is 2.54E-7 meters.";

const std::string kTooFewIncrements =
    "**** Input Data Error No. 55 ****\n\nProblem:  The number of pile increments is less than "
    "40.\n\nSolution: Increase the number of pile increments to more than 40, preferably more "
    "than 100 increments.\n";
const std::string kTooManyIncrements =
    "**** Input Data Error No. 56 ****\n\nProblem:  The number of pile increments is more than "
    "500.\n\nSolution: Limit the number of pile increments to 500 or less.\n";

std::string iterationBlock(const std::string& value, const std::string& ending) {
  return "***** Input Data Error No. 95 *****\n\nProblem: Input value for iterations limit = " +
         value + ending +
         "\nSolution:  Correct input value to be between 30 and 1000 iterations.\n\n\n";
}

const std::vector<RejectedCase> kRejected = {
    {"units in lower case", {{1, "units SI"}}, 99, unrecognisedBlock("units SI"),
     unrecognisedBlock("units SI")},
    {"two blanks between the words", {{1, "Units  SI"}}, 99, unrecognisedBlock("Units  SI"),
     unrecognisedBlock("Units  SI")},
    {"units with a leading blank", {{1, " Units SI"}}, 99, unrecognisedBlock(" Units SI"),
     unrecognisedBlock(" Units SI")},
    {"LRFD option", {{2, "UseLRFD MAYBE"}}, 95,
     "\nINPUT ERROR - Unrecognized command for LRFD analysis option\n", ""},
    {"stiffness matrix option", {{3, "ComputeKmatrix yes"}}, 95,
     "\nINPUT ERROR - Unrecognized command for compute pile-head stiffness matrix option\n", ""},
    {"tip shear option", {{4, "UseTipShear"}}, 95,
     "\nINPUT ERROR - Unrecognized command for tip shear option\n", ""},
    {"soil movement option", {{5, "UseSoilMovement  NO"}}, 95,
     "\nINPUT ERROR - Unrecognized command for soil movement option\n\n", ""},
    {"p-y modifiers option", {{6, "UsePyModifiers NO"}}, 95,
     "\nINPUT ERROR - Unrecognized command for use of p-y modifiers option\n", ""},
    {"EI only option", {{7, "ComputeEIOnly N"}}, 95,
     "\nINPUT ERROR - Unrecognized command for compute nonlinear EI only option\n", ""},
    {"omitted line shifts the rest", {{4, std::nullopt}}, 95,
     "\nINPUT ERROR - Unrecognized command for tip shear option\n", ""},
    {"loading type in lower case", {{8, "Loading cyclic   100"}}, 95,
     "INPUT ERROR - Unrecognized command for loading type option\n", ""},
    {"loading type one column off", {{8, "Loading  CYCLIC  100"}}, 95,
     "INPUT ERROR - Unrecognized command for loading type option\n", ""},
    {"29 iterations", {{9, "MaxIter 29"}}, 95, iterationBlock("29", " and is less than 30 iteractions"),
     ""},
    {"1001 iterations", {{9, "MaxIter 1001"}}, 95,
     iterationBlock("1001", " and is more than 1,000 iteractions"), ""},
    {"null iteration limit keeps zero", {{9, "MaxIter ,,"}}, 95,
     iterationBlock("0", " and is less than 30 iteractions"), ""},
    {"tolerance above 0.1 inch", {{11, "Tolerance 0.1000001"}}, 66,
     toleranceBlock(66,
                    "Input value for convergence tolerance is too large (more than 0.1 inches). ",
                    kAdviceInches),
     toleranceBlock(66,
                    "Input value for convergence tolerance is too large (more than 0.1 inches). ",
                    kAdviceInches)},
    {"tolerance below 1E-10 inch", {{11, "Tolerance 9.9E-11"}}, 65,
     toleranceBlock(65,
                    "Input value for convergence tolerance is too small (less than 1E-10 inches). ",
                    kAdviceInches),
     toleranceBlock(65,
                    "Input value for convergence tolerance is too small (less than 1E-10 inches). ",
                    kAdviceInches)},
    {"tolerance of zero", {{11, "Tolerance 0"}}, 65,
     toleranceBlock(65,
                    "Input value for convergence tolerance is too small (less than 1E-10 inches). ",
                    kAdviceInches),
     toleranceBlock(65,
                    "Input value for convergence tolerance is too small (less than 1E-10 inches). ",
                    kAdviceInches)},
    {"SI tolerance above 0.00254 m", {{1, "Units SI"}, {11, "Tolerance 0.00254002"}}, 68,
     toleranceBlock(68,
                    "Input value of convergence tolerance too large (more than 2.54E-3 meters). ",
                    kAdviceMeters),
     toleranceBlock(68,
                    "Input value of convergence tolerance too large (more than 2.54E-3 meters). ",
                    kAdviceMeters)},
    {"SI tolerance below 2.5E-12 m", {{1, "Units SI"}, {11, "Tolerance 2.4E-12"}}, 67,
     toleranceBlock(67,
                    "Input value of convergence tolerance too small (less than 2.5E-12 meters). ",
                    kAdviceMeters),
     toleranceBlock(67,
                    "Input value of convergence tolerance too small (less than 2.5E-12 meters). ",
                    kAdviceMeters)},
    {"SI tolerance in inches is too large", {{1, "Units SI"}, {11, "Tolerance 0.1"}}, 68,
     toleranceBlock(68,
                    "Input value of convergence tolerance too large (more than 2.54E-3 meters). ",
                    kAdviceMeters),
     toleranceBlock(68,
                    "Input value of convergence tolerance too large (more than 2.54E-3 meters). ",
                    kAdviceMeters)},
    {"39 increments", {{12, "Increments 39"}}, 55, kTooFewIncrements, kTooFewIncrements},
    {"501 increments", {{12, "Increments 501"}}, 56, kTooManyIncrements, kTooManyIncrements},
    {"summary option", {{13, "PrintSummaryOnly"}}, 95,
     "\nINPUT ERROR - Unrecognized command for print summary only option\n", ""},
    {"printing increment 0", {{14, "PrintIncrement 0"}}, 95,
     "***** Input Data Error No. 95 *****\n\nProblem: Input value for printing increment = 0 and "
     "is less than 1\nSolution:  Correct input value to be 1 or more (nodal spacing of printed "
     "output).\n\n\n",
     ""},
    {"p-y curves option", {{15, "PrintPYCurves"}}, 95,
     "\nINPUT ERROR - Unrecognized command for p-y curve output depths option\n", ""},
    {"interaction option", {{16, "ComputeInteraction Yes"}}, 95,
     "INPUT ERROR - Unrecognized command for compute interaction option\n", ""},
    {"interaction code with a hyphen", {{16, "ComputeInteraction YES"}, {17, "Code ACI-318"}}, 95,
     "INPUT ERROR - Unrecognized command for interaction code option\n", ""},
    {"interaction code in lower case", {{16, "ComputeInteraction YES"}, {17, "Code aashto"}}, 95,
     "INPUT ERROR - Unrecognized command for interaction code option\n", ""},
    // Numbers that are none: input error 90 quoting the line (line 11 is MaxIter).
    {"real iteration limit", {{9, "MaxIter 2.5"}}, 90,
     badValueBlock(11, "2.5", "an integer", "MaxIter 2.5", kIntegerRule),
     badValueBlock(11, "2.5", "an integer", "MaxIter 2.5", kIntegerRule)},
    {"text for the deflection", {{10, "MaxDefl ten"}}, 90,
     badValueBlock(12, "ten", "a real number", "MaxDefl ten", kRealRule),
     badValueBlock(12, "ten", "a real number", "MaxDefl ten", kRealRule)},
    {"blanks inside the number of cycles", {{8, "Loading CYCLIC 1 0  "}}, 90,
     badValueBlock(10, "1 0", "the number of cycles (a real number in columns 15 to 20)",
                   "Loading CYCLIC 1 0", kRealRule),
     badValueBlock(10, "1 0", "the number of cycles (a real number in columns 15 to 20)",
                   "Loading CYCLIC 1 0", kRealRule)},
    {"text for the number of cycles", {{8, "Loading CYCLIC  many"}}, 90,
     badValueBlock(10, "many", "the number of cycles (a real number in columns 15 to 20)",
                   "Loading CYCLIC  many", kRealRule),
     badValueBlock(10, "many", "the number of cycles (a real number in columns 15 to 20)",
                   "Loading CYCLIC  many", kRealRule)},
    // The interaction code line is missing: its list runs into END and the
    // file ends (QUARNX6, OPTIONS, 16 lines, END).
    {"missing interaction code line", {{16, "ComputeInteraction YES"}}, 99, endedEarlyBlock(19),
     endedEarlyBlock(19)},
};

TEST(OptionsReader, StopsOnEveryFailedCheckWithItsBlock) {
  for (const RejectedCase& c : kRejected) {
    SCOPED_TRACE(c.name);
    const RunOutcome run = runInput(inputWith(c.edits));
    EXPECT_EQ(run.code, 100 + c.error);
    EXPECT_EQ(run.report, c.report + prematureEnd(c.error) + closingLine(c.error));
    EXPECT_EQ(run.messages, "Input of data begun\nReading analysis options\n" + c.messages +
                                closingLine(c.error));
  }
}

}  // namespace
}  // namespace quarn::input
