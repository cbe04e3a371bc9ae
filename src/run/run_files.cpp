#include "run/run_files.h"

#include <array>
#include <filesystem>
#include <system_error>

#include "engine/messages.h"

namespace quarn::run {

using namespace engine;  // the run sequence drives the engine's model, channels and stops

namespace {

struct NamesLine {
  std::string RunFiles::*field;
  int runtimeError;           // when the line cannot be read
  std::string_view corrupt;   // message of that error
  std::string_view empty;     // message of runtime error 17 when the path is blank
};

const std::array<NamesLine, 4> kNamesLines = {{
    {&RunFiles::inputPath, 3, "The name of the input data file is corrupted.",
     "Input data filename information corrupted. No analysis was performed."},
    {&RunFiles::reportPath, 4, "The name of the output report file is corrupted.",
     "Output filename information is corrupted. No analysis was performed."},
    {&RunFiles::plotPath, 5, "The name of the plot output file is corrupted.",
     "Plot output filename information is corrupted. No analysis was performed."},
    {&RunFiles::messagePath, 6, "Name of runtime message file is corrupted",
     "Run message filename information is corrupted. No analysis performed."},
}};

// Start-up failures happen before channels 6 and 8 are connected; their
// blocks go to the error console, the return value tells the caller.
[[noreturn]] void stopAtStartup(RunContext& ctx, int number, std::string_view text) {
  ctx.console.emptyLines(2);
  ctx.console.line("**** Runtime Error No. " + std::to_string(number) + " ****");
  ctx.console.endLine();
  ctx.console.line(text);
  stopOnRuntimeError(ctx, number);
}

bool isBlank(std::string_view text) { return text.find_first_not_of(' ') == std::string_view::npos; }

// Block for a run file that cannot be opened: to the console, and to the
// report and the message file when they are already open.
[[noreturn]] void stopOnUnopenedFile(RunContext& ctx, int number, std::string_view problem,
                                     std::string_view path, std::string_view solution) {
  for (Channel* channel : {&ctx.console, &ctx.messages, &ctx.report}) {
    channel->emptyLines(2);
    channel->line("**** Runtime Error No. " + std::to_string(number) + " ****");
    channel->endLine();
    channel->line(std::string("Problem:  ") + std::string(problem));
    channel->line(std::string("          ") + std::string(path));
    channel->line(std::string("Solution: ") + std::string(solution));
    channel->endLine();
  }
  stopOnRuntimeError(ctx, number);
}

}  // namespace

std::string pathField(std::string_view line) {
  std::string field(line.substr(0, kTextLineLength));
  const std::size_t last = field.find_last_not_of(' ');
  field.resize(last == std::string::npos ? 0 : last + 1);
  return field;
}

void readNamesFile(RunContext& ctx, const std::string& namesPath) {
  InputFile names;
  if (!names.open(namesPath)) stopAtStartup(ctx, 2, "Contents of file NAMES.DAT is corrupted.");
  std::string line;
  for (const NamesLine& entry : kNamesLines) {
    if (!names.readLine(line)) stopAtStartup(ctx, entry.runtimeError, entry.corrupt);
    ctx.model.run.files.*entry.field = pathField(line);
  }
  names.close();
  checkRunFileNames(ctx);
}

void checkRunFileNames(RunContext& ctx) {
  for (const NamesLine& entry : kNamesLines) {
    if (isBlank(ctx.model.run.files.*entry.field)) {
      ctx.console.line("**** Runtime Error No. 17 ****");
      ctx.console.endLine();
      ctx.console.line(entry.empty);
      stopOnRuntimeError(ctx, 17);
    }
  }
}

void openRunFiles(RunContext& ctx) {
  const RunFiles& files = ctx.model.run.files;
  // The input is opened first; when it cannot be read the output files are
  // still created, so the message file tells the user what went wrong.
  const bool inputOpen = ctx.input.open(files.inputPath);
  const std::array<std::pair<Channel*, const std::string*>, 3> outputs = {
      {{&ctx.report, &files.reportPath}, {&ctx.plot, &files.plotPath},
       {&ctx.messages, &files.messagePath}}};
  for (const auto& [channel, path] : outputs) {
    if (!channel->open(*path)) {
      stopOnUnopenedFile(ctx, kRuntimeOutputNotWritable, "An output file cannot be created:", *path,
                         "Check that its folder exists and may be written.");
    }
  }
  if (!inputOpen) {
    stopOnUnopenedFile(ctx, kRuntimeInputNotReadable, "The input data file cannot be opened:",
                       files.inputPath, "Check that the file exists and may be read.");
  }
  if (ctx.input.sizeBytes() == 0) {
    ctx.messages.emptyLines(2);
    ctx.messages.line("**** Input Data Error No. 25 ****");
    ctx.messages.endLine();
    ctx.messages.line("Size of input data file is 0 bytes.  No analysis performed.");
    ctx.messages.endLine();
    stopRun(ctx, "INP00025", kInputErrorBase + 25);
  }
}

void closeRunFiles(RunContext& ctx) {
  ctx.input.close();
  ctx.report.close();
  ctx.plot.close();
  ctx.messages.close();
}

PathParts splitPath(std::string_view path) {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::path absolute = fs::absolute(fs::path(std::string(path)), error).lexically_normal();
  if (error || path.empty()) return {};
  PathParts parts;
  std::string directory = absolute.parent_path().string();
  if (directory.empty() || directory.back() != '/') directory.push_back('/');
  parts.directory = directory.substr(0, kTextLineLength);
  parts.name = absolute.stem().string().substr(0, kTextLineLength);
  parts.extension = absolute.extension().string().substr(0, 5);
  return parts;
}

}  // namespace quarn::run
