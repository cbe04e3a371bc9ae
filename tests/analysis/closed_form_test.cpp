// A long elastic pile on a constant subgrade modulus against the closed-form
// solution of a semi-infinite beam on an elastic (Winkler) foundation
// (Hetenyi, Beams on Elastic Foundation, 1946): with lambda = (k / 4EI)^(1/4),
//   head shear H:          y = (2 H lambda / k) e^(-lambda x) cos(lambda x)
//   head moment M:         y = (2 M lambda^2 / k) e^(-lambda x) (cos - sin)(lambda x)
//   shear, fixed head:     y = (H lambda / k) e^(-lambda x) (cos + sin)(lambda x)
// and, with a compressive axial thrust P below the buckling load
// P_cr = 2 sqrt(k EI), y = Re(C e^(r x)) with r the decaying root of
// EI r^4 + P r^2 + k = 0.

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <functional>
#include <numbers>
#include <string>

#include "analysis/case_response.h"
#include "analysis/node_response.h"
#include "analysis/solver.h"
#include "pile_fixture.h"

namespace quarn::analysis {
namespace {

using testing::ElasticPile;
using testing::makeElasticPile;

constexpr double kPi = std::numbers::pi;

// Long pile: length 12.6 / lambda, 500 increments of 0.025 / lambda.
constexpr double kEI = 1.0e10;        // lb-in^2
constexpr double kSubgrade = 1000.0;  // lb/in^2
const double kLambda = std::pow(kSubgrade / (4.0 * kEI), 0.25);

CaseResponse solveAndEvaluate(engine::RunContext& ctx) {
  Solve_Pile_Deflections(ctx, 1);
  PileModel& pm = ctx.model.pileModel;
  for (int k = 1; k <= pm.N; ++k) Compute_Node_Response(ctx.model, k);
  return computeCaseResponse(ctx.model, 1, {1, true});
}

struct ClosedFormCase {
  std::string name;
  HeadCondition head;
  std::function<double(double)> deflection;  // closed-form y(x)
  double headSlope;
  double maxMoment;
  double maxMomentDepth;
};

TEST(ClosedForm, LongElasticPileMatchesBeamOnElasticFoundation) {
  const double H = 10000.0;  // lb
  const double M = 2.0e6;    // in-lb
  const double lam = kLambda;
  const double k = kSubgrade;
  auto decay = [lam](double x) { return std::exp(-lam * x); };

  HeadCondition shear = testing::shearAndMoment(H, 0.0);
  HeadCondition moment = testing::shearAndMoment(0.0, M);
  HeadCondition fixedHead;
  fixedHead.loadType = HeadLoadType::kShearSlope;
  fixedHead.Pt = H;
  fixedHead.St = 0.0;

  const ClosedFormCase cases[] = {
      {"head shear", shear,
       [&](double x) { return 2.0 * H * lam / k * decay(x) * std::cos(lam * x); },
       -2.0 * H * lam * lam / k, std::exp(-kPi / 4.0) * std::sin(kPi / 4.0) * H / lam,
       kPi / (4.0 * lam)},
      {"head moment", moment,
       [&](double x) {
         return 2.0 * M * lam * lam / k * decay(x) * (std::cos(lam * x) - std::sin(lam * x));
       },
       -4.0 * M * lam * lam * lam / k, M, 0.0},
      {"fixed head", fixedHead,
       [&](double x) { return H * lam / k * decay(x) * (std::cos(lam * x) + std::sin(lam * x)); },
       0.0, -H / (2.0 * lam), 0.0},
  };

  const ElasticPile pile{.length = 1000.0, .increments = 500, .EI = kEI, .Es = kSubgrade};
  ASSERT_GT(kLambda * pile.length, 12.0);  // long: the tip does not move
  for (const ClosedFormCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto ctx = makeElasticPile(pile, c.head);
    const CaseResponse response = solveAndEvaluate(*ctx);
    const PileModel& pm = ctx->model.pileModel;
    const double y0 = c.deflection(0.0);

    EXPECT_NEAR(pm.y(1), y0, 0.01 * std::abs(y0));
    // The whole deflected shape, relative to the head deflection.
    double worst = 0.0;
    for (int n = 1; n <= pm.N; ++n) {
      worst = std::max(worst, std::abs(pm.y(n) - c.deflection(pm.node[n].x)));
    }
    EXPECT_LT(worst, 0.01 * std::abs(y0));

    const double slopeScale = std::abs(y0) * lam;
    EXPECT_NEAR(pm.computedHeadSlope, c.headSlope, 0.01 * slopeScale);
    EXPECT_NEAR(response.maxMoment, c.maxMoment, 0.01 * std::abs(c.maxMoment));
    EXPECT_NEAR(response.maxMomentX, c.maxMomentDepth, 2.0 * pm.h);
  }
}

TEST(ClosedForm, FixedHeadStoresTheHeadMomentAndZeroSlope) {
  const double H = 10000.0;
  HeadCondition fixedHead;
  fixedHead.loadType = HeadLoadType::kShearSlope;
  fixedHead.Pt = H;
  auto ctx = makeElasticPile({.length = 1000.0, .EI = kEI, .Es = kSubgrade}, fixedHead);
  const CaseResponse response = solveAndEvaluate(*ctx);
  const PileModel& pm = ctx->model.pileModel;
  EXPECT_NEAR(pm.y(1), H * kLambda / kSubgrade, 0.01 * H * kLambda / kSubgrade);
  // Zero up to the round-off of (y(2) - y(0)) / 2h.
  EXPECT_NEAR(pm.node[1].S, 0.0, 1e-12 * pm.y(1) / pm.h);
  EXPECT_DOUBLE_EQ(response.headMoment, pm.node[1].M);
  EXPECT_NEAR(response.headMoment, -H / (2.0 * kLambda), 0.01 * H / (2.0 * kLambda));
  // The moment the fixed head takes is the moment of its boundary condition.
  EXPECT_DOUBLE_EQ(headBoundaryMoment(pm), response.headMoment);
  EXPECT_EQ(pm.head.Mt, 0.0);
}

// Head deflection of a semi-infinite beam on an elastic foundation under a
// head shear H with a compressive axial thrust P, free head (zero moment) or
// fixed head (zero slope). The head shear is the transverse force
// EI y''' + P y'. Reduced by hand this gives, with q = P / P_cr,
//   fixed head: y(0) = (H lambda / k) / sqrt(1 - q), unbounded as P -> P_cr;
//   free head:  y(0) = (2 H lambda / k) sqrt(1 - q) / (1 - 2q), unbounded
//               already at P_cr / 2 = sqrt(k EI), where the free end buckles.
double headDeflectionWithThrust(bool fixedHead, double H, double P, double EI, double k) {
  const double lam2 = std::sqrt(k / (4.0 * EI));
  const double alpha = std::sqrt(lam2 - P / (4.0 * EI));
  const double beta = std::sqrt(lam2 + P / (4.0 * EI));
  const std::complex<double> r(-alpha, beta);
  const std::complex<double> r2 = r * r;
  const std::complex<double> r3 = r2 * r;
  // y = Re(C e^(rx)), C = C1 + i C2, so Re(C z) = C1 Re z - C2 Im z.
  // First condition: Re(C r) = 0 (slope) or Re(C r^2) = 0 (moment);
  // second: EI Re(C r^3) + P Re(C r) = H.
  const std::complex<double> first = fixedHead ? r : r2;
  const double a11 = first.real(), a12 = -first.imag();
  const double a21 = EI * r3.real() + P * r.real();
  const double a22 = -(EI * r3.imag() + P * r.imag());
  return -a12 * H / (a11 * a22 - a12 * a21);  // C1 = y(0)
}

struct ThrustCase {
  std::string name;
  HeadLoadType loadType;
  double ratios[5];      // P / P_cr, ascending
  double minimumGrowth;  // y at the last ratio over y without thrust
};

TEST(ClosedForm, CompressiveThrustIncreasesDeflectionTowardsBuckling) {
  const double H = 10000.0;
  const double criticalLoad = 2.0 * std::sqrt(kSubgrade * kEI);
  // Long enough that the slowest decay, sqrt(1 - P/Pcr) lambda, dies out.
  const ElasticPile pile{.length = 1600.0, .increments = 500, .EI = kEI, .Es = kSubgrade};
  const ThrustCase cases[] = {
      // Closed form at 0.9 P_cr: 3.16 times the deflection without thrust.
      {"fixed head", HeadLoadType::kShearSlope, {0.0, 0.3, 0.6, 0.8, 0.9}, 3.0},
      // Closed form at 0.4 P_cr: 3.87 times.
      {"free head", HeadLoadType::kShearMoment, {0.0, 0.1, 0.2, 0.3, 0.4}, 3.5},
  };
  for (const ThrustCase& c : cases) {
    const bool fixedHead = c.loadType == HeadLoadType::kShearSlope;
    double previous = 0.0;
    double unloaded = 0.0;
    for (double ratio : c.ratios) {
      SCOPED_TRACE(c.name + ", P / Pcr = " + std::to_string(ratio));
      HeadCondition head;
      head.loadType = c.loadType;
      head.Pt = H;
      head.Q = ratio * criticalLoad;
      auto ctx = makeElasticPile(pile, head);
      Solve_Pile_Deflections(*ctx, 1);
      const double y = ctx->model.pileModel.y(1);
      const double expected = headDeflectionWithThrust(fixedHead, H, head.Q, kEI, kSubgrade);
      EXPECT_NEAR(y, expected, 0.01 * expected);
      if (ratio == 0.0) {
        unloaded = y;
        const double noThrust = (fixedHead ? 1.0 : 2.0) * H * kLambda / kSubgrade;
        EXPECT_NEAR(expected, noThrust, 1e-9 * noThrust);
      } else {
        EXPECT_GT(y, previous);
      }
      previous = y;
    }
    EXPECT_GT(previous / unloaded, c.minimumGrowth) << c.name;
  }
}

}  // namespace
}  // namespace quarn::analysis
