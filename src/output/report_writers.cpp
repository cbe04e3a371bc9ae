#include "output/report_writers.h"

#include <cmath>
#include <string>

#include "engine/messages.h"
#include "engine/single_precision.h"

namespace quarn::output {

namespace {

// 10^n in single precision: the positive power by exact float products, a
// negative one as its correctly rounded reciprocal, as the single-precision
// integer power of a float gives it (the digits of ES fields depend on it).
float powerOfTenSingle(int n) {
  float power = 1.0f;
  for (int i = 0; i < std::abs(n); ++i) power *= 10.0f;
  return n < 0 ? 1.0f / power : power;
}

constexpr int kMinNumberWidth = 8;  // F(w-1).(w-8) needs w >= 8
constexpr int kMaxNumberWidth = 30;
constexpr int kDefaultIntegerWidth = 10;
constexpr int kMaxIntegerWidth = 16;

}  // namespace

void Write_Report_Number(engine::Channel& report, double v, int w) {
  if (w < kMinNumberWidth || w > kMaxNumberWidth) {
    engine::failInvariant("Write_Report_Number width " + std::to_string(w));
  }
  // Values below 1.0E-12 are noise of the arithmetic and print as zero.
  if (std::fabs(v) < sp(1.0e-12f)) v = 0.0;
  // Thresholds in single precision: for w = 12, T1 = 10^9 - 1 rounds to 10^9.
  const float t1 = powerOfTenSingle(w - 3) - 1.0f;
  const float t2 = powerOfTenSingle(9 - w);
  const float t3 = powerOfTenSingle(7 - w);
  const double a = std::fabs(v);
  const int field = w - 1;

  // A negative value whose sign needs the separating blank (-10000.00000 or
  // -1000000000. at w = 12) takes it, instead of filling its field with asterisks.
  const auto fixed = [&](int decimals) {
    std::string text(1, ' ');
    text += formatFixed(v, field, decimals);
    if (v < 0.0 && text[1] == '*') return formatFixed(v, w, decimals);
    return text;
  };
  std::string text(1, ' ');
  if (v == 0.0 || a < sp(1.0e-25f)) {
    text += formatFixed(0.0, field, w - 8);
  } else if (a > t1) {
    text += formatScientific(v, field, w - 8);
  } else if (a > 10000.0) {
    text = fixed(0);
  } else if (a > t2) {
    text = fixed(w - 7);
  } else if (a >= t3) {
    text = fixed(w - 5);
  } else if (a < t3) {
    text += formatScientific(v, field, w - 8);
  } else {
    text = "  Not-a-Number";  // every comparison fails only for NaN
  }
  report.put(text);
}

void Write_Report_Integer(engine::Channel& report, long long n, int& w) {
  if (w <= 0 || w > kMaxIntegerWidth) w = kDefaultIntegerWidth;
  report.put(formatInteger(n, w));
}

void End_Report_Line(engine::Channel& report) {
  report.endLine();
}

void Write_Report_Blanks(engine::Channel& report, int n) {
  if (n > 0) report.put(std::string(static_cast<std::size_t>(n), ' '));
}

void Write_Report_Text8(engine::Channel& report, std::string_view s) {
  report.line(formatText(s, 8));
}

void Write_Report_Text10(engine::Channel& report, std::string_view s) {
  report.put(formatText(s, 10));
}

void Write_Criterion_Name(engine::Channel& report, int code) {
  // Codes without a display name (the unused codes 18 to 20 never reach a
  // layer) keep the 34 columns blank so that what follows stays in place.
  const bool named = code >= 1 && code < static_cast<int>(CriterionName.size());
  report.put(
      formatText(named ? CriterionName[static_cast<std::size_t>(code)] : "", kCriterionNameWidth));
}

void writeLabelledValue(engine::Channel& report, std::string_view label,
                        std::string_view valueDescriptor, const FormatValue& value,
                        std::string_view unit) {
  std::string format = "(A, T" + std::to_string(kLabelValueColumn) + ", \"= \", ";
  format += valueDescriptor;
  if (unit.empty()) {
    format += ")";
    const FormatValue values[] = {FormatValue(label), value};
    writeValues(report, format, values);
  } else {
    format += ", 1X, A)";
    const FormatValue values[] = {FormatValue(label), value, FormatValue(unit)};
    writeValues(report, format, values);
  }
}

void writeLabelledNumber(engine::Channel& report, std::string_view label, double value, int w,
                         std::string_view unit) {
  write(report, "(A, T56, \"= \", $)", {label});
  Write_Report_Number(report, value, w);
  if (unit.empty()) {
    End_Report_Line(report);
  } else {
    write(report, "(1X, A)", {unit});
  }
}

}  // namespace quarn::output
