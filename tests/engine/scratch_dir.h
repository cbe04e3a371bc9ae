// A scratch working directory for tests that run the engine on real files.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

namespace quarn::testing {

// The smallest input a run accepts: the options, a pile of one elastic
// section and a soil profile reaching its tip (the input echo stops a run
// without them), and no loads.
inline const std::string kMinimalInput =
    "QUARNX6\nOPTIONS\nUnits USCS\nUseLRFD NO\nComputeKmatrix NO\nUseTipShear NO\n"
    "UseSoilMovement NO\nUsePYModifiers NO\nComputeEIOnly NO\nLoading STATIC     0\n"
    "MaxIter 100\nMaxDefl 10.0\nTolerance 1.0E-5\nIncrements 100\nPrintSummaryOnly NO\n"
    "PrintIncrement 1\nPrintPYCurves NO\nComputeInteraction NO\n"
    "SECTIONS\n1\n1\n11\n30.0\n2\n29000000.0\n12.0\n12.0\n113.1\n113.1\n1017.9\n1017.9\n"
    "SOIL LAYERS\n1\n13 0.0 30.0\n50.0 100.0\n50.0 100.0\nEND\n";

class ScratchDir {
 public:
  ScratchDir() {
    std::random_device seed;
    path_ = std::filesystem::temp_directory_path() /
            ("quarn-test-" + std::to_string(::getpid()) + "-" + std::to_string(seed()));
    std::filesystem::create_directories(path_);
  }
  ~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path& path() const { return path_; }
  std::string operator/(const std::string& name) const { return (path_ / name).string(); }

  void write(const std::string& name, const std::string& text) const {
    std::filesystem::create_directories((path_ / name).parent_path());
    std::ofstream(path_ / name, std::ios::binary) << text;
  }
  std::string read(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  bool exists(const std::string& name) const { return std::filesystem::exists(path_ / name); }
  int fileCount() const {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::recursive_directory_iterator(path_))
      ++count;
    return count;
  }

 private:
  std::filesystem::path path_;
};

// Changes the working directory for the lifetime of the object.
class WorkingDirectory {
 public:
  explicit WorkingDirectory(const std::filesystem::path& path)
      : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(path);
  }
  ~WorkingDirectory() { std::filesystem::current_path(previous_); }

 private:
  std::filesystem::path previous_;
};

}  // namespace quarn::testing
