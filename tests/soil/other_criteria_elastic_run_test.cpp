// A whole run through the run sequence: an elastic steel pipe pile in an
// elastic subgrade ("Elast SG") of constant modulus, against the closed-form
// beam on elastic foundation.
//
// For a long free-head beam of stiffness EI on springs of modulus Es = k b
// (force per length squared), loaded by a shear H at its head,
//   y(0) = 2 H lambda / Es,  lambda = (Es / (4 EI))^(1/4)
// (Hetenyi 1946). The pile below is 60 ft long with lambda L = 6.8, long
// enough for the end to have no influence (a few parts in a million).
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "run/run.h"
#include "engine/scratch_dir.h"

namespace quarn::soil {
namespace {

constexpr double kShear = 10000.0;   // lb
constexpr double kModulus = 100.0;   // k, lb/in3
constexpr double kDiameter = 24.0;   // in
constexpr double kE = 29000000.0;    // psi
constexpr double kInertia = 2549.3;  // in4

std::string inputText() {
  std::ostringstream in;
  in << "QUARNX6\nTITLE\nElastic pipe pile in an elastic subgrade\n\n\n\n\n"
     << "OPTIONS\nUnits USCS\nUseLRFD NO\nComputeKmatrix NO\nUseTipShear NO\n"
     << "UseSoilMovement NO\nUsePYModifiers NO\nComputeEIOnly NO\nLoading STATIC     0\n"
     << "MaxIterations 100\nMaxDeflection 10.0\nTolerance 1.0E-5\nIncrements 100\n"
     << "PrintSummaryOnly NO\nPrintIncrement 5\nPrintPYCurves NO\nComputeInteraction NO\n"
     // One elastic section, a circular pipe of 24 in and 0.5 in wall, 60 ft.
     << "SECTIONS\n1\n1\n11\n60.0\n3\n"
     << kE << "\n24.0\n24.0\n0.5\n0.5\n36.914\n36.914\n"
     << kInertia << "\n"
     << kInertia
     << "\n"
     // Elastic subgrade from the head to 70 ft: unit weight (pcf) and k (pci).
     << "SOIL LAYERS\n1\n13 0.0 70.0\n60.0 " << kModulus << "\n60.0 " << kModulus << "\n"
     << "LOADING\n1\n1 1 " << kShear << " 0.0 0.0 1\n0\nEND\n";
  return in.str();
}

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

TEST(ElasticSubgradeRun, LinearSpringsConvergeAtTheSixthIterationOnTheClosedForm) {
  quarn::testing::ScratchDir dir;
  dir.write("case.qin", inputText());
  RunFiles files;
  files.inputPath = dir / "case.qin";
  files.reportPath = dir / "case.rpt";
  files.plotPath = dir / "case.plt";
  files.messagePath = dir / "case.msg";
  auto ctx = engine::makeRunContext();
  const int code = run::runWithFiles(*ctx, files);
  const std::string report = dir.read("case.rpt");
  const std::string messages = dir.read("case.msg");
  ASSERT_EQ(code, 0) << report;

  // The springs are linear: the second solution has them, the third repeats
  // it, and the iteration stops at the sixth, the first it may stop at.
  int iterations = 0;
  for (const std::string& line : linesOf(messages)) {
    if (line.rfind("Analysis Case 1,", 0) == 0) ++iterations;
  }
  EXPECT_EQ(iterations, 6) << messages;
  EXPECT_NE(report.find("\nNumber of iterations             =              6\n"),
            std::string::npos);

  // Head deflection: the first Line 10 record of the plot file.
  double yHead = std::nan("");
  for (const std::string& line : linesOf(dir.read("case.plt"))) {
    if (line.find("Line 10(") != std::string::npos) {
      yHead = std::stod(line.substr(15, 15));
      break;
    }
  }
  const double Es = kModulus * kDiameter;
  const double lambda = std::pow(Es / (4.0 * kE * kInertia), 0.25);
  const double closedForm = 2.0 * kShear * lambda / Es;
  EXPECT_NEAR(yHead, closedForm, 0.01 * closedForm);
}

}  // namespace
}  // namespace quarn::soil
