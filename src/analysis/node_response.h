// Results at a node from the solved deflections: bending moment, shear force,
// slope, soil reaction and combined stress, with the running maxima along
// the pile and the maxima per load case and pile section.
#pragma once

#include "engine/model.h"

namespace quarn::analysis {

// Results at node k from the current deflections, stored in the node:
// M = EI y'', V = EI y''' + Q y', S = y', p = -Es (y - ys), the combined stress
// |Q|/A + |M| c/I, and the moment copy read by the bending-stiffness update.
// Node 1 also keeps the computed head slope and, for the load types that
// prescribe a deflection or a slope, writes the computed head shear or
// moment into the head condition. Nodes are processed in order 1, 2, ...:
// node 2 of load type 5 uses values of node 1.
void Compute_Node_Response(AnalysisModel& model, int k);

// Sets the running maxima along the pile (moment, shear, stress) to 0.
void resetResponseMaxima(PileModel& pm);

// Clears the row of a load case in the per-section maxima tables.
void clearSectionMaxima(PileModel& pm, int loadCase);

}  // namespace quarn::analysis
