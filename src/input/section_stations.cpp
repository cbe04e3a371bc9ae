#include "input/section_stations.h"

#include <array>
#include <cmath>
#include <numbers>
#include <span>

#include "engine/single_precision.h"

namespace quarn::input {

namespace {

constexpr double kPi = std::numbers::pi;

struct Point {
  double x;
  double y;
};

struct AreaAndInertia {
  double area = 0.0;
  double inertia = 0.0;
};

AreaAndInertia circle(double diameter) {
  return {kPi * diameter * diameter / 4.0, kPi * std::pow(diameter, 4) / 64.0};
}

AreaAndInertia minus(AreaAndInertia outer, AreaAndInertia hole) {
  return {outer.area - hole.area, outer.inertia - hole.inertia};
}

// Area and second moment about the x axis of a closed polygon whose
// vertices run counter-clockwise (Green's theorem).
AreaAndInertia polygon(std::span<const Point> vertices) {
  AreaAndInertia result;
  for (std::size_t i = 0; i < vertices.size(); ++i) {
    const Point& a = vertices[i];
    const Point& b = vertices[(i + 1) % vertices.size()];
    const double cross = a.x * b.y - b.x * a.y;
    result.area += cross / 2.0;
    result.inertia += cross * (a.y * a.y + a.y * b.y + b.y * b.y) / 12.0;
  }
  return result;
}

// Square of side w with corner chamfers of leg c (a plain square when c is 0).
AreaAndInertia chamferedSquare(double w, double c) {
  const double h = w / 2.0;
  const std::array<Point, 8> vertices = {{{h - c, -h},
                                          {h, -h + c},
                                          {h, h - c},
                                          {h - c, h},
                                          {-h + c, h},
                                          {-h, h - c},
                                          {-h, -h + c},
                                          {-h + c, -h}}};
  return polygon(vertices);
}

// Regular octagon of width w across flats, with the half-side coefficient
// of the section slicing.
AreaAndInertia octagon(double w) {
  const double a = sp(0.2071f) * w;
  const double h = w / 2.0;
  const std::array<Point, 8> vertices = {
      {{a, -h}, {h, -a}, {h, a}, {a, h}, {-a, h}, {-h, a}, {-h, -a}, {-a, -h}}};
  return polygon(vertices);
}

SectionProperties elasticProperties(const ElasticData& e, bool atBottom) {
  SectionProperties p;
  p.modulus = e.elasticModulus;
  p.width = atBottom ? e.widthBottom : e.widthTop;
  p.area = atBottom ? e.areaBottom : e.areaTop;
  p.inertia = atBottom ? e.inertiaBottom : e.inertiaTop;
  switch (e.shape) {
    case kShapeRectangular:
      p.width2 = atBottom ? e.depthBottom : e.depthTop;
      break;
    case kShapeStrongHPile:
    case kShapeWeakHPile:
      p.width2 = e.depthTop;
      break;
    case kShapeEmbeddedPole:
      // The soil acts on the drilled hole; the stresses belong to the pole.
      p.width2 = p.width;
      p.width = e.holeDiameter;
      break;
    default:
      p.width2 = p.width;
      break;
  }
  return p;
}

}  // namespace

double concreteModulus(double compressiveStrength, int units) {
  if (compressiveStrength <= 0.0) return 0.0;
  if (units == kUnitsSi) return 393001.16443634033 * std::sqrt(0.14503774 * compressiveStrength);
  return 57000.0 * std::sqrt(compressiveStrength);
}

SectionProperties sectionProperties(const PileSection& s, int units, bool atBottom) {
  if (s.type == SectionType::Elastic || s.type == SectionType::ElasticPlastic) {
    return elasticProperties(s.elastic, atBottom);
  }
  SectionProperties p;
  p.width = s.diameter;
  p.width2 = s.diameter;
  p.modulus = concreteModulus(s.concrete.compressiveStrength, units);
  AreaAndInertia gross;
  switch (s.type) {
    case SectionType::RectangularConcrete:
      p.width2 = s.sectionDepth;
      gross = {s.diameter * s.sectionDepth, s.diameter * std::pow(s.sectionDepth, 3) / 12.0};
      break;
    case SectionType::SteelPipe:
      p.modulus = s.steelModulus;
      gross = minus(circle(s.diameter), circle(s.diameter - 2.0 * s.wallThickness));
      break;
    case SectionType::HollowCircularPrestressed:
      gross = minus(circle(s.diameter), circle(s.voidDiameter));
      break;
    case SectionType::SquarePrestressed:
      gross = chamferedSquare(s.diameter, s.chamfer);
      break;
    case SectionType::HollowSquarePrestressed:
      gross = minus(chamferedSquare(s.diameter, s.chamfer), circle(s.voidDiameter));
      break;
    case SectionType::OctagonalPrestressed:
      gross = octagon(s.diameter);
      break;
    case SectionType::HollowOctagonalPrestressed:
      gross = minus(octagon(s.diameter), circle(s.voidDiameter));
      break;
    case SectionType::UserEi:
      // The first stiffness entered stands for the uncracked section.
      gross = circle(s.diameter);
      p.modulus = 0.0;
      if (!s.userEi.empty() && !s.userEi.front().stiffness.empty() && gross.inertia > 0.0) {
        p.modulus = s.userEi.front().stiffness.front() / gross.inertia;
      }
      break;
    default:  // drilled shafts, cased shafts and solid circular piles: the gross circle
      gross = circle(s.diameter);
      break;
  }
  p.area = gross.area;
  p.inertia = gross.inertia;
  return p;
}

void fillPropertyStations(AnalysisModel& model) {
  Pile& pile = model.pile;
  pile.numberOfStations = 2 * pile.numberOfSections;
  for (int s = 1; s <= pile.numberOfSections; ++s) {
    const PileSection& section = pile.sections[s];
    for (int end = 0; end < 2; ++end) {
      const bool atBottom = end == 1;
      const SectionProperties p = sectionProperties(section, model.options.IUNITS, atBottom);
      PropertyStation& station = pile.stations[2 * s - 1 + end];
      station.depth = atBottom ? section.bottomDepth : section.topDepth;
      station.width = p.width;
      station.width2 = p.width2;
      station.inertia = p.inertia;
      station.modulus = p.modulus;
      station.area = p.area;
    }
  }
}

}  // namespace quarn::input
