// A whole run of the bundled example: read, place nodes, iterate both load
// cases to convergence and write the three output files.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "run/run.h"

namespace {

void BM_WholeRunOfTheExample(benchmark::State& state) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / "quarn-bench-whole-run";
  std::filesystem::create_directories(folder);
  const std::filesystem::path input = folder / "example.qin";
  std::filesystem::copy_file(QUARN_SOURCE_DIR "/examples/soft-clay-pipe-pile.qin", input,
                             std::filesystem::copy_options::overwrite_existing);
  const quarn::RunFiles files{input.string(), (folder / "example.rpt").string(),
                              (folder / "example.plt").string(), (folder / "example.msg").string()};
  auto ctx = quarn::engine::makeRunContext();
  for (auto _ : state) {
    const int code = quarn::run::runWithFiles(*ctx, files);
    if (code != 0) state.SkipWithError("the example run did not end normally");
    benchmark::DoNotOptimize(code);
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_WholeRunOfTheExample)->Unit(benchmark::kMillisecond);

}  // namespace
