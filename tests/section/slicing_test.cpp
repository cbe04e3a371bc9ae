// Slicing: circle segments and polygon clipping against their closed forms,
// the slice lookup, the component areas of every section kind against the
// areas and moments of inertia of circles, rings, rectangles, octagons and
// H shapes, and bars spread over the slices they span.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>

#include "engine/single_precision.h"
#include "section/bar_layouts.h"
#include "section/slice_model.h"
#include "section_fixture.h"

namespace quarn::section {
namespace {

using testing::circleArea;
using testing::kPi;
using testing::slice;
using testing::sliceInertia;
using testing::sumOf;
using testing::textbookSegment;

TEST(SegmentArea, AgreesWithTheTextbookSegmentAtEveryDepth) {
  const double diameters[] = {2.0, 36.0, 0.9};
  const double fractions[] = {0.0, 0.01, 0.1, 0.25, 0.5, 0.6, 0.75, 0.9, 0.99, 1.0};
  for (double D : diameters) {
    for (double f : fractions) {
      SCOPED_TRACE(testing::kPi * D + f);
      EXPECT_NEAR(fn_SegmentArea(D, f * D), textbookSegment(D, f * D), 1e-12 * D * D);
    }
  }
}

TEST(SegmentArea, DepthsBeyondTheCircleGiveNothingOrTheWholeCircle) {
  struct Case {
    double D, y, expected;
  };
  const Case cases[] = {
      {36.0, -0.5, 0.0},               // above the top
      {36.0, 36.5, circleArea(36.0)},  // below the bottom
      {0.9, 1.2, circleArea(0.9)},
      {0.0, 1.0, 0.0},  // a circle without size
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.y);
    EXPECT_NEAR(fn_SegmentArea(c.D, c.y), c.expected, 1e-12 * (1.0 + c.D * c.D));
  }
}

Polygon square2() {  // side 2, centred, counter-clockwise
  Polygon p;
  p.count = 4;
  const double x[] = {-1, 1, 1, -1}, y[] = {-1, -1, 1, 1};
  for (int v = 1; v <= 4; ++v) p.x[v] = x[v - 1], p.y[v] = y[v - 1];
  return p;
}

Polygon triangle() {  // right triangle with legs 2 on the axes
  Polygon p;
  p.count = 3;
  p.x[1] = 0, p.y[1] = 0;
  p.x[2] = 2, p.y[2] = 0;
  p.x[3] = 0, p.y[3] = 2;
  return p;
}

Polygon hShape() {  // d = 14, bf = 10, tf = 1, tw = 0.5: area 2*10*1 + 12*0.5 = 26
  Polygon p;
  buildHPileOutline(p, 14.0, 10.0, 1.0, 0.5, true);
  return p;
}

TEST(PolygonAreaBelow, ClipsConvexAndNonConvexOutlines) {
  struct Case {
    const char* name;
    std::function<Polygon()> polygon;
    double level;
    double expected;
  };
  const Case cases[] = {
      {"square below its bottom", square2, -2.0, 0.0},
      {"square at its bottom edge", square2, -1.0, 0.0},
      {"square at mid-height", square2, 0.0, 2.0},
      {"square three quarters", square2, 0.5, 3.0},
      {"square at its top", square2, 1.0, 4.0},
      {"square above its top", square2, 7.0, 4.0},
      {"triangle below y = 1", triangle, 1.0, 2.0 - 0.5},
      {"triangle below y = 0.5", triangle, 0.5, 2.0 - 0.5 * 1.5 * 1.5},
      {"H below its centre", hShape, 0.0, 13.0},
      {"H below its top flange", hShape, 6.0, 10.0 + 12.0 * 0.5},
      {"H inside the top flange", hShape, 6.5, 10.0 + 6.0 + 5.0},
      {"whole H", hShape, 7.0, 26.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Polygon p = c.polygon();
    EXPECT_NEAR(fn_PolygonAreaBelow(p, p.count, c.level), c.expected, 1e-12);
  }
}

TEST(PolygonAreaBelow, ClockwiseVerticesGiveANegativeArea) {
  Polygon p;
  p.count = 4;
  const double x[] = {-1, -1, 1, 1}, y[] = {-1, 1, 1, -1};
  for (int v = 1; v <= 4; ++v) p.x[v] = x[v - 1], p.y[v] = y[v - 1];
  EXPECT_NEAR(fn_PolygonAreaBelow(p, 4, 5.0), -4.0, 1e-12);
}

// A circle of diameter 100 has slice boundaries at the integers 50, 49, ..., -50.
TEST(FindSliceY, ABoundaryBelongsToTheSliceBelowItAndOutsidePointsToTheLast) {
  SliceModel m;
  m.kind = SectionKind::DrilledShaft;
  m.diameter = 100.0;
  buildSliceGrid(m);
  struct Case {
    double y;
    int slice;
  };
  const Case cases[] = {
      {50.0, 1},    {49.5, 1},    {49.0, 2},    {0.0, 51},
      {0.5, 50},    {-49.5, 100}, {-50.0, 100},  // the bottom fibre lies in no slice
      {-60.0, 100}, {60.0, 100},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.y);
    EXPECT_EQ(fn_FindSliceY(m, c.y), c.slice);
  }
}

TEST(SliceGrid, DepthsRunFromHalfASliceToTheBottom) {
  SliceModel m;
  m.kind = SectionKind::SquarePile;
  m.B = 12.0;
  m.H = 30.0;
  slice(m);
  EXPECT_DOUBLE_EQ(m.yTop, 15.0);
  EXPECT_DOUBLE_EQ(m.delta, 0.3);
  EXPECT_DOUBLE_EQ(m.SliceY[100], -15.0);
  EXPECT_DOUBLE_EQ(m.SliceDepth[1], 0.15);
  EXPECT_NEAR(m.SliceDepth[100], 29.85, 1e-12);
  for (int i = 1; i <= kNumSlices; ++i) EXPECT_NEAR(m.ConcreteArea[i], 3.6, 1e-12);
}

// Expected totals of every component of a sliced section.
struct Totals {
  double concrete = 0.0;
  double rebar = 0.0;
  double casing = 0.0;
  double coreSteel = 0.0;
  double coreConcrete = 0.0;
  double hPile = 0.0;
};

struct KindCase {
  const char* name;
  std::function<void(SliceModel&)> build;
  Totals expected;
  double inertia;  // second moment of the concrete (0: not checked)
};

void core(SliceModel& m, double d, double t, bool filled) {
  m.coreCount = 1;
  m.cores[1] = Core{d, 0.0, 0.0, t, filled, 0, 0};
}

double octagonArea(double w) {  // the octagon with the single-precision corner factor
  const double leg = w / 2.0 - sp(0.2071f) * w;
  return w * w - 2.0 * leg * leg;
}

TEST(ComponentAreas, EveryKindSlicesToTheAreasOfItsShapes) {
  const double ring36 = circleArea(36.0) - circleArea(35.0);
  const KindCase cases[] = {
      {"drilled shaft",
       [](SliceModel& m) {
         m.kind = SectionKind::DrilledShaft;
         m.diameter = 36.0;
       },
       {circleArea(36.0)},
       kPi * std::pow(36.0, 4) / 64.0},
      {"rectangular pile",
       [](SliceModel& m) {
         m.kind = SectionKind::SquarePile;
         m.B = 12.0;
         m.H = 18.0;
       },
       {216.0},
       12.0 * std::pow(18.0, 3) / 12.0},
      {"octagonal pile",
       [](SliceModel& m) {
         m.kind = SectionKind::NoncircularShaft;
         buildOctagon(m.SectionPolygon, 24.0);
       },
       {octagonArea(24.0)},
       0.0},
      {"chamfered square pile",
       [](SliceModel& m) {
         m.kind = SectionKind::NoncircularShaft;
         buildChamferedSquare(m.SectionPolygon, 24.0, 2.0);
       },
       {576.0 - 2.0 * 4.0},
       0.0},
      {"shaft with permanent casing",
       [](SliceModel& m) {
         m.kind = SectionKind::ShaftWithCasing;
         m.diameter = m.casingDiameter = 36.0;
         m.casingThickness = 0.5;
       },
       {circleArea(35.0), 0.0, ring36},
       kPi * std::pow(35.0, 4) / 64.0},
      {"casing without wall takes all the concrete",
       [](SliceModel& m) {
         m.kind = SectionKind::ShaftWithCasing;
         m.diameter = m.casingDiameter = 36.0;
         m.casingThickness = 0.0;
       },
       {0.0, 0.0, circleArea(36.0)},
       0.0},
      {"steel pipe pile keeps no concrete",
       [](SliceModel& m) {
         m.kind = SectionKind::SteelPipePile;
         m.diameter = m.casingDiameter = 24.0;
         m.casingThickness = 0.5;
       },
       {0.0, 0.0, circleArea(24.0) - circleArea(23.0)},
       0.0},
      {"casing and filled core",
       [](SliceModel& m) {
         m.kind = SectionKind::ShaftWithCasingAndCore;
         m.diameter = m.casingDiameter = 36.0;
         m.casingThickness = 0.5;
         core(m, 12.0, 0.5, true);
       },
       {circleArea(35.0) - circleArea(12.0), 0.0, ring36, circleArea(12.0) - circleArea(11.0),
        circleArea(11.0)},
       0.0},
      {"casing and void core",
       [](SliceModel& m) {
         m.kind = SectionKind::ShaftWithCasingAndCore;
         m.diameter = m.casingDiameter = 36.0;
         m.casingThickness = 0.5;
         core(m, 12.0, 0.5, false);
       },
       {circleArea(35.0) - circleArea(12.0), 0.0, ring36, circleArea(12.0) - circleArea(11.0)},
       0.0},
      {"hollow circular pile",
       [](SliceModel& m) {
         m.kind = SectionKind::ShaftWithPipeInsert;
         m.diameter = 24.0;
         core(m, 12.0, 0.0, false);
       },
       {circleArea(24.0) - circleArea(12.0), 0.0, 0.0, circleArea(12.0)},
       kPi * (std::pow(24.0, 4) - std::pow(12.0, 4)) / 64.0},
      {"hollow octagonal pile",
       [](SliceModel& m) {
         m.kind = SectionKind::CompositeShaft;
         buildOctagon(m.SectionPolygon, 24.0);
         core(m, 10.0, 0.0, false);
       },
       {octagonArea(24.0) - circleArea(10.0), 0.0, 0.0, circleArea(10.0)},
       0.0},
      {"hollow square pile",
       [](SliceModel& m) {
         m.kind = SectionKind::SquarePileWithCore;
         m.B = m.H = 24.0;
         core(m, 12.0, 0.0, false);
       },
       {576.0 - circleArea(12.0), 0.0, 0.0, circleArea(12.0)},
       (std::pow(24.0, 4) / 12.0 - kPi * std::pow(12.0, 4) / 64.0)},
      {"shaft with H-pile insert",
       [](SliceModel& m) {
         m.kind = SectionKind::ShaftWithHPileInsert;
         m.diameter = 36.0;
         buildHPileOutline(m.HPileOutline, 14.0, 14.0, 1.0, 0.75, true);
       },
       {circleArea(36.0) - 37.0, 0.0, 0.0, 0.0, 0.0, 37.0},
       0.0},
      {"casing and weak-axis H-pile",
       [](SliceModel& m) {
         m.kind = SectionKind::ShaftWithCasingAndHPile;
         m.diameter = m.casingDiameter = 36.0;
         m.casingThickness = 0.5;
         buildHPileOutline(m.HPileOutline, 14.0, 14.0, 1.0, 0.75, false);
       },
       {circleArea(35.0) - 37.0, 0.0, ring36, 0.0, 0.0, 37.0},
       0.0},
  };
  for (const KindCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto m = std::make_unique<SliceModel>();
    c.build(*m);
    slice(*m);
    const double scale = circleArea(36.0);
    const double tol = 1e-9 * scale;
    EXPECT_NEAR(sumOf(m->ConcreteArea), c.expected.concrete, tol);
    EXPECT_NEAR(sumOf(m->RebarArea), c.expected.rebar, tol);
    EXPECT_NEAR(sumOf(m->CasingArea), c.expected.casing, tol);
    EXPECT_NEAR(sumOf(m->CoreSteelArea), c.expected.coreSteel, tol);
    EXPECT_NEAR(sumOf(m->CoreConcreteArea), c.expected.coreConcrete, tol);
    EXPECT_NEAR(sumOf(m->HPileArea), c.expected.hPile, tol);
    if (m->kind != SectionKind::SteelPipePile) {
      EXPECT_NEAR(m->TotalConcreteArea, c.expected.concrete, tol);
    } else {
      EXPECT_EQ(m->TotalConcreteArea, 0.0);
    }
    if (c.inertia > 0.0) {
      // Slice centres as levers: the midpoint rule is within (1/100)^2.
      EXPECT_NEAR(sliceInertia(*m, m->ConcreteArea) / c.inertia, 1.0, 2e-4);
    }
  }
}

TEST(ComponentAreas, ACircleHasItsSmallestSlicesAtTheFibresAndItsLargestAtMidDepth) {
  SliceModel m;
  m.kind = SectionKind::DrilledShaft;
  m.diameter = 36.0;
  slice(m);
  for (int i = 1; i <= 50; ++i) {
    EXPECT_NEAR(m.ConcreteArea[i], m.ConcreteArea[101 - i], 1e-9);  // symmetric
    if (i > 1) {
      EXPECT_GT(m.ConcreteArea[i], m.ConcreteArea[i - 1]);
    }
  }
}

TEST(ComponentAreas, ARegularOctagonHasTheAreaOfItsClosedForm) {
  SliceModel m;
  m.kind = SectionKind::NoncircularShaft;
  buildOctagon(m.SectionPolygon, 24.0);
  slice(m);
  // 2 (sqrt 2 - 1) w^2, up to the four digits of the corner factor 0.2071.
  EXPECT_NEAR(m.TotalConcreteArea / (2.0 * (std::sqrt(2.0) - 1.0) * 576.0), 1.0, 1e-4);
}

TEST(ComponentAreas, TheSteelPipeRingHasTheInertiaOfItsClosedForm) {
  SliceModel m;
  m.kind = SectionKind::SteelPipePile;
  m.diameter = m.casingDiameter = 24.0;
  m.casingThickness = 0.5;
  slice(m);
  const double I = kPi / 64.0 * (std::pow(24.0, 4) - std::pow(23.0, 4));
  EXPECT_NEAR(sliceInertia(m, m.CasingArea) / I, 1.0, 1e-4);
}

// A 10 x 100 rectangle: slice i lies between y = 50 - i and 51 - i.
std::unique_ptr<SliceModel> rectangleWithBars(
    std::initializer_list<std::array<double, 3>> bars) {  // y, diameter, area
  auto m = std::make_unique<SliceModel>();
  m->kind = SectionKind::SquarePile;
  m->B = 10.0;
  m->H = 100.0;
  for (const auto& bar : bars) {
    const auto k = static_cast<std::size_t>(++m->NumBars);
    m->barY[k] = bar[0];
    m->barDiameter[k] = bar[1];
    m->barArea[k] = bar[2];
  }
  slice(*m);
  return m;
}

TEST(BarSlices, ABarInsideOneSliceKeepsItsWholeAreaThere) {
  auto m = rectangleWithBars({{49.5, 0.5, 0.2}, {-20.25, 0.4, 0.11}});
  EXPECT_DOUBLE_EQ(m->RebarArea[1], 0.2);
  EXPECT_DOUBLE_EQ(m->RebarArea[71], 0.11);
  EXPECT_NEAR(sumOf(m->RebarArea), 0.31, 1e-15);
  EXPECT_NEAR(m->ConcreteArea[1], 10.0 - 0.2, 1e-12);
  EXPECT_NEAR(m->TotalConcreteArea, 1000.0 - 0.31, 1e-9);
  EXPECT_NEAR(m->TotalRebarArea, 0.31, 1e-15);
}

TEST(BarSlices, ABarAcrossSlicesIsSharedAsTheSegmentsOfItsCircle) {
  // A round bar of diameter 3 centred on y = 0 spans slices 49 to 52 with
  // segment heights 0.5, 1.5, 2.5 and 3 below its top at y = 1.5.
  const double D = 3.0;
  const double A = circleArea(D);
  auto m = rectangleWithBars({{0.0, D, A}});
  EXPECT_NEAR(m->RebarArea[49], textbookSegment(D, 0.5), 1e-12);
  EXPECT_NEAR(m->RebarArea[50], textbookSegment(D, 1.5) - textbookSegment(D, 0.5), 1e-12);
  EXPECT_NEAR(m->RebarArea[51], textbookSegment(D, 2.5) - textbookSegment(D, 1.5), 1e-12);
  EXPECT_NEAR(m->RebarArea[52], A - textbookSegment(D, 2.5), 1e-12);
  EXPECT_EQ(m->RebarArea[48], 0.0);
  EXPECT_EQ(m->RebarArea[53], 0.0);
}

TEST(BarSlices, ABarWhoseAreaDiffersFromItsDiameterStillAddsUpToItsArea) {
  // Nominal diameter 2.5 (spans slices 49 to 52, y = 1.25 to -1.25), area of
  // a circle of 2.0 centred on the bar: that circle lies in slices 50 and 51,
  // half in each; the outer slices of the span get nothing.
  auto m = rectangleWithBars({{0.0, 2.5, circleArea(2.0)}});
  EXPECT_NEAR(m->RebarArea[49], 0.0, 1e-15);
  EXPECT_NEAR(m->RebarArea[50], circleArea(2.0) / 2.0, 1e-12);
  EXPECT_NEAR(m->RebarArea[51], circleArea(2.0) / 2.0, 1e-12);
  EXPECT_NEAR(m->RebarArea[52], 0.0, 1e-12);
  EXPECT_NEAR(sumOf(m->RebarArea), circleArea(2.0), 1e-12);
}

// A strand smaller than its nominal outline (0.5 in, 0.153 in2: equivalent
// diameter De = 0.44137 in) at the centre of slice 17 of a 24 in square
// (slices of 0.24 in, slice 17 from y = 7.92 to 8.16): its outline spans
// slices 16 to 18, and the circle of its area centred on it puts the same
// segment of height De/2 - 0.12 in slices 16 and 18. A circle anchored at
// the top of the outline would lie 0.029 in higher.
TEST(BarSlices, TheSharesOfABarAreCentredOnIt) {
  auto m = std::make_unique<SliceModel>();
  m->kind = SectionKind::SquarePile;
  m->B = 24.0;
  m->H = 24.0;
  m->NumBars = 1;
  m->barY[1] = 8.04;
  m->barDiameter[1] = 0.5;
  m->barArea[1] = 0.153;
  slice(*m);
  const double De = std::sqrt(4.0 * 0.153 / kPi);
  const double outer = textbookSegment(De, De / 2.0 - 0.12);
  EXPECT_NEAR(m->RebarArea[16], outer, 1e-12);
  EXPECT_NEAR(m->RebarArea[18], outer, 1e-12);
  EXPECT_NEAR(m->RebarArea[17], 0.153 - 2.0 * outer, 1e-12);
  EXPECT_EQ(m->RebarArea[15], 0.0);
  EXPECT_EQ(m->RebarArea[19], 0.0);
}

TEST(BarSlices, ABarReachingAboveTheTopFibreStaysInTheTopSlice) {
  auto m = rectangleWithBars({{50.2, 0.6, 0.31}});
  EXPECT_DOUBLE_EQ(m->RebarArea[1], 0.31);
  EXPECT_EQ(m->RebarArea[100], 0.0);
}

TEST(BarSlices, MoreThan300BarsAreReportedAndNotSliced) {
  SliceModel m;
  m.kind = SectionKind::SquarePile;
  m.B = 10.0;
  m.H = 100.0;
  m.NumBars = 301;
  buildSliceGrid(m);
  engine::Channel report;
  report.captureInMemory();
  Calculate_Concrete_Slice_Areas(m, false, &report);
  EXPECT_EQ(report.text(),
            "  Error in Calculate_Rebar_Slice_Areas - NumBars out of valid range = 301 (more "
            "than 300 bars)\n");
  EXPECT_EQ(m.TotalRebarArea, 0.0);
  EXPECT_NEAR(m.TotalConcreteArea, 1000.0, 1e-9);
}

TEST(CoreSlices, TheCoreRemembersTheSlicesItSpans) {
  SliceModel m;
  m.kind = SectionKind::ShaftWithCasingAndCore;
  m.diameter = m.casingDiameter = 100.0;
  m.casingThickness = 1.0;
  core(m, 12.0, 1.0, true);
  slice(m);
  // From y = 6 (top of slice 45) down to y = -6, the top boundary of slice
  // 57, which therefore closes the span with a share of nothing.
  EXPECT_EQ(m.cores[1].firstSlice, 45);
  EXPECT_EQ(m.cores[1].lastSlice, 57);
  EXPECT_EQ(m.CoreSteelArea[44], 0.0);
  EXPECT_GT(m.CoreSteelArea[45], 0.0);
  EXPECT_GT(m.CoreSteelArea[56], 0.0);
  EXPECT_NEAR(m.CoreSteelArea[57], 0.0, 1e-12);
  EXPECT_EQ(m.CoreSteelArea[58], 0.0);
  EXPECT_NEAR(m.TotalCoreConcreteArea, circleArea(10.0), 1e-9);
}

TEST(CoreSlices, WithoutACoreConcreteModelAFilledCoreKeepsNoConcrete) {
  SliceModel m;
  m.kind = SectionKind::ShaftWithCasingAndCore;
  m.diameter = m.casingDiameter = 36.0;
  m.casingThickness = 0.5;
  core(m, 12.0, 0.5, true);
  slice(m, false);
  EXPECT_EQ(sumOf(m.CoreConcreteArea), 0.0);
  EXPECT_NEAR(sumOf(m.CoreSteelArea), circleArea(12.0) - circleArea(11.0), 1e-9);
}

}  // namespace
}  // namespace quarn::section
