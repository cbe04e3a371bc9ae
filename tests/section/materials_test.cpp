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
  SectionFlags flags;
  // x = 0.025: -4 (0.05 - 0.000625) = -0.1975, above fr.
  EXPECT_NEAR(concreteTensionStress(c, -0.00005, flags), -0.1975, 1e-12);
  EXPECT_FALSE(flags.cracked);
  // x = 0.1: -4 (0.2 - 0.01) = -0.76, beyond fr: cracks.
  EXPECT_EQ(concreteTensionStress(c, -0.0002, flags), 0.0);
  EXPECT_TRUE(flags.cracked);
  // Once cracked, no tension at any strain.
  EXPECT_EQ(concreteTensionStress(c, -0.00005, flags), 0.0);

  SectionFlags noTension;
  noTension.noTension = true;
  EXPECT_EQ(concreteTensionStress(c, -0.00001, noTension), 0.0);
  EXPECT_TRUE(noTension.cracked);
}

TEST(ConcreteStress, TheExtremeFibreCheckCracksTheWholeSection) {
  MaterialState m;
  m.concrete = simpleConcrete();
  m.concrete.epsCr = -0.0001;
  SliceArray strain{}, stress{};
  strain.fill(-0.00005);  // every slice in mild tension
  SectionFlags flags;
  concreteStresses(m, -0.00005, strain, stress, flags);
  EXPECT_FALSE(flags.cracked);
  EXPECT_NEAR(stress[100], -0.1975, 1e-12);
  concreteStresses(m, -0.0002, strain, stress, flags);  // the extreme fibre beyond epsCr
  EXPECT_TRUE(flags.cracked);
  EXPECT_EQ(stress[1], 0.0);
  EXPECT_EQ(stress[100], 0.0);
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

TEST(SteelStress, BarsYieldAndRaiseTheFlagOnlyWhenTheSectionHasBars) {
  MaterialState m;
  m.SteelModel = kSteelModelRebar;
  m.Es = 29000.0;
  m.fy = 60.0;
  SliceArray strain{}, stress{};
  strain[1] = 0.001;  // 29 ksi
  strain[2] = 0.003;  // beyond yield
  strain[3] = -0.003;
  SectionFlags flags;
  longitudinalSteelStresses(m, true, strain, stress, flags);
  EXPECT_NEAR(stress[1], 29.0, 1e-12);
  EXPECT_EQ(stress[2], 60.0);
  EXPECT_EQ(stress[3], -60.0);
  EXPECT_TRUE(flags.yield);

  SectionFlags noBars;
  longitudinalSteelStresses(m, false, strain, stress, noBars);
  EXPECT_FALSE(noBars.yield);

  m.prestrain = -0.002;  // a tensile prestrain moves every slice
  longitudinalSteelStresses(m, true, strain, stress, flags);
  EXPECT_NEAR(stress[1], -29.0, 1e-12);
  EXPECT_NEAR(stress[2], 29.0, 1e-12);
}

TEST(SteelStress, StrandsInSiAreTheKsiLawInKilopascals) {
  MaterialState m;
  m.si = true;
  m.SteelModel = kSteelModelPci270;
  SliceArray strain{}, stress{};
  strain[1] = 0.005;
  SectionFlags flags;
  longitudinalSteelStresses(m, true, strain, stress, flags);
  EXPECT_NEAR(stress[1] / (142.5 * kKpaPerKsi), 1.0, 1e-6);
  EXPECT_FALSE(flags.yield);  // strand laws never raise it
}

TEST(SteelStress, CasingEverywhereAndCoreSteelOnlyOverItsSlices) {
  MaterialState m;
  m.casingModulus = 29000.0;
  m.casingYieldStress = 36.0;
  m.coreModulus = 30000.0;
  m.coreYieldStress = 50.0;
  SliceArray strain{}, casing{}, core{};
  for (int i = 1; i <= kNumSlices; ++i) strain[i] = 0.0001 * (50 - i);
  SectionFlags flags;
  casingStresses(m, strain, casing, flags);
  EXPECT_NEAR(casing[40], 29.0, 1e-9);
  EXPECT_EQ(casing[1], 36.0);  // 0.0049 x 29000 beyond yield
  EXPECT_EQ(casing[100], -36.0);
  EXPECT_TRUE(flags.yield);

  SectionFlags coreFlags;
  coreSteelStresses(m, 45, 55, strain, core, coreFlags);
  EXPECT_NEAR(core[45], 15.0, 1e-9);
  EXPECT_NEAR(core[55], -15.0, 1e-9);
  EXPECT_EQ(core[44], 0.0);
  EXPECT_EQ(core[56], 0.0);
  EXPECT_FALSE(coreFlags.yield);
}

}  // namespace
}  // namespace quarn::section
