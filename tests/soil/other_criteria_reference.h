// The other p-y curves written out from their methods, independently of the
// engine, as the reference of the tests of Piedmont residual soil, loess,
// user-input curves and cemented silt. Constants are the rounded published
// values; the engine holds several of them in single precision, so the tests
// compare to about one part in a million.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace quarn::soil::testing {

// ---- Piedmont residual soil -------------------------------------------------------

// p = Ei b y up to 0.001 b, then Ei b y (1 - 0.21624703 ln(1000 y / b)) up
// to 0.0375 b, where the curve reaches its peak, and 0.21632074 Ei b 0.0375 b
// beyond.
inline double piedmontP(double Ei, double b, double y) {
  const double yu = 0.0375 * b;
  if (y < 0.001 * b) return Ei * b * y;
  if (y < yu) return Ei * b * y * (1.0 - 0.21624703 * std::log(1000.0 * y / b));
  return 0.21632074 * Ei * b * yu;
}

// ---- loess ------------------------------------------------------------------------

// pu = 0.409 qc b / (1 + 0.24 ln N), Ei = pu / yref and the hyperbola with
// the transition term 0.1 exp(-y / yref).
struct Loess {
  double qc;  // cone tip resistance after the reduction near the head
  double b;
  double N;
  double yref;
};

inline double loessUltimate(const Loess& s) {
  return 0.409 * s.qc * s.b / (1.0 + 0.24 * std::log(s.N));
}

inline double loessP(const Loess& s, double y) {
  const double pu = loessUltimate(s);
  const double Ei = pu / s.yref;
  return Ei * y / (1.0 + (1.0 + 0.1 * std::exp(-y / s.yref)) * y / s.yref);
}

// ---- user-input curves --------------------------------------------------------------

struct Point {
  double y;
  double p;
};

// Linear between the points, flat after the last.
inline double piecewiseP(const std::vector<Point>& curve, double y) {
  if (y >= curve.back().y) return curve.back().p;
  for (std::size_t j = 1; j < curve.size(); ++j) {
    if (y <= curve[j].y) {
      const Point& a = curve[j - 1];
      const Point& b = curve[j];
      return a.p + (b.p - a.p) * (y - a.y) / (b.y - a.y);
    }
  }
  return curve.back().p;
}

// ---- cemented silt --------------------------------------------------------------------

struct CementedSilt {
  double c;
  double phiDegrees;
  double gamma;
  double b;
  double z;  // below the ground surface (level ground, first layer)
  double k;
  bool cyclic;
};

struct CementedSiltResult {
  double ps;   // frictional part, Reese et al. (1974)
  double puc;  // cohesive part, Matlock (1970) with J = 0.5
  double A;
  double pu;
  double pm;
  double ym;
  double yu;
  double m;
  double n;
  double C;
  double yk;
};

inline double tableOfReese(const std::array<double, 10>& v, double ratio) {
  const std::array<double, 10> x = {0.0, 0.5, 1.0, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0};
  if (ratio >= x[9]) return v[9];
  for (std::size_t j = 1; j < x.size(); ++j) {
    if (ratio < x[j]) return v[j - 1] + (v[j] - v[j - 1]) * (ratio - x[j - 1]) / (x[j] - x[j - 1]);
  }
  return v[9];
}

inline CementedSiltResult cementedSiltReference(const CementedSilt& s) {
  constexpr double pi = std::numbers::pi;
  const double phi = s.phiDegrees * pi / 180.0;
  const double alpha = phi / 2.0;
  const double beta = pi / 4.0 + phi / 2.0;
  const double K0 = 0.4;
  const double Ka = std::pow(std::tan(pi / 4.0 - phi / 2.0), 2.0);
  const double z = s.z;
  const double b = s.b;
  const double g = s.gamma;
  const double tb = std::tan(beta);
  const double pst =
      g * z *
      (K0 * z * std::tan(phi) * std::sin(beta) / (std::tan(beta - phi) * std::cos(alpha)) +
       tb / std::tan(beta - phi) * (b + z * tb * std::tan(alpha)) +
       K0 * z * tb * (std::tan(phi) * std::sin(beta) - std::tan(alpha)) - Ka * b);
  const double psd = Ka * b * g * z * (std::pow(tb, 8.0) - 1.0) +
                     K0 * b * g * z * std::tan(phi) * std::pow(tb, 4.0);
  CementedSiltResult r;
  r.ps = std::min(pst, psd);
  r.puc = std::min(3.0 + g * z / s.c + 0.5 * z / b, 9.0) * s.c * b;
  const std::array<double, 10> staticA = {2.83, 2.48, 2.11, 1.76, 1.48,
                                          1.23, 1.06, 0.90, 0.88, 0.88};
  const std::array<double, 10> cyclicA = {0.75, 0.93, 1.07, 1.11, 1.03,
                                          0.98, 0.94, 0.90, 0.88, 0.88};
  r.A = tableOfReese(s.cyclic ? cyclicA : staticA, z / b);
  r.pu = r.A * r.ps + r.puc;
  r.pm = 1.5 * (r.ps + r.puc);
  r.ym = b / 60.0;
  r.yu = 3.0 * b / 80.0;
  r.m = (r.pu - r.pm) / (r.yu - r.ym);
  r.n = r.pm / (r.m * r.ym);
  r.C = r.pm / std::pow(r.ym, 1.0 / r.n);
  r.yk = std::pow(r.C / (s.k * z), r.n / (r.n - 1.0));
  return r;
}

inline double cementedSiltP(const CementedSilt& s, const CementedSiltResult& r, double y) {
  const double initial = s.k * s.z * y;
  double p;
  // Reese's initial line ends at yk or ym, whichever comes first.
  if (y <= r.yk && y < r.ym) {
    p = initial;
  } else if (y <= r.ym) {
    p = r.C * std::pow(y, 1.0 / r.n);
  } else if (y <= r.yu) {
    p = r.pm + r.m * (y - r.ym);
  } else {
    p = r.pu;
  }
  return std::min(p, initial);
}

}  // namespace quarn::soil::testing
