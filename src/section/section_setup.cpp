#include "section/section_setup.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/messages.h"
#include "engine/model_options.h"
#include "section/bar_layouts.h"

namespace quarn::section {

namespace {

using engine::RunContext;

std::string_view layoutProblem(LayoutResult result) {
  switch (result) {
    case LayoutResult::kDiameterNotPositive:
      return "the diameter or width of the bar pattern is zero or negative.";
    case LayoutResult::kDiameterBelowBar:
      return "the diameter of the bar pattern is smaller than the bar diameter.";
    case LayoutResult::kCoverNotPositive:
      return "the concrete cover is zero or negative.";
    case LayoutResult::kCountOutOfRange:
      return "the number of bars is outside 1 to 300.";
    case LayoutResult::kBundleOutOfRange:
      return "the bundle size is outside 1 to 3.";
    case LayoutResult::kRadiusNotPositive:
      return "the cover and the bar diameter leave no room for the bars.";
    case LayoutResult::kPlaced:
      break;
  }
  return "";
}

[[noreturn]] void stopOnLayout(RunContext& ctx, int index, LayoutResult result) {
  for (engine::Channel* channel : {&ctx.report, &ctx.messages}) {
    channel->endLine();
    channel->line("**** Runtime Error No. " + std::to_string(kRuntimeBarLayout) + " ****");
    channel->endLine();
    channel->line("Problem:  The reinforcing bars or strands of section " + std::to_string(index) +
                  " cannot be placed:");
    channel->line("          " + std::string(layoutProblem(result)));
    channel->line("Solution: Check the section diameter, the bar or strand diameter, the cover");
    channel->line("          and the number of bars or strands of the section.");
    channel->endLine();
  }
  engine::stopOnRuntimeError(ctx, kRuntimeBarLayout);
}

void placeOrStop(RunContext& ctx, int index, LayoutResult result) {
  if (result != LayoutResult::kPlaced) stopOnLayout(ctx, index, result);
}

bool isPrestressed(SectionType type) {
  return type >= SectionType::CircularPrestressed &&
         type <= SectionType::HollowOctagonalPrestressed;
}
bool isReinforced(SectionType type) {
  return type >= SectionType::RectangularConcrete && type <= SectionType::CasedShaftWithCore;
}

// The bar arrangement a section uses: its own, or for "same as section
// above" that of the nearest section above with an arrangement of its own.
const ReinforcementData& barsOf(const Pile& pile, int index) {
  int j = index;
  while (j > 1 && pile.sections[static_cast<std::size_t>(j)].rebar.sameAsSectionAbove) --j;
  return pile.sections[static_cast<std::size_t>(j)].rebar;
}

void addVoidCore(SliceModel& m, double diameter) {
  if (!(diameter > 0.0)) return;
  m.coreCount = 1;
  m.cores[1] = Core{diameter, 0.0, 0.0, 0.0, false, 0, 0};
}

// Bars of a reinforced section (types 0 to 3). `layoutDiameter`: the circle
// on which uniform bars are laid (shaft diameter, casing inside diameter).
void loadBars(RunContext& ctx, SectionState& s, const ReinforcementData& r, double layoutDiameter) {
  SliceModel& m = s.slices;
  const bool placed = r.arrangement == kBarsCircular || r.arrangement == kBarsNoncircular;
  m.NumBars = placed ? std::clamp(r.numberOfBars, 0, kMaxBars) : 0;
  for (int k = 1; k <= m.NumBars; ++k) {
    const BarPosition& bar = r.bars[static_cast<std::size_t>(k)];
    const auto u = static_cast<std::size_t>(k);
    m.barDiameter[u] = bar.diameter;
    m.barArea[u] = bar.area;
    m.barX[u] = bar.x;
    m.barY[u] = bar.y;
  }
  if (r.arrangement != kBarsCircular || m.NumBars == 0) return;

  s.uniformBars = true;
  s.bundleSize = r.bundleSize;
  s.barCover = r.cover;
  s.barOffset = r.offset;
  double barDiameter = r.barDiameter;
  placeOrStop(ctx, s.sectionIndex,
              Calculate_Circular_Bar_Positions(m.barX, m.barY, layoutDiameter, r.cover, barDiameter,
                                               r.groups, r.bundleSize));
  for (int k = 1; k <= m.NumBars; ++k) {
    const auto u = static_cast<std::size_t>(k);
    m.barDiameter[u] = barDiameter;  // a diameter above 100 was taken as 0
    m.barY[u] += r.offset;
  }
  s.edgeToEdgeBarSpacing =
      edgeToEdgeBarSpacing(m.barX, m.barY, m.NumBars, r.bundleSize, barDiameter);
}

// Strands of a prestressed section (types 5 to 10).
void loadStrands(RunContext& ctx, SectionState& s, const PileSection& section) {
  SliceModel& m = s.slices;
  const StrandData& p = section.prestress;
  m.NumBars = std::clamp(p.numberOfStrands, 0, kMaxBars);
  for (int k = 1; k <= m.NumBars; ++k) {
    const BarPosition& strand = p.strands[static_cast<std::size_t>(k)];
    const auto u = static_cast<std::size_t>(k);
    m.barDiameter[u] = strand.diameter;
    m.barArea[u] = strand.area;
    m.barX[u] = strand.x;
    m.barY[u] = strand.y;
  }
  if (!p.autoPositioned || m.NumBars == 0) return;

  s.uniformBars = true;
  s.barCover = p.cover;
  const bool square = section.type == SectionType::SquarePrestressed ||
                      section.type == SectionType::HollowSquarePrestressed;
  double strandDiameter = p.strandDiameter;
  // The square perimeter patterns belong to square piles; strands of round
  // and octagonal piles always lie on a circle, which keeps them inside the
  // concrete whatever pattern code the input carries.
  if (square && (p.arrangementCode == kStrandsSquarePattern1 ||
                 p.arrangementCode == kStrandsSquarePattern2)) {
    placeOrStop(ctx, s.sectionIndex,
                Calculate_Square_Bar_Positions(p.arrangementCode, m.barX, m.barY, section.diameter,
                                               p.cover, strandDiameter, m.NumBars));
  } else {
    placeOrStop(ctx, s.sectionIndex,
                Calculate_Circular_Bar_Positions(m.barX, m.barY, section.diameter, p.cover,
                                                 strandDiameter, m.NumBars, 1));
    for (int k = 1; k <= m.NumBars; ++k)
      m.barDiameter[static_cast<std::size_t>(k)] = strandDiameter;
    s.edgeToEdgeBarSpacing = edgeToEdgeBarSpacing(m.barX, m.barY, m.NumBars, 1, strandDiameter);
  }
}

// The input's concrete curve and tensile strength, in working units.
void loadConcreteLaw(const ConcreteData& concrete, double stressScale, MaterialState& mat) {
  if (mat.ConcreteModel != kConcreteModelStandard) return;
  if (concrete.userStressStrainCurve) {
    ConcreteCurve& curve = mat.userCurve;
    curve.count = std::clamp(concrete.curvePoints, 0, kMaxConcreteCurvePoints);
    for (int j = 1; j <= curve.count; ++j) {
      const auto u = static_cast<std::size_t>(j);
      curve.strain[u] = concrete.curveStrain[u];
      curve.stress[u] = concrete.curveStress[u] * stressScale;
    }
  }
  mat.tensileStrengthEntered = concrete.tensileStrengthEntered;
  mat.enteredTensileStrength = std::abs(concrete.tensileStrength) * stressScale;
}

}  // namespace

void loadSectionState(RunContext& ctx, int index, SectionState& s) {
  const AnalysisModel& model = ctx.model;
  const PileSection& section = model.pile.sections[static_cast<std::size_t>(index)];
  s = SectionState{};
  s.sectionIndex = index;
  s.sectionType = section.type;

  SliceModel& m = s.slices;
  MaterialState& mat = s.materials;
  m.kind = sectionKindFor(section.type, section.chamfer);
  if (m.kind == SectionKind::NotSliced) return;

  // US customary stresses are entered in psi and worked in ksi. General
  // units are taken as entered, like the ksi of the laws.
  const bool us = model.options.IUNITS == kUnitsUsCustomary;
  const double stressScale = us ? 1.0 / 1000.0 : 1.0;
  mat.si = model.options.IUNITS == kUnitsSi;

  const double D = section.diameter;  // diameter or width; casing or pipe outside diameter
  const double t = section.wallThickness;
  switch (section.type) {
    case SectionType::RectangularConcrete:
      m.B = D;
      m.H = section.sectionDepth;
      break;
    case SectionType::SquarePrestressed:
    case SectionType::HollowSquarePrestressed:
      if (m.kind == SectionKind::SquarePile || m.kind == SectionKind::SquarePileWithCore) {
        m.B = D;
        m.H = D;
      } else {
        buildChamferedSquare(m.SectionPolygon, D, section.chamfer);
      }
      if (section.type == SectionType::HollowSquarePrestressed)
        addVoidCore(m, section.voidDiameter);
      break;
    case SectionType::OctagonalPrestressed:
    case SectionType::HollowOctagonalPrestressed:
      buildOctagon(m.SectionPolygon, D);
      if (section.type == SectionType::HollowOctagonalPrestressed)
        addVoidCore(m, section.voidDiameter);
      break;
    case SectionType::HollowCircularPrestressed:
      m.diameter = D;
      addVoidCore(m, section.voidDiameter);
      break;
    case SectionType::CasedShaftWithCore:
      m.coreCount = 1;
      m.cores[1] =
          Core{section.coreDiameter, 0.0, 0.0, section.coreWallThickness, section.coreFilled, 0, 0};
      [[fallthrough]];
    case SectionType::CasedShaft:
    case SectionType::SteelPipe:
      m.diameter = D;
      m.casingDiameter = D;
      m.casingThickness = t;
      break;
    default:  // drilled shaft, circular prestressed pile
      m.diameter = D;
      break;
  }

  // Materials.
  mat.compressiveStrength = section.concrete.compressiveStrength * stressScale;
  mat.casingModulus = section.steelModulus * stressScale;
  mat.casingYieldStress = section.steelYieldStress * stressScale;
  // The core tube has its own steel when the input gives it; otherwise the
  // casing's.
  mat.coreModulus =
      (section.coreModulus > 0.0 ? section.coreModulus : section.steelModulus) * stressScale;
  mat.coreYieldStress =
      (section.coreYieldStress > 0.0 ? section.coreYieldStress : section.steelYieldStress) *
      stressScale;
  mat.ConcreteModel =
      m.kind == SectionKind::SteelPipePile ? kConcreteModelNone : kConcreteModelStandard;
  loadConcreteLaw(section.concrete, stressScale, mat);
  mat.CoreConcreteModel = section.type == SectionType::CasedShaftWithCore && section.coreFilled
                              ? kConcreteModelStandard
                              : kConcreteModelNone;

  if (isReinforced(section.type)) {
    const ReinforcementData& r = barsOf(model.pile, index);
    mat.SteelModel = kSteelModelRebar;
    mat.barYieldStress = r.yieldStress * stressScale;
    mat.barModulus = r.elasticModulus * stressScale;
    double layoutDiameter = D;
    if (section.type == SectionType::RectangularConcrete) {
      layoutDiameter = std::min(m.B, m.H);  // a circle of bars inside the rectangle
    } else if (section.type != SectionType::DrilledShaft) {
      layoutDiameter = D - 2.0 * t;  // inside the casing
    }
    loadBars(ctx, s, r, layoutDiameter);
  } else if (isPrestressed(section.type)) {
    const StrandData& p = section.prestress;
    mat.SteelModel = steelModelForStrandType(p.strandType);
    mat.strandUltimateStrength = p.ultimateStrength * stressScale;
    mat.strandModulus = p.elasticModulus;  // the strand table gives ksi (or kPa) already
    // The grade codes of the deformed bars count the sizes from 1.
    mat.barGradeCode = p.sizeCode + 1;
    mat.jackingForce = p.jackingForce;
    mat.lossFraction = p.lossFraction;
    loadStrands(ctx, s, section);
  } else {
    mat.SteelModel = kSteelModelNone;  // the steel pipe
  }

  double barArea = 0.0;
  for (int k = 1; k <= m.NumBars; ++k) barArea += m.barArea[static_cast<std::size_t>(k)];
  s.capacities.barArea = barArea;
}

void sliceSection(SectionState& s, engine::Channel* report) {
  if (s.slices.kind == SectionKind::NotSliced) return;
  buildSliceGrid(s.slices);
  Calculate_Concrete_Slice_Areas(s.slices, s.materials.CoreConcreteModel != kConcreteModelNone,
                                 report);
  Calculate_Slice_Depths(s.slices);
  Compute_Concrete_Properties(s.materials);
}

}  // namespace quarn::section
