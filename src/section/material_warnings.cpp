#include "section/material_warnings.h"

#include "engine/messages.h"

namespace quarn::section {

namespace {

struct Range {
  double low;
  double high;
};

// The ranges in the working units of a unit system.
struct MaterialRanges {
  Range concreteStrength;
  Range barModulus;
  Range barYield;
  Range cover;
};

// In SI the limits are the rounded values the warning texts give.
constexpr MaterialRanges kUsRanges{{2.5, 12.0}, {25000.0, 32000.0}, {40.0, 100.0}, {1.5, 6.0}};
constexpr MaterialRanges kSiRanges{
    {17237.0, 82737.0}, {172.4e6, 220.6e6}, {275800.0, 689500.0}, {0.0381, 0.1524}};

void check(AnalysisModel& model, double value, const Range& range, int lowCode, int highCode) {
  if (value < range.low) engine::registerWarning(model.state, lowCode);
  if (value > range.high) engine::registerWarning(model.state, highCode);
}

}  // namespace

void checkSectionMaterials(AnalysisModel& model, const SectionState& s) {
  const int units = model.options.IUNITS;
  if (units != kUnitsUsCustomary && units != kUnitsSi) return;
  const MaterialState& mat = s.materials;
  if (mat.ConcreteModel != kConcreteModelStandard) return;
  const MaterialRanges& r = units == kUnitsUsCustomary ? kUsRanges : kSiRanges;
  check(model, mat.compressiveStrength, r.concreteStrength, kWarningConcreteStrengthLow,
        kWarningConcreteStrengthHigh);
  if (mat.SteelModel == kSteelModelRebar && s.slices.NumBars > 0) {
    check(model, mat.barModulus, r.barModulus, kWarningBarModulusLow, kWarningBarModulusHigh);
    check(model, mat.barYieldStress, r.barYield, kWarningBarYieldLow, kWarningBarYieldHigh);
  }
  // The cover is entered for bars on a circle and for strands placed by a
  // layout; bars entered one by one have none.
  if (s.uniformBars) check(model, s.barCover, r.cover, kWarningCoverSmall, kWarningCoverLarge);
}

}  // namespace quarn::section
