// Small helpers of the section readers over the free-format reader: one value
// per line, and the millimetre input of SI runs.
#pragma once

#include "engine/model_options.h"
#include "engine/run_context.h"
#include "input/free_format.h"

namespace quarn::input {

// Reads a line holding one value into `target`; a null value leaves it as it was.
inline void readValue(engine::RunContext& ctx, int& target) { readList(ctx, {&target}); }
inline void readValue(engine::RunContext& ctx, double& target) { readList(ctx, {&target}); }

inline bool isSi(const AnalysisModel& model) { return model.options.IUNITS == kUnitsSi; }

// Section dimensions of SI runs are entered in millimetres (mm2, mm4) and
// held in metres (m2, m4); other unit systems keep what was entered.
inline constexpr double kMillimetresPerMetre = 1000.0;
inline constexpr double kSquareMillimetresPerSquareMetre = 1.0e6;
inline constexpr double kQuarticMillimetresPerQuarticMetre = 1.0e12;

inline void toMetres(const AnalysisModel& model, double& value) {
  if (isSi(model)) value /= kMillimetresPerMetre;
}
inline void toSquareMetres(const AnalysisModel& model, double& value) {
  if (isSi(model)) value /= kSquareMillimetresPerSquareMetre;
}
inline void toQuarticMetres(const AnalysisModel& model, double& value) {
  if (isSi(model)) value /= kQuarticMillimetresPerQuarticMetre;
}

}  // namespace quarn::input
