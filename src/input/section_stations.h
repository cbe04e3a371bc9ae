// The pile property profile: two stations per section (top and bottom) with
// the width used for p-y curves and the elastic properties of the section.
#pragma once

#include "engine/model.h"

namespace quarn::input {

// Elastic properties of a section's cross-section at one end.
struct SectionProperties {
  double width = 0.0;    // D, the width used for p-y curves
  double width2 = 0.0;   // D2, the second dimension
  double area = 0.0;
  double inertia = 0.0;  // about the axis normal to the bending direction
  double modulus = 0.0;
};

// Modulus of elasticity of concrete from its compressive strength, the
// ACI 318 relation Ec = 57000 sqrt(f'c) (psi) as the section mechanics uses
// it; SI strengths in kPa give kPa. General units use the psi relation.
double concreteModulus(double compressiveStrength, int units);

// Properties at the top (`atBottom` false) or bottom of a section. Elastic
// sections use the values entered; the others the gross cross-section with
// the elastic modulus of its main material, the starting values that the
// moment-curvature tables of the section replace during the analysis.
SectionProperties sectionProperties(const PileSection& section, int units, bool atBottom);

// Fills the stations 2s-1 (top) and 2s (bottom) of every section s.
void fillPropertyStations(AnalysisModel& model);

}  // namespace quarn::input
