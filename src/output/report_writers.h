// Writers for report numbers and labels whose layout depends on the value:
// numbers that may span many decades, integers of a caller-chosen width, the
// short key and name texts, and labelled value lines. All write to the report
// channel and keep no state; an open line stays open until a write without $
// or End_Report_Line closes it.
#pragma once

#include <array>
#include <string_view>

#include "engine/channel.h"
#include "output/format.h"

namespace quarn::output {

// Criterion display names by criterion code, each held in 34 characters.
inline constexpr int kCriterionNameWidth = 34;
inline constexpr std::array<std::string_view, 18> CriterionName = {
    "",
    "Soft Clay",
    "Stiff Clay with Free Water",
    "Stiff Clay w/o Free Water",
    "Stiff Clay w/o Free Water, using k",
    "Sand (Reese, et al.)",
    "API Sand",
    "Liquefied Sand",
    "Weak Rock",
    "Vuggy Limestone",
    "Piedmont Residual",
    "Cemented Silt",
    "Loess",
    "Elastic Subgrade",
    "User Input p-y Curves",
    "Soft Clay with User-defined J",
    "Massive Rock",
    "Frozen Soil",
};

// A real value in w columns (a blank and a field of w - 1), line left open.
// The layout follows the magnitude: fixed point with fewer decimals as the
// value grows, scientific beyond both ends, "  Not-a-Number" for NaN. Widths
// from 8 to 30 are accepted; others are a programming error (invalid_argument).
void Write_Report_Number(engine::Channel& report, double v, int w);

// (Iw, $). A width outside 1..16 is replaced by 10, also in the caller's variable.
void Write_Report_Integer(engine::Channel& report, long long n, int& w);

// Ends the open line; alone it writes an empty line.
void End_Report_Line(engine::Channel& report);

// n blanks, line left open (nothing for n <= 0).
void Write_Report_Blanks(engine::Channel& report, int n);

// The first 8 characters of s (A8), line ended.
void Write_Report_Text8(engine::Channel& report, std::string_view s);

// The first 10 characters of s (A10), line left open.
void Write_Report_Text10(engine::Channel& report, std::string_view s);

// CriterionName(code) in 34 columns (A34), line left open.
void Write_Criterion_Name(engine::Channel& report, int code);

// Column of the "= " of labelled value lines.
inline constexpr int kLabelValueColumn = 56;

// (label, T56, "= ", value with its descriptor, 1X, unit), e.g.
//   writeLabelledValue(report, "Pile Diameter", "F12.3", 24.0, labels.length)
// The unit is left out (with its blank) when empty; a label reaching past
// column 55 is overwritten from column 56 on, as the tab positions there.
void writeLabelledValue(engine::Channel& report, std::string_view label,
                        std::string_view valueDescriptor, const FormatValue& value,
                        std::string_view unit = {});

// (label, T56, "= ", $), the value by Write_Report_Number(value, w), then
// (1X, unit) or the end of the line when the unit is empty.
void writeLabelledNumber(engine::Channel& report, std::string_view label, double value, int w,
                         std::string_view unit = {});

}  // namespace quarn::output
