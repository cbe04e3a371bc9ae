// The strand table: strength, modulus, diameter and area by strand type and
// size code, in US customary and SI runs. Expected values are transcribed
// from the published strand table as single-precision constants.
#include "input/strand_table.h"

#include <gtest/gtest.h>

namespace quarn::input {
namespace {

double f(float value) { return static_cast<double>(value); }

const double kMetresPerInch = f(0.0254f);
const double kKpaPerPsi = f(6894.757f) / 1000.0;

struct Case {
  int type;
  int size;
  double fpuPsi;
  double esKsi;
  double diameterIn;
  double areaIn2;
};

const Case kCases[] = {
    {0, 0, 250000.0, 28000.0, f(0.34f), f(0.058f)},
    {0, 6, 250000.0, 28000.0, f(0.6f), f(0.216f)},
    {1, 4, 270000.0, 28000.0, f(0.5f), f(0.167f)},
    {1, 7, 270000.0, 28000.0, f(0.7f), f(0.294f)},
    {2, 1, 300000.0, 28000.0, f(0.438f), f(0.115f)},
    {3, 0, 145000.0, 29000.0, f(0.75f), f(0.442f)},
    {4, 5, 160000.0, 29000.0, f(1.375f), f(1.485f)},
    {5, 0, 157000.0, 29000.0, f(0.625f), f(0.28f)},
    {5, 2, 160000.0, 29000.0, f(1.0f), f(0.85f)},
    {5, 5, 150000.0, 29000.0, f(1.375f), f(1.58f)},
};

TEST(StrandTable, UsCustomaryValues) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << "type " << c.type << " size " << c.size);
    StrandData prestress;
    BarPosition strand;
    setStrandFromTable(prestress, strand, c.type, c.size, false);
    EXPECT_DOUBLE_EQ(prestress.ultimateStrength, c.fpuPsi);
    EXPECT_DOUBLE_EQ(prestress.elasticModulus, c.esKsi);
    EXPECT_DOUBLE_EQ(strand.diameter, c.diameterIn);
    EXPECT_DOUBLE_EQ(strand.area, c.areaIn2);
  }
}

TEST(StrandTable, SiValues) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << "type " << c.type << " size " << c.size);
    StrandData prestress;
    BarPosition strand;
    setStrandFromTable(prestress, strand, c.type, c.size, true);
    EXPECT_DOUBLE_EQ(prestress.ultimateStrength, c.fpuPsi * kKpaPerPsi);
    EXPECT_DOUBLE_EQ(prestress.elasticModulus, c.type <= 2 ? 1.930532e8 : 199947760.0);
    EXPECT_DOUBLE_EQ(strand.diameter, c.diameterIn * kMetresPerInch);
    EXPECT_DOUBLE_EQ(strand.area, c.areaIn2 * kMetresPerInch * kMetresPerInch);
  }
}

TEST(StrandTable, UnlistedCodesLeaveValuesAlone) {
  struct Unlisted {
    int type;
    int size;
    bool strengthSet;  // fpu and Es taken from the type
  };
  for (const Unlisted& c : {Unlisted{0, 7, true}, Unlisted{2, 5, true}, Unlisted{3, -1, true},
                            Unlisted{5, 6, false}, Unlisted{6, 0, false}, Unlisted{-1, 0, false}}) {
    SCOPED_TRACE(testing::Message() << "type " << c.type << " size " << c.size);
    StrandData prestress;
    prestress.ultimateStrength = -1.0;
    prestress.elasticModulus = -2.0;
    BarPosition strand{4, 0.123, 0.456, 0.0, 0.0};
    setStrandFromTable(prestress, strand, c.type, c.size, false);
    EXPECT_DOUBLE_EQ(strand.diameter, 0.123);
    EXPECT_DOUBLE_EQ(strand.area, 0.456);
    EXPECT_EQ(prestress.ultimateStrength > 0.0, c.strengthSet);
    // Type 5 sets its modulus even for an unlisted size; unknown types set nothing.
    EXPECT_EQ(prestress.elasticModulus > 0.0, c.type >= 0 && c.type <= 5);
  }
}

}  // namespace
}  // namespace quarn::input
