// The section working state: everything the analysis of one pile section
// works on. Loaded from the section input and sliced once per section (and
// axial thrust); every strain state then fills the strain and stress arrays
// in place. Nothing in it is allocated after construction; it is large
// (fixed-capacity arrays), so hold it on the heap or inside a larger object.
#pragma once

#include "section/materials.h"
#include "section/slice_model.h"

namespace quarn::section {

// Resultant axial forces of one evaluation, compression positive.
struct ComponentForces {
  double concrete = 0.0;
  double bars = 0.0;
  double casing = 0.0;
  double coreTube = 0.0;
  double coreConcrete = 0.0;
  double hPile = 0.0;
  double total = 0.0;
};

// Moments about the mid-depth of the section, positive for compression above it.
struct ComponentMoments {
  double concrete = 0.0;
  double bars = 0.0;
  double casing = 0.0;
  double coreTube = 0.0;
  double coreConcrete = 0.0;
  double hPile = 0.0;
  double total = 0.0;
};

// Strains and stresses of the last evaluation, per slice 1..100.
struct SliceStresses {
  SliceArray strain{};
  SliceArray concrete{};
  SliceArray coreConcrete{};
  SliceArray steel{};     // bars or strands
  SliceArray casing{};    // casing or pipe wall
  SliceArray coreTube{};  // core tubes
  SliceArray hPile{};
};

// Nominal axial capacities (forces in working units: kips or kN).
struct AxialCapacities {
  double Pcap = 0.0;     // compression, positive
  double Tcap = 0.0;     // tension, negative
  double Pcr = 0.0;      // tensile load that cracks the concrete, negative; 0 without it
  double barArea = 0.0;  // A_s, the sum of the bar areas
  // Concrete properties as the capacity step and the section report compute
  // them (reinforced concrete).
  ConcreteProperties reportConcrete;
};

struct SectionState {
  int sectionIndex = 0;                                        // 1-based index of the pile section
  SectionType sectionType = SectionType::RectangularConcrete;  // input type code
  SliceModel slices;                                           // holds the section kind
  MaterialState materials;
  SectionFlags flags;
  SliceStresses stresses;
  ComponentForces forces;
  AxialCapacities capacities;

  // Input facts the report and the capacities use.
  double barCover = 0.0;   // clear cover to the bars or strands
  double barOffset = 0.0;  // cage offset added to every bar y
  double edgeToEdgeBarSpacing = 0.0;
  int bundleSize = 1;
  bool uniformBars = false;  // every bar alike, placed by a layout
};

}  // namespace quarn::section
