#include "output/plot_records.h"

#include <array>
#include <string>
#include <string_view>

#include "engine/messages.h"
#include "engine/model_options.h"
#include "output/format.h"

namespace quarn::output {

namespace {

bool usCustomary(int unitSystem) {
  return unitSystem == kUnitsUsCustomary;
}

// ----- moment-curvature records (Lines 3 to 5)

std::string_view line3Text(PlotSectionKind kind, ThrustSource source) {
  switch (kind) {
    case PlotSectionKind::kNonlinear:
      switch (source) {
        case ThrustSource::kEiOnly:
          return "Line 3 : Total number of axial thrusts for EI-only computations";
        case ThrustSource::kLrfd:
          return "Line 3 : Total number of axial thrusts for LRFD";
        case ThrustSource::kLoadCases:
          break;
      }
      return "Line 3 : Total number of axial thrusts";
    case PlotSectionKind::kElastic:
      return "Line 3 : Total number of axial thrusts for elastic section";
    case PlotSectionKind::kElasticPlastic:
      return "Line 3 : Total number of axial thrusts for elastic-plastic section";
    case PlotSectionKind::kUserDefinedEI:
      return "Line 3 : Total number of axial thrusts for input M-EI section";
  }
  engine::failInvariant("unknown section kind");
}

// Texts by section kind: US customary units, then SI and general units.
struct UnitTexts {
  std::string_view us;
  std::string_view other;
};

UnitTexts line4Texts(PlotSectionKind kind) {
  switch (kind) {
    case PlotSectionKind::kNonlinear:
      return {"Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips)",
              "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment Cap. (kN-m)"};
    case PlotSectionKind::kElastic:
      return {
          "Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. "
          "(in-kips) for linear EI pile at top of section",
          "Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kN) , Nom. Moment Cap. "
          "(kN-m) for linear EI pile at top of section"};
    case PlotSectionKind::kElasticPlastic:
      return {
          "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kip) "
          "for elastic-plastic EI at top of section",
          "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment Cap. (kN-m) "
          "for elastic-plastic EI at top of section"};
    case PlotSectionKind::kUserDefinedEI:
      return {
          "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. "
          "(in-kips) for input M-EI pile",
          "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment Cap. (kN-m) "
          "for input M-EI pile"};
  }
  engine::failInvariant("unknown section kind");
}

UnitTexts line5Texts(PlotSectionKind kind) {
  switch (kind) {
    case PlotSectionKind::kNonlinear:
      return {"Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=",
              "Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#="};
    case PlotSectionKind::kElastic:
      return {"Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=",
              "Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#="};
    case PlotSectionKind::kElasticPlastic:
      return {"Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=",
              "Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#="};
    case PlotSectionKind::kUserDefinedEI:
      return {"Line 5 : Moment, EI, Curvature for Sect#=",
              "Line 5 : Moment, EI, Curvature for Sect#="};
  }
  engine::failInvariant("unknown section kind");
}

// ----- p-y curve records (Lines 7 and 8)

// The comments of one criterion's p-y curve records. Line 7 and Line 8 texts
// may differ between US customary and other units, and Line 8 between static
// and cyclic loading. Liquefied sand and user-input curves write their point
// number in two digits 20 columns after the numbers; the others in minimal
// width 50 columns after them.
struct PyCurvePlotTexts {
  int criterionCode;
  std::string_view line7Us;
  std::string_view line7Other;
  std::string_view line8StaticUs;
  std::string_view line8CyclicUs;
  std::string_view line8StaticOther;
  std::string_view line8CyclicOther;
  bool shortLine8;
};

constexpr std::array<PyCurvePlotTexts, 16> kPyCurvePlotTexts = {{
    {1, "Line 7:  p-y curve depth in soft clay, no. p-y points on curve no. ",
     "Line 7:  p-y curve depth in soft clay, no. p-y points on curve no. ",
     "): y, p, for soft clay", "): y, p, for soft clay", "): y, p, for soft clay",
     "): y, p, for soft clay", false},
    {2, "Line 7:  p-y curve depth in stiff clay with free water, no. p-y points on curve no. ",
     "Line 7:  p-y curve depth in stiff clay with free water, no. p-y points on curve no. ",
     "): y, p, for static stiff clay with free water",
     "): y, p, for cyclic stiff clay with free water",
     "): y, p, for static stiff clay with free water",
     "): y, p, for cyclic stiff clay with free water", false},
    {3, "Line 7:  p-y curve depth in stiff clay w/o free water, no. p-y points on curve no. ",
     "Line 7:  p-y curve depth in stiff clay w/o free water, no. p-y points on curve no. ",
     "): y, p, for stiff clay w/o water", "): y, p, for stiff clay w/o water",
     "): y, p, for stiff clay w/o water", "): y, p, for stiff clay w/o water", false},
    {4,
     "Line 7:  p-y curve depth in stiff clay w/o free water with k, no. p-y points on curve no. ",
     "Line 7:  p-y curve depth in stiff clay w/o free water with k, no. p-y points on curve no. ",
     "): y, p, for stiff clay with k", "): y, p, for stiff clay with k",
     "): y, p, for stiff clay with k", "): y, p, for stiff clay with k", false},
    {5, "Line 7:  p-y curve depth in sand, no. p-y points on curve no. ",
     "Line 7:  p-y curve depth in sand, no. p-y points on curve no. ", "): y, p, for sand",
     "): y, p, for sand", "): y, p, for sand", "): y, p, for sand", false},
    {6, "Line 7:  p-y curve depth in API sand, no. p-y points on curve no. ",
     "Line 7:  p-y curve depth in API sand, no. p-y points on curve no. ", "): y, p, for API sand",
     "): y, p, for API sand", "): y, p, for API sand", "): y, p, for API sand", false},
    {7, "Line 7:  p-y curve depth in liquefied sand, no. p-y points on curve no. ",
     "Line 7:  p-y curve depth in liquefied sand, no. p-y points on curve no. ",
     "): y, p, for liquefied sand", "): y, p, for liquefied sand", "): y, p, for liquefied sand",
     "): y, p, for liquefied sand", true},
    {8, "Line 7:  p-y curve depth in weak rock, no. p-y points on curve no. ",
     "Line 7:  p-y curve depth in weak rock, no. p-y points on curve no. ",
     "): y, p, for weak rock", "): y, p, for weak rock", "): y, p, for weak rock",
     "): y, p, for weak rock", false},
    {9, "Line 7:  p-y curve depth in vuggy limestone, no. p-y points on curve no. ",
     "Line 7:  p-y curve depth in vuggy limestone, no. p-y points on curve no. ",
     "): y, p, for vuggy limestone rock", "): y, p, for vuggy limestone rock",
     "): y, p, for vuggy limestone rock", "): y, p, for vuggy limestone rock", false},
    {10, "Line 7:  p-y curve depth in Piedmont residual soil, no. p-y points on curve no. ",
     "Line 7:  p-y curve depth in Piedmont residual soil, no. p-y points on curve no. ",
     "): y, p, for Piedmont residual soil", "): y, p, for Piedmont residual soil",
     "): y, p, for Piedmont residual soil", "): y, p, for Piedmont residual soil", false},
    {11, "Line 7:  p-y curve depth in cemented silt (in), no. p-y points on curve no. ",
     "Line 7:  p-y curve depth in cemented silt (m), no. p-y points on curve no. ",
     "): y, p, for cemented c-phi", "): y, p, for cemented c-phi", "): y, p, for cemented c-phi",
     "): y, p, for cemented c-phi", false},
    {12, "Line 7:  p-y curve depth in Loess, no. p-y points on curve no. ",
     "Line 7:  p-y curve depth in Loess, no. p-y points on curve no. ", "): y, p, for Loess",
     "): y, p, for Loess", "): y, p, for Loess", "): y, p, for Loess", false},
    {13, "Line 7:  p-y curve depth in elastic subgrade soil, no. p-y points on curve no. ",
     "Line 7:  p-y curve depth in elastic subgrade soil, no. p-y points on curve no. ",
     "): y, p, for elastic subgrade", "): y, p, for elastic subgrade",
     "): y, p, for elastic subgrade", "): y, p, for elastic subgrade", false},
    {14, "Line 7:  p-y curve depth in user-input p-y curve, no. p-y points on curve no. ",
     "Line 7:  p-y curve depth in user-input p-y curve, no. p-y points on curve no. ",
     "): y, p, for user-input p-y curve", "): y, p, for user-input p-y curve",
     "): y, p, for user-input p-y curve", "): y, p, for user-input p-y curve", true},
    {15, "Line 7:  p-y curve depth in soft clay with J, no. points on p-y curve no. ",
     "Line 7:  p-y curve depth in soft clay with J, no. points on p-y curve no. ",
     "): y, p, for API soft clay", "): y, p, for API soft clay", "): y, p, for API soft clay",
     "): y, p, for API soft clay", false},
    {16, "Line 7:  p-y curve depth in massive rock, no. p-y points on curve no. ",
     "Line 7:  p-y curve depth in massive rock, no. p-y points on curve no. ",
     "): y (in), p (lb/in), for Massive Rock", "): y (in), p (lb/in), for Massive Rock",
     "): y (m), p (kN/m), for Massive Rock", "): y (m), p (kN/m), for Massive Rock", false},
}};

const PyCurvePlotTexts& pyCurvePlotTexts(int criterionCode) {
  for (const PyCurvePlotTexts& texts : kPyCurvePlotTexts) {
    if (texts.criterionCode == criterionCode) return texts;
  }
  engine::failInvariant("no p-y curve plot records for criterion code " +
                              std::to_string(criterionCode));
}

}  // namespace

void writePlotLine1(engine::Channel& plot, int analysisType, int unitSystem, int lengthStudy,
                    bool computeKmatrix) {
  write(plot, "(4I5, 60X, \"Line 1 : ICOM, IUNITS, KYL, ib_ComputeKmatrix_1T0F\")",
        {analysisType, unitSystem, lengthStudy, computeKmatrix ? 1 : 0});
}

void writePlotLine2(engine::Channel& plot, int sections) {
  write(plot, "(I5, 75X, \"Line 2 : Total number of sections\")", {sections});
}

void writePlotLine3(engine::Channel& plot, int thrusts, PlotSectionKind kind, ThrustSource source) {
  write(plot, "(I5, 75X, A)", {thrusts, line3Text(kind, source)});
}

void writePlotLine4(engine::Channel& plot, int points, double axialThrust, double nominalMoment,
                    PlotSectionKind kind, int unitSystem) {
  const UnitTexts texts = line4Texts(kind);
  write(plot, "(I5, 10X, 2ES15.7, T81, A)",
        {points, axialThrust, nominalMoment, usCustomary(unitSystem) ? texts.us : texts.other});
}

void writePlotLine5(engine::Channel& plot, double moment, double bendingStiffness, double curvature,
                    int section, int thrustIndex, int point, PlotSectionKind kind, int unitSystem) {
  const UnitTexts texts = line5Texts(kind);
  write(plot, "(3ES15.7, T81, A, I0, \", AxLd#=\", I0, \", CurvPnt#=\", I0)",
        {moment, bendingStiffness, curvature, usCustomary(unitSystem) ? texts.us : texts.other,
         section, thrustIndex, point});
}

void writePlotLine6(engine::Channel& plot, int curves) {
  // With no curves this is the record "    0" of a run without p-y output.
  write(plot, "(I5, 75X, \"Line 6 : number of output p-y curves\")", {curves});
}

void writePlotLine7(engine::Channel& plot, double depth, int points, int criterionCode,
                    int unitSystem, int curveNumber) {
  const PyCurvePlotTexts& texts = pyCurvePlotTexts(criterionCode);
  write(plot, "(ES15.7, I5, 60X, A, I0)",
        {depth, points, usCustomary(unitSystem) ? texts.line7Us : texts.line7Other, curveNumber});
}

void writePlotLine7RejectedDepth(engine::Channel& plot, double depth) {
  write(plot, "(ES15.7, I5, 60X, \"Line 7:  p-y curve depth, no. p-y points\")", {depth, 0});
}

void writePlotLine8(engine::Channel& plot, double y, double p, int point, int criterionCode,
                    int unitSystem, bool cyclicLoading) {
  const PyCurvePlotTexts& texts = pyCurvePlotTexts(criterionCode);
  std::string_view comment;
  if (usCustomary(unitSystem)) {
    comment = cyclicLoading ? texts.line8CyclicUs : texts.line8StaticUs;
  } else {
    comment = cyclicLoading ? texts.line8CyclicOther : texts.line8StaticOther;
  }
  if (texts.shortLine8) {
    write(plot, "(2ES15.7, 20X, \"Line 8(\", I2, A)", {y, p, point, comment});
  } else {
    write(plot, "(2ES15.7, 50X, \"Line 8(\", I0, A)", {y, p, point, comment});
  }
}

void writePlotLine9(engine::Channel& plot, int loadCases, int nodes, int unitSystem) {
  write(plot, "(3I5, 65X, \"Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI\")",
        {loadCases, nodes, unitSystem});
}

void writePlotLine10(engine::Channel& plot, double depth, double deflection, double moment,
                     double shear, double soilReaction, double bendingStiffness, int node) {
  write(plot, "(6ES15.7, T92, \"Line 10(\", I3, \"): nodal depth, y, M, V, p, EI\")",
        {depth, deflection, moment, shear, soilReaction, bendingStiffness, node});
}

void writePlotLine11(engine::Channel& plot, int points, int loadCase) {
  write(plot,
        "(I5, 75X, \"Line 11: Num. points on Ytop vs. pile length curve for load case \", I0)",
        {points, loadCase});
}

void writePlotLine11WithoutStudy(engine::Channel& plot, int loadCase, bool lrfd) {
  if (lrfd) {
    write(plot,
          "(\"    0\", 75X, \"Line 11: Num. points on Ytop vs. Length curve for LRFD load case \","
          " I0)",
          {loadCase});
  } else {
    write(plot,
          "(\"    0\", 75X, \"Line 11: Num. points on Ytop vs. Length curve for load case \", I0)",
          {loadCase});
  }
}

void writePlotLine12(engine::Channel& plot, double pileLength, double headDeflection,
                     double maxMoment, double maxShear, int unitSystem) {
  if (usCustomary(unitSystem)) {
    write(plot,
          "(4ES15.7, 20X, \"Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)\")",
          {pileLength, headDeflection, maxMoment, maxShear});
  } else {
    write(plot, "(4ES15.7, 20X, \"Line 12: pile length (m), Ytop (m), Mmax (kN-m), Vmax (kN)\")",
          {pileLength, headDeflection, maxMoment, maxShear});
  }
}

void writePlotLine13(engine::Channel& plot, double headShear, double headDeflection,
                     double maxMoment, double maxShear, double headRotation, int unitSystem) {
  if (usCustomary(unitSystem)) {
    write(plot,
          "(5ES15.7, T81, "
          "\"Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)\")",
          {headShear, headDeflection, maxMoment, maxShear, headRotation});
  } else {
    write(plot,
          "(5ES15.7, T81, \"Line 13: TopV(kN) TopY(m), Mmax(kN-m), Vmax(kN), Rotation(rad)\")",
          {headShear, headDeflection, maxMoment, maxShear, headRotation});
  }
}

void writePlotLine14(engine::Channel& plot, double shearLoad, double momentLoad, double k22,
                     double k23, double k32, double k33, double headDeflection,
                     double headRotation) {
  write(plot, "(8ES15.7, \"  Line 14: V, M, K22, K23, K32, K33, ytop, theta\")",
        {shearLoad, momentLoad, k22, k23, k32, k33, headDeflection, headRotation});
}

}  // namespace quarn::output
