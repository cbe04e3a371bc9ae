// Pile-head stiffness terms of whole runs: a long elastic pile on a constant
// subgrade modulus against the closed form of a beam on an elastic
// foundation, a pile in soft clay whose secant terms fall as the load grows,
// the load levels that replace a zero shear or moment, the signs of the
// table against those of the Line 14 records, a computation abandoned on a
// run that does not converge, general units without load levels, and the
// independence of the terms from a pile-length study run before them.
#include "analysis/head_stiffness.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "pile_head_runs.h"

namespace quarn::pile_head {
namespace {

using testing::elasticSubgrade;
using testing::fields;
using testing::HeadLoad;
using testing::lines;
using testing::linesAfter;
using testing::linesWith;
using testing::numbers;
using testing::PileRun;
using testing::runPile;
using testing::softClay;

const std::string kHeading = "Computed Pile-head Stiffness Matrix Values";
const std::string kRule =
    "  ------------  --------------  --------------  --------------  --------------";

// One Line 14 record: the load levels, the four terms and the displacements.
struct Line14 {
  double V, M, K22, K23, K32, K33, y, theta;
};

std::vector<Line14> line14Records(const std::string& plot) {
  std::vector<Line14> out;
  for (const std::string& line : linesWith(plot, "Line 14:")) {
    EXPECT_EQ(line.substr(120), "  Line 14: V, M, K22, K23, K32, K33, ytop, theta");
    const std::vector<double> v = fields(line, 8);
    out.push_back({v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]});
  }
  return out;
}

// The rows of the two report tables, each row's five numbers.
std::vector<std::vector<double>> tableRows(const std::string& report) {
  std::vector<std::vector<double>> rows;
  const std::vector<std::string> all = lines(report);
  for (std::size_t i = 0; i < all.size(); ++i) {
    if (all[i] != kRule) continue;
    for (std::size_t j = i + 1; j < all.size() && j <= i + 10; ++j) rows.push_back(numbers(all[j]));
  }
  return rows;
}

// A pipe pile in an elastic subgrade of k = 100 pci from the head to 70 ft
// (Es = k b = 2400 lb/in2), with 300 increments.
PileRun elasticRun(double shear, double moment) {
  PileRun run;
  run.kMatrix = true;
  run.increments = 300;
  run.printIncrement = 30;
  run.layers = {elasticSubgrade(0.0, 70.0, 100.0)};
  run.loads = {{1, shear, moment, 0.0}};
  return run;
}

TEST(HeadStiffness, LongElasticPileMatchesTheBeamOnElasticFoundation) {
  const auto outcome = runPile(elasticRun(10000.0, 1.0e6));
  ASSERT_EQ(outcome.code, 0) << outcome.report;

  // Closed form (Hetenyi 1946) for the semi-infinite beam, beta L = 6.8.
  const double EI = testing::kPipeE * testing::kPipeI;
  const double beta = std::pow(100.0 * testing::kPipeWidth / (4.0 * EI), 0.25);
  const double K22 = 4.0 * EI * beta * beta * beta;
  const double K23 = 2.0 * EI * beta * beta;
  const double K33 = 2.0 * EI * beta;

  const std::vector<Line14> records = line14Records(outcome.plot);
  ASSERT_EQ(records.size(), 10u) << outcome.plot;
  const double c[] = {0.1,
                      std::log10(2.0),
                      std::log10(3.0),
                      std::log10(4.0),
                      std::log10(5.0),
                      std::log10(6.0),
                      std::log10(7.0),
                      std::log10(8.0),
                      std::log10(9.0),
                      1.0};
  for (std::size_t i = 0; i < records.size(); ++i) {
    SCOPED_TRACE("load level " + std::to_string(i + 1));
    const Line14& r = records[i];
    EXPECT_NEAR(r.V, 10000.0 * c[i], 1e-6 * 10000.0);
    EXPECT_NEAR(r.M, 1.0e6 * c[i], 1e-6 * 1.0e6);
    EXPECT_NEAR(r.K22, K22, 0.01 * K22);
    EXPECT_NEAR(r.K23, K23, 0.01 * K23);
    EXPECT_NEAR(r.K32, K23, 0.01 * K23);
    EXPECT_NEAR(r.K33, K33, 0.01 * K33);
    // The displacements the terms come from.
    EXPECT_NEAR(r.y, r.V / K22, 0.01 * r.V / K22);
    EXPECT_NEAR(r.theta, r.M / K33, 0.01 * r.M / K33);
  }

  // The report tables show the same terms, row by row.
  const auto rows = tableRows(outcome.report);
  ASSERT_EQ(rows.size(), 20u) << outcome.report;
  for (std::size_t i = 0; i < 10; ++i) {
    ASSERT_EQ(rows[i].size(), 5u);
    ASSERT_EQ(rows[10 + i].size(), 5u);
    EXPECT_NEAR(rows[i][3], records[i].K22, 1e-4 * records[i].K22);
    EXPECT_NEAR(rows[i][4], records[i].K32, 1e-4 * records[i].K32);
    EXPECT_NEAR(rows[10 + i][3], records[i].K23, 1e-4 * records[i].K23);
    EXPECT_NEAR(rows[10 + i][4], records[i].K33, 1e-4 * records[i].K33);
    // Fixed head under the shear level; held head under the moment level.
    EXPECT_NEAR(rows[i][1], records[i].V, 0.01 * records[i].V);
    EXPECT_NEAR(rows[10 + i][2], records[i].M, 1e-4 * records[i].M);
  }
  // With the matrix on, no case gets the equilibrium confirmation line.
  EXPECT_EQ(outcome.report.find("Output Verification"), std::string::npos);
  EXPECT_NE(outcome.messages.find("Computing pile-head stiffness matrix components.\n\n"),
            std::string::npos);
}

TEST(HeadStiffness, TableLayoutAndClosingLines) {
  const auto outcome = runPile(elasticRun(10000.0, 1.0e6));
  ASSERT_EQ(outcome.code, 0);
  const std::string heading = "\n\n" + std::string(80, '-') + "\n" + std::string(18, ' ') +
                              kHeading + "\n" + std::string(20, ' ') +
                              "K22, K23, K32, K33 for Pile  Head\n" + std::string(80, '-') +
                              "\n\n"
                              "    Pile-Top       Pile-Top        Pile-Top                       "
                              "            \n"
                              "   Deflection   Shear Reaction   Moment React.       K22          "
                              "    K32     \n"
                              "     inches          lbs            in-lbs          lb/in.        "
                              " in-lb/in.  \n" +
                              kRule + "\n";
  EXPECT_NE(outcome.report.find(heading), std::string::npos) << outcome.report;
  const std::string second =
      "\n"
      "    Pile-Top       Pile-Top        Pile-Top                                  \n"
      "    Rotation     Shear React.    Moment React.       K23              K33    \n"
      "     radians          lbs            in-lbs         lb/rad         in-lb/rad \n" +
      kRule + "\n";
  EXPECT_NE(outcome.report.find(second), std::string::npos);
  const std::string closing =
      "\n"
      "  K22 = abs(Shear Reaction/Top y)\n"
      "  K23 = abs(Shear Reaction/Top Rotation)\n"
      "  K32 = abs(Moment Reaction/Top y)\n"
      "  K33 = abs(Moment Reaction/Top Rotation)\n"
      "\n"
      "\n";
  EXPECT_NE(outcome.report.find(closing), std::string::npos);
  // The table follows the summary and precedes the closing lines of the run.
  EXPECT_LT(outcome.report.find("Summary of Pile Response(s)"), outcome.report.find(kHeading));
  EXPECT_LT(outcome.report.find(closing), outcome.report.find("The analysis ended normally."));
  // Line 14 records follow the Line 13 records, and nothing of the
  // stiffness runs is a Line 9 or Line 10 record.
  const std::vector<std::string> plot = lines(outcome.plot);
  ASSERT_GE(plot.size(), 11u);
  EXPECT_NE(plot[plot.size() - 11].find("Line 13:"), std::string::npos);
  EXPECT_EQ(linesWith(outcome.plot, "Line 10(").size(), 301u);
}

TEST(HeadStiffness, SoftClayTermsFallAsTheLoadGrows) {
  PileRun run;
  run.kMatrix = true;
  run.layers = {softClay(0.0, 70.0, 600.0)};
  run.loads = {{1, 30000.0, 3.0e6, 0.0}};
  const auto outcome = runPile(run);
  ASSERT_EQ(outcome.code, 0) << outcome.report;
  const std::vector<Line14> r = line14Records(outcome.plot);
  ASSERT_EQ(r.size(), 10u) << outcome.report;
  for (std::size_t i = 1; i < r.size(); ++i) {
    SCOPED_TRACE("load level " + std::to_string(i + 1));
    EXPECT_LT(r[i].K22, r[i - 1].K22);
    EXPECT_LT(r[i].K23, r[i - 1].K23);
    EXPECT_LT(r[i].K32, r[i - 1].K32);
    EXPECT_LT(r[i].K33, r[i - 1].K33);
    EXPECT_GT(r[i].K22, 0.0);
    EXPECT_GT(r[i].K33, 0.0);
  }
  // Nonlinear: the top level's terms well below the first level's.
  EXPECT_LT(r.back().K22, 0.8 * r.front().K22);
  EXPECT_LT(r.back().K33, 0.8 * r.front().K33);
}

TEST(HeadStiffness, ZeroShearAndMomentTakeTheDefaultLevels) {
  // Levels of 10 lbs and 100 in-lbs (0.0444822 kN and 0.01129848 kN-m)
  // times 0.1, log10(2), ..., 1.
  const double c[] = {1.0, 3.0103, 4.7712, 6.0206, 6.9897, 7.7815, 8.4510, 9.0309, 9.5424, 10.0};
  struct Case {
    std::string units;
    double shearPerTenthOfLevel;
    double momentPerTenthOfLevel;
  };
  const Case cases[] = {
      {"USCS", 1.0, 10.0},
      {"SI", 0.00444822, 0.001129848},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.units);
    PileRun run;
    run.units = k.units;
    run.kMatrix = true;
    if (k.units == "SI") {
      run.pipe = testing::siPipe();
      run.maxDeflection = 0.25;
      run.tolerance = 2.5e-7;
      run.layers = {elasticSubgrade(0.0, 21.0, 27145.0, 9.0)};
    } else {
      run.layers = {elasticSubgrade(0.0, 70.0, 100.0)};
    }
    run.loads = {{1, 0.0, 0.0, 0.0}};
    const auto outcome = runPile(run);
    ASSERT_EQ(outcome.code, 0) << outcome.report;
    const std::vector<Line14> r = line14Records(outcome.plot);
    ASSERT_EQ(r.size(), 10u) << outcome.report;
    for (std::size_t i = 0; i < r.size(); ++i) {
      // The levels above are rounded to four decimals.
      EXPECT_NEAR(r[i].V, k.shearPerTenthOfLevel * c[i], 5e-5 * k.shearPerTenthOfLevel) << i;
      EXPECT_NEAR(r[i].M, k.momentPerTenthOfLevel * c[i], 5e-5 * k.momentPerTenthOfLevel) << i;
      EXPECT_GT(r[i].K22, 0.0);
      EXPECT_GT(r[i].K33, 0.0);
    }
  }
}

TEST(HeadStiffness, TableShowsMagnitudesAndLine14KeepsTheSignsOfTheLoads) {
  const auto up = runPile(elasticRun(10000.0, 1.0e6));
  const auto down = runPile(elasticRun(-10000.0, -1.0e6));
  ASSERT_EQ(up.code, 0);
  ASSERT_EQ(down.code, 0) << down.report;
  const std::vector<Line14> a = line14Records(up.plot);
  const std::vector<Line14> b = line14Records(down.plot);
  ASSERT_EQ(a.size(), 10u);
  ASSERT_EQ(b.size(), 10u);
  for (std::size_t i = 0; i < 10; ++i) {
    SCOPED_TRACE("load level " + std::to_string(i + 1));
    // The loads keep their signs; the terms of a linear pile do not change
    // with the direction of the load; the displacements are magnitudes.
    EXPECT_LT(b[i].V, 0.0);
    EXPECT_LT(b[i].M, 0.0);
    EXPECT_DOUBLE_EQ(b[i].V, -a[i].V);
    EXPECT_DOUBLE_EQ(b[i].M, -a[i].M);
    for (auto term :
         {&Line14::K22, &Line14::K23, &Line14::K32, &Line14::K33, &Line14::y, &Line14::theta}) {
      EXPECT_GT(b[i].*term, 0.0);
      EXPECT_NEAR(b[i].*term, a[i].*term, 1e-6 * a[i].*term);
    }
  }
  // Table: the head deflection keeps its sign, every other column is a
  // magnitude.
  const auto rowsUp = tableRows(up.report);
  const auto rowsDown = tableRows(down.report);
  ASSERT_EQ(rowsDown.size(), 20u);
  for (std::size_t i = 0; i < 20; ++i) {
    ASSERT_EQ(rowsDown[i].size(), 5u);
    for (std::size_t j = 0; j < 5; ++j) {
      const bool signedColumn = i < 10 && j == 0;
      if (signedColumn) {
        EXPECT_LT(rowsDown[i][j], 0.0) << i;
        EXPECT_GT(rowsUp[i][j], 0.0) << i;
      } else {
        EXPECT_GT(rowsDown[i][j], 0.0) << i << "," << j;
      }
      EXPECT_NEAR(std::fabs(rowsDown[i][j]), rowsUp[i][j], 1e-4 * rowsUp[i][j]) << i << "," << j;
    }
  }
}

TEST(HeadStiffness, RunThatDoesNotConvergeAbandonsTheTerms) {
  // Load case 1: 60 kips of shear with a moment of -1E7 in-lbs that turns
  // the free head back, so that it deflects little and converges. The same
  // shear on the fixed head of the stiffness runs pushes the head past the
  // allowed 1 in while the iteration is still far from converged.
  PileRun run;
  run.kMatrix = true;
  run.maxDeflection = 1.0;
  // The soft clay of the bundled example.
  run.layers = {{1, 0.0, 20.0, "50.0 400.0 0.02", "50.0 600.0 0.02"},
                {1, 20.0, 70.0, "55.0 800.0 0.01", "55.0 1200.0 0.01"}};
  run.loads = {{1, 60000.0, -1.0e7, 0.0}};
  const auto outcome = runPile(run);
  ASSERT_EQ(outcome.code, 0) << outcome.report;
  // The case itself stayed within the limit.
  const std::vector<std::string> row = linesWith(outcome.plot, "Line 13:");
  ASSERT_EQ(row.size(), 1u);
  EXPECT_LT(std::fabs(fields(row[0], 2)[1]), 1.0);
  EXPECT_NE(outcome.report.find("Summary of Pile Response(s)"), std::string::npos);
  EXPECT_EQ(outcome.report.find(kHeading), std::string::npos);
  EXPECT_EQ(outcome.report.find("K22"), std::string::npos);
  EXPECT_EQ(outcome.plot.find("Line 14"), std::string::npos);
  EXPECT_NE(outcome.report.find("\nThe analysis ended normally. \n"), std::string::npos);
  EXPECT_NE(outcome.messages.find("Computing pile-head stiffness matrix components."),
            std::string::npos);
  EXPECT_EQ(outcome.report.find("Runtime Error"), std::string::npos);
}

TEST(HeadStiffness, GeneralUnitsWithoutALoadLevelExplainWhy) {
  struct Case {
    double shear;
    double moment;
    std::string line;
  };
  const Case cases[] = {
      {0.0, 1.0e6, "The first pile-head value of load case 1 is zero."},
      {10000.0, 0.0, "The second pile-head value of load case 1 is zero."},
      {0.0, 0.0, "Both pile-head values of load case 1 are zero."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    PileRun run = elasticRun(c.shear, c.moment);
    run.units = "GENERAL";
    run.increments = 100;
    run.pipe.length = 720.0;
    run.layers = {elasticSubgrade(0.0, 840.0, 100.0)};
    const auto outcome = runPile(run);
    ASSERT_EQ(outcome.code, analysis::kWarningStiffnessNotComputed) << outcome.report;
    EXPECT_EQ(outcome.report.find(kHeading), std::string::npos);
    EXPECT_EQ(outcome.plot.find("Line 14"), std::string::npos);
    const std::string block =
        "\n\n**** Warning - Pile-head Stiffness Matrix Not Computed ****\n\n"
        "The pile-head stiffness values K22, K23, K32 and K33 are computed for ten load\n"
        "levels that are fractions of the two pile-head values of load case 1: the first\n"
        "value (shear) for K22 and K32, the second value (moment) for K23 and K33.\n" +
        c.line +
        "\nIn general units no default load level replaces a zero value, so no stiffness\n"
        "values were computed.\n\n"
        "Solution: Enter a nonzero shear force and a nonzero moment for load case 1, of the\n"
        "          magnitude of the service loads of the pile head.\n\n";
    EXPECT_NE(outcome.report.find(block), std::string::npos) << outcome.report;
    EXPECT_NE(outcome.report.find("The following warning was reported 1 times\n\n"
                                  "**** Warning - Pile-head Stiffness Matrix Not Computed ****\n"),
              std::string::npos);
    EXPECT_NE(outcome.report.find("\nThe analysis ended normally. \n"), std::string::npos);
  }

  // With both values given, general units get the table with the SI texts.
  PileRun run = elasticRun(10000.0, 1.0e6);
  run.units = "GENERAL";
  run.increments = 100;
  run.pipe.length = 720.0;
  run.layers = {elasticSubgrade(0.0, 840.0, 100.0)};
  const auto outcome = runPile(run);
  ASSERT_EQ(outcome.code, 0) << outcome.report;
  EXPECT_EQ(line14Records(outcome.plot).size(), 10u);
  EXPECT_NE(
      outcome.report.find(
          "\n     meters           kN             kN-m            kN/m            kN-m/m   \n"),
      std::string::npos);
}

TEST(HeadStiffness, TermsDoNotDependOnALengthStudyRunBefore) {
  // The stiffness runs keep the distributed loads the last case left on the
  // nodes; a length study of that case must leave the loads of the
  // full-length pile, not those of its shortest trial.
  PileRun run = elasticRun(10000.0, 1.0e6);
  run.increments = 100;
  run.distributed = {{0.0, 5.0}, {720.0, 5.0}};
  run.loads.push_back({1, 5000.0, 0.0, 0.0, false});
  const auto plain = runPile(run);
  run.loads.back().lengthStudy = true;
  const auto studied = runPile(run);
  ASSERT_EQ(plain.code, 0) << plain.report;
  ASSERT_EQ(studied.code, 0) << studied.report;
  ASSERT_NE(studied.plot.find("Line 12:"), std::string::npos);
  const std::vector<std::string> a = linesWith(plain.plot, "Line 14:");
  const std::vector<std::string> b = linesWith(studied.plot, "Line 14:");
  ASSERT_EQ(a.size(), 10u);
  EXPECT_EQ(a, b);
}

TEST(HeadStiffness, LoadLevelCoefficients) {
  EXPECT_EQ(analysis::loadLevelCoefficient(1), 0.10000000149011612);
  EXPECT_DOUBLE_EQ(analysis::loadLevelCoefficient(2), 0.30102999566398120);
  EXPECT_DOUBLE_EQ(analysis::loadLevelCoefficient(10), 1.0);
}

}  // namespace
}  // namespace quarn::pile_head
