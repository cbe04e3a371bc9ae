// Tables of the sections whose stiffness is given directly: an elastic
// section gives E I at every point, an elastic-plastic one reaches Mp at the
// yield curvature Mp / EI, and a user-defined one copies its points with
// curvature M / EI; the checks of the user input (input error 51, warning
// 307), the report line and the plot records of each.
#include <gtest/gtest.h>

#include <string>

#include "mc_fixture.h"
#include "section/elastic_sections.h"

namespace quarn::section {
namespace {

using namespace mctesting;

TEST(ElasticTable, EveryMomentFindsTheSameEI) {
  struct Case {
    int units;
    double EI;       // as entered: lb-in2 or kN-m2
    double tableEI;  // kip-in2 or kN-m2
  };
  const Case cases[] = {
      {kUnitsUsCustomary, 29.0e6 * 1000.0, 29.0e6},  // E = 29,000,000 psi, I = 1000 in4
      {kUnitsSi, 2.0e8 * 1.0e-3, 2.0e5},             // E = 2.0E8 kPa, I = 0.001 m4
  };
  for (const Case& c : cases) {
    MomentCurvatureTable t;
    fillElasticTable(c.EI, c.units, 50.0, t);
    ASSERT_EQ(t.points, 150);
    EXPECT_EQ(t.axialThrust, 50.0);
    EXPECT_EQ(t.nominalMoment, 0.0);
    for (int j = 1; j <= 150; ++j) {
      const auto u = static_cast<std::size_t>(j);
      EXPECT_EQ(t.EI[u], c.tableEI);
      EXPECT_EQ(t.curvature[u], 10.0 * j);
      EXPECT_EQ(t.moment[u], c.tableEI * 10.0 * j);
    }
  }
}

// EI = 1.0E10 lb-in2 and Mp = 1.0E7 in-lb: phi_y = 0.001 rad/in; M = 1000
// kip-in at point 10, 10000 kip-in from point 100 on, and at point 150 the
// curvature 11 phi_y = 0.011 with the stiffness 10000 / 0.011 = 909090.9.
TEST(ElasticPlasticTable, ReachesThePlasticMomentAtTheYieldCurvature) {
  MomentCurvatureTable t;
  fillElasticPlasticTable(1.0e10, 1.0e7, kUnitsUsCustomary, 0.0, t);
  ASSERT_EQ(t.points, 150);
  EXPECT_DOUBLE_EQ(t.curvature[10], 1.0e-4);
  EXPECT_DOUBLE_EQ(t.moment[10], 1000.0);
  EXPECT_DOUBLE_EQ(t.EI[10], 1.0e7);
  EXPECT_DOUBLE_EQ(t.curvature[100], 0.001);
  EXPECT_DOUBLE_EQ(t.moment[100], 10000.0);
  EXPECT_DOUBLE_EQ(t.curvature[101], 0.0012);
  EXPECT_DOUBLE_EQ(t.moment[101], 10000.0);
  EXPECT_DOUBLE_EQ(t.curvature[150], 0.011);
  EXPECT_DOUBLE_EQ(t.moment[150], 10000.0);
  EXPECT_NEAR(t.EI[150], 909090.909, 1e-3);
  EXPECT_DOUBLE_EQ(t.nominalMoment, 10000.0);
  // SI values are stored as entered.
  fillElasticPlasticTable(5.0e5, 1000.0, kUnitsSi, 0.0, t);
  EXPECT_DOUBLE_EQ(t.moment[100], 1000.0);
  EXPECT_DOUBLE_EQ(t.curvature[100], 0.002);
  EXPECT_DOUBLE_EQ(t.EI[1], 5.0e5);
}

UserEiCurve userCurve(double thrust, std::vector<double> M, std::vector<double> EI) {
  UserEiCurve c;
  c.axialThrust = thrust;
  c.moment = std::move(M);
  c.stiffness = std::move(EI);
  return c;
}

TEST(UserEiTable, CopiesThePointsWithCurvatureMOverEI) {
  MomentCurvatureTable t;
  fillUserEiTable(userCurve(100000.0, {1.0e6, 4.0e6, 6.0e6}, {1.0e10, 8.0e9, 4.0e9}),
                  kUnitsUsCustomary, t);
  ASSERT_EQ(t.points, 3);
  EXPECT_DOUBLE_EQ(t.axialThrust, 100.0);  // kips
  EXPECT_DOUBLE_EQ(t.moment[2], 4000.0);   // kip-in
  EXPECT_DOUBLE_EQ(t.EI[2], 8.0e6);        // kip-in2
  EXPECT_DOUBLE_EQ(t.curvature[1], 1.0e-4);
  EXPECT_DOUBLE_EQ(t.curvature[2], 5.0e-4);
  EXPECT_DOUBLE_EQ(t.curvature[3], 1.5e-3);
  EXPECT_DOUBLE_EQ(t.nominalMoment, 6000.0);
}

TEST(UserEiTable, ChecksOfTheInput) {
  struct Case {
    const char* name;
    UserEiCurve curve;
    bool range;
    bool moments;
  };
  const Case cases[] = {
      {"within a factor of 100", userCurve(0, {1, 2, 3}, {100, 50, 1}), false, false},
      {"beyond a factor of 100", userCurve(0, {1, 2, 3}, {100, 50, 0.99}), true, false},
      {"a stiffness of zero", userCurve(0, {1, 2}, {100, 0}), true, false},
      {"a moment that does not increase", userCurve(0, {1, 3, 3}, {10, 5, 2}), false, true},
      {"a negative moment", userCurve(0, {-1, 3}, {10, 5}), false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const UserEiCheck check = checkUserEiCurve(c.curve);
    EXPECT_EQ(check.stiffnessRangeExceeded, c.range);
    EXPECT_EQ(check.momentsNotIncreasing, c.moments);
  }
}

PileSection& elasticSection(AnalysisModel& model, SectionType type) {
  PileSection& s = addSection(model, type, 0.0);
  s.diameter = 24.0;
  s.elastic.shape = kShapeCircularPipe;
  s.elastic.elasticModulus = 29.0e6;
  s.elastic.inertiaTop = s.elastic.inertiaBottom = 2549.3;
  s.elastic.plasticMomentTop = s.elastic.plasticMomentBottom = 1.0e7;
  return s;
}

std::vector<std::string> plotLines(const std::string& text) {
  std::vector<std::string> out;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    out.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return out;
}

// The tables, the report line and the plot records of each kind; Line 3 is
// written for the first section only.
TEST(ElasticSection, TablesReportAndPlotRecords) {
  struct Case {
    const char* name;
    SectionType type;
    bool first;
    std::string report;
    std::string line3;
    std::string line4;
    std::string line5;
  };
  const Case cases[] = {
      {"elastic", SectionType::Elastic, true,
       "Moment-curvature properties were derived from elastic section properties\n\n\n",
       "    2" + std::string(75, ' ') +
           "Line 3 : Total number of axial thrusts for elastic section",
       "  150" + std::string(10, ' ') + "  5.0000000E+01  0.0000000E+00" + std::string(35, ' ') +
           "Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. "
           "(in-kips) for linear EI pile at top of section",
       "  7.3929700E+08  7.3929700E+07  1.0000000E+01" + std::string(35, ' ') +
           "Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, "
           "AxLd#=1, CurvPnt#=1"},
      {"elastic-plastic, not the first section", SectionType::ElasticPlastic, false,
       "Moment-curvature properties were derived from elastic-plastic section properties\n\n\n", "",
       "  150" + std::string(10, ' ') + "  5.0000000E+01  1.0000000E+04" + std::string(35, ' ') +
           "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kip) "
           "for elastic-plastic EI at top of section",
       // phi_y = 1.0E7 / 7.39297E10; point 1 is 1 % of it.
       "  1.0000000E+02  7.3929700E+07  1.3526364E-06" + std::string(35, ' ') +
           "Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, "
           "AxLd#=1, CurvPnt#=1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto ctx = makeSectionContext(kUnitsUsCustomary);
    elasticSection(ctx->model, c.type);
    const double thrusts[] = {50.0, 80.0};
    Analyze_Elastic_Section(*ctx, 1, thrusts, c.first);
    EXPECT_EQ(ctx->report.text(), c.report);
    const SectionCurves& curves = ctx->model.momentCurvature.section[1];
    ASSERT_EQ(curves.thrusts, 2);
    EXPECT_EQ(curves.table[2].axialThrust, 80.0);
    const std::vector<std::string> plot = plotLines(ctx->plot.text());
    const std::size_t offset = c.first ? 1 : 0;
    ASSERT_EQ(plot.size(), offset + 2 * 151);
    if (c.first) {
      EXPECT_EQ(plot[0], c.line3);
    }
    EXPECT_EQ(plot[offset], c.line4);
    EXPECT_EQ(plot[offset + 1], c.line5);
    EXPECT_NE(plot[offset + 151].find("Line 4 :"), std::string::npos);
    EXPECT_NE(plot[offset + 302 - 1].find("Sect#=1, AxLd#=2, CurvPnt#=150"), std::string::npos);
  }
}

PileSection& userEiSection(AnalysisModel& model, std::vector<UserEiCurve> curves) {
  PileSection& s = addSection(model, SectionType::UserEi, 0.0);
  s.diameter = 24.0;
  s.userEi = std::move(curves);
  return s;
}

TEST(UserEiSection, ThrustsInAscendingOrderAndTheirOwnPlotRecords) {
  auto ctx = makeSectionContext(kUnitsUsCustomary);
  elasticSection(ctx->model, SectionType::Elastic);
  userEiSection(ctx->model, {userCurve(300000.0, {1.0e6, 2.0e6}, {2.0e10, 1.0e10}),
                             userCurve(-100000.0, {1.0e6, 2.0e6, 3.0e6}, {1.0e10, 5.0e9, 2.0e9})});
  const double thrusts[] = {50.0};
  Analyze_Elastic_Section(*ctx, 2, thrusts, false);
  const SectionCurves& curves = ctx->model.momentCurvature.section[2];
  ASSERT_EQ(curves.thrusts, 2);
  EXPECT_EQ(curves.table[1].axialThrust, -100.0);
  EXPECT_EQ(curves.table[1].points, 3);
  EXPECT_EQ(curves.table[2].axialThrust, 300.0);
  EXPECT_EQ(ctx->model.state.warningOccurrences[307], 0);
  const std::string& report = ctx->report.text();
  EXPECT_EQ(report.rfind("Moment-curvature properties of section 2 were derived from the input "
                         "values for nonlinear M-EI properties.\n",
                         0),
            0u);
  const std::vector<std::string> plot = plotLines(ctx->plot.text());
  ASSERT_EQ(plot.size(), 2u + 3u + 2u);
  EXPECT_EQ(plot[0], "    3" + std::string(10, ' ') + " -1.0000000E+02  3.0000000E+03" +
                         std::string(35, ' ') +
                         "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment "
                         "Cap. (in-kips) for input M-EI pile");
  EXPECT_EQ(plot[3], "  3.0000000E+03  2.0000000E+06  1.5000000E-03" + std::string(35, ' ') +
                         "Line 5 : Moment, EI, Curvature for Sect#=2, AxLd#=1, CurvPnt#=3");
}

TEST(UserEiSection, MomentsThatDoNotIncreaseWriteWarning307) {
  auto ctx = makeSectionContext(kUnitsUsCustomary);
  userEiSection(ctx->model, {userCurve(0.0, {2.0e6, 1.0e6}, {1.0e10, 5.0e9})});
  Analyze_Elastic_Section(*ctx, 1, {}, true);
  EXPECT_EQ(ctx->model.state.warningOccurrences[307], 1);
  EXPECT_EQ(ctx->report.text().rfind("\n**** Warning - POSSIBLE INPUT ERROR ****\n\n"
                                     "The input data for nonlinear bending appears to be input "
                                     "incorrectly.\n"
                                     "The program assumes that only positive values and increasing "
                                     "values of\n"
                                     "bending moment are input to the program.\n\n",
                                     0),
            0u);
  EXPECT_EQ(ctx->model.state.errorCode, 0);
}

TEST(UserEiSection, AStiffnessRangeBeyond100StopsWithInputError51) {
  auto ctx = makeSectionContext(kUnitsUsCustomary);
  userEiSection(ctx->model, {userCurve(0.0, {1.0e6, 2.0e6}, {1.0e10, 5.0e9}),
                             userCurve(1000.0, {1.0e6, 2.0e6}, {1.0e10, 5.0e7})});
  EXPECT_THROW(Analyze_Elastic_Section(*ctx, 1, {}, true), engine::RunStopped);
  EXPECT_EQ(ctx->model.state.errorCode, 151);
  EXPECT_EQ(ctx->report.text(),
            "\n\n**** Input Data Error No. 51 ****\n\n"
            "An error was detected in the input data.\n\n"
            "Problem:  The nonlinear bending stiffness input by the user varies by more than \n"
            "a factor of 100 for a given axial thrust force.\n"
            "          Section 1, axial thrust no. 2: bending stiffness from   5.0000E+07 to   "
            "1.0000E+10\n\n"
            "Solution: Enter positive values of bending stiffness that describe the section\n"
            "          from its uncracked to its fully yielded state.\n\n\n"
            "Quarn ended prematurely due to input error number INP00051\n");
  EXPECT_TRUE(ctx->plot.text().empty());
}

}  // namespace
}  // namespace quarn::section
