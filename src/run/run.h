// The run sequence: one analysis from the run files to the return value.
#pragma once

#include <string>

#include "engine/run_context.h"

namespace quarn::run {

inline constexpr char kVersionText[] = "2012-06.031";
inline constexpr int kInterfaceVersion = 6031;
inline constexpr int kWrongInterfaceVersion = 99;

// The front-end path: the four file names come from NAMES.DAT in the current
// working directory. Returns the value LGO hands back. Never throws.
int runFromNamesFile(engine::RunContext& ctx, const std::string& namesPath = "NAMES.DAT") noexcept;

// The command-line path: the four file names are given directly.
int runWithFiles(engine::RunContext& ctx, const RunFiles& files) noexcept;

}  // namespace quarn::run
