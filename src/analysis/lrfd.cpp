#include "analysis/lrfd.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/messages.h"
#include "engine/pile_properties.h"
#include "output/format.h"

namespace quarn::analysis {

namespace {

constexpr double kPoundsPerKip = 1000.0;
constexpr double kInchesPerFoot = 12.0;

int checkedCombinations(const AnalysisModel& model) {
  const int M = model.loads.numberOfLrfdCombinations;
  QUARN_ASSERT(M >= 0 && M <= kMaxLrfdCombinations, "LRFD combinations outside 0 to 100");
  return M;
}

int checkedGroups(const AnalysisModel& model) {
  const int n = model.loads.numberOfLrfdLoads;
  QUARN_ASSERT(n >= 0 && n <= kMaxLrfdLoads, "LRFD load groups outside 0 to 100");
  return n;
}

const LrfdLoad& groupOf(const AnalysisModel& model, int m) {
  const LrfdLoad& group = model.loads.lrfdLoads[static_cast<std::size_t>(m)];
  QUARN_ASSERT(group.loadTypeIndex >= 1 && group.loadTypeIndex <= kLrfdLoadTypes,
               "LRFD load type index outside 1 to 13");
  return group;
}

}  // namespace

void Compute_Lrfd_Loads(AnalysisModel& model) {
  LrfdResults& r = model.lrfd;
  r.totals.fill(LrfdTypeTotals{});
  r.combination.fill(LrfdCombinationLoads{});
  r.numberOfThrusts = 0;
  r.thrust.fill(0.0);

  const int groups = checkedGroups(model);
  for (int m = 1; m <= groups; ++m) {
    const LrfdLoad& group = groupOf(model, m);
    LrfdTypeTotals& t = r.totals[static_cast<std::size_t>(group.loadTypeIndex)];
    ++t.groups;
    t.horizontalForce += group.horizontalForce;
    t.moment += group.moment;
    t.axialForce += group.axialForce;
  }

  const int M = checkedCombinations(model);
  for (int L = 1; L <= M; ++L) {
    const LrfdCombination& c = model.loads.lrfdCombinations[static_cast<std::size_t>(L)];
    LrfdCombinationLoads& f = r.combination[static_cast<std::size_t>(L)];
    // Every factor counts in the sums, also a negative one.
    for (int g = 1; g <= kLrfdLoadTypes; ++g) {
      const double factor = c.loadFactors[static_cast<std::size_t>(g)];
      const LrfdTypeTotals& t = r.totals[static_cast<std::size_t>(g)];
      f.horizontalForce += factor * t.horizontalForce;
      f.verticalForce += factor * t.axialForce;
      f.FactoredMoment += factor * t.moment;
    }
    f.FactoredShear = f.horizontalForce;
    f.FactoredAxial = f.verticalForce;
  }

  // A battered pile carries the horizontal and vertical head loads as a
  // shear across and an axial force along its axis.
  const double beta = model.tables.batter.batterAngle;
  r.batterTransformed = std::fabs(beta) > kLrfdBatterThreshold;
  if (r.batterTransformed) {
    const double cosB = std::cos(beta);
    const double sinB = std::sin(beta);
    for (int L = 1; L <= M; ++L) {
      LrfdCombinationLoads& f = r.combination[static_cast<std::size_t>(L)];
      f.FactoredShear = f.horizontalForce * cosB + f.verticalForce * sinB;
      f.FactoredAxial = -f.horizontalForce * sinB + f.verticalForce * cosB;
    }
  }

  // The distinct axial forces, ascending; equal values (exactly) count once.
  std::array<double, kMaxLrfdCombinations> sorted{};
  for (int L = 1; L <= M; ++L) {
    sorted[static_cast<std::size_t>(L - 1)] =
        r.combination[static_cast<std::size_t>(L)].FactoredAxial;
  }
  const auto first = sorted.begin();
  std::sort(first, first + M);
  const auto last = std::unique(first, first + M);
  r.numberOfThrusts = static_cast<int>(last - first);
  std::copy(first, last, r.thrust.begin() + 1);
  for (int L = 1; L <= M; ++L) {
    LrfdCombinationLoads& f = r.combination[static_cast<std::size_t>(L)];
    const auto at = std::find(first, last, f.FactoredAxial);
    QUARN_ASSERT(at != last, "factored axial force missing from the distinct thrusts");
    f.ThrustIndex = static_cast<int>(at - first) + 1;
  }

  // The section analysis works with kips in US customary runs.
  Loads& loads = model.loads;
  const double scale = model.options.IUNITS == kUnitsUsCustomary ? 1.0 / kPoundsPerKip : 1.0;
  loads.numberOfAxialThrusts = r.numberOfThrusts;
  for (int i = 1; i <= r.numberOfThrusts; ++i) {
    loads.axialThrusts[static_cast<std::size_t>(i)] = r.thrust[static_cast<std::size_t>(i)] * scale;
  }
  r.computed = true;
}

void Compute_Lrfd_Distributed_Loads(AnalysisModel& model) {
  LrfdResults& r = model.lrfd;
  const PileModel& pm = model.pileModel;
  QUARN_ASSERT(pm.N >= 2 && pm.N <= kNodeCapacity, "LRFD distributed loads without a pile grid");
  for (auto& row : r.LrfdTypeNodeLoad) row.fill(0.0);

  // Depths of the distributed loads are entered like every depth along the
  // pile: in feet in US customary input (the group table heads them "ft"),
  // so they are taken in inches here, where the nodes lie.
  const double depthScale = model.options.IUNITS == kUnitsUsCustomary ? kInchesPerFoot : 1.0;
  std::array<double, kMaxLrfdDistributedPoints + 1> depth{};
  const int groups = checkedGroups(model);
  for (int g = 1; g <= kLrfdLoadTypes; ++g) {
    auto& row = r.LrfdTypeNodeLoad[static_cast<std::size_t>(g)];
    for (int m = 1; m <= groups; ++m) {
      const LrfdLoad& group = groupOf(model, m);
      const int points = group.distributedPointCount;
      if (group.loadTypeIndex != g || points < 1) continue;
      QUARN_ASSERT(points <= kMaxLrfdDistributedPoints, "too many LRFD distributed-load points");
      for (int j = 1; j <= points; ++j) {
        depth[static_cast<std::size_t>(j)] =
            group.distributedDepth[static_cast<std::size_t>(j)] * depthScale;
      }
      const engine::LoadProfile profile{points, depth, group.distributedLoad};
      for (int k = 1; k <= pm.N; ++k) {
        row[static_cast<std::size_t>(k)] +=
            engine::fn_DistributedLoadIntegral(profile, pm.node[k].x, pm.h, pm.length);
      }
    }
    // Average intensities: head and tip nodes carry half an increment.
    for (int k = 1; k <= pm.N; ++k) {
      row[static_cast<std::size_t>(k)] /= (k == 1 || k == pm.N) ? pm.h / 2.0 : pm.h;
    }
  }
}

void writeLrfdDistributedLoads(engine::RunContext& ctx) {
  const AnalysisModel& model = ctx.model;
  const PileModel& pm = model.pileModel;
  const UnitLabels& labels = model.labels;
  const auto trimmed = [](const std::string& label) {
    return label.substr(0, label.find_last_not_of(' ') + 1);
  };
  const std::string force = trimmed(labels.force);
  const std::string length = trimmed(labels.length);
  for (int g = 1; g <= kLrfdLoadTypes; ++g) {
    const auto& row = model.lrfd.LrfdTypeNodeLoad[static_cast<std::size_t>(g)];
    const auto loaded = [&row](int k) { return row[static_cast<std::size_t>(k)] != 0.0; };
    bool any = false;
    for (int k = 1; k <= pm.N && !any; ++k) any = loaded(k);
    if (!any) continue;
    engine::Channel& out = ctx.report;
    output::write(out,
                  "(2/ \"Distributed Lateral Loads for LRFD:\" / "
                  "\"-----------------------------------\" /)",
                  {});
    output::write(out, "(/ \"Sums of Distributed Lateral Load Per Unit Length due to \" A30 /)",
                  {kLrfdLoadTypeTexts[static_cast<std::size_t>(g)].distributedName});
    output::write(out,
                  "(\"   Depth     Distributed Load\" / T5 A3 T19 A A A / "
                  "\"----------   ----------------\")",
                  {labels.length, force, "/", length});
    for (int k = 1; k <= pm.N; ++k) {
      if (loaded(k))
        output::write(out, "(F10.2 3X F10.2)", {pm.node[k].x, row[static_cast<std::size_t>(k)]});
    }
    output::write(out, "(/)", {});
  }
}

double fn_Lrfd_Node_Load(const AnalysisModel& model, int k, int L) {
  QUARN_ASSERT(L >= 1 && L <= kMaxLrfdCombinations, "LRFD combination outside 1 to 100");
  QUARN_ASSERT(k >= 1 && k <= kNodeCapacity, "node outside the pile grid");
  const LrfdCombination& c = model.loads.lrfdCombinations[static_cast<std::size_t>(L)];
  double w = 0.0;
  for (int g = 1; g <= kLrfdLoadTypes; ++g) {
    w += c.loadFactors[static_cast<std::size_t>(g)] *
         model.lrfd.LrfdTypeNodeLoad[static_cast<std::size_t>(g)][static_cast<std::size_t>(k)];
  }
  return w;
}

HeadCondition lrfdHeadCondition(const AnalysisModel& model, int L) {
  QUARN_ASSERT(model.lrfd.computed, "LRFD combination analysed before its factored loads");
  QUARN_ASSERT(L >= 1 && L <= model.loads.numberOfLrfdCombinations,
               "LRFD combination " + std::to_string(L) + " outside the input");
  const LrfdCombinationLoads& f = model.lrfd.combination[static_cast<std::size_t>(L)];
  HeadCondition head;
  head.loadType = HeadLoadType::kShearMoment;
  head.Pt = f.FactoredShear;
  head.Mt = f.FactoredMoment;
  head.Q = f.FactoredAxial;
  return head;
}

}  // namespace quarn::analysis
