#include "engine/messages.h"
#include "output/format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace quarn::output {

namespace {

// Limits of a single field. Wider fields never occur in the engine's layouts;
// the limits keep the digit buffer below a fixed size.
constexpr int kMaxWidth = 255;
constexpr int kMaxDecimals = 100;
// Largest text printf can produce for a double within the limits above: 309
// integer digits, sign, point, 100 decimals.
constexpr int kDigitBuffer = 512;

[[noreturn]] void badFormat(std::string_view format, std::string_view what) {
  engine::failInvariant("format " + std::string(format) + ": " + std::string(what));
}

// ---------------------------------------------------------------------------
// Layer 2: place a field. The digit sources below hand over the shortest text
// of a value; this puts it right-justified into its width or fills the width
// with asterisks when it does not fit.

void appendPadded(std::string& out, std::string_view text, int width) {
  const auto w = static_cast<std::size_t>(width);
  if (text.size() > w) {
    out.append(w, '*');
    return;
  }
  out.append(w - text.size(), ' ');
  out.append(text);
}

// Infinity and NaN in an F or ES field: the longest spelling that fits.
void appendNonFinite(std::string& out, double value, int width) {
  if (std::isnan(value)) {
    appendPadded(out, "NaN", width);
    return;
  }
  const bool negative = value < 0;
  if (width >= (negative ? 9 : 8)) {
    appendPadded(out, negative ? "-Infinity" : "Infinity", width);
  } else {
    appendPadded(out, negative ? "-Inf" : "Inf", width);
  }
}

void checkRealField(int width, int decimals) {
  if (width <= 0 || width > kMaxWidth || decimals < 0 || decimals > kMaxDecimals) {
    engine::failInvariant("real field width " + std::to_string(width) + " decimals " +
                                std::to_string(decimals) + " out of range");
  }
}

// ---------------------------------------------------------------------------
// Layer 1: digit sources. printf rounds the exact binary value to nearest,
// ties to even, and writes '-' for every value with the sign bit set.

void appendFixed(std::string& out, double value, int width, int decimals) {
  checkRealField(width, decimals);
  if (!std::isfinite(value)) {
    appendNonFinite(out, value, width);
    return;
  }
  char buffer[kDigitBuffer];
  // '#' keeps the decimal point when there are no decimals ("3.").
  const int length = std::snprintf(buffer, sizeof buffer, "%#.*f", decimals, value);
  std::string_view text(buffer, static_cast<std::size_t>(length));
  if (text.size() > static_cast<std::size_t>(width) && decimals > 0) {
    // The zero before the point of a value below 1 is optional: drop it when
    // the field is one column short ("-0.5" becomes "-.5" in F3.1).
    const std::size_t zero = text.front() == '-' ? 1 : 0;
    if (text[zero] == '0' && text[zero + 1] == '.') {
      std::copy_backward(buffer, buffer + zero, buffer + zero + 1);
      text.remove_prefix(1);
    }
  }
  appendPadded(out, text, width);
}

void appendScientific(std::string& out, double value, int width, int decimals) {
  checkRealField(width, decimals);
  if (!std::isfinite(value)) {
    appendNonFinite(out, value, width);
    return;
  }
  char buffer[kDigitBuffer];
  const int length = std::snprintf(buffer, sizeof buffer, "%#.*e", decimals, value);
  const std::string_view digits(buffer, static_cast<std::size_t>(length));
  const std::size_t e = digits.find('e');
  const int exponent = std::atoi(buffer + e + 1);
  const int magnitude = std::abs(exponent);

  char field[kDigitBuffer];
  std::size_t n = digits.copy(field, e);
  // Two exponent digits after "E"; a three-digit exponent takes the place of
  // the letter (doubles reach 10^-324 at most, so three digits always do).
  if (magnitude <= 99) field[n++] = 'E';
  field[n++] = exponent < 0 ? '-' : '+';
  if (magnitude > 99) field[n++] = static_cast<char>('0' + magnitude / 100);
  field[n++] = static_cast<char>('0' + magnitude / 10 % 10);
  field[n++] = static_cast<char>('0' + magnitude % 10);
  appendPadded(out, std::string_view(field, n), width);
}

// width 0 is the minimal width (I0).
void appendInteger(std::string& out, long long value, int width, int minDigits) {
  if (width < 0 || width > kMaxWidth || minDigits < 0 || minDigits > kMaxWidth) {
    engine::failInvariant("integer field width " + std::to_string(width) + " digits " +
                                std::to_string(minDigits) + " out of range");
  }
  // Magnitude as unsigned so the most negative value is handled too.
  const unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                                 : static_cast<unsigned long long>(value);
  char digits[24];
  std::size_t count = 0;
  if (magnitude != 0 || minDigits > 0) {
    count = static_cast<std::size_t>(std::to_chars(digits, digits + sizeof digits, magnitude).ptr -
                                     digits);
  }
  char field[kMaxWidth + 32];
  std::size_t n = 0;
  if (value < 0) field[n++] = '-';
  for (std::size_t z = count; z < static_cast<std::size_t>(minDigits); ++z) field[n++] = '0';
  std::copy(digits, digits + count, field + n);
  n += count;
  if (width == 0) {
    // I0.0 of zero: a single blank, so the field never vanishes.
    if (n == 0) field[n++] = ' ';
    out.append(field, n);
  } else {
    appendPadded(out, std::string_view(field, n), width);
  }
}

void appendLogical(std::string& out, bool value, int width) {
  if (width <= 0 || width > kMaxWidth) engine::failInvariant("logical field width");
  appendPadded(out, value ? "T" : "F", width);
}

// Aw: the leading w characters, padded with blanks on the right. The engine's
// texts are fixed-length fields whose unused part is blank, so a short value
// fills its field from the left.
void appendText(std::string& out, std::string_view text, int width) {
  if (width < 0) {
    out.append(text);
    return;
  }
  const auto w = static_cast<std::size_t>(width);
  out.append(text.substr(0, w));
  if (text.size() < w) out.append(w - text.size(), ' ');
}

// ---------------------------------------------------------------------------
// The interpreter: walks the format string item by item, producing records.

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}
char upper(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// Receives the finished lines of a write.
class RecordSink {
 public:
  virtual ~RecordSink() = default;
  virtual void endRecord(std::string_view line) = 0;
};

class Interpreter {
 public:
  Interpreter(std::string_view format, std::span<const FormatValue> values, RecordSink& sink)
      : format_(format), values_(values), sink_(sink) {}

  // Runs the format; the last line is left in line() for the caller.
  void run() {
    std::size_t begin = 0;
    std::size_t end = format_.size();
    trimOuterParentheses(begin, end);
    const std::size_t reversion = findReversionPoint(begin, end);
    const bool hasData = containsDataDescriptor(begin, end);

    runItems(begin, end);
    while (!stop_ && next_ < values_.size()) {
      if (!hasData) badFormat(format_, "more values than edit descriptors");
      endRecord();
      const std::size_t before = next_;
      runItems(reversion, end);
      if (next_ == before) badFormat(format_, "repeated part takes no values");
    }
  }

  std::string_view line() const { return line_; }
  bool lineLeftOpen() const { return dollar_; }

 private:
  // ----- parsing helpers

  std::size_t skipQuoted(std::size_t p) const {
    const char quote = format_[p];
    ++p;
    while (p < format_.size()) {
      if (format_[p] == quote) {
        if (p + 1 < format_.size() && format_[p + 1] == quote) {
          p += 2;
          continue;
        }
        return p + 1;
      }
      ++p;
    }
    badFormat(format_, "unterminated text");
  }

  // Position of the ')' that closes the '(' at p.
  std::size_t matchingParenthesis(std::size_t p, std::size_t end) const {
    int depth = 0;
    while (p < end) {
      const char c = format_[p];
      if (c == '"' || c == '\'') {
        p = skipQuoted(p);
        continue;
      }
      if (c == '(') ++depth;
      if (c == ')' && --depth == 0) return p;
      ++p;
    }
    badFormat(format_, "unbalanced parentheses");
  }

  static bool isBlankOrComma(char c) { return c == ' ' || c == ',' || c == '\t'; }

  void trimOuterParentheses(std::size_t& begin, std::size_t& end) const {
    while (begin < end && isBlankOrComma(format_[begin])) ++begin;
    while (end > begin && isBlankOrComma(format_[end - 1])) --end;
    if (begin < end && format_[begin] == '(' && matchingParenthesis(begin, end) == end - 1) {
      ++begin;
      --end;
    }
  }

  // Start (repeat count included) of the last group at the top level, or the
  // start of the format when it has none.
  std::size_t findReversionPoint(std::size_t begin, std::size_t end) const {
    std::size_t reversion = begin;
    std::size_t p = begin;
    while (p < end) {
      const char c = format_[p];
      if (c == '"' || c == '\'') {
        p = skipQuoted(p);
      } else if (c == '(') {
        std::size_t start = p;
        while (start > begin && isDigit(format_[start - 1])) --start;
        reversion = start;
        p = matchingParenthesis(p, end) + 1;
      } else {
        ++p;
      }
    }
    return reversion;
  }

  bool containsDataDescriptor(std::size_t begin, std::size_t end) const {
    std::size_t p = begin;
    while (p < end) {
      const char c = upper(format_[p]);
      if (c == '"' || c == '\'') {
        p = skipQuoted(p);
        continue;
      }
      if (c == 'I' || c == 'F' || c == 'E' || c == 'A' || c == 'L') return true;
      p += c == 'T' ? 2 : 1;  // the L or R of TLn / TRn is no descriptor
    }
    return false;
  }

  // Reads an unsigned number at p; -1 when there is none.
  int readNumber(std::size_t& p, std::size_t end) const {
    if (p >= end || !isDigit(format_[p])) return -1;
    long n = 0;
    while (p < end && isDigit(format_[p])) {
      n = n * 10 + (format_[p] - '0');
      if (n > 100000) badFormat(format_, "number too large");
      ++p;
    }
    return static_cast<int>(n);
  }

  int requireNumber(std::size_t& p, std::size_t end) const {
    const int n = readNumber(p, end);
    if (n < 0) badFormat(format_, "edit descriptor without its width");
    return n;
  }

  // ----- output helpers

  void put(std::string_view text) {
    if (position_ == line_.size()) {
      line_.append(text);
    } else {
      // After a tab to the left, later output overwrites the line.
      const std::size_t overlap = std::min(text.size(), line_.size() - position_);
      line_.replace(position_, overlap, text.substr(0, overlap));
      line_.append(text.substr(overlap));
    }
    position_ += text.size();
  }

  void moveTo(std::size_t position) {
    position_ = position;
    if (position_ > line_.size()) line_.resize(position_, ' ');
  }

  void endRecord() {
    sink_.endRecord(line_);
    line_.clear();
    position_ = 0;
  }

  bool valuesLeft() const { return next_ < values_.size(); }

  // ----- items

  // Runs the items of format_[begin, end); sets stop_ when a data descriptor
  // finds no value left.
  void runItems(std::size_t begin, std::size_t end) {
    std::size_t p = begin;
    while (p < end && !stop_) {
      if (isBlankOrComma(format_[p])) {
        ++p;
        continue;
      }
      const int count = readNumber(p, end);
      const int repeat = count < 0 ? 1 : count;
      if (p >= end) badFormat(format_, "repeat count without an item");
      const char c = upper(format_[p]);
      switch (c) {
        case '(': {
          const std::size_t close = matchingParenthesis(p, end);
          for (int r = 0; r < repeat && !stop_; ++r) runItems(p + 1, close);
          p = close + 1;
          break;
        }
        case '"':
        case '\'': {
          const std::size_t after = skipQuoted(p);
          for (int r = 0; r < repeat; ++r) putQuoted(p + 1, after - 1, format_[p]);
          p = after;
          break;
        }
        case '/':
          for (int r = 0; r < repeat; ++r) endRecord();
          ++p;
          break;
        case '$':
        case '\\':
          dollar_ = true;
          ++p;
          break;
        case ':':
          if (!valuesLeft()) stop_ = true;
          ++p;
          break;
        case 'X':
          moveTo(position_ + static_cast<std::size_t>(repeat));
          ++p;
          break;
        case 'T':
          ++p;
          tab(p, end);
          break;
        case ')':
          badFormat(format_, "unbalanced parentheses");
        default:
          p = dataItem(p, end, repeat);
          break;
      }
    }
  }

  void putQuoted(std::size_t begin, std::size_t end, char quote) {
    std::size_t p = begin;
    while (p < end) {
      std::size_t q = format_.find(quote, p);
      if (q >= end) q = end;
      put(format_.substr(p, q - p));
      if (q < end) put(format_.substr(q, 1));  // a doubled quote stands for one
      p = q + 2;
    }
  }

  void tab(std::size_t& p, std::size_t end) {
    const char direction = p < end ? upper(format_[p]) : '\0';
    if (direction == 'L' || direction == 'R') ++p;
    const int n = requireNumber(p, end);
    if (direction == 'L') {
      position_ -= std::min(position_, static_cast<std::size_t>(n));
    } else if (direction == 'R') {
      moveTo(position_ + static_cast<std::size_t>(n));
    } else {
      if (n < 1) badFormat(format_, "T needs a column of 1 or more");
      moveTo(static_cast<std::size_t>(n - 1));
    }
  }

  enum class Descriptor { kInteger, kFixed, kScientific, kText, kLogical };

  // Parses a data edit descriptor at p and writes `repeat` values with it.
  std::size_t dataItem(std::size_t p, std::size_t end, int repeat) {
    Descriptor descriptor{};
    int width = -1;
    int digits = -1;
    switch (upper(format_[p])) {
      case 'I':
        descriptor = Descriptor::kInteger;
        ++p;
        width = requireNumber(p, end);
        if (p < end && format_[p] == '.') {
          ++p;
          digits = requireNumber(p, end);
        }
        break;
      case 'F':
        descriptor = Descriptor::kFixed;
        ++p;
        width = requireNumber(p, end);
        if (p >= end || format_[p] != '.') badFormat(format_, "F needs w.d");
        ++p;
        digits = requireNumber(p, end);
        break;
      case 'E':
        ++p;
        if (p >= end || upper(format_[p]) != 'S') badFormat(format_, "only ES is supported");
        descriptor = Descriptor::kScientific;
        ++p;
        width = requireNumber(p, end);
        if (p >= end || format_[p] != '.') badFormat(format_, "ES needs w.d");
        ++p;
        digits = requireNumber(p, end);
        break;
      case 'A':
        descriptor = Descriptor::kText;
        ++p;
        width = readNumber(p, end);
        break;
      case 'L':
        descriptor = Descriptor::kLogical;
        ++p;
        width = requireNumber(p, end);
        break;
      default:
        badFormat(format_, "unknown edit descriptor '" + std::string(1, format_[p]) + "'");
    }
    for (int r = 0; r < repeat; ++r) {
      if (!valuesLeft()) {
        stop_ = true;
        break;
      }
      writeValue(values_[next_++], descriptor, width, digits);
    }
    return p;
  }

  void writeValue(const FormatValue& value, Descriptor descriptor, int width, int digits) {
    using Kind = FormatValue::Kind;
    field_.clear();
    switch (descriptor) {
      case Descriptor::kInteger:
        if (value.kind() != Kind::kInteger) badFormat(format_, "I needs an integer value");
        appendInteger(field_, value.integer(), width, digits < 0 ? 1 : digits);
        break;
      case Descriptor::kFixed:
      case Descriptor::kScientific:
        if (value.kind() != Kind::kReal && value.kind() != Kind::kInteger) {
          badFormat(format_, "F and ES need a number");
        }
        if (descriptor == Descriptor::kFixed) {
          appendFixed(field_, value.real(), width, digits);
        } else {
          appendScientific(field_, value.real(), width, digits);
        }
        break;
      case Descriptor::kText:
        if (value.kind() != Kind::kText) badFormat(format_, "A needs a text value");
        appendText(field_, value.text(), width);
        break;
      case Descriptor::kLogical:
        if (value.kind() != Kind::kLogical) badFormat(format_, "L needs a logical value");
        appendLogical(field_, value.logical(), width);
        break;
    }
    put(field_);
  }

  std::string_view format_;
  std::span<const FormatValue> values_;
  RecordSink& sink_;
  std::size_t next_ = 0;
  bool stop_ = false;
  bool dollar_ = false;
  std::string line_;
  std::size_t position_ = 0;
  std::string field_;
};

class StringSink final : public RecordSink {
 public:
  explicit StringSink(std::string& out) : out_(out) {}
  void endRecord(std::string_view line) override {
    out_.append(line);
    out_.push_back('\n');
  }

 private:
  std::string& out_;
};

class ChannelSink final : public RecordSink {
 public:
  explicit ChannelSink(engine::Channel& channel) : channel_(channel) {}
  void endRecord(std::string_view line) override {
    channel_.put(line);
    channel_.endLine();
  }

 private:
  engine::Channel& channel_;
};

}  // namespace

std::string formatValues(std::string_view format, std::span<const FormatValue> values) {
  std::string out;
  StringSink sink(out);
  Interpreter interpreter(format, values, sink);
  interpreter.run();
  out.append(interpreter.line());
  return out;
}

std::string formatLine(std::string_view format, std::initializer_list<FormatValue> values) {
  return formatValues(format, std::span<const FormatValue>(values.begin(), values.size()));
}

void writeValues(engine::Channel& channel, std::string_view format,
                 std::span<const FormatValue> values) {
  ChannelSink sink(channel);
  Interpreter interpreter(format, values, sink);
  interpreter.run();
  channel.put(interpreter.line());
  if (!interpreter.lineLeftOpen()) channel.endLine();
}

void write(engine::Channel& channel, std::string_view format,
           std::initializer_list<FormatValue> values) {
  writeValues(channel, format, std::span<const FormatValue>(values.begin(), values.size()));
}

std::string formatFixed(double value, int width, int decimals) {
  std::string out;
  appendFixed(out, value, width, decimals);
  return out;
}

std::string formatScientific(double value, int width, int decimals) {
  std::string out;
  appendScientific(out, value, width, decimals);
  return out;
}

std::string formatInteger(long long value, int width, int minDigits) {
  if (width <= 0) engine::failInvariant("integer field width must be positive");
  std::string out;
  appendInteger(out, value, width, minDigits);
  return out;
}

std::string formatMinimalInteger(long long value) {
  std::string out;
  appendInteger(out, value, 0, 1);
  return out;
}

std::string formatLogical(bool value, int width) {
  std::string out;
  appendLogical(out, value, width);
  return out;
}

std::string formatText(std::string_view text, int width) {
  std::string out;
  appendText(out, text, width);
  return out;
}

}  // namespace quarn::output
