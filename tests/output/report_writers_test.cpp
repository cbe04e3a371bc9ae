// The report writers. Expected texts are worked by hand: Write_Report_Number
// writes a blank and a field of w - 1 columns whose layout follows the
// magnitude, with thresholds held in single precision (for w = 12: T1 = 1.0E9,
// T2 = 0.001f = 0.0010000000474974513, T3 = 1.0E-5f = 9.99999974737875E-06).
#include "engine/messages.h"
#include "output/report_writers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "engine/channel.h"
#include "engine/single_precision.h"

namespace quarn::output {
namespace {

// Runs a writer that leaves its line open and returns that line.
template <typename Writer>
std::string openLine(Writer writer) {
  engine::Channel channel;
  channel.captureInMemory();
  writer(channel);
  EXPECT_TRUE(channel.lineOpen());
  End_Report_Line(channel);
  const std::string& text = channel.text();
  return text.substr(0, text.size() - 1);
}

TEST(WriteReportNumber, ChoosesTheLayoutByMagnitude) {
  const double t2 = 0.001f;  // the single-precision thresholds, exactly
  const double t3 = 1.0e-5f;
  const double up = std::numeric_limits<double>::infinity();
  struct Case {
    double value;
    int width;
    const char* expected;
  };
  const Case cases[] = {
      // Zero, values below 1.0E-12 and -0 print as F11.4 of zero.
      {0.0, 12, "      0.0000"},
      {-0.0, 12, "      0.0000"},
      {5.0e-13, 12, "      0.0000"},
      {-5.0e-13, 12, "      0.0000"},
      {1.0e-30, 12, "      0.0000"},
      {1.0e-12, 12, "  1.0000E-12"},  // the double 1.0E-12 is above 1.0E-12f
      // Lower end of F11.7 at T3.
      {1.0e-5, 12, "   0.0000100"},
      {std::nextafter(1.0e-5, 0.0), 12, "   0.0000100"},
      {t3, 12, "   0.0000100"},
      {std::nextafter(t3, 0.0), 12, "  1.0000E-05"},
      {-3.0e-7, 12, " -3.0000E-07"},
      // F11.7 up to T2, F11.5 above it.
      {0.001, 12, "   0.0010000"},
      {std::nextafter(0.001, up), 12, "   0.0010000"},
      {t2, 12, "   0.0010000"},
      {std::nextafter(t2, up), 12, "     0.00100"},
      {0.5, 12, "     0.50000"},
      {-0.5, 12, "    -0.50000"},
      // F11.5 up to 10000, F11.0 above it.
      {10000.0, 12, " 10000.00000"},
      {std::nextafter(10000.0, 0.0), 12, " 10000.00000"},
      {std::nextafter(10000.0, up), 12, "      10000."},
      {12345.678, 12, "      12346."},
      // F11.0 up to T1 = 1.0E9 (10^9 - 1 rounds to 10^9 in single precision).
      {999999999.0, 12, "  999999999."},
      {1.0e9, 12, " 1000000000."},
      {std::nextafter(1.0e9, 0.0), 12, " 1000000000."},
      {std::nextafter(1.0e9, up), 12, "  1.0000E+09"},
      {2.5e15, 12, "  2.5000E+15"},
      // Negative values whose sign needs the separating blank take it.
      {-1.0e9, 12, "-1000000000."},
      {-10000.0, 12, "-10000.00000"},
      {-9999.5, 12, " -9999.50000"},
      // Not a number, whatever the width.
      {std::nan(""), 12, "  Not-a-Number"},
      {std::nan(""), 15, "  Not-a-Number"},
      // w = 10: T1 = 9999999 is exact, T2 = 0.1f, T3 = 0.001f.
      {9999999.0, 10, "  9999999."},
      {1.0e7, 10, "  1.00E+07"},
      {0.25, 10, "     0.250"},
      {0.05, 10, "   0.05000"},
      {0.0, 10, "      0.00"},
      // w = 15: 10^12 in single precision is 999999995904.
      {999999995904.0, 15, "  999999995904."},
      {1.0e12, 15, "  1.0000000E+12"},
      {0.0, 15, "      0.0000000"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(openLine([&](engine::Channel& ch) { Write_Report_Number(ch, c.value, c.width); }),
              c.expected)
        << "value " << c.value << " width " << c.width;
  }
}

TEST(WriteReportNumber, RejectsWidthsWithoutALayout) {
  engine::Channel channel;
  channel.captureInMemory();
  EXPECT_THROW(Write_Report_Number(channel, 1.0, 7), engine::InvariantBroken);
  EXPECT_THROW(Write_Report_Number(channel, 1.0, 31), engine::InvariantBroken);
}

TEST(WriteReportInteger, UsesWidthTenWhenTheWidthIsOutOfRangeAndWritesItBack) {
  struct Case {
    long long value;
    int width;
    const char* expected;
    int widthAfter;
  };
  const Case cases[] = {
      {7, 0, "         7", 10},         {7, -3, "         7", 10}, {7, 17, "         7", 10},
      {-5, 16, "              -5", 16}, {42, 3, " 42", 3},         {123, 2, "**", 2},
  };
  for (const Case& c : cases) {
    int width = c.width;
    EXPECT_EQ(openLine([&](engine::Channel& ch) { Write_Report_Integer(ch, c.value, width); }),
              c.expected);
    EXPECT_EQ(width, c.widthAfter);
  }
}

TEST(ReportTextWriters, WriteTheirFields) {
  struct Case {
    std::string written;
    std::string expected;
  };
  const Case cases[] = {
      {openLine([](engine::Channel& ch) { Write_Report_Text10(ch, "SoftClay  extra"); }),
       "SoftClay  "},
      {openLine([](engine::Channel& ch) { Write_Report_Text10(ch, "Sand"); }), "Sand      "},
      {openLine([](engine::Channel& ch) { Write_Report_Blanks(ch, 3); }), "   "},
      {openLine([](engine::Channel& ch) { Write_Criterion_Name(ch, 4); }),
       "Stiff Clay w/o Free Water, using k"},
      {openLine([](engine::Channel& ch) { Write_Criterion_Name(ch, 1); }),
       "Soft Clay                         "},
      {openLine([](engine::Channel& ch) { Write_Criterion_Name(ch, 17); }),
       "Frozen Soil                       "},
      {openLine([](engine::Channel& ch) { Write_Criterion_Name(ch, 18); }), std::string(34, ' ')},
  };
  for (const Case& c : cases) EXPECT_EQ(c.written, c.expected);
}

TEST(ReportTextWriters, Text8AndEndLineCloseTheLine) {
  engine::Channel channel;
  channel.captureInMemory();
  Write_Report_Text8(channel, "API Sand  ");
  Write_Report_Text8(channel, "ab");
  End_Report_Line(channel);
  Write_Report_Blanks(channel, 2);
  Write_Report_Blanks(channel, 0);
  End_Report_Line(channel);
  EXPECT_FALSE(channel.lineOpen());
  EXPECT_EQ(channel.text(), "API Sand\nab      \n\n  \n");
}

TEST(ReportTextWriters, CriterionNamesFitTheirField) {
  ASSERT_EQ(CriterionName.size(), 18u);
  for (std::size_t code = 1; code < CriterionName.size(); ++code) {
    EXPECT_FALSE(CriterionName[code].empty());
    EXPECT_LE(CriterionName[code].size(), static_cast<std::size_t>(kCriterionNameWidth));
  }
  EXPECT_EQ(CriterionName[5], "Sand (Reese, et al.)");
  EXPECT_EQ(CriterionName[15], "Soft Clay with User-defined J");
}

TEST(LabelledValues, PutTheEqualsSignAtColumn56) {
  struct Case {
    std::string written;
    std::string expected;
  };
  engine::Channel channel;
  channel.captureInMemory();
  auto line = [&](auto writer) {
    channel.rewind();
    writer();
    return channel.text();
  };
  const Case cases[] = {
      {line([&] { writeLabelledValue(channel, "Pile Diameter", "F12.3", 24.0, "in "); }),
       "Pile Diameter" + std::string(42, ' ') + "=       24.000 in \n"},
      {line([&] { writeLabelledValue(channel, "Soil Layer Number", "I12", 3); }),
       "Soil Layer Number" + std::string(38, ' ') + "=            3\n"},
      {line([&] { writeLabelledNumber(channel, "Maximum", 0.5, 12, "in"); }),
       "Maximum" + std::string(48, ' ') + "=      0.50000 in\n"},
      {line([&] { writeLabelledNumber(channel, "Load", 2.5e15, 12); }),
       "Load" + std::string(51, ' ') + "=   2.5000E+15\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.written, c.expected);
    EXPECT_EQ(c.written.find("= "), 55u);  // column 56
  }
}

// Single-precision constants carried in double precision have the float's value.
TEST(SinglePrecision, ConstantsKeepTheirFloatValue) {
  struct Case {
    double held;
    double expected;
  };
  const Case cases[] = {
      {sp(0.0075f), 0.007499999832361937},
      {sp(1.0e-6f), 9.999999974752427e-07},
      {sp(2.54e-8f), 2.5400000325248584e-08},
      {sp(0.5f), 0.5},
  };
  for (const Case& c : cases) EXPECT_EQ(c.held, c.expected);
}

}  // namespace
}  // namespace quarn::output
