#include "engine/run.h"

#include <exception>
#include <functional>
#include <new>

#include "engine/header.h"
#include "engine/messages.h"
#include "engine/run_files.h"
#include "input/keyword_reader.h"
#include "report/plot_records.h"

namespace quarn::engine {

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

// Steps of a run after the file names are known. Each step that finds an
// error throws RunStopped after recording it; the caller finishes the run.
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
  report::writePlotLine1(ctx.plot, model.options.ICOM, model.options.IUNITS, model.options.KYL,
                         model.options.computeKmatrix);
  convertUsCustomary(model);
  // Every run that gets past the conversion analyses its sections next, and
  // the plot file announces them (bending-stiffness-only and full runs alike).
  report::writePlotLine2(ctx.plot, model.pile.numberOfSections);
}

// Runs the steps, turning every way out into a finished run and a return value.
int guarded(RunContext& ctx, const std::function<void()>& steps) noexcept {
  try {
    try {
      steps();
    } catch (const RunStopped&) {
      // The error code is in the model; the run is finished below.
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

}  // namespace quarn::engine
