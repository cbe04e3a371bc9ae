// The SOIL LAYERS section: the layers of the soil profile with their p-y
// criteria and property values at the top and bottom of each layer.
#pragma once

#include <string_view>

#include "engine/run_context.h"

namespace quarn::input {

// Entered after the "SOIL LAYERS" keyword line; returns after the last line
// of the last layer, with the ground-surface depth set to the first layer top.
void readSoilLayers(engine::RunContext& ctx);

// Number of values on each of the two property lines of a criterion key,
// -1 for a key without a property layout ("Undefined" codes) and for
// "User p-y", whose lines are curves.
int propertyValuesPerLine(std::string_view key);

}  // namespace quarn::input
