#include "input/reader_errors.h"

#include <array>
#include <string>
#include <string_view>

namespace quarn::input {

namespace {

using engine::ErrorFamily;
using engine::kToReportAndMessages;

constexpr std::array<engine::MessageBlock, 19> kMessages = {{
    {ErrorFamily::kInput,
     73,
     "INP00073",
     2,
     {{{kToReportAndMessages,
        "\n"
        "**** Input Data Error No. 73 ****\n"
        "\n"
        "Problem:  The number of pile sections specified is {1}.\n"
        "          A pile may be divided into at most {2} sections.\n"
        "Solution: Combine sections so that the pile has {2} sections or fewer.\n"
        "\n"}}}},
    {ErrorFamily::kInput,
     74,
     "INP00074",
     2,
     {{{kToReportAndMessages,
        "\n"
        "**** Input Data Error No. 74 ****\n"
        "\n"
        "Problem:  The number of soil layers specified is {1}.\n"
        "          The soil profile may hold at most {2} layers.\n"
        "Solution: Combine layers so that the profile has {2} layers or fewer.\n"
        "\n"}}}},
    {ErrorFamily::kInput,
     75,
     "INP00075",
     3,
     {{{kToReportAndMessages,
        "\n"
        "**** Input Data Error No. 75 ****\n"
        "\n"
        "Problem:  The p-y criterion code of soil layer {1} is {2}.\n"
        "          Valid p-y criterion codes are 1 to {3}.\n"
        "Solution: Select one of the p-y criteria for this layer.\n"
        "\n"}}}},
    {ErrorFamily::kInput,
     76,
     "INP00076",
     3,
     {{{kToReportAndMessages,
        "\n"
        "**** Input Data Error No. 76 ****\n"
        "\n"
        "Problem:  The number of points on a user-specified p-y curve of soil layer {1} is {2}.\n"
        "          A user-specified p-y curve is defined by 2 to {3} points.\n"
        "Solution: Define each user-specified p-y curve with 2 to {3} points.\n"
        "\n"}}}},
    {ErrorFamily::kInput,
     77,
     "INP00077",
     2,
     {{{kToReportAndMessages,
        "\n"
        "**** Input Data Error No. 77 ****\n"
        "\n"
        "Problem:  The number of pile-head load cases specified is {1}.\n"
        "          At most {2} load cases can be analysed in one run.\n"
        "Solution: Divide the load cases over several runs of {2} cases or fewer.\n"
        "\n"}}}},
    {ErrorFamily::kInput,
     78,
     "INP00078",
     2,
     {{{kToReportAndMessages,
        "\n"
        "**** Input Data Error No. 78 ****\n"
        "\n"
        "Problem:  The distributed lateral load is defined by {1} points.\n"
        "          The distributed lateral load may be defined by at most {2} points.\n"
        "Solution: Define the distributed lateral load with {2} points or fewer.\n"
        "\n"}}}},
    {ErrorFamily::kInput,
     79,
     "INP00079",
     2,
     {{{kToReportAndMessages,
        "\n"
        "**** Input Data Error No. 79 ****\n"
        "\n"
        "Problem:  The p-y multipliers are defined by {1} points.\n"
        "          p-y multipliers versus depth may be defined by at most {2} points.\n"
        "Solution: Define the p-y multipliers with {2} points or fewer.\n"
        "\n"}}}},
    {ErrorFamily::kInput,
     80,
     "INP00080",
     2,
     {{{kToReportAndMessages,
        "\n"
        "**** Input Data Error No. 80 ****\n"
        "\n"
        "Problem:  Printing of p-y curves was specified at {1} depths.\n"
        "          p-y curves may be printed at {2} depths at most.\n"
        "Solution: Specify {2} or fewer depths for printing of p-y curves.\n"
        "\n"}}}},
    {ErrorFamily::kInput,
     81,
     "INP00081",
     2,
     {{{kToReportAndMessages,
        "\n"
        "**** Input Data Error No. 81 ****\n"
        "\n"
        "Problem:  The shear resistance curve at the pile tip is defined by {1} points.\n"
        "          The tip shear resistance curve may be defined by at most {2} points.\n"
        "Solution: Define the tip shear resistance curve with {2} points or fewer.\n"
        "\n"}}}},
    {ErrorFamily::kInput,
     82,
     "INP00082",
     3,
     {{{kToReportAndMessages,
        "\n"
        "**** Input Data Error No. 82 ****\n"
        "\n"
        "Problem:  The number of reinforcing bars or strands of section {1} is {2}.\n"
        "          A section holds 1 to {3} reinforcing bars or strands.\n"
        "Solution: Correct the number of bars, bar groups or strands of the section.\n"
        "\n"}}}},
    {ErrorFamily::kInput,
     83,
     "INP00083",
     2,
     {{{kToReportAndMessages,
        "\n"
        "**** Input Data Error No. 83 ****\n"
        "\n"
        "Problem:  The bundle size of the reinforcing bars of section {1} is {2}.\n"
        "          Bars are placed singly or in bundles of 2 or 3 bars.\n"
        "Solution: Specify a bundle size of 1, 2 or 3.\n"
        "\n"}}}},
    {ErrorFamily::kInput,
     84,
     "INP00084",
     3,
     {{{kToReportAndMessages,
        "\n"
        "**** Input Data Error No. 84 ****\n"
        "\n"
        "Problem:  The number of points on the concrete stress-strain curve of section {1} is "
        "{2}.\n"
        "          A concrete stress-strain curve is defined by 2 to {3} points.\n"
        "Solution: Define the concrete stress-strain curve with 2 to {3} points.\n"
        "\n"}}}},
    {ErrorFamily::kInput,
     85,
     "INP00085",
     3,
     {{{kToReportAndMessages,
        "\n"
        "**** Input Data Error No. 85 ****\n"
        "\n"
        "Problem:  The number of axial thrust forces with bending stiffness data of section {1} is "
        "{2}.\n"
        "          Nonlinear bending stiffness may be given for 1 to {3} axial thrust forces.\n"
        "Solution: Give the bending stiffness for 1 to {3} axial thrust forces.\n"
        "\n"}}}},
    {ErrorFamily::kInput,
     86,
     "INP00086",
     3,
     {{{kToReportAndMessages,
        "\n"
        "**** Input Data Error No. 86 ****\n"
        "\n"
        "Problem:  The number of points on a curve of moment versus bending stiffness of section "
        "{1} is {2}.\n"
        "          Each curve is defined by 2 to {3} points.\n"
        "Solution: Define each curve of bending moment versus stiffness with 2 to {3} points.\n"
        "\n"}}}},
    {ErrorFamily::kInput,
     87,
     "INP00087",
     1,
     {{{kToReportAndMessages,
        "\n"
        "**** Input Data Error No. 87 ****\n"
        "\n"
        "Problem:  Section {1} is a micropile section (section type 14).\n"
        "          The input of a micropile section holds no cross-section data to analyse.\n"
        "Solution: Describe the micropile as a steel pipe pile, an elastic pile or a drilled "
        "shaft.\n"
        "\n"}}}},
    {ErrorFamily::kInput,
     88,
     "INP00088",
     2,
     {{{kToReportAndMessages,
        "\n"
        "**** Input Data Error No. 88 ****\n"
        "\n"
        "Problem:  The type code of section {1} is {2}.\n"
        "          Valid section type codes are 0 to 14 and -3.\n"
        "Solution: Correct the section type code.\n"
        "\n"}}}},
    {ErrorFamily::kInput,
     89,
     "INP00089",
     2,
     {{{kToReportAndMessages,
        "\n"
        "**** Input Data Error No. 89 ****\n"
        "\n"
        "Problem:  The load type of pile-head load case {1} is {2}.\n"
        "          Valid pile-head load types are 1 to 5.\n"
        "Solution: Correct the load type of the load case.\n"
        "\n"}}}},
    {ErrorFamily::kInput,
     92,
     "INP00092",
     3,
     {{{kToReportAndMessages,
        "\n"
        "**** Input Data Error No. 92 ****\n"
        "\n"
        "Problem:  The load type index of LRFD load number {1} is {2}.\n"
        "          Valid LRFD load type indices are 1 to {3}.\n"
        "Solution: Correct the load type index of the LRFD load.\n"
        "\n"}}}},
    {ErrorFamily::kInput,
     93,
     "INP00093",
     2,
     {{{kToReportAndMessages,
        "\n"
        "**** Input Data Error No. 93 ****\n"
        "\n"
        "Problem:  The number of axial thrust forces specified is {1}.\n"
        "          At most {2} axial thrust forces can be analysed.\n"
        "Solution: Specify {2} or fewer axial thrust forces.\n"
        "\n"}}}},
}};

// Every reader error has its block.
constexpr bool everyErrorHasItsBlock() {
  using enum ReaderError;
  for (ReaderError id : {kTooManySections, kTooManyLayers, kCriterionCode, kUserPyPoints,
                         kTooManyLoadCases, kTooManyDistributedPoints, kTooManyMultiplierRows,
                         kTooManyPyOutputDepths, kTooManyTipShearPoints, kBarCount, kBundleSize,
                         kConcreteCurvePoints, kUserEiThrusts, kUserEiPoints, kMicropile,
                         kSectionType, kHeadLoadType, kLrfdLoadTypeIndex, kTooManyAxialThrusts}) {
    if (engine::findMessageBlock(kMessages, static_cast<int>(id)).family != ErrorFamily::kInput) {
      return false;
    }
  }
  return true;
}
static_assert(everyErrorHasItsBlock());

}  // namespace

std::span<const engine::MessageBlock> readerErrorMessages() {
  return kMessages;
}

const engine::MessageBlock& readerErrorMessage(ReaderError id) {
  return engine::findMessageBlock(kMessages, static_cast<int>(id));
}

void stopOnReaderError(engine::RunContext& ctx, ReaderError id,
                       std::initializer_list<long long> values) {
  constexpr std::size_t kMostValues = 3;
  QUARN_ASSERT(values.size() <= kMostValues, "a reader error takes at most three values");
  std::array<std::string, kMostValues> texts;
  std::array<std::string_view, kMostValues> arguments;
  std::size_t n = 0;
  for (long long value : values) {
    texts[n] = std::to_string(value);
    arguments[n] = texts[n];
    ++n;
  }
  engine::stopWithMessage(ctx, readerErrorMessage(id), std::span(arguments.data(), n));
}

}  // namespace quarn::input
