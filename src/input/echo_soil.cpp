// Blocks 6 to 9 of the input echo: ground slope and pile batter, the soil and
// rock layers with their descriptions, property lines and warnings, the
// summary table of the soil properties and the p-multipliers.
#include <algorithm>
#include <array>
#include <numbers>
#include <optional>
#include <string>

#include "engine/messages.h"
#include "engine/single_precision.h"
#include "input/echo_blocks.h"
#include "output/format.h"
#include "output/report_writers.h"

namespace quarn::input::echo {

namespace {

using engine::Channel;
using engine::RunContext;
using output::write;

constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;

// Criterion codes of the key table.
enum Criterion : int {
  kSoftClay = 1,
  kStiffClayFreeWater = 2,
  kStiffClayNoWater = 3,
  kStiffClayWithK = 4,
  kReeseSand = 5,
  kApiSand = 6,
  kLiquefiedSand = 7,
  kWeakRock = 8,
  kVuggyLimestone = 9,
  kPiedmont = 10,
  kCementedSilt = 11,
  kLoess = 12,
  kElasticSubgrade = 13,
  kUserPy = 14,
  kSoftClayJ = 15,
  kMassiveRock = 16,
  kFrozenSoil = 17,
};

constexpr std::array<std::string_view, 18> kDescriptions = {
    "",
    "soft clay, p-y criteria by Matlock, 1970",
    "stiff clay with water-induced erosion",
    "stiff clay without free water",
    "stiff clay without free water",
    "sand, p-y criteria by Reese et al., 1974",
    "sand, p-y criteria by API RP-2A, 1987",
    "liquefiable sand, by Rollins et al., 2004",
    "weak rock, p-y criteria by Reese, 1997",
    "strong rock (vuggy limestone)",
    "Piedmont residual soil",
    "cemented silt with cohesion and friction",
    "loess silt",
    "modelled using an elastic subgrade modulus",
    "modelled using user-specified p-y curves",
    "soft clay with user-defined J, p-y criteria by Matlock, 1970",
    "massive rock, p-y criteria by Liang et al., 2009",
    // Frozen soil has no description of its own in the input; it is named
    // as what it is.
    "frozen soil",
};

constexpr std::array<std::string_view, 5> kFieldTests = {
    "",
    "   The type of field test is the Standard Penetration Test (SPT)",
    "   The type of field test is the Cone Penetration Test (CPT)",
    "   The type of field test is the Dilatometer Test (DMT)",
    "   The type of field test is the Pressuremeter Test (DMT)",
};

// ---- rock types of massive rock -------------------------------------------------

struct RockType {
  std::string_view name;
  int mi;  // Hoek-Brown material constant
};

constexpr std::array<RockType, 43> kRockTypes = {{
    {"", 0},
    // 1-15 sedimentary
    {"anhydrite", 12},
    {"breccias", 20},
    {"chalk", 7},
    {"claystones", 4},
    {"conglomerates", 21},
    {"dolomites", 9},
    {"greywackes", 18},
    {"gypsum", 10},
    {"marls", 7},
    {"sandstones", 17},
    {"siltstones", 7},
    {"shales", 6},
    {"crystalline limestones", 12},
    {"micritic limestones", 8},
    {"sparitic limestones", 10},
    // 16-25 metamorphic
    {"amphibolites", 26},
    {"gneiss", 28},
    {"hornfels", 19},
    {"marble", 9},
    {"metasandstone", 19},
    {"migmatite", 29},
    {"phyllites", 7},
    {"quartzites", 20},
    {"schists", 10},
    {"slates", 7},
    // 26-42 igneous
    {"agglomerate", 19},
    {"andesite", 25},
    {"basalt", 25},
    {"breccia", 19},
    {"dacite", 25},
    {"diabase", 15},
    {"diorite", 25},
    {"dolerite", 16},
    {"gabbro", 27},
    {"granite", 32},
    {"granodiorite", 29},
    {"norite", 20},
    {"obsidian", 19},
    {"perioditite", 25},
    {"porphyries", 20},
    {"rhyolite", 25},
    {"tuff", 13},
}};

constexpr int kLastUnclassifiedRock = 71;

void writeRockType(Channel& out, int code) {
  if (code < 1 || code > kLastUnclassifiedRock) return;
  std::string_view category;
  std::string_view name;
  int mi = 0;
  if (code <= 15) {
    category = "sedimentary";
  } else if (code <= 25) {
    category = "metamorphic";
  } else if (code <= 42) {
    category = "igneous";
  } else {
    category = "unclassified";
  }
  if (code <= 42) {
    name = kRockTypes[static_cast<std::size_t>(code)].name;
    mi = kRockTypes[static_cast<std::size_t>(code)].mi;
  } else {
    name = "User-defined";
    mi = code - 39;
  }
  write(out, "(\" The rock type is (\" A \") \" A \", Hoek-Brown Material Constant mi = \" I0)",
        {category, name, mi});
}

// ---- the property lines of a layer --------------------------------------------

// One property at the top and at the bottom of a layer.
void pairLines(Channel& out, std::string_view property, const LayerValue& value,
               std::string_view unit) {
  valueLine(out, "   " + std::string(property) + " at top of layer", value[0], unit);
  valueLine(out, "   " + std::string(property) + " at bottom of layer", value[1], unit);
}

void userCurveLines(Channel& out, const UserPyCurve& curve, std::string_view where,
                    const InputUnits& u, const UnitLabels& labels) {
  integerLine(out, "   Number of points on p-y curve at " + std::string(where) + " of layer",
              curve.points);
  const auto trimmed = [](const std::string& s) {
    return s.substr(0, s.find_last_not_of(' ') + 1);
  };
  write(out, "(\"      Point               y               p\" / T26 A T38 A A A)",
        {trimmed(labels.deflection), trimmed(labels.force), "/", trimmed(labels.length)});
  (void)u;
  const int points = std::min(curve.points, kMaxUserPyPoints);
  for (int j = 1; j <= points; ++j) {
    const auto i = static_cast<std::size_t>(j);
    write(out, "(I11 2ES16.5)", {j, curve.y[i], curve.p[i]});
  }
}

void propertyLines(Channel& out, const SoilLayer& layer, int units, const InputUnits& u,
                   const UnitLabels& labels) {
  const char* gamma = "Effective unit weight";
  switch (layer.criterion) {
    case kSoftClay:
    case kStiffClayNoWater:
      pairLines(out, gamma, layer.unitWeight, u.unitWeight);
      pairLines(out, "Undrained cohesion", layer.cohesion, u.soilStress);
      pairLines(out, "Epsilon-50", layer.epsilon50, "");
      break;
    case kSoftClayJ:
      pairLines(out, gamma, layer.unitWeight, u.unitWeight);
      pairLines(out, "Undrained cohesion", layer.cohesion, u.soilStress);
      pairLines(out, "Epsilon-50", layer.epsilon50, "");
      pairLines(out, "J factor", layer.jFactor, "");
      break;
    case kStiffClayFreeWater:
    case kStiffClayWithK:
      pairLines(out, gamma, layer.unitWeight, u.unitWeight);
      pairLines(out, "Undrained cohesion", layer.cohesion, u.soilStress);
      pairLines(out, "Epsilon-50", layer.epsilon50, "");
      pairLines(out, "p-y subgrade modulus k", layer.subgradeK, u.subgrade);
      break;
    case kReeseSand:
    case kApiSand:
      pairLines(out, gamma, layer.unitWeight, u.unitWeight);
      pairLines(out, "Friction angle", layer.frictionAngle, "deg.");
      pairLines(out, "p-y subgrade modulus k", layer.subgradeK, u.subgrade);
      break;
    case kLiquefiedSand:
      pairLines(out, gamma, layer.unitWeight, u.unitWeight);
      break;
    case kWeakRock:
      pairLines(out, gamma, layer.unitWeight, u.unitWeight);
      pairLines(out, "Uniaxial compressive strength", layer.cohesion, u.stress);
      pairLines(out, "Initial modulus of rock", layer.rockModulus, u.stress);
      pairLines(out, "RQD of rock", layer.rqd, "%");
      pairLines(out, "Rock mass parameter k rm", layer.krm, "");
      break;
    case kVuggyLimestone:
      pairLines(out, gamma, layer.unitWeight, u.unitWeight);
      pairLines(out, "Uniaxial compressive strength", layer.cohesion, u.stress);
      break;
    case kPiedmont: {
      pairLines(out, gamma, layer.unitWeight, u.unitWeight);
      const int test = layer.fieldTestCode[0];
      const std::string blows = units == kUnitsUsCustomary ? "blows/ft"
                                : units == kUnitsSi        ? "blows/0.3 m"
                                                           : "blows";
      switch (test) {
        case 1:
          pairLines(out, "SPT N60 value", layer.sptN60, blows);
          break;
        case 2:
          pairLines(out, "Cone tip resistance qc", layer.coneTip, u.soilStress);
          break;
        case 3:
          pairLines(out, "Dilatometer modulus", layer.dilatometerModulus, u.soilStress);
          break;
        case 4:
          pairLines(out, "Pressuremeter modulus", layer.pressuremeterModulus, u.soilStress);
          break;
        default:
          break;
      }
      break;
    }
    case kCementedSilt:
      pairLines(out, gamma, layer.unitWeight, u.unitWeight);
      pairLines(out, "Undrained cohesion", layer.cohesion, u.soilStress);
      pairLines(out, "Friction angle", layer.frictionAngle, "deg.");
      pairLines(out, "Epsilon-50", layer.epsilon50, "");
      pairLines(out, "p-y subgrade modulus k", layer.subgradeK, u.subgrade);
      break;
    case kLoess:
      pairLines(out, gamma, layer.unitWeight, u.unitWeight);
      pairLines(out, "Cone tip resistance qc", layer.coneTip, u.stress);
      break;
    case kElasticSubgrade:
      pairLines(out, gamma, layer.unitWeight, u.unitWeight);
      pairLines(out, "Elastic subgrade modulus", layer.subgradeK, u.subgrade);
      break;
    case kUserPy:
      valueLine(out, "   Effective unit weight at top of layer", layer.unitWeight[0], u.unitWeight);
      userCurveLines(out, layer.userCurves[0], "top", u, labels);
      valueLine(out, "   Effective unit weight at bottom of layer", layer.unitWeight[1],
                u.unitWeight);
      userCurveLines(out, layer.userCurves[1], "bottom", u, labels);
      break;
    case kMassiveRock:
      pairLines(out, gamma, layer.unitWeight, u.unitWeight);
      pairLines(out, "Uniaxial compressive strength", layer.cohesion, u.stress);
      pairLines(out, "Geological Strength Index (GSI)", layer.gsi, "");
      pairLines(out, "Poisson's ratio", layer.poissonRatio, "");
      break;
    default:  // frozen soil: no property lines
      break;
  }
}

// Rollins et al. based their liquefied sand curves on tests down to 6 m.
constexpr double kLiquefiedSandDepthFeet = sp(19.685039520263672f);
constexpr double kLiquefiedSandDepthMetres = 6.0;
constexpr int kWarningLiquefiedSandDepth = -354;

void checkLiquefiedSandDepth(RunContext& ctx, const SoilLayer& layer) {
  const int units = ctx.model.options.IUNITS;
  if (layer.criterion != kLiquefiedSand) return;
  if (units != kUnitsUsCustomary && units != kUnitsSi) return;
  const double limit =
      units == kUnitsUsCustomary ? kLiquefiedSandDepthFeet : kLiquefiedSandDepthMetres;
  if (!(layer.bottom - ctx.model.pile.groundSurfaceDepth > limit)) return;
  Channel& out = ctx.report;
  if (units == kUnitsUsCustomary) {
    out.line("   Warning : The depth of this layer is deeper than the recommended depth limit ");
    write(out, "(\"             for using the p-y criteria for liquefied sand.\" /)", {});
    out.line("   Please consult the Quarn Technical Manual for additional background ");
    write(out,
          "(\"   information regarding limitations on the use of the liquefied sand criteria.\" /)",
          {});
  } else {
    out.line("   Warning : The depth of this layer is deeper than the recommended depth ");
    write(out, "(\"             limit for using the p-y criteria for liquefied sand.\" /)", {});
    out.line("   Please consult the Quarn Technical Manual for additional background ");
    out.line("   information regarding limitations on the use of the liquefied sand ");
    write(out, "(\"   criteria.\" /)", {});
  }
  engine::registerWarning(ctx.model.state, kWarningLiquefiedSandDepth);
}

// Effective unit weights outside 20 to 140 pcf (3.15 to 22 kN/m3) are
// probably in error; general units cannot be judged.
constexpr double kCubicInchesPerCubicFoot = 1728.0;
constexpr double kLowestUnitWeightPci = sp(0.011574f);
constexpr double kHighestUnitWeightPci = sp(0.0810019f);
constexpr double kLowestUnitWeightSi = sp(3.15f);
constexpr double kHighestUnitWeightSi = 22.0;

bool unitWeightOutside(const AnalysisModel& model) {
  const int units = model.options.IUNITS;
  const Soil& soil = model.soil;
  for (int j = 1; j <= std::min(soil.numberOfLayers, kMaxLayers); ++j) {
    for (double gamma : soil.layers[static_cast<std::size_t>(j)].unitWeight) {
      if (units == kUnitsUsCustomary) {
        // Entered in pcf, judged in pci as the analysis uses them.
        const double pci = gamma / kCubicInchesPerCubicFoot;
        if (pci < kLowestUnitWeightPci || pci > kHighestUnitWeightPci) return true;
      } else if (gamma < kLowestUnitWeightSi || gamma > kHighestUnitWeightSi) {
        return true;
      }
    }
  }
  return false;
}

void checkUnitWeights(RunContext& ctx) {
  const int units = ctx.model.options.IUNITS;
  if (units != kUnitsUsCustomary && units != kUnitsSi) {
    for (Channel* channel : {&ctx.messages, &ctx.report}) {
      write(*channel,
            "(/ \"**** Warning ****\" / / \"Values of effective unit weight cannot be checked "
            "because \" / \"general units have been selected.\" /)",
            {});
    }
    return;
  }
  if (!unitWeightOutside(ctx.model)) return;
  for (Channel* channel : {&ctx.messages, &ctx.report}) {
    write(*channel,
          "(/ \"**** Warning - Possible Input Data Error ****\" / / \"Values entered for "
          "effective unit weights of soil were outside\")",
          {});
    if (units == kUnitsUsCustomary) {
      write(*channel,
            "(\"the limits of 0.011574 pci (20 pcf) or 0.0810019 pci (140 pcf)\" / \"This data "
            "may be erroneous.  Please check your data.\" /)",
            {});
    } else {
      channel->line("the limits of 3.15 kN/m3 or 22 kN/m3.");
      write(*channel, "(A /)",
            {channel == &ctx.messages
                 ? "The input data may be erroneous. Please check your data."
                 : "The input data for effective unit weight may be erroneous. Please check your "
                   "data."});
    }
  }
}

}  // namespace

void writeSlopeAndBatter(RunContext& ctx) {
  const BatterAndSlope& angles = ctx.model.tables.batter;
  Channel& out = ctx.report;
  heading(out, 22, "Ground Slope and Pile Batter Angles");
  write(out, "(\"Ground Slope Angle\" T56 \"= \" F12.3 \" degrees\")",
        {angles.slopeAngle * kDegreesPerRadian});
  write(out, "(T56 \"= \" F12.3 \" radians\" /)", {angles.slopeAngle});
  write(out, "(\"Pile Batter Angle\" T56 \"= \" F12.3 \" degrees\")",
        {angles.batterAngle * kDegreesPerRadian});
  write(out, "(T56 \"= \" F12.3 \" radians\" 2/)", {angles.batterAngle});
}

void writeSoilLayers(RunContext& ctx) {
  const AnalysisModel& model = ctx.model;
  const Soil& soil = model.soil;
  const int units = model.options.IUNITS;
  const InputUnits u = inputUnits(units);
  Channel& out = ctx.report;
  heading(out, 23, "Soil and Rock Layering Information", 2);
  const int layers = std::min(soil.numberOfLayers, kMaxLayers);
  write(out, "(\"The soil profile is modelled using \" I0 \" layers\" /)", {layers});
  for (int j = 1; j <= layers; ++j) {
    const SoilLayer& layer = soil.layers[static_cast<std::size_t>(j)];
    const int code = layer.criterion;
    const std::string_view description = code >= 1 && code < static_cast<int>(kDescriptions.size())
                                             ? kDescriptions[static_cast<std::size_t>(code)]
                                             : std::string_view("undefined");
    write(out, "(\"Layer \" I0 \" is \" A /)", {j, description});
    if (code == kPiedmont) {
      const int test = layer.fieldTestCode[0];
      if (test >= 1 && test <= 4) out.line(kFieldTests[static_cast<std::size_t>(test)]);
    }
    if (code == kMassiveRock) writeRockType(out, layer.rockTypeCode[0]);
    valueLine(out, "   Distance from top of pile to top of layer", layer.top, u.depth);
    valueLine(out, "   Distance from top of pile to bottom of layer", layer.bottom, u.depth);
    propertyLines(out, layer, units, u, model.labels);
    out.endLine();
    checkLiquefiedSandDepth(ctx, layer);
  }
  const double lowest = layers >= 1 ? soil.layers[static_cast<std::size_t>(layers)].bottom : 0.0;
  write(out, "(\"   (Depth of lowest soil layer extends \" F7.2 1X A \" below pile tip)\" /)",
        {lowest - model.pile.length, u.depth});
  checkUnitWeights(ctx);
}

// ---- block 8 -----------------------------------------------------------------

namespace {

// The columns of the soil summary after the layer number and name: each 12
// wide, a value where the criterion has one and blanks elsewhere.
enum Column : int {
  kDepth,
  kGamma,
  kCohesion,
  kFriction,
  kStrength,
  kRqdOrGsi,
  kStrainFactor,
  kJ,
  kKpy,
  kRockModulus,
  kKrm,
  kTestValue,
  kSubgrade,
  kColumns
};

struct ColumnHead {
  std::string_view line1;
  std::string_view line2;
};

constexpr std::array<ColumnHead, kColumns> kColumnHeads = {{
    {"Layer", "Depth"},
    {"Effective", "Unit Wt."},
    {"Undrained", "Cohesion"},
    {"Angle of", "Friction"},
    {"Uniaxial", "qu"},
    {"RQD %", "or GSI"},
    {"Strain", "Factor E50"},
    {"", "J"},
    {"", "kpy"},
    {"Rock Mass", "Modulus"},
    {"", "krm"},
    {"In-situ", "Test Value"},
    {"Elastic", "Subgrade k"},
}};

constexpr int kColumnWidth = 12;
constexpr int kTestTypeWidth = 13;
constexpr int kTestTypeBefore = kTestValue;  // the test type stands before its value

std::string rightJustified(std::string_view text, int width) {
  std::string s(text.substr(0, static_cast<std::size_t>(width)));
  return std::string(static_cast<std::size_t>(width) - s.size(), ' ') + s;
}

using Row = std::array<std::optional<double>, kColumns>;

// A value as the report writes it in w columns.
std::string reportNumber(double value, int w) {
  Channel scratch;
  scratch.captureInMemory();
  output::Write_Report_Number(scratch, value, w);
  scratch.endLine();
  std::string text = scratch.text();
  text.pop_back();
  return text;
}

std::string withoutTrailingBlanks(const std::string& text) {
  const std::size_t last = text.find_last_not_of(' ');
  return last == std::string::npos ? std::string() : text.substr(0, last + 1);
}

// The values of a layer at its top (side 0) or bottom (side 1).
Row summaryRow(const SoilLayer& layer, int side) {
  const auto at = [side](const LayerValue& v) { return v[static_cast<std::size_t>(side)]; };
  Row row;
  row[kDepth] = side == 0 ? layer.top : layer.bottom;
  if (layer.criterion != kFrozenSoil) row[kGamma] = at(layer.unitWeight);
  switch (layer.criterion) {
    case kSoftClay:
    case kStiffClayNoWater:
      row[kCohesion] = at(layer.cohesion);
      row[kStrainFactor] = at(layer.epsilon50);
      break;
    case kSoftClayJ:
      row[kCohesion] = at(layer.cohesion);
      row[kStrainFactor] = at(layer.epsilon50);
      row[kJ] = at(layer.jFactor);
      break;
    case kStiffClayFreeWater:
    case kStiffClayWithK:
      row[kCohesion] = at(layer.cohesion);
      row[kStrainFactor] = at(layer.epsilon50);
      row[kKpy] = at(layer.subgradeK);
      break;
    case kReeseSand:
    case kApiSand:
      row[kFriction] = at(layer.frictionAngle);
      row[kKpy] = at(layer.subgradeK);
      break;
    case kWeakRock:
      row[kStrength] = at(layer.cohesion);
      row[kRqdOrGsi] = at(layer.rqd);
      row[kRockModulus] = at(layer.rockModulus);
      row[kKrm] = at(layer.krm);
      break;
    case kVuggyLimestone:
      row[kStrength] = at(layer.cohesion);
      break;
    case kMassiveRock:
      row[kStrength] = at(layer.cohesion);
      row[kRqdOrGsi] = at(layer.gsi);
      break;
    case kCementedSilt:
      row[kCohesion] = at(layer.cohesion);
      row[kFriction] = at(layer.frictionAngle);
      row[kStrainFactor] = at(layer.epsilon50);
      row[kKpy] = at(layer.subgradeK);
      break;
    case kPiedmont:
      switch (layer.fieldTestCode[0]) {
        case 1:
          row[kTestValue] = at(layer.sptN60);
          break;
        case 2:
          row[kTestValue] = at(layer.coneTip);
          break;
        case 3:
          row[kTestValue] = at(layer.dilatometerModulus);
          break;
        case 4:
          row[kTestValue] = at(layer.pressuremeterModulus);
          break;
        default:
          break;
      }
      break;
    case kLoess:
      row[kTestValue] = at(layer.coneTip);
      break;
    case kElasticSubgrade:
      row[kSubgrade] = at(layer.subgradeK);
      break;
    default:
      break;
  }
  return row;
}

std::string_view testType(const SoilLayer& layer) {
  if (layer.criterion == kLoess) return "    CPT      ";
  if (layer.criterion != kPiedmont) return "";
  switch (layer.fieldTestCode[0]) {
    case 1:
      return "    SPT      ";
    case 2:
      return "    CPT      ";
    case 3:
      return "    DMT      ";
    case 4:
      return "    PMT      ";
    default:
      return "";
  }
}

}  // namespace

void writeSoilSummary(RunContext& ctx) {
  const AnalysisModel& model = ctx.model;
  const int units = model.options.IUNITS;
  const InputUnits u = inputUnits(units);
  const Soil& soil = model.soil;
  const int layers = std::min(soil.numberOfLayers, kMaxLayers);
  Channel& out = ctx.report;
  out.emptyLines(2);
  write(out, "(T28 \"Summary of Soil Properties\" /)", {});

  // The depth and unit weight columns always; of the others those that some
  // layer of the profile has, so that the table stays readable.
  std::array<bool, kColumns> shown{};
  shown[kDepth] = shown[kGamma] = true;
  bool anyTest = false;
  for (int j = 1; j <= layers; ++j) {
    const SoilLayer& layer = soil.layers[static_cast<std::size_t>(j)];
    const Row row = summaryRow(layer, 0);
    for (int c = 0; c < kColumns; ++c) {
      if (row[static_cast<std::size_t>(c)]) shown[static_cast<std::size_t>(c)] = true;
    }
    if (!testType(layer).empty()) anyTest = true;
  }

  const bool general = units != kUnitsUsCustomary && units != kUnitsSi;
  // Units of the columns as the values were entered; general units have none.
  std::array<std::string, kColumns> unitOf{};
  if (!general) {
    unitOf = {u.depth, u.unitWeight, u.soilStress, "deg.", u.stress, "",        "",
              "",      u.subgrade,   u.stress,     "",     "",       u.subgrade};
  }
  std::string line1 = "                                          ";  // layer number and name
  std::string line2 = "Layer  Soil Type Name                     ";
  std::string line3 = " Num.  (p-y Curve Type)                   ";
  std::string rule = "-----  ---------------------------------- ";
  for (int c = 0; c < kColumns; ++c) {
    if (c == kTestTypeBefore && anyTest) {
      line1 += rightJustified("In-situ  ", kTestTypeWidth);
      line2 += rightJustified("Test Type", kTestTypeWidth);
      line3 += std::string(kTestTypeWidth, ' ');
      rule += rightJustified("---------", kTestTypeWidth);
    }
    if (!shown[static_cast<std::size_t>(c)]) continue;
    line1 += rightJustified(kColumnHeads[static_cast<std::size_t>(c)].line1, kColumnWidth);
    line2 += rightJustified(kColumnHeads[static_cast<std::size_t>(c)].line2, kColumnWidth);
    line3 += rightJustified(unitOf[static_cast<std::size_t>(c)], kColumnWidth);
    rule += rightJustified("----------", kColumnWidth);
  }
  for (const std::string* line : {&line1, &line2, &line3, &rule})
    out.line(withoutTrailingBlanks(*line));

  for (int j = 1; j <= layers; ++j) {
    const SoilLayer& layer = soil.layers[static_cast<std::size_t>(j)];
    for (int side = 0; side < 2; ++side) {
      std::string text;
      if (side == 0) {
        text = output::formatInteger(j, 5) + "  " +
               output::formatText(
                   layer.criterion >= 1 &&
                           layer.criterion < static_cast<int>(output::CriterionName.size())
                       ? output::CriterionName[static_cast<std::size_t>(layer.criterion)]
                       : std::string_view(),
                   output::kCriterionNameWidth) +
               " ";
      } else {
        text = std::string(42, ' ');
      }
      const Row row = summaryRow(layer, side);
      for (int c = 0; c < kColumns; ++c) {
        if (c == kTestTypeBefore && anyTest)
          text += rightJustified(testType(layer), kTestTypeWidth);
        if (!shown[static_cast<std::size_t>(c)]) continue;
        const std::optional<double>& value = row[static_cast<std::size_t>(c)];
        text += value ? reportNumber(*value, kColumnWidth) : std::string(kColumnWidth, ' ');
      }
      out.line(withoutTrailingBlanks(text));
    }
  }
}

void writePyMultipliers(RunContext& ctx) {
  const AnalysisModel& model = ctx.model;
  const MultiplierTable& table = model.tables.multipliers;
  if (table.rows <= 0) return;
  const InputUnits u = inputUnits(model.options.IUNITS);
  Channel& out = ctx.report;
  heading(out, 19, "p-y Modification Factors for Group Action", 3);
  write(out, "(\"Distribution of p-y modifiers with depth defined using \" I0 \" points\" /)",
        {table.rows});
  out.line("Point      Depth X         p-mult         y-mult");
  write(out, "(\" No.          \" A)", {u.depth});
  out.line("-----     ----------     ----------     ----------");
  const int rows = std::min(table.rows, kMaxMultiplierRows);
  for (int j = 1; j <= rows; ++j) {
    const auto i = static_cast<std::size_t>(j);
    write(out, "(I3 F17.3 F15.4 F15.4)",
          {j, table.depth[i], table.pMultiplier[i], table.yMultiplier[i]});
  }
}

}  // namespace quarn::input::echo
