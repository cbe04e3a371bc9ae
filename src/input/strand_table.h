// The table of prestressing strands and bars: ultimate strength, elastic
// modulus, diameter and area by strand type and size code.
#pragma once

#include "engine/model_input.h"

namespace quarn::input {

inline constexpr int kStrandTypes = 6;  // type codes 0 to 5

// Sets the ultimate strength and elastic modulus of the section's
// prestressing steel and the diameter and area of `strand` from type code
// `type` and size code `size`. A size code the type does not list leaves the
// diameter and area (and, for type 5, the strength) unchanged; a type code
// outside 0 to 5 sets nothing. SI runs get kPa, metres and square metres.
void setStrandFromTable(StrandData& prestress, BarPosition& strand, int type, int size, bool si);

}  // namespace quarn::input
