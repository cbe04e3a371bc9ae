// The sand curves: default subgrade modulus, the wedge and flow-around
// resistances, and the curves of the three sand criteria. The routines that
// evaluate them at the nodes are in sand_routines.cpp and liquefied_sand.cpp.
#include "soil/sand.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace quarn::soil {

namespace {

using reese_sand::kCyclicA;
using reese_sand::kCyclicB;
using reese_sand::kDepthRatios;
using reese_sand::kStaticA;
using reese_sand::kStaticB;

constexpr double kQuarterPi = 0.7853981633974483;

// Unit weight separating submerged sand from sand above the water table in
// the SI defaults of k, kN/m3.
constexpr double kSubmergedUnitWeightSi = 12.225000381469727;

// Liquefied sand: the Rollins et al. formulas work in metres, millimetres and
// kN/m.
constexpr double kMetresPerInch = sp(0.02539999969303608f);
constexpr double kMillimetresPerInch = sp(25.399999618530273f);
constexpr double kPoundsPerInchPerKilonewtonPerMetre = sp(5.710147380828857f);
constexpr double kReferenceUnitWeightUs = sp(0.036839600652456284f);  // 10 kN/m3 in lb/in3
constexpr double kLiquefiedLimit = 15.0;                              // kN/m
constexpr double kLiquefiedRange = 150.0;                             // mm
// First nonzero deflection of the printed curve (3 mm, 0.125 in), where the
// secant modulus of a node without deflection is taken.
constexpr double kLiquefiedReferenceDeflectionSi = sp(0.003000000026077032f);  // m
constexpr double kLiquefiedReferenceDeflectionUs = 0.125;                      // in

}  // namespace

// ---- default k --------------------------------------------------------------

double defaultSandModulus(double phiDegrees, double gamma, int unitSystem) {
  if (unitSystem == kUnitsUsCustomary) {
    if (phiDegrees > 40.0) return 160.54745483398438;
    return 1.2098290369522147e-07 * std::pow(phiDegrees, 5.694468021392822);
  }
  if (unitSystem == kUnitsSi) {
    if (gamma <= kSubmergedUnitWeightSi) {
      if (phiDegrees > 40.0) return 43580.1484375;
      return 3.284046397311613e-05 * std::pow(phiDegrees, 5.694468021392822);
    }
    if (phiDegrees > 40.0) return 78739.0078125;
    return 4.14174883189844e-06 * std::pow(phiDegrees, 6.416118144989014);
  }
  return 0.0;
}

// ---- wedge and flow-around resistances ----------------------------------------

SandWedge makeSandWedge(double phi, double K0) {
  SandWedge w;
  w.phi = phi;
  w.alpha = phi / 2.0;
  w.beta = kQuarterPi + w.alpha;
  w.K0 = K0;
  const double tanActive = std::tan(kQuarterPi - w.alpha);
  w.KaLevel = tanActive * tanActive;
  const double tanBeta = std::tan(w.beta);
  w.tan2Beta = tanBeta * tanBeta;
  return w;
}

double slopingActiveCoefficient(double theta, double phi) {
  const double cosTheta = std::cos(theta);
  const double cosPhi = std::cos(phi);
  const double root = std::sqrt(cosTheta * cosTheta - cosPhi * cosPhi);
  return cosTheta * (cosTheta - root) / (cosTheta + root);
}

double wedgeSlopeDivisor(double theta, double yn, double beta) {
  if (std::abs(theta) <= 1e-15) return 1.0;
  const double t = std::tan(std::abs(theta)) * std::tan(beta);
  const bool same = (yn > 1e-14 && theta > 1e-14) || (yn < -1e-14 && theta < -1e-14);
  const bool opposite = (yn > 1e-14 && theta < -1e-14) || (yn < -1e-14 && theta > 1e-14);
  if (same) return 1.0 + t;  // loading towards the downhill side: a smaller wedge
  if (opposite) return 1.0 - t;
  return 1.0;
}

double shallowSandResistance(const SandWedge& w, double Ka, double gamma, double z, double b,
                             double theta, double s) {
  const double tanBeta = std::tan(w.beta);
  const double tanPhi = std::tan(w.phi);
  const double tanAlpha = std::tan(w.alpha);
  const double sinBeta = std::sin(w.beta);
  const double cosAlpha = std::cos(w.alpha);
  const double tanBetaMinusPhi = std::tan(w.beta - w.phi);
  const double K0 = w.K0;
  if (std::abs(theta) > 1e-15 && s > 1e-20) {
    const double D1 = std::tan(std::abs(theta)) * tanBeta / s;
    const double F1 = 4.0 * D1 * D1 * D1 - 3.0 * D1 * D1 + 1.0;
    return gamma * z *
           (tanBeta / tanBetaMinusPhi * (b + z * tanAlpha * tanBeta / s) / s - Ka * b +
            K0 * z * tanPhi * sinBeta * F1 / (cosAlpha * tanBetaMinusPhi) +
            F1 * K0 * z * tanBeta * (tanPhi * sinBeta - tanAlpha));
  }
  return gamma * z *
         (K0 * z * tanPhi * sinBeta / (tanBetaMinusPhi * cosAlpha) +
          tanBeta / tanBetaMinusPhi * (b + z * tanBeta * tanAlpha) +
          K0 * z * tanBeta * (tanPhi * sinBeta - tanAlpha) - Ka * b);
}

double deepSandResistance(const SandWedge& w, double gamma, double z, double b) {
  const double tan4Beta = w.tan2Beta * w.tan2Beta;
  return (w.K0 * std::tan(w.phi) * tan4Beta + w.KaLevel * (tan4Beta * tan4Beta - 1.0)) * b * gamma *
         z;
}

// ---- Reese sand -----------------------------------------------------------------

ReeseSandCurve makeReeseSandCurve(const ReeseSandInput& in) {
  ReeseSandCurve c;
  c.wedge = makeSandWedge(in.phi, 0.4);
  c.b = in.b;
  const bool sloping = std::abs(in.theta) > 1e-10;
  c.Ka = sloping ? slopingActiveCoefficient(in.theta, in.phi) : c.wedge.KaLevel;
  c.s = wedgeSlopeDivisor(in.theta, in.yn, c.wedge.beta);
  c.pst = shallowSandResistance(c.wedge, c.Ka, in.gamma, in.z, in.b, in.theta, c.s);
  c.psd = deepSandResistance(c.wedge, in.gamma, in.z, in.b);
  // A wedge that would have to reach beyond the slope: flow around governs.
  if (c.s <= 1e-10 && sloping) c.pst = c.psd;
  c.shallowControls = !(c.psd < c.pst);
  c.ps = c.shallowControls ? c.pst : c.psd;  // a not-a-number pst stays in ps

  c.A = fn_Table10(in.z, in.b, in.cyclic ? kCyclicA : kStaticA, kDepthRatios);
  c.B = fn_Table10(in.z, in.b, in.cyclic ? kCyclicB : kStaticB, kDepthRatios);
  c.pu = c.A * c.ps;
  c.pmPrime = c.B * c.ps;
  c.ymPrime = in.b / 60.0;
  c.yu = 3.0 * in.b / 80.0;
  c.kz = in.k * in.z;

  c.m = (c.pu - c.pmPrime) / (c.yu - c.ymPrime);
  if (in.z != 0.0) {
    c.n = c.pmPrime / (c.m * c.ymPrime);
    c.C = c.pmPrime / std::pow(c.ymPrime, 1.0 / c.n);
    c.yk = std::pow(c.C / c.kz, c.n / (c.n - 1.0));
    c.pk = c.C * std::pow(c.yk, 1.0 / c.n);
  }
  if (in.z < 0.0) c.yk = 2.0 * in.b;

  if (c.ymPrime > c.yk) {
    c.shape = 1;
  } else if (c.ymPrime < c.yk && c.yk < c.yu) {
    c.shape = 2;
  } else if (c.yk > c.yu) {
    c.shape = 3;
  }
  return c;
}

double ReeseSandCurve::pBeforeInitialLine(double y) const {
  if (y <= yk && y < ymPrime) return kz * y;
  if (y > ymPrime) return y <= yu ? pmPrime + m * (y - ymPrime) : pu;
  return n == 0.0 ? 0.0 : C * std::pow(y, 1.0 / n);
}

double ReeseSandCurve::p(double y) const {
  const double curve = pBeforeInitialLine(y);
  return kz * y < curve ? kz * y : curve;
}

double ReeseSandCurve::modulus(double y, double pm, double ym) const {
  if (y < 1e-14) return kz;  // the initial slope, without multipliers
  return pm * p(y) / (ym * y);
}

// ---- API sand ---------------------------------------------------------------------

ApiSandCurve makeApiSandCurve(const ApiSandInput& in) {
  ApiSandCurve c;
  c.wedge = makeSandWedge(in.phi, sp(0.4f));
  c.z = in.z;
  c.b = in.b;
  const SandWedge& w = c.wedge;
  const bool level = std::abs(in.theta) <= 1e-10;
  c.Ka = level ? w.KaLevel : slopingActiveCoefficient(in.theta, in.phi);

  const double tanBeta = std::tan(w.beta);
  const double tanPhi = std::tan(w.phi);
  const double tanAlpha = std::tan(w.alpha);
  c.C1 =
      tanBeta * (w.tan2Beta * tanAlpha +
                 w.K0 * (tanPhi * std::sin(w.beta) * (1.0 / std::cos(w.alpha) + 1.0) - tanAlpha));
  c.C2 = w.tan2Beta - c.Ka;
  c.C3 = w.tan2Beta * w.tan2Beta * (w.tan2Beta + w.K0 * tanPhi) - c.Ka;

  if (level) {
    c.pst = (c.C1 * in.z + c.C2 * in.b) * in.gamma * in.z;
    c.psd = c.C3 * in.b * in.gamma * in.z;
  } else {
    const double s = wedgeSlopeDivisor(in.theta, in.yn, w.beta);
    c.pst = shallowSandResistance(w, c.Ka, in.gamma, in.z, in.b, in.theta, s);
    c.psd = deepSandResistance(w, in.gamma, in.z, in.b);
    if (s <= 1e-10) c.pst = c.psd;
  }
  c.ps = c.psd < c.pst ? c.psd : c.pst;
  c.A = in.cyclic ? sp(0.9f) : std::max(sp(0.9f), 3.0 - sp(0.8f) * in.z / in.b);
  c.pu = c.A * c.ps;
  c.kz = in.k * in.z;
  return c;
}

double ApiSandCurve::p(double y) const {
  // At the surface, or with no ultimate resistance, there is no resistance
  // (the limit of pu tanh(k z y / pu) as pu goes to 0).
  if (z < 1e-10 || pu == 0.0) return 0.0;
  return pu * std::tanh(kz * y / pu);
}

double ApiSandCurve::modulus(double y, double pm, double ym) const {
  if (y < 1e-14) return kz;  // the initial slope, without multipliers
  return pm * p(y) / (ym * y);
}

double ApiSandCurve::layeredResistance() const {
  return p(3.0 * b / 80.0);
}

// ---- liquefied sand ------------------------------------------------------------------

LiquefiedSandCurve makeLiquefiedSandCurve(const LiquefiedSandInput& in) {
  // General units have no conversion: their values are taken as metres and kN.
  const bool us = in.unitSystem == kUnitsUsCustomary;
  LiquefiedSandCurve c;
  c.unitSystem = in.unitSystem;
  c.Db = us ? in.D * kMetresPerInch : in.D;
  c.Pd = c.Db > sp(0.30000001192092896f)
             ? sp(3.809999942779541f) * std::log(c.Db) + sp(5.599999904632568f)
             : c.Db / sp(0.30000001192092896f);
  // Below the first layer the depth is the vertical effective stress divided
  // by 10 kN/m3.
  if (in.firstLayer) {
    c.zr = us ? in.depth * kMetresPerInch : in.depth;
  } else {
    c.zr = us ? in.depth * in.gamma / kReferenceUnitWeightUs * kMetresPerInch
              : in.depth * in.gamma / 10.0;
  }
  const double base = c.zr + 1.0;
  c.A = 3e-7 * std::pow(base, sp(6.050000190734863f));
  c.B = sp(2.799999952316284f) * std::pow(base, sp(0.10999999940395355f));
  c.C = sp(2.8499999046325684f) * std::pow(base, -sp(0.4099999964237213f));
  c.pr = c.A * std::pow(kLiquefiedRange * c.B, c.C);
  c.pcap = std::min(c.pr, kLiquefiedLimit);
  c.Pu = c.Pd * c.pcap * (us ? kPoundsPerInchPerKilonewtonPerMetre : 1.0);
  c.capReached = !(c.pr < kLiquefiedLimit);
  const double capMillimetres =
      c.capReached ? std::exp(std::log(c.pcap / c.A) / c.C - std::log(c.B)) : kLiquefiedRange;
  if (us) {
    c.ycap = capMillimetres / kMillimetresPerInch;
  } else {
    c.ycap = c.capReached ? capMillimetres / 1000.0 : sp(0.15000000596046448f);
  }
  return c;
}

double LiquefiedSandCurve::p(double y) const {
  const bool us = unitSystem == kUnitsUsCustomary;
  const double millimetres = us ? kMillimetresPerInch * y : 1000.0 * y;
  const double value =
      Pd * A * std::pow(millimetres * B, C) * (us ? kPoundsPerInchPerKilonewtonPerMetre : 1.0);
  return std::min(Pu, value);
}

double LiquefiedSandCurve::modulus(double y, double pm, double ym) const {
  if (y < 1e-14) {
    // No deflection: p / y is 0 / 0, and the tangent at zero is no help (0
    // for C > 1, the usual case, infinite for C < 1). The node takes the
    // secant at the first deflection of the printed curve: finite and
    // positive, so the first solution of a case has a spring there, and
    // small, as a liquefied layer barely resists small deflections.
    const double reference = unitSystem == kUnitsUsCustomary ? kLiquefiedReferenceDeflectionUs
                                                             : kLiquefiedReferenceDeflectionSi;
    return pm / ym * p(reference) / reference;
  }
  return pm / ym * p(y) / y;
}

}  // namespace quarn::soil
