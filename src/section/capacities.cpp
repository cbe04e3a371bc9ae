#include "section/capacities.h"

#include <numbers>

#include "engine/single_precision.h"
#include "output/format.h"

namespace quarn::section {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kConcreteCrushingFactor = sp(0.85f);  // 0.85 f'c of ACI 318

double circleArea(double d) {
  return kPi / 4.0 * d * d;
}

// The steel and concrete areas of the axial capacity formulas. Casing and
// core are absent (0) for the uncased sections.
struct CapacityAreas {
  double gross = 0.0;     // A_g: B H or the circle of the outside diameter
  double concrete = 0.0;  // the concrete that carries 0.85 f'c, bars taken out
  double bars = 0.0;      // A_s
  double casing = 0.0;    // the casing ring or the pipe wall
  double coreTube = 0.0;  // the ring of the core tube
};

CapacityAreas capacityAreas(const SectionState& s) {
  const SliceModel& m = s.slices;
  CapacityAreas a;
  a.bars = s.capacities.barArea;
  switch (s.sectionType) {
    case SectionType::RectangularConcrete:
      a.gross = m.B * m.H;
      a.concrete = a.gross - a.bars;
      break;
    case SectionType::DrilledShaft:
      a.gross = circleArea(m.diameter);
      a.concrete = a.gross - a.bars;
      break;
    case SectionType::CasedShaft:
    case SectionType::CasedShaftWithCore:
    case SectionType::SteelPipe: {
      const double D = m.casingDiameter;
      const double inside = circleArea(D - 2.0 * m.casingThickness);
      a.gross = circleArea(D);
      a.casing = a.gross - inside;
      if (s.sectionType == SectionType::SteelPipe) break;
      a.concrete = inside - a.bars;
      if (s.sectionType == SectionType::CasedShaftWithCore && m.coreCount >= 1) {
        const Core& core = m.cores[1];
        const double footprint = circleArea(core.diameter);
        a.coreTube = footprint - circleArea(core.diameter - 2.0 * core.wallThickness);
        // A void core takes its whole footprint out of the concrete; a filled
        // core only its tube, the concrete inside it working like the rest.
        a.concrete -= core.b_FillCoreWithConcrete ? a.coreTube : footprint;
      }
      break;
    }
    default:
      break;
  }
  return a;
}

bool hasReinforcedConcreteCapacity(SectionType type) {
  return type >= SectionType::RectangularConcrete && type <= SectionType::CasedShaftWithCore;
}

void writeForceLine(engine::Channel& report, std::string_view label, double value,
                    std::string_view unit) {
  output::write(report, "(A, T56, \"= \", F15.3, A)", {label, value, unit});
}

}  // namespace

void Compute_Axial_Structural_Capacity(engine::Channel& report, SectionState& s,
                                       const SectionUnitLabels& labels) {
  const MaterialState& mat = s.materials;
  AxialCapacities& cap = s.capacities;
  const SectionType type = s.sectionType;
  const bool pipe = type == SectionType::SteelPipe;
  if (!hasReinforcedConcreteCapacity(type) && !pipe) {
    cap.Pcap = kConcreteCrushingFactor * mat.compressiveStrength * s.slices.TotalConcreteArea;
    return;
  }
  const CapacityAreas a = capacityAreas(s);
  if (pipe) {
    cap.Pcap = mat.casingYieldStress * a.casing;
  } else {
    cap.Pcap = kConcreteCrushingFactor * mat.compressiveStrength * a.concrete +
               mat.barYieldStress * a.bars + mat.casingYieldStress * a.casing +
               mat.coreYieldStress * a.coreTube;
  }
  report.endLine();
  report.line("Axial Structural Capacities:");
  report.line("----------------------------");
  writeForceLine(report,
                 pipe ? "Nom. Axial Structural Capacity = Fy As"
                      : "Nom. Axial Structural Capacity = 0.85 Fc Ac + Fy As",
                 cap.Pcap, labels.force);
}

void Compute_Tensile_Capacities(engine::Channel& report, SectionState& s,
                                const SectionUnitLabels& labels) {
  const MaterialState& mat = s.materials;
  AxialCapacities& cap = s.capacities;
  const SectionType type = s.sectionType;
  cap.Pcr = 0.0;
  cap.Tcap = 0.0;
  cap.reportConcrete = ConcreteProperties{};
  const CapacityAreas a = capacityAreas(s);

  if (type == SectionType::SteelPipe) {
    cap.Tcap = -mat.casingYieldStress * a.casing;
    writeForceLine(report, "Nominal Axial Tensile Capacity  ", cap.Tcap, labels.force);
    report.emptyLines(2);
    return;
  }
  if (!hasReinforcedConcreteCapacity(type)) return;

  // Cracking: the transformed section (every steel component at its own
  // modulus) strained to the tensile strain at fracture of the concrete.
  ConcreteProperties c = concretePropertiesForReport(mat.compressiveStrength, mat.si);
  if (mat.tensileStrengthEntered) applyTensileStrength(c, mat.enteredTensileStrength);
  cap.reportConcrete = c;
  cap.Tcap = -(mat.barYieldStress * a.bars + mat.casingYieldStress * a.casing +
               mat.coreYieldStress * a.coreTube);
  cap.Pcr = (mat.barModulus * a.bars + c.Ec * a.concrete + mat.casingModulus * a.casing +
             mat.coreModulus * a.coreTube) *
            c.epsCr;
  writeForceLine(report, "Tensile Load for Cracking of Concrete", cap.Pcr, labels.force);
  writeForceLine(report, "Nominal Axial Tensile Capacity  ", cap.Tcap, labels.force);
  report.emptyLines(2);
}

}  // namespace quarn::section
