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
    .stress = " ksi    ",
    .smallStress = " psi",
    .length = " in     ",
    .force = " kips   ",
    .curvature = " rad/in ",
    .moment = " in-kip ",
    .area = " sq. in.",
    .inertia = " in^4   ",
    .stiffness = " lb-in^2",
};
inline constexpr SectionUnitLabels kSiSectionLabels = {
    .stress = " kPa    ",
    .smallStress = " kPa",
    .length = " m      ",
    .force = " kN     ",
    .curvature = " rad/m  ",
    .moment = " kN-m   ",
    .area = " sq. m  ",
    .inertia = " m^4    ",
    .stiffness = " kN-m^2 ",
};
inline constexpr SectionUnitLabels kGeneralSectionLabels = {
    .stress = " F/L^2  ",
    .smallStress = " F/L^2",
    .length = " L      ",
    .force = " F      ",
    .curvature = " rad/L  ",
    .moment = " F-L    ",
    .area = " L^2    ",
    .inertia = " L^4    ",
    .stiffness = " F-L^2  ",
};

inline constexpr const SectionUnitLabels& sectionUnitLabels(int IUNITS) {
  if (IUNITS == kUnitsUsCustomary) return kUsCustomarySectionLabels;
  if (IUNITS == kUnitsSi) return kSiSectionLabels;
  return kGeneralSectionLabels;
}

}  // namespace quarn::section
