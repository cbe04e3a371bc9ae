// Bar and strand layouts: bars on a circle (single and bundled), the square
// perimeter patterns of strands, and the cases where no layout exists.
#include "section/bar_layouts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <utility>
#include <vector>

#include "section_fixture.h"

namespace quarn::section {
namespace {

using testing::kPi;

double radians(double degrees) {
  return degrees * kPi / 180.0;
}
double radiusOf(const BarArray& x, const BarArray& y, int k) {
  return std::hypot(x[k], y[k]);
}
double angleOf(const BarArray& x, const BarArray& y, int k) {
  return std::atan2(y[k], x[k]);
}
double distance(const BarArray& x, const BarArray& y, int i, int j) {
  return std::hypot(x[i] - x[j], y[i] - y[j]);
}

// A 36 in shaft, 3 in cover, 1 in bars: the bar centres lie on R = 14.5 in.
constexpr double kD = 36.0, kCover = 3.0, kBar = 1.0, kR = 14.5;

TEST(CircularLayout, SingleBarsLieAtEqualAnglesOnTheBarCircle) {
  BarArray x, y;
  double d = kBar;
  ASSERT_EQ(Calculate_Circular_Bar_Positions(x, y, kD, kCover, d, 10, 1), LayoutResult::kPlaced);
  for (int j = 1; j <= 10; ++j) {
    SCOPED_TRACE(j);
    EXPECT_NEAR(x[j], kR * std::cos(radians(36.0 * (j - 1))), 1e-12);
    EXPECT_NEAR(y[j], kR * std::sin(radians(36.0 * (j - 1))), 1e-12);
  }
  EXPECT_EQ(x[11], 0.0);
  EXPECT_NEAR(edgeToEdgeBarSpacing(x, y, 10, 1, kBar), 2.0 * kR * std::sin(radians(18.0)) - kBar,
              1e-12);
}

TEST(CircularLayout, BundlesOfTwoLieSideBySideAroundTheGroupAngle) {
  BarArray x, y;
  double d = kBar;
  ASSERT_EQ(Calculate_Circular_Bar_Positions(x, y, kD, kCover, d, 6, 2), LayoutResult::kPlaced);
  const double delta = kBar / kR / 2.0;  // the half-angle a bar takes on the circle
  for (int j = 1; j <= 6; ++j) {
    SCOPED_TRACE(j);
    const double theta = radians(60.0 * (j - 1));
    EXPECT_NEAR(radiusOf(x, y, 2 * j - 1), kR, 1e-12);
    EXPECT_NEAR(radiusOf(x, y, 2 * j), kR, 1e-12);
    EXPECT_NEAR(std::remainder(angleOf(x, y, 2 * j - 1) - (theta - delta), 2 * kPi), 0.0, 1e-12);
    EXPECT_NEAR(std::remainder(angleOf(x, y, 2 * j) - (theta + delta), 2 * kPi), 0.0, 1e-12);
    // The two bars of a bundle touch (to the difference of chord and arc).
    EXPECT_NEAR(distance(x, y, 2 * j - 1, 2 * j), kBar, 1e-3);
  }
  EXPECT_NEAR(edgeToEdgeBarSpacing(x, y, 12, 2, kBar),
              2.0 * kR * std::sin(radians(30.0) - delta) - kBar, 1e-12);
}

TEST(CircularLayout, TheThirdBarOfABundleNestsInsideTheOtherTwo) {
  BarArray x, y;
  double d = kBar;
  ASSERT_EQ(Calculate_Circular_Bar_Positions(x, y, kD, kCover, d, 4, 3), LayoutResult::kPlaced);
  const double delta = kBar / kR / 2.0;
  for (int j = 1; j <= 4; ++j) {
    SCOPED_TRACE(j);
    EXPECT_NEAR(radiusOf(x, y, 3 * j), kR - kBar * std::sqrt(3.0) / 2.0, 1e-12);
    EXPECT_NEAR(std::remainder(angleOf(x, y, 3 * j) - radians(90.0 * (j - 1)), 2 * kPi), 0.0,
                1e-12);
    // The outer bars sit at (R cos delta, +-R sin delta) in the group's own
    // axes, the third at (R - d_b sqrt(3)/2, 0): an equilateral triangle of
    // side d_b but for the bend of the circle (0.9925 d_b here).
    const double apart =
        std::hypot(kR * std::cos(delta) - (kR - kBar * std::sqrt(3.0) / 2.0), kR * std::sin(delta));
    EXPECT_NEAR(apart, 0.9925, 5e-5);
    EXPECT_NEAR(distance(x, y, 3 * j, 3 * j - 2), apart, 1e-12);
    EXPECT_NEAR(distance(x, y, 3 * j, 3 * j - 1), apart, 1e-12);
  }
  EXPECT_NEAR(edgeToEdgeBarSpacing(x, y, 12, 3, kBar),
              2.0 * kR * std::sin(radians(45.0) - delta) - kBar, 1e-12);
}

TEST(CircularLayout, OneGroupSitsAtTheCentre) {
  BarArray x, y;
  double d = kBar;
  ASSERT_EQ(Calculate_Circular_Bar_Positions(x, y, kD, kCover, d, 1, 1), LayoutResult::kPlaced);
  EXPECT_EQ(x[1], 0.0);
  EXPECT_EQ(y[1], 0.0);
  EXPECT_EQ(edgeToEdgeBarSpacing(x, y, 1, 1, kBar), 0.0);  // no neighbour
  ASSERT_EQ(Calculate_Circular_Bar_Positions(x, y, kD, kCover, d, 1, 2), LayoutResult::kPlaced);
  EXPECT_EQ(x[1], -0.5);
  EXPECT_EQ(x[2], 0.5);
  EXPECT_EQ(y[1], 0.0);
  EXPECT_EQ(y[2], 0.0);
}

TEST(CircularLayout, ABarDiameterAbove100IsTakenAsZero) {
  BarArray x, y;
  double d = 150.0;
  ASSERT_EQ(Calculate_Circular_Bar_Positions(x, y, kD, kCover, d, 4, 1), LayoutResult::kPlaced);
  EXPECT_EQ(d, 0.0);
  EXPECT_NEAR(x[1], kD / 2.0 - kCover, 1e-12);
}

TEST(CircularLayout, ImpossibleLayoutsPlaceNothingAndSayWhy) {
  struct Case {
    const char* name;
    double D, cover, d_b;
    int n, bundle;
    LayoutResult expected;
  };
  const Case cases[] = {
      {"no diameter", 0.0, 3.0, 1.0, 8, 1, LayoutResult::kDiameterNotPositive},
      {"diameter below the bar", 0.8, 0.1, 1.0, 8, 1, LayoutResult::kDiameterBelowBar},
      {"no cover", kD, 0.0, 1.0, 8, 1, LayoutResult::kCoverNotPositive},
      {"no bars", kD, 3.0, 1.0, 0, 1, LayoutResult::kCountOutOfRange},
      {"301 groups", kD, 3.0, 1.0, 301, 1, LayoutResult::kCountOutOfRange},
      {"101 bundles of 3", kD, 3.0, 1.0, 101, 3, LayoutResult::kCountOutOfRange},
      {"bundle of 0", kD, 3.0, 1.0, 8, 0, LayoutResult::kBundleOutOfRange},
      {"bundle of 4", kD, 3.0, 1.0, 8, 4, LayoutResult::kBundleOutOfRange},
      {"cover beyond the radius", 10.0, 5.0, 1.0, 8, 1, LayoutResult::kRadiusNotPositive},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BarArray x, y;
    x.fill(7.0);
    double d = c.d_b;
    EXPECT_EQ(Calculate_Circular_Bar_Positions(x, y, c.D, c.cover, d, c.n, c.bundle), c.expected);
    EXPECT_EQ(x[1], 0.0);
  }
}

// A 24 in square pile, 2 in cover, 0.5 in strands: half-side a = 9.75.
constexpr double kW = 24.0, kStrandCover = 2.0, kStrand = 0.5, kA = 9.75;

using Points = std::vector<std::pair<double, double>>;

TEST(SquareLayout, MultiplesOfFourFollowTheNumberingOfBothPatterns) {
  const double a = kA;
  struct Case {
    int n;
    Points expected;
  };
  const Case cases[] = {
      {4, {{-a, -a}, {a, -a}, {a, a}, {-a, a}}},
      {8, {{-a, -a}, {0, -a}, {a, -a}, {a, 0}, {a, a}, {0, a}, {-a, a}, {-a, 0}}},
      // b = 3: the side strands sit at 0 and +s on the right, 0 and -s on the left.
      {12,
       {{-a, -a},
        {-a / 3, -a},
        {a / 3, -a},
        {a, -a},
        {a, 0},
        {a, 2 * a / 3},
        {a, a},
        {a / 3, a},
        {-a / 3, a},
        {-a, a},
        {-a, 0},
        {-a, -2 * a / 3}}},
      {16,
       {{-a, -a},
        {-a / 2, -a},
        {0, -a},
        {a / 2, -a},
        {a, -a},
        {a, -a / 2},
        {a, 0},
        {a, a / 2},
        {a, a},
        {a / 2, a},
        {0, a},
        {-a / 2, a},
        {-a, a},
        {-a, a / 2},
        {-a, 0},
        {-a, -a / 2}}},
  };
  for (int variant : {1, 2}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::to_string(c.n) + " strands, pattern " + std::to_string(variant));
      BarArray x, y;
      ASSERT_EQ(Calculate_Square_Bar_Positions(variant, x, y, kW, kStrandCover, kStrand, c.n),
                LayoutResult::kPlaced);
      for (int k = 1; k <= c.n; ++k) {
        SCOPED_TRACE(k);
        EXPECT_NEAR(x[k], c.expected[static_cast<std::size_t>(k - 1)].first, 1e-12);
        EXPECT_NEAR(y[k], c.expected[static_cast<std::size_t>(k - 1)].second, 1e-12);
      }
    }
  }
}

// Distance along the perimeter of the square of half-side a, counter-clockwise
// from the bottom-left corner.
double perimeterCoordinate(double a, double x, double y) {
  constexpr double tol = 1e-9;
  if (std::abs(y + a) < tol && x < a - tol) return x + a;
  if (std::abs(x - a) < tol && y < a - tol) return 2 * a + (y + a);
  if (std::abs(y - a) < tol && x > -a + tol) return 4 * a + (a - x);
  return 6 * a + (a - y);
}

TEST(SquareLayout, OtherCountsAreSpacedEvenlyAroundThePerimeter) {
  for (int variant : {1, 2}) {
    for (int n : {1, 2, 3, 5, 6, 7, 10, 14, 30}) {
      SCOPED_TRACE(std::to_string(n) + " strands, pattern " + std::to_string(variant));
      BarArray x, y;
      ASSERT_EQ(Calculate_Square_Bar_Positions(variant, x, y, kW, kStrandCover, kStrand, n),
                LayoutResult::kPlaced);
      const double spacing = 8.0 * kA / n;
      std::vector<double> along;
      std::array<int, 4> perSide{};
      for (int k = 1; k <= n; ++k) {
        // On the perimeter of the strand square.
        EXPECT_NEAR(std::max(std::abs(x[k]), std::abs(y[k])), kA, 1e-12);
        const double s = perimeterCoordinate(kA, x[k], y[k]);
        along.push_back(s);
        ++perSide[static_cast<std::size_t>(std::min(3, static_cast<int>(s / (2 * kA))))];
      }
      EXPECT_NEAR(along[0], variant == 1 ? 0.0 : spacing / 2.0, 1e-12);
      for (int k = 1; k < n; ++k) EXPECT_NEAR(along[k] - along[k - 1], spacing, 1e-9);
      const auto [fewest, most] = std::minmax_element(perSide.begin(), perSide.end());
      EXPECT_LE(*most - *fewest, 1);
    }
  }
}

TEST(SquareLayout, NoSquareNoStrands) {
  BarArray x, y;
  EXPECT_EQ(Calculate_Square_Bar_Positions(1, x, y, 0.0, 2.0, 0.5, 8),
            LayoutResult::kDiameterNotPositive);
  EXPECT_EQ(Calculate_Square_Bar_Positions(1, x, y, 24.0, 2.0, 0.5, 0),
            LayoutResult::kCountOutOfRange);
  EXPECT_EQ(Calculate_Square_Bar_Positions(1, x, y, 4.0, 2.0, 0.5, 8),
            LayoutResult::kRadiusNotPositive);
}

}  // namespace
}  // namespace quarn::section
