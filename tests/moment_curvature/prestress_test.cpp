// Prestressed sections: the strand prestrain, the concrete precompression
// and the axial capacities from the effective prestressing force, worked by
// hand; runtime errors 14 and 15 for a section without concrete or strands;
// a prestressed curve ends when the neutral axis comes within H/10 of the
// compression face, with "Z" as its run message.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "mc_fixture.h"

namespace quarn::section {
namespace {

using namespace mctesting;

// A 24 in round prestressed pile (type 5, US customary; or a 24 in square
// one, type 7 without chamfer), f'c = 6000 psi, twelve 0.5 in PCI 270 strands of 0.153 in2 on a
// circle with 3 in cover, jacked to 400 kips in all with 20 % loss.
PileSection& prestressedPile(AnalysisModel& model, int strands = 12,
                             SectionType type = SectionType::CircularPrestressed) {
  PileSection& s = addSection(model, type, 6000.0);
  s.diameter = 24.0;
  StrandData& p = s.prestress;
  p.autoPositioned = true;
  p.strandType = 1;
  p.sizeCode = 3;
  p.numberOfStrands = strands;
  p.jackingForce = 400000.0;
  p.lossFraction = 0.2;
  p.cover = 3.0;
  p.arrangementCode = kStrandsOnCircle;
  p.ultimateStrength = 270000.0;
  p.elasticModulus = 28000.0;
  p.strandDiameter = 0.5;
  p.strandArea = 0.153;
  for (int k = 1; k <= strands; ++k)
    p.strands[static_cast<std::size_t>(k)] = {3, 0.5, 0.153, 0.0, 0.0};
  return s;
}

TEST(Prestressing, StrainsAndCapacitiesByHand) {
  auto ctx = makeSectionContext(kUnitsUsCustomary);
  prestressedPile(ctx->model);
  auto work = preparedSection(*ctx, 1);
  const PrestressValues v = Calculate_Strains_Due_To_Prestressing(*ctx, work->state);

  const double Aps = 12 * 0.153;
  const double Ac = kPi / 4.0 * 24.0 * 24.0 - Aps;
  const double Pe = 0.8 * 400000.0;              // lb
  const double Ec = 57.0 * std::sqrt(6000.0);    // ksi
  const double epsPs = -Pe / (28000.0e3 * Aps);  // Eps in psi
  const double epsCe = Pe / (Ec * 1000.0 * Ac);
  EXPECT_NEAR(v.steelArea, Aps, 1e-12);
  EXPECT_NEAR(v.concreteArea, Ac, 1e-9);
  EXPECT_DOUBLE_EQ(v.effectiveForce, Pe);
  EXPECT_NEAR(v.strandPrestrain / epsPs, 1.0, 1e-9);
  EXPECT_NEAR(v.precompression / epsCe, 1.0, 1e-9);
  EXPECT_NEAR(v.Pcap / ((0.85 * 6.0 - 0.6 * epsCe * Ec) * (Ac + Aps)), 1.0, 1e-6);
  EXPECT_NEAR(v.Tcap, -Aps * 270.0, 1e-9);
  EXPECT_NEAR(v.approximateMoment / (270.0 * Aps * 24.0 * 0.32), 1.0, 1e-6);
  EXPECT_EQ(v.approximateMomentFormula, "Mn = 0.32 D As fpu");
  EXPECT_EQ(work->state.materials.precompression, v.precompression);
  EXPECT_EQ(work->state.capacities.Pcap, v.Pcap);
}

TEST(Prestressing, ASectionWithoutConcreteOrStrandsStops) {
  struct Case {
    const char* name;
    std::function<void(PileSection&)> change;
    int code;
    std::string block;
  };
  const Case cases[] = {
      {"no strands", [](PileSection& s) { s.prestress.numberOfStrands = 0; }, 215,
       "\n\n**** Runtime Error No. 15 ****\n\nAn error occurred in prestressing computations\n"
       "The computed area of steel in the section is less than 0.0 =         0.00000\n\n"},
      // A void as wide as the pile leaves the strand areas below zero.
      {"a void as wide as the pile",
       [](PileSection& s) {
         s.type = SectionType::HollowCircularPrestressed;
         s.voidDiameter = 24.0;
       },
       214,
       "\n\n**** Runtime Error No. 14 ****\n\nAn error occurred in prestressing computations\n"
       "The computed area of concrete in the section is less than 0.0 =        -1.83600\n\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto ctx = makeSectionContext(kUnitsUsCustomary);
    c.change(prestressedPile(ctx->model));
    auto work = preparedSection(*ctx, 1);
    ctx->report.rewind();
    EXPECT_THROW(Calculate_Strains_Due_To_Prestressing(*ctx, work->state), engine::RunStopped);
    EXPECT_EQ(ctx->model.state.errorCode, c.code);
    EXPECT_EQ(ctx->report.text(), c.block);
  }
}

// Without axial load a prestressed curve ends when the neutral axis lies
// less than H/10 = 2.4 in below the compression face ("Z"), or, like every
// concrete section, once the concrete strain reaches 0.0038. The strain at
// the compression face includes the precompression. "Y" marks the points at
// which a strand has left the straight line of the PCI 270 curve (|strain|
// above 0.0086): the strands lie on a circle of radius (24 - 0.5)/2 - 3 =
// 8.75 in, strand j at depth 12 - 8.75 sin(2 pi (j - 1) / n), and carry
// the strain of the concrete at their depth, less the precompression, plus
// their prestrain.
TEST(Prestressing, TheCurveEndsNearTheCompressionFaceOrOnCrushing) {
  struct Case {
    const char* name;
    SectionType type;
    int strands;
    double jackingForce;  // lb
    bool endsOnZ;
  };
  const Case cases[] = {
      {"square pile, four strands, 50 kips", SectionType::SquarePrestressed, 4, 50000.0, true},
      {"round pile, twelve strands, 400 kips", SectionType::CircularPrestressed, 12, 400000.0,
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto ctx = makeSectionContext(kUnitsUsCustomary);
    prestressedPile(ctx->model, c.strands, c.type).prestress.jackingForce = c.jackingForce;
    auto work = preparedSection(*ctx, 1);
    const PrestressValues v = Calculate_Strains_Due_To_Prestressing(*ctx, work->state);
    computeMomentCurvature(*ctx, work->state, 0.0, v.strandPrestrain, work->curve);
    const MomentCurvatureCurve& curve = work->curve;
    ASSERT_GT(curve.points, 2);
    ASSERT_LT(curve.points, 150);
    const auto strandYields = [&](const CurvePoint& p) {
      for (int j = 0; j < c.strands; ++j) {
        const double depth = 12.0 - 8.75 * std::sin(2.0 * kPi * j / c.strands);
        const double strain =
            (p.neutralAxis - depth) * p.curvature - v.precompression + v.strandPrestrain;
        if (std::abs(strain) > 0.0086 * (1.0 + 1e-9)) return true;
      }
      return false;
    };
    int yielding = 0;
    const CurvePoint& last = curve.point[static_cast<std::size_t>(curve.points)];
    if (c.endsOnZ) {
      EXPECT_LT(last.neutralAxis, 2.4);
      EXPECT_EQ(last.message[2], 'Z');
      EXPECT_LT(last.maxCompressiveStrain, 0.0038);
    } else {
      EXPECT_GE(last.neutralAxis, 2.4);
      EXPECT_EQ(last.message[2], strandYields(last) ? 'Y' : ' ');
      EXPECT_GE(last.maxCompressiveStrain, 0.0038);
    }
    for (int k = 1; k < curve.points; ++k) {
      const CurvePoint& p = curve.point[static_cast<std::size_t>(k)];
      EXPECT_GE(p.neutralAxis, 2.4) << k;
      EXPECT_LT(p.maxCompressiveStrain, 0.0038) << k;
      EXPECT_EQ(p.message[2], strandYields(p) ? 'Y' : ' ') << k;
      if (p.message[2] == 'Y') ++yielding;
      // The strain at the compression face includes the precompression; the
      // neutral axis is where the whole strain of the concrete vanishes.
      EXPECT_NEAR(p.maxCompressiveStrain, p.neutralAxis * p.curvature, 1e-15) << k;
    }
    // The twelve strands of the round pile yield before its concrete crushes.
    if (!c.endsOnZ) {
      EXPECT_GT(yielding, 0);
    }
    // The prestrain of the strands is that of the prestress.
    EXPECT_EQ(work->state.materials.prestrain, v.strandPrestrain);
  }
}

}  // namespace
}  // namespace quarn::section
