#include "report/length_study_table.h"

#include <string>

#include "engine/messages.h"
#include "output/format.h"
#include "output/plot_records.h"
#include "output/report_writers.h"

namespace quarn::report {

namespace {

using engine::Channel;
using output::write;

constexpr double kInchesPerFoot = 12.0;

// The label without its trailing blanks.
std::string trimmed(const std::string& label) {
  const std::size_t end = label.find_last_not_of(' ');
  return end == std::string::npos ? std::string() : label.substr(0, end + 1);
}

// The head values of the case as entered, in the words of its load type.
void writeHeadConditions(Channel& out, const PileHeadLoad& load, const UnitLabels& labels) {
  const std::string force = trimmed(labels.force);
  const std::string length = trimmed(labels.length);
  const std::string moment = length + "-" + force;
  const auto shear = [&] {
    write(out, "(\"Shear      = \" F15.0 1X A)", {load.condition1, force});
  };
  const auto deflection = [&] {
    write(out, "(\"Deflection = \" F15.5 1X A)", {load.condition1, length});
  };
  const auto momentLine = [&] {
    write(out, "(\"Moment     = \" F15.0 1X A)", {load.condition2, moment});
  };
  const auto slope = [&] { write(out, "(\"Slope      = \" F15.5)", {load.condition2}); };
  switch (load.loadType) {
    case HeadLoadType::kShearMoment:
      write(out, "(\"Boundary Condition Type 1, Shear and Moment\" /)", {});
      shear();
      momentLine();
      break;
    case HeadLoadType::kShearSlope:
      write(out, "(\"Boundary Condition Type 2, Shear and Slope\" /)", {});
      shear();
      slope();
      break;
    case HeadLoadType::kShearRotationalStiffness:
      write(out, "(\"Boundary Condition Type 3, Shear and Rotational Restraint\" /)", {});
      shear();
      write(out, "(\"Rot. Rest. = \" ES15.7 1X A \"/Radian\")", {load.condition2, moment});
      break;
    case HeadLoadType::kDeflectionMoment:
      write(out, "(\"Boundary Condition Type 4, Deflection and Moment\" /)", {});
      deflection();
      momentLine();
      break;
    case HeadLoadType::kDeflectionSlope:
      write(out, "(\"Boundary Condition Type 5, Deflection and Slope\" /)", {});
      deflection();
      slope();
      break;
  }
  write(out, "(\"Axial Load = \" F15.0 1X A)", {load.axialThrust, force});
}

void writePoints(Channel& out, const analysis::LengthStudy& study, bool us) {
  write(out, "(2/ \"   Pile       Pile Head       Maximum      Maximum\")", {});
  out.line("  Length      Deflection      Moment        Shear ");
  // "ln-lbs" is the column's unit as the table has always shown it.
  out.line(us ? "   feet         inches        ln-lbs         lbs "
              : "  meters        meters         kN-m          kN  ");
  out.line("-----------  ------------  ------------  ------------");
  for (int j = 1; j <= study.points; ++j) {
    const analysis::LengthPoint& p = study.point[static_cast<std::size_t>(j)];
    output::Write_Report_Number(out, us ? p.pileLength / kInchesPerFoot : p.pileLength, 10);
    output::Write_Report_Number(out, p.headDeflection, 14);
    output::Write_Report_Number(out, p.maxMoment, 14);
    output::Write_Report_Number(out, p.maxShear, 14);
    output::End_Report_Line(out);
  }
}

}  // namespace

void Write_Length_Study(engine::RunContext& ctx, const analysis::LengthStudy& study) {
  const AnalysisModel& model = ctx.model;
  const int units = model.options.IUNITS;
  const bool us = units == kUnitsUsCustomary;
  QUARN_ASSERT(study.points >= 0 && study.points <= analysis::kLengthStudyTrials,
               "length study of " + std::to_string(study.points) + " points");
  Channel& out = ctx.report;
  write(out,
        "(/ / 80(\"-\") / 12X \"Pile-head Deflection vs. Pile Length for Load Case \" I0 / "
        "80(\"-\") /)",
        {study.loadCase});
  writeHeadConditions(out, study.load, model.labels);

  output::writePlotLine11(ctx.plot, study.points, study.loadCase);
  if (study.points == 0) {
    write(out,
          "(2/ \"No computations for top deflection vs. pile length were successful for this "
          "load case.\" /)",
          {});
    write(out, "(\"Results of last two iterations:\" /)", {});
    return;
  }
  writePoints(out, study, us);
  for (int j = 1; j <= study.points; ++j) {
    const analysis::LengthPoint& p = study.point[static_cast<std::size_t>(j)];
    output::writePlotLine12(ctx.plot, p.pileLength, p.headDeflection, p.maxMoment, p.maxShear,
                            units);
  }
}

}  // namespace quarn::report
