// Pile-head deflection versus pile length: the pile, soil and head loading
// of a load case analysed again for shorter and shorter piles, down to 5 %
// of the full length, to show how the head deflection grows as the
// embedment is reduced. Engineers use it to choose the embedment. The study
// computes; the report prints it (its table and the plot records).
#pragma once

#include <array>

#include "analysis/case_response.h"
#include "engine/run_context.h"

namespace quarn::analysis {

// Trial lengths of a study: 100 %, 95 %, ..., 5 % of the pile length.
inline constexpr int kLengthStudyTrials = 20;

// A trial that converged within the allowed head deflection.
struct LengthPoint {
  double pileLength = 0.0;  // the trial's pile length, x(N)
  double headDeflection = 0.0;
  double headShear = 0.0;  // computed at the pile head
  double maxMoment = 0.0;  // signed value of largest magnitude along the pile
  double maxShear = 0.0;
};

struct LengthStudy {
  int loadCase = 0;
  PileHeadLoad load;  // the head values of the case as entered
  int points = 0;
  std::array<LengthPoint, kLengthStudyTrials + 1> point{};  // 1..points, longest first
};

// Length of trial a = 0..19: (1 - 0.05 a) L0, the factor formed in single
// precision (0.949999988079071 for a = 1).
double trialLength(double L0, int a);

// A trial is skipped when its length is less than 5 % of L0 (0.05 in single
// precision) plus the depth of the ground surface below the pile head: such
// a pile would stand almost entirely above the ground.
bool trialSkipped(double trialLength, double L0, double groundSurfaceDepth);

// `Run_Length_Study`: the trials of load case L in order of decreasing
// length, L0 the pile length of the input. A trial is a quiet solution
// (iterateCase without progress lines, thin-layer check or not-a-number
// or small-pivot stop, the bending stiffness always from the tables). A converged trial
// whose head deflection is within the allowed deflection and whose last
// change is strictly below the tolerance is a point; the study goes on with
// the next length. A trial that exceeds the deflection limit after iteration
// 10, runs out of iterations, loses the pivot of its head system (a lateral
// bearing failure) or gives deflections that are not a number or overflow
// ends the study with the points found so far, without a message. The pile
// length and its node grid are restored at the end; the print options are
// left as the input set them. `scratch` holds the response of a trial (its
// storage sized once by the caller). Writes nothing; an error of a solver or
// a p-y criterion stops the run as in a load case.
LengthStudy Run_Length_Study(engine::RunContext& ctx, int L, double L0, CaseResponse& scratch);

}  // namespace quarn::analysis
