// AnalysisModel: everything one run knows. One instance per run context; the
// readers fill the input groups, the analysis derives the rest.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/limits.h"
#include "engine/model_input.h"
#include "engine/model_lrfd.h"
#include "engine/model_nodes.h"
#include "engine/model_options.h"
#include "engine/model_results.h"
#include "engine/model_tables.h"

namespace quarn {

// The four run files named by NAMES.DAT (or by the command line).
struct RunFiles {
  std::string inputPath;
  std::string reportPath;
  std::string plotPath;
  std::string messagePath;
};

struct RunInfo {
  std::string version;  // 11-character version text printed in the banner
  RunFiles files;
  std::string formatTag;
  std::array<std::string, kTitleLines> title;
};

// Unit labels of the report, blank-padded to their widths.
struct UnitLabels {
  std::string length = "   ";       // 3
  std::string force = "   ";        // 3
  std::string moment = "        ";  // 8
  std::string forcePerLength = "     ";
  std::string unitWeight = "     ";
  std::string stress = "    ";
  std::string depth = "  ";
  std::string smallLength = "  ";
  std::string deflection = "  ";
  std::string subgradeModulus = "     ";
};

// Error and warning state of a run.
struct RunState {
  int errorCode = 0;
  int warningCount = 0;  // nonzero once a warning was registered; distinct codes after the summary
  int lastWarningCode = 0;
  std::array<int, kMaxWarningCode + 1> warningOccurrences{};  // by |code|
  bool unitsConverted = false;
};

// The p-y criterion key table, indexed by the criterion code 1..20.
inline constexpr std::array<std::string_view, kCriterionCodes + 1> kCriterionKeys = {
    "",           "SoftClay  ", "StfClyBW  ", "StfClyAW  ", "StfClyAK  ", "Sand      ",
    "API Sand  ", "Liq Sand  ", "WeakRock  ", "Vuggy LS  ", "Piedmont  ", "Cem Silt  ",
    "KS Loess  ", "Elast SG  ", "User p-y  ", "SoftClyJ  ", "MassRock  ", "Frz Soil  ",
    "Undefined ", "Undefined ", "Undefined "};

// Per-layer bookkeeping of the layer sweep for the equivalent-depth
// correction of layered soil. Kept from sweep to sweep and case to case; the
// equivalent depths themselves are AnalysisModel::layerCorrection.
struct LayeredSoilState {
  // Rock-like layers met so far in the current sweep; below one, criteria use
  // the depth below the ground surface.
  int RockLayersAbove = 0;
  // F(k): integral of the ultimate resistance over layer k in the last sweep.
  std::array<double, kMaxLayers + 1> F{};
  // The same integral of a liquefied-sand layer, kept apart: it stands in for
  // F(k) where F(k) is below 0.01.
  std::array<double, kMaxLayers + 1> liquefiedF{};
  // Set once a layer was found below a rock-like layer; never cleared in a run.
  std::array<bool, kMaxLayers + 1> NoEquivDepth{};
};

struct AnalysisModel {
  RunInfo run;
  Options options;
  Pile pile;
  Soil soil;
  Loads loads;
  Tables tables;
  UnitLabels labels;
  RunState state;

  // Soil constant 0.5 used by the soft clay, cemented silt and layered-soil routines.
  double soilConstantHalf = 0.0;
  // Per-layer value of the layered-soil correction; -10000 marks "not computed".
  std::array<double, kMaxLayers + 1> layerCorrection{};
  LayeredSoilState layering;

  // Node grid of the finite-difference pile model and the state of its solution.
  PileModel pileModel;

  // Pile-head values and maxima of every reported load case.
  CaseResults results;

  // Moment-curvature tables of the pile sections (section analysis).
  MomentCurvatureTables momentCurvature;

  // Factored loads of the LRFD combinations (LRFD analysis only).
  LrfdResults lrfd;
};

// Sets the initial state of a run: error and warning state cleared, constants
// and defaults in place. Input groups keep what they held until read again.
void initializeModel(AnalysisModel& model, std::string_view version);

// Fills the unit labels for the unit system; a code other than 1 to 3 leaves them.
void setUnitLabels(AnalysisModel& model);

// Converts US customary input (feet, pcf, psf) to inches and pounds, once per
// run; SI and general input are never converted.
void convertUsCustomary(AnalysisModel& model);

}  // namespace quarn
