#include "soil/py_output.h"

#include <array>
#include <span>
#include <string>
#include <utility>

#include "engine/messages.h"
#include "output/format.h"
#include "output/plot_records.h"
#include "soil/py_framework.h"

namespace quarn::soil {

namespace {

using engine::Channel;
using engine::RunContext;

// Requested depths, 1-based like node numbers (element 0 unused).
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

// The requested depths of each layer: first and last index into the depth
// list, 0 for a layer without one. Entry numberOfLayers + 1 stands for
// "below every layer".
struct LayerDepthRanges {
  std::array<int, kMaxLayers + 2> first{};
  std::array<int, kMaxLayers + 2> last{};
};

// Assigns the sorted depths depth[1..n] to the soil layers by the rule that
// assigns the nodes along the pile axis: a layer's first depth is the first
// at or below its top, provided it lies at or above its bottom (a depth at an
// interface goes to the upper layer when the layer above still takes it);
// its last depth is the one before the first depth of the next layer that
// has one, and the layer that reaches the deepest depth ends there. A layer
// with depths but no deeper layer with depths, that does not reach the
// deepest depth, is reported in the diagnostic block of the assignment and
// gets no range.
LayerDepthRanges assignDepthsToLayers(RunContext& ctx, const DepthList& depth, int n) {
  const Soil& soil = ctx.model.soil;
  const int layers = soil.numberOfLayers;
  if (layers < 0 || layers > kMaxLayers) {
    engine::failInvariant("number of soil layers outside 0 to 40");
  }
  LayerDepthRanges ranges;
  int lastLayer = layers + 1;  // the layer that reaches the deepest depth, if any
  for (int k = 1; k <= layers; ++k) {
    const SoilLayer& layer = soil.layers[static_cast<std::size_t>(k)];
    int first = 1;
    while (first <= n && layer.top > depth[static_cast<std::size_t>(first)]) ++first;
    if (first <= n && layer.bottom >= depth[static_cast<std::size_t>(first)]) {
      ranges.first[static_cast<std::size_t>(k)] = first;
    }
    if (layer.bottom >= depth[static_cast<std::size_t>(n)]) {
      lastLayer = k;
      break;
    }
  }
  ranges.last[static_cast<std::size_t>(lastLayer)] = n;

  for (int k = 1; k < lastLayer; ++k) {
    if (ranges.first[static_cast<std::size_t>(k)] == 0) continue;
    int next = k + 1;
    while (next <= layers && ranges.first[static_cast<std::size_t>(next)] == 0) ++next;
    if (next <= layers) {
      ranges.last[static_cast<std::size_t>(k)] = ranges.first[static_cast<std::size_t>(next)] - 1;
      continue;
    }
    Channel& report = ctx.report;
    report.line("ERROR 2 in computing i_BottomNodeInLayer");
    report.line("Num_Nodes_To_Assign = " + std::to_string(n));
    report.line("ilayer = " + std::to_string(k));
    report.line("klayer = " + std::to_string(next));
    report.line("jlayer = " + std::to_string(lastLayer));
    report.line("i_Number_of_Layers = " + std::to_string(layers));
    ranges.last[static_cast<std::size_t>(k)] = -1;
  }
  return ranges;
}

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

  const double groundSurface = model.soil.layers[1].top;
  for (int j = 1; j <= n; ++j) {
    if (depth[j] < groundSurface) {
      writeDepthAboveGroundSurface(ctx, j, depth[j], groundSurface);
      // Recorded directly, without the closing line of raiseError or a stop:
      // the analysis goes on (see Analyze_Load_Cases). An error that already
      // stops the run (a non-converged case of load type 4) keeps its code.
      if (!engine::isStopped(model)) model.state.errorCode = kPyDepthAboveGroundSurface;
      output::writePlotLine7RejectedDepth(ctx.plot, depth[j]);
      return;
    }
  }

  const LayerDepthRanges ranges = assignDepthsToLayers(ctx, depth, n);
  const std::span<const double> depths(depth.data(), static_cast<std::size_t>(n) + 1);
  for (int k = 1; k <= model.soil.numberOfLayers; ++k) {
    const int first = ranges.first[static_cast<std::size_t>(k)];
    const int last = ranges.last[static_cast<std::size_t>(k)];
    if (first == 0 || last < first) continue;
    printPyCurves(ctx, k, first, last, depths);
  }
}

}  // namespace quarn::soil
