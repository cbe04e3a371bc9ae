#include "input/sections_reader.h"

#include <string>

#include "engine/messages.h"
#include "input/free_format.h"
#include "input/list_values.h"
#include "input/reader_errors.h"
#include "input/section_stations.h"
#include "input/strand_table.h"

namespace quarn::input {

namespace {

using engine::RunContext;

constexpr std::string_view kOutOfOrderCode = "INP00095";
constexpr int kOutOfOrderError = engine::kInputErrorBase + 95;

// Writes the one-line reader error (an empty line before it) and stops with
// input error 95.
[[noreturn]] void stopOnUnrecognisedCommand(RunContext& ctx, std::string_view text) {
  ctx.report.endLine();
  ctx.report.line(text);
  engine::stopRun(ctx, kOutOfOrderCode, kOutOfOrderError);
}

// ---------------------------------------------------------------- concrete

void readConcreteCurve(RunContext& ctx, int sectionNumber, ConcreteData& concrete) {
  int points = 0;
  readValue(ctx, points);
  if (points < 2 || points > kMaxConcreteCurvePoints) {
    stopOnReaderError(ctx, ReaderError::kConcreteCurvePoints,
                      {sectionNumber, points, kMaxConcreteCurvePoints});
  }
  concrete.curvePoints = points;
  for (int j = 1; j <= points; ++j) {
    int lineNumber = 0;
    readList(ctx, {&lineNumber, &concrete.curveStrain[j], &concrete.curveStress[j]});
    if (lineNumber != j) {
      ctx.report.endLine();
      ctx.report.line(
          "INPUT ERROR - Sequence error encountered when reading concrete stress-strain curve");
      ctx.report.endLine();
      ctx.report.line("Expecting line no. " + std::to_string(j) + " but line no. " +
                      std::to_string(lineNumber) + " was read");
      ctx.report.emptyLines(2);
      engine::stopRun(ctx, kOutOfOrderCode, kOutOfOrderError);
    }
  }
}

void readConcrete(RunContext& ctx, int sectionNumber, ConcreteData& concrete) {
  ctx.messages.line("Reading concrete property data for Section " + std::to_string(sectionNumber));
  readValue(ctx, concrete.compressiveStrength);
  readValue(ctx, concrete.maxAggregateSize);
  toMetres(ctx.model, concrete.maxAggregateSize);

  const std::string tension = readTextLine(ctx);
  if (matchesKeyword(tension, "Use default concrete tensile strength")) {
    concrete.tensileStrengthEntered = false;
  } else if (matchesKeyword(tension, "Override concrete tensile strength")) {
    concrete.tensileStrengthEntered = true;
    readValue(ctx, concrete.tensileStrength);
  } else {
    stopOnUnrecognisedCommand(
        ctx, "INPUT ERROR - Unrecognized command for concrete tensile strength option");
  }

  const std::string curve = readTextLine(ctx);
  if (matchesKeyword(curve, "Use internal stress-strain curve for concrete")) {
    concrete.userStressStrainCurve = false;
  } else if (matchesKeyword(curve, "Input stress-strain curve for concrete")) {
    concrete.userStressStrainCurve = true;
    readConcreteCurve(ctx, sectionNumber, concrete);
  } else {
    stopOnUnrecognisedCommand(ctx,
                              "INPUT ERROR - Unrecognized input for concrete stress-strain option");
  }
}

// -------------------------------------------------------------------- bars

void checkBarCount(RunContext& ctx, int sectionNumber, long long count) {
  if (count < 1 || count > kMaxBars) {
    stopOnReaderError(ctx, ReaderError::kBarCount, {sectionNumber, count, kMaxBars});
  }
}

void readCircularBars(RunContext& ctx, int sectionNumber, ReinforcementData& rebar) {
  const AnalysisModel& model = ctx.model;
  rebar.arrangement = kBarsCircular;
  rebar.nonUniform = false;
  readValue(ctx, rebar.yieldStress);
  readValue(ctx, rebar.elasticModulus);
  readValue(ctx, rebar.groups);
  readValue(ctx, rebar.bundleSize);
  if (rebar.bundleSize < 1 || rebar.bundleSize > 3) {
    stopOnReaderError(ctx, ReaderError::kBundleSize, {sectionNumber, rebar.bundleSize});
  }
  const long long bars = static_cast<long long>(rebar.groups) * rebar.bundleSize;
  checkBarCount(ctx, sectionNumber, bars);
  rebar.numberOfBars = static_cast<int>(bars);
  readValue(ctx, rebar.barDiameter);
  toMetres(model, rebar.barDiameter);
  readValue(ctx, rebar.barArea);
  toSquareMetres(model, rebar.barArea);
  readValue(ctx, rebar.cover);
  toMetres(model, rebar.cover);
  readValue(ctx, rebar.offset);
  toMetres(model, rebar.offset);
  // Every bar has the same size; the positions follow from the circular
  // layout of the section mechanics.
  for (int k = 1; k <= rebar.numberOfBars; ++k) {
    rebar.bars[k] = BarPosition{0, rebar.barDiameter, rebar.barArea, 0.0, 0.0};
  }
}

void readNoncircularBars(RunContext& ctx, int sectionNumber, ReinforcementData& rebar) {
  const AnalysisModel& model = ctx.model;
  rebar.arrangement = kBarsNoncircular;
  rebar.nonUniform = true;
  readValue(ctx, rebar.yieldStress);
  readValue(ctx, rebar.elasticModulus);
  int count = 0;
  readValue(ctx, count);
  checkBarCount(ctx, sectionNumber, count);
  rebar.numberOfBars = count;
  for (int k = 1; k <= count; ++k) {
    BarPosition& bar = rebar.bars[k];
    double barNumber = 0.0;  // read and ignored
    readList(ctx, {&barNumber, &bar.code, &bar.diameter, &bar.area, &bar.x, &bar.y});
    toMetres(model, bar.diameter);
    toSquareMetres(model, bar.area);
    toMetres(model, bar.x);
    toMetres(model, bar.y);
  }
}

void readBars(RunContext& ctx, int sectionNumber, ReinforcementData& rebar) {
  ctx.messages.line("Reading rebar property data for Section " + std::to_string(sectionNumber));
  const std::string continuation = readTextLine(ctx);
  if (matchesKeyword(continuation, "No rebar")) {
    rebar.arrangement = kBarsNone;
    rebar.numberOfBars = 0;
    return;
  }
  if (matchesKeyword(continuation, "Rebar Arrangement Same As Section Above")) {
    rebar.sameAsSectionAbove = true;
  } else if (matchesKeyword(continuation, "Rebar Arrangement Not Same As Section Above")) {
    rebar.sameAsSectionAbove = false;
  } else {
    stopOnUnrecognisedCommand(
        ctx, "INPUT ERROR - Unrecognized command for rebar continuation from section above option");
  }

  const std::string arrangement = readTextLine(ctx);
  if (matchesKeyword(arrangement, "Rebar in circle")) {
    readCircularBars(ctx, sectionNumber, rebar);
  } else if (matchesKeyword(arrangement, "Rebar in noncircular pattern")) {
    readNoncircularBars(ctx, sectionNumber, rebar);
  } else {
    rebar.arrangement = kBarsUnspecified;
  }
}

// ----------------------------------------------------------------- strands

void readAutoStrands(RunContext& ctx, int sectionNumber, StrandData& prestress) {
  prestress.autoPositioned = true;
  readValue(ctx, prestress.strandType);
  readValue(ctx, prestress.sizeCode);
  int count = 0;
  readValue(ctx, count);
  checkBarCount(ctx, sectionNumber, count);
  prestress.numberOfStrands = count;
  readValue(ctx, prestress.jackingForce);
  readValue(ctx, prestress.lossFraction);
  readValue(ctx, prestress.cover);
  toMetres(ctx.model, prestress.cover);
  readValue(ctx, prestress.arrangementCode);
  for (int j = 1; j <= count; ++j) {
    BarPosition& strand = prestress.strands[j];
    strand.code = prestress.sizeCode;
    setStrandFromTable(prestress, strand, prestress.strandType, prestress.sizeCode,
                       isSi(ctx.model));
  }
}

void readManualStrands(RunContext& ctx, int sectionNumber, StrandData& prestress) {
  prestress.autoPositioned = false;
  readValue(ctx, prestress.strandType);
  int count = 0;
  readValue(ctx, count);
  checkBarCount(ctx, sectionNumber, count);
  prestress.numberOfStrands = count;
  readValue(ctx, prestress.jackingForce);
  readValue(ctx, prestress.lossFraction);
  for (int j = 1; j <= count; ++j) {
    BarPosition& strand = prestress.strands[j];
    int strandNumber = 0;
    readList(ctx, {&strandNumber, &prestress.strandType, &strand.code, &strand.x, &strand.y});
    if (strandNumber != j) {
      ctx.report.line("INPUT ERROR - Input out-of-order for strand no. " +
                      std::to_string(strandNumber));
      engine::stopRun(ctx, kOutOfOrderCode, kOutOfOrderError);
    }
    prestress.sizeCode = strand.code;
    toMetres(ctx.model, strand.x);
    toMetres(ctx.model, strand.y);
    setStrandFromTable(prestress, strand, prestress.strandType, strand.code, isSi(ctx.model));
  }
}

void readStrands(RunContext& ctx, int sectionNumber, StrandData& prestress) {
  ctx.messages.line("Reading prestressing strand data for Section " +
                    std::to_string(sectionNumber));
  const std::string command = readTextLine(ctx);
  if (matchesKeyword(command, "Autoposition strands")) {
    readAutoStrands(ctx, sectionNumber, prestress);
  } else if (matchesKeyword(command, "Manually-positioned strands")) {
    readManualStrands(ctx, sectionNumber, prestress);
  } else {
    ctx.report.line("INPUT ERROR - Unrecognized input for strand no. " +
                    std::to_string(sectionNumber));
    ctx.report.endLine();
    engine::stopRun(ctx, kOutOfOrderCode, kOutOfOrderError);
  }
  // The first strand gives the strand size of the section; manually placed
  // strands are described the same way.
  prestress.strandDiameter = prestress.strands[1].diameter;
  prestress.strandArea = prestress.strands[1].area;
}

// ------------------------------------------------- elastic sections (11, 12)

void readElastic(RunContext& ctx, ElasticData& e, bool plastic) {
  const AnalysisModel& model = ctx.model;
  readValue(ctx, e.shape);
  if (e.shape < kShapeRectangular || e.shape > kShapeEmbeddedPole) return;
  readValue(ctx, e.elasticModulus);
  const bool hPile = e.shape == kShapeStrongHPile || e.shape == kShapeWeakHPile;
  if (plastic) {
    readValue(ctx, e.plasticMomentTop);
    if (hPile) {
      e.plasticMomentBottom = e.plasticMomentTop;
    } else {
      readValue(ctx, e.plasticMomentBottom);
    }
  }
  if (hPile) {
    // One set of values for a prismatic H-pile; the bottom repeats the top
    // so that the pile properties do not taper to zero along the section.
    readValue(ctx, e.widthTop);
    readValue(ctx, e.depthTop);
    readValue(ctx, e.flangeThickness);
    readValue(ctx, e.webThickness);
    readValue(ctx, e.areaTop);
    readValue(ctx, e.inertiaTop);
    toMetres(model, e.widthTop);
    toMetres(model, e.depthTop);
    toSquareMetres(model, e.areaTop);
    toQuarticMetres(model, e.inertiaTop);
    e.widthBottom = e.widthTop;
    e.depthBottom = e.depthTop;
    e.areaBottom = e.areaTop;
    e.inertiaBottom = e.inertiaTop;
    return;
  }
  readValue(ctx, e.widthTop);
  readValue(ctx, e.widthBottom);
  if (e.shape == kShapeRectangular) {
    readValue(ctx, e.depthTop);
    readValue(ctx, e.depthBottom);
  } else if (e.shape == kShapeCircularPipe) {
    readValue(ctx, e.wallThicknessTop);
    readValue(ctx, e.wallThicknessBottom);
  }
  readValue(ctx, e.areaTop);
  readValue(ctx, e.areaBottom);
  readValue(ctx, e.inertiaTop);
  readValue(ctx, e.inertiaBottom);
  if (e.shape == kShapeEmbeddedPole) readValue(ctx, e.holeDiameter);
  for (double* length : {&e.widthTop, &e.widthBottom, &e.depthTop, &e.depthBottom,
                         &e.wallThicknessTop, &e.wallThicknessBottom, &e.holeDiameter}) {
    toMetres(model, *length);
  }
  toSquareMetres(model, e.areaTop);
  toSquareMetres(model, e.areaBottom);
  toQuarticMetres(model, e.inertiaTop);
  toQuarticMetres(model, e.inertiaBottom);
}

// ------------------------------------- user-defined moment versus EI (13)

void readUserEi(RunContext& ctx, int sectionNumber, PileSection& section) {
  int thrusts = 0;
  readValue(ctx, thrusts);
  if (thrusts < 1 || thrusts > kMaxUserEiThrusts) {
    stopOnReaderError(ctx, ReaderError::kUserEiThrusts,
                      {sectionNumber, thrusts, kMaxUserEiThrusts});
  }
  section.userEi.assign(static_cast<std::size_t>(thrusts), UserEiCurve{});
  for (UserEiCurve& curve : section.userEi) {
    readValue(ctx, curve.axialThrust);
    int points = 0;
    readValue(ctx, points);
    if (points < 2 || points > kMaxUserEiPoints) {
      stopOnReaderError(ctx, ReaderError::kUserEiPoints, {sectionNumber, points, kMaxUserEiPoints});
    }
    curve.moment.assign(static_cast<std::size_t>(points), 0.0);
    curve.stiffness.assign(static_cast<std::size_t>(points), 0.0);
    for (int j = 0; j < points; ++j) {
      readValue(ctx, curve.moment[static_cast<std::size_t>(j)]);
      readValue(ctx, curve.stiffness[static_cast<std::size_t>(j)]);
    }
  }
}

// ----------------------------------------------------------------- section

// The dimension lines after the type code, one value per line.
void readDimensions(RunContext& ctx, int sectionNumber, PileSection& s) {
  const AnalysisModel& model = ctx.model;
  // Reads one dimension entered in millimetres in SI runs.
  auto dimension = [&](double& value) {
    readValue(ctx, value);
    toMetres(model, value);
  };
  readValue(ctx, s.length);
  switch (s.type) {
    case SectionType::RectangularConcrete:
      dimension(s.diameter);  // the width, also the width used for p-y curves
      dimension(s.sectionDepth);
      break;
    case SectionType::DrilledShaft:
    case SectionType::CircularPrestressed:
    case SectionType::OctagonalPrestressed:
      dimension(s.diameter);
      break;
    case SectionType::CasedShaft:
    case SectionType::SteelPipe:
      dimension(s.diameter);
      dimension(s.wallThickness);
      readValue(ctx, s.steelYieldStress);
      readValue(ctx, s.steelModulus);
      break;
    case SectionType::CasedShaftWithCore:
      dimension(s.diameter);
      dimension(s.wallThickness);
      readValue(ctx, s.steelYieldStress);
      readValue(ctx, s.steelModulus);
      dimension(s.coreDiameter);
      dimension(s.coreWallThickness);
      readValue(ctx, s.coreYieldStress);
      readValue(ctx, s.coreModulus);
      break;
    case SectionType::HollowCircularPrestressed:
    case SectionType::HollowOctagonalPrestressed:
      dimension(s.diameter);
      dimension(s.voidDiameter);
      break;
    case SectionType::SquarePrestressed:
      dimension(s.diameter);
      dimension(s.chamfer);
      break;
    case SectionType::HollowSquarePrestressed:
      dimension(s.diameter);
      dimension(s.voidDiameter);
      dimension(s.chamfer);
      break;
    case SectionType::Elastic:
    case SectionType::ElasticPlastic:
      readElastic(ctx, s.elastic, s.type == SectionType::ElasticPlastic);
      s.diameter =
          s.elastic.shape == kShapeEmbeddedPole ? s.elastic.holeDiameter : s.elastic.widthTop;
      break;
    case SectionType::UserEi:
      dimension(s.diameter);
      readUserEi(ctx, sectionNumber, s);
      break;
    default:
      break;
  }
}

void readSection(RunContext& ctx, int sectionNumber, PileSection& section, double& runningLength) {
  ctx.messages.line("Reading section properties for Section " + std::to_string(sectionNumber));
  int numberRead = 0;
  readValue(ctx, numberRead);
  if (numberRead != sectionNumber) {
    ctx.report.line("SECTION DATA OUT-OF-ORDER");
    ctx.report.endLine();
    ctx.report.line("Expecting section number " + std::to_string(sectionNumber) +
                    ", but section number " + std::to_string(numberRead) + " was found");
    engine::stopRun(ctx, kOutOfOrderCode, kOutOfOrderError);
  }

  int typeCode = 0;
  readValue(ctx, typeCode);
  if (typeCode == -sectionTypeCode(SectionType::CasedShaftWithCore)) {
    section.type = SectionType::CasedShaftWithCore;
    section.coreFilled = false;
  } else if (isSectionTypeCode(typeCode)) {
    section.type = static_cast<SectionType>(typeCode);
    section.coreFilled = section.type == SectionType::CasedShaftWithCore;
  } else {
    stopOnReaderError(ctx, ReaderError::kSectionType, {sectionNumber, typeCode});
  }

  readDimensions(ctx, sectionNumber, section);
  if (section.type == SectionType::Micropile) {
    // Only the length of a micropile section is given: there is nothing to
    // compute its bending stiffness or its width from.
    stopOnReaderError(ctx, ReaderError::kMicropile, {sectionNumber});
  }
  const SectionTypeInfo& info = sectionTypeInfo(section.type);
  if (info.concrete) readConcrete(ctx, sectionNumber, section.concrete);
  if (info.bars) readBars(ctx, sectionNumber, section.rebar);
  if (info.strands) readStrands(ctx, sectionNumber, section.prestress);

  section.topDepth = runningLength;
  runningLength += section.length;
  section.bottomDepth = runningLength;
}

}  // namespace

void readSections(RunContext& ctx) {
  Pile& pile = ctx.model.pile;
  int count = 0;
  readValue(ctx, count);
  if (count > kMaxSections) {
    stopOnReaderError(ctx, ReaderError::kTooManySections, {count, kMaxSections});
  }

  // A later SECTIONS replaces everything an earlier one read.
  pile.numberOfSections = count > 0 ? count : 0;
  pile.length = 0.0;
  pile.sections.fill(PileSection{});
  pile.sectionBoundaryDepths.fill(0.0);
  pile.stations.fill(PropertyStation{});
  pile.numberOfStations = 0;

  double runningLength = 0.0;
  for (int i = 1; i <= pile.numberOfSections; ++i) {
    readSection(ctx, i, pile.sections[i], runningLength);
    pile.sectionBoundaryDepths[i] = pile.sections[i].topDepth;
    pile.length = runningLength;
  }
  pile.sectionBoundaryDepths[pile.numberOfSections + 1] = pile.length;
  fillPropertyStations(ctx.model);
}

}  // namespace quarn::input
