// What the LRFD analysis derives from the unfactored load groups and the load
// combinations: the factored pile-head loads of every combination, the
// distinct factored axial thrusts the section analysis builds its tables for
// and, per load case, the distributed load of every load type at every node.
// The analysis fills it; the input echo, the load-case loop and the summary
// read it.
#pragma once

#include <array>
#include <string_view>

#include "engine/limits.h"
#include "engine/model_nodes.h"

namespace quarn {

// The texts of the load types (load type index 1..13): in the table of the
// unfactored groups, in the table of their totals, as the factor's symbol in
// a factored-load line and as the name of its distributed load.
struct LrfdLoadTypeText {
  std::string_view group;
  std::string_view totals;
  std::string_view symbol;
  std::string_view distributedName;
};

// Rain and snow loads are labelled as dead loads in the group table, as the
// engine has always written them.
inline constexpr std::array<LrfdLoadTypeText, kLrfdLoadTypes + 1> kLrfdLoadTypeTexts = {{
    {"", "", "", ""},
    {"Dead Load   (DL)", "Dead Loads   (DL)", "*DL", "Dead Loads"},
    {"Live Load   (LL)", "Live Loads   (LL)", "*LL", "Live Loads"},
    {"Earthquake  (EQ)", "Earthquake   (EQ)", "*EQ", "Earthquake Loads"},
    {"Impact Load (IM)", "Impact Load  (IM)", "*IM", "Impact Loads"},
    {"Wind Load    (W)", "Wind Loads    (W)", "*W ", "Wind Loads"},
    {"Water Load  (HW)", "Water Loads  (HW)", "*HW", "Water Loads"},
    {"Ice Load   (Ice)", "Ice Loads   (Ice)", "*Ice", "Ice Loads"},
    {"Horiz. Soil (Hs)", "Horiz. Soil  (Hs)", "*Hs", "Horizontal Soil Pressures"},
    {"Live Roof   (Lr)", "Live Roof    (Lr)", "*Lr", "Live Roof Loads"},
    {"Rain Load   (DL)", "Rain Loads   (Rn)", "*Rn", "Rain Loads"},
    {"Snow Load   (DL)", "Snow Loads   (Sn)", "*Sn", "Snow Loads"},
    {"Temperature (Tm)", "Temperature  (Tm)", "*Tm", "Temperature Loads"},
    {"Special     (Sp)", "Special      (Sp)", "*Sp", "Special Loads"},
}};

// The factored pile-head loads of one combination, in the input force and
// moment units (lbs and in-lbs, kN and kN-m).
struct LrfdCombinationLoads {
  // Before the batter transformation: the factored horizontal and vertical
  // forces.
  double horizontalForce = 0.0;
  double verticalForce = 0.0;
  // What the pile carries: shear and axial force along the pile axis (the
  // forces above turned by the batter angle) and the moment.
  double FactoredShear = 0.0;
  double FactoredMoment = 0.0;
  double FactoredAxial = 0.0;
  int ThrustIndex = 0;  // position of FactoredAxial in the distinct thrusts, from 1
};

// Sums of the unfactored groups of one load type.
struct LrfdTypeTotals {
  double horizontalForce = 0.0;  // TH
  double moment = 0.0;           // TM
  double axialForce = 0.0;       // TP
  int groups = 0;                // NG
};

struct LrfdResults {
  bool computed = false;
  std::array<LrfdTypeTotals, kLrfdLoadTypes + 1> totals{};                   // 1-based by load type
  std::array<LrfdCombinationLoads, kMaxLrfdCombinations + 1> combination{};  // 1-based
  bool batterTransformed = false;  // the batter angle exceeds 1E-6 radians
  // The distinct factored axial forces, ascending, in the input force unit.
  int numberOfThrusts = 0;
  std::array<double, kMaxLrfdCombinations + 1> thrust{};  // 1-based

  // `LrfdTypeNodeLoad`(g, k): the average distributed load of load type g
  // over the tributary length of node k, for the grid of the current case.
  std::array<std::array<double, kNodeCapacity + 1>, kLrfdLoadTypes + 1> LrfdTypeNodeLoad{};
};

}  // namespace quarn
