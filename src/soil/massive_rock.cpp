// Massive rock after Liang, Yang and Nusairat (2009).
//
// The rock mass follows the generalised Hoek-Brown criterion
//   sigma1 = sigma3 + qu (mb sigma3 / qu + s)^a
// with fixed rock-mass constants (mi = 6, GSI = 42, Poisson's ratio 0.4). At
// the vertical stress of the depth, the tangent of the Hoek-Brown envelope
// gives an equivalent friction angle phi' and cohesion c'. With them, the
// ultimate resistance is the lesser of a wedge failure near the surface and a
// flow of rock around the pile at depth; the curve is the hyperbola
//   p = y / (1 / Ki + y / pu)
// whose initial modulus Ki comes from the rock-mass modulus and the relative
// stiffness of the pile.
#include "soil/massive_rock.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <string>
#include <string_view>

#include "output/format.h"
#include "output/report_writers.h"
#include "soil/curve_block.h"
#include "soil/py_curve.h"
#include "soil/soil_profile.h"

namespace quarn::soil {

namespace {

using curve_block::PrintedCurve;
using engine::Channel;
using engine::RunContext;

constexpr double kPi = std::numbers::pi;

// The fixed rock-mass constants and what the criterion derives from them.
constexpr double kMi = 6.0;    // Hoek-Brown material constant
constexpr double kGsi = 42.0;  // geological strength index
constexpr double kPoissonRatio = sp(0.4f);

struct RockMassConstants {
  double mb;   // mi exp((GSI - 100) / 28)
  double s;    // exp((GSI - 100) / 9)
  double a;    // 1/2 + (exp(-GSI / 15) - exp(-20 / 3)) / 6
  double eG;   // exp(GSI / 21.7): rock-mass modulus factor
  double eNu;  // exp(-2 nu): Poisson's ratio factor of the initial modulus
  double K0;   // at-rest coefficient 1 - sin 45 degrees
};

RockMassConstants rockMassConstants() {
  RockMassConstants k;
  k.mb = kMi * std::exp(-2.0714285714285716);
  k.s = std::exp(-6.444444444444445);
  k.a = 0.5 + (std::exp(-2.8) - 0.001272633788175881) * sp(1.0f / 6.0f);
  k.eG = std::exp(1.9354838029190344);
  k.eNu = std::exp(-sp(0.8f));
  k.K0 = 1.0 - std::sin(kPi / 4.0);
  return k;
}

// Points of the printed curve: 15 equal steps to 0.005 D, then 1.2 times that.
constexpr double kPrintedDeflectionRatio = sp(0.005f);
constexpr double kPrintedBeyond = sp(1.2f);

void writeBlock(RunContext& ctx, const PyPoint& point, const MassiveRockAtPoint& at) {
  const AnalysisModel& model = ctx.model;
  const UnitLabels& labels = model.labels;
  // Stress and unit weight in the model's force and length labels.
  const std::string stress = labels.force + "/" + labels.length + "**" + "2";
  const std::string unitWeight = labels.force + "/" + labels.length + "**" + "3";
  const std::string forcePerLength = labels.force + "/" + labels.length;
  const MassiveRockInput& in = at.in;
  Channel& out = ctx.report;
  curve_block::writeTitle(
      out, "p-y Curve Computed Using the Criteria for Massive Rock by Liang, et al., 2009");
  // Depths in the model's length unit, also in US customary units.
  curve_block::writeLayerNumber(out, point.layer, "I10");
  output::writeLabelledValue(out, "Depth below pile head", "F12.3", point.depth, labels.length);
  output::writeLabelledValue(out, "Depth below ground surface", "F12.3", in.H, labels.length);
  output::writeLabelledValue(out, "Pile Diameter", "F12.3", in.D, labels.length);
  output::writeLabelledValue(out, "Uniaxial compressive strength", "F12.3", in.qu, stress);
  output::writeLabelledValue(out, "Avg. Eff. Unit Weight", "F12.5", in.gamma, unitWeight);
  output::writeLabelledValue(out, "m sub i", "F12.3", kMi);
  output::writeLabelledValue(out, "Geological Strength Index GSI", "F12.5", kGsi);
  output::writeLabelledValue(out, "Poisson's Ratio", "F12.3", kPoissonRatio);
  curve_block::writeMultiplierLines(out, point.pm, point.ym);
  out.endLine();
  output::write(out, "(T6, \"y, \", A, T25, \"p,\", 1X, A)", {labels.length, forcePerLength});
  out.line("----------------    -----------------");

  PrintedCurve printed;
  const double yEnd = in.D * kPrintedDeflectionRatio;
  printed.y[0] = 0.0;
  for (int j = 1; j <= 15; ++j) printed.y[static_cast<std::size_t>(j)] = j * yEnd / 15.0;
  printed.y[16] = kPrintedBeyond * yEnd;
  for (std::size_t j = 0; j < printed.y.size(); ++j) printed.p[j] = at.curve.p(printed.y[j]);
  curve_block::writeCurveRows(out, printed, point.pm, point.ym);
  curve_block::writeCurvePlot(ctx, Criterion::kMassiveRock, point.depth, point.index, printed,
                              point.pm, point.ym);
}

}  // namespace

LayerValue massiveRockModulus(const SoilLayer& layer) {
  if (layer.rockModulus[0] > 0.0) return layer.rockModulus;
  return {kMassiveRockModulusRatio * layer.cohesion[0],
          kMassiveRockModulusRatio * layer.cohesion[1]};
}

MassiveRockCurve makeMassiveRockCurve(const MassiveRockInput& in) {
  const RockMassConstants k = rockMassConstants();
  MassiveRockCurve curve;
  const double H = in.H;
  const double D = in.D;
  const double gamma = in.gamma;
  const double qu = in.qu;

  // The confining stress at the surface itself: a small depth instead of 0
  // (general units have no such floor).
  curve.z0 = H;
  if (H == 0.0) {
    if (in.unitSystem == kUnitsUsCustomary) curve.z0 = sp(0.0001f);
    if (in.unitSystem == kUnitsSi) curve.z0 = sp(2.54e-6f);
  }

  // Hoek-Brown strength at the vertical stress, and the tangent to the envelope there.
  curve.sigmaV = curve.z0 * gamma;
  curve.sigma1 = qu * std::pow(k.mb * curve.sigmaV / qu + k.s, k.a) + curve.sigmaV;
  const double delta = curve.sigma1 - curve.sigmaV;
  curve.sigmaN = curve.sigmaV + delta * delta / (0.5 * k.mb * qu + 2.0 * delta);
  curve.tau = (curve.sigmaN - curve.sigmaV) * std::sqrt(1.0 + k.mb * qu / (2.0 * delta));
  curve.phi = kPi / 2.0 - std::asin(2.0 * curve.tau / delta);
  const double tanPhi = std::tan(curve.phi);
  curve.c = curve.tau - curve.sigmaN * tanPhi;
  const double c = curve.c;
  const double alpha = curve.phi / 2.0;
  const double beta = kPi / 4.0 + alpha;
  const double t = std::tan(kPi / 4.0 - alpha);
  curve.Ka = t * t;
  const double rootKa = std::abs(t);
  curve.q = std::max(sp(1e-5f), curve.sigmaV);
  const double q = curve.q;

  // Wedge: the passive wedge in front of the pile with side shear and the
  // active pressure behind it.
  const double tanBeta = std::tan(beta);
  const double tanAlpha = std::tan(alpha);
  const double sinBeta = std::sin(beta);
  const double cosBeta = std::cos(beta);
  const double cosAlpha = std::cos(alpha);
  const double A = q + gamma * H / 2.0;
  const double T1 = 2.0 * (k.K0 * A * tanPhi + c) * H * tanBeta / cosAlpha;
  const double T2 = (2.0 * H * tanBeta * tanAlpha + D) * c;
  const double T3 = H * k.K0 * A * tanBeta / cosAlpha;
  const double N =
      (((q + gamma * H) * D + (2.0 * q + gamma * H) * H * tanBeta * tanAlpha) * tanBeta +
       T1 * cosBeta * cosAlpha + T2) /
      (sinBeta - tanPhi * cosBeta);
  // The active thrust behind the pile, K0 D gamma' (H - 2 c' / (sqrt(Ka) gamma')
  // + q / gamma'), written without dividing by gamma': the same number for a
  // rock with weight, and finite for one without.
  const double active = k.K0 * D * (gamma * H - 2.0 * c / rootKa + q);
  curve.pw = (T1 * cosAlpha + tanPhi * N + T2 / cosBeta) * sinBeta + N * cosBeta -
             2.0 * T3 * std::sin(alpha) - std::max(0.0, active);

  // Flow of the rock around the pile, with the side shear 0.45 sqrt(qu).
  const double tauMax = sp(0.45f) * std::sqrt(qu);
  curve.pd = D * (kPi / 4.0 * curve.sigma1 - curve.Ka * q + 2.0 * c * rootKa + 2.0 * tauMax / 3.0);
  curve.pu = curve.pd < curve.pw ? curve.pd : curve.pw;

  // Initial modulus from the rock-mass modulus and the pile's relative stiffness.
  curve.Em = in.Ei / 100.0 * k.eG;
  const double Dref = in.unitSystem == kUnitsSi ? sp(0.3048f) : 12.0;
  curve.Ki =
      curve.Em * std::pow(in.EI / (std::pow(D, 4) * curve.Em), sp(0.284f)) * (D / Dref) * k.eNu;
  return curve;
}

double MassiveRockCurve::p(double y) const {
  if (y <= 0.0) return 0.0;
  return y / (1.0 / Ki + y / pu);
}

PyCurve massiveRockCurve(RunContext& ctx, const PyPoint& point, LayerSweep& /*sweep*/) {
  AnalysisModel& model = ctx.model;
  const int k = point.layer;
  const double x = point.depth;
  const SoilLayer& layer = model.soil.layers[static_cast<std::size_t>(k)];
  MassiveRockAtPoint at;
  MassiveRockInput& in = at.in;
  in.unitSystem = model.options.IUNITS;
  in.H = point.z0;
  in.D = point.D;
  in.gamma = fn_GammaAvg(ctx, x);
  in.qu = fn_c(ctx, x);
  in.Ei = fn_LayerValueAt(ctx, k, x, massiveRockModulus(layer), Criterion::kMassiveRock);
  // The pile's current bending stiffness; between nodes for a printed curve.
  in.EI = point.EI;
  at.curve = makeMassiveRockCurve(in);
  return PyCurve{at};
}

void writeMassiveRockBlock(RunContext& ctx, const PyPoint& point, const PyCurve& curve) {
  writeBlock(ctx, point, curve.as<MassiveRockAtPoint>());
}

}  // namespace quarn::soil
