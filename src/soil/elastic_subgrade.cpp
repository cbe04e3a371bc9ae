#include "soil/elastic_subgrade.h"

#include <cstddef>

#include "output/report_writers.h"
#include "soil/curve_block.h"
#include "soil/py_curve.h"
#include "soil/soil_profile.h"

namespace quarn::soil {

namespace {

using curve_block::PrintedCurve;
using engine::Channel;
using engine::RunContext;

void writeBlock(RunContext& ctx, const PyPoint& point, const ElasticSubgradeAtPoint& at) {
  const double k = at.k;
  const AnalysisModel& model = ctx.model;
  const UnitLabels& labels = model.labels;
  Channel& out = ctx.report;
  curve_block::writeTitle(out, "p-y Curve for Elastic Subgrade");
  curve_block::writeLayerNumber(out, point.layer, "I10");
  curve_block::writeDepthLines(out, model, point.depth);
  output::writeLabelledValue(out, "Shaft Diameter", "F12.3", point.D, labels.length);
  output::writeLabelledValue(out, "Elastic Subgrade Modulus", "F12.3", k, labels.subgradeModulus);
  curve_block::writeMultiplierLines(out, point.pm, point.ym);
  curve_block::writeHeaderAt22(out, labels);

  // From no deflection to 2 b in steps of b / 8.
  PrintedCurve printed;
  for (std::size_t j = 0; j < printed.y.size(); ++j) {
    printed.y[j] = static_cast<double>(j) * point.D / 8.0;
    printed.p[j] = k * point.D * printed.y[j];
  }
  curve_block::writeCurveRows(out, printed, point.pm, point.ym);
  curve_block::writeCurvePlot(ctx, Criterion::kElasticSubgrade, point.depth, point.index, printed,
                              point.pm, point.ym);
}

}  // namespace

PyCurve elasticSubgradeCurve(RunContext& ctx, const PyPoint& point, LayerSweep& /*sweep*/) {
  const SoilLayer& layer = ctx.model.soil.layers[static_cast<std::size_t>(point.layer)];
  ElasticSubgradeAtPoint at;
  at.k = layerValueAt(layer, layer.subgradeK, point.depth);
  at.b = point.D;
  return PyCurve{at};
}

void writeElasticSubgradeBlock(RunContext& ctx, const PyPoint& point, const PyCurve& curve) {
  writeBlock(ctx, point, curve.as<ElasticSubgradeAtPoint>());
}

}  // namespace quarn::soil
