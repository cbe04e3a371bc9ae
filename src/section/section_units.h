// Unit labels of the section reports, eight characters each, by unit system.
// General units print dimension symbols.
#pragma once

#include <string_view>

#include "engine/model_options.h"

namespace quarn::section {

struct SectionUnitLabels {
  std::string_view stress;
  std::string_view smallStress;
  std::string_view length;
  std::string_view force;
  std::string_view curvature;
  std::string_view moment;
  std::string_view area;
  std::string_view inertia;
  std::string_view stiffness;
};

inline constexpr SectionUnitLabels kUsCustomarySectionLabels = {
    " ksi    ", " psi", " in     ", " kips   ", " rad/in ",
    " in-kip ", " sq. in.", " in^4   ", " lb-in^2"};
inline constexpr SectionUnitLabels kSiSectionLabels = {
    " kPa    ", " kPa", " m      ", " kN     ", " rad/m  ",
    " kN-m   ", " sq. m  ", " m^4    ", " kN-m^2 "};
inline constexpr SectionUnitLabels kGeneralSectionLabels = {
    " F/L^2  ", " F/L^2", " L      ", " F      ", " rad/L  ",
    " F-L    ", " L^2    ", " L^4    ", " F-L^2  "};

inline constexpr const SectionUnitLabels& sectionUnitLabels(int IUNITS) {
  if (IUNITS == kUnitsUsCustomary) return kUsCustomarySectionLabels;
  if (IUNITS == kUnitsSi) return kSiSectionLabels;
  return kGeneralSectionLabels;
}

}  // namespace quarn::section
