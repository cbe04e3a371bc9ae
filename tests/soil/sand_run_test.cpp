// Whole runs of an elastic steel pipe pile in sand: the run sequence reads
// the input, iterates the load case with the sand springs and ends normally.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "run/run.h"
#include "engine/run_context.h"
#include "engine/scratch_dir.h"

namespace quarn::soil {
namespace {

// A 24 in pipe pile with a 0.5 in wall, 60 ft long, E = 29000000 psi,
// I = 2549.3 in4, head at the ground surface, in submerged sand of 60 lb/ft3
// with phi = 35 degrees and no k given; 20 kips of shear and 50 kips of
// axial thrust at a free head.
std::string pipePileInSand(int criterion) {
  return "QUARNX6\nTITLE\nElastic pipe pile in sand\n24 in steel pipe, 60 ft long\n"
         "Submerged sand, default k\n\n\n"
         "OPTIONS\nUnits USCS\nUseLRFD NO\nComputeKmatrix NO\nUseTipShear NO\n"
         "UseSoilMovement NO\nUsePYModifiers NO\nComputeEIOnly NO\nLoading STATIC     0\n"
         "MaxIterations 100\nMaxDeflection 10.0\nTolerance 1.0E-5\nIncrements 100\n"
         "PrintSummaryOnly NO\nPrintIncrement 10\nPrintPYCurves NO\nComputeInteraction NO\n"
         "SECTIONS\n1\n1\n11\n60.0\n3\n29000000.0\n24.0\n24.0\n0.5\n0.5\n36.914\n36.914\n"
         "2549.3\n2549.3\n"
         "SOIL LAYERS\n1\n" +
         std::to_string(criterion) +
         " 0.0 70.0\n60.0 35.0 0.0\n60.0 35.0 0.0\n"
         "LOADING\n1\n1 1 20000.0 0.0 50000.0 1\n0\nEND\n";
}

// The value of a report line "label = value unit".
double reportValue(const std::string& report, const std::string& label) {
  const std::size_t at = report.find(label);
  if (at == std::string::npos) return std::nan("");
  double value = std::nan("");
  std::sscanf(report.c_str() + report.find('=', at) + 1, "%lf", &value);
  return value;
}

TEST(SandRun, ElasticPipePileEndsNormally) {
  for (const int criterion : {5, 6}) {
    SCOPED_TRACE(criterion);
    quarn::testing::ScratchDir dir;
    dir.write("pile.qin", pipePileInSand(criterion));
    RunFiles files;
    files.inputPath = dir / "pile.qin";
    files.reportPath = dir / "pile.rpt";
    files.plotPath = dir / "pile.plt";
    files.messagePath = dir / "pile.msg";
    auto ctx = engine::makeRunContext();
    EXPECT_EQ(run::runWithFiles(*ctx, files), 0);

    const std::string report = dir.read("pile.rpt");
    const std::string messages = dir.read("pile.msg");
    EXPECT_NE(messages.find("The analysis ended normally. "), std::string::npos) << messages;
    EXPECT_NE(report.find("The analysis ended normally. "), std::string::npos);

    // The secant moduli of the sand never exceed the initial k z, so the
    // pile deflects at least as much as a long elastic pile on Es = k z
    // (Matlock and Reese: y = 2.435 H T^3 / EI, T = (EI / k)^(1/5)), here
    // with k = 1.2098290E-7 x 35^5.6944680 = 74.9 lb/in3 from phi; and the
    // axial thrust adds to it. Nonlinear sand springs at this load soften
    // the response by well under a factor of two.
    const double EI = 29000000.0 * 2549.3;
    const double k = 1.2098290369522147e-07 * std::pow(35.0, 5.694468021392822);
    const double T = std::pow(EI / k, 0.2);
    const double linear = 2.435 * 20000.0 * T * T * T / EI;
    const double head = reportValue(report, "Pile-head deflection");
    EXPECT_GT(head, linear);
    EXPECT_LT(head, 2.0 * linear);
    // The largest moment lies between one and two relative stiffness
    // lengths below the head (1.3 T for the linear pile).
    const double depth = reportValue(report, "Depth of maximum bending moment");
    EXPECT_GT(depth, T);
    EXPECT_LT(depth, 2.0 * T);
  }
}

}  // namespace
}  // namespace quarn::soil
