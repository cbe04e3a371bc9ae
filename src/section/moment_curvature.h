// Moment-curvature analysis of a sliced section: for one axial thrust, a
// sequence of curvatures, and for each the neutral-axis depth that puts the
// section in axial equilibrium (Find_Neutral_Axis), the moment, the secant
// bending stiffness M / phi, the extreme strains and stresses and the run
// messages; then the nominal moment capacity at a concrete strain of 0.003.
// Also the prestressing strains of prestressed sections.
//
// Units are the section's working units: ksi, inches, kips and in-kip (US
// customary) or kPa, metres, kN and kN-m (SI). Nothing here allocates.
#pragma once

#include <array>
#include <string_view>

#include "engine/model_tables.h"
#include "engine/run_context.h"
#include "section/section_state.h"

namespace quarn::section {

// Runtime errors of this analysis (codes 200 + n).
inline constexpr int kRuntimePrestressConcreteArea = 14;
inline constexpr int kRuntimePrestressSteelArea = 15;
inline constexpr int kRuntimeNeutralAxis = 16;

// The search gives up when its iteration count exceeds this.
inline constexpr int kMaxNeutralAxisIterations = 999;

// Concrete strain of the nominal moment capacity (ACI 318).
inline constexpr double kNominalMomentStrain = 0.003;

// Trial offset of the central difference and the step below which the
// search has converged (lengths of the unit system).
struct NeutralAxisControls {
  double delta = 0.0;
  double tolerance = 0.0;
};
NeutralAxisControls neutralAxisControls(int IUNITS);

// State carried by the search from one curvature to the next.
struct NeutralAxisSearch {
  double cPrev = 0.0;  // neutral-axis depth of the previous point
  int iterations = 0;  // Newton iterations of the last search
};

// Solves F(c) = P for the neutral-axis depth c (from the compression face)
// at curvature phi by Newton's method with central differences, starting
// from search.cPrev (H/2 when that lies more than H away). A search that
// converges on a larger residual than it met on its way starts once more
// from the best depth met. The stresses of the state are those of the last
// evaluation (the upper trial of the last iteration). The search keeps the
// flags of the state as they are: the crack state is the one it is given.
// Writes the runtime
// error 16 block and stops the run when the count exceeds 999 iterations or
// the residual is not a number.
double Find_Neutral_Axis(engine::RunContext& ctx, SectionState& s, double P, double phi,
                         NeutralAxisSearch& search);

// Initial curvature increment of a concrete section of diameter (or width)
// D: 1.25e-6 rad/in / max(1, nint(D / 24 in)) in US customary units, the
// same in rad/m for SI; general units take 2e-6 whatever D is.
double initialCurvatureIncrement(int IUNITS, double D);

// Initial curvature increment of a steel pipe under thrust P: an 80th of the
// curvature that strains the outer fibre to 1.7 fy / E less the axial strain.
double pipeCurvatureIncrement(const SectionState& s, double P);

// Everything a point of the curve reports.
struct CurvePoint {
  double curvature = 0.0;
  double moment = 0.0;  // as stored: never below the previous point (except for pipes)
  double EI = 0.0;
  double neutralAxis = 0.0;  // depth of zero concrete strain from the compression face
  double maxCompressiveStrain = 0.0;
  double maxTensileStrain = 0.0;
  double maxConcreteStress = 0.0;              // largest slice stress of the section concrete
  double maxSteelStress = 0.0;                 // largest magnitude in bars or strands
  double maxCasingStress = 0.0;                // casing or pipe wall
  double maxCoreStress = 0.0;                  // core tube
  std::array<char, 3> message{' ', ' ', ' '};  // C, T, Y or Z
};

struct MomentCurvatureCurve {
  double axialThrust = 0.0;
  int points = 0;
  std::array<CurvePoint, kMaxCurvePoints + 1> point{};  // 1-based
  bool reachedPointLimit = false;                       // 150 points without reaching an end
  double nominalMoment = 0.0;
  double nominalMomentStrain = 0.0;
  bool nominalStrainReached = true;  // false: Mn is the largest moment developed
};

// One curve of the section for axial thrust P. `strandPrestrain`: the
// prestrain of prestressing steel (0 for other sections). A tension beyond
// the cracking load leaves the concrete without tension and prestrains the
// longitudinal steel by P / (As Es). The section cracks at the first
// curvature whose equilibrium strains the extreme tension fibre past the
// tensile strain at fracture, and stays cracked; "Y" marks the points at
// which a bar, strand, casing or core tube has yielded. Stops the run on
// runtime error 16.
void computeMomentCurvature(engine::RunContext& ctx, SectionState& s, double P,
                            double strandPrestrain, MomentCurvatureCurve& curve);

// Nominal moment capacity of a computed curve: the moment interpolated at a
// compressive strain of 0.003 between the two points that bracket it; the
// moment and strain of the last point but one when the curve never reaches
// 0.003 (the stored moments never fall, so this is the largest moment
// developed before the last point); the moment of the last point for a
// steel pipe.
void nominalMomentCapacity(MomentCurvatureCurve& curve, bool steelPipe);

// Copies a curve into a table of the model.
void storeCurve(const MomentCurvatureCurve& curve, MomentCurvatureTable& table);

// Prestressing of a prestressed section (steel models 4 to 9).
struct PrestressValues {
  double jackingForce = 0.0;  // Pj, pounds or kN as entered
  double lossFraction = 0.0;
  double effectiveForce = 0.0;                // Pe = (1 - loss) Pj
  double concreteArea = 0.0;                  // Ac, the net concrete of the slices
  double steelArea = 0.0;                     // Aps, the strands of the slices
  double strandPrestrain = 0.0;               // Pe / (-Eps Aps)
  double precompression = 0.0;                // Pe / (Ec Ac)
  double Pcap = 0.0;                          // (0.85 f'c - 0.6 eps_ce Ec)(Ac + Aps)
  double Tcap = 0.0;                          // -Aps fpu
  double approximateMoment = 0.0;             // fpu Aps H k
  std::string_view approximateMomentFormula;  // "Mn = 0.32 D As fpu", ...
};

// Calculate_Strains_Due_To_Prestressing: the strand prestrain and the
// concrete precompression from the effective prestressing force, the axial
// capacities that replace those of the reinforced-concrete formulas, and
// the approximate moment capacity. Sets the precompression of the state and
// its capacities Pcap and Tcap. A net concrete area or strand area that is
// not positive writes its block and stops the run (runtime errors 14, 15).
PrestressValues Calculate_Strains_Due_To_Prestressing(engine::RunContext& ctx, SectionState& s);

}  // namespace quarn::section
