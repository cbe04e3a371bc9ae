// Error stops and warnings. One error code per run: the site that finds an
// error writes its message block, records the code (raiseError) and throws
// RunStopped; only the run sequence catches it and finishes the run.
#pragma once

#include <string>
#include <string_view>

#include "engine/run_context.h"

namespace quarn::engine {

// Thrown after the error code has been recorded; carries nothing.
struct RunStopped {};

// A state that the readers and checks of the engine rule out (a count beyond
// its table, an unknown code in a switch). Thrown by failInvariant only; the
// entry points turn it into runtime error 39 with the text as its reason.
struct InvariantBroken {
  std::string what;
};

[[noreturn]] void failInvariant(std::string what);

// Checks an invariant in every build. The reason is built only on failure.
#define QUARN_ASSERT(condition, reason) \
  ((condition) ? static_cast<void>(0) : ::quarn::engine::failInvariant(reason))

inline constexpr int kInputErrorBase = 100;
inline constexpr int kRuntimeErrorBase = 200;
inline constexpr int kSoilLookupInternalError = 999;
inline constexpr int kSeveralWarnings = -300;

// Runtime errors of this engine's own, numbered where no other runtime error is.
inline constexpr int kRuntimeInputNotReadable = 7;   // the input data file cannot be opened
inline constexpr int kRuntimeOutputNotWritable = 8;  // an output file cannot be created or written
inline constexpr int kRuntimeInternalFailure = 39;   // out of memory or a broken invariant
inline constexpr int kRuntimeNotAvailable = 40;      // an analysis this version does not provide

// Writes the report lines of an input error (and the empty-input block for
// code 125) and stores the code. Never writes to channel 8, never throws.
void raiseError(RunContext& ctx, std::string_view codeText, int code);

// raiseError, then unwinds to the run sequence.
[[noreturn]] void stopRun(RunContext& ctx, std::string_view codeText, int code);

// Records a runtime error (code 200 + n) without a report line and unwinds.
[[noreturn]] void stopOnRuntimeError(RunContext& ctx, int number);

inline bool isStopped(const AnalysisModel& model) { return model.state.errorCode > 0; }

// Unwinds to the run sequence when an error was recorded without a stop (a
// reader that read on to the end of its section).
void unwindIfStopped(const AnalysisModel& model);

// Unwinds to the run sequence; the error code is already recorded.
[[noreturn]] void unwind();

// Counts one occurrence of a (negative) warning code.
void registerWarning(RunState& state, int code);

// Writes to channels 6 and 8 the block for a line that is not recognised or
// out of order, raises input error 99 and unwinds.
[[noreturn]] void stopOnUnrecognisedLine(RunContext& ctx, std::string_view line);

// Stops the run with runtime error 40 naming a feature of the input that
// this engine does not analyse yet.
[[noreturn]] void stopOnUnsupported(RunContext& ctx, std::string_view what);

// Records runtime error 39 for a failure that no rule of the engine foresees
// (out of memory, a broken invariant) and writes its block. Never throws.
void stopOnInternalFailure(RunContext& ctx, std::string_view what) noexcept;

}  // namespace quarn::engine
