// Options of the analysis, as read from the OPTIONS section.
#pragma once

namespace quarn {

inline constexpr int kUnitsUsCustomary = 1;  // input in feet, pcf, psf; worked in inches and pounds
inline constexpr int kUnitsSi = 2;           // metres, kilonewtons, kilopascals
inline constexpr int kUnitsGeneral = 3;      // any consistent set, labels are dimension symbols

inline constexpr int kAnalysisEiOnly = 2;    // bending stiffness of the sections only
inline constexpr int kAnalysisFull = 3;      // sections and lateral response

struct Options {
  int IUNITS = 0;
  int ICOM = 0;
  int KYL = 0;  // pile-length study indicator of the older input formats; 0 here
  bool useLrfd = false;
  bool computeKmatrix = false;
  bool useTipShear = false;
  bool useSoilMovement = false;
  bool usePyModifiers = false;
  bool cyclicLoading = false;
  double numberOfCycles = 0.0;
  int maxIterations = 0;
  double maxAllowableDeflection = 0.0;
  double convergenceTolerance = 0.0;
  int numberOfIncrements = 0;
  bool printSummaryOnly = false;
  int printIncrement = 0;
  bool printPyCurves = false;
  int pyOutputSwitch = 0;
  bool computeInteraction = false;
  int interactionCode = 0;  // 1 AASHTO, 2 ACI 318, 3 Eurocode 2
};

}  // namespace quarn
