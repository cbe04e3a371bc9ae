#include "report/head_stiffness_table.h"

#include <cmath>

#include "output/format.h"
#include "output/plot_records.h"
#include "output/report_writers.h"

namespace quarn::report {

namespace {

using analysis::HeadStiffness;
using analysis::HeadStiffnessTerms;
using analysis::kStiffnessLevels;
using analysis::StiffnessRun;
using engine::Channel;

constexpr const char* kRule =
    "  ------------  --------------  --------------  --------------  --------------";

void writeHeading(Channel& out) {
  output::write(out,
                "(/ / 80(\"-\") / 18X \"Computed Pile-head Stiffness Matrix Values\" / "
                "20X \"K22, K23, K32, K33 for Pile  Head\" / 80(\"-\") /)",
                {});
}

void writeRow(Channel& out, double first, const StiffnessRun& run, double k1, double k2) {
  output::Write_Report_Number(out, first, 14);
  for (double v : {run.headShear, run.headMoment, k1, k2}) {
    output::Write_Report_Number(out, std::fabs(v), 16);
  }
  output::End_Report_Line(out);
}

// Shear runs: the head deflection keeps its sign, everything else is shown
// as a magnitude.
void writeShearTable(Channel& out, const HeadStiffness& s, bool us) {
  out.line("    Pile-Top       Pile-Top        Pile-Top                                   ");
  out.line("   Deflection   Shear Reaction   Moment React.       K22              K32     ");
  out.line(us ? "     inches          lbs            in-lbs          lb/in.         in-lb/in.  "
              : "     meters           kN             kN-m            kN/m            kN-m/m   ");
  out.line(kRule);
  for (int i = 1; i <= kStiffnessLevels; ++i) {
    const StiffnessRun& run = s.run[static_cast<std::size_t>(i)];
    const HeadStiffnessTerms& t = s.term[static_cast<std::size_t>(i)];
    writeRow(out, run.headDeflection, run, t.K22, t.K32);
  }
  output::End_Report_Line(out);
}

// Moment runs: every column a magnitude.
void writeMomentTable(Channel& out, const HeadStiffness& s, bool us) {
  if (us) {
    out.line("    Pile-Top       Pile-Top        Pile-Top                                  ");
    out.line("    Rotation     Shear React.    Moment React.       K23              K33    ");
    out.line("     radians          lbs            in-lbs         lb/rad         in-lb/rad ");
  } else {
    out.line("    Pile-Top       Pile-Top        Pile-Top                                   ");
    out.line("    Rotation     Shear React.    Moment React.       K23              K33     ");
    out.line("     radians          kN             kN-m           kN/rad          kN-m/rad  ");
  }
  out.line(kRule);
  for (int i = 1; i <= kStiffnessLevels; ++i) {
    const StiffnessRun& run = s.run[static_cast<std::size_t>(i + kStiffnessLevels)];
    const HeadStiffnessTerms& t = s.term[static_cast<std::size_t>(i)];
    writeRow(out, std::fabs(run.headSlope), run, t.K23, t.K33);
  }
}

// Line 14: the load levels and the terms with their signs, the
// displacements as magnitudes.
void writePlotRecords(Channel& plot, const HeadStiffness& s) {
  for (int i = 1; i <= kStiffnessLevels; ++i) {
    const auto at = static_cast<std::size_t>(i);
    const HeadStiffnessTerms& t = s.term[at];
    output::writePlotLine14(plot, s.levels.V[at], s.levels.M[at], t.K22, t.K23, t.K32, t.K33,
                            std::fabs(s.run[at].headDeflection),
                            std::fabs(s.run[at + kStiffnessLevels].headSlope));
  }
}

// General units with a zero head value in load case 1: the terms would be
// zero loads over zero displacements. The block stands where the table
// would; the warning summary repeats it under its number.
void writeNoLoadLevels(Channel& out, const analysis::StiffnessLoadLevels& levels) {
  out.emptyLines(2);
  out.line("**** Warning - Pile-head Stiffness Matrix Not Computed ****");
  out.endLine();
  out.line("The pile-head stiffness values K22, K23, K32 and K33 are computed for ten load");
  out.line("levels that are fractions of the two pile-head values of load case 1: the first");
  out.line("value (shear) for K22 and K32, the second value (moment) for K23 and K33.");
  if (levels.shear == 0.0 && levels.moment == 0.0) {
    out.line("Both pile-head values of load case 1 are zero.");
  } else if (levels.shear == 0.0) {
    out.line("The first pile-head value of load case 1 is zero.");
  } else {
    out.line("The second pile-head value of load case 1 is zero.");
  }
  out.line("In general units no default load level replaces a zero value, so no stiffness");
  out.line("values were computed.");
  out.endLine();
  out.line("Solution: Enter a nonzero shear force and a nonzero moment for load case 1, of the");
  out.line("          magnitude of the service loads of the pile head.");
  out.endLine();
}

}  // namespace

void Write_Head_Stiffness(engine::RunContext& ctx, const HeadStiffness& stiffness) {
  switch (stiffness.status) {
    case analysis::HeadStiffnessStatus::kAbandoned:
      return;
    case analysis::HeadStiffnessStatus::kNoLoadLevels:
      writeNoLoadLevels(ctx.report, stiffness.levels);
      return;
    case analysis::HeadStiffnessStatus::kComputed:
      break;
  }
  Channel& out = ctx.report;
  // General units take the SI texts.
  const bool us = ctx.model.options.IUNITS == kUnitsUsCustomary;
  writeHeading(out);
  writePlotRecords(ctx.plot, stiffness);
  writeShearTable(out, stiffness, us);
  writeMomentTable(out, stiffness, us);
  output::write(out,
                "(/ \"  K22 = abs(Shear Reaction/Top y)\" / "
                "\"  K23 = abs(Shear Reaction/Top Rotation)\" / "
                "\"  K32 = abs(Moment Reaction/Top y)\" / "
                "\"  K33 = abs(Moment Reaction/Top Rotation)\" / /)",
                {});
}

}  // namespace quarn::report
