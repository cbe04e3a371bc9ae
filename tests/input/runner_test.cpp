// The built quarn runner on small inputs: a file with only TITLE, OPTIONS
// and END gets through the reading stage (the echo then misses the pile); every kind of malformed
// line ends the run with its numbered input error and exit status 1, never a crash.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "input/input_runs.h"

namespace quarn::input {
namespace {

using namespace quarn::input::testing;

const std::string kValidOptions =
    "OPTIONS\nUnits SI\nUseLRFD NO\nComputeKmatrix NO\nUseTipShear NO\nUseSoilMovement NO\n"
    "UsePYModifiers NO\nComputeEIOnly NO\nLoading STATIC     0\nMaxIter 100\nMaxDefl 0.5\n"
    "Tolerance 1.0E-6\nIncrements 100\nPrintSummaryOnly NO\nPrintIncrement 1\nPrintPYCurves NO\n"
    "ComputeInteraction NO\n";
const std::string kTitle = "TITLE\nRunner test\n\n\n\n\n";

struct RunnerOutcome {
  bool exited = false;  // ended by exit, not by a signal
  int status = -1;
  std::string report;
  std::string messages;
};

RunnerOutcome runRunner(const std::string& input) {
  ScratchFolder folder;
  const auto path = folder.path() / "case.qin";
  writeFile(path, input);
  const std::string command = std::string("'") + QUARN_CLI_PATH + "' -q '" + path.string() + "'";
  const int raw = std::system(command.c_str());
  RunnerOutcome outcome;
  outcome.exited = raw != -1 && WIFEXITED(raw);
  if (outcome.exited) outcome.status = WEXITSTATUS(raw);
  outcome.report = readFile(folder.path() / "case.rpt");
  outcome.messages = readFile(folder.path() / "case.msg");
  return outcome;
}

TEST(Runner, ReadsAFileWithTitleOptionsAndEnd) {
  const RunnerOutcome run = runRunner("QUARNX6\n" + kTitle + kValidOptions + "END\n");
  ASSERT_TRUE(run.exited);
  EXPECT_NE(run.messages.find("Input of data begun\nReading title data\nReading analysis "
                              "options\nInput of data completed\n"),
            std::string::npos)
      << run.messages;
  // No reader stops it; the input echo then finds no pile (input error 17).
  EXPECT_EQ(run.report.find("Quarn ended prematurely"),
            run.report.find("Quarn ended prematurely due to input error number INP00017"))
      << run.report;
  EXPECT_NE(run.report.find("Problem Title"), std::string::npos);
  EXPECT_EQ(run.status, 1);
}

TEST(Runner, EndsEveryMalformedInputWithItsInputError) {
  struct Case {
    const char* name;
    std::string input;
    int error;
  };
  const std::string head = "QUARNX6\n" + kTitle;
  auto optionsWith = [&](const std::string& from, const std::string& to) {
    std::string options = kValidOptions;
    options.replace(options.find(from), from.size(), to);
    return head + options + "END\n";
  };
  const std::vector<Case> cases = {
      {"keyword with a leading blank", head + " OPTIONS\nEND\n", 99},
      {"unknown keyword", head + "COLOURS\nEND\n", 99},
      {"missing END", head + kValidOptions, 99},
      {"empty input lines only", "QUARNX6\n\n\n", 99},
      {"previous format", "QUARNX5\n1 2 3\n", 99},
      {"binary garbage", std::string("\x01\x02\xff\xfe\n\x00\x00 /,*'\n", 13), 99},
      {"unrecognised units", optionsWith("Units SI", "Units Metric"), 99},
      {"unrecognised yes/no option", optionsWith("UseLRFD NO", "UseLRFD no"), 95},
      {"unrecognised loading type", optionsWith("Loading STATIC", "Loading DYNAMI"), 95},
      {"iteration limit too small", optionsWith("MaxIter 100", "MaxIter 10"), 95},
      {"text where an integer belongs", optionsWith("MaxIter 100", "MaxIter many"), 90},
      {"real where an integer belongs", optionsWith("Increments 100", "Increments 100.5"), 90},
      {"zero repeat count", optionsWith("MaxDefl 0.5", "MaxDefl 0*0.5"), 90},
      {"tolerance too large", optionsWith("Tolerance 1.0E-6", "Tolerance 0.01"), 68},
      {"too few increments", optionsWith("Increments 100", "Increments 10"), 55},
      {"too many increments", optionsWith("Increments 100", "Increments 5000"), 56},
      {"interaction code line missing", optionsWith("ComputeInteraction NO", "ComputeInteraction YES"),
       99},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const RunnerOutcome run = runRunner(c.input);
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.status, 1);
    const std::string closing =
        "\nThe analysis ended due to input error No. " + std::to_string(c.error) + ".\n\n";
    EXPECT_NE(run.messages.find(closing), std::string::npos) << run.messages;
    EXPECT_NE(run.report.find(closing), std::string::npos) << run.report;
  }
}

}  // namespace
}  // namespace quarn::input
