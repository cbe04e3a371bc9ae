// Results kept per load case for the summary of pile responses. The analysis
// of the load cases fills them from each case's response; the summary only
// reads them.
#pragma once

#include <array>

#include "engine/limits.h"

namespace quarn {

// Largest moment and shear within one pile section for one load case: the
// signed values of largest magnitude and the nodes where they occur.
struct SectionMaxima {
  double moment = 0.0;
  int momentNode = 0;
  double shear = 0.0;
  int shearNode = 0;
};

struct CaseResult {
  double headDeflection = 0.0;  // y(1)
  double headSlope = 0.0;       // computed slope at the pile head
  double headShear = 0.0;       // computed shear at the pile head
  double maxMoment = 0.0;       // signed value of largest magnitude along the pile
  double maxShear = 0.0;
  // By pile section 1..kMaxSections: what the LRFD moment performance table
  // of the summary reads.
  std::array<SectionMaxima, kMaxSections + 1> sectionMaxima{};
};

struct CaseResults {
  std::array<CaseResult, kMaxLoadCases + 1> cases{};  // 1-based by load case
};

}  // namespace quarn
