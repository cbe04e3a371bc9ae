#include "input/echo.h"

#include <cmath>
#include <string>

#include "engine/messages.h"
#include "engine/single_precision.h"
#include "input/echo_blocks.h"
#include "input/echo_errors.h"
#include "output/format.h"

namespace quarn::input {

namespace echo {

InputUnits inputUnits(int unitSystem) {
  switch (unitSystem) {
    case kUnitsUsCustomary:
      return {"ft", "in", 1.0, "in**2", "in**4", "psi", "lbs", "in-lb", "psf", "pcf", "pci", "in"};
    case kUnitsSi:
      return {"m",  "mm",   1000.0, "mm**2", "mm**4", "kPa",
              "kN", "kN-m", "kPa",  "kN/m3", "kN/m3", "m"};
    default:
      return {"L", "L", 1.0, "L**2", "L**4", "F/L2", "F", "F-L", "F/L2", "F/L3", "F/L3", "L"};
  }
}

namespace {

// The descriptor that shows a value without losing it to asterisks.
std::string_view valueDescriptor(double value) {
  const double a = std::fabs(value);
  if (a == 0.0 || (a >= 0.1 && a < 1.0e10)) return "F15.3";
  if (a >= 1.0e-3 && a < 0.1) return "F15.5";
  return "ES15.4";
}

}  // namespace

void valueLine(engine::Channel& out, std::string_view label, double value, std::string_view unit) {
  std::string format = "(A T56 \"= \" ";
  format += valueDescriptor(value);
  format += unit.empty() ? ")" : " 1X A)";
  const output::FormatValue values[] = {label, value, unit};
  output::writeValues(out, format, std::span(values, unit.empty() ? 2 : 3));
}

void integerLine(engine::Channel& out, std::string_view label, long long value,
                 std::string_view unit) {
  if (unit.empty()) {
    output::write(out, "(A T56 \"= \" I15)", {label, value});
  } else {
    output::write(out, "(A T56 \"= \" I15 1X A)", {label, value, unit});
  }
}

void textLine(engine::Channel& out, std::string_view label, std::string_view text) {
  output::write(out, "(A T56 \"= \" A)", {label, text});
}

void heading(engine::Channel& out, int indent, std::string_view title, int emptyLines) {
  out.emptyLines(emptyLines);
  out.line(std::string(80, '-'));
  out.line(std::string(static_cast<std::size_t>(indent), ' ') + std::string(title));
  out.line(std::string(80, '-'));
  out.endLine();
}

}  // namespace echo

namespace {

using engine::Channel;
using engine::RunContext;
using output::write;

constexpr double kDefaultToleranceInches = sp(1.0e-6f);
constexpr double kDefaultToleranceMetres = sp(2.54e-8f);

void writeTitle(RunContext& ctx) {
  Channel& out = ctx.report;
  echo::heading(out, 32, "Problem Title");
  for (const std::string& line : ctx.model.run.title) write(out, "(A256)", {line});
  out.endLine();
}

void writeComputationOptions(RunContext& ctx) {
  const AnalysisModel& model = ctx.model;
  const Options& o = model.options;
  Channel& out = ctx.report;
  out.line("Computation Options:");
  out.line(model.tables.multipliers.rows > 0
               ? "- Analysis uses p-y multiplers for group action"
               : "- Analysis does not use p-y multipliers (individual pile or shaft only)");
  // The tip shear curve acts only when its option is on.
  out.line(o.useTipShear && model.tables.tipShear.points > 0
               ? "- Analysis uses tip shear resistance for short pile or shaft"
               : "- Analysis assumes no shear resistance at pile tip");
  if (o.KYL != 0) {
    out.line("- Analysis includes automatic computation of pile-top deflection vs.");
    out.line("  pile embedment length");
  } else {
    out.line("- Analysis for fixed-length pile or shaft only");
  }
  out.line(o.computeKmatrix
               ? "- Analysis includes computation of foundation stiffness matrix values "
               : "- No computation of foundation stiffness matrix values");
  if (o.printSummaryOnly) {
    out.line("- Report summary table of pile-top values for deflection, maximum bending ");
    out.line("  moment, and shear force only");
  } else {
    out.line("- Report pile response for full length of pile");
  }
  out.line(o.useSoilMovement && model.tables.soilMovement.points > 0
               ? "- Analysis includes loading by soil movements acting on pile"
               : "- Analysis assumes no loading by soil movements acting on pile");
  out.line(o.printPyCurves
               ? "- p-y curves computed and reported at user-specified depths"
               : "- No p-y curves to be computed and reported for user-specified depths");
  out.endLine();
}

// The solution controls, and a tolerance of zero or less replaced by the
// default of the unit system.
void writeSolutionControls(RunContext& ctx) {
  Options& o = ctx.model.options;
  Channel& out = ctx.report;
  const std::string& length = ctx.model.labels.length;
  out.line("Solution Control Parameters:");
  write(out, "(\"- Number of pile increments\" T56 \"= \" I12)", {o.numberOfIncrements});
  write(out, "(\"- Maximum number of iterations allowed\" T56 \"= \" I12)", {o.maxIterations});
  write(out, "(\"- Deflection tolerance for convergence\" T56 \"= \" ES12.4 1X A3)",
        {o.convergenceTolerance, length});
  write(out, "(\"- Maximum allowable deflection\" T56 \"= \" F12.4 1X A3 /)",
        {o.maxAllowableDeflection, length});
  if (o.convergenceTolerance <= 0.0) {
    const bool us = o.IUNITS == kUnitsUsCustomary;
    o.convergenceTolerance = us ? kDefaultToleranceInches : kDefaultToleranceMetres;
    write(
        out,
        us ? "(\"(Specified convergence tolerance of 0 reset by program to\" ES11.4 \" inches)\" /)"
           : "(\"(Specified convergence tolerance of 0 reset by program to\" ES11.4 \" meters)\" "
             "/)",
        {o.convergenceTolerance});
  }
}

void writeOutputOptions(RunContext& ctx) {
  const Options& o = ctx.model.options;
  Channel& out = ctx.report;
  out.line("Pile Response Output Options:");
  if (o.printSummaryOnly) {
    out.line("- Only summary tables of pile-head deflection, maximum bending moment,");
    write(out, "(\"  and maximum shear force are to be written to output report file.\" / /)", {});
  } else {
    out.line("- Values of pile-head deflection, bending moment, shear force, and ");
    out.line("  soil reaction are printed for full length of pile.");
    write(out, "(\"- Printing Increment (nodal spacing of output points)\" T56 \"= \" I0 / /)",
          {o.printIncrement});
  }
}

// Block 3. Returns false for an analysis of bending stiffness only, which
// has no computation, solution or output options.
bool writeProgramOptions(RunContext& ctx) {
  const Options& o = ctx.model.options;
  Channel& out = ctx.report;
  echo::heading(out, 31, "Program Options");
  switch (o.IUNITS) {
    case kUnitsUsCustomary:
      out.line("Engineering units are US Customary Units: pounds, inches, feet");
      break;
    case kUnitsSi:
      out.line("Engineering units are SI Units: kilonewtons, meters, millimeters");
      break;
    default:
      out.line("Engineering units are Generic Units: force, length");
      break;
  }
  out.endLine();
  write(out, "(\"Basic Program Options:\" /)", {});
  if (o.ICOM == kAnalysisEiOnly) {
    write(out,
          "(\"This analysis computes nominal moment capacity and nonlinear bending stiffness "
          "only.\" /)",
          {});
    return false;
  }
  if (o.ICOM == 5) {
    write(out,
          "(\"This analysis computes pile response using user-specified nonlinear bending "
          "stiffness.\" /)",
          {});
  } else {
    out.line("This analysis computes pile response to lateral loading and will compute nonlinear ");
    write(out,
          "(\"moment-curvature and nominal moment capacity for section types with nonlinear "
          "properties.\" /)",
          {});
  }
  writeComputationOptions(ctx);
  writeSolutionControls(ctx);
  writeOutputOptions(ctx);
  return true;
}

// The checks of the soil profile that close the echo.
void checkAfterEcho(RunContext& ctx) {
  const AnalysisModel& model = ctx.model;
  if (model.options.ICOM == kAnalysisEiOnly) return;
  const std::optional<EchoError> soil = checkSoilProfile(model);
  if (!soil) return;
  const Soil& profile = model.soil;
  const double ground = model.pile.groundSurfaceDepth;
  switch (*soil) {
    case EchoError::kSoilAboveTip: {
      const int n = profile.numberOfLayers;
      const double bottom = n >= 1 ? profile.layers[static_cast<std::size_t>(n)].bottom : 0.0;
      stopOnEchoError(ctx, *soil,
                      {output::formatScientific(bottom, 12, 4),
                       output::formatScientific(model.pile.length, 12, 4)});
    }
    case EchoError::kUnitWeightBelowGround:
    case EchoError::kSoilBelowPileTop:
      stopOnEchoError(
          ctx, *soil,
          {output::formatFixed(profile.layers[1].top, 12, 4), output::formatFixed(ground, 12, 4)});
    default:
      stopOnEchoError(ctx, *soil,
                      {output::formatScientific(model.tables.multipliers.depth[1], 12, 4),
                       output::formatScientific(ground, 12, 4)});
  }
}

}  // namespace

void Echo_Input(RunContext& ctx) {
  ctx.messages.line("Output of input data begun");
  writeTitle(ctx);
  writeProgramOptions(ctx);
  echo::writePileStructure(ctx);
  echo::writeSlopeAndBatter(ctx);
  echo::writeSoilLayers(ctx);
  echo::writeSoilSummary(ctx);
  echo::writePyMultipliers(ctx);
  echo::writeSoilMovements(ctx);
  echo::writeLoadingType(ctx);
  echo::writeDistributedLoad(ctx);
  if (ctx.model.options.useLrfd) {
    echo::writeLrfdLoads(ctx);
  } else {
    echo::writeHeadLoads(ctx);
  }
  echo::writeTipShear(ctx);
  echo::writePyOutputDepths(ctx);
  checkAfterEcho(ctx);
  write(ctx.messages, "(\"Output of input data completed\" /)", {});
}

}  // namespace quarn::input
