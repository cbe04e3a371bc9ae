// One solution of the finite-difference pile equations on the largest grid
// (500 increments, 501 nodes), and the evaluation of the node responses that
// follows a converged case.

#include <benchmark/benchmark.h>

#include "analysis/case_response.h"
#include "analysis/pile_model.h"
#include "analysis/solver.h"
#include "engine/run_context.h"

namespace {

using namespace quarn;

std::unique_ptr<engine::RunContext> makeLongPile(HeadLoadType loadType) {
  auto ctx = engine::makeRunContext();
  ctx->report.captureInMemory();
  ctx->messages.captureInMemory();
  AnalysisModel& model = ctx->model;
  model.options.numberOfIncrements = kMaxIncrements;
  model.pile.length = 1200.0;
  model.pile.numberOfSections = 1;
  model.pile.sections[1].type = SectionType::Elastic;
  model.pile.sections[1].bottomDepth = 1200.0;
  model.pile.numberOfStations = 2;
  model.pile.stations[1] = {0.0, 24.0, 24.0, 5000.0, 29.0e6, 40.0};
  model.pile.stations[2] = {1200.0, 24.0, 24.0, 5000.0, 29.0e6, 40.0};
  model.soil.numberOfLayers = 1;
  model.soil.layers[1].criterion = 13;
  model.soil.layers[1].bottom = 1200.0;
  analysis::setupPileModel(*ctx);
  PileModel& pm = model.pileModel;
  for (int k = 1; k <= pm.N; ++k) pm.node[k].Es = 200.0 + 1.5 * pm.node[k].x;
  HeadCondition head;
  head.loadType = loadType;
  head.Pt = 20000.0;
  head.Mt = 1.0e6;
  head.Yt = 0.5;
  head.Q = 100000.0;
  analysis::startLoadCase(pm, head);
  return ctx;
}

void BM_SolvePileDeflections(benchmark::State& state) {
  auto ctx = makeLongPile(static_cast<HeadLoadType>(state.range(0)));
  int iteration = 1;
  for (auto _ : state) {
    analysis::Solve_Pile_Deflections(*ctx, iteration++);
    benchmark::DoNotOptimize(ctx->model.pileModel.y(1));
  }
  state.counters["nodes"] = ctx->model.pileModel.N;
}
// Load type 1 (5 x 5 head system) and 5 (head solved directly).
BENCHMARK(BM_SolvePileDeflections)->Arg(1)->Arg(5);

void BM_NodeResponses(benchmark::State& state) {
  auto ctx = makeLongPile(HeadLoadType::kShearMoment);
  analysis::Solve_Pile_Deflections(*ctx, 1);
  analysis::CaseResponse response;
  for (auto _ : state) {
    analysis::computeCaseResponse(ctx->model, 1, {1, true}, response);
    benchmark::DoNotOptimize(response.maxMoment);
  }
}
BENCHMARK(BM_NodeResponses);

}  // namespace
