#include "soil/sand_wedge.h"

#include <cmath>

namespace quarn::soil {

namespace {

constexpr double kQuarterPi = 0.7853981633974483;

}  // namespace

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

}  // namespace quarn::soil
