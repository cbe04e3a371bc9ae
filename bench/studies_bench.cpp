// Whole runs of the bundled example with the pile-head stiffness matrix (its
// two cases and the twenty stiffness runs) and with the pile-length study of
// both cases (up to twenty shorter piles each).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "run/run.h"

namespace {

std::string exampleText() {
  std::ifstream in(QUARN_SOURCE_DIR "/examples/soft-clay-pipe-pile.qin", std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The example with `from` replaced by `to` wherever it occurs.
std::string exampleWith(const std::string& from, const std::string& to) {
  std::string text = exampleText();
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

void runInput(benchmark::State& state, const std::string& name, const std::string& text) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / name;
  std::filesystem::create_directories(folder);
  const std::filesystem::path input = folder / "run.qin";
  std::ofstream(input, std::ios::binary) << text;
  const quarn::RunFiles files{input.string(), (folder / "run.rpt").string(),
                              (folder / "run.plt").string(), (folder / "run.msg").string()};
  auto ctx = quarn::engine::makeRunContext();
  for (auto _ : state) {
    const int code = quarn::run::runWithFiles(*ctx, files);
    if (code != 0) state.SkipWithError("the run did not end normally");
    benchmark::DoNotOptimize(code);
  }
  std::filesystem::remove_all(folder);
}

void BM_WholeRunWithTheStiffnessMatrix(benchmark::State& state) {
  runInput(state, "quarn-bench-stiffness-matrix",
           exampleWith("ComputeKmatrix NO", "ComputeKmatrix YES"));
}
BENCHMARK(BM_WholeRunWithTheStiffnessMatrix)->Unit(benchmark::kMillisecond);

void BM_WholeRunWithTheLengthStudy(benchmark::State& state) {
  // The last item of a load case line, 1, asks for no study; 0 asks for it.
  runInput(state, "quarn-bench-length-study", exampleWith(" 50000.0 1\n", " 50000.0 0\n"));
}
BENCHMARK(BM_WholeRunWithTheLengthStudy)->Unit(benchmark::kMillisecond);

}  // namespace
