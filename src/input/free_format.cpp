#include "input/free_format.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

#include "engine/limits.h"
#include "engine/messages.h"

namespace quarn::input {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
// Characters that end an unquoted item.
bool endsItem(char c) { return isBlank(c) || c == ',' || c == '/'; }

// One value of a list as written: its text, or a null value.
struct Token {
  bool null = false;
  bool quoted = false;
  std::string text;    // the value, quotes removed
  std::string source;  // the item as written, repeat count included
};

// Walks the lines of one list read. Separators follow the list-directed
// rules: blanks and the end of a line separate values; a comma with blanks
// around it (or at the end of a line) is one separator; a second comma
// before the next value makes a null value.
class ListScanner {
 public:
  ListScanner(const LineSource& nextLine, ListReadResult& result)
      : nextLine_(nextLine), result_(result) {}

  bool start() { return fetch(); }

  enum class Next { kValue, kSlash, kEndOfInput, kBadRepeat };

  // Finds the next value; a pending repeat is used first.
  Next next(Token& token) {
    if (repeatLeft_ > 0) {
      --repeatLeft_;
      token = repeated_;
      return Next::kValue;
    }
    for (;;) {
      while (pos_ < line_.size() && isBlank(line_[pos_])) ++pos_;
      if (pos_ >= line_.size()) {
        if (!fetch()) return Next::kEndOfInput;
        continue;
      }
      const char c = line_[pos_];
      if (c == ',') {
        ++pos_;
        if (atStart_ || commaSeen_) {
          token = Token{};
          token.null = true;
          atStart_ = false;
          commaSeen_ = true;
          return Next::kValue;
        }
        commaSeen_ = true;
        continue;
      }
      if (c == '/') return Next::kSlash;
      if (!scanValue(token)) return Next::kBadRepeat;
      startSeparator();
      return Next::kValue;
    }
  }

  const std::string& line() const { return line_; }

 private:
  bool fetch() {
    if (!nextLine_(line_)) return false;
    ++result_.linesUsed;
    pos_ = 0;
    return true;
  }

  // End of the unquoted item that begins at `from`.
  std::size_t itemEnd(std::size_t from) const {
    std::size_t end = from;
    while (end < line_.size() && !endsItem(line_[end])) ++end;
    return end;
  }

  // Reads a value (with its repeat count) at pos_. False for a repeat count
  // of zero or one too large for an integer; the token then holds the item
  // as written.
  bool scanValue(Token& token) {
    token = Token{};
    const std::size_t begin = pos_;
    std::size_t digitsEnd = pos_;
    while (digitsEnd < line_.size() && isDigit(line_[digitsEnd])) ++digitsEnd;
    if (digitsEnd > pos_ && digitsEnd < line_.size() && line_[digitsEnd] == '*') {
      const std::optional<int> count =
          parseInteger(std::string_view(line_).substr(pos_, digitsEnd - pos_));
      if (!count || *count < 1) {
        token.source = line_.substr(begin, itemEnd(begin) - begin);
        return false;
      }
      pos_ = digitsEnd + 1;
      if (pos_ >= line_.size() || endsItem(line_[pos_])) {
        token.null = true;  // r*: r null values
      } else {
        scanPlainValue(token);
      }
      token.source = line_.substr(begin, pos_ - begin);
      repeatLeft_ = *count - 1;
      repeated_ = token;
      return true;
    }
    scanPlainValue(token);
    token.source = line_.substr(begin, pos_ - begin);
    return true;
  }

  void scanPlainValue(Token& token) {
    const char c = line_[pos_];
    if (c == '\'' || c == '"') {
      token.quoted = true;
      ++pos_;
      while (pos_ < line_.size()) {
        if (line_[pos_] == c) {
          if (pos_ + 1 < line_.size() && line_[pos_ + 1] == c) {
            token.text.push_back(c);
            pos_ += 2;
            continue;
          }
          ++pos_;
          break;
        }
        token.text.push_back(line_[pos_++]);
      }
      // Characters glued to the closing quote belong to no item.
      pos_ = itemEnd(pos_);
      return;
    }
    const std::size_t end = itemEnd(pos_);
    token.text = line_.substr(pos_, end - pos_);
    pos_ = end;
  }

  // After a value a new separator begins; its blanks and its first comma are
  // taken by the next call of next().
  void startSeparator() {
    atStart_ = false;
    commaSeen_ = false;
  }

  const LineSource& nextLine_;
  ListReadResult& result_;
  std::string line_;
  std::size_t pos_ = 0;
  bool atStart_ = true;     // nothing read yet: a comma here is a null value
  bool commaSeen_ = false;  // the separator since the last value holds a comma
  int repeatLeft_ = 0;
  Token repeated_;
};

void fail(ListReadResult& result, const ListScanner& scanner, const Token& token,
          const ValueForm& form) {
  result.status = ListReadStatus::kBadValue;
  result.line = scanner.line();
  result.item = token.source;
  result.form = form;
}

// Stores a token in its target. False when it is not a valid value there.
bool store(const ListItem& item, const Token& token, ValueForm& form) {
  if (token.null) return true;
  if (int* const* target = std::get_if<int*>(&item)) {
    form = kIntegerForm;
    const std::optional<int> value = token.quoted ? std::nullopt : parseInteger(token.text);
    if (!value) return false;
    **target = *value;
  } else if (double* const* target = std::get_if<double*>(&item)) {
    form = kRealForm;
    const std::optional<double> value = token.quoted ? std::nullopt : parseReal(token.text);
    if (!value) return false;
    **target = *value;
  } else {
    const TextItem& text = std::get<TextItem>(item);
    text.value->assign(token.text, 0, text.width);
  }
  return true;
}

// The line as shown in a message: the 256 columns of a text line, trailing
// blanks removed.
std::string shownLine(std::string_view line) {
  std::string shown(line.substr(0, kTextLineLength));
  const std::size_t last = shown.find_last_not_of(' ');
  shown.resize(last == std::string::npos ? 0 : last + 1);
  return shown;
}

}  // namespace

std::optional<int> parseInteger(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  std::size_t first = (!text.empty() && text.front() == '-') ? 1 : 0;
  if (text.size() == first) return std::nullopt;
  for (std::size_t i = first; i < text.size(); ++i) {
    if (!isDigit(text[i])) return std::nullopt;
  }
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<double> parseReal(std::string_view text) {
  // [sign] (digits [. [digits]] | . digits) [(E|e|D|d) [sign] digits]
  std::string number;
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') number.push_back('-');
    ++i;
  }
  int mantissaDigits = 0;
  while (i < text.size() && isDigit(text[i])) {
    number.push_back(text[i++]);
    ++mantissaDigits;
  }
  if (i < text.size() && text[i] == '.') {
    number.push_back(text[i++]);
    while (i < text.size() && isDigit(text[i])) {
      number.push_back(text[i++]);
      ++mantissaDigits;
    }
  }
  if (mantissaDigits == 0) return std::nullopt;
  if (i < text.size()) {
    const char e = text[i];
    if (e != 'E' && e != 'e' && e != 'D' && e != 'd') return std::nullopt;
    number.push_back('e');
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) number.push_back(text[i++]);
    int exponentDigits = 0;
    while (i < text.size() && isDigit(text[i])) {
      number.push_back(text[i++]);
      ++exponentDigits;
    }
    if (exponentDigits == 0 || i != text.size()) return std::nullopt;
  }
  double value = 0.0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  // A value outside the range of a double (1E400, 1E-400) is no usable number.
  if (end != number.data() + number.size()) return std::nullopt;
  if (error != std::errc{} || !std::isfinite(value)) return std::nullopt;
  return value;
}

ListReadResult parseList(const LineSource& nextLine, std::span<const ListItem> items) {
  ListReadResult result;
  ListScanner scanner(nextLine, result);
  if (!scanner.start()) {
    result.status = ListReadStatus::kEndOfInput;
    return result;
  }
  for (const ListItem& item : items) {
    Token token;
    switch (scanner.next(token)) {
      case ListScanner::Next::kValue:
        break;
      case ListScanner::Next::kSlash:
        return result;
      case ListScanner::Next::kEndOfInput:
        result.status = ListReadStatus::kEndOfInput;
        return result;
      case ListScanner::Next::kBadRepeat:
        fail(result, scanner, token, kRepeatForm);
        return result;
    }
    ValueForm form;
    if (!store(item, token, form)) {
      fail(result, scanner, token, form);
      return result;
    }
  }
  return result;
}

ListReadResult parseList(std::span<const std::string> lines, std::span<const ListItem> items) {
  std::size_t next = 0;
  const LineSource source = [&](std::string& line) {
    if (next >= lines.size()) return false;
    line = lines[next++];
    return true;
  };
  return parseList(source, items);
}

void readList(engine::RunContext& ctx, std::initializer_list<ListItem> items) {
  const LineSource source = [&ctx](std::string& line) { return ctx.input.readLine(line); };
  const ListReadResult result = parseList(source, std::span<const ListItem>(items.begin(), items.size()));
  switch (result.status) {
    case ListReadStatus::kComplete:
      return;
    case ListReadStatus::kEndOfInput:
      stopOnEndOfInput(ctx);
    case ListReadStatus::kBadValue:
      stopOnBadValue(ctx, result.line, result.item, result.form);
  }
}

std::string readTextLine(engine::RunContext& ctx) {
  std::string line;
  if (!ctx.input.readLine(line)) stopOnEndOfInput(ctx);
  if (line.size() > static_cast<std::size_t>(kTextLineLength)) line.resize(kTextLineLength);
  return line;
}

bool matchesKeyword(std::string_view line, std::string_view keyword) {
  line = line.substr(0, kTextLineLength);
  if (line.substr(0, keyword.size()) != keyword) return false;
  return line.find_first_not_of(' ', keyword.size()) == std::string_view::npos;
}

void stopOnEndOfInput(engine::RunContext& ctx) {
  // Where the reader needs a line the file has none: the END line is missing,
  // or a section holds fewer data lines than its counts announce.
  const std::string problem = "The input data file ended after line " +
                              std::to_string(ctx.input.lineNumber()) +
                              " before its END line was read.";
  for (engine::Channel* channel : {&ctx.report, &ctx.messages}) {
    channel->emptyLines(2);
    channel->line("***** INPUT ERROR *****");
    channel->endLine();
    channel->line(problem);
    channel->line("A section may be missing data lines, or the file was cut short.");
    channel->emptyLines(2);
  }
  engine::stopRun(ctx, "INP00099", engine::kInputErrorBase + kUnrecognisedLineError);
}

void stopOnBadValue(engine::RunContext& ctx, std::string_view line, std::string_view item,
                    const ValueForm& form) {
  const std::string problem = "Problem:  Line " + std::to_string(ctx.input.lineNumber()) +
                              " of the input data file holds \"" + std::string(item) +
                              "\" where " + std::string(form.expected) + " is expected:";
  for (engine::Channel* channel : {&ctx.report, &ctx.messages}) {
    channel->emptyLines(2);
    channel->line("**** Input Data Error No. 90 ****");
    channel->endLine();
    channel->line(problem);
    channel->line(shownLine(line));
    channel->line("Solution: Correct the value in this line of the input data file.");
    channel->line("          " + std::string(form.rule));
    channel->endLine();
  }
  engine::stopRun(ctx, "INP00090", engine::kInputErrorBase + kBadValueError);
}

}  // namespace quarn::input
