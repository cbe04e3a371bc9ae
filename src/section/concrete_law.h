// Which concrete law the analysis of a section uses, as a query for the
// input echo: the input's stress-strain curve or the built-in one in
// compression, and the entered or the computed tensile strength. It reads
// only the section's input record.
#pragma once

#include <string_view>

#include "engine/model_input.h"

namespace quarn::section {

struct ConcreteLawChoice {
  bool hasConcrete = false;             // the section type has a concrete block
  bool inputCompressionCurve = false;   // compression follows the input curve
  int curvePoints = 0;                  // points of that curve
  bool enteredTensileStrength = false;  // the entered modulus of rupture replaces the computed one
};

ConcreteLawChoice concreteLawOf(const PileSection& section);

// One line naming the law; empty for a section without concrete. The
// concrete inside a filled steel core keeps its confined parabola whatever
// the line says.
std::string_view concreteLawDescription(const PileSection& section);

}  // namespace quarn::section
