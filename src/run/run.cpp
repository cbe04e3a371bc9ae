#include "run/run.h"

#include <exception>
#include <functional>
#include <new>

#include "analysis/head_stiffness.h"
#include "analysis/load_cases.h"
#include "analysis/lrfd.h"
#include "analysis/pile_model.h"
#include "engine/messages.h"
#include "input/echo.h"
#include "input/keyword_reader.h"
#include "output/plot_records.h"
#include "report/case_results.h"
#include "report/equilibrium_verdict.h"
#include "report/head_stiffness_table.h"
#include "report/length_study_table.h"
#include "report/summary.h"
#include "run/finish_run.h"
#include "run/header.h"
#include "run/run_files.h"
#include "section/section_driver.h"

namespace quarn::run {

using namespace engine;  // the run sequence drives the engine's model, channels and stops

namespace {

// Reads the format tag and the whole input file into the model.
void readInput(RunContext& ctx) {
  ctx.model.run.formatTag = input::readFormatTag(ctx.input);
  if (ctx.model.run.formatTag == input::kCurrentFormatTag) {
    input::readKeywordInput(ctx);
  } else {
    input::rejectOlderFormat(ctx);
  }
}

// Bending stiffness only: the section analysis is the whole run.
void analyseSectionsOnly(RunContext& ctx) {
  output::writePlotLine2(ctx.plot, ctx.model.pile.numberOfSections);
  section::Analyze_Pile_Sections(ctx, true);
}

// Layer tops follow from the layer above; the nodes are placed on the pile.
void preparePileModel(RunContext& ctx) {
  AnalysisModel& model = ctx.model;
  Soil& soil = model.soil;
  if (soil.numberOfLayers >= 1) soil.layers[1].top = model.pile.groundSurfaceDepth;
  for (int j = 2; j <= soil.numberOfLayers; ++j) soil.layers[j].top = soil.layers[j - 1].bottom;
  output::writePlotLine2(ctx.plot, model.pile.numberOfSections);
  analysis::placeNodes(model);
}

// The pile-head stiffness terms, when the options ask for them and no error
// of the load cases (one that still let the summary be written) ends the run.
void computeHeadStiffness(RunContext& ctx) {
  if (!ctx.model.options.computeKmatrix) return;
  unwindIfStopped(ctx.model);
  ctx.messages.line("Computing pile-head stiffness matrix components.");
  ctx.messages.endLine();
  report::Write_Head_Stiffness(
      ctx, analysis::Compute_Head_Stiffness(ctx, report::writeEquilibriumVerdict));
}

// The steps of a run after the file names are known, in their order. Each
// step that finds an error records it and throws RunStopped; the caller
// finishes the run.
void analyse(RunContext& ctx) {
  AnalysisModel& model = ctx.model;
  openRunFiles(ctx);
  readInput(ctx);
  ctx.messages.line("Input of data completed");
  ctx.messages.endLine();
  model.state.unitsConverted = model.options.IUNITS != kUnitsUsCustomary;
  setUnitLabels(model);
  ctx.report.rewind();
  writeReportHeader(ctx);
  writeFileBlock(ctx);
  writeDateAndTime(ctx);
  output::writePlotLine1(ctx.plot, model.options.ICOM, model.options.IUNITS, model.options.KYL,
                         model.options.computeKmatrix);
  // The factored loads of the LRFD combinations are computed before the
  // echo, which prints them in place of the pile-head load table.
  if (model.options.useLrfd) analysis::Compute_Lrfd_Loads(model);
  input::Echo_Input(ctx);
  convertUsCustomary(model);
  if (model.options.ICOM == kAnalysisEiOnly) {
    analyseSectionsOnly(ctx);
    return;
  }
  preparePileModel(ctx);
  // What this engine cannot analyse yet stops the run before the sections
  // are analysed for thrusts it would not use.
  analysis::checkAnalysisSupported(ctx);
  section::Analyze_Pile_Sections(ctx, false);
  analysis::Analyze_Load_Cases(ctx, report::Write_Case_Results, report::Write_Length_Study);
  // Also after a reported case of load type 4 that did not converge: its
  // error stops the run once the summary is written.
  report::Write_Pile_Summary(ctx);
  computeHeadStiffness(ctx);
}

// Runs the steps, turning every way out into a finished run and a return value.
int guarded(RunContext& ctx, const std::function<void()>& steps) noexcept {
  try {
    try {
      steps();
    } catch (const RunStopped&) {
      // The error code is in the model; the run is finished below.
    } catch (const InvariantBroken& broken) {
      stopOnInternalFailure(ctx, broken.what);
    } catch (const std::exception& failure) {
      stopOnInternalFailure(ctx, failure.what());
    } catch (...) {
      stopOnInternalFailure(ctx, "unknown exception");
    }
    return finishRun(ctx);
  } catch (...) {
    // Finishing itself failed (out of memory while writing): close what is open.
    closeRunFiles(ctx);
    return kRuntimeErrorBase + kRuntimeInternalFailure;
  }
}

void startRun(RunContext& ctx) {
  initializeModel(ctx.model, kVersionText);
}

}  // namespace

int runFromNamesFile(RunContext& ctx, const std::string& namesPath) noexcept {
  return guarded(ctx, [&] {
    startRun(ctx);
    readNamesFile(ctx, namesPath);
    analyse(ctx);
  });
}

int runWithFiles(RunContext& ctx, const RunFiles& files) noexcept {
  return guarded(ctx, [&] {
    startRun(ctx);
    ctx.model.run.files = files;
    checkRunFileNames(ctx);
    analyse(ctx);
  });
}

}  // namespace quarn::run
