// Moment-curvature tables of the pile sections (`MomentCurvatureTable`): per
// section and axial thrust the points of curvature, moment and bending
// stiffness with the nominal moment capacity. The section analysis fills
// them once per run; the bending-stiffness update of the load-case iteration
// reads them at every iteration. Tables and points are numbered from 1.
//
// Units are those of the tables: curvature in rad/in, moments in in-kip and
// stiffness in kip-in^2 for US customary runs (rad/m, kN-m and kN-m^2 in SI
// runs), axial thrusts in kips (kN).
#pragma once

#include <array>
#include <vector>

#include "engine/limits.h"
#include "engine/model_nodes.h"

namespace quarn {

inline constexpr int kMaxCurvePoints = 150;  // `NumPoints`: points of one curve

struct MomentCurvatureTable {
  double axialThrust = 0.0;          // P_e
  int points = 0;                    // n_k(e)
  double nominalMoment = 0.0;        // Mn_e
  double nominalMomentStrain = 0.0;  // compressive strain at which Mn_e was taken
  std::array<double, kMaxCurvePoints + 1> curvature{};
  std::array<double, kMaxCurvePoints + 1> moment{};
  std::array<double, kMaxCurvePoints + 1> EI{};
};

// The tables of one pile section, one per axial thrust. A user-defined M-EI
// section (type 13) has the thrusts of its own input; every other section
// has those of the run's thrust list.
struct SectionCurves {
  int thrusts = 0;
  std::vector<MomentCurvatureTable> table;  // 1..thrusts; sized once per run
};

struct MomentCurvatureTables {
  // The run's axial thrust list (`THR`) that the tables were computed for,
  // ascending; the load-case iteration selects tables by it.
  int numberOfThrusts = 0;
  std::array<double, kMaxAxialThrusts + 1> thrust{};

  std::array<SectionCurves, kMaxSections + 1> section{};  // 1-based

  // `b_BeyondTable`: the curvature of the node passed the last point of its
  // table in the last stiffness update; anyBeyondTable is the global copy.
  std::array<bool, kNodeCapacity + 1> b_BeyondTable{};
  bool anyBeyondTable = false;
};

}  // namespace quarn
