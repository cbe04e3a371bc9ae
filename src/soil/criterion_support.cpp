#include "soil/criterion_support.h"

#include <cstddef>

#include "output/plot_records.h"
#include "output/report_writers.h"

namespace quarn::soil::support {

double layerValueAt(const SoilLayer& layer, const LayerValue& value, double x) {
  const double thickness = layer.bottom - layer.top;
  if (thickness == 0.0) return value[0];
  return value[0] + (x - layer.top) * (value[1] - value[0]) / thickness;
}

void writeLayerNumber(engine::Channel& out, int layer, std::string_view descriptor) {
  output::writeLabelledValue(out, "Soil Layer Number", descriptor, layer);
}

void writeDepthLines(engine::Channel& out, const AnalysisModel& model, double depth) {
  const bool us = model.options.IUNITS == kUnitsUsCustomary;
  const double scale = us ? 1.0 / 12.0 : 1.0;
  const std::string_view unit = us ? model.labels.depth : model.labels.length;
  const double xg = model.soil.layers[1].top;
  output::writeLabelledValue(out, "Depth below pile head", "F12.3", depth * scale, unit);
  output::writeLabelledValue(out, "Depth below ground surface", "F12.3", (depth - xg) * scale,
                             unit);
}

void writeMultiplierLines(engine::Channel& out, double pm, double ym) {
  output::writeLabelledValue(out, "p-multiplier", "F12.5", pm);
  output::writeLabelledValue(out, "y-multiplier", "F12.5", ym);
}

void writeCurveRows(engine::Channel& out, const PrintedCurve& curve, double pm, double ym) {
  for (std::size_t n = 0; n < curve.y.size(); ++n) {
    output::Write_Report_Blanks(out, 3);
    output::Write_Report_Number(out, curve.y[n] * ym, 12);
    output::Write_Report_Blanks(out, 5);
    output::Write_Report_Number(out, curve.p[n] * pm, 12);
    output::End_Report_Line(out);
  }
}

void writeCurvePlot(engine::RunContext& ctx, Criterion criterion, double depth, int curveNumber,
                    const PrintedCurve& curve, double pm, double ym) {
  const Options& options = ctx.model.options;
  const int code = static_cast<int>(criterion);
  output::writePlotLine7(ctx.plot, depth, kPrintedCurvePoints, code, options.IUNITS, curveNumber);
  for (std::size_t n = 0; n < curve.y.size(); ++n) {
    output::writePlotLine8(ctx.plot, curve.y[n] * ym, curve.p[n] * pm, static_cast<int>(n) + 1,
                           code, options.IUNITS, options.cyclicLoading);
  }
}

double callBendingStiffness(const AnalysisModel& model, bool printMode, int i, double depth) {
  const PileModel& pile = model.pileModel;
  const auto node = [&](int k) -> const PileNode& {
    return pile.node[static_cast<std::size_t>(k)];
  };
  if (!printMode) return node(i).EI;
  if (pile.N < 1) return 0.0;
  if (depth <= node(1).xv) return node(1).EI;
  for (int k = 2; k <= pile.N; ++k) {
    const double upper = node(k - 1).xv;
    const double lower = node(k).xv;
    if (depth <= lower) {
      if (lower == upper) return node(k).EI;
      return node(k - 1).EI + (depth - upper) * (node(k).EI - node(k - 1).EI) / (lower - upper);
    }
  }
  return node(pile.N).EI;
}

}  // namespace quarn::soil::support
