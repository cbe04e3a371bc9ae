// The response of a solved load case as a value: the results at every node,
// the computed pile-head values, the maxima along the pile and per pile
// section, the zero-deflection count and the equilibrium check. The analysis
// computes it once the iteration of a case ends; the results report prints
// it, and every run that needs the response of a solution without printing
// it computes it the same way. Computing it writes nothing and changes
// nothing in the model.
#pragma once

#include <array>
#include <vector>

#include "analysis/equilibrium.h"
#include "engine/model.h"

namespace quarn::analysis {

// How the iteration of a case ended.
struct IterationOutcome {
  int iterations = 0;  // solutions made, the last one included
  bool converged = false;
};

// Results at one node of the final solution.
struct NodeResult {
  double x = 0.0;       // distance from the pile head along the pile
  double y = 0.0;       // deflection
  double M = 0.0;       // bending moment
  double V = 0.0;       // shear force
  double S = 0.0;       // slope (the prescribed slope at the head in load type 5)
  double stress = 0.0;  // combined axial and bending stress
  double EI = 0.0;      // bending stiffness (the head node takes that of node 2)
  double p = 0.0;       // soil reaction per unit length
  double Es = 0.0;      // secant soil modulus
  // Soil spring of the node: Es times its tributary length, h, or h/2 at the
  // head and the tip.
  double spring = 0.0;
  double w = 0.0;  // distributed lateral load per unit length
};

struct CaseResponse {
  int loadCase = 0;
  IterationOutcome outcome;
  int N = 0;                      // nodes
  std::vector<NodeResult> nodes;  // 1..N (index 0 unused)

  // Computed at the pile head, whatever the load type prescribes.
  double headShear = 0.0;
  double headMoment = 0.0;
  double headSlope = 0.0;

  // Signed values of largest magnitude along the pile and where they occur
  // (the first node on a tie).
  double maxMoment = 0.0;
  double maxMomentX = 0.0;
  double maxShear = 0.0;
  double maxShearX = 0.0;
  double maxStress = 0.0;
  std::array<SectionMaxima, kMaxSections + 1> sectionMaxima{};  // by pile section

  // Sign changes of the deflection between neighbouring nodes, the tip and
  // the imaginary node below it included.
  int zeroDeflectionPoints = 0;

  EquilibriumResult equilibrium;

  double headDeflection() const { return nodes[1].y; }
};

// The response of load case L from the current solution. The node table
// keeps its storage from call to call: a response reused for every case of a
// run is sized once.
void computeCaseResponse(const AnalysisModel& model, int L, const IterationOutcome& outcome,
                         CaseResponse& response);
CaseResponse computeCaseResponse(const AnalysisModel& model, int L,
                                 const IterationOutcome& outcome);

// The values of a response that the summary of all cases reads, kept in the
// model under the case number.
CaseResult caseResultOf(const CaseResponse& response);

}  // namespace quarn::analysis
