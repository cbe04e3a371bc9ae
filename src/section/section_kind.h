// Section kinds of the sliced (moment-curvature) analysis: which components a
// cross-section has and how it is cut into slices. One enum, one table.
#pragma once

#include <array>
#include <string_view>

#include "engine/model_input.h"

namespace quarn::section {

enum class SectionKind : int {
  NotSliced = 0,  // elastic, elastic-plastic and user-defined stiffness sections
  SquarePile = 1,
  SquarePileWithCore = 2,
  DrilledShaft = 3,
  ShaftWithHPileInsert = 4,
  ShaftWithPipeInsert = 5,
  ShaftWithCasing = 6,
  ShaftWithCasingAndCore = 7,
  ShaftWithCasingAndHPile = 8,
  SteelPipePile = 9,
  NoncircularShaft = 10,
  CompositeShaft = 11,
};

inline constexpr int kSectionKinds = 11;

// Display names by kind value (index 0 unused).
inline constexpr std::array<std::string_view, kSectionKinds + 1> kSectionKindNames = {
    "",
    "Square Pile",
    "Square Pile with Core",
    "Drilled Shaft or Round Pile",
    "Drilled Shaft with H-pile Insert",
    "Drilled Shaft with Pipe Insert",
    "Drilled Shaft with Permanent Casing",
    "Drilled Shaft with Casing and Core",
    "Drilled Shaft with Casing and H-Pile",
    "Steel Pipe Pile",
    "Noncircular_Pile Shaft",
    "Composite Shaft",
};

inline std::string_view sectionKindName(SectionKind kind) {
  return kSectionKindNames[static_cast<std::size_t>(kind)];
}

// The components a kind is made of. The slicing, the axial force and the
// moment all take their component sets from this one table.
struct KindComponents {
  bool circle;     // gross concrete is a circle of the section diameter
  bool rectangle;  // gross concrete is a B x H rectangle
  bool polygon;    // gross concrete is the section polygon
  bool concrete;   // carries a concrete law (everything but the bare pipe)
  bool bars;       // bars or strands
  bool casing;     // casing or pipe wall
  bool cores;      // inner cores (steel tube, core concrete or a void)
  bool hPile;      // H-pile insert
};

inline constexpr KindComponents kindComponents(SectionKind kind) {
  switch (kind) {
    case SectionKind::SquarePile:
      return {false, true, false, true, true, false, false, false};
    case SectionKind::SquarePileWithCore:
      return {false, true, false, true, true, false, true, false};
    case SectionKind::DrilledShaft:
      return {true, false, false, true, true, false, false, false};
    case SectionKind::ShaftWithHPileInsert:
      return {true, false, false, true, false, false, false, true};
    case SectionKind::ShaftWithPipeInsert:
      return {true, false, false, true, true, false, true, false};
    case SectionKind::ShaftWithCasing:
      return {true, false, false, true, true, true, false, false};
    case SectionKind::ShaftWithCasingAndCore:
      return {true, false, false, true, true, true, true, false};
    case SectionKind::ShaftWithCasingAndHPile:
      return {true, false, false, true, true, true, false, true};
    case SectionKind::SteelPipePile:
      return {true, false, false, false, false, true, false, false};
    case SectionKind::NoncircularShaft:
      return {false, false, true, true, true, false, false, false};
    case SectionKind::CompositeShaft:
      return {false, false, true, true, true, false, true, false};
    case SectionKind::NotSliced:
      break;
  }
  return {false, false, false, false, false, false, false, false};
}

// The kind that the input section type code analyses; a nonzero chamfer turns
// a square prestressed pile into a polygon.
inline constexpr SectionKind sectionKindFor(SectionType sectionType, double chamfer) {
  switch (sectionType) {
    case SectionType::RectangularConcrete:
      return SectionKind::SquarePile;
    case SectionType::DrilledShaft:
    case SectionType::CircularPrestressed:
      return SectionKind::DrilledShaft;
    case SectionType::CasedShaft:
      return SectionKind::ShaftWithCasing;
    case SectionType::CasedShaftWithCore:
      return SectionKind::ShaftWithCasingAndCore;
    case SectionType::SteelPipe:
      return SectionKind::SteelPipePile;
    case SectionType::HollowCircularPrestressed:
      return SectionKind::ShaftWithPipeInsert;
    case SectionType::SquarePrestressed:
      return chamfer != 0.0 ? SectionKind::NoncircularShaft : SectionKind::SquarePile;
    case SectionType::HollowSquarePrestressed:
      return chamfer != 0.0 ? SectionKind::CompositeShaft : SectionKind::SquarePileWithCore;
    case SectionType::OctagonalPrestressed:
      return SectionKind::NoncircularShaft;
    case SectionType::HollowOctagonalPrestressed:
      return SectionKind::CompositeShaft;
    default:
      return SectionKind::NotSliced;
  }
}

}  // namespace quarn::section
