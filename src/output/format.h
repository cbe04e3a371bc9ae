// Fortran-style fixed-format output. Every report, plot and message line of the
// engine is written through this formatter, so the edit descriptors behave the
// same everywhere.
//
// Format strings are written as the line layouts are described, for example
//   "(3ES15.7, T81, A, I0, \", AxLd#=\", I0)"
// Commas between items are optional; blanks outside quoted text are ignored;
// descriptor letters may be upper or lower case.
//
//   "text" 'text'  literal text (a doubled quote inside stands for one quote)
//   nX             n blanks (X alone is one blank)
//   Tn             continue at column n of the line, filling any gap with
//                  blanks; a later item overwrites what is already there.
//                  Columns count from where this write began, so a write that
//                  continues a line left open by $ tabs within its own part.
//   TLn, TRn       n columns left / right
//   /              end the line and start a new, empty one (n/ : n times)
//   $              leave the last line open: the next write continues it
//   :              stop here when no values remain
//   Iw, Iw.m, I0   integer right-justified in w columns (at least m digits,
//                  leading zeros added; Iw.0 writes zero as blanks); I0 is
//                  the minimal width
//   Fw.d           fixed point, d decimals; the zero before the decimal point
//                  of a value below 1 is written only when the width allows
//   ESw.d          scientific: one nonzero digit before the point, d
//                  decimals, then E, the exponent sign and two digits; an
//                  exponent of three digits drops the E (1.2345+100)
//   A, Aw          text in its full length, or in w columns (cut, or padded
//                  with blanks on the right)
//   Lw             T or F right-justified in w columns
//   n( ... )       the group repeated n times; a repeat count also applies to
//                  a single descriptor (3ES15.7)
//
// A number that does not fit its field is written as w asterisks. Negative
// values keep their sign even when they round to zero, and a negative zero is
// written with its sign (-0.0000), as Fortran compilers print them by default.
// Infinities and NaN are written as "Infinity", "Inf" or "NaN" (with "-" for
// negative infinity) right-justified, or asterisks when the field is too narrow.
//
// Rounding: decimal digits are those of the exact binary value of the double,
// rounded to nearest with ties to even (the C library's printf rounding). A tie
// can only occur when the binary value lies exactly halfway, e.g. 0.125 in F5.2
// gives " 0.12" and 0.375 gives " 0.38"; 2.675 (binary 2.67499999...) gives
// "2.67" in F4.2.
//
// Values and descriptors are matched in order. When a format is exhausted and
// values remain, output starts a new line and the format starts again from its
// last top-level group (with that group's repeat count), or from its start when
// it has no group. After the last value, literal text and positioning items are
// still written up to the next data descriptor or the end of the format.
//
// A malformed format, or a value whose kind does not suit its descriptor (text
// for I, a real for I), is a programming error: a broken invariant (runtime error 39).
// Integer values are accepted by F and ES.
#pragma once

#include <concepts>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "engine/channel.h"

namespace quarn::output {

// One value of a formatted write: an integer, a real, a logical or text. Text
// is held by reference; it must outlive the write (a temporary in the call is
// fine).
class FormatValue {
 public:
  enum class Kind { kInteger, kReal, kLogical, kText };

  FormatValue(bool value) : kind_(Kind::kLogical), logical_(value) {}
  template <std::integral T>
  requires(!std::same_as<T, bool> && !std::same_as<T, char>) FormatValue(T value)
      : kind_(Kind::kInteger), integer_(static_cast<long long>(value)) {}
  FormatValue(double value) : kind_(Kind::kReal), real_(value) {}
  FormatValue(const char* text) : kind_(Kind::kText), text_(text) {}
  FormatValue(std::string_view text) : kind_(Kind::kText), text_(text) {}
  FormatValue(const std::string& text) : kind_(Kind::kText), text_(text) {}
  FormatValue(char) = delete;  // ambiguous: a character or its code

  Kind kind() const { return kind_; }
  long long integer() const { return integer_; }
  double real() const { return kind_ == Kind::kInteger ? static_cast<double>(integer_) : real_; }
  bool logical() const { return logical_; }
  std::string_view text() const { return text_; }

 private:
  Kind kind_;
  long long integer_ = 0;
  double real_ = 0.0;
  bool logical_ = false;
  std::string_view text_;
};

// Formats the values; the lines are joined by '\n' (no '\n' after the last
// line). A $ in the format has no effect here.
std::string formatLine(std::string_view format, std::initializer_list<FormatValue> values);
std::string formatValues(std::string_view format, std::span<const FormatValue> values);

// Writes the values to a channel. The first line continues a line left open by
// an earlier $ write; the last line is ended unless the format reached a $.
void write(engine::Channel& channel, std::string_view format,
           std::initializer_list<FormatValue> values);
void writeValues(engine::Channel& channel, std::string_view format,
                 std::span<const FormatValue> values);

// Single fields, exactly as the descriptors above write them.
std::string formatFixed(double value, int width, int decimals);            // Fw.d
std::string formatScientific(double value, int width, int decimals);       // ESw.d
std::string formatInteger(long long value, int width, int minDigits = 1);  // Iw, Iw.m
std::string formatMinimalInteger(long long value);                         // I0
std::string formatLogical(bool value, int width);                          // Lw
std::string formatText(std::string_view text, int width);                  // Aw

}  // namespace quarn::output
