// The p-y framework: what every criterion shares.
//
// The soil is one nonlinear spring per node. In every iteration the layer
// sweep calls the criterion routine of each layer, which evaluates its p-y
// curve at the node's current deflection relative to the soil and stores the
// secant modulus Es = p / y that the solver uses as spring stiffness. In print
// mode the same routines write their curve at requested depths instead.
#pragma once

#include <array>
#include <span>

#include "engine/run_context.h"

namespace quarn::soil {

// The call context of a criterion routine: which layer and which entries it
// works on. In analysis mode the entries are the layer's nodes; in print mode
// they are indices into printDepths (1-based like node numbers, element 0
// unused) and the routine writes one curve block per depth.
struct CriterionCall {
  int layer = 0;      // k
  int NodeFirst = 0;  // first node (or output-depth index) of the call
  int NodeLast = 0;   // last one, inclusive
  bool PrintMode = false;
  std::span<const double> printDepths;
};

// ---- entry points -----------------------------------------------------------

// The layer sweep, run in every iteration of a load case: calls the criterion
// of every layer that holds nodes, top down, storing Es (and, with soil
// movements, the load term w) at every node. Unwinds on an error.
void updateSoilModuli(engine::RunContext& ctx);

// Runs the criterion routine of the call's layer. Keys without a routine
// (frozen soil, criteria not available) leave their nodes untouched.
void runCriterion(engine::RunContext& ctx, const CriterionCall& call);

// True when this engine has the routine of the criterion code, so a layer of
// it can be analysed (frozen soil has no curve and counts as available).
bool criterionAvailable(int code);

// The sweep's bookkeeping after layer k was evaluated: counts rock-like layers
// and marks the layers below one (NoEquivDepth).
void noteLayerSwept(AnalysisModel& model, int k);

// Print mode: writes the p-y curve of layer k's criterion at the output
// depths printDepths[first..last] to the report and the plot file.
void printPyCurves(engine::RunContext& ctx, int layer, int first, int last,
                   std::span<const double> printDepths);

// ---- shared steps of the criterion routines --------------------------------

// p- and y-multiplier at x below the pile head; 1 outside the table.
double fn_pMult(const MultiplierTable& table, double x);
double fn_yMult(const MultiplierTable& table, double x);

// Interpolation in a ten-point table at r = v / D (abscissae X ascending).
double fn_Table10(double v, double D, const std::array<double, 10>& Y,
                  const std::array<double, 10>& X);

// Where entry i of a call lies: the distance along the pile (pile properties
// and multipliers) and the vertical depth (soil properties).
struct CallPoint {
  double x = 0.0;      // along the pile axis
  double depth = 0.0;  // vertical depth below the pile head
};
CallPoint callPoint(const AnalysisModel& model, const CriterionCall& call, int i);

// Signed deflection at entry i (the node's, or in print mode interpolated at
// the output depth from the vertical node depths), for the sloping-ground rules.
double signedDeflection(const AnalysisModel& model, const CriterionCall& call, int i);

// Deflection of node i relative to the soil, divided by the y-multiplier.
double relativeDeflection(const AnalysisModel& model, int i, double ym);

// Stores the modulus of node i and, when soil movements exist, the load term
// SoilMoveLoad = ys Es + distributed load.
void storeModulus(AnalysisModel& model, int i, double Es);

// Pile increment length L / N used by the resistance integrals of layered soil.
double incrementLength(const AnalysisModel& model);

}  // namespace quarn::soil
