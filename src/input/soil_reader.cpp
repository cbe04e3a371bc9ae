#include "input/soil_reader.h"

#include <array>
#include <variant>

#include "engine/model.h"
#include "input/free_format.h"
#include "input/list_values.h"
#include "input/reader_errors.h"

namespace quarn::input {

namespace {

using engine::RunContext;

// A property of a layer: a real value or an integer code, top and bottom.
using Property = std::variant<LayerValue SoilLayer::*, LayerCode SoilLayer::*>;

inline constexpr int kMaxPropertiesPerLine = 6;

// The property lines of a criterion key: the values of one line, in order.
struct PropertyLayout {
  std::string_view key;  // as in the criterion key table, blank-padded to 10
  int count;
  std::array<Property, kMaxPropertiesPerLine> properties;
};

constexpr LayerValue SoilLayer::*kGamma = &SoilLayer::unitWeight;
constexpr LayerValue SoilLayer::*kCohesion = &SoilLayer::cohesion;
constexpr LayerValue SoilLayer::*kE50 = &SoilLayer::epsilon50;
constexpr LayerValue SoilLayer::*kK = &SoilLayer::subgradeK;
constexpr LayerValue SoilLayer::*kPhi = &SoilLayer::frictionAngle;

const std::array<PropertyLayout, 16> kLayouts = {{
    {"SoftClay  ", 3, {kGamma, kCohesion, kE50}},
    {"SoftClyJ  ", 4, {kGamma, kCohesion, kE50, &SoilLayer::jFactor}},
    {"StfClyBW  ", 4, {kGamma, kCohesion, kE50, kK}},
    {"StfClyAW  ", 3, {kGamma, kCohesion, kE50}},
    {"StfClyAK  ", 4, {kGamma, kCohesion, kE50, kK}},
    {"Sand      ", 3, {kGamma, kPhi, kK}},
    {"API Sand  ", 3, {kGamma, kPhi, kK}},
    {"Liq Sand  ", 1, {kGamma}},
    // Uniaxial compressive strength, initial rock modulus, RQD, k_rm.
    {"WeakRock  ", 5, {kGamma, kCohesion, &SoilLayer::rockModulus, &SoilLayer::rqd, &SoilLayer::krm}},
    {"Vuggy LS  ", 2, {kGamma, kCohesion}},
    {"Piedmont  ",
     6,
     {kGamma, &SoilLayer::fieldTestCode, &SoilLayer::sptN60, &SoilLayer::coneTip,
      &SoilLayer::dilatometerModulus, &SoilLayer::pressuremeterModulus}},
    {"Cem Silt  ", 5, {kGamma, kCohesion, kPhi, kE50, kK}},
    {"KS Loess  ", 2, {kGamma, &SoilLayer::coneTip}},
    {"Elast SG  ", 2, {kGamma, kK}},
    // Uniaxial compressive strength, rock type code, GSI, Poisson's ratio.
    {"MassRock  ",
     5,
     {kGamma, kCohesion, &SoilLayer::rockTypeCode, &SoilLayer::gsi, &SoilLayer::poissonRatio}},
    // Frozen soil has no property lines.
    {"Frz Soil  ", 0, {}},
}};

constexpr std::string_view kUserPyKey = "User p-y  ";
constexpr std::string_view kWeakRockKey = "WeakRock  ";

const PropertyLayout* findLayout(std::string_view key) {
  for (const PropertyLayout& layout : kLayouts) {
    if (layout.key == key) return &layout;
  }
  return nullptr;
}

// One property line: the values of `layout` at the top (side 0) or bottom.
void readPropertyLine(RunContext& ctx, const PropertyLayout& layout, SoilLayer& layer, int side) {
  std::array<ListItem, kMaxPropertiesPerLine> items;
  for (int k = 0; k < layout.count; ++k) {
    items[static_cast<std::size_t>(k)] = std::visit(
        [&](auto member) -> ListItem { return &(layer.*member)[static_cast<std::size_t>(side)]; },
        layout.properties[static_cast<std::size_t>(k)]);
  }
  // readList takes its items as a braced list; one call per line length.
  static_assert(kMaxPropertiesPerLine == 6, "one case per possible line length");
  const auto& v = items;
  switch (layout.count) {
    case 1: readList(ctx, {v[0]}); break;
    case 2: readList(ctx, {v[0], v[1]}); break;
    case 3: readList(ctx, {v[0], v[1], v[2]}); break;
    case 4: readList(ctx, {v[0], v[1], v[2], v[3]}); break;
    case 5: readList(ctx, {v[0], v[1], v[2], v[3], v[4]}); break;
    case 6: readList(ctx, {v[0], v[1], v[2], v[3], v[4], v[5]}); break;
    default: break;
  }
}

void readUserCurve(RunContext& ctx, int layerNumber, SoilLayer& layer, int side) {
  UserPyCurve& curve = layer.userCurves[static_cast<std::size_t>(side)];
  int points = 0;
  readList(ctx, {&layer.unitWeight[static_cast<std::size_t>(side)], &points});
  if (points < 2 || points > kMaxUserPyPoints) {
    stopOnReaderError(ctx, ReaderError::kUserPyPoints, {layerNumber, points, kMaxUserPyPoints});
  }
  curve.points = points;
  curve.depth = side == 0 ? layer.top : layer.bottom;
  for (int j = 1; j <= points; ++j) readList(ctx, {&curve.y[j], &curve.p[j]});
}

}  // namespace

int propertyValuesPerLine(std::string_view key) {
  const PropertyLayout* layout = findLayout(key);
  return layout == nullptr ? -1 : layout->count;
}

void readSoilLayers(RunContext& ctx) {
  Soil& soil = ctx.model.soil;
  ctx.messages.line("Reading soil layering data");
  int count = 0;
  readValue(ctx, count);
  if (count > kMaxLayers) stopOnReaderError(ctx, ReaderError::kTooManyLayers, {count, kMaxLayers});

  // A later SOIL LAYERS replaces the profile of an earlier one.
  soil.numberOfLayers = 0;
  soil.layers.fill(SoilLayer{});
  if (count <= 0) return;
  int counted = 0;
  for (int i = 1; i <= count; ++i) {
    SoilLayer layer;
    readList(ctx, {&layer.criterion, &layer.top, &layer.bottom});
    if (layer.criterion < 1 || layer.criterion > kCriterionCodes) {
      stopOnReaderError(ctx, ReaderError::kCriterionCode, {i, layer.criterion, kCriterionCodes});
    }
    const std::string_view key = kCriterionKeys[static_cast<std::size_t>(layer.criterion)];
    if (key == kUserPyKey) {
      readUserCurve(ctx, i, layer, 0);
      readUserCurve(ctx, i, layer, 1);
    } else if (const PropertyLayout* layout = findLayout(key)) {
      if (layout->count > 0) {
        readPropertyLine(ctx, *layout, layer, 0);
        readPropertyLine(ctx, *layout, layer, 1);
      }
      // Weak rock keeps k_rm also in the strain-factor slot of the profile,
      // where the soil queries look for it.
      if (key == kWeakRockKey) layer.epsilon50 = layer.krm;
    } else {
      continue;  // an "Undefined" code: no property lines, and the layer is not counted
    }
    soil.layers[++counted] = layer;
    soil.numberOfLayers = counted;
  }
  soil.numberOfLayers = counted;
  ctx.model.pile.groundSurfaceDepth = counted > 0 ? soil.layers[1].top : 0.0;
}

}  // namespace quarn::input
