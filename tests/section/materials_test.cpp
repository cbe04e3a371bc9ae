// Material laws against stresses computed by hand from Hognestad's concrete
// parabola, the PCI strand formulas and elastic-perfectly plastic steel.
#include "section/materials.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/single_precision.h"

namespace quarn::section {
namespace {

constexpr double kKpaPerKsi = 6894.757;

// f'c = 4 ksi: Ec = 57 sqrt(4000) = 3605.0 ksi, fr = -0.0075 sqrt(4000) =
// -0.4743 ksi, eps0 = 1.7 x 4 / 3605 = 0.0018863, epsCr where
// 1 - (1 - x)^2 = 0.4743 / 4, x = 1 - sqrt(0.88141) = 0.061163: -0.00011537.
TEST(ConcreteProperties, FourKsiConcreteByHand) {
  const ConcreteProperties c = concreteModelProperties(4.0, kConcreteModelStandard, false, false);
  EXPECT_NEAR(c.Ec, 3605.0, 0.05);
  EXPECT_NEAR(c.fr, -0.47434, 1e-5);
  EXPECT_NEAR(c.eps0, 0.0018863, 1e-7);
  EXPECT_NEAR(c.epsCr, -0.00011537, 1e-8);
  EXPECT_NEAR(c.descent, 0.6, 1e-15);
  EXPECT_EQ(c.fc, 4.0);

  const ConcreteProperties report = concretePropertiesForReport(4.0, false);
  EXPECT_EQ(report.Ec, c.Ec);
  EXPECT_EQ(report.fr, c.fr);
  EXPECT_EQ(report.eps0, c.eps0);
  EXPECT_EQ(report.epsCr, c.epsCr);
  EXPECT_EQ(modulusOfRuptureForDimensions(4.0, false), c.fr);
}

TEST(ConcreteProperties, PrestressedConcreteHasTheLowerModulusOfRupture) {
  const ConcreteProperties c = concreteModelProperties(6.0, kConcreteModelStandard, true, false);
  EXPECT_NEAR(c.fr, -0.004 * std::sqrt(6000.0), 1e-7);
  EXPECT_NEAR(c.Ec, 57.0 * std::sqrt(6000.0), 1e-9);
}

TEST(ConcreteProperties, SiConcreteIsTheKsiConcreteInKilopascals) {
  const double fc = 4.0 * kKpaPerKsi;  // 27579 kPa
  const ConcreteProperties si = concreteModelProperties(fc, kConcreteModelStandard, false, true);
  EXPECT_NEAR(si.Ec / kKpaPerKsi, 3605.0, 0.05);
  EXPECT_NEAR(si.fr / kKpaPerKsi, -0.47434, 1e-5);
  EXPECT_NEAR(si.fc, fc, 1e-9);
  EXPECT_NEAR(si.eps0, 0.0018863, 1e-7);
  EXPECT_NEAR(si.descent, 0.15 * fc, 1e-9);

  const ConcreteProperties report = concretePropertiesForReport(fc, true);
  EXPECT_NEAR(report.Ec / kKpaPerKsi, 3605.0, 0.05);
  EXPECT_NEAR(report.fr / kKpaPerKsi, -0.47434, 1e-5);
  EXPECT_NEAR(report.eps0, 0.0018863, 1e-7);
  EXPECT_NEAR(modulusOfRuptureForDimensions(fc, true) / kKpaPerKsi, -0.47434, 1e-5);
}

TEST(ConcreteProperties, NoConcreteOrNoStrengthGivesNothing) {
  for (const ConcreteProperties& c :
       {concreteModelProperties(4.0, kConcreteModelNone, false, false),
        concreteModelProperties(0.0, kConcreteModelStandard, false, false)}) {
    EXPECT_EQ(c.Ec, 0.0);
    EXPECT_EQ(c.eps0, 0.0);
    EXPECT_EQ(concreteCompressionStress(c, 0.001), 0.0);
  }
}

ConcreteProperties simpleConcrete() {  // f'c = 4, eps0 = 0.002, fr = -0.4
  ConcreteProperties c;
  c.fc = 4.0;
  c.eps0 = 0.002;
  c.fr = -0.4;
  c.descent = 0.6;
  return c;
}

TEST(ConcreteStress, HognestadCurveInCompression) {
  const ConcreteProperties c = simpleConcrete();
  struct Case {
    double eps, section, core;
  };
  const Case cases[] = {
      {0.0005, 4.0 * (0.5 - 0.0625), 4.0 * (0.5 - 0.0625)},  // x = 0.25
      {0.001, 3.0, 3.0},                                     // x = 0.5
      {0.002, 4.0, 4.0},                                     // the peak
      {0.0029, 4.0 - 0.6 * 0.5, 4.0 * (2.9 - 1.45 * 1.45)},  // halfway down the descent
      {0.0038, 3.4, 4.0 * (3.8 - 1.9 * 1.9)},                // 0.85 f'c; the core's parabola
      {0.0039, sp(0.001f), sp(0.001f)},                      // crushed
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.eps);
    EXPECT_NEAR(concreteCompressionStress(c, k.eps), k.section, 1e-12);
    EXPECT_NEAR(coreConcreteCompressionStress(c, k.eps), k.core, 1e-12);
  }
}

TEST(ConcreteStress, TensionUntilTheModulusOfRuptureThenNone) {
  const ConcreteProperties c = simpleConcrete();
  // x = 0.025: -4 (0.05 - 0.000625) = -0.1975, above fr.
  EXPECT_NEAR(concreteTensionStress(c, -0.00005, false), -0.1975, 1e-12);
  // x = 0.1: -4 (0.2 - 0.01) = -0.76 is beyond fr: a trial state of the
  // search holds fr; x = 1.5, past the peak of the parabola, the same.
  EXPECT_EQ(concreteTensionStress(c, -0.0002, false), -0.4);
  EXPECT_EQ(concreteTensionStress(c, -0.003, false), -0.4);
  // Once the section has cracked, no tension at any strain.
  EXPECT_EQ(concreteTensionStress(c, -0.00005, true), 0.0);
  EXPECT_EQ(concreteTensionStress(c, -0.0002, true), 0.0);
}

TEST(ConcreteStress, TheExtremeFibreDecidesTheCrackingOfTheWholeSection) {
  MaterialState m;
  m.concrete = simpleConcrete();
  m.concrete.epsCr = -0.0001;
  EXPECT_FALSE(concreteCracks(m.concrete, -0.00005));
  EXPECT_FALSE(concreteCracks(m.concrete, -0.0001));  // at the strain at fracture
  EXPECT_TRUE(concreteCracks(m.concrete, -0.0002));
  SliceArray strain{}, stress{};
  strain.fill(-0.00005);  // every slice in mild tension
  concreteStresses(m, false, strain, stress);
  EXPECT_NEAR(stress[1], -0.1975, 1e-12);
  EXPECT_NEAR(stress[100], -0.1975, 1e-12);
  concreteStresses(m, true, strain, stress);  // cracked: the whole section loses its tension
  EXPECT_EQ(stress[1], 0.0);
  EXPECT_EQ(stress[100], 0.0);
}

// The slice strains of a prestressed section count from its prestressed
// state: the concrete is at the slice strain plus the precompression.
TEST(ConcreteStress, ThePrecompressionIsPartOfTheConcreteStrain) {
  MaterialState m;
  m.concrete = simpleConcrete();
  m.precompression = 0.0005;
  SliceArray strain{}, stress{};
  strain[1] = 0.0005;    // 0.001 in all, x = 0.5: 4 (1 - 0.25) = 3.0
  strain[2] = 0.0;       // 0.0005, x = 0.25: 4 (0.5 - 0.0625) = 1.75
  strain[3] = -0.00055;  // -0.00005 in all: -0.1975
  concreteStresses(m, false, strain, stress);
  EXPECT_NEAR(stress[1], 3.0, 1e-12);
  EXPECT_NEAR(stress[2], 1.75, 1e-12);
  EXPECT_NEAR(stress[3], -0.1975, 1e-12);
  coreConcreteStresses(m, false, strain, stress);  // no core concrete model: nothing
  EXPECT_EQ(stress[1], 0.0);
  m.CoreConcreteModel = kConcreteModelStandard;
  coreConcreteStresses(m, false, strain, stress);
  EXPECT_NEAR(stress[1], 3.0, 1e-12);
}

// A curve of 0, 3000, 4000 and 3000 psi at strains 0, 0.001, 0.002 and
// 0.004 (held in ksi): linear between the points, crushed beyond the last.
TEST(ConcreteStress, AnInputCurveIsTheLawInCompression) {
  ConcreteCurve curve;
  curve.count = 4;
  const double strains[] = {0.0, 0.001, 0.002, 0.004};
  const double stresses[] = {0.0, 3.0, 4.0, 3.0};
  for (int j = 1; j <= 4; ++j) {
    curve.strain[static_cast<std::size_t>(j)] = strains[j - 1];
    curve.stress[static_cast<std::size_t>(j)] = stresses[j - 1];
  }
  const struct {
    double eps, stress;
  } cases[] = {
      {0.0005, 1.5},         // halfway up the first segment
      {0.001, 3.0},          // on a point
      {0.0015, 3.5},         // 3 + 1 x 0.5
      {0.003, 3.5},          // 4 - 1 x 0.5 on the descent
      {0.004, 3.0},          // the last point
      {0.0041, sp(0.001f)},  // beyond: crushed, as the built-in law beyond 0.0038
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.eps);
    EXPECT_NEAR(userCurveCompressionStress(curve, c.eps), c.stress, 1e-12);
  }
  // A curve that starts beyond the origin rises linearly from it.
  ConcreteCurve late;
  late.count = 2;
  late.strain[1] = 0.001;
  late.stress[1] = 2.0;
  late.strain[2] = 0.003;
  late.stress[2] = 4.0;
  EXPECT_NEAR(userCurveCompressionStress(late, 0.0005), 1.0, 1e-12);

  // In the slice law the curve replaces the built-in one in compression
  // only; tension keeps the parabola of f'c.
  MaterialState m;
  m.concrete = simpleConcrete();
  m.userCurve = curve;
  SliceArray strain{}, stress{};
  strain[1] = 0.0015;
  strain[2] = -0.00005;
  concreteStresses(m, false, strain, stress);
  EXPECT_NEAR(stress[1], 3.5, 1e-12);  // the built-in parabola would give 3.75
  EXPECT_NEAR(stress[2], -0.1975, 1e-12);
}

// An entered tensile strength replaces fr; the tensile strain at fracture
// moves to where the tension parabola of f'c = 4 ksi (eps0 = 0.0018863)
// reaches it: 1 - (1 - x)^2 = 0.3 / 4, x = 1 - sqrt(0.925) = 0.0382307,
// eps = -0.0000721136 (eps0 with the single-precision 1.7).
TEST(ConcreteProperties, AnEnteredTensileStrengthReplacesTheModulusOfRupture) {
  ConcreteProperties c = concreteModelProperties(4.0, kConcreteModelStandard, false, false);
  applyTensileStrength(c, 0.3);
  EXPECT_EQ(c.fr, -0.3);
  EXPECT_NEAR(c.epsCr, -(1.0 - std::sqrt(0.925)) * sp(1.7f) * 4.0 / (57.0 * std::sqrt(4000.0)),
              1e-17);
  EXPECT_NEAR(c.epsCr, -0.0000721136, 1e-10);
  // The state's properties take it from the input; a negative entry counts
  // by its magnitude.
  MaterialState m;
  m.compressiveStrength = 4.0;
  m.tensileStrengthEntered = true;
  m.enteredTensileStrength = 0.3;
  Compute_Concrete_Properties(m);
  EXPECT_EQ(m.concrete.fr, -0.3);
  EXPECT_EQ(m.concrete.epsCr, c.epsCr);
  applyTensileStrength(c, -0.3);
  EXPECT_EQ(c.fr, -0.3);
  // No tensile strength: the concrete cracks at the first tension.
  applyTensileStrength(c, 0.0);
  EXPECT_EQ(c.epsCr, 0.0);
  EXPECT_TRUE(concreteCracks(c, -1.0e-9));
  // More than the peak of the parabola is never reached: f'c and eps0.
  applyTensileStrength(c, 5.0);
  EXPECT_EQ(c.fr, -4.0);
  EXPECT_NEAR(c.epsCr, -c.eps0, 1e-18);
  // In SI the same in kPa.
  ConcreteProperties si =
      concreteModelProperties(4.0 * kKpaPerKsi, kConcreteModelStandard, false, true);
  applyTensileStrength(si, 0.3 * kKpaPerKsi);
  EXPECT_NEAR(si.epsCr, -0.0000721136, 1e-10);
}

TEST(StrandStress, PciFormulasAndPrestressingBars) {
  struct Case {
    const char* name;
    int model;
    double eps;
    double expected;  // ksi
    double tol;
  };
  const Case cases[] = {
      {"PCI 270 at the end of the line", kSteelModelPci270, 0.0086, 245.1, 1e-4},
      {"PCI 270 just above", kSteelModelPci270, 0.0086001, 245.0, 0.01},
      {"PCI 270 at 0.01", kSteelModelPci270, 0.01, 270.0 - 0.04 / 0.003, 1e-4},
      {"PCI 270 in compression", kSteelModelPci270, -0.01, -(270.0 - 0.04 / 0.003), 1e-4},
      {"PCI 270 far out", kSteelModelPci270, 1.0, 270.0 - 0.04 / 0.993, 1e-4},
      {"PCI 250 at 0.01", kSteelModelPci250, 0.01, 238.89, 0.005},
      {"PCI 250 elastic", kSteelModelPci250, 0.005, 142.5, 1e-12},
      {"PCI 250 in compression", kSteelModelPci250, -0.01, -238.89, 0.005},
      {"PCI 300 at 0.01", kSteelModelPci300, 0.01, 300.0 - 0.0835 / 0.0029, 1e-3},
      {"PCI 300 elastic", kSteelModelPci300, -0.008, -228.0, 1e-12},
      {"smooth 145 elastic", kSteelModelSmooth145, 0.004, 116.0, 1e-12},
      {"smooth 145 at yield", kSteelModelSmooth145, 0.006, 145.0, 0.0},
      {"smooth 145 in compression", kSteelModelSmooth145, -0.006, -145.0, 0.0},
      {"smooth 160 at its yield strain", kSteelModelSmooth160, 160.0 / 29000.0, 160.0, 1e-12},
      {"smooth 160 beyond", kSteelModelSmooth160, 0.01, 160.0, 0.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_NEAR(strandStressKsi(c.model, c.eps, 0), c.expected, c.tol);
  }
}

TEST(StrandStress, DeformedBarsYieldByTheirGrade) {
  struct Case {
    int grade;
    double fy;
  };
  const Case cases[] = {{1, 157.0}, {2, 150.0}, {3, 160.0}, {4, 150.0}, {5, 160.0}, {6, 150.0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.grade);
    EXPECT_NEAR(strandStressKsi(kSteelModelDeformedBars, 0.003, c.grade), 87.0, 1e-12);
    EXPECT_EQ(strandStressKsi(kSteelModelDeformedBars, 0.01, c.grade), c.fy);
    EXPECT_EQ(strandStressKsi(kSteelModelDeformedBars, -0.01, c.grade), -c.fy);
  }
}

TEST(SteelStress, BarsAreElasticPerfectlyPlastic) {
  MaterialState m;
  m.SteelModel = kSteelModelRebar;
  m.Es = 29000.0;
  m.fy = 60.0;
  SliceArray strain{}, stress{};
  strain[1] = 0.001;  // 29 ksi
  strain[2] = 0.003;  // beyond yield
  strain[3] = -0.003;
  longitudinalSteelStresses(m, strain, stress);
  EXPECT_NEAR(stress[1], 29.0, 1e-12);
  EXPECT_EQ(stress[2], 60.0);
  EXPECT_EQ(stress[3], -60.0);

  m.prestrain = -0.002;  // a tensile prestrain moves every slice
  longitudinalSteelStresses(m, strain, stress);
  EXPECT_NEAR(stress[1], -29.0, 1e-12);
  EXPECT_NEAR(stress[2], 29.0, 1e-12);
}

// A bar or strand yields where its law leaves the straight line: bars at
// fy / Es, PCI strands at the end of the line of their curve, prestressing
// bars at fy / 29000.
TEST(SteelStress, YieldOfBarsAndStrandsAtTheEndOfTheirStraightLine) {
  struct Case {
    const char* name;
    int model;
    int grade;
    double epsT;
    bool yields;
  };
  const Case cases[] = {
      {"bar below fy / Es = 0.0020690", kSteelModelRebar, 0, 0.00206, false},
      {"bar beyond it", kSteelModelRebar, 0, 0.00207, true},
      {"bar in compression beyond it", kSteelModelRebar, 0, -0.00207, true},
      {"PCI 250 at 0.0076", kSteelModelPci250, 0, sp(0.0076f), false},
      {"PCI 250 above 0.0076", kSteelModelPci250, 0, 0.00761, true},
      {"PCI 250 at -0.0076", kSteelModelPci250, 0, -sp(0.0076f), true},
      {"PCI 270 at 0.0086", kSteelModelPci270, 0, sp(0.0086f), false},
      {"PCI 270 at -0.0086", kSteelModelPci270, 0, -sp(0.0086f), false},
      {"PCI 270 above 0.0086", kSteelModelPci270, 0, 0.00861, true},
      {"PCI 300 at 0.0088", kSteelModelPci300, 0, 0.0088, false},
      {"PCI 300 at 0.009", kSteelModelPci300, 0, 0.009, true},
      {"smooth 145 at 0.0049", kSteelModelSmooth145, 0, 0.0049, false},
      {"smooth 145 at 0.0051", kSteelModelSmooth145, 0, 0.0051, true},
      {"smooth 160 at 0.0055", kSteelModelSmooth160, 0, 0.0055, false},
      {"smooth 160 at 0.0056", kSteelModelSmooth160, 0, 0.0056, true},
      {"deformed bar of 157 ksi at 0.0054", kSteelModelDeformedBars, 1, 0.0054, false},
      {"deformed bar of 157 ksi at 0.0055", kSteelModelDeformedBars, 1, 0.0055, true},
      {"deformed bar of 150 ksi at 0.0052", kSteelModelDeformedBars, 2, 0.0052, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MaterialState m;
    m.SteelModel = c.model;
    m.Es = 29000.0;
    m.fy = 60.0;
    m.barGradeCode = c.grade;
    EXPECT_EQ(longitudinalSteelYields(m, c.epsT), c.yields);
  }
  MaterialState none;
  none.SteelModel = kSteelModelNone;
  EXPECT_FALSE(longitudinalSteelYields(none, 1.0));
}

TEST(SteelStress, StrandsInSiAreTheKsiLawInKilopascals) {
  MaterialState m;
  m.si = true;
  m.SteelModel = kSteelModelPci270;
  SliceArray strain{}, stress{};
  strain[1] = 0.005;
  longitudinalSteelStresses(m, strain, stress);
  EXPECT_NEAR(stress[1] / (142.5 * kKpaPerKsi), 1.0, 1e-6);
}

TEST(SteelStress, CasingEverywhereAndCoreSteelOnlyOverItsSlices) {
  MaterialState m;
  m.casingModulus = 29000.0;
  m.casingYieldStress = 36.0;
  m.coreModulus = 30000.0;
  m.coreYieldStress = 50.0;
  SliceArray strain{}, casing{}, core{};
  for (int i = 1; i <= kNumSlices; ++i) strain[i] = 0.0001 * (50 - i);
  casingStresses(m, strain, casing);
  EXPECT_NEAR(casing[40], 29.0, 1e-9);
  EXPECT_EQ(casing[1], 36.0);  // 0.0049 x 29000 beyond yield
  EXPECT_EQ(casing[100], -36.0);
  EXPECT_TRUE(elasticPlasticYields(m.casingModulus, m.casingYieldStress, strain[1]));
  EXPECT_FALSE(elasticPlasticYields(m.casingModulus, m.casingYieldStress, strain[40]));

  coreSteelStresses(m, 45, 55, strain, core);
  EXPECT_NEAR(core[45], 15.0, 1e-9);
  EXPECT_NEAR(core[55], -15.0, 1e-9);
  EXPECT_EQ(core[44], 0.0);
  EXPECT_EQ(core[56], 0.0);
}

}  // namespace
}  // namespace quarn::section
