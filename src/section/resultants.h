// Force and moment resultants of a sliced section for one strain state: a
// curvature phi and a neutral-axis depth c measured from the compression
// face. The strains of the slices are eps_i = (c - SliceDepth[i]) phi; the
// material laws fill the stress arrays of the state; the resultants are the
// sums of stress times slice area. Nothing is allocated.
#pragma once

#include "section/section_state.h"

namespace quarn::section {

// Slice strains of the strain state (c, phi).
void Compute_Slice_Strains(SectionState& s, double c, double phi);

// Component forces from the current slice strains (Compute_Slice_Strains
// first); each fills its stress array and returns its force. The concrete
// carries tension unless s.flags.cracked is set; no evaluation changes a flag.
double Compute_Concrete_Force(SectionState& s);
double Compute_Rebar_Force(SectionState& s);
double Compute_Casing_Force(SectionState& s);
double Compute_Core_Force(SectionState& s);  // steel tubes of the cores
double Compute_Concrete_Force_Inside_Core(SectionState& s);
double Compute_HPile_Force(SectionState& s);

// The total axial force F(c) at curvature phi (compression positive): the
// strains, the stresses and the forces of every component the kind has. The
// component forces are left in s.forces, the stresses in s.stresses.
double Compute_Axial_Thrust_Force(SectionState& s, double c, double phi);

// Judgements on a strain state (c, phi), meant for the converged state of a
// curvature. The concrete cracks when its extreme tension fibre, strained by
// (c - H) phi plus the precompression, passes the tensile strain at fracture.
bool concreteCrackedAt(const SectionState& s, double c, double phi);
// Some steel yields: a bar or strand at the strain of its centre (plus the
// prestrain), the casing or pipe wall, a core tube or an H-pile insert at
// the strain of any slice that holds it.
bool steelYieldedAt(const SectionState& s, double c, double phi);

// Moments about mid-depth of the stresses left by the last evaluation.
ComponentMoments Compute_Section_Moments(const SectionState& s);

// One point of a moment-curvature curve.
struct MomentPoint {
  ComponentMoments computed;  // as summed
  double moment = 0.0;        // as stored: never below the previous point's (except for pipes)
  double EI = 0.0;            // moment / phi
  double maxCompressiveStrain = 0.0;  // c phi (+ eps_ce of prestressing)
  double maxTensileStrain = 0.0;      // (c - H) phi (+ eps_ce of prestressing)
};

// The moment step after the neutral axis of point `pointIndex` (1-based) is
// found: moments of the stresses left by the last evaluation, the stored
// moment (held at `previousMoment` when it drops, from the second point on,
// for every kind but the steel pipe), EI and the extreme strains.
MomentPoint Compute_Moment_Point(const SectionState& s, double c, double phi, int pointIndex,
                                 double previousMoment);

}  // namespace quarn::section
