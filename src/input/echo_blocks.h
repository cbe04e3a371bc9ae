// The blocks of the input echo, one writer per block family, and the small
// helpers they share. Everything is printed in the units of the input: depths
// along the pile in feet or metres, section dimensions in inches or
// millimetres as entered (SI dimensions are held in metres and shown again in
// millimetres).
#pragma once

#include <string>
#include <string_view>

#include "engine/run_context.h"

namespace quarn::input::echo {

// Unit labels of the values as they were entered.
struct InputUnits {
  std::string depth;       // lengths along the pile: "ft", "m", "L"
  std::string dimension;   // section dimensions: "in", "mm", "L"
  double dimensionScale;   // from the stored value to the entered one (1000 for SI mm)
  std::string area;        // "in**2", "mm**2", "L**2"
  std::string inertia;     // "in**4", "mm**4", "L**4"
  std::string stress;      // moduli and strengths of materials: "psi", "kPa", "F/L2"
  std::string force;       // "lbs", "kN", "F"
  std::string moment;      // "in-lb", "kN-m", "F-L"
  std::string soilStress;  // cohesion: "psf", "kPa", "F/L2"
  std::string unitWeight;  // "pcf", "kN/m3", "F/L3"
  std::string subgrade;    // subgrade modulus: "pci", "kN/m3", "F/L3"
  std::string deflection;  // head deflections and soil movements: "in", "m" or "mm", "L"
};

InputUnits inputUnits(int unitSystem);

// A labelled value line: the label, "= " at column 56, the value in 15
// columns and, when it has one, a blank and the unit. Values of ordinary
// size get three decimals, small ones five, very small or large ones the
// scientific form, so that no value is lost to a field of asterisks.
void valueLine(engine::Channel& out, std::string_view label, double value,
               std::string_view unit = {});
// The same for an integer and for a text after the "= ".
void integerLine(engine::Channel& out, std::string_view label, long long value,
                 std::string_view unit = {});
void textLine(engine::Channel& out, std::string_view label, std::string_view text);

// A section heading: `emptyLines` empty lines, 80 "-", the title after
// `indent` blanks, 80 "-" and an empty line.
void heading(engine::Channel& out, int indent, std::string_view title, int emptyLines = 1);

// Blocks 4 and 5: pile geometry, property stations and the input of every
// section. Stops with input error 27 at a section of zero width.
void writePileStructure(engine::RunContext& ctx);

// Blocks 6 to 9: slope and batter, the soil layers with their warnings, the
// soil summary and the p-multipliers.
void writeSlopeAndBatter(engine::RunContext& ctx);
void writeSoilLayers(engine::RunContext& ctx);
void writeSoilSummary(engine::RunContext& ctx);
void writePyMultipliers(engine::RunContext& ctx);

// Blocks 10 to 15: soil movements, loading type (input error 28), the
// distributed load, the pile-head loads or the LRFD loading blocks, the tip
// shear curve (input error 50) and the p-y output depths (input errors 29
// and 30).
void writeSoilMovements(engine::RunContext& ctx);
void writeLoadingType(engine::RunContext& ctx);
void writeDistributedLoad(engine::RunContext& ctx);
void writeHeadLoads(engine::RunContext& ctx);
void writeTipShear(engine::RunContext& ctx);
void writePyOutputDepths(engine::RunContext& ctx);

// The LRFD loading blocks (groups, totals, factors, factored loads, batter
// transformation, distinct thrusts) from the factored loads the analysis
// computed before the echo.
void writeLrfdLoads(engine::RunContext& ctx);

}  // namespace quarn::input::echo
