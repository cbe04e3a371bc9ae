// Small pieces shared by the rock criteria and the other soil criteria: values
// given at the top and the bottom of a layer, and the parts of a printed p-y
// curve that every block has (the depth lines, the multipliers, the 17 rows of
// the table and the plot records).
#pragma once

#include <array>
#include <string_view>

#include "engine/run_context.h"
#include "soil/criteria.h"

namespace quarn::soil::support {

// Points of a printed curve.
inline constexpr int kPrintedCurvePoints = 17;

// The deflections of a printed curve and the resistance at each, before the
// multipliers (the rows show y x ym and p x pm).
struct PrintedCurve {
  std::array<double, kPrintedCurvePoints> y{};
  std::array<double, kPrintedCurvePoints> p{};
};

// A layer property given at the layer top and bottom, interpolated linearly by
// the depth x between them. A layer of no thickness has its top value.
double layerValueAt(const SoilLayer& layer, const LayerValue& value, double x);

// "Soil Layer Number" with its descriptor (I10 or I12 by criterion).
void writeLayerNumber(engine::Channel& out, int layer, std::string_view descriptor);

// "Depth below pile head" and "Depth below ground surface" (F12.3): in feet
// in US customary units, otherwise in the model's length unit.
void writeDepthLines(engine::Channel& out, const AnalysisModel& model, double depth);

// "p-multiplier" and "y-multiplier" (F12.5).
void writeMultiplierLines(engine::Channel& out, double pm, double ym);

// The 17 rows of the table: three blanks, y x ym, five blanks, p x pm, both
// by the report number writer in 12 columns.
void writeCurveRows(engine::Channel& out, const PrintedCurve& curve, double pm, double ym);

// The plot records of a curve: Line 7 with the output depth, 17 points and the
// curve number, then one Line 8 per point (y x ym, p x pm).
void writeCurvePlot(engine::RunContext& ctx, Criterion criterion, double depth, int curveNumber,
                    const PrintedCurve& curve, double pm, double ym);

// Bending stiffness at entry i of a call: the node's own in analysis mode; in
// print mode interpolated linearly between the nodes around the output depth.
double callBendingStiffness(const AnalysisModel& model, bool printMode, int i, double depth);

}  // namespace quarn::soil::support
