// Rock criteria: every input error, runtime error and warning they raise,
// each triggered once, with the blocks spelled out as the engine's
// documentation gives them.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "report/warning_summary.h"
#include "soil/py_framework.h"
#include "soil/weak_rock.h"
#include "soil_fixture.h"

namespace quarn::soil {
namespace {

using testing::addLayer;
using testing::errorCodeOf;
using testing::makeSoilContext;
using testing::placeVerticalNodes;
using testing::setUniformPile;
using testing::setValue;

constexpr int kSoftClay = 1;
constexpr int kWeakRock = 8;
constexpr int kVuggy = 9;
constexpr int kMassiveRock = 16;

std::string lines(const std::vector<std::string>& rows) {
  std::string text;
  for (const std::string& row : rows) text += row + "\n";
  return text;
}

bool endsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// A weak rock layer with strength qu, RQD 50, Eir 100 MPa (SI) and k_rm.
SoilLayer& addWeakRock(AnalysisModel& model, double top, double bottom, double quTop,
                       double quBottom, double krm = 0.0001) {
  SoilLayer& rock = addLayer(model, kWeakRock, top, bottom);
  setValue(rock.cohesion, quTop, quBottom);
  setValue(rock.unitWeight, 12.0, 12.0);
  setValue(rock.rqd, 50.0, 50.0);
  setValue(rock.rockModulus, 1.0e5, 1.0e5);
  setValue(rock.krm, krm, krm);
  rock.epsilon50 = rock.krm;
  return rock;
}

struct ErrorCase {
  const char* name;
  std::function<void(engine::RunContext&)> build;  // the model
  std::function<void(engine::RunContext&)> run;    // the step that stops
  int code;
  std::string reportTail;  // the report ends with this
  std::string messages;    // the run-message file, in full
};

void sweep(engine::RunContext& ctx) {
  updateSoilModuli(ctx);
}

TEST(RockErrors, EachErrorStopsWithItsBlock) {
  const std::string prematurely = "\n\nQuarn ended prematurely due to input error number ";
  const std::vector<ErrorCase> cases = {
      {"no compressive strength (input error 62)",
       [](engine::RunContext& ctx) {
         addWeakRock(ctx.model, 0.0, 10.0, 0.0, 0.0);
         setUniformPile(ctx.model, 10.0, 1.0);
         placeVerticalNodes(ctx.model, 40);
       },
       sweep, 162,
       lines({"**** Input Data Error No. 62 ****", "",
              "Problem:   The input value for compressive strength is less than or equal to zero.",
              "", "Solution:  Check the input values for layer 1"}) +
           prematurely + "INP00062\n",
       lines({"**** Input Data Error No. 62 ****", "",
              "Problem:   The input value for compressive strength is less than or equal to zero.",
              "", "Solution:  Check the input values for layer 1"})},

      // No strength where two weak rock layers meet, at a printed depth that is
      // not the first of its call (a node at an interface is always the first
      // of its layer).
      {"no strength below the layer's first entry (input error 16)",
       [](engine::RunContext& ctx) {
         addWeakRock(ctx.model, 0.0, 5.0, 2000.0, 2000.0);
         addWeakRock(ctx.model, 5.0, 10.0, 2000.0, 0.0);
         addWeakRock(ctx.model, 10.0, 15.0, 0.0, 2000.0);
         setUniformPile(ctx.model, 15.0, 1.0);
         placeVerticalNodes(ctx.model, 30);
       },
       [](engine::RunContext& ctx) {
         const double depths[] = {0.0, 7.5, 10.0};
         printPyCurves(ctx, 2, 1, 2, depths);
       },
       116,
       lines({"**** Input Data Error No. 16 ****", "",
              "An error was detected when computing the p-y curve for weak rock.",
              "Problem:   The input value for the compressive strength of a weak rock was ",
              "           input as negative or zero (0).", "",
              "Solution:  Check the depth values for soil layering and soil shear strength ",
              "           values and correct the input data."}) +
           prematurely + "INP00016\n",
       ""},

      {"no k_rm (input error 63, code text INP00163)",
       [](engine::RunContext& ctx) {
         addWeakRock(ctx.model, 0.0, 10.0, 2000.0, 2000.0, 0.0);
         setUniformPile(ctx.model, 10.0, 1.0);
         placeVerticalNodes(ctx.model, 40);
       },
       sweep, 163,
       lines({"**** Input Data Error No. 63 ****", "",
              "Problem:  The input value for k_rm for weak rock is less than or equal to zero.", "",
              "Solution: Check the input values for layer 1"}) +
           prematurely + "INP00163\n",
       ""},

      // A pile without width has no strain range yrm = k_rm b.
      {"no strain range (runtime error 22)",
       [](engine::RunContext& ctx) {
         addWeakRock(ctx.model, 0.0, 10.0, 2000.0, 2000.0);
         setUniformPile(ctx.model, 10.0, 0.0);
         placeVerticalNodes(ctx.model, 40);
       },
       sweep, 222,
       lines(
           {"**** Runtime Error No. 22 ****", "",
            "An error was detected when computing the p-y curve for weak rock.     ",
            "Problem:  The input value for k_rm is less than or equal to 0. ", "",
            "Solution:  Check the input values for the week rock properties in the soil layer 1"}),
       lines({"ERROR 1 BEFORE EQN 11"})},

      // A layer without thickness at the pile tip, holding the tip node.
      {"weak rock layer without thickness (runtime error 20)",
       [](engine::RunContext& ctx) {
         addWeakRock(ctx.model, 0.0, 10.0, 2000.0, 2000.0);
         addWeakRock(ctx.model, 10.0, 10.0, 2000.0, 2000.0);
         setUniformPile(ctx.model, 10.0, 1.0);
         placeVerticalNodes(ctx.model, 40);
       },
       sweep, 220,
       lines({"**** Runtime Error No. 20 ****", "",
              "Problem:  The top and bottom elevations for weak rock layer are equal.",
              "Solution: Correct the input data for elevations defining weak rock layer."}),
       ""},

      {"massive rock layer without thickness (runtime error 20)",
       [](engine::RunContext& ctx) {
         for (double top : {0.0, 10.0}) {
           SoilLayer& rock = addLayer(ctx.model, kMassiveRock, top, 10.0);
           setValue(rock.cohesion, 20000.0, 20000.0);
           setValue(rock.unitWeight, 22.0, 22.0);
         }
         setUniformPile(ctx.model, 10.0, 1.0);
         placeVerticalNodes(ctx.model, 40);
         for (int k = 1; k <= ctx.model.pileModel.N; ++k) ctx.model.pileModel.node[k].EI = 1.0e6;
       },
       sweep, 220,
       lines({"**** Runtime Error No. 20 ****", "",
              "Problem:  The top and bottom elevations for massive rock layer are equal.",
              "          The top and bottom elevations for layer 2 =   1.0000E+01", "", "",
              "Solution: Correct the input data for elevations defining the massive rock layer."}),
       ""},
  };
  for (const ErrorCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto ctx = makeSoilContext(kUnitsSi);
    c.build(*ctx);
    EXPECT_EQ(errorCodeOf(*ctx, [&] { c.run(*ctx); }), c.code);
    EXPECT_TRUE(endsWith(ctx->report.text(), c.reportTail)) << ctx->report.text();
    EXPECT_EQ(ctx->messages.text(), c.messages);
  }
}

TEST(RockErrors, ANegativeModulusIsNotedAndTheRunGoesOn) {
  auto ctx = makeSoilContext(kUnitsSi);
  SoilLayer& rock = addWeakRock(ctx->model, 0.0, 10.0, 2000.0, 2000.0);
  setValue(rock.rockModulus, -1.0e5, -1.0e5);
  setUniformPile(ctx->model, 10.0, 1.0);
  placeVerticalNodes(ctx->model, 10);
  updateSoilModuli(*ctx);
  EXPECT_EQ(ctx->model.state.errorCode, 0);
  EXPECT_EQ(ctx->messages.text(), lines(std::vector<std::string>(11, "ERROR 2 BEFORE EQN 11")));
}

struct WarningCase {
  const char* name;
  int units;
  std::function<void(AnalysisModel&)> layers;  // soil of a 10-unit pile, 10 increments
  int code;                                    // 0: no warning at all
  int count;
};

TEST(RockWarnings, EachWarningIsRegisteredAtTheNodesItConcerns) {
  const auto weak = [](double qu, double krm) {
    return [=](AnalysisModel& model) { addWeakRock(model, 0.0, 10.0, qu, qu, krm); };
  };
  const auto vuggy = [](double qu) {
    return [=](AnalysisModel& model) {
      SoilLayer& rock = addLayer(model, kVuggy, 0.0, 10.0);
      setValue(rock.cohesion, qu, qu);
      setValue(rock.unitWeight, 14.0, 14.0);
    };
  };
  const std::vector<WarningCase> cases = {
      {"weak rock below 100 psi", kUnitsUsCustomary, weak(50.0, 0.0001), -3071, 11},
      {"weak rock above 1000 psi", kUnitsUsCustomary, weak(1500.0, 0.0001), -3072, 11},
      {"weak rock below 689.5 kPa", kUnitsSi, weak(500.0, 0.0001), -3073, 11},
      {"weak rock above 6895 kPa", kUnitsSi, weak(8000.0, 0.0001), -3074, 11},
      {"weak rock in general units", kUnitsGeneral, weak(50.0, 0.0001), 0, 0},
      {"k_rm below 0.00005", kUnitsSi, weak(2000.0, 0.00001), -316, 11},
      {"k_rm above 0.0005", kUnitsSi, weak(2000.0, 0.001), -317, 11},
      {"k_rm at the ends of its range", kUnitsSi, weak(2000.0, 0.0005), 0, 0},
      // Not at the top of the layer: ten of the eleven nodes.
      {"vuggy limestone with su below 500 psi", kUnitsUsCustomary, vuggy(800.0), -308, 10},
      {"vuggy limestone with su above 2500 psi", kUnitsUsCustomary, vuggy(5200.0), -308, 10},
      {"vuggy limestone with su below 6895 kPa", kUnitsSi, vuggy(10000.0), -308, 10},
      {"vuggy limestone with su above 17237.5 kPa", kUnitsSi, vuggy(40000.0), -308, 10},
      {"vuggy limestone within its range", kUnitsSi, vuggy(20000.0), 0, 0},
      // Clay of 8 psi above rock of 150 psi: at the interface node the
      // strength is (2 x 8 + 150) / 2 = 83 psi, but no warning is given there.
      {"no strength warning at an interface", kUnitsUsCustomary,
       [](AnalysisModel& model) {
         SoilLayer& clay = addLayer(model, kSoftClay, 0.0, 5.0);
         setValue(clay.cohesion, 8.0, 8.0);
         setValue(clay.unitWeight, 0.04, 0.04);
         setValue(clay.epsilon50, 0.01, 0.01);
         addWeakRock(model, 5.0, 10.0, 150.0, 150.0);
       },
       0, 0},
  };
  for (const WarningCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto ctx = makeSoilContext(c.units);
    c.layers(ctx->model);
    setUniformPile(ctx->model, 10.0, 1.0);
    placeVerticalNodes(ctx->model, 10);
    updateSoilModuli(*ctx);
    const RunState& state = ctx->model.state;
    EXPECT_EQ(state.errorCode, 0);
    for (int code = 1; code <= kMaxWarningCode; ++code) {
      const int expected = code == -c.code ? c.count : 0;
      EXPECT_EQ(state.warningOccurrences[static_cast<std::size_t>(code)], expected) << code;
    }
  }
}

// Every rock warning has its block in the summary at the end of the report.
TEST(RockWarnings, EveryWarningHasItsBlockInTheSummary) {
  for (int code : {308, 316, 317, 3071, 3072, 3073, 3074}) {
    SCOPED_TRACE(code);
    const auto block = report::warningBlock(code);
    ASSERT_GE(block.size(), 4u);
    EXPECT_EQ(block[0].substr(0, 15), "**** Warning - ");
    EXPECT_EQ(block[1], "");
    for (std::string_view line : block) EXPECT_LE(line.size(), 80u);
  }

  // Weak rock of 50 psi with k_rm 0.00001 at eleven nodes.
  auto ctx = makeSoilContext(kUnitsUsCustomary);
  addWeakRock(ctx->model, 0.0, 10.0, 50.0, 50.0, 0.00001);
  setUniformPile(ctx->model, 10.0, 1.0);
  placeVerticalNodes(ctx->model, 10);
  updateSoilModuli(*ctx);
  EXPECT_EQ(report::Write_Warning_Summary(*ctx), 2);
  const std::string dashes(80, '-');
  EXPECT_EQ(
      ctx->report.text(),
      lines({"",
             "",
             dashes,
             "                          Summary of Warning Messages",
             dashes,
             "",
             "The following warning was reported 11 times",
             "",
             "**** Warning - Value of k_rm for Weak Rock ****",
             "",
             "The strain factor k_rm of a weak rock layer is less than 0.00005, the lower end",
             "of the range of 0.00005 to 0.0005 recommended for the weak rock criteria.",
             "The input value was used in computations.",
             "",
             "The following warning was reported 11 times",
             "",
             "**** Warning - Compressive Strength of Weak Rock ****",
             "",
             "The uniaxial compressive strength of a weak rock layer is less than 100 psi.",
             "The p-y criteria for weak rock were developed for rock of 100 to 1000 psi;",
             "consider the criteria for a soil for a layer of this strength.",
             ""}));
}

}  // namespace
}  // namespace quarn::soil
