// Layered soil through the layer sweep: the integral F of the upper layer
// summed by hand from the ultimate resistance of its published criterion at
// its nodes, the equivalent depth Heq of the layer below worked by hand from
// the equivalent-depth formulas (the quadratic of the clays, the 50 steps of
// stiff clay with free water, the 500 trapezoids of sand and cemented silt,
// and their continuations below the transition depth), the depth every node
// of the lower layer takes in its curve, the printed curves at requested
// depths, and the layers that take no equivalent depth.
#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <sstream>
#include <string>
#include <vector>

#include "layered_reference.h"
#include "matlock_reference.h"
#include "other_criteria_reference.h"
#include "sand_reference.h"
#include "soil/layered_soil.h"
#include "soil/py_framework.h"
#include "soil/py_output.h"
#include "soil_fixture.h"
#include "stiff_clay_reference.h"

namespace quarn::soil {
namespace {

using testing::addLayer;
using testing::Branch;
using testing::HandDepth;
using testing::makeSoilContext;
using testing::placeVerticalNodes;
using testing::setUniformPile;
using testing::setValue;

constexpr int kSoftClay = 1;
constexpr int kFreeWater = 2;
constexpr int kNoFreeWater = 3;
constexpr int kNoFreeWaterK = 4;
constexpr int kReese = 5;
constexpr int kApi = 6;
constexpr int kLiquefied = 7;
constexpr int kWeakRock = 8;
constexpr int kCementedSilt = 11;
constexpr int kSoftClayJ = 15;
constexpr int kFrozen = 17;

// ---- the profile, as the test builds it and works it by hand ----------------------

struct Layer {
  int criterion = kSoftClay;
  double top = 0.0;
  double bottom = 0.0;
  double cTop = 0.0;  // strength, linear in the layer
  double cBottom = 0.0;
  double gamma = 0.0;  // effective unit weight, constant in the layer
  double e50 = 0.0;
  double phi = 0.0;  // degrees
  double k = 0.0;    // subgrade modulus
  double J = 0.0;    // "SoftClyJ"
};

struct Profile {
  int units = kUnitsSi;
  double length = 10.0;
  double D = 0.6;
  int increments = 40;
  Layer upper;
  Layer lower;
  double printDepth = 0.0;  // a requested depth in the lower layer
};

double increment(const Profile& p) {
  return p.length / p.increments;
}

// Depths of the nodes of a layer: a node at the interface belongs to the
// layer below.
std::vector<double> nodesOf(const Profile& p, const Layer& layer) {
  std::vector<double> x;
  for (int i = 0; i <= p.increments; ++i) {
    const double xi = i * increment(p);
    const bool lowest = &layer == &p.lower;
    if (xi >= layer.top && (xi < layer.bottom || (lowest && xi <= layer.bottom))) x.push_back(xi);
  }
  return x;
}

double strengthAt(const Layer& l, double x) {
  return l.cTop + (l.cBottom - l.cTop) * (x - l.top) / (l.bottom - l.top);
}

// Average effective unit weight from the ground surface (the upper layer's
// top, at the pile head) to x.
double averageUnitWeight(const Profile& p, double x) {
  if (x <= p.upper.bottom) return p.upper.gamma;
  const double upperPart = p.upper.gamma * (p.upper.bottom - p.upper.top);
  return (upperPart + p.lower.gamma * (x - p.lower.top)) / (x - p.upper.top);
}

std::unique_ptr<engine::RunContext> build(const Profile& p) {
  auto ctx = makeSoilContext(p.units);
  AnalysisModel& model = ctx->model;
  for (const Layer* l : {&p.upper, &p.lower}) {
    SoilLayer& s = addLayer(model, l->criterion, l->top, l->bottom);
    setValue(s.cohesion, l->cTop, l->cBottom);
    setValue(s.unitWeight, l->gamma, l->gamma);
    setValue(s.epsilon50, l->e50, l->e50);
    setValue(s.frictionAngle, l->phi, l->phi);
    setValue(s.subgradeK, l->k, l->k);
    setValue(s.jFactor, l->J, l->J);
  }
  setUniformPile(model, p.length, p.D);
  placeVerticalNodes(model, p.increments);
  // A pile bending towards the tip, the same shape in every case.
  for (int k = 1; k <= model.pileModel.N; ++k)
    model.pileModel.y(k) = 0.02 * std::exp(-0.1 * (k - 1));
  return ctx;
}

// ---- the integral of the upper layer by hand ------------------------------------------

// The resistance the upper layer's criterion integrates, at depth x of the
// first layer (the depth below the ground surface).
double upperResistance(const Profile& p, double x) {
  const Layer& l = p.upper;
  const double c = strengthAt(l, x);
  const double g = p.upper.gamma;
  switch (l.criterion) {
    case kSoftClay:
      return testing::matlockUltimate({c, g, l.e50, 0.5, p.D, x, false});
    case kNoFreeWater:
      return testing::welchReeseUltimate({c, g, l.e50, p.D, x});
    case kReese:
      return testing::reeseCurve({l.phi, g, p.D, x, l.k}, false).pu;
    case kApi:
      // The curve at 3 D / 80.
      return x < 1e-10 ? 0.0 : testing::apiP({l.phi, g, p.D, x, l.k}, false, 3.0 * p.D / 80.0);
    case kCementedSilt:
      return testing::cementedSiltReference({c, l.phi, g, p.D, x, l.k, false}).pu;
    case kLiquefied:
      // Pd x min(pr, 15 kN/m), pr at 150 mm; depth and diameter in metres.
      return testing::rollinsCurve(x, p.D).p(150.0);
    default:
      ADD_FAILURE() << "no resistance by hand for criterion " << l.criterion;
      return 0.0;
  }
}

// F of the upper layer: trapezoids between its nodes, then the last node's
// value over one increment (soft clay) or down to the layer bottom.
double upperIntegral(const Profile& p) {
  if (p.upper.criterion == kFrozen) return 0.0;  // no curve, no integral
  const std::vector<double> x = nodesOf(p, p.upper);
  const double h = increment(p);
  double F = 0.0;
  for (std::size_t i = 1; i < x.size(); ++i) {
    F += (upperResistance(p, x[i - 1]) + upperResistance(p, x[i])) * h / 2.0;
  }
  const double last = upperResistance(p, x.back());
  F += last * (p.upper.criterion == kSoftClay ? h : p.upper.bottom - x.back());
  return F;
}

// ---- the equivalent depth of the lower layer by hand -------------------------------------

// Static loading.
HandDepth lowerEquivalentDepth(const Profile& p, double S) {
  const bool cyclic = false;
  const Layer& l = p.lower;
  const double x1 = nodesOf(p, l).front();  // the layer's first node
  const double c = strengthAt(l, x1);
  const double g = averageUnitWeight(p, x1);
  const double D = p.D;
  const double z0 = x1 - p.upper.top;
  switch (l.criterion) {
    case kSoftClay:
      return testing::softClayEquivalentDepth(c, D, g, 0.5, cyclic, S);
    case kSoftClayJ:
      return testing::softClayEquivalentDepth(c, D, g, l.J, cyclic, S);
    case kNoFreeWater:
    case kNoFreeWaterK:
      // The average strength at the layer's first node is the strength there.
      return testing::stiffClayEquivalentDepth(c, c, D, g, S);
    case kFreeWater:
      return testing::freeWaterEquivalentDepth(c, c, D, g, cyclic, S);
    case kReese:
      return testing::sandEquivalentDepth(l.phi, 0.4, D, g, z0, cyclic, S);
    case kApi:
      return testing::sandEquivalentDepth(l.phi, 0.4000000059604645, D, g, z0, cyclic, S);
    case kCementedSilt:
      return testing::sandEquivalentDepth(l.phi, 0.4000000059604645, D, g, z0, cyclic, S, c);
    default:
      ADD_FAILURE() << "no equivalent depth by hand for criterion " << l.criterion;
      return {0.0, testing::Branch::kClosedForm};
  }
}

// The value of the first report line that begins with the label ("= " at
// column 56).
double printedValue(const std::string& report, const std::string& label) {
  std::istringstream in(report);
  for (std::string line; std::getline(in, line);) {
    if (line.rfind(label, 0) == 0 && line.size() > 57) return std::stod(line.substr(57, 12));
  }
  ADD_FAILURE() << "no line " << label;
  return 0.0;
}

// ---- the profiles --------------------------------------------------------------------------

Layer softClay(double top, double bottom, double cTop, double cBottom, double gamma) {
  return {kSoftClay, top, bottom, cTop, cBottom, gamma, 0.01, 0.0, 0.0, 0.0};
}
Layer stiffClay(int criterion, double top, double bottom, double c, double gamma, double k = 0.0) {
  return {criterion, top, bottom, c, c * 1.5, gamma, 0.007, 0.0, k, 0.0};
}
Layer sand(int criterion, double top, double bottom) {
  return {criterion, top, bottom, 0.0, 0.0, 10.0, 0.0, 35.0, 20000.0, 0.0};
}
Layer cementedSilt(double top, double bottom, double c) {
  return {kCementedSilt, top, bottom, c, c * 1.5, 9.0, 0.0, 30.0, 50000.0, 0.0};
}

Profile twoLayers(const Layer& upper, const Layer& lower) {
  Profile p;
  p.upper = upper;
  p.lower = lower;
  p.printDepth = lower.top + 0.4;
  return p;
}

// The bundled example and golden case, in inches and pounds: 24 in pipe,
// 60 ft long, 100 increments, soft clay of 400 to 600 psf (50 pcf) to 20 ft
// over soft clay of 800 to 1200 psf (55 pcf) to 70 ft.
Profile exampleProfile() {
  Profile p;
  p.units = kUnitsUsCustomary;
  p.length = 720.0;
  p.D = 24.0;
  p.increments = 100;
  p.upper = {kSoftClay, 0.0, 240.0, 400.0 / 144.0, 600.0 / 144.0, 50.0 / 1728.0, 0.02};
  p.lower = {kSoftClay, 240.0, 840.0, 800.0 / 144.0, 1200.0 / 144.0, 55.0 / 1728.0, 0.01};
  p.printDepth = 300.0;
  return p;
}

// ---- the tests --------------------------------------------------------------------------------

TEST(LayeredSweep, TheLayerBelowTakesTheEquivalentDepthOfTheResistanceAbove) {
  struct Case {
    const char* name;
    Profile profile;
    Branch branch;
  };
  Layer strongSoftClay = softClay(0.0, 3.1, 60.0, 60.0, 8.0);
  Layer thinSoftClay = softClay(0.0, 1.1, 10.0, 10.0, 8.0);
  Layer softClayJ = softClay(3.1, 12.0, 10.0, 20.0, 8.0);
  softClayJ.criterion = kSoftClayJ;
  softClayJ.J = 0.25;
  Layer liquefied = {kLiquefied, 0.0, 3.1, 0.0, 0.0, 8.0};
  Layer frozen = {kFrozen, 0.0, 3.1, 0.0, 0.0, 8.0};
  const Case cases[] = {
      {"soft clay below soft clay, S below I", exampleProfile(), Branch::kClosedForm},
      {"soft clay below soft clay, S below I (SI)",
       twoLayers(softClay(0.0, 3.1, 20.0, 24.0, 8.0), softClay(3.1, 12.0, 40.0, 60.0, 9.0)),
       Branch::kClosedForm},
      {"soft clay below soft clay, S above I",
       twoLayers(strongSoftClay, softClay(3.1, 12.0, 10.0, 20.0, 8.0)), Branch::kBelowTransition},
      {"soft clay with J below soft clay, S above I", twoLayers(strongSoftClay, softClayJ),
       Branch::kBelowTransition},
      {"stiff clay without free water below sand",
       twoLayers(sand(kReese, 0.0, 3.1), stiffClay(kNoFreeWater, 3.1, 12.0, 100.0, 9.0)),
       Branch::kClosedForm},
      {"stiff clay without free water, with k, below API sand",
       twoLayers(sand(kApi, 0.0, 3.1), stiffClay(kNoFreeWaterK, 3.1, 12.0, 100.0, 9.0, 1e5)),
       Branch::kClosedForm},
      {"stiff clay with free water below soft clay, in the 50 steps",
       twoLayers(thinSoftClay, stiffClay(kFreeWater, 1.1, 12.0, 300.0, 9.0, 1e5)), Branch::kSteps},
      {"stiff clay with free water below soft clay, below the 50 steps",
       twoLayers(softClay(0.0, 3.1, 30.0, 30.0, 8.0),
                 stiffClay(kFreeWater, 3.1, 12.0, 100.0, 9.0, 1e5)),
       Branch::kBelowTransition},
      {"sand below stiff clay, in the 500 steps",
       twoLayers(stiffClay(kNoFreeWater, 0.0, 3.1, 50.0, 9.0), sand(kReese, 3.1, 12.0)),
       Branch::kSteps},
      {"API sand below stiff clay, in the 500 steps",
       twoLayers(stiffClay(kNoFreeWater, 0.0, 3.1, 50.0, 9.0), sand(kApi, 3.1, 12.0)),
       Branch::kSteps},
      {"sand below a very strong clay, below the 500 steps",
       twoLayers(stiffClay(kNoFreeWater, 0.0, 3.1, 2000.0, 9.0), sand(kReese, 3.1, 12.0)),
       Branch::kBelowTransition},
      {"cemented silt below soft clay",
       twoLayers(softClay(0.0, 3.1, 20.0, 24.0, 8.0), cementedSilt(3.1, 12.0, 20.0)),
       Branch::kSteps},
      {"soft clay below cemented silt",
       twoLayers(cementedSilt(0.0, 3.1, 10.0), softClay(3.1, 12.0, 40.0, 60.0, 9.0)),
       Branch::kClosedForm},
      {"soft clay below liquefied sand: its integral stands in",
       twoLayers(liquefied, softClay(3.1, 12.0, 40.0, 60.0, 9.0)), Branch::kClosedForm},
      {"soft clay below frozen soil: S = 0 gives 0",
       twoLayers(frozen, softClay(3.1, 12.0, 40.0, 60.0, 9.0)), Branch::kClosedForm},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Profile& p = c.profile;
    auto ctx = build(p);
    AnalysisModel& model = ctx->model;
    updateSoilModuli(*ctx);
    ASSERT_EQ(model.state.errorCode, 0);

    // F of the upper layer; a liquefied layer keeps its own, F stays 0.
    const double S = upperIntegral(p);
    const bool liquefiedAbove = p.upper.criterion == kLiquefied;
    const double F = liquefiedAbove ? model.layering.liquefiedF[1] : model.layering.F[1];
    EXPECT_NEAR(F, S, 1e-5 * S);
    if (liquefiedAbove) {
      EXPECT_EQ(model.layering.F[1], 0.0);
    }

    const HandDepth hand = lowerEquivalentDepth(p, S);
    EXPECT_EQ(static_cast<int>(hand.branch), static_cast<int>(c.branch));
    if (p.upper.criterion == kFrozen) {
      EXPECT_EQ(hand.Heq, 0.0);
    }
    EXPECT_NEAR(model.layerCorrection[2], hand.Heq, 1e-5 * hand.Heq + 1e-12);

    // The curve printed at a requested depth in the lower layer states the
    // depth it used: the equivalent depth of the last analysis sweep, not
    // one computed again from what the layers above hold now.
    model.layering.F[1] = 1e9;
    model.layering.liquefiedF[1] = 1e9;
    PyOutputDepths& out = model.tables.pyOutput;
    out.count = 1;
    out.depth[1] = p.printDepth;
    printPyCurvesAtDepths(*ctx);
    ASSERT_EQ(model.state.errorCode, 0);
    const double expected = p.printDepth - p.lower.top + hand.Heq;
    EXPECT_NEAR(printedValue(ctx->report.text(), "Equivalent Depth"), expected, 0.0006);
  }
}

// Every node of two profiles, clay over sand and sand over clay, on the curve
// of its published criterion at its deflection: the first layer at its depth
// below the ground, the second at (x - layer top) + Heq, Heq worked by hand
// from the soil at the layer's first node (the clay below the sand gains
// strength with depth: every node still takes that one Heq).
TEST(LayeredSweep, EveryNodeLiesOnItsCorrectedCurve) {
  const Profile profiles[] = {
      twoLayers(softClay(0.0, 3.1, 20.0, 24.0, 8.0), sand(kReese, 3.1, 12.0)),
      twoLayers(sand(kReese, 0.0, 3.1), softClay(3.1, 12.0, 40.0, 80.0, 9.0)),
  };
  for (const Profile& p : profiles) {
    SCOPED_TRACE(p.upper.criterion);
    auto ctx = build(p);
    const AnalysisModel& model = ctx->model;
    updateSoilModuli(*ctx);
    ASSERT_EQ(model.state.errorCode, 0);
    const double Heq = lowerEquivalentDepth(p, upperIntegral(p)).Heq;
    // Far enough from the depth of the layer top to tell the two apart.
    ASSERT_GT(std::abs(Heq - p.lower.top), 0.1 * p.lower.top);

    for (int i = 1; i <= model.pileModel.N; ++i) {
      const double x = (i - 1) * increment(p);
      SCOPED_TRACE(x);
      const bool lower = x >= p.lower.top;
      const Layer& l = lower ? p.lower : p.upper;
      const double z = lower ? x - p.lower.top + Heq : x;
      const double y = model.pileModel.y(i);
      const double g = averageUnitWeight(p, x);
      double expected = 0.0;
      if (l.criterion == kSoftClay) {
        expected = testing::matlockP({strengthAt(l, x), g, l.e50, 0.5, p.D, z, false}, y);
      } else if (z > 0.0) {  // sand: no resistance at the ground surface
        expected = testing::reeseCurve({l.phi, g, p.D, z, l.k}, false).p(y);
      }
      const double actual = model.pileModel.node[static_cast<std::size_t>(i)].Es * y;
      EXPECT_NEAR(actual, expected, 1e-6 * expected + 1e-12);
    }
  }
}

// Below weak rock the layer keeps the depth below the ground surface: no
// equivalent depth is computed, and the printed sand curve says so.
TEST(LayeredSweep, BelowRockTheDepthBelowTheGroundHolds) {
  const Profile p = twoLayers({kWeakRock, 0.0, 3.1, 5000.0, 5000.0, 12.0}, sand(kReese, 3.1, 12.0));
  auto ctx = build(p);
  AnalysisModel& model = ctx->model;
  SoilLayer& rock = model.soil.layers[1];
  setValue(rock.rockModulus, 1.0e6, 1.0e6);
  setValue(rock.rqd, 50.0, 50.0);
  setValue(rock.krm, 0.0001, 0.0001);
  rock.epsilon50 = rock.krm;  // where the soil queries find k_rm
  updateSoilModuli(*ctx);
  ASSERT_EQ(model.state.errorCode, 0);
  EXPECT_EQ(model.layerCorrection[2], kEquivalentDepthNotComputed);
  EXPECT_TRUE(model.layering.NoEquivDepth[2]);
  for (const double x : nodesOf(p, p.lower)) {
    SCOPED_TRACE(x);
    const int i = static_cast<int>(std::lround(x / increment(p))) + 1;
    const double y = model.pileModel.y(i);
    const double expected =
        testing::reeseCurve({35.0, averageUnitWeight(p, x), p.D, x, 20000.0}, false).p(y);
    EXPECT_NEAR(model.pileModel.node[static_cast<std::size_t>(i)].Es * y, expected,
                1e-6 * expected);
  }

  model.tables.pyOutput.count = 1;
  model.tables.pyOutput.depth[1] = p.printDepth;
  printPyCurvesAtDepths(*ctx);
  const std::string& report = ctx->report.text();
  EXPECT_NEAR(printedValue(report, "Equivalent Depth (see note)"), p.printDepth, 0.0006);
  EXPECT_TRUE(testing::contains(report, "This layer is below one or more layers of rock."));
  EXPECT_FALSE(testing::contains(report, "computed using the equivalent depth"));
}

}  // namespace
}  // namespace quarn::soil
