#include "soil/curve_block.h"

#include <cstddef>
#include <numbers>

#include "output/report_writers.h"

namespace quarn::soil::curve_block {

namespace {

constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;

}  // namespace

double resistanceDepth(const AnalysisModel& model, double x) {
  return x - model.soil.layers[1].top;
}

void ResistanceIntegral::add(AnalysisModel& model, const CriterionCall& call, int i, double x,
                             double value) {
  const int k = call.layer;
  const Soil& soil = model.soil;
  double& F = model.layering.F[static_cast<std::size_t>(k)];
  if (!call.PrintMode && i == call.NodeFirst) F = 0.0;
  if (i > call.NodeFirst) F += (previous + value) * incrementLength(model) / 2.0;
  if (i == call.NodeLast) F += (soil.layers[static_cast<std::size_t>(k)].bottom - x) * value;
  if (soil.layers[1].top < -0.00001 && k == 1) {
    F = value * 0.5 * (soil.layers[1].bottom - soil.layers[1].top);
  }
  previous = value;
}

void writeTitle(engine::Channel& out, std::string_view title, std::string_view secondLine) {
  out.emptyLines(2);
  out.line(title);
  if (!secondLine.empty()) out.line(secondLine);
  out.endLine();
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

void writeMarkedRows(engine::Channel& out, const support::PrintedCurve& curve,
                     const std::array<bool, support::kPrintedCurvePoints>& marked,
                     std::string_view mark, double pm, double ym) {
  for (std::size_t n = 0; n < curve.y.size(); ++n) {
    output::Write_Report_Blanks(out, 3);
    output::Write_Report_Number(out, curve.y[n] * ym, 12);
    output::Write_Report_Blanks(out, 5);
    output::Write_Report_Number(out, curve.p[n] * pm, 12);
    if (marked[n]) out.put(mark);
    output::End_Report_Line(out);
  }
}

}  // namespace quarn::soil::curve_block
