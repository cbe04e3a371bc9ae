// The rock p-y curves written out from the published methods, independently of
// the engine, as the reference of the rock tests:
//   weak rock, Reese (1997), "Analysis of laterally loaded piles in weak rock";
//   vuggy limestone (strong rock), Reese and Van Impe (2001), after Reese and
//   Nyman (1978);
//   massive rock, Liang, Yang and Nusairat (2009), "Hyperbolic p-y criterion
//   for rock", with the generalised Hoek-Brown criterion (Hoek, Carranza-Torres
//   and Corkum 2002) for a rock mass of mi = 6, GSI = 42 and nu = 0.4.
#pragma once

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quarn::soil::testing {

// ---- weak rock ------------------------------------------------------------------

struct WeakRock {
  double qu;   // uniaxial compressive strength
  double rqd;  // percent
  double Eir;  // initial modulus of the rock mass
  double krm;
  double b;
  double xr;  // depth into rock
};

inline double weakRockAlpha(const WeakRock& r) {
  return 1.0 - 2.0 / 3.0 * r.rqd / 100.0;
}

inline double weakRockUltimate(const WeakRock& r) {
  const double a = weakRockAlpha(r);
  if (r.xr <= 3.0 * r.b) return a * r.qu * r.b * (1.0 + 1.4 * r.xr / r.b);
  return 5.2 * a * r.qu * r.b;
}

inline double weakRockInitialModulus(const WeakRock& r) {
  const double K = r.xr <= 3.0 * r.b ? 100.0 + 400.0 * r.xr / (3.0 * r.b) : 500.0;
  return K * r.Eir;
}

// End of the initial straight line: Reese's exponent 1.333 (for 4/3).
inline double weakRockYA(const WeakRock& r) {
  const double yrm = r.krm * r.b;
  return std::pow(weakRockUltimate(r) / (2.0 * std::pow(yrm, 0.25) * weakRockInitialModulus(r)),
                  1.333);
}

inline double weakRockP(const WeakRock& r, double y) {
  if (y <= weakRockYA(r)) return weakRockInitialModulus(r) * y;
  const double pur = weakRockUltimate(r);
  return std::min(pur, pur / 2.0 * std::pow(y / (r.krm * r.b), 0.25));
}

// ---- vuggy limestone --------------------------------------------------------------

struct VuggyLimestone {
  double qu;
  double gamma;  // average effective unit weight above the depth
  double b;
  double z;  // below the ground surface
};

// The straight line of slope 2000 su to 0.0004 b, the line of slope 100 su
// to the failure at p = b su, then the overburden only.
inline double vuggyY2(const VuggyLimestone& r) {
  const double su = r.qu / 2.0;
  return 0.0004 * r.b + (r.b * su - 0.8 * r.b * su) / (100.0 * su);
}

inline double vuggyP(const VuggyLimestone& r, double y) {
  const double su = r.qu / 2.0;
  if (y <= 0.0004 * r.b) return 2000.0 * su * y;
  if (y <= vuggyY2(r)) return 0.8 * r.b * su + 100.0 * su * (y - 0.0004 * r.b);
  return 0.5 * r.gamma * r.b * r.z;
}

// ---- massive rock -----------------------------------------------------------------

struct MassiveRock {
  double qu;
  double gamma;
  double Ei;  // intact rock modulus
  double D;
  double EI;    // pile bending stiffness
  double H;     // depth below the ground surface (not 0)
  double Dref;  // one foot in the unit of D
};

struct MassiveRockResult {
  double pu;
  double Ki;
};

inline MassiveRockResult massiveRockReference(const MassiveRock& r) {
  constexpr double pi = std::numbers::pi;
  const double mi = 6.0;
  const double gsi = 42.0;
  const double nu = 0.4;
  // Generalised Hoek-Brown constants of an undisturbed rock mass.
  const double mb = mi * std::exp((gsi - 100.0) / 28.0);
  const double s = std::exp((gsi - 100.0) / 9.0);
  const double a = 0.5 + (std::exp(-gsi / 15.0) - std::exp(-20.0 / 3.0)) / 6.0;

  // Strength at the vertical stress and the tangent Mohr-Coulomb line there.
  const double sv = r.gamma * r.H;
  const double s1 = sv + r.qu * std::pow(mb * sv / r.qu + s, a);
  const double d = s1 - sv;
  const double sn = sv + d * d / (2.0 * d + 0.5 * mb * r.qu);
  const double tau = (sn - sv) * std::sqrt(1.0 + mb * r.qu / (2.0 * d));
  const double phi = pi / 2.0 - std::asin(2.0 * tau / d);
  const double c = tau - sn * std::tan(phi);

  // Wedge in front of the pile near the surface.
  const double alpha = phi / 2.0;
  const double beta = pi / 4.0 + phi / 2.0;
  const double K0 = 1.0 - std::sin(pi / 4.0);
  const double Ka = std::pow(std::tan(pi / 4.0 - phi / 2.0), 2.0);
  const double q = std::max(1e-5, sv);
  const double H = r.H;
  const double D = r.D;
  const double g = r.gamma;
  const double A = q + g * H / 2.0;
  const double T1 = 2.0 * (K0 * A * std::tan(phi) + c) * H * std::tan(beta) / std::cos(alpha);
  const double T2 = (2.0 * H * std::tan(beta) * std::tan(alpha) + D) * c;
  const double T3 = H * K0 * A * std::tan(beta) / std::cos(alpha);
  const double N = (((q + g * H) * D + (2.0 * q + g * H) * H * std::tan(beta) * std::tan(alpha)) *
                        std::tan(beta) +
                    T1 * std::cos(beta) * std::cos(alpha) + T2) /
                   (std::sin(beta) - std::tan(phi) * std::cos(beta));
  const double active = K0 * D * g * (H - 2.0 * c / (std::sqrt(Ka) * g) + q / g);
  const double pw =
      (T1 * std::cos(alpha) + std::tan(phi) * N + T2 / std::cos(beta)) * std::sin(beta) +
      N * std::cos(beta) - 2.0 * T3 * std::sin(alpha) - std::max(0.0, active);

  // Flow of rock around the pile at depth.
  const double pd =
      D * (pi / 4.0 * s1 - Ka * q + 2.0 * c * std::sqrt(Ka) + 2.0 / 3.0 * 0.45 * std::sqrt(r.qu));

  // Initial modulus from the rock-mass modulus.
  const double Em = r.Ei / 100.0 * std::exp(gsi / 21.7);
  const double Ki =
      Em * std::pow(r.EI / (std::pow(D, 4.0) * Em), 0.284) * (D / r.Dref) * std::exp(-2.0 * nu);
  return {std::min(pw, pd), Ki};
}

inline double massiveRockP(const MassiveRockResult& m, double y) {
  return y / (1.0 / m.Ki + y / m.pu);
}

}  // namespace quarn::soil::testing
