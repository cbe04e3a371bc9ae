// Moment-curvature curves against values worked by hand for the points where
// a fibre model of the same material laws disagreed with the analysis: the
// cracking moment of a drilled shaft (gross transformed section and modulus
// of rupture), the first yielding bar, the zero-curvature moment and the
// first stiffness of a symmetric prestressed pile, the nominal moment of a
// curve that never reaches a concrete strain of 0.003, the ten columns of a
// cased shaft with a core, and the concrete laws the input gives (a curve
// in compression, a tensile strength).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "engine/single_precision.h"
#include "mc_fixture.h"
#include "section/resultants.h"
#include "section/section_report.h"

namespace quarn::section {
namespace {

using namespace mctesting;

// The uncased section of the bundled cased-shaft example: a 36 in shaft of
// 4000 psi concrete, twelve 1.0 in2 bars (1.128 in) on a circle with 3 in
// cover: bar circle radius R = (36 - 1.128)/2 - 3 = 14.436 in.
PileSection& exampleShaft(AnalysisModel& model, double fc = 4000.0) {
  PileSection& s = addSection(model, SectionType::DrilledShaft, fc);
  s.diameter = 36.0;
  setCircularBars(s, 60000.0, 29.0e6, 12, 1, 1.128, 1.0, 3.0);
  return s;
}

constexpr double kBarRadius = (36.0 - 1.128) / 2.0 - 3.0;

// The last point before the curve shows "C" (0 when the first one does).
int lastUncrackedPoint(const MomentCurvatureCurve& curve) {
  int k = 0;
  while (k < curve.points && curve.point[static_cast<std::size_t>(k + 1)].message[0] != 'C') ++k;
  return k;
}

// Cracking moment of the gross transformed section under the thrust P:
// the extreme fibre reaches the modulus of rupture,
//   Mcr = (fr + P / At) It / (D / 2),
// with n = Es / Ec, At = Ag + (n - 1) As and It = pi D^4 / 64 + (n - 1) 6 R^2
// A (twelve bars of area A on a circle of radius R: the sum of y^2 is 6 R^2).
// Ec = 57 sqrt(f'c psi) ksi, fr = 0.0075 sqrt(f'c psi) ksi or as entered.
double transformedCrackingMoment(double fcPsi, double fr, double P) {
  const double Ec = 57.0 * std::sqrt(fcPsi);
  const double n = 29000.0 / Ec;
  const double At = kPi / 4.0 * 36.0 * 36.0 + (n - 1.0) * 12.0;
  const double It = kPi / 64.0 * std::pow(36.0, 4) + (n - 1.0) * 6.0 * kBarRadius * kBarRadius;
  return (fr + P / At) * It / 18.0;
}

// At 200 kips: Ec = 3605.0 ksi, fr = 0.4743 ksi, n = 8.044, At = 1102.4 in2,
// It = 91256 in4, Mcr = (0.4743 + 0.1814) x 91256 / 18 = 3325 in-kip. The
// curve's points are 6.25e-7 rad/in apart near cracking (about 7 % of the
// cracking curvature), so its last uncracked point lies up to 7 % below the
// cracking moment. A trial depth of the neutral-axis search that cracked the
// section gave 2319 in-kip.
TEST(CrackingMoment, TheShaftCracksAtTheModulusOfRuptureOfItsTransformedSection) {
  auto ctx = makeSectionContext(kUnitsUsCustomary);
  exampleShaft(ctx->model);
  auto work = preparedSection(*ctx, 1);
  SectionState& s = work->state;
  computeMomentCurvature(*ctx, s, 200.0, 0.0, work->curve);
  const MomentCurvatureCurve& curve = work->curve;
  const int k = lastUncrackedPoint(curve);
  ASSERT_GT(k, 1);
  ASSERT_LT(k, curve.points);
  const double hand = transformedCrackingMoment(4000.0, 0.0075 * std::sqrt(4000.0), 200.0);
  EXPECT_NEAR(hand, 3324.6, 0.1);
  const CurvePoint& uncracked = curve.point[static_cast<std::size_t>(k)];
  EXPECT_LT(uncracked.moment, hand);
  EXPECT_GT(uncracked.moment, 0.93 * hand);

  // The section cracks at the first curvature whose equilibrium strains the
  // extreme fibre past the tensile strain at fracture, -0.00011537: the last
  // uncracked point has not reached it, and the uncracked equilibrium of the
  // next curvature passes it.
  const double epsCr = s.materials.concrete.epsCr;
  EXPECT_NEAR(epsCr, -0.00011537, 1e-8);
  EXPECT_GE(uncracked.maxTensileStrain, epsCr);
  const CurvePoint& cracked = curve.point[static_cast<std::size_t>(k + 1)];
  s.flags = SectionFlags{};
  NeutralAxisSearch search{uncracked.neutralAxis, 0};
  const double c = Find_Neutral_Axis(*ctx, s, 200.0, cracked.curvature, search);
  EXPECT_LT((c - 36.0) * cracked.curvature, epsCr);
  // Once cracked, every later point is.
  for (int j = k + 1; j <= curve.points; ++j) {
    EXPECT_EQ(curve.point[static_cast<std::size_t>(j)].message[0], 'C') << j;
  }
}

// An entered tensile strength of 300 psi cracks the same shaft at
// Mcr = (0.3 + 0.1814) x 91256 / 18 = 2441 in-kip, and the cracking load
// is the transformed area strained to the new tensile strain at fracture
// (f'c = 4 ksi: x = 1 - sqrt(1 - 0.3/4) = 0.0382307, eps = -0.0000721136):
// Pcr = (Es As + Ec (Ag - As)) eps.
TEST(CrackingMoment, AnEnteredTensileStrengthIsTheStrengthOfTheConcrete) {
  auto ctx = makeSectionContext(kUnitsUsCustomary);
  PileSection& input = exampleShaft(ctx->model);
  input.concrete.tensileStrengthEntered = true;
  input.concrete.tensileStrength = 300.0;  // psi
  auto work = preparedSection(*ctx, 1);
  SectionState& s = work->state;
  EXPECT_EQ(s.materials.concrete.fr, -0.3);
  const double epsCr = -0.0000721136;
  EXPECT_NEAR(s.materials.concrete.epsCr, epsCr, 1e-10);
  const double Ec = 57.0 * std::sqrt(4000.0);
  const double Ag = kPi / 4.0 * 36.0 * 36.0;
  EXPECT_NEAR(s.capacities.Pcr / ((29000.0 * 12.0 + Ec * (Ag - 12.0)) * epsCr), 1.0, 1e-5);

  computeMomentCurvature(*ctx, s, 200.0, 0.0, work->curve);
  const MomentCurvatureCurve& curve = work->curve;
  const int k = lastUncrackedPoint(curve);
  ASSERT_GT(k, 1);
  const double hand = transformedCrackingMoment(4000.0, 0.3, 200.0);
  EXPECT_NEAR(hand, 2441.0, 1.0);
  const CurvePoint& uncracked = curve.point[static_cast<std::size_t>(k)];
  EXPECT_LT(uncracked.moment, hand);
  EXPECT_GT(uncracked.moment, 0.90 * hand);
  EXPECT_GE(uncracked.maxTensileStrain, epsCr);
  EXPECT_LT(curve.point[static_cast<std::size_t>(k + 1)].maxTensileStrain, epsCr);
}

// "Y" at a point exactly when a bar yields: bar j of the shaft lies at depth
// 18 - R sin(2 pi j / 12) and is strained by (c - depth) phi; it yields
// beyond fy / Es = 60 / 29000 = 0.0020690. The extreme fibre, where there is
// no bar, passes that strain several points earlier.
TEST(YieldFlag, SetWhenTheFirstBarYields) {
  auto ctx = makeSectionContext(kUnitsUsCustomary);
  exampleShaft(ctx->model);
  auto work = preparedSection(*ctx, 1);
  computeMomentCurvature(*ctx, work->state, 0.0, 0.0, work->curve);
  const MomentCurvatureCurve& curve = work->curve;
  const double epsY = 60.0 / 29000.0;
  const auto barYields = [&](const CurvePoint& p) {
    for (int j = 0; j < 12; ++j) {
      const double depth = 18.0 - kBarRadius * std::sin(2.0 * kPi * j / 12.0);
      if (std::abs((p.neutralAxis - depth) * p.curvature) > epsY * (1.0 + 1e-9)) return true;
    }
    return false;
  };
  int first = 0;
  int fibreOnly = 0;
  for (int k = 1; k <= curve.points; ++k) {
    const CurvePoint& p = curve.point[static_cast<std::size_t>(k)];
    EXPECT_EQ(p.message[2], barYields(p) ? 'Y' : ' ') << k;
    if (first == 0 && p.message[2] == 'Y') first = k;
    if (!barYields(p) && std::abs(p.maxTensileStrain) > epsY) ++fibreOnly;
  }
  ASSERT_GT(first, 1);
  EXPECT_GT(fibreOnly, 0);
  // The first yielding point lies beyond the curvature at which the lowest
  // bar (depth 18 + R = 32.436 in) reaches the yield strain at the neutral
  // axis of that point, and the point before lies below it.
  const CurvePoint& y = curve.point[static_cast<std::size_t>(first)];
  const CurvePoint& before = curve.point[static_cast<std::size_t>(first - 1)];
  EXPECT_GT(y.curvature, epsY / (18.0 + kBarRadius - y.neutralAxis));
  EXPECT_LT(before.curvature, epsY / (18.0 + kBarRadius - before.neutralAxis));
}

// A 24 in round prestressed pile (f'c = 6000 psi, twelve 0.5 in PCI 270
// strands of 0.153 in2 on a circle of radius (24 - 0.5)/2 - 3 = 8.75 in,
// symmetric about the bending axis) jacked to 487.5 kips with 20 % loss:
// Pe = 390 kips.
PileSection& prestressedPile(AnalysisModel& model) {
  PileSection& s = addSection(model, SectionType::CircularPrestressed, 6000.0);
  s.diameter = 24.0;
  StrandData& p = s.prestress;
  p.autoPositioned = true;
  p.strandType = 1;
  p.sizeCode = 3;
  p.numberOfStrands = 12;
  p.jackingForce = 487500.0;
  p.lossFraction = 0.2;
  p.cover = 3.0;
  p.arrangementCode = kStrandsOnCircle;
  p.ultimateStrength = 270000.0;
  p.elasticModulus = 28000.0;
  p.strandDiameter = 0.5;
  p.strandArea = 0.153;
  for (int k = 1; k <= 12; ++k) p.strands[static_cast<std::size_t>(k)] = {3, 0.5, 0.153, 0.0, 0.0};
  return s;
}

// Without curvature the strains are uniform and a section symmetric about
// its bending axis carries no moment, whatever the prestress.
TEST(Prestressing, ASymmetricPileCarriesNoMomentWithoutCurvature) {
  auto ctx = makeSectionContext(kUnitsUsCustomary);
  prestressedPile(ctx->model);
  auto work = preparedSection(*ctx, 1);
  SectionState& s = work->state;
  const PrestressValues v = Calculate_Strains_Due_To_Prestressing(*ctx, s);
  EXPECT_NEAR(v.effectiveForce, 390000.0, 1e-6);
  s.materials.prestrain = v.strandPrestrain;
  for (double c : {0.0, 12.0, 30.0}) {
    SCOPED_TRACE(c);
    Compute_Axial_Thrust_Force(s, c, 0.0);
    const ComponentMoments m = Compute_Section_Moments(s);
    EXPECT_NEAR(m.bars, 0.0, 1e-9);
    EXPECT_NEAR(m.concrete, 0.0, 1e-9);
    EXPECT_NEAR(m.total, 0.0, 1e-9);
  }
}

// The first stiffness of the pile is the tangent stiffness of its
// prestressed state: the concrete at eps_c on the parabola, tangent modulus
// Et = (2 f'c / eps0)(1 - eps_c / eps0), the strands on the 28500 ksi line
// of the PCI curve:
//   EI = Et Ic + 28500 Is,  Is = 0.153 x 6 R^2 (R = 8.75), Ic = pi 24^4 / 64 - Is.
// eps_c is the uniform concrete strain at which the concrete balances the
// strands without axial load: Ac sigma(eps_c) = -28500 Aps (eps_c - eps_ce
// + eps_ps), solved by bisection. The second-order terms of the parabola
// give no moment on a symmetric section.
TEST(Prestressing, TheFirstStiffnessIsThatOfThePrestressedState) {
  auto ctx = makeSectionContext(kUnitsUsCustomary);
  prestressedPile(ctx->model);
  auto work = preparedSection(*ctx, 1);
  SectionState& s = work->state;
  const PrestressValues v = Calculate_Strains_Due_To_Prestressing(*ctx, s);
  computeMomentCurvature(*ctx, s, 0.0, v.strandPrestrain, work->curve);

  const double fc = 6.0;
  const double Ec = 57.0 * std::sqrt(6000.0);
  const double eps0 = sp(1.7f) * fc / Ec;
  const double Aps = 12 * 0.153;
  const double Ac = kPi / 4.0 * 24.0 * 24.0 - Aps;
  const auto sigma = [&](double e) { return fc * (2.0 * e / eps0 - (e / eps0) * (e / eps0)); };
  const auto axial = [&](double e) {
    return Ac * sigma(e) + 28500.0 * Aps * (e - v.precompression + v.strandPrestrain);
  };
  double lo = 0.0, hi = 0.001;
  for (int i = 0; i < 200; ++i) {
    const double mid = 0.5 * (lo + hi);
    (axial(mid) > 0.0 ? hi : lo) = mid;
  }
  const double epsC = 0.5 * (lo + hi);
  const double Et = 2.0 * fc / eps0 * (1.0 - epsC / eps0);
  const double Is = 0.153 * 6.0 * 8.75 * 8.75;
  const double Ic = kPi / 64.0 * std::pow(24.0, 4) - Is;
  const double hand = Et * Ic + 28500.0 * Is;
  EXPECT_NEAR(work->curve.point[1].EI / hand, 1.0, 0.003);
  // The strain of the compression face: the concrete strain of the state
  // plus the curvature's, eps_c + phi (c' - 12) with c' the neutral axis.
  const CurvePoint& p = work->curve.point[1];
  EXPECT_NEAR(p.maxCompressiveStrain, epsC + p.curvature * 12.0, 2e-7);
}

// A shaft with six #4 bars is weaker than its concrete: its moment never
// grows past the cracking moment, the curve runs to 150 points without the
// concrete reaching 0.003, and Mn is the moment of point 149 with its strain.
TEST(NominalMoment, ACurveThatNeverReaches0003TakesThePointBeforeItsLast) {
  auto ctx = makeSectionContext(kUnitsUsCustomary);
  PileSection& s = addSection(ctx->model, SectionType::DrilledShaft, 4000.0);
  s.diameter = 36.0;
  setCircularBars(s, 60000.0, 29.0e6, 6, 1, 0.5, 0.2, 3.0);
  auto work = preparedSection(*ctx, 1);
  computeMomentCurvature(*ctx, work->state, 0.0, 0.0, work->curve);
  const MomentCurvatureCurve& curve = work->curve;
  ASSERT_EQ(curve.points, 150);
  EXPECT_FALSE(curve.nominalStrainReached);
  const CurvePoint& before = curve.point[149];
  EXPECT_LT(curve.point[150].maxCompressiveStrain, 0.003);
  EXPECT_EQ(curve.nominalMoment, before.moment);
  EXPECT_EQ(curve.nominalMomentStrain, before.maxCompressiveStrain);
  // The moment is that of cracking, held since; the strain is that of the
  // end of the curve, not of the cracking point.
  EXPECT_GT(curve.nominalMomentStrain, 0.002);
  EXPECT_EQ(curve.nominalMoment,
            curve.point[static_cast<std::size_t>(lastUncrackedPoint(curve))].moment);
}

// A drilled shaft with casing and a filled core has ten columns, the last
// the largest stress of the core tube. The core (12 in, 0.5 in wall) spans
// depths 12 to 24 in, slices 34 (centre 12.06 in) to 67 (centre 23.94 in)
// of 0.36 in: while elastic its largest stress is E phi max|c - 12.06|,
// |c - 23.94|; once yielded, fy = 50 ksi.
TEST(CurveTable, ACasedShaftWithACoreHasTheCoreStressColumn) {
  auto ctx = makeSectionContext(kUnitsUsCustomary);
  PileSection& s = addSection(ctx->model, SectionType::CasedShaftWithCore, 4000.0);
  s.coreFilled = true;
  s.diameter = 36.0;
  s.wallThickness = 0.5;
  s.steelYieldStress = 36000.0;
  s.steelModulus = 29.0e6;
  s.coreDiameter = 12.0;
  s.coreWallThickness = 0.5;
  s.coreYieldStress = 50000.0;
  s.coreModulus = 29.0e6;
  setCircularBars(s, 60000.0, 29.0e6, 10, 1, 1.0, 0.79, 3.0);
  auto work = preparedSection(*ctx, 1);
  computeMomentCurvature(*ctx, work->state, 0.0, 0.0, work->curve);
  const MomentCurvatureCurve& curve = work->curve;
  ctx->report.rewind();
  writeCurveTable(*ctx, work->state, curve);

  std::vector<std::string> lines;
  std::istringstream text(ctx->report.text());
  for (std::string line; std::getline(text, line);) lines.push_back(line);
  ASSERT_GE(lines.size(), 8u + static_cast<std::size_t>(curve.points));
  // Blank, thrust, direction, blank, three heading lines and the rule.
  EXPECT_EQ(lines[4].substr(120, 30), "    Max Casing       Max Core ");
  EXPECT_EQ(lines[5].substr(120, 30), "        Stress         Stress ");
  EXPECT_EQ(lines[6].substr(120, 30), "           ksi            ksi ");
  EXPECT_EQ(lines[4].substr(150), "   Run");
  EXPECT_EQ(lines[7].size(), 10u * 15u + 7u);

  int elastic = 0, yielded = 0;
  for (int k = 1; k <= curve.points; ++k) {
    const CurvePoint& p = curve.point[static_cast<std::size_t>(k)];
    const double hand = std::min(
        50.0, 29000.0 * p.curvature *
                  std::max(std::abs(p.neutralAxis - 12.06), std::abs(p.neutralAxis - 23.94)));
    (hand < 50.0 ? elastic : yielded) += 1;
    const std::string& row = lines[7 + static_cast<std::size_t>(k)];
    ASSERT_GE(row.size(), 150u) << k;
    EXPECT_NEAR(std::stod(row.substr(135, 15)), hand, 1.5e-4) << k;
    EXPECT_NEAR(p.maxCoreStress, hand, 1e-3) << k;
  }
  EXPECT_GT(elastic, 10);
  EXPECT_GT(yielded, 0);
}

// A stress-strain curve of concrete in compression given point by point
// (ksi), linear between its points.
struct CurvePoints {
  std::vector<double> strain;
  std::vector<double> stress;
  double at(double eps) const {
    for (std::size_t j = 1; j < strain.size(); ++j) {
      if (eps <= strain[j]) {
        return stress[j - 1] +
               (stress[j] - stress[j - 1]) * (eps - strain[j - 1]) / (strain[j] - strain[j - 1]);
      }
    }
    return 0.0;
  }
};

// Strain compatibility at a concrete strain of 0.003 for a B x H rectangle
// whose compression zone of depth c follows `law` (integrated over 3000
// strips), with elastic-perfectly plastic bars (Es 29000, fy 60 ksi) that
// displace the concrete they sit in; the concrete carries no tension.
// Returns Mn about mid-depth (in-kip) for the thrust P (kips).
double compatibilityMoment(double B, double H, const CurvePoints& law, const std::vector<Bar>& bars,
                           double P) {
  double moment = 0.0;
  const auto force = [&](double c) {
    const double a = std::min(c, H);
    const int strips = 3000;
    const double dz = a / strips;
    double f = 0.0;
    moment = 0.0;
    for (int i = 0; i < strips; ++i) {
      const double z = (i + 0.5) * dz;
      const double stress = law.at(0.003 * (c - z) / c);
      f += stress * B * dz;
      moment += stress * B * dz * (H / 2.0 - z);
    }
    for (const Bar& bar : bars) {
      const double d = H / 2.0 - bar.y;
      const double eps = 0.003 * (c - d) / c;
      double stress = std::clamp(29000.0 * eps, -60.0, 60.0);
      if (d < a) stress -= law.at(eps);
      f += stress * bar.area;
      moment += stress * bar.area * bar.y;
    }
    return f - P;
  };
  double lo = 1.0e-3 * H, hi = 5.0 * H;
  for (int i = 0; i < 100; ++i) {
    const double c = 0.5 * (lo + hi);
    (force(c) > 0.0 ? hi : lo) = c;
  }
  force(0.5 * (lo + hi));
  return moment;
}

// An 18 x 24 in column of 4000 psi concrete, three #8 bars at each face
// (y = +-9.5 in), under 300 kips, with an input curve of the concrete in
// compression: Mn follows the curve, by strain compatibility worked with
// the curve itself. A curve that levels off at 2000 psi gives much less than
// the built-in curve of 4000 psi; the curve 0, 3000, 4000, 3000 psi at
// strains 0, 0.001, 0.002, 0.004 is close to it.
TEST(ConcreteCurve, AnInputCurveIsTheConcreteInCompression) {
  const std::vector<Bar> bars = {{-9.5, 0.79}, {-9.5, 0.79}, {-9.5, 0.79},
                                 {9.5, 0.79},  {9.5, 0.79},  {9.5, 0.79}};
  struct Case {
    const char* name;
    CurvePoints curve;      // ksi
    double ratioToBuiltIn;  // bounds of Mn / Mn of the built-in curve
    double upper;
  };
  const Case cases[] = {
      {"levelling off at 2000 psi", {{0.0, 0.001, 0.004}, {0.0, 2.0, 2.0}}, 0.5, 0.93},
      {"rising to 4000 psi at 0.002",
       {{0.0, 0.001, 0.002, 0.004}, {0.0, 3.0, 4.0, 3.0}},
       0.95,
       1.05},
  };
  auto reference = makeSectionContext(kUnitsUsCustomary);
  rectangularPile(reference->model, 18.0, 24.0, 4000.0, bars);
  auto builtIn = preparedSection(*reference, 1);
  computeMomentCurvature(*reference, builtIn->state, 300.0, 0.0, builtIn->curve);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto ctx = makeSectionContext(kUnitsUsCustomary);
    ConcreteData& concrete = rectangularPile(ctx->model, 18.0, 24.0, 4000.0, bars).concrete;
    concrete.userStressStrainCurve = true;
    concrete.curvePoints = static_cast<int>(c.curve.strain.size());
    for (int j = 1; j <= concrete.curvePoints; ++j) {
      concrete.curveStrain[static_cast<std::size_t>(j)] = c.curve.strain[j - 1];
      concrete.curveStress[static_cast<std::size_t>(j)] = c.curve.stress[j - 1] * 1000.0;  // psi
    }
    auto work = preparedSection(*ctx, 1);
    computeMomentCurvature(*ctx, work->state, 300.0, 0.0, work->curve);
    const double hand = compatibilityMoment(18.0, 24.0, c.curve, bars, 300.0);
    EXPECT_TRUE(work->curve.nominalStrainReached);
    EXPECT_NEAR(work->curve.nominalMoment / hand, 1.0, 0.01);
    const double ratio = work->curve.nominalMoment / builtIn->curve.nominalMoment;
    EXPECT_GT(ratio, c.ratioToBuiltIn);
    EXPECT_LT(ratio, c.upper);
  }
}

}  // namespace
}  // namespace quarn::section
