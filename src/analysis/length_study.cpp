#include "analysis/length_study.h"

#include <cmath>
#include <string>

#include "analysis/load_cases.h"
#include "analysis/pile_model.h"
#include "engine/messages.h"
#include "engine/single_precision.h"

namespace quarn::analysis {

namespace {

// A trial is not a load case: no progress lines, no thin-layer check (a
// shorter pile on the same number of increments only brings the nodes
// closer), the bending stiffness always from the tables, and an end without
// a message where a load case would stop on its deflection limit. A trial
// pile too short to carry the load fails in one of three ways: its head
// passes the deflection limit, its head system loses its pivot (a lateral
// bearing failure), or its deflections overflow. Each is the answer the
// study looks for, the length at which the pile no longer works, so each
// ends the study quietly; none stops the run, which goes on with its other
// cases, its summary and its stiffness terms. (Overflowed deflections handed
// to the p-y criteria would stop the run with a soil-modulus error.)
constexpr IterationRules kTrialRules{
    .progressLines = false,
    .thinLayerCheck = false,
    .stiffnessUpdateAlways = true,
    .notANumber = IterationRules::NotANumber::kEndIteration,
    .excessDeflectionStops = false,
    .smallPivotStops = false,
};

// `Record_Length_Point`: the response of the converged trial, kept as the
// next point of the study.
void Record_Length_Point(const AnalysisModel& model, const IterationOutcome& outcome,
                         LengthStudy& study, CaseResponse& trial) {
  QUARN_ASSERT(study.points < kLengthStudyTrials, "more points than trials in a length study");
  computeCaseResponse(model, study.loadCase, outcome, trial);
  LengthPoint& point = study.point[static_cast<std::size_t>(++study.points)];
  point.pileLength = model.pileModel.node[static_cast<std::size_t>(model.pileModel.N)].x;
  point.headDeflection = trial.headDeflection();
  point.headShear = trial.headShear;
  point.maxMoment = trial.maxMoment;
  point.maxShear = trial.maxShear;
}

}  // namespace

double trialLength(double L0, int a) {
  // The factor as single-precision arithmetic forms it: 0.05 a rounded, then
  // 1 minus that rounded.
  const float reduction = 0.05f * static_cast<float>(a);
  const float factor = 1.0f - reduction;
  return static_cast<double>(factor) * L0;
}

bool trialSkipped(double trialLength, double L0, double groundSurfaceDepth) {
  return trialLength < sp(0.05f) * L0 + groundSurfaceDepth;
}

LengthStudy Run_Length_Study(engine::RunContext& ctx, int L, double L0, CaseResponse& scratch) {
  AnalysisModel& model = ctx.model;
  QUARN_ASSERT(L >= 1 && L <= model.loads.numberOfLoadCases,
               "length study of load case " + std::to_string(L));
  const Options& options = model.options;
  LengthStudy study;
  study.loadCase = L;
  study.load = model.loads.headLoads[static_cast<std::size_t>(L)];
  const HeadCondition head = headConditionFor(study.load);

  for (int a = 0; a < kLengthStudyTrials; ++a) {
    const double length = trialLength(L0, a);
    if (trialSkipped(length, L0, model.pile.groundSurfaceDepth)) continue;
    model.pile.length = length;
    setupPileModel(ctx);
    startQuietSolution(ctx, head);
    const IterationOutcome outcome = iterateCase(ctx, L, kTrialRules);
    if (!outcome.converged) break;
    const PileModel& pm = model.pileModel;
    if (std::fabs(pm.y(1)) <= options.maxAllowableDeflection &&
        pm.dYmax < options.convergenceTolerance) {
      Record_Length_Point(model, outcome, study, scratch);
    }
  }

  // The pile of the input again, with its nodes where the case had them: a
  // run that follows on these nodes without placing its loads (the
  // pile-head stiffness runs) finds the loads of the full-length pile.
  model.pile.length = L0;
  placeNodes(model);
  return study;
}

}  // namespace quarn::analysis
