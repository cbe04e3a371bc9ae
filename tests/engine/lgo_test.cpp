// Drives the built shared library the way a front end does: NAMES.DAT in the
// working directory, dlopen, LGO(6031), then the files it left behind.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "scratch_dir.h"

namespace {

using quarn::testing::ScratchDir;
using quarn::testing::WorkingDirectory;
using LgoFunction = int32_t (*)(int32_t);

class LgoLibrary : public ::testing::Test {
 protected:
  void SetUp() override {
    handle_ = dlopen(QUARN_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(handle_, nullptr) << dlerror();
    lgo_ = reinterpret_cast<LgoFunction>(dlsym(handle_, "LGO"));
    ASSERT_NE(lgo_, nullptr) << dlerror();
  }
  void TearDown() override {
    if (handle_ != nullptr) dlclose(handle_);
  }
  int32_t call(int32_t version) {
    WorkingDirectory cwd(dir_.path());
    return lgo_(version);
  }

  ScratchDir dir_;
  void* handle_ = nullptr;
  LgoFunction lgo_ = nullptr;
};

TEST_F(LgoLibrary, ExportsOnlyTheEntryPoint) {
  // Internal symbols stay hidden: a front end sees LGO and nothing of ours.
  EXPECT_EQ(dlsym(handle_, "_ZN5quarn3run9finishRunERNS_6engine10RunContextE"), nullptr);
}

TEST_F(LgoLibrary, WrongInterfaceVersionTouchesNoFile) {
  dir_.write("NAMES.DAT", "in.dat\nout.rpt\nout.plt\nout.msg\n");
  dir_.write("in.dat", quarn::testing::kMinimalInput);
  EXPECT_EQ(call(6030), 99);
  EXPECT_EQ(dir_.fileCount(), 2);
  EXPECT_FALSE(dir_.exists("out.rpt"));
}

// NAMES.DAT problems: the code returned and that no run file was created.
TEST_F(LgoLibrary, NamesFileFailures) {
  struct Case {
    const char* label;
    const char* names;  // nullptr: no NAMES.DAT at all
    int expected;
  };
  const Case cases[] = {
      {"missing NAMES.DAT", nullptr, 202},
      {"empty file: line 1 unreadable", "", 203},
      {"one line: line 2 unreadable", "in.dat\n", 204},
      {"two lines: line 3 unreadable", "in.dat\nout.rpt\n", 205},
      {"three lines: line 4 unreadable", "in.dat\nout.rpt\nout.plt\n", 206},
      {"blank first line", "   \nout.rpt\nout.plt\nout.msg\n", 217},
      {"blank report line", "in.dat\n\nout.plt\nout.msg\n", 217},
      {"blank plot line", "in.dat\nout.rpt\n  \nout.msg\n", 217},
      {"blank message line", "in.dat\nout.rpt\nout.plt\n    \n", 217},
  };
  for (const Case& c : cases) {
    ScratchDir fresh;
    std::swap(dir_, fresh);
    if (c.names != nullptr) dir_.write("NAMES.DAT", c.names);
    dir_.write("in.dat", quarn::testing::kMinimalInput);
    EXPECT_EQ(call(6031), c.expected) << c.label;
    for (const char* file : {"out.rpt", "out.plt", "out.msg"}) {
      EXPECT_FALSE(dir_.exists(file)) << c.label << ": " << file;
    }
    std::swap(dir_, fresh);
  }
}

TEST_F(LgoLibrary, EmptyInputStopsWithInputError25) {
  dir_.write("NAMES.DAT", "in.dat\nout.rpt\nout.plt\nout.msg\nthis fifth line is ignored\n");
  dir_.write("in.dat", "");
  EXPECT_EQ(call(6031), 125);
  EXPECT_EQ(dir_.read("out.msg"),
            "\n\n**** Input Data Error No. 25 ****\n\n"
            "Size of input data file is 0 bytes.  No analysis performed.\n\n"
            "\nThe analysis ended due to input error No. 25.\n\n");
  EXPECT_EQ(dir_.read("out.rpt"),
            "\n\nQuarn ended prematurely due to input error number INP00025\n"
            "\n**** Input Data Error No. 25 ****\n\n"
            "Length of input file is 0 bytes.  No analysis can be performed.\n"
            "\nThe analysis ended due to input error No. 25.\n\n");
  EXPECT_EQ(dir_.read("out.plt"), "");
}

TEST_F(LgoLibrary, PathsAreCutAfter256Characters) {
  // A relative input path of exactly 256 characters, followed by 44 more on the line.
  std::string path = std::string(120, 'a') + "/" + std::string(120, 'b') + "/";
  path += std::string(256 - path.size() - 4, 'c') + ".dat";
  ASSERT_EQ(path.size(), 256u);
  dir_.write(path, quarn::testing::kMinimalInput);
  dir_.write("NAMES.DAT", path + std::string(44, 'X') + "\nout.rpt\nout.plt\nout.msg\n");
  EXPECT_EQ(call(6031), 0);
  EXPECT_NE(dir_.read("out.msg").find("The analysis ended normally. "), std::string::npos);
}

TEST_F(LgoLibrary, MissingInputFileIsRuntimeError7) {
  dir_.write("NAMES.DAT", "nothing-here.dat\nout.rpt\nout.plt\nout.msg\n");
  EXPECT_EQ(call(6031), 207);
  const std::string messages = dir_.read("out.msg");
  EXPECT_NE(messages.find("**** Runtime Error No. 7 ****"), std::string::npos);
  EXPECT_NE(messages.find("nothing-here.dat"), std::string::npos);
  EXPECT_NE(messages.find("The analysis ended due to runtime error No. 7."), std::string::npos);
}

TEST_F(LgoLibrary, UncreatableOutputIsRuntimeError8) {
  dir_.write("in.dat", quarn::testing::kMinimalInput);
  dir_.write("NAMES.DAT", "in.dat\nno-such-folder/out.rpt\nout.plt\nout.msg\n");
  EXPECT_EQ(call(6031), 208);
}

TEST_F(LgoLibrary, RepeatedCallsStartAfresh) {
  dir_.write("NAMES.DAT", "in.dat\nout.rpt\nout.plt\nout.msg\n");
  dir_.write("in.dat", "");
  EXPECT_EQ(call(6031), 125);
  dir_.write("in.dat", quarn::testing::kMinimalInput);
  EXPECT_EQ(call(6031), 0);
  EXPECT_EQ(call(6031), 0);
}

}  // namespace
