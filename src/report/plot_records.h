// Records of the plot file (channel 7): one fixed-layout line each, numbers in
// fixed columns followed by the record's comment.
#pragma once

#include "engine/channel.h"

namespace quarn::report {

// Line 1: analysis type, unit system, length-study indicator, stiffness-matrix option.
void writePlotLine1(engine::Channel& plot, int analysisType, int unitSystem, int lengthStudy,
                    bool computeKmatrix);
// Line 2: number of pile sections.
void writePlotLine2(engine::Channel& plot, int sections);

}  // namespace quarn::report
