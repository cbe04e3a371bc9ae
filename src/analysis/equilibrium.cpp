#include "analysis/equilibrium.h"

#include <cmath>
#include <string>

#include "engine/messages.h"
#include "engine/single_precision.h"
#include "output/format.h"
#include "output/report_writers.h"

namespace quarn::analysis {

namespace {

using engine::Channel;

// Net lateral load per unit length on the pile at node k: the applied load
// less the soil reaction.
double netLoad(const PileModel& pm, int k) {
  const PileNode& node = pm.node[static_cast<std::size_t>(k)];
  return node.w - node.Es * pm.y(k);
}

// True when the imbalance v is to replace the kept one: a larger magnitude,
// or the first imbalance that is not a number. A NaN is kept rather than
// passed over, so that a broken solution is never confirmed as balanced: with
// a NaN neither the confirmation nor the warning is written.
bool replaces(double v, double kept) {
  if (std::isnan(v)) return !std::isnan(kept);
  return std::fabs(v) > std::fabs(kept);
}

void keepLargest(EquilibriumCheck& check, double momentImbalance, double forceImbalance, int a) {
  if (replaces(momentImbalance, check.Mmax)) {
    check.Mmax = momentImbalance;
    check.nodeM = a;
  }
  if (replaces(forceImbalance, check.Fmax)) {
    check.Fmax = forceImbalance;
    check.nodeF = a;
  }
}

// The segment from node a - 2 to node a - 1, 3 <= a <= N.
void addNode(const PileModel& pm, EquilibriumCheck& check, int a) {
  const double h = pm.h;
  const double Q = pm.head.Q;
  auto y = [&pm](int k) { return pm.y(k); };
  if (a == 3) {
    // The state at the head: the moment of the boundary conditions (for load
    // types 2, 3 and 5 the computed one), the shear term and the slope by
    // central differences through the imaginary nodes.
    const double Etop = pm.node[2].EI;
    check.M_prev = pm.head.Mt;
    check.G_prev = Etop * (y(3) - 2.0 * y(2) + 2.0 * y(0) - y(-1)) / (2.0 * h * h * h);
    check.S_prev = (y(2) - y(0)) / (2.0 * h);
  }
  const double Ma = pm.node[static_cast<std::size_t>(a)].M;
  const double G = (Ma - check.M_prev) / (2.0 * h);   // dM/dx at node a - 1
  const double S = (y(a) - y(a - 2)) / (2.0 * h);     // slope at node a - 1
  const double V1 = check.G_prev + Q * check.S_prev;  // shear at node a - 2
  const double V2 = G + Q * S;                        // shear at node a - 1
  const double q1 = netLoad(pm, a - 2);
  const double q2 = netLoad(pm, a - 1);
  const double F = V1 - V2 + (h / 2.0) * (q1 + q2);
  const double Mi =
      (check.M_prev - check.M_last) + h * (V1 + (h / 2.0) * q1) + Q * (y(a - 2) - y(a - 1));
  keepLargest(check, Mi, F, a);
  check.M_prev = check.M_last;
  check.M_last = Ma;
  check.G_prev = G;
  check.S_prev = S;
}

// The last segment, from node N - 1 to the tip, where the shear is the tip
// shear and the moment is zero.
void addTip(const PileModel& pm, EquilibriumCheck& check) {
  const int N = pm.N;
  const double h = pm.h;
  const double Q = pm.head.Q;
  const double V1 = check.G_prev + Q * check.S_prev;
  const double q1 = netLoad(pm, N - 1);
  const double q2 = netLoad(pm, N);
  const double F = V1 - pm.vTip + (h / 2.0) * (q1 + q2);
  const double Mi = check.M_prev + h * (V1 + (h / 2.0) * q1) + Q * (pm.y(N - 1) - pm.y(N));
  keepLargest(check, Mi, F, N + 1);
}

// The label without its trailing blanks.
std::string trimmed(const std::string& label) {
  const std::size_t end = label.find_last_not_of(' ');
  return end == std::string::npos ? std::string() : label.substr(0, end + 1);
}

// The lines of the warning that both files share, after the title.
void writeWarningText(Channel& out) {
  out.endLine();
  out.line("Force and moment imbalances may be too large for a good solution.");
  out.endLine();
  out.line("The cause of the imbalance may be due to extreme changes in magnitude");
  out.line("of nonlinear bending stiffness within three nodal points of the top of the pile");
  out.line("which may affect the finite difference computation of shear force.");
  out.endLine();
  out.line("Please examine curves and printed output for deflection, moment, shear force,");
  out.line("and number of iterations to determine if computed values are reasonable.");
  out.line("If the shear force shows large changes, increase the number of nodal points");
  out.line("(pile increments) and repeat the analysis.");
  out.endLine();
}

void writeImbalanceWarning(engine::RunContext& ctx, const EquilibriumCheck& check) {
  const AnalysisModel& model = ctx.model;
  const bool us = model.options.IUNITS == kUnitsUsCustomary;
  const std::string force = trimmed(model.labels.force);
  const std::string moment = trimmed(model.labels.length) + "-" + force;

  Channel& out = ctx.report;
  out.emptyLines(2);
  out.line(us ? "**** Warning - POSSIBLE SOLUTION ERROR 5501 ****"
              : "**** Warning - Possible Solution Error 5501 ****");
  writeWarningText(out);
  out.put("Maximum internal moment imbalance for pile        = ");
  output::Write_Report_Number(out, check.Mmax, 12);
  output::write(out, "(1X A / \"Maximum internal lateral force imbalance for pile = \" $)",
                {moment});
  output::Write_Report_Number(out, check.Fmax, 12);
  output::write(out, "(1X A)", {force});

  Channel& msg = ctx.messages;
  msg.emptyLines(2);
  msg.line(us ? "**** Warning - POSSIBLE SOLUTION ERROR 550 ****"
              : "**** Warning - Possible Solution Error 550 ****");
  writeWarningText(msg);
  output::write(msg,
                "(\"Maximum internal moment imbalance for pile solution         = \" ES12.5 1X A "
                "\" at node \" I0 / "
                "\"Maximum internal lateral force imbalance for pile  solution = \" ES12.5 1X A "
                "\" at node \" I0)",
                {check.Mmax, moment, check.nodeM, check.Fmax, force, check.nodeF});
}

void writeVerdict(engine::RunContext& ctx, const EquilibriumCheck& check) {
  const Options& options = ctx.model.options;
  const double limit = momentImbalanceLimit(options.IUNITS);
  if (limit <= 0.0) return;
  const double imbalance = std::fabs(check.Mmax);
  if (imbalance <= limit && !options.printSummaryOnly && !options.computeKmatrix) {
    output::write(ctx.report,
                  "(/ \"Output Verification: Computed forces and moments are within specified "
                  "convergence limits.\" /)",
                  {});
  }
  if (imbalance > limit) writeImbalanceWarning(ctx, check);
}

}  // namespace

double momentImbalanceLimit(int unitSystem) {
  switch (unitSystem) {
    case kUnitsUsCustomary:
      return 1.0;  // in-lbs
    case kUnitsSi:
      return sp(0.00011298f);  // kN-m, the same moment as 1 in-lb
    default:
      return 0.0;
  }
}

void resetEquilibriumCheck(EquilibriumCheck& check) {
  check.Mmax = 0.0;
  check.nodeM = 0;
  check.Fmax = 0.0;
  check.nodeF = 0;
}

void recordNodeMoment(EquilibriumCheck& check, double moment) {
  check.M_last = moment;
}

void Verify_Node_Equilibrium(engine::RunContext& ctx, EquilibriumCheck& check, int a) {
  const PileModel& pm = ctx.model.pileModel;
  const int N = pm.N;
  if (N < 3 || N > kNodeCapacity || a < 3 || a > N + 1) {
    engine::failInvariant("equilibrium check of node " + std::to_string(a) + " on " +
                            std::to_string(N) + " nodes");
  }
  if (a <= N) {
    addNode(pm, check, a);
    return;
  }
  addTip(pm, check);
  writeVerdict(ctx, check);
}

}  // namespace quarn::analysis
