// Moment-curvature curves of sliced sections against independent results:
// the nominal moment of reinforced-concrete sections against the ACI stress
// block with strain compatibility (worked in the fixture, not by the
// engine's laws), a steel pipe against E I and fy Z, the equilibrium that
// every point claims, the curvature steps, the end of a curve and its run
// messages.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "mc_fixture.h"
#include "section/resultants.h"

namespace quarn::section {
namespace {

using namespace mctesting;

struct NominalMomentCase {
  const char* name;
  std::function<void(AnalysisModel&)> section;
  double P;          // kips
  double handMn;     // in-kip, stress block with strain compatibility
  double tolerance;  // relative
};

// 36 in drilled shaft, f'c = 4 ksi, twelve bars of 1.0 in2 (d_b 1.128 in)
// on a circle with 3 in cover: bar circle radius (36 - 1.128)/2 - 3 = 14.436.
std::vector<Bar> shaftBars() {
  std::vector<Bar> bars;
  const double R = (36.0 - 1.128) / 2.0 - 3.0;
  for (int j = 0; j < 12; ++j) bars.push_back({R * std::sin(2.0 * kPi * j / 12.0), 1.0});
  return bars;
}

const std::vector<Bar> kSinglyReinforced = {{-9.5, 0.79}, {-9.5, 0.79}, {-9.5, 0.79}, {-9.5, 0.79}};
const std::vector<Bar> kDoublyReinforced = {{-9.5, 0.79}, {-9.5, 0.79}, {-9.5, 0.79},
                                            {9.5, 0.79},  {9.5, 0.79},  {9.5, 0.79}};

// The Hognestad parabola of the engine carries a little more compression
// than the 0.85 f'c block at a strain of 0.003, so the nominal moments agree
// within a few percent, closest for a beam whose steel yields.
TEST(NominalMoment, ReinforcedConcreteAgainstTheStressBlock) {
  const NominalMomentCase cases[] = {
      // As fy = 189.6 kips, a = 189.6 / (0.85 x 4 x 18) = 3.098 in,
      // Mn = 189.6 (21.5 - 1.549) = 3782.7 in-kip.
      {"18 x 24 in beam, four bars at d = 21.5 in",
       [](AnalysisModel& m) { rectangularPile(m, 18.0, 24.0, 4000.0, kSinglyReinforced); }, 0.0,
       rectangleStressBlockMoment(18.0, 24.0, 4.0, 60.0, 29000.0, kSinglyReinforced, 0.0), 0.01},
      {"18 x 24 in column, three bars each face, 300 kips",
       [](AnalysisModel& m) { rectangularPile(m, 18.0, 24.0, 4000.0, kDoublyReinforced); }, 300.0,
       rectangleStressBlockMoment(18.0, 24.0, 4.0, 60.0, 29000.0, kDoublyReinforced, 300.0), 0.02},
      {"36 in drilled shaft, twelve bars, 200 kips",
       [](AnalysisModel& m) {
         PileSection& s = addSection(m, SectionType::DrilledShaft, 4000.0);
         s.diameter = 36.0;
         setCircularBars(s, 60000.0, 29.0e6, 12, 1, 1.128, 1.0, 3.0);
       },
       200.0, circleStressBlockMoment(36.0, 4.0, 60.0, 29000.0, shaftBars(), 200.0), 0.02},
  };
  for (const NominalMomentCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto ctx = makeSectionContext(kUnitsUsCustomary);
    c.section(ctx->model);
    auto work = preparedSection(*ctx, 1);
    computeMomentCurvature(*ctx, work->state, c.P, 0.0, work->curve);
    const MomentCurvatureCurve& curve = work->curve;
    EXPECT_NEAR(curve.nominalMoment / c.handMn, 1.0, c.tolerance);
    EXPECT_TRUE(curve.nominalStrainReached);
    EXPECT_EQ(curve.nominalMomentStrain, 0.003);
    // A concrete curve ends once the compressive strain reaches 0.0038.
    EXPECT_GE(curve.point[static_cast<std::size_t>(curve.points)].maxCompressiveStrain, 0.0038);
    EXPECT_LT(curve.point[static_cast<std::size_t>(curve.points - 1)].maxCompressiveStrain, 0.0038);
  }
}

// The same shaft in SI units (the section reader's metres, kPa and m2)
// gives the same curve: the moments in kN-m are the in-kip ones times
// 0.1129848, the curvatures in rad/m the rad/in ones times 39.37.
TEST(NominalMoment, SiUnitsGiveTheSameCurve) {
  constexpr double kKpaPerPsi = 6.894757;
  auto us = makeSectionContext(kUnitsUsCustomary);
  PileSection& a = addSection(us->model, SectionType::DrilledShaft, 4000.0);
  a.diameter = 36.0;
  setCircularBars(a, 60000.0, 29.0e6, 12, 1, 1.128, 1.0, 3.0);
  auto si = makeSectionContext(kUnitsSi);
  PileSection& b = addSection(si->model, SectionType::DrilledShaft, 4000.0 * kKpaPerPsi);
  b.diameter = 36.0 * 0.0254;
  setCircularBars(b, 60000.0 * kKpaPerPsi, 29.0e6 * kKpaPerPsi, 12, 1, 1.128 * 0.0254,
                  1.0 * 0.0254 * 0.0254, 3.0 * 0.0254);
  auto workUs = preparedSection(*us, 1);
  auto workSi = preparedSection(*si, 1);
  computeMomentCurvature(*us, workUs->state, 200.0, 0.0, workUs->curve);
  computeMomentCurvature(*si, workSi->state, 200.0 * 4.4482216, 0.0, workSi->curve);
  const MomentCurvatureCurve& cu = workUs->curve;
  const MomentCurvatureCurve& cs = workSi->curve;
  constexpr double kKnmPerInKip = 0.1129848;
  EXPECT_NEAR(cs.point[1].curvature / (cu.point[1].curvature / 0.0254), 1.0, 1e-6);
  EXPECT_NEAR(cs.nominalMoment / (cu.nominalMoment * kKnmPerInKip), 1.0, 2e-3);
  EXPECT_NEAR(cs.point[30].moment / (cu.point[30].moment * kKnmPerInKip), 1.0, 2e-3);
  EXPECT_NEAR(cs.point[30].neutralAxis / (cu.point[30].neutralAxis * 0.0254), 1.0, 2e-3);
}

TEST(NominalMoment, TheHandValueOfTheBeamIsTheTextbookOne) {
  // Guards the fixture: As fy (d - a/2) with a = As fy / (0.85 f'c b).
  const double a = 4 * 0.79 * 60.0 / (0.85 * 4.0 * 18.0);
  EXPECT_NEAR(rectangleStressBlockMoment(18.0, 24.0, 4.0, 60.0, 29000.0, kSinglyReinforced, 0.0),
              4 * 0.79 * 60.0 * (21.5 - a / 2.0), 1e-6);
}

// A steel pipe starts with the stiffness E I of its ring and ends at five
// times the yield strain, where its moment is within 1 % of fy Z: for a thin
// ring strained to 5 eps_y only the core within sin(theta) < 0.2 is elastic,
// which takes 0.7 % off the plastic moment.
TEST(PipeCurve, StartsAtEIAndEndsNearTheFullPlasticMoment) {
  struct PipeCase {
    double D, t, fy, E, P;
  };
  const PipeCase cases[] = {{24.0, 0.5, 36000.0, 29.0e6, 0.0}, {36.0, 0.75, 50000.0, 29.0e6, 0.0}};
  for (const PipeCase& c : cases) {
    auto ctx = makeSectionContext(kUnitsUsCustomary);
    steelPipePile(ctx->model, c.D, c.t, c.fy, c.E);
    auto work = preparedSection(*ctx, 1);
    computeMomentCurvature(*ctx, work->state, c.P, 0.0, work->curve);
    const MomentCurvatureCurve& curve = work->curve;
    const double EI = c.E / 1000.0 * pipeInertia(c.D, c.t);  // kip-in2
    const double Mp = c.fy / 1000.0 * pipePlasticModulus(c.D, c.t);
    EXPECT_NEAR(curve.point[1].EI / EI, 1.0, 0.002);
    EXPECT_NEAR(curve.nominalMoment / Mp, 0.993, 0.002);
    // The first increment strains the outer fibre to 1.7 fy / E over 80 steps.
    EXPECT_NEAR(curve.point[1].curvature, 1.7 * c.fy / c.E / (c.D / 2.0) / 80.0, 1e-15);
    const CurvePoint& last = curve.point[static_cast<std::size_t>(curve.points)];
    EXPECT_GE(last.maxCompressiveStrain, 5.0 * c.fy / c.E);
    EXPECT_LT(curve.point[static_cast<std::size_t>(curve.points - 1)].maxCompressiveStrain,
              5.0 * c.fy / c.E);
    EXPECT_EQ(curve.nominalMoment, last.moment);
    EXPECT_EQ(last.message[2], 'Y');
    EXPECT_EQ(curve.point[1].message[2], ' ');
  }
}

// The search ends in axial equilibrium: the thrust at the depth it returns
// equals the axial load to within the force that its tolerance on c allows.
// Curvatures from the uncracked section to beyond yield, in the order of a
// curve (the concrete that cracks stays cracked).
TEST(NeutralAxis, FindsTheDepthOfAxialEquilibrium) {
  const double thrusts[] = {-150.0, 0.0, 200.0, 1500.0};
  const double curvatures[] = {6.25e-7, 2.5e-6, 1.0e-5, 4.0e-5, 1.0e-4, 2.0e-4, 3.0e-4};
  for (double P : thrusts) {
    SCOPED_TRACE(P);
    auto ctx = makeSectionContext(kUnitsUsCustomary);
    PileSection& s = addSection(ctx->model, SectionType::DrilledShaft, 4000.0);
    s.diameter = 36.0;
    setCircularBars(s, 60000.0, 29.0e6, 12, 1, 1.128, 1.0, 3.0);
    auto work = preparedSection(*ctx, 1);
    SectionState& state = work->state;
    NeutralAxisSearch search{18.0, 0};
    for (double phi : curvatures) {
      double c = Find_Neutral_Axis(*ctx, state, P, phi, search);
      // As the analysis does: a converged state past the strain at fracture
      // cracks the section, which is then searched again.
      if (!state.flags.cracked && concreteCrackedAt(state, c, phi)) {
        state.flags.cracked = true;
        c = Find_Neutral_Axis(*ctx, state, P, phi, search);
      }
      EXPECT_GT(search.iterations, 0);
      // Below 4000 ksi x 1020 in2 of axial stiffness, a depth within 1e-6 in
      // at curvature phi leaves less than 4.1e6 phi x 1e-6 kips.
      EXPECT_NEAR(Compute_Axial_Thrust_Force(state, c, phi), P, 4.1 * phi + 1e-9) << phi;
      EXPECT_EQ(search.cPrev, c);
    }
    EXPECT_TRUE(state.flags.cracked);  // by 3e-4 rad/in every thrust has cracked the shaft
  }
}

TEST(NeutralAxis, ANotANumberStopsTheRunWithRuntimeError16) {
  auto ctx = makeSectionContext(kUnitsUsCustomary);
  PileSection& s = addSection(ctx->model, SectionType::DrilledShaft, 4000.0);
  s.diameter = 36.0;
  setCircularBars(s, 60000.0, 29.0e6, 12, 1, 1.128, 1.0, 3.0);
  auto work = preparedSection(*ctx, 1);
  work->state.materials.Es = std::nan("");
  ctx->report.rewind();
  EXPECT_THROW(computeMomentCurvature(*ctx, work->state, 0.0, 0.0, work->curve),
               engine::RunStopped);
  EXPECT_EQ(ctx->model.state.errorCode, 216);
  EXPECT_EQ(ctx->report.text(),
            "\n\n**** Runtime Error No. 16 ****\n\nLocation of neutral axis was not found within "
            "1,000 iterations.\n\n");
}

TEST(CurvatureIncrement, HalvesForEveryTwoFeetOfDiameter) {
  struct Case {
    int units;
    double D;
    double expected;
  };
  const Case cases[] = {
      {kUnitsUsCustomary, 12.0, 1.25e-6},              // nint(0.5) = 1
      {kUnitsUsCustomary, 30.0, 1.25e-6},              // nint(1.25) = 1
      {kUnitsUsCustomary, 36.0, 6.25e-7},              // nint(1.5) = 2: halves away from zero
      {kUnitsUsCustomary, 60.0, 1.25e-6 / 3.0},        // nint(2.5) = 3
      {kUnitsSi, 0.9144, 4.921259901994065e-5 / 2.0},  // 36 in
      {kUnitsSi, 0.3, 4.921259901994065e-5},
      {kUnitsGeneral, 36.0, static_cast<double>(2.0e-6f)},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(initialCurvatureIncrement(c.units, c.D), c.expected) << c.D;
  }
}

// A wide, shallow and lightly reinforced section never reaches a concrete
// strain of 0.0038: its curve runs to 150 points with the steps of the four
// ranges, and its nominal moment is that of its last point but one, the
// largest moment it developed before its last point.
TEST(CurveSteps, FourRangesOfIncrementUpTo150Points) {
  auto ctx = makeSectionContext(kUnitsUsCustomary);
  rectangularPile(ctx->model, 120.0, 12.0, 4000.0, {{-4.0, 0.2}});
  auto work = preparedSection(*ctx, 1);
  computeMomentCurvature(*ctx, work->state, 0.0, 0.0, work->curve);
  const MomentCurvatureCurve& curve = work->curve;
  ASSERT_EQ(curve.points, 150);
  EXPECT_TRUE(curve.reachedPointLimit);
  const double d = 1.25e-6 / 5.0;  // width 120 in: nint(5) = 5
  EXPECT_DOUBLE_EQ(curve.point[1].curvature, d);
  const struct {
    int from, to;
    double step;
  } ranges[] = {{2, 40, d}, {41, 80, 2.0 * d}, {81, 120, 8.0 * d}, {121, 150, 48.0 * d}};
  for (const auto& r : ranges) {
    for (int k = r.from; k <= r.to; ++k) {
      EXPECT_NEAR(curve.point[static_cast<std::size_t>(k)].curvature -
                      curve.point[static_cast<std::size_t>(k - 1)].curvature,
                  r.step, 1e-18)
          << k;
    }
  }
  EXPECT_FALSE(curve.nominalStrainReached);
  double largest = 0.0;
  for (int k = 1; k <= 149; ++k)
    largest = std::max(largest, curve.point[static_cast<std::size_t>(k)].moment);
  EXPECT_EQ(curve.nominalMoment, largest);
  EXPECT_EQ(curve.nominalMoment, curve.point[149].moment);
  EXPECT_EQ(curve.nominalMomentStrain, curve.point[149].maxCompressiveStrain);
  EXPECT_LT(curve.nominalMomentStrain, 0.003);
}

// Stored moments never fall below the moment of the point before (past the
// cracking moment of a concrete section), so the stiffness keeps falling.
TEST(CurveShape, StoredMomentsNeverDropAndStiffnessFalls) {
  auto ctx = makeSectionContext(kUnitsUsCustomary);
  PileSection& s = addSection(ctx->model, SectionType::DrilledShaft, 4000.0);
  s.diameter = 36.0;
  setCircularBars(s, 60000.0, 29.0e6, 12, 1, 1.128, 1.0, 3.0);
  auto work = preparedSection(*ctx, 1);
  computeMomentCurvature(*ctx, work->state, 200.0, 0.0, work->curve);
  const MomentCurvatureCurve& curve = work->curve;
  bool held = false;
  for (int k = 2; k <= curve.points; ++k) {
    const CurvePoint& p = curve.point[static_cast<std::size_t>(k)];
    const CurvePoint& before = curve.point[static_cast<std::size_t>(k - 1)];
    EXPECT_GE(p.moment, before.moment);
    EXPECT_LE(p.EI, before.EI * (1.0 + 1e-12));
    EXPECT_DOUBLE_EQ(p.EI, p.moment / p.curvature);
    if (p.moment == before.moment) held = true;
  }
  EXPECT_TRUE(held);  // the drop at cracking is held
  // Run messages: cracking from the hold on, yield and tension control late.
  EXPECT_EQ(curve.point[1].message[0], ' ');
  const CurvePoint& last = curve.point[static_cast<std::size_t>(curve.points)];
  EXPECT_EQ(std::string(last.message.data(), 3), "CTY");
}

// A tension beyond the cracking load leaves no tension in the concrete: the
// curve is cracked from its first point, and the bars carry the thrust.
TEST(CurveShape, TensionBeyondCrackingTakesTheConcreteTensionAway) {
  auto ctx = makeSectionContext(kUnitsUsCustomary);
  PileSection& s = addSection(ctx->model, SectionType::DrilledShaft, 4000.0);
  s.diameter = 36.0;
  setCircularBars(s, 60000.0, 29.0e6, 12, 1, 1.128, 1.0, 3.0);
  auto work = preparedSection(*ctx, 1);
  const double Pcr = work->state.capacities.Pcr;  // about -458 kips
  ASSERT_LT(Pcr, -400.0);
  computeMomentCurvature(*ctx, work->state, -500.0, 0.0, work->curve);
  EXPECT_TRUE(work->state.flags.noTension);
  EXPECT_EQ(work->curve.point[1].message[0], 'C');
  EXPECT_DOUBLE_EQ(work->state.materials.prestrain, -500.0 / (12.0 * 29000.0));
  // Above the cracking load the first point is uncracked.
  computeMomentCurvature(*ctx, work->state, -300.0, 0.0, work->curve);
  EXPECT_FALSE(work->state.flags.noTension);
  EXPECT_EQ(work->curve.point[1].message[0], ' ');
  EXPECT_EQ(work->state.materials.prestrain, 0.0);
}

// The nominal moment on hand-made curves (moment, compressive strain).
TEST(NominalMoment, InterpolatedAtTheStrainOf0003) {
  struct Point {
    double moment, strain;
  };
  struct Case {
    const char* name;
    std::vector<Point> points;
    bool pipe;
    double Mn, strain;
    bool reached;
  };
  const Case cases[] = {
      // Between 0.0028 and 0.0033: 100 + (110 - 100) x 0.2 / 0.5.
      {"bracketed",
       {{50, 0.001}, {100, 0.0028}, {110, 0.0033}, {112, 0.0039}},
       false,
       104.0,
       0.003,
       true},
      {"a point exactly at 0.003",
       {{50, 0.001}, {100, 0.003}, {110, 0.0038}},
       false,
       100.0,
       0.003,
       true},
      {"never reached: the point before the last",
       {{50, 0.001}, {90, 0.0015}, {90, 0.002}},
       false,
       90.0,
       0.0015,
       false},
      // The last point may be the one that failed or the 150th: point n - 1
      // stands in, with its strain, even when the last moment is larger.
      {"never reached, growing to the end",
       {{50, 0.001}, {90, 0.0015}, {95, 0.002}, {100, 0.0025}},
       false,
       95.0,
       0.002,
       false},
      {"steel pipe: the last point",
       {{50, 0.001}, {100, 0.0028}, {95, 0.0033}},
       true,
       95.0,
       0.0033,
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MomentCurvatureCurve curve;
    curve.points = static_cast<int>(c.points.size());
    for (int k = 1; k <= curve.points; ++k) {
      curve.point[static_cast<std::size_t>(k)].moment =
          c.points[static_cast<std::size_t>(k - 1)].moment;
      curve.point[static_cast<std::size_t>(k)].maxCompressiveStrain =
          c.points[static_cast<std::size_t>(k - 1)].strain;
    }
    nominalMomentCapacity(curve, c.pipe);
    EXPECT_DOUBLE_EQ(curve.nominalMoment, c.Mn);
    EXPECT_DOUBLE_EQ(curve.nominalMomentStrain, c.strain);
    EXPECT_EQ(curve.nominalStrainReached, c.reached);
  }
}

}  // namespace
}  // namespace quarn::section
