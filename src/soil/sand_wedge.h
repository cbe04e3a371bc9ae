// The wedge of Reese, Cox and Koop (1974) shared by the sand criteria and
// cemented silt: the failure wedge in front of the pile near the surface,
// with alpha = phi / 2, beta = 45 deg + phi / 2, K0 and Ka = tan^2(45 deg - phi / 2),
//   pst = gamma' z [K0 z tan(phi) sin(beta) / (tan(beta - phi) cos(alpha))
//         + tan(beta) / tan(beta - phi) (b + z tan(beta) tan(alpha))
//         + K0 z tan(beta) (tan(phi) sin(beta) - tan(alpha)) - Ka b],
// its form on sloping ground, and the flow of the soil around the pile at depth
//   psd = Ka b gamma' z (tan^8(beta) - 1) + K0 b gamma' z tan(phi) tan^4(beta);
// with the empirical factors A and B of the Reese sand curve at z / b.
#pragma once

#include <array>

#include "engine/single_precision.h"

namespace quarn::soil {

// Empirical factors of Reese sand at z / b = 0, 0.5, 1, 1.5, 2, 2.5, 3, 4, 5, 6
// (also those of cemented silt and the A factor of the equivalent depth of a
// sand layer).
namespace reese_sand {
inline constexpr std::array<double, 10> kDepthRatios = {0.0, 0.5, 1.0, 1.5, 2.0,
                                                        2.5, 3.0, 4.0, 5.0, 6.0};
inline constexpr std::array<double, 10> kStaticA = {sp(2.83f), sp(2.48f), sp(2.11f), sp(1.76f),
                                                    sp(1.48f), sp(1.23f), sp(1.06f), sp(0.90f),
                                                    sp(0.88f), sp(0.88f)};
inline constexpr std::array<double, 10> kStaticB = {sp(2.14f), sp(1.83f), sp(1.54f), sp(1.27f),
                                                    sp(1.05f), sp(0.86f), sp(0.71f), sp(0.53f),
                                                    sp(0.50f), sp(0.50f)};
inline constexpr std::array<double, 10> kCyclicA = {sp(0.75f), sp(0.93f), sp(1.07f), sp(1.11f),
                                                    sp(1.03f), sp(0.98f), sp(0.94f), sp(0.90f),
                                                    sp(0.88f), sp(0.88f)};
inline constexpr std::array<double, 10> kCyclicB = {sp(0.53f), sp(0.72f), sp(0.83f), sp(0.86f),
                                                    sp(0.82f), sp(0.77f), sp(0.70f), sp(0.55f),
                                                    sp(0.55f), sp(0.55f)};
}  // namespace reese_sand

// The angles of the failure wedge and the earth pressure coefficients.
struct SandWedge {
  double phi = 0.0;  // radians
  double alpha = 0.0;
  double beta = 0.0;
  double K0 = 0.4;
  double KaLevel = 0.0;   // tan^2(45 deg - phi / 2)
  double tan2Beta = 0.0;  // tan^2(beta), printed as the passive coefficient
};

SandWedge makeSandWedge(double phi, double K0);

// Sloping ground: the active coefficient for an effective slope theta, and
// the divisor s of the wedge (1 on level ground or without deflection).
double slopingActiveCoefficient(double theta, double phi);
double wedgeSlopeDivisor(double theta, double yn, double beta);

// Shallow resistance pst for the active coefficient Ka: the level-ground
// form, or for sloping ground (|theta| > 1e-15, s > 1e-20) its sloping form.
double shallowSandResistance(const SandWedge& w, double Ka, double gamma, double z, double b,
                             double theta, double s);
// Deep resistance psd, with the level-ground active coefficient.
double deepSandResistance(const SandWedge& w, double gamma, double z, double b);

}  // namespace quarn::soil
