#include "engine/messages.h"
#include "engine/pile_properties.h"

#include <algorithm>

namespace quarn::engine {

namespace {

PileProperties propertiesAt(const PropertyStation& s) {
  return {s.width, s.width2, s.inertia, s.area, s.inertia * s.modulus};
}

}  // namespace

PileProperties Compute_Pile_Properties(const Pile& pile, double x) {
  const int last = pile.numberOfStations;
  const auto& st = pile.stations;
  if (last < 1) return {};
  if (last > 2 * kMaxSections)
    engine::failInvariant("more property stations than sections allow");
  if (last == 1) return propertiesAt(st[1]);

  int k = 2;
  while (k <= last && x > st[k].depth) ++k;
  if (k > last || x == st[last].depth) return propertiesAt(st[last]);
  if (x == st[k].depth) {
    // Two stations at one depth mark a section boundary: the node takes the
    // top of the lower section.
    return propertiesAt(st[k + 1].depth == st[k].depth ? st[k + 1] : st[k]);
  }
  const PropertyStation& upper = st[k - 1];
  const PropertyStation& lower = st[k];
  // Only a zero-length first section can leave no interval to interpolate in.
  if (lower.depth == upper.depth) return propertiesAt(lower);
  const double t = (x - upper.depth) / (lower.depth - upper.depth);
  auto lerp = [t](double top, double bottom) { return top + t * (bottom - top); };
  return {lerp(upper.width, lower.width), lerp(upper.width2, lower.width2),
          lerp(upper.inertia, lower.inertia), lerp(upper.area, lower.area),
          lerp(upper.inertia * upper.modulus, lower.inertia * lower.modulus)};
}

double fn_DistributedLoadIntegral(const LoadProfile& profile, double x, double h, double L) {
  const int m = profile.points;
  if (m <= 0) return 0.0;
  if (m >= static_cast<int>(profile.depth.size()) || m >= static_cast<int>(profile.load.size())) {
    engine::failInvariant("distributed load profile holds more points than its table");
  }
  const auto& xd = profile.depth;
  const auto& wd = profile.load;

  // Tributary window of the node, clipped to the pile.
  double from = std::max(0.0, x - h / 2.0);
  double to = std::min(L, x + h / 2.0);
  if (xd[1] >= to || from > xd[m]) return 0.0;
  // No load acts outside the depth range of the profile.
  from = std::max(from, xd[1]);
  to = std::min(to, xd[m]);

  // Trapezoidal rule over the window: the part of every profile segment that
  // lies inside it, with the load interpolated at the window ends. A step in
  // the load (two points at one depth) is a segment of zero length.
  double integral = 0.0;
  for (int i = 1; i < m; ++i) {
    const double segmentTop = xd[i];
    const double segmentBottom = xd[i + 1];
    const double lo = std::max(from, segmentTop);
    const double hi = std::min(to, segmentBottom);
    if (hi <= lo) continue;
    const double slope = (wd[i + 1] - wd[i]) / (segmentBottom - segmentTop);
    const double wLo = wd[i] + (lo - segmentTop) * slope;
    const double wHi = wd[i] + (hi - segmentTop) * slope;
    integral += 0.5 * (wLo + wHi) * (hi - lo);
  }

  return integral;
}

double fn_DistributedLoad(const LoadProfile& profile, double x, double h, double L) {
  const double integral = fn_DistributedLoadIntegral(profile, x, h, L);
  // Head and tip nodes carry half an increment.
  const bool endNode = x <= 0.0 || x >= L;
  return integral / (endNode ? h / 2.0 : h);
}

double fn_DistributedLoad(const AnalysisModel& model, double x) {
  const DistributedLoadTable& table = model.loads.distributed;
  const LoadProfile profile{table.points, table.depth, table.load};
  return fn_DistributedLoad(profile, x, model.pileModel.h, model.pileModel.length);
}

}  // namespace quarn::engine
