// The summary of warning messages at the end of the report.
#pragma once

#include <span>
#include <string_view>

#include "engine/run_context.h"

namespace quarn::report {

// The block printed for warning code c (absolute value), or an empty span
// for a code that has none.
std::span<const std::string_view> warningBlock(int code);

// Prints every warning code that occurred, in ascending order of its absolute
// value, with its count and its block; returns the number of distinct codes.
int Write_Warning_Summary(engine::RunContext& ctx);

}  // namespace quarn::report
