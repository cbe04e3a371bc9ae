// The p-y criteria: one enum and one table. A layer's criterion code (1 to 20)
// indexes the table; its row gives the key, the soil class used at layer
// interfaces, whether the layer counts as rock-like for the equivalent-depth
// correction, the criterion's two functions (its curve at a point and its
// printed block), how the layer sweep turns the curve into a node's modulus,
// and the numbers of the errors the criterion raises. The keys are those of
// the model's key table (checked at compile time in py_framework.cpp).
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "engine/model_input.h"

namespace quarn::engine {
struct RunContext;
}  // namespace quarn::engine

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
  // cohesionless otherwise; resolved by the strength query at the interface.
  kCohesiveIfStrength = 6,
};

// The framework types the criteria work with (py_framework.h, py_curve.h).
struct PyPoint;
class LayerSweep;
struct PyCurve;

// The criterion's curve at a point of the sweep: reads the soil at the
// point, makes the criterion's checks (raising its errors) and returns the
// curve with everything its printed block shows.
using CurveRoutine = PyCurve (*)(engine::RunContext& ctx, const PyPoint& point, LayerSweep& sweep);
// Writes the curve's block to the report and its records to the plot file.
using BlockRoutine = void (*)(engine::RunContext& ctx, const PyPoint& point, const PyCurve& curve);

// What the layer sweep does with a modulus that is not a number.
enum class NotANumberCheck {
  kNone,           // stored as it is; the solver stops on the deflections
  kStopNotFinite,  // a modulus that is not a finite number stops the run
  kStopNaN,        // a modulus that is not a number stops the run
  kNoteNaN,        // a line in the run-message file, and the modulus is stored
};

// How the layer sweep turns a criterion's curve into the stored modulus of a node.
struct ModulusRules {
  // The deflection of the pile relative to the moving soil (false: the
  // pile's own deflection; the rock does not move with the soil).
  bool relativeToSoil = true;
  // With soil movements, the node also gets the load term ys Es plus the
  // distributed load.
  bool soilMovementLoad = true;
  NotANumberCheck check = NotANumberCheck::kNone;
  // How the not-a-number texts name the criterion.
  std::string_view name;
  // First line of the secant-modulus error block when the block is the short
  // one (its title, then the two text lines without empty lines between).
  std::string_view secantTitle;
  // kNoteNaN: the line written to the run-message file.
  std::string_view note;
};

// The numbered errors a criterion raises (0: none of that kind). Input errors
// are stored as 100 + n, runtime errors as 200 + n.
struct CriterionErrors {
  int noStrength = 0;          // input: zero or negative strength where the layer needs one
  int noStrengthBelowTop = 0;  // input: no strength below the layer's first point
  int noFriction = 0;          // input: zero friction angle
  int steepSlope = 0;          // input: ground slope as steep as the friction angle
  int steepSlopeRuntime = 0;   // runtime: ground slope steeper than the friction angle
  int noStrainFactor = 0;      // input: k_rm not positive
  int fieldTest = 0;           // input: no field test code
  int cycles = 0;              // input: more cycles of loading than the criterion covers
  int noDefaults = 0;          // runtime: an internal default is needed in general units
  int noStrainRange = 0;       // runtime: the strain range of the curve is not positive
  int zeroThickness = 0;       // runtime: a layer whose top and bottom coincide
  int limitingModulus = 0;     // runtime: the limiting modulus is not a number
  int secantModulus = 0;       // runtime: the secant modulus is not a number
};

struct CriterionInfo {
  Criterion code = Criterion::kNone;
  std::string_view key;  // eight characters
  SoilClass soilClass = SoilClass::kOther;
  // Layers below a rock-like layer use the depth below the ground surface
  // instead of an equivalent depth.
  bool rockLike = false;
  CurveRoutine curveAt = nullptr;     // null: the criterion has no curve
  BlockRoutine writeBlock = nullptr;  // null: the criterion has no curve
  ModulusRules modulus;
  CriterionErrors errors;
};

// ---- the functions of the table, defined in the criterion's own file -------

PyCurve softClayCurve(engine::RunContext& ctx, const PyPoint& point, LayerSweep& sweep);
PyCurve softClayJCurve(engine::RunContext& ctx, const PyPoint& point, LayerSweep& sweep);
void writeSoftClayBlock(engine::RunContext& ctx, const PyPoint& point, const PyCurve& curve);

PyCurve stiffClayFreeWaterCurve(engine::RunContext& ctx, const PyPoint& point, LayerSweep& sweep);
PyCurve stiffClayNoFreeWaterCurve(engine::RunContext& ctx, const PyPoint& point, LayerSweep& sweep);
PyCurve stiffClayNoFreeWaterKCurve(engine::RunContext& ctx, const PyPoint& point,
                                   LayerSweep& sweep);
void writeStiffClayBlock(engine::RunContext& ctx, const PyPoint& point, const PyCurve& curve);

PyCurve reeseSandCurve(engine::RunContext& ctx, const PyPoint& point, LayerSweep& sweep);
void writeReeseSandBlock(engine::RunContext& ctx, const PyPoint& point, const PyCurve& curve);
PyCurve apiSandCurve(engine::RunContext& ctx, const PyPoint& point, LayerSweep& sweep);
void writeApiSandBlock(engine::RunContext& ctx, const PyPoint& point, const PyCurve& curve);

PyCurve liquefiedSandCurve(engine::RunContext& ctx, const PyPoint& point, LayerSweep& sweep);
void writeLiquefiedSandBlock(engine::RunContext& ctx, const PyPoint& point, const PyCurve& curve);

PyCurve weakRockCurve(engine::RunContext& ctx, const PyPoint& point, LayerSweep& sweep);
void writeWeakRockBlock(engine::RunContext& ctx, const PyPoint& point, const PyCurve& curve);
PyCurve vuggyLimestoneCurve(engine::RunContext& ctx, const PyPoint& point, LayerSweep& sweep);
void writeVuggyLimestoneBlock(engine::RunContext& ctx, const PyPoint& point, const PyCurve& curve);

PyCurve massiveRockCurve(engine::RunContext& ctx, const PyPoint& point, LayerSweep& sweep);
void writeMassiveRockBlock(engine::RunContext& ctx, const PyPoint& point, const PyCurve& curve);

PyCurve piedmontCurve(engine::RunContext& ctx, const PyPoint& point, LayerSweep& sweep);
void writePiedmontBlock(engine::RunContext& ctx, const PyPoint& point, const PyCurve& curve);

PyCurve cementedSiltCurve(engine::RunContext& ctx, const PyPoint& point, LayerSweep& sweep);
void writeCementedSiltBlock(engine::RunContext& ctx, const PyPoint& point, const PyCurve& curve);

PyCurve loessCurve(engine::RunContext& ctx, const PyPoint& point, LayerSweep& sweep);
void writeLoessBlock(engine::RunContext& ctx, const PyPoint& point, const PyCurve& curve);

PyCurve elasticSubgradeCurve(engine::RunContext& ctx, const PyPoint& point, LayerSweep& sweep);
void writeElasticSubgradeBlock(engine::RunContext& ctx, const PyPoint& point, const PyCurve& curve);

PyCurve userPyCurve(engine::RunContext& ctx, const PyPoint& point, LayerSweep& sweep);
void writeUserPyBlock(engine::RunContext& ctx, const PyPoint& point, const PyCurve& curve);

// ---- the table ----------------------------------------------------------------

inline constexpr int kCriterionCount = 20;

// Row n is criterion code n; row 0, the empty row, stands for a code outside
// 1 to 20.
inline constexpr std::array<CriterionInfo, kCriterionCount + 1> kCriterionTable = [] {
  std::array<CriterionInfo, kCriterionCount + 1> table{};
  const auto row = [&table](Criterion code, std::string_view key,
                            SoilClass soilClass) -> CriterionInfo& {
    CriterionInfo& info = table[static_cast<std::size_t>(code)];
    info.code = code;
    info.key = key;
    info.soilClass = soilClass;
    return info;
  };
  {
    CriterionInfo& r = row(Criterion::kSoftClay, "SoftClay", SoilClass::kCohesive);
    r.curveAt = softClayCurve;
    r.writeBlock = writeSoftClayBlock;
    r.modulus.check = NotANumberCheck::kStopNotFinite;
    r.modulus.name = "soft clay";
    r.modulus.secantTitle = "**** Runtime Error No. 34 ****";
    r.errors.noStrengthBelowTop = 12;
    r.errors.noDefaults = 37;
    r.errors.limitingModulus = 33;
    r.errors.secantModulus = 34;
  }
  {
    CriterionInfo& r = row(Criterion::kStiffClayFreeWater, "StfClyBW", SoilClass::kCohesive);
    r.curveAt = stiffClayFreeWaterCurve;
    r.writeBlock = writeStiffClayBlock;
    r.modulus.check = NotANumberCheck::kNoteNaN;
    r.modulus.note = "Error in stiff clay with water at line 502";
    r.errors.noStrengthBelowTop = 14;
    r.errors.noDefaults = 41;
  }
  {
    CriterionInfo& r = row(Criterion::kStiffClayNoFreeWater, "StfClyAW", SoilClass::kCohesive);
    r.curveAt = stiffClayNoFreeWaterCurve;
    r.writeBlock = writeStiffClayBlock;
    r.errors.noStrengthBelowTop = 13;
    r.errors.noDefaults = 41;
  }
  {
    CriterionInfo& r = row(Criterion::kStiffClayNoFreeWaterK, "StfClyAK", SoilClass::kCohesive);
    r.curveAt = stiffClayNoFreeWaterKCurve;
    r.writeBlock = writeStiffClayBlock;
    r.errors.noStrengthBelowTop = 13;
    r.errors.noDefaults = 41;
  }
  {
    CriterionInfo& r = row(Criterion::kSandReese, "Sand    ", SoilClass::kCohesionless);
    r.curveAt = reeseSandCurve;
    r.writeBlock = writeReeseSandBlock;
    r.modulus.check = NotANumberCheck::kStopNaN;
    r.modulus.name = "Reese Sand";
    r.errors.noFriction = 8;
    r.errors.steepSlope = 9;
    r.errors.noDefaults = 13;
    r.errors.limitingModulus = 32;
    r.errors.secantModulus = 31;
  }
  {
    CriterionInfo& r = row(Criterion::kSandApi, "API Sand", SoilClass::kCohesionless);
    r.curveAt = apiSandCurve;
    r.writeBlock = writeApiSandBlock;
    r.errors.noFriction = 1;
    r.errors.steepSlope = 2;
    r.errors.noDefaults = 13;
  }
  {
    CriterionInfo& r = row(Criterion::kLiquefiedSand, "Liq Sand", SoilClass::kCohesionless);
    r.curveAt = liquefiedSandCurve;
    r.writeBlock = writeLiquefiedSandBlock;
  }
  {
    CriterionInfo& r = row(Criterion::kWeakRock, "WeakRock", SoilClass::kRock);
    r.rockLike = true;
    r.curveAt = weakRockCurve;
    r.writeBlock = writeWeakRockBlock;
    r.errors.noStrength = 62;
    r.errors.noStrengthBelowTop = 16;
    r.errors.noStrainFactor = 63;
    r.errors.noStrainRange = 22;
    r.errors.zeroThickness = 20;
  }
  {
    CriterionInfo& r = row(Criterion::kVuggyLimestone, "Vuggy LS", SoilClass::kRock);
    r.rockLike = true;
    r.curveAt = vuggyLimestoneCurve;
    r.writeBlock = writeVuggyLimestoneBlock;
    r.modulus.relativeToSoil = false;
    r.modulus.soilMovementLoad = false;
  }
  {
    CriterionInfo& r = row(Criterion::kPiedmont, "Piedmont", SoilClass::kOther);
    r.rockLike = true;
    r.curveAt = piedmontCurve;
    r.writeBlock = writePiedmontBlock;
    r.errors.fieldTest = 44;
  }
  {
    CriterionInfo& r = row(Criterion::kCementedSilt, "Cem Silt", SoilClass::kCohesiveIfStrength);
    r.curveAt = cementedSiltCurve;
    r.writeBlock = writeCementedSiltBlock;
    r.errors.noStrengthBelowTop = 48;
    r.errors.noFriction = 10;
    r.errors.steepSlope = 11;
    r.errors.steepSlopeRuntime = 23;
  }
  {
    CriterionInfo& r = row(Criterion::kLoess, "KS Loess", SoilClass::kCohesionless);
    r.curveAt = loessCurve;
    r.writeBlock = writeLoessBlock;
    r.errors.cycles = 70;
  }
  {
    CriterionInfo& r = row(Criterion::kElasticSubgrade, "Elast SG", SoilClass::kElasticSubgrade);
    r.rockLike = true;
    r.curveAt = elasticSubgradeCurve;
    r.writeBlock = writeElasticSubgradeBlock;
  }
  {
    CriterionInfo& r = row(Criterion::kUserPy, "User p-y", SoilClass::kUserInput);
    r.curveAt = userPyCurve;
    r.writeBlock = writeUserPyBlock;
  }
  {
    CriterionInfo& r = row(Criterion::kSoftClayJ, "SoftClyJ", SoilClass::kCohesive);
    r.curveAt = softClayJCurve;
    r.writeBlock = writeSoftClayBlock;
    r.modulus.check = NotANumberCheck::kStopNotFinite;
    r.modulus.name = "API soft clay";
    r.modulus.secantTitle = "**** Runtime Error No 36. ****";
    r.errors.noStrengthBelowTop = 71;
    r.errors.noDefaults = 38;
    r.errors.limitingModulus = 35;
    r.errors.secantModulus = 36;
  }
  {
    CriterionInfo& r = row(Criterion::kMassiveRock, "MassRock", SoilClass::kRock);
    r.rockLike = true;
    r.curveAt = massiveRockCurve;
    r.writeBlock = writeMassiveRockBlock;
    r.modulus.soilMovementLoad = false;
    r.errors.zeroThickness = 20;
  }
  // Frozen soil is read by the input but has no curve: its nodes keep the
  // modulus they had. Codes 18 to 20 name no criterion.
  row(Criterion::kFrozenSoil, "Frz Soil", SoilClass::kOther);
  row(Criterion::kUndefined18, "Undefine", SoilClass::kOther);
  row(Criterion::kUndefined19, "Undefine", SoilClass::kOther);
  row(Criterion::kUndefined20, "Undefine", SoilClass::kOther);
  return table;
}();

// The table row of a criterion code; codes outside 1 to 20 give the empty row 0.
constexpr const CriterionInfo& criterionInfo(int code) {
  return (code >= 1 && code <= kCriterionCount) ? kCriterionTable[code] : kCriterionTable[0];
}
constexpr const CriterionInfo& criterionInfo(Criterion criterion) {
  return criterionInfo(static_cast<int>(criterion));
}

// The criterion of a code read from the input; kNone outside 1 to 20.
constexpr Criterion toCriterion(int code) {
  return criterionInfo(code).code;
}

// The criterion of a soil layer: where the code read from the input becomes
// the typed criterion.
constexpr Criterion criterionOf(const SoilLayer& layer) {
  return toCriterion(layer.criterion);
}

}  // namespace quarn::soil
