// The input echo: the input written back to the report in readable form,
// block by block, in the units in which it was entered, with the cross-field
// checks that stop bad input before anything is analysed.
#pragma once

#include "engine/run_context.h"

namespace quarn::input {

// `Echo_Input`: writes the echo to the report (progress lines to the
// run-message file). Resets a convergence tolerance of zero or less to its
// default, keeps the p-y output on only for the depths that remain in its
// list, and stops the run on the first failed check. In an LRFD analysis the
// factored loads must have been computed before (the echo prints them in
// place of the pile-head load table).
void Echo_Input(engine::RunContext& ctx);

}  // namespace quarn::input
