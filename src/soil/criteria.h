// The p-y criteria: one enum and one table. A layer's criterion code (1 to 20)
// indexes the table; the table gives the key, the soil class used at layer
// interfaces and whether the layer counts as rock-like for the
// equivalent-depth correction. Dispatch to the routines is one switch
// (py_framework.cpp). The keys are those of the model's key table (checked at
// compile time there); the display names are the report's.
#pragma once

#include <array>
#include <string_view>

namespace quarn::soil {

enum class Criterion : int {
  kNone = 0,
  kSoftClay = 1,
  kStiffClayFreeWater = 2,
  kStiffClayNoFreeWater = 3,
  kStiffClayNoFreeWaterK = 4,
  kSandReese = 5,
  kSandApi = 6,
  kLiquefiedSand = 7,
  kWeakRock = 8,
  kVuggyLimestone = 9,
  kPiedmont = 10,
  kCementedSilt = 11,
  kLoess = 12,
  kElasticSubgrade = 13,
  kUserPy = 14,
  kSoftClayJ = 15,
  kMassiveRock = 16,
  kFrozenSoil = 17,
  kUndefined18 = 18,
  kUndefined19 = 19,
  kUndefined20 = 20,
};

// Class of a layer's soil where two layers meet: it decides which strength
// fn_c returns at an interface.
enum class SoilClass : int {
  kOther = 0,  // Piedmont, frozen soil: no interface rule
  kCohesive = 1,
  kCohesionless = 2,
  kRock = 3,
  kUserInput = 4,
  kElasticSubgrade = 5,
  // Cemented silt is cohesive when its strength at the interface is positive,
  // cohesionless otherwise; resolved by soilClassAt().
  kCohesiveIfStrength = 6,
};

struct CriterionInfo {
  Criterion code;
  std::string_view key;  // eight characters, as the routines compare it
  SoilClass soilClass;
  // Layers below a rock-like layer use the depth below the ground surface
  // instead of an equivalent depth.
  bool rockLike;
};

inline constexpr int kCriterionCount = 20;

inline constexpr std::array<CriterionInfo, kCriterionCount + 1> kCriterionTable = {{
    {Criterion::kNone, "", SoilClass::kOther, false},
    {Criterion::kSoftClay, "SoftClay", SoilClass::kCohesive, false},
    {Criterion::kStiffClayFreeWater, "StfClyBW", SoilClass::kCohesive, false},
    {Criterion::kStiffClayNoFreeWater, "StfClyAW", SoilClass::kCohesive, false},
    {Criterion::kStiffClayNoFreeWaterK, "StfClyAK", SoilClass::kCohesive, false},
    {Criterion::kSandReese, "Sand    ", SoilClass::kCohesionless, false},
    {Criterion::kSandApi, "API Sand", SoilClass::kCohesionless, false},
    {Criterion::kLiquefiedSand, "Liq Sand", SoilClass::kCohesionless, false},
    {Criterion::kWeakRock, "WeakRock", SoilClass::kRock, true},
    {Criterion::kVuggyLimestone, "Vuggy LS", SoilClass::kRock, true},
    {Criterion::kPiedmont, "Piedmont", SoilClass::kOther, true},
    {Criterion::kCementedSilt, "Cem Silt", SoilClass::kCohesiveIfStrength, false},
    {Criterion::kLoess, "KS Loess", SoilClass::kCohesionless, false},
    {Criterion::kElasticSubgrade, "Elast SG", SoilClass::kElasticSubgrade, true},
    {Criterion::kUserPy, "User p-y", SoilClass::kUserInput, false},
    {Criterion::kSoftClayJ, "SoftClyJ", SoilClass::kCohesive, false},
    {Criterion::kMassiveRock, "MassRock", SoilClass::kRock, true},
    {Criterion::kFrozenSoil, "Frz Soil", SoilClass::kOther, false},
    {Criterion::kUndefined18, "Undefine", SoilClass::kOther, false},
    {Criterion::kUndefined19, "Undefine", SoilClass::kOther, false},
    {Criterion::kUndefined20, "Undefine", SoilClass::kOther, false},
}};

// The table row of a criterion code; codes outside 1 to 20 give the empty row 0.
constexpr const CriterionInfo& criterionInfo(int code) {
  return (code >= 1 && code <= kCriterionCount) ? kCriterionTable[code] : kCriterionTable[0];
}

}  // namespace quarn::soil
