// Plot records: each line is its numeric fields in fixed columns, blanks up to
// the column where the record's comment starts, and the comment. Fields and
// comment columns are worked out from the record layouts by hand (I5 = 5
// columns, ES15.7 = 15 columns, nX, Tn) and the comment texts are the
// system's own.
#include "engine/messages.h"
#include "output/plot_records.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

#include "engine/channel.h"
#include "engine/model_options.h"

namespace quarn::output {
namespace {

struct Case {
  const char* record;
  std::function<void(engine::Channel&)> write;
  std::string fields;  // the numbers, from column 1
  int commentColumn;   // column where the comment starts
  std::string comment;
};

TEST(PlotRecords, FieldsAndCommentsSitInTheirColumns) {
  constexpr int us = kUnitsUsCustomary;
  constexpr int si = kUnitsSi;
  constexpr int general = kUnitsGeneral;
  using K = PlotSectionKind;
  const Case cases[] = {
      {"Line 1", [](auto& ch) { writePlotLine1(ch, 3, 1, 0, true); }, "    3    1    0    1", 81,
       "Line 1 : ICOM, IUNITS, KYL, ib_ComputeKmatrix_1T0F"},
      {"Line 1", [](auto& ch) { writePlotLine1(ch, 2, 2, 0, false); }, "    2    2    0    0", 81,
       "Line 1 : ICOM, IUNITS, KYL, ib_ComputeKmatrix_1T0F"},
      {"Line 2", [](auto& ch) { writePlotLine2(ch, 2); }, "    2", 81,
       "Line 2 : Total number of sections"},
      {"Line 3", [](auto& ch) { writePlotLine3(ch, 3, K::kNonlinear); }, "    3", 81,
       "Line 3 : Total number of axial thrusts"},
      {"Line 3", [](auto& ch) { writePlotLine3(ch, 4, K::kNonlinear, ThrustSource::kEiOnly); },
       "    4", 81, "Line 3 : Total number of axial thrusts for EI-only computations"},
      {"Line 3", [](auto& ch) { writePlotLine3(ch, 12, K::kNonlinear, ThrustSource::kLrfd); },
       "   12", 81, "Line 3 : Total number of axial thrusts for LRFD"},
      {"Line 3", [](auto& ch) { writePlotLine3(ch, 1, K::kElastic); }, "    1", 81,
       "Line 3 : Total number of axial thrusts for elastic section"},
      {"Line 3", [](auto& ch) { writePlotLine3(ch, 1, K::kElasticPlastic, ThrustSource::kLrfd); },
       "    1", 81, "Line 3 : Total number of axial thrusts for elastic-plastic section"},
      {"Line 3", [](auto& ch) { writePlotLine3(ch, 2, K::kUserDefinedEI); }, "    2", 81,
       "Line 3 : Total number of axial thrusts for input M-EI section"},
      {"Line 4", [](auto& ch) { writePlotLine4(ch, 150, 1000.0, -2.5e6, K::kNonlinear, us); },
       "  150            1.0000000E+03 -2.5000000E+06", 81,
       "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips)"},
      {"Line 4", [](auto& ch) { writePlotLine4(ch, 150, 0.0, 12.5, K::kNonlinear, si); },
       "  150            0.0000000E+00  1.2500000E+01", 81,
       "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment Cap. (kN-m)"},
      {"Line 4", [](auto& ch) { writePlotLine4(ch, 150, 0.0, 0.0, K::kElastic, general); },
       "  150            0.0000000E+00  0.0000000E+00", 81,
       "Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kN) , Nom. Moment Cap. (kN-m) "
       "for linear EI pile at top of section"},
      {"Line 4", [](auto& ch) { writePlotLine4(ch, 150, 0.0, 0.0, K::kElasticPlastic, us); },
       "  150            0.0000000E+00  0.0000000E+00", 81,
       "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kip) for "
       "elastic-plastic EI at top of section"},
      {"Line 4", [](auto& ch) { writePlotLine4(ch, 7, 0.0, 0.0, K::kUserDefinedEI, us); },
       "    7            0.0000000E+00  0.0000000E+00", 81,
       "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips) for "
       "input M-EI pile"},
      {"Line 5",
       [](auto& ch) { writePlotLine5(ch, 1.5, 2.0e10, 1.25e-6, 2, 3, 17, K::kNonlinear, us); },
       "  1.5000000E+00  2.0000000E+10  1.2500000E-06", 81,
       "Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=3, "
       "CurvPnt#=17"},
      {"Line 5",
       [](auto& ch) { writePlotLine5(ch, -1.0, 1.0, 1.0, 12, 100, 150, K::kElastic, si); },
       " -1.0000000E+00  1.0000000E+00  1.0000000E+00", 81,
       "Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=12, AxLd#=100, "
       "CurvPnt#=150"},
      {"Line 5",
       [](auto& ch) { writePlotLine5(ch, 1.0, 1.0, 1.0, 1, 1, 1, K::kElasticPlastic, us); },
       "  1.0000000E+00  1.0000000E+00  1.0000000E+00", 81,
       "Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#=1, "
       "AxLd#=1, CurvPnt#=1"},
      {"Line 5",
       [](auto& ch) { writePlotLine5(ch, 1.0, 1.0, 1.0, 1, 1, 1, K::kUserDefinedEI, si); },
       "  1.0000000E+00  1.0000000E+00  1.0000000E+00", 81,
       "Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=1"},
      {"Line 6", [](auto& ch) { writePlotLine6(ch, 2); }, "    2", 81,
       "Line 6 : number of output p-y curves"},
      {"Line 6", [](auto& ch) { writePlotLine6(ch, 0); }, "    0", 81,
       "Line 6 : number of output p-y curves"},
      {"Line 7", [](auto& ch) { writePlotLine7(ch, 120.0, 17, 1, us, 1); }, "  1.2000000E+02   17",
       81, "Line 7:  p-y curve depth in soft clay, no. p-y points on curve no. 1"},
      {"Line 7", [](auto& ch) { writePlotLine7(ch, 3.0, 17, 15, si, 2); }, "  3.0000000E+00   17",
       81, "Line 7:  p-y curve depth in soft clay with J, no. points on p-y curve no. 2"},
      {"Line 7", [](auto& ch) { writePlotLine7(ch, 3.0, 17, 11, si, 10); }, "  3.0000000E+00   17",
       81, "Line 7:  p-y curve depth in cemented silt (m), no. p-y points on curve no. 10"},
      {"Line 7", [](auto& ch) { writePlotLine7(ch, 36.0, 17, 11, us, 3); }, "  3.6000000E+01   17",
       81, "Line 7:  p-y curve depth in cemented silt (in), no. p-y points on curve no. 3"},
      {"Line 7", [](auto& ch) { writePlotLine7(ch, 36.0, 17, 4, us, 3); }, "  3.6000000E+01   17",
       81,
       "Line 7:  p-y curve depth in stiff clay w/o free water with k, no. p-y points on curve "
       "no. 3"},
      {"Line 7, rejected depth", [](auto& ch) { writePlotLine7RejectedDepth(ch, -1.5); },
       " -1.5000000E+00    0", 81, "Line 7:  p-y curve depth, no. p-y points"},
      {"Line 8", [](auto& ch) { writePlotLine8(ch, 0.1, 250.0, 5, 1, us, false); },
       "  1.0000000E-01  2.5000000E+02", 81, "Line 8(5): y, p, for soft clay"},
      {"Line 8", [](auto& ch) { writePlotLine8(ch, 0.1, 250.0, 17, 2, us, true); },
       "  1.0000000E-01  2.5000000E+02", 81,
       "Line 8(17): y, p, for cyclic stiff clay with free water"},
      {"Line 8", [](auto& ch) { writePlotLine8(ch, 0.1, 250.0, 1, 2, si, false); },
       "  1.0000000E-01  2.5000000E+02", 81,
       "Line 8(1): y, p, for static stiff clay with free water"},
      {"Line 8", [](auto& ch) { writePlotLine8(ch, 0.0, 0.0, 17, 16, us, false); },
       "  0.0000000E+00  0.0000000E+00", 81, "Line 8(17): y (in), p (lb/in), for Massive Rock"},
      {"Line 8", [](auto& ch) { writePlotLine8(ch, 0.0, 0.0, 17, 16, general, true); },
       "  0.0000000E+00  0.0000000E+00", 81, "Line 8(17): y (m), p (kN/m), for Massive Rock"},
      {"Line 8", [](auto& ch) { writePlotLine8(ch, 0.1, -250.0, 5, 7, si, false); },
       "  1.0000000E-01 -2.5000000E+02", 51, "Line 8( 5): y, p, for liquefied sand"},
      {"Line 8", [](auto& ch) { writePlotLine8(ch, 0.1, 250.0, 12, 14, us, false); },
       "  1.0000000E-01  2.5000000E+02", 51, "Line 8(12): y, p, for user-input p-y curve"},
      {"Line 9", [](auto& ch) { writePlotLine9(ch, 2, 101, 1); }, "    2  101    1", 81,
       "Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI"},
      {"Line 10", [](auto& ch) { writePlotLine10(ch, 0.0, 0.5, -1.0e6, 2.5e3, -0.0, 1.0e10, 7); },
       "  0.0000000E+00  5.0000000E-01 -1.0000000E+06  2.5000000E+03 -0.0000000E+00  "
       "1.0000000E+10",
       92, "Line 10(  7): nodal depth, y, M, V, p, EI"},
      {"Line 10", [](auto& ch) { writePlotLine10(ch, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 501); },
       "  1.0000000E+00  1.0000000E+00  1.0000000E+00  1.0000000E+00  1.0000000E+00  "
       "1.0000000E+00",
       92, "Line 10(501): nodal depth, y, M, V, p, EI"},
      {"Line 11", [](auto& ch) { writePlotLine11(ch, 5, 2); }, "    5", 81,
       "Line 11: Num. points on Ytop vs. pile length curve for load case 2"},
      {"Line 11", [](auto& ch) { writePlotLine11WithoutStudy(ch, 3, false); }, "    0", 81,
       "Line 11: Num. points on Ytop vs. Length curve for load case 3"},
      {"Line 11", [](auto& ch) { writePlotLine11WithoutStudy(ch, 14, true); }, "    0", 81,
       "Line 11: Num. points on Ytop vs. Length curve for LRFD load case 14"},
      {"Line 12", [](auto& ch) { writePlotLine12(ch, 1200.0, 0.25, 1.5e6, -2.0e4, us); },
       "  1.2000000E+03  2.5000000E-01  1.5000000E+06 -2.0000000E+04", 81,
       "Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)"},
      {"Line 12", [](auto& ch) { writePlotLine12(ch, 30.0, 0.01, 150.0, 20.0, si); },
       "  3.0000000E+01  1.0000000E-02  1.5000000E+02  2.0000000E+01", 81,
       "Line 12: pile length (m), Ytop (m), Mmax (kN-m), Vmax (kN)"},
      {"Line 13", [](auto& ch) { writePlotLine13(ch, 1.0e4, 0.5, 1.0e6, 1.0e4, -0.002, us); },
       "  1.0000000E+04  5.0000000E-01  1.0000000E+06  1.0000000E+04 -2.0000000E-03", 81,
       "Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)"},
      {"Line 13", [](auto& ch) { writePlotLine13(ch, 10.0, 0.01, 100.0, 10.0, 0.0, general); },
       "  1.0000000E+01  1.0000000E-02  1.0000000E+02  1.0000000E+01  0.0000000E+00", 81,
       "Line 13: TopV(kN) TopY(m), Mmax(kN-m), Vmax(kN), Rotation(rad)"},
      {"Line 14",
       [](auto& ch) { writePlotLine14(ch, 1.0e3, 0.0, 2.0, -3.0, 4.0, 5.0, 0.125, -1.0e-4); },
       "  1.0000000E+03  0.0000000E+00  2.0000000E+00 -3.0000000E+00  4.0000000E+00  "
       "5.0000000E+00  1.2500000E-01 -1.0000000E-04",
       123, "Line 14: V, M, K22, K23, K32, K33, ytop, theta"},
  };
  for (const Case& c : cases) {
    engine::Channel plot;
    plot.captureInMemory();
    c.write(plot);
    ASSERT_LE(c.fields.size(), static_cast<std::size_t>(c.commentColumn - 1)) << c.record;
    const std::string expected =
        c.fields + std::string(c.commentColumn - 1 - c.fields.size(), ' ') + c.comment + "\n";
    EXPECT_EQ(plot.text(), expected) << c.record;
    EXPECT_EQ(plot.text().find("Line "), static_cast<std::size_t>(c.commentColumn - 1)) << c.record;
  }
}

TEST(PlotRecords, CriteriaWithoutCurvesHaveNoCurveRecords) {
  engine::Channel plot;
  plot.captureInMemory();
  for (int code : {0, 17, 18, 21}) {
    EXPECT_THROW(writePlotLine7(plot, 1.0, 17, code, kUnitsSi, 1), engine::InvariantBroken);
    EXPECT_THROW(writePlotLine8(plot, 1.0, 1.0, 1, code, kUnitsSi, false), engine::InvariantBroken);
  }
  EXPECT_EQ(plot.text(), "");
}

TEST(PlotRecords, EveryCriterionWithCurvesNamesItselfInBothRecords) {
  struct Case {
    int code;
    const char* line7Us;
    const char* line8Static;
  };
  const Case cases[] = {
      {1, "Line 7:  p-y curve depth in soft clay, no. p-y points on curve no. ",
       "): y, p, for soft clay"},
      {2, "Line 7:  p-y curve depth in stiff clay with free water, no. p-y points on curve no. ",
       "): y, p, for static stiff clay with free water"},
      {3, "Line 7:  p-y curve depth in stiff clay w/o free water, no. p-y points on curve no. ",
       "): y, p, for stiff clay w/o water"},
      {4,
       "Line 7:  p-y curve depth in stiff clay w/o free water with k, no. p-y points on curve "
       "no. ",
       "): y, p, for stiff clay with k"},
      {5, "Line 7:  p-y curve depth in sand, no. p-y points on curve no. ", "): y, p, for sand"},
      {6, "Line 7:  p-y curve depth in API sand, no. p-y points on curve no. ",
       "): y, p, for API sand"},
      {7, "Line 7:  p-y curve depth in liquefied sand, no. p-y points on curve no. ",
       "): y, p, for liquefied sand"},
      {8, "Line 7:  p-y curve depth in weak rock, no. p-y points on curve no. ",
       "): y, p, for weak rock"},
      {9, "Line 7:  p-y curve depth in vuggy limestone, no. p-y points on curve no. ",
       "): y, p, for vuggy limestone rock"},
      {10, "Line 7:  p-y curve depth in Piedmont residual soil, no. p-y points on curve no. ",
       "): y, p, for Piedmont residual soil"},
      {11, "Line 7:  p-y curve depth in cemented silt (in), no. p-y points on curve no. ",
       "): y, p, for cemented c-phi"},
      {12, "Line 7:  p-y curve depth in Loess, no. p-y points on curve no. ", "): y, p, for Loess"},
      {13, "Line 7:  p-y curve depth in elastic subgrade soil, no. p-y points on curve no. ",
       "): y, p, for elastic subgrade"},
      {14, "Line 7:  p-y curve depth in user-input p-y curve, no. p-y points on curve no. ",
       "): y, p, for user-input p-y curve"},
      {15, "Line 7:  p-y curve depth in soft clay with J, no. points on p-y curve no. ",
       "): y, p, for API soft clay"},
      {16, "Line 7:  p-y curve depth in massive rock, no. p-y points on curve no. ",
       "): y (in), p (lb/in), for Massive Rock"},
  };
  for (const Case& c : cases) {
    engine::Channel plot;
    plot.captureInMemory();
    writePlotLine7(plot, 1.0, 17, c.code, kUnitsUsCustomary, 4);
    writePlotLine8(plot, 1.0, 1.0, 9, c.code, kUnitsUsCustomary, false);
    const bool shortLine8 = c.code == 7 || c.code == 14;
    const std::string expected = "  1.0000000E+00   17" + std::string(60, ' ') + c.line7Us + "4\n" +
                                 "  1.0000000E+00  1.0000000E+00" +
                                 std::string(shortLine8 ? 20 : 50, ' ') +
                                 (shortLine8 ? "Line 8( 9" : "Line 8(9") + c.line8Static + "\n";
    EXPECT_EQ(plot.text(), expected) << "criterion " << c.code;
  }
}

}  // namespace
}  // namespace quarn::output
