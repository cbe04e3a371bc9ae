// Options of the analysis, as read from the OPTIONS section: one field per
// line of the section, in reading order.
#pragma once

namespace quarn {

inline constexpr int kUnitsUsCustomary = 1;  // input in feet, pcf, psf; worked in inches and pounds
inline constexpr int kUnitsSi = 2;           // metres, kilonewtons, kilopascals
inline constexpr int kUnitsGeneral = 3;      // any consistent set, labels are dimension symbols

inline constexpr int kAnalysisEiOnly = 2;    // bending stiffness of the sections only
inline constexpr int kAnalysisFull = 3;      // sections and lateral response

struct Options {
  int IUNITS = 0;                  // unit system, kUnits...
  bool useLrfd = false;            // LRFD load groups and combinations instead of load cases
  bool computeKmatrix = false;     // pile-head stiffness matrix
  bool useTipShear = false;        // shear resistance curve at the pile tip
  bool useSoilMovement = false;    // lateral soil movement versus depth
  bool usePyModifiers = false;     // p-y multipliers versus depth
  int ICOM = 0;                    // analysis type, kAnalysisEiOnly or kAnalysisFull
  bool cyclicLoading = false;      // cyclic (true) or static p-y criteria
  double numberOfCycles = 0.0;     // read for static loading too
  int maxIterations = 0;           // 30 to 1000
  double maxAllowableDeflection = 0.0;  // pile-head deflection limit (length units)
  double convergenceTolerance = 0.0;    // on the change of nodal deflections (length units)
  int numberOfIncrements = 0;      // kMinIncrements to kMaxIncrements
  bool printSummaryOnly = false;   // only the summary tables in the report
  int printIncrement = 0;          // nodal spacing of the printed output points
  bool printPyCurves = false;      // p-y curves printed at given depths
  int pyOutputSwitch = 0;          // 1 when p-y curves are printed, 0 otherwise
  bool computeInteraction = false; // interaction diagrams for AXIAL THRUST LOADS
  int interactionCode = 0;         // 1 AASHTO, 2 ACI 318, 3 Eurocode 2
  int KYL = 0;  // pile-length study indicator of the older input formats; 0 here
};

}  // namespace quarn
