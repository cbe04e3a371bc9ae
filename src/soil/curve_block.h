// Pieces the stiff clay and sand criteria share beyond criterion_support.h:
// the depth their resistance formulas use, the title and angle lines of a
// printed curve, the dashes under its column header, and rows that may carry
// a note sign.
#pragma once

#include <array>
#include <string_view>

#include "engine/run_context.h"
#include "soil/criterion_support.h"
#include "soil/py_framework.h"

namespace quarn::soil::curve_block {

// Depth used in the resistance formulas at depth x below the pile head: the
// depth below the ground surface. Layered soil replaces it, in the layers
// below the first, by (x - layer top) + Heq(k) of the equivalent-depth
// correction while no rock-like layer lies above; until that correction is
// part of the engine, every layer uses the depth below the ground surface.
double resistanceDepth(const AnalysisModel& model, double x);

// Two empty lines, the title line(s) and one empty line.
void writeTitle(engine::Channel& out, std::string_view title, std::string_view secondLine = {});

// "Ground Slope Angle", the batter line and "Effective Slope", in degrees (F12.3).
void writeAngleLines(engine::Channel& out, const AnalysisModel& model,
                     std::string_view batterLabel);

// The integral F(k) of the ultimate resistance over layer k for the layers
// below (layered soil), as the sand criteria form it: reset at the layer's
// first node in analysis mode, trapezoids between the nodes, and the last
// node's value down to the layer bottom; with the ground surface above the
// pile head, half the value over the first layer's thickness instead.
struct ResistanceIntegral {
  double previous = 0.0;

  // Adds the value at entry i of the call, x being its distance along the pile.
  void add(AnalysisModel& model, const CriterionCall& call, int i, double x, double value);
};

// The line of dashes under the column header.
inline constexpr std::string_view kDashes = "----------------    -----------------";

// The 17 rows as writeCurveRows writes them, with `mark` after the marked rows.
void writeMarkedRows(engine::Channel& out, const support::PrintedCurve& curve,
                     const std::array<bool, support::kPrintedCurvePoints>& marked,
                     std::string_view mark, double pm, double ym);

}  // namespace quarn::soil::curve_block
