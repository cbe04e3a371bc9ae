// An independent reference for the laterally loaded pile in soft clay: the
// beam-column equation EI y'''' + Q y'' + Es y = 0 in central differences on
// equally spaced nodes, with two imaginary nodes above the head and two below
// the tip, solved as one dense system; the soil moduli are the secant moduli
// of Matlock's (1970) static soft clay p-y curve, found by fixed-point
// iteration. Nothing here calls the engine.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <stdexcept>
#include <vector>

namespace quarn::iteration::testing {

// Soft clay with strength varying linearly over one layer from the ground
// surface (at the pile head) down; US customary working units (lb, in).
struct ReferenceClay {
  double cTop = 0.0;         // undrained shear strength at the ground surface, lb/in2
  double cBottom = 0.0;      // at the layer bottom
  double layerBottom = 0.0;  // depth of the layer bottom below the ground surface, in
  double gamma = 0.0;        // effective unit weight, constant, lb/in3
  double e50 = 0.0;
  double J = 0.5;
};

struct ReferencePile {
  double length = 0.0;  // in
  double EI = 0.0;      // lb-in2
  double width = 0.0;   // in
  int increments = 0;
};

// The two pile-head conditions: a shear Pt with either a moment (free head)
// or a slope (for example 0, the fixed head); Q is the axial thrust.
struct ReferenceHead {
  bool slopeGiven = false;
  double shear = 0.0;
  double moment = 0.0;
  double slope = 0.0;
  double thrust = 0.0;
};

struct ReferenceSolution {
  std::vector<double> y;  // y[i] at node i = 1..N (y[0] unused)
  std::vector<double> M;  // bending moment at node i
  double headDeflection = 0.0;
  double maxMoment = 0.0;   // signed, of largest magnitude
  double maxMomentX = 0.0;  // its depth
  int iterations = 0;
};

// Matlock's static curve at depth z below the ground surface: ultimate
// resistance pu = min((3 + gamma z / c + J z / b) c b, 9 c b), y50 = 2.5 e50 b,
// p = 0.5 pu (y / y50)^(1/3) up to 8 y50 and pu beyond. The spring handed to
// the beam is the secant p / y; below 0.00001 y50 the secant grows without
// bound, so the tangent of the curve at 0.00001 y50 stands in for it there.
inline double referenceModulus(const ReferenceClay& clay, double b, double z, double y) {
  const double c = clay.cTop + (clay.cBottom - clay.cTop) * z / clay.layerBottom;
  const double pu = std::min((3.0 + clay.gamma * z / c + clay.J * z / b) * c * b, 9.0 * c * b);
  const double y50 = 2.5 * clay.e50 * b;
  const double yLimit = 1.0e-5 * y50;
  if (y < yLimit) {
    // d/dy [0.5 pu (y / y50)^(1/3)] = pu / (6 y50) (y / y50)^(-2/3)
    return pu / (6.0 * y50) * std::pow(yLimit / y50, -2.0 / 3.0);
  }
  const double p = y <= 8.0 * y50 ? 0.5 * pu * std::cbrt(y / y50) : pu;
  return p / y;
}

// Dense Gaussian elimination with partial pivoting; a is n x n, row major.
inline std::vector<double> solveDense(std::vector<double> a, std::vector<double> b) {
  const std::size_t n = b.size();
  for (std::size_t col = 0; col < n; ++col) {
    std::size_t pivot = col;
    for (std::size_t r = col + 1; r < n; ++r) {
      if (std::fabs(a[r * n + col]) > std::fabs(a[pivot * n + col])) pivot = r;
    }
    if (a[pivot * n + col] == 0.0) throw std::runtime_error("singular reference system");
    if (pivot != col) {
      for (std::size_t j = 0; j < n; ++j) std::swap(a[col * n + j], a[pivot * n + j]);
      std::swap(b[col], b[pivot]);
    }
    for (std::size_t r = col + 1; r < n; ++r) {
      const double f = a[r * n + col] / a[col * n + col];
      if (f == 0.0) continue;
      for (std::size_t j = col; j < n; ++j) a[r * n + j] -= f * a[col * n + j];
      b[r] -= f * b[col];
    }
  }
  std::vector<double> x(n);
  for (std::size_t i = n; i-- > 0;) {
    double s = b[i];
    for (std::size_t j = i + 1; j < n; ++j) s -= a[i * n + j] * x[j];
    x[i] = s / a[i * n + i];
  }
  return x;
}

// One linear solution for the given springs Es[1..N]. Returns y at the nodes
// -1..N+2, stored at index k + 1.
inline std::vector<double> solveBeamColumn(const ReferencePile& pile, const ReferenceHead& head,
                                           const std::vector<double>& Es) {
  const int N = pile.increments + 1;
  const double h = pile.length / pile.increments;
  const double R = pile.EI;
  const double Q = head.thrust;
  const std::size_t n = static_cast<std::size_t>(N) + 4;
  std::vector<double> a(n * n, 0.0);
  std::vector<double> rhs(n, 0.0);
  const auto col = [](int k) { return static_cast<std::size_t>(k + 1); };
  std::size_t row = 0;
  const auto set = [&](int k, double v) { a[row * n + col(k)] += v; };

  // EI (y[m-2] - 4 y[m-1] + 6 y[m] - 4 y[m+1] + y[m+2]) / h^4
  //   + Q (y[m-1] - 2 y[m] + y[m+1]) / h^2 + Es y[m] = 0, times h^4.
  for (int m = 1; m <= N; ++m, ++row) {
    const double Qh2 = Q * h * h;
    set(m - 2, R);
    set(m - 1, -4.0 * R + Qh2);
    set(m, 6.0 * R - 2.0 * Qh2 + Es[static_cast<std::size_t>(m)] * std::pow(h, 4));
    set(m + 1, -4.0 * R + Qh2);
    set(m + 2, R);
  }
  // Head shear: EI y''' + Q y' = Pt at node 1.
  set(3, R / (2.0 * h * h * h));
  set(2, -2.0 * R / (2.0 * h * h * h) + Q / (2.0 * h));
  set(0, 2.0 * R / (2.0 * h * h * h) - Q / (2.0 * h));
  set(-1, -R / (2.0 * h * h * h));
  rhs[row++] = head.shear;
  if (head.slopeGiven) {
    // y' = St at node 1.
    set(2, 1.0 / (2.0 * h));
    set(0, -1.0 / (2.0 * h));
    rhs[row++] = head.slope;
  } else {
    // EI y'' = Mt at node 1.
    set(2, R / (h * h));
    set(1, -2.0 * R / (h * h));
    set(0, R / (h * h));
    rhs[row++] = head.moment;
  }
  // Free tip: no moment and no shear at node N.
  set(N + 1, 1.0);
  set(N, -2.0);
  set(N - 1, 1.0);
  ++row;
  set(N + 2, R / (2.0 * h * h * h));
  set(N + 1, -2.0 * R / (2.0 * h * h * h) + Q / (2.0 * h));
  set(N - 1, 2.0 * R / (2.0 * h * h * h) - Q / (2.0 * h));
  set(N - 2, -R / (2.0 * h * h * h));
  ++row;
  return solveDense(a, rhs);
}

// The fixed-point iteration: springs of 50000 lb/in2 at first, then the
// secant moduli at the deflections of the last solution, until no nodal
// deflection changes by more than `tolerance`.
inline ReferenceSolution solveReference(const ReferencePile& pile, const ReferenceClay& clay,
                                        const ReferenceHead& head, double tolerance = 1.0e-11,
                                        int maxIterations = 2000) {
  const int N = pile.increments + 1;
  const double h = pile.length / pile.increments;
  std::vector<double> Es(static_cast<std::size_t>(N) + 1, 50000.0);
  std::vector<double> y(static_cast<std::size_t>(N) + 1, 0.0);
  ReferenceSolution out;
  for (int k = 1; k <= maxIterations; ++k) {
    const std::vector<double> u = solveBeamColumn(pile, head, Es);
    double change = 0.0;
    for (int i = 1; i <= N; ++i) {
      const double yi = u[static_cast<std::size_t>(i + 1)];
      change = std::max(change, std::fabs(yi - y[static_cast<std::size_t>(i)]));
      y[static_cast<std::size_t>(i)] = yi;
    }
    out.iterations = k;
    if (change <= tolerance) {
      out.y = y;
      out.M.assign(static_cast<std::size_t>(N) + 1, 0.0);
      // M = EI y'' at the nodes above the tip (node 1 uses the imaginary node
      // 0); the tip carries no moment.
      for (int i = 1; i < N; ++i) {
        const double below = u[static_cast<std::size_t>(i + 2)];
        const double above = u[static_cast<std::size_t>(i)];
        out.M[static_cast<std::size_t>(i)] =
            pile.EI * (below - 2.0 * u[static_cast<std::size_t>(i + 1)] + above) / (h * h);
      }
      out.headDeflection = y[1];
      for (int i = 1; i <= N; ++i) {
        if (std::fabs(out.M[static_cast<std::size_t>(i)]) > std::fabs(out.maxMoment)) {
          out.maxMoment = out.M[static_cast<std::size_t>(i)];
          out.maxMomentX = (i - 1) * h;
        }
      }
      return out;
    }
    for (int i = 1; i <= N; ++i) {
      Es[static_cast<std::size_t>(i)] = referenceModulus(clay, pile.width, (i - 1) * h,
                                                         std::fabs(y[static_cast<std::size_t>(i)]));
    }
  }
  throw std::runtime_error("reference iteration did not converge");
}

}  // namespace quarn::iteration::testing
