// The moment-curvature table of one section and thrust: a 36 in drilled
// shaft with twelve bars at 200 kips, sliced once, one curve per iteration
// (about 130 points, each a Newton search of the neutral axis over the 100
// slices).

#include <benchmark/benchmark.h>

#include <memory>

#include "engine/messages.h"
#include "engine/run_context.h"
#include "section/capacities.h"
#include "section/moment_curvature.h"
#include "section/section_driver.h"
#include "section/section_setup.h"
#include "section/section_units.h"

namespace {

using namespace quarn;

std::unique_ptr<engine::RunContext> drilledShaft() {
  auto ctx = engine::makeRunContext();
  initializeModel(ctx->model, "bench");
  ctx->report.captureInMemory();
  ctx->model.options.IUNITS = kUnitsUsCustomary;
  Pile& pile = ctx->model.pile;
  pile.numberOfSections = 1;
  PileSection& s = pile.sections[1];
  s.type = SectionType::DrilledShaft;
  s.diameter = 36.0;
  s.concrete.compressiveStrength = 4000.0;
  ReinforcementData& r = s.rebar;
  r.arrangement = kBarsCircular;
  r.yieldStress = 60000.0;
  r.elasticModulus = 29.0e6;
  r.groups = 12;
  r.bundleSize = 1;
  r.numberOfBars = 12;
  r.barDiameter = 1.128;
  r.barArea = 1.0;
  r.cover = 3.0;
  for (int k = 1; k <= 12; ++k)
    r.bars[static_cast<std::size_t>(k)] = BarPosition{0, 1.128, 1.0, 0.0, 0.0};
  return ctx;
}

void BM_MomentCurvatureTable(benchmark::State& state) {
  auto ctx = drilledShaft();
  auto work = std::make_unique<section::SectionWork>();
  section::SectionState& s = work->state;
  section::loadSectionState(*ctx, 1, s);
  section::sliceSection(s);
  const section::SectionUnitLabels& labels = section::sectionUnitLabels(kUnitsUsCustomary);
  section::Compute_Axial_Structural_Capacity(ctx->report, s, labels);
  section::Compute_Tensile_Capacities(ctx->report, s, labels);
  for (auto _ : state) {
    section::computeMomentCurvature(*ctx, s, 200.0, 0.0, work->curve);
    benchmark::DoNotOptimize(work->curve.nominalMoment);
  }
  state.counters["points"] = work->curve.points;
}
BENCHMARK(BM_MomentCurvatureTable)->Unit(benchmark::kMillisecond);

}  // namespace
