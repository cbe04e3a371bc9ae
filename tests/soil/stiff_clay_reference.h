// Stiff clay p-y curves as published, written out independently of the
// engine as the reference of the stiff clay tests:
//   without free water: Welch and Reese (1972), "Laterally loaded behavior of
//   drilled shafts", with the cyclic deflections y_c = y_s + y50 C log10 N,
//   C = 9.6 (p / pu)^4;
//   with free water: Reese, Cox and Koop (1975), "Field testing and analysis
//   of laterally loaded piles in stiff clay", OTC 2312.
#pragma once

#include <algorithm>
#include <cmath>

namespace quarn::soil::testing {

struct WelchReeseClay {
  double c;      // undrained shear strength at the depth
  double gamma;  // average effective unit weight above the depth
  double e50;
  double b;  // pile width
  double z;  // depth below the ground surface
};

inline double welchReeseY50(const WelchReeseClay& s) {
  return 2.5 * s.e50 * s.b;
}

// The lesser of the wedge (3 + gamma' z / c + 0.5 z / b) c b and the flow 9 c b.
inline double welchReeseUltimate(const WelchReeseClay& s) {
  const double wedge = (3.0 + s.gamma * s.z / s.c + 0.5 * s.z / s.b) * s.c * s.b;
  return std::min(wedge, 9.0 * s.c * s.b);
}

// Static curve: p / pu = 0.5 (y / y50)^(1/4) up to pu at 16 y50.
inline double welchReeseStaticP(const WelchReeseClay& s, double y) {
  const double pu = welchReeseUltimate(s);
  return std::min(pu, 0.5 * pu * std::pow(y / welchReeseY50(s), 0.25));
}

// Cyclic curve in the published form: the deflection at which the static
// curve reaches p grows under N cycles to y_c = y_s + y50 C log10 N.
inline double welchReeseCyclicDeflection(const WelchReeseClay& s, double p, double N) {
  const double ratio = p / welchReeseUltimate(s);
  const double ys = 16.0 * welchReeseY50(s) * std::pow(ratio, 4.0);
  const double C = 9.6 * std::pow(ratio, 4.0);
  return ys + welchReeseY50(s) * C * std::log10(N);
}

struct ReeseCoxKoopClay {
  double c;   // undrained shear strength at the depth
  double ca;  // average undrained shear strength above the depth
  double gamma;
  double e50;
  double b;
  double z;
  double ks;  // initial modulus k (static or cyclic value)
};

inline double reeseCoxKoopY50(const ReeseCoxKoopClay& s) {
  return s.e50 * s.b;
}

// The lesser of the wedge 2 ca b + gamma' b z + 2.83 ca z and the flow 11 c b.
inline double reeseCoxKoopUltimate(const ReeseCoxKoopClay& s) {
  const double wedge = 2.0 * s.ca * s.b + s.gamma * s.b * s.z + 2.83 * s.ca * s.z;
  return std::min(wedge, 11.0 * s.c * s.b);
}

// Empirical factors of the paper's figure, as fitted by cubics in z / b.
inline double reeseCoxKoopAs(double r) {
  if (r > 3.3) return 0.6;
  return std::min(0.6, 0.2345 + 0.2958796 * r - 0.0786111 * r * r + 0.0068981 * r * r * r);
}
inline double reeseCoxKoopAc(double r) {
  if (r > 1.5) return 0.3;
  return std::min(0.3, 0.2 + 0.153333 * r - 0.075 * r * r + 0.011667 * r * r * r);
}

inline double reeseCoxKoopStaticP(const ReeseCoxKoopClay& s, double y) {
  const double pc = reeseCoxKoopUltimate(s);
  const double y50 = reeseCoxKoopY50(s);
  const double As = reeseCoxKoopAs(s.z / s.b);
  double p = 0.0;
  if (y <= As * y50) {
    p = 0.5 * pc * std::sqrt(y / y50);
  } else if (y <= 6.0 * As * y50) {
    p = 0.5 * pc * std::sqrt(y / y50) - 0.055 * pc * std::pow((y - As * y50) / (As * y50), 1.25);
  } else if (y <= 18.0 * As * y50) {
    p = 0.5 * pc * std::sqrt(6.0 * As) - 0.411 * pc - 0.0625 / y50 * pc * (y - 6.0 * As * y50);
  } else {
    p = 0.5 * pc * std::sqrt(6.0 * As) - 0.411 * pc - 0.75 * pc * As;
  }
  return std::min(p, s.ks * s.z * y);  // the initial straight line
}

inline double reeseCoxKoopCyclicP(const ReeseCoxKoopClay& s, double y) {
  const double pc = reeseCoxKoopUltimate(s);
  const double y50 = reeseCoxKoopY50(s);
  const double r = s.z / s.b;
  const double Ac = reeseCoxKoopAc(r);
  const double yp = 4.1 * reeseCoxKoopAs(r) * y50;
  double p = 0.0;
  if (y <= 0.6 * yp) {
    p = Ac * pc * (1.0 - std::pow(std::abs((y - 0.45 * yp) / (0.45 * yp)), 2.5));
  } else if (y <= 1.8 * yp) {
    p = 0.936 * Ac * pc - 0.085 / y50 * pc * (y - 0.6 * yp);
  } else {
    p = 0.936 * Ac * pc - 0.102 / y50 * pc * yp;
  }
  return std::min(p, s.ks * s.z * y);
}

}  // namespace quarn::soil::testing
