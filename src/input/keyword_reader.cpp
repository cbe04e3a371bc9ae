#include "input/keyword_reader.h"

#include <algorithm>
#include <array>

#include "engine/messages.h"
#include "input/free_format.h"
#include "input/loading_reader.h"
#include "input/options_reader.h"
#include "input/sections_reader.h"
#include "input/soil_reader.h"
#include "input/tables_reader.h"
#include "input/title_reader.h"

namespace quarn::input {

namespace {

using engine::RunContext;

// The sections of the input file, each read by the routine entered just after
// its keyword line. A section may come more than once; the later one wins.
struct SectionReader {
  std::string_view keyword;
  void (*read)(RunContext&);
};

constexpr std::array<SectionReader, 14> kSectionReaders = {{
    {"TITLE", readTitle},
    {"OPTIONS", readOptions},
    {"SECTIONS", readSections},
    {"AXIAL THRUST LOADS", readAxialThrustLoads},
    {"SOIL LAYERS", readSoilLayers},
    {"TIP SHEAR", readTipShear},
    {"PILE BATTER AND SLOPE", readBatterAndSlope},
    {"GROUPEFF", readGroupEffectFactors},
    {"LRFD LOADS", readLrfdLoads},
    {"LRFD FACTORS AND CASES", readLrfdFactors},
    {"LOADING", readLoading},
    {"SOIL MOVEMENTS", readSoilMovements},
    {"GROUP EFFECT FACTORS", readGroupEffectFactors},
    {"DEPTHS OF PRINTED P-Y CURVES", readPyOutputDepths},
}};

constexpr std::string_view kEndKeyword = "END";

const SectionReader* findSectionReader(std::string_view line) {
  for (const SectionReader& reader : kSectionReaders) {
    if (matchesKeyword(line, reader.keyword)) return &reader;
  }
  return nullptr;
}

constexpr double kPoundsPerKip = 1000.0;

// A count of the model used as a loop bound must lie within its table; the
// readers that fill the counts check them, so a count outside is a defect.
int checkedCount(int count, int capacity, const char* what) {
  if (count < 0 || count > capacity) {
    engine::failInvariant(std::string("count out of range: ") + what);
  }
  return count;
}

[[noreturn]] void stopOnTooManyAxialThrusts(RunContext& ctx, std::size_t sources) {
  for (engine::Channel* channel : {&ctx.report, &ctx.messages}) {
    channel->emptyLines(2);
    channel->line("**** Input Data Error No. 91 ****");
    channel->endLine();
    channel->line("Problem:  The loads hold more than " + std::to_string(kMaxAxialThrusts) +
                  " different axial thrust forces (" + std::to_string(sources) +
                  " values in all).");
    channel->line("Solution: Limit the number of different axial thrust forces to " +
                  std::to_string(kMaxAxialThrusts) + " or less.");
    channel->endLine();
  }
  engine::stopRun(ctx, "INP00091", engine::kInputErrorBase + kTooManyAxialThrustsError);
}

}  // namespace

std::string formatTagOf(std::string_view firstLine) {
  // The tag is read with the rules of every free-format text item, from the
  // first line alone: an empty first line has no tag.
  std::string tag = "3";
  const std::array<std::string, 1> lines = {std::string(firstLine)};
  const std::array<ListItem, 1> items = {TextItem{&tag, 7}};
  if (parseList(lines, items).status != ListReadStatus::kComplete) return "3";
  const std::size_t last = tag.find_last_not_of(' ');
  tag.resize(last == std::string::npos ? 0 : last + 1);
  return tag;
}

std::string readFormatTag(engine::InputFile& input) {
  std::string line;
  if (!input.readLine(line)) return "3";
  return formatTagOf(line);
}

void readKeywordInput(RunContext& ctx) {
  ctx.messages.line("Input of data begun");
  for (;;) {
    const std::string line = readTextLine(ctx);
    const SectionReader* reader = findSectionReader(line);
    if (reader == nullptr) {
      if (!matchesKeyword(line, kEndKeyword)) engine::stopOnUnrecognisedLine(ctx, line);
      break;
    }
    reader->read(ctx);
    // A reader that records an error and reads on to the end of its section
    // returns normally; the run stops here.
    engine::unwindIfStopped(ctx.model);
  }

  AnalysisModel& model = ctx.model;
  // Every analysis needs the unit system and the solution controls.
  if (model.options.IUNITS == 0) {
    for (engine::Channel* channel : {&ctx.report, &ctx.messages}) {
      channel->emptyLines(2);
      channel->line("***** INPUT ERROR *****");
      channel->endLine();
      channel->line("The input data file reached END without an OPTIONS section.");
      channel->line("The OPTIONS section gives the unit system and the solution controls of every analysis.");
      channel->emptyLines(2);
    }
    engine::stopRun(ctx, "INP00099", engine::kInputErrorBase + 99);
  }
  // With interaction diagrams the section analysis takes its forces from
  // AXIAL THRUST LOADS as read; without sections there is nothing to analyse.
  if (model.options.computeInteraction || model.pile.numberOfSections <= 0) return;
  const std::vector<double> sources = axialThrustSources(model);
  if (!deriveAxialThrusts(model, sources)) stopOnTooManyAxialThrusts(ctx, sources.size());
}

void rejectOlderFormat(RunContext& ctx) {
  // Only the QUARNX6 keyword format is read. Files of the previous format
  // (QUARNX5) and of the oldest one (no tag) are refused with the
  // unrecognised-line block showing their first line, after a note that
  // tells the user why and what to do.
  const bool previous = ctx.model.run.formatTag == kPreviousFormatTag;
  for (engine::Channel* channel : {&ctx.report, &ctx.messages}) {
    channel->emptyLines(2);
    channel->line(previous
                      ? "The input data file is in the previous input format (QUARNX5), which is "
                        "no longer read."
                      : "The first line of the input data file does not begin with the format "
                        "tag QUARNX6.");
    channel->line("Save the input again from the front end so that it is written in the QUARNX6 "
                  "format.");
  }
  ctx.input.rewind();
  std::string first;
  ctx.input.readLine(first);
  engine::stopOnUnrecognisedLine(ctx, first);
}

std::vector<double> axialThrustSources(const AnalysisModel& model) {
  const Loads& loads = model.loads;
  std::vector<double> values;
  if (model.options.useLrfd) {
    const int count = checkedCount(loads.numberOfLrfdLoads, kMaxLrfdLoads, "LRFD load groups");
    for (int i = 1; i <= count; ++i) values.push_back(loads.lrfdLoads[i].axialForce);
  } else if (loads.thrustSource == kThrustsFromAxialThrustLoads) {
    // AXIAL THRUST LOADS read after LOADING: its forces stand for the
    // axial thrusts of the load cases.
    const int count =
        checkedCount(loads.numberOfThrustLoads, kMaxAxialThrusts, "axial thrust loads");
    for (int i = 1; i <= count; ++i) values.push_back(loads.thrustLoads[i]);
  } else {
    const int count = checkedCount(loads.numberOfLoadCases, kMaxLoadCases, "load cases");
    for (int i = 1; i <= count; ++i) values.push_back(loads.headLoads[i].axialThrust);
  }
  return values;
}

bool deriveAxialThrusts(AnalysisModel& model, std::span<const double> values) {
  Loads& loads = model.loads;
  std::vector<double> thrusts(values.begin(), values.end());
  if (model.options.IUNITS == kUnitsUsCustomary) {
    for (double& thrust : thrusts) thrust /= kPoundsPerKip;
  }
  std::sort(thrusts.begin(), thrusts.end());
  thrusts.erase(std::unique(thrusts.begin(), thrusts.end()), thrusts.end());
  loads.numberOfAxialThrusts = 0;
  if (thrusts.size() > static_cast<std::size_t>(kMaxAxialThrusts)) return false;
  std::copy(thrusts.begin(), thrusts.end(), loads.axialThrusts.begin() + 1);
  loads.numberOfAxialThrusts = static_cast<int>(thrusts.size());
  return true;
}

}  // namespace quarn::input
