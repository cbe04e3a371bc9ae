// The five pile-head conditions of a load case (the load types 1 to 5 of the
// LOADING section) and the words the results and the summary print for each.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace quarn {

// Which two pile-head values a load case prescribes; the enumerators carry
// the codes of the input.
enum class HeadLoadType {
  kShearMoment = 1,               // shear Pt and moment Mt
  kShearSlope = 2,                // shear Pt and slope St (St = 0: fixed head)
  kShearRotationalStiffness = 3,  // shear Pt and rotational restraint Ktheta
  kDeflectionMoment = 4,          // deflection Yt and moment Mt
  kDeflectionSlope = 5,           // deflection Yt and slope St
};

// The texts printed for a load type.
struct HeadLoadTypeText {
  HeadLoadType type;
  // First line of the pile-head conditions in the results of a case.
  std::string_view conditions;
  // Labels before the two head-condition values of a summary row.
  std::string_view summaryLabel1;
  std::string_view summaryLabel2;
  // Definition line of the summary heading, US customary and SI units
  // (general units print none).
  std::string_view definitionUs;
  std::string_view definitionSi;
};

inline constexpr std::array<HeadLoadTypeText, 5> kHeadLoadTypes = {{
    {HeadLoadType::kShearMoment, "Pile-head conditions are Shear and Moment (Loading Type 1)",
     "    1   V =", "  M =", "Load Type 1: Load 1 = Shear, lbs, and Load 2 = Moment, in-lbs",
     "Load Type 1: Load 1 = Shear, kN, and Load 2 = Moment, kN-m "},
    {HeadLoadType::kShearSlope,
     "Pile-head conditions are Shear and Pile-head Rotation (Loading Type 2)",
     "    2   V =", "  S =", "Load Type 2: Load 1 = Shear, lbs, and Load 2 = Slope, radians",
     "Load Type 2: Load 1 = Shear, kN, and Load 2 = Slope, radians"},
    {HeadLoadType::kShearRotationalStiffness,
     "Pile-head conditions are Shear and Rotational Stiffness (Loading Type 3)", "    3   V =",
     "  R =", "Load Type 3: Load 1 = Shear, lbs, and Load 2 = Rotational Stiffness, in-lbs/radian",
     "Load Type 3: Load 1 = Shear, kN, and Load 2 = Rotational Stiffness, kN-m/radian"},
    {HeadLoadType::kDeflectionMoment,
     "Pile-head conditions are Displacement and Moment (Loading Type 4)", "    4   y =", "  M =",
     "Load Type 4: Load 1 = Top Deflection, inches, and Load 2 = Moment, in-lbs",
     "Load Type 4: Load 1 = Top Deflection, m, and Load 2 = Moment, kN-m"},
    {HeadLoadType::kDeflectionSlope,
     "Pile-head conditions are Displacement and Pile-head Rotation (Loading Type 5)", "    5   y =",
     "  S =", "Load Type 5: Load 1 = Top Deflection, inches, and Load 2 = Slope, radians",
     "Load Type 5: Load 1 = Top Deflection, m, and Load 2 = Slope, radians"},
}};

constexpr bool headLoadTypesFollowTheirCodes() {
  for (std::size_t i = 0; i < kHeadLoadTypes.size(); ++i) {
    if (static_cast<std::size_t>(kHeadLoadTypes[i].type) != i + 1) return false;
  }
  return true;
}
static_assert(headLoadTypesFollowTheirCodes(), "the table lists load types 1 to 5 in order");

// The code of the input (1 to 5).
constexpr int headLoadTypeCode(HeadLoadType type) {
  return static_cast<int>(type);
}

// The load type of an input code; none outside 1 to 5.
constexpr std::optional<HeadLoadType> headLoadTypeFromCode(int code) {
  if (code < 1 || code > static_cast<int>(kHeadLoadTypes.size())) return std::nullopt;
  return static_cast<HeadLoadType>(code);
}

// The texts of a load type; a value outside the five has none.
constexpr const HeadLoadTypeText* headLoadTypeText(HeadLoadType type) {
  const int code = headLoadTypeCode(type);
  if (code < 1 || code > static_cast<int>(kHeadLoadTypes.size())) return nullptr;
  return &kHeadLoadTypes[static_cast<std::size_t>(code - 1)];
}

// Load types whose head moment is prescribed (1 and 4); in the others the
// head moment is a result of the solution.
constexpr bool prescribesHeadMoment(HeadLoadType type) {
  return type == HeadLoadType::kShearMoment || type == HeadLoadType::kDeflectionMoment;
}

}  // namespace quarn
