// One conformance suite for every p-y criterion: properties any soil spring
// of the engine must have, checked through the layer sweep on the node's
// stored modulus (force = Es x deflection).
//
//   - no deflection gives no force and a finite, positive limiting modulus;
//   - the force is odd in the deflection;
//   - its magnitude never exceeds the ultimate resistance (times pm);
//   - it is continuous where the branches of the curve join.
//
// Each criterion adds its cases here; its own tests check points against its
// published formulas.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "matlock_reference.h"
#include "soil/py_framework.h"
#include "soil_fixture.h"

namespace quarn::soil {
namespace {

using testing::addLayer;
using testing::makeSoilContext;
using testing::MatlockClay;
using testing::matlockUltimate;
using testing::matlockY50;
using testing::placeVerticalNodes;
using testing::setUniformPile;
using testing::setValue;

struct ConformanceCase {
  std::string name;
  // Builds a model whose node `node` lies in a layer of the criterion.
  std::function<std::unique_ptr<engine::RunContext>()> build;
  int node;
  double ultimate;            // largest resistance of the curve at the node, pm included
  double scale;               // a deflection typical of the curve (y50, D/60, ...)
  std::vector<double> joins;  // deflections where two branches of the curve meet
};

// Force of the spring at node i for a deflection d of the pile (soil at rest).
double springForce(engine::RunContext& ctx, int i, double d) {
  ctx.model.pileModel.y(i) = d;
  updateSoilModuli(ctx);
  return ctx.model.pileModel.node[static_cast<std::size_t>(i)].Es * d;
}

class PyConformance : public ::testing::TestWithParam<ConformanceCase> {};

TEST_P(PyConformance, NoDeflectionNoForceAndAFiniteLimitingModulus) {
  const ConformanceCase& c = GetParam();
  auto ctx = c.build();
  EXPECT_EQ(springForce(*ctx, c.node, 0.0), 0.0);
  const double Es = ctx->model.pileModel.node[static_cast<std::size_t>(c.node)].Es;
  EXPECT_TRUE(std::isfinite(Es));
  EXPECT_GT(Es, 0.0);
}

TEST_P(PyConformance, ForceIsOddInTheDeflection) {
  const ConformanceCase& c = GetParam();
  auto ctx = c.build();
  for (double multiple : {1e-7, 0.01, 0.3, 1.0, 2.0, 5.0, 10.0, 50.0}) {
    SCOPED_TRACE(multiple);
    const double d = multiple * c.scale;
    EXPECT_EQ(springForce(*ctx, c.node, -d), -springForce(*ctx, c.node, d));
  }
}

TEST_P(PyConformance, ForceNeverExceedsTheUltimateResistance) {
  const ConformanceCase& c = GetParam();
  auto ctx = c.build();
  for (double multiple = 0.001; multiple < 100.0; multiple *= 1.1) {
    SCOPED_TRACE(multiple);
    const double force = springForce(*ctx, c.node, multiple * c.scale);
    // The exponent one third held in single precision lifts p at 8 y50 a few
    // parts in 1e8 above pu.
    EXPECT_LE(std::abs(force), c.ultimate * (1.0 + 1e-7));
  }
}

TEST_P(PyConformance, ForceIsContinuousWhereBranchesJoin) {
  const ConformanceCase& c = GetParam();
  auto ctx = c.build();
  for (double join : c.joins) {
    SCOPED_TRACE(join);
    const double below = springForce(*ctx, c.node, join * (1.0 - 1e-9));
    const double above = springForce(*ctx, c.node, join * (1.0 + 1e-9));
    EXPECT_NEAR(below, above, 1e-6 * c.ultimate);
  }
}

// ---- soft clay --------------------------------------------------------------

// A 20 m pile of 0.6 m diameter in one clay layer (SI units), c = 20 + x kPa,
// unit weight 8 + 0.1 x kN/m3, eps50 0.02, a node every 0.5 m; a p-multiplier
// of 0.7 and a y-multiplier of 1.5 throughout.
ConformanceCase softClayCase(const std::string& name, int criterion, double J, bool cyclic,
                             int node) {
  const double x = (node - 1) * 0.5;
  const MatlockClay clay{20.0 + x, 8.0 + 0.05 * x, 0.02, J, 0.6, x, cyclic};
  const double y50 = matlockY50(clay);
  const double pm = 0.7;
  const double ym = 1.5;
  ConformanceCase c;
  c.name = name;
  c.build = [=] {
    auto ctx = makeSoilContext(kUnitsSi);
    AnalysisModel& model = ctx->model;
    SoilLayer& layer = addLayer(model, criterion, 0.0, 20.0);
    setValue(layer.cohesion, 20.0, 40.0);
    setValue(layer.unitWeight, 8.0, 10.0);
    setValue(layer.epsilon50, 0.02, 0.02);
    setValue(layer.jFactor, J, J);
    model.options.cyclicLoading = cyclic;
    MultiplierTable& table = model.tables.multipliers;
    table.rows = 2;
    table.depth[1] = 0.0;
    table.depth[2] = 20.0;
    table.pMultiplier[1] = table.pMultiplier[2] = pm;
    table.yMultiplier[1] = table.yMultiplier[2] = ym;
    setUniformPile(model, 20.0, 0.6);
    placeVerticalNodes(model, 40);
    return ctx;
  };
  c.node = node;
  c.ultimate = pm * matlockUltimate(clay);
  c.scale = ym * y50;
  // Pile deflections (y-multiplier included) where the branches meet.
  c.joins = cyclic ? std::vector<double>{ym * 3.0 * y50, ym * 15.0 * y50}
                   : std::vector<double>{ym * 8.0 * y50};
  return c;
}

INSTANTIATE_TEST_SUITE_P(SoftClay, PyConformance,
                         ::testing::Values(softClayCase("SoftClayStaticShallow", 1, 0.5, false, 3),
                                           softClayCase("SoftClayStaticDeep", 1, 0.5, false, 31),
                                           softClayCase("SoftClayCyclicShallow", 1, 0.5, true, 3),
                                           softClayCase("SoftClayCyclicDeep", 1, 0.5, true, 31),
                                           softClayCase("SoftClyJStatic", 15, 0.25, false, 13),
                                           softClayCase("SoftClyJCyclic", 15, 0.25, true, 13)),
                         [](const ::testing::TestParamInfo<ConformanceCase>& info) {
                           return info.param.name;
                         });

}  // namespace
}  // namespace quarn::soil
