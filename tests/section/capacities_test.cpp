// Axial capacities against hand calculations (ACI 318 nominal capacity
// 0.85 f'c Ac + fy As with the casing and core steel, the transformed
// section strained to the cracking strain of the concrete) and the exact
// report lines; the warning blocks of the section mechanics.
#include "section/capacities.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "report/warning_summary.h"
#include "section_fixture.h"

namespace quarn::section {
namespace {

using testing::addSection;
using testing::loadAndSlice;
using testing::makeSectionContext;
using testing::setCircularBars;

// A labelled force line: the label, "= " at column 56, F15.3 and the unit.
std::string forceLine(std::string label, std::string_view value, std::string_view unit) {
  label.resize(55, ' ');
  return label + "= " + std::string(value) + std::string(unit) + "\n";
}

struct CapacityCase {
  const char* name;
  int units;
  std::function<void(AnalysisModel&)> section;
  double Pcap, Tcap, Pcr;
  double tol;
  std::string report;  // empty: not compared
};

void drilledShaft36(AnalysisModel& model) {
  // 36 in shaft, f'c = 4 ksi, ten bars of 0.79 in2 with fy = 60 ksi:
  // A_g = 1017.88 in2, Pcap = 0.85 x 4 x 1009.98 + 60 x 7.9 = 3907.92 kips,
  // Tcap = -474 kips; Ec = 3605.0 ksi and epsCr = -0.00011537 give
  // Pcr = (29000 x 7.9 + 3605.0 x 1009.98) x epsCr = -446.49 kips.
  PileSection& s = addSection(model, SectionType::DrilledShaft, 4000.0);
  s.diameter = 36.0;
  setCircularBars(s, 60000.0, 29.0e6, 10, 1, 1.0, 0.79, 3.0);
}

void casedShaft(AnalysisModel& model, SectionType type, bool filled) {
  // Casing 36 x 0.5 in (fy = 36 ksi): ring 55.76 in2, inside 962.11 in2.
  PileSection& s = addSection(model, type, 4000.0);
  s.diameter = 36.0;
  s.wallThickness = 0.5;
  s.steelYieldStress = 36000.0;
  s.steelModulus = 29.0e6;
  if (type == SectionType::CasedShaftWithCore) {
    s.coreFilled = filled;
    s.coreDiameter = 12.0;  // tube ring 9.03 in2, footprint 113.10 in2
    s.coreWallThickness = 0.5;
  }
  setCircularBars(s, 60000.0, 29.0e6, 10, 1, 1.0, 0.79, 3.0);
}

TEST(AxialCapacities, ReinforcedSectionsAndPipesByHand) {
  const std::string header = "\nAxial Structural Capacities:\n----------------------------\n";
  const std::string rc = "Nom. Axial Structural Capacity = 0.85 Fc Ac + Fy As";
  const std::string cracking = "Tensile Load for Cracking of Concrete";
  const std::string tension = "Nominal Axial Tensile Capacity  ";
  const CapacityCase cases[] = {
      {"36 in drilled shaft", kUnitsUsCustomary, drilledShaft36, 3907.92, -474.0, -446.49, 0.01,
       header + forceLine(rc, "       3907.919", " kips   ") +
           forceLine(cracking, "       -446.490", " kips   ") +
           forceLine(tension, "       -474.000", " kips   ") + "\n\n"},
      // 36 x 55.76 + 0.85 x 4 x (962.11 - 7.9) + 60 x 7.9; the casing adds
      // 29000 x 55.76 to the transformed section.
      {"shaft with permanent casing", kUnitsUsCustomary,
       [](AnalysisModel& m) { casedShaft(m, SectionType::CasedShaft, false); }, 5725.80, -2481.48,
       -609.867, 0.01,
       header + forceLine(rc, "       5725.801", " kips   ") +
           forceLine(cracking, "       -609.867", " kips   ") +
           forceLine(tension, "      -2481.478", " kips   ") + "\n\n"},
      // A void core takes its footprint out of the concrete, a filled one its
      // tube only; the tube adds 36 x 9.03.
      {"casing and void core", kUnitsUsCustomary,
       [](AnalysisModel& m) { casedShaft(m, SectionType::CasedShaftWithCore, false); }, 5991.58,
       -3131.79, -623.267, 0.01, ""},
      {"casing and filled core", kUnitsUsCustomary,
       [](AnalysisModel& m) { casedShaft(m, SectionType::CasedShaftWithCore, true); }, 6314.69,
       -3131.79, -662.792, 0.01, ""},
      // 36 ksi x pi/4 (24^2 - 23^2) = 36 x 36.91 in2.
      {"steel pipe", kUnitsUsCustomary,
       [](AnalysisModel& m) {
         PileSection& s = addSection(m, SectionType::SteelPipe, 0.0);
         s.diameter = 24.0;
         s.wallThickness = 0.5;
         s.steelYieldStress = 36000.0;
         s.steelModulus = 29.0e6;
       },
       1328.894, -1328.894, 0.0, 0.001,
       header + forceLine("Nom. Axial Structural Capacity = Fy As", "       1328.894", " kips   ") +
           forceLine(tension, "      -1328.894", " kips   ") + "\n\n"},
      // 0.9 m shaft, f'c = 27579 kPa (4 ksi), ten bars of 510 mm2 with
      // fy = 413685 kPa (60 ksi).
      {"SI drilled shaft", kUnitsSi,
       [](AnalysisModel& m) {
         PileSection& s = addSection(m, SectionType::DrilledShaft, 4.0 * 6894.757);
         s.diameter = 0.9;
         setCircularBars(s, 60.0 * 6894.757, 29000.0 * 6894.757, 10, 1, 0.0254, 0.00051, 0.075);
       },
       16903.508, -2109.796, -1927.308, 0.001,
       header + forceLine(rc, "      16903.508", " kN     ") +
           forceLine(cracking, "      -1927.308", " kN     ") +
           forceLine(tension, "      -2109.796", " kN     ") + "\n\n"},
  };
  for (const CapacityCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto ctx = makeSectionContext(c.units);
    c.section(ctx->model);
    auto s = loadAndSlice(*ctx, 1);
    const SectionUnitLabels& labels = sectionUnitLabels(c.units);
    Compute_Axial_Structural_Capacity(ctx->report, *s, labels);
    Compute_Tensile_Capacities(ctx->report, *s, labels);
    EXPECT_NEAR(s->capacities.Pcap, c.Pcap, c.tol);
    EXPECT_NEAR(s->capacities.Tcap, c.Tcap, c.tol);
    EXPECT_NEAR(s->capacities.Pcr, c.Pcr, c.tol);
    if (!c.report.empty()) {
      EXPECT_EQ(ctx->report.text(), c.report);
    }
  }
}

TEST(AxialCapacities, PrestressedSectionsPrintNothingAndWaitForThePrestress) {
  auto ctx = makeSectionContext(kUnitsUsCustomary);
  PileSection& p = addSection(ctx->model, SectionType::SquarePrestressed, 6000.0);
  p.diameter = 12.0;
  p.prestress.autoPositioned = true;
  p.prestress.strandType = 1;
  p.prestress.numberOfStrands = 4;
  p.prestress.cover = 2.0;
  p.prestress.strandDiameter = 0.5;
  for (int k = 1; k <= 4; ++k) p.prestress.strands[k] = BarPosition{3, 0.5, 0.153, 0.0, 0.0};
  auto s = loadAndSlice(*ctx, 1);
  Compute_Axial_Structural_Capacity(ctx->report, *s, kUsCustomarySectionLabels);
  Compute_Tensile_Capacities(ctx->report, *s, kUsCustomarySectionLabels);
  EXPECT_EQ(ctx->report.text(), "");
  // 0.85 x 6 ksi on the concrete left by the four strands.
  EXPECT_NEAR(s->capacities.Pcap, 0.85 * 6.0 * (144.0 - 4 * 0.153), 1e-4);
  EXPECT_EQ(s->capacities.Tcap, 0.0);
  EXPECT_EQ(s->capacities.Pcr, 0.0);
}

TEST(WarningBlocks, TheSectionWarningsHaveTheirBlocks) {
  struct Case {
    int code;
    std::size_t titleLine;
    std::string_view title;
    std::string_view firstText;
  };
  const Case cases[] = {
      {-kWarningTooManyCurvePoints, 0, "***** Warning *****",
       "Too many values were calculated for moment-curvature."},
      {-kWarningPossibleDesignError, 1, "**** Warning - Possible Design Error ****",
       "Maximum moment capacity was reached at maximum compressive strains that are"},
      {-kWarningLrfdFailure, 1, "**** Warning - Failure for One or More LRFD Load Cases ****",
       "This warning message is provided to alert the user that one or more of "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    const auto block = report::warningBlock(c.code);
    ASSERT_GT(block.size(), c.titleLine + 2);
    EXPECT_EQ(block[c.titleLine], c.title);
    EXPECT_EQ(block[c.titleLine + 1], "");
    EXPECT_EQ(block[c.titleLine + 2], c.firstText);
  }
}

}  // namespace
}  // namespace quarn::section
