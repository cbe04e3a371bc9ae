// Warnings 3091 to 3122 for section materials and covers outside what real
// piles and drilled shafts use, at the edges of their ranges in both unit
// systems, and their blocks in the warning summary.
#include "section/material_warnings.h"

#include <gtest/gtest.h>

#include <vector>

#include "report/warning_summary.h"
#include "section_fixture.h"

namespace quarn::section {
namespace {

using testing::addSection;
using testing::loadAndSlice;
using testing::makeSectionContext;
using testing::setCircularBars;

constexpr double kKpaPerPsi = 6.894757;
constexpr double kMetresPerInch = 0.0254;

struct Materials {
  double fc = 4000.0;   // psi
  double Es = 29.0e6;   // psi
  double fy = 60000.0;  // psi
  double cover = 3.0;   // in
};

// The codes registered for a 36 in drilled shaft with twelve #9 bars on a
// circle, entered in US customary units, or converted to SI (`convert`) or
// given in SI as they stand.
std::vector<int> warningsOf(const Materials& in, int units, bool convert = true) {
  auto ctx = makeSectionContext(units);
  const bool si = units == kUnitsSi;
  const double stress = si && convert ? kKpaPerPsi : 1.0;
  const double length = si ? kMetresPerInch : 1.0;
  const double cover = si && !convert ? 1.0 : length;
  PileSection& s = addSection(ctx->model, SectionType::DrilledShaft, in.fc * stress);
  s.diameter = 36.0 * length;
  setCircularBars(s, in.fy * stress, in.Es * stress, 12, 1, 1.128 * length, 1.0 * length * length,
                  in.cover * cover);
  auto state = loadAndSlice(*ctx, 1);
  checkSectionMaterials(ctx->model, *state);
  std::vector<int> codes;
  for (int c = 1; c <= kMaxWarningCode; ++c) {
    const int n = ctx->model.state.warningOccurrences[static_cast<std::size_t>(c)];
    if (n > 0) codes.push_back(n == 1 ? -c : 0);
  }
  return codes;
}

TEST(MaterialWarnings, ValuesOutsideTheRangesOfRealSections) {
  struct Case {
    const char* name;
    Materials materials;
    std::vector<int> codes;
  };
  const Case cases[] = {
      {"a usual shaft", {}, {}},
      {"just inside the lower ends", {2501.0, 25.01e6, 40010.0, 1.501}, {}},
      {"just inside the upper ends", {11999.0, 31.99e6, 99990.0, 5.999}, {}},
      {"concrete of 2400 psi", {2400.0, 29.0e6, 60000.0, 3.0}, {kWarningConcreteStrengthLow}},
      {"f'c entered in ksi", {4.0, 29.0e6, 60000.0, 3.0}, {kWarningConcreteStrengthLow}},
      {"concrete of 13000 psi", {13000.0, 29.0e6, 60000.0, 3.0}, {kWarningConcreteStrengthHigh}},
      {"a bar modulus of 24000 ksi", {4000.0, 24.0e6, 60000.0, 3.0}, {kWarningBarModulusLow}},
      {"a bar modulus of 33000 ksi", {4000.0, 33.0e6, 60000.0, 3.0}, {kWarningBarModulusHigh}},
      {"bars of 36 ksi", {4000.0, 29.0e6, 36000.0, 3.0}, {kWarningBarYieldLow}},
      {"bars of 120 ksi", {4000.0, 29.0e6, 120000.0, 3.0}, {kWarningBarYieldHigh}},
      {"a cover of 1 in", {4000.0, 29.0e6, 60000.0, 1.0}, {kWarningCoverSmall}},
      {"a cover of 7 in", {4000.0, 29.0e6, 60000.0, 7.0}, {kWarningCoverLarge}},
      {"everything low",
       {2000.0, 20.0e6, 30000.0, 1.0},
       {kWarningConcreteStrengthLow, kWarningBarModulusLow, kWarningBarYieldLow,
        kWarningCoverSmall}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(warningsOf(c.materials, kUnitsUsCustomary), c.codes);
    EXPECT_EQ(warningsOf(c.materials, kUnitsSi), c.codes);
  }
}

// The limits themselves are accepted: 2500 to 12000 psi, 25000 to 32000
// ksi, 40 to 100 ksi, 1.5 to 6 in; in SI 17237 to 82737 kPa, 172.4 to 220.6
// GPa, 275.8 to 689.5 MPa, 38.1 to 152.4 mm, and just beyond them not.
TEST(MaterialWarnings, TheEndsOfTheRanges) {
  struct Case {
    int units;
    Materials materials;
    std::vector<int> codes;
  };
  const Case cases[] = {
      {kUnitsUsCustomary, {2500.0, 25.0e6, 40000.0, 1.5}, {}},
      {kUnitsUsCustomary, {12000.0, 32.0e6, 100000.0, 6.0}, {}},
      {kUnitsSi, {17237.0, 172.4e6, 275800.0, 0.0381}, {}},
      {kUnitsSi, {82737.0, 220.6e6, 689500.0, 0.1524}, {}},
      {kUnitsSi,
       {17236.0, 172.3e6, 275700.0, 0.0380},
       {kWarningConcreteStrengthLow, kWarningBarModulusLow, kWarningBarYieldLow,
        kWarningCoverSmall}},
      {kUnitsSi,
       {82738.0, 220.7e6, 689600.0, 0.1525},
       {kWarningConcreteStrengthHigh, kWarningBarModulusHigh, kWarningBarYieldHigh,
        kWarningCoverLarge}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.materials.fc);
    EXPECT_EQ(warningsOf(c.materials, c.units, false), c.codes);
  }
}

// General units have no scale to judge by.
TEST(MaterialWarnings, GeneralUnitsAreNotChecked) {
  EXPECT_EQ(warningsOf({4.0, 29000.0, 60.0, 3.0}, kUnitsGeneral), std::vector<int>{});
}

// A section without bars has no bar values to check, a steel pipe no
// concrete; a prestressed pile's strands have their cover checked.
TEST(MaterialWarnings, OnlyTheValuesASectionHas) {
  auto ctx = makeSectionContext(kUnitsUsCustomary);
  PileSection& pipe = addSection(ctx->model, SectionType::SteelPipe, 1000.0);
  pipe.diameter = 24.0;
  pipe.wallThickness = 0.5;
  pipe.steelYieldStress = 36000.0;
  pipe.steelModulus = 10.0e6;
  PileSection& bare = addSection(ctx->model, SectionType::DrilledShaft, 4000.0);
  bare.diameter = 36.0;
  bare.rebar.arrangement = kBarsNone;
  bare.rebar.elasticModulus = 1.0;
  PileSection& pile = addSection(ctx->model, SectionType::CircularPrestressed, 6000.0);
  pile.diameter = 24.0;
  StrandData& p = pile.prestress;
  p.autoPositioned = true;
  p.strandType = 1;
  p.numberOfStrands = 8;
  p.cover = 1.0;
  p.strandDiameter = 0.5;
  p.strandArea = 0.153;
  for (int k = 1; k <= 8; ++k) p.strands[static_cast<std::size_t>(k)] = {3, 0.5, 0.153, 0.0, 0.0};
  for (int i = 1; i <= 3; ++i) checkSectionMaterials(ctx->model, *loadAndSlice(*ctx, i));
  int distinct = 0;
  for (int c = 1; c <= kMaxWarningCode; ++c) {
    if (ctx->model.state.warningOccurrences[static_cast<std::size_t>(c)] > 0) ++distinct;
  }
  EXPECT_EQ(distinct, 1);
  EXPECT_EQ(ctx->model.state.warningOccurrences[static_cast<std::size_t>(-kWarningCoverSmall)], 1);
}

TEST(MaterialWarnings, EveryCodeHasItsBlock) {
  struct Case {
    int code;
    std::string_view title;
    std::string_view limit;  // the line that names the limit
  };
  const Case cases[] = {
      {kWarningConcreteStrengthLow, "**** Warning - Compressive Strength of Concrete ****",
       "2500 psi (17237 kPa), the least strength of structural concrete."},
      {kWarningConcreteStrengthHigh, "**** Warning - Compressive Strength of Concrete ****",
       "12000 psi (82737 kPa); the stress-strain curve of the concrete is meant for"},
      {kWarningBarModulusLow, "**** Warning - Elastic Modulus of Reinforcing Steel ****",
       "25000 ksi (172.4 GPa); reinforcing steel has a modulus of about 29000 ksi."},
      {kWarningBarModulusHigh, "**** Warning - Elastic Modulus of Reinforcing Steel ****",
       "32000 ksi (220.6 GPa); reinforcing steel has a modulus of about 29000 ksi."},
      {kWarningBarYieldLow, "**** Warning - Yield Strength of Reinforcing Steel ****",
       "40 ksi (275.8 MPa), the lowest grade of reinforcing bars."},
      {kWarningBarYieldHigh, "**** Warning - Yield Strength of Reinforcing Steel ****",
       "100 ksi (689.5 MPa), the highest grade of reinforcing bars."},
      {kWarningCoverSmall, "**** Warning - Concrete Cover ****",
       "than 1.5 in (38.1 mm), the least cover of concrete cast against earth or of"},
      {kWarningCoverLarge, "**** Warning - Concrete Cover ****",
       "than 6 in (152.4 mm), more than the cover of the largest drilled shafts."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    const auto block = report::warningBlock(-c.code);
    ASSERT_EQ(block.size(), 7u);
    EXPECT_EQ(block[0], c.title);
    EXPECT_EQ(block[1], "");
    EXPECT_EQ(block[3], c.limit);
    EXPECT_EQ(block[5], "The input value was used in computations.");
    EXPECT_EQ(block[6], "");
  }
}

}  // namespace
}  // namespace quarn::section
