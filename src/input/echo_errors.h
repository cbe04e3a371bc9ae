// The cross-field checks of the input echo: conditions that no single reader
// can test (the soil profile against the pile, the p-y output depths against
// the pile and the ground, the tip shear curve, the section widths). Each has
// one numbered block in the table of echo_errors.cpp, written to the report
// and the run-message file before the run stops on its input error.
#pragma once

#include <optional>
#include <span>

#include "engine/message_blocks.h"

namespace quarn::input {

enum class EchoError {
  kPropertyStations = 17,       // {1} the number of stations (I10)
  kSoilAboveTip = 18,           // {1} bottom of the lowest layer, {2} pile length (ES12.4)
  kUnitWeightBelowGround = 19,  // {1} first depth, {2} ground depth (F12.4)
  kSoilBelowPileTop = 20,       // {1} first depth, {2} ground depth (F12.4)
  kMultiplierAboveGround = 21,  // {1} first p-multiplier depth, {2} ground depth (ES12.4)
  kZeroWidth = 27,
  kCycles = 28,  // {1} the number of cycles (I0)
  kPyDepthAboveGround = 29,
  kPyDepthBelowTip = 30,  // {1} point, {2} depth (F7.2), {3} its unit (A3)
  kTipShearCurve = 50,    // {1} the point in error
};

std::span<const engine::MessageBlock> echoErrorMessages();
const engine::MessageBlock& echoErrorMessage(EchoError id);

// Writes the block of `id` with its values to the report and the run-message
// file, raises the input error and unwinds.
[[noreturn]] void stopOnEchoError(engine::RunContext& ctx, EchoError id,
                                  std::initializer_list<std::string_view> values = {});

// ---- the checks, as functions of the model ------------------------------------
// Each returns the error it finds, or nothing; the echo stops on it.

// Property stations (two per section) outside 2 to 40.
std::optional<EchoError> checkPropertyStations(const AnalysisModel& model);

// The soil profile against the pile, skipped in a bending-stiffness-only
// analysis: the lowest layer must reach the pile tip (a profile without
// layers reaches nowhere), the unit weight and soil profiles must start at
// the ground surface, and p-multipliers must not start above it.
std::optional<EchoError> checkSoilProfile(const AnalysisModel& model);

// The point (from 1) at which the tip shear curve fails: the first
// displacement must be 0 and each next one larger than the one before.
std::optional<int> tipShearErrorPoint(const TipShearCurve& curve);

// True when the cyclic loading has fewer than 2 or more than 5000 cycles.
bool cyclesOutOfRange(const Options& options);

// True when section s has a width used for p-y curves of zero at its top or
// bottom. A negative width is as meaningless and is refused the same way.
bool hasZeroWidth(const Pile& pile, int s);

}  // namespace quarn::input
