// Whole runs through the section analysis: a bending-stiffness-only run
// with its progress lines, report heading and plot records; thrusts outside
// the capacities left out of such a run and stopping a pile analysis with
// runtime errors 24 and 25; and a pile analysis whose stiffness follows the
// tables of its concrete shaft.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "input/input_runs.h"

namespace quarn::section {
namespace {

using input::testing::runInput;
using input::testing::RunOutcome;

// A 36 in drilled shaft of 4000 psi concrete with twelve 1.0 in2 bars on a
// circle with 3 in cover (Pcap = 4140 kips, Tcap = -720 kips).
std::string shaft(int number, double lengthFeet) {
  std::ostringstream s;
  s << number << "\n1\n"
    << lengthFeet
    << "\n36.0\n4000.0\n0.75\nUse default concrete tensile strength\n"
       "Use internal stress-strain curve for concrete\n"
       "Rebar Arrangement Not Same As Section Above\nRebar in circle\n"
       "60000.0\n29000000.0\n12\n1\n1.128\n1.0\n3.0\n0.0\n";
  return s.str();
}

std::string options(bool eiOnly) {
  return std::string(
             "OPTIONS\nUnits USCS\nUseLRFD NO\nComputeKmatrix NO\nUseTipShear NO\n"
             "UseSoilMovement NO\nUsePYModifiers NO\nComputeEIOnly ") +
         (eiOnly ? "YES" : "NO") +
         "\nLoading STATIC     0\nMaxIterations 100\nMaxDeflection 10.0\nTolerance 1.0E-5\n"
         "Increments 100\nPrintSummaryOnly NO\nPrintIncrement 5\nPrintPYCurves NO\n"
         "ComputeInteraction NO\n";
}

const std::string kTitle = "QUARNX6\nTITLE\nSection analysis test\n\n\n\n\n";
const std::string kSoftClay = "SOIL LAYERS\n1\n1 0.0 70.0\n50.0 400.0 0.02\n50.0 600.0 0.02\n";

// Bending stiffness only: two shafts and the axial thrusts (lb) given.
std::string eiOnlyInput(const std::vector<double>& thrusts) {
  std::ostringstream in;
  in << kTitle << options(true) << "SECTIONS\n2\n"
     << shaft(1, 10.0) << shaft(2, 40.0) << kSoftClay << "AXIAL THRUST LOADS\n"
     << thrusts.size() << "\n";
  for (std::size_t i = 0; i < thrusts.size(); ++i) in << i + 1 << " " << thrusts[i] << "\n";
  in << "END\n";
  return in.str();
}

// A pile analysis of one 50 ft shaft in soft clay with the load cases
// "type shear moment thrust" given (lb, in-lb).
std::string pileInput(const std::vector<std::string>& cases) {
  std::ostringstream in;
  in << kTitle << options(false) << "SECTIONS\n1\n"
     << shaft(1, 50.0) << kSoftClay << "LOADING\n"
     << cases.size() << "\n";
  for (std::size_t i = 0; i < cases.size(); ++i) in << i + 1 << " " << cases[i] << " 1\n";
  in << "0\nEND\n";
  return in.str();
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

std::string comment(const std::string& record) {
  return record.size() > 80 ? record.substr(80) : "";
}

// Line 1, Line 2 with the two sections, one Line 3 with the three thrusts,
// then per section three Line 4 records each followed by its Line 5 records.
TEST(SectionRuns, BendingStiffnessOnlyWritesTheSectionRecordsAndEndsNormally) {
  const RunOutcome run = runInput(eiOnlyInput({0.0, 200000.0, 500000.0}));
  ASSERT_LE(run.code, 0) << run.report;
  EXPECT_EQ(run.ctx->model.state.errorCode, 0);
  const std::vector<std::string> plot = lines(run.plot);
  ASSERT_GE(plot.size(), 3u);
  EXPECT_EQ(plot[0].substr(0, 5), "    2");
  EXPECT_EQ(plot[1], "    2" + std::string(75, ' ') + "Line 2 : Total number of sections");
  EXPECT_EQ(plot[2], "    3" + std::string(75, ' ') +
                         "Line 3 : Total number of axial thrusts for EI-only computations");
  const double kips[] = {0.0, 200.0, 500.0};
  std::size_t i = 3;
  for (int section = 1; section <= 2; ++section) {
    for (int thrust = 1; thrust <= 3; ++thrust) {
      ASSERT_LT(i, plot.size());
      ASSERT_EQ(comment(plot[i]),
                "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. "
                "Moment Cap. (in-kips)");
      const int points = std::stoi(plot[i].substr(0, 5));
      EXPECT_EQ(std::stod(plot[i].substr(15, 15)), kips[thrust - 1]);
      const SectionCurves& curves = run.ctx->model.momentCurvature.section[section];
      EXPECT_EQ(points, curves.table[thrust].points);
      for (int k = 1; k <= points; ++k) {
        EXPECT_EQ(comment(plot[i + k]),
                  "Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=" +
                      std::to_string(section) + ", AxLd#=" + std::to_string(thrust) +
                      ", CurvPnt#=" + std::to_string(k));
      }
      i += static_cast<std::size_t>(points) + 1;
    }
  }
  EXPECT_EQ(i, plot.size());  // nothing follows

  const std::string progress =
      "Computing nonlinear bending stiffness of section 1\n"
      "Completed computing nonlinear bending stiffness of section 1\n\n"
      "Computing nonlinear bending stiffness of section 2\n"
      "Completed computing nonlinear bending stiffness of section 2\n\n";
  EXPECT_NE(run.messages.find(progress), std::string::npos);
  EXPECT_NE(run.messages.find("The analysis ended normally. "), std::string::npos);
  const std::string heading =
      "\n\n" + std::string(80, '-') +
      "\n    Computations of Nominal Moment Capacity and Nonlinear Bending Stiffness\n" +
      std::string(80, '-') +
      "\n\nAxial thrust force values were determined from pile-head loading conditions\n\n"
      "Number of Pile Sections Analyzed = 2\n\nPile Section No. 1:\n\n";
  const std::size_t at = run.report.find(heading);
  ASSERT_NE(at, std::string::npos);
  // Section 2 of the analysis follows the heading (the input echo before it
  // lists the sections too).
  EXPECT_NE(run.report.find("Pile Section No. 2:\n\n", at), std::string::npos);
  EXPECT_NE(run.report.find("   Summary of Results for Nominal (Unfactored) Moment Capacity for "
                            "Section 2"),
            std::string::npos);
}

TEST(SectionRuns, BendingStiffnessOnlyLeavesOutThrustsBeyondTheCapacities) {
  const RunOutcome run = runInput(eiOnlyInput({-800000.0, 200000.0, 5000000.0}));
  ASSERT_LE(run.code, 0) << run.report;
  const std::vector<std::string> plot = lines(run.plot);
  EXPECT_EQ(plot[2], "    1" + std::string(75, ' ') +
                         "Line 3 : Total number of axial thrusts for EI-only computations");
  EXPECT_EQ(run.ctx->model.momentCurvature.section[1].thrusts, 1);
  EXPECT_EQ(run.ctx->model.momentCurvature.section[1].table[1].axialThrust, 200.0);
  EXPECT_NE(run.report.find("\nThe following computations were performed only for the axial "
                            "thrust values in the valid range.\n\n"
                            "   Number     Axial Thrust Force\n"
                            "                    kips   \n"
                            "   ------     ------------------\n"
                            "      1              200.000\n"),
            std::string::npos);
}

TEST(SectionRuns, ThrustsBeyondTheCapacitiesStopAPileAnalysis) {
  struct Case {
    const char* name;
    std::vector<std::string> cases;
    int code;
    std::string block;
  };
  const Case cases[] = {
      {"compression",
       {"1 20000.0 0.0 200000.0", "1 20000.0 0.0 5000000.0"},
       224,
       "\n\n**** Runtime Error No. 24 ****\n\n"
       "PROBLEM:  The axial thrust load for load case no. 2 exceeds the axial structural capacity "
       "in compression.\n"
       "          Axial thrust load                  =        5000.000 kips   \n"
       "          Nominal axial compressive capacity =        4139.979 kips   \n\n"
       "SOLUTION: Change the properties of the section to increase the axial structural "
       "capacity.\n\n"},
      {"tension",
       {"1 20000.0 0.0 -800000.0"},
       225,
       "\n\n**** Runtime Error No. 25 ****\n\n"
       "PROBLEM:  The axial thrust load for LRFD load case no. 1 exceeds the axial structural "
       "capacity in tension.\n"
       "          Axial thrust load              =        -800.000 kips   \n"
       "          Nominal axial tensile capacity =        -720.000 kips   \n\n"
       "SOLUTION: Change the properties of the section to increase the axial structural "
       "capacity.\n\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const RunOutcome run = runInput(pileInput(c.cases));
    EXPECT_EQ(run.code, c.code);
    EXPECT_NE(run.report.find(c.block), std::string::npos) << run.report;
    EXPECT_EQ(run.report.find("Computed Values of Pile Loading"), std::string::npos);
  }
}

// The shaft's stiffness follows its table: nodes deep in the pile, where
// the moment stays below the first moment of the table, keep the uncracked
// stiffness EI_1 (kip-in2 times 1000), while the nodes of the largest moment
// have cracked well below it.
TEST(SectionRuns, APileAnalysisTakesTheStiffnessOfTheTables) {
  const RunOutcome run = runInput(pileInput({"1 60000.0 0.0 200000.0"}));
  ASSERT_LE(run.code, 0) << run.report;
  const AnalysisModel& m = run.ctx->model;
  const MomentCurvatureTable& t = m.momentCurvature.section[1].table[1];
  EXPECT_EQ(t.axialThrust, 200.0);
  const double EI1 = t.EI[1] * 1000.0;
  const PileModel& pm = m.pileModel;
  EXPECT_EQ(pm.node[pm.N - 2].EI, EI1);
  // The moment beyond which the table's secant stiffness is below 0.8 EI_1.
  int i = 1;
  while (i < t.points && t.EI[static_cast<std::size_t>(i)] >= 0.8 * t.EI[1]) ++i;
  const double crackedMoment = t.moment[static_cast<std::size_t>(i)] * 1000.0;
  int cracked = 0;
  for (int k = 2; k < pm.N; ++k) {
    const PileNode& node = pm.node[k];
    if (std::abs(node.M) > 1.1 * crackedMoment) {
      EXPECT_LT(node.EI, 0.8 * EI1) << k;
      ++cracked;
    } else if (std::abs(node.M) < t.moment[1] * 1000.0) {
      EXPECT_EQ(node.EI, EI1) << k;
    }
  }
  EXPECT_GT(cracked, 5);
  EXPECT_NE(lines(run.plot)[2].find("Line 3 : Total number of axial thrusts"), std::string::npos);
  EXPECT_NE(run.report.find("Output Summary for Load Case No. 1:"), std::string::npos);
}

// A fixed-head pile of an elastic-plastic section (24 in, EI = 29e6 psi x
// 2549.3 in4, Mp = 2000 kip-in) under 35 kips of shear, which would put
// more than 3300 kip-in on an elastic head: the head reaches Mp and no node, the
// head included, carries more (beyond the tolerance of the converged
// deflections). With the stiffness of node 2 the head carried 2208 kip-in.
TEST(SectionRuns, AFixedHeadStaysAtThePlasticMomentOfItsSection) {
  std::ostringstream in;
  in << kTitle << options(false) << "SECTIONS\n1\n1\n12\n50.0\n2\n29000000.0\n2000000.0\n"
     << "2000000.0\n24.0\n24.0\n36.9\n36.9\n2549.3\n2549.3\n"
     << kSoftClay << "LOADING\n1\n1 2 35000.0 0.0 0.0 1\n0\nEND\n";
  const RunOutcome run = runInput(in.str());
  ASSERT_LE(run.code, 0) << run.report;
  const PileModel& pm = run.ctx->model.pileModel;
  const double Mp = 2.0e6;
  double largest = 0.0;
  for (int k = 1; k <= pm.N; ++k) largest = std::max(largest, std::abs(pm.node[k].M));
  EXPECT_NEAR(std::abs(pm.node[1].M), largest, 1e-9 * Mp);  // the head carries the largest
  EXPECT_GT(largest, 0.99 * Mp);                            // and has reached Mp
  EXPECT_LE(largest, 1.001 * Mp);
}

}  // namespace
}  // namespace quarn::section
