// Soil properties at a depth, from the layered profile of the model.
//
// The profile is a list of points j = 1 .. NP (NP = 2 x number of layers):
// point 2k-1 is the top of layer k and point 2k its bottom, so an interface
// between two layers is two consecutive points at one depth carrying the
// bottom value of the upper layer and the top value of the lower layer. The
// queries differ mainly in which of the two they return there.
//
// Depths are below the pile head in the model's length unit. A query that
// finds an input error writes its block to the report and the run-message
// file, records the error and unwinds (engine::RunStopped).
#pragma once

#include "engine/run_context.h"
#include "soil/criteria.h"

namespace quarn::soil {

// Number of profile points, 2 x number of layers.
int profilePointCount(const Soil& soil);
// Depth of profile point j (1-based).
double profileDepth(const Soil& soil, int j);

// Undrained shear strength at a depth, with how the depth was located.
struct StrengthAtDepth {
  double c = 0.0;
  bool atInterface = false;  // within 1e-6 of an interior profile point
  bool atTip = false;        // exactly at the pile tip
};

// Undrained shear strength (uniaxial compressive strength for rock) at x.
// Input errors 5 and 60, runtime error 30 and the internal error 999.
StrengthAtDepth lookupStrength(engine::RunContext& ctx, double x);
inline double fn_c(engine::RunContext& ctx, double x) {
  return lookupStrength(ctx, x).c;
}

// Strain factor epsilon-50 at x (the slot holds k_rm in weak rock layers); 0 below the profile.
double fn_e50(const AnalysisModel& model, double x);
// The epsilon-50 slot at x, taking the lower layer's value at an interface (k_rm of weak rock).
double fn_krm(const AnalysisModel& model, double x);
// J factor of soft clay at x; 0 below the profile.
double fn_J(const AnalysisModel& model, double x);
// Friction angle in degrees at x. Input error 4 below the profile.
double fn_phi(engine::RunContext& ctx, double x);
// Rock quality designation in percent at x. Input errors 31 and 49.
double fn_RQD(engine::RunContext& ctx, double x);
// Average undrained shear strength from the ground surface to x. Input error 3.
double fn_CAvg(engine::RunContext& ctx, double x);
// Average effective unit weight from the ground surface to x. Input error 15.
double fn_GammaAvg(engine::RunContext& ctx, double x);

// A layer property given at the layer top and bottom, interpolated linearly by
// the depth x between them. A layer of no thickness has its top value.
double layerValueAt(const SoilLayer& layer, const LayerValue& value, double x);

// The same for the rock criteria, which need a layer of some thickness:
// runtime error 20 (its text naming weak rock or massive rock by the
// criterion) when the top and bottom of layer k coincide.
double fn_LayerValueAt(engine::RunContext& ctx, int k, double x, const LayerValue& value,
                       Criterion criterion);

}  // namespace quarn::soil
