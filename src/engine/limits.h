// Capacities of the analysis model. Every reader checks a count against the
// limit it fills before using it; none of these is ever exceeded silently.
#pragma once

namespace quarn {

inline constexpr int kMaxSections = 20;          // pile sections stacked along the pile
inline constexpr int kMaxLayers = 40;            // soil layers in the profile
inline constexpr int kMaxUserPyPoints = 30;      // points of one user p-y curve (two per layer)
inline constexpr int kMaxBars = 300;             // bars or strands of a section (slicing arrays)
inline constexpr int kMaxConcreteCurvePoints = 100;  // points of a user concrete stress-strain curve
inline constexpr int kMaxUserEiThrusts = 100;    // axial thrusts of a user-defined M-EI section (as the thrust list)
inline constexpr int kMaxUserEiPoints = 150;     // points per thrust: a moment-curvature table holds 150
inline constexpr int kMinIncrements = 40;        // coarser grids lose accuracy near the head
inline constexpr int kMaxIncrements = 500;       // finer grids add nothing but run time
inline constexpr int kMaxNodes = kMaxIncrements + 1;
inline constexpr int kMaxLoadCases = 100;        // pile-head load cases
inline constexpr int kMaxDistributedPoints = 50; // distributed lateral load points
inline constexpr int kMaxLrfdLoads = 100;        // unfactored LRFD load groups
inline constexpr int kMaxLrfdDistributedPoints = 100;  // the count check of LRFD LOADS admits 100
inline constexpr int kMaxLrfdCombinations = 100;
inline constexpr int kLrfdLoadTypes = 13;        // factors per LRFD combination
inline constexpr int kMaxAxialThrusts = 100;     // axial thrust list of the section analysis
inline constexpr int kMaxTipShearPoints = 50;
inline constexpr int kMaxMultiplierRows = 80;    // p-y multipliers versus depth
inline constexpr int kMaxSoilMovementPoints = 100;
inline constexpr int kMaxPyOutputDepths = 100;
inline constexpr int kTitleLines = 5;
inline constexpr int kTextLineLength = 256;      // text lines, titles and run-file paths
inline constexpr int kMaxWarningCode = 4000;     // warning codes counted by absolute value
inline constexpr int kMaxWarningOccurrences = 4000;
inline constexpr int kCriterionCodes = 20;       // entries of the p-y criterion key table

}  // namespace quarn
