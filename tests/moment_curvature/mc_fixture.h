// Sections for the moment-curvature tests, built as the section reader fills
// them, and the independent hand computations the curves are compared with:
// the ACI rectangular stress block with strain compatibility on rectangles
// and circles (textbook segment formulas), and the plastic modulus of a pipe.
#pragma once

#include <cmath>
#include <functional>
#include <memory>
#include <numbers>
#include <vector>

#include "section/capacities.h"
#include "section/moment_curvature.h"
#include "section/section_driver.h"
#include "section/section_fixture.h"
#include "section/section_units.h"

namespace quarn::section::mctesting {

using section::testing::addSection;
using section::testing::makeSectionContext;
using section::testing::setCircularBars;

inline constexpr double kPi = std::numbers::pi;

// One bar of a section entered bar by bar: centre y (x = 0) and area.
struct Bar {
  double y;
  double area;
};

// A rectangular pile (type 0) of width B and depth H (in), f'c in psi, bars
// of 60 ksi steel entered one by one with a nominal diameter of 1 in.
inline PileSection& rectangularPile(AnalysisModel& model, double B, double H, double fc,
                                    const std::vector<Bar>& bars) {
  PileSection& s = addSection(model, SectionType::RectangularConcrete, fc);
  s.diameter = B;
  s.sectionDepth = H;
  s.rebar.arrangement = kBarsNoncircular;
  s.rebar.yieldStress = 60000.0;
  s.rebar.elasticModulus = 29.0e6;
  s.rebar.numberOfBars = static_cast<int>(bars.size());
  for (std::size_t k = 0; k < bars.size(); ++k) {
    s.rebar.bars[k + 1] = BarPosition{9, 1.0, bars[k].area, 0.0, bars[k].y};
  }
  return s;
}

// A steel pipe pile (type 4): outside diameter D, wall t (in), fy and E in psi.
inline PileSection& steelPipePile(AnalysisModel& model, double D, double t, double fy, double E) {
  PileSection& s = addSection(model, SectionType::SteelPipe, 0.0);
  s.diameter = D;
  s.wallThickness = t;
  s.steelYieldStress = fy;
  s.steelModulus = E;
  return s;
}

// The section state of section `index` ready for its curves: loaded, sliced,
// with its capacities (the report lines go to the memory channel).
inline std::unique_ptr<SectionWork> preparedSection(engine::RunContext& ctx, int index) {
  auto work = std::make_unique<SectionWork>();
  SectionState& s = work->state;
  loadSectionState(ctx, index, s);
  sliceSection(s, &ctx.report);
  const SectionUnitLabels& labels = sectionUnitLabels(ctx.model.options.IUNITS);
  Compute_Axial_Structural_Capacity(ctx.report, s, labels);
  Compute_Tensile_Capacities(ctx.report, s, labels);
  return work;
}

// ----------------------------------------------------------- hand methods ---

// Strain compatibility at a concrete strain of 0.003 with the ACI
// rectangular stress block (0.85 f'c over beta1 c, beta1 = 0.85 for
// f'c <= 4 ksi) and elastic-perfectly plastic bars, which displace the
// concrete they sit in. `blockArea(a)` and `blockMoment(a)`: area of the
// compression zone of depth a and its first moment about mid-depth. Bars are
// (y from mid-depth, area). Units ksi, in, kips. Returns Mn about mid-depth.
inline double stressBlockMoment(double H, double fc, double fy, double Es,
                                const std::vector<Bar>& bars, double P,
                                const std::function<double(double)>& blockArea,
                                const std::function<double(double)>& blockMoment) {
  const double beta1 = 0.85;
  const auto forceAndMoment = [&](double c, double& moment) {
    const double a = std::min(beta1 * c, H);
    double force = 0.85 * fc * blockArea(a);
    moment = 0.85 * fc * blockMoment(a);
    for (const Bar& bar : bars) {
      const double d = H / 2.0 - bar.y;
      double stress = std::clamp(Es * 0.003 * (c - d) / c, -fy, fy);
      if (d < a) stress -= 0.85 * fc;
      force += stress * bar.area;
      moment += stress * bar.area * bar.y;
    }
    return force - P;
  };
  double lo = 1.0e-3 * H;
  double hi = 5.0 * H;
  double moment = 0.0;
  for (int i = 0; i < 200; ++i) {
    const double c = 0.5 * (lo + hi);
    if (forceAndMoment(c, moment) > 0.0) {
      hi = c;
    } else {
      lo = c;
    }
  }
  forceAndMoment(lo, moment);
  return moment;
}

inline double rectangleStressBlockMoment(double B, double H, double fc, double fy, double Es,
                                         const std::vector<Bar>& bars, double P) {
  return stressBlockMoment(
      H, fc, fy, Es, bars, P, [B](double a) { return B * a; },
      [B, H](double a) { return B * a * (H / 2.0 - a / 2.0); });
}

// Circular segment of depth a in a circle of diameter D: area r^2 (t - sin t
// cos t) with half-angle t = acos((r - a)/r), centroid 2 r sin^3 t / (3 (t -
// sin t cos t)) from the centre.
inline double circleStressBlockMoment(double D, double fc, double fy, double Es,
                                      const std::vector<Bar>& bars, double P) {
  const double r = D / 2.0;
  const auto area = [r](double a) {
    const double t = std::acos(std::clamp((r - a) / r, -1.0, 1.0));
    return r * r * (t - std::sin(t) * std::cos(t));
  };
  const auto moment = [r](double a) {
    const double t = std::acos(std::clamp((r - a) / r, -1.0, 1.0));
    return 2.0 / 3.0 * r * r * r * std::pow(std::sin(t), 3);
  };
  return stressBlockMoment(D, fc, fy, Es, bars, P, area, moment);
}

// Plastic section modulus of a pipe: (D^3 - (D - 2t)^3) / 6.
inline double pipePlasticModulus(double D, double t) {
  const double d = D - 2.0 * t;
  return (D * D * D - d * d * d) / 6.0;
}

inline double pipeInertia(double D, double t) {
  const double d = D - 2.0 * t;
  return kPi / 64.0 * (D * D * D * D - d * d * d * d);
}

}  // namespace quarn::section::mctesting
