#include "section/bar_layouts.h"

#include <cmath>
#include <numbers>

#include "engine/single_precision.h"

namespace quarn::section {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kLargestBarDiameter = 100.0;  // larger values are taken for a missing diameter
constexpr double kHalfRootThree = 0.8660254037844386;
constexpr double kOctagonCornerFactor = sp(0.2071f);  // (sqrt(2) - 1) / 2 of the width

void setVertex(Polygon& p, int v, double x, double y) {
  p.x[static_cast<std::size_t>(v)] = x;
  p.y[static_cast<std::size_t>(v)] = y;
}

void setBar(BarArray& x, BarArray& y, int k, double bx, double by) {
  x[static_cast<std::size_t>(k)] = bx;
  y[static_cast<std::size_t>(k)] = by;
}

// The point at distance s along the perimeter of the square of half-side a,
// counter-clockwise from the bottom-left corner.
void perimeterPoint(double a, double s, double& x, double& y) {
  const double side = 2.0 * a;
  const double perimeter = 4.0 * side;
  s = std::fmod(s, perimeter);
  if (s < side) {
    x = -a + s, y = -a;
  } else if (s < 2.0 * side) {
    x = a, y = -a + (s - side);
  } else if (s < 3.0 * side) {
    x = a - (s - 2.0 * side), y = a;
  } else {
    x = -a, y = a - (s - 3.0 * side);
  }
}

}  // namespace

LayoutResult Calculate_Circular_Bar_Positions(BarArray& x, BarArray& y, double D, double cover,
                                              double& d_b, int n, int bundle) {
  x.fill(0.0);
  y.fill(0.0);
  if (std::abs(d_b) > kLargestBarDiameter) d_b = 0.0;
  if (!(D > 0.0)) return LayoutResult::kDiameterNotPositive;
  if (D < d_b) return LayoutResult::kDiameterBelowBar;
  if (!(cover > 0.0)) return LayoutResult::kCoverNotPositive;
  if (bundle < 1 || bundle > 3) return LayoutResult::kBundleOutOfRange;
  if (n < 1 || n > kMaxBars || n * bundle > kMaxBars) return LayoutResult::kCountOutOfRange;
  const double R = (D - d_b) / 2.0 - cover;
  if (!(R > 0.0)) return LayoutResult::kRadiusNotPositive;

  const double step = 2.0 * kPi / n;
  const double delta = (d_b / R) / 2.0;  // half the angle a bar takes on the circle
  for (int j = 1; j <= n; ++j) {
    const double theta = (j - 1) * step;
    switch (bundle) {
      case 1:
        if (n == 1) {
          setBar(x, y, 1, 0.0, 0.0);
        } else {
          setBar(x, y, j, R * std::cos(theta), R * std::sin(theta));
        }
        break;
      case 2:
        if (n == 1) {
          setBar(x, y, 1, -d_b / 2.0, 0.0);
          setBar(x, y, 2, d_b / 2.0, 0.0);
        } else {
          setBar(x, y, 2 * j - 1, R * std::cos(theta - delta), R * std::sin(theta - delta));
          setBar(x, y, 2 * j, R * std::cos(theta + delta), R * std::sin(theta + delta));
        }
        break;
      default: {
        // Two bars side by side on the circle and the third inside, nested
        // between them.
        const double inner = R - d_b * kHalfRootThree;
        setBar(x, y, 3 * j - 2, R * std::cos(theta - delta), R * std::sin(theta - delta));
        setBar(x, y, 3 * j - 1, R * std::cos(theta + delta), R * std::sin(theta + delta));
        setBar(x, y, 3 * j, inner * std::cos(theta), inner * std::sin(theta));
        break;
      }
    }
  }
  return LayoutResult::kPlaced;
}

LayoutResult Calculate_Square_Bar_Positions(int variant, BarArray& x, BarArray& y, double W,
                                            double cover, double d_b, int n) {
  x.fill(0.0);
  y.fill(0.0);
  if (!(W > 0.0)) return LayoutResult::kDiameterNotPositive;
  if (n < 1 || n > kMaxBars) return LayoutResult::kCountOutOfRange;
  const double a = (W - d_b) / 2.0 - cover;
  if (!(a > 0.0)) return LayoutResult::kRadiusNotPositive;

  if (n % 4 == 0) {
    // b + 1 strands on the bottom and the top side (corners included), b - 1
    // between the corners of the right and the left side. For odd b the
    // integer division of K moves the side strands half a spacing along the
    // side (up on the right, down on the left).
    const int b = n / 4;
    const double s = 2.0 * a / b;
    const int K = (b - 2) / 2 + 1;
    int k = 0;
    for (int j = 1; j <= b + 1; ++j) setBar(x, y, ++k, -a + (j - 1) * s, -a);
    for (int i = 1; i <= b - 1; ++i) setBar(x, y, ++k, a, (i - K) * s);
    for (int j = 1; j <= b + 1; ++j) setBar(x, y, ++k, a - (j - 1) * s, a);
    for (int i = 1; i <= b - 1; ++i) setBar(x, y, ++k, -a, (K - i) * s);
    return LayoutResult::kPlaced;
  }
  // Any other count: equal spacing along the whole perimeter, so every side
  // holds evenly spaced strands and the side counts differ by one at most.
  const double spacing = 8.0 * a / n;
  const double start = variant == 2 ? spacing / 2.0 : 0.0;
  for (int j = 1; j <= n; ++j) {
    double bx = 0.0, by = 0.0;
    perimeterPoint(a, start + (j - 1) * spacing, bx, by);
    setBar(x, y, j, bx, by);
  }
  return LayoutResult::kPlaced;
}

double edgeToEdgeBarSpacing(const BarArray& x, const BarArray& y, int bars, int bundle,
                            double d_b) {
  int first = 1, second = 2;
  if (bundle == 2) first = 2, second = 3;
  if (bundle == 3) first = 2, second = 4;
  if (bars < second) return 0.0;
  const double dx = x[static_cast<std::size_t>(second)] - x[static_cast<std::size_t>(first)];
  const double dy = y[static_cast<std::size_t>(second)] - y[static_cast<std::size_t>(first)];
  return std::sqrt(dx * dx + dy * dy) - d_b;
}

void buildOctagon(Polygon& p, double w) {
  const double a = kOctagonCornerFactor * w;
  const double h = w / 2.0;
  p.count = 8;
  setVertex(p, 1, a, -h);
  setVertex(p, 2, h, -a);
  setVertex(p, 3, h, a);
  setVertex(p, 4, a, h);
  setVertex(p, 5, -a, h);
  setVertex(p, 6, -h, a);
  setVertex(p, 7, -h, -a);
  setVertex(p, 8, -a, -h);
}

void buildChamferedSquare(Polygon& p, double W, double c) {
  const double h = W / 2.0;
  p.count = 8;
  setVertex(p, 1, h - c, -h);
  setVertex(p, 2, h, -h + c);
  setVertex(p, 3, h, h - c);
  setVertex(p, 4, h - c, h);
  setVertex(p, 5, -h + c, h);
  setVertex(p, 6, -h, h - c);
  setVertex(p, 7, -h, -h + c);
  setVertex(p, 8, -h + c, -h);
}

void buildHPileOutline(Polygon& p, double d, double bf, double tf, double tw, bool strongAxis) {
  const double h = d / 2.0;
  const double b = bf / 2.0;
  const double w = tw / 2.0;
  const double inner = h - tf;  // inner face of a flange
  const double outline[12][2] = {{-b, -h},    {b, -h},     {b, -inner},  {w, -inner},
                                 {w, inner},  {b, inner},  {b, h},       {-b, h},
                                 {-b, inner}, {-w, inner}, {-w, -inner}, {-b, -inner}};
  p.count = 12;
  for (int v = 1; v <= 12; ++v) {
    const double vx = outline[v - 1][0];
    const double vy = outline[v - 1][1];
    // A quarter turn counter-clockwise keeps the vertex order counter-clockwise.
    if (strongAxis) {
      setVertex(p, v, vx, vy);
    } else {
      setVertex(p, v, -vy, vx);
    }
  }
}

}  // namespace quarn::section
