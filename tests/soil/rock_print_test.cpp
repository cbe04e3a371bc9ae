// Printed rock curves: the report blocks and plot records of curves at
// requested depths, compared with texts worked out by hand from the methods.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "rock_reference.h"
#include "soil/py_framework.h"
#include "soil_fixture.h"

namespace quarn::soil {
namespace {

using testing::addLayer;
using testing::makeSoilContext;
using testing::placeVerticalNodes;
using testing::setUniformPile;
using testing::setValue;

constexpr int kWeakRock = 8;
constexpr int kVuggy = 9;
constexpr int kMassiveRock = 16;

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

// The plot records of a curve: Line 7, then Line 8 with each pair of numbers.
std::string plotRecords(const std::string& line7, const std::vector<std::string>& pairs,
                        const std::string& comment) {
  std::string text = line7 + "\n";
  for (std::size_t n = 0; n < pairs.size(); ++n) {
    text += pairs[n] + std::string(50, ' ') + "Line 8(" + std::to_string(n + 1) + comment + "\n";
  }
  return text;
}

// SI units: vuggy limestone of qu = 20 MPa (su = 10 MPa), unit weight 15
// kN/m3, a 1 m shaft, the curve at 2 m. By hand: y1 = 0.0004 m (0.0004 in
// single precision), p1 = 0.8 b su = 8000 kN/m (0.8 in single precision, so
// 8000.00012), then 100 su = 1e6 kN/m2 per metre to y2 = y1 + (b su - p1) /
// (100 su) = 0.0024 m, where p = b su = 10000 kN/m; 15 equal steps between.
TEST(RockPrint, VuggyLimestoneInSiUnits) {
  auto ctx = makeSoilContext(kUnitsSi);
  AnalysisModel& model = ctx->model;
  SoilLayer& rock = addLayer(model, kVuggy, 0.0, 10.0);
  setValue(rock.cohesion, 20000.0, 20000.0);
  setValue(rock.unitWeight, 15.0, 15.0);
  setUniformPile(model, 10.0, 1.0);
  placeVerticalNodes(model, 20);
  const double depths[] = {0.0, 2.0};
  printPyCurves(*ctx, 1, 1, 1, depths);

  const std::string expected = lines({
      "",
      "",
      "p-y Curve for Vuggy Limestone (Strong Rock) Criteria",
      "",
      labelled("Soil Layer Number", "           1"),
      labelled("Depth below pile head", "       2.000", "m  "),
      labelled("Depth below ground surface", "       2.000", "m  "),
      labelled("Shaft Diameter", "       1.000", "m  "),
      labelled("Uniaxial Compressive Strength", "   20000.000", "kPa "),
      labelled("p-multiplier", "     1.00000"),
      labelled("y-multiplier", "     1.00000"),
      "",
      "        y, m         p, kN/m ",
      "---------------   ---------------",
      "         0.0000           0.0000",
      "      0.0004000       8000.00012",
      "      0.0005333       8133.33344",
      "      0.0006667       8266.66677",
      "      0.0008000       8400.00010",
      "      0.0009333       8533.33342",
      "        0.00107       8666.66675",
      "        0.00120       8800.00007",
      "        0.00133       8933.33340",
      "        0.00147       9066.66672",
      "        0.00160       9200.00005",
      "        0.00173       9333.33337",
      "        0.00187       9466.66670",
      "        0.00200       9600.00002",
      "        0.00213       9733.33335",
      "        0.00227       9866.66667",
      "        0.00240      10000.00000",
  });
  EXPECT_EQ(ctx->report.text(), expected);

  const std::string plot =
      plotRecords("  2.0000000E+00   17" + std::string(60, ' ') +
                      "Line 7:  p-y curve depth in vuggy limestone, no. p-y points on curve no. 1",
                  {"  0.0000000E+00  0.0000000E+00", "  3.9999999E-04  8.0000001E+03",
                   "  5.3333332E-04  8.1333334E+03", "  6.6666664E-04  8.2666668E+03",
                   "  7.9999997E-04  8.4000001E+03", "  9.3333329E-04  8.5333334E+03",
                   "  1.0666666E-03  8.6666667E+03", "  1.1999999E-03  8.8000001E+03",
                   "  1.3333333E-03  8.9333334E+03", "  1.4666666E-03  9.0666667E+03",
                   "  1.5999999E-03  9.2000000E+03", "  1.7333332E-03  9.3333334E+03",
                   "  1.8666666E-03  9.4666667E+03", "  1.9999999E-03  9.6000000E+03",
                   "  2.1333332E-03  9.7333333E+03", "  2.2666665E-03  9.8666667E+03",
                   "  2.3999999E-03  1.0000000E+04"},
                  "): y, p, for vuggy limestone rock");
  EXPECT_EQ(ctx->plot.text(), plot);
  // Print mode stores nothing at the nodes.
  EXPECT_EQ(model.pileModel.node[5].Es, 0.0);
}

// SI units: weak rock of qu = 2000 kPa, RQD 75 %, Eir = 100 MPa, k_rm =
// 0.0001 from the surface; a 1 m pile, the curve at 2 m. By hand: alpha_r =
// 1 - 75 / 150 = 0.5; xr = 2 m < 3 b, so pur = 0.5 x 2000 x 1 x (1 + 1.4 x 2)
// = 3800 kN/m (3799.99987 with the single-precision constants) and Kir = 100
// + 400 x 2 / 3 = 366.667; kir = 3.6667e7 kN/m2; yrm = 0.0001 m; yA =
// (3800 / (2 x 0.0001^0.25 x 3.6667e7))^1.333 = 4.17258e-5 m. The points:
// 0, yA, yA + f (16 yrm - yA) for f = 0.02 ... 1, and 20 yrm; p = 0.5 pur
// (y / yrm)^0.25 beyond yA, pur from 16 yrm.
TEST(RockPrint, WeakRockInSiUnits) {
  auto ctx = makeSoilContext(kUnitsSi);
  AnalysisModel& model = ctx->model;
  SoilLayer& rock = addLayer(model, kWeakRock, 0.0, 10.0);
  setValue(rock.cohesion, 2000.0, 2000.0);
  setValue(rock.unitWeight, 12.0, 12.0);
  setValue(rock.rqd, 75.0, 75.0);
  setValue(rock.rockModulus, 1.0e5, 1.0e5);
  setValue(rock.krm, 0.0001, 0.0001);
  rock.epsilon50 = rock.krm;
  setUniformPile(model, 10.0, 1.0);
  placeVerticalNodes(model, 20);
  const double depths[] = {0.0, 5.0, 2.0};
  printPyCurves(*ctx, 1, 2, 2, depths);

  const std::string expected = lines({
      "",
      "",
      "p-y Curve Computed Using Weak Rock Criteria",
      "",
      labelled("Soil Layer Number", "           1"),
      labelled("Depth below pile head", "       2.000", "m  "),
      labelled("Depth below ground surface", "       2.000", "m  "),
      labelled("Diameter", "       1.000", "m  "),
      labelled("Unconfined Compressive Strength", "    2000.000", "kPa "),
      labelled("Gamma Avg", "    12.00000", "kN/m3"),
      labelled("Xr", "       2.000", "m  "),
      labelled("RQD", "      75.000", "%"),
      labelled("Eir", "     100000.", "kPa "),
      labelled("Pu", "    3800.000", "kN/m "),
      labelled("k_rm", " 1.00000E-04"),
      labelled("K_ir", " 3.66667E+02"),
      labelled("Alpha_r", "     0.50000"),
      labelled("Yu", "     0.03750", "m  "),
      labelled("Yrm", "     0.00010", "m  "),
      labelled("Y_A", " 4.17258E-05", "m  "),
      labelled("p-multiplier", "     1.00000"),
      labelled("y-multiplier", "     1.00000"),
      "",
      "        y, m              p, kN/m ",
      "---------------   ---------------",
      "         0.0000           0.0000",
      "      0.0000417       1527.05546",
      "      0.0000729       1755.58765",
      "      0.0001041       1918.98327",
      "      0.0001352       2048.87584",
      "      0.0001664       2157.91297",
      "      0.0001976       2252.55097",
      "      0.0003534       2605.03931",
      "      0.0005092       2854.15406",
      "      0.0006650       3051.15868",
      "      0.0008209       3216.03854",
      "      0.0009767       3358.86704",
      "        0.00113       3485.49801",
      "        0.00129       3599.66136",
      "        0.00144       3703.89237",
      "        0.00160       3799.99987",
      "        0.00200       3799.99987",
  });
  EXPECT_EQ(ctx->report.text(), expected);

  const std::string plot =
      plotRecords("  2.0000000E+00   17" + std::string(60, ' ') +
                      "Line 7:  p-y curve depth in weak rock, no. p-y points on curve no. 2",
                  {"  0.0000000E+00  0.0000000E+00", "  4.1725821E-05  1.5270555E+03",
                   "  7.2891304E-05  1.7555876E+03", "  1.0405679E-04  1.9189833E+03",
                   "  1.3522227E-04  2.0488758E+03", "  1.6638775E-04  2.1579130E+03",
                   "  1.9755324E-04  2.2525510E+03", "  3.5338066E-04  2.6050393E+03",
                   "  5.0920809E-04  2.8541541E+03", "  6.6503550E-04  3.0511587E+03",
                   "  8.2086291E-04  3.2160385E+03", "  9.7669037E-04  3.3588670E+03",
                   "  1.1325177E-03  3.4854980E+03", "  1.2883452E-03  3.5996614E+03",
                   "  1.4441725E-03  3.7038924E+03", "  1.6000000E-03  3.7999999E+03",
                   "  2.0000000E-03  3.7999999E+03"},
                  "): y, p, for weak rock");
  EXPECT_EQ(ctx->plot.text(), plot);
}

// US customary units: massive rock of qu = 50 psi (model units), unit weight
// 0.09 pci, a 48 in shaft whose bending stiffness grows along the pile; the
// curve at 125 in, between the nodes at 120 and 132 in. The block shows the
// input and the criterion's fixed rock-mass constants, in the model's length
// unit; the points are 15 steps to 0.005 D = 0.24 in and 1.2 times that.
TEST(RockPrint, MassiveRockInUsCustomaryUnits) {
  auto ctx = makeSoilContext(kUnitsUsCustomary);
  AnalysisModel& model = ctx->model;
  SoilLayer& rock = addLayer(model, kMassiveRock, 0.0, 600.0);
  setValue(rock.cohesion, 50.0, 50.0);
  setValue(rock.unitWeight, 0.09, 0.09);
  // Input that the criterion does not use: its constants are fixed.
  rock.gsi = {75.0, 75.0};
  rock.poissonRatio = {0.25, 0.25};
  setUniformPile(model, 600.0, 48.0);
  placeVerticalNodes(model, 50);
  for (int k = 1; k <= model.pileModel.N; ++k) {
    model.pileModel.node[k].EI = 1.0e12 + 1.0e9 * model.pileModel.node[k].xv;
  }
  const double depths[] = {0.0, 125.0};
  printPyCurves(*ctx, 1, 1, 1, depths);

  const std::string head = lines({
      "",
      "",
      "p-y Curve Computed Using the Criteria for Massive Rock by Liang, et al., 2009",
      "",
      labelled("Soil Layer Number", "         1"),
      labelled("Depth below pile head", "     125.000", "in "),
      labelled("Depth below ground surface", "     125.000", "in "),
      labelled("Pile Diameter", "      48.000", "in "),
      labelled("Uniaxial compressive strength", "      50.000", "lbs/in **2"),
      labelled("Avg. Eff. Unit Weight", "     0.09000", "lbs/in **3"),
      labelled("m sub i", "       6.000"),
      labelled("Geological Strength Index GSI", "    42.00000"),
      labelled("Poisson's Ratio", "       0.400"),
      labelled("p-multiplier", "     1.00000"),
      labelled("y-multiplier", "     1.00000"),
      "",
      "     y, in              p, lbs/in ",
      "----------------    -----------------",
  });
  const std::string& report = ctx->report.text();
  ASSERT_EQ(report.substr(0, head.size()), head);

  // The rows against the method, with the stiffness between the nodes (1.125e12).
  const testing::MassiveRockResult reference =
      testing::massiveRockReference({50.0, 0.09, 350.0 * 50.0, 48.0, 1.125e12, 125.0, 12.0});
  std::vector<double> ys;
  for (int k = 0; k <= 15; ++k) ys.push_back(k * 0.24 / 15.0);
  ys.push_back(1.2 * 0.24);
  std::size_t at = head.size();
  for (double y : ys) {
    SCOPED_TRACE(y);
    const std::size_t end = report.find('\n', at);
    ASSERT_NE(end, std::string::npos);
    const std::string row = report.substr(at, end - at);
    EXPECT_EQ(row.size(), 32u);
    EXPECT_NEAR(std::stod(row.substr(0, 15)), y, 5e-7);
    const double p = testing::massiveRockP(reference, y);
    EXPECT_NEAR(std::stod(row.substr(15)), p, 1e-5 + 1e-7 * p);
    at = end + 1;
  }
  EXPECT_EQ(at, report.size());

  const std::string plot = ctx->plot.text();
  EXPECT_EQ(plot.substr(0, plot.find('\n')),
            "  1.2500000E+02   17" + std::string(60, ' ') +
                "Line 7:  p-y curve depth in massive rock, no. p-y points on curve no. 1");
  EXPECT_NE(plot.find(std::string(50, ' ') + "Line 8(17): y (in), p (lb/in), for Massive Rock\n"),
            std::string::npos);
}

}  // namespace
}  // namespace quarn::soil
