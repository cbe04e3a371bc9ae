// The concrete law a section's analysis uses, as the input echo asks for it,
// and as the section state takes it from the input.
#include "section/concrete_law.h"

#include <gtest/gtest.h>

#include "section_fixture.h"

namespace quarn::section {
namespace {

using testing::addSection;
using testing::loadAndSlice;
using testing::makeSectionContext;

TEST(ConcreteLaw, TheLineNamesTheCurveAndTheTensileStrength) {
  struct Case {
    SectionType type;
    bool curve;
    bool tensile;
    std::string_view line;
  };
  const Case cases[] = {
      {SectionType::DrilledShaft, false, false,
       "Concrete law: internal stress-strain curve, computed tensile strength"},
      {SectionType::DrilledShaft, false, true,
       "Concrete law: internal stress-strain curve, entered tensile strength"},
      {SectionType::RectangularConcrete, true, false,
       "Concrete law: input stress-strain curve in compression, computed tensile strength"},
      {SectionType::CircularPrestressed, true, true,
       "Concrete law: input stress-strain curve in compression, entered tensile strength"},
      {SectionType::SteelPipe, true, true, ""},
      {SectionType::Elastic, false, false, ""},
  };
  for (const Case& c : cases) {
    PileSection s;
    s.type = c.type;
    s.concrete.userStressStrainCurve = c.curve;
    s.concrete.curvePoints = c.curve ? 3 : 0;
    s.concrete.tensileStrengthEntered = c.tensile;
    EXPECT_EQ(concreteLawDescription(s), c.line);
    const ConcreteLawChoice choice = concreteLawOf(s);
    EXPECT_EQ(choice.inputCompressionCurve, c.curve && !c.line.empty());
    EXPECT_EQ(choice.curvePoints, choice.inputCompressionCurve ? 3 : 0);
    EXPECT_EQ(choice.enteredTensileStrength, c.tensile && !c.line.empty());
  }
}

// The section state holds the curve in ksi (US customary input in psi) or
// kPa (SI), and the tensile strength as its magnitude.
TEST(ConcreteLaw, TheSectionStateTakesTheInputConcrete) {
  for (int units : {kUnitsUsCustomary, kUnitsSi}) {
    SCOPED_TRACE(units);
    auto ctx = makeSectionContext(units);
    const double scale = units == kUnitsUsCustomary ? 1.0 / 1000.0 : 1.0;
    PileSection& s = addSection(ctx->model, SectionType::DrilledShaft, 4000.0);
    s.diameter = 36.0;
    s.concrete.userStressStrainCurve = true;
    s.concrete.curvePoints = 2;
    s.concrete.curveStrain[1] = 0.0;
    s.concrete.curveStress[1] = 0.0;
    s.concrete.curveStrain[2] = 0.003;
    s.concrete.curveStress[2] = 4000.0;
    s.concrete.tensileStrengthEntered = true;
    s.concrete.tensileStrength = -350.0;
    auto state = loadAndSlice(*ctx, 1);
    const MaterialState& m = state->materials;
    EXPECT_EQ(m.userCurve.count, 2);
    EXPECT_EQ(m.userCurve.strain[2], 0.003);
    EXPECT_DOUBLE_EQ(m.userCurve.stress[2], 4000.0 * scale);
    EXPECT_TRUE(m.tensileStrengthEntered);
    EXPECT_DOUBLE_EQ(m.enteredTensileStrength, 350.0 * scale);
    EXPECT_DOUBLE_EQ(m.concrete.fr, -350.0 * scale);
  }
  // The internal curve: no points.
  auto ctx = makeSectionContext(kUnitsUsCustomary);
  PileSection& s = addSection(ctx->model, SectionType::DrilledShaft, 4000.0);
  s.diameter = 36.0;
  s.concrete.curvePoints = 2;  // left over, but not chosen
  EXPECT_EQ(loadAndSlice(*ctx, 1)->materials.userCurve.count, 0);
}

}  // namespace
}  // namespace quarn::section
