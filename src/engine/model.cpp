#include "engine/model.h"

namespace quarn {

void initializeModel(AnalysisModel& model, std::string_view version) {
  model.run.version = std::string(version);
  model.state = RunState{};
  model.soilConstantHalf = 0.5;
  model.layerCorrection.fill(-10000.0);
  model.layering = LayeredSoilState{};
  model.options = Options{};
  model.results = CaseResults{};
  model.lrfd = LrfdResults{};
}

void setUnitLabels(AnalysisModel& model) {
  UnitLabels& l = model.labels;
  switch (model.options.IUNITS) {
    case kUnitsUsCustomary:
      l = {"in ", "lbs", "in-lb   ", "lb/in", "pcf  ", "psi ", "ft", "in", "in", "pci  "};
      break;
    case kUnitsSi:
      l = {"m  ", "kN ", "kN-m    ", "kN/m ", "kN/m3", "kPa ", "m ", "mm", "m ", "kN/m3"};
      break;
    case kUnitsGeneral:
      l = {"L  ", "F  ", "F-L     ", "F/L  ", "F/L3 ", "F/L2", "L ", "L ", "L ", "F/L3 "};
      break;
    default:
      break;
  }
}

namespace {

constexpr double kInchesPerFoot = 12.0;
constexpr double kSquareInchesPerSquareFoot = 144.0;
constexpr double kCubicInchesPerCubicFoot = 1728.0;
constexpr int kWeakRock = 8;
constexpr int kVuggyLimestone = 9;
constexpr int kMassiveRock = 16;

void scale(LayerValue& value, double factor) {
  value[0] *= factor;
  value[1] *= factor;
}

// Divides rather than multiplying by the reciprocal, so that a value divided
// and multiplied back by the same factor returns exactly as entered.
void divide(LayerValue& value, double divisor) {
  value[0] /= divisor;
  value[1] /= divisor;
}

}  // namespace

void convertUsCustomary(AnalysisModel& model) {
  if (model.options.IUNITS != kUnitsUsCustomary || model.state.unitsConverted) return;
  model.state.unitsConverted = true;

  Pile& pile = model.pile;
  pile.length *= kInchesPerFoot;
  pile.groundSurfaceDepth *= kInchesPerFoot;
  pile.numberOfSectionsForNodes = pile.numberOfSections;
  for (double& depth : pile.sectionBoundaryDepths) depth *= kInchesPerFoot;
  for (int i = 1; i <= pile.numberOfSections; ++i) {
    PileSection& section = pile.sections[i];
    section.length *= kInchesPerFoot;
    section.topDepth *= kInchesPerFoot;
    section.bottomDepth *= kInchesPerFoot;
  }
  for (int k = 1; k <= pile.numberOfStations; ++k) pile.stations[k].depth *= kInchesPerFoot;

  for (int i = 1; i <= model.soil.numberOfLayers; ++i) {
    SoilLayer& layer = model.soil.layers[i];
    layer.top *= kInchesPerFoot;
    layer.bottom *= kInchesPerFoot;
    divide(layer.unitWeight, kCubicInchesPerCubicFoot);
    // Cohesion is entered in psf; rock strength is entered in psi already and
    // goes back to psi after the common division.
    divide(layer.cohesion, kSquareInchesPerSquareFoot);
    // Massive rock strength is entered in psi like the other rocks; dividing
    // it by 144 would weaken the rock a hundredfold.
    if (layer.criterion == kWeakRock || layer.criterion == kVuggyLimestone ||
        layer.criterion == kMassiveRock) {
      scale(layer.cohesion, kSquareInchesPerSquareFoot);
    }
    for (UserPyCurve& curve : layer.userCurves) curve.depth *= kInchesPerFoot;
  }

  for (double& depth : model.tables.soilMovement.depth) depth *= kInchesPerFoot;
  PyOutputDepths& output = model.tables.pyOutput;
  for (int i = 1; i <= output.count; ++i) output.depth[i] *= kInchesPerFoot;
  MultiplierTable& multipliers = model.tables.multipliers;
  for (int i = 1; i <= multipliers.rows; ++i) multipliers.depth[i] *= kInchesPerFoot;
}

}  // namespace quarn
