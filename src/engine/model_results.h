// Results kept per load case for the summary of pile responses.
#pragma once

#include <array>

#include "engine/limits.h"

namespace quarn {

struct CaseResult {
  double headDeflection = 0.0;  // y(1)
  double headSlope = 0.0;       // computed slope at the pile head
  double headShear = 0.0;
  double headMoment = 0.0;
  double maxMoment = 0.0;       // signed value of largest magnitude
  double maxMomentX = 0.0;      // its distance from the pile head
  double maxShear = 0.0;
  double maxShearX = 0.0;
  int iterations = 0;
};

struct CaseResults {
  int casesReported = 0;
  std::array<CaseResult, kMaxLoadCases + 1> cases{};  // 1-based by load case
};

}  // namespace quarn
