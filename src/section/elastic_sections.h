// Sections whose bending stiffness is given directly (input types 11
// elastic, 12 elastic-plastic, 13 user-defined moment versus EI). They are
// not sliced: the per-section driver fills the same moment-curvature tables
// as for nonlinear sections, so that the pile analysis treats every section
// alike, and writes the matching report lines and plot records.
//
// Table units: moments in in-kip and stiffness in kip-in^2 in US customary
// runs (the input gives in-lb and lb-in^2), kN-m and kN-m^2 in SI runs.
#pragma once

#include <span>

#include "engine/model_tables.h"
#include "engine/run_context.h"

namespace quarn::section {

// Input error 51: the stiffness of a user-defined section varies by more
// than a factor of 100 within one axial thrust.
inline constexpr int kInputUserEiRange = 51;
inline constexpr double kUserEiMaxRatio = 100.0;

// Warning 307: moments of a user-defined section that are not positive and
// increasing.
inline constexpr int kWarningUserEiMoments = -307;

// Elastic table for axial thrust P: 150 points of curvature 10 j, moment
// EI x curvature and stiffness EI (EI in the input's units, lb-in^2 or
// kN-m^2). No moment capacity: Mn is 0.
void fillElasticTable(double EI, int IUNITS, double P, MomentCurvatureTable& table);

// Elastic-plastic table: 100 elastic points up to the plastic moment Mp at
// the yield curvature Mp / EI, then 50 points at Mp from 1.2 to 11 times the
// yield curvature with the secant stiffness Mp / phi. Mn is Mp. A section
// without a positive EI and Mp has no yield curvature and gets the elastic
// table.
void fillElasticPlasticTable(double EI, double Mp, int IUNITS, double P,
                             MomentCurvatureTable& table);

// What a user-defined curve breaks of the rules of its input.
struct UserEiCheck {
  bool stiffnessRangeExceeded = false;  // max EI > 100 min EI, or an EI not positive
  bool momentsNotIncreasing = false;    // a moment not positive, or not above the one before
  double smallestEI = 0.0;
  double largestEI = 0.0;
};
UserEiCheck checkUserEiCurve(const UserEiCurve& curve);

// User-defined table: the input points with curvature M / EI, the thrust and
// the moments and stiffnesses converted to kips and kip-in (US customary);
// Mn is the largest input moment.
void fillUserEiTable(const UserEiCurve& curve, int IUNITS, MomentCurvatureTable& table);

// The per-section work for section `index` of type 11, 12 or 13: its tables
// (one per thrust of `runThrusts` for types 11 and 12, one per input thrust
// for type 13, ascending), the report lines and the plot records (Line 3
// when `firstSection`). A user-defined section that breaks the stiffness
// range stops the run with input error 51; one with moments that do not
// increase writes warning 307 and goes on.
void Analyze_Elastic_Section(engine::RunContext& ctx, int index, std::span<const double> runThrusts,
                             bool firstSection);

}  // namespace quarn::section
