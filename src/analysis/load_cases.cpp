#include "analysis/load_cases.h"

#include <cmath>
#include <string>

#include "analysis/analysis_errors.h"
#include "analysis/lrfd.h"
#include "analysis/length_study.h"
#include "analysis/pile_model.h"
#include "analysis/solver.h"
#include "analysis/stiffness_update.h"
#include "engine/message_blocks.h"
#include "engine/messages.h"
#include "output/format.h"
#include "output/plot_records.h"
#include "soil/criteria.h"
#include "soil/py_framework.h"
#include "soil/py_output.h"

namespace quarn::analysis {

namespace {

using engine::Channel;
using engine::RunContext;
using output::write;

constexpr int kFirstIterationChecked = 6;   // a case takes at least six solutions
constexpr int kFirstExcessCheck = 11;       // the deflection limit is tested from here on
constexpr int kReportedLastIterations = 5;  // iteration lines copied to the report
constexpr int kVuggyLimestone = 9;

// ---- setup ------------------------------------------------------------------

// The vuggy-limestone pass of the case setup: the layer's routine runs once
// per node of the pile over the whole layer, marking the layers below rock.
void vuggyLimestonePass(RunContext& ctx) {
  AnalysisModel& model = ctx.model;
  PileModel& pm = model.pileModel;
  for (int node = 1; node <= pm.N; ++node) {
    for (int j = 1; j <= model.soil.numberOfLayers; ++j) {
      if (model.soil.layers[j].criterion != kVuggyLimestone || pm.i_TopNodeInLayer[j] == 0)
        continue;
      soil::CriterionCall call;
      call.layer = j;
      call.NodeFirst = pm.i_TopNodeInLayer[j];
      call.NodeLast = pm.i_BottomNodeInLayer[j];
      soil::runCriterion(ctx, call);
      if (model.layering.RockLayersAbove > 0) model.layering.NoEquivDepth[j] = true;
      ++model.layering.RockLayersAbove;
    }
  }
}

// pileLength: the pile length of the input, which the length study changes.
void setUpCase(RunContext& ctx, int L, double pileLength) {
  AnalysisModel& model = ctx.model;
  model.pile.length = pileLength;
  setupPileModel(ctx);
  const bool lrfd = model.options.useLrfd;
  if (lrfd) {
    Compute_Lrfd_Distributed_Loads(model);
    writeLrfdDistributedLoads(ctx);
  }
  write(ctx.messages, "(\"Computing lateral response of pile for load number \" I0)", {L});
  model.state.warningOccurrences.fill(0);
  // Combination L loads the pile with its factored distributed load and is
  // solved as a load case of type 1 with its factored head loads.
  if (lrfd) {
    PileModel& pm = model.pileModel;
    for (int k = 1; k <= pm.N; ++k) pm.node[k].w = fn_Lrfd_Node_Load(model, k, L);
  }
  setInitialSprings(model);
  vuggyLimestonePass(ctx);
  startLoadCase(model.pileModel,
                lrfd ? lrfdHeadCondition(model, L) : headConditionFor(model.loads.headLoads[L]));
  // The first solution already uses the tables' initial stiffness.
  if (model.options.ICOM >= kAnalysisFull) updateBendingStiffnessForCase(model);
}

// ---- stopping tests and their blocks ------------------------------------------

[[noreturn]] void stopOnNotANumber(RunContext& ctx, int k, const char* what) {
  engine::stopWithMessage(ctx, analysisMessageBlock(kRuntimeNotANumber),
                          {what, output::formatMinimalInteger(k)});
}

// The not-a-number test after a solution: true when the iteration ends.
bool endsOnNotANumber(RunContext& ctx, int k, IterationRules::NotANumber rule) {
  const PileModel& pm = ctx.model.pileModel;
  if (rule == IterationRules::NotANumber::kEndIteration) {
    // Overflowed deflections can no more converge than ones that are not a number.
    return !std::isfinite(pm.y(1)) || !std::isfinite(pm.dYmax);
  }
  const bool head = std::isnan(pm.y(1));
  if (!head && !std::isnan(pm.dYmax)) return false;
  switch (rule) {
    case IterationRules::NotANumber::kStopNamingTheValue:
      stopOnNotANumber(
          ctx, k,
          head ? "Top deflection is Not-A-Number" : "Maximum change in deflection is Not-A-Number");
    case IterationRules::NotANumber::kStopEitherValue:
      stopOnNotANumber(ctx, k,
                       "Either top deflection or maximum change in deflection is not a number");
    case IterationRules::NotANumber::kEndIteration:
      break;
  }
  return true;
}

void writeIterationLine(RunContext& ctx, int L, int k) {
  const PileModel& pm = ctx.model.pileModel;
  write(ctx.messages,
        "(\"Analysis Case \" I0 \",\" T20 \"Iteration \" I0 \",\" T36 \"Y(top) =\" ES12.4 "
        "\", dYmax =\" ES12.4 \", Delta dYmax =\" ES12.4)",
        {L, k, pm.y(1), pm.dYmax, pm.deltaDYmax});
  if (k > ctx.model.options.maxIterations - kReportedLastIterations) {
    write(ctx.report,
          "(\"For Analysis Case \" I0 \", Iteration \" I0 \",\" T37 \" Y(top) =\" ES12.4 "
          "\", dYmax =\" ES12.4 \", Delta dYmax =\" ES12.4)",
          {L, k, pm.y(1), pm.dYmax, pm.deltaDYmax});
  }
}

[[noreturn]] void stopOnExcessDeflection(RunContext& ctx) {
  const AnalysisModel& model = ctx.model;
  const std::string& unit = model.labels.length;
  engine::stopWithMessage(
      ctx, analysisMessageBlock(kRuntimeExcessDeflection),
      {output::formatLine("(ES12.4 1X A3)", {model.pileModel.y(1), unit}),
       output::formatLine("(ES12.4 1X A3)", {model.options.maxAllowableDeflection, unit})});
}

// Thin layer: a layer below the first that holds no node although the pile
// reaches below its top, so its p-y curves could never be formed.
void checkThinLayers(RunContext& ctx) {
  AnalysisModel& model = ctx.model;
  const PileModel& pm = model.pileModel;
  for (int j = 2; j <= model.soil.numberOfLayers; ++j) {
    const SoilLayer& layer = model.soil.layers[j];
    if (pm.i_TopNodeInLayer[j] != 0 || !(pm.node[pm.N].xv > layer.top)) continue;
    if (model.layerCorrection[j] != -10000.0 || model.layering.NoEquivDepth[j]) continue;
    const double thickness = layer.bottom - layer.top;
    const double increment = model.pile.length / (pm.N - 1);
    const std::string& unit = model.labels.length;
    const long long needed = static_cast<long long>(model.pile.length / thickness);
    engine::stopWithMessage(
        ctx, analysisMessageBlock(kRuntimeThinLayer),
        {output::formatMinimalInteger(j), output::formatLine("(F9.3 1X A)", {thickness, unit}),
         output::formatLine("(F9.3 1X A)", {increment, unit}),
         output::formatMinimalInteger(pm.N - 1), output::formatMinimalInteger(needed)});
  }
}

// ---- non-convergence --------------------------------------------------------

void writeNotLikely(Channel& out) {
  out.line("The analysis of convergence performance found that it is not likely that a ");
  out.line("solution can be obtained by changing the solution criteria for this problem. ");
  out.line("However, the maximum number of iterations is less than 1000, so a solution ");
  out.line("may be obtained by raising the maximum number of iterations to 1000.");
  out.endLine();
}

void writeNotPossible(Channel& out) {
  out.line("The analysis of convergence performance found that it is not possible to obtain a ");
  out.line("solution by changing the solution criteria for this problem. This indicates that  ");
  out.line("the pile is loaded above its structural and/or geotechnical capacity.");
}

// The report of a case that did not converge, with an estimate of the
// iterations it would need and advice on the solution controls. Records
// runtime error 10; the caller decides whether the run stops at once.
void reportNonConvergence(RunContext& ctx) {
  const AnalysisModel& model = ctx.model;
  const PileModel& pm = model.pileModel;
  const int a = model.options.maxIterations;
  const double tolerance = model.options.convergenceTolerance;
  const std::string& unit = model.labels.length;
  const int units = model.options.IUNITS;
  Channel& out = ctx.report;

  engine::raiseWithMessage(
      ctx, analysisMessageBlock(kRuntimeNotConverged),
      {output::formatMinimalInteger(a), output::formatLine("(ES12.4 1X A)", {pm.dYmax, unit}),
       output::formatLine("(ES12.4 1X A)", {pm.deltaDYmax, unit}),
       output::formatLine("(ES12.4 1X A)", {tolerance, unit})});

  const double estimate = std::fabs(a + (pm.dYmax - tolerance) / pm.deltaDYmax);
  const bool estimated = !std::isnan(estimate);
  // The estimate is reported as a whole number of iterations; a value beyond
  // any integer (a stalled change) counts as "more than 1000".
  const long long nEst = !estimated          ? 0
                         : estimate > 1.0e15 ? 1000000000000000LL
                                             : static_cast<long long>(estimate);
  if (!estimated) {
    out.line("The estimated number of iterations needed to obtain a solution cannot be computed.");
    out.line("for the current criteria values.");
    out.endLine();
  } else {
    out.line(
        "The estimated number of iterations needed to obtain a solution for the current "
        "convergence ");
    write(out, "(\"tolerance value is \" I0 \" iterations.\" /)", {nEst});
  }

  if (units != kUnitsUsCustomary && units != kUnitsSi) return;
  const bool si = units == kUnitsSi;
  const double limit = si ? static_cast<double>(2.54e-6f) : static_cast<double>(1.0e-4f);
  if (estimated) {
    if (tolerance < limit) {
      if (nEst < 1000) {
        out.line(
            "A solution may be possible by increasing the maximum number of iterations to above "
            "this value.");
      } else if (nEst > 1000) {
        out.line(
            "The estimated number of iterations required to obtain a solution is greater than "
            "1000, so a ");
        out.line(
            "solution can only be obtained if the convergence tolerance is increased in value.");
        out.endLine();
      }
    }
    if (pm.dYmax >= limit) {
      if (a >= 1000 || nEst > 1000) {
        writeNotPossible(out);
      } else if (nEst < 1000) {
        writeNotLikely(out);
      }
    }
  }
  if (tolerance < limit && pm.dYmax < limit) {
    out.line(
        "The current value for convergence tolerance is less than the recommended upper limit of ");
    out.line(si ? "0.00000254 meters, so a solution is possible if the convergence tolerance is "
                  "raised to a value "
                : "0.0001 inches, so a solution is possible if the convergence tolerance is raised "
                  "to a value ");
    write(out, "(\"greater than \" ES12.4 1X A \".\" 2/)", {pm.dYmax, unit});
    out.line(
        si ? "It is recommended that the convergence tolerance not be raised above 0.00000254 "
             "meters."
           : "It is recommended that the convergence tolerance not be raised above 0.0001 inches.");
    out.endLine();
  }
}

}  // namespace

// ---- the iteration of one case ---------------------------------------------

IterationOutcome iterateCase(RunContext& ctx, int L, const IterationRules& rules) {
  AnalysisModel& model = ctx.model;
  PileModel& pm = model.pileModel;
  const Options& options = model.options;
  IterationOutcome outcome;
  for (int k = 1; k <= options.maxIterations; ++k) {
    outcome.iterations = k;
    if (!Solve_Pile_Deflections(
            ctx, k, rules.smallPivotStops ? OnSmallPivot::kStopRun : OnSmallPivot::kReport)) {
      return outcome;
    }
    if (endsOnNotANumber(ctx, k, rules.notANumber)) return outcome;
    if (rules.progressLines) writeIterationLine(ctx, L, k);
    if (pm.dYmax <= options.convergenceTolerance && k >= kFirstIterationChecked) {
      outcome.converged = true;
      return outcome;
    }
    if (pm.dYmax > options.convergenceTolerance && k >= kFirstExcessCheck &&
        std::fabs(pm.y(1)) >= options.maxAllowableDeflection) {
      if (rules.excessDeflectionStops) stopOnExcessDeflection(ctx);
      return outcome;
    }
    soil::updateSoilModuli(ctx);
    // The layer sweep skips layers without nodes, so the thin-layer test after
    // the whole first sweep sees the same flags as one after each layer.
    if (k == 1 && rules.thinLayerCheck) checkThinLayers(ctx);
    if (rules.stiffnessUpdateAlways || options.ICOM >= kAnalysisFull) {
      updateBendingStiffnessForCase(model);
    }
  }
  return outcome;
}

void startQuietSolution(RunContext& ctx, const HeadCondition& head) {
  AnalysisModel& model = ctx.model;
  // The vuggy limestone pass evaluates its curves at these (zero) deflections.
  startLoadCase(model.pileModel, head);
  setInitialSprings(model);
  vuggyLimestonePass(ctx);
  updateBendingStiffnessForCase(model);
}

namespace {

// printPyCurves: the p-y print option of the input. The response of the
// case is computed into `response`, kept for the summary and handed to the
// results writer.
void finishCase(RunContext& ctx, int L, const IterationOutcome& outcome, bool printPyCurves,
                CaseResponse& response, CaseResultsWriter writeCaseResults,
                LengthStudyWriter writeLengthStudy, double pileLength) {
  AnalysisModel& model = ctx.model;
  ctx.messages.line("The convergence criteria have been met");
  if (L == 1) {
    if (printPyCurves) {
      soil::printPyCurvesAtDepths(ctx);
    } else {
      output::writePlotLine6(ctx.plot, 0);
    }
  }
  computeCaseResponse(model, L, outcome, response);
  model.results.cases[static_cast<std::size_t>(L)] = caseResultOf(response);
  writeCaseResults(ctx, response);
  if (model.loads.headLoads[L].computeLengthStudy && !model.options.useLrfd) {
    write(ctx.messages,
          "(\"Computing top deflection vs. pile embedment length for load case \" I0 \".\")", {L});
    // The response of the case is written; its storage serves the trials.
    writeLengthStudy(ctx, Run_Length_Study(ctx, L, pileLength, response));
  } else {
    output::writePlotLine11WithoutStudy(ctx.plot, L, model.options.useLrfd);
  }
}

}  // namespace

void checkAnalysisSupported(RunContext& ctx) {
  const AnalysisModel& model = ctx.model;
  for (int j = 1; j <= model.pile.numberOfSections; ++j) {
    const SectionType type = model.pile.sections[j].type;
    if (type == SectionType::Micropile) {
      engine::stopOnUnsupported(ctx, "The nonlinear bending stiffness of pile section " +
                                         std::to_string(j) + " (section type " +
                                         std::to_string(sectionTypeCode(type)) + ")");
    }
  }
  for (int j = 1; j <= model.soil.numberOfLayers; ++j) {
    const int code = model.soil.layers[j].criterion;
    if (!soil::criterionAvailable(code)) {
      std::string key(kCriterionKeys[static_cast<std::size_t>(code)]);
      key.erase(key.find_last_not_of(' ') + 1);
      engine::stopOnUnsupported(
          ctx, "The p-y criterion \"" + key + "\" of soil layer " + std::to_string(j));
    }
  }
}

int numberOfAnalysedCases(const AnalysisModel& model) {
  return model.options.useLrfd ? model.loads.numberOfLrfdCombinations
                               : model.loads.numberOfLoadCases;
}

void Analyze_Load_Cases(RunContext& ctx, CaseResultsWriter writeCaseResults,
                        LengthStudyWriter writeLengthStudy) {
  AnalysisModel& model = ctx.model;
  const int cases = numberOfAnalysedCases(model);
  if (cases <= 0) return;
  QUARN_ASSERT(cases <= kMaxLoadCases, "more than 100 load cases");
  const double pileLength = model.pile.length;
  const bool printPyCurves = model.options.printPyCurves;
  // One response for every case: its node table is sized once.
  CaseResponse response;

  for (int L = 1; L <= cases; ++L) {
    // A non-converged case of load type 4 is reported; the run stops here.
    // An output depth above the ground surface (input error 23) only costs
    // the printed p-y curves: users get every case and the summary, and the
    // run still ends on that error.
    if (engine::isStopped(model) && !soil::onlyNonFatalError(model)) engine::unwind();
    setUpCase(ctx, L, pileLength);
    const IterationOutcome outcome = iterateCase(ctx, L, IterationRules{});
    if (!outcome.converged) {
      reportNonConvergence(ctx);
      if (model.pileModel.head.loadType != HeadLoadType::kDeflectionMoment) engine::unwind();
    }
    finishCase(ctx, L, outcome, printPyCurves, response, writeCaseResults, writeLengthStudy,
               pileLength);
    write(ctx.messages, "(\"Completed Analysis \" I0 /)", {L});
  }
}

}  // namespace quarn::analysis
