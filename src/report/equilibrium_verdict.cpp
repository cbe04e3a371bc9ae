#include "report/equilibrium_verdict.h"

#include <string>

#include "output/format.h"
#include "output/report_writers.h"

namespace quarn::report {

namespace {

using engine::Channel;

// The label without its trailing blanks.
std::string trimmed(const std::string& label) {
  const std::size_t end = label.find_last_not_of(' ');
  return end == std::string::npos ? std::string() : label.substr(0, end + 1);
}

// The lines of the warning that both files share, after the title.
void writeWarningText(Channel& out) {
  out.endLine();
  out.line("Force and moment imbalances may be too large for a good solution.");
  out.endLine();
  out.line("The cause of the imbalance may be due to extreme changes in magnitude");
  out.line("of nonlinear bending stiffness within three nodal points of the top of the pile");
  out.line("which may affect the finite difference computation of shear force.");
  out.endLine();
  out.line("Please examine curves and printed output for deflection, moment, shear force,");
  out.line("and number of iterations to determine if computed values are reasonable.");
  out.line("If the shear force shows large changes, increase the number of nodal points");
  out.line("(pile increments) and repeat the analysis.");
  out.endLine();
}

void writeImbalanceWarning(engine::RunContext& ctx, const analysis::EquilibriumResult& result) {
  const AnalysisModel& model = ctx.model;
  const bool us = model.options.IUNITS == kUnitsUsCustomary;
  const std::string force = trimmed(model.labels.force);
  const std::string moment = trimmed(model.labels.length) + "-" + force;

  Channel& out = ctx.report;
  out.emptyLines(2);
  out.line(us ? "**** Warning - POSSIBLE SOLUTION ERROR 5501 ****"
              : "**** Warning - Possible Solution Error 5501 ****");
  writeWarningText(out);
  out.put("Maximum internal moment imbalance for pile        = ");
  output::Write_Report_Number(out, result.Mmax, 12);
  output::write(out, "(1X A / \"Maximum internal lateral force imbalance for pile = \" $)",
                {moment});
  output::Write_Report_Number(out, result.Fmax, 12);
  output::write(out, "(1X A)", {force});

  Channel& msg = ctx.messages;
  msg.emptyLines(2);
  msg.line(us ? "**** Warning - POSSIBLE SOLUTION ERROR 550 ****"
              : "**** Warning - Possible Solution Error 550 ****");
  writeWarningText(msg);
  output::write(msg,
                "(\"Maximum internal moment imbalance for pile solution         = \" ES12.5 1X A "
                "\" at node \" I0 / "
                "\"Maximum internal lateral force imbalance for pile  solution = \" ES12.5 1X A "
                "\" at node \" I0)",
                {result.Mmax, moment, result.nodeM, result.Fmax, force, result.nodeF});
}

}  // namespace

void writeEquilibriumVerdict(engine::RunContext& ctx, const analysis::EquilibriumResult& result) {
  const Options& options = ctx.model.options;
  switch (result.verdict) {
    case analysis::EquilibriumVerdict::kBalanced:
      if (!options.printSummaryOnly && !options.computeKmatrix) {
        output::write(ctx.report,
                      "(/ \"Output Verification: Computed forces and moments are within "
                      "specified convergence limits.\" /)",
                      {});
      }
      break;
    case analysis::EquilibriumVerdict::kUnbalanced:
      writeImbalanceWarning(ctx, result);
      break;
    case analysis::EquilibriumVerdict::kNone:
      break;
  }
}

}  // namespace quarn::report
