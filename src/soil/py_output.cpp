#include "soil/py_output.h"

#include <array>
#include <span>
#include <string>
#include <utility>

#include "analysis/pile_model.h"
#include "output/format.h"
#include "output/plot_records.h"
#include "soil/py_framework.h"
#include "engine/messages.h"

namespace quarn::soil {

namespace {

using engine::Channel;
using engine::RunContext;

// Output depths, 1-based like the node list they are copied into.
using DepthList = std::array<double, kMaxPyOutputDepths + 1>;

// Sorts the depths ascending by exchange and drops exact repeats; returns the
// number kept.
int orderedDistinctDepths(const PyOutputDepths& input, DepthList& depth) {
  const int count = input.count;
  if (count < 0 || count > kMaxPyOutputDepths) {
    engine::failInvariant("p-y output depth count " + std::to_string(count));
  }
  for (int i = 1; i <= count; ++i) depth[i] = input.depth[i];
  for (int i = 1; i < count; ++i) {
    for (int j = i + 1; j <= count; ++j) {
      if (depth[j] < depth[i]) std::swap(depth[i], depth[j]);
    }
  }
  int kept = 0;
  for (int i = 1; i <= count; ++i) {
    bool repeated = false;
    for (int j = 1; j <= kept; ++j) repeated = repeated || depth[j] == depth[i];
    if (!repeated) depth[++kept] = depth[i];
  }
  return kept;
}

// The printing borrows the node positions 1..n and the layer node ranges of
// the pile model for the output depths; this puts back what the analysis
// holds, also when a criterion stops the run while printing.
class BorrowedPileModel {
 public:
  BorrowedPileModel(AnalysisModel& model, int n)
      : model_(model),
        n_(n),
        topNodes_(model.pileModel.i_TopNodeInLayer),
        bottomNodes_(model.pileModel.i_BottomNodeInLayer),
        rockLayersAbove_(model.layering.RockLayersAbove) {
    for (int j = 1; j <= n_; ++j) x_[j] = model.pileModel.node[j].x;
  }
  ~BorrowedPileModel() {
    PileModel& pm = model_.pileModel;
    for (int j = 1; j <= n_; ++j) pm.node[j].x = x_[j];
    pm.i_TopNodeInLayer = topNodes_;
    pm.i_BottomNodeInLayer = bottomNodes_;
    model_.layering.RockLayersAbove = rockLayersAbove_;
  }
  BorrowedPileModel(const BorrowedPileModel&) = delete;
  BorrowedPileModel& operator=(const BorrowedPileModel&) = delete;

 private:
  AnalysisModel& model_;
  int n_;
  DepthList x_{};
  std::array<int, kMaxLayers + 2> topNodes_;
  std::array<int, kMaxLayers + 2> bottomNodes_;
  int rockLayersAbove_;
};

// Input error 23: the depth lies above the ground surface, where no soil
// gives a curve.
void writeDepthAboveGroundSurface(RunContext& ctx, int j, double depth, double groundSurface) {
  const std::string& unit = ctx.model.labels.length;
  for (Channel* out : {&ctx.report, &ctx.messages}) {
    out->line("**** Input Data Error No. 23 (NON-FATAL) ****");
    out->endLine();
    output::write(*out, "(\"p-y curves cannot be generated at depth number \" I0)", {j});
    output::write(*out, "(\"This location is \" F9.3 \" \" A \" below the pile head and \")",
                  {depth, unit});
    out->line("is above the ground surface for this problem.");
    out->endLine();
    output::write(*out, "(\"The ground surface is \" F9.3 \" \" A \" below the top of the pile.\")",
                  {groundSurface, unit});
    out->endLine();
  }
}

}  // namespace

void printPyCurvesAtDepths(RunContext& ctx) {
  AnalysisModel& model = ctx.model;
  DepthList depth{};
  const int n = orderedDistinctDepths(model.tables.pyOutput, depth);

  output::writePlotLine6(ctx.plot, n);
  ctx.messages.line("Computing p-y curves for output at user-specified depths.");
  Channel& out = ctx.report;
  out.line(std::string(80, '-'));
  out.line(std::string(20, ' ') + "p-y Curves Reported for Specified Depths");
  out.line(std::string(80, '-'));
  if (n == 0) return;

  BorrowedPileModel borrowed(model, n);
  PileModel& pm = model.pileModel;
  const double groundSurface = model.soil.layers[1].top;
  for (int j = 1; j <= n; ++j) {
    if (depth[j] < groundSurface) {
      writeDepthAboveGroundSurface(ctx, j, depth[j], groundSurface);
      // Recorded without the line of the error routine, and without a stop:
      // the analysis goes on (see Analyze_Load_Cases). An error that already
      // stops the run (a non-converged case of load type 4) keeps its code.
      if (!engine::isStopped(model)) model.state.errorCode = kPyDepthAboveGroundSurface;
      output::writePlotLine7RejectedDepth(ctx.plot, depth[j]);
      return;
    }
    pm.node[j].x = depth[j];
  }

  analysis::Assign_Layer_Nodes_Along_Axis(ctx, n);
  const std::span<const double> depths(depth.data(), static_cast<std::size_t>(n) + 1);
  for (int k = 1; k <= model.soil.numberOfLayers; ++k) {
    const int first = pm.i_TopNodeInLayer[static_cast<std::size_t>(k)];
    const int last = pm.i_BottomNodeInLayer[static_cast<std::size_t>(k)];
    if (first == 0 || last < first) continue;
    // The criteria use the equivalent depth of layered soil only while no
    // rock-like layer lies above; the last analysis sweep marked the layers
    // below one.
    model.layering.RockLayersAbove =
        model.layering.NoEquivDepth[static_cast<std::size_t>(k)] ? 1 : 0;
    printPyCurves(ctx, k, first, last, depths);
  }
}

}  // namespace quarn::soil
