// The pile-head deflection versus pile length study: the trial lengths and
// the trials skipped near the ground surface, its first point against the
// load case's own results, the deflection of every trial of an elastic pile
// against the closed form of a finite beam on an elastic foundation, a case
// whose every trial exceeds the allowed deflection, the report block of
// each load type, and the print options left as the input set them.
#include "analysis/length_study.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <complex>
#include <string>
#include <vector>

#include "engine/run_context.h"
#include "pile_head_runs.h"
#include "report/length_study_table.h"

namespace quarn::pile_head {
namespace {

using testing::elasticSubgrade;
using testing::fields;
using testing::Layer;
using testing::lines;
using testing::linesAfter;
using testing::linesWith;
using testing::numbers;
using testing::PileRun;
using testing::runPile;
using testing::softClay;

const std::string kTableRule = "-----------  ------------  ------------  ------------";

// Line 12 records: pile length, head deflection, maximum moment and shear.
std::vector<std::vector<double>> line12Records(const std::string& plot) {
  std::vector<std::vector<double>> out;
  for (const std::string& line : linesWith(plot, "Line 12:")) out.push_back(fields(line, 4));
  return out;
}

std::string line11(int points, int loadCase) {
  char count[8];
  std::snprintf(count, sizeof count, "%5d", points);
  return std::string(count) + std::string(75, ' ') +
         "Line 11: Num. points on Ytop vs. pile length curve for load case " +
         std::to_string(loadCase);
}

TEST(LengthStudy, TrialLengthFactorsAreSinglePrecision) {
  struct Case {
    int a;
    double factor;
  };
  const Case cases[] = {
      {0, 1.0}, {1, 0.949999988079071}, {10, 0.5}, {15, 0.25}, {19, 0.050000011920928955},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(analysis::trialLength(1.0, c.a), c.factor, 1e-15) << c.a;
    EXPECT_NEAR(analysis::trialLength(720.0, c.a), c.factor * 720.0, 1e-12) << c.a;
  }
  // Skipped below 5 % of the length (0.05 in single precision, a hair above
  // 0.05) plus the depth of the ground surface.
  const double limit = 0.05000000074505806 * 600.0 + 120.0;
  EXPECT_TRUE(analysis::trialSkipped(150.0, 600.0, 120.0));
  EXPECT_TRUE(analysis::trialSkipped(limit - 1e-9, 600.0, 120.0));
  EXPECT_FALSE(analysis::trialSkipped(limit, 600.0, 120.0));
  EXPECT_FALSE(analysis::trialSkipped(180.0, 600.0, 120.0));
  EXPECT_FALSE(analysis::trialSkipped(36.00001, 720.0, 0.0));
}

TEST(LengthStudy, GroundSurfaceTenFeetBelowTheHeadOfAFiftyFootPile) {
  PileRun run;
  run.pipe.length = 50.0;
  run.layers = {elasticSubgrade(10.0, 60.0, 100.0)};
  run.loads = {{1, 1000.0, 0.0, 0.0, true}};
  const auto outcome = runPile(run);
  ASSERT_EQ(outcome.code, 0) << outcome.report;

  // 50 ft down to 15 ft by 2.5 ft; 12.5 ft and shorter lie below 10 ft plus
  // 5 % of 50 ft (the single-precision 0.05 puts 12.5 ft itself below it).
  const std::vector<std::vector<double>> points = line12Records(outcome.plot);
  ASSERT_EQ(points.size(), 15u) << outcome.plot;
  EXPECT_EQ(linesWith(outcome.plot, "Line 11:"), std::vector<std::string>{line11(15, 1)});
  const std::vector<std::string> rows = linesAfter(outcome.report, kTableRule, 15);
  ASSERT_EQ(rows.size(), 15u);
  for (std::size_t a = 0; a < points.size(); ++a) {
    SCOPED_TRACE("trial " + std::to_string(a));
    const double feet = 50.0 - 2.5 * static_cast<double>(a);
    EXPECT_NEAR(points[a][0], 12.0 * feet, 1e-4);  // inches in the plot file
    const std::vector<double> row = numbers(rows[a]);
    ASSERT_EQ(row.size(), 4u) << rows[a];
    EXPECT_NEAR(row[0], feet, 1e-3);  // feet in the report
    EXPECT_NEAR(row[1], points[a][1], 1e-4 * std::fabs(points[a][1]));
  }
  // Five feet of embedment let the head deflect far more than fifty.
  EXPECT_GT(points.back()[1], 2.0 * points.front()[1]);
  EXPECT_NE(outcome.messages.find(
                "Computing top deflection vs. pile embedment length for load case 1.\n"),
            std::string::npos);
}

TEST(LengthStudy, FirstPointIsTheLoadCaseItself) {
  PileRun run;
  run.layers = {softClay(0.0, 70.0, 600.0)};
  run.loads = {{1, 20000.0, 0.0, 0.0, true}, {2, 30000.0, 0.0, 0.0, true}};
  const auto outcome = runPile(run);
  ASSERT_EQ(outcome.code, 0) << outcome.report;
  const std::vector<std::string> summary = linesWith(outcome.plot, "Line 13:");
  ASSERT_EQ(summary.size(), 2u);
  // Each case's Line 11 and Line 12 records follow its Line 10 records.
  const std::vector<std::string> all = lines(outcome.plot);
  std::vector<std::string> firstPoints;
  for (std::size_t i = 0; i + 1 < all.size(); ++i) {
    if (all[i].find("Line 11:") != std::string::npos) firstPoints.push_back(all[i + 1]);
  }
  ASSERT_EQ(firstPoints.size(), 2u);
  for (std::size_t L = 0; L < 2; ++L) {
    SCOPED_TRACE("load case " + std::to_string(L + 1));
    const std::string& point = firstPoints[L];
    ASSERT_NE(point.find("Line 12:"), std::string::npos);
    EXPECT_EQ(fields(point, 1)[0], 720.0);
    // Line 13: TopV, TopY, Mmax, Vmax, rotation; Line 12: length, TopY, Mmax, Vmax.
    EXPECT_EQ(point.substr(15, 45), summary[L].substr(15, 45));
  }
}

// Head deflection of a beam of length L on an elastic foundation of modulus
// Es, free at both ends, under a shear H and a moment M at its head (x = 0):
// EI y'''' + Es y = 0 with EI y''(0) = M, EI y'''(0) = H, y''(L) = y'''(L) = 0.
// y is a combination of Re and Im of e^(r x) for the decaying root
// r = lambda (-1 + i) and of e^(r (x - L)) for the growing root
// r = lambda (1 + i), so every term is of order one where it matters.
double finiteBeamHeadDeflection(double L, double EI, double Es, double H, double M) {
  const double lambda = std::pow(Es / (4.0 * EI), 0.25);
  const std::array<std::complex<double>, 2> roots = {std::complex<double>(-lambda, lambda),
                                                     std::complex<double>(lambda, lambda)};
  const std::array<double, 2> origin = {0.0, L};
  // Derivative n at x of basis function j (0..3).
  const auto basis = [&](int j, int n, double x) {
    const std::complex<double> r = roots[static_cast<std::size_t>(j / 2)];
    const std::complex<double> value =
        std::pow(r, n) * std::exp(r * (x - origin[static_cast<std::size_t>(j / 2)]));
    return j % 2 == 0 ? value.real() : value.imag();
  };
  double A[4][5];
  const int derivative[4] = {2, 3, 2, 3};
  const double at[4] = {0.0, 0.0, L, L};
  const double rhs[4] = {M / EI, H / EI, 0.0, 0.0};
  for (int i = 0; i < 4; ++i) {
    for (int j = 0; j < 4; ++j) A[i][j] = basis(j, derivative[i], at[i]);
    A[i][4] = rhs[i];
  }
  // Gaussian elimination with partial pivoting.
  for (int c = 0; c < 4; ++c) {
    int pivot = c;
    for (int i = c + 1; i < 4; ++i) {
      if (std::fabs(A[i][c]) > std::fabs(A[pivot][c])) pivot = i;
    }
    for (int j = 0; j < 5; ++j) std::swap(A[c][j], A[pivot][j]);
    for (int i = c + 1; i < 4; ++i) {
      const double f = A[i][c] / A[c][c];
      for (int j = c; j < 5; ++j) A[i][j] -= f * A[c][j];
    }
  }
  double coefficient[4];
  for (int i = 3; i >= 0; --i) {
    double sum = A[i][4];
    for (int j = i + 1; j < 4; ++j) sum -= A[i][j] * coefficient[j];
    coefficient[i] = sum / A[i][i];
  }
  double y = 0.0;
  for (int j = 0; j < 4; ++j) y += coefficient[j] * basis(j, 0, 0.0);
  return y;
}

TEST(LengthStudy, FiniteBeamClosedFormChecks) {
  // Long: the semi-infinite beam, 2 H lambda / Es + 2 M lambda^2 / Es.
  const double EI = 1.0e10, Es = 1000.0, H = 1000.0, M = 2.0e5;
  const double lambda = std::pow(Es / (4.0 * EI), 0.25);
  const double semiInfinite = 2.0 * H * lambda / Es + 2.0 * M * lambda * lambda / Es;
  EXPECT_NEAR(finiteBeamHeadDeflection(20.0 / lambda, EI, Es, H, M), semiInfinite,
              1e-6 * semiInfinite);
  // Short and rigid: the springs of a rigid bar, y(0) = (4 H + 6 M / L) / (Es L).
  const double L = 0.01 / lambda;
  const double rigid = (4.0 * H + 6.0 * M / L) / (Es * L);
  EXPECT_NEAR(finiteBeamHeadDeflection(L, EI, Es, H, M), rigid, 1e-4 * rigid);
}

TEST(LengthStudy, ElasticPileTrialsMatchTheFiniteBeamOnElasticFoundation) {
  const double H = 10000.0, M = 5.0e5;
  PileRun run;
  run.layers = {elasticSubgrade(0.0, 70.0, 100.0)};
  run.loads = {{1, H, M, 0.0, true}};
  const auto outcome = runPile(run);
  ASSERT_EQ(outcome.code, 0) << outcome.report;
  const std::vector<std::vector<double>> points = line12Records(outcome.plot);
  // The head at the ground surface: every length down to 5 % of the pile.
  ASSERT_EQ(points.size(), 20u) << outcome.plot;
  const double EI = testing::kPipeE * testing::kPipeI;
  const double Es = 100.0 * testing::kPipeWidth;
  for (std::size_t a = 0; a < points.size(); ++a) {
    SCOPED_TRACE("trial " + std::to_string(a) + ", length " + std::to_string(points[a][0]));
    EXPECT_NEAR(points[a][0], analysis::trialLength(720.0, static_cast<int>(a)), 1e-4);
    const double expected = finiteBeamHeadDeflection(points[a][0], EI, Es, H, M);
    EXPECT_NEAR(points[a][1], expected, 0.01 * expected);
  }
}

TEST(LengthStudy, FullLengthBeyondTheAllowedDeflectionGivesNoPoint) {
  PileRun run;
  run.maxDeflection = 0.05;  // the full-length pile deflects 0.08 in
  run.layers = {elasticSubgrade(0.0, 70.0, 100.0)};
  run.loads = {{1, 10000.0, 0.0, 0.0, true}};
  const auto outcome = runPile(run);
  ASSERT_EQ(outcome.code, 0) << outcome.report;
  EXPECT_NE(outcome.report.find("\n\nNo computations for top deflection vs. pile length were "
                                "successful for this load case.\n\n"
                                "Results of last two iterations:\n\n"),
            std::string::npos)
      << outcome.report;
  EXPECT_EQ(linesWith(outcome.plot, "Line 11:"), std::vector<std::string>{line11(0, 1)});
  EXPECT_TRUE(linesWith(outcome.plot, "Line 12:").empty());
  EXPECT_EQ(outcome.report.find(kTableRule), std::string::npos);
}

TEST(LengthStudy, BearingFailureOfTheShortestTrialEndsTheStudyQuietly) {
  // Stiff clay with free water; the head pushed 0.5 in under a moment of
  // 1E6 in-lbs. Piles down to 6 ft carry it; at 3 ft the soil fails and the
  // head system loses its pivot, which stops a load case with runtime error
  // 11 but only ends the study.
  const Layer clay{2, 0.0, 100.0, "115 1000 0.007 500", "115 1200 0.007 500"};
  PileRun run;
  run.layers = {clay};
  run.loads = {{4, 0.5, 1.0e6, 0.0, true}, {1, 20000.0, 0.0, 0.0, false}};
  const auto outcome = runPile(run);
  ASSERT_EQ(outcome.code, 0) << outcome.report;
  EXPECT_EQ(outcome.report.find("Runtime Error"), std::string::npos);
  const std::vector<std::vector<double>> points = line12Records(outcome.plot);
  ASSERT_EQ(points.size(), 19u) << outcome.plot;
  EXPECT_NEAR(points.back()[0], 72.0, 1e-4);
  // The run went on with its second case and the summary.
  EXPECT_EQ(linesWith(outcome.plot, "Line 13:").size(), 2u);

  PileRun shortPile = run;
  shortPile.pipe.length = 3.0;
  shortPile.loads = {{4, 0.5, 1.0e6, 0.0, false}};
  const auto failed = runPile(shortPile);
  EXPECT_EQ(failed.code, 211) << failed.report;
}

TEST(LengthStudy, PrintOptionsStayAsTheInputSetThem) {
  // With summary-only output, the case after a study is not printed in full.
  PileRun run;
  run.summaryOnly = true;
  run.layers = {elasticSubgrade(0.0, 70.0, 100.0)};
  run.loads = {{1, 10000.0, 0.0, 0.0, true}, {1, 20000.0, 0.0, 0.0, false}};
  const auto outcome = runPile(run);
  ASSERT_EQ(outcome.code, 0) << outcome.report;
  EXPECT_NE(outcome.report.find("Pile-head Deflection vs. Pile Length for Load Case 1"),
            std::string::npos);
  EXPECT_EQ(outcome.report.find("Computed Values of Pile Loading and Deflection"),
            std::string::npos);
  EXPECT_EQ(outcome.report.find("Output Summary for Load Case No. 2"), std::string::npos);
  EXPECT_EQ(linesWith(outcome.plot, "Line 11:").size(), 2u);
}

// ---- the report block ---------------------------------------------------------

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

TEST(LengthStudyTable, HeadConditionsOfEveryLoadType) {
  struct Case {
    int units;
    HeadLoadType type;
    double v1, v2;
    std::string block;
  };
  const Case cases[] = {
      {kUnitsUsCustomary, HeadLoadType::kShearMoment, 20000.0, -150000.0,
       "Boundary Condition Type 1, Shear and Moment\n\n"
       "Shear      =          20000. lbs\n"
       "Moment     =        -150000. in-lbs\n"},
      {kUnitsUsCustomary, HeadLoadType::kShearSlope, 20000.0, 0.001,
       "Boundary Condition Type 2, Shear and Slope\n\n"
       "Shear      =          20000. lbs\n"
       "Slope      =         0.00100\n"},
      {kUnitsUsCustomary, HeadLoadType::kShearRotationalStiffness, 20000.0, 1.5e9,
       "Boundary Condition Type 3, Shear and Rotational Restraint\n\n"
       "Shear      =          20000. lbs\n"
       "Rot. Rest. =   1.5000000E+09 in-lbs/Radian\n"},
      {kUnitsUsCustomary, HeadLoadType::kDeflectionMoment, 0.25, 0.0,
       "Boundary Condition Type 4, Deflection and Moment\n\n"
       "Deflection =         0.25000 in\n"
       "Moment     =              0. in-lbs\n"},
      {kUnitsUsCustomary, HeadLoadType::kDeflectionSlope, 0.25, -0.002,
       "Boundary Condition Type 5, Deflection and Slope\n\n"
       "Deflection =         0.25000 in\n"
       "Slope      =        -0.00200\n"},
      {kUnitsSi, HeadLoadType::kShearMoment, 90.0, 12.0,
       "Boundary Condition Type 1, Shear and Moment\n\n"
       "Shear      =             90. kN\n"
       "Moment     =             12. m-kN\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.block);
    auto ctx = memoryContext(c.units);
    analysis::LengthStudy study;
    study.loadCase = 3;
    study.load.loadType = c.type;
    study.load.condition1 = c.v1;
    study.load.condition2 = c.v2;
    study.load.axialThrust = 1000.0;
    report::Write_Length_Study(*ctx, study);
    const bool si = c.units == kUnitsSi;
    const std::string expected =
        "\n\n" + std::string(80, '-') + "\n" + std::string(12, ' ') +
        "Pile-head Deflection vs. Pile Length for Load Case 3\n" + std::string(80, '-') + "\n\n" +
        c.block +
        (si ? "Axial Load =           1000. kN\n" : "Axial Load =           1000. lbs\n") +
        "\n\nNo computations for top deflection vs. pile length were "
        "successful for this load case.\n\n"
        "Results of last two iterations:\n\n";
    EXPECT_EQ(ctx->report.text(), expected);
    EXPECT_EQ(ctx->plot.text(), line11(0, 3) + "\n");
  }
}

TEST(LengthStudyTable, PointsInFeetInTheReportAndInchesInThePlotFile) {
  struct Case {
    int units;
    std::string unitLine;
    double shownLength;
    std::string line12Text;
  };
  const Case cases[] = {
      {kUnitsUsCustomary, "   feet         inches        ln-lbs         lbs ", 50.0,
       "Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)"},
      {kUnitsSi, "  meters        meters         kN-m          kN  ", 600.0,
       "Line 12: pile length (m), Ytop (m), Mmax (kN-m), Vmax (kN)"},
  };
  for (const Case& c : cases) {
    auto ctx = memoryContext(c.units);
    analysis::LengthStudy study;
    study.loadCase = 1;
    study.points = 2;
    study.point[1] = {600.0, 0.5, 20000.0, 1.5e6, -20000.0};
    study.point[2] = {570.0, 0.6, 20000.0, 1.6e6, -21000.0};
    report::Write_Length_Study(*ctx, study);
    const std::string heading =
        "\n\n   Pile       Pile Head       Maximum      Maximum\n"
        "  Length      Deflection      Moment        Shear \n" +
        c.unitLine + "\n" + kTableRule + "\n";
    EXPECT_NE(ctx->report.text().find(heading), std::string::npos) << ctx->report.text();
    const std::vector<std::string> rows = linesAfter(ctx->report.text(), kTableRule, 3);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(numbers(rows[0]), (std::vector<double>{c.shownLength, 0.5, 1.5e6, -20000.0}));
    const std::vector<std::string> plot = lines(ctx->plot.text());
    ASSERT_EQ(plot.size(), 3u);
    EXPECT_EQ(plot[0], line11(2, 1));
    EXPECT_EQ(plot[1].substr(0, 60),
              "  6.0000000E+02  5.0000000E-01  1.5000000E+06 -2.0000000E+04");
    EXPECT_EQ(plot[1].substr(60), std::string(20, ' ') + c.line12Text);
  }
}

}  // namespace
}  // namespace quarn::pile_head
