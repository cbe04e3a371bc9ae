// The SECTIONS reader: representative sections of every kind with the values
// they store, the section depths, the fill flag of cased shafts with a core,
// and the out-of-order and unrecognised-command stops.
#include "input/sections_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "input/sections_test_support.h"

namespace quarn::input {
namespace {

using namespace quarn::input::testing;

constexpr double kPi = std::numbers::pi;
// Widened single-precision constants, as the strand table holds them.
double f(float value) { return static_cast<double>(value); }

const std::vector<std::string> kConcreteDefaults = {
    "Use default concrete tensile strength", "Use internal stress-strain curve for concrete"};

std::vector<std::string> concat(std::initializer_list<std::vector<std::string>> parts) {
  std::vector<std::string> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

struct SectionCase {
  const char* name;
  ModelSetup setup;
  std::vector<std::string> lines;
  std::function<void(const AnalysisModel&)> check;
};

const std::vector<SectionCase> kSectionCases = {
    {"SI drilled shaft with bars in a circle", useSi,
     concat({{"1", "1", "1", "15.0", "900", "28000", "19"},
             kConcreteDefaults,
             {"Rebar Arrangement Not Same As Section Above", "Rebar in circle", "414000",
              "200000000", "12", "1", "25", "491", "75", "0"}}),
     [](const AnalysisModel& m) {
       const PileSection& s = m.pile.sections[1];
       EXPECT_EQ(s.type, SectionType::DrilledShaft);
       EXPECT_DOUBLE_EQ(s.length, 15.0);
       EXPECT_DOUBLE_EQ(s.diameter, 0.9);  // 900 mm
       EXPECT_DOUBLE_EQ(s.concrete.compressiveStrength, 28000.0);
       EXPECT_DOUBLE_EQ(s.concrete.maxAggregateSize, 0.019);
       EXPECT_FALSE(s.concrete.tensileStrengthEntered);
       EXPECT_FALSE(s.concrete.userStressStrainCurve);
       EXPECT_EQ(s.rebar.arrangement, kBarsCircular);
       EXPECT_FALSE(s.rebar.sameAsSectionAbove);
       EXPECT_DOUBLE_EQ(s.rebar.yieldStress, 414000.0);
       EXPECT_DOUBLE_EQ(s.rebar.elasticModulus, 2.0e8);
       EXPECT_EQ(s.rebar.groups, 12);
       EXPECT_EQ(s.rebar.bundleSize, 1);
       EXPECT_EQ(s.rebar.numberOfBars, 12);
       EXPECT_DOUBLE_EQ(s.rebar.barDiameter, 0.025);
       EXPECT_DOUBLE_EQ(s.rebar.barArea, 0.000491);
       EXPECT_DOUBLE_EQ(s.rebar.bars[12].area, 0.000491);
       EXPECT_DOUBLE_EQ(s.rebar.cover, 0.075);
       EXPECT_DOUBLE_EQ(s.rebar.offset, 0.0);
       EXPECT_DOUBLE_EQ(s.topDepth, 0.0);
       EXPECT_DOUBLE_EQ(s.bottomDepth, 15.0);
       EXPECT_DOUBLE_EQ(m.pile.length, 15.0);
       ASSERT_EQ(m.pile.numberOfStations, 2);
       EXPECT_DOUBLE_EQ(m.pile.stations[2].depth, 15.0);
       EXPECT_DOUBLE_EQ(m.pile.stations[2].width, 0.9);
       EXPECT_NEAR(m.pile.stations[1].area, kPi * 0.81 / 4.0, 1e-12);
       // Ec = 57000 sqrt(f'c psi) psi, with 28000 kPa = 4061.0 psi.
       const double fcPsi = 28000.0 * 0.14503774;
       EXPECT_NEAR(m.pile.stations[1].modulus, 57000.0 * std::sqrt(fcPsi) * 6.894757, 50.0);
     }},
    {"US rectangular pile, entered tensile strength, user curve, bars one by one", {},
     concat({{"1", "1", "0", "40.0", "18", "24", "5000", "0.75", "Override concrete tensile strength",
              "530", "Input stress-strain curve for concrete", "3", "1 0.0 0.0", "2 0.002 5000",
              "3 0.003 4250", "Rebar Arrangement Not Same As Section Above",
              "Rebar in noncircular pattern", "60000", "29000000", "2",
              "1 8 1.0 0.79 -6.0 9.0", "2 9 1.128 1.0 6.0 -9.0"}}),
     [](const AnalysisModel& m) {
       const PileSection& s = m.pile.sections[1];
       EXPECT_EQ(s.type, SectionType::RectangularConcrete);
       EXPECT_DOUBLE_EQ(s.diameter, 18.0);
       EXPECT_DOUBLE_EQ(s.sectionDepth, 24.0);
       EXPECT_TRUE(s.concrete.tensileStrengthEntered);
       EXPECT_DOUBLE_EQ(s.concrete.tensileStrength, 530.0);
       EXPECT_TRUE(s.concrete.userStressStrainCurve);
       EXPECT_EQ(s.concrete.curvePoints, 3);
       EXPECT_DOUBLE_EQ(s.concrete.curveStrain[2], 0.002);
       EXPECT_DOUBLE_EQ(s.concrete.curveStress[3], 4250.0);
       EXPECT_EQ(s.rebar.arrangement, kBarsNoncircular);
       EXPECT_TRUE(s.rebar.nonUniform);
       EXPECT_EQ(s.rebar.numberOfBars, 2);
       EXPECT_EQ(s.rebar.bars[2].code, 9);
       EXPECT_DOUBLE_EQ(s.rebar.bars[2].diameter, 1.128);
       EXPECT_DOUBLE_EQ(s.rebar.bars[2].area, 1.0);
       EXPECT_DOUBLE_EQ(s.rebar.bars[1].x, -6.0);
       EXPECT_DOUBLE_EQ(s.rebar.bars[2].y, -9.0);
       EXPECT_DOUBLE_EQ(m.pile.stations[1].area, 18.0 * 24.0);
       EXPECT_DOUBLE_EQ(m.pile.stations[1].inertia, 18.0 * 24.0 * 24.0 * 24.0 / 12.0);
       EXPECT_DOUBLE_EQ(m.pile.stations[1].width2, 24.0);
       EXPECT_NEAR(m.pile.stations[1].modulus, 4030508.7, 0.1);  // 57000 sqrt(5000)
     }},
    {"SI steel pipe pile", useSi, {"1", "1", "4", "20.0", "610", "12.7", "248000", "200000000"},
     [](const AnalysisModel& m) {
       const PileSection& s = m.pile.sections[1];
       EXPECT_EQ(s.type, SectionType::SteelPipe);
       EXPECT_DOUBLE_EQ(s.diameter, 0.61);
       EXPECT_DOUBLE_EQ(s.wallThickness, 0.0127);
       EXPECT_DOUBLE_EQ(s.steelYieldStress, 248000.0);
       EXPECT_DOUBLE_EQ(s.steelModulus, 2.0e8);
       const double inner = 0.61 - 2.0 * 0.0127;
       EXPECT_NEAR(m.pile.stations[1].area, kPi / 4.0 * (0.61 * 0.61 - inner * inner), 1e-12);
       EXPECT_NEAR(m.pile.stations[2].inertia,
                   kPi / 64.0 * (std::pow(0.61, 4) - std::pow(inner, 4)), 1e-14);
       EXPECT_DOUBLE_EQ(m.pile.stations[2].modulus, 2.0e8);
     }},
    {"US circular prestressed pile with automatically placed strands", {},
     concat({{"1", "1", "5", "60.0", "24", "6000", "0.75"},
             kConcreteDefaults,
             {"Autoposition strands", "1", "3", "12", "350000", "0.2", "3.0", "0"}}),
     [](const AnalysisModel& m) {
       const StrandData& p = m.pile.sections[1].prestress;
       EXPECT_TRUE(p.autoPositioned);
       EXPECT_EQ(p.strandType, 1);
       EXPECT_EQ(p.sizeCode, 3);
       EXPECT_EQ(p.numberOfStrands, 12);
       EXPECT_DOUBLE_EQ(p.jackingForce, 350000.0);
       EXPECT_DOUBLE_EQ(p.lossFraction, 0.2);
       EXPECT_DOUBLE_EQ(p.cover, 3.0);
       EXPECT_EQ(p.arrangementCode, kStrandsOnCircle);
       EXPECT_DOUBLE_EQ(p.ultimateStrength, 270000.0);
       EXPECT_DOUBLE_EQ(p.elasticModulus, 28000.0);
       EXPECT_DOUBLE_EQ(p.strandDiameter, f(0.5f));
       EXPECT_DOUBLE_EQ(p.strandArea, f(0.153f));
       EXPECT_DOUBLE_EQ(p.strands[12].area, f(0.153f));
     }},
    {"SI square prestressed pile with manually placed strands", useSi,
     concat({{"1", "1", "7", "12.0", "450", "25", "41000", "19"},
             kConcreteDefaults,
             {"Manually-positioned strands", "0", "4", "500", "0.18", "1 0 5 -150 -150",
              "2 0 5 150 -150", "3 0 5 150 150", "4 0 5 -150 150"}}),
     [](const AnalysisModel& m) {
       const PileSection& s = m.pile.sections[1];
       EXPECT_DOUBLE_EQ(s.diameter, 0.45);
       EXPECT_DOUBLE_EQ(s.chamfer, 0.025);
       const StrandData& p = s.prestress;
       EXPECT_FALSE(p.autoPositioned);
       EXPECT_EQ(p.numberOfStrands, 4);
       EXPECT_DOUBLE_EQ(p.strands[3].x, 0.15);
       EXPECT_DOUBLE_EQ(p.strands[3].y, 0.15);
       EXPECT_DOUBLE_EQ(p.strands[4].x, -0.15);
       EXPECT_EQ(p.strands[4].code, 5);
       const double metresPerInch = f(0.0254f);
       EXPECT_DOUBLE_EQ(p.strands[1].diameter, f(0.5f) * metresPerInch);
       EXPECT_DOUBLE_EQ(p.strands[1].area, f(0.144f) * metresPerInch * metresPerInch);
       EXPECT_DOUBLE_EQ(p.elasticModulus, 1.930532e8);
       EXPECT_DOUBLE_EQ(p.ultimateStrength, 250000.0 * f(6894.757f) / 1000.0);
       // Chamfered square: the side squared less four corner triangles.
       EXPECT_NEAR(m.pile.stations[1].area, 0.45 * 0.45 - 2.0 * 0.025 * 0.025, 1e-12);
     }},
    {"SI elastic pipe: millimetres, square and quartic millimetres converted", useSi,
     {"1", "1", "11", "18.0", "3", "200000000", "610", "560", "12.7", "10", "23830", "20000",
      "1.05e9", "8.0e8"},
     [](const AnalysisModel& m) {
       const ElasticData& e = m.pile.sections[1].elastic;
       EXPECT_EQ(e.shape, kShapeCircularPipe);
       EXPECT_DOUBLE_EQ(e.elasticModulus, 2.0e8);
       EXPECT_DOUBLE_EQ(e.widthTop, 0.61);
       EXPECT_DOUBLE_EQ(e.widthBottom, 0.56);
       EXPECT_DOUBLE_EQ(e.wallThicknessTop, 0.0127);
       EXPECT_DOUBLE_EQ(e.wallThicknessBottom, 0.01);
       EXPECT_DOUBLE_EQ(e.areaTop, 0.02383);
       EXPECT_DOUBLE_EQ(e.areaBottom, 0.02);
       EXPECT_DOUBLE_EQ(e.inertiaTop, 1.05e-3);
       EXPECT_DOUBLE_EQ(e.inertiaBottom, 8.0e-4);
       EXPECT_DOUBLE_EQ(m.pile.sections[1].diameter, 0.61);
       EXPECT_DOUBLE_EQ(m.pile.stations[2].width, 0.56);
       EXPECT_DOUBLE_EQ(m.pile.stations[2].inertia, 8.0e-4);
       EXPECT_DOUBLE_EQ(m.pile.stations[2].area, 0.02);
       EXPECT_DOUBLE_EQ(m.pile.stations[2].modulus, 2.0e8);
     }},
    {"US elastic-plastic strong H-pile: one plastic moment, bottom repeats top", {},
     {"1", "1", "12", "50.0", "4", "29000000", "6.0e6", "10.2", "9.99", "0.42", "0.43", "15.5",
      "271"},
     [](const AnalysisModel& m) {
       const ElasticData& e = m.pile.sections[1].elastic;
       EXPECT_EQ(m.pile.sections[1].type, SectionType::ElasticPlastic);
       EXPECT_DOUBLE_EQ(e.plasticMomentTop, 6.0e6);
       EXPECT_DOUBLE_EQ(e.plasticMomentBottom, 6.0e6);
       EXPECT_DOUBLE_EQ(e.widthTop, 10.2);
       EXPECT_DOUBLE_EQ(e.widthBottom, 10.2);
       EXPECT_DOUBLE_EQ(e.depthTop, 9.99);
       EXPECT_DOUBLE_EQ(e.flangeThickness, 0.42);
       EXPECT_DOUBLE_EQ(e.webThickness, 0.43);
       EXPECT_DOUBLE_EQ(e.areaBottom, 15.5);
       EXPECT_DOUBLE_EQ(e.inertiaBottom, 271.0);
       EXPECT_DOUBLE_EQ(m.pile.sections[1].diameter, 10.2);
       EXPECT_DOUBLE_EQ(m.pile.stations[2].inertia, 271.0);
       EXPECT_DOUBLE_EQ(m.pile.stations[2].modulus, 29.0e6);
     }},
    {"SI weak H-pile: flange and web thickness kept as entered", useSi,
     {"1", "1", "11", "20.0", "5", "200000000", "250", "246", "14", "13", "9000", "1.0e8"},
     [](const AnalysisModel& m) {
       const ElasticData& e = m.pile.sections[1].elastic;
       EXPECT_EQ(e.shape, kShapeWeakHPile);
       EXPECT_DOUBLE_EQ(e.widthTop, 0.25);
       EXPECT_DOUBLE_EQ(e.depthTop, 0.246);
       EXPECT_DOUBLE_EQ(e.flangeThickness, 14.0);
       EXPECT_DOUBLE_EQ(e.webThickness, 13.0);
       EXPECT_DOUBLE_EQ(e.areaTop, 0.009);
       EXPECT_DOUBLE_EQ(e.inertiaTop, 1.0e-4);
       EXPECT_DOUBLE_EQ(e.plasticMomentTop, 0.0);
     }},
    {"US embedded pole: the drilled hole is the width for p-y curves", {},
     {"1", "1", "12", "25.0", "6", "1.6e6", "2.0e6", "1.5e6", "12", "10", "113.1", "78.5",
      "1017.9", "490.9", "30"},
     [](const AnalysisModel& m) {
       const PileSection& s = m.pile.sections[1];
       EXPECT_DOUBLE_EQ(s.elastic.plasticMomentTop, 2.0e6);
       EXPECT_DOUBLE_EQ(s.elastic.plasticMomentBottom, 1.5e6);
       EXPECT_DOUBLE_EQ(s.elastic.holeDiameter, 30.0);
       EXPECT_DOUBLE_EQ(s.diameter, 30.0);
       EXPECT_DOUBLE_EQ(m.pile.stations[1].width, 30.0);
       EXPECT_DOUBLE_EQ(m.pile.stations[1].width2, 12.0);
       EXPECT_DOUBLE_EQ(m.pile.stations[2].width2, 10.0);
       EXPECT_DOUBLE_EQ(m.pile.stations[2].area, 78.5);
     }},
    {"US user-defined moment versus bending stiffness", {},
     {"1", "1", "13", "30.0", "24", "2", "0", "2", "1.0e6", "1.0e10", "2.0e6", "8.0e9", "100000",
      "3", "1.0e6", "1.2e10", "3.0e6", "9.0e9", "4.0e6", "7.0e9"},
     [](const AnalysisModel& m) {
       const PileSection& s = m.pile.sections[1];
       EXPECT_DOUBLE_EQ(s.diameter, 24.0);
       ASSERT_EQ(s.userEi.size(), 2u);
       EXPECT_DOUBLE_EQ(s.userEi[1].axialThrust, 100000.0);
       ASSERT_EQ(s.userEi[1].moment.size(), 3u);
       EXPECT_DOUBLE_EQ(s.userEi[1].moment[2], 4.0e6);
       EXPECT_DOUBLE_EQ(s.userEi[1].stiffness[2], 7.0e9);
       EXPECT_DOUBLE_EQ(s.userEi[0].stiffness[1], 8.0e9);
       const double inertia = kPi * std::pow(24.0, 4) / 64.0;
       EXPECT_NEAR(m.pile.stations[1].modulus * m.pile.stations[1].inertia, 1.0e10, 1.0);
       EXPECT_NEAR(m.pile.stations[1].inertia, inertia, 1e-9);
     }},
};

TEST(SectionsReader, StoresRepresentativeSections) {
  for (const SectionCase& c : kSectionCases) {
    SCOPED_TRACE(c.name);
    const ReaderResult r = runReader(readSections, c.lines, c.setup);
    ASSERT_FALSE(r.stopped) << r.report();
    EXPECT_EQ(r.linesRead, static_cast<long>(c.lines.size()));
    EXPECT_EQ(r.model().pile.numberOfSections, 1);
    EXPECT_EQ(r.messages().rfind("Reading section properties for Section 1\n", 0), 0u);
    c.check(r.model());
  }
}

// Three steel pipe sections of lengths 10, 20 and 30.
std::vector<std::string> threePipeSections() {
  std::vector<std::string> lines = {"3"};
  const char* lengths[] = {"10", "20", "30"};
  for (int i = 0; i < 3; ++i) {
    for (const std::string& line :
         {std::to_string(i + 1), std::string("4"), std::string(lengths[i]), std::string("24"),
          std::string("0.5"), std::string("36000"), std::string("29000000")}) {
      lines.push_back(line);
    }
  }
  return lines;
}

TEST(SectionsReader, AccumulatesSectionLengthsIntoDepths) {
  const ReaderResult r = runReader(readSections, threePipeSections());
  ASSERT_FALSE(r.stopped) << r.report();
  const Pile& pile = r.model().pile;
  ASSERT_EQ(pile.numberOfSections, 3);
  const double tops[] = {0.0, 10.0, 30.0};
  const double bottoms[] = {10.0, 30.0, 60.0};
  for (int i = 1; i <= 3; ++i) {
    EXPECT_DOUBLE_EQ(pile.sections[i].topDepth, tops[i - 1]);
    EXPECT_DOUBLE_EQ(pile.sections[i].bottomDepth, bottoms[i - 1]);
    EXPECT_DOUBLE_EQ(pile.sectionBoundaryDepths[i], tops[i - 1]);
    EXPECT_DOUBLE_EQ(pile.stations[2 * i - 1].depth, tops[i - 1]);
    EXPECT_DOUBLE_EQ(pile.stations[2 * i].depth, bottoms[i - 1]);
  }
  EXPECT_DOUBLE_EQ(pile.sectionBoundaryDepths[4], 60.0);
  EXPECT_DOUBLE_EQ(pile.length, 60.0);
  EXPECT_EQ(pile.numberOfStations, 6);
  EXPECT_EQ(r.messages(),
            "Reading section properties for Section 1\nReading section properties for Section 2\n"
            "Reading section properties for Section 3\n");
}

TEST(SectionsReader, UsCustomaryDepthsAreConvertedToInchesOnce) {
  ReaderResult r = runReader(readSections, threePipeSections());
  ASSERT_FALSE(r.stopped);
  AnalysisModel& model = r.ctx->model;
  convertUsCustomary(model);
  convertUsCustomary(model);  // a second request changes nothing
  EXPECT_DOUBLE_EQ(model.pile.length, 720.0);
  EXPECT_DOUBLE_EQ(model.pile.sections[3].topDepth, 360.0);
  EXPECT_DOUBLE_EQ(model.pile.sectionBoundaryDepths[4], 720.0);
  EXPECT_DOUBLE_EQ(model.pile.stations[4].depth, 360.0);
  EXPECT_DOUBLE_EQ(model.pile.stations[6].depth, 720.0);
  EXPECT_DOUBLE_EQ(model.pile.stations[6].width, 24.0);  // dimensions are entered in inches
}

TEST(SectionsReader, SignOfTypeThreeSelectsFilledOrVoidCore) {
  struct Case {
    const char* typeCode;
    bool filled;
  };
  for (const Case& c : {Case{"3", true}, Case{"-3", false}}) {
    SCOPED_TRACE(c.typeCode);
    const ReaderResult r = runReader(
        readSections, concat({{"1", "1", c.typeCode, "30.0", "36", "0.5", "36000", "29000000",
                               "12", "0.375", "50000", "29500000", "4000", "0.75"},
                              kConcreteDefaults,
                              {"No rebar"}}));
    ASSERT_FALSE(r.stopped) << r.report();
    const PileSection& s = r.model().pile.sections[1];
    EXPECT_EQ(s.type, SectionType::CasedShaftWithCore);
    EXPECT_EQ(s.coreFilled, c.filled);
    EXPECT_DOUBLE_EQ(s.coreDiameter, 12.0);
    EXPECT_DOUBLE_EQ(s.coreWallThickness, 0.375);
    EXPECT_DOUBLE_EQ(s.coreYieldStress, 50000.0);
    EXPECT_DOUBLE_EQ(s.coreModulus, 29500000.0);
    EXPECT_DOUBLE_EQ(s.concrete.compressiveStrength, 4000.0);
    EXPECT_EQ(s.rebar.arrangement, kBarsNone);
    EXPECT_EQ(s.rebar.numberOfBars, 0);
  }
}

TEST(SectionsReader, BarsSameAsSectionAboveReadNoBarValues) {
  // Section 2 takes the bars of section 1: after its arrangement line no
  // bar values follow, and section 3 is read from the next line.
  const std::vector<std::string> shaft1 = concat(
      {{"1", "1", "10", "36"}, {"4000", "0.75"}, kConcreteDefaults,
       {"Rebar Arrangement Not Same As Section Above", "Rebar in circle", "60000", "29000000",
        "8", "2", "1.0", "0.79", "3.0", "0.5"}});
  const std::vector<std::string> shaft2 = concat(
      {{"2", "1", "10", "36"}, {"4000", "0.75"}, kConcreteDefaults,
       {"Rebar Arrangement Same As Section Above", "Rebar arrangement of the section above"}});
  const std::vector<std::string> pipe3 = {"3", "4", "10", "24", "0.5", "36000", "29000000"};
  const ReaderResult r = runReader(readSections, concat({{"3"}, shaft1, shaft2, pipe3}));
  ASSERT_FALSE(r.stopped) << r.report();
  const Pile& pile = r.model().pile;
  EXPECT_EQ(pile.sections[1].rebar.numberOfBars, 16);
  EXPECT_DOUBLE_EQ(pile.sections[1].rebar.offset, 0.5);
  EXPECT_TRUE(pile.sections[2].rebar.sameAsSectionAbove);
  EXPECT_EQ(pile.sections[2].rebar.arrangement, kBarsUnspecified);
  EXPECT_EQ(pile.sections[3].type, SectionType::SteelPipe);
  EXPECT_DOUBLE_EQ(pile.length, 30.0);
}

struct StopCase {
  const char* name;
  std::vector<std::string> lines;
  std::string reportBeforeStop;  // what the reader writes to the report before raising 95
};

const std::vector<StopCase> kStopCases = {
    {"sections numbered 1 and 3",
     {"2", "1", "4", "10", "24", "0.5", "36000", "29000000", "3"},
     "SECTION DATA OUT-OF-ORDER\n\nExpecting section number 2, but section number 3 was found\n"},
    {"concrete curve line numbered 4 in third place",
     concat({{"1", "1", "1", "20", "36", "4000", "0.75", "Use default concrete tensile strength",
              "Input stress-strain curve for concrete", "3", "1 0 0", "2 0.002 4000",
              "4 0.003 3400"}}),
     "\nINPUT ERROR - Sequence error encountered when reading concrete stress-strain curve\n\n"
     "Expecting line no. 3 but line no. 4 was read\n\n\n"},
    {"unknown tensile strength command",
     {"1", "1", "1", "20", "36", "4000", "0.75", "Use default tensile strength"},
     "\nINPUT ERROR - Unrecognized command for concrete tensile strength option\n"},
    {"unknown stress-strain command",
     {"1", "1", "1", "20", "36", "4000", "0.75", "Use default concrete tensile strength",
      "use internal stress-strain curve for concrete"},
     "\nINPUT ERROR - Unrecognized input for concrete stress-strain option\n"},
    {"unknown bar continuation command",
     concat({{"1", "1", "1", "20", "36", "4000", "0.75"}, kConcreteDefaults, {"Rebar as above"}}),
     "\nINPUT ERROR - Unrecognized command for rebar continuation from section above option\n"},
    {"unknown strand command",
     concat({{"1", "1", "5", "20", "24", "6000", "0.75"}, kConcreteDefaults, {"Strands"}}),
     "INPUT ERROR - Unrecognized input for strand no. 1\n\n"},
    {"manually placed strands out of order",
     concat({{"1", "1", "5", "20", "24", "6000", "0.75"},
             kConcreteDefaults,
             {"Manually-positioned strands", "1", "2", "300000", "0.2", "1 1 3 -8 0",
              "3 1 3 8 0"}}),
     "INPUT ERROR - Input out-of-order for strand no. 3\n"},
};

TEST(SectionsReader, StopsWithInputError95) {
  for (const StopCase& c : kStopCases) {
    SCOPED_TRACE(c.name);
    const ReaderResult r = runReader(readSections, c.lines);
    EXPECT_TRUE(r.stopped);
    EXPECT_EQ(r.errorCode(), 195);
    EXPECT_EQ(r.report(), c.reportBeforeStop + "\n\n" + prematureEndLine(95));
    EXPECT_EQ(r.linesRead, static_cast<long>(c.lines.size()));
  }
}

TEST(SectionsReader, NoSectionsReadsOnlyTheCount) {
  for (const char* count : {"0", "-2"}) {
    const ReaderResult r = runReader(readSections, {count, "next"});
    EXPECT_FALSE(r.stopped);
    EXPECT_EQ(r.linesRead, 1);
    EXPECT_EQ(r.model().pile.numberOfSections, 0);
    EXPECT_EQ(r.model().pile.numberOfStations, 0);
  }
}

TEST(SectionsReader, LaterSectionsReplaceEarlierOnes) {
  const ReaderResult r = runReader(readSections, threePipeSections(), [](AnalysisModel& m) {
    m.pile.numberOfSections = 5;
    m.pile.sections[4].type = SectionType::Elastic;
    m.pile.sections[4].length = 99.0;
  });
  ASSERT_FALSE(r.stopped);
  EXPECT_EQ(r.model().pile.numberOfSections, 3);
  EXPECT_DOUBLE_EQ(r.model().pile.sections[4].length, 0.0);
}

}  // namespace
}  // namespace quarn::input
