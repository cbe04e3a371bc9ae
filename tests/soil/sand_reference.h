// Sand p-y curves as published, written out independently of the engine as
// the reference of the sand tests:
//   Reese, Cox and Koop (1974), "Analysis of laterally loaded piles in sand",
//   OTC 2080: wedge and flow-around resistances, the factors A and B, and
//   the curve of an initial straight line, a parabola, a straight line and pu;
//   API RP 2A-WSD (2000), 6.8.6: pu from C1, C2 and C3 and the hyperbolic
//   tangent curve;
//   Rollins, Gerber, Lane and Ashford (2005), "Lateral resistance of a
//   full-scale pile group in liquefied sand", ASCE JGGE 131(1).
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace quarn::soil::testing {

inline double radians(double degrees) {
  return degrees * std::numbers::pi / 180.0;
}

struct SandLayerAt {
  double phiDegrees;
  double gamma;  // average effective unit weight above the depth
  double b;
  double z;  // depth below the ground surface
  double k;  // subgrade modulus
};

// Terms of the wedge resistance per unit gamma' z, split into the part that
// grows with z and the part that grows with b (Reese et al. 1974, eq. for Pst).
struct WedgeTerms {
  double perDepth;     // C1 of API RP 2A
  double perDiameter;  // C2
  double deep;         // C3: Psd / (b gamma' z)
};

inline WedgeTerms wedgeTerms(double phiDegrees, double K0) {
  const double phi = radians(phiDegrees);
  const double alpha = phi / 2.0;
  const double beta = radians(45.0) + phi / 2.0;
  const double Ka = std::pow(std::tan(radians(45.0) - phi / 2.0), 2.0);
  const double tb = std::tan(beta);
  const double tbp = std::tan(beta - phi);
  WedgeTerms t;
  t.perDepth = K0 * std::tan(phi) * std::sin(beta) / (tbp * std::cos(alpha)) +
               tb * tb * std::tan(alpha) / tbp +
               K0 * tb * (std::tan(phi) * std::sin(beta) - std::tan(alpha));
  t.perDiameter = tb / tbp - Ka;
  t.deep = Ka * (std::pow(tb, 8.0) - 1.0) + K0 * std::tan(phi) * std::pow(tb, 4.0);
  return t;
}

inline double reeseShallow(const SandLayerAt& s) {
  const WedgeTerms t = wedgeTerms(s.phiDegrees, 0.4);
  return s.gamma * s.z * (t.perDepth * s.z + t.perDiameter * s.b);
}

inline double reeseDeep(const SandLayerAt& s) {
  return wedgeTerms(s.phiDegrees, 0.4).deep * s.b * s.gamma * s.z;
}

// The factors A and B of the paper's figures at z / b.
inline double reeseFactor(double r, const std::array<double, 10>& values) {
  static constexpr std::array<double, 10> ratios = {0.0, 0.5, 1.0, 1.5, 2.0,
                                                    2.5, 3.0, 4.0, 5.0, 6.0};
  if (r >= 6.0) return values[9];
  std::size_t j = 1;
  while (ratios[j] <= r) ++j;
  return values[j - 1] +
         (values[j] - values[j - 1]) * (r - ratios[j - 1]) / (ratios[j] - ratios[j - 1]);
}
inline constexpr std::array<double, 10> kReeseAStatic = {2.83, 2.48, 2.11, 1.76, 1.48,
                                                         1.23, 1.06, 0.90, 0.88, 0.88};
inline constexpr std::array<double, 10> kReeseBStatic = {2.14, 1.83, 1.54, 1.27, 1.05,
                                                         0.86, 0.71, 0.53, 0.50, 0.50};
inline constexpr std::array<double, 10> kReeseACyclic = {0.75, 0.93, 1.07, 1.11, 1.03,
                                                         0.98, 0.94, 0.90, 0.88, 0.88};
inline constexpr std::array<double, 10> kReeseBCyclic = {0.53, 0.72, 0.83, 0.86, 0.82,
                                                         0.77, 0.70, 0.55, 0.55, 0.55};

struct ReeseCurveReference {
  double pu, pm, ym, yu, m, n, C, yk, kz;

  // The initial straight line k z y up to where it meets the parabola, the
  // parabola C y^(1/n) to (ym, pm), a straight line to (yu, pu), then pu.
  double p(double y) const {
    double curve = pu;
    if (y <= ym) {
      curve = C * std::pow(y, 1.0 / n);
    } else if (y <= yu) {
      curve = pm + m * (y - ym);
    }
    return std::min(kz * y, curve);
  }
};

inline ReeseCurveReference reeseCurve(const SandLayerAt& s, bool cyclic) {
  const double ps = std::min(reeseShallow(s), reeseDeep(s));
  const double r = s.z / s.b;
  ReeseCurveReference c;
  c.pu = reeseFactor(r, cyclic ? kReeseACyclic : kReeseAStatic) * ps;
  c.pm = reeseFactor(r, cyclic ? kReeseBCyclic : kReeseBStatic) * ps;
  c.ym = s.b / 60.0;
  c.yu = 3.0 * s.b / 80.0;
  c.m = (c.pu - c.pm) / (c.yu - c.ym);
  c.n = c.pm / (c.m * c.ym);
  c.C = c.pm / std::pow(c.ym, 1.0 / c.n);
  c.kz = s.k * s.z;
  c.yk = std::pow(c.C / c.kz, c.n / (c.n - 1.0));
  return c;
}

// API RP 2A: pu = min((C1 H + C2 D) gamma' H, C3 D gamma' H), and
// p = A pu tanh(k H y / (A pu)) with A = max(0.9, 3 - 0.8 H / D) for static
// loading and 0.9 for cyclic loading.
inline double apiUltimate(const SandLayerAt& s) {
  const WedgeTerms t = wedgeTerms(s.phiDegrees, 0.4);
  const double shallow = (t.perDepth * s.z + t.perDiameter * s.b) * s.gamma * s.z;
  const double deep = t.deep * s.b * s.gamma * s.z;
  return std::min(shallow, deep);
}

inline double apiFactor(const SandLayerAt& s, bool cyclic) {
  return cyclic ? 0.9 : std::max(0.9, 3.0 - 0.8 * s.z / s.b);
}

inline double apiP(const SandLayerAt& s, bool cyclic, double y) {
  const double Apu = apiFactor(s, cyclic) * apiUltimate(s);
  return Apu * std::tanh(s.k * s.z * y / Apu);
}

// Rollins et al. (2005): p = Pd A (B y)^C in kN/m with y in mm, up to 150 mm
// and 15 kN/m for the 0.3 m test pile, zr the depth in metres, Pd the factor
// of the diameter b in metres.
struct RollinsCurve {
  double A, B, C, Pd;

  double p(double yMillimetres) const {
    const double y = std::min(yMillimetres, 150.0);
    return std::min(Pd * A * std::pow(B * y, C), Pd * 15.0);
  }
};

inline RollinsCurve rollinsCurve(double zr, double bMetres) {
  RollinsCurve c;
  c.A = 3e-7 * std::pow(zr + 1.0, 6.05);
  c.B = 2.8 * std::pow(zr + 1.0, 0.11);
  c.C = 2.85 * std::pow(zr + 1.0, -0.41);
  c.Pd = bMetres > 0.3 ? 3.81 * std::log(bMetres) + 5.6 : bMetres / 0.3;
  return c;
}

}  // namespace quarn::soil::testing
