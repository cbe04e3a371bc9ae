#include "input/options_reader.h"

#include <array>
#include <string>
#include <string_view>

#include "engine/messages.h"
#include "engine/single_precision.h"
#include "input/free_format.h"

namespace quarn::input {

namespace {

using engine::Channel;
using engine::RunContext;

constexpr int kUnrecognisedCommand = 95;

// Iteration limits of the nonlinear solution: fewer than 30 iterations rarely
// converge on soft soils; more than 1000 only hide a divergent case.
constexpr int kMinIterations = 30;
constexpr int kMaxIterations = 1000;

// ---------------------------------------------------------- line texts ---

struct UnitsText {
  std::string_view text;
  int units;
};
constexpr std::array<UnitsText, 3> kUnitsLines = {{
    {"Units USCS", kUnitsUsCustomary},
    {"Units SI", kUnitsSi},
    {"Units GENERAL", kUnitsGeneral},
}};

// A line that must read "<name> YES" or "<name> NO", and the report lines
// written when it holds neither.
struct YesNoLine {
  std::string_view name;
  std::string_view error;
  bool emptyLineBefore;
  bool emptyLineAfter;
};

constexpr YesNoLine kLrfdLine{
    "UseLRFD", "INPUT ERROR - Unrecognized command for LRFD analysis option", true, false};
constexpr YesNoLine kKmatrixLine{
    "ComputeKmatrix",
    "INPUT ERROR - Unrecognized command for compute pile-head stiffness matrix option", true,
    false};
constexpr YesNoLine kTipShearLine{
    "UseTipShear", "INPUT ERROR - Unrecognized command for tip shear option", true, false};
constexpr YesNoLine kSoilMovementLine{
    "UseSoilMovement", "INPUT ERROR - Unrecognized command for soil movement option", true, true};
constexpr YesNoLine kPyModifiersLine{
    "UsePYModifiers", "INPUT ERROR - Unrecognized command for use of p-y modifiers option", true,
    false};
constexpr YesNoLine kEiOnlyLine{
    "ComputeEIOnly", "INPUT ERROR - Unrecognized command for compute nonlinear EI only option",
    true, false};
constexpr YesNoLine kSummaryOnlyLine{
    "PrintSummaryOnly", "INPUT ERROR - Unrecognized command for print summary only option", true,
    false};
constexpr YesNoLine kPyCurvesLine{
    "PrintPYCurves", "INPUT ERROR - Unrecognized command for p-y curve output depths option", true,
    false};
constexpr YesNoLine kInteractionLine{
    "ComputeInteraction", "INPUT ERROR - Unrecognized command for compute interaction option",
    false, false};

constexpr std::string_view kLoadingTypeError =
    "INPUT ERROR - Unrecognized command for loading type option";
constexpr std::string_view kInteractionCodeError =
    "INPUT ERROR - Unrecognized command for interaction code option";

struct InteractionCodeText {
  std::string_view text;
  int code;
};
constexpr std::array<InteractionCodeText, 3> kInteractionCodes = {{
    {"AASHTO", 1},
    {"ACI318", 2},
    {"Eurocode2", 3},
}};

// ------------------------------------------------- convergence tolerance ---

// Tolerance limits and their blocks (written to channel 8, then channel 6).
// The upper limits are single-precision values, so a tolerance of exactly
// 0.1 inch or 0.00254 m passes. The lower limits are ours: 1E-10 inch and
// 2.5E-12 m, the values the blocks name, so limit and text agree; below them
// the deflection changes are lost in round-off and the iteration never ends.
struct ToleranceCheck {
  int units;
  bool tooLarge;  // true: the upper limit, false: the lower limit
  double limit;
  int error;
  std::string_view codeText;
  std::string_view problem;
  std::string_view recommendation;
};
constexpr std::array<ToleranceCheck, 4> kToleranceChecks = {{
    {kUnitsUsCustomary, false, 1.0e-10, 65, "INP00065",
     "Input value for convergence tolerance is too small (less than 1E-10 inches). ",
     "The recommended value for convergence tolerance is 0.00001 inches."},
    {kUnitsUsCustomary, true, sp(0.1f), 66, "INP00066",
     "Input value for convergence tolerance is too large (more than 0.1 inches). ",
     "The recommended value for convergence tolerance is 0.00001 inches."},
    {kUnitsSi, false, 2.5e-12, 67, "INP00067",
     "Input value of convergence tolerance too small (less than 2.5E-12 meters). ",
     "The recommended value for convergence tolerance is 2.54E-7 meters."},
    {kUnitsSi, true, sp(0.00254f), 68, "INP00068",
     "Input value of convergence tolerance too large (more than 2.54E-3 meters). ",
     "The recommended value for convergence tolerance is 2.54E-7 meters."},
}};

// ---------------------------------------------------------- increments ---

struct IncrementCheck {
  bool tooMany;
  int error;
  std::string_view codeText;
  std::string_view problem;
  std::string_view solution;
};
constexpr std::array<IncrementCheck, 2> kIncrementChecks = {{
    {false, 55, "INP00055", "Problem:  The number of pile increments is less than 40.",
     "Solution: Increase the number of pile increments to more than 40, preferably more than "
     "100 increments."},
    {true, 56, "INP00056", "Problem:  The number of pile increments is more than 500.",
     "Solution: Limit the number of pile increments to 500 or less."},
}};

// ---------------------------------------------------------------- stops ---

[[noreturn]] void stopWithError(RunContext& ctx, std::string_view codeText, int number) {
  engine::stopRun(ctx, codeText, engine::kInputErrorBase + number);
}

[[noreturn]] void stopOnUnrecognisedCommand(RunContext& ctx, std::string_view text,
                                            bool emptyLineBefore, bool emptyLineAfter) {
  if (emptyLineBefore) ctx.report.endLine();
  ctx.report.line(text);
  if (emptyLineAfter) ctx.report.endLine();
  stopWithError(ctx, "INP00095", kUnrecognisedCommand);
}

// -------------------------------------------------------------- lines ---

void readUnits(RunContext& ctx) {
  const std::string line = readTextLine(ctx);
  for (const UnitsText& entry : kUnitsLines) {
    if (matchesKeyword(line, entry.text)) {
      ctx.model.options.IUNITS = entry.units;
      return;
    }
  }
  engine::stopOnUnrecognisedLine(ctx, line);
}

bool readYesNo(RunContext& ctx, const YesNoLine& option) {
  const std::string line = readTextLine(ctx);
  const std::string name(option.name);
  if (matchesKeyword(line, name + " YES")) return true;
  if (matchesKeyword(line, name + " NO")) return false;
  stopOnUnrecognisedCommand(ctx, option.error, option.emptyLineBefore, option.emptyLineAfter);
}

// Line 8, in fixed columns: 1 to 8 ignored, 9 to 14 "CYCLIC" or "STATIC",
// 15 to 20 the number of cycles (a decimal point is optional).
void readLoadingType(RunContext& ctx) {
  const std::string line = readTextLine(ctx);
  std::string field = line;
  field.resize(kTextLineLength, ' ');
  const std::string_view columns(field);
  const std::string_view type = columns.substr(8, 6);
  if (type == "CYCLIC") {
    ctx.model.options.cyclicLoading = true;
  } else if (type == "STATIC") {
    ctx.model.options.cyclicLoading = false;
  } else {
    stopOnUnrecognisedCommand(ctx, kLoadingTypeError, false, false);
  }
  // An all-blank number field reads as zero cycles. Blanks around the number
  // are ignored, so "100" reads as 100 cycles wherever it stands in the six
  // columns (reading trailing blanks as zeros would turn a left-justified
  // 100 into 100000); blanks between digits make the field unreadable.
  const std::string_view cycles = columns.substr(14, 6);
  const std::size_t first = cycles.find_first_not_of(' ');
  if (first == std::string_view::npos) {
    ctx.model.options.numberOfCycles = 0.0;
    return;
  }
  const std::size_t last = cycles.find_last_not_of(' ');
  const std::string_view number = cycles.substr(first, last - first + 1);
  const std::optional<double> value = parseReal(number);
  if (!value) {
    const ValueForm cyclesForm{"the number of cycles (a real number in columns 15 to 20)",
                               kRealForm.rule};
    stopOnBadValue(ctx, line, number, cyclesForm);
  }
  ctx.model.options.numberOfCycles = *value;
}

// Lines 9 to 12 and 14: a label of up to 16 characters (ignored) and a value.
// A null value leaves the option as it was.
template <typename T>
void readLabelledValue(RunContext& ctx, T& value) {
  std::string label;
  readList(ctx, {TextItem{&label, 16}, &value});
}

void checkIterations(RunContext& ctx) {
  const int iterations = ctx.model.options.maxIterations;
  std::string_view ending;
  if (iterations < kMinIterations) {
    ending = " and is less than 30 iteractions";
  } else if (iterations > kMaxIterations) {
    ending = " and is more than 1,000 iteractions";
  } else {
    return;
  }
  Channel& report = ctx.report;
  report.line("***** Input Data Error No. 95 *****");
  report.endLine();
  report.line("Problem: Input value for iterations limit = " + std::to_string(iterations) +
              std::string(ending));
  report.line("Solution:  Correct input value to be between 30 and 1000 iterations.");
  report.emptyLines(2);
  stopWithError(ctx, "INP00095", kUnrecognisedCommand);
}

void checkTolerance(RunContext& ctx) {
  const Options& options = ctx.model.options;
  // General units have no natural scale, so no tolerance limit applies.
  for (const ToleranceCheck& check : kToleranceChecks) {
    if (check.units != options.IUNITS) continue;
    const double tolerance = options.convergenceTolerance;
    const bool outside = check.tooLarge ? tolerance > check.limit : !(tolerance >= check.limit);
    if (!outside) continue;
    for (Channel* channel : {&ctx.messages, &ctx.report}) {
      channel->endLine();
      channel->line("**** Input Data Error No. " + std::to_string(check.error) + " ****");
      channel->endLine();
      channel->line(check.problem);
      channel->line(check.recommendation);
      channel->endLine();
    }
    stopWithError(ctx, check.codeText, check.error);
  }
}

void checkIncrements(RunContext& ctx) {
  const int increments = ctx.model.options.numberOfIncrements;
  for (const IncrementCheck& check : kIncrementChecks) {
    const bool outside = check.tooMany ? increments > kMaxIncrements : increments < kMinIncrements;
    if (!outside) continue;
    for (Channel* channel : {&ctx.messages, &ctx.report}) {
      channel->line("**** Input Data Error No. " + std::to_string(check.error) + " ****");
      channel->endLine();
      channel->line(check.problem);
      channel->endLine();
      channel->line(check.solution);
    }
    stopWithError(ctx, check.codeText, check.error);
  }
}

// The results tables print nodes 1, 1 + p, 1 + 2p, ...: a printing increment
// below 1 would never advance. Only checked when those tables are printed.
void checkPrintIncrement(RunContext& ctx) {
  const Options& options = ctx.model.options;
  if (options.printSummaryOnly || options.printIncrement >= 1) return;
  Channel& report = ctx.report;
  report.line("***** Input Data Error No. 95 *****");
  report.endLine();
  report.line("Problem: Input value for printing increment = " +
              std::to_string(options.printIncrement) + " and is less than 1");
  report.line("Solution:  Correct input value to be 1 or more (nodal spacing of printed output).");
  report.emptyLines(2);
  stopWithError(ctx, "INP00095", kUnrecognisedCommand);
}

// Line 17: a text item (ignored) and the code of the design standard.
void readInteractionCode(RunContext& ctx) {
  std::string label;
  std::string code;
  readList(ctx, {TextItem{&label, 11}, TextItem{&code, 11}});
  const std::size_t last = code.find_last_not_of(' ');
  code.resize(last == std::string::npos ? 0 : last + 1);
  for (const InteractionCodeText& entry : kInteractionCodes) {
    if (code == entry.text) {
      ctx.model.options.interactionCode = entry.code;
      return;
    }
  }
  stopOnUnrecognisedCommand(ctx, kInteractionCodeError, false, false);
}

}  // namespace

void readOptions(RunContext& ctx) {
  ctx.messages.line("Reading analysis options");
  Options& options = ctx.model.options;

  readUnits(ctx);
  options.useLrfd = readYesNo(ctx, kLrfdLine);
  options.computeKmatrix = readYesNo(ctx, kKmatrixLine);
  options.useTipShear = readYesNo(ctx, kTipShearLine);
  options.useSoilMovement = readYesNo(ctx, kSoilMovementLine);
  options.usePyModifiers = readYesNo(ctx, kPyModifiersLine);
  ctx.model.tables.multipliers.rows = options.usePyModifiers ? 1 : 0;
  options.ICOM = readYesNo(ctx, kEiOnlyLine) ? kAnalysisEiOnly : kAnalysisFull;
  readLoadingType(ctx);

  readLabelledValue(ctx, options.maxIterations);
  checkIterations(ctx);
  readLabelledValue(ctx, options.maxAllowableDeflection);
  readLabelledValue(ctx, options.convergenceTolerance);
  checkTolerance(ctx);
  readLabelledValue(ctx, options.numberOfIncrements);
  checkIncrements(ctx);

  options.printSummaryOnly = readYesNo(ctx, kSummaryOnlyLine);
  readLabelledValue(ctx, options.printIncrement);
  checkPrintIncrement(ctx);
  options.printPyCurves = readYesNo(ctx, kPyCurvesLine);
  options.pyOutputSwitch = options.printPyCurves ? 1 : 0;
  options.computeInteraction = readYesNo(ctx, kInteractionLine);
  if (options.computeInteraction) readInteractionCode(ctx);
}

}  // namespace quarn::input
