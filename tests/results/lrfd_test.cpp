// LRFD load combinations: the factored loads against sums worked by hand, the
// texts of the loading blocks the echo prints, the batter transformation, the
// distinct thrusts, the distributed loads against their integrals, and whole
// runs: each combination answers exactly as a plain load case of type 1
// with the same loads, and the performance table judges each section by its
// own capacity.
#include "analysis/lrfd.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>
#include <vector>

#include "engine/messages.h"
#include "input/echo_blocks.h"
#include "results/results_runs.h"

namespace quarn::results::testing {
namespace {

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

void addGroup(AnalysisModel& model, int type, double H, double M, double P) {
  Loads& loads = model.loads;
  LrfdLoad& group = loads.lrfdLoads[static_cast<std::size_t>(++loads.numberOfLrfdLoads)];
  group.loadTypeIndex = type;
  group.horizontalForce = H;
  group.moment = M;
  group.axialForce = P;
}

void addCombination(AnalysisModel& model, std::vector<std::pair<int, double>> factors,
                    const std::string& name, double phiM = 0.9) {
  Loads& loads = model.loads;
  LrfdCombination& c =
      loads.lrfdCombinations[static_cast<std::size_t>(++loads.numberOfLrfdCombinations)];
  for (const auto& [type, factor] : factors) c.loadFactors[static_cast<std::size_t>(type)] = factor;
  c.flexureResistanceFactor = phiM;
  c.shearResistanceFactor = 0.75;
  c.name = name;
}

constexpr int kDL = 1, kLL = 2, kW = 5, kRain = 10, kSnow = 11;

// Dead, live and wind groups; three combinations.
std::unique_ptr<engine::RunContext> threeGroups(int units) {
  auto ctx = memoryContext(units);
  AnalysisModel& model = ctx->model;
  model.options.useLrfd = true;
  addGroup(model, kDL, 1000.0, 2000.0, 50000.0);
  addGroup(model, kLL, 500.0, 0.0, 10000.0);
  addGroup(model, kW, 800.0, 3000.0, 0.0);
  addCombination(model, {{kDL, 1.25}, {kLL, 1.75}}, "Strength I");
  addCombination(model, {{kDL, 0.9}, {kW, 1.4}}, "Strength III");
  addCombination(model, {{kDL, 1.0}, {kLL, 1.0}, {kW, 0.3}}, "Service I");
  return ctx;
}

// `text` right-justified in `width` columns, as a field of the layouts.
std::string rj(const std::string& text, std::size_t width) {
  return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
}

std::vector<std::string> reportLines(const engine::RunContext& ctx) {
  return lines(ctx.report.text());
}

// The line after the first line equal to `line`.
std::string lineAfter(const engine::RunContext& ctx, const std::string& line) {
  const std::vector<std::string> all = reportLines(ctx);
  for (std::size_t i = 0; i + 1 < all.size(); ++i) {
    if (all[i] == line) return all[i + 1];
  }
  return "<not found>";
}

// ---- factored loads, worked by hand ------------------------------------------------

TEST(LrfdLoads, FactoredLoadsOfThreeCombinations) {
  auto ctx = threeGroups(kUnitsUsCustomary);
  const AnalysisModel& model = ctx->model;
  analysis::Compute_Lrfd_Loads(ctx->model);
  struct Expected {
    double V, M, P;
    int thrustIndex;
  };
  const Expected expected[] = {
      // 1.25 DL + 1.75 LL
      {1.25 * 1000 + 1.75 * 500, 1.25 * 2000, 1.25 * 50000 + 1.75 * 10000, 3},  // 2125, 2500, 80000
      // 0.9 DL + 1.4 W
      {0.9 * 1000 + 1.4 * 800, 0.9 * 2000 + 1.4 * 3000, 0.9 * 50000, 1},  // 2020, 6000, 45000
      // DL + LL + 0.3 W
      {1000 + 500 + 0.3 * 800, 2000 + 0.3 * 3000, 60000, 2},  // 1740, 2900, 60000
  };
  for (int L = 1; L <= 3; ++L) {
    SCOPED_TRACE(L);
    const LrfdCombinationLoads& f = model.lrfd.combination[static_cast<std::size_t>(L)];
    const Expected& e = expected[L - 1];
    EXPECT_NEAR(f.FactoredShear, e.V, 1e-9);
    EXPECT_NEAR(f.FactoredMoment, e.M, 1e-9);
    EXPECT_NEAR(f.FactoredAxial, e.P, 1e-9);
    EXPECT_EQ(f.ThrustIndex, e.thrustIndex);
    // No batter: the pile carries the horizontal and vertical forces as they are.
    EXPECT_EQ(f.FactoredShear, f.horizontalForce);
    EXPECT_EQ(f.FactoredAxial, f.verticalForce);
  }
  // The thrusts of the section analysis: distinct, ascending, in kips.
  EXPECT_EQ(model.loads.numberOfAxialThrusts, 3);
  EXPECT_NEAR(model.loads.axialThrusts[1], 45.0, 1e-12);
  EXPECT_NEAR(model.loads.axialThrusts[2], 60.0, 1e-12);
  EXPECT_NEAR(model.loads.axialThrusts[3], 80.0, 1e-12);
  // Totals by load type.
  EXPECT_EQ(model.lrfd.totals[kDL].groups, 1);
  EXPECT_EQ(model.lrfd.totals[kW].moment, 3000.0);
  EXPECT_EQ(model.lrfd.totals[kSnow].groups, 0);
}

TEST(LrfdLoads, EchoBlocksOfThreeCombinations) {
  auto ctx = threeGroups(kUnitsUsCustomary);
  analysis::Compute_Lrfd_Loads(ctx->model);
  input::echo::writeLrfdLoads(*ctx);
  const std::string& text = ctx->report.text();
  // Group rows: I9, 15X, the type text, 3F24.2 and I14.
  EXPECT_NE(text.find(rj("1", 9) + std::string(15, ' ') + "Dead Load   (DL)" + rj("1000.00", 24) +
                      rj("2000.00", 24) + rj("50000.00", 24) + rj("0", 14) + "\n"),
            std::string::npos);
  // Totals rows: the text, 3F24.2 and I12.
  EXPECT_NE(text.find("\nDead Loads   (DL)" + rj("1000.00", 24) + rj("2000.00", 24) +
                      rj("50000.00", 24) + rj("1", 12) + "\n"),
            std::string::npos);
  EXPECT_NE(text.find("\nSpecial      (Sp)" + rj("0.00", 24) + rj("0.00", 24) + rj("0.00", 24) +
                      rj("0", 12) + "\n\n\n\n"),
            std::string::npos);
  // Factor rows: I3, a blank, F7.2 or "    -- " per load type, 2F7.2, 3X and
  // the name in its 256 columns.
  std::string factors = rj("2", 3) + " " + "   0.90";
  for (int g = 2; g <= 13; ++g) factors += g == 5 ? "   1.40" : "    -- ";
  factors += "   0.90   0.75   Strength III" + std::string(256 - 12, ' ') + "\n";
  EXPECT_NE(text.find(factors), std::string::npos);
  EXPECT_NE(text.find("Factored Load =  1.25*DL + 1.75*LL \n\n"), std::string::npos);
  EXPECT_NE(text.find("Factored Load =  0.90*DL + 1.40*W  \n\n"), std::string::npos);
  EXPECT_NE(text.find("Factored Horizontal Force =                  2125.00 lbs\n"
                      "Factored Vertical Force   =                 80000.00 lbs\n"
                      "Factored Moment           =                  2500.00 in-lbs\n\n"),
            std::string::npos);
  EXPECT_EQ(lineAfter(*ctx,
                      "   Combination       Horiz. Force          Moment           Vert. "
                      "Force     Load Combination Name  "),
            "     Number               lbs              in-lbs               lbs        ");
  // Totals of factored loads: I9, 7X, 3F19.2, 3X, the name in 256 columns.
  EXPECT_NE(text.find(rj("3", 9) + std::string(7, ' ') + rj("1740.00", 19) + rj("2900.00", 19) +
                      rj("60000.00", 19) + "   Service I" + std::string(256 - 9, ' ') + "\n"),
            std::string::npos);
  EXPECT_NE(text.find("Number of Unique Axial Thrust Values = 3\n\nNumber   Factored Axial Thrust\n"
                      "------   ---------------------\n   1       45000.000\n   2       60000.000\n"
                      "   3       80000.000\n"),
            std::string::npos);
  // Without batter there is no transformation block.
  EXPECT_EQ(text.find("Transformed for Pile Batter"), std::string::npos);
}

TEST(LrfdLoads, OnlyLiveLoadKeepsItsPlusSign) {
  auto ctx = memoryContext(kUnitsSi);
  addGroup(ctx->model, kLL, 10.0, 0.0, 100.0);
  addCombination(ctx->model, {{kLL, 1.6}}, "Live only");
  analysis::Compute_Lrfd_Loads(ctx->model);
  input::echo::writeLrfdLoads(*ctx);
  EXPECT_NE(ctx->report.text().find("\nFactored Load =  + 1.60*LL \n"), std::string::npos);
  EXPECT_NE(ctx->report.text().find("Factored Horizontal Force =                    16.00 kN\n"),
            std::string::npos);
}

TEST(LrfdLoads, RainAndSnowLabels) {
  auto ctx = memoryContext(kUnitsSi);
  addGroup(ctx->model, kRain, 1.0, 0.0, 0.0);
  addGroup(ctx->model, kSnow, 2.0, 0.0, 0.0);
  addCombination(ctx->model, {{kRain, 1.0}, {kSnow, 1.0}}, "Weather");
  analysis::Compute_Lrfd_Loads(ctx->model);
  input::echo::writeLrfdLoads(*ctx);
  const std::string& text = ctx->report.text();
  EXPECT_NE(text.find("        1               Rain Load   (DL)  "), std::string::npos);
  EXPECT_NE(text.find("        2               Snow Load   (DL)  "), std::string::npos);
  EXPECT_NE(text.find("\nRain Loads   (Rn)                    1.00"), std::string::npos);
  EXPECT_NE(text.find("\nSnow Loads   (Sn)                    2.00"), std::string::npos);
  EXPECT_NE(text.find("Factored Load =  + 1.00*Rn + 1.00*Sn \n"), std::string::npos);
}

TEST(LrfdLoads, OneAxialForceGivesOneThrustAndOneIndex) {
  auto ctx = memoryContext(kUnitsSi);
  addGroup(ctx->model, kDL, 5.0, 0.0, 300.0);
  addGroup(ctx->model, kW, 20.0, 10.0, 0.0);
  addCombination(ctx->model, {{kDL, 1.0}}, "A");
  addCombination(ctx->model, {{kDL, 1.0}, {kW, 1.0}}, "B");
  addCombination(ctx->model, {{kDL, 1.0}, {kW, 0.5}}, "C");
  analysis::Compute_Lrfd_Loads(ctx->model);
  const LrfdResults& r = ctx->model.lrfd;
  EXPECT_EQ(r.numberOfThrusts, 1);
  EXPECT_EQ(r.thrust[1], 300.0);
  for (int L = 1; L <= 3; ++L) EXPECT_EQ(r.combination[static_cast<std::size_t>(L)].ThrustIndex, 1);
  EXPECT_EQ(ctx->model.loads.numberOfAxialThrusts, 1);
  EXPECT_EQ(ctx->model.loads.axialThrusts[1], 300.0);  // kN stay kN
}

TEST(LrfdLoads, BatterTurnsTheLoadsIntoShearAndAxialForce) {
  auto ctx = memoryContext(kUnitsUsCustomary);
  // As the reader stores 10 degrees.
  ctx->model.tables.batter.batterAngle = 10.0 * 3.141592653589793 / 180.0;
  addGroup(ctx->model, kDL, 1000.0, 500.0, 0.0);
  addCombination(ctx->model, {{kDL, 1.0}}, "Batter");
  analysis::Compute_Lrfd_Loads(ctx->model);
  const LrfdCombinationLoads& f = ctx->model.lrfd.combination[1];
  // 1000 cos 10 = 984.8078, -1000 sin 10 = -173.6482.
  EXPECT_NEAR(f.FactoredShear, 984.8078, 1e-4);
  EXPECT_NEAR(f.FactoredAxial, -173.6482, 1e-4);
  EXPECT_EQ(f.FactoredMoment, 500.0);
  EXPECT_EQ(f.horizontalForce, 1000.0);
  input::echo::writeLrfdLoads(*ctx);
  const std::string& text = ctx->report.text();
  EXPECT_NE(
      text.find("Pile PileBatter =  10.000 degrees\n\nTransformation Matrix and Equations:\n"),
      std::string::npos);
  EXPECT_NE(text.find("   T(1,1) =  Cos(PileBatter) =   0.9848   T(1,2) = Sin(PileBatter) =   "
                      "0.1736\n\n   T(2,1) = -Sin(PileBatter) =  -0.1736   T(2,2) = "
                      "Cos(PileBatter) =   0.9848\n"),
            std::string::npos);
  // The transformed row: I9, 7X, 3F19.2 and the name without a gap.
  EXPECT_NE(text.find(rj("1", 9) + std::string(7, ' ') + rj("984.81", 19) + rj("500.00", 19) +
                      rj("-173.65", 19) + "Batter "),
            std::string::npos);
  // The totals before the transformation keep the horizontal force.
  EXPECT_NE(text.find(rj("1", 9) + std::string(7, ' ') + rj("1000.00", 19) + rj("500.00", 19) +
                      rj("0.00", 19) + "   Batter "),
            std::string::npos);
  EXPECT_NE(text.find("   1        -173.648\n"), std::string::npos);
}

TEST(LrfdLoads, GeneralUnitsHaveNoUnitLineInTheTotals) {
  auto ctx = threeGroups(kUnitsGeneral);
  analysis::Compute_Lrfd_Loads(ctx->model);
  input::echo::writeLrfdLoads(*ctx);
  EXPECT_EQ(lineAfter(*ctx,
                      "   Combination       Horiz. Force          Moment           Vert. "
                      "Force     Load Combination Name  "),
            "----------------   ----------------   ----------------   ----------------   "
            "--------------------------------------------------------------");
  // The other blocks take the SI words.
  EXPECT_NE(ctx->report.text().find("Factored Moment           =                  2500.00 kN-m\n"),
            std::string::npos);
}

// ---- distributed loads ----------------------------------------------------------------

// A grid of N nodes at spacing h on a pile of length (N - 1) h.
void grid(AnalysisModel& model, int N, double h) {
  PileModel& pm = model.pileModel;
  pm.N = N;
  pm.h = h;
  pm.length = (N - 1) * h;
  for (int k = 1; k <= N; ++k) pm.node[k].x = (k - 1) * h;
}

void addProfile(AnalysisModel& model, int group, std::vector<std::pair<double, double>> points) {
  LrfdLoad& g = model.loads.lrfdLoads[static_cast<std::size_t>(group)];
  g.distributedPointCount = static_cast<int>(points.size());
  for (std::size_t j = 0; j < points.size(); ++j) {
    g.distributedDepth[j + 1] = points[j].first;
    g.distributedLoad[j + 1] = points[j].second;
  }
}

TEST(LrfdDistributedLoads, AveragesOverTheTributaryWindows) {
  auto ctx = memoryContext(kUnitsSi);
  AnalysisModel& model = ctx->model;
  addGroup(model, kDL, 0.0, 0.0, 0.0);
  addGroup(model, kLL, 0.0, 0.0, 0.0);
  addProfile(model, 1, {{0.0, 0.0}, {10.0, 10.0}});  // w = x kN/m over the whole pile
  addProfile(model, 2, {{2.2, 5.0}, {4.0, 5.0}});    // 5 kN/m from 2.2 m to 4 m
  addCombination(model, {{kDL, 1.2}, {kLL, 1.6}}, "Strength");
  grid(model, 11, 1.0);
  analysis::Compute_Lrfd_Distributed_Loads(model);
  const auto& dead = model.lrfd.LrfdTypeNodeLoad[kDL];
  const auto& live = model.lrfd.LrfdTypeNodeLoad[kLL];
  // w = x: interior windows average x; the head window [0, 0.5] holds 0.125
  // over 0.5, the tip window [9.5, 10] holds 4.875 over 0.5.
  EXPECT_NEAR(dead[1], 0.25, 1e-12);
  for (int k = 2; k <= 10; ++k) EXPECT_NEAR(dead[static_cast<std::size_t>(k)], k - 1.0, 1e-12);
  EXPECT_NEAR(dead[11], 9.75, 1e-12);
  // The step load: nothing in windows above 2.2 m, [2.2, 2.5] at node 3,
  // all of [2.5, 3.5] at node 4, [3.5, 4] at node 5.
  EXPECT_EQ(live[2], 0.0);
  EXPECT_NEAR(live[3], 0.3 * 5.0, 1e-12);
  EXPECT_NEAR(live[4], 5.0, 1e-12);
  EXPECT_NEAR(live[5], 0.5 * 5.0, 1e-12);
  EXPECT_EQ(live[6], 0.0);
  // Factored: 1.2 x 2 + 1.6 x 1.5 at node 3.
  EXPECT_NEAR(analysis::fn_Lrfd_Node_Load(model, 3, 1), 1.2 * 2.0 + 1.6 * 1.5, 1e-12);
  EXPECT_NEAR(analysis::fn_Lrfd_Node_Load(model, 8, 1), 1.2 * 7.0, 1e-12);

  analysis::writeLrfdDistributedLoads(*ctx);
  const std::string& text = ctx->report.text();
  // The block of the live load: its rows (F10.2, 3X, F10.2) only where the
  // load is not zero; the header's labels at columns 5 and 19.
  const auto row = [](const char* x, const char* w) {
    return rj(x, 10) + "   " + rj(w, 10) + "\n";
  };
  const std::string liveBlock =
      "\n\nDistributed Lateral Loads for LRFD:\n" + std::string(35, '-') +
      "\n\n\nSums of Distributed Lateral Load Per Unit Length due to " + "Live Loads" +
      std::string(20, ' ') + "\n\n   Depth     Distributed Load\n" + "    m  " +
      std::string(11, ' ') + "kN/m\n----------   ----------------\n" + row("2.00", "1.50") +
      row("3.00", "5.00") + row("4.00", "2.50") + "\n\n";
  EXPECT_NE(text.find(liveBlock), std::string::npos) << text;
  // The dead load block lists every node, the head with its half window.
  EXPECT_NE(text.find(row("0.00", "0.25") + row("1.00", "1.00")), std::string::npos);
  EXPECT_NE(text.find(row("10.00", "9.75") + "\n\n"), std::string::npos);
  EXPECT_EQ(text.find("due to Wind Loads"), std::string::npos);  // no distributed wind load
}

TEST(LrfdDistributedLoads, UsCustomaryDepthsAreInFeet) {
  auto ctx = memoryContext(kUnitsUsCustomary);
  AnalysisModel& model = ctx->model;
  addGroup(model, kDL, 0.0, 0.0, 0.0);
  addProfile(model, 1, {{0.0, 100.0}, {10.0, 100.0}});  // 100 lb/in over the top 10 ft
  addCombination(model, {{kDL, 1.0}}, "Dead");
  grid(model, 11, 24.0);  // a 240 in pile
  analysis::Compute_Lrfd_Distributed_Loads(model);
  const auto& dead = model.lrfd.LrfdTypeNodeLoad[kDL];
  for (int k = 1; k <= 5; ++k) EXPECT_NEAR(dead[static_cast<std::size_t>(k)], 100.0, 1e-12);
  EXPECT_NEAR(dead[6], 50.0, 1e-12);  // the window 108 to 132 in, loaded to 120 in
  EXPECT_EQ(dead[7], 0.0);
}

// ---- whole runs ---------------------------------------------------------------------

// The results-test pile (an elastic steel pipe in two soft clay layers) with
// its LOADING section replaced by `loads`; `lrfd` switches the option.
std::string pileInput(const std::string& loads, bool lrfd) {
  std::string text = inputText(exampleRun());
  const std::size_t from = text.find("LOADING\n");
  const std::size_t to = text.find("END\n");
  text.replace(from, to - from, loads);
  if (lrfd) text.replace(text.find("UseLRFD NO"), 10, "UseLRFD YES");
  return text;
}

std::string exact(double v) {
  char text[64];
  std::snprintf(text, sizeof text, "%.17g", v);
  return text;
}

std::vector<std::string> recordsOf(const std::string& plot, const std::string& kind) {
  return linesWith(plot, kind);
}

// Every combination gives, node by node, the response of a plain load case
// of type 1 with the combination's factored shear, moment and axial thrust.
void expectSameResponses(const input::testing::RunOutcome& lrfd,
                         const input::testing::RunOutcome& plain, int cases) {
  ASSERT_EQ(lrfd.code, 0) << lrfd.report.substr(lrfd.report.size() - 600);
  ASSERT_EQ(plain.code, 0);
  const std::vector<std::string> a = recordsOf(lrfd.plot, "Line 10(");
  const std::vector<std::string> b = recordsOf(plain.plot, "Line 10(");
  ASSERT_EQ(a.size(), static_cast<std::size_t>(101 * cases));
  EXPECT_EQ(a, b);
  EXPECT_EQ(recordsOf(lrfd.plot, "Line 13:"), recordsOf(plain.plot, "Line 13:"));
  // The summary rows read "    1   V =" and "  M =" with the factored loads.
  EXPECT_EQ(linesWith(lrfd.report, "    1   V ="), linesWith(plain.report, "    1   V ="));
  EXPECT_EQ(linesWith(lrfd.report, "    1   V =").size(), static_cast<std::size_t>(cases));
  // The iterations, and with them every table row of the results.
  EXPECT_EQ(linesWith(lrfd.report, "Number of iterations"),
            linesWith(plain.report, "Number of iterations"));
}

TEST(LrfdRuns, EachCombinationAnswersAsAPlainLoadCase) {
  const std::string lrfdLoads =
      "LRFD LOADS\n3\n1 1 10000.0 100000.0 40000.0 0\n2 2 5000.0 0.0 10000.0 0\n"
      "3 5 8000.0 50000.0 0.0 0\n"
      "LRFD FACTORS AND CASES\n3\n1 1.25 1.75 0 0 0 0 0 0 0 0 0 0 0 0.9 0.9\nStrength I\n"
      "2 0.9 0 0 0 1.4 0 0 0 0 0 0 0 0 0.9 0.9\nStrength III\n"
      "3 1.0 1.0 0 0 0.3 0 0 0 0 0 0 0 0 1.0 1.0\nService I\n";
  const input::testing::RunOutcome lrfd = input::testing::runInput(pileInput(lrfdLoads, true));
  ASSERT_NE(lrfd.ctx, nullptr);
  const LrfdResults& r = lrfd.ctx->model.lrfd;
  struct Factored {
    double V, M, P;
  };
  const Factored byHand[] = {
      {21250.0, 125000.0, 67500.0}, {20200.0, 160000.0, 36000.0}, {17400.0, 115000.0, 50000.0}};
  std::string cases = "LOADING\n3\n";
  for (int L = 1; L <= 3; ++L) {
    const LrfdCombinationLoads& f = r.combination[static_cast<std::size_t>(L)];
    EXPECT_NEAR(f.FactoredShear, byHand[L - 1].V, 1e-9);
    EXPECT_NEAR(f.FactoredMoment, byHand[L - 1].M, 1e-9);
    EXPECT_NEAR(f.FactoredAxial, byHand[L - 1].P, 1e-9);
    cases += std::to_string(L) + " 1 " + exact(f.FactoredShear) + " " + exact(f.FactoredMoment) +
             " " + exact(f.FactoredAxial) + " 1\n";
  }
  cases += "0\n";
  const input::testing::RunOutcome plain = input::testing::runInput(pileInput(cases, false));
  expectSameResponses(lrfd, plain, 3);
  // The heading names the combination: two empty lines after the rule, the
  // name in its 256 columns and two empty lines after it.
  EXPECT_NE(
      lrfd.report.find(std::string(17, ' ') + "for Lateral Loading for LRFD Load Case Number 2\n" +
                       std::string(80, '-') + "\n\n\nLoad Case No. 2:  Strength III" +
                       std::string(256 - 12, ' ') + "\n\n\n"),
      std::string::npos);
  EXPECT_EQ(linesWith(lrfd.plot, "Line 11: Num. points on Ytop vs. Length curve for LRFD load case")
                .size(),
            3u);
  EXPECT_NE(lrfd.plot.find("    3  101    1" + std::string(65, ' ') + "Line 9:"),
            std::string::npos);
}

TEST(LrfdRuns, DistributedLoadAnswersAsThePlainDistributedLoad) {
  // The dead load group carries a distributed load from the head, rising to
  // 30 lb/in at 20 ft and constant below; the plain run gives the same
  // profile in inches.
  const std::string lrfdLoads =
      "LRFD LOADS\n2\n1 1 10000.0 0.0 40000.0 3\n1 0.0 0.0\n2 20.0 30.0\n3 60.0 30.0\n"
      "2 2 5000.0 0.0 10000.0 0\n"
      "LRFD FACTORS AND CASES\n1\n1 1.0 1.6 0 0 0 0 0 0 0 0 0 0 0 0.9 0.9\nDead and live\n";
  const input::testing::RunOutcome lrfd = input::testing::runInput(pileInput(lrfdLoads, true));
  ASSERT_NE(lrfd.ctx, nullptr);
  const LrfdCombinationLoads& f = lrfd.ctx->model.lrfd.combination[1];
  EXPECT_NEAR(f.FactoredShear, 10000.0 + 1.6 * 5000.0, 1e-9);
  EXPECT_NEAR(f.FactoredAxial, 40000.0 + 1.6 * 10000.0, 1e-9);
  const std::string plainLoads = "LOADING\n1\n1 1 " + exact(f.FactoredShear) + " 0 " +
                                 exact(f.FactoredAxial) +
                                 " 1\n3\n1 0.0 0.0\n2 240.0 30.0\n3 720.0 30.0\n";
  const input::testing::RunOutcome plain = input::testing::runInput(pileInput(plainLoads, false));
  expectSameResponses(lrfd, plain, 1);
  // The block of the dead load lists every loaded node: all but the head.
  EXPECT_NE(lrfd.report.find("Sums of Distributed Lateral Load Per Unit Length due to Dead Loads"),
            std::string::npos);
  EXPECT_EQ(lrfd.report.find("due to Live Loads"), std::string::npos);
}

const std::string kPerformanceInput =
    "QUARNX6\n"
    "TITLE\n"
    "LRFD performance: a weak shaft above a strong one and an elastic toe\n"
    "Section 1 fails, section 2 passes, section 3 is elastic\n"
    "\n"
    "\n"
    "\n"
    "OPTIONS\n"
    "Units SI\n"
    "UseLRFD YES\n"
    "ComputeKmatrix NO\n"
    "UseTipShear NO\n"
    "UseSoilMovement NO\n"
    "UsePYModifiers NO\n"
    "ComputeEIOnly NO\n"
    "Loading STATIC     0\n"
    "MaxIterations 200\n"
    "MaxDeflection 1.0\n"
    "Tolerance 2.54E-7\n"
    "Increments 100\n"
    "PrintSummaryOnly NO\n"
    "PrintIncrement 10\n"
    "PrintPYCurves NO\n"
    "ComputeInteraction NO\n"
    "SECTIONS\n"
    "3\n"
    "1\n"
    "1\n"
    "3.0\n"
    "600.0\n"
    "30000.0\n"
    "19.0\n"
    "Use default concrete tensile strength\n"
    "Use internal stress-strain curve for concrete\n"
    "Rebar Arrangement Not Same As Section Above\n"
    "Rebar in circle\n"
    "420000.0\n"
    "200000000.0\n"
    "6\n"
    "1\n"
    "20.0\n"
    "314.0\n"
    "75.0\n"
    "0.0\n"
    "2\n"
    "1\n"
    "9.0\n"
    "900.0\n"
    "30000.0\n"
    "19.0\n"
    "Use default concrete tensile strength\n"
    "Use internal stress-strain curve for concrete\n"
    "Rebar Arrangement Not Same As Section Above\n"
    "Rebar in circle\n"
    "420000.0\n"
    "200000000.0\n"
    "16\n"
    "1\n"
    "25.0\n"
    "491.0\n"
    "75.0\n"
    "0.0\n"
    "3\n"
    "11\n"
    "3.0\n"
    "2\n"
    "25000000.0\n"
    "900.0\n"
    "900.0\n"
    "636173.0\n"
    "636173.0\n"
    "32205000000.0\n"
    "32205000000.0\n"
    "SOIL LAYERS\n"
    "1\n"
    "5 0.0 20.0\n"
    "9.5 32.0 16300.0\n"
    "9.5 35.0 16300.0\n"
    "LRFD LOADS\n"
    "1\n"
    "1 1 50.0 150.0 500.0 0\n"
    "LRFD FACTORS AND CASES\n"
    "2\n"
    "1 1.0 0 0 0 0 0 0 0 0 0 0 0 0 0.5 0.9\n"
    "Half phi\n"
    "2 1.0 0 0 0 0 0 0 0 0 0 0 0 0 0.9 0.9\n"
    "Full phi\n"
    "END\n";

// The capacity of a section from its own section report: the nominal moment
// of the summary table of section n (one axial thrust).
double nominalMomentOf(const std::string& report, int n) {
  const std::string title =
      "   Summary of Results for Nominal (Unfactored) Moment Capacity for Section " +
      std::to_string(n);
  const std::vector<std::string> all = lines(report);
  for (std::size_t i = 0; i < all.size(); ++i) {
    if (all[i] != title) continue;
    for (std::size_t j = i; j < all.size(); ++j) {
      if (all[j].rfind("   1 ", 0) == 0) return numbers(all[j]).at(2);
    }
  }
  return -1.0;
}

TEST(LrfdRuns, PerformanceTableJudgesEverySectionByItsOwnCapacity) {
  const input::testing::RunOutcome run = input::testing::runInput(kPerformanceInput);
  // The only warning: one failing row.
  EXPECT_EQ(run.code, -400);
  const double Mn1 = nominalMomentOf(run.report, 1);
  const double Mn2 = nominalMomentOf(run.report, 2);
  ASSERT_GT(Mn1, 0.0);
  ASSERT_GT(Mn2, Mn1);
  struct RowCase {
    int combination, section;
    double phi;
    double Mn;  // 0: elastic
    bool fails;
  };
  const RowCase rows[] = {{1, 1, 0.5, Mn1, true},  {1, 2, 0.5, Mn2, false},
                          {1, 3, 0.5, 0.0, false}, {2, 1, 0.9, Mn1, false},
                          {2, 2, 0.9, Mn2, false}, {2, 3, 0.9, 0.0, false}};
  // The rows of the table follow its rule line.
  const std::vector<std::string> report = lines(run.report);
  std::vector<std::string> all;
  for (std::size_t i = 0; i < report.size(); ++i) {
    if (report[i].rfind("----   -------   ----------", 0) != 0) continue;
    for (std::size_t j = i + 1; j < report.size() && !report[j].empty(); ++j) {
      all.push_back(report[j]);
    }
  }
  ASSERT_EQ(all.size(), 6u);
  for (std::size_t i = 0; i < 6; ++i) {
    const RowCase& c = rows[i];
    const std::string& row = all[i];
    SCOPED_TRACE(row);
    const std::vector<double> v = numbers(row);
    EXPECT_EQ(v.at(0), c.combination);
    EXPECT_EQ(v.at(1), c.section);
    EXPECT_EQ(v.at(2), c.phi);
    if (c.Mn == 0.0) {
      EXPECT_EQ(row.substr(30, 10), " Infinite ");
      EXPECT_NE(row.find("    N/A          N/A      "), std::string::npos);
      continue;
    }
    // Capacity phi Mn (Mn read to three decimals), the fraction |M| / C.
    const double C = v.at(3);
    EXPECT_NEAR(C, c.phi * c.Mn, c.phi * 0.0005 + 0.0005);
    const double M = v.at(4);
    EXPECT_NEAR(v.at(5), std::fabs(M) / C, 1.0e-4);
    EXPECT_EQ(std::fabs(M) >= C, c.fails);
    EXPECT_NE(row.find(c.fails ? " > FAIL <    " : "   Pass      "), std::string::npos);
  }
  EXPECT_NE(run.report.find("\n1 LRFD load combinations have failed.\n"), std::string::npos);
  EXPECT_NE(run.report.find("**** Warning - Failure for One or More LRFD Load Cases ****"),
            std::string::npos);
}

// The section analysis builds its tables for the distinct factored thrusts;
// one beyond the compressive capacity stops the run with runtime error 26,
// naming the combination that carries it (not its place among the thrusts).
TEST(LrfdRuns, FactoredThrustBeyondTheCapacityNamesItsCombination) {
  std::string input = kPerformanceInput;
  const std::string factors =
      "1 1.0 0 0 0 0 0 0 0 0 0 0 0 0 0.5 0.9\nHalf phi\n2 1.0 0 0 0 0 0 0 0 0 0 0 0 0 0.9 0.9\n"
      "Full phi\n";
  // Combination 1 carries 100 times the dead load: 50000 kN, the larger of
  // the two thrusts.
  input.replace(input.find(factors), factors.size(),
                "1 100.0 0 0 0 0 0 0 0 0 0 0 0 0 0.9 0.9\nOverload\n"
                "2 1.0 0 0 0 0 0 0 0 0 0 0 0 0 0.9 0.9\nDead load\n");
  const input::testing::RunOutcome run = input::testing::runInput(input);
  EXPECT_EQ(run.code, 226);
  EXPECT_NE(run.report.find("**** Runtime Error No. 26 ****\n\nPROBLEM:  The axial thrust load for "
                            "LRFD load case no. 1 exceeds the axial structural capacity in "
                            "compression.\n          Factored axial thrust load     =       "
                            "50000.000 kN"),
            std::string::npos)
      << run.report.substr(run.report.size() - 1500);
  // The echo listed both thrusts in order.
  EXPECT_NE(run.report.find("Number of Unique Axial Thrust Values = 2\n"), std::string::npos);
  EXPECT_NE(run.report.find("   1         500.000\n   2       50000.000\n"), std::string::npos);
}

}  // namespace
}  // namespace quarn::results::testing
