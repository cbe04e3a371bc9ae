// Input records of the pile, the soil, the loads and the tables. Plain data
// with defaults; the readers fill them and the echo checks them.
#pragma once

#include <array>

#include "engine/limits.h"

namespace quarn {

// A value at the top and at the bottom of a soil layer (index 0 top, 1 bottom).
using LayerValue = std::array<double, 2>;

struct PileSection {
  int type = 0;               // section type code
  double length = 0.0;        // along the pile (feet in US customary input)
  double topDepth = 0.0;      // distance of the section top from the pile head
  double bottomDepth = 0.0;
};

struct Pile {
  double length = 0.0;               // feet in US customary input, inches after conversion
  double groundSurfaceDepth = 0.0;   // depth of the ground surface below the pile head
  int numberOfSections = 0;
  int numberOfSectionsForNodes = 0;  // copy kept by the unit conversion for the node setup
  std::array<PileSection, kMaxSections + 1> sections{};           // 1-based
  std::array<double, kMaxSections + 2> sectionBoundaryDepths{};   // 1-based, top of each section and the tip
};

struct UserPyCurve {
  double depth = 0.0;
  int points = 0;
  std::array<double, kMaxUserPyPoints + 1> y{};  // 1-based
  std::array<double, kMaxUserPyPoints + 1> p{};
};

struct SoilLayer {
  int criterion = 0;          // code 1..20 into the criterion key table
  double top = 0.0;           // depth of the layer top below the pile head
  double bottom = 0.0;
  LayerValue unitWeight{};    // effective unit weight
  LayerValue cohesion{};      // undrained cohesion, or uniaxial compressive strength of rock
  LayerValue epsilon50{};
  LayerValue subgradeK{};     // subgrade modulus k (also the elastic subgrade modulus)
  LayerValue frictionAngle{}; // degrees
  LayerValue jFactor{};
  LayerValue rockModulus{};   // initial modulus of rock
  LayerValue rqd{};           // percent
  LayerValue krm{};
  LayerValue fieldTestCode{}; // Piedmont: 1 SPT, 2 CPT, 3 DMT, 4 PMT
  LayerValue sptN60{};
  LayerValue coneTip{};       // cone tip resistance (Piedmont, loess)
  LayerValue dilatometerModulus{};
  LayerValue pressuremeterModulus{};
  LayerValue rockTypeCode{};  // massive rock
  LayerValue gsi{};           // geological strength index
  LayerValue poissonRatio{};
  std::array<UserPyCurve, 2> userCurves{};  // at the layer top and bottom
};

struct Soil {
  int numberOfLayers = 0;
  std::array<SoilLayer, kMaxLayers + 1> layers{};  // 1-based
};

struct SoilMovementTable {
  int points = 0;
  std::array<double, kMaxSoilMovementPoints + 1> depth{};     // 1-based
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
  SoilMovementTable soilMovement;
  MultiplierTable multipliers;
  PyOutputDepths pyOutput;
};

}  // namespace quarn
