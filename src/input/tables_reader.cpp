#include "input/tables_reader.h"

#include <numbers>
#include <string>

#include "engine/messages.h"
#include "input/free_format.h"
#include "input/list_values.h"
#include "input/reader_errors.h"

namespace quarn::input {

namespace {

using engine::RunContext;

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
constexpr int kMinSoilMovementPoints = 2;

// Reads a count that fills a table of `capacity` rows: a count of 0 or less
// is an empty table, one above the capacity stops the run.
int readTableCount(RunContext& ctx, int capacity, ReaderError tooMany) {
  int count = 0;
  readValue(ctx, count);
  if (count > capacity) stopOnReaderError(ctx, tooMany, {count, capacity});
  return count > 0 ? count : 0;
}

}  // namespace

void readTipShear(RunContext& ctx) {
  TipShearCurve& curve = ctx.model.tables.tipShear;
  curve.points = readTableCount(ctx, kMaxTipShearPoints, ReaderError::kTooManyTipShearPoints);
  if (curve.points == 0) return;
  ctx.messages.line("Reading tip shear data");
  for (int j = 1; j <= curve.points; ++j) {
    double number = 0.0;  // read and ignored
    readList(ctx, {&number, &curve.displacement[j], &curve.shear[j]});
  }
}

void readBatterAndSlope(RunContext& ctx) {
  BatterAndSlope& angles = ctx.model.tables.batter;
  ctx.messages.line("Reading pile batter and ground slope angles");
  double slopeDegrees = 0.0;
  double batterDegrees = 0.0;
  readValue(ctx, slopeDegrees);
  readValue(ctx, batterDegrees);
  angles.slopeAngle = slopeDegrees * kRadiansPerDegree;
  angles.batterAngle = batterDegrees * kRadiansPerDegree;
  angles.effectiveSlopeAngle = angles.slopeAngle - angles.batterAngle;
}

void readGroupEffectFactors(RunContext& ctx) {
  MultiplierTable& table = ctx.model.tables.multipliers;
  table.rows = readTableCount(ctx, kMaxMultiplierRows, ReaderError::kTooManyMultiplierRows);
  if (table.rows == 0) return;
  ctx.messages.line("Reading p-y multiplier data");
  for (int j = 1; j <= table.rows; ++j) {
    double number = 0.0;  // read and ignored
    readList(ctx, {&number, &table.depth[j], &table.pMultiplier[j], &table.yMultiplier[j]});
  }
}

void readSoilMovements(RunContext& ctx) {
  if (!ctx.model.options.useSoilMovement) return;
  SoilMovementTable& table = ctx.model.tables.soilMovement;
  ctx.messages.line("Reading soil movement data");
  int count = 0;
  readValue(ctx, count);
  if (count < kMinSoilMovementPoints || count > kMaxSoilMovementPoints) {
    for (engine::Channel* channel : {&ctx.messages, &ctx.report}) {
      channel->line("**** Input Data Error No. 53 ****");
      channel->endLine();
      channel->line("Number of lines specified for soil movement data = " + std::to_string(count));
      channel->line(
          "The number of lines of soil movement data cannot be less than 2 or exceed 100.");
      channel->endLine();
    }
    engine::stopRun(ctx, "INP00053", engine::kInputErrorBase + 53);
  }
  table.points = count;
  for (int j = 1; j <= count; ++j) {
    double number = 0.0;  // read and ignored
    readList(ctx, {&number, &table.depth[j], &table.movement[j]});
    toMetres(ctx.model, table.movement[j]);  // SI movements are entered in millimetres
  }
}

void readPyOutputDepths(RunContext& ctx) {
  if (!ctx.model.options.printPyCurves) return;
  PyOutputDepths& output = ctx.model.tables.pyOutput;
  ctx.messages.line("Reading p-y output depths data");
  output.count = readTableCount(ctx, kMaxPyOutputDepths, ReaderError::kTooManyPyOutputDepths);
  for (int j = 1; j <= output.count; ++j) {
    double number = 0.0;  // read and ignored
    readList(ctx, {&number, &output.depth[j]});
  }
}

}  // namespace quarn::input
