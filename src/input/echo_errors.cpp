#include "input/echo_errors.h"

#include <array>
#include <string>

namespace quarn::input {

namespace {

using engine::ErrorFamily;
using engine::kToReportAndMessages;

constexpr std::array<engine::MessageBlock, 10> kMessages = {{
    {ErrorFamily::kInput,
     17,
     "INP00017",
     1,
     {{{kToReportAndMessages,
        "\n"
        "\n"
        "**** Input Data Error No. 17 ****\n"
        "\n"
        "The number of points to define the pile properties is 2 to 40, not the input value of "
        "{1}\n"
        "\n"}}}},
    {ErrorFamily::kInput,
     18,
     "INP00018",
     2,
     {{{kToReportAndMessages,
        "**** Input Data Error No. 18 ****\n"
        "\n"
        "Problem: The depth at the bottom of the lowermost soil layer is {1}\n"
        "         This depth is higher than the tip of the pile at {2}.\n"
        "Solution: Increase the depth of the soil profile or shorten the pile length.\n"}}}},
    {ErrorFamily::kInput,
     19,
     "INP00019",
     2,
     {{{kToReportAndMessages,
        "**** Input Data Error No. 19 ****\n"
        "\n"
        "The depth of the first point of the data for effective unit\n"
        "is located at {1} below the top of the pile.\n"
        "The ground surface is located at {2}.\n"
        "The first point for the effective unit weight should be located\n"
        "at the same elevation as the ground surface.\n"}}}},
    {ErrorFamily::kInput,
     20,
     "INP00020",
     2,
     {{{kToReportAndMessages,
        "**** Input Data Error No. 20 ****\n"
        "\n"
        "Problem:  The first depth of the soil profile is located at {1}\n"
        "          below the top of the pile.\n"
        "          The ground surface is elevation is {2}.\n"
        "Solution: Correct the input data so that the first depth of \n"
        "          the soil profile data is be located at the same elevation as the ground "
        "surface.\n"}}}},
    {ErrorFamily::kInput,
     21,
     "INP00021",
     2,
     {{{kToReportAndMessages,
        "**** Input Data Error No. 21 ****\n"
        "\n"
        "Problem:  The depth for the first data for p-multipliers is \n"
        "          located at {1} below the top of the pile.'          The ground surface is "
        "located at {2}.\n"
        "Solution:  Correct the input data so that the first depth for \n"
        "          the p-multiplier data is the same as the elevation as the \n"
        "          ground surface.\n"}}}},
    {ErrorFamily::kInput,
     27,
     "INP00027",
     0,
     {{{kToReportAndMessages,
        "\n"
        "**** Input Data Error No. 27 ****\n"
        "\n"
        "Problem:  Zero values for one of the following values were \n"
        "entered for one or more values of pile diameter.\n"
        "\n"
        "Solution:  NONE of these values may be zero.  Correct the \n"
        "pile property data in your input data.\n"
        "\n"}}}},
    {ErrorFamily::kInput,
     28,
     "INP00028",
     1,
     {{{kToReportAndMessages,
        "\n"
        "\n"
        "**** Input Data Error No. 28 ****\n"
        "\n"
        "Problem:  Cyclic loading type was specified and the number of cycles of loading\n"
        "are outside the valid range of 2 to 5,000.\n"
        "\n"
        "Solution:  Either correct the number of cycles of loading to be within 2 to 5,000\n"
        "or specify static loading.\n"
        "Number of cycles of loading = {1}\n"}}}},
    {ErrorFamily::kInput,
     29,
     "INP00029",
     0,
     {{{kToReportAndMessages,
        "**** Input Data Error No. 29 ****\n"
        "\n"
        "Problem:  A depth above the ground surface was specified for the printing\n"
        "of a p-y curve.\n"
        "\n"
        "Solution:  Specify a depth between the ground surface and pile tip.\n"
        "\n"}}}},
    {ErrorFamily::kInput,
     30,
     "INP00030",
     3,
     {{{kToReportAndMessages,
        "**** Input Data Error No. 30 ****\n"
        "\n"
        "Problem:  Printing of a p-y curve was specified below the pile tip.\n"
        "\n"
        "Solution:  Specify printing depths only for depths above the pile tip.\n"
        "\n"
        "Input Point {1} at {2}{3} was not printed because it is below the pile tip.\n"}}}},
    {ErrorFamily::kInput,
     50,
     "INP00050",
     1,
     {{{kToReportAndMessages,
        "**** Input Data Error No. 50 ****\n"
        "\n"
        "Problem:   The input data for shear resistance at the pile tip appears to be in error "
        "at point {1}.\n"
        "\n"
        "Solution:  Check that the first point is (0,0) and that the x-values sucessively "
        "increase in deflection and magnitude.\n"}}}},
}};

constexpr bool everyErrorHasItsBlock() {
  using enum EchoError;
  for (EchoError id : {kPropertyStations, kSoilAboveTip, kUnitWeightBelowGround, kSoilBelowPileTop,
                       kMultiplierAboveGround, kZeroWidth, kCycles, kPyDepthAboveGround,
                       kPyDepthBelowTip, kTipShearCurve}) {
    if (engine::findMessageBlock(kMessages, static_cast<int>(id)).family != ErrorFamily::kInput) {
      return false;
    }
  }
  return true;
}
static_assert(everyErrorHasItsBlock());

constexpr int kMinStations = 2;
constexpr int kMaxStations = 2 * kMaxSections;
constexpr double kFewestCycles = 2.0;
constexpr double kMostCycles = 5000.0;

}  // namespace

std::span<const engine::MessageBlock> echoErrorMessages() {
  return kMessages;
}

const engine::MessageBlock& echoErrorMessage(EchoError id) {
  return engine::findMessageBlock(kMessages, static_cast<int>(id));
}

void stopOnEchoError(engine::RunContext& ctx, EchoError id,
                     std::initializer_list<std::string_view> values) {
  engine::stopWithMessage(ctx, echoErrorMessage(id), values);
}

std::optional<EchoError> checkPropertyStations(const AnalysisModel& model) {
  const int stations = model.pile.numberOfStations;
  if (stations < kMinStations || stations > kMaxStations) return EchoError::kPropertyStations;
  return std::nullopt;
}

std::optional<EchoError> checkSoilProfile(const AnalysisModel& model) {
  const Soil& soil = model.soil;
  const int layers = soil.numberOfLayers;
  // Without a layer the profile ends at the pile head.
  const double bottom = layers >= 1 ? soil.layers[static_cast<std::size_t>(layers)].bottom : 0.0;
  if (model.pile.length > bottom) return EchoError::kSoilAboveTip;
  const double ground = model.pile.groundSurfaceDepth;
  const double first = soil.layers[1].top;
  if (first > ground) return EchoError::kUnitWeightBelowGround;
  if (first < ground) return EchoError::kSoilBelowPileTop;
  const MultiplierTable& multipliers = model.tables.multipliers;
  if (multipliers.rows >= 1 && multipliers.depth[1] < ground)
    return EchoError::kMultiplierAboveGround;
  return std::nullopt;
}

std::optional<int> tipShearErrorPoint(const TipShearCurve& curve) {
  if (curve.points < 1) return std::nullopt;
  if (curve.displacement[1] != 0.0) return 1;
  for (int j = 2; j <= curve.points; ++j) {
    const auto u = static_cast<std::size_t>(j);
    if (!(curve.displacement[u] > curve.displacement[u - 1])) return j;
  }
  return std::nullopt;
}

bool cyclesOutOfRange(const Options& options) {
  return options.cyclicLoading &&
         (options.numberOfCycles < kFewestCycles || options.numberOfCycles > kMostCycles);
}

bool hasZeroWidth(const Pile& pile, int s) {
  const PropertyStation& top = pile.stations[static_cast<std::size_t>(2 * s - 1)];
  const PropertyStation& bottom = pile.stations[static_cast<std::size_t>(2 * s)];
  return !(top.width > 0.0) || !(bottom.width > 0.0);
}

}  // namespace quarn::input
