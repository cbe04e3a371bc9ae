// Printed soft clay curves: the report block and the plot records of a curve
// at a requested depth, compared with texts worked out by hand from the
// Matlock formulas.
#include <gtest/gtest.h>

#include <numbers>
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

// SI units, static loading: c = 24 kPa, gamma' = 8 kN/m3, eps50 = 0.01, a
// 0.5 m pile, the curve at 2 m. By hand: Np = 3 + 8 x 2 / 24 + 0.5 x 2 / 0.5
// = 5.6667, pu = 24 x 0.5 x 5.6667 = 68 kN/m, 9 c D = 108 kN/m, y50 = 2.5 x
// 0.01 x 0.5 = 0.0125 m, xr = 6 x 0.5 x 24 / (0.5 x 24 + 8 x 0.5) = 4.5 m, and
// p = 34 (y / y50)^(1/3) up to 8 y50, 68 beyond.
TEST(SoftClayPrint, StaticCurveInSiUnits) {
  auto ctx = makeSoilContext(kUnitsSi);
  AnalysisModel& model = ctx->model;
  SoilLayer& clay = addLayer(model, 1, 0.0, 10.0);
  setValue(clay.cohesion, 24.0, 24.0);
  setValue(clay.unitWeight, 8.0, 8.0);
  setValue(clay.epsilon50, 0.01, 0.01);
  setUniformPile(model, 10.0, 0.5);
  placeVerticalNodes(model, 40);
  const double depths[] = {0.0, 2.0};
  printPyCurves(*ctx, 1, 1, 1, depths);

  const std::string expected = lines({
      "",
      "",
      "p-y Curve Computed Using the Soft Clay Criteria for Static Loading Conditions",
      "",
      labelled("Soil Layer Number", "           1"),
      labelled("Depth below pile head", "       2.000", "m  "),
      labelled("Depth below ground surface", "       2.000", "m  "),
      labelled("Ground Slope Angle", "       0.000", "degrees"),
      labelled("Pile Batter", "       0.000", "degrees"),
      labelled("Effective Slope", "       0.000", "degrees"),
      labelled("Equivalent Depth", "       2.000", "m  "),
      labelled("Pile Diameter", "       0.500", "m  "),
      labelled("Cohesion, c", "      24.000", "kPa "),
      labelled("Avg Eff Unit Weight", "     8.00000", "kN/m3"),
      labelled("Epsilon50 parameter", "     0.01000"),
      labelled("Transition Depth Xr", "       4.500", "m  "),
      labelled("pu_s", "      68.000", "kN/m "),
      labelled("pu_d", "     108.000", "kN/m "),
      labelled("Y50", "     0.01250", "m  "),
      labelled("p-multiplier", "     1.00000"),
      labelled("y-multiplier", "     1.00000"),
      labelled("Sloping Ground Factor", "       1.000"),
      labelled("pu_static", "      68.000", "kN/m "),
      "",
      "     y, m               p, kN/m ",
      "----------------    -----------------",
      "         0.0000           0.0000",
      "      0.0006250         12.52571",
      "        0.00156         17.00000",
      "        0.00313         21.41866",
      "        0.00469         24.51824",
      "        0.00625         26.98582",
      "        0.01250         34.00000",
      "        0.01875         38.92028",
      "        0.02500         42.83732",
      "        0.03125         46.14510",
      "        0.03750         49.03649",
      "        0.05000         53.97164",
      "        0.06250         58.13918",
      "        0.07500         61.78210",
      "        0.08750         65.03966",
      "        0.10000         68.00000",
      "        0.10625         68.00000",
  });
  EXPECT_EQ(ctx->report.text(), expected);

  // The plot records carry the same points with eight digits; at 8 y50 the
  // exponent (one third in single precision) puts p just above pu.
  const std::string blanks50(50, ' ');
  const std::string plot =
      "  2.0000000E+00   17" + std::string(60, ' ') +
      "Line 7:  p-y curve depth in soft clay, no. p-y points on curve no. 1\n" +
      lines({
          "  0.0000000E+00  0.0000000E+00" + blanks50 + "Line 8(1): y, p, for soft clay",
          "  6.2500000E-04  1.2525707E+01" + blanks50 + "Line 8(2): y, p, for soft clay",
          "  1.5625000E-03  1.7000000E+01" + blanks50 + "Line 8(3): y, p, for soft clay",
          "  3.1250000E-03  2.1418658E+01" + blanks50 + "Line 8(4): y, p, for soft clay",
          "  4.6875000E-03  2.4518242E+01" + blanks50 + "Line 8(5): y, p, for soft clay",
          "  6.2500000E-03  2.6985818E+01" + blanks50 + "Line 8(6): y, p, for soft clay",
          "  1.2500000E-02  3.4000000E+01" + blanks50 + "Line 8(7): y, p, for soft clay",
          "  1.8750000E-02  3.8920284E+01" + blanks50 + "Line 8(8): y, p, for soft clay",
          "  2.5000000E-02  4.2837316E+01" + blanks50 + "Line 8(9): y, p, for soft clay",
          "  3.1250000E-02  4.6145100E+01" + blanks50 + "Line 8(10): y, p, for soft clay",
          "  3.7500000E-02  4.9036486E+01" + blanks50 + "Line 8(11): y, p, for soft clay",
          "  5.0000000E-02  5.3971637E+01" + blanks50 + "Line 8(12): y, p, for soft clay",
          "  6.2500000E-02  5.8139183E+01" + blanks50 + "Line 8(13): y, p, for soft clay",
          "  7.5000000E-02  6.1782101E+01" + blanks50 + "Line 8(14): y, p, for soft clay",
          "  8.7500000E-02  6.5039661E+01" + blanks50 + "Line 8(15): y, p, for soft clay",
          "  1.0000000E-01  6.8000001E+01" + blanks50 + "Line 8(16): y, p, for soft clay",
          "  1.0625000E-01  6.8000000E+01" + blanks50 + "Line 8(17): y, p, for soft clay",
      });
  EXPECT_EQ(ctx->plot.text(), plot);
  // Print mode stores nothing at the nodes.
  EXPECT_EQ(model.pileModel.node[5].Es, 0.0);
}

// US customary units, cyclic loading, key "SoftClyJ" with J = 0.25, ground
// sloping 10 degrees and the pile deflected 0.5 in towards the downhill side.
// In working units c = 500 / 144 psi, gamma' = 110 / 1728 pci, D = 24 in,
// eps50 = 0.01, the curve at 60 in. By hand: Np before the slope = 3 +
// (110/1728 x 60) / (500/144) + 0.25 x 60 / 24 = 4.725, pu_s = 393.75 lb/in,
// fs = 1 / (tan 10 deg + 1) = 0.85010, pu = 334.728 lb/in, pc = 0.72112 pu =
// 241.381, xr = 6 x 24 x 3.4722 / (0.25 x 3.4722 + 0.063657 x 24) = 208.70 in
// (17.391 ft), y50 = 0.6 in; above xr the cyclic curve falls from pc at 3 y50
// to pc x 60 / 208.70 = 69.397 at 15 y50.
TEST(SoftClayPrint, CyclicCurveWithJInUsCustomaryUnits) {
  auto ctx = makeSoilContext(kUnitsUsCustomary);
  AnalysisModel& model = ctx->model;
  SoilLayer& clay = addLayer(model, 15, 0.0, 240.0);
  setValue(clay.cohesion, 500.0 / 144.0, 500.0 / 144.0);
  setValue(clay.unitWeight, 110.0 / 1728.0, 110.0 / 1728.0);
  setValue(clay.epsilon50, 0.01, 0.01);
  setValue(clay.jFactor, 0.25, 0.25);
  model.options.cyclicLoading = true;
  model.options.numberOfCycles = 100.0;
  model.tables.batter.slopeAngle = 10.0 * std::numbers::pi / 180.0;
  model.tables.batter.effectiveSlopeAngle = model.tables.batter.slopeAngle;
  setUniformPile(model, 240.0, 24.0);
  placeVerticalNodes(model, 40);
  for (int k = 1; k <= model.pileModel.N; ++k) model.pileModel.y(k) = 0.5;
  const double depths[] = {0.0, 30.0, 60.0};
  printPyCurves(*ctx, 1, 2, 2, depths);

  const std::string expected = lines({
      "",
      "",
      "p-y Curve Computed Using the Soft Clay Criteria with J for Cyclic Loading Conditions",
      "",
      labelled("Soil Layer Number", "           1"),
      labelled("Depth below pile head", "       5.000", "ft"),
      labelled("Depth below ground surface", "       5.000", "ft"),
      labelled("Ground Slope Angle", "      10.000", "degrees"),
      labelled("Pile Batter", "       0.000", "degrees"),
      labelled("Effective Slope", "      10.000", "degrees"),
      labelled("Equivalent Depth", "       5.000", "ft"),
      labelled("Pile Diameter", "      24.000", "in "),
      labelled("Cohesion, c", "     500.000", "psf"),
      labelled("Avg Eff Unit Weight", "   110.00000", "pcf  "),
      labelled("Epsilon50 parameter", "     0.01000"),
      labelled("J parameter", "       0.250"),
      labelled("Transition Depth Xr", "      17.391", "ft"),
      labelled("pu_s", "     393.750", "lb/in"),
      labelled("pu_d", "     750.000", "lb/in"),
      labelled("y_50", "     0.60000", "in "),
      labelled("p-multiplier", "     1.00000"),
      labelled("y-multiplier", "     1.00000"),
      labelled("Number of cycles of loading", "        100."),
      labelled("Sloping Ground Factor", "       0.850"),
      labelled("pu_static", "     334.728", "lb/in"),
      labelled("pu_cyclic", "     241.381", "lb/in"),
      "",
      "     y, in              p, lb/in",
      "----------------    -----------------",
      "         0.0000           0.0000",
      "        0.03000         61.65749",
      "        0.06000         77.68357",
      "        0.12000         97.87516",
      "        0.18000        112.03910",
      "        0.24000        123.31498",
      "        0.30000        132.83704",
      "        0.36000        141.16042",
      "        0.48000        155.36714",
      "        0.60000        167.36418",
      "        0.90000        191.58416",
      "        1.20000        210.86565",
      "        1.50000        227.14814",
      "        1.80000        241.38092",
      "        5.40000        155.38896",
      "        9.00000         69.39701",
      "        9.60000         69.39701",
  });
  EXPECT_EQ(ctx->report.text(), expected);

  const std::string blanks50(50, ' ');
  const std::string plot =
      "  6.0000000E+01   17" + std::string(60, ' ') +
      "Line 7:  p-y curve depth in soft clay with J, no. points on p-y curve no. 2\n" +
      lines({
          "  0.0000000E+00  0.0000000E+00" + blanks50 + "Line 8(1): y, p, for API soft clay",
          "  3.0000000E-02  6.1657489E+01" + blanks50 + "Line 8(2): y, p, for API soft clay",
          "  6.0000000E-02  7.7683569E+01" + blanks50 + "Line 8(3): y, p, for API soft clay",
          "  1.2000000E-01  9.7875164E+01" + blanks50 + "Line 8(4): y, p, for API soft clay",
          "  1.8000000E-01  1.1203910E+02" + blanks50 + "Line 8(5): y, p, for API soft clay",
          "  2.4000000E-01  1.2331498E+02" + blanks50 + "Line 8(6): y, p, for API soft clay",
          "  3.0000000E-01  1.3283704E+02" + blanks50 + "Line 8(7): y, p, for API soft clay",
          "  3.6000000E-01  1.4116042E+02" + blanks50 + "Line 8(8): y, p, for API soft clay",
          "  4.8000000E-01  1.5536714E+02" + blanks50 + "Line 8(9): y, p, for API soft clay",
          "  6.0000000E-01  1.6736418E+02" + blanks50 + "Line 8(10): y, p, for API soft clay",
          "  9.0000000E-01  1.9158416E+02" + blanks50 + "Line 8(11): y, p, for API soft clay",
          "  1.2000000E+00  2.1086565E+02" + blanks50 + "Line 8(12): y, p, for API soft clay",
          "  1.5000000E+00  2.2714814E+02" + blanks50 + "Line 8(13): y, p, for API soft clay",
          "  1.8000000E+00  2.4138092E+02" + blanks50 + "Line 8(14): y, p, for API soft clay",
          "  5.4000000E+00  1.5538896E+02" + blanks50 + "Line 8(15): y, p, for API soft clay",
          "  9.0000000E+00  6.9397012E+01" + blanks50 + "Line 8(16): y, p, for API soft clay",
          "  9.6000000E+00  6.9397012E+01" + blanks50 + "Line 8(17): y, p, for API soft clay",
      });
  EXPECT_EQ(ctx->plot.text(), plot);
}

}  // namespace
}  // namespace quarn::soil
