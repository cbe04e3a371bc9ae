// Where the bars and strands of a section lie, and the outlines of the
// polygonal sections: the circular bar layout (single bars and bundles of 2
// or 3), the square perimeter layouts of prestressing strands, the regular
// octagon, the chamfered square and the H-pile outline.
#pragma once

#include "section/slice_model.h"

namespace quarn::section {

// Why a layout could not place its bars.
enum class LayoutResult {
  kPlaced,
  kDiameterNotPositive,  // D <= 0 (or the square width W)
  kDiameterBelowBar,     // D smaller than the bar diameter
  kCoverNotPositive,     // cover <= 0
  kCountOutOfRange,      // n outside 1..300, or n x bundle above 300
  kBundleOutOfRange,     // bundle size outside 1..3
  kRadiusNotPositive,    // the bar circle (or the strand square) has no size
};

// Bars or strands on a circle: n groups of `bundle` bars (1, 2 or 3), the
// group centres at equal angles from 0 on the circle of radius
// R = (D - d_b)/2 - cover. x and y receive the bar centres 1..n*bundle; all
// 300 entries are cleared first. A bar diameter above 100 is taken as 0 (also
// in the caller's variable). When the bars cannot be placed nothing is placed
// and the reason is returned; the caller stops the run.
LayoutResult Calculate_Circular_Bar_Positions(BarArray& x, BarArray& y, double D, double cover,
                                              double& d_b, int n, int bundle);

// n strands on the perimeter of the square of half-side a = (W - d_b)/2 -
// cover (arrangement codes 1 and 2 of automatically positioned strands). For
// n = 4b both variants place b + 1 strands on the bottom side, b - 1 on the
// right, b + 1 on the top and b - 1 on the left. Other counts are spaced
// evenly along the perimeter, counter-clockwise from the bottom-left corner:
// variant 1 starts at the corner, variant 2 half a spacing further on.
LayoutResult Calculate_Square_Bar_Positions(int variant, BarArray& x, BarArray& y, double W,
                                            double cover, double d_b, int n);

// Clear distance between neighbouring bars of the circular layout: the centre
// distance of bars 1 and 2 (single bars), 2 and 3 (bundles of 2) or 2 and 4
// (bundles of 3) less the bar diameter; 0 when the layout has no such pair.
double edgeToEdgeBarSpacing(const BarArray& x, const BarArray& y, int bars, int bundle, double d_b);

// A regular octagon of width w across the flats, centred, with a flat at the
// top and the bottom (a = 0.2071 w, single precision).
void buildOctagon(Polygon& polygon, double w);

// A square of side W with its four corners cut by chamfer legs c.
void buildChamferedSquare(Polygon& polygon, double W, double c);

// An H-pile outline, centred: flanges of width bf and thickness tf, web of
// thickness tw, overall depth d. Strong-axis bending puts the flanges at the
// top and the bottom; weak-axis bending turns the outline by a quarter turn.
void buildHPileOutline(Polygon& polygon, double d, double bf, double tf, double tw,
                       bool strongAxis);

}  // namespace quarn::section
