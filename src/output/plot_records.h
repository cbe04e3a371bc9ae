// Records of the plot file (channel 7): one fixed-layout line each, numbers in
// fixed columns followed by a comment that starts with "Line n" and names the
// record, so that a reader can find a record by its comment and read its
// numbers by column. One writer per record; the callers own the values.
#pragma once

#include "engine/channel.h"

namespace quarn::output {

// Kind of a pile section, for the moment-curvature records (Lines 3 to 5).
enum class PlotSectionKind {
  kNonlinear,       // sliced moment-curvature analysis
  kElastic,         // linear EI
  kElasticPlastic,  // EI up to the plastic moment
  kUserDefinedEI,   // moment versus EI points of the input
};

// Where the axial thrusts of nonlinear sections come from (Line 3 text).
enum class ThrustSource {
  kLoadCases,  // thrusts of the pile-head load cases
  kEiOnly,     // input thrust list of a bending-stiffness-only run
  kLrfd,       // factored thrusts of the LRFD combinations
};

// Line 1: analysis type, unit system, length-study indicator, stiffness-matrix option.
void writePlotLine1(engine::Channel& plot, int analysisType, int unitSystem, int lengthStudy,
                    bool computeKmatrix);

// Line 2: number of pile sections.
void writePlotLine2(engine::Channel& plot, int sections);

// Line 3: number of axial thrusts of the moment-curvature tables. The source
// only changes the text of nonlinear sections.
void writePlotLine3(engine::Channel& plot, int thrusts, PlotSectionKind kind,
                    ThrustSource source = ThrustSource::kLoadCases);

// Line 4: number of points of one moment-curvature curve, its axial thrust and
// the nominal moment capacity.
void writePlotLine4(engine::Channel& plot, int points, double axialThrust, double nominalMoment,
                    PlotSectionKind kind, int unitSystem);

// Line 5: one point of a moment-curvature curve: moment, EI, curvature, then
// the section number, the thrust index and the point number.
void writePlotLine5(engine::Channel& plot, double moment, double bendingStiffness, double curvature,
                    int section, int thrustIndex, int point, PlotSectionKind kind, int unitSystem);

// Line 6: number of p-y curves that follow (0 when p-y output is off).
void writePlotLine6(engine::Channel& plot, int curves);

// Line 7: depth of a p-y curve below the pile head, number of points, curve
// number; the comment names the criterion. Criterion codes without p-y curves
// (frozen soil, unused codes) are a programming error (invalid_argument).
void writePlotLine7(engine::Channel& plot, double depth, int points, int criterionCode,
                    int unitSystem, int curveNumber);

// Line 7 of an output depth above the ground surface: the depth and 0 points.
void writePlotLine7RejectedDepth(engine::Channel& plot, double depth);

// Line 8: one point (y, p) of a p-y curve and the point number. Cyclic loading
// changes the comment of stiff clay with free water only.
void writePlotLine8(engine::Channel& plot, double y, double p, int point, int criterionCode,
                    int unitSystem, bool cyclicLoading);

// Line 9: number of load cases, number of nodes, unit system code.
void writePlotLine9(engine::Channel& plot, int loadCases, int nodes, int unitSystem);

// Line 10: results at one node: depth, deflection, moment, shear, soil
// reaction, bending stiffness and the node number.
void writePlotLine10(engine::Channel& plot, double depth, double deflection, double moment,
                     double shear, double soilReaction, double bendingStiffness, int node);

// Line 11 of a case with a pile-length study: number of points that follow.
void writePlotLine11(engine::Channel& plot, int points, int loadCase);

// Line 11 of a case without a pile-length study.
void writePlotLine11WithoutStudy(engine::Channel& plot, int loadCase, bool lrfd);

// Line 12: one point of the pile-length study.
void writePlotLine12(engine::Channel& plot, double pileLength, double headDeflection,
                     double maxMoment, double maxShear, int unitSystem);

// Line 13: summary of one load case.
void writePlotLine13(engine::Channel& plot, double headShear, double headDeflection,
                     double maxMoment, double maxShear, double headRotation, int unitSystem);

// Line 14: load levels and pile-head stiffness terms of one stiffness step.
void writePlotLine14(engine::Channel& plot, double shearLoad, double momentLoad, double k22,
                     double k23, double k32, double k33, double headDeflection,
                     double headRotation);

}  // namespace quarn::output
