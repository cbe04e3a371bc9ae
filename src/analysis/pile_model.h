// The finite-difference pile model: the row of equally spaced nodes from the
// pile head (node 1) to the tip (node N) and what is attached to every node
// before the equations are solved: position and vertical depth, bending
// stiffness, section, soil layer, distributed load, soil movement and the
// initial soil springs.
#pragma once

#include "engine/run_context.h"

namespace quarn::analysis {

// Initial secant soil modulus of every node below the ground surface (the
// same number in every unit system); the first sweep of the p-y criteria
// replaces it.
inline constexpr double kInitialSoilModulus = 50000.0;

// Where the distributed load of the nodes comes from when they are placed.
enum class NodeLoads {
  kFromInput,  // the distributed load of the input (0 in an LRFD analysis)
  kKept,       // the loads of the nodes as the last solution left them
};

// Builds the node grid for the current pile length and attaches everything
// the input fixes: x, xv, EI and (unless the analysis is LRFD, whose loads are
// placed by the combination) the distributed load w of every node, the
// section of every node, the layer node ranges and the soil movements.
// Called at the start of every load case and by every run that changes the
// pile length. Writes the diagnostic block of Assign_Layer_Nodes to the report.
void setupPileModel(engine::RunContext& ctx, NodeLoads loads = NodeLoads::kFromInput);

// h = L / n and the node positions: x(k) = (k - 1) h along the axis with the
// tip node exactly at L, xv(k) = x(k) cos(batter); EI(k) from the property
// stations and w(k) from the distributed load (0 in an LRFD analysis) unless
// the loads are kept.
void placeNodes(AnalysisModel& model, NodeLoads loads = NodeLoads::kFromInput);

// Section number of every node: a node belongs to section j when
// top(j) < x <= bottom(j), so a node at a boundary belongs to the upper
// section. A node that matches no section keeps its previous number.
void Assign_Node_Sections(AnalysisModel& model, int N);

// First and last node of every soil layer from the vertical node depths xv.
void Assign_Layer_Nodes(engine::RunContext& ctx, int N);

// The same assignment on the distances x(1..M) of the node list, which the
// p-y output overwrites with its list of output depths.
void Assign_Layer_Nodes_Along_Axis(engine::RunContext& ctx, int M);

// Soil movement of every node, interpolated in the soil movement table by x;
// zero outside the table's depth range.
void Compute_Soil_Movements(AnalysisModel& model, int N);

// Initial springs: Es = 0 above the ground surface, kInitialSoilModulus below.
void setInitialSprings(AnalysisModel& model);

// The head condition of a pile-head load case: the two values of its load
// type and its axial thrust.
HeadCondition headConditionFor(const PileHeadLoad& load);

// Starts the solution of a load case: every deflection (imaginary nodes
// included), the tip shear and the previous deflection change set to 0, and
// the head condition set.
void startLoadCase(PileModel& pm, const HeadCondition& head);

}  // namespace quarn::analysis
