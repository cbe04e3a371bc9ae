// The loading blocks of an LRFD analysis in the input echo: the unfactored
// load groups with their distributed loads, the totals by load type, the
// load and resistance factors, the factored loads of every combination, the
// batter transformation and the distinct factored axial thrusts. The values
// are those the LRFD analysis computed before the echo (model.lrfd).
#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "engine/messages.h"
#include "input/echo_blocks.h"
#include "output/format.h"

namespace quarn::input::echo {

namespace {

using engine::Channel;
using engine::RunContext;
using output::write;

constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;
constexpr double kDefaultResistanceFactor = 0.75;

// The combination name as the 256-column field it is held in.
std::string nameField(const std::string& name) {
  std::string field = name.substr(0, kTextLineLength);
  field.resize(kTextLineLength, ' ');
  return field;
}

const LrfdLoadTypeText& typeText(int g) {
  return kLrfdLoadTypeTexts[static_cast<std::size_t>(g)];
}

void writeGroups(RunContext& ctx, bool us) {
  const Loads& loads = ctx.model.loads;
  Channel& out = ctx.report;
  const int groups = std::min(loads.numberOfLrfdLoads, kMaxLrfdLoads);
  write(out, "(3/ 79(\"-\"))", {});
  write(out, "(\"                  Unfactored Loading Groups for LRFD Analysis\")", {});
  write(out, "(79(\"-\") /)", {});
  write(out, "(\"Number of Loading Groups = \" I0 /)", {groups});
  out.line(
      "      Load                    Load                Horiz. Force               Moment       "
      "         Axial Force           Number of ");
  out.line(us ? "      Group                   Type                     lbs                  "
                "inch-lbs                   lbs             Distrib. Lds. "
              : "      Group                   Type                     kN                     "
                "kN-m                     kN              Distrib. Lds. ");
  out.line(
      "-----------------      ------------------      ------------------      ------------------  "
      "    ------------------      -------------");
  for (int m = 1; m <= groups; ++m) {
    const LrfdLoad& group = loads.lrfdLoads[static_cast<std::size_t>(m)];
    write(out, "(I9 $)", {m});
    const int g = group.loadTypeIndex;
    if (g >= 1 && g <= kLrfdLoadTypes) write(out, "(15X A $)", {typeText(g).group});
    write(out, "(3F24.2 I14)",
          {group.horizontalForce, group.moment, group.axialForce, group.distributedPointCount});
  }
  for (int m = 1; m <= groups; ++m) {
    const LrfdLoad& group = loads.lrfdLoads[static_cast<std::size_t>(m)];
    const int n = std::min(group.distributedPointCount, kMaxLrfdDistributedPoints);
    if (n <= 0) continue;
    write(out,
          "(2/ \"Number of Distributed Loading Points Input for Load Group \" I0 \" = \" I0 /)",
          {m, n});
    out.line("Point           Depth          Distributed Load");
    out.line(us ? "                  ft               lb/inch   "
                : "                  m                kN/m      ");
    out.line("-----     ----------------     ----------------");
    for (int j = 1; j <= n; ++j) {
      const auto i = static_cast<std::size_t>(j);
      write(out, "(I4 2F21.2)", {j, group.distributedDepth[i], group.distributedLoad[i]});
    }
  }
}

void writeTotals(RunContext& ctx, bool us) {
  const AnalysisModel& model = ctx.model;
  Channel& out = ctx.report;
  write(out, "(2/ \"Totals of Unfactored Loads by Load Type for LRFD Analyses:\")", {});
  write(out, "(\"----------------------------------------------------------\" /)", {});
  write(out, "(\"Number of Defined Unfactored Load Cases = \" I0 /)",
        {std::min(model.loads.numberOfLrfdLoads, kMaxLrfdLoads)});
  write(out,
        "(\"The following table presents the sum of unfactored pile-head loads for each load "
        "type.\" /)",
        {});
  out.line(
      "      Load                Horiz. Force               Moment                Axial Force    "
      "       Number of ");
  out.line(us ? "      Type                     lbs                  inch-lbs                   "
                "lbs                 Loads   "
              : "      Type                     Kn                     Kn-M                     "
                "kN                  Loads   ");
  out.line(
      "-----------------      ------------------      ------------------      ------------------  "
      "    ------------");
  for (int g = 1; g <= kLrfdLoadTypes; ++g) {
    const LrfdTypeTotals& t = model.lrfd.totals[static_cast<std::size_t>(g)];
    write(out, g == kLrfdLoadTypes ? "(A 3F24.2 I12 3/)" : "(A 3F24.2 I12)",
          {typeText(g).totals, t.horizontalForce, t.moment, t.axialForce, t.groups});
  }
}

void writeFactors(RunContext& ctx) {
  const Loads& loads = ctx.model.loads;
  Channel& out = ctx.report;
  const int M = std::min(loads.numberOfLrfdCombinations, kMaxLrfdCombinations);
  write(out, "(77(\"-\"))", {});
  write(out, "(\"     Load and Resistance Factors by Load Combinations for LRFD Analyses      \")",
        {});
  write(out, "(77(\"-\") /)", {});
  write(out, "(\"Number of Factored Load Combinations = \" I0 /)", {M});
  write(out, "(\"Summary of Load and Resistance Factors:\")", {});
  write(out, "(\"---------------------------------------\" /)", {});
  out.line(
      " No.    DL     LL     EQ     IM    Wind   Watr    Ice   Soil   Roof   Rain   Snow   Temp   "
      "Spec   M RF   V RF   Name");
  out.line(
      "----   ----   ----   ----   ----   ----   ----   ----   ----   ----   ----   ----   ----   "
      "----   ----   ----   ---------------------");
  for (int L = 1; L <= M; ++L) {
    const LrfdCombination& c = loads.lrfdCombinations[static_cast<std::size_t>(L)];
    write(out, "(I3 \" \" $)", {L});
    for (int g = 1; g <= kLrfdLoadTypes; ++g) {
      const double f = c.loadFactors[static_cast<std::size_t>(g)];
      if (f > 0.0) {
        write(out, "(F7.2 $)", {f});
      } else {
        write(out, "(\"    -- \" $)", {});
      }
    }
    write(out, "(2F7.2 3X A)",
          {c.flexureResistanceFactor, c.shearResistanceFactor, nameField(c.name)});
  }
}

double shownResistanceFactor(double factor) {
  return factor > 0.0 ? factor : kDefaultResistanceFactor;
}

void writeFactoredLoads(RunContext& ctx, bool us) {
  const AnalysisModel& model = ctx.model;
  const Loads& loads = model.loads;
  Channel& out = ctx.report;
  const int M = std::min(loads.numberOfLrfdCombinations, kMaxLrfdCombinations);
  write(out, "(3/ 78(\"-\"))", {});
  write(out, "(18X \"Computed Factored Loads for LRFD Analyses\")", {});
  write(out, "(78(\"-\") /)", {});
  for (int L = 1; L <= M; ++L) {
    const LrfdCombination& c = loads.lrfdCombinations[static_cast<std::size_t>(L)];
    const LrfdCombinationLoads& f = model.lrfd.combination[static_cast<std::size_t>(L)];
    write(out, "(\"Factored Load Combination No. \" I0)", {L});
    write(out, "(\"---------------------------------\" /)", {});
    write(out, "(\"Load Combination Name = \" A256 /)", {c.name});
    write(out, "(\"Structural Resistance Factor for Flexure =\" F6.3)",
          {shownResistanceFactor(c.flexureResistanceFactor)});
    write(out, "(\"Structural Resistance Factor for Shear   =\" F6.3 /)",
          {shownResistanceFactor(c.shearResistanceFactor)});
    // Every term after the first written keeps its " +", also when the
    // first one written is not the dead load.
    write(out, "(\"Factored Load = \" $)", {});
    for (int g = 1; g <= kLrfdLoadTypes; ++g) {
      const double factor = c.loadFactors[static_cast<std::size_t>(g)];
      if (!(factor > 0.0)) continue;
      if (g == kLrfdDeadLoad) {
        write(out, "(F5.2 \"*DL\" $)", {factor});
      } else {
        write(out, "(\" +\" F5.2 A $)", {factor, typeText(g).symbol});
      }
    }
    write(out, "(\" \" /)", {});
    // The loads before the batter transformation.
    const char* force = us ? " lbs" : " kN";
    write(out, "(\"Factored Horizontal Force = \" F24.2 A)", {f.horizontalForce, force});
    write(out, "(\"Factored Vertical Force   = \" F24.2 A)", {f.verticalForce, force});
    write(out, "(\"Factored Moment           = \" F24.2 A /)",
          {f.FactoredMoment, us ? " in-lbs" : " kN-m"});
  }
}

constexpr const char* kCombinationRule =
    "----------------   ----------------   ----------------   ----------------   "
    "--------------------------------------------------------------";

void writeCombinationTotals(RunContext& ctx) {
  const AnalysisModel& model = ctx.model;
  Channel& out = ctx.report;
  const int units = model.options.IUNITS;
  const int M = std::min(model.loads.numberOfLrfdCombinations, kMaxLrfdCombinations);
  write(out, "(/ \"Totals of Factored Loads by Load Combination:\")", {});
  write(out, "(\"---------------------------------------------\" 2/)", {});
  out.line("      Load             Factored           Factored           Factored      ");
  out.line(
      "   Combination       Horiz. Force          Moment           Vert. Force     Load "
      "Combination Name  ");
  if (units == kUnitsUsCustomary) {
    out.line("     Number               lbs              in-lbs               lbs        ");
  } else if (units == kUnitsSi) {
    out.line("     Number               kN                kN-m                kN         ");
  }
  out.line(kCombinationRule);
  for (int L = 1; L <= M; ++L) {
    const LrfdCombinationLoads& f = model.lrfd.combination[static_cast<std::size_t>(L)];
    write(out, "(I9 7X 3F19.2 3X A256)",
          {L, f.horizontalForce, f.FactoredMoment, f.verticalForce,
           model.loads.lrfdCombinations[static_cast<std::size_t>(L)].name});
  }
}

void writeBatterTransformation(RunContext& ctx) {
  const AnalysisModel& model = ctx.model;
  if (!model.lrfd.batterTransformed) return;
  Channel& out = ctx.report;
  const double beta = model.tables.batter.batterAngle;
  const int M = std::min(model.loads.numberOfLrfdCombinations, kMaxLrfdCombinations);
  write(out, "(2/ \"Factored Loads Transformed for Pile Batter by Load Combination:\")", {});
  write(out, "(\"---------------------------------------------------------------\" /)", {});
  out.line("Horizontal and vertical loads are transformed into transverse shear and axial loads");
  write(out, "(\"using the following:\" /)", {});
  write(out,
        "(\"Pile PileBatter = \" F7.3 \" degrees\" / / \"Transformation Matrix and Equations:\" /)",
        {beta * kDegreesPerRadian});
  write(out, "(\"   T(1,1) =  Cos(PileBatter) = \" F8.4 \"   T(1,2) = Sin(PileBatter) = \" F8.4 /)",
        {std::cos(beta), std::sin(beta)});
  write(out,
        "(\"   T(2,1) = -Sin(PileBatter) = \" F8.4 \"   T(2,2) = Cos(PileBatter) = \" F8.4 2/)",
        {-std::sin(beta), std::cos(beta)});
  out.line("   Shear Force = T(1,1) * Horiz. Force + T(1,2) * Vertical Force");
  write(out, "(\"   Axial Force = T(2,1) * Horiz. Force + T(2,2) * Vertical Force\" 2/)", {});
  out.line("      Load             Factored           Factored          Factored");
  out.line(
      "  Combination         Shear Force          Moment          Axial Force      Load "
      "Combination Name  ");
  out.line(kCombinationRule);
  for (int L = 1; L <= M; ++L) {
    const LrfdCombinationLoads& f = model.lrfd.combination[static_cast<std::size_t>(L)];
    write(out, "(I9 7X 3F19.2 A256)",
          {L, f.FactoredShear, f.FactoredMoment, f.FactoredAxial,
           model.loads.lrfdCombinations[static_cast<std::size_t>(L)].name});
  }
}

void writeDistinctThrusts(RunContext& ctx) {
  const LrfdResults& r = ctx.model.lrfd;
  Channel& out = ctx.report;
  write(out,
        "(2/ \"Sorted Values of Axial Thrust Forces Sorted for LRFD Computations:\" / "
        "\"------------------------------------------------------------------\" 2/ \"Number of "
        "Unique Axial Thrust Values = \" I0 /)",
        {r.numberOfThrusts});
  out.line("Number   Factored Axial Thrust");
  out.line("------   ---------------------");
  for (int i = 1; i <= r.numberOfThrusts; ++i) {
    write(out, "(I4 F16.3)", {i, r.thrust[static_cast<std::size_t>(i)]});
  }
}

}  // namespace

void writeLrfdLoads(RunContext& ctx) {
  QUARN_ASSERT(ctx.model.lrfd.computed, "LRFD loads echoed before they were computed");
  // Only US customary units have their own unit words; every other unit
  // system is labelled in SI words.
  const bool us = ctx.model.options.IUNITS == kUnitsUsCustomary;
  writeGroups(ctx, us);
  writeTotals(ctx, us);
  writeFactors(ctx);
  writeFactoredLoads(ctx, us);
  writeCombinationTotals(ctx);
  writeBatterTransformation(ctx);
  writeDistinctThrusts(ctx);
}

}  // namespace quarn::input::echo
