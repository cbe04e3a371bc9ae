// The equivalent depth of layered soil (Georgiadis 1983) as the soil tests
// work it by hand, independently of the engine: the depth Heq at which a
// uniform deposit of a layer's soil accumulates the integrated ultimate
// resistance S of the layers above, with the integrals and their constants
// as the engine's layering correction defines them:
//   soft clay: (0.25 c + 0.5 D gamma') H^2 + 3 c D H = S above the transition
//     depth xr = 6 D c / (J c + D gamma'), then 9 c D per unit depth (times
//     0.72 for cyclic loading);
//   stiff clay without free water: (0.25 ca + 0.5 gamma' D) H^2 + 3 D ca H = S
//     above xr = (9 c - 3 ca) D / (0.5 ca + gamma' D), then 9 c D;
//   stiff clay with free water: the residual resistance R ((gamma' z + 2 ca) D
//     + 2.83 ca z) in 50 steps down to xr = (11 c - 2 ca) D / (gamma' D +
//     2.83 ca), then 11 c R D;
//   sand: A gamma' D^2 (C1 (z/D)^2 + C2 z/D) in 500 trapezoids down to
//     zc = (C3 - C2) D / C1, then 0.88 C3 gamma' D z0; cemented silt adds the
//     clay term (gamma' D + 0.5 c) z + 3 D c, and 9 c D beyond zc.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#include "sand_reference.h"

namespace quarn::soil::testing {

enum class Branch {
  kClosedForm,       // the quadratic above the transition depth
  kSteps,            // inside the numerical integral
  kBelowTransition,  // beyond the transition depth (or the last step)
};

struct HandDepth {
  double Heq;
  Branch branch;
};

// Single-precision constants of the engine's formulas.
inline constexpr double kCyclicClay72 = 0.7200000286102295;
inline constexpr double kFreeWaterWedge = 2.8299999237060547;
inline constexpr double kDeepSandA = 0.8799999952316284;

// Depth where a step-wise integral first exceeds S: the cumulative sums of
// count steps down to zEnd (trapezoids, or each step taking the integrand at
// its lower end), linear inside the step; beyond the last step the integral
// continues with slopeBeyond.
template <class Integrand>
HandDepth byIntegration(Integrand p, double zEnd, int count, bool trapezoids, double S,
                        double slopeBeyond) {
  const double h = zEnd / count;
  std::vector<double> I(static_cast<std::size_t>(count) + 1, 0.0);
  for (int j = 1; j <= count; ++j) {
    const double z = j * h;
    const double step = trapezoids ? (p(z - h) + p(z)) * h / 2.0 : p(z) * h;
    I[static_cast<std::size_t>(j)] = I[static_cast<std::size_t>(j) - 1] + step;
  }
  for (int j = 1; j <= count; ++j) {
    const double Ij = I[static_cast<std::size_t>(j)];
    if (Ij > S) {
      const double Iprev = I[static_cast<std::size_t>(j) - 1];
      return {j * h - h * (Ij - S) / (Ij - Iprev), Branch::kSteps};
    }
  }
  return {zEnd + (S - I.back()) / slopeBeyond, Branch::kBelowTransition};
}

// Root of a H^2 + b H = S.
inline double quadraticDepth(double a, double b, double S) {
  return (std::sqrt(b * b + 4.0 * S * a) - b) / (2.0 * a);
}

inline HandDepth softClayEquivalentDepth(double c, double D, double g, double J, bool cyclic,
                                         double S) {
  const double xr = 6.0 * D * c / (J * c + D * g);
  const double I =
      cyclic ? (1.5 * xr * D * c + c * xr * xr / 6.0 + xr * xr * D * g / 3.0) * kCyclicClay72
             : ((3.0 * c + J * xr * g) * D + 0.25 * xr * c) * xr;
  if (S > I) {
    return {xr + (S - I) / (9.0 * c * D * (cyclic ? kCyclicClay72 : 1.0)),
            Branch::kBelowTransition};
  }
  return {quadraticDepth(0.25 * c + 0.5 * D * g, 3.0 * D * c, S), Branch::kClosedForm};
}

inline HandDepth stiffClayEquivalentDepth(double c, double ca, double D, double g, double S) {
  const double xr = (9.0 * c - 3.0 * ca) * D / (0.5 * ca + g * D);
  const double I = ((0.25 * xr + 3.0 * D) * ca + 0.5 * g * xr * D) * xr;
  if (S > I) return {xr + (S - I) / (9.0 * c * D), Branch::kBelowTransition};
  return {quadraticDepth(0.25 * ca + 0.5 * g * D, 3.0 * D * ca, S), Branch::kClosedForm};
}

// Residual factor of the Reese, Cox and Koop curves at r = z / D, with the
// cubic fits of As and Ac in single precision.
inline double freeWaterResidualFactor(double r, bool cyclic) {
  const double As = r > 3.299999952316284
                        ? 0.6000000238418579
                        : std::min(0.6000000238418579, 0.2345000058412552 + 0.295879602432251 * r -
                                                           0.0786110982298851 * r * r +
                                                           0.006898100022226572 * r * r * r);
  const double Ac =
      r > 1.5 ? 0.30000001192092896
              : std::min(0.30000001192092896, 0.20000000298023224 + 0.15333299338817596 * r -
                                                  0.07500000298023224 * r * r +
                                                  0.011667000129818916 * r * r * r);
  if (cyclic) return 0.9359999895095825 * Ac - 0.41819998621940613 * As;
  return 0.5 * std::sqrt(6.0 * As) - 0.41100001335144043 - 0.75 * As;
}

inline HandDepth freeWaterEquivalentDepth(double c, double ca, double D, double g, bool cyclic,
                                          double S) {
  const double xr = (11.0 * c - 2.0 * ca) * D / (g * D + kFreeWaterWedge * ca);
  const auto integrand = [&](double z) {
    return freeWaterResidualFactor(z / D, cyclic) *
           ((g * z + 2.0 * ca) * D + kFreeWaterWedge * ca * z);
  };
  return byIntegration(integrand, xr, 50, false, S,
                       11.0 * c * freeWaterResidualFactor(xr / D, cyclic) * D);
}

// Sand (c = 0) or cemented silt (c > 0) of friction angle phiDegrees on level
// ground, K0 the criterion's, z0 the depth of the layer's first node below
// the ground surface. C1, C2 and C3 are the wedge terms of Reese et al.
inline HandDepth sandEquivalentDepth(double phiDegrees, double K0, double D, double g, double z0,
                                     bool cyclic, double S, double c = 0.0) {
  const WedgeTerms t = wedgeTerms(phiDegrees, K0);
  const double C1 = t.perDepth;
  const double C2 = t.perDiameter;
  const double C3 = t.deep;
  const bool silt = c > 0.0;
  const auto integrand = [&](double z) {
    const double r = z / D;
    const double A = reeseFactor(r, cyclic ? kReeseACyclic : kReeseAStatic);
    double p = A * g * D * D * (C1 * r * r + C2 * r);
    if (silt) p += (g * D + 0.5 * c) * z + 3.0 * D * c;
    return p;
  };
  double beyond = z0 * kDeepSandA * C3 * g * D;
  if (silt) beyond += 9.0 * c * D;
  return byIntegration(integrand, (C3 - C2) * D / C1, 500, true, S, beyond);
}

}  // namespace quarn::soil::testing
