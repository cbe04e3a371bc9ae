// The example inputs and the fuzzing seeds read through the whole keyword
// reader: the examples are accepted completely, and a few values of each are
// checked against the pile, soil and loads their README describes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "engine/messages.h"
#include "input/keyword_reader.h"
#include "input/sections_test_support.h"

namespace quarn::input {
namespace {

using namespace quarn::input::testing;

std::string fileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Reads the tag and every section of `text`, as the run sequence does.
void readWholeInput(engine::RunContext& ctx) {
  ctx.model.run.formatTag = readFormatTag(ctx.input);
  ASSERT_EQ(ctx.model.run.formatTag, kCurrentFormatTag);
  readKeywordInput(ctx);
}

struct ExampleCase {
  const char* file;  // relative to the source tree
  int errorCode;     // 0: accepted
  std::function<void(const AnalysisModel&)> check;
};

const std::vector<ExampleCase> kExamples = {
    {"examples/cased-drilled-shaft-clay-over-sand.qin", 0,
     [](const AnalysisModel& m) {
       EXPECT_EQ(m.options.IUNITS, kUnitsUsCustomary);
       ASSERT_EQ(m.pile.numberOfSections, 2);
       EXPECT_EQ(m.pile.sections[1].type, SectionType::CasedShaft);
       EXPECT_DOUBLE_EQ(m.pile.sections[1].wallThickness, 0.5);
       EXPECT_EQ(m.pile.sections[2].rebar.numberOfBars, 12);
       EXPECT_DOUBLE_EQ(m.pile.length, 50.0);
       ASSERT_EQ(m.soil.numberOfLayers, 2);
       EXPECT_EQ(m.soil.layers[2].criterion, 6);
       EXPECT_EQ(m.loads.numberOfLoadCases, 3);
       EXPECT_EQ(m.loads.headLoads[3].loadType, HeadLoadType::kShearRotationalStiffness);
       EXPECT_EQ(m.tables.pyOutput.count, 2);
       // One axial thrust of 200 kips for every case.
       ASSERT_EQ(m.loads.numberOfAxialThrusts, 1);
       EXPECT_DOUBLE_EQ(m.loads.axialThrusts[1], 200.0);
     }},
    {"examples/prestressed-square-pile-lrfd-si.qin", 0,
     [](const AnalysisModel& m) {
       EXPECT_EQ(m.options.IUNITS, kUnitsSi);
       EXPECT_DOUBLE_EQ(m.pile.sections[1].diameter, 0.45);
       EXPECT_EQ(m.pile.sections[1].prestress.numberOfStrands, 16);
       EXPECT_EQ(m.pile.sections[1].prestress.arrangementCode, kStrandsSquarePattern1);
       EXPECT_EQ(m.soil.numberOfLayers, 2);
       EXPECT_EQ(m.tables.multipliers.rows, 2);
       EXPECT_EQ(m.loads.numberOfLrfdLoads, 3);
       EXPECT_EQ(m.loads.lrfdLoads[3].loadTypeIndex, 5);
       EXPECT_EQ(m.loads.numberOfLrfdCombinations, 3);
       EXPECT_EQ(m.loads.lrfdCombinations[2].name, "Strength III");
       // Distinct unfactored axial forces of the load groups.
       ASSERT_EQ(m.loads.numberOfAxialThrusts, 3);
       EXPECT_DOUBLE_EQ(m.loads.axialThrusts[1], 0.0);
       EXPECT_DOUBLE_EQ(m.loads.axialThrusts[3], 600.0);
     }},
    {"examples/soft-clay-pipe-pile.qin", 0, [](const AnalysisModel& m) {
       EXPECT_EQ(m.pile.numberOfSections, 1);
     }},
    {"fuzz/corpus/all-section-types.qin", 0,
     [](const AnalysisModel& m) {
       EXPECT_EQ(m.pile.numberOfSections, 13);
       EXPECT_DOUBLE_EQ(m.pile.length, 65.0);
     }},
    {"fuzz/corpus/all-soil-criteria.qin", 0,
     [](const AnalysisModel& m) {
       EXPECT_EQ(m.soil.numberOfLayers, 17);  // one of 18 is an undefined code
       EXPECT_EQ(m.tables.tipShear.points, 3);
       EXPECT_EQ(m.tables.soilMovement.points, 2);
     }},
    {"fuzz/corpus/axial-thrust-loads-interaction.qin", 0,
     [](const AnalysisModel& m) {
       EXPECT_EQ(m.loads.numberOfThrustLoads, 3);
       EXPECT_DOUBLE_EQ(m.loads.thrustLoads[3], 100000.0);
       EXPECT_EQ(m.loads.numberOfAxialThrusts, 0);  // interaction diagrams: no list built
     }},
    {"fuzz/corpus/lrfd-distributed.qin", 172,
     [](const AnalysisModel& m) {
       EXPECT_EQ(m.loads.lrfdLoads[1].distributedPointCount, 2);
       EXPECT_DOUBLE_EQ(m.loads.lrfdCombinations[1].shearResistanceFactor, 0.75);
     }},
};

TEST(ExampleInputs, AreReadCompletely) {
  for (const ExampleCase& c : kExamples) {
    SCOPED_TRACE(c.file);
    const std::string text = fileText(std::filesystem::path(QUARN_SOURCE_DIR) / c.file);
    ASSERT_FALSE(text.empty());
    auto ctx = engine::makeRunContext();
    for (engine::Channel* channel : {&ctx->report, &ctx->plot, &ctx->messages, &ctx->console}) {
      channel->captureInMemory();
    }
    ctx->input.openText(text);
    try {
      readWholeInput(*ctx);
    } catch (const engine::RunStopped&) {
    }
    EXPECT_EQ(ctx->model.state.errorCode, c.errorCode) << ctx->report.text();
    c.check(ctx->model);
  }
}

}  // namespace
}  // namespace quarn::input
