// The sliced cross-section: a fixed grid of 100 horizontal slices normal to
// the bending direction (y up from the section centre, compression at the
// top), and per slice the area of every material component. Built once per
// section and axial thrust; the moment-curvature analysis then reads the
// areas for every strain state without building anything.
//
// Arrays are 1-based like the slice and bar numbers (index 0 unused), except
// SliceY, whose index 0 is the top fibre.
#pragma once

#include <array>

#include "engine/channel.h"
#include "engine/limits.h"
#include "section/section_kind.h"

namespace quarn::section {

inline constexpr int kNumSlices = 100;
inline constexpr int kMaxPolygonVertices = 300;
inline constexpr int kMaxCores = 4;  // every input type gives 0 or 1; the slicing takes any count

using SliceArray = std::array<double, kNumSlices + 1>;            // slices 1..100
using BarArray = std::array<double, kMaxBars + 1>;                // bars 1..300
using VertexArray = std::array<double, kMaxPolygonVertices + 1>;  // vertices 1..300

// A closed polygon, vertices 1..count counter-clockwise.
struct Polygon {
  int count = 0;
  VertexArray x{};
  VertexArray y{};
};

// An inner core: a steel tube (wall thickness > 0), filled with concrete or
// void; a void of a hollow pile is a core without wall and fill.
struct Core {
  double diameter = 0.0;  // outside diameter
  double x = 0.0;         // centre; the section centre for every input type
  double y = 0.0;
  double wallThickness = 0.0;
  bool b_FillCoreWithConcrete = false;
  int firstSlice = 0;  // slices the core spans (set by the slicing)
  int lastSlice = 0;
};

struct SliceModel {
  SectionKind kind = SectionKind::NotSliced;

  // Grid. NumSlicesReal, the double value of NumSlices, is used in divisions.
  int NumSlices = kNumSlices;
  double NumSlicesReal = static_cast<double>(kNumSlices);
  double H = 0.0;                               // depth in the bending direction
  double B = 0.0;                               // width of a rectangle; equal to H otherwise
  double yTop = 0.0;                            // y of the compression fibre
  double delta = 0.0;                           // slice thickness |H| / 100
  std::array<double, kNumSlices + 1> SliceY{};  // boundaries 0..100, decreasing
  SliceArray SliceDepth{};                      // slice centre below the top fibre

  // Component areas per slice.
  SliceArray ConcreteArea{};  // net concrete
  SliceArray RebarArea{};     // bars or strands
  SliceArray CasingArea{};    // casing or pipe wall
  SliceArray CoreSteelArea{};
  SliceArray CoreConcreteArea{};
  SliceArray HPileArea{};
  double TotalConcreteArea = 0.0;
  double TotalRebarArea = 0.0;
  double TotalCoreConcreteArea = 0.0;

  // Geometry of the components (set from the section input before slicing).
  double diameter = 0.0;   // circular kinds: section diameter (casing or pipe outside diameter)
  Polygon SectionPolygon;  // kinds 1, 2 (built by the grid), 10 and 11
  Polygon HPileOutline;    // kinds 4 and 8
  int hPileFirstSlice = 0;
  int hPileLastSlice = 0;
  double casingDiameter = 0.0;  // = H for the cased kinds and the pipe
  double casingThickness = 0.0;
  int coreCount = 0;
  std::array<Core, kMaxCores + 1> cores{};  // 1-based

  // Bars or strands: centre, nominal diameter and area.
  int NumBars = 0;
  BarArray barX{};
  BarArray barY{};
  BarArray barDiameter{};
  BarArray barArea{};
};

// Area of a circle of diameter D above a horizontal line at depth y below the
// circle's top (0 for y <= 0, the whole circle for y >= D).
double fn_SegmentArea(double D, double y);

// Area of the polygon below the horizontal line at `level`; the area between
// two levels is the difference of two calls. 0 when the clipped polygon has
// fewer than 3 or more than 100 vertices.
double fn_PolygonAreaBelow(const Polygon& polygon, int n, double level);

// The slice 1..100 holding y (SliceY[i] < y <= SliceY[i-1]); 100 for a y in
// no slice (on or below the bottom fibre, or above the top).
int fn_FindSliceY(const SliceModel& model, double Yreal);

// Slice grid: H, B, yTop, delta and SliceY from the kind and its geometry.
// Kinds 1 and 2 get their rectangle polygon here.
void buildSliceGrid(SliceModel& model);

// SliceDepth[1] = H/200, each next one H/100 deeper.
void Calculate_Slice_Depths(SliceModel& model);

// Component steps; each adds its areas and takes its footprint out of the
// concrete.
// More than 300 bars writes its line to `report` (when given) and slices no bar.
void Calculate_Rebar_Slice_Areas(SliceModel& model, engine::Channel* report = nullptr);
void Calculate_Casing_Slice_Areas(SliceModel& model);
// Core k; `coreConcreteModelled`: the section's core concrete model is not
// "none", so a filled core keeps its concrete in CoreConcreteArea.
void Calculate_Core_Slice_Areas(SliceModel& model, int k, bool coreConcreteModelled);
void Calculate_HP_Slice_Areas(SliceModel& model);

// All areas and totals of the model's kind: gross concrete, then the
// component steps in the order of the kind. The grid must be built.
void Calculate_Concrete_Slice_Areas(SliceModel& model, bool coreConcreteModelled,
                                    engine::Channel* report = nullptr);

}  // namespace quarn::section
