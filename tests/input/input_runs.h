// Runs of the engine on an input text written to a scratch folder, and the
// message blocks the readers are expected to write, spelled out as the
// engine's documentation gives them.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "run/run.h"
#include "engine/run_context.h"

namespace quarn::input::testing {

// A scratch folder removed at the end of its scope.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quarn_input_XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

inline void writeFile(const std::filesystem::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
}

inline std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

inline std::string joinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

struct RunOutcome {
  int code = -1;
  std::string report;
  std::string plot;
  std::string messages;
  std::unique_ptr<engine::RunContext> ctx;  // the model as the run left it
  bool inputRead() const { return messages.find("Input of data completed\n") != std::string::npos; }
};

// One run through the run sequence with the four files in a scratch folder.
inline RunOutcome runInput(const std::string& inputText) {
  ScratchFolder folder;
  RunFiles files;
  files.inputPath = (folder.path() / "case.qin").string();
  files.reportPath = (folder.path() / "case.rpt").string();
  files.plotPath = (folder.path() / "case.plt").string();
  files.messagePath = (folder.path() / "case.msg").string();
  writeFile(files.inputPath, inputText);
  RunOutcome outcome;
  outcome.ctx = engine::makeRunContext();
  outcome.code = run::runWithFiles(*outcome.ctx, files);
  outcome.report = readFile(files.reportPath);
  outcome.plot = readFile(files.plotPath);
  outcome.messages = readFile(files.messagePath);
  return outcome;
}

// The unrecognised-line block: the line shown as its 256-column field.
inline std::string unrecognisedBlock(const std::string& line) {
  std::string field = line.substr(0, 256);
  field.resize(256, ' ');
  return "\n\n***** INPUT ERROR *****\n\nThe following line is unrecognized or is out-of-order\n\n" +
         field + "\n\n\n";
}

// Lines raiseError adds to the report for input error `number`.
inline std::string prematureEnd(int number) {
  const std::string digits = (number < 10 ? "0" : "") + std::to_string(number);
  return "\n\nQuarn ended prematurely due to input error number INP000" + digits + "\n";
}

// The closing line of a run stopped on input error `number`.
inline std::string closingLine(int number) {
  return "\nThe analysis ended due to input error No. " + std::to_string(number) + ".\n\n";
}

// The block for a file that ends before its END line was read.
inline std::string endedEarlyBlock(int lastLine) {
  return "\n\n***** INPUT ERROR *****\n\nThe input data file ended after line " +
         std::to_string(lastLine) +
         " before its END line was read.\nA section may be missing data lines, or the file was "
         "cut short.\n\n\n";
}

// The block for an item that is not a valid number.
inline std::string badValueBlock(int lineNumber, const std::string& item,
                                 const std::string& expected, const std::string& line,
                                 const std::string& rule) {
  return "\n\n**** Input Data Error No. 90 ****\n\nProblem:  Line " + std::to_string(lineNumber) +
         " of the input data file holds \"" + item + "\" where " + expected + " is expected:\n" +
         line + "\nSolution: Correct the value in this line of the input data file.\n          " +
         rule + "\n\n";
}

inline const std::string kIntegerRule = "An integer is written as digits with an optional sign only.";
inline const std::string kRealRule =
    "A real number is written as digits with an optional sign, decimal point and exponent (E or D).";

}  // namespace quarn::input::testing
