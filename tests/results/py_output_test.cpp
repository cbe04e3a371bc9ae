// p-y curves at requested depths: the depths sorted and without repeats, the
// heading, the curves of the layer at each depth with their plot records,
// results of the analysis untouched, and a depth above the ground surface
// reported as the non-fatal input error 23.
#include "soil/py_output.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "results_runs.h"

namespace quarn::soil {
namespace {

using results::testing::ClayLayer;
using results::testing::exampleRun;
using results::testing::joined;
using results::testing::lines;
using results::testing::linesWith;
using results::testing::PileRun;
using results::testing::runPile;

const std::string kHeading =
    joined({std::string(80, '-'), std::string(20, ' ') + "p-y Curves Reported for Specified Depths",
            std::string(80, '-')});

std::string plotLine6(const std::string& count) {
  return count + std::string(75, ' ') + "Line 6 : number of output p-y curves";
}

// The plot records without those of the section analysis (Lines 3 to 5),
// so that the records of the p-y curves follow Lines 1 and 2.
std::vector<std::string> plotWithoutSectionRecords(const std::string& plot) {
  std::vector<std::string> out;
  for (const std::string& line : lines(plot)) {
    if (line.find("Line 3 :") == std::string::npos && line.find("Line 4 :") == std::string::npos &&
        line.find("Line 5 :") == std::string::npos) {
      out.push_back(line);
    }
  }
  return out;
}

// Everything a run writes from the results of the first case on, and the
// plot records of the results.
std::string resultsPart(const std::string& report) {
  return report.substr(report.find("Computed Values of Pile Loading and Deflection"));
}
std::vector<std::string> resultRecords(const std::string& plot) {
  std::vector<std::string> out;
  for (const std::string& line : lines(plot)) {
    if (line.find("Line 7") == std::string::npos && line.find("Line 8") == std::string::npos &&
        line.find("Line 6") == std::string::npos) {
      out.push_back(line);
    }
  }
  return out;
}

// Depths 10, 5 and 10 ft in the soft clay of the example: two curves, at 5 ft
// then at 10 ft. By hand (layer 1: c from 400 to 600 psf over 20 ft, 50 pcf,
// eps50 0.02, J 0.5, D = 24 in, so y50 = 1.2 in):
//   5 ft:  c = 450 psf = 3.125 psi, Np = 3 + (50/1728)(60)/3.125 + 0.5(60)/24
//          = 4.805556, pu = 3.125 x 24 x Np = 360.417 lb/in;
//   10 ft: c = 500 psf = 3.472222 psi, Np = 3 + 1.0 + 2.5 = 6.5,
//          pu = 3.472222 x 24 x 6.5 = 541.667 lb/in;
// and p(y50) = pu / 2.
TEST(PyOutput, CurvesAtSortedDistinctDepths) {
  PileRun withCurves = exampleRun();
  withCurves.pyDepthsFeet = {10.0, 5.0, 10.0};
  const auto run = runPile(withCurves);
  ASSERT_EQ(run.code, 0) << run.report;

  // Plot: Line 6 with 2, then per curve Line 7 (depth in inches, 17 points,
  // curve number) and its 17 Line 8 records, before the results of case 1.
  const std::vector<std::string> plot = plotWithoutSectionRecords(run.plot);
  ASSERT_GE(plot.size(), 4u + 2u * 18u);
  EXPECT_EQ(plot[2], plotLine6("    2"));
  const std::string line7 =
      std::string(60, ' ') + "Line 7:  p-y curve depth in soft clay, no. p-y points on curve no. ";
  EXPECT_EQ(plot[3], "  6.0000000E+01   17" + line7 + "1");
  EXPECT_EQ(plot[21], "  1.2000000E+02   17" + line7 + "2");
  for (int i = 0; i < 17; ++i) {
    EXPECT_NE(plot[static_cast<std::size_t>(4 + i)].find("Line 8(" + std::to_string(i + 1) +
                                                         "): y, p, for soft clay"),
              std::string::npos);
  }
  EXPECT_NE(plot[39].find("Line 9:"), std::string::npos);

  // Report: the heading, then the two curve blocks, before the first case.
  const std::size_t heading = run.report.find(kHeading);
  ASSERT_NE(heading, std::string::npos);
  EXPECT_LT(heading, run.report.find("Computed Values of Pile Loading and Deflection"));
  const std::string curves = run.report.substr(heading + kHeading.size());
  const auto depthLines =
      linesWith(curves.substr(0, curves.find("Computed Values")), "Depth below pile head");
  ASSERT_EQ(depthLines.size(), 2u);
  EXPECT_EQ(depthLines[0].substr(55), "=        5.000 ft");
  EXPECT_EQ(depthLines[1].substr(55), "=       10.000 ft");
  const auto pu = linesWith(curves, "pu_static");
  ASSERT_EQ(pu.size(), 2u);
  EXPECT_EQ(pu[0].substr(55), "=      360.417 lb/in");
  EXPECT_EQ(pu[1].substr(55), "=      541.667 lb/in");
  const auto atY50 = linesWith(curves, "        1.20000  ");
  ASSERT_EQ(atY50.size(), 2u);
  EXPECT_EQ(atY50[0], "        1.20000        180.20833");
  EXPECT_EQ(atY50[1], "        1.20000        270.83333");

  // Messages: the progress line between the convergence of case 1 and its end.
  const std::string& msg = run.messages;
  const std::size_t converged = msg.find("The convergence criteria have been met\n");
  const std::size_t computing =
      msg.find("Computing p-y curves for output at user-specified depths.\n");
  ASSERT_NE(computing, std::string::npos);
  EXPECT_LT(converged, computing);
  EXPECT_LT(computing, msg.find("Completed Analysis 1"));

  // The printing changes nothing of the analysis: the results are those of
  // the same run without curves, in the report and in the plot file.
  const auto plain = runPile(exampleRun());
  EXPECT_EQ(resultsPart(run.report), resultsPart(plain.report));
  EXPECT_EQ(resultRecords(run.plot), resultRecords(plain.plot));
}

// The ground surface at 5 ft below the pile head (soil from 5 ft down).
PileRun groundBelowHead(std::vector<double> depthsFeet) {
  PileRun pile = exampleRun();
  pile.layers = {ClayLayer{5.0, 20.0, 50.0, 50.0, 400.0, 600.0, 0.02},
                 ClayLayer{20.0, 70.0, 55.0, 55.0, 800.0, 1200.0, 0.01}};
  pile.pyDepthsFeet = std::move(depthsFeet);
  return pile;
}

TEST(PyOutput, DepthAtTheGroundSurface) {
  const auto run = runPile(groundBelowHead({5.0}));
  EXPECT_EQ(run.code, 0);
  const std::vector<std::string> reportLines = {
      "", "", "p-y Curve Computed Using the Soft Clay Criteria for Static Loading Conditions"};
  const std::size_t heading = run.report.find(kHeading);
  ASSERT_NE(heading, std::string::npos);
  EXPECT_EQ(run.report.substr(heading + kHeading.size(), joined(reportLines).size()),
            joined(reportLines));
  const std::vector<std::string> plot = plotWithoutSectionRecords(run.plot);
  EXPECT_EQ(plot[2], plotLine6("    1"));
  EXPECT_EQ(plot[3], "  6.0000000E+01   17" + std::string(60, ' ') +
                         "Line 7:  p-y curve depth in soft clay, no. p-y points on curve no. 1");
  EXPECT_NE(run.report.find("Output Summary for Load Case No. 2:"), std::string::npos);
  EXPECT_EQ(linesWith(run.plot, "Line 13:").size(), 2u);
}

// A depth above the ground surface is refused by the input echo (input
// error 29) before any case is analysed.
TEST(PyOutput, DepthAboveTheGroundSurfaceStopsTheRunInTheEcho) {
  const auto run = runPile(groundBelowHead({10.0, 2.0}));
  EXPECT_EQ(run.code, 129);
  EXPECT_NE(run.report.find("**** Input Data Error No. 29 ****"), std::string::npos);
  EXPECT_EQ(run.report.find(kHeading), std::string::npos);
  EXPECT_EQ(linesWith(run.plot, "Line 6 :").size(), 0u);
  EXPECT_EQ(run.messages.find("Computing lateral response"), std::string::npos);
}

// The curves printed after the first case: a depth above the ground surface
// (one the echo lets through only if the profile changed after it) writes
// the block of the non-fatal input error 23, records the error without the
// line of the error routine, plots the depth with no points and prints no
// curve.
TEST(PyOutput, DepthAboveTheGroundSurfaceIsTheNonFatalInputError23) {
  auto run = runPile(groundBelowHead({10.0, 5.0}));
  ASSERT_EQ(run.code, 0);
  engine::RunContext& ctx = *run.ctx;
  ctx.report.captureInMemory();
  ctx.plot.captureInMemory();
  ctx.messages.captureInMemory();
  ctx.model.state.errorCode = 0;
  ctx.model.tables.pyOutput.depth[2] = 24.0;  // 2 ft, in the inches of the analysis
  printPyCurvesAtDepths(ctx);

  const std::vector<std::string> error23 = {
      "**** Input Data Error No. 23 (NON-FATAL) ****",
      "",
      "p-y curves cannot be generated at depth number 1",
      "This location is    24.000 in  below the pile head and ",
      "is above the ground surface for this problem.",
      "",
      "The ground surface is    60.000 in  below the top of the pile.",
      ""};
  EXPECT_EQ(ctx.model.state.errorCode, kPyDepthAboveGroundSurface);
  EXPECT_EQ(ctx.report.text(), kHeading + joined(error23));
  EXPECT_EQ(ctx.messages.text(),
            "Computing p-y curves for output at user-specified depths.\n" + joined(error23));
  EXPECT_EQ(ctx.plot.text(), plotLine6("    2") + "\n" + "  2.4000000E+01    0" +
                                 std::string(60, ' ') +
                                 "Line 7:  p-y curve depth, no. p-y points\n");
  EXPECT_TRUE(onlyNonFatalError(ctx.model));
}

}  // namespace
}  // namespace quarn::soil
