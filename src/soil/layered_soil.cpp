#include "soil/layered_soil.h"

#include <cmath>
#include <cstddef>

#include "engine/single_precision.h"
#include "soil/sand.h"
#include "soil/stiff_clay.h"

namespace quarn::soil {

namespace {

// Below this, a layer's integrated resistance counts as absent and the
// liquefied-sand value stands in for it.
constexpr double kNegligibleResistance = 0.01;
// A running sum above kSumOverflow is restarted at kSumRestart.
constexpr double kSumOverflow = 1e20;
constexpr double kSumRestart = 100.0;
// Cyclic reduction of the soft clay resistance (Matlock).
constexpr double kSoftClayCyclic = sp(0.72f);
// Steps of the numerical integrals of stiff clay with free water and of sand.
constexpr int kStiffClaySteps = 50;
constexpr int kSandSteps = 500;
// Reese stiff clay with free water: wedge term 2.83 ca z and the residual
// factors of the static and cyclic curves.
constexpr double kWedgeFreeWater = sp(2.83f);
constexpr double kStaticResidual = sp(0.411f);
constexpr double kCyclicAcFactor = sp(0.936f);
constexpr double kCyclicAsFactor = sp(0.4182f);
// Deep sand resistance: 0.88 C3 gamma' D z (A factor beyond z / D = 5).
constexpr double kDeepSandA = sp(0.88f);

// Inverts a piecewise integral: the depth inside the step that ended at z,
// of length h, where the integral passed S (linear within the step).
double insideStep(double z, double h, double I, double previousI, double S) {
  return z - h * (I - S) / (I - previousI);
}

// Soft clay (Matlock): pu = (3 c + gamma' z) D + J c z down to xr, 9 c D
// below. Static: S is the integral of pu, a quadratic in the depth above xr.
// Cyclic: the integral of 0.72 pu z / xr down to xr, 0.72 x 9 c D below.
// The integrals are written for the J of "SoftClay", 0.5: only the
// transition depth and the unit-weight term of the static integral take the
// J of "SoftClyJ".
double softClay(const EquivalentDepthInput& in, double S) {
  const double c = in.c;
  const double D = in.D;
  const double g = in.gamma;
  const double J = in.criterion == Criterion::kSoftClay ? 0.5 : in.J;
  const double xr = 6.0 * D * c / (J * c + D * g);
  double pd = 9.0 * c * D;
  double I = 0.0;
  if (in.cyclic) {
    pd *= kSoftClayCyclic;
    I = (1.5 * xr * D * c + c * xr * xr / 6.0 + xr * xr * D * g / 3.0) * kSoftClayCyclic;
  } else {
    I = ((3.0 * c + J * xr * g) * D + 0.25 * xr * c) * xr;
  }
  if (S > I) return xr + (S - I) / pd;
  // (0.25 c + 0.5 D gamma') H^2 + 3 c D H = S
  const double a = 0.25 * c + 0.5 * D * g;
  const double b = 3.0 * D * c;
  return (std::sqrt(b * b + 4.0 * S * a) - b) / (2.0 * a);
}

// Stiff clay without free water (Welch and Reese): pu = 3 ca D + gamma' D z +
// 0.5 ca z down to xr, 9 c D below.
double stiffClayNoWater(const EquivalentDepthInput& in, double S) {
  const double c = in.c;
  const double ca = in.ca;
  const double D = in.D;
  const double g = in.gamma;
  const double xr = (9.0 * c - 3.0 * ca) * D / (0.5 * ca + g * D);
  const double I = ((0.25 * xr + 3.0 * D) * ca + 0.5 * g * xr * D) * xr;
  if (S > I) return xr + (S - I) / (9.0 * c * D);
  const double a = 0.25 * ca + 0.5 * g * D;
  const double b = 3.0 * D * ca;
  return (std::sqrt(b * b + 4.0 * S * a) - b) / (2.0 * a);
}

// Residual factor R of the Reese stiff clay curve with free water at depth z.
double freeWaterResidual(bool cyclic, double z, double D) {
  const double As = fn_AsCoef(z / D);
  if (cyclic) return kCyclicAcFactor * fn_AcCoef(z / D) - kCyclicAsFactor * As;
  return 0.5 * std::sqrt(6.0 * As) - kStaticResidual - 0.75 * As;
}

// Stiff clay with free water (Reese): the residual resistance R ((gamma' z +
// 2 ca) D + 2.83 ca z) integrated in 50 steps down to xr, 11 c R D below.
double stiffClayFreeWater(const EquivalentDepthInput& in, double S) {
  const double c = in.c;
  const double ca = in.ca;
  const double D = in.D;
  const double g = in.gamma;
  const double xr = (11.0 * c - 2.0 * ca) * D / (g * D + kWedgeFreeWater * ca);
  const double h = xr / kStiffClaySteps;
  double I = 0.0;
  double R = 0.0;
  for (int j = 1; j <= kStiffClaySteps; ++j) {
    const double z = j * h;
    R = freeWaterResidual(in.cyclic, z, D);
    const double previousI = I;
    I += h * R * ((g * z + 2.0 * ca) * D + kWedgeFreeWater * ca * z);
    if (I > S) return insideStep(z, h, I, previousI, S);
  }
  return xr + (S - I) / (11.0 * c * R * D);
}

// Sand, and cemented silt with its clay term added: the wedge resistance
// A gamma' D^2 (C1 (z/D)^2 + C2 z/D) integrated by trapezoids in 500 steps
// down to zc, where it meets the deep resistance.
double sandLike(const EquivalentDepthInput& in, double S, bool withClay) {
  const double D = in.D;
  const double g = in.gamma;
  const double tanPhi = std::tan(in.phi);
  const double tanAlpha = std::tan(in.alpha);
  const double tanBeta = std::tan(in.beta);
  const double t2 = in.tan2Beta;
  const double C1 =
      tanBeta *
      (tanAlpha * t2 +
       (std::sin(in.beta) * (1.0 / std::cos(in.alpha) + 1.0) * tanPhi - tanAlpha) * in.K0);
  const double C2 = t2 - in.Ka;
  const double C3 = t2 * t2 * (t2 + tanPhi * in.K0) - in.Ka;
  const double zc = (C3 - C2) * D / C1;
  const double h = zc / kSandSteps;
  const auto& A = in.cyclic ? reese_sand::kCyclicA : reese_sand::kStaticA;
  auto resistance = [&](double z) {
    const double r = z / D;
    double p = fn_Table10(z, D, A, reese_sand::kDepthRatios) * g * D * D * (C1 * r * r + C2 * r);
    if (withClay) p += (g * D + 0.5 * in.c) * z + 3.0 * D * in.c;
    return p;
  };
  double previousP = resistance(0.0);
  double I = 0.0;
  for (int j = 1; j <= kSandSteps; ++j) {
    const double z = j * h;
    const double p = resistance(z);
    const double previousI = I;
    I += (previousP + p) * h / 2.0;
    if (I > S) return insideStep(z, h, I, previousI, S);
    previousP = p;
  }
  double deep = in.z0 * kDeepSandA * C3 * g * D * D / D;
  if (withClay) deep += 9.0 * in.c * D;
  return zc + (S - I) / deep;
}

}  // namespace

double resistanceAbove(std::span<const double> F, std::span<const double> liquefiedF, int k) {
  double S = 0.0;
  for (int i = 1; i < k; ++i) {
    const auto n = static_cast<std::size_t>(i);
    double Fi = F[n];
    if (Fi < kNegligibleResistance && n < liquefiedF.size()) Fi = liquefiedF[n];
    S += Fi;
    if (S > kSumOverflow) S = kSumRestart;
  }
  return S;
}

double equivalentDepth(const EquivalentDepthInput& in, double S) {
  switch (in.criterion) {
    case Criterion::kSoftClay:
    case Criterion::kSoftClayJ:
      return softClay(in, S);
    case Criterion::kStiffClayNoFreeWater:
    case Criterion::kStiffClayNoFreeWaterK:
      return stiffClayNoWater(in, S);
    case Criterion::kStiffClayFreeWater:
      return stiffClayFreeWater(in, S);
    case Criterion::kSandReese:
    case Criterion::kSandApi:
      return sandLike(in, S, false);
    case Criterion::kCementedSilt:
      return sandLike(in, S, true);
    default:
      return 0.0;
  }
}

}  // namespace quarn::soil
