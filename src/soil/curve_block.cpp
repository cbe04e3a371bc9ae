#include "soil/curve_block.h"

#include <cstddef>
#include <numbers>

#include "output/format.h"
#include "output/plot_records.h"
#include "output/report_writers.h"

namespace quarn::soil::curve_block {

namespace {

constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;

}  // namespace

void writeTitle(engine::Channel& out, std::string_view title, std::string_view secondLine) {
  out.emptyLines(2);
  out.line(title);
  if (!secondLine.empty()) out.line(secondLine);
  out.endLine();
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

void writeAngleLines(engine::Channel& out, const AnalysisModel& model,
                     std::string_view batterLabel) {
  const BatterAndSlope& angles = model.tables.batter;
  output::writeLabelledValue(out, "Ground Slope Angle", "F12.3",
                             angles.slopeAngle * kDegreesPerRadian, "degrees");
  output::writeLabelledValue(out, batterLabel, "F12.3", angles.batterAngle * kDegreesPerRadian,
                             "degrees");
  output::writeLabelledValue(out, "Effective Slope", "F12.3",
                             angles.effectiveSlopeAngle * kDegreesPerRadian, "degrees");
}

void writeMultiplierLines(engine::Channel& out, double pm, double ym) {
  output::writeLabelledValue(out, "p-multiplier", "F12.5", pm);
  output::writeLabelledValue(out, "y-multiplier", "F12.5", ym);
}

void writeHeaderAt22(engine::Channel& out, const UnitLabels& labels) {
  out.endLine();
  output::write(out, "(\"        y, \", A, T22, \"p, \", A)",
                {labels.length, labels.forcePerLength});
  out.line("---------------   ---------------");
}

void writeCurveRows(engine::Channel& out, const PrintedCurve& curve, double pm, double ym) {
  const std::array<bool, kPrintedCurvePoints> unmarked{};
  writeMarkedRows(out, curve, unmarked, {}, pm, ym);
}

void writeMarkedRows(engine::Channel& out, const PrintedCurve& curve,
                     const std::array<bool, kPrintedCurvePoints>& marked, std::string_view mark,
                     double pm, double ym) {
  for (std::size_t n = 0; n < curve.y.size(); ++n) {
    output::Write_Report_Blanks(out, 3);
    output::Write_Report_Number(out, curve.y[n] * ym, 12);
    output::Write_Report_Blanks(out, 5);
    output::Write_Report_Number(out, curve.p[n] * pm, 12);
    if (marked[n]) out.put(mark);
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

}  // namespace quarn::soil::curve_block
