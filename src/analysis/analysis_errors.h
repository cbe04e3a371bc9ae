// The numbered error blocks of the pile response analysis: the stops of the
// load-case iteration and of the equation solution.
#pragma once

#include <span>

#include "engine/message_blocks.h"

namespace quarn::analysis {

// Runtime error numbers.
inline constexpr int kRuntimeExcessDeflection = 9;  // head deflection beyond the allowed limit
inline constexpr int kRuntimeNotConverged = 10;     // no convergence within the iteration limit
inline constexpr int kRuntimeSmallPivot = 11;       // the head system has a vanishing pivot
inline constexpr int kRuntimeNotANumber = 28;       // the solution is not a number
inline constexpr int kRuntimeThinLayer = 29;        // a soil layer holds no node

std::span<const engine::MessageBlock> analysisMessageBlocks();

// The block of runtime error `number` of the table above.
const engine::MessageBlock& analysisMessageBlock(int number);

}  // namespace quarn::analysis
