#include "section/moment_curvature.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "engine/messages.h"
#include "engine/single_precision.h"
#include "output/format.h"
#include "section/resultants.h"

namespace quarn::section {

namespace {

using engine::RunContext;

// Curvature increments.
constexpr double kUsIncrement = 1.25e-6;               // rad/in
constexpr double kSiIncrement = 4.921259901994065e-5;  // rad/m
constexpr double kGeneralIncrement = sp(2.0e-6f);      // no length unit to scale by
constexpr double kIncrementDiameterStep = 24.0;        // inches per halving of the increment
constexpr double kMetresPerInch = 0.0254;
constexpr double kPipeStartStrainFactor = 1.7;  // the pipe's curve starts from 1.7 fy / E
constexpr double kPipeStepsToStartStrain = 80.0;
constexpr double kPipeEndStrainFactor = 5.0;  // ... and ends at 5 fy / E

// End of a concrete curve and the run messages.
constexpr double kCrushingStrain = 0.0038;
constexpr double kTensionControlledStrain = -0.005;
constexpr double kPrestressedEndDepthRatio =
    0.1;  // neutral axis within H/10 of the compression face

// Newton step when the derivative vanishes.
constexpr double kFlatStep = 1.0e-8;

bool isPipe(const SectionState& s) {
  return s.slices.kind == SectionKind::SteelPipePile;
}

bool isPrestressed(const SectionState& s) {
  return s.materials.SteelModel > kSteelModelRebar;
}

double pipeArea(const SliceModel& m) {
  const double D = m.casingDiameter;
  const double inner = D - 2.0 * m.casingThickness;
  return std::numbers::pi / 4.0 * (D * D - inner * inner);
}

[[noreturn]] void stopOnNeutralAxis(RunContext& ctx) {
  engine::Channel& out = ctx.report;
  out.emptyLines(2);
  out.line("**** Runtime Error No. 16 ****");
  out.endLine();
  out.line("Location of neutral axis was not found within 1,000 iterations.");
  out.endLine();
  engine::stopOnRuntimeError(ctx, kRuntimeNeutralAxis);
}

// Largest magnitude of a stress array over the slices that hold the component.
double largestMagnitude(const SliceArray& stress, const SliceArray& area) {
  double largest = 0.0;
  for (int i = 1; i <= kNumSlices; ++i) {
    const auto u = static_cast<std::size_t>(i);
    if (area[u] > 0.0) largest = std::max(largest, std::abs(stress[u]));
  }
  return largest;
}

double largestStress(const SliceArray& stress, const SliceArray& area) {
  double largest = -std::numeric_limits<double>::infinity();
  bool any = false;
  for (int i = 1; i <= kNumSlices; ++i) {
    const auto u = static_cast<std::size_t>(i);
    if (area[u] > 0.0) {
      largest = std::max(largest, stress[u]);
      any = true;
    }
  }
  return any ? largest : 0.0;
}

// Flags and prestrain of a new thrust. A tension beyond the cracking load
// takes the tensile strength of the concrete away and strains the
// longitudinal steel so that it alone can carry the thrust near the
// mid-depth neutral axis the search starts from.
void startCurve(SectionState& s, double P, double strandPrestrain) {
  s.flags = SectionFlags{};
  MaterialState& mat = s.materials;
  mat.prestrain = strandPrestrain;
  if (isPipe(s) || !(P < 0.0) || !(P < s.capacities.Pcr)) return;
  s.flags.noTension = true;
  s.flags.cracked = true;
  // Strands carry the thrust on top of their prestress, at their own modulus.
  const double modulus = isPrestressed(s) ? mat.strandModulus : mat.Es;
  const double stiffness = s.slices.TotalRebarArea * modulus;
  if (stiffness > 0.0) mat.prestrain += P / stiffness;
}

void recordStresses(const SectionState& s, CurvePoint& pt) {
  const SliceModel& m = s.slices;
  const SliceStresses& st = s.stresses;
  if (isPipe(s)) {
    pt.maxCasingStress = largestMagnitude(st.casing, m.CasingArea);
    return;
  }
  pt.maxConcreteStress = largestStress(st.concrete, m.ConcreteArea);
  pt.maxSteelStress = largestMagnitude(st.steel, m.RebarArea);
  pt.maxCasingStress = largestMagnitude(st.casing, m.CasingArea);
  pt.maxCoreStress = largestMagnitude(st.coreTube, m.CoreSteelArea);
}

void setRunMessages(const SectionState& s, CurvePoint& pt) {
  pt.message = {' ', ' ', ' '};
  if (s.flags.cracked) pt.message[0] = 'C';
  if (!isPipe(s) && pt.maxTensileStrain < kTensionControlledStrain &&
      pt.maxCompressiveStrain >= kNominalMomentStrain) {
    pt.message[1] = 'T';
  }
  if (s.flags.yield) pt.message[2] = 'Y';
}

// The tests that end a curve after point pt; may set the "Z" message.
bool curveEnds(SectionState& s, double P, CurvePoint& pt) {
  bool ends = false;
  if (isPipe(s)) {
    const MaterialState& mat = s.materials;
    const double E = mat.casingModulus;
    const double limit =
        kPipeEndStrainFactor * mat.casingYieldStress / E - P / (pipeArea(s.slices) * E);
    ends = limit <= std::max(std::abs(pt.maxCompressiveStrain), std::abs(pt.maxTensileStrain));
  } else {
    // A prestressed section also ends when its neutral axis nears the
    // compression face; like every concrete section it ends once the concrete
    // is crushed, beyond which its curve would only repeat the moment of the
    // crushed section at ever larger strains.
    if (isPrestressed(s) && pt.neutralAxis < kPrestressedEndDepthRatio * s.slices.H) {
      pt.message[2] = 'Z';
      ends = true;
    }
    if (pt.maxCompressiveStrain >= kCrushingStrain) ends = true;
  }
  if (pt.moment <= 0.0) {
    s.flags.failure = true;
    ends = true;
  }
  return ends;
}

double residual(SectionState& s, double c, double phi, double P) {
  return Compute_Axial_Thrust_Force(s, c, phi) - P;
}

// The equilibrium of one curvature and the flags of its converged state.
// The search works with the crack state of the curvature before; when its
// equilibrium strains the extreme tension fibre past the strain at fracture,
// the section cracks at this curvature and its equilibrium is found again
// without concrete tension. A trial depth of a search never cracks the
// concrete, and the yield flag says whether steel has yielded at the
// equilibrium, not at some trial.
double equilibriumOfCurvature(RunContext& ctx, SectionState& s, double P, double phi,
                              NeutralAxisSearch& search) {
  double c = Find_Neutral_Axis(ctx, s, P, phi, search);
  if (!s.flags.cracked && concreteCrackedAt(s, c, phi)) {
    s.flags.cracked = true;
    c = Find_Neutral_Axis(ctx, s, P, phi, search);
  }
  s.flags.yield = steelYieldedAt(s, c, phi);
  return c;
}

}  // namespace

NeutralAxisControls neutralAxisControls(int IUNITS) {
  if (IUNITS == kUnitsUsCustomary) return {sp(1.0e-7f), sp(1.0e-6f)};
  return {sp(2.54e-9f), sp(2.54e-8f)};
}

double Find_Neutral_Axis(RunContext& ctx, SectionState& s, double P, double phi,
                         NeutralAxisSearch& search) {
  const NeutralAxisControls controls = neutralAxisControls(ctx.model.options.IUNITS);
  const double delta = controls.delta;
  const double H = s.slices.H;
  s.flags.failure = false;
  if (!(std::abs(search.cPrev) <= H)) search.cPrev = H / 2.0;

  int iterations = 0;
  double smallest = std::numeric_limits<double>::infinity();
  double cSmallest = search.cPrev;
  bool restarted = false;
  for (;;) {
    double f = 0.0;
    double step = 0.0;
    do {
      if (++iterations > kMaxNeutralAxisIterations) stopOnNeutralAxis(ctx);
      const double c = search.cPrev;
      f = residual(s, c, phi, P);
      const double fLow = residual(s, c - delta, phi, P);
      const double fHigh = residual(s, c + delta, phi, P);
      if (!std::isfinite(f) || !std::isfinite(fLow) || !std::isfinite(fHigh)) {
        stopOnNeutralAxis(ctx);
      }
      const double slope = (fHigh - fLow) / (2.0 * delta);
      step = slope == 0.0 ? kFlatStep : -f / slope;
      if (std::abs(f) < smallest) {
        smallest = std::abs(f);
        cSmallest = c;
      }
      search.cPrev = c + step;
    } while (std::abs(step) > controls.tolerance);
    // A search that settled on a larger residual than it met on its way
    // starts again from the best depth. A second settlement is taken: the
    // same start would only lead to the same end again.
    if (restarted || !(std::abs(f) > smallest)) break;
    restarted = true;
    search.cPrev = cSmallest;
  }
  search.iterations = iterations;
  return search.cPrev;
}

double initialCurvatureIncrement(int IUNITS, double D) {
  if (IUNITS == kUnitsUsCustomary) {
    return kUsIncrement /
           static_cast<double>(std::max(1L, std::lround(D / kIncrementDiameterStep)));
  }
  if (IUNITS == kUnitsSi) {
    return kSiIncrement / static_cast<double>(std::max(
                              1L, std::lround(D / kMetresPerInch / kIncrementDiameterStep)));
  }
  return kGeneralIncrement;
}

double pipeCurvatureIncrement(const SectionState& s, double P) {
  const MaterialState& mat = s.materials;
  const double E = mat.casingModulus;
  const double startStrain =
      kPipeStartStrainFactor * mat.casingYieldStress / E - P / (pipeArea(s.slices) * E);
  return startStrain / (s.slices.casingDiameter / 2.0) / kPipeStepsToStartStrain;
}

void computeMomentCurvature(RunContext& ctx, SectionState& s, double P, double strandPrestrain,
                            MomentCurvatureCurve& curve) {
  const bool pipe = isPipe(s);
  startCurve(s, P, strandPrestrain);
  double dphi =
      pipe ? pipeCurvatureIncrement(s, P)
           : initialCurvatureIncrement(
                 ctx.model.options.IUNITS,
                 ctx.model.pile.sections[static_cast<std::size_t>(s.sectionIndex)].diameter);
  curve.axialThrust = P;
  curve.points = 0;
  curve.reachedPointLimit = false;
  NeutralAxisSearch search{s.slices.H / 2.0, 0};

  double phi = 0.0;
  bool ended = false;
  for (int k = 1; k <= kMaxCurvePoints && !ended; ++k) {
    if (k == 41) dphi *= 2.0;
    if (k == 81) dphi *= 4.0;
    if (k == 121) dphi *= 6.0;
    phi += dphi;
    const double c = equilibriumOfCurvature(ctx, s, P, phi, search);

    CurvePoint& pt = curve.point[static_cast<std::size_t>(k)];
    pt = CurvePoint{};
    recordStresses(s, pt);
    const double previous = k > 1 ? curve.point[static_cast<std::size_t>(k - 1)].moment : 0.0;
    const MomentPoint mp = Compute_Moment_Point(s, c, phi, k, previous);
    pt.curvature = phi;
    pt.moment = mp.moment;
    pt.EI = mp.EI;
    // The neutral axis is where the concrete strain vanishes; the slice
    // strains of a prestressed section count from its precompression.
    pt.neutralAxis = pipe ? c : c + s.materials.precompression / phi;
    pt.maxCompressiveStrain = mp.maxCompressiveStrain;
    pt.maxTensileStrain = mp.maxTensileStrain;
    setRunMessages(s, pt);
    curve.points = k;
    ended = curveEnds(s, P, pt);
  }
  curve.reachedPointLimit = !ended;
  nominalMomentCapacity(curve, pipe);
}

void nominalMomentCapacity(MomentCurvatureCurve& curve, bool steelPipe) {
  const int n = curve.points;
  curve.nominalStrainReached = true;
  if (n < 1) {
    curve.nominalMoment = 0.0;
    curve.nominalMomentStrain = 0.0;
    return;
  }
  const auto& pt = curve.point;
  if (steelPipe) {
    curve.nominalMoment = pt[static_cast<std::size_t>(n)].moment;
    curve.nominalMomentStrain = pt[static_cast<std::size_t>(n)].maxCompressiveStrain;
    return;
  }
  int reached = 0;  // first point at or beyond the strain
  for (int k = 1; k <= n && reached == 0; ++k) {
    if (pt[static_cast<std::size_t>(k)].maxCompressiveStrain >= kNominalMomentStrain) reached = k;
  }
  if (reached == 0) {
    // The section never developed the strain: the moment of the last point
    // but one stands in, with its strain (the last point may be the one that
    // failed, or the one beyond the range of the curve).
    const CurvePoint& beforeLast = pt[static_cast<std::size_t>(std::max(1, n - 1))];
    curve.nominalMoment = beforeLast.moment;
    curve.nominalMomentStrain = beforeLast.maxCompressiveStrain;
    curve.nominalStrainReached = false;
    return;
  }
  const CurvePoint& upper = pt[static_cast<std::size_t>(reached)];
  if (reached == 1) {
    curve.nominalMoment = upper.moment;
    curve.nominalMomentStrain = upper.maxCompressiveStrain;
    return;
  }
  const CurvePoint& lower = pt[static_cast<std::size_t>(reached - 1)];
  const double span = upper.maxCompressiveStrain - lower.maxCompressiveStrain;
  const double t = span > 0.0 ? (kNominalMomentStrain - lower.maxCompressiveStrain) / span : 1.0;
  curve.nominalMoment = lower.moment + (upper.moment - lower.moment) * t;
  curve.nominalMomentStrain = kNominalMomentStrain;
}

void storeCurve(const MomentCurvatureCurve& curve, MomentCurvatureTable& table) {
  table.axialThrust = curve.axialThrust;
  table.points = curve.points;
  table.nominalMoment = curve.nominalMoment;
  table.nominalMomentStrain = curve.nominalMomentStrain;
  for (int k = 1; k <= curve.points; ++k) {
    const auto u = static_cast<std::size_t>(k);
    table.curvature[u] = curve.point[u].curvature;
    table.moment[u] = curve.point[u].moment;
    table.EI[u] = curve.point[u].EI;
  }
}

// ------------------------------------------------------------ prestressing ---

namespace {

constexpr double kPoundsPerKip = 1000.0;
constexpr double kConcreteCrushingFactor = sp(0.85f);
constexpr double kPrecompressionFactor = sp(0.6f);

struct ApproximateMoment {
  double coefficient;
  std::string_view formula;
};

ApproximateMoment approximateMomentFor(SectionType type) {
  switch (type) {
    case SectionType::HollowCircularPrestressed:
    case SectionType::HollowOctagonalPrestressed:
      return {sp(0.34f), "Mn = 0.34 D As fpu"};
    case SectionType::SquarePrestressed:
      return {sp(0.37f), "Mn = 0.37 D As fpu"};
    case SectionType::HollowSquarePrestressed:
      return {sp(0.38f), "Mn = 0.38 D As fpu"};
    default:  // circular and octagonal solid piles
      return {sp(0.32f), "Mn = 0.32 D As fpu"};
  }
}

[[noreturn]] void stopOnPrestressArea(RunContext& ctx, int number, std::string_view what,
                                      double area) {
  engine::Channel& out = ctx.report;
  out.emptyLines(2);
  output::write(out, "(\"**** Runtime Error No. \" I0 \" ****\" /)", {number});
  out.line("An error occurred in prestressing computations");
  output::write(out, "(A F15.5)", {what, area});
  out.endLine();
  engine::stopOnRuntimeError(ctx, number);
}

}  // namespace

PrestressValues Calculate_Strains_Due_To_Prestressing(RunContext& ctx, SectionState& s) {
  const bool us = ctx.model.options.IUNITS == kUnitsUsCustomary;
  MaterialState& mat = s.materials;
  PrestressValues v;
  v.concreteArea = s.slices.TotalConcreteArea;
  v.steelArea = s.slices.TotalRebarArea;
  if (!(v.concreteArea > 0.0)) {
    stopOnPrestressArea(
        ctx, kRuntimePrestressConcreteArea,
        "The computed area of concrete in the section is less than 0.0 = ", v.concreteArea);
  }
  if (!(v.steelArea > 0.0)) {
    stopOnPrestressArea(
        ctx, kRuntimePrestressSteelArea,
        "The computed area of steel in the section is less than 0.0 = ", v.steelArea);
  }
  v.jackingForce = mat.jackingForce;
  v.lossFraction = mat.lossFraction;
  v.effectiveForce = (1.0 - v.lossFraction) * v.jackingForce;
  // The force is in pounds in US customary runs, the moduli in ksi.
  const double forceScale = us ? kPoundsPerKip : 1.0;
  const double Ec = mat.concrete.Ec;
  v.strandPrestrain = v.effectiveForce / (-mat.strandModulus * forceScale * v.steelArea);
  v.precompression = v.effectiveForce / (Ec * forceScale * v.concreteArea);
  mat.precompression = v.precompression;

  v.Pcap = (kConcreteCrushingFactor * mat.compressiveStrength -
            kPrecompressionFactor * v.precompression * Ec) *
           (v.concreteArea + v.steelArea);
  v.Tcap = -v.steelArea * mat.strandUltimateStrength;
  s.capacities.Pcap = v.Pcap;
  s.capacities.Tcap = v.Tcap;
  s.capacities.Pcr = 0.0;

  const ApproximateMoment approximate = approximateMomentFor(s.sectionType);
  v.approximateMoment =
      mat.strandUltimateStrength * v.steelArea * s.slices.H * approximate.coefficient;
  v.approximateMomentFormula = approximate.formula;
  return v;
}

}  // namespace quarn::section
