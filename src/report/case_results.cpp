#include "report/case_results.h"

#include <cmath>
#include <string>

#include "analysis/equilibrium.h"
#include "analysis/node_response.h"
#include "output/format.h"
#include "output/plot_records.h"
#include "output/report_writers.h"

namespace quarn::report {

namespace {

constexpr double kPrintedZero = 1.0e-20;  // smaller magnitudes print as 0

double printable(double v) { return std::fabs(v) < kPrintedZero ? 0.0 : v; }

bool isLinearUnits(int units) { return units == kUnitsUsCustomary || units == kUnitsSi; }

void writeHeading(engine::Channel& out, int L) {
  output::write(out,
        "(/ / 80(\"-\") / 17X \"Computed Values of Pile Loading and Deflection\" / "
        "19X \"for Lateral Loading for Load Case Number \" I0 / 80(\"-\") /)",
        {L});
}

// The pile-head conditions of the case as entered, in the words of its load type.
void writeHeadConditions(engine::Channel& out, const PileHeadLoad& load, bool si) {
  const char* force = si ? " kN" : " lbs";
  const char* moment = si ? " kN-m" : " in-lbs";
  switch (load.loadType) {
    case 1:
      out.line("Pile-head conditions are Shear and Moment (Loading Type 1)");
      out.endLine();
      output::write(out, "(\"Shear force at pile head\" T56 \"= \" F15.3 A)", {load.condition1, force});
      output::write(out, "(\"Applied moment at pile head        \" T56 \"= \" F15.3 A)",
            {load.condition2, moment});
      output::write(out, "(\"Axial thrust load on pile head     \" T56 \"= \" F15.3 A)",
            {load.axialThrust, force});
      out.endLine();
      break;
    case 2:
      out.line("Pile-head conditions are Shear and Pile-head Rotation (Loading Type 2)");
      out.endLine();
      output::write(out, "(\"Shear force at pile head\" T56 \"= \" F15.3 A)", {load.condition1, force});
      output::write(out, "(\"Rotation of pile head   \" T56 \"= \" ES15.3 \" radians\")", {load.condition2});
      output::write(out, "(\"Axial load at pile head \" T56 \"= \" F15.3 A)", {load.axialThrust, force});
      out.endLine();
      break;
    case 3:
      output::write(out,
            "(\"Pile-head conditions are Shear and Rotational Stiffness (Loading Type 3)\" / "
            "\"Shear force at pile head\" T56 \"= \" F15.3 1X A / "
            "\"Rotational stiffness    \" T56 \"= \" F15.3 1X A / "
            "\"Axial load at pile head \" T56 \"= \" F15.3 1X A /)",
            {load.condition1, si ? "kN" : "lb", load.condition2, si ? "kN-m/rad" : "in-lb/rad",
             load.axialThrust, si ? "kN" : "lbs"});
      break;
    case 4:
      output::write(out,
            "(\"Pile-head conditions are Displacement and Moment (Loading Type 4)\" / "
            "\"Displacement of pile head\" T56 \"= \" F15.6 1X A / "
            "\"Moment at pile head      \" T56 \"= \" F15.3 1X A / "
            "\"Axial load at pile head  \" T56 \"= \" F15.3 1X A /)",
            {load.condition1, si ? "meters" : "inches", load.condition2, si ? "kN-m" : "in-lbs",
             load.axialThrust, si ? "kN" : "lbs"});
      break;
    case 5:
      output::write(out,
            "(\"Pile-head conditions are Displacement and Pile-head Rotation (Loading Type 5)\" / "
            "\"Displacement of pile head\" T56 \"= \" F15.6 1X A / "
            "\"Rotation of pile head    \" T56 \"= \" ES15.3 1X \"radians\" / "
            "\"Axial load on pile head  \" T56 \"= \" F15.3 1X A /)",
            {load.condition1, si ? "meters" : "inches", load.condition2, load.axialThrust,
             si ? "kN" : "lbs"});
      break;
    default:
      break;
  }
}

// The fixed-head note of load type 2 is written in every unit system.
void writeSlopeNote(engine::Channel& out, const PileHeadLoad& load) {
  if (load.loadType != 2) return;
  out.line(std::fabs(load.condition2) < 1.0e-10
               ? "(Zero slope for this load indicates fixed-head conditions)"
               : "(Non-zero slope for this load does indicates rotated pile-head condition)");
  out.endLine();
}

void writeTableHeader(engine::Channel& out, bool si) {
  out.line(
      "   Depth    Deflect.    Bending    Shear       Slope      Total    Bending   Soil Res.  "
      "Soil Spr.   Distrib. ");
  out.line(
      "     X         y        Moment     Force         S       Stress   Stiffness      p         "
      "Es*h    Lat. Load ");
  out.line(si ? "   meters    meters      kN-m       kN        radians     kPa*      kN-m^2     "
                "kN/m        kN/m      kN/m    "
              : "   inches    inches     in-lbs      lbs       radians     psi*      lb-in^2    "
                "lb/in      lb/inch    lb/inch ");
  out.line(
      "---------- ---------- ---------- ---------- ---------- ---------- ---------- ---------- "
      "---------- ----------");
}

void writeTableRow(engine::Channel& out, const PileNode& node, double y, double spring) {
  output::Write_Report_Number(out, node.x, 10);
  for (double v : {y, printable(node.M), printable(node.V), node.S, node.stress, node.EI,
                   printable(node.p), spring, node.w}) {
    output::Write_Report_Number(out, v, 11);
  }
  output::End_Report_Line(out);
}

void writeStressNote(engine::Channel& out, const Pile& pile) {
  bool allElastic = true;
  for (int j = 1; j <= pile.numberOfSections; ++j) {
    const SectionType type = pile.sections[j].type;
    if (type != SectionType::Elastic && type != SectionType::ElasticPlastic) allElastic = false;
  }
  if (allElastic) {
    output::write(out, "(/ \"* The above values of total stress are combined axial and bending stress. \" /)",
          {});
  } else {
    output::write(out,
          "(/ \"* This analysis makes computations of pile response using nonlinear "
          "moment-curvature relationships. \" / \"  The above values of total stress are "
          "computed for combined axial and bending stress in elastic \" / \"  sections and do "
          "not equal actual stresses in concrete and steel in the range of nonlinear bending. \" /)",
          {});
  }
}

void writeSummaryNumber(engine::Channel& out, const char* label, double v, const char* unit) {
  out.put(label);
  output::Write_Report_Number(out, v, 14);
  out.line(unit);
}

void writeSummaryInteger(engine::Channel& out, const char* label, int n) {
  int width = 14;
  out.put(label);
  output::Write_Report_Integer(out, n, width);
  output::End_Report_Line(out);
}

void writeOutputSummary(engine::Channel& out, int L, int k, const CaseResult& r, int zeros, bool si) {
  output::write(out, "(/ \"Output Summary for Load Case No. \" I0 \":\" /)", {L});
  writeSummaryNumber(out, "Pile-head deflection             = ", r.headDeflection,
                     si ? " meters" : " inches");
  writeSummaryNumber(out, "Computed slope at pile head      = ", r.headSlope, " radians");
  writeSummaryNumber(out, "Maximum bending moment           = ", r.maxMoment,
                     si ? " kN-m" : " inch-lbs");
  writeSummaryNumber(out, "Maximum shear force              = ", r.maxShear, si ? " kN" : " lbs");
  const char* below = si ? " meters below pile head" : " inches below pile head";
  writeSummaryNumber(out, "Depth of maximum bending moment  = ", r.maxMomentX, below);
  writeSummaryNumber(out, "Depth of maximum shear force     = ", r.maxShearX, below);
  writeSummaryInteger(out, "Number of iterations             = ", k);
  writeSummaryInteger(out, "Number of zero deflection points = ", zeros);
  out.endLine();
}

}  // namespace

int zeroDeflectionPoints(const PileModel& pm) {
  int changes = 0;
  for (int i = 1; i <= pm.N; ++i) {
    const double a = pm.y(i);
    const double b = pm.y(i + 1);
    if ((a > 0.0 && b < 0.0) || (a < 0.0 && b > 0.0)) ++changes;
  }
  return changes;
}

void Write_Case_Results(engine::RunContext& ctx, int L, int k) {
  AnalysisModel& model = ctx.model;
  PileModel& pm = model.pileModel;
  engine::Channel& out = ctx.report;
  const Options& options = model.options;
  const bool full = !options.printSummaryOnly;
  const bool si = options.IUNITS == kUnitsSi;
  const PileHeadLoad& load = model.loads.headLoads[L];

  if (full) writeHeading(out, L);
  if (L == 1) output::writePlotLine9(ctx.plot, model.loads.numberOfLoadCases, pm.N, options.IUNITS);
  if (full && isLinearUnits(options.IUNITS)) writeHeadConditions(out, load, si);
  if (full) writeSlopeNote(out, load);

  analysis::resetResponseMaxima(pm);
  analysis::EquilibriumCheck equilibrium;
  analysis::resetEquilibriumCheck(equilibrium);
  const bool table = full && options.ICOM >= kAnalysisFull;
  if (table && isLinearUnits(options.IUNITS)) writeTableHeader(out, si);

  CaseResult& result = model.results.cases[L];
  const int printStep = options.printIncrement > 0 ? options.printIncrement : 1;
  for (int i = 1; i <= pm.N; ++i) {
    analysis::Compute_Node_Response(model, i);
    const PileNode& node = pm.node[i];
    if (i >= 3) {
      analysis::Verify_Node_Equilibrium(ctx, equilibrium, i);
    } else {
      analysis::recordNodeMoment(equilibrium, node.M);
    }
    const double y = printable(pm.y(i));
    if (i == 1) {
      result.headDeflection = y;
      result.headSlope = pm.computedHeadSlope;
      result.headShear = printable(node.V);
      result.headMoment = printable(node.M);
    }
    output::writePlotLine10(ctx.plot, node.x, y, printable(node.M), printable(node.V), printable(node.p),
                    node.EI, i);
    if (table && (i - 1) % printStep == 0) {
      // The spring of the head and tip nodes acts over half an increment.
      const double tributary = (i == 1 || i == pm.N) ? pm.h / 2.0 : pm.h;
      writeTableRow(out, node, y, node.Es * tributary);
    }
  }
  if (full && options.ICOM == kAnalysisFull) writeStressNote(out, model.pile);
  if (pm.N + 1 > 2) analysis::Verify_Node_Equilibrium(ctx, equilibrium, pm.N + 1);

  result.maxMoment = pm.maxima.moment;
  result.maxMomentX = pm.maxima.momentX;
  result.maxShear = pm.maxima.shear;
  result.maxShearX = pm.maxima.shearX;
  result.iterations = k;
  if (L > model.results.casesReported) model.results.casesReported = L;

  if (full && isLinearUnits(options.IUNITS)) {
    writeOutputSummary(out, L, k, result, zeroDeflectionPoints(pm), si);
  }
}

}  // namespace quarn::report
