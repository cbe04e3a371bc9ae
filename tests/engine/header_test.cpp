// The report header pieces: path splitting for the file list and the date line.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "run/header.h"
#include "run/run_files.h"

namespace {

using quarn::run::dateLine;
using quarn::run::PathParts;
using quarn::run::splitPath;

TEST(SplitPath, LinuxPathsMapToTheFourParts) {
  const std::string cwd = std::filesystem::current_path().string();
  struct Case {
    std::string path;
    std::string directory, name, extension;
  };
  const Case cases[] = {
      {"/data/piles/pier4.qin", "/data/piles/", "pier4", ".qin"},
      {"/data/piles/../pier4.report", "/data/", "pier4", ".repo"},  // extension cut at 5
      {"/pier.tar.gz", "/", "pier.tar", ".gz"},
      {"/data/noextension", "/data/", "noextension", ""},
      {"relative.qin", cwd + "/", "relative", ".qin"},
  };
  for (const Case& c : cases) {
    const PathParts parts = splitPath(c.path);
    EXPECT_EQ(parts.drive, "") << c.path;
    EXPECT_EQ(parts.directory, c.directory) << c.path;
    EXPECT_EQ(parts.name, c.name) << c.path;
    EXPECT_EQ(parts.extension, c.extension) << c.path;
  }
  EXPECT_EQ(splitPath("").directory, "");
}

TEST(DateLine, FixedColumns) {
  std::tm time{};
  time.tm_year = 2026 - 1900;
  time.tm_mon = 2;
  time.tm_mday = 5;
  time.tm_hour = 9;
  time.tm_min = 7;
  time.tm_sec = 3;
  EXPECT_EQ(dateLine(time), "               Date:  March 5, 2026     Time:   9:07:03");
  time.tm_mon = 11;
  time.tm_mday = 31;
  time.tm_hour = 23;
  EXPECT_EQ(dateLine(time), "               Date:  December 31, 2026     Time:  23:07:03");
  time.tm_mon = 12;
  EXPECT_EQ(dateLine(time), "");
}

}  // namespace
