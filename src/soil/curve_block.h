// The parts of a printed p-y curve that the criteria share: the title, the
// layer and depth lines, the angle and multiplier lines, the line of dashes
// under the column header, the 17 rows of the table and the plot records.
#pragma once

#include <array>
#include <string_view>

#include "engine/run_context.h"
#include "soil/criteria.h"

namespace quarn::soil::curve_block {

// Points of a printed curve.
inline constexpr int kPrintedCurvePoints = 17;

// The deflections of a printed curve and the resistance at each, before the
// multipliers (the rows show y x ym and p x pm).
struct PrintedCurve {
  std::array<double, kPrintedCurvePoints> y{};
  std::array<double, kPrintedCurvePoints> p{};
};

// Two empty lines, the title line(s) and one empty line.
void writeTitle(engine::Channel& out, std::string_view title, std::string_view secondLine = {});

// "Soil Layer Number" with its descriptor (I10 or I12 by criterion).
void writeLayerNumber(engine::Channel& out, int layer, std::string_view descriptor);

// "Depth below pile head" and "Depth below ground surface" (F12.3): in feet
// in US customary units, otherwise in the model's length unit.
void writeDepthLines(engine::Channel& out, const AnalysisModel& model, double depth);

// "Ground Slope Angle", the batter line and "Effective Slope", in degrees (F12.3).
void writeAngleLines(engine::Channel& out, const AnalysisModel& model,
                     std::string_view batterLabel);

// "p-multiplier" and "y-multiplier" (F12.5).
void writeMultiplierLines(engine::Channel& out, double pm, double ym);

// An empty line, the column header with "p, " at column 22, and its rule.
void writeHeaderAt22(engine::Channel& out, const UnitLabels& labels);

// The line of dashes under the column header.
inline constexpr std::string_view kDashes = "----------------    -----------------";

// The 17 rows of the table: three blanks, y x ym, five blanks, p x pm, both
// by the report number writer in 12 columns.
void writeCurveRows(engine::Channel& out, const PrintedCurve& curve, double pm, double ym);

// The same rows with `mark` after the marked ones.
void writeMarkedRows(engine::Channel& out, const PrintedCurve& curve,
                     const std::array<bool, kPrintedCurvePoints>& marked, std::string_view mark,
                     double pm, double ym);

// The plot records of a curve: Line 7 with the requested depth, 17 points and
// the curve number, then one Line 8 per point (y x ym, p x pm).
void writeCurvePlot(engine::RunContext& ctx, Criterion criterion, double depth, int curveNumber,
                    const PrintedCurve& curve, double pm, double ym);

}  // namespace quarn::soil::curve_block
