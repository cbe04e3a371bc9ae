#include "input/reader_errors.h"

#include <array>
#include <string>

#include "engine/limits.h"
#include "engine/messages.h"

namespace quarn::input {

namespace {

// Numbers chosen outside the register of the engine's input errors (and
// outside 90 and 91, which the free-format reader uses).
constexpr std::array<ReaderErrorMessage, 19> kMessages = {{
    {ReaderError::kTooManySections, 73, "INP00073", kMaxSections,
     "Problem:  The number of pile sections specified is {v}.",
     "          A pile may be divided into at most {limit} sections.",
     "Solution: Combine sections so that the pile has {limit} sections or fewer."},
    {ReaderError::kTooManyLayers, 74, "INP00074", kMaxLayers,
     "Problem:  The number of soil layers specified is {v}.",
     "          The soil profile may hold at most {limit} layers.",
     "Solution: Combine layers so that the profile has {limit} layers or fewer."},
    {ReaderError::kCriterionCode, 75, "INP00075", kCriterionCodes,
     "Problem:  The p-y criterion code of soil layer {n} is {v}.",
     "          Valid p-y criterion codes are 1 to {limit}.",
     "Solution: Select one of the p-y criteria for this layer."},
    {ReaderError::kUserPyPoints, 76, "INP00076", kMaxUserPyPoints,
     "Problem:  The number of points on a user-specified p-y curve of soil layer {n} is {v}.",
     "          A user-specified p-y curve is defined by 2 to {limit} points.",
     "Solution: Define each user-specified p-y curve with 2 to {limit} points."},
    {ReaderError::kTooManyLoadCases, 77, "INP00077", kMaxLoadCases,
     "Problem:  The number of pile-head load cases specified is {v}.",
     "          At most {limit} load cases can be analysed in one run.",
     "Solution: Divide the load cases over several runs of {limit} cases or fewer."},
    {ReaderError::kTooManyDistributedPoints, 78, "INP00078", kMaxDistributedPoints,
     "Problem:  The distributed lateral load is defined by {v} points.",
     "          The distributed lateral load may be defined by at most {limit} points.",
     "Solution: Define the distributed lateral load with {limit} points or fewer."},
    {ReaderError::kTooManyMultiplierRows, 79, "INP00079", kMaxMultiplierRows,
     "Problem:  The p-y multipliers are defined by {v} points.",
     "          p-y multipliers versus depth may be defined by at most {limit} points.",
     "Solution: Define the p-y multipliers with {limit} points or fewer."},
    {ReaderError::kTooManyPyOutputDepths, 80, "INP00080", kMaxPyOutputDepths,
     "Problem:  Printing of p-y curves was specified at {v} depths.",
     "          p-y curves may be printed at {limit} depths at most.",
     "Solution: Specify {limit} or fewer depths for printing of p-y curves."},
    {ReaderError::kTooManyTipShearPoints, 81, "INP00081", kMaxTipShearPoints,
     "Problem:  The shear resistance curve at the pile tip is defined by {v} points.",
     "          The tip shear resistance curve may be defined by at most {limit} points.",
     "Solution: Define the tip shear resistance curve with {limit} points or fewer."},
    {ReaderError::kBarCount, 82, "INP00082", kMaxBars,
     "Problem:  The number of reinforcing bars or strands of section {n} is {v}.",
     "          A section holds 1 to {limit} reinforcing bars or strands.",
     "Solution: Correct the number of bars, bar groups or strands of the section."},
    {ReaderError::kBundleSize, 83, "INP00083", 3,
     "Problem:  The bundle size of the reinforcing bars of section {n} is {v}.",
     "          Bars are placed singly or in bundles of 2 or 3 bars.",
     "Solution: Specify a bundle size of 1, 2 or 3."},
    {ReaderError::kConcreteCurvePoints, 84, "INP00084", kMaxConcreteCurvePoints,
     "Problem:  The number of points on the concrete stress-strain curve of section {n} is {v}.",
     "          A concrete stress-strain curve is defined by 2 to {limit} points.",
     "Solution: Define the concrete stress-strain curve with 2 to {limit} points."},
    {ReaderError::kUserEiThrusts, 85, "INP00085", kMaxUserEiThrusts,
     "Problem:  The number of axial thrust forces with bending stiffness data of section {n} is {v}.",
     "          Nonlinear bending stiffness may be given for 1 to {limit} axial thrust forces.",
     "Solution: Give the bending stiffness for 1 to {limit} axial thrust forces."},
    {ReaderError::kUserEiPoints, 86, "INP00086", kMaxUserEiPoints,
     "Problem:  The number of points on a curve of moment versus bending stiffness of section {n} is {v}.",
     "          Each curve is defined by 2 to {limit} points.",
     "Solution: Define each curve of bending moment versus stiffness with 2 to {limit} points."},
    {ReaderError::kMicropile, 87, "INP00087", 0,
     "Problem:  Section {n} is a micropile section (section type 14).",
     "          The input of a micropile section holds no cross-section data to analyse.",
     "Solution: Describe the micropile as a steel pipe pile, an elastic pile or a drilled shaft."},
    {ReaderError::kSectionType, 88, "INP00088", 14,
     "Problem:  The type code of section {n} is {v}.",
     "          Valid section type codes are 0 to {limit} and -3.",
     "Solution: Correct the section type code."},
    {ReaderError::kHeadLoadType, 89, "INP00089", 5,
     "Problem:  The load type of pile-head load case {n} is {v}.",
     "          Valid pile-head load types are 1 to {limit}.",
     "Solution: Correct the load type of the load case."},
    {ReaderError::kLrfdLoadTypeIndex, 92, "INP00092", kLrfdLoadTypes,
     "Problem:  The load type index of LRFD load number {n} is {v}.",
     "          Valid LRFD load type indices are 1 to {limit}.",
     "Solution: Correct the load type index of the LRFD load."},
    {ReaderError::kTooManyAxialThrusts, 93, "INP00093", kMaxAxialThrusts,
     "Problem:  The number of axial thrust forces specified is {v}.",
     "          At most {limit} axial thrust forces can be analysed.",
     "Solution: Specify {limit} or fewer axial thrust forces."},
}};

constexpr bool tableFollowsEnum() {
  for (std::size_t i = 0; i < kMessages.size(); ++i) {
    if (static_cast<std::size_t>(kMessages[i].id) != i) return false;
  }
  return true;
}
static_assert(tableFollowsEnum(), "the reader error table lists every error in enum order");

void replaceAll(std::string& text, std::string_view placeholder, const std::string& value) {
  for (std::size_t at = text.find(placeholder); at != std::string::npos;
       at = text.find(placeholder, at + value.size())) {
    text.replace(at, placeholder.size(), value);
  }
}

}  // namespace

std::span<const ReaderErrorMessage> readerErrorMessages() { return kMessages; }

const ReaderErrorMessage& readerErrorMessage(ReaderError id) {
  return kMessages[static_cast<std::size_t>(id)];
}

std::string expandReaderErrorText(std::string_view text, const ReaderErrorMessage& message,
                                  long long item, long long value) {
  std::string line(text);
  replaceAll(line, "{n}", std::to_string(item));
  replaceAll(line, "{v}", std::to_string(value));
  replaceAll(line, "{limit}", std::to_string(message.limit));
  return line;
}

void stopOnReaderError(engine::RunContext& ctx, ReaderError id, long long item, long long value) {
  const ReaderErrorMessage& message = readerErrorMessage(id);
  for (engine::Channel* channel : {&ctx.messages, &ctx.report}) {
    channel->endLine();
    channel->line("**** Input Data Error No. " + std::to_string(message.number) + " ****");
    channel->endLine();
    channel->line(expandReaderErrorText(message.problem, message, item, value));
    channel->line(expandReaderErrorText(message.rule, message, item, value));
    channel->line(expandReaderErrorText(message.solution, message, item, value));
    channel->endLine();
  }
  engine::stopRun(ctx, message.codeText, engine::kInputErrorBase + message.number);
}

}  // namespace quarn::input
