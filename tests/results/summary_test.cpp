// Summary of pile responses: the table rows of the bundled two-case example
// against the case results of the same run, the row layout and headings
// against the texts of the engine's documentation, the Line 13 records, and
// the LRFD moment performance table.
#include "report/summary.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "results_runs.h"

namespace quarn::report {
namespace {

using results::testing::exampleRun;
using results::testing::joined;
using results::testing::lines;
using results::testing::linesWith;
using results::testing::numbers;
using results::testing::runPile;
using results::testing::valueAfter;

std::unique_ptr<engine::RunContext> memoryContext(int units) {
  auto ctx = engine::makeRunContext();
  initializeModel(ctx->model, "test");
  ctx->report.captureInMemory();
  ctx->plot.captureInMemory();
  ctx->messages.captureInMemory();
  ctx->model.options.IUNITS = units;
  setUnitLabels(ctx->model);
  return ctx;
}

const std::string kRule =
    "----  ----  --------------  --------------  -------------  -------------  -------------  "
    "-------------  -------------";

std::vector<std::string> title() {
  return {"",
          "",
          "",
          std::string(80, '-'),
          std::string(27, ' ') + "Summary of Pile Response(s)",
          std::string(80, '-'),
          "",
          ""};
}

// ---- the two-case example ---------------------------------------------------

// The plot records of one case: Line 10 of every node, in node order.
std::vector<std::string> nodeRecords(const std::string& plot, int loadCase) {
  std::vector<std::string> out;
  int seen = 0;  // Line 11 records passed: the case whose nodes follow is seen + 1
  for (const std::string& line : lines(plot)) {
    if (line.find("Line 11:") != std::string::npos) ++seen;
    if (line.find("Line 10(") != std::string::npos && seen == loadCase - 1) out.push_back(line);
  }
  return out;
}

// Field f (0-based) of a record of ES15.7 fields.
std::string field(const std::string& record, int f) {
  return record.substr(15 * f, 15);
}

// The signed value of largest magnitude of field f over the records; the
// earlier record wins a tie, as along the pile.
std::string largestField(const std::vector<std::string>& records, int f) {
  std::string best = field(records.front(), f);
  for (const std::string& r : records) {
    if (std::fabs(std::stod(field(r, f))) > std::fabs(std::stod(best))) best = field(r, f);
  }
  return best;
}

TEST(PileSummary, ExampleRowsAgreeWithTheCaseResults) {
  const auto run = runPile(exampleRun());
  ASSERT_EQ(run.code, 0) << run.messages;

  // The rows as read by hand from this run's case reports: input values 20
  // and 30 kips of shear, no moment or slope, 50 kips of thrust; pile-head
  // deflections, maximum moments and shears of the two cases, the free head's
  // rotation and the fixed head's rotation of zero (rounding noise of 7E-17;
  // a negative one keeps its sign in F15.8). The lower clay layer takes the
  // equivalent depth of the upper one.
  const std::vector<std::string> rows = {
      "  1     1   V =     20000.  M =      0.000         50000.     0.71407468       1684066.  "
      "       20000.    -0.00464197",
      "  2     2   V =     30000.  S =      0.000         50000.     0.37259504      -2789592.  "
      "       30000.     0.00000000"};
  std::vector<std::string> expected = title();
  for (const char* row :
       {"Definitions of Pile-head Loading Conditions:", "",
        "Load Type 1: Load 1 = Shear, lbs, and Load 2 = Moment, in-lbs",
        "Load Type 2: Load 1 = Shear, lbs, and Load 2 = Slope, radians",
        "Load Type 3: Load 1 = Shear, lbs, and Load 2 = Rotational Stiffness, in-lbs/radian",
        "Load Type 4: Load 1 = Top Deflection, inches, and Load 2 = Moment, in-lbs",
        "Load Type 5: Load 1 = Top Deflection, inches, and Load 2 = Slope, radians", "", "",
        "               Pile-head      Pile-head ",
        "Load  Load    Condition 1    Condition 2        Axial        Pile-head       Maximum      "
        "  Maximum       Pile-head  ",
        "Case  Type    V(lbs) or     in-lb, rad.,       Loading      Deflection       Moment       "
        "   Shear        Rotation   ",
        " No.   No.    y(inches)     or in-lb/rad.        lbs          inches         in-lbs       "
        "    lbs          radians   "}) {
    expected.push_back(row);
  }
  expected.push_back(kRule);
  for (const std::string& row : rows) expected.push_back(row);
  const std::string summary = joined(expected);
  const std::size_t at = run.report.find(summary);
  ASSERT_NE(at, std::string::npos) << run.report;
  // The summary follows the last case and precedes the closing line.
  EXPECT_GT(at, run.report.find("Output Summary for Load Case No. 2:"));
  EXPECT_EQ(run.report.substr(at + summary.size()), "\nThe analysis ended normally. \n\n");

  const std::vector<std::string> plot13 = linesWith(run.plot, "Line 13:");
  ASSERT_EQ(plot13.size(), 2u);
  for (int L = 1; L <= 2; ++L) {
    SCOPED_TRACE("load case " + std::to_string(L));
    const std::string& row = rows[static_cast<std::size_t>(L - 1)];
    const std::vector<std::string> nodes = nodeRecords(run.plot, L);
    ASSERT_EQ(nodes.size(), 101u);
    // Row columns against the node results of the case: the head deflection
    // of node 1 (8 significant digits in both), the largest moment and shear
    // along the pile, and the slope of the case's output summary.
    EXPECT_NEAR(std::stod(row.substr(57, 15)), std::stod(field(nodes[0], 1)), 5.0e-9);
    EXPECT_NEAR(std::stod(row.substr(72, 15)), std::stod(largestField(nodes, 2)), 0.5);
    EXPECT_NEAR(std::stod(row.substr(91, 11)), std::stod(largestField(nodes, 3)), 0.5);
    const double slope = valueAfter(run.report, "Computed slope at pile head      = ", L);
    EXPECT_NEAR(std::stod(row.substr(102, 15)), slope, 5.0e-8);

    // Line 13: head shear and deflection of node 1, the largest moment and
    // shear (the same ES15.7 fields as the node records), the rotation.
    const std::string& record = plot13[static_cast<std::size_t>(L - 1)];
    EXPECT_EQ(field(record, 0), field(nodes[0], 3));
    EXPECT_EQ(field(record, 1), field(nodes[0], 1));
    EXPECT_EQ(field(record, 2), largestField(nodes, 2));
    EXPECT_EQ(field(record, 3), largestField(nodes, 3));
    EXPECT_NEAR(std::stod(field(record, 4)), slope, 5.0e-8);
    EXPECT_EQ(record.substr(75),
              "     Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)");
  }
  // The Line 13 records close the plot file.
  EXPECT_EQ(lines(run.plot).back(), plot13.back());
}

// ---- layout -----------------------------------------------------------------

struct RowCase {
  const char* name;
  int L;
  int type;
  double value1, value2, axial;
  CaseResult result;
  std::string expected;
};

CaseResult result(double y, double M, double V, double rotation) {
  CaseResult r;
  r.headDeflection = y;
  r.maxMoment = M;
  r.maxShear = V;
  r.headSlope = rotation;
  return r;
}

TEST(PileSummary, RowLayout) {
  const RowCase cases[] = {
      // I3 "  3", 1X, label, widths 11 (F10.4 / F10.0), 15 (F14.7 for zero,
      // F14.8, F14.0), 4X, 11 (F10.4), F15.8.
      {"deflection and moment", 3, 4, 0.5, 250000.0, 0.0,
       result(0.5, 1.25e6, -3000.5, -0.0123456789),
       std::string("  3") + " " + "    4   y =" + "     0.5000" + "  M =" + "    250000." +
           "      0.0000000" + "     0.50000000" + "       1250000." + "    " + " -3000.5000" +
           "    -0.01234568"},
      // Widths 11 (ES10.3 beyond 1.0E8, F10.6 at 0.005), 15 (ES14.7 below 1.0E-8).
      // Zero below 1.0E-12 (F10.3).
      {"large and small values", 100, 3, 2.5e9, 0.005, -9000.0, result(5.0e-9, -0.25, 1.0e-13, 0.0),
       std::string("100") + " " + "    3   V =" + "  2.500E+09" + "  R =" + "   0.005000" +
           " -9000.00000000" + "  5.0000000E-09" + "    -0.25000000" + "    " + "      0.000" +
           "     0.00000000"},
      {"shear and slope", 7, 2, 1.0, -0.001, 12.0, result(1.0, 2.0, 3.0, 0.001),
       std::string("  7") + " " + "    2   V =" + "     1.0000" + "  S =" + "  -0.001000" +
           "    12.00000000" + "     1.00000000" + "     2.00000000" + "    " + "     3.0000" +
           "     0.00100000"},
  };
  for (const RowCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto ctx = memoryContext(kUnitsUsCustomary);
    writeSummaryRow(ctx->report, c.L, static_cast<HeadLoadType>(c.type), c.value1, c.value2,
                    c.axial, c.result);
    EXPECT_EQ(ctx->report.text(), c.expected + "\n");
  }
}

TEST(PileSummary, LabelsByLoadType) {
  const char* labels[][2] = {{"    1   V =", "  M ="},
                             {"    2   V =", "  S ="},
                             {"    3   V =", "  R ="},
                             {"    4   y =", "  M ="},
                             {"    5   y =", "  S ="}};
  for (int t = 1; t <= 5; ++t) {
    auto ctx = memoryContext(kUnitsSi);
    writeSummaryRow(ctx->report, 1, static_cast<HeadLoadType>(t), 0.0, 0.0, 0.0, CaseResult{});
    const std::string row = ctx->report.text();
    EXPECT_EQ(row.substr(4, 11), labels[t - 1][0]);
    EXPECT_EQ(row.substr(26, 5), labels[t - 1][1]);
  }
}

struct HeadingCase {
  const char* name;
  int units;
  bool lrfd;
  std::vector<std::string> lines;  // after the title, up to the rule line
};

TEST(PileSummary, HeadingsByUnitsAndAnalysis) {
  const HeadingCase cases[] = {
      {"US customary",
       kUnitsUsCustomary,
       false,
       {"Definitions of Pile-head Loading Conditions:", "",
        "Load Type 1: Load 1 = Shear, lbs, and Load 2 = Moment, in-lbs",
        "Load Type 2: Load 1 = Shear, lbs, and Load 2 = Slope, radians",
        "Load Type 3: Load 1 = Shear, lbs, and Load 2 = Rotational Stiffness, in-lbs/radian",
        "Load Type 4: Load 1 = Top Deflection, inches, and Load 2 = Moment, in-lbs",
        "Load Type 5: Load 1 = Top Deflection, inches, and Load 2 = Slope, radians", "", "",
        "               Pile-head      Pile-head ",
        "Load  Load    Condition 1    Condition 2        Axial        Pile-head       Maximum      "
        "  Maximum       Pile-head  ",
        "Case  Type    V(lbs) or     in-lb, rad.,       Loading      Deflection       Moment       "
        "   Shear        Rotation   ",
        " No.   No.    y(inches)     or in-lb/rad.        lbs          inches         in-lbs       "
        "    lbs          radians   "}},
      {"SI",
       kUnitsSi,
       false,
       {"Definitions of Pile-head Loading Conditions:", "",
        "Load Type 1: Load 1 = Shear, kN, and Load 2 = Moment, kN-m ",
        "Load Type 2: Load 1 = Shear, kN, and Load 2 = Slope, radians",
        "Load Type 3: Load 1 = Shear, kN, and Load 2 = Rotational Stiffness, kN-m/radian",
        "Load Type 4: Load 1 = Top Deflection, m, and Load 2 = Moment, kN-m",
        "Load Type 5: Load 1 = Top Deflection, m, and Load 2 = Slope, radians", "", "",
        "               Pile-head      Pile-head ",
        "Load  Load    Condition 1    Condition 2        Axial        Pile-head       Maximum      "
        "  Maximum       Pile-head  ",
        "Case  Type    V(kN) or       kN-m, rad.,       Loading      Deflection       Moment       "
        "   Shear        Rotation   ",
        " No.   No.    y(meters)      or kN-m/rad.        kN           meters          kN-m        "
        "    kN           radians   "}},
      {"general units",
       kUnitsGeneral,
       false,
       {"Definitions of Pile-head Loading Conditions:", "",
        "               Pile-head      Pile-head ",
        "Load  Load    Condition 1    Condition 2        Axial        Pile-head       Maximum      "
        "  Maximum       Pile-head  "}},
      {"LRFD, US customary",
       kUnitsUsCustomary,
       true,
       {"Load  Load      Pile-head     Pile-head         Axial        Pile-head       Maximum      "
        "  Maximum       Pile-Head  ",
        "Case  Type        Shear         Moment           Load        Deflection       Moment      "
        "   Shear        Rotation    ",
        " No.   No.         lbs          in-lbs           lbs          inches          in-lbs      "
        "    lbs          radians   "}},
      {"LRFD, SI",
       kUnitsSi,
       true,
       {"Load  Load      Pile-head     Pile-head         Axial        Pile-head       Maximum      "
        "  Maximum       Pile-Head  ",
        "Case  Type       Shear          Moment           Load        Deflection       Moment      "
        "   Shear        Rotation   ",
        " No.   No.    kilonewtons        kN-m             kN           meters          kN-m       "
        "    kN           radians   "}},
      {"LRFD, general units",
       kUnitsGeneral,
       true,
       {"Load  Load      Pile-head     Pile-head         Axial        Pile-head       Maximum      "
        "  Maximum       Pile-Head  "}},
  };
  for (const HeadingCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto ctx = memoryContext(c.units);
    writeSummaryHeading(ctx->report, c.units, c.lrfd);
    std::vector<std::string> expected = title();
    for (const std::string& line : c.lines) expected.push_back(line);
    expected.push_back(kRule);
    EXPECT_EQ(ctx->report.text(), joined(expected));
  }
}

// Line 13 of every case in order, from the values the results routine kept;
// SI and general units share the metric comment.
TEST(PileSummary, PlotLine13PerCase) {
  struct PlotCase {
    int units;
    std::string comment;
  };
  const PlotCase cases[] = {
      {kUnitsUsCustomary, "Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)"},
      {kUnitsSi, "Line 13: TopV(kN) TopY(m), Mmax(kN-m), Vmax(kN), Rotation(rad)"},
      {kUnitsGeneral, "Line 13: TopV(kN) TopY(m), Mmax(kN-m), Vmax(kN), Rotation(rad)"},
  };
  for (const PlotCase& c : cases) {
    SCOPED_TRACE(c.units);
    auto ctx = memoryContext(c.units);
    AnalysisModel& model = ctx->model;
    model.loads.numberOfLoadCases = 2;
    model.loads.headLoads[1] = {HeadLoadType::kShearMoment, 100.0, 0.0, 0.0};
    model.loads.headLoads[2] = {HeadLoadType::kDeflectionSlope, 0.01, 0.0, 0.0};
    CaseResult& first = model.results.cases[1];
    first = result(0.25, -1234.5, 100.0, -0.003);
    first.headShear = 100.0;
    CaseResult& second = model.results.cases[2];
    second = result(0.01, 56789.0, -42.0, 0.0);
    second.headShear = -42.0;
    Write_Pile_Summary(*ctx);
    const std::string pad(5, ' ');  // five ES15.7 fields end at column 75; the text starts at 81
    EXPECT_EQ(ctx->plot.text(),
              "  1.0000000E+02  2.5000000E-01 -1.2345000E+03  1.0000000E+02 -3.0000000E-03" + pad +
                  c.comment + "\n" +
                  " -4.2000000E+01  1.0000000E-02  5.6789000E+04 -4.2000000E+01  0.0000000E+00" +
                  pad + c.comment + "\n");
    EXPECT_EQ(linesWith(ctx->report.text(), "    5   y =").size(), 1u);
  }
}

// ---- LRFD moment performance -------------------------------------------------

TEST(PileSummary, FactoredMomentCapacity) {
  struct CapacityCase {
    SectionType type;
    double phi, Mp, Mn;
    int units;
    std::optional<double> expected;
  };
  const CapacityCase cases[] = {
      {SectionType::Elastic, 0.9, 2.0e6, 5000.0, kUnitsUsCustomary, std::nullopt},
      {SectionType::ElasticPlastic, 0.9, 2.0e6, 5000.0, kUnitsUsCustomary, 1.8e6},  // Mp in in-lbs
      {SectionType::DrilledShaft, 0.9, 2.0e6, 5000.0, kUnitsUsCustomary, 4.5e6},    // Mn in in-kips
      {SectionType::DrilledShaft, 0.75, 0.0, 500.0, kUnitsSi, 375.0},               // kN-m as is
      {SectionType::SteelPipe, 1.0, 0.0, 800.0, kUnitsGeneral, 800.0},
  };
  for (const CapacityCase& c : cases) {
    const std::optional<double> C = factoredMomentCapacity(c.type, c.phi, c.Mp, c.Mn, c.units);
    ASSERT_EQ(C.has_value(), c.expected.has_value());
    if (C) {
      EXPECT_DOUBLE_EQ(*C, *c.expected);
    }
  }
}

// A row: I3, 1X, I7, 3X, phiM (10), 6X, capacity (10) or " Infinite ", 3X,
// moment (10), 3X, fraction F10.4 or "    N/A   ", 3X, verdict, shear (10), 3X,
// deflection (10), 3X, rotation (10), 3X, the name in 256 columns.
std::string row(const std::string& start, const std::string& capacity, const std::string& moment,
                const std::string& fraction, const std::string& verdict, const std::string& tail,
                const std::string& name) {
  std::string named = name;
  named.resize(256, ' ');
  return start + "      " + capacity + "   " + moment + "   " + fraction + "   " + verdict + tail +
         "   " + named;
}

TEST(PileSummary, LrfdPerformanceTable) {
  const std::string name1 = "Strength I";
  const std::string name2 = "Service I, wind";
  const LrfdPerformanceRow rows[] = {
      // -900 in-lbs against 1000 in-lbs passes with 0.9000 mobilized.
      {1, 1, 0.9, 1000.0, -900.0, 150.25, 0.25, -0.002, name1},
      // An elastic section has no capacity and never fails.
      {1, 2, 0.9, std::nullopt, 5.0e6, -10.0, 0.25, -0.002, name1},
      // A capacity equal to the magnitude of the moment fails.
      {2, 1, 1.0, 1000.0, 1000.0, 0.0, 1.5, 0.0125, name2},
  };
  auto ctx = memoryContext(kUnitsUsCustomary);
  EXPECT_EQ(writeLrfdPerformanceTable(*ctx, rows), 1);

  // Number widths of 10: F9.3 between 0.1 and 10000, F9.5 from 0.001 to 0.1,
  // F9.0 above 10000, and zero in F9.2.
  const std::string tail1 = "   150.250" + std::string("   ") + "     0.250" + "   " + "  -0.00200";
  const std::string tail2 = "   -10.000" + std::string("   ") + "     0.250" + "   " + "  -0.00200";
  const std::string tail3 = "      0.00" + std::string("   ") + "     1.500" + "   " + "   0.01250";
  const std::vector<std::string> expected = {
      "",
      "",
      std::string(80, '-'),
      std::string(19, ' ') + "LRFD Performance by Load Case Combination",
      std::string(80, '-'),
      "",
      "",
      "Load             Resistance    Factored      Maximum    Fact. Mom.    Pass/Fail     Maximum "
      "                          ",
      "Case   Section     Factor       Moment        Moment     Fraction     for LRFD    Shear "
      "For.    Pile-Top     Pile-Top ",
      " No.     No.     for Moment    Capacity     Developed    Mobilized     Moment      "
      "Developed   Deflection    Rotation ",
      "                              of Section   in Section   in Section   of Section   in "
      "Section    Developed    Developed   Name of Load Case Combination",
      "----   -------   ----------   ----------   ----------   ----------   ----------   "
      "----------   ----------   ----------   -----------------------------------------",
      row("  1       1        0.900", "  1000.000", "  -900.000", "    0.9000", "   Pass      ",
          tail1, name1),
      row("  1       2        0.900", " Infinite ", "  5000000.", "    N/A   ", "    N/A      ",
          tail2, name1),
      row("  2       1        1.000", "  1000.000", "  1000.000", "    1.0000", " > FAIL <    ",
          tail3, name2),
      "",
      "1 LRFD load combinations have failed.",
  };
  EXPECT_EQ(ctx->report.text(), joined(expected));
  EXPECT_EQ(ctx->model.state.warningOccurrences[400], 1);
  EXPECT_EQ(ctx->model.state.lastWarningCode, -400);
}

TEST(PileSummary, LrfdPerformanceTableAllPassing) {
  const LrfdPerformanceRow rows[] = {{1, 1, 0.9, 1000.0, -999.0, 1.0, 0.5, 0.001, "A"}};
  auto ctx = memoryContext(kUnitsSi);
  EXPECT_EQ(writeLrfdPerformanceTable(*ctx, rows), 0);
  const std::string text = ctx->report.text();
  EXPECT_EQ(text.substr(text.size() - 63),
            "\nAll LRFD load combinations have passed for all pile sections.\n");
  EXPECT_EQ(ctx->model.state.warningCount, 0);
}

}  // namespace
}  // namespace quarn::report
