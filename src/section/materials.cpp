#include "section/materials.h"

#include <algorithm>
#include <cmath>

#include "engine/single_precision.h"

namespace quarn::section {

namespace {

constexpr double kKpaPerKsi = sp(6894.757f);

// Concrete.
constexpr double kCrushingStrain = 0.0038;           // end of the descending branch
constexpr double kCrushedStress = sp(0.001f);        // what crushed concrete is left to carry
constexpr double kRuptureCoefficient = sp(0.0075f);  // x sqrt(1000 f'c), ksi
constexpr double kPrestressedRuptureCoefficient = sp(0.004f);  // prestressed concrete
constexpr double kPeakStrainFactor = sp(1.7f);                 // eps0 = 1.7 f'c / Ec
constexpr double kDescentFraction = 0.15;  // the stress falls to 0.85 f'c at 0.0038
// The report's direct SI forms (f'c in kPa).
constexpr double kSiRootFactor = 0.14503774;
constexpr double kSiRuptureFactor = 51.71067953109741;
constexpr double kSiModulusFactor = 393001.16443634033;
constexpr double kSiDimensionsRuptureFactor = 51.71067877581686;

// Prestressing steel: elastic modulus of the strand formulas and of the bars.
constexpr double kStrandFormulaModulus = 28500.0;
constexpr double kPrestressingBarModulus = 29000.0;

// The PCI power formula of a stress-relieved or low-relaxation strand: linear
// up to `limit`, then fpu - k / (eps - offset), never beyond fpu. Compression
// mirrors tension. `closedLower`: the linear range includes -limit.
double pciStrand(double epsT, double fpu, double limit, double offset, double k, bool closedLower) {
  const bool linear = closedLower ? std::abs(epsT) <= limit : (-limit < epsT && epsT <= limit);
  if (linear) return kStrandFormulaModulus * epsT;
  if (epsT > limit) return std::min(fpu, fpu - k / (epsT - offset));
  return std::max(-fpu, -(fpu - k / (std::abs(epsT) - offset)));
}

double elasticPlasticBar(double epsT, double fy) {
  if (std::abs(epsT) <= fy / kPrestressingBarModulus) return kPrestressingBarModulus * epsT;
  return epsT > 0.0 ? fy : -fy;
}

}  // namespace

const char* strandTypeText(int steelModel) {
  switch (steelModel) {
    case kSteelModelPci250:
      return "PCI 250";
    case kSteelModelPci270:
      return "PCI 270";
    case kSteelModelPci300:
      return "PCI 300";
    case kSteelModelSmooth145:
      return "Smooth 145 ksi bars";
    case kSteelModelSmooth160:
      return "Smooth 160 ksi bars";
    case kSteelModelDeformedBars:
      return "Deformed bars (150-160 ksi)";
    default:
      return "";
  }
}

ConcreteProperties concreteModelProperties(double fc, int concreteModel, bool prestressed,
                                           bool si) {
  ConcreteProperties p;
  // Without concrete, or without strength to describe, there is nothing to
  // derive (and no division by a zero modulus).
  if (concreteModel != kConcreteModelStandard || !(fc > 0.0)) return p;
  const double fcKsi = si ? fc / kKpaPerKsi : fc;
  const double s = std::sqrt(1000.0 * fcKsi);
  p.Ec = 57.0 * s;
  p.fr = -(prestressed ? kPrestressedRuptureCoefficient : kRuptureCoefficient) * s;
  p.eps0 = kPeakStrainFactor * fcKsi / p.Ec;
  p.epsCr = -(1.0 - std::sqrt(p.fr / fcKsi + 1.0)) * p.eps0;
  p.fc = fcKsi;
  p.descent = kDescentFraction * fcKsi;
  if (si) {
    p.Ec *= kKpaPerKsi;
    p.fc *= kKpaPerKsi;
    p.fr *= kKpaPerKsi;
    p.descent *= kKpaPerKsi;
  }
  return p;
}

void Compute_Concrete_Properties(MaterialState& m) {
  m.concrete = concreteModelProperties(m.compressiveStrength, m.ConcreteModel,
                                       m.SteelModel != kSteelModelRebar, m.si);
  // SI bar properties pass through ksi like the concrete's.
  m.fy = m.si ? m.barYieldStress / kKpaPerKsi * kKpaPerKsi : m.barYieldStress;
  m.Es = m.si ? m.barModulus / kKpaPerKsi * kKpaPerKsi : m.barModulus;
}

ConcreteProperties concretePropertiesForReport(double fc, bool si) {
  ConcreteProperties p;
  if (!(fc > 0.0)) return p;
  if (si) {
    const double s = std::sqrt(kSiRootFactor * fc);
    p.fr = -kSiRuptureFactor * s;
    p.Ec = kSiModulusFactor * s;
  } else {
    const double s = std::sqrt(1000.0 * fc);
    p.fr = -kRuptureCoefficient * s;
    p.Ec = 57.0 * s;
  }
  p.fc = fc;
  p.eps0 = kPeakStrainFactor * fc / p.Ec;
  p.epsCr = -(1.0 - std::sqrt(p.fr / fc + 1.0)) * p.eps0;
  p.descent = kDescentFraction * fc;
  return p;
}

double modulusOfRuptureForDimensions(double fc, bool si) {
  if (!(fc > 0.0)) return 0.0;
  if (si) return -kSiDimensionsRuptureFactor * std::sqrt(1000.0 * fc / kKpaPerKsi);
  return -kRuptureCoefficient * std::sqrt(1000.0 * fc);
}

double concreteCompressionStress(const ConcreteProperties& c, double eps) {
  if (eps > kCrushingStrain) return kCrushedStress;
  if (!(c.eps0 > 0.0)) return 0.0;
  const double x = eps / c.eps0;
  if (x < 1.0) return c.fc * (2.0 * x - x * x);
  return c.fc - c.descent * (eps - c.eps0) / (kCrushingStrain - c.eps0);
}

double coreConcreteCompressionStress(const ConcreteProperties& c, double eps) {
  if (eps > kCrushingStrain) return kCrushedStress;
  if (!(c.eps0 > 0.0)) return 0.0;
  const double x = eps / c.eps0;
  return c.fc * (2.0 * x - x * x);
}

double concreteTensionStress(const ConcreteProperties& c, double eps, SectionFlags& flags) {
  if (flags.noTension) {
    flags.cracked = true;
    return 0.0;
  }
  if (flags.cracked || !(c.eps0 > 0.0)) return 0.0;
  const double x = std::abs(eps / c.eps0);
  const double stress = -c.fc * (2.0 * x - x * x);
  if (stress < c.fr) {
    flags.cracked = true;
    return 0.0;
  }
  return stress;
}

double elasticPlasticStress(double E, double fy, double eps, bool& yielded) {
  const double stress = E * eps;
  if (stress > fy) {
    yielded = true;
    return fy;
  }
  if (stress < -fy) {
    yielded = true;
    return -fy;
  }
  return stress;
}

double strandStressKsi(int steelModel, double epsT, int barGradeCode) {
  switch (steelModel) {
    case kSteelModelPci250:
      return pciStrand(epsT, 250.0, sp(0.0076f), sp(0.0064f), sp(0.04f), false);
    case kSteelModelPci270:
      return pciStrand(epsT, 270.0, sp(0.0086f), sp(0.007f), sp(0.04f), true);
    case kSteelModelPci300:
      return pciStrand(epsT, 300.0, sp(0.0088846f), sp(0.0071f), sp(0.0835f), false);
    case kSteelModelSmooth145:
      return elasticPlasticBar(epsT, 145.0);
    case kSteelModelSmooth160:
      return elasticPlasticBar(epsT, 160.0);
    case kSteelModelDeformedBars: {
      double fy = 150.0;
      if (barGradeCode == 1) fy = 157.0;
      if (barGradeCode == 3 || barGradeCode == 5) fy = 160.0;
      return elasticPlasticBar(epsT, fy);
    }
    default:
      return 0.0;
  }
}

void concreteStresses(const MaterialState& m, double extremeTensionStrain, const SliceArray& strain,
                      SliceArray& stress, SectionFlags& flags) {
  stress.fill(0.0);
  if (m.ConcreteModel != kConcreteModelStandard) return;
  const ConcreteProperties& c = m.concrete;
  if (extremeTensionStrain < c.epsCr) flags.cracked = true;
  for (int i = 1; i <= kNumSlices; ++i) {
    const auto u = static_cast<std::size_t>(i);
    const double eps = strain[u];
    stress[u] =
        eps > 0.0 ? concreteCompressionStress(c, eps) : concreteTensionStress(c, eps, flags);
  }
}

void coreConcreteStresses(const MaterialState& m, double extremeTensionStrain,
                          const SliceArray& strain, SliceArray& stress, SectionFlags& flags) {
  stress.fill(0.0);
  if (m.CoreConcreteModel != kConcreteModelStandard) return;
  const ConcreteProperties& c = m.concrete;
  if (extremeTensionStrain < c.epsCr) flags.cracked = true;
  for (int i = 1; i <= kNumSlices; ++i) {
    const auto u = static_cast<std::size_t>(i);
    const double eps = strain[u];
    stress[u] =
        eps > 0.0 ? coreConcreteCompressionStress(c, eps) : concreteTensionStress(c, eps, flags);
  }
}

void longitudinalSteelStresses(const MaterialState& m, bool hasBars, const SliceArray& strain,
                               SliceArray& stress, SectionFlags& flags) {
  stress.fill(0.0);
  const double toWorkingUnits = m.si ? kKpaPerKsi : 1.0;
  for (int i = 1; i <= kNumSlices; ++i) {
    const auto u = static_cast<std::size_t>(i);
    const double epsT = strain[u] + m.prestrain;
    if (m.SteelModel == kSteelModelRebar) {
      bool yielded = false;
      stress[u] = elasticPlasticStress(m.Es, m.fy, epsT, yielded);
      if (yielded && hasBars) flags.yield = true;
    } else if (m.SteelModel >= kSteelModelPci250 && m.SteelModel <= kSteelModelDeformedBars) {
      stress[u] = strandStressKsi(m.SteelModel, epsT, m.barGradeCode) * toWorkingUnits;
    }
  }
}

void casingStresses(const MaterialState& m, const SliceArray& strain, SliceArray& stress,
                    SectionFlags& flags) {
  for (int i = 1; i <= kNumSlices; ++i) {
    const auto u = static_cast<std::size_t>(i);
    bool yielded = false;
    stress[u] = elasticPlasticStress(m.casingModulus, m.casingYieldStress, strain[u], yielded);
    if (yielded) flags.yield = true;
  }
}

void coreSteelStresses(const MaterialState& m, int first, int last, const SliceArray& strain,
                       SliceArray& stress, SectionFlags& flags) {
  first = std::max(first, 1);
  last = std::min(last, kNumSlices);
  for (int i = first; i <= last; ++i) {
    const auto u = static_cast<std::size_t>(i);
    bool yielded = false;
    stress[u] = elasticPlasticStress(m.coreModulus, m.coreYieldStress, strain[u], yielded);
    if (yielded) flags.yield = true;
  }
}

}  // namespace quarn::section
