#include "analysis/head_stiffness.h"

#include <cmath>
#include <string>

#include "analysis/case_response.h"
#include "analysis/load_cases.h"
#include "analysis/pile_model.h"
#include "engine/messages.h"
#include "engine/single_precision.h"

namespace quarn::analysis {

namespace {

// Values below this magnitude count as zero head values of load case 1.
constexpr double kZeroHeadValue = sp(1.0e-7f);

// Substitutes for a zero shear (10 lbs) and a zero moment (100 in-lbs), and
// the same in kN and kN-m.
constexpr double kDefaultShearUs = 10.0;
constexpr double kDefaultMomentUs = 100.0;
constexpr double kDefaultShearSi = sp(0.0444822f);
constexpr double kDefaultMomentSi = sp(0.01129848f);

// A stiffness run is not a load case: no progress lines, no thin-layer
// check (the load cases on the same nodes passed it), the bending stiffness
// always from the tables, its own not-a-number block, and an end without a
// message where a load case would stop on its deflection limit.
constexpr IterationRules kStiffnessRunRules{
    .progressLines = false,
    .thinLayerCheck = false,
    .stiffnessUpdateAlways = true,
    .notANumber = IterationRules::NotANumber::kStopEitherValue,
    .excessDeflectionStops = false,
};

// A head value of case 1, or its substitute when it is zero.
double levelBase(double value, int units, double us, double si, bool& substituted) {
  substituted =
      std::fabs(value) < kZeroHeadValue && (units == kUnitsUsCustomary || units == kUnitsSi);
  if (!substituted) return value;
  return units == kUnitsUsCustomary ? us : si;
}

}  // namespace

double loadLevelCoefficient(int i) {
  QUARN_ASSERT(i >= 1 && i <= kStiffnessLevels, "load level " + std::to_string(i));
  return i == 1 ? sp(0.1f) : std::log10(static_cast<double>(i));
}

StiffnessLoadLevels stiffnessLoadLevels(const AnalysisModel& model) {
  const PileHeadLoad& first = model.loads.headLoads[1];
  const int units = model.options.IUNITS;
  StiffnessLoadLevels levels;
  levels.shear =
      levelBase(first.condition1, units, kDefaultShearUs, kDefaultShearSi, levels.shearSubstituted);
  levels.moment = levelBase(first.condition2, units, kDefaultMomentUs, kDefaultMomentSi,
                            levels.momentSubstituted);
  levels.thrust = first.axialThrust;
  for (int i = 1; i <= kStiffnessLevels; ++i) {
    const double c = loadLevelCoefficient(i);
    levels.V[static_cast<std::size_t>(i)] = levels.shear * c;
    levels.M[static_cast<std::size_t>(i)] = levels.moment * c;
  }
  return levels;
}

HeadCondition stiffnessRunHead(const StiffnessLoadLevels& levels, int r) {
  QUARN_ASSERT(r >= 1 && r <= kStiffnessRuns, "stiffness run " + std::to_string(r));
  HeadCondition head;
  head.Q = levels.thrust;
  if (r <= kStiffnessLevels) {
    head.loadType = HeadLoadType::kShearSlope;
    head.Pt = levels.V[static_cast<std::size_t>(r)];
    head.St = 0.0;
  } else {
    head.loadType = HeadLoadType::kDeflectionMoment;
    head.Yt = 0.0;
    head.Mt = levels.M[static_cast<std::size_t>(r - kStiffnessLevels)];
  }
  return head;
}

HeadStiffnessTerms stiffnessTerms(const StiffnessLoadLevels& levels, int i,
                                  const StiffnessRun& shearRun, const StiffnessRun& momentRun) {
  HeadStiffnessTerms t;
  t.K22 = levels.V[static_cast<std::size_t>(i)] / shearRun.headDeflection;
  t.K32 = -shearRun.headMoment / shearRun.headDeflection;
  t.K23 = momentRun.headShear / momentRun.headSlope;
  t.K33 = -levels.M[static_cast<std::size_t>(i)] / momentRun.headSlope;
  return t;
}

HeadStiffness Compute_Head_Stiffness(engine::RunContext& ctx, RunVerdictWriter writeVerdict) {
  AnalysisModel& model = ctx.model;
  HeadStiffness result;
  result.levels = stiffnessLoadLevels(model);
  if (!result.levels.defined()) {
    // General units have no default load level for a zero head value: a
    // stiffness from a zero load over a zero deflection means nothing. The
    // report says so in place of the table.
    result.status = HeadStiffnessStatus::kNoLoadLevels;
    engine::registerWarning(model.state, kWarningStiffnessNotComputed);
    return result;
  }

  // Every run starts on the nodes of the pile of the input with the loads
  // the last case left on them; one response serves all runs.
  CaseResponse response;
  for (int r = 1; r <= kStiffnessRuns; ++r) {
    setupPileModel(ctx, NodeLoads::kKept);
    startQuietSolution(ctx, stiffnessRunHead(result.levels, r));
    const IterationOutcome outcome = iterateCase(ctx, r, kStiffnessRunRules);
    if (!outcome.converged) {
      result.status = HeadStiffnessStatus::kAbandoned;
      return result;
    }
    computeCaseResponse(model, r, outcome, response);
    writeVerdict(ctx, response.equilibrium);
    StiffnessRun& run = result.run[static_cast<std::size_t>(r)];
    run.headDeflection = response.headDeflection();
    run.headSlope = response.headSlope;
    run.headShear = response.headShear;
    run.headMoment = response.headMoment;
  }
  for (int i = 1; i <= kStiffnessLevels; ++i) {
    result.term[static_cast<std::size_t>(i)] =
        stiffnessTerms(result.levels, i, result.run[static_cast<std::size_t>(i)],
                       result.run[static_cast<std::size_t>(i + kStiffnessLevels)]);
  }
  result.status = HeadStiffnessStatus::kComputed;
  return result;
}

}  // namespace quarn::analysis
