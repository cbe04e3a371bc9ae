// The command-line runner: where it writes, what it prints, its exit status.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "scratch_dir.h"

namespace {

using quarn::testing::ScratchDir;

struct Outcome {
  int status;
  std::string output;
};

Outcome runQuarn(const std::string& arguments) {
  const std::string command = std::string(QUARN_CLI_PATH) + " " + arguments + " 2>&1";
  Outcome outcome{-1, {}};
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return outcome;
  char buffer[512];
  while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) outcome.output += buffer;
  const int raw = pclose(pipe);
  outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return outcome;
}

TEST(QuarnRunner, WritesTheThreeFilesBesideTheInput) {
  ScratchDir dir;
  dir.write("pile.qin", quarn::testing::kMinimalInput);
  const Outcome outcome = runQuarn(dir / "pile.qin");
  EXPECT_EQ(outcome.status, 0) << outcome.output;
  EXPECT_NE(outcome.output.find("The analysis ended normally."), std::string::npos);
  EXPECT_EQ(dir.read("pile.rpt").rfind(std::string(80, '='), 0), 0u);
  EXPECT_NE(dir.read("pile.msg").find("Name of input data file:       pile.qin\n"),
            std::string::npos);
  EXPECT_NE(dir.read("pile.plt").find("Line 1 : ICOM, IUNITS, KYL, ib_ComputeKmatrix_1T0F"),
            std::string::npos);
}

TEST(QuarnRunner, OptionsNameEachOutputFile) {
  ScratchDir dir;
  dir.write("pile.qin", quarn::testing::kMinimalInput);
  const Outcome outcome = runQuarn(dir / "pile.qin" + " --report " + (dir / "a.txt") + " --plot " +
                                   (dir / "b.txt") + " --messages " + (dir / "c.txt"));
  EXPECT_EQ(outcome.status, 0) << outcome.output;
  EXPECT_TRUE(dir.exists("a.txt") && dir.exists("b.txt") && dir.exists("c.txt"));
  EXPECT_FALSE(dir.exists("pile.rpt"));
}

TEST(QuarnRunner, ExitStatusTellsTheOutcome) {
  ScratchDir dir;
  dir.write("empty.qin", "");
  const Outcome stopped = runQuarn(dir / "empty.qin");
  EXPECT_EQ(stopped.status, 1);
  EXPECT_NE(stopped.output.find("input error No. 25."), std::string::npos) << stopped.output;

  const Outcome missing = runQuarn(dir / "missing.qin");
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.output.find("runtime error No. 7."), std::string::npos) << missing.output;

  EXPECT_EQ(runQuarn("").status, 2);
  EXPECT_EQ(runQuarn("--no-such-option x.qin").status, 2);
  EXPECT_EQ(runQuarn(dir / "x.qin --report " + (dir / "x.qin")).status, 2);

  const Outcome help = runQuarn("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.output.find("Example:"), std::string::npos);
}

}  // namespace

namespace {

TEST(QuarnRunner, AnInputWithoutOptionsStopsWithInputError99) {
  ScratchDir dir;
  dir.write("pile.qin", "QUARNX6\nEND\n");
  const Outcome outcome = runQuarn(dir / "pile.qin");
  EXPECT_EQ(outcome.status, 1);
  EXPECT_NE(dir.read("pile.msg").find("The input data file reached END without an OPTIONS section."),
            std::string::npos);
  EXPECT_NE(dir.read("pile.rpt").find("The analysis ended due to input error No. 99."),
            std::string::npos);
}

}  // namespace
