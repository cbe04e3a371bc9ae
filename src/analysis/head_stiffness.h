// The pile-head stiffness terms K22, K23, K32 and K33 that structural
// engineers feed into their bridge and building models: the head reactions
// over the head displacements of the pile under ten growing load levels,
// ten runs under a head shear with the head held against rotation and ten
// under a head moment with the head held against deflection. The soil
// springs and the bending stiffness are iterated in every run as in a load
// case, so the terms are secant stiffnesses at each level. Computing them
// writes nothing but the equilibrium verdict of every run; the report prints
// the table and the plot records.
//
// Signs: the head shear V acts in the direction of positive deflection y,
// M = EI y'' and theta = y'. For a pile whose head deflects with the shear,
// K22 = V / y, K32 = -M' / y, K23 = V' / theta and K33 = -M / theta are all
// positive (a long elastic pile: 4 EI b^3, 2 EI b^2, 2 EI b^2, 2 EI b with
// b = (Es / 4EI)^(1/4)).
#pragma once

#include <array>

#include "analysis/equilibrium.h"
#include "engine/run_context.h"

namespace quarn::analysis {

inline constexpr int kStiffnessLevels = 10;
inline constexpr int kStiffnessRuns = 2 * kStiffnessLevels;

// Registered when general units leave the stiffness terms without load
// levels (a zero shear or moment in load case 1).
inline constexpr int kWarningStiffnessNotComputed = -560;

// Coefficient of load level i = 1..10: 0.1 in single precision for the
// first, log10(i) for the others (1 for the tenth).
double loadLevelCoefficient(int i);

// The load levels: fractions c_i of the shear X and moment Y of load case 1
// (its first and second head values, whatever its load type), all runs with
// the axial thrust of case 1. A shear below 1.0E-7 in magnitude is replaced
// by 10 lbs (0.0444822 kN), a moment below 1.0E-7 by 100 in-lbs
// (0.01129848 kN-m); general units have no such defaults.
struct StiffnessLoadLevels {
  double shear = 0.0;   // X, the level with c = 1
  double moment = 0.0;  // Y
  double thrust = 0.0;  // Q of case 1
  bool shearSubstituted = false;
  bool momentSubstituted = false;
  std::array<double, kStiffnessLevels + 1> V{};  // 1..10: X c_i
  std::array<double, kStiffnessLevels + 1> M{};  // 1..10: Y c_i

  // General units with a zero shear or moment give zero load levels and no
  // stiffness terms.
  bool defined() const { return shear != 0.0 && moment != 0.0; }
};

StiffnessLoadLevels stiffnessLoadLevels(const AnalysisModel& model);

// The head condition of stiffness run r = 1..20: runs 1..10 shear V_r with a
// zero head slope (load type 2), runs 11..20 moment M_(r-10) with a zero head
// deflection (load type 4).
HeadCondition stiffnessRunHead(const StiffnessLoadLevels& levels, int r);

// What a converged run keeps, computed at node 1.
struct StiffnessRun {
  double headDeflection = 0.0;
  double headSlope = 0.0;  // from the deflections
  double headShear = 0.0;
  double headMoment = 0.0;
};

struct HeadStiffnessTerms {
  double K22 = 0.0;  // applied shear / head deflection
  double K23 = 0.0;  // shear reaction / head rotation
  double K32 = 0.0;  // -moment reaction / head deflection
  double K33 = 0.0;  // -applied moment / head rotation
};

enum class HeadStiffnessStatus {
  kComputed,
  // A run exceeded the deflection limit after iteration 10 or ran out of
  // iterations: nothing is reported and the run goes on.
  kAbandoned,
  // General units with a zero shear or moment in load case 1: no run made,
  // warning kWarningStiffnessNotComputed registered.
  kNoLoadLevels,
};

struct HeadStiffness {
  HeadStiffnessStatus status = HeadStiffnessStatus::kAbandoned;
  StiffnessLoadLevels levels;
  std::array<StiffnessRun, kStiffnessRuns + 1> run{};           // 1..20
  std::array<HeadStiffnessTerms, kStiffnessLevels + 1> term{};  // 1..10
};

// Writes the equilibrium verdict of a converged run.
using RunVerdictWriter = void (*)(engine::RunContext& ctx, const EquilibriumResult& result);

// The stiffness terms from the ten level pairs of converged runs.
HeadStiffnessTerms stiffnessTerms(const StiffnessLoadLevels& levels, int i,
                                  const StiffnessRun& shearRun, const StiffnessRun& momentRun);

// `Compute_Head_Stiffness`: the twenty runs on the pile of the input, each a
// quiet solution (iterateCase without progress lines or thin-layer check,
// warnings kept, the distributed loads of the nodes as the last load case
// left them, the bending stiffness always from the tables). Deflections
// that are not a number stop the run with runtime error 28 (report only);
// an error of a solver or a p-y criterion stops it as in a load case. The
// input records, load case 1 included, are left untouched.
HeadStiffness Compute_Head_Stiffness(engine::RunContext& ctx, RunVerdictWriter writeVerdict);

}  // namespace quarn::analysis
