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
struct PciCurve {
  double fpu;
  double limit;
  double offset;
  double k;
  bool closedLower;
};

constexpr PciCurve kPci250{250.0, sp(0.0076f), sp(0.0064f), sp(0.04f), false};
constexpr PciCurve kPci270{270.0, sp(0.0086f), sp(0.007f), sp(0.04f), true};
constexpr PciCurve kPci300{300.0, sp(0.0088846f), sp(0.0071f), sp(0.0835f), false};

bool onStraightLine(const PciCurve& p, double epsT) {
  return p.closedLower ? std::abs(epsT) <= p.limit : (-p.limit < epsT && epsT <= p.limit);
}

double pciStrand(double epsT, const PciCurve& p) {
  if (onStraightLine(p, epsT)) return kStrandFormulaModulus * epsT;
  if (epsT > p.limit) return std::min(p.fpu, p.fpu - p.k / (epsT - p.offset));
  return std::max(-p.fpu, -(p.fpu - p.k / (std::abs(epsT) - p.offset)));
}

double elasticPlasticBar(double epsT, double fy) {
  if (std::abs(epsT) <= fy / kPrestressingBarModulus) return kPrestressingBarModulus * epsT;
  return epsT > 0.0 ? fy : -fy;
}

double deformedBarYield(int barGradeCode) {
  if (barGradeCode == 1) return 157.0;
  if (barGradeCode == 3 || barGradeCode == 5) return 160.0;
  return 150.0;
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

void applyTensileStrength(ConcreteProperties& p, double tensileStrength) {
  if (!(p.fc > 0.0)) return;
  // The tension parabola peaks at f'c; a larger strength is never reached.
  const double strength = std::min(std::abs(tensileStrength), p.fc);
  p.fr = -strength;
  p.epsCr = -(1.0 - std::sqrt(p.fr / p.fc + 1.0)) * p.eps0;
}

void Compute_Concrete_Properties(MaterialState& m) {
  m.concrete = concreteModelProperties(m.compressiveStrength, m.ConcreteModel,
                                       m.SteelModel != kSteelModelRebar, m.si);
  if (m.tensileStrengthEntered) applyTensileStrength(m.concrete, m.enteredTensileStrength);
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

double userCurveCompressionStress(const ConcreteCurve& curve, double eps) {
  const int n = std::min(curve.count, kMaxConcreteCurvePoints);
  if (n < 1) return 0.0;
  double strainBefore = 0.0;
  double stressBefore = 0.0;
  for (int j = 1; j <= n; ++j) {
    const auto u = static_cast<std::size_t>(j);
    const double strain = curve.strain[u];
    if (eps <= strain) {
      const double span = strain - strainBefore;
      if (!(span > 0.0)) return curve.stress[u];
      return stressBefore + (curve.stress[u] - stressBefore) * (eps - strainBefore) / span;
    }
    strainBefore = strain;
    stressBefore = curve.stress[u];
  }
  return kCrushedStress;  // beyond the end of the curve the concrete is crushed
}

double coreConcreteCompressionStress(const ConcreteProperties& c, double eps) {
  if (eps > kCrushingStrain) return kCrushedStress;
  if (!(c.eps0 > 0.0)) return 0.0;
  const double x = eps / c.eps0;
  return c.fc * (2.0 * x - x * x);
}

double concreteTensionStress(const ConcreteProperties& c, double eps, bool cracked) {
  if (cracked || !(c.eps0 > 0.0)) return 0.0;
  // The parabola falls to -f'c at eps0, passing fr on its way.
  const double x = std::abs(eps / c.eps0);
  if (x >= 1.0) return c.fr;
  return std::max(c.fr, -c.fc * (2.0 * x - x * x));
}

bool concreteCracks(const ConcreteProperties& c, double extremeTensionStrain) {
  return c.eps0 > 0.0 && extremeTensionStrain < c.epsCr;
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

bool elasticPlasticYields(double E, double fy, double eps) {
  return std::abs(E * eps) > fy;
}

double strandStressKsi(int steelModel, double epsT, int barGradeCode) {
  switch (steelModel) {
    case kSteelModelPci250:
      return pciStrand(epsT, kPci250);
    case kSteelModelPci270:
      return pciStrand(epsT, kPci270);
    case kSteelModelPci300:
      return pciStrand(epsT, kPci300);
    case kSteelModelSmooth145:
      return elasticPlasticBar(epsT, 145.0);
    case kSteelModelSmooth160:
      return elasticPlasticBar(epsT, 160.0);
    case kSteelModelDeformedBars:
      return elasticPlasticBar(epsT, deformedBarYield(barGradeCode));
    default:
      return 0.0;
  }
}

bool longitudinalSteelYields(const MaterialState& m, double epsT) {
  const auto beyond = [epsT](double fy) { return std::abs(epsT) > fy / kPrestressingBarModulus; };
  switch (m.SteelModel) {
    case kSteelModelRebar:
      return elasticPlasticYields(m.Es, m.fy, epsT);
    case kSteelModelPci250:
      return !onStraightLine(kPci250, epsT);
    case kSteelModelPci270:
      return !onStraightLine(kPci270, epsT);
    case kSteelModelPci300:
      return !onStraightLine(kPci300, epsT);
    case kSteelModelSmooth145:
      return beyond(145.0);
    case kSteelModelSmooth160:
      return beyond(160.0);
    case kSteelModelDeformedBars:
      return beyond(deformedBarYield(m.barGradeCode));
    default:
      return false;
  }
}

void concreteStresses(const MaterialState& m, bool cracked, const SliceArray& strain,
                      SliceArray& stress) {
  stress.fill(0.0);
  if (m.ConcreteModel != kConcreteModelStandard) return;
  const ConcreteProperties& c = m.concrete;
  const bool inputCurve = m.userCurve.count > 0;
  for (int i = 1; i <= kNumSlices; ++i) {
    const auto u = static_cast<std::size_t>(i);
    const double eps = strain[u] + m.precompression;
    if (eps > 0.0) {
      stress[u] = inputCurve ? userCurveCompressionStress(m.userCurve, eps)
                             : concreteCompressionStress(c, eps);
    } else {
      stress[u] = concreteTensionStress(c, eps, cracked);
    }
  }
}

void coreConcreteStresses(const MaterialState& m, bool cracked, const SliceArray& strain,
                          SliceArray& stress) {
  stress.fill(0.0);
  if (m.CoreConcreteModel != kConcreteModelStandard) return;
  const ConcreteProperties& c = m.concrete;
  for (int i = 1; i <= kNumSlices; ++i) {
    const auto u = static_cast<std::size_t>(i);
    const double eps = strain[u] + m.precompression;
    stress[u] =
        eps > 0.0 ? coreConcreteCompressionStress(c, eps) : concreteTensionStress(c, eps, cracked);
  }
}

void longitudinalSteelStresses(const MaterialState& m, const SliceArray& strain,
                               SliceArray& stress) {
  stress.fill(0.0);
  const double toWorkingUnits = m.si ? kKpaPerKsi : 1.0;
  for (int i = 1; i <= kNumSlices; ++i) {
    const auto u = static_cast<std::size_t>(i);
    const double epsT = strain[u] + m.prestrain;
    if (m.SteelModel == kSteelModelRebar) {
      bool yielded = false;
      stress[u] = elasticPlasticStress(m.Es, m.fy, epsT, yielded);
    } else if (m.SteelModel >= kSteelModelPci250 && m.SteelModel <= kSteelModelDeformedBars) {
      stress[u] = strandStressKsi(m.SteelModel, epsT, m.barGradeCode) * toWorkingUnits;
    }
  }
}

void casingStresses(const MaterialState& m, const SliceArray& strain, SliceArray& stress) {
  for (int i = 1; i <= kNumSlices; ++i) {
    const auto u = static_cast<std::size_t>(i);
    bool yielded = false;
    stress[u] = elasticPlasticStress(m.casingModulus, m.casingYieldStress, strain[u], yielded);
  }
}

void coreSteelStresses(const MaterialState& m, int first, int last, const SliceArray& strain,
                       SliceArray& stress) {
  first = std::max(first, 1);
  last = std::min(last, kNumSlices);
  for (int i = first; i <= last; ++i) {
    const auto u = static_cast<std::size_t>(i);
    bool yielded = false;
    stress[u] = elasticPlasticStress(m.coreModulus, m.coreYieldStress, strain[u], yielded);
  }
}

}  // namespace quarn::section
