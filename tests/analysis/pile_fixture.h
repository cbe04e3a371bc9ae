// Hand-built pile models for the analysis tests: an elastic pile of given
// length, bending stiffness and soil modulus, set up as a load case would be,
// with every channel captured in memory.
#pragma once

#include <memory>

#include "analysis/pile_model.h"
#include "engine/run_context.h"

namespace quarn::analysis::testing {

struct ElasticPile {
  double length = 1000.0;
  int increments = 500;
  double EI = 1.0e10;
  double Es = 1000.0;  // soil modulus at every node
  double width = 24.0;
  double area = 100.0;
};

// One elastic section (circular) over the whole length, one soil layer, the
// ground surface at the head, the nodes placed and every node given the soil
// modulus; load case 1 started with the head condition.
inline std::unique_ptr<engine::RunContext> makeElasticPile(const ElasticPile& pile,
                                                           const HeadCondition& head = {}) {
  auto ctx = engine::makeRunContext();
  ctx->report.captureInMemory();
  ctx->messages.captureInMemory();
  ctx->plot.captureInMemory();
  ctx->console.captureInMemory();
  AnalysisModel& model = ctx->model;
  model.options.numberOfIncrements = pile.increments;
  model.pile.length = pile.length;
  model.pile.numberOfSections = 1;
  PileSection& section = model.pile.sections[1];
  section.type = SectionType::Elastic;
  section.elastic.shape = kShapeCircular;
  section.length = pile.length;
  section.topDepth = 0.0;
  section.bottomDepth = pile.length;
  model.pile.numberOfStations = 2;
  const double modulus = 29.0e6;
  for (int s = 1; s <= 2; ++s) {
    PropertyStation& station = model.pile.stations[s];
    station.depth = s == 1 ? 0.0 : pile.length;
    station.width = pile.width;
    station.width2 = pile.width;
    station.modulus = modulus;
    station.inertia = pile.EI / modulus;
    station.area = pile.area;
  }
  model.soil.numberOfLayers = 1;
  model.soil.layers[1].criterion = 13;  // elastic subgrade
  model.soil.layers[1].top = 0.0;
  model.soil.layers[1].bottom = pile.length;
  setupPileModel(*ctx);
  for (int k = 1; k <= model.pileModel.N; ++k) model.pileModel.node[k].Es = pile.Es;
  startLoadCase(model.pileModel, head);
  return ctx;
}

inline HeadCondition shearAndMoment(double shear, double moment, double thrust = 0.0) {
  HeadCondition head;
  head.loadType = HeadLoadType::kShearMoment;
  head.Pt = shear;
  head.Mt = moment;
  head.Q = thrust;
  return head;
}

}  // namespace quarn::analysis::testing
