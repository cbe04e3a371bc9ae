// Printed sand curves: the report blocks and the plot records of curves at
// requested depths, compared with text worked out by hand from the
// published formulas (with the single-precision constants of the criteria:
// the factors A and B of Reese sand, K0 = 0.4 and A = 0.9 of API sand, and
// the Rollins exponents).
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

const std::string blanks50(50, ' ');
const std::string blanks20(20, ' ');

// "Sand    " (Reese), SI units, static loading: phi = 35 degrees, gamma' = 10
// kN/m3, k = 16000 kN/m3, a 0.6 m pile, the curve at 1.5 m (z / b = 2.5:
// A = 1.23, B = 0.86). By hand: alpha = 17.5, beta = 62.5 degrees, Ka =
// tan^2(27.5) = 0.27099, Kp = tan^2(62.5) = 3.69017; Pst = 97.608 kN/m below
// Psd = 484.141 kN/m; pu = 1.23 x 97.608 = 120.057 at yu = 3 x 0.6 / 80 =
// 0.0225 m, pm = 0.86 x 97.608 = 83.943 at ym = 0.6 / 60 = 0.01 m; m =
// (120.057 - 83.943) / 0.0125 = 2889.188, n = 83.943 / (2889.188 x 0.01) =
// 2.90541, C = 83.943 / 0.01^(1 / 2.90541) = 409.595, yk = (409.595 /
// 24000)^(2.90541 / 1.90541) = 0.00202 m < ym: the normal shape. Points: 0,
// yk, ten steps of (ym - yk) / 11, ym, 13 b / 480, yu, 1.025 yu, 1.05 yu.
TEST(SandPrint, ReeseStaticCurveInSiUnits) {
  auto ctx = makeSoilContext(kUnitsSi);
  AnalysisModel& model = ctx->model;
  SoilLayer& sand = addLayer(model, 5, 0.0, 10.0);
  setValue(sand.frictionAngle, 35.0, 35.0);
  setValue(sand.unitWeight, 10.0, 10.0);
  setValue(sand.subgradeK, 16000.0, 16000.0);
  setUniformPile(model, 10.0, 0.6);
  placeVerticalNodes(model, 40);
  const double depths[] = {0.0, 1.5};
  printPyCurves(*ctx, 1, 1, 1, depths);

  const std::string expected = lines({
      "",
      "",
      "p-y Curve in Sand Computed Using Reese Criteria for Static Loading Conditions",
      "",
      labelled("Soil Layer Number", "           1"),
      labelled("Depth below pile head", "       1.500", "m  "),
      labelled("Depth below ground surface", "       1.500", "m  "),
      labelled("Ground Slope Angle", "       0.000", "degrees"),
      labelled("Pile Batter", "       0.000", "degrees"),
      labelled("Effective Slope", "       0.000", "degrees"),
      labelled("Equivalent Depth (see note)", "       1.500", "m  "),
      labelled("Pile Diameter, b", "       0.600", "m  "),
      labelled("Angle of Friction", "      35.000", "degrees"),
      labelled("Avg. Eff. Unit Weight", "    10.00000", "kN/m3"),
      labelled("kpy", "   16000.000", "kN/m3"),
      labelled("K active", "     0.27099"),
      labelled("K passive", "     3.69017"),
      labelled("Pst", "      97.608", "kN/m "),
      labelled("Psd", "     484.141", "kN/m "),
      labelled("Ps = Pst (shallow controls)", "      97.608", "kN/m "),
      labelled("A (static)", "      1.2300"),
      labelled("B (static)", "      0.8600"),
      labelled("C = Pm/(Ym^(1/n))", "     409.595"),
      labelled("n = Pm/(m Ym)", "     2.90541"),
      labelled("m = (Pu-Pm)/(Yu-Ym)", "    2889.188", "kPa "),
      labelled("Yk = [c/(kx)]^(n/(n-1))", "     0.00202", "m  "),
      labelled("Ym = b/60", "     0.01000", "m  "),
      labelled("Pm = B ps", "      83.943", "kN/m "),
      labelled("Yu = 3b/80", "     0.02250", "m  "),
      labelled("Pu = A Ps", "     120.057", "kN/m "),
      labelled("Es,lim", "   24000.000", "kPa "),
      labelled("p-multiplier", "     1.00000"),
      labelled("y-multiplier", "     1.00000"),
      "",
      "This p-y curve is computed using the equivalent depth.",
      "This curve has the normal shape for a Reese sand p-y curve where Yk < Ym < Yu.",
      "",
      // "y, " at column 10, "p, " at column 26.
      "         y, m            p, kN/m ",
      "----------------    -----------------",
      "         0.0000           0.0000",
      "        0.00202         48.36636",
      "        0.00274         53.76837",
      "        0.00347         58.29652",
      "        0.00419         62.23835",
      "        0.00492         65.75442",
      "        0.00564         68.94465",
      "        0.00637         71.87595",
      "        0.00710         74.59560",
      "        0.00782         77.13840",
      "        0.00855         79.53079",
      "        0.00927         81.79339",
      "        0.01000         83.94263",
      "        0.01625        102.00006",
      "        0.02250        120.05748",
      "        0.02306        120.05748",
      "        0.02363        120.05748",
  });
  EXPECT_EQ(ctx->report.text(), expected);

  const std::string plot =
      "  1.5000000E+00   17" + std::string(60, ' ') +
      "Line 7:  p-y curve depth in sand, no. p-y points on curve no. 1\n" +
      lines({
          "  0.0000000E+00  0.0000000E+00" + blanks50 + "Line 8(1): y, p, for sand",
          "  2.0152651E-03  4.8366363E+01" + blanks50 + "Line 8(2): y, p, for sand",
          "  2.7411501E-03  5.3768374E+01" + blanks50 + "Line 8(3): y, p, for sand",
          "  3.4670351E-03  5.8296519E+01" + blanks50 + "Line 8(4): y, p, for sand",
          "  4.1929201E-03  6.2238348E+01" + blanks50 + "Line 8(5): y, p, for sand",
          "  4.9188051E-03  6.5754421E+01" + blanks50 + "Line 8(6): y, p, for sand",
          "  5.6446901E-03  6.8944650E+01" + blanks50 + "Line 8(7): y, p, for sand",
          "  6.3705750E-03  7.1875950E+01" + blanks50 + "Line 8(8): y, p, for sand",
          "  7.0964600E-03  7.4595604E+01" + blanks50 + "Line 8(9): y, p, for sand",
          "  7.8223450E-03  7.7138405E+01" + blanks50 + "Line 8(10): y, p, for sand",
          "  8.5482300E-03  7.9530794E+01" + blanks50 + "Line 8(11): y, p, for sand",
          "  9.2741150E-03  8.1793393E+01" + blanks50 + "Line 8(12): y, p, for sand",
          "  1.0000000E-02  8.3942632E+01" + blanks50 + "Line 8(13): y, p, for sand",
          "  1.6250000E-02  1.0200006E+02" + blanks50 + "Line 8(14): y, p, for sand",
          "  2.2500000E-02  1.2005748E+02" + blanks50 + "Line 8(15): y, p, for sand",
          "  2.3062500E-02  1.2005748E+02" + blanks50 + "Line 8(16): y, p, for sand",
          "  2.3625000E-02  1.2005748E+02" + blanks50 + "Line 8(17): y, p, for sand",
      });
  EXPECT_EQ(ctx->plot.text(), plot);
}

// "API Sand", US customary units, cyclic loading, no k given: phi = 36
// degrees, gamma' = 57.6 lb/ft3 = 1/30 lb/in3, a 24 in pile, the curve at
// 8 ft. By hand: the default k = 1.2098290E-7 x 36^5.6944680 = 88.113 lb/in3;
// C1 = 3.24376, C2 = 3.59222, C3 = 61.20066; Pus = (3.24376 x 96 + 3.59222 x
// 24) x 96 / 30 = 1272.367 lb/in, Pud = 61.20066 x 24 x 96 / 30 = 4700.210
// lb/in; cyclic A = 0.9: pu = 1145.130 lb/in; k z = 8458.825 lb/in2; the
// deflections are j pi / 16 pu / (k z) = 0.02658 j in, where p = pu tanh(j pi / 16).
TEST(SandPrint, ApiCyclicCurveWithTheDefaultKInUsCustomaryUnits) {
  auto ctx = makeSoilContext(kUnitsUsCustomary);
  AnalysisModel& model = ctx->model;
  SoilLayer& sand = addLayer(model, 6, 0.0, 600.0);
  setValue(sand.frictionAngle, 36.0, 36.0);
  setValue(sand.unitWeight, 57.6 / 1728.0, 57.6 / 1728.0);
  model.options.cyclicLoading = true;
  model.options.numberOfCycles = 100.0;
  setUniformPile(model, 600.0, 24.0);
  placeVerticalNodes(model, 40);
  const double depths[] = {0.0, 50.0, 96.0};
  printPyCurves(*ctx, 1, 2, 2, depths);

  const std::string expected = lines({
      "",
      "",
      "p-y Curve Computed Using API Sand Criteria for Cyclic Loading",
      "",
      labelled("Soil Layer Number", "           1"),
      labelled("Depth below pile head", "       8.000", "ft"),
      labelled("Depth below ground surface", "       8.000", "ft"),
      labelled("Ground Slope Angle", "       0.000", "degrees"),
      labelled("Pile Batter", "       0.000", "degrees"),
      labelled("Effective Slope", "       0.000", "degrees"),
      labelled("Equivalent Depth (see note)", "      96.000", "in "),
      labelled("Diameter", "      24.000", "in "),
      labelled("Friction Angle phi", "      36.000", "deg."),
      labelled("Avg. Eff. Unit Wt.", "     0.03333", "pci  "),
      labelled("A", "     0.90000"),
      labelled("k", "      88.113", "pci  "),
      labelled("C1", "     3.24376"),
      labelled("C2", "     3.59222"),
      labelled("C3", "    61.20066"),
      labelled("Pus", "    1272.367", "lb/in"),
      labelled("Pud", "    4700.210", "lb/in"),
      labelled("Pu", "    1145.130", "lb/in"),
      labelled("p-multiplier", "     1.00000"),
      labelled("y-multiplier", "     1.00000"),
      "",
      "This p-y curve is computed using the equivalent depth.",
      "",
      "        y, in              p,lb/in",
      "----------------    -----------------",
      "         0.0000           0.0000",
      "        0.02658        222.00014",
      "        0.05316        427.91765",
      "        0.07974        606.01546",
      "        0.10632        750.96967",
      "        0.13291        863.22365",
      "        0.15949        946.85159",
      "        0.18607       1007.37285",
      "        0.21265       1050.25874",
      "        0.23923       1080.19636",
      "        0.26581       1100.87729",
      "        0.29239       1115.06049",
      "        0.31897       1124.73919",
      "        0.34556       1131.32158",
      "        0.37214       1135.78785",
      "        0.39872       1138.81354",
      "        0.42530       1140.86113",
      "",
      "The above p-y curve was computed using the internal default value of k.",
  });
  EXPECT_EQ(ctx->report.text(), expected);

  const std::string plot =
      "  9.6000000E+01   17" + std::string(60, ' ') +
      "Line 7:  p-y curve depth in API sand, no. p-y points on curve no. 2\n" +
      lines({
          "  0.0000000E+00  0.0000000E+00" + blanks50 + "Line 8(1): y, p, for API sand",
          "  2.6581205E-02  2.2200014E+02" + blanks50 + "Line 8(2): y, p, for API sand",
          "  5.3162409E-02  4.2791765E+02" + blanks50 + "Line 8(3): y, p, for API sand",
          "  7.9743614E-02  6.0601546E+02" + blanks50 + "Line 8(4): y, p, for API sand",
          "  1.0632482E-01  7.5096967E+02" + blanks50 + "Line 8(5): y, p, for API sand",
          "  1.3290602E-01  8.6322365E+02" + blanks50 + "Line 8(6): y, p, for API sand",
          "  1.5948723E-01  9.4685159E+02" + blanks50 + "Line 8(7): y, p, for API sand",
          "  1.8606843E-01  1.0073728E+03" + blanks50 + "Line 8(8): y, p, for API sand",
          "  2.1264964E-01  1.0502587E+03" + blanks50 + "Line 8(9): y, p, for API sand",
          "  2.3923084E-01  1.0801964E+03" + blanks50 + "Line 8(10): y, p, for API sand",
          "  2.6581205E-01  1.1008773E+03" + blanks50 + "Line 8(11): y, p, for API sand",
          "  2.9239325E-01  1.1150605E+03" + blanks50 + "Line 8(12): y, p, for API sand",
          "  3.1897445E-01  1.1247392E+03" + blanks50 + "Line 8(13): y, p, for API sand",
          "  3.4555566E-01  1.1313216E+03" + blanks50 + "Line 8(14): y, p, for API sand",
          "  3.7213686E-01  1.1357878E+03" + blanks50 + "Line 8(15): y, p, for API sand",
          "  3.9871807E-01  1.1388135E+03" + blanks50 + "Line 8(16): y, p, for API sand",
          "  4.2529927E-01  1.1408611E+03" + blanks50 + "Line 8(17): y, p, for API sand",
      });
  EXPECT_EQ(ctx->plot.text(), plot);
}

// "Liq Sand" below a Reese sand layer, SI units: 2 m of sand at 10 kN/m3
// over liquefied sand at 8 kN/m3, a 0.6 m pile, the curve at 4 m. By hand:
// the vertical stress 20 + 16 = 36 kPa over 10 kN/m3 gives zr = 3.6 m; A =
// 3E-7 x 4.6^6.05 = 3.06765E-3, B = 2.8 x 4.6^0.11 = 3.31178, C = 2.85 x
// 4.6^-0.41 = 1.52445; p at 150 mm would be A (150 B)^C = 39.53 kN/m, so the
// 15 kN/m limit is reached first, at (15 / A)^(1 / C) / B = 79.43 mm; Pd =
// 3.81 ln 0.6 + 5.6 = 3.65375 and Pu = 15 Pd = 54.806 kN/m. Points: fifteen
// steps to 79.43 mm, then 1.05 times it.
TEST(SandPrint, LiquefiedSandBelowTheFirstLayer) {
  auto ctx = makeSoilContext(kUnitsSi);
  AnalysisModel& model = ctx->model;
  SoilLayer& upper = addLayer(model, 5, 0.0, 2.0);
  setValue(upper.frictionAngle, 35.0, 35.0);
  setValue(upper.unitWeight, 10.0, 10.0);
  SoilLayer& liquefied = addLayer(model, 7, 2.0, 20.0);
  setValue(liquefied.unitWeight, 8.0, 8.0);
  setUniformPile(model, 20.0, 0.6);
  placeVerticalNodes(model, 40);
  const double depths[] = {0.0, 4.0};
  printPyCurves(*ctx, 2, 1, 1, depths);

  const std::string expected = lines({
      "",
      "",
      "p-y Curve Computed Using Liquefied Sand Criteria",
      "",
      labelled("Depth below pile head", "       4.000", "m  "),
      labelled("Depth below ground surface", "       4.000", "m  "),
      labelled("Normalized depth below ground surface in meters*", "       3.600"),
      labelled("Pile Diameter", "       0.600", "m  "),
      labelled("Pile Diameter in meters ", "       0.600"),
      labelled("Gamma Avg", "     9.00000", "kN/m3"),
      labelled("A ", " 3.06765E-03"),
      labelled("B ", "     3.31178"),
      labelled("C ", "     1.52445"),
      labelled("Diameter Factor, Pd", "     3.65375"),
      labelled("Limit of p for 0.3-m Pile", "      15.000", "kN/m"),
      labelled("Deflection at Limit", "     0.07943", "m  "),
      labelled("Upper limit Pu", "      54.806", "kN/m "),
      labelled("p-multiplier", "     1.00000"),
      labelled("y-multiplier", "     1.00000"),
      "",
      "The depth of the p-y curve was equated to the initial vertical stress divided ",
      "by 10 kN/m3, as recommended by Rollins, et al. (2005)",
      "",
      "        y, m              p, kN/m ",
      "----------------    -----------------",
      "         0.0000           0.0000",
      "        0.00530          0.88295",
      "        0.01059          2.54004",
      "        0.01589          4.71285",
      "        0.02118          7.30713",
      "        0.02648         10.26790",
      "        0.03177         13.55781",
      "        0.03707         17.14932",
      "        0.04237         21.02098",
      "        0.04766         25.15548",
      "        0.05296         29.53845",
      "        0.05825         34.15772",
      "        0.06355         39.00280",
      "        0.06884         44.06452",
      "        0.07414         49.33476",
      "        0.07943         54.80631",
      "        0.08341         54.80631",
  });
  EXPECT_EQ(ctx->report.text(), expected);

  const std::string plot =
      "  4.0000000E+00   17" + std::string(60, ' ') +
      "Line 7:  p-y curve depth in liquefied sand, no. p-y points on curve no. 1\n" +
      lines({
          "  0.0000000E+00  0.0000000E+00" + blanks20 + "Line 8( 1): y, p, for liquefied sand",
          "  5.2956362E-03  8.8294642E-01" + blanks20 + "Line 8( 2): y, p, for liquefied sand",
          "  1.0591272E-02  2.5400399E+00" + blanks20 + "Line 8( 3): y, p, for liquefied sand",
          "  1.5886909E-02  4.7128481E+00" + blanks20 + "Line 8( 4): y, p, for liquefied sand",
          "  2.1182545E-02  7.3071280E+00" + blanks20 + "Line 8( 5): y, p, for liquefied sand",
          "  2.6478181E-02  1.0267897E+01" + blanks20 + "Line 8( 6): y, p, for liquefied sand",
          "  3.1773817E-02  1.3557812E+01" + blanks20 + "Line 8( 7): y, p, for liquefied sand",
          "  3.7069453E-02  1.7149319E+01" + blanks20 + "Line 8( 8): y, p, for liquefied sand",
          "  4.2365089E-02  2.1020977E+01" + blanks20 + "Line 8( 9): y, p, for liquefied sand",
          "  4.7660726E-02  2.5155476E+01" + blanks20 + "Line 8(10): y, p, for liquefied sand",
          "  5.2956362E-02  2.9538449E+01" + blanks20 + "Line 8(11): y, p, for liquefied sand",
          "  5.8251998E-02  3.4157723E+01" + blanks20 + "Line 8(12): y, p, for liquefied sand",
          "  6.3547634E-02  3.9002802E+01" + blanks20 + "Line 8(13): y, p, for liquefied sand",
          "  6.8843270E-02  4.4064517E+01" + blanks20 + "Line 8(14): y, p, for liquefied sand",
          "  7.4138906E-02  4.9334765E+01" + blanks20 + "Line 8(15): y, p, for liquefied sand",
          "  7.9434543E-02  5.4806315E+01" + blanks20 + "Line 8(16): y, p, for liquefied sand",
          "  8.3406266E-02  5.4806315E+01" + blanks20 + "Line 8(17): y, p, for liquefied sand",
      });
  EXPECT_EQ(ctx->plot.text(), plot);
}

}  // namespace
}  // namespace quarn::soil
