#include "report/case_results.h"

#include <cmath>
#include <string>

#include "engine/messages.h"
#include "output/format.h"
#include "output/plot_records.h"
#include "output/report_writers.h"
#include "report/equilibrium_verdict.h"
#include "report/printed_value.h"

namespace quarn::report {

namespace {

using analysis::CaseResponse;
using analysis::NodeResult;

bool isLinearUnits(int units) {
  return units == kUnitsUsCustomary || units == kUnitsSi;
}

void writeHeading(engine::Channel& out, int L) {
  output::write(out,
                "(/ / 80(\"-\") / 17X \"Computed Values of Pile Loading and Deflection\" / "
                "19X \"for Lateral Loading for Load Case Number \" I0 / 80(\"-\") /)",
                {L});
}

// An LRFD combination is named by its number and its name (as a 256-column
// field) in place of the head conditions.
void writeLrfdHeading(engine::Channel& out, int L, const std::string& name) {
  output::write(out,
                "(/ / 80(\"-\") / 17X \"Computed Values of Pile Loading and Deflection\" / "
                "17X \"for Lateral Loading for LRFD Load Case Number \" I0 / 80(\"-\") /)",
                {L});
  output::write(out, "(/ \"Load Case No. \" I0 \":  \" A256 2/)", {L, name});
}

// The pile-head conditions of the case as entered, in the words of its load type.
void writeHeadConditions(engine::Channel& out, const PileHeadLoad& load, bool si) {
  const HeadLoadTypeText* text = headLoadTypeText(load.loadType);
  QUARN_ASSERT(text != nullptr, "pile-head load type outside 1 to 5");
  out.line(text->conditions);
  const char* force = si ? " kN" : " lbs";
  const char* moment = si ? " kN-m" : " in-lbs";
  switch (load.loadType) {
    case HeadLoadType::kShearMoment:
      out.endLine();
      output::write(out, "(\"Shear force at pile head\" T56 \"= \" F15.3 A)",
                    {load.condition1, force});
      output::write(out, "(\"Applied moment at pile head        \" T56 \"= \" F15.3 A)",
                    {load.condition2, moment});
      output::write(out, "(\"Axial thrust load on pile head     \" T56 \"= \" F15.3 A)",
                    {load.axialThrust, force});
      out.endLine();
      break;
    case HeadLoadType::kShearSlope:
      out.endLine();
      output::write(out, "(\"Shear force at pile head\" T56 \"= \" F15.3 A)",
                    {load.condition1, force});
      output::write(out, "(\"Rotation of pile head   \" T56 \"= \" ES15.3 \" radians\")",
                    {load.condition2});
      output::write(out, "(\"Axial load at pile head \" T56 \"= \" F15.3 A)",
                    {load.axialThrust, force});
      out.endLine();
      break;
    case HeadLoadType::kShearRotationalStiffness:
      output::write(out,
                    "(\"Shear force at pile head\" T56 \"= \" F15.3 1X A / "
                    "\"Rotational stiffness    \" T56 \"= \" F15.3 1X A / "
                    "\"Axial load at pile head \" T56 \"= \" F15.3 1X A /)",
                    {load.condition1, si ? "kN" : "lb", load.condition2,
                     si ? "kN-m/rad" : "in-lb/rad", load.axialThrust, si ? "kN" : "lbs"});
      break;
    case HeadLoadType::kDeflectionMoment:
      output::write(out,
                    "(\"Displacement of pile head\" T56 \"= \" F15.6 1X A / "
                    "\"Moment at pile head      \" T56 \"= \" F15.3 1X A / "
                    "\"Axial load at pile head  \" T56 \"= \" F15.3 1X A /)",
                    {load.condition1, si ? "meters" : "inches", load.condition2,
                     si ? "kN-m" : "in-lbs", load.axialThrust, si ? "kN" : "lbs"});
      break;
    case HeadLoadType::kDeflectionSlope:
      output::write(out,
                    "(\"Displacement of pile head\" T56 \"= \" F15.6 1X A / "
                    "\"Rotation of pile head    \" T56 \"= \" ES15.3 1X \"radians\" / "
                    "\"Axial load on pile head  \" T56 \"= \" F15.3 1X A /)",
                    {load.condition1, si ? "meters" : "inches", load.condition2, load.axialThrust,
                     si ? "kN" : "lbs"});
      break;
  }
}

// The fixed-head note of load type 2 is written in every unit system.
void writeSlopeNote(engine::Channel& out, const PileHeadLoad& load) {
  if (load.loadType != HeadLoadType::kShearSlope) return;
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

void writeTableRow(engine::Channel& out, const NodeResult& node) {
  output::Write_Report_Number(out, node.x, 10);
  for (double v : {printedValue(node.y), printedValue(node.M), printedValue(node.V), node.S,
                   node.stress, node.EI, printedValue(node.p), node.spring, node.w}) {
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
    output::write(
        out, "(/ \"* The above values of total stress are combined axial and bending stress. \" /)",
        {});
  } else {
    output::write(
        out,
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

void writeOutputSummary(engine::Channel& out, const CaseResponse& r, bool si) {
  output::write(out, "(/ \"Output Summary for Load Case No. \" I0 \":\" /)", {r.loadCase});
  writeSummaryNumber(out, "Pile-head deflection             = ", printedValue(r.headDeflection()),
                     si ? " meters" : " inches");
  writeSummaryNumber(out, "Computed slope at pile head      = ", r.headSlope, " radians");
  writeSummaryNumber(out, "Maximum bending moment           = ", r.maxMoment,
                     si ? " kN-m" : " inch-lbs");
  writeSummaryNumber(out, "Maximum shear force              = ", r.maxShear, si ? " kN" : " lbs");
  const char* below = si ? " meters below pile head" : " inches below pile head";
  writeSummaryNumber(out, "Depth of maximum bending moment  = ", r.maxMomentX, below);
  writeSummaryNumber(out, "Depth of maximum shear force     = ", r.maxShearX, below);
  writeSummaryInteger(out, "Number of iterations             = ", r.outcome.iterations);
  writeSummaryInteger(out, "Number of zero deflection points = ", r.zeroDeflectionPoints);
  out.endLine();
}

}  // namespace

void Write_Case_Results(engine::RunContext& ctx, const CaseResponse& r) {
  const AnalysisModel& model = ctx.model;
  engine::Channel& out = ctx.report;
  const Options& options = model.options;
  const bool full = !options.printSummaryOnly;
  const bool si = options.IUNITS == kUnitsSi;
  const int L = r.loadCase;
  QUARN_ASSERT(L >= 1 && L <= kMaxLoadCases, "load case number outside 1 to 100");
  const bool lrfd = options.useLrfd;

  if (full) {
    if (lrfd) {
      writeLrfdHeading(out, L, model.loads.lrfdCombinations[static_cast<std::size_t>(L)].name);
    } else {
      writeHeading(out, L);
    }
  }
  // The count of Line 9 is that of the cases the file holds: the
  // combinations of an LRFD analysis.
  if (L == 1) {
    const int cases = lrfd ? model.loads.numberOfLrfdCombinations : model.loads.numberOfLoadCases;
    output::writePlotLine9(ctx.plot, cases, r.N, options.IUNITS);
  }
  if (!lrfd) {
    const PileHeadLoad& load = model.loads.headLoads[static_cast<std::size_t>(L)];
    if (full && isLinearUnits(options.IUNITS)) writeHeadConditions(out, load, si);
    if (full) writeSlopeNote(out, load);
  }

  const bool table = full && options.ICOM >= kAnalysisFull;
  if (table && isLinearUnits(options.IUNITS)) writeTableHeader(out, si);
  const int printStep = options.printIncrement > 0 ? options.printIncrement : 1;
  for (int i = 1; i <= r.N; ++i) {
    const NodeResult& node = r.nodes[static_cast<std::size_t>(i)];
    output::writePlotLine10(ctx.plot, node.x, printedValue(node.y), printedValue(node.M),
                            printedValue(node.V), printedValue(node.p), node.EI, i);
    if (table && (i - 1) % printStep == 0) writeTableRow(out, node);
  }
  if (full && options.ICOM == kAnalysisFull) writeStressNote(out, model.pile);
  writeEquilibriumVerdict(ctx, r.equilibrium);

  if (full && isLinearUnits(options.IUNITS)) writeOutputSummary(out, r, si);
}

}  // namespace quarn::report
