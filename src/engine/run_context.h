// The run context: the analysis model and the channels of one run. Every
// routine receives it (or the piece it works on) by reference; nothing of a
// run lives in global state, so two runs on two threads do not interfere.
#pragma once

#include <ctime>
#include <memory>
#include <optional>

#include "engine/channel.h"
#include "engine/model.h"

namespace quarn::engine {

struct RunContext {
  AnalysisModel model;
  InputFile input;   // channel 5
  Channel report;    // channel 6
  Channel plot;      // channel 7
  Channel messages;  // channel 8
  Channel console;   // channel 0, the process's error output
  // Date and time printed in the report; the machine's local time when unset.
  std::optional<std::tm> fixedTime;
};

// The model is large (fixed-capacity tables), so contexts live on the heap.
inline std::unique_ptr<RunContext> makeRunContext() { return std::make_unique<RunContext>(); }

}  // namespace quarn::engine
