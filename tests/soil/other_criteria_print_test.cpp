// Printed curves of the other soil criteria: report blocks and plot records
// compared with texts worked out by hand from the methods.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "other_criteria_reference.h"
#include "soil/py_framework.h"
#include "soil_fixture.h"

namespace quarn::soil {
namespace {

using testing::addLayer;
using testing::makeSoilContext;
using testing::placeVerticalNodes;
using testing::setUniformPile;
using testing::setValue;

constexpr int kPiedmont = 10;
constexpr int kCementedSilt = 11;
constexpr int kLoess = 12;
constexpr int kElasticSubgrade = 13;
constexpr int kUserPy = 14;

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

std::string plotRecords(const std::string& line7, const std::vector<std::string>& pairs,
                        const std::string& comment, int blanks = 50) {
  std::string text = line7 + "\n";
  for (std::size_t n = 0; n < pairs.size(); ++n) {
    std::string number = std::to_string(n + 1);
    if (blanks == 20 && number.size() < 2) number = " " + number;  // I2
    text += pairs[n] + std::string(blanks, ' ') + "Line 8(" + number + comment + "\n";
  }
  return text;
}

// US customary units: k = 50 to 150 pci over 50 ft, a 24 in pile, the curve at
// 25 ft (300 in) where k = 100 pci. By hand: p = k b y = 2400 y lb/in at
// y = 0, 3, 6, ... 48 in (b / 8 steps to 2 b).
TEST(OtherCriteriaPrint, ElasticSubgradeInUsCustomaryUnits) {
  auto ctx = makeSoilContext(kUnitsUsCustomary);
  AnalysisModel& model = ctx->model;
  SoilLayer& soil = addLayer(model, kElasticSubgrade, 0.0, 600.0);
  setValue(soil.subgradeK, 50.0, 150.0);
  setValue(soil.unitWeight, 0.07, 0.07);
  setUniformPile(model, 600.0, 24.0);
  placeVerticalNodes(model, 50);
  const double depths[] = {0.0, 300.0};
  printPyCurves(*ctx, 1, 1, 1, depths);

  const std::string expected = lines({
      "",
      "",
      "p-y Curve for Elastic Subgrade",
      "",
      labelled("Soil Layer Number", "         1"),
      labelled("Depth below pile head", "      25.000", "ft"),
      labelled("Depth below ground surface", "      25.000", "ft"),
      labelled("Shaft Diameter", "      24.000", "in "),
      labelled("Elastic Subgrade Modulus", "     100.000", "pci  "),
      labelled("p-multiplier", "     1.00000"),
      labelled("y-multiplier", "     1.00000"),
      "",
      "        y, in        p, lb/in",
      "---------------   ---------------",
      "         0.0000           0.0000",
      "        3.00000       7200.00000",
      "        6.00000           14400.",
      "        9.00000           21600.",
      "       12.00000           28800.",
      "       15.00000           36000.",
      "       18.00000           43200.",
      "       21.00000           50400.",
      "       24.00000           57600.",
      "       27.00000           64800.",
      "       30.00000           72000.",
      "       33.00000           79200.",
      "       36.00000           86400.",
      "       39.00000           93600.",
      "       42.00000          100800.",
      "       45.00000          108000.",
      "       48.00000          115200.",
  });
  EXPECT_EQ(ctx->report.text(), expected);

  const std::string plot = plotRecords(
      "  3.0000000E+02   17" + std::string(60, ' ') +
          "Line 7:  p-y curve depth in elastic subgrade soil, no. p-y points on curve no. 1",
      {"  0.0000000E+00  0.0000000E+00", "  3.0000000E+00  7.2000000E+03",
       "  6.0000000E+00  1.4400000E+04", "  9.0000000E+00  2.1600000E+04",
       "  1.2000000E+01  2.8800000E+04", "  1.5000000E+01  3.6000000E+04",
       "  1.8000000E+01  4.3200000E+04", "  2.1000000E+01  5.0400000E+04",
       "  2.4000000E+01  5.7600000E+04", "  2.7000000E+01  6.4800000E+04",
       "  3.0000000E+01  7.2000000E+04", "  3.3000000E+01  7.9200000E+04",
       "  3.6000000E+01  8.6400000E+04", "  3.9000000E+01  9.3600000E+04",
       "  4.2000000E+01  1.0080000E+05", "  4.5000000E+01  1.0800000E+05",
       "  4.8000000E+01  1.1520000E+05"},
      "): y, p, for elastic subgrade");
  EXPECT_EQ(ctx->plot.text(), plot);
}

// US customary units: SPT N60 = 20 (Ei = 22 x 20 = 440), a 24 in pile, the
// curve at 5 ft. By hand: y1 = 0.001 b = 0.024 in, p1 = 440 x 24 x 0.024 =
// 253.44 lb/in; yu = 0.0375 b = 0.9 in, pu = 0.21632 x 440 x 24 x 0.9 =
// 2055.91 lb/in; between them p = Ei b y (1 - 0.21625 ln(1000 y / b)) at 14
// equal steps; 1.05 yu beyond.
TEST(OtherCriteriaPrint, PiedmontResidualSoilInUsCustomaryUnits) {
  auto ctx = makeSoilContext(kUnitsUsCustomary);
  AnalysisModel& model = ctx->model;
  SoilLayer& soil = addLayer(model, kPiedmont, 0.0, 240.0);
  soil.fieldTestCode = {1, 1};
  setValue(soil.sptN60, 20.0, 20.0);
  setValue(soil.unitWeight, 0.07, 0.07);
  setUniformPile(model, 240.0, 24.0);
  placeVerticalNodes(model, 40);
  const double depths[] = {0.0, 60.0};
  printPyCurves(*ctx, 1, 1, 1, depths);

  const std::string expected = lines({
      "",
      "",
      "p-y Curve for Piedmont Residual Soil Criteria",
      "",
      labelled("Soil Layer Number", "           1"),
      labelled("Depth below pile head", "       5.000", "ft"),
      labelled("Depth below ground surface", "       5.000", "ft"),
      labelled("Shaft Diameter", "      24.000", "in "),
      labelled("Type of Field Test", "Standard Penetration Test"),
      labelled("SPT  N60-value", "      20.000", "blows/ft"),
      labelled("Initial Modulus from Field Tests", "     440.000", "pci  "),
      labelled("p-multiplier", "     1.00000"),
      labelled("y-multiplier", "     1.00000"),
      "",
      "        y, in        p, lb/in",
      "---------------   ---------------",
      "         0.0000           0.0000",
      "        0.02400        253.44001",
      "        0.08657        660.57233",
      "        0.14914        952.76349",
      "        0.21171       1183.11265",
      "        0.27429       1370.59498",
      "        0.33686       1525.19263",
      "        0.39943       1653.09431",
      "        0.46200       1758.52007",
      "        0.52457       1844.53431",
      "        0.58714       1913.46429",
      "        0.64971       1967.13804",
      "        0.71229       2007.02962",
      "        0.77486       2034.35304",
      "        0.83743       2050.12551",
      "        0.90000       2055.91241",
      "        0.94500       2055.91241",
  });
  EXPECT_EQ(ctx->report.text(), expected);

  const std::string plot = plotRecords(
      "  6.0000000E+01   17" + std::string(60, ' ') +
          "Line 7:  p-y curve depth in Piedmont residual soil, no. p-y points on curve no. 1",
      {"  0.0000000E+00  0.0000000E+00", "  2.4000001E-02  2.5344001E+02",
       "  8.6571432E-02  6.6057233E+02", "  1.4914286E-01  9.5276349E+02",
       "  2.1171429E-01  1.1831127E+03", "  2.7428573E-01  1.3705950E+03",
       "  3.3685716E-01  1.5251926E+03", "  3.9942859E-01  1.6530943E+03",
       "  4.6200002E-01  1.7585201E+03", "  5.2457145E-01  1.8445343E+03",
       "  5.8714288E-01  1.9134643E+03", "  6.4971431E-01  1.9671380E+03",
       "  7.1228574E-01  2.0070296E+03", "  7.7485717E-01  2.0343530E+03",
       "  8.3742860E-01  2.0501255E+03", "  9.0000004E-01  2.0559124E+03",
       "  9.4499999E-01  2.0559124E+03"},
      "): y, p, for Piedmont residual soil");
  EXPECT_EQ(ctx->plot.text(), plot);
}

// SI units: user curves between 2 and 8 m (ground surface at 2 m), the curve
// at 4 m, a third of the way down: p = (2 p_top + p_bottom) / 3 of the curves
// (0, 0), (0.01, 50), (0.03, 80), (0.1, 100) and (0, 0), (0.02, 150),
// (0.05, 250), (0.1, 280), (0.2, 300). By hand at 0.001 m: top 5, bottom
// 7.5, p = (2 x 5 + 7.5) / 3 = 5.8333; at 0.025 m: top 72.5, bottom 166.667,
// p = 103.889; beyond both last points (2 x 100 + 300) / 3 = 166.667.
TEST(OtherCriteriaPrint, UserCurvesInSiUnits) {
  auto ctx = makeSoilContext(kUnitsSi);
  AnalysisModel& model = ctx->model;
  SoilLayer& soil = addLayer(model, kUserPy, 2.0, 8.0);
  const auto set = [](UserPyCurve& curve, std::vector<double> y, std::vector<double> p) {
    curve.points = static_cast<int>(y.size());
    for (std::size_t j = 0; j < y.size(); ++j) {
      curve.y[j + 1] = y[j];
      curve.p[j + 1] = p[j];
    }
  };
  set(soil.userCurves[0], {0.0, 0.01, 0.03, 0.1}, {0.0, 50.0, 80.0, 100.0});
  set(soil.userCurves[1], {0.0, 0.02, 0.05, 0.1, 0.2}, {0.0, 150.0, 250.0, 280.0, 300.0});
  setUniformPile(model, 8.0, 1.0);
  placeVerticalNodes(model, 16);
  const double depths[] = {0.0, 4.0};
  printPyCurves(*ctx, 1, 1, 1, depths);

  const std::string expected = lines({
      "",
      "",
      "p-y Curve Computed by Interpolation Between User-input Curves",
      "",
      labelled("Soil Layer Number", "           1"),
      labelled("Depth below pile head", "       4.000", "m  "),
      labelled("Depth below ground surface", "       2.000", "m  "),
      labelled("Pile diameter", "       1.000", "m  "),
      labelled("p-multiplier", "     1.00000"),
      labelled("y-multiplier", "     1.00000"),
      "",
      "     y, m               p, kN/m ",
      "----------------    ----------------",
      "         0.0000           0.0000",
      "      0.0010000          5.83333",
      "        0.00625         36.45833",
      "        0.01250         67.08333",
      "        0.01875         88.95834",
      "        0.02500        103.88889",
      "        0.03125        116.07143",
      "        0.03750        124.20635",
      "        0.04375        132.34127",
      "        0.05000        140.47619",
      "        0.05625        142.91667",
      "        0.06250        145.35714",
      "        0.06875        147.79762",
      "        0.07500        150.23810",
      "        0.20000        166.66667",
      "        0.37500        166.66667",
      "        0.50000        166.66667",
  });
  EXPECT_EQ(ctx->report.text(), expected);

  const std::string plot = plotRecords(
      "  4.0000000E+00   17" + std::string(60, ' ') +
          "Line 7:  p-y curve depth in user-input p-y curve, no. p-y points on curve no. 1",
      {"  0.0000000E+00  0.0000000E+00", "  1.0000000E-03  5.8333336E+00",
       "  6.2500001E-03  3.6458334E+01", "  1.2500000E-02  6.7083334E+01",
       "  1.8750001E-02  8.8958336E+01", "  2.5000000E-02  1.0388889E+02",
       "  3.1250000E-02  1.1607143E+02", "  3.7500001E-02  1.2420635E+02",
       "  4.3749999E-02  1.3234127E+02", "  5.0000001E-02  1.4047619E+02",
       "  5.6249999E-02  1.4291667E+02", "  6.2500000E-02  1.4535714E+02",
       "  6.8750001E-02  1.4779762E+02", "  7.5000003E-02  1.5023810E+02",
       "  2.0000000E-01  1.6666667E+02", "  3.7500000E-01  1.6666667E+02",
       "  5.0000000E-01  1.6666667E+02"},
      "): y, p, for user-input p-y curve", 20);
  EXPECT_EQ(ctx->plot.text(), plot);
}

// The label lines of a block, in order, up to its column header; each line
// is the label padded to column 56 followed by "= ".
void expectLabels(const std::string& report, std::size_t from,
                  const std::vector<std::string>& labels) {
  std::size_t at = from;
  for (const std::string& label : labels) {
    SCOPED_TRACE(label);
    const std::size_t end = report.find('\n', at);
    ASSERT_NE(end, std::string::npos);
    const std::string line = report.substr(at, end - at);
    EXPECT_EQ(line.substr(0, 57), label + std::string(55 - label.size(), ' ') + "= ");
    at = end + 1;
  }
}

// The value of the labelled line of a block (the field after "= ").
double valueOf(const std::string& report, const std::string& label) {
  const std::size_t at = report.find("\n" + label + std::string(55 - label.size(), ' ') + "= ");
  if (at == std::string::npos) return std::nan("");
  return std::stod(report.substr(at + 58, 12));
}

// SI units, static loading: cemented silt of c = 12 kPa, phi = 32 degrees,
// gamma' = 9 kN/m3, k = 20000 kN/m3, a 0.6 m pile; the curve at 1.5 m
// (x/B = 2.5). The block lists its parameters in order; the values are
// those of the method.
TEST(OtherCriteriaPrint, CementedSiltInSiUnits) {
  auto ctx = makeSoilContext(kUnitsSi);
  AnalysisModel& model = ctx->model;
  SoilLayer& silt = addLayer(model, kCementedSilt, 0.0, 12.0);
  setValue(silt.cohesion, 12.0, 12.0);
  setValue(silt.frictionAngle, 32.0, 32.0);
  setValue(silt.unitWeight, 9.0, 9.0);
  setValue(silt.subgradeK, 20000.0, 20000.0);
  setUniformPile(model, 12.0, 0.6);
  placeVerticalNodes(model, 40);
  const double depths[] = {0.0, 1.5};
  printPyCurves(*ctx, 1, 1, 1, depths);
  const std::string& report = ctx->report.text();

  const std::string title =
      "\n\np-y Curve Computed Using the Static Criteria for Cemented Silt\n\n";
  ASSERT_EQ(report.substr(0, title.size()), title);
  expectLabels(report, title.size(),
               {"Soil Layer Number",
                "Depth below pile head",
                "Depth below ground surface",
                "Equivalent Depth, x",
                "Pile Diameter, B",
                "Cohesion, c",
                "Angle of Friction, phi",
                "Avg. Eff. Unit Weight",
                "k (interp. from input)",
                "Epsilon50 (interp.)",
                "x/B ratio",
                "A parameter = fn(x/B)",
                "B parameter = fn(x/B)",
                "m",
                "n",
                "Cbar",
                "yk",
                "Pu",
                "Pc",
                "ym = b/60",
                "pm",
                "yu = 3b/80",
                "Pu,c",
                "Pu,phi",
                "p-multiplier",
                "y-multiplier"});
  // Units as the block composes them from the force and length labels.
  EXPECT_NE(report.find("=       12.000 kN /m  **2\n"), std::string::npos);
  EXPECT_NE(report.find("=       32.000 deg.\n"), std::string::npos);
  EXPECT_NE(report.find("=      9.00000 kN /m  **3\n"), std::string::npos);
  EXPECT_NE(report.find("=    20000.000 kN/m3\n"), std::string::npos);
  // Two empty lines, then the column header and its rule.
  EXPECT_NE(report.find("=      1.00000\n\n\n        y, m               p, kN /m  \n"
                        "----------------    -----------------\n"),
            std::string::npos);

  const testing::CementedSilt reference{12.0, 32.0, 9.0, 0.6, 1.5, 20000.0, false};
  const testing::CementedSiltResult r = testing::cementedSiltReference(reference);
  EXPECT_NEAR(valueOf(report, "A parameter = fn(x/B)"), 1.23, 1e-5);
  EXPECT_NEAR(valueOf(report, "Pc"), r.ps, 1e-3);
  EXPECT_NEAR(valueOf(report, "Pu,phi"), r.ps, 1e-3);
  EXPECT_NEAR(valueOf(report, "Pu"), r.puc, 1e-3);
  EXPECT_NEAR(valueOf(report, "Pu,c"), r.puc, 1e-3);
  EXPECT_NEAR(valueOf(report, "pm"), r.pm, 1e-3);
  EXPECT_NEAR(valueOf(report, "yk"), r.yk, 1e-5);
  EXPECT_NEAR(valueOf(report, "ym = b/60"), 0.01, 1e-5);
  EXPECT_NEAR(valueOf(report, "yu = 3b/80"), 0.0225, 1e-5);
  // Epsilon-50 is the default of a 12 kPa silt in SI units.
  EXPECT_NEAR(valueOf(report, "Epsilon50 (interp.)"), 0.02, 1e-9);

  // The rows: twelve steps of D / 720 to ym, yu, then yu plus 5, 10 and 15 %.
  const std::size_t rows = report.find("-----------------\n") + 18;
  std::vector<double> ys = {0.0};
  for (int j = 1; j <= 12; ++j) ys.push_back(j * 0.6 / 720.0);
  for (double f : {1.0, 1.05, 1.10, 1.15}) ys.push_back(f * r.yu);
  std::size_t at = rows;
  for (double y : ys) {
    SCOPED_TRACE(y);
    const std::size_t end = report.find('\n', at);
    ASSERT_NE(end, std::string::npos);
    EXPECT_NEAR(std::stod(report.substr(at, 15)), y, 5.1e-6);  // F11.5
    const double p = testing::cementedSiltP(reference, r, y);
    EXPECT_NEAR(std::stod(report.substr(at + 15, end - at - 15)), p, 1e-5 + 1e-6 * p);
    at = end + 1;
  }
  EXPECT_EQ(at, report.size());

  const std::string& plot = ctx->plot.text();
  EXPECT_EQ(plot.substr(0, plot.find('\n')),
            "  1.5000000E+00   17" + std::string(60, ' ') +
                "Line 7:  p-y curve depth in cemented silt (m), no. p-y points on curve no. 1");
  EXPECT_NE(plot.find(std::string(50, ' ') + "Line 8(17): y, p, for cemented c-phi\n"),
            std::string::npos);
}

// SI units, 5 cycles: loess of qc = 3000 kPa, a 0.6 m pile, the curve at 3 m.
// By hand: pu0 = 0.409 x 3000 = 1227 kPa; pu = 0.6 x 1227 / (1 + 0.24 ln 5)
// = 531.07 kN/m; Ei = pu / 0.0029718 = 178,702 kPa.
TEST(OtherCriteriaPrint, LoessInSiUnits) {
  auto ctx = makeSoilContext(kUnitsSi);
  AnalysisModel& model = ctx->model;
  SoilLayer& soil = addLayer(model, kLoess, 0.0, 10.0);
  setValue(soil.coneTip, 3000.0, 3000.0);
  setValue(soil.unitWeight, 15.0, 15.0);
  model.options.cyclicLoading = true;
  model.options.numberOfCycles = 5.0;
  setUniformPile(model, 10.0, 0.6);
  placeVerticalNodes(model, 20);
  const double depths[] = {0.0, 3.0};
  printPyCurves(*ctx, 1, 1, 1, depths);
  const std::string& report = ctx->report.text();
  const testing::Loess reference{3000.0, 0.6, 5.0, 0.0029718};
  const double pu = testing::loessUltimate(reference);

  const std::string head = lines({
      "",
      "",
      "p-y Curve for Loess",
      "",
      labelled("Soil Layer Number", "           1"),
      labelled("Depth below pile head", "       3.000", "m  "),
      labelled("Depth below ground surface", "       3.000", "m  "),
      labelled("Shaft Diameter", "       0.600", "m  "),
      labelled("Depth Adj. Cone tip resistance", "    3000.000", "kPa "),
      labelled("Cone tip resistance", "    3000.000", "kPa "),
  });
  ASSERT_EQ(report.substr(0, head.size()), head);
  EXPECT_NEAR(valueOf(report, "Initial Modulus, Ei"), pu / 0.0029718, 1e-7 * pu / 0.0029718);
  EXPECT_NEAR(valueOf(report, "p_u0"), 1227.0, 1e-3);
  EXPECT_NEAR(valueOf(report, "p_u"), pu, 1e-3);
  EXPECT_NE(report.find(labelled("Number of Cycles of Loading", "          5.", "cycles") + "\n" +
                        labelled("p-multiplier", "     1.00000") + "\n" +
                        labelled("y-multiplier", "     1.00000") + "\n\n" +
                        "        y, m         p, kN/m \n---------------   ---------------\n"),
            std::string::npos);
  // The last row: 50 yref.
  const std::size_t last = report.rfind('\n', report.size() - 2) + 1;
  EXPECT_NEAR(std::stod(report.substr(last, 15)), 50.0 * 0.0029718, 5e-6);
  EXPECT_NEAR(std::stod(report.substr(last + 15)), testing::loessP(reference, 50.0 * 0.0029718),
              1e-4);
}

}  // namespace
}  // namespace quarn::soil
