// A hand-built model for the soil tests: a run context with its channels in
// memory, soil layers, a uniform pile and a node grid, without reading input.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "engine/messages.h"
#include "engine/run_context.h"

namespace quarn::soil::testing {

inline std::unique_ptr<engine::RunContext> makeSoilContext(int unitSystem) {
  auto ctx = engine::makeRunContext();
  initializeModel(ctx->model, "test");
  ctx->report.captureInMemory();
  ctx->plot.captureInMemory();
  ctx->messages.captureInMemory();
  ctx->model.options.IUNITS = unitSystem;
  setUnitLabels(ctx->model);
  return ctx;
}

// Appends a layer with the criterion code and its depths; returns it for the
// property values.
inline SoilLayer& addLayer(AnalysisModel& model, int criterion, double top, double bottom) {
  Soil& soil = model.soil;
  SoilLayer& layer = soil.layers[static_cast<std::size_t>(++soil.numberOfLayers)];
  layer = SoilLayer{};
  layer.criterion = criterion;
  layer.top = top;
  layer.bottom = bottom;
  return layer;
}

inline void setValue(LayerValue& value, double top, double bottom) {
  value = {top, bottom};
}

// One section of constant width from the head to the tip.
inline void setUniformPile(AnalysisModel& model, double length, double diameter) {
  Pile& pile = model.pile;
  pile.length = length;
  pile.numberOfSections = 1;
  pile.numberOfStations = 2;
  pile.stations[1] = PropertyStation{0.0, diameter, diameter, 1.0, 1.0, 1.0};
  pile.stations[2] = PropertyStation{length, diameter, diameter, 1.0, 1.0, 1.0};
}

// n equal increments along a vertical pile; every node of the soil layers is
// assigned to the layer whose depth range holds it (the top node of a layer
// is the first node at or below its top).
inline void placeVerticalNodes(AnalysisModel& model, int increments) {
  model.options.numberOfIncrements = increments;
  PileModel& pm = model.pileModel;
  pm.N = increments + 1;
  pm.length = model.pile.length;
  pm.h = model.pile.length / increments;
  for (int k = 1; k <= pm.N; ++k) {
    PileNode& node = pm.node[static_cast<std::size_t>(k)];
    node = PileNode{};
    node.x = (k - 1) * pm.h;
    node.xv = node.x;
  }
  pm.i_TopNodeInLayer.fill(0);
  pm.i_BottomNodeInLayer.fill(0);
  for (int j = 1; j <= model.soil.numberOfLayers; ++j) {
    const SoilLayer& layer = model.soil.layers[static_cast<std::size_t>(j)];
    for (int k = 1; k <= pm.N; ++k) {
      const double xv = pm.node[static_cast<std::size_t>(k)].xv;
      if (xv < layer.top || xv > layer.bottom) continue;
      // A node at an interface belongs to the lower layer.
      if (j < model.soil.numberOfLayers && xv == layer.bottom) continue;
      if (pm.i_TopNodeInLayer[static_cast<std::size_t>(j)] == 0) {
        pm.i_TopNodeInLayer[static_cast<std::size_t>(j)] = k;
      }
      pm.i_BottomNodeInLayer[static_cast<std::size_t>(j)] = k;
    }
  }
}

// Runs a step that may stop the run; returns the error code it recorded (0
// when it finished normally).
template <class Step>
int errorCodeOf(engine::RunContext& ctx, Step step) {
  try {
    step();
  } catch (const engine::RunStopped&) {
    EXPECT_GT(ctx.model.state.errorCode, 0) << "stopped without an error code";
  }
  return ctx.model.state.errorCode;
}

inline bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

}  // namespace quarn::soil::testing
