// The other soil criteria: every input and runtime error they raise, each
// triggered once, with its blocks on the report and the run-message file.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

#include "soil/py_framework.h"
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
constexpr int kPiedmont = 10;
constexpr int kCementedSilt = 11;
constexpr int kLoess = 12;
constexpr double kDegree = std::numbers::pi / 180.0;

std::string lines(const std::vector<std::string>& rows) {
  std::string text;
  for (const std::string& row : rows) text += row + "\n";
  return text;
}

// A cemented silt layer of c, phi (degrees) and gamma' 9 kN/m3, k 20000 kN/m3.
SoilLayer& addSilt(AnalysisModel& model, double top, double bottom, double cTop, double cBottom,
                   double phi) {
  SoilLayer& silt = addLayer(model, kCementedSilt, top, bottom);
  setValue(silt.cohesion, cTop, cBottom);
  setValue(silt.frictionAngle, phi, phi);
  setValue(silt.unitWeight, 9.0, 9.0);
  setValue(silt.subgradeK, 20000.0, 20000.0);
  return silt;
}

struct ErrorCase {
  const char* name;
  std::function<void(AnalysisModel&)> build;  // soil and options of a 10 m pile, 20 increments
  int code;
  std::string block;     // written to the report (then the error line of input errors) ...
  bool toMessages;       // ... and to the run-message file
  std::string codeText;  // of an input error, for the report's closing line
};

TEST(OtherCriteriaErrors, EachErrorStopsWithItsBlock) {
  const std::vector<ErrorCase> cases = {
      {"silt without cohesion below its top (input error 48)",
       [](AnalysisModel& model) { addSilt(model, 0.0, 10.0, 0.0, 0.0, 30.0); }, 148,
       lines({"**** Input Data Error No. 48 ****", "",
              "Problem: A negative or zero value of cohesion was input for ",
              "a soil defined as a silt.", "", "Layer = 1, Depth =    0.50000000, c =  0.000E+00",
              "", "Solution:  Please revise and correct the input data.  ",
              "Both cohesion and friction angle should be non-zero for silt soils."}),
       true, "INP00048"},

      {"silt without friction (input error 10)",
       [](AnalysisModel& model) { addSilt(model, 0.0, 10.0, 10.0, 10.0, 0.0); }, 110,
       lines({"**** Input Data Error No. 10 ****", "",
              "Problem:  A negative or zero value was input for the friction angle for a silt.", "",
              "Solution:  Please revise and correct the input data.  ",
              "Both cohesion and friction angle must be non-zero for the cemented silt soil."}),
       true, "INP00010"},

      // The slope as steep as the friction angle where the silt has no cohesion
      // (its top, where none is required).
      {"slope as steep as the friction angle without cohesion (input error 11)",
       [](AnalysisModel& model) {
         addSilt(model, 0.0, 10.0, 0.0, 10.0, 30.0);
         model.tables.batter.slopeAngle = 30.0 * kDegree;
         model.tables.batter.effectiveSlopeAngle = 30.0 * kDegree;
       },
       111,
       lines({"**** Input Data Error No. 11 ****", "",
              "An error was detected in the input data when computing a p-y.",
              "curve using the criteria for silt for layer 1.", "",
              "Problem:  The angle of the ground slope can not be greater ",
              "than the internal friction angle of cohesionless silt.", "",
              "Solution:  Set the value for slope angle to be less than ", "the angle of friction.",
              ""}),
       true, "INP00011"},

      // In any layer: here the second, below soft clay.
      {"slope steeper than the friction angle (runtime error 23)",
       [](AnalysisModel& model) {
         SoilLayer& clay = addLayer(model, kSoftClay, 0.0, 2.0);
         setValue(clay.cohesion, 20.0, 20.0);
         setValue(clay.unitWeight, 8.0, 8.0);
         setValue(clay.epsilon50, 0.01, 0.01);
         addSilt(model, 2.0, 10.0, 10.0, 10.0, 25.0);
         model.tables.batter.slopeAngle = 26.0 * kDegree;
         model.tables.batter.effectiveSlopeAngle = 26.0 * kDegree;
       },
       223,
       lines({"**** Runtime Error No. 23 ****", "",
              "A runtime error occurred due to the ground slope angle being",
              "greater than the friction angle for silt for layer 2.", "",
              "Problem:  The angle of the ground slope can not be greater ",
              "than the internal friction angle of silt.", "",
              "Solution:  Set the value for slope angle to be less than ",
              "the angle of friction or convert the layer into an equivalent",
              "strength clay layer.", ""}),
       true, ""},

      {"loess loaded by more than ten cycles (input error 70, code text INP00170)",
       [](AnalysisModel& model) {
         SoilLayer& soil = addLayer(model, kLoess, 0.0, 10.0);
         setValue(soil.coneTip, 2000.0, 2000.0);
         model.options.cyclicLoading = true;
         model.options.numberOfCycles = 11.0;
       },
       170,
       lines({"", "", "**** Input Data Error No. 70 ****",
              "PROBLEM: Soil layer 1 is a loess and the input value for the number of cycles of "
              "loading =         11.0",
              "This value is greater than 10. The soil model for loess is valid only for 1 to 10 "
              "cycles of loading. ",
              "SOLUTION: Revise the input data so that the number of cycles of loading is in the "
              "range of 1 to 10.",
              ""}),
       false, "INP00170"},

      {"Piedmont layer without a field test (input error 44)",
       [](AnalysisModel& model) {
         SoilLayer& soil = addLayer(model, kPiedmont, 0.0, 10.0);
         soil.fieldTestCode = {5, 5};
         setValue(soil.sptN60, 20.0, 20.0);
       },
       144,
       lines({"", "", "**** Input Data Error No. 44 ****", "",
              "Problem:  The field test code of Piedmont residual soil layer 1 is 5.",
              "          The code must be 1 (SPT), 2 (CPT), 3 (DMT) or 4 (PMT).", "",
              "Solution:  Correct the field test code of the layer in the input data.", ""}),
       true, "INP00044"},
  };
  for (const ErrorCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto ctx = makeSoilContext(kUnitsSi);
    c.build(ctx->model);
    setUniformPile(ctx->model, 10.0, 0.6);
    placeVerticalNodes(ctx->model, 20);
    EXPECT_EQ(errorCodeOf(*ctx, [&] { updateSoilModuli(*ctx); }), c.code);
    const std::string closing =
        c.codeText.empty()
            ? ""
            : "\n\nQuarn ended prematurely due to input error number " + c.codeText + "\n";
    EXPECT_EQ(ctx->report.text(), c.block + closing);
    EXPECT_EQ(ctx->messages.text(), c.toMessages ? c.block : "");
  }
}

TEST(OtherCriteriaErrors, SiltWithoutCohesionAtItsTopOnly) {
  auto ctx = makeSoilContext(kUnitsSi);
  addSilt(ctx->model, 0.0, 10.0, 0.0, 10.0, 30.0);
  setUniformPile(ctx->model, 10.0, 0.6);
  placeVerticalNodes(ctx->model, 20);
  updateSoilModuli(*ctx);
  EXPECT_EQ(ctx->model.state.errorCode, 0);
}

TEST(OtherCriteriaErrors, PrintedLoessCurvesNoteMoreThanTenCyclesAndGoOn) {
  auto ctx = makeSoilContext(kUnitsSi);
  SoilLayer& soil = addLayer(ctx->model, kLoess, 0.0, 10.0);
  setValue(soil.coneTip, 2000.0, 2000.0);
  ctx->model.options.numberOfCycles = 10.05;
  setUniformPile(ctx->model, 10.0, 0.6);
  placeVerticalNodes(ctx->model, 20);
  const double depths[] = {0.0, 2.0, 4.0};
  printPyCurves(*ctx, 1, 1, 2, depths);
  EXPECT_EQ(ctx->model.state.errorCode, 0);
  const std::string note = lines(
      {"", "", "**** Input Data Error No. 70 ****",
       "PROBLEM: Soil layer 1 is a loess and the input value for the number of cycles of loading "
       "=         10.1",
       "This value is greater than 10. The soil model for loess is valid only for 1 to 10 cycles "
       "of loading. ",
       "SOLUTION: Revise the input data so that the number of cycles of loading is in the range of "
       "1 to 10.",
       "", "", "", "p-y Curve for Loess"});
  const std::string& report = ctx->report.text();
  EXPECT_EQ(report.find(note), 0u) << report;
  // Once before the curves of the layer, not once per curve.
  EXPECT_EQ(report.find("**** Input Data Error No. 70 ****", 40), std::string::npos);
  EXPECT_EQ(report.find("p-y Curve for Loess", note.size()) != std::string::npos, true);
}

}  // namespace
}  // namespace quarn::soil
