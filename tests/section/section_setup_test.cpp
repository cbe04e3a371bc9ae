// Loading a pile section into the section working state: the kind and the
// material models of every input type, units, the placement of bars and
// strands, sections that reuse the bars of the section above, and the stop
// when bars cannot be placed.
#include "section/section_setup.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "section_fixture.h"

namespace quarn::section {
namespace {

using testing::addSection;
using testing::circleArea;
using testing::loadAndSlice;
using testing::makeSectionContext;
using testing::setCircularBars;

TEST(SectionSetup, EveryInputTypeGetsItsKindAndMaterialModels) {
  struct Case {
    const char* name;
    SectionType type;
    std::function<void(PileSection&)> details;
    SectionKind kind;
    int concrete, coreConcrete, steel;
  };
  const auto none = [](PileSection&) {};
  const Case cases[] = {
      {"rectangular pile", SectionType::RectangularConcrete, none, SectionKind::SquarePile, 2, 1,
       2},
      {"drilled shaft", SectionType::DrilledShaft, none, SectionKind::DrilledShaft, 2, 1, 2},
      {"cased shaft", SectionType::CasedShaft, none, SectionKind::ShaftWithCasing, 2, 1, 2},
      {"filled core", SectionType::CasedShaftWithCore, [](PileSection& s) { s.coreFilled = true; },
       SectionKind::ShaftWithCasingAndCore, 2, 2, 2},
      {"void core", SectionType::CasedShaftWithCore, none, SectionKind::ShaftWithCasingAndCore, 2,
       1, 2},
      {"steel pipe", SectionType::SteelPipe, none, SectionKind::SteelPipePile, 1, 1, 1},
      {"circular prestressed, PCI 250", SectionType::CircularPrestressed,
       [](PileSection& s) { s.prestress.strandType = 0; }, SectionKind::DrilledShaft, 2, 1, 4},
      {"hollow circular, deformed bars", SectionType::HollowCircularPrestressed,
       [](PileSection& s) { s.prestress.strandType = 5; }, SectionKind::ShaftWithPipeInsert, 2, 1,
       9},
      {"square without chamfer, PCI 270", SectionType::SquarePrestressed,
       [](PileSection& s) { s.prestress.strandType = 1; }, SectionKind::SquarePile, 2, 1, 5},
      {"square with chamfer, PCI 300", SectionType::SquarePrestressed,
       [](PileSection& s) {
         s.chamfer = 1.0;
         s.prestress.strandType = 2;
       },
       SectionKind::NoncircularShaft, 2, 1, 6},
      {"hollow square without chamfer", SectionType::HollowSquarePrestressed,
       [](PileSection& s) { s.prestress.strandType = 3; }, SectionKind::SquarePileWithCore, 2, 1,
       7},
      {"hollow square with chamfer", SectionType::HollowSquarePrestressed,
       [](PileSection& s) {
         s.chamfer = 1.0;
         s.prestress.strandType = 4;
       },
       SectionKind::CompositeShaft, 2, 1, 8},
      {"octagonal", SectionType::OctagonalPrestressed, none, SectionKind::NoncircularShaft, 2, 1,
       4},
      {"hollow octagonal", SectionType::HollowOctagonalPrestressed, none,
       SectionKind::CompositeShaft, 2, 1, 4},
      {"strand type outside the table", SectionType::OctagonalPrestressed,
       [](PileSection& s) { s.prestress.strandType = 6; }, SectionKind::NoncircularShaft, 2, 1, 1},
      {"elastic", SectionType::Elastic, none, SectionKind::NotSliced, 2, 1, 2},
      {"elastic-plastic", SectionType::ElasticPlastic, none, SectionKind::NotSliced, 2, 1, 2},
      {"user EI", SectionType::UserEi, none, SectionKind::NotSliced, 2, 1, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto ctx = makeSectionContext(kUnitsUsCustomary);
    PileSection& s = addSection(ctx->model, c.type, 4000.0);
    s.diameter = 24.0;
    s.sectionDepth = 30.0;
    s.wallThickness = 0.5;
    c.details(s);
    SectionState state;
    loadSectionState(*ctx, 1, state);
    EXPECT_EQ(state.slices.kind, c.kind);
    if (c.kind == SectionKind::NotSliced) continue;
    EXPECT_EQ(state.materials.ConcreteModel, c.concrete);
    EXPECT_EQ(state.materials.CoreConcreteModel, c.coreConcrete);
    EXPECT_EQ(state.materials.SteelModel, c.steel);
  }
}

TEST(SectionSetup, UsCustomaryStressesAreWorkedInKsiAndSiStressesAsEntered) {
  for (int units : {kUnitsUsCustomary, kUnitsSi}) {
    SCOPED_TRACE(units);
    auto ctx = makeSectionContext(units);
    PileSection& s = addSection(ctx->model, SectionType::CasedShaftWithCore, 4000.0);
    s.diameter = 36.0;
    s.wallThickness = 0.5;
    s.steelYieldStress = 36000.0;
    s.steelModulus = 29.0e6;
    s.coreYieldStress = 50000.0;  // a core steel of its own
    s.coreDiameter = 12.0;
    s.coreWallThickness = 0.5;
    setCircularBars(s, 60000.0, 29.0e6, 8, 1, 1.0, 0.79, 3.0);
    auto state = loadAndSlice(*ctx, 1);
    const double scale = units == kUnitsUsCustomary ? 1.0e-3 : 1.0;
    const MaterialState& m = state->materials;
    EXPECT_EQ(m.si, units == kUnitsSi);
    EXPECT_DOUBLE_EQ(m.compressiveStrength, 4000.0 * scale);
    EXPECT_DOUBLE_EQ(m.barYieldStress, 60000.0 * scale);
    EXPECT_DOUBLE_EQ(m.barModulus, 29.0e6 * scale);
    EXPECT_DOUBLE_EQ(m.casingYieldStress, 36000.0 * scale);
    EXPECT_DOUBLE_EQ(m.casingModulus, 29.0e6 * scale);
    EXPECT_DOUBLE_EQ(m.coreYieldStress, 50000.0 * scale);
    EXPECT_DOUBLE_EQ(m.coreModulus, 29.0e6 * scale);  // the casing's modulus
    EXPECT_NEAR(m.fy / (60000.0 * scale), 1.0, 1e-15);
  }
}

TEST(SectionSetup, UniformBarsLieOnTheirCircleWithTheCageOffset) {
  struct Case {
    const char* name;
    SectionType type;
    double layoutDiameter;
  };
  const Case cases[] = {
      {"drilled shaft: the shaft diameter", SectionType::DrilledShaft, 36.0},
      {"cased shaft: inside the casing", SectionType::CasedShaft, 35.0},
      {"rectangle 36 x 48: the width", SectionType::RectangularConcrete, 36.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto ctx = makeSectionContext(kUnitsUsCustomary);
    PileSection& s = addSection(ctx->model, c.type, 4000.0);
    s.diameter = 36.0;
    s.sectionDepth = 48.0;
    s.wallThickness = 0.5;
    setCircularBars(s, 60000.0, 29.0e6, 8, 1, 1.0, 0.79, 3.0, /*offset=*/2.0);
    auto state = loadAndSlice(*ctx, 1);
    const SliceModel& m = state->slices;
    const double R = (c.layoutDiameter - 1.0) / 2.0 - 3.0;
    ASSERT_EQ(m.NumBars, 8);
    for (int k = 1; k <= 8; ++k) {
      EXPECT_NEAR(std::hypot(m.barX[k], m.barY[k] - 2.0), R, 1e-12);
      EXPECT_EQ(m.barArea[k], 0.79);
    }
    EXPECT_NEAR(m.barY[3], R + 2.0, 1e-12);  // the bar at 90 degrees, moved up by the offset
    EXPECT_NEAR(state->edgeToEdgeBarSpacing, 2.0 * R * std::sin(testing::kPi / 8.0) - 1.0, 1e-12);
    EXPECT_NEAR(m.TotalRebarArea, 8 * 0.79, 1e-12);
    EXPECT_NEAR(state->capacities.barArea, 8 * 0.79, 1e-12);
  }
}

TEST(SectionSetup, BarsAsEnteredKeepTheirPositions) {
  auto ctx = makeSectionContext(kUnitsUsCustomary);
  PileSection& s = addSection(ctx->model, SectionType::RectangularConcrete, 4000.0);
  s.diameter = 18.0;
  s.sectionDepth = 24.0;
  s.rebar.arrangement = kBarsNoncircular;
  s.rebar.numberOfBars = 2;
  s.rebar.bars[1] = BarPosition{8, 1.0, 0.79, -6.0, 9.0};
  s.rebar.bars[2] = BarPosition{6, 0.75, 0.44, 6.0, -9.0};
  auto state = loadAndSlice(*ctx, 1);
  EXPECT_EQ(state->slices.barX[1], -6.0);
  EXPECT_EQ(state->slices.barY[2], -9.0);
  EXPECT_EQ(state->slices.barDiameter[2], 0.75);
  EXPECT_FALSE(state->uniformBars);
  EXPECT_NEAR(state->slices.TotalConcreteArea, 18.0 * 24.0 - 1.23, 1e-12);
}

TEST(SectionSetup, ASectionCanReuseTheBarsOfTheSectionsAbove) {
  auto ctx = makeSectionContext(kUnitsUsCustomary);
  PileSection& top = addSection(ctx->model, SectionType::DrilledShaft, 4000.0);
  top.diameter = 36.0;
  setCircularBars(top, 60000.0, 29.0e6, 12, 1, 1.128, 1.0, 3.0);
  for (int i = 2; i <= 3; ++i) {
    PileSection& below = addSection(ctx->model, SectionType::DrilledShaft, 4000.0);
    below.diameter = 30.0;
    below.rebar.sameAsSectionAbove = true;
  }
  auto state = loadAndSlice(*ctx, 3);
  EXPECT_EQ(state->slices.NumBars, 12);
  EXPECT_NEAR(state->slices.TotalRebarArea, 12.0, 1e-12);
  EXPECT_DOUBLE_EQ(state->materials.barYieldStress, 60.0);
  // Laid out on this section's own diameter.
  EXPECT_NEAR(state->slices.barX[1], (30.0 - 1.128) / 2.0 - 3.0, 1e-12);
}

TEST(SectionSetup, StrandsAreLaidOutByTheirPatternAndTheShapeOfThePile) {
  struct Case {
    const char* name;
    SectionType type;
    int arrangement;
    bool square;  // placed on the square of half-side a, else on the circle of radius R
  };
  const Case cases[] = {
      {"square pile, pattern 1", SectionType::SquarePrestressed, 1, true},
      {"hollow square pile, pattern 2", SectionType::HollowSquarePrestressed, 2, true},
      {"square pile on a circle", SectionType::SquarePrestressed, 0, false},
      {"octagonal pile keeps its strands on a circle", SectionType::OctagonalPrestressed, 1, false},
      {"round pile keeps its strands on a circle", SectionType::CircularPrestressed, 2, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto ctx = makeSectionContext(kUnitsUsCustomary);
    PileSection& s = addSection(ctx->model, c.type, 6000.0);
    s.diameter = 24.0;
    s.voidDiameter = 10.0;
    StrandData& p = s.prestress;
    p.autoPositioned = true;
    p.strandType = 5;
    p.sizeCode = 2;  // 1 in deformed bar of 160 ksi
    p.ultimateStrength = 160000.0;
    p.elasticModulus = 29000.0;
    p.numberOfStrands = 8;
    p.cover = 2.0;
    p.arrangementCode = c.arrangement;
    p.strandDiameter = 1.0;
    for (int k = 1; k <= 8; ++k) p.strands[k] = BarPosition{2, 1.0, 0.85, 0.0, 0.0};
    auto state = loadAndSlice(*ctx, 1);
    const SliceModel& m = state->slices;
    const double half = (24.0 - 1.0) / 2.0 - 2.0;  // 9.5
    for (int k = 1; k <= 8; ++k) {
      const double r = c.square ? std::max(std::abs(m.barX[k]), std::abs(m.barY[k]))
                                : std::hypot(m.barX[k], m.barY[k]);
      EXPECT_NEAR(r, half, 1e-12);
    }
    EXPECT_EQ(state->materials.barGradeCode, 3);  // size code 2 counts as grade 3: 160 ksi
    EXPECT_DOUBLE_EQ(state->materials.strandUltimateStrength, 160.0);
    EXPECT_EQ(state->materials.strandModulus, 29000.0);
    EXPECT_NEAR(m.TotalRebarArea, 8 * 0.85, 1e-12);
    if (c.type == SectionType::HollowSquarePrestressed) {
      EXPECT_EQ(m.coreCount, 1);
      EXPECT_EQ(m.cores[1].diameter, 10.0);
      EXPECT_NEAR(m.TotalConcreteArea, 576.0 - circleArea(10.0) - 6.8, 1e-9);
    }
  }
}

TEST(SectionSetup, ManuallyPlacedStrandsKeepTheirPositions) {
  auto ctx = makeSectionContext(kUnitsUsCustomary);
  PileSection& s = addSection(ctx->model, SectionType::CircularPrestressed, 6000.0);
  s.diameter = 24.0;
  s.prestress.strandType = 1;
  s.prestress.numberOfStrands = 2;
  s.prestress.strands[1] = BarPosition{3, 0.5, 0.153, 0.0, 8.0};
  s.prestress.strands[2] = BarPosition{3, 0.5, 0.153, 0.0, -8.0};
  auto state = loadAndSlice(*ctx, 1);
  EXPECT_EQ(state->slices.barY[1], 8.0);
  EXPECT_EQ(state->slices.barY[2], -8.0);
}

TEST(SectionSetup, BarsThatCannotBePlacedStopTheRunWithRuntimeError41) {
  auto ctx = makeSectionContext(kUnitsUsCustomary);
  PileSection& s = addSection(ctx->model, SectionType::DrilledShaft, 4000.0);
  s.diameter = 36.0;
  setCircularBars(s, 60000.0, 29.0e6, 8, 1, 1.0, 0.79, 0.0);  // no cover
  SectionState state;
  EXPECT_THROW(loadSectionState(*ctx, 1, state), engine::RunStopped);
  EXPECT_EQ(ctx->model.state.errorCode, 242);
  const std::string block =
      "\n**** Runtime Error No. 42 ****\n\n"
      "Problem:  The reinforcing bars or strands of section 1 cannot be placed:\n"
      "          the concrete cover is zero or negative.\n"
      "Solution: Check the section diameter, the bar or strand diameter, the cover\n"
      "          and the number of bars or strands of the section.\n\n";
  EXPECT_EQ(ctx->report.text(), block);
  EXPECT_EQ(ctx->messages.text(), block);
}

TEST(SectionSetup, NothingOfThePreviousSectionSurvives) {
  auto ctx = makeSectionContext(kUnitsUsCustomary);
  PileSection& first = addSection(ctx->model, SectionType::CasedShaftWithCore, 4000.0);
  first.diameter = 36.0;
  first.wallThickness = 0.5;
  first.coreDiameter = 12.0;
  first.coreWallThickness = 0.5;
  first.coreFilled = true;
  setCircularBars(first, 60000.0, 29.0e6, 8, 1, 1.0, 0.79, 3.0);
  PileSection& second = addSection(ctx->model, SectionType::DrilledShaft, 4000.0);
  second.diameter = 24.0;

  SectionState state;
  loadSectionState(*ctx, 1, state);
  sliceSection(state);
  state.materials.precompression = 1.0e-4;
  state.flags.cracked = true;
  loadSectionState(*ctx, 2, state);
  sliceSection(state);
  EXPECT_EQ(state.slices.NumBars, 0);
  EXPECT_EQ(state.slices.coreCount, 0);
  EXPECT_EQ(state.materials.precompression, 0.0);
  EXPECT_FALSE(state.flags.cracked);
  EXPECT_NEAR(state.slices.TotalConcreteArea, circleArea(24.0), 1e-9);
  EXPECT_EQ(state.slices.TotalCoreConcreteArea, 0.0);
}

}  // namespace
}  // namespace quarn::section
