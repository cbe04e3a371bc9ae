// The curve a criterion returns at a point of the layer sweep: its own curve
// with the soil values its printed block shows, one alternative per criterion
// family. The sweep asks it for what all curves answer: the small-deflection
// rule, the limiting and the secant modulus, and the contribution to the
// layer integral F(k) of layered soil.
#pragma once

#include <variant>

#include "soil/cemented_silt.h"
#include "soil/elastic_subgrade.h"
#include "soil/liquefied_sand.h"
#include "soil/loess.h"
#include "soil/massive_rock.h"
#include "soil/piedmont.h"
#include "soil/py_framework.h"
#include "soil/sand.h"
#include "soil/soft_clay.h"
#include "soil/stiff_clay.h"
#include "soil/user_py.h"
#include "soil/weak_rock.h"

namespace quarn::soil {

struct PyCurve {
  std::variant<SoftClayAtPoint, StiffClayAtPoint, ReeseSandAtPoint, ApiSandAtPoint,
               LiquefiedSandAtPoint, WeakRockAtPoint, VuggyLimestoneAtPoint, MassiveRockAtPoint,
               PiedmontAtPoint, CementedSiltAtPoint, LoessAtPoint, ElasticSubgradeAtPoint,
               UserPyAtPoint>
      atPoint;

  // The criterion's own curve, for its printed block.
  template <class AtPoint>
  const AtPoint& as() const {
    return std::get<AtPoint>(atPoint);
  }

  // True where the curve's limiting modulus replaces the secant (y is the
  // deflection divided by the y-multiplier).
  bool belowSmallDeflectionLimit(double y) const {
    return std::visit([y](const auto& c) { return c.belowSmallDeflectionLimit(y); }, atPoint);
  }
  // The modulus below the small-deflection limit, with or without the
  // multipliers as the criterion has it.
  double limitingModulus(double pm, double ym) const {
    return std::visit([=](const auto& c) { return c.limitingModulus(pm, ym); }, atPoint);
  }
  // The secant pm p(y) / (ym y) in the criterion's own arithmetic.
  double secantModulus(double y, double pm, double ym) const {
    return std::visit([=](const auto& c) { return c.secantModulus(y, pm, ym); }, atPoint);
  }
  // The point's contribution to F(k); a criterion without one adds nothing.
  void addToLayerIntegral(LayerIntegral& F, const PyPoint& point) const {
    std::visit(
        [&](const auto& c) {
          if constexpr (requires { c.addToLayerIntegral(F, point); })
            c.addToLayerIntegral(F, point);
        },
        atPoint);
  }
};

}  // namespace quarn::soil
