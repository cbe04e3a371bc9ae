// The p-y framework: what every criterion shares.
//
// The soil is one nonlinear spring per node. In every iteration the layer
// sweep visits the nodes of every layer from the top down. At each node it
// gathers what a criterion needs (the point's position, the pile diameter,
// the multipliers, the deflection), asks the layer's criterion for its curve
// there, adds the curve's ultimate resistance to the layer integral F(k) of
// layered soil, and stores the secant modulus Es = p / y of the node's
// deflection relative to the soil, which the solver uses as spring stiffness.
// A p-y curve printed at a requested depth is the same gathering and the same
// curve at that depth, written out instead of stored.
#pragma once

#include <array>
#include <span>

#include "engine/run_context.h"
#include "soil/criteria.h"
#include "soil/layered_soil.h"

namespace quarn::soil {

// ---- a point of the sweep ---------------------------------------------------

// What the sweep gathers for one node of a layer, or for one requested depth
// of a printed curve, before the layer's criterion is asked for its curve.
struct PyPoint {
  int layer = 0;  // k
  // The node number, or for a printed curve the number of the requested depth.
  int index = 0;
  // The first and last index of the layer's points in this sweep (its nodes,
  // or the requested depths that lie in the layer).
  int first = 0;
  int last = 0;
  // A requested depth whose curve is printed, rather than a node of the analysis.
  bool printed = false;
  double x = 0.0;      // distance along the pile axis: pile properties and multipliers
  double depth = 0.0;  // vertical depth below the pile head: soil properties
  double z0 = 0.0;     // depth below the ground surface
  double D = 0.0;      // pile diameter at x
  double pm = 1.0;     // p-multiplier at x
  double ym = 1.0;     // y-multiplier at x
  // Signed deflection of the pile, for the rules of sloping ground: the
  // node's, or between the nodes around a requested depth.
  double yn = 0.0;
  double EI = 0.0;  // bending stiffness of the pile, found the same way

  bool firstInLayer() const { return index == first; }
  bool lastInLayer() const { return index == last; }
};

// ---- the layer integral of layered soil --------------------------------------

// Ground surface above the pile head by more than this: the first layer's
// integral is formed from its surface and point resistances instead.
inline constexpr double kGroundAboveHead = 0.00001;

// F(k), the integral of the ultimate resistance over layer k, accumulated
// point by point while an analysis sweep visits the layer's nodes; the layers
// below read it for their equivalent depth. The sweep restarts it at the
// layer's first node; each criterion adds its contribution through these
// steps (a printed curve adds nothing).
class LayerIntegral {
 public:
  LayerIntegral(AnalysisModel& model, int layer);

  // At the layer's first point: F(k) = 0.
  void start(const PyPoint& point);
  // The trapezoid between the previous point of the layer and this one of an
  // integrand (0 or 1), counted when `counted`; the value is kept for the
  // next point either way.
  void trapezoid(const PyPoint& point, double value, int integrand = 0, bool counted = true);
  // At the layer's last point: the value down to the layer bottom.
  void toLayerBottom(const PyPoint& point, double value);
  // At the layer's last point: the value over one pile increment.
  void lastIncrement(const PyPoint& point, double value);
  // In the first layer, with the ground surface above the pile head by more
  // than `tolerance`: F(1) becomes the mean of the surface resistance and
  // the point's over the layer thickness.
  void groundAboveHead(const PyPoint& point, double surface, double value,
                       double tolerance = kGroundAboveHead);
  // The value over one pile increment.
  void increment(double value);

 private:
  double& F_;
  double h_;            // pile increment length L / N
  double layerBottom_;  // of layer k
  double groundSurface_;
  double firstLayerThickness_;
  std::array<double, 2> previous_{};
};

// ---- the state of one layer in one sweep ---------------------------------------

// What the sweep keeps while it visits the points of one layer, and the hooks
// a criterion calls for values that depend on the layers above or on the
// points before.
class LayerSweep {
 public:
  enum class Mode {
    kAnalysis,  // the nodes of the layer, in a sweep of the analysis
    kPrinting,  // requested depths of the layer whose curves are printed
  };
  LayerSweep(AnalysisModel& model, int layer, Mode mode);

  // Depth used in the resistance formulas at the point. In the first layer,
  // and below a rock-like layer, the depth below the ground surface. In a
  // layer below the first with no rock-like layer above, the layer top lies
  // at the equivalent depth Heq(k) of layered soil and the depths in the
  // layer are (x - layer top) + Heq(k). An analysis sweep computes Heq(k)
  // once, at the layer's first node, from the integrals F of the layers
  // above and the layer's soil there, which soilAtLayerTop() returns (called
  // only then; it returns an EquivalentDepthInput), and stores it in the
  // model; a printed curve takes the value of the last analysis sweep.
  template <class SoilAtLayerTop>
  double resistanceDepth(const PyPoint& point, SoilAtLayerTop&& soilAtLayerTop) {
    if (computesEquivalentDepth(point)) storeEquivalentDepth(soilAtLayerTop());
    return depthInLayer(point);
  }

  // The average of a value over the layer from its first point to this one,
  // by trapezoids over the vertical depths of the points (the value itself at
  // the first point). For the nodes of an analysis sweep.
  double averageFromLayerTop(const PyPoint& point, double value);

 private:
  bool computesEquivalentDepth(const PyPoint& point) const {
    return computes_ && point.firstInLayer() && !point.printed;
  }
  void storeEquivalentDepth(const EquivalentDepthInput& soil);
  double depthInLayer(const PyPoint& point) const;

  AnalysisModel& model_;
  int layer_ = 0;
  double layerTop_ = 0.0;
  // An analysis sweep of a layer that takes an equivalent depth computes it
  // at its first node.
  bool computes_ = false;
  // The depths in the layer are measured from Heq(k) at the layer top.
  bool fromEquivalentDepth_ = false;
  double Heq_ = 0.0;

  double sum_ = 0.0;
  double previousValue_ = 0.0;
  double previousDepth_ = 0.0;
  double firstDepth_ = 0.0;
};

// ---- entry points -----------------------------------------------------------

// The node range of a layer in the analysis.
struct CriterionCall {
  int layer = 0;      // k
  int NodeFirst = 0;  // first node of the layer
  int NodeLast = 0;   // last one, inclusive
};

// The layer sweep, run in every iteration of a load case: evaluates the
// criterion of every layer that holds nodes, top down, storing Es (and, with
// soil movements, the load term w) at every node. Unwinds on an error.
void updateSoilModuli(engine::RunContext& ctx);

// Evaluates the criterion of the call's layer at its nodes. Keys without a
// curve (frozen soil, codes that name no criterion) leave their nodes untouched.
void runCriterion(engine::RunContext& ctx, const CriterionCall& call);

// True when this engine has the curve of the criterion code, so a layer of it
// can be analysed (frozen soil has no curve and counts as available).
bool criterionAvailable(int code);

// Writes the p-y curve of layer k's criterion at the requested depths
// depths[first..last] (1-based like node numbers, element 0 unused) to the
// report and the plot file, curve j numbered j. The analysis state is read,
// never changed.
void printPyCurves(engine::RunContext& ctx, int layer, int first, int last,
                   std::span<const double> depths);

// ---- shared values of the criteria ------------------------------------------------

// p- and y-multiplier at x below the pile head; 1 outside the table.
double fn_pMult(const MultiplierTable& table, double x);
double fn_yMult(const MultiplierTable& table, double x);

// Interpolation in a ten-point table at r = v / D (abscissae X ascending).
double fn_Table10(double v, double D, const std::array<double, 10>& Y,
                  const std::array<double, 10>& X);

// Stops the run on input error n of a criterion: code 100 + n, code text
// "INP000" and the two digits.
[[noreturn]] void stopOnInputError(engine::RunContext& ctx, int n);

// The number of cycles of loading the criteria work with: the input count,
// counted from one cycle on in a profile whose nodes meet stiff clay without
// free water ("StfClyAW", written for one cycle at least: fewer count as one)
// or weak rock (no count given counts as one cycle).
double cyclesOfLoading(const AnalysisModel& model);

}  // namespace quarn::soil
