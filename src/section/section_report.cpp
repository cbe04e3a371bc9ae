#include "section/section_report.h"

#include <array>
#include <cmath>
#include <numbers>
#include <string>

#include "output/format.h"
#include "output/report_writers.h"
#include "section/section_units.h"

namespace quarn::section {

namespace {

using engine::Channel;
using engine::RunContext;
using output::write;

constexpr double kPi = std::numbers::pi;
constexpr double kInchesPerFoot = 12.0;
constexpr double kPoundsPerKip = 1000.0;

double circleArea(double d) {
  return kPi / 4.0 * d * d;
}
double circleInertia(double d) {
  return kPi / 64.0 * d * d * d * d;
}

// A labelled value: the label, "= " at column 56, the value in 15 columns and
// the unit label. Values of ordinary size are written with three decimals,
// very small and very large ones in scientific form.
void valueLine(Channel& out, std::string_view label, double v, std::string_view unit,
               std::string_view descriptor = {}) {
  std::string format = "(A, T56, \"= \", ";
  if (!descriptor.empty()) {
    format += descriptor;
  } else {
    const double a = std::abs(v);
    format += (a == 0.0 || (a >= 1.0 && a < 1.0e11)) ? "F15.3"
              : (a >= 1.0e-2 && a < 1.0)             ? "F15.5"
                                                     : "ES15.5";
  }
  format += ", A)";
  const output::FormatValue values[] = {label, v, unit};
  output::writeValues(out, format, values);
}

void countLine(Channel& out, std::string_view label, int n, std::string_view unit) {
  write(out, "(A, T56, \"= \", I15, A)", {label, n, unit});
}

void title(Channel& out, std::string_view text) {
  out.endLine();
  out.line(text);
  out.line(std::string(text.size(), '-'));
}

// Length of the section: feet for US customary input (worked in inches),
// metres for SI, as entered for general units.
void sectionLengthLine(RunContext& ctx, const PileSection& section) {
  const int units = ctx.model.options.IUNITS;
  if (units == kUnitsUsCustomary) {
    valueLine(ctx.report, "Length of Section", section.length / kInchesPerFoot, " ft");
  } else if (units == kUnitsSi) {
    valueLine(ctx.report, "Length of Section", section.length, " m");
  } else {
    valueLine(ctx.report, "Length of Section", section.length, " L");
  }
}

const PileSection& inputOf(RunContext& ctx, const SectionState& s) {
  return ctx.model.pile.sections[static_cast<std::size_t>(s.sectionIndex)];
}

bool allBarsAlike(const SliceModel& m) {
  for (int k = 2; k <= m.NumBars; ++k) {
    const auto u = static_cast<std::size_t>(k);
    if (m.barDiameter[u] != m.barDiameter[1] || m.barArea[u] != m.barArea[1]) return false;
  }
  return true;
}

void rectangularPile(RunContext& ctx, const SectionState& s, const SectionUnitLabels& l) {
  Channel& out = ctx.report;
  const SliceModel& m = s.slices;
  const MaterialState& mat = s.materials;
  const PileSection& in = inputOf(ctx, s);
  title(out, "Dimensions and Properties of Rectangular Concrete Pile:");
  sectionLengthLine(ctx, in);
  valueLine(out, "Depth of Section", m.H, l.length);
  valueLine(out, "Width of Section", m.B, l.length);
  countLine(out, "Number of Reinforcing Bars", m.NumBars, " bars   ");
  valueLine(out, "Yield Stress of Reinforcing Bars", mat.barYieldStress, l.stress);
  valueLine(out, "Modulus of Elasticity of Reinforcing Bars", mat.barModulus, l.stress);
  valueLine(out, "Compressive Strength of Concrete", mat.compressiveStrength, l.stress);
  valueLine(out, "Modulus of Rupture of Concrete",
            mat.tensileStrengthEntered
                ? mat.concrete.fr
                : modulusOfRuptureForDimensions(mat.compressiveStrength, mat.si),
            l.stress);
  const double gross = m.B * m.H;
  const double As = s.capacities.barArea;
  valueLine(out, "Gross Area of Pile", gross, l.area);
  valueLine(out, "Total Area of Reinforcing Steel", As, l.area);
  valueLine(out, "Area Ratio of Steel Reinforcement", gross > 0.0 ? 100.0 * As / gross : 0.0,
            " percent", "F15.2");
  if (m.NumBars == 0 || allBarsAlike(m)) return;
  out.endLine();
  out.line("Reinforcing Bar Details:");
  out.line(
      "   Bar              Bar           Bar Diam.        Bar Area          Bar X            "
      "Bar Y");
  write(out, "(\"  Number           Index\", T34, A, T51, A, T68, A, T85, A)",
        {l.length, l.area, l.length, l.length});
  out.line(std::string(97, '-'));
  for (int k = 1; k <= m.NumBars; ++k) {
    const auto u = static_cast<std::size_t>(k);
    write(out, "(I6, I15, $)", {k, in.rebar.bars[u].code});
    for (double v : {m.barDiameter[u], m.barArea[u], m.barX[u], m.barY[u]}) {
      output::Write_Report_Number(out, v, 17);
    }
    output::End_Report_Line(out);
  }
}

void drilledShaft(RunContext& ctx, const SectionState& s, const SectionUnitLabels& l) {
  Channel& out = ctx.report;
  const SliceModel& m = s.slices;
  const MaterialState& mat = s.materials;
  const PileSection& in = inputOf(ctx, s);
  title(out, "Dimensions and Properties of Drilled Shaft:");
  sectionLengthLine(ctx, in);
  valueLine(out, "Shaft Diameter ", m.diameter, l.length);
  valueLine(out, "Concrete Cover Thickness", in.rebar.cover, l.length);
  countLine(out, "Number of Reinforcing Bars", m.NumBars, " bars   ");
  valueLine(out, "Yield Stress of Reinforcing Bars", mat.barYieldStress, l.stress);
  valueLine(out, "Modulus of Elasticity of Reinforcing Bars", mat.barModulus, l.stress);
  const double gross = circleArea(m.diameter);
  const double As = s.capacities.barArea;
  valueLine(out, "Gross Area of Shaft", gross, l.area);
  valueLine(out, "Total Area of Reinforcing Steel", As, l.area);
  valueLine(out, "Area Ratio of Steel Reinforcement ", gross > 0.0 ? 100.0 * As / gross : 0.0,
            " percent", "F15.2");
  valueLine(out, "Edge-to-Edge Bar Spacing", s.edgeToEdgeBarSpacing, l.length);
  valueLine(out, "Rebar Offset", s.barOffset, l.length);
}

// The casing, bar and area lines of the cased shafts (types 2 and 3).
void casedShaft(RunContext& ctx, const SectionState& s, const SectionUnitLabels& l) {
  Channel& out = ctx.report;
  const SliceModel& m = s.slices;
  const MaterialState& mat = s.materials;
  const PileSection& in = inputOf(ctx, s);
  const bool withCore = s.sectionType == SectionType::CasedShaftWithCore && m.coreCount >= 1;
  const Core& core = m.cores[1];
  if (withCore) {
    title(out, core.b_FillCoreWithConcrete
                   ? "Dimensions and Properties of Drilled Shaft with Casing and Filled Core:"
                   : "Dimensions and Properties of Drilled Shaft with Casing and Hollow Core:");
  } else {
    title(out, "Dimensions and Properties of Drilled Shaft with Permanent Casing:");
  }
  const double D = m.casingDiameter;
  const double t = m.casingThickness;
  const double inside = D - 2.0 * t;
  sectionLengthLine(ctx, in);
  valueLine(out, "Outer Diameter of Casing", D, l.length);
  valueLine(out, "Concrete Cover Thickness Inside Casing", in.rebar.cover, l.length);
  valueLine(out, "Casing Wall Thickness", t, l.length);
  valueLine(out, "Moment of Inertia of Steel Casing", circleInertia(D) - circleInertia(inside),
            l.inertia);
  double coreRing = 0.0;
  double coreFootprint = 0.0;
  if (withCore) {
    const double Dk = core.diameter;
    const double innerCore = Dk - 2.0 * core.wallThickness;
    coreFootprint = circleArea(Dk);
    coreRing = coreFootprint - circleArea(innerCore);
    valueLine(out, "Outside Diameter of Core", Dk, l.length);
    valueLine(out, "Core Wall Thickness", core.wallThickness, l.length);
    valueLine(out, "Moment of Inertia of Steel Core", circleInertia(Dk) - circleInertia(innerCore),
              l.inertia);
    valueLine(out, "Yield Stress of Casing and Core", mat.casingYieldStress, l.stress);
    valueLine(out, "Elastic Modulus of Casing and Core", mat.casingModulus, l.stress);
  } else {
    valueLine(out, "Yield Stress of Casing", mat.casingYieldStress, l.stress);
    valueLine(out, "Elastic Modulus of Casing", mat.casingModulus, l.stress);
  }
  countLine(out, "Number of Reinforcing Bars", m.NumBars, " bars   ");
  valueLine(out, "Area of Single Reinforcing Bar", m.NumBars > 0 ? m.barArea[1] : 0.0, l.area);
  valueLine(out, "Edge-to-Edge Bar Spacing", s.edgeToEdgeBarSpacing, l.length);
  valueLine(out, "Rebar Offset", s.barOffset, l.length);
  valueLine(out, "Yield Stress of Reinforcing Bars", mat.barYieldStress, l.stress);
  valueLine(out, "Elastic Modulus of Reinforcing Bars", mat.barModulus, l.stress);
  const double As = s.capacities.barArea;
  const double casingArea = circleArea(D) - circleArea(inside);
  double concrete = circleArea(inside) - As;
  if (withCore) {
    valueLine(out, "Area of All Reinforcing Bars", As, l.area);
    concrete -= core.b_FillCoreWithConcrete ? coreRing : coreFootprint;
  }
  valueLine(out, "Area of Concrete", concrete, l.area);
  valueLine(out, "Cross-sectional Area of Steel Casing", casingArea, l.area);
  const double allSteel = casingArea + coreRing + As;
  const double gross = circleArea(D);
  if (withCore) {
    valueLine(out, "Cross-sectional Area of Steel Core", coreRing, l.area);
    valueLine(out, "Area of All Steel (Casing, Core, and Bars)", allSteel, l.area);
  } else {
    valueLine(out, "Area of All Steel (Casing and Bars)", allSteel, l.area);
  }
  valueLine(out, "Area Ratio of All Steel", gross > 0.0 ? 100.0 * allSteel / gross : 0.0,
            " percent", "F15.2");
  if (withCore) {
    out.endLine();
    out.line(core.b_FillCoreWithConcrete
                 ? "Note that the core is assumed to be filled with concrete"
                 : "Note that the core is assumed to be void of concrete");
  }
}

void steelPipe(RunContext& ctx, const SectionState& s, const SectionUnitLabels& l) {
  Channel& out = ctx.report;
  const SliceModel& m = s.slices;
  const MaterialState& mat = s.materials;
  const int units = ctx.model.options.IUNITS;
  const double D = m.casingDiameter;
  const double t = m.casingThickness;
  const double inside = D - 2.0 * t;
  const double area = circleArea(D) - circleArea(inside);
  const double inertia = circleInertia(D) - circleInertia(inside);
  const double Z = (D * D * D - inside * inside * inside) / 6.0;
  title(out, "Dimensions and Properties of Steel Pipe Pile:");
  sectionLengthLine(ctx, inputOf(ctx, s));
  valueLine(out, "Outer Diameter of Pipe", D, l.length);
  valueLine(out, "Pipe Wall Thickness", t, l.length);
  valueLine(out, "Yield Stress of Pipe", mat.casingYieldStress, l.stress);
  valueLine(out, "Elastic Modulus", mat.casingModulus, l.stress);
  valueLine(out, "Cross-sectional Area", area, l.area);
  valueLine(out, "Moment of Inertia", inertia, l.inertia);
  // The stiffness label is lb-in^2: ksi times in^4 times 1000.
  const double stiffnessScale = units == kUnitsUsCustomary ? kPoundsPerKip : 1.0;
  valueLine(out, "Elastic Bending Stiffness", mat.casingModulus * inertia * stiffnessScale,
            l.stiffness);
  const std::string_view cubed = units == kUnitsUsCustomary ? " in^3   "
                                 : units == kUnitsSi        ? " m^3    "
                                                            : " L^3    ";
  valueLine(out, "Plastic Modulus, Z", Z, cubed);
  valueLine(out, "Plastic Moment Capacity = Fy Z", mat.casingYieldStress * Z, l.moment);
}

struct StrandCurveText {
  int steelModel;
  std::string_view typeLine;
  std::string_view curve;
  std::string_view formula;
};

constexpr std::array<StrandCurveText, 6> kStrandTexts = {{
    {kSteelModelPci250, "=    PCI 250",
     "Stress-Strain Curve for Reinforcement Defined Using PCI 250 Lo-lax Equation",
     "If eps > 0.008, fps = 248 - 0.058/(eps-0.006) < 0.98 fpu (ksi)"},
    {kSteelModelPci270, "=    PCI 270",
     "Stress-Strain Curve for Reinforcement Defined Using PCI 270 Lo-lax Equation",
     "If eps > 0.008 fpu = 268 - 0.075/(eps-0.0065) < 0.98 fpu (ksi)"},
    {kSteelModelPci300, "=    PCI 300",
     "Stress-Strain Curve for Reinforcement Defined Using Grade 300 Equation",
     "If eps > 0.0088846 fpu = 300.0-(0.0835/(eps-0.0071))) < 300 (ksi)"},
    {kSteelModelSmooth145, "= Smooth 145 ksi bars", "", ""},
    {kSteelModelSmooth160, "= Smooth 160 ksi bars", "", ""},
    {kSteelModelDeformedBars, "= Deformed bars (150-160 ksi)", "", ""},
}};

void prestressedPile(RunContext& ctx, const SectionState& s, const SectionUnitLabels& l,
                     const PrestressValues& p) {
  Channel& out = ctx.report;
  const SliceModel& m = s.slices;
  const MaterialState& mat = s.materials;
  const PileSection& in = inputOf(ctx, s);
  const int units = ctx.model.options.IUNITS;
  switch (s.sectionType) {
    case SectionType::CircularPrestressed:
      title(out, "Dimensions and Properties of Circular Prestressed Pile:");
      sectionLengthLine(ctx, in);
      valueLine(out, "Diameter", in.diameter, l.length);
      break;
    case SectionType::HollowCircularPrestressed:
      title(out, "Dimensions and Properties of Hollow Core Circular Prestressed Pile:");
      sectionLengthLine(ctx, in);
      valueLine(out, "Outside Diameter", in.diameter, l.length);
      valueLine(out, "Inside Diameter", in.voidDiameter, l.length);
      break;
    case SectionType::SquarePrestressed:
      title(out, "Dimensions of Square Prestressed Pile Section:");
      sectionLengthLine(ctx, in);
      valueLine(out, "Pile Width", in.diameter, l.length);
      valueLine(out, "Corner Chamfer", in.chamfer, l.length);
      break;
    case SectionType::HollowSquarePrestressed:
      title(out, "Dimensions and Properties of Square Prestressed Pile Section with Hollow Core:");
      sectionLengthLine(ctx, in);
      valueLine(out, "Pile Width", in.diameter, l.length);
      valueLine(out, "Corner Chamfer", in.chamfer, l.length);
      valueLine(out, "Inside Void Diameter", in.voidDiameter, l.length);
      break;
    case SectionType::OctagonalPrestressed:
      title(out, "Dimensions and Properties of Octagonal Prestressed Pile:");
      sectionLengthLine(ctx, in);
      valueLine(out, "Pile Width", in.diameter, l.length);
      break;
    default:
      title(out,
            "Dimensions and Properties of Octagonal Prestressed Pile Section with Hollow Core:");
      sectionLengthLine(ctx, in);
      valueLine(out, "Pile Width", in.diameter, l.length);
      valueLine(out, "Inside Void Diameter", in.voidDiameter, l.length);
      break;
  }

  title(out, "Prestressing Strand Details:");
  for (const StrandCurveText& text : kStrandTexts) {
    if (text.steelModel != mat.SteelModel) continue;
    write(out, "(A, T56, A)", {"Strand Type", text.typeLine});
    valueLine(out, "Yield Stress, fpu", mat.strandUltimateStrength, l.stress);
    if (!text.curve.empty()) {
      out.line(text.curve);
      out.line(text.formula);
    }
  }
  countLine(out, "Number of Reinforcing Strands", m.NumBars, " strands");
  valueLine(out, "Cross-sectional Area of Single Strand", m.NumBars > 0 ? m.barArea[1] : 0.0,
            l.area);
  if (in.prestress.autoPositioned) {
    valueLine(out, "Concrete Cover Thickness Over Strands", s.barCover, l.length);
  }

  // Prestressing forces are entered in pounds (US customary): kips here.
  const double forceScale = units == kUnitsUsCustomary ? 1.0 / kPoundsPerKip : 1.0;
  title(out, "Computation of Loss of Prestress:");
  valueLine(out, "Initial Prestressing Force", p.jackingForce * forceScale, l.force);
  valueLine(out, "Fraction of Loss of Prestress", p.lossFraction, "");
  valueLine(out, "Effective Prestressing Force", p.effectiveForce * forceScale, l.force);
  valueLine(out, "Area of Concrete, Ac      ", p.concreteArea, l.area);
  valueLine(out, "Area of Prestressing Steel, Aps", p.steelArea, l.area);
  valueLine(out, "Effective Prestress in Concrete, Pe/Ac",
            p.effectiveForce * forceScale / p.concreteArea, l.stress);
  valueLine(out, "Strain in Strands from Prestress", p.strandPrestrain, "", "F15.8");
  valueLine(out, "Compressive Strain in Concrete from Prestress", p.precompression, "", "F15.8");
  valueLine(out, "Nominal Axial Compressive Capacity", p.Pcap, l.force);
  valueLine(out, "Nominal Axial Tensile Capacity", p.Tcap, l.force);
  valueLine(out, "Approximate Moment Capacity, " + std::string(p.approximateMomentFormula),
            p.approximateMoment, l.moment);

  title(out, "Prestressing Strand Geometry:");
  out.line("  Strand        Strand Diam.     Strand Area           X                Y");
  write(out, "(\"  Number\", T16, A, T33, A, T50, A, T67, A)",
        {l.length, l.area, l.length, l.length});
  out.line(std::string(80, '-'));
  for (int k = 1; k <= m.NumBars; ++k) {
    const auto u = static_cast<std::size_t>(k);
    write(out, "(I6, $)", {k});
    for (double v : {m.barDiameter[u], m.barArea[u], m.barX[u], m.barY[u]}) {
      output::Write_Report_Number(out, v, 17);
    }
    output::End_Report_Line(out);
  }
}

}  // namespace

const TableUnitTexts& tableUnitTexts(int IUNITS) {
  static constexpr TableUnitTexts kUs{"rad/in.", "in-kip", "kip-in2", "in", "in/in", "ksi"};
  static constexpr TableUnitTexts kSi{"rad/m", "kN-m", "kN-m2", "m", "m/m", "kPa"};
  static constexpr TableUnitTexts kGeneral{"rad/L", "F-L", "F-L2", "L", "L/L", "F/L2"};
  if (IUNITS == kUnitsUsCustomary) return kUs;
  if (IUNITS == kUnitsSi) return kSi;
  return kGeneral;
}

void writeDimensions(RunContext& ctx, const SectionState& s, const PrestressValues* prestress) {
  const SectionUnitLabels& labels = sectionUnitLabels(ctx.model.options.IUNITS);
  switch (s.sectionType) {
    case SectionType::RectangularConcrete:
      rectangularPile(ctx, s, labels);
      break;
    case SectionType::DrilledShaft:
      drilledShaft(ctx, s, labels);
      break;
    case SectionType::CasedShaft:
    case SectionType::CasedShaftWithCore:
      casedShaft(ctx, s, labels);
      break;
    case SectionType::SteelPipe:
      steelPipe(ctx, s, labels);
      break;
    default:
      if (prestress != nullptr) prestressedPile(ctx, s, labels, *prestress);
      break;
  }
}

void writeBarTable(RunContext& ctx, const SectionState& s) {
  const SliceModel& m = s.slices;
  if (s.materials.SteelModel != kSteelModelRebar || m.NumBars == 0) return;
  Channel& out = ctx.report;
  const int units = ctx.model.options.IUNITS;
  out.endLine();
  out.line("Reinforcing Bar Dimensions and Positions Used in Computations:");
  out.endLine();
  out.line("     Bar          Bar Diam.      Bar Area          X              Y     ");
  out.line(units == kUnitsUsCustomary
               ? "    Number         inches         sq. in.        inches         inches  "
           : units == kUnitsSi
               ? "    Number         meters         sq. m.         meters         meters  "
               : "    Number           L              L^2            L              L     ");
  out.line("    ------     ------------   ------------   ------------   ------------");
  for (int k = 1; k <= m.NumBars; ++k) {
    const auto u = static_cast<std::size_t>(k);
    write(out, "(I8, 4X, $)", {k});
    for (double v : {m.barDiameter[u], m.barArea[u], m.barX[u], m.barY[u]}) {
      output::Write_Report_Number(out, v, 15);
    }
    output::End_Report_Line(out);
  }
}

void writeConcreteProperties(RunContext& ctx, const SectionState& s) {
  const MaterialState& mat = s.materials;
  if (mat.ConcreteModel != kConcreteModelStandard) return;
  const SectionUnitLabels& l = sectionUnitLabels(ctx.model.options.IUNITS);
  const ConcreteProperties& c = mat.concrete;
  Channel& out = ctx.report;
  title(out, "Concrete Properties:");
  valueLine(out, "Compressive Strength of Concrete", mat.compressiveStrength, l.stress);
  valueLine(out, "Modulus of Elasticity of Concrete", c.Ec, l.stress);
  valueLine(out,
            mat.SteelModel == kSteelModelRebar ? "Modulus of Rupture of Concrete"
                                               : "Modulus of Rupture of Prestressed Concrete",
            c.fr, l.stress);
  valueLine(out, "Compression Strain at Peak Stress", c.eps0, "", "F15.8");
  valueLine(out, "Tensile Strain at Fracture of Concrete", c.epsCr, "", "F15.8");
  valueLine(out, "Maximum Coarse Aggregate Size", inputOf(ctx, s).concrete.maxAggregateSize,
            l.length);
}

void writeRunMessageDefinitions(Channel& out, bool steelPipe) {
  out.endLine();
  if (steelPipe) {
    out.line("Definition of Run Messages:");
    out.endLine();
    out.line("   Y = part of pipe section has yielded.");
    return;
  }
  out.line("Definitions of Run Messages and Notes:");
  out.endLine();
  out.line("   C = concrete in section has cracked in tension.");
  out.line("   Y = stress in reinforcing steel has reached yield stress.");
  out.line("   T = ACI 318-08 criteria for tension-controlled section met, tensile strain in ");
  out.line("       reinforcement exceeds 0.005 while simultaneously compressive strain in ");
  out.line("       concrete more than than 0.003. See ACI 318-08, Section 10.3.4.");
  out.line(
      "   Z = depth of tensile zone in concrete section is less than 10 percent of section "
      "depth.");
  out.endLine();
  out.line("Bending Stiffness (EI) = Computed Bending Moment / Curvature.");
  out.line("Position of neutral axis is measured from edge of compression side of pile.");
  out.line("Compressive stresses and strains are positive in sign.");
  out.line("Tensile stresses and strains are negative in sign.");
}

namespace {

// Columns of the moment-curvature tables.
enum class Column {
  kCurvature,
  kMoment,
  kStiffness,
  kNeutralAxis,
  kCompressiveStrain,
  kTensileStrain,
  kConcreteStress,
  kSteelStress,
  kCasingStress,
  kCoreStress,
  kTotalStress,
};

struct ColumnText {
  std::string_view first;
  std::string_view second;
};

ColumnText columnText(Column c) {
  switch (c) {
    case Column::kCurvature:
      return {"Bending", "Curvature"};
    case Column::kMoment:
      return {"Bending", "Moment"};
    case Column::kStiffness:
      return {"Bending", "Stiffness"};
    case Column::kNeutralAxis:
      return {"Depth to", "N Axis"};
    case Column::kCompressiveStrain:
      return {"Max Comp", "Strain"};
    case Column::kTensileStrain:
      return {"Max Tens", "Strain"};
    case Column::kConcreteStress:
      return {"Max Concrete", "Stress"};
    case Column::kSteelStress:
      return {"Max Steel", "Stress"};
    case Column::kCasingStress:
      return {"Max Casing", "Stress"};
    case Column::kCoreStress:
      return {"Max Core", "Stress"};
    case Column::kTotalStress:
      return {"Max Total", "Stress"};
  }
  return {"", ""};
}

std::string_view columnUnit(Column c, const TableUnitTexts& u) {
  switch (c) {
    case Column::kCurvature:
      return u.curvature;
    case Column::kMoment:
      return u.moment;
    case Column::kStiffness:
      return u.stiffness;
    case Column::kNeutralAxis:
      return u.length;
    case Column::kCompressiveStrain:
    case Column::kTensileStrain:
      return u.strain;
    default:
      return u.stress;
  }
}

double columnValue(Column c, const CurvePoint& p) {
  switch (c) {
    case Column::kCurvature:
      return p.curvature;
    case Column::kMoment:
      return p.moment;
    case Column::kStiffness:
      return p.EI;
    case Column::kNeutralAxis:
      return p.neutralAxis;
    case Column::kCompressiveStrain:
      return p.maxCompressiveStrain;
    case Column::kTensileStrain:
      return p.maxTensileStrain;
    case Column::kConcreteStress:
      return p.maxConcreteStress;
    case Column::kSteelStress:
      return p.maxSteelStress;
    case Column::kCasingStress:
    case Column::kTotalStress:
      return p.maxCasingStress;
    case Column::kCoreStress:
      return p.maxCoreStress;
  }
  return 0.0;
}

std::string_view columnDescriptor(Column c) {
  switch (c) {
    case Column::kCurvature:
    case Column::kStiffness:
      return "ES15.6";
    case Column::kMoment:
      return "F15.3";
    case Column::kNeutralAxis:
      return "F15.6";
    case Column::kCompressiveStrain:
    case Column::kTensileStrain:
      return "F15.8";
    default:
      return "F15.4";
  }
}

constexpr int kColumnWidth = 15;

std::string cell(std::string_view text) {
  std::string c(kColumnWidth - 1 - std::min<std::size_t>(text.size(), kColumnWidth - 1), ' ');
  c += text.substr(0, kColumnWidth - 1);
  return c + " ";
}

// The widest table, a cased shaft with a core: curvature, moment, stiffness,
// neutral axis, two strains and the concrete, steel, casing and core stresses.
constexpr int kMaxColumns = 10;

struct ColumnSet {
  std::array<Column, kMaxColumns> columns{};
  int count = 0;
};

ColumnSet columnsOf(const SectionState& s) {
  ColumnSet set;
  auto add = [&set](Column c) { set.columns.at(static_cast<std::size_t>(set.count++)) = c; };
  add(Column::kCurvature);
  add(Column::kMoment);
  add(Column::kStiffness);
  add(Column::kNeutralAxis);
  if (s.slices.kind == SectionKind::SteelPipePile) {
    add(Column::kTotalStress);
    return set;
  }
  add(Column::kCompressiveStrain);
  add(Column::kTensileStrain);
  add(Column::kConcreteStress);
  add(Column::kSteelStress);
  const KindComponents parts = kindComponents(s.slices.kind);
  if (parts.casing) add(Column::kCasingStress);
  if (parts.casing && parts.cores) add(Column::kCoreStress);
  return set;
}

}  // namespace

void writeCurveTable(RunContext& ctx, const SectionState& s, const MomentCurvatureCurve& curve) {
  Channel& out = ctx.report;
  const int units = ctx.model.options.IUNITS;
  const SectionUnitLabels& labels = sectionUnitLabels(units);
  const TableUnitTexts& u = tableUnitTexts(units);
  out.endLine();
  write(out, "(\"Axial Thrust Force = \" F10.3 A)", {curve.axialThrust, labels.force});
  write(out, "(\"Direction of Loading = \" I0 \" degrees\" /)", {0});

  const ColumnSet set = columnsOf(s);
  std::string first;
  std::string second;
  std::string third;
  std::string rule;
  for (int i = 0; i < set.count; ++i) {
    const Column c = set.columns[static_cast<std::size_t>(i)];
    const ColumnText text = columnText(c);
    first += cell(text.first);
    second += cell(text.second);
    third += cell(columnUnit(c, u));
    rule += " " + std::string(kColumnWidth - 1, '-');
  }
  out.line(first + "   Run");
  out.line(second + "   Msg");
  out.line(third);
  out.line(rule + "  -----");

  std::string format = "(";
  for (int i = 0; i < set.count; ++i) {
    format += columnDescriptor(set.columns[static_cast<std::size_t>(i)]);
    format += ", ";
  }
  format += "3X, A)";
  // The numbers of the row and its run messages.
  static_assert(kMaxColumns == 10, "one value per column and the run messages");
  std::array<output::FormatValue, kMaxColumns + 1> values = {0.0, 0.0, 0.0, 0.0, 0.0, 0.0,
                                                             0.0, 0.0, 0.0, 0.0, 0.0};
  for (int k = 1; k <= curve.points; ++k) {
    const CurvePoint& p = curve.point[static_cast<std::size_t>(k)];
    for (int i = 0; i < set.count; ++i) {
      values[static_cast<std::size_t>(i)] =
          columnValue(set.columns[static_cast<std::size_t>(i)], p);
    }
    const std::string_view message(p.message.data(), p.message.size());
    values[static_cast<std::size_t>(set.count)] = message;
    output::writeValues(out, format,
                        std::span<const output::FormatValue>(
                            values.data(), static_cast<std::size_t>(set.count + 1)));
  }
}

void writePointLimitWarning(Channel& out, int points) {
  out.endLine();
  write(out, "(\"Warning: \" I0 \" values were calculated for moment-curvature.\")", {points});
  out.line(
      "This usually indicates that the pile is too weak or is under-reinforced, where all "
      "reinforcing steel has yielded.");
  out.endLine();
  out.line(
      "The input data should be examined and the amount of steel reinforcement should be "
      "increased if necessary.");
}

void writeCapacitySummary(RunContext& ctx, int index, bool steelPipe, const SectionCurves& curves) {
  Channel& out = ctx.report;
  const SectionUnitLabels& l = sectionUnitLabels(ctx.model.options.IUNITS);
  out.endLine();
  out.line(std::string(80, '-'));
  write(out, "(\"   Summary of Results for Nominal (Unfactored) Moment Capacity for Section \" I0)",
        {index});
  out.line(std::string(80, '-'));
  out.endLine();
  if (steelPipe) {
    out.line(" Load           Axial Thrust        Nominal Mom. Cap.");
    write(out, "(\"  No.              \" A7 \"              \" A)", {l.force, l.moment});
    out.line(" ----         ----------------     ------------------");
    for (int e = 1; e <= curves.thrusts; ++e) {
      const MomentCurvatureTable& t = curves.table[static_cast<std::size_t>(e)];
      write(out, "(I4, F22.3, F22.1)", {e, t.axialThrust, t.nominalMoment});
    }
    out.endLine();
    out.line("Note that the values in the above table are not factored by a strength");
    out.line("reduction factor for LRFD.");
    out.endLine();
    out.line("The value of the strength reduction factor depends on the provisions of the ");
    out.line("LRFD code being followed.");
    out.endLine();
    out.line("The above values should be multiplied by the appropriate strength reduction ");
    out.line("factor to compute ultimate moment capacity according to the LRFD structural ");
    out.line("design standard being followed.");
    out.emptyLines(2);
    return;
  }
  out.line("Moment values interpolated at maximum compressive strain = 0.003");
  out.line("or maximum developed moment if pile fails at smaller strains.");
  out.endLine();
  out.line(" Load           Axial Thrust        Nominal Mom. Cap.      Max. Comp.");
  write(out, "(\"  No.\", T20, A, T41, A, T62, \"Strain\")", {l.force, l.moment});
  out.line(" ----         ----------------     ------------------     ------------");
  for (int e = 1; e <= curves.thrusts; ++e) {
    const MomentCurvatureTable& t = curves.table[static_cast<std::size_t>(e)];
    write(out, "(I4, F22.3, F22.3, F21.8)",
          {e, t.axialThrust, t.nominalMoment, t.nominalMomentStrain});
  }
  out.endLine();
  out.line("Note note that the values of moment capacity in the table above are not ");
  out.line("factored by a strength reduction factor (phi-factor).");
  out.endLine();
  out.line("In ACI 318-08, the value of the strength reduction factor depends on whether ");
  out.line("the transverse reinforcing steel bars are spirals or tied hoops.");
  out.endLine();
  out.line("The above values should be multiplied by the appropriate strength reduction ");
  out.line("factor to compute ultimate moment capacity according to ACI 318-08, Section ");
  out.line("9.3.2.2 or the value required by the design standard being followed.");
  out.emptyLines(2);
}

}  // namespace quarn::section
