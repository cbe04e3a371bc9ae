// Input records of the pile, the soil, the loads and the tables. Plain data
// with defaults; the readers fill them and the echo checks them. Arrays are
// 1-based like the input (index 0 unused) unless a comment says otherwise.
// Lengths and stresses are held in the units of the input until the US
// customary conversion of model.cpp (feet to inches, pcf and psf to pci and
// psi); section dimensions are entered in inches (US customary) or converted
// from millimetres to metres by the section reader (SI).
#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/head_load_type.h"
#include "engine/limits.h"

namespace quarn {

// ---------------------------------------------------------------- pile ---

// Section type codes of the SECTIONS input, one enum and one table.
enum class SectionType : int {
  RectangularConcrete = 0,
  DrilledShaft = 1,
  CasedShaft = 2,          // permanent casing
  CasedShaftWithCore = 3,  // entered as 3 (filled core) or -3 (void)
  SteelPipe = 4,
  CircularPrestressed = 5,
  HollowCircularPrestressed = 6,
  SquarePrestressed = 7,
  HollowSquarePrestressed = 8,
  OctagonalPrestressed = 9,
  HollowOctagonalPrestressed = 10,
  Elastic = 11,
  ElasticPlastic = 12,  // elastic with a plastic moment capacity
  UserEi = 13,          // user-defined moment versus EI
  Micropile = 14,
};

inline constexpr int kSectionTypeCount = 15;

// What the input of a section type holds besides its dimensions.
struct SectionTypeInfo {
  SectionType type;
  bool concrete;  // a concrete block (f'c, aggregate, tensile strength, curve)
  bool bars;      // reinforcing bars
  bool strands;   // prestressing strands
};

inline constexpr std::array<SectionTypeInfo, kSectionTypeCount> kSectionTypeTable = {{
    {SectionType::RectangularConcrete, true, true, false},
    {SectionType::DrilledShaft, true, true, false},
    {SectionType::CasedShaft, true, true, false},
    {SectionType::CasedShaftWithCore, true, true, false},
    {SectionType::SteelPipe, false, false, false},
    {SectionType::CircularPrestressed, true, false, true},
    {SectionType::HollowCircularPrestressed, true, false, true},
    {SectionType::SquarePrestressed, true, false, true},
    {SectionType::HollowSquarePrestressed, true, false, true},
    {SectionType::OctagonalPrestressed, true, false, true},
    {SectionType::HollowOctagonalPrestressed, true, false, true},
    {SectionType::Elastic, false, false, false},
    {SectionType::ElasticPlastic, false, false, false},
    {SectionType::UserEi, false, false, false},
    {SectionType::Micropile, false, false, false},
}};

constexpr bool sectionTypeTableInOrder() {
  for (int code = 0; code < kSectionTypeCount; ++code) {
    if (static_cast<int>(kSectionTypeTable[static_cast<std::size_t>(code)].type) != code)
      return false;
  }
  return true;
}
static_assert(sectionTypeTableInOrder(), "row n of the section type table is type code n");

constexpr int sectionTypeCode(SectionType type) {
  return static_cast<int>(type);
}
constexpr const SectionTypeInfo& sectionTypeInfo(SectionType type) {
  return kSectionTypeTable[static_cast<std::size_t>(type)];
}
// True for a code of the table (0 to 14).
constexpr bool isSectionTypeCode(int code) {
  return code >= 0 && code < kSectionTypeCount;
}

// Cross-section shape codes of elastic and elastic-plastic sections.
inline constexpr int kShapeRectangular = 1;
inline constexpr int kShapeCircular = 2;
inline constexpr int kShapeCircularPipe = 3;
inline constexpr int kShapeStrongHPile = 4;
inline constexpr int kShapeWeakHPile = 5;
inline constexpr int kShapeEmbeddedPole = 6;

struct ConcreteData {
  double compressiveStrength = 0.0;     // f'c (psi or kPa)
  double maxAggregateSize = 0.0;        // maximum coarse aggregate size (in or m)
  bool tensileStrengthEntered = false;  // false: the engine computes the modulus of rupture
  double tensileStrength = 0.0;         // modulus of rupture, when entered
  bool userStressStrainCurve = false;   // false: the built-in curve
  int curvePoints = 0;
  std::array<double, kMaxConcreteCurvePoints + 1> curveStrain{};
  std::array<double, kMaxConcreteCurvePoints + 1> curveStress{};
};

// Arrangement of the longitudinal bars of a reinforced section.
inline constexpr int kBarsNone = 0;         // "No rebar"
inline constexpr int kBarsCircular = 1;     // "Rebar in circle": positions from the circular layout
inline constexpr int kBarsNoncircular = 2;  // "Rebar in noncircular pattern": positions as entered
inline constexpr int kBarsUnspecified = 3;  // any other arrangement text: nothing read

// One bar or strand: its code, size and position in the cross-section.
struct BarPosition {
  int code = 0;           // bar size designation (noncircular bars) or strand size code
  double diameter = 0.0;  // in or m
  double area = 0.0;      // in2 or m2
  double x = 0.0;         // centre coordinates from the section centre (in or m)
  double y = 0.0;
};

struct ReinforcementData {
  int arrangement = kBarsNone;
  bool sameAsSectionAbove = false;  // the section uses the bar arrangement of the section above
  double yieldStress = 0.0;
  double elasticModulus = 0.0;
  int numberOfBars = 0;  // groups x bundle size (circle) or bars entered (noncircular)
  // Circular layout inputs; the positions are computed by the section mechanics.
  int groups = 0;
  int bundleSize = 0;  // 1, 2 or 3 bars per group
  double barDiameter = 0.0;
  double barArea = 0.0;
  double cover = 0.0;       // clear cover to the bars
  double offset = 0.0;      // cage offset from the section centre in the bending direction
  bool nonUniform = false;  // bars entered one by one
  std::array<BarPosition, kMaxBars + 1> bars{};  // noncircular bars as entered
};

// Strand arrangement codes of automatically positioned strands.
inline constexpr int kStrandsOnCircle = 0;
inline constexpr int kStrandsSquarePattern1 = 1;
inline constexpr int kStrandsSquarePattern2 = 2;

struct StrandData {
  bool autoPositioned = false;  // "Autoposition strands" (true) or "Manually-positioned strands"
  int strandType = 0;  // 0 PCI 250, 1 PCI 270, 2 PCI 300, 3 and 4 smooth bars, 5 deformed bars
  int sizeCode = 0;    // of every strand (auto) or of the last strand entered (manual)
  int numberOfStrands = 0;
  double jackingForce = 0.0;
  double lossFraction = 0.0;  // loss of prestress as a fraction of the jacking force
  double cover = 0.0;         // clear cover to the strands (auto)
  int arrangementCode = 0;    // kStrandsOnCircle or a square pattern (auto)
  // From the strand table: ultimate strength fpu (psi, or kPa in SI runs),
  // elastic modulus Es (ksi, or kPa in SI runs), diameter and area of the
  // first strand (in and in2, or m and m2).
  double ultimateStrength = 0.0;
  double elasticModulus = 0.0;
  double strandDiameter = 0.0;
  double strandArea = 0.0;
  // Every strand's diameter and area; positions only when entered manually
  // (the automatic layouts are computed by the section mechanics).
  std::array<BarPosition, kMaxBars + 1> strands{};
};

// Elastic (type 11) and elastic-plastic (type 12) sections: the stiffness is
// entered directly. Top and bottom values describe a tapered section; for the
// H-pile shapes, which have one set of values, the bottom repeats the top.
struct ElasticData {
  int shape = 0;  // kShapeRectangular .. kShapeEmbeddedPole
  double elasticModulus = 0.0;
  double plasticMomentTop = 0.0;  // type 12 only
  double plasticMomentBottom = 0.0;
  double widthTop = 0.0;  // width or diameter; flange width of an H-pile
  double widthBottom = 0.0;
  double depthTop = 0.0;  // rectangular: section depth; H-pile: section depth
  double depthBottom = 0.0;
  double wallThicknessTop = 0.0;  // circular pipe
  double wallThicknessBottom = 0.0;
  double flangeThickness = 0.0;  // H-pile, stored as entered
  double webThickness = 0.0;
  double areaTop = 0.0;
  double areaBottom = 0.0;
  double inertiaTop = 0.0;  // moment of inertia
  double inertiaBottom = 0.0;
  double holeDiameter = 0.0;  // embedded pole: the drilled hole, width used for p-y curves
};

// One axial thrust of a user-defined moment versus EI section (type 13).
struct UserEiCurve {
  double axialThrust = 0.0;
  std::vector<double> moment;     // 0-based, at most kMaxUserEiPoints
  std::vector<double> stiffness;  // EI at each moment
};

struct PileSection {
  SectionType type = SectionType::RectangularConcrete;  // -3 is stored as 3 with coreFilled false
  bool coreFilled = false;  // type 3: core filled with concrete (b_FillCoreWithConcrete)
  double length = 0.0;      // along the pile (feet in US customary input)
  double topDepth = 0.0;    // distance of the section top from the pile head
  double bottomDepth = 0.0;
  // Width used for p-y curves (diameter, pile width, outside diameter of a
  // casing or pipe, hole diameter of an embedded pole); the pile diameter of
  // the section for the soil and the pile model. Top value for tapered sections.
  double diameter = 0.0;
  double sectionDepth = 0.0;      // rectangular concrete pile: depth in the bending direction
  double voidDiameter = 0.0;      // hollow prestressed piles
  double chamfer = 0.0;           // square prestressed piles: corner chamfer
  double wallThickness = 0.0;     // casing or pipe wall
  double steelYieldStress = 0.0;  // casing or pipe (and the core of type 3 unless given apart)
  double steelModulus = 0.0;
  double coreDiameter = 0.0;  // type 3: outside diameter of the core tube
  double coreWallThickness = 0.0;
  // Type 3: the two further values of the input line set, the yield stress
  // and the elastic modulus of the core tube; zero or less means the core
  // steel is the casing steel.
  double coreYieldStress = 0.0;
  double coreModulus = 0.0;
  ConcreteData concrete;            // types 0 to 3 and 5 to 10
  ReinforcementData rebar;          // types 0 to 3
  StrandData prestress;             // types 5 to 10
  ElasticData elastic;              // types 11 and 12
  std::vector<UserEiCurve> userEi;  // type 13, one curve per axial thrust
};

// A point of the pile property profile: each section contributes one station
// at its top and one at its bottom (PropertyStation). Values between stations
// are interpolated by the pile model; EI as the product I x E.
struct PropertyStation {
  double depth = 0.0;    // along the pile from the head (feet in US customary input)
  double width = 0.0;    // D, the width used for p-y curves
  double width2 = 0.0;   // D2, the second dimension (section depth, pole width)
  double inertia = 0.0;  // I
  double modulus = 0.0;  // E
  double area = 0.0;     // A
};

struct Pile {
  double length = 0.0;              // feet in US customary input, inches after conversion
  double groundSurfaceDepth = 0.0;  // depth of the ground surface below the pile head
  int numberOfSections = 0;
  int numberOfSectionsForNodes = 0;  // copy kept by the unit conversion for the node setup
  std::array<PileSection, kMaxSections + 1> sections{};  // 1-based
  std::array<double, kMaxSections + 2>
      sectionBoundaryDepths{};  // 1-based, top of each section and the tip
  int numberOfStations = 0;     // 2 x sections
  std::array<PropertyStation, 2 * kMaxSections + 1> stations{};  // 1-based
};

// ---------------------------------------------------------------- soil ---

// A value at the top and at the bottom of a soil layer (index 0 top, 1 bottom).
using LayerValue = std::array<double, 2>;
using LayerCode = std::array<int, 2>;

struct UserPyCurve {
  double depth = 0.0;  // the layer top (curve 0) or bottom (curve 1)
  int points = 0;
  std::array<double, kMaxUserPyPoints + 1> y{};  // 1-based
  std::array<double, kMaxUserPyPoints + 1> p{};
};

struct SoilLayer {
  int criterion = 0;  // code 1..20 into the criterion key table
  double top = 0.0;   // depth of the layer top below the pile head
  double bottom = 0.0;
  LayerValue unitWeight{};  // effective unit weight
  LayerValue cohesion{};    // undrained cohesion, or uniaxial compressive strength of rock
  LayerValue epsilon50{};
  LayerValue subgradeK{};      // subgrade modulus k (also the elastic subgrade modulus)
  LayerValue frictionAngle{};  // degrees
  LayerValue jFactor{};
  LayerValue rockModulus{};  // initial modulus of rock
  LayerValue rqd{};          // percent
  LayerValue krm{};
  LayerCode fieldTestCode{};  // Piedmont: 1 SPT, 2 CPT, 3 DMT, 4 PMT
  LayerValue sptN60{};
  LayerValue coneTip{};  // cone tip resistance (Piedmont, loess)
  LayerValue dilatometerModulus{};
  LayerValue pressuremeterModulus{};
  LayerCode rockTypeCode{};  // massive rock: selects the rock-type sentence of the echo
  LayerValue gsi{};          // geological strength index
  LayerValue poissonRatio{};
  std::array<UserPyCurve, 2> userCurves{};  // at the layer top and bottom
};

struct Soil {
  int numberOfLayers = 0;
  std::array<SoilLayer, kMaxLayers + 1> layers{};  // 1-based
};

// --------------------------------------------------------------- loads ---

struct PileHeadLoad {
  // The pair of head conditions. A case that is not analysed (LRFD, bending
  // stiffness only) keeps kShearMoment whatever code it gave.
  HeadLoadType loadType = HeadLoadType::kShearMoment;
  double condition1 = 0.0;   // shear or pile-head deflection
  double condition2 = 0.0;   // moment, slope or rotational stiffness
  double axialThrust = 0.0;
  bool computeLengthStudy = false;  // pile-head deflection versus pile length
};

// Distributed lateral load: depth along the pile and load per unit length.
struct DistributedLoadTable {
  int points = 0;
  std::array<double, kMaxDistributedPoints + 1> depth{};  // 1-based
  std::array<double, kMaxDistributedPoints + 1> load{};
};

// LRFD load type indices (which factor of a combination applies).
inline constexpr int kLrfdDeadLoad = 1;
inline constexpr int kLrfdSpecialLoad = kLrfdLoadTypes;

struct LrfdLoad {
  int loadTypeIndex = 0;  // 1 (DL) .. 13 (Sp)
  double horizontalForce = 0.0;
  double moment = 0.0;
  double axialForce = 0.0;
  int distributedPointCount = 0;  // 0 or 2 .. kMaxLrfdDistributedPoints
  std::array<double, kMaxLrfdDistributedPoints + 1> distributedDepth{};  // 1-based
  std::array<double, kMaxLrfdDistributedPoints + 1> distributedLoad{};
};

struct LrfdCombination {
  std::array<double, kLrfdLoadTypes + 1> loadFactors{};  // 1-based by load type index
  double flexureResistanceFactor = 0.0;
  double shearResistanceFactor = 0.0;
  std::string name;  // as entered, trailing blanks removed
};

// Which of LOADING and AXIAL THRUST LOADS was read last: the later one
// supplies the axial thrusts of the section analysis.
inline constexpr int kThrustsFromNone = 0;
inline constexpr int kThrustsFromLoading = 1;
inline constexpr int kThrustsFromAxialThrustLoads = 2;

struct Loads {
  // LOADING
  int numberOfLoadCases = 0;
  std::array<PileHeadLoad, kMaxLoadCases + 1> headLoads{};  // 1-based
  DistributedLoadTable distributed;
  // LRFD LOADS and LRFD FACTORS AND CASES
  int numberOfLrfdLoads = 0;
  std::array<LrfdLoad, kMaxLrfdLoads + 1> lrfdLoads{};  // 1-based
  int numberOfLrfdCombinations = 0;
  std::array<LrfdCombination, kMaxLrfdCombinations + 1> lrfdCombinations{};  // 1-based
  // AXIAL THRUST LOADS: forces for a bending-stiffness-only run or for the
  // interaction diagrams, ascending.
  int numberOfThrustLoads = 0;
  std::array<double, kMaxAxialThrusts + 1> thrustLoads{};  // 1-based
  int thrustSource = kThrustsFromNone;
  // Axial thrust list of the section analysis, derived after END.
  int numberOfAxialThrusts = 0;
  std::array<double, kMaxAxialThrusts + 1> axialThrusts{};  // 1-based, ascending and distinct
};

// -------------------------------------------------------------- tables ---

struct TipShearCurve {
  int points = 0;
  std::array<double, kMaxTipShearPoints + 1> displacement{};  // 1-based
  std::array<double, kMaxTipShearPoints + 1> shear{};
};

struct BatterAndSlope {
  double slopeAngle = 0.0;           // ground slope, radians
  double batterAngle = 0.0;          // pile batter, radians
  double effectiveSlopeAngle = 0.0;  // slope minus batter, radians
};

struct SoilMovementTable {
  int points = 0;
  std::array<double, kMaxSoilMovementPoints + 1> depth{};  // 1-based
  std::array<double, kMaxSoilMovementPoints + 1> movement{};
};

struct MultiplierTable {
  int rows = 0;
  std::array<double, kMaxMultiplierRows + 1> depth{};  // 1-based
  std::array<double, kMaxMultiplierRows + 1> pMultiplier{};
  std::array<double, kMaxMultiplierRows + 1> yMultiplier{};
};

struct PyOutputDepths {
  int count = 0;
  std::array<double, kMaxPyOutputDepths + 1> depth{};  // 1-based
};

struct Tables {
  TipShearCurve tipShear;
  BatterAndSlope batter;
  SoilMovementTable soilMovement;
  MultiplierTable multipliers;
  PyOutputDepths pyOutput;
};

}  // namespace quarn
