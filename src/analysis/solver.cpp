#include "analysis/solver.h"

#include <array>
#include <cmath>
#include <initializer_list>
#include <string>

#include "analysis/analysis_errors.h"
#include "engine/messages.h"
#include "output/format.h"

namespace quarn::analysis {

namespace {

// Deflections at the head found by the head conditions: the imaginary nodes
// -1 and 0 above the head, the head node 1 and node 2.
struct HeadDeflections {
  double yMinus1 = 0.0;
  double y0 = 0.0;
  double y1 = 0.0;
  double y2 = 0.0;
};

void checkGrid(const PileModel& pm) {
  // Node 2 and the head system reach down to node 4.
  if (pm.N < 5 || pm.N > kNodeCapacity) {
    engine::failInvariant("pile grid of " + std::to_string(pm.N) + " nodes cannot be solved");
  }
}

// Elimination from the tip up: every node m gets
//   y(m) = a(m) y(m-1) - b(m) y(m-2) + c(m),
// the difference equation of node m with y(m+1) and y(m+2) replaced by their
// own recursions. At the tip the zero-moment and tip-shear conditions remove
// the two imaginary nodes below it.
void eliminateFromTip(PileModel& pm) {
  const int N = pm.N;
  const auto& nd = pm.node;
  const double h2 = pm.h * pm.h;
  const double h3 = h2 * pm.h;
  const double h4 = h2 * h2;
  const double Qh = pm.head.Q * h2;
  auto& D = pm.recursion.D;
  auto& a = pm.recursion.a;
  auto& b = pm.recursion.b;
  auto& c = pm.recursion.c;
  // R(0), the imaginary node above the head, takes the head stiffness E_top;
  // the caller has set EI(1) = EI(2) = E_top.
  auto R = [&nd](int m) { return nd[m == 0 ? 1 : m].EI; };

  // Tip node: y(N+1) = 2 y(N) - y(N-1) (zero moment), y(N+2) from the shear.
  {
    const double Rm = R(N - 1);
    const double RN = R(N);
    D[N] = Rm + RN + nd[N].Es * h4 - 2.0 * Qh;
    a[N] = 2.0 * (Rm + RN - Qh) / D[N];
    b[N] = (Rm + RN) / D[N];
    c[N] = (nd[N].w * h4 - 2.0 * pm.vTip * h3) / D[N];
  }
  // Node N - 1: the zero-moment condition removes y(N+1).
  {
    const int m = N - 1;
    const double Rmm = R(m - 1);
    const double Rm = R(m);
    const double oneMinusB = 1.0 - b[N];
    D[m] = Rmm + 4.0 * Rm + nd[m].Es * h4 - 2.0 * Qh - a[N] * (2.0 * Rm - Qh);
    a[m] = (2.0 * (Rmm + Rm * oneMinusB) - oneMinusB * Qh) / D[m];
    b[m] = Rmm / D[m];
    c[m] = (nd[m].w * h4 + c[N] * (2.0 * Rm - Qh)) / D[m];
  }
  // Nodes N - 2 up to the head.
  for (int m = N - 2; m >= 1; --m) {
    const double Rmm = R(m - 1);
    const double Rm = R(m);
    const double Rp = R(m + 1);
    const double a1 = a[m + 1];
    const double a2 = a[m + 2];
    const double b1 = b[m + 1];
    const double b2 = b[m + 2];
    const double T = 2.0 * Rm + (2.0 - a2) * Rp - Qh;
    D[m] = Rmm + nd[m].Es * h4 + Rp * (1.0 - b2 - a1 * (2.0 - a2)) + (2.0 * Rm - Qh) * (2.0 - a1);
    a[m] = (2.0 * (Rm + Rmm) - (1.0 - b1) * Qh - b1 * (2.0 * Rm + (2.0 - a2) * Rp)) / D[m];
    b[m] = Rmm / D[m];
    c[m] = (nd[m].w * h4 + c[m + 1] * T - c[m + 2] * Rp) / D[m];
  }
}

void clearHeadSystem(PileModel& pm) {
  for (auto& row : pm.recursion.F) row.fill(0.0);
  pm.recursion.G.fill(0.0);
  pm.recursion.YG.fill(0.0);
}

void setRow(PileModel& pm, int row, std::initializer_list<double> coefficients, double rhs) {
  int column = 1;
  for (double value : coefficients) pm.recursion.F[row][column++] = value;
  pm.recursion.G[row] = rhs;
}

// Forward elimination of the n x n head system; returns the column of the
// first pivot below kSmallPivot (the system left as it stood then), or 0
// after a complete back substitution into YG.
int eliminateHeadSystem(PileModel& pm, int n) {
  if (n < 1 || n > 5) engine::failInvariant("head system larger than 5 x 5");
  auto& F = pm.recursion.F;
  auto& G = pm.recursion.G;
  auto& YG = pm.recursion.YG;
  for (int c = 1; c < n; ++c) {
    if (std::abs(F[c][c]) < kSmallPivot) return c;
    for (int i = c + 1; i <= n; ++i) {
      if (F[i][c] == 0.0) continue;
      const double factor = F[i][c] / F[c][c];
      for (int j = c + 1; j <= n; ++j) F[i][j] -= factor * F[c][j];
      G[i] -= factor * G[c];
    }
  }
  YG[n] = G[n] / F[n][n];
  for (int i = n - 1; i >= 1; --i) {
    double sum = G[i];
    for (int j = i + 1; j <= n; ++j) sum -= F[i][j] * YG[j];
    YG[i] = sum / F[i][i];
  }
  return 0;
}

bool solveHeadSystem(engine::RunContext& ctx, int n, OnSmallPivot onSmallPivot) {
  if (onSmallPivot == OnSmallPivot::kStopRun) {
    Solve_Head_Equations(ctx, n);
    return true;
  }
  return eliminateHeadSystem(ctx.model.pileModel, n) == 0;
}

// The recursions of nodes 3, 2 and 1 and the two head conditions of the load
// type give y(3), y(2), y(1), y(0), y(-1) (load type 4: y(2) .. y(-1); load
// type 5 is solved directly).
// Returns false, with the deflections unset, when the head system has a
// vanishing pivot and the caller asked for a report.
bool solveHeadConditions(engine::RunContext& ctx, OnSmallPivot onSmallPivot, HeadDeflections& d) {
  PileModel& pm = ctx.model.pileModel;
  const HeadCondition& head = pm.head;
  const double E = pm.node[2].EI;  // E_top
  const double h = pm.h;
  const double h2 = h * h;
  const double h3 = h2 * h;
  const double Qh = head.Q * h2;
  const auto& a = pm.recursion.a;
  const auto& b = pm.recursion.b;
  const auto& c = pm.recursion.c;
  clearHeadSystem(pm);

  switch (head.loadType) {
    case HeadLoadType::kShearMoment:
    case HeadLoadType::kShearSlope:
    case HeadLoadType::kShearRotationalStiffness: {
      // Unknowns u = (y(3), y(2), y(1), y(0), y(-1)).
      const double s = 2.0 - Qh / E;
      setRow(pm, 1, {1.0, -s, 0.0, s, -1.0}, 2.0 * head.Pt * h3 / E);  // head shear
      setRow(pm, 2, {1.0, -a[3], b[3], 0.0, 0.0}, c[3]);
      setRow(pm, 3, {0.0, 1.0, -a[2], b[2], 0.0}, c[2]);
      if (head.loadType == HeadLoadType::kShearMoment) {
        setRow(pm, 4, {0.0, 1.0, -2.0, 1.0, 0.0}, head.Mt * h2 / E);
      } else if (head.loadType == HeadLoadType::kShearSlope) {
        setRow(pm, 4, {0.0, 1.0, 0.0, -1.0, 0.0}, 2.0 * h * head.St);
      } else {
        // Head moment = Ktheta x head slope.
        const double k = h * head.Ktheta / (2.0 * E);
        setRow(pm, 4, {0.0, 1.0 - k, -2.0, 1.0 + k, 0.0}, 0.0);
      }
      setRow(pm, 5, {0.0, 0.0, 1.0, -a[1], b[1]}, c[1]);
      if (!solveHeadSystem(ctx, 5, onSmallPivot)) return false;
      const auto& YG = pm.recursion.YG;
      d = {YG[5], YG[4], YG[3], YG[2]};
      return true;
    }
    case HeadLoadType::kDeflectionMoment: {
      // Unknowns u = (y(2), y(1), y(0), y(-1)).
      setRow(pm, 1, {1.0, -2.0, 1.0, 0.0}, head.Mt * h2 / E);
      setRow(pm, 2, {0.0, 1.0, 0.0, 0.0}, head.Yt);
      setRow(pm, 3, {1.0, -a[2], b[2], 0.0}, c[2]);
      setRow(pm, 4, {0.0, 1.0, -a[1], b[1]}, c[1]);
      if (!solveHeadSystem(ctx, 4, onSmallPivot)) return false;
      const auto& YG = pm.recursion.YG;
      d = {YG[4], YG[3], YG[2], YG[1]};
      return true;
    }
    case HeadLoadType::kDeflectionSlope: {
      // The prescribed deflection is taken relative to the soil movement at the head.
      d.y1 = head.Yt + pm.node[1].ys;
      d.y2 = (a[2] * d.y1 + b[2] * 2.0 * h * head.St + c[2]) / (1.0 + b[2]);
      d.y0 = d.y2 - 2.0 * h * head.St;
      d.yMinus1 = (a[1] * d.y0 + c[1] - d.y1) / b[1];
      return true;
    }
    default:
      engine::failInvariant("pile-head load type " +
                            std::to_string(headLoadTypeCode(head.loadType)) + " outside 1 to 5");
  }
}

// Keeps the largest change; a change that is not a number stays the result,
// so the caller sees it.
void trackChange(double& largest, double before, double after) {
  const double change = std::abs(after - before);
  if (std::isnan(largest)) return;
  if (std::isnan(change) || change > largest) largest = change;
}

// Substitution from the head down, measuring the change of every real node.
void substituteFromHead(PileModel& pm, const HeadDeflections& head) {
  const int N = pm.N;
  double dYmax = 0.0;
  trackChange(dYmax, pm.y(1), head.y1);
  trackChange(dYmax, pm.y(2), head.y2);
  pm.y(-1) = head.yMinus1;
  pm.y(0) = head.y0;
  pm.y(1) = head.y1;
  pm.y(2) = head.y2;
  const RecursionCoefficients& r = pm.recursion;
  for (int m = 3; m <= N; ++m) {
    const double y = r.a[m] * pm.y(m - 1) - r.b[m] * pm.y(m - 2) + r.c[m];
    trackChange(dYmax, pm.y(m), y);
    pm.y(m) = y;
  }
  pm.y(N + 1) = 2.0 * pm.y(N) - pm.y(N - 1);

  pm.dYmax = dYmax;
  pm.deltaDYmax = std::abs(dYmax - pm.dYprev);
  pm.dYprev = dYmax;
}

// The block of runtime error 11 with the head system as it stood when the
// elimination stopped, one matrix row per line.
[[noreturn]] void stopOnSmallPivot(engine::RunContext& ctx, int column) {
  const RecursionCoefficients& system = ctx.model.pileModel.recursion;
  std::array<std::string, 15> rows;
  for (int i = 1; i <= 5; ++i) {
    std::string& row = rows[static_cast<std::size_t>(i - 1)];
    for (int j = 1; j <= 5; ++j) row += output::formatScientific(system.F[i][j], 12, 4);
    rows[static_cast<std::size_t>(i + 4)] = output::formatScientific(system.G[i], 12, 4);
    rows[static_cast<std::size_t>(i + 9)] = output::formatScientific(system.YG[i], 12, 4);
  }
  engine::stopWithMessage(ctx, analysisMessageBlock(kRuntimeSmallPivot),
                          {output::formatMinimalInteger(column),
                           output::formatScientific(system.F[column][column], 12, 5), rows[0],
                           rows[1], rows[2], rows[3], rows[4], rows[5], rows[6], rows[7], rows[8],
                           rows[9], rows[10], rows[11], rows[12], rows[13], rows[14]});
}

}  // namespace

void updateTipShear(AnalysisModel& model) {
  PileModel& pm = model.pileModel;
  const TipShearCurve& curve = model.tables.tipShear;
  const int n = model.options.useTipShear ? curve.points : 0;
  if (n <= 0) {
    pm.vTip = 0.0;
    return;
  }
  if (n > kMaxTipShearPoints) engine::failInvariant("tip shear curve holds more than 50 points");
  const auto& yt = curve.displacement;
  const auto& vt = curve.shear;
  const double yTip = pm.y(pm.N);
  const double u = std::abs(yTip);
  double& V = pm.tipShearMagnitude;
  if (n == 1) {
    // A single point: its shear once the tip has moved past it; before
    // that the shear keeps the value of the previous solution.
    if (u > yt[1]) V = vt[1];
  } else if (u > yt[n]) {
    V = vt[n];
  } else {
    int k = 2;
    while (u > yt[k]) ++k;
    const double span = yt[k] - yt[k - 1];
    V = span == 0.0 ? vt[k - 1] : vt[k - 1] + (u - yt[k - 1]) * (vt[k] - vt[k - 1]) / span;
  }
  pm.vTip = yTip < 0.0 ? -V : V;
}

void Solve_Head_Equations(engine::RunContext& ctx, int n) {
  const int column = eliminateHeadSystem(ctx.model.pileModel, n);
  if (column != 0) stopOnSmallPivot(ctx, column);
}

bool Solve_Pile_Deflections(engine::RunContext& ctx, int iteration, OnSmallPivot onSmallPivot) {
  PileModel& pm = ctx.model.pileModel;
  checkGrid(pm);
  if (iteration == 1) pm.dYprev = 0.0;
  // The head node and the imaginary node above it take the stiffness of node 2.
  pm.node[1].EI = pm.node[2].EI;
  updateTipShear(ctx.model);
  eliminateFromTip(pm);
  HeadDeflections head;
  if (!solveHeadConditions(ctx, onSmallPivot, head)) return false;
  substituteFromHead(pm, head);
  return true;
}

}  // namespace quarn::analysis
