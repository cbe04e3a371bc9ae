// Layered soil: equivalent depths against the resistance integrals worked by
// hand (Matlock soft clay, Welch and Reese stiff clay, Reese sand below a clay
// layer), the linear continuation below the transition depth, and the sum of
// the resistances of the layers above.
#include "soil/layered_soil.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>

namespace quarn::soil {
namespace {

constexpr double kCyclic72 = 0.7200000286102295;  // 0.72 in single precision

EquivalentDepthInput clay(Criterion criterion, double c, double D, double gamma, double J = 0.5,
                          double ca = 0.0, bool cyclic = false) {
  EquivalentDepthInput in;
  in.criterion = criterion;
  in.c = c;
  in.D = D;
  in.gamma = gamma;
  in.J = J;
  in.ca = ca;
  in.cyclic = cyclic;
  return in;
}

// Clays: S is the integral of pu from the ground down to H, worked by hand.
TEST(EquivalentDepth, ClaysInvertTheirResistanceIntegral) {
  // Soft clay c = 20, D = 0.5, gamma' = 8: pu = 30 + 4 z + 0.5 * 20 z = 30 + 14 z
  // (J = 0.5), xr = 6 * 0.5 * 20 / (10 + 4) = 30 / 7. Above xr the integral is
  // 30 H + 7 H^2; at xr it is 30 xr + 7 xr^2 = 257.142857..., then 9 c D = 90 per
  // unit depth. SoftClyJ with J = 0.25: the quadratic keeps the coefficients of
  // J = 0.5 (7 H^2 + 30 H); J enters the transition depth, 6 * 0.5 * 20 / (5 + 4)
  // = 20/3, and the unit-weight term of its integral, ((3 c + J xr gamma') D +
  // 0.25 xr c) xr = ((60 + 40/3) 0.5 + 100/3) 20/3 = 1400/3.
  // Cyclic soft clay: 0.72 pu z / xr down to xr, integral 0.72 (15 xr + 14 xr^2 / 3),
  // then 0.72 * 90 per unit depth.
  // Stiff clay without free water c = 100, ca = 50, D = 1, gamma' = 10:
  // pu = 150 + 10 z + 25 z, integral 150 H + 17.5 H^2 (xr = 750 / 35 = 21.43).
  const double xr = 30.0 / 7.0;
  const double cyclicAtXr = kCyclic72 * (15.0 * xr + 14.0 * xr * xr / 3.0);
  struct Case {
    EquivalentDepthInput in;
    double S;
    double H;
  };
  const Case cases[] = {
      {clay(Criterion::kSoftClay, 20, 0.5, 8), 37.0, 1.0},
      {clay(Criterion::kSoftClay, 20, 0.5, 8, 0.9), 37.0, 1.0},  // SoftClay ignores J
      {clay(Criterion::kSoftClay, 20, 0.5, 8), 30.0 * xr + 7.0 * xr * xr + 180.0, xr + 2.0},
      {clay(Criterion::kSoftClayJ, 20, 0.5, 8, 0.25), 88.0, 2.0},
      {clay(Criterion::kSoftClayJ, 20, 0.5, 8, 0.25), 1400.0 / 3.0 + 90.0, 20.0 / 3.0 + 1.0},
      {clay(Criterion::kSoftClay, 20, 0.5, 8, 0.5, 0.0, true), cyclicAtXr + kCyclic72 * 90.0,
       xr + 1.0},
      {clay(Criterion::kStiffClayNoFreeWater, 100, 1, 10, 0.5, 50), 370.0, 2.0},
      {clay(Criterion::kStiffClayNoFreeWaterK, 100, 1, 10, 0.5, 50), 150 * 4.0 + 17.5 * 16.0, 4.0},
      {clay(Criterion::kSoftClay, 20, 0.5, 8), 0.0, 0.0},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(equivalentDepth(c.in, c.S), c.H, 1e-9) << "S = " << c.S;
  }
}

// Below the transition depth every criterion continues linearly with the deep
// resistance: 9 c D for stiff clay without free water, 11 c R D for stiff clay
// with free water (R at xr / D = 6.6, where As = 0.6 and Ac = 0.3),
// 0.88 C3 gamma' D z0 for sand, and for cemented silt that plus 9 c D.
TEST(EquivalentDepth, BeyondTheTransitionTheDepthGrowsWithTheDeepResistance) {
  const double As = 0.6000000238418579;
  const double Ac = 0.30000001192092896;
  const double staticR = 0.5 * std::sqrt(6.0 * As) - 0.41100001335144043 - 0.75 * As;
  const double cyclicR = 0.9359999895095825 * Ac - 0.41819998621940613 * As;

  EquivalentDepthInput sand;
  sand.criterion = Criterion::kSandReese;
  sand.D = 2.0;
  sand.gamma = 10.0;
  sand.phi = 35.0 * std::numbers::pi / 180.0;
  sand.alpha = sand.phi / 2.0;
  sand.beta = std::numbers::pi / 4.0 + sand.phi / 2.0;
  sand.K0 = 0.4;
  sand.Ka = std::pow(std::tan(std::numbers::pi / 4.0 - sand.phi / 2.0), 2);
  sand.tan2Beta = std::pow(std::tan(sand.beta), 2);
  sand.z0 = 7.0;
  const double t2 = sand.tan2Beta;
  const double C3 = t2 * t2 * (t2 + std::tan(sand.phi) * sand.K0) - sand.Ka;

  struct Case {
    EquivalentDepthInput in;
    double deepResistance;
  };
  EquivalentDepthInput silt = sand;
  silt.criterion = Criterion::kCementedSilt;
  silt.c = 30.0;

  const Case cases[] = {
      {clay(Criterion::kStiffClayNoFreeWater, 100, 1, 10, 0.5, 50), 900.0},
      {clay(Criterion::kStiffClayFreeWater, 100, 1, 10, 0.5, 50), 1100.0 * staticR},
      {clay(Criterion::kStiffClayFreeWater, 100, 1, 10, 0.5, 50, true), 1100.0 * cyclicR},
      {sand, 0.8799999952316284 * C3 * 10.0 * 2.0 * 7.0},
      {silt, 0.8799999952316284 * C3 * 10.0 * 2.0 * 7.0 + 9.0 * 30.0 * 2.0},
  };
  for (const Case& c : cases) {
    const double S1 = 1e6;
    const double S2 = 2e6;
    const double H1 = equivalentDepth(c.in, S1);
    const double H2 = equivalentDepth(c.in, S2);
    EXPECT_NEAR((H2 - H1) * c.deepResistance / (S2 - S1), 1.0, 1e-9);
  }
}

// A Reese sand layer (D = 2, gamma' = 10, phi = 35 degrees, K0 = 0.4) below a
// 1 m soft clay layer whose resistance integral is 37 (first case above).
// Within z / D < 0.5 the static A falls linearly from 2.83 to 2.48, so the sand
// resistance integral is a polynomial in R = H / D:
//   D gamma' D^2 [2.83 (C1 R^3/3 + C2 R^2/2) - 0.7 (C1 R^4/4 + C2 R^3/3)].
// Bisection on it gives the depth that the 500 trapezoids approximate; they
// span zc = (C3 - C2) D / C1, about 25 m here, in steps of 5 cm, which shifts
// the depth by a few millimetres.
TEST(EquivalentDepth, SandBelowClayAccumulatesTheClayResistance) {
  EquivalentDepthInput sand;
  sand.criterion = Criterion::kSandReese;
  sand.D = 2.0;
  sand.gamma = 10.0;
  sand.phi = 35.0 * std::numbers::pi / 180.0;
  sand.alpha = sand.phi / 2.0;
  sand.beta = std::numbers::pi / 4.0 + sand.phi / 2.0;
  sand.K0 = 0.4;
  sand.Ka = std::pow(std::tan(std::numbers::pi / 4.0 - sand.phi / 2.0), 2);
  sand.tan2Beta = std::pow(std::tan(sand.beta), 2);
  sand.z0 = 1.0;
  const double tb = std::tan(sand.beta);
  const double ta = std::tan(sand.alpha);
  const double C1 =
      tb * (ta * sand.tan2Beta +
            (std::sin(sand.beta) * (1.0 / std::cos(sand.alpha) + 1.0) * std::tan(sand.phi) - ta) *
                sand.K0);
  const double C2 = sand.tan2Beta - sand.Ka;
  const double a0 = 2.83, slope = 2.0 * (2.83 - 2.48);  // A per unit of z / D
  auto integral = [&](double R) {
    return sand.D * sand.gamma * sand.D * sand.D *
           (a0 * (C1 * R * R * R / 3.0 + C2 * R * R / 2.0) -
            slope * (C1 * R * R * R * R / 4.0 + C2 * R * R * R / 3.0));
  };
  const std::array<double, 3> F = {0.0, 37.0, 0.0};
  const std::array<double, 3> liquefied{};
  const double S = resistanceAbove(F, liquefied, 2);
  ASSERT_DOUBLE_EQ(S, 37.0);
  double lo = 0.0, hi = 0.5;
  ASSERT_GT(integral(hi), S);  // the depth lies where A is linear
  for (int n = 0; n < 100; ++n) {
    const double mid = 0.5 * (lo + hi);
    (integral(mid) < S ? lo : hi) = mid;
  }
  const double expected = lo * sand.D;
  EXPECT_NEAR(equivalentDepth(sand, S), expected, 5e-3 * expected);
  sand.criterion = Criterion::kSandApi;  // the same integral for API sand
  EXPECT_NEAR(equivalentDepth(sand, S), expected, 5e-3 * expected);
  EXPECT_DOUBLE_EQ(equivalentDepth(sand, 0.0), 0.0);
}

// Within the first step of the numerical integrals the integral grows
// linearly from 0, so Heq = h S / I1, I1 being the first step worked by hand:
// stiff clay with free water takes h R(h) ((gamma' h + 2 ca) D + 2.83 ca h)
// with h = xr / 50; sand the trapezoid (0 + p(h)) h / 2 with p(z) = A gamma'
// D^2 (C1 (z/D)^2 + C2 z/D) and h = zc / 500; cemented silt adds the clay term
// (gamma' D + 0.5 c) z + 3 D c to both ends of the trapezoid.
TEST(EquivalentDepth, WithinTheFirstStepTheIntegralIsLinear) {
  // Stiff clay with free water, c = ca = 100, D = 1, gamma' = 10, static:
  // xr = 900 / 293 (2.83 in single precision), h = xr / 50, r = h.
  const double w = 2.8299999237060547;
  const double xr = 900.0 / (10.0 + w * 100.0);
  const double h = xr / 50.0;
  const double As = 0.2345000058412552 + 0.295879602432251 * h - 0.0786110982298851 * h * h +
                    0.006898100022226572 * h * h * h;
  const double R = 0.5 * std::sqrt(6.0 * As) - 0.41100001335144043 - 0.75 * As;
  const double I1 = h * R * ((10.0 * h + 200.0) + w * 100.0 * h);

  // Reese sand and cemented silt: D = 2, gamma' = 10, phi = 35 degrees, K0 = 0.4.
  EquivalentDepthInput sand;
  sand.criterion = Criterion::kSandReese;
  sand.D = 2.0;
  sand.gamma = 10.0;
  sand.phi = 35.0 * std::numbers::pi / 180.0;
  sand.alpha = sand.phi / 2.0;
  sand.beta = std::numbers::pi / 4.0 + sand.phi / 2.0;
  sand.K0 = 0.4;
  sand.Ka = std::pow(std::tan(std::numbers::pi / 4.0 - sand.phi / 2.0), 2);
  sand.tan2Beta = std::pow(std::tan(sand.beta), 2);
  sand.z0 = 3.0;
  const double t2 = sand.tan2Beta;
  const double tb = std::tan(sand.beta);
  const double ta = std::tan(sand.alpha);
  const double C1 =
      tb * (ta * t2 +
            (std::sin(sand.beta) * (1.0 / std::cos(sand.alpha) + 1.0) * std::tan(sand.phi) - ta) *
                sand.K0);
  const double C2 = t2 - sand.Ka;
  const double C3 = t2 * t2 * (t2 + std::tan(sand.phi) * sand.K0) - sand.Ka;
  const double hs = (C3 - C2) * 2.0 / C1 / 500.0;
  const double r = hs / 2.0;  // below 0.5: A falls linearly from 2.83 to 2.48
  const double A = 2.8299999237060547 - (2.8299999237060547 - 2.4800000190734863) * r / 0.5;
  const double p1 = A * 10.0 * 4.0 * (C1 * r * r + C2 * r);
  EquivalentDepthInput silt = sand;
  silt.criterion = Criterion::kCementedSilt;
  silt.c = 30.0;
  const double clayAt0 = 3.0 * 2.0 * 30.0;
  const double clayAtH = (10.0 * 2.0 + 0.5 * 30.0) * hs + clayAt0;

  struct Case {
    EquivalentDepthInput in;
    double h;
    double I1;
  };
  const Case cases[] = {
      {clay(Criterion::kStiffClayFreeWater, 100, 1, 10, 0.5, 100), h, I1},
      {sand, hs, p1 * hs / 2.0},
      {silt, hs, (clayAt0 + p1 + clayAtH) * hs / 2.0},
  };
  for (const Case& c : cases) {
    for (const double fraction : {0.25, 0.9}) {
      const double S = fraction * c.I1;
      EXPECT_NEAR(equivalentDepth(c.in, S), c.h * S / c.I1, 1e-9 * c.h);
    }
  }
}

// S sums the layers above; a layer whose F is below 0.01 counts with its
// liquefied-sand value, and a sum beyond 1e20 restarts at 100.
TEST(EquivalentDepth, ResistanceAboveSumsTheLayersAbove) {
  struct Case {
    std::array<double, 5> F;
    std::array<double, 5> liquefied;
    int k;
    double S;
  };
  const Case cases[] = {
      {{0, 37, 0.005, 10, 99}, {0, 0, 5, 0, 0}, 4, 52.0},
      {{0, 37, 0.005, 10, 99}, {0, 0, 5, 0, 0}, 2, 37.0},
      {{0, 37, 0.02, 10, 99}, {0, 0, 5, 0, 0}, 4, 47.02},
      {{0, 0.001, 0.002, 0, 0}, {0, 0, 0, 0, 0}, 4, 0.0},
      {{0, 6e19, 6e19, 1, 0}, {0, 0, 0, 0, 0}, 4, 101.0},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(resistanceAbove(c.F, c.liquefied, c.k), c.S, 1e-12) << "k = " << c.k;
  }
}

}  // namespace
}  // namespace quarn::soil
