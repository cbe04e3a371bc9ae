// Hand-built sections for the section mechanics tests: a run context with its
// channels in memory and pile sections filled as the section reader fills
// them, plus the textbook formulas the tests compare with.
#pragma once

#include <cmath>
#include <memory>
#include <numbers>

#include "engine/messages.h"
#include "engine/run_context.h"
#include "section/section_setup.h"
#include "section/section_state.h"

namespace quarn::section::testing {

inline constexpr double kPi = std::numbers::pi;

inline std::unique_ptr<engine::RunContext> makeSectionContext(int unitSystem) {
  auto ctx = engine::makeRunContext();
  initializeModel(ctx->model, "test");
  ctx->report.captureInMemory();
  ctx->plot.captureInMemory();
  ctx->messages.captureInMemory();
  ctx->model.options.IUNITS = unitSystem;
  setUnitLabels(ctx->model);
  return ctx;
}

// Appends a section of the type with the concrete strength (psi or kPa) and
// returns it for its dimensions.
inline PileSection& addSection(AnalysisModel& model, SectionType type, double fc) {
  Pile& pile = model.pile;
  PileSection& s = pile.sections[static_cast<std::size_t>(++pile.numberOfSections)];
  s = PileSection{};
  s.type = type;
  s.length = 10.0;
  s.concrete.compressiveStrength = fc;
  return s;
}

// "Rebar in circle" as the reader stores it.
inline void setCircularBars(PileSection& s, double fy, double Es, int groups, int bundle,
                            double diameter, double area, double cover, double offset = 0.0) {
  ReinforcementData& r = s.rebar;
  r.arrangement = kBarsCircular;
  r.yieldStress = fy;
  r.elasticModulus = Es;
  r.groups = groups;
  r.bundleSize = bundle;
  r.numberOfBars = groups * bundle;
  r.barDiameter = diameter;
  r.barArea = area;
  r.cover = cover;
  r.offset = offset;
  for (int k = 1; k <= r.numberOfBars; ++k) {
    r.bars[static_cast<std::size_t>(k)] = BarPosition{0, diameter, area, 0.0, 0.0};
  }
}

// Loads and slices section `index`.
inline std::unique_ptr<SectionState> loadAndSlice(engine::RunContext& ctx, int index) {
  auto state = std::make_unique<SectionState>();
  loadSectionState(ctx, index, *state);
  sliceSection(*state, &ctx.report);
  return state;
}

// Builds the grid, the areas and the slice depths of a hand-set slice model.
inline void slice(SliceModel& m, bool coreConcreteModelled = true) {
  buildSliceGrid(m);
  Calculate_Concrete_Slice_Areas(m, coreConcreteModelled);
  Calculate_Slice_Depths(m);
}

inline double circleArea(double d) {
  return kPi / 4.0 * d * d;
}

// Area of the segment of height h of a circle of diameter D (textbook form).
inline double textbookSegment(double D, double h) {
  const double r = D / 2.0;
  if (h <= 0.0) return 0.0;
  if (h >= D) return kPi * r * r;
  return r * r * std::acos((r - h) / r) - (r - h) * std::sqrt(2.0 * r * h - h * h);
}

inline double sumOf(const SliceArray& a) {
  double s = 0.0;
  for (int i = 1; i <= kNumSlices; ++i) s += a[static_cast<std::size_t>(i)];
  return s;
}

// Second moment of the slice areas about mid-depth (slice centres as levers).
inline double sliceInertia(const SliceModel& m, const SliceArray& a) {
  double s = 0.0;
  for (int i = 1; i <= kNumSlices; ++i) {
    const auto u = static_cast<std::size_t>(i);
    const double lever = m.H / 2.0 - m.SliceDepth[u];
    s += a[u] * lever * lever;
  }
  return s;
}

}  // namespace quarn::section::testing
