// Blocks 4 and 5 of the input echo: the pile geometry with its property
// stations, and the input of every pile section in its own words.
#include <algorithm>
#include <array>
#include <string>

#include "engine/messages.h"
#include "input/echo_blocks.h"
#include "input/echo_errors.h"
#include "output/format.h"

namespace quarn::input::echo {

namespace {

using engine::Channel;
using engine::RunContext;
using output::write;

std::string trimmed(const std::string& label) {
  const std::size_t last = label.find_last_not_of(' ');
  return last == std::string::npos ? std::string() : label.substr(0, last + 1);
}

// Block 4.
void writeGeometry(RunContext& ctx) {
  const AnalysisModel& model = ctx.model;
  const Pile& pile = model.pile;
  const InputUnits u = inputUnits(model.options.IUNITS);
  Channel& out = ctx.report;
  heading(out, 20, "Pile Structural Properties and Geometry", 0);
  write(out, "(\"Total Number of Sections\" T56 \"= \" I10 /)", {pile.numberOfSections});
  write(out, "(\"Total Pile Length\" T56 \"= \" F10.2 1X A /)", {pile.length, u.depth});
  write(out, "(\"Depth of ground surface below top of pile\" T56 \"= \" F10.2 1X A /)",
        {pile.groundSurfaceDepth, u.depth});
  write(out, "(\"Pile dimensions used for p-y curve computations defined using \" I0 \" points.\")",
        {pile.numberOfStations});
  write(out,
        "(\"p-y curves are computed using values of pile diameter interpolated over \" / "
        "\"the length of the pile.\" /)",
        {});
  out.line("Point         Depth              Pile   ");
  write(out, "(\"                X              Diameter \" / T17 A T35 A)",
        {u.depth, u.dimension});
  out.line("-----       ---------        -----------");
  // Stations beyond the table are not shown; the count check stops such a run.
  const int stations = std::min(pile.numberOfStations, 2 * kMaxSections);
  for (int k = 1; k <= stations; ++k) {
    const PropertyStation& station = pile.stations[static_cast<std::size_t>(k)];
    write(out, "(I5 F16.3 F19.3)", {k, station.depth, station.width * u.dimensionScale});
  }
  // Two stations per section: a pile needs one section at least, and no
  // more than the model holds.
  if (checkPropertyStations(model)) {
    stopOnEchoError(ctx, EchoError::kPropertyStations,
                    {output::formatInteger(pile.numberOfStations, 10)});
  }
}

// ---- the lines of a section -------------------------------------------------

struct SectionLines {
  Channel& out;
  const InputUnits& u;

  void dimension(std::string_view label, double stored) const {
    valueLine(out, label, stored * u.dimensionScale, u.dimension);
  }
  void area(std::string_view label, double stored) const {
    valueLine(out, label, stored * u.dimensionScale * u.dimensionScale, u.area);
  }
  void inertia(std::string_view label, double stored) const {
    const double s = u.dimensionScale * u.dimensionScale;
    valueLine(out, label, stored * s * s, u.inertia);
  }
  void stress(std::string_view label, double value) const {
    valueLine(out, label, value, u.stress);
  }
};

void writeConcrete(const SectionLines& w, const ConcreteData& c) {
  w.stress("   Compressive Strength of Concrete", c.compressiveStrength);
  w.dimension("   Maximum Coarse Aggregate Size", c.maxAggregateSize);
  if (c.tensileStrengthEntered) {
    w.stress("   Tensile Strength of Concrete (input)", c.tensileStrength);
  } else {
    textLine(w.out, "   Tensile Strength of Concrete", "computed by the program");
  }
  if (!c.userStressStrainCurve) {
    textLine(w.out, "   Stress-strain Curve of Concrete", "internal curve");
    return;
  }
  textLine(w.out, "   Stress-strain Curve of Concrete", "input curve");
  integerLine(w.out, "   Number of Points on Stress-strain Curve", c.curvePoints);
  write(w.out, "(\"      Point          Strain          Stress\" / T40 A)", {w.u.stress});
  const int points = std::min(c.curvePoints, kMaxConcreteCurvePoints);
  for (int j = 1; j <= points; ++j) {
    const auto i = static_cast<std::size_t>(j);
    write(w.out, "(I11 F16.6 F16.3)", {j, c.curveStrain[i], c.curveStress[i]});
  }
}

void writeBars(const SectionLines& w, const ReinforcementData& r) {
  if (r.arrangement == kBarsNone) {
    textLine(w.out, "   Reinforcing Bars", "none");
    return;
  }
  if (r.sameAsSectionAbove) {
    textLine(w.out, "   Reinforcing Bar Arrangement", "same as section above");
  }
  switch (r.arrangement) {
    case kBarsCircular:
      textLine(w.out, "   Arrangement of Reinforcing Bars", "bars in a circle");
      w.stress("   Yield Stress of Reinforcing Bars", r.yieldStress);
      w.stress("   Elastic Modulus of Reinforcing Bars", r.elasticModulus);
      integerLine(w.out, "   Number of Bar Groups", r.groups);
      integerLine(w.out, "   Number of Bars per Group (Bundle Size)", r.bundleSize);
      w.dimension("   Bar Diameter", r.barDiameter);
      w.area("   Bar Area", r.barArea);
      w.dimension("   Clear Cover to Bars", r.cover);
      w.dimension("   Offset of Bar Cage from Center", r.offset);
      break;
    case kBarsNoncircular: {
      textLine(w.out, "   Arrangement of Reinforcing Bars", "noncircular pattern");
      w.stress("   Yield Stress of Reinforcing Bars", r.yieldStress);
      w.stress("   Elastic Modulus of Reinforcing Bars", r.elasticModulus);
      integerLine(w.out, "   Number of Reinforcing Bars", r.numberOfBars);
      write(w.out,
            "(\"      Bar    Bar Code   Bar Diameter       Bar Area          Bar X          Bar "
            "Y\" / T26 A T41 A T56 A T71 A)",
            {w.u.dimension, w.u.area, w.u.dimension, w.u.dimension});
      const int bars = std::min(r.numberOfBars, kMaxBars);
      for (int k = 1; k <= bars; ++k) {
        const BarPosition& bar = r.bars[static_cast<std::size_t>(k)];
        const double s = w.u.dimensionScale;
        write(w.out, "(I9 I12 4F15.3)",
              {k, bar.code, bar.diameter * s, bar.area * s * s, bar.x * s, bar.y * s});
      }
      break;
    }
    default:
      textLine(w.out, "   Arrangement of Reinforcing Bars", "not specified");
      break;
  }
}

constexpr std::array<std::string_view, 6> kStrandTypeNames = {"PCI 250",
                                                              "PCI 270",
                                                              "PCI 300",
                                                              "Smooth 145 ksi bars",
                                                              "Smooth 160 ksi bars",
                                                              "Deformed bars (150-160 ksi)"};

void writeStrands(const SectionLines& w, const StrandData& p) {
  const int type = p.strandType;
  const std::string name = type >= 0 && type <= 5
                               ? std::to_string(type) + " (" +
                                     std::string(kStrandTypeNames[static_cast<std::size_t>(type)]) +
                                     ")"
                               : std::to_string(type);
  textLine(w.out, "   Prestressing Strands",
           p.autoPositioned ? "positioned automatically" : "positioned manually");
  textLine(w.out, "   Strand Type", name);
  integerLine(w.out, "   Number of Strands", p.numberOfStrands);
  valueLine(w.out, "   Jacking Force of All Strands", p.jackingForce, w.u.force);
  valueLine(w.out, "   Loss of Prestress (fraction of jacking force)", p.lossFraction);
  if (p.autoPositioned) {
    integerLine(w.out, "   Strand Size Code", p.sizeCode);
    w.dimension("   Strand Diameter", p.strandDiameter);
    w.area("   Strand Area", p.strandArea);
    w.dimension("   Clear Cover to Strands", p.cover);
    textLine(w.out, "   Strand Arrangement",
             p.arrangementCode == kStrandsOnCircle ? "on a circle"
                                                   : "around the perimeter of a square (code " +
                                                         std::to_string(p.arrangementCode) + ")");
    return;
  }
  write(w.out,
        "(\"   Strand   Size Code   Strand Diameter    Strand Area       Strand X       Strand "
        "Y\" / T26 A T41 A T56 A T71 A)",
        {w.u.dimension, w.u.area, w.u.dimension, w.u.dimension});
  const int strands = std::min(p.numberOfStrands, kMaxBars);
  const double s = w.u.dimensionScale;
  for (int j = 1; j <= strands; ++j) {
    const BarPosition& strand = p.strands[static_cast<std::size_t>(j)];
    write(w.out, "(I9 I12 4F15.3)",
          {j, strand.code, strand.diameter * s, strand.area * s * s, strand.x * s, strand.y * s});
  }
}

constexpr std::array<std::string_view, 7> kShapeNames = {"",
                                                         "Rectangular",
                                                         "Circular",
                                                         "Circular Pipe",
                                                         "Strong H-Pile",
                                                         "Weak H-Pile",
                                                         "Embedded Circular Pole"};

void writeElastic(const SectionLines& w, const ElasticData& e, bool plastic, const UnitLabels& l) {
  const bool knownShape = e.shape >= kShapeRectangular && e.shape <= kShapeEmbeddedPole;
  const std::string shape = knownShape ? std::string(kShapeNames[static_cast<std::size_t>(e.shape)])
                                       : "code " + std::to_string(e.shape);
  textLine(w.out, "   Cross-sectional Shape", shape);
  if (!knownShape) return;
  w.stress("   Elastic Modulus", e.elasticModulus);
  const bool hPile = e.shape == kShapeStrongHPile || e.shape == kShapeWeakHPile;
  const std::string moment = trimmed(l.moment);
  if (plastic && hPile) {
    valueLine(w.out, "   Plastic Moment Capacity", e.plasticMomentTop, moment);
  } else if (plastic) {
    valueLine(w.out, "   Plastic Moment Capacity at Top", e.plasticMomentTop, moment);
    valueLine(w.out, "   Plastic Moment Capacity at Bottom", e.plasticMomentBottom, moment);
  }
  if (hPile) {
    w.dimension("   Flange Width", e.widthTop);
    w.dimension("   Section Depth", e.depthTop);
    // The thicknesses are kept as entered.
    valueLine(w.out, "   Flange Thickness", e.flangeThickness, w.u.dimension);
    valueLine(w.out, "   Web Thickness", e.webThickness, w.u.dimension);
    w.area("   Cross-sectional Area", e.areaTop);
    w.inertia("   Moment of Inertia", e.inertiaTop);
    return;
  }
  w.dimension("   Width at Top", e.widthTop);
  w.dimension("   Width at Bottom", e.widthBottom);
  if (e.shape == kShapeRectangular) {
    w.dimension("   Section Depth at Top", e.depthTop);
    w.dimension("   Section Depth at Bottom", e.depthBottom);
  } else if (e.shape == kShapeCircularPipe) {
    w.dimension("   Wall Thickness at Top", e.wallThicknessTop);
    w.dimension("   Wall Thickness at Bottom", e.wallThicknessBottom);
  }
  w.area("   Cross-sectional Area at Top", e.areaTop);
  w.area("   Cross-sectional Area at Bottom", e.areaBottom);
  w.inertia("   Moment of Inertia at Top", e.inertiaTop);
  w.inertia("   Moment of Inertia at Bottom", e.inertiaBottom);
  if (e.shape == kShapeEmbeddedPole) w.dimension("   Drilled Hole Diameter", e.holeDiameter);
}

// The points of a user-defined moment versus bending stiffness section, in
// the units of the input (pounds and inches in US customary runs).
void writeUserEi(const SectionLines& w, const PileSection& s, const UnitLabels& l) {
  const std::string force = trimmed(l.force);
  const std::string moment = trimmed(l.moment);
  const std::string stiffness = force == "lbs" ? "lb-in^2" : (force == "kN" ? "kN-m^2" : "F-L^2");
  const std::string curvature = "rad/" + trimmed(l.length);
  integerLine(w.out, "   Number of Axial Thrust Forces", static_cast<long long>(s.userEi.size()));
  int e = 0;
  for (const UserEiCurve& curve : s.userEi) {
    w.out.endLine();
    valueLine(w.out, "   Axial Thrust Force No. " + std::to_string(++e), curve.axialThrust, force);
    write(w.out,
          "(\"      Point      Bending Moment   Bending Stiffness       Curvature\" / T21 A T40 A "
          "T56 A)",
          {moment, stiffness, curvature});
    const std::size_t n = std::min(curve.moment.size(), curve.stiffness.size());
    for (std::size_t j = 0; j < n; ++j) {
      const double M = curve.moment[j];
      const double EI = curve.stiffness[j];
      write(w.out, "(I11 3ES19.6)", {static_cast<int>(j + 1), M, EI, EI != 0.0 ? M / EI : 0.0});
    }
  }
}

void writeSectionType(Channel& out, const PileSection& s) {
  switch (s.type) {
    case SectionType::RectangularConcrete:
      out.line("   Section Type " + std::string(39, ' ') + "= Rectangular Concrete Pile");
      break;
    case SectionType::DrilledShaft:
      out.line("   Section Type " + std::string(39, ' ') + "= Drilled Shaft (Bored Pile)");
      break;
    case SectionType::CasedShaft:
      out.line("   Section Type = Drilled Shaft with Permanent Casing  ");
      break;
    case SectionType::CasedShaftWithCore:
      out.line(s.coreFilled
                   ? "   Section Type = Drilled Shaft with Casing and Concrete-filled Core   "
                   : "   Section Type = Drilled Shaft with Casing and Void Core   ");
      break;
    case SectionType::SteelPipe:
      out.line("   Section Type = Steel Pipe Pile            ");
      break;
    case SectionType::CircularPrestressed:
      out.line("   Section Type = Circular Solid Prestressed Pile    ");
      break;
    case SectionType::HollowCircularPrestressed:
      out.line("   Section Type = Circular Hollow Prestressed Pile    ");
      break;
    case SectionType::SquarePrestressed:
      out.line("   Section Type = Square Solid Prestressed Pile    ");
      break;
    case SectionType::HollowSquarePrestressed:
      out.line("   Section Type = Square Hollow Prestressed Pile    ");
      break;
    case SectionType::OctagonalPrestressed:
      out.line("   Section Type = Octagonal Solid Prestressed Pile    ");
      break;
    case SectionType::HollowOctagonalPrestressed:
      out.line("   Section Type = Octagonal Hollow Prestressed Pile    ");
      break;
    case SectionType::Elastic:
      write(out, "(\"   Section Type\" T56 \"=    Elastic Pile\")", {});
      break;
    case SectionType::ElasticPlastic:
      write(out, "(\"   Section Type\" T56 \"= Elastic with Specified Moment Capacity \")", {});
      break;
    case SectionType::UserEi:
      write(out, "(\"   Section Type\" T56 \"= Pile with User-defined Nonlinear EI\")", {});
      break;
    case SectionType::Micropile:
      write(out, "(\"   Section Type\" T56 \"= Micropile\")", {});
      break;
  }
}

// The dimension lines of a section, in the order of its input.
void writeDimensions(const SectionLines& w, const PileSection& s, const UnitLabels& l) {
  switch (s.type) {
    case SectionType::RectangularConcrete:
      w.dimension("   Width of Section", s.diameter);
      w.dimension("   Depth of Section", s.sectionDepth);
      break;
    case SectionType::DrilledShaft:
    case SectionType::CircularPrestressed:
      w.dimension("   Diameter", s.diameter);
      break;
    case SectionType::OctagonalPrestressed:
      w.dimension("   Width of Section", s.diameter);
      break;
    case SectionType::CasedShaft:
      w.dimension("   Outside Diameter of Casing", s.diameter);
      w.dimension("   Casing Wall Thickness", s.wallThickness);
      w.stress("   Yield Stress of Casing", s.steelYieldStress);
      w.stress("   Elastic Modulus of Casing", s.steelModulus);
      break;
    case SectionType::CasedShaftWithCore:
      w.dimension("   Outside Diameter of Casing", s.diameter);
      w.dimension("   Casing Wall Thickness", s.wallThickness);
      w.stress("   Yield Stress of Casing", s.steelYieldStress);
      w.stress("   Elastic Modulus of Casing", s.steelModulus);
      w.dimension("   Outside Diameter of Core", s.coreDiameter);
      w.dimension("   Core Wall Thickness", s.coreWallThickness);
      // Zero or less: the core is of the casing's steel.
      w.stress("   Yield Stress of Core", s.coreYieldStress);
      w.stress("   Elastic Modulus of Core", s.coreModulus);
      break;
    case SectionType::SteelPipe:
      w.dimension("   Outside Diameter", s.diameter);
      w.dimension("   Wall Thickness", s.wallThickness);
      w.stress("   Yield Stress of Pipe", s.steelYieldStress);
      w.stress("   Elastic Modulus of Pipe", s.steelModulus);
      break;
    case SectionType::HollowCircularPrestressed:
      w.dimension("   Outside Diameter", s.diameter);
      w.dimension("   Diameter of Void", s.voidDiameter);
      break;
    case SectionType::HollowOctagonalPrestressed:
      w.dimension("   Width of Section", s.diameter);
      w.dimension("   Diameter of Void", s.voidDiameter);
      break;
    case SectionType::SquarePrestressed:
      w.dimension("   Width of Section", s.diameter);
      w.dimension("   Corner Chamfer", s.chamfer);
      break;
    case SectionType::HollowSquarePrestressed:
      w.dimension("   Width of Section", s.diameter);
      w.dimension("   Diameter of Void", s.voidDiameter);
      w.dimension("   Corner Chamfer", s.chamfer);
      break;
    case SectionType::Elastic:
    case SectionType::ElasticPlastic:
      writeElastic(w, s.elastic, s.type == SectionType::ElasticPlastic, l);
      break;
    case SectionType::UserEi:
      w.dimension("   Diameter", s.diameter);
      writeUserEi(w, s, l);
      break;
    case SectionType::Micropile:
      break;
  }
}

// Block 5: every section with its type, length, dimensions and materials.
void writeSections(RunContext& ctx) {
  const AnalysisModel& model = ctx.model;
  const Pile& pile = model.pile;
  const InputUnits u = inputUnits(model.options.IUNITS);
  Channel& out = ctx.report;
  write(out, "(2/ \"Input Structural Properties:\" / \"----------------------------\")", {});
  const int sections = std::min(pile.numberOfSections, kMaxSections);
  for (int i = 1; i <= sections; ++i) {
    const PileSection& s = pile.sections[static_cast<std::size_t>(i)];
    const SectionLines w{out, u};
    write(out, "(/ \"Pile Section No. \" I0 \":\" /)", {i});
    writeSectionType(out, s);
    valueLine(out, "   Section Length", s.length, u.depth);
    writeDimensions(w, s, model.labels);
    const SectionTypeInfo& info = sectionTypeInfo(s.type);
    if (info.concrete) writeConcrete(w, s.concrete);
    if (info.bars) writeBars(w, s.rebar);
    if (info.strands) writeStrands(w, s.prestress);
    // A section without width has no soil resistance and no stiffness: the
    // analysis would run on without meaning.
    if (hasZeroWidth(pile, i)) stopOnEchoError(ctx, EchoError::kZeroWidth);
  }
  write(out, "(2/)", {});
}

}  // namespace

void writePileStructure(RunContext& ctx) {
  writeGeometry(ctx);
  writeSections(ctx);
}

}  // namespace quarn::input::echo
