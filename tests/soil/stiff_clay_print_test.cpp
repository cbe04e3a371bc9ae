// A printed stiff clay curve: the report block and the plot records of a
// curve at a requested depth, compared with text worked out by hand from the
// Welch and Reese formulas.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "soil/py_framework.h"
#include "soil_fixture.h"

namespace quarn::soil {
namespace {

using testing::addLayer;
using testing::makeSoilContext;
using testing::placeVerticalNodes;
using testing::setUniformPile;
using testing::setValue;

// A label line: the label, blanks to column 55, "= ", the value field and the unit.
std::string labelled(const std::string& label, const std::string& value,
                     const std::string& unit = "") {
  std::string line = label + std::string(55 - label.size(), ' ') + "= " + value;
  if (!unit.empty()) line += " " + unit;
  return line;
}

std::string lines(const std::vector<std::string>& rows) {
  std::string text;
  for (const std::string& row : rows) text += row + "\n";
  return text;
}

// "StfClyAW", SI units, static loading: c = 100 kPa, gamma' = 10 kN/m3,
// eps50 = 0.007, a 1 m pile, the curve at 2 m. By hand: y50 = 2.5 x 0.007 x
// 1 = 0.0175 m; Pct = (10 x 1 + 0.5 x 100) x 2 + 3 x 1 x 100 = 420 kN/m,
// Pcd = 9 x 100 x 1 = 900 kN/m, pu = 420; p = 210 (y / 0.0175)^(1/4) up to
// 16 y50 = 0.28 m, 420 beyond (at 0.000028 m = 0.0016 y50, 210 x 0.2 = 42).
// Below 0.00002 b = 0.00002 m the curve is replaced by its secant there,
// 210 (0.00002 / 0.0175)^(1/4) / 0.00002 = 1.93058E6 kN/m2. The printed
// deflections are 0.28 m times 0, 0.00001, 0.00005, 0.0001, 0.0005, 0.001,
// 0.005, 0.01, 0.025, 0.05, 0.075, 0.1, 0.25 and 0.5, then 0.28 m, 0.287 m
// and 16.8 y50 = 0.294 m.
TEST(StiffClayPrint, StaticCurveWithoutFreeWaterInSiUnits) {
  auto ctx = makeSoilContext(kUnitsSi);
  AnalysisModel& model = ctx->model;
  SoilLayer& clay = addLayer(model, 3, 0.0, 10.0);
  setValue(clay.cohesion, 100.0, 100.0);
  setValue(clay.unitWeight, 10.0, 10.0);
  setValue(clay.epsilon50, 0.007, 0.007);
  setUniformPile(model, 10.0, 1.0);
  placeVerticalNodes(model, 40);
  const double depths[] = {0.0, 2.0};
  printPyCurves(*ctx, 1, 1, 1, depths);

  const std::string expected = lines({
      "",
      "",
      "p-y Curve Computed Using Static Criteria for Stiff Clay without Free Water",
      "",
      labelled("Soil Layer Number", "           1"),
      labelled("Depth below pile head", "       2.000", "m  "),
      labelled("Depth below ground surface", "       2.000", "m  "),
      labelled("Ground Slope Angle", "       0.000", "degrees"),
      labelled("Pile Batter Angle", "       0.000", "degrees"),
      labelled("Effective Slope", "       0.000", "degrees"),
      labelled("Equivalent Depth", "       2.000", "m  "),
      labelled("Diameter", "       1.000", "m  "),
      labelled("Undrained cohesion, c", "   100.00000", "kPa "),
      labelled("Average Eff. Unit Weight", "    10.00000", "kN/m3"),
      labelled("Epsilon-50", "     0.00700"),
      labelled("Pct", "     420.000", "kN/m "),
      labelled("Pcd", "     900.000", "kN/m "),
      labelled("y50", "     0.01750", "m  "),
      labelled("p-multiplier", "     1.00000"),
      labelled("y-multiplier", "     1.00000"),
      "",
      "        y, m              p, kN/m ",
      "----------------    -----------------",
      "         0.0000           0.0000",
      "     2.8000E-06          5.40562",
      "      0.0000140         27.02809",
      "      0.0000280         42.00000",
      "      0.0001400         62.80465",
      "      0.0002800         74.68774",
      "        0.00140        111.68421",
      "        0.00280        132.81566",
      "        0.00700        167.00685",
      "        0.01400        198.60574",
      "        0.02100        219.79338",
      "        0.02800        236.18336",
      "        0.07000        296.98485",
      "        0.14000        353.17649",
      "        0.28000        420.00000",
      "        0.28700        420.00000",
      "        0.29400        420.00000",
  });
  EXPECT_EQ(ctx->report.text(), expected);

  // The plot records carry the same points with eight digits, where the
  // single-precision multiples of 16 y50 show.
  const std::string blanks50(50, ' ');
  const std::string plot =
      "  2.0000000E+00   17" + std::string(60, ' ') +
      "Line 7:  p-y curve depth in stiff clay w/o free water, no. p-y points on curve no. 1\n" +
      lines({
          "  0.0000000E+00  0.0000000E+00" + blanks50 + "Line 8(1): y, p, for stiff clay w/o water",
          "  2.7999999E-06  5.4056175E+00" + blanks50 + "Line 8(2): y, p, for stiff clay w/o water",
          "  1.4000000E-05  2.7028088E+01" + blanks50 + "Line 8(3): y, p, for stiff clay w/o water",
          "  2.7999999E-05  4.2000000E+01" + blanks50 + "Line 8(4): y, p, for stiff clay w/o water",
          "  1.4000001E-04  6.2804650E+01" + blanks50 + "Line 8(5): y, p, for stiff clay w/o water",
          "  2.8000001E-04  7.4687736E+01" + blanks50 + "Line 8(6): y, p, for stiff clay w/o water",
          "  1.4000000E-03  1.1168421E+02" + blanks50 + "Line 8(7): y, p, for stiff clay w/o water",
          "  2.7999999E-03  1.3281566E+02" + blanks50 + "Line 8(8): y, p, for stiff clay w/o water",
          "  7.0000001E-03  1.6700685E+02" + blanks50 + "Line 8(9): y, p, for stiff clay w/o water",
          "  1.4000000E-02  1.9860574E+02" + blanks50 +
              "Line 8(10): y, p, for stiff clay w/o water",
          "  2.1000001E-02  2.1979338E+02" + blanks50 +
              "Line 8(11): y, p, for stiff clay w/o water",
          "  2.8000000E-02  2.3618336E+02" + blanks50 +
              "Line 8(12): y, p, for stiff clay w/o water",
          "  7.0000000E-02  2.9698485E+02" + blanks50 +
              "Line 8(13): y, p, for stiff clay w/o water",
          "  1.4000000E-01  3.5317649E+02" + blanks50 +
              "Line 8(14): y, p, for stiff clay w/o water",
          "  2.8000000E-01  4.2000000E+02" + blanks50 +
              "Line 8(15): y, p, for stiff clay w/o water",
          "  2.8699999E-01  4.2000000E+02" + blanks50 +
              "Line 8(16): y, p, for stiff clay w/o water",
          "  2.9399999E-01  4.2000000E+02" + blanks50 +
              "Line 8(17): y, p, for stiff clay w/o water",
      });
  EXPECT_EQ(ctx->plot.text(), plot);
  // Print mode stores nothing at the nodes.
  EXPECT_EQ(model.pileModel.node[5].Es, 0.0);
}

}  // namespace
}  // namespace quarn::soil
