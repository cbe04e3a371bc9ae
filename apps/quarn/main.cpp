// quarn: the command-line front end. Analyses one input file and writes the
// report, plot and run-message files beside it (or where the options say).
#include <CLI/CLI.hpp>

#include <cstdio>
#include <filesystem>
#include <string>

#include "engine/messages.h"
#include "run/run.h"

namespace {

std::string outcomeInWords(int code) {
  using namespace quarn::engine;
  if (code == 0) return "The analysis ended normally.";
  if (code == kSeveralWarnings) return "The analysis ended normally with several kinds of warnings.";
  if (code < 0) return "The analysis ended normally with warning " + std::to_string(code) + ".";
  if (code > kInputErrorBase && code < kRuntimeErrorBase)
    return "The analysis stopped on input error No. " + std::to_string(code - kInputErrorBase) + ".";
  if (code > kRuntimeErrorBase && code < 300)
    return "The analysis stopped on runtime error No. " + std::to_string(code - kRuntimeErrorBase) +
           ".";
  if (code == kSoilLookupInternalError)
    return "The analysis stopped on an internal error of the soil-property lookup.";
  return "The analysis ended with the unexpected code " + std::to_string(code) + ".";
}

std::string beside(const std::filesystem::path& input, const char* extension) {
  std::filesystem::path out = input;
  out.replace_extension(extension);
  return out.string();
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{
      "Quarn: lateral analysis of a single pile or drilled shaft by the p-y method.\n"
      "Reads INPUT and writes the output report (.rpt), the plot data (.plt) and the\n"
      "run messages (.msg) beside it unless other paths are given.\n\n"
      "Example:\n  quarn examples/soft-clay-pipe-pile.qin\n"
      "  quarn pier4.qin --report out/pier4.txt --plot out/pier4.plot --messages out/pier4.log\n\n"
      "Exit status: 0 normal end (warnings included), 1 the run stopped on an error, 2 usage error."};
  std::string input, report, plot, messages;
  bool quiet = false;
  app.add_option("INPUT", input, "Input data file (first line QUARNX6)")->required();
  app.add_option("-r,--report", report, "Output report file (default: INPUT with .rpt)");
  app.add_option("-p,--plot", plot, "Plot output file (default: INPUT with .plt)");
  app.add_option("-m,--messages", messages, "Run-message file (default: INPUT with .msg)");
  app.add_flag("-q,--quiet", quiet, "Print nothing; the exit status tells the outcome");
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    const int status = app.exit(error);
    return status == 0 ? 0 : 2;
  }

  quarn::RunFiles files;
  files.inputPath = input;
  files.reportPath = report.empty() ? beside(input, ".rpt") : report;
  files.plotPath = plot.empty() ? beside(input, ".plt") : plot;
  files.messagePath = messages.empty() ? beside(input, ".msg") : messages;
  if (files.reportPath == input || files.plotPath == input || files.messagePath == input) {
    std::fprintf(stderr, "quarn: an output file may not overwrite the input file %s\n", input.c_str());
    return 2;
  }

  auto ctx = quarn::engine::makeRunContext();
  ctx->console.attach(stderr);
  const int code = quarn::run::runWithFiles(*ctx, files);
  if (!quiet) {
    std::printf("%s\n", outcomeInWords(code).c_str());
    std::printf("Report:   %s\nPlot:     %s\nMessages: %s\n", files.reportPath.c_str(),
                files.plotPath.c_str(), files.messagePath.c_str());
  }
  return code > 0 ? 1 : 0;
}
