#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "engine/single_precision.h"
#include "section/slice_model.h"

namespace quarn::section {

namespace {

constexpr double kPi = std::numbers::pi;
// Beyond this the rounding of b = 1 - y/(D/2) is taken for the circle's edge.
constexpr double kSegmentEdgeBand = sp(0.99f);
// Clipped vertices closer than 1e-4 (squared distance below 1e-8) are one vertex.
constexpr double kDuplicateVertexSquared = sp(1.0e-8f);

double circleArea(double diameter) {
  return kPi / 4.0 * diameter * diameter;
}

// The slice holding y, where a y above the top fibre counts in slice 1: a bar
// or tube reaching past the compression face keeps its area in the section
// instead of landing in the bottom slice.
int sliceAtOrBelow(const SliceModel& model, double y) {
  if (y > model.SliceY[0]) return 1;
  return fn_FindSliceY(model, y);
}

// Adds the area of a round member centred at `centreY` to `target`, slice by
// slice. The member spans the slices from centreY + nominalDiameter/2 down
// to centreY - nominalDiameter/2 (judged by its nominal size); the share of
// each slice is that of a circle of `segmentDiameter` centred on the member,
// and the last slice takes what is left of `area`, so the shares always add
// up to `area`. Centring the circle keeps the centroid of the shares on the
// member: a bar whose area is smaller than its nominal outline (a strand)
// does not move toward the compression face.
void spreadRoundMember(const SliceModel& model, SliceArray& target, double centreY,
                       double nominalDiameter, double segmentDiameter, double area) {
  const int first = sliceAtOrBelow(model, centreY + nominalDiameter / 2.0);
  const int last = sliceAtOrBelow(model, centreY - nominalDiameter / 2.0);
  if (first >= last) {
    target[static_cast<std::size_t>(last)] += area;
    return;
  }
  const double circleTop = centreY + segmentDiameter / 2.0;
  SliceArray cumulative{};
  for (int i = first; i < last; ++i) {
    cumulative[static_cast<std::size_t>(i)] =
        fn_SegmentArea(segmentDiameter, circleTop - model.SliceY[static_cast<std::size_t>(i)]);
  }
  cumulative[static_cast<std::size_t>(last)] = area;
  for (int i = last; i > first; --i) {
    const auto u = static_cast<std::size_t>(i);
    target[u] += cumulative[u] - cumulative[u - 1];
  }
  target[static_cast<std::size_t>(first)] += cumulative[static_cast<std::size_t>(first)];
}

void subtract(SliceArray& from, const SliceArray& what) {
  for (int i = 1; i <= kNumSlices; ++i) {
    from[static_cast<std::size_t>(i)] -= what[static_cast<std::size_t>(i)];
  }
}

double sum(const SliceArray& values) {
  double total = 0.0;
  for (int i = 1; i <= kNumSlices; ++i) total += values[static_cast<std::size_t>(i)];
  return total;
}

void grossConcrete(SliceModel& model) {
  const KindComponents parts = kindComponents(model.kind);
  if (parts.circle && parts.concrete) {
    double previous = 0.0;
    for (int i = 1; i <= kNumSlices; ++i) {
      const double cumulative = fn_SegmentArea(model.diameter, i * model.delta);
      model.ConcreteArea[static_cast<std::size_t>(i)] = cumulative - previous;
      previous = cumulative;
    }
  } else if (parts.rectangle) {
    const double slice = model.H * model.B / model.NumSlicesReal;
    for (int i = 1; i <= kNumSlices; ++i) model.ConcreteArea[static_cast<std::size_t>(i)] = slice;
  } else if (parts.polygon) {
    const Polygon& p = model.SectionPolygon;
    for (int i = 1; i <= kNumSlices; ++i) {
      const auto u = static_cast<std::size_t>(i);
      model.ConcreteArea[u] = fn_PolygonAreaBelow(p, p.count, model.SliceY[u - 1]) -
                              fn_PolygonAreaBelow(p, p.count, model.SliceY[u]);
    }
  }
}

void yRange(const Polygon& p, double& yMin, double& yMax) {
  yMin = p.y[1];
  yMax = p.y[1];
  for (int v = 2; v <= p.count; ++v) {
    yMin = std::min(yMin, p.y[static_cast<std::size_t>(v)]);
    yMax = std::max(yMax, p.y[static_cast<std::size_t>(v)]);
  }
}

}  // namespace

double fn_SegmentArea(double D, double y) {
  if (!(D > 0.0)) return 0.0;  // a circle without size has no area (and no division by zero)
  double b = 1.0 - y / (D / 2.0);
  if (std::abs(b) > 1.0) {
    if (b > kSegmentEdgeBand) b = 1.0;
    if (b < -kSegmentEdgeBand) b = -1.0;
  }
  // theta is the half-angle of the segment: acos(b).
  double theta = kPi / 2.0;
  if (std::abs(b) >= 1.0e-12) {
    theta = std::atan(std::sqrt(std::abs(1.0 - b * b)) / b);
    if (b < 0.0) theta += kPi;
  }
  return D * D / 8.0 * (2.0 * theta - std::sin(2.0 * theta));
}

double fn_PolygonAreaBelow(const Polygon& polygon, int n, double level) {
  n = std::clamp(n, 0, kMaxPolygonVertices);
  if (n < 3) return 0.0;
  // Sutherland-Hodgman against the half-plane y <= level. Each edge emits at
  // most two vertices.
  constexpr int kCapacity = 2 * kMaxPolygonVertices + 1;
  std::array<double, kCapacity> cx{};
  std::array<double, kCapacity> cy{};
  int m = 0;
  auto emit = [&](double x, double y) {
    cx[static_cast<std::size_t>(m)] = x;
    cy[static_cast<std::size_t>(m)] = y;
    ++m;
  };
  auto crossing = [&](double x1, double y1, double x2, double y2) {
    const double x = x1 == x2 ? x1 : x1 + (level - y1) / ((y2 - y1) / (x2 - x1));
    emit(x, level);
  };
  for (int i = 1; i <= n; ++i) {
    const auto a = static_cast<std::size_t>(i);
    const auto b = static_cast<std::size_t>(i == n ? 1 : i + 1);
    const double x1 = polygon.x[a], y1 = polygon.y[a];
    const double x2 = polygon.x[b], y2 = polygon.y[b];
    const bool in1 = y1 <= level;
    const bool in2 = y2 <= level;
    if (in1 && in2) {
      if (m == 0) emit(x1, y1);
      emit(x2, y2);
    } else if (in1) {
      crossing(x1, y1, x2, y2);
    } else if (in2) {
      crossing(x1, y1, x2, y2);
      emit(x2, y2);
    }
  }
  // Drop every vertex that lies on the next one.
  int kept = 0;
  for (int j = 0; j < m; ++j) {
    const auto u = static_cast<std::size_t>(j);
    if (j + 1 < m) {
      const double dx = cx[u + 1] - cx[u];
      const double dy = cy[u + 1] - cy[u];
      if (dx * dx + dy * dy < kDuplicateVertexSquared) continue;
    }
    cx[static_cast<std::size_t>(kept)] = cx[u];
    cy[static_cast<std::size_t>(kept)] = cy[u];
    ++kept;
  }
  if (kept < 3 || kept > kNumSlices) return 0.0;
  const auto last = static_cast<std::size_t>(kept - 1);
  double twice = cy[0] * cx[last] - cx[0] * cy[last];
  for (std::size_t i = 0; i < last; ++i) twice += cx[i] * cy[i + 1] - cx[i + 1] * cy[i];
  return 0.5 * twice;
}

int fn_FindSliceY(const SliceModel& model, double Yreal) {
  for (int i = 1; i <= kNumSlices; ++i) {
    const auto u = static_cast<std::size_t>(i);
    if (model.SliceY[u] < Yreal && Yreal <= model.SliceY[u - 1]) return i;
  }
  return kNumSlices;
}

void buildSliceGrid(SliceModel& model) {
  const KindComponents parts = kindComponents(model.kind);
  if (parts.rectangle) {
    Polygon& p = model.SectionPolygon;
    const double b = model.B / 2.0;
    const double h = model.H / 2.0;
    p.count = 4;
    p.x[1] = -b, p.y[1] = -h;
    p.x[2] = b, p.y[2] = -h;
    p.x[3] = b, p.y[3] = h;
    p.x[4] = -b, p.y[4] = h;
  }
  if (parts.rectangle || parts.polygon) {
    double yBottom = 0.0;
    yRange(model.SectionPolygon, yBottom, model.yTop);
    model.H = model.yTop - yBottom;
    if (parts.polygon) model.B = model.H;
  } else {
    model.yTop = model.diameter / 2.0;
    model.H = model.diameter;
    model.B = model.H;
  }
  model.delta = std::abs(model.H) / model.NumSlicesReal;
  for (int i = 0; i <= kNumSlices; ++i) {
    model.SliceY[static_cast<std::size_t>(i)] = model.yTop - i * model.delta;
  }
}

void Calculate_Slice_Depths(SliceModel& model) {
  model.SliceDepth[1] = model.H / 200.0;
  for (int i = 2; i <= kNumSlices; ++i) {
    const auto u = static_cast<std::size_t>(i);
    model.SliceDepth[u] = model.SliceDepth[u - 1] + model.H / model.NumSlicesReal;
  }
}

void Calculate_Rebar_Slice_Areas(SliceModel& model, engine::Channel* report) {
  model.RebarArea.fill(0.0);
  if (model.NumBars > kMaxBars) {
    if (report != nullptr) {
      report->line("  Error in Calculate_Rebar_Slice_Areas - NumBars out of valid range = " +
                   std::to_string(model.NumBars) + " (more than " + std::to_string(kMaxBars) +
                   " bars)");
    }
    return;
  }
  for (int k = 1; k <= model.NumBars; ++k) {
    const auto u = static_cast<std::size_t>(k);
    const double area = model.barArea[u];
    const double equivalentDiameter = std::sqrt(4.0 * area / kPi);
    // The slices a bar spans are judged by its nominal diameter, its shares
    // by the circle of its area centred on the bar.
    spreadRoundMember(model, model.RebarArea, model.barY[u], model.barDiameter[u],
                      equivalentDiameter, area);
  }
  subtract(model.ConcreteArea, model.RebarArea);
}

void Calculate_Casing_Slice_Areas(SliceModel& model) {
  const double D = model.casingDiameter;
  const double t = model.casingThickness;
  model.CasingArea.fill(0.0);
  spreadRoundMember(model, model.CasingArea, 0.0, D, D, circleArea(D));
  const double inner = D - 2.0 * t;
  // A wall of half the diameter or more leaves no inner circle: solid steel.
  if (t > 0.0 && inner > 0.0) {
    SliceArray hole{};
    spreadRoundMember(model, hole, 0.0, inner, inner, circleArea(inner));
    subtract(model.CasingArea, hole);
  }
  if (model.kind != SectionKind::SteelPipePile) subtract(model.ConcreteArea, model.CasingArea);
}

void Calculate_Core_Slice_Areas(SliceModel& model, int k, bool coreConcreteModelled) {
  Core& core = model.cores[static_cast<std::size_t>(k)];
  core.firstSlice = 0;
  core.lastSlice = 0;
  if (!(core.diameter > 0.0)) return;  // no core
  const double top = core.y + core.diameter / 2.0;
  core.firstSlice = sliceAtOrBelow(model, top);
  core.lastSlice = sliceAtOrBelow(model, top - core.diameter);

  // The whole footprint leaves the section concrete.
  SliceArray footprint{};
  spreadRoundMember(model, footprint, core.y, core.diameter, core.diameter,
                    circleArea(core.diameter));
  subtract(model.ConcreteArea, footprint);

  SliceArray ring = footprint;
  const double inner = core.diameter - 2.0 * core.wallThickness;
  if ((core.wallThickness > 0.0 || core.b_FillCoreWithConcrete) && inner > 0.0) {
    SliceArray inside{};
    spreadRoundMember(model, inside, core.y, inner, inner, circleArea(inner));
    subtract(ring, inside);
    if (coreConcreteModelled && core.b_FillCoreWithConcrete) {
      for (int i = 1; i <= kNumSlices; ++i) {
        model.CoreConcreteArea[static_cast<std::size_t>(i)] += inside[static_cast<std::size_t>(i)];
      }
      model.TotalCoreConcreteArea = sum(model.CoreConcreteArea);
    }
  }
  // A void (no wall, no fill) keeps its footprint here; it carries no force
  // because the core steel works only with a positive wall thickness.
  for (int i = 1; i <= kNumSlices; ++i) {
    model.CoreSteelArea[static_cast<std::size_t>(i)] += ring[static_cast<std::size_t>(i)];
  }
}

void Calculate_HP_Slice_Areas(SliceModel& model) {
  model.HPileArea.fill(0.0);
  const Polygon& outline = model.HPileOutline;
  model.hPileFirstSlice = 0;
  model.hPileLastSlice = 0;
  if (outline.count < 3) return;
  double yMin = 0.0, yMax = 0.0;
  yRange(outline, yMin, yMax);
  model.hPileFirstSlice = sliceAtOrBelow(model, yMax);
  model.hPileLastSlice = sliceAtOrBelow(model, yMin);
  for (int i = model.hPileFirstSlice; i <= model.hPileLastSlice; ++i) {
    const auto u = static_cast<std::size_t>(i);
    model.HPileArea[u] = fn_PolygonAreaBelow(outline, outline.count, model.SliceY[u - 1]) -
                         fn_PolygonAreaBelow(outline, outline.count, model.SliceY[u]);
  }
  subtract(model.ConcreteArea, model.HPileArea);
}

void Calculate_Concrete_Slice_Areas(SliceModel& model, bool coreConcreteModelled,
                                    engine::Channel* report) {
  for (SliceArray* a : {&model.ConcreteArea, &model.RebarArea, &model.CasingArea,
                        &model.CoreSteelArea, &model.CoreConcreteArea, &model.HPileArea}) {
    a->fill(0.0);
  }
  model.TotalConcreteArea = 0.0;
  model.TotalRebarArea = 0.0;
  model.TotalCoreConcreteArea = 0.0;

  const KindComponents parts = kindComponents(model.kind);
  grossConcrete(model);
  if (parts.casing) Calculate_Casing_Slice_Areas(model);
  if (parts.bars) Calculate_Rebar_Slice_Areas(model, report);
  if (parts.cores) {
    for (int k = 1; k <= std::min(model.coreCount, kMaxCores); ++k) {
      Calculate_Core_Slice_Areas(model, k, coreConcreteModelled);
    }
  }
  if (parts.hPile) Calculate_HP_Slice_Areas(model);
  if (!parts.concrete) return;  // the bare pipe: no concrete, no totals

  model.TotalConcreteArea = sum(model.ConcreteArea);
  model.TotalRebarArea = sum(model.RebarArea);
}

}  // namespace quarn::section
