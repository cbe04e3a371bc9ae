#include "input/loading_reader.h"

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "engine/messages.h"
#include "input/free_format.h"
#include "input/list_values.h"
#include "input/reader_errors.h"

namespace quarn::input {

namespace {

using engine::RunContext;

// The LRFD blocks: channel 6 only, two empty lines before and after, an
// empty line after the title.
void writeLrfdBlock(RunContext& ctx, int number, std::initializer_list<std::string> lines) {
  ctx.report.emptyLines(2);
  ctx.report.line("***** Input Data Error No. " + std::to_string(number) + " *****");
  ctx.report.endLine();
  for (const std::string& line : lines) ctx.report.line(line);
  ctx.report.emptyLines(2);
}

[[noreturn]] void stopOnLrfdError(RunContext& ctx, int number,
                                  std::initializer_list<std::string> lines) {
  writeLrfdBlock(ctx, number, lines);
  const std::string codeText = "INP000" + std::to_string(number);
  engine::stopRun(ctx, codeText, engine::kInputErrorBase + number);
}

std::string str(long long value) { return std::to_string(value); }

void readLrfdDistributedLoad(RunContext& ctx, int loadNumber, LrfdLoad& load) {
  for (int j = 1; j <= load.distributedPointCount; ++j) {
    int pointNumber = 0;
    readList(ctx, {&pointNumber, &load.distributedDepth[j], &load.distributedLoad[j]});
    if (pointNumber != j) {
      stopOnLrfdError(ctx, 96,
                      {"Input appears to be out-of-order for LRFD distributed load " +
                           str(loadNumber),
                       "", "Input distributed load point is " + str(pointNumber),
                       " and the expected point number is " + str(j)});
    }
  }
}

}  // namespace

void readLoading(RunContext& ctx) {
  AnalysisModel& model = ctx.model;
  Loads& loads = model.loads;
  ctx.messages.line("Reading pile head loading data");
  int cases = 0;
  readValue(ctx, cases);
  if (cases > kMaxLoadCases) {
    stopOnReaderError(ctx, ReaderError::kTooManyLoadCases, {cases, kMaxLoadCases});
  }
  loads.numberOfLoadCases = std::max(cases, 0);
  loads.thrustSource = kThrustsFromLoading;
  // The load types matter when the cases are analysed: not in an LRFD
  // analysis and not in a bending-stiffness-only run, which uses the thrusts.
  const bool casesAnalysed = !model.options.useLrfd && model.options.ICOM != kAnalysisEiOnly;
  for (int i = 1; i <= loads.numberOfLoadCases; ++i) {
    PileHeadLoad& load = loads.headLoads[i];
    double loadNumber = 0.0;  // read and ignored
    int loadTypeCode = 0;
    int lengthStudyCode = 0;
    readList(ctx, {&loadNumber, &loadTypeCode, &load.condition1, &load.condition2,
                   &load.axialThrust, &lengthStudyCode});
    load.computeLengthStudy = lengthStudyCode != 1;
    const std::optional<HeadLoadType> loadType = headLoadTypeFromCode(loadTypeCode);
    if (loadType) {
      load.loadType = *loadType;
    } else if (casesAnalysed) {
      stopOnReaderError(ctx, ReaderError::kHeadLoadType, {i, loadTypeCode});
    } else {
      load.loadType = PileHeadLoad{}.loadType;
    }
  }

  DistributedLoadTable& table = loads.distributed;
  int points = 0;
  readValue(ctx, points);
  if (points <= 0) {
    table.points = 0;
    table.depth[1] = 0.0;
    table.load[1] = 0.0;
    return;
  }
  if (points > kMaxDistributedPoints) {
    stopOnReaderError(ctx, ReaderError::kTooManyDistributedPoints, {points, kMaxDistributedPoints});
  }
  table.points = points;
  for (int j = 1; j <= points; ++j) {
    double pointNumber = 0.0;  // read and ignored
    readList(ctx, {&pointNumber, &table.depth[j], &table.load[j]});
  }
}

void readLrfdLoads(RunContext& ctx) {
  Loads& loads = ctx.model.loads;
  ctx.messages.line("Reading LRFD unfactored load data");
  int groups = 0;
  readValue(ctx, groups);
  if (groups < 1 || groups > kMaxLrfdLoads) {
    stopOnLrfdError(ctx, 98,
                    {"Number of LRFD loads specified is " + str(groups),
                     "This is outside of the valid range to 1 to 100"});
  }
  loads.numberOfLrfdLoads = groups;
  for (int i = 1; i <= groups; ++i) {
    LrfdLoad& load = loads.lrfdLoads[i];
    int loadNumber = 0;
    readList(ctx, {&loadNumber, &load.loadTypeIndex, &load.horizontalForce, &load.moment,
                   &load.axialForce, &load.distributedPointCount});
    if (loadNumber != i) {
      stopOnLrfdError(ctx, 97,
                      {"Input appears to be out-of-order for LRFD loading",
                       "Input load number is " + str(loadNumber) +
                           " and the expected load number is " + str(i)});
    }
    const int n = load.distributedPointCount;
    if (n != 0 && (n < 2 || n > kMaxLrfdDistributedPoints)) {
      stopOnLrfdError(ctx, 95,
                      {"Number of distributed load points for LRFD load number " + str(i) +
                           " is outside of the valid range of 0 or 2 to 100.",
                       "", "The input number of distributed load points is " + str(n)});
    }
    if (load.loadTypeIndex < 1 || load.loadTypeIndex > kLrfdLoadTypes) {
      stopOnReaderError(ctx, ReaderError::kLrfdLoadTypeIndex,
                        {i, load.loadTypeIndex, kLrfdLoadTypes});
    }
    readLrfdDistributedLoad(ctx, i, load);
  }
}

void readLrfdFactors(RunContext& ctx) {
  Loads& loads = ctx.model.loads;
  ctx.messages.line("Reading LRFD load and resistance factor data ");
  int combinations = 0;
  readValue(ctx, combinations);
  if (combinations < 1 || combinations > kMaxLrfdCombinations) {
    stopOnLrfdError(ctx, 94,
                    {"Number of LRFD load combinations outside of the valid range of 1 to 100.",
                     "Number of LRFD load combinations input is " + str(combinations)});
  }
  loads.numberOfLrfdCombinations = combinations;
  for (int i = 1; i <= combinations; ++i) {
    LrfdCombination& c = loads.lrfdCombinations[i];
    double number = 0.0;  // read and ignored
    auto& f = c.loadFactors;
    readList(ctx, {&number, &f[1], &f[2], &f[3], &f[4], &f[5], &f[6], &f[7], &f[8], &f[9],
                   &f[10], &f[11], &f[12], &f[13], &c.flexureResistanceFactor,
                   &c.shearResistanceFactor});
    std::string name = readTextLine(ctx);
    name.erase(name.find_last_not_of(' ') + 1);
    c.name = std::move(name);

    if (c.flexureResistanceFactor <= 0.0) c.flexureResistanceFactor = kDefaultResistanceFactor;
    if (c.shearResistanceFactor <= 0.0) c.shearResistanceFactor = kDefaultResistanceFactor;

    double sum = 0.0;
    for (int t = 1; t <= kLrfdLoadTypes; ++t) sum += f[t];
    if (sum <= 0.0) {
      // Every combination is still read and tested; the run stops at the end
      // of the section.
      writeLrfdBlock(ctx, 72,
                     {"All input load factors for LRFD analysis are zero.",
                      "The number of the LRFD load combination in error is " + str(i)});
      engine::raiseError(ctx, "INP00072", engine::kInputErrorBase + 72);
    }
  }
  engine::unwindIfStopped(ctx.model);
}

void readAxialThrustLoads(RunContext& ctx) {
  Loads& loads = ctx.model.loads;
  loads.numberOfAxialThrusts = 0;
  loads.axialThrusts.fill(0.0);
  loads.thrustSource = kThrustsFromAxialThrustLoads;
  loads.thrustLoads.fill(0.0);
  int count = 0;
  readValue(ctx, count);
  if (count < 1) {
    loads.numberOfThrustLoads = 1;  // one axial thrust force of 0
    return;
  }
  if (count > kMaxAxialThrusts) {
    stopOnReaderError(ctx, ReaderError::kTooManyAxialThrusts, {count, kMaxAxialThrusts});
  }
  ctx.messages.line("Reading axial thrust force data for EI-only computations");
  loads.numberOfThrustLoads = count;
  for (int i = 1; i <= count; ++i) {
    double number = 0.0;  // read and ignored
    readList(ctx, {&number, &loads.thrustLoads[i]});
  }
  std::sort(loads.thrustLoads.begin() + 1, loads.thrustLoads.begin() + 1 + count);
}

}  // namespace quarn::input
