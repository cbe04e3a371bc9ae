// The input echo: every cross-field check with its block in the report and
// the run-message file and the value the run returns (the three bad inputs a
// new user meets among them), the reset of a tolerance of zero, the skipped
// parts of an analysis of bending stiffness only, and the texts the echo
// takes from tables (rock types, the liquefied sand warning).
#include "input/echo.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "engine/messages.h"
#include "input/echo_blocks.h"
#include "input/echo_errors.h"
#include "input/input_runs.h"
#include "input/keyword_reader.h"
#include "run/finish_run.h"

namespace quarn::input {
namespace {

using namespace quarn::input::testing;

// The bundled steel pipe example: a 60 ft elastic pipe pile in two soft clay
// layers reaching 70 ft, two load cases. Tests replace parts of it.
const std::string kExample =
    "QUARNX6\nTITLE\nEcho test\n\n\n\n\n"
    "OPTIONS\nUnits USCS\nUseLRFD NO\nComputeKmatrix NO\nUseTipShear NO\nUseSoilMovement NO\n"
    "UsePYModifiers NO\nComputeEIOnly NO\nLoading STATIC     0\nMaxIterations 100\n"
    "MaxDeflection 10.0\nTolerance 1.0E-5\nIncrements 100\nPrintSummaryOnly NO\n"
    "PrintIncrement 5\nPrintPYCurves NO\nComputeInteraction NO\n"
    "SECTIONS\n1\n1\n11\n60.0\n3\n29000000.0\n24.0\n24.0\n0.5\n0.5\n36.914\n36.914\n2549.3\n"
    "2549.3\n"
    "SOIL LAYERS\n2\n1 0.0 20.0\n50.0 400.0 0.02\n50.0 600.0 0.02\n1 20.0 70.0\n"
    "55.0 800.0 0.01\n55.0 1200.0 0.01\n"
    "LOADING\n2\n1 1 20000.0 0.0 50000.0 1\n2 2 30000.0 0.0 50000.0 1\n0\n"
    "END\n";

// The example with `from` replaced by `to` (which must occur).
std::string replaced(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  if (at == std::string::npos) throw std::logic_error("not in the example: " + from);
  return text.replace(at, from.size(), to);
}

std::string example(const std::vector<std::pair<std::string, std::string>>& changes) {
  std::string text = kExample;
  for (const auto& [from, to] : changes) text = replaced(text, from, to);
  return text;
}

const std::string kSoilLayers =
    "SOIL LAYERS\n2\n1 0.0 20.0\n50.0 400.0 0.02\n50.0 600.0 0.02\n1 20.0 70.0\n"
    "55.0 800.0 0.01\n55.0 1200.0 0.01\n";

// A report or message file holds `block` followed by the lines that close a
// run stopped on input error n (report) or the closing line (message file).
void expectStop(const RunOutcome& run, int n, const std::string& block) {
  EXPECT_EQ(run.code, 100 + n);
  const std::string reportEnd = block + prematureEnd(n) + closingLine(n);
  ASSERT_GE(run.report.size(), reportEnd.size());
  EXPECT_EQ(run.report.substr(run.report.size() - reportEnd.size()), reportEnd);
  const std::string messagesEnd = block + closingLine(n);
  ASSERT_GE(run.messages.size(), messagesEnd.size());
  EXPECT_EQ(run.messages.substr(run.messages.size() - messagesEnd.size()), messagesEnd);
  EXPECT_EQ(run.messages.find("Output of input data completed"), std::string::npos);
  EXPECT_EQ(run.messages.find("Computing lateral response"), std::string::npos);
}

std::string block18(const std::string& bottom, const std::string& tip) {
  return "**** Input Data Error No. 18 ****\n\nProblem: The depth at the bottom of the lowermost "
         "soil layer is " +
         bottom + "\n         This depth is higher than the tip of the pile at " + tip +
         ".\nSolution: Increase the depth of the soil profile or shorten the pile length.\n";
}

// ---- the three bad inputs of a new user -----------------------------------------

TEST(EchoChecks, SoilEndingAboveThePileTipStopsWithInputError18) {
  // An 80 ft pile in a profile that ends at 70 ft.
  const RunOutcome run = runInput(example({{"60.0\n3\n", "80.0\n3\n"}}));
  expectStop(run, 18, block18("  7.0000E+01", "  8.0000E+01"));
  EXPECT_EQ(run.report.find("ERROR 2 in computing i_BottomNodeInLayer"), std::string::npos);
  // The echo is complete up to the check.
  EXPECT_NE(run.report.find("Pile-head Loading and Pile-head Fixity Conditions"),
            std::string::npos);
}

TEST(EchoChecks, NoSoilLayersStopWithInputError18) {
  struct BadProfile {
    const char* what;
    std::string soil;
  };
  const BadProfile cases[] = {
      {"no SOIL LAYERS section", ""},
      // Code 18 is "Undefined": the layer is not counted, the profile is empty.
      {"only an undefined layer", "SOIL LAYERS\n1\n18 0.0 70.0\n"},
      {"a count of zero", "SOIL LAYERS\n0\n"},
  };
  for (const BadProfile& c : cases) {
    SCOPED_TRACE(c.what);
    const RunOutcome run = runInput(example({{kSoilLayers, c.soil}}));
    expectStop(run, 18, block18("  0.0000E+00", "  6.0000E+01"));
    EXPECT_NE(run.report.find("The soil profile is modelled using 0 layers\n"), std::string::npos);
  }
}

TEST(EchoChecks, ZeroDiameterStopsWithInputError27) {
  const std::string block27 =
      "\n**** Input Data Error No. 27 ****\n\nProblem:  Zero values for one of the following "
      "values were \nentered for one or more values of pile diameter.\n\nSolution:  NONE of these "
      "values may be zero.  Correct the \npile property data in your input data.\n\n";
  // The width at the top, at the bottom, and a negative width.
  for (const std::string widths : {"0.0\n24.0\n", "24.0\n0.0\n", "-24.0\n-24.0\n"}) {
    SCOPED_TRACE(widths);
    const RunOutcome run = runInput(example({{"24.0\n24.0\n", widths}}));
    expectStop(run, 27, block27);
    // The section's own lines come before the block.
    EXPECT_NE(run.report.find("   Moment of Inertia at Bottom"), std::string::npos);
  }
}

// ---- every other check ------------------------------------------------------------

TEST(EchoChecks, NoSectionsStopWithInputError17) {
  const std::string sections = kExample.substr(
      kExample.find("SECTIONS"), kExample.find("SOIL LAYERS") - kExample.find("SECTIONS"));
  const RunOutcome run = runInput(example({{sections, ""}}));
  expectStop(run, 17,
             "\n\n**** Input Data Error No. 17 ****\n\nThe number of points to define the pile "
             "properties is 2 to 40, not the input value of          0\n\n");
  EXPECT_NE(run.report.find("defined using 0 points."), std::string::npos);
}

TEST(EchoChecks, FirstMultiplierDepthAboveTheGroundStopsWithInputError21) {
  // Ground surface 5 ft below the pile head, multipliers from the head down.
  const RunOutcome run =
      runInput(example({{"1 0.0 20.0\n", "1 5.0 20.0\n"},
                        {"END\n", "GROUPEFF\n2\n1 0.0 0.8 1.0\n2 60.0 0.8 1.0\nEND\n"}}));
  expectStop(run, 21,
             "**** Input Data Error No. 21 ****\n\nProblem:  The depth for the first data for "
             "p-multipliers is \n          located at   0.0000E+00 below the top of the pile.'     "
             "     The ground surface is located at   5.0000E+00.\nSolution:  Correct the input "
             "data so that the first depth for \n          the p-multiplier data is the same as "
             "the elevation as the \n          ground surface.\n");
  // Multipliers from the ground surface down are accepted.
  const RunOutcome good =
      runInput(example({{"1 0.0 20.0\n", "1 5.0 20.0\n"},
                        {"END\n", "GROUPEFF\n2\n1 5.0 0.8 1.0\n2 60.0 0.8 1.0\nEND\n"}}));
  EXPECT_EQ(good.code, 0);
}

TEST(EchoChecks, CyclesOutsideTwoTo5000StopWithInputError28) {
  const auto block28 = [](const std::string& cycles) {
    return "\n\n**** Input Data Error No. 28 ****\n\nProblem:  Cyclic loading type was specified "
           "and the number of cycles of loading\nare outside the valid range of 2 to "
           "5,000.\n\nSolution:  Either correct the number of cycles of loading to be within 2 "
           "to 5,000\nor specify static loading.\nNumber of cycles of loading = " +
           cycles + "\n";
  };
  struct CycleCase {
    const char* line;
    int code;
    const char* shown;
  };
  const CycleCase cases[] = {
      {"Loading CYCLIC     1", 128, "1"},    {"Loading CYCLIC  1.99", 128, "1"},
      {"Loading CYCLIC  5001", 128, "5001"}, {"Loading CYCLIC     2", 0, ""},
      {"Loading CYCLIC  5000", 0, ""},       {"Loading STATIC     0", 0, ""},
  };
  for (const CycleCase& c : cases) {
    SCOPED_TRACE(c.line);
    const RunOutcome run = runInput(example({{"Loading STATIC     0", c.line}}));
    if (c.code == 0) {
      EXPECT_LE(run.code, 0) << "the run ends normally";
    } else {
      expectStop(run, 28, block28(c.shown));
    }
  }
}

TEST(EchoChecks, PyOutputDepthsOutsideThePileStopWithInputErrors29And30) {
  const auto withDepths = [](const std::string& depths) {
    return example({{"PrintPYCurves NO", "PrintPYCurves YES"},
                    {"1 0.0 20.0\n", "1 5.0 20.0\n"},
                    {"END\n", "DEPTHS OF PRINTED P-Y CURVES\n" + depths + "END\n"}});
  };
  const RunOutcome below = runInput(withDepths("2\n1 10.0\n2 60.01\n"));
  expectStop(below, 30,
             "**** Input Data Error No. 30 ****\n\nProblem:  Printing of a p-y curve was "
             "specified below the pile tip.\n\nSolution:  Specify printing depths only for depths "
             "above the pile tip.\n\nInput Point 2 at   60.01ft  was not printed because it is "
             "below the pile tip.\n");
  const RunOutcome above = runInput(withDepths("1\n1 4.99\n"));
  expectStop(above, 29,
             "**** Input Data Error No. 29 ****\n\nProblem:  A depth above the ground surface was "
             "specified for the printing\nof a p-y curve.\n\nSolution:  Specify a depth between "
             "the ground surface and pile tip.\n\n");
  // The ground surface and the pile tip themselves are printed.
  const RunOutcome ends = runInput(withDepths("2\n1 5.0\n2 60.0\n"));
  EXPECT_EQ(ends.code, 0);
  EXPECT_NE(ends.report.find("curves are computed and output at 2 depths."), std::string::npos);
  EXPECT_NE(ends.report.find("  2                60.000                     55.000\n"),
            std::string::npos);
}

TEST(EchoChecks, MalformedTipShearCurveStopsWithInputError50) {
  const auto block50 = [](int point) {
    return "**** Input Data Error No. 50 ****\n\nProblem:   The input data for shear resistance "
           "at the pile tip appears to be in error at point " +
           std::to_string(point) +
           ".\n\nSolution:  Check that the first point is (0,0) and that the x-values "
           "sucessively increase in deflection and magnitude.\n";
  };
  struct CurveCase {
    const char* points;
    int errorPoint;  // 0: accepted
  };
  const CurveCase cases[] = {
      {"3\n1 0.1 0.0\n2 0.5 100.0\n3 1.0 150.0\n", 1},
      {"3\n1 0.0 0.0\n2 0.5 100.0\n3 0.5 150.0\n", 3},
      {"3\n1 0.0 0.0\n2 0.5 100.0\n3 0.4 150.0\n", 3},
      {"3\n1 0.0 0.0\n2 0.5 100.0\n3 1.0 150.0\n", 0},
  };
  for (const CurveCase& c : cases) {
    SCOPED_TRACE(c.points);
    const RunOutcome run =
        runInput(example({{"UseTipShear NO", "UseTipShear YES"},
                          {"END\n", std::string("TIP SHEAR\n") + c.points + "END\n"}}));
    if (c.errorPoint == 0) {
      EXPECT_EQ(run.code, 0);
      EXPECT_NE(run.report.find("Shear Resistance Curve at Pile Tip"), std::string::npos);
    } else {
      expectStop(run, 50, block50(c.errorPoint));
    }
  }
  // With the option off the curve is neither used, shown nor judged.
  const RunOutcome off = runInput(example({{"END\n", "TIP SHEAR\n1\n1 0.1 0.0\nEND\n"}}));
  EXPECT_EQ(off.code, 0);
  EXPECT_EQ(off.report.find("Shear Resistance Curve at Pile Tip"), std::string::npos);
}

// ---- checks that input files cannot reach: on a model read and then altered -------

struct EchoRun {
  std::unique_ptr<engine::RunContext> ctx;
  int code = 0;
};

std::unique_ptr<engine::RunContext> readIntoMemory(const std::string& text) {
  auto ctx = engine::makeRunContext();
  initializeModel(ctx->model, "test");
  ctx->report.captureInMemory();
  ctx->plot.captureInMemory();
  ctx->messages.captureInMemory();
  ctx->input.openText(text);
  readFormatTag(ctx->input);
  readKeywordInput(*ctx);
  setUnitLabels(ctx->model);
  return ctx;
}

EchoRun echoAndFinish(std::unique_ptr<engine::RunContext> ctx) {
  try {
    Echo_Input(*ctx);
  } catch (const engine::RunStopped&) {
    // the code is in the model
  }
  EchoRun run;
  run.code = run::finishRun(*ctx);
  run.ctx = std::move(ctx);
  return run;
}

TEST(EchoChecks, ProfilesThatDoNotStartAtTheGroundStopWithInputErrors19And20) {
  // The reader puts the ground surface at the top of the first layer, so only
  // a model changed after reading can hold these faults.
  struct GroundCase {
    double ground;
    int error;
    std::string block;
  };
  const GroundCase cases[] = {
      {-2.0, 19,
       "**** Input Data Error No. 19 ****\n\nThe depth of the first point of the data for "
       "effective unit\nis located at       0.0000 below the top of the pile.\nThe ground surface "
       "is located at      -2.0000.\nThe first point for the effective unit weight should be "
       "located\nat the same elevation as the ground surface.\n"},
      {2.5, 20,
       "**** Input Data Error No. 20 ****\n\nProblem:  The first depth of the soil profile is "
       "located at       0.0000\n          below the top of the pile.\n          The ground "
       "surface is elevation is       2.5000.\nSolution: Correct the input data so that the first "
       "depth of \n          the soil profile data is be located at the same elevation as the "
       "ground surface.\n"},
  };
  for (const GroundCase& c : cases) {
    SCOPED_TRACE(c.error);
    auto ctx = readIntoMemory(kExample);
    ctx->model.pile.groundSurfaceDepth = c.ground;
    EXPECT_EQ(checkSoilProfile(ctx->model), static_cast<EchoError>(c.error));
    const EchoRun run = echoAndFinish(std::move(ctx));
    EXPECT_EQ(run.code, 100 + c.error);
    const std::string end = c.block + prematureEnd(c.error) + closingLine(c.error);
    const std::string& report = run.ctx->report.text();
    EXPECT_EQ(report.substr(report.size() - end.size()), end);
    const std::string& messages = run.ctx->messages.text();
    const std::string messagesEnd = c.block + closingLine(c.error);
    EXPECT_EQ(messages.substr(messages.size() - messagesEnd.size()), messagesEnd);
  }
}

TEST(EchoChecks, SoilProfileCheckOrder) {
  auto ctx = readIntoMemory(kExample);
  AnalysisModel& model = ctx->model;
  EXPECT_EQ(checkSoilProfile(model), std::nullopt);
  model.pile.length = 70.0;  // the pile tip at the bottom of the profile
  EXPECT_EQ(checkSoilProfile(model), std::nullopt);
  model.pile.length = 70.5;
  EXPECT_EQ(checkSoilProfile(model), EchoError::kSoilAboveTip);
  model.pile.length = 60.0;
  model.tables.multipliers.rows = 1;
  model.tables.multipliers.depth[1] = -0.1;
  EXPECT_EQ(checkSoilProfile(model), EchoError::kMultiplierAboveGround);
  model.tables.multipliers.depth[1] = 0.0;
  EXPECT_EQ(checkSoilProfile(model), std::nullopt);
}

TEST(EchoChecks, CheckFunctions) {
  TipShearCurve curve;
  EXPECT_EQ(tipShearErrorPoint(curve), std::nullopt);
  curve.points = 1;
  EXPECT_EQ(tipShearErrorPoint(curve), std::nullopt);  // the origin alone
  curve.displacement[1] = -0.1;
  EXPECT_EQ(tipShearErrorPoint(curve), 1);

  Options options;
  options.cyclicLoading = false;
  options.numberOfCycles = 0.0;
  EXPECT_FALSE(cyclesOutOfRange(options));  // static loading has no count to judge
  options.cyclicLoading = true;
  for (double n : {1.999, 5000.001, 0.0, -3.0}) {
    options.numberOfCycles = n;
    EXPECT_TRUE(cyclesOutOfRange(options)) << n;
  }
  for (double n : {2.0, 100.0, 5000.0}) {
    options.numberOfCycles = n;
    EXPECT_FALSE(cyclesOutOfRange(options)) << n;
  }

  AnalysisModel model;
  for (int stations : {0, 1, 41}) {
    model.pile.numberOfStations = stations;
    EXPECT_EQ(checkPropertyStations(model), EchoError::kPropertyStations) << stations;
  }
  for (int stations : {2, 40}) {
    model.pile.numberOfStations = stations;
    EXPECT_EQ(checkPropertyStations(model), std::nullopt) << stations;
  }
}

TEST(EchoChecks, EveryBlockIsInTheTableWithItsNumber) {
  for (int n : {17, 18, 19, 20, 21, 27, 28, 29, 30, 50}) {
    const engine::MessageBlock& block = echoErrorMessage(static_cast<EchoError>(n));
    EXPECT_EQ(block.number, n);
    EXPECT_EQ(engine::errorCodeOf(block), 100 + n);
    EXPECT_EQ(block.codeText, "INP000" + std::to_string(n));
  }
  EXPECT_EQ(echoErrorMessages().size(), 10u);
}

// ---- what the echo changes and leaves out -------------------------------------------

TEST(Echo, ToleranceOfZeroIsResetAndSaidSo) {
  // US customary and SI input reject a tolerance below their lower limit
  // while reading (input errors 65 and 67); general units have no limit.
  struct ToleranceCase {
    std::string units;
    std::string tolerance;
    double setAfterReading;  // NaN: as read
    std::string echoed;
    std::string reset;
    double value;
  };
  const double asRead = std::numeric_limits<double>::quiet_NaN();
  const ToleranceCase cases[] = {
      {"Units USCS", "Tolerance 1.0E-5", 0.0, "   0.0000E+00 in ",
       "(Specified convergence tolerance of 0 reset by program to 1.0000E-06 inches)\n\n",
       static_cast<double>(1.0e-6f)},
      {"Units SI", "Tolerance 1.0E-5", 0.0, "   0.0000E+00 m  ",
       "(Specified convergence tolerance of 0 reset by program to 2.5400E-08 meters)\n\n",
       static_cast<double>(2.54e-8f)},
      {"Units GENERAL", "Tolerance -1.0", asRead, "  -1.0000E+00 L  ",
       "(Specified convergence tolerance of 0 reset by program to 2.5400E-08 meters)\n\n",
       static_cast<double>(2.54e-8f)},
  };
  for (const ToleranceCase& c : cases) {
    SCOPED_TRACE(c.units);
    auto ctx =
        readIntoMemory(example({{"Units USCS", c.units}, {"Tolerance 1.0E-5", c.tolerance}}));
    if (!std::isnan(c.setAfterReading)) ctx->model.options.convergenceTolerance = c.setAfterReading;
    const EchoRun run = echoAndFinish(std::move(ctx));
    const std::string& report = run.ctx->report.text();
    const std::string lines =
        "- Deflection tolerance for convergence                 =" + c.echoed +
        "\n- Maximum allowable deflection";
    EXPECT_NE(report.find(lines), std::string::npos);
    const std::string allowable = c.echoed.substr(c.echoed.size() - 3);
    EXPECT_NE(report.find("=      10.0000 " + allowable + "\n\n" + c.reset), std::string::npos);
    EXPECT_EQ(run.ctx->model.options.convergenceTolerance, c.value);
  }
  // A positive tolerance stays and has no reset line.
  const EchoRun run = echoAndFinish(readIntoMemory(kExample));
  EXPECT_EQ(run.ctx->report.text().find("reset by program"), std::string::npos);
  EXPECT_EQ(run.ctx->model.options.convergenceTolerance, 1.0e-5);
}

TEST(Echo, BendingStiffnessOnlySkipsSolutionControlsAndSoilChecks) {
  // Soil ending above the tip would stop a pile analysis (input error 18).
  const std::string input =
      example({{"ComputeEIOnly NO", "ComputeEIOnly YES"}, {"1 20.0 70.0\n", "1 20.0 50.0\n"}});
  const RunOutcome run = runInput(input);
  EXPECT_EQ(run.code, 0);
  const std::string& report = run.report;
  const std::string options =
      "Basic Program Options:\n\nThis analysis computes nominal moment capacity and nonlinear "
      "bending stiffness only.\n\n" +
      std::string(80, '-') + "\n" + std::string(20, ' ') +
      "Pile Structural Properties and Geometry";
  EXPECT_NE(report.find(options), std::string::npos);
  for (const char* left : {"Computation Options:", "Solution Control Parameters:",
                           "Pile Response Output Options:", "Input Data Error"}) {
    EXPECT_EQ(report.find(left), std::string::npos) << left;
  }
  EXPECT_NE(report.find("(Depth of lowest soil layer extends  -10.00 ft below pile tip)"),
            std::string::npos);
  // The same profile stops a pile analysis.
  EXPECT_EQ(runInput(example({{"1 20.0 70.0\n", "1 20.0 50.0\n"}})).code, 118);
}

TEST(Echo, RunMessagesFrameTheEcho) {
  const RunOutcome run = runInput(kExample);
  const std::size_t begun = run.messages.find("Output of input data begun\n");
  const std::size_t completed = run.messages.find("Output of input data completed\n\n");
  const std::size_t sections = run.messages.find("Computing nonlinear bending stiffness");
  ASSERT_NE(begun, std::string::npos);
  EXPECT_LT(run.messages.find("Name of runtime messeage file:"), begun);
  EXPECT_EQ(completed, begun + std::string("Output of input data begun\n").size());
  EXPECT_LT(completed, sections);
}

TEST(Echo, MassiveRockTypeLine) {
  struct RockCase {
    int code;
    std::string line;  // empty: no rock type line
  };
  const RockCase cases[] = {
      {1, " The rock type is (sedimentary) anhydrite, Hoek-Brown Material Constant mi = 12"},
      {25, " The rock type is (metamorphic) slates, Hoek-Brown Material Constant mi = 7"},
      {35, " The rock type is (igneous) granite, Hoek-Brown Material Constant mi = 32"},
      {42, " The rock type is (igneous) tuff, Hoek-Brown Material Constant mi = 13"},
      {43, " The rock type is (unclassified) User-defined, Hoek-Brown Material Constant mi = 4"},
      {50, " The rock type is (unclassified) User-defined, Hoek-Brown Material Constant mi = 11"},
      {71, " The rock type is (unclassified) User-defined, Hoek-Brown Material Constant mi = 32"},
      {72, ""},
      {0, ""},
  };
  for (const RockCase& c : cases) {
    SCOPED_TRACE(c.code);
    const std::string rock = "SOIL LAYERS\n1\n16 0.0 70.0\n150.0 5000.0 " + std::to_string(c.code) +
                             " 50.0 0.25\n150.0 5000.0 " + std::to_string(c.code) + " 50.0 0.25\n";
    auto ctx = readIntoMemory(example({{kSoilLayers, rock}}));
    echo::writeSoilLayers(*ctx);
    const std::string& report = ctx->report.text();
    const std::string heading = "Layer 1 is massive rock, p-y criteria by Liang et al., 2009\n\n";
    const std::size_t at = report.find(heading);
    ASSERT_NE(at, std::string::npos);
    const std::string next = report.substr(
        at + heading.size(), report.find('\n', at + heading.size()) - at - heading.size());
    if (c.line.empty()) {
      EXPECT_EQ(next.rfind("   Distance from top of pile to top of layer", 0), 0u) << next;
    } else {
      EXPECT_EQ(next, c.line);
    }
  }
}

TEST(Echo, LiquefiedSandBelowSixMetresIsWarnedOnce) {
  const std::string warning =
      "   Warning : The depth of this layer is deeper than the recommended depth limit \n"
      "             for using the p-y criteria for liquefied sand.\n\n"
      "   Please consult the Quarn Technical Manual for additional background \n"
      "   information regarding limitations on the use of the liquefied sand criteria.\n\n";
  struct SandCase {
    const char* bottom;
    bool warned;
  };
  // 6 m is 19.685 ft; the layer starts at the ground surface.
  for (const SandCase& c : {SandCase{"25.0", true}, SandCase{"19.68", false}}) {
    SCOPED_TRACE(c.bottom);
    const std::string sand = std::string("SOIL LAYERS\n2\n7 0.0 ") + c.bottom + "\n60.0\n60.0\n1 " +
                             c.bottom + " 70.0\n55.0 800.0 0.01\n55.0 1200.0 0.01\n";
    auto ctx = readIntoMemory(example({{kSoilLayers, sand}}));
    echo::writeSoilLayers(*ctx);
    const std::string& report = ctx->report.text();
    EXPECT_EQ(report.find(warning) != std::string::npos, c.warned);
    EXPECT_EQ(ctx->model.state.warningOccurrences[354], c.warned ? 1 : 0);
  }
}

TEST(Echo, UnitWeightsOutsideTheirLimitsAreWarned) {
  const std::string us =
      "\n**** Warning - Possible Input Data Error ****\n\nValues entered for effective unit "
      "weights of soil were outside\nthe limits of 0.011574 pci (20 pcf) or 0.0810019 pci (140 "
      "pcf)\nThis data may be erroneous.  Please check your data.\n\n";
  struct WeightCase {
    const char* weight;
    bool warned;
  };
  for (const WeightCase& c : {WeightCase{"19.0", true}, WeightCase{"141.0", true},
                              WeightCase{"20.0", false}, WeightCase{"139.9", false}}) {
    SCOPED_TRACE(c.weight);
    auto ctx = readIntoMemory(example({{"55.0 800.0", std::string(c.weight) + " 800.0"}}));
    echo::writeSoilLayers(*ctx);
    EXPECT_EQ(ctx->report.text().find(us) != std::string::npos, c.warned);
    EXPECT_EQ(ctx->messages.text().find(us) != std::string::npos, c.warned);
  }
  // General units cannot be judged and say so on both channels.
  auto ctx = readIntoMemory(example({{"Units USCS", "Units GENERAL"}}));
  echo::writeSoilLayers(*ctx);
  const std::string general =
      "\n**** Warning ****\n\nValues of effective unit weight cannot be checked because \ngeneral "
      "units have been selected.\n\n";
  EXPECT_NE(ctx->report.text().find(general), std::string::npos);
  EXPECT_NE(ctx->messages.text().find(general), std::string::npos);
}

}  // namespace
}  // namespace quarn::input
