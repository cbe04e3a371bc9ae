#include "run/header.h"

#include <array>
#include <cstdio>
#include <string_view>

#include "run/run_files.h"

namespace quarn::run {

using namespace engine;  // the run sequence drives the engine's model, channels and stops

namespace {

const std::string kEquals(80, '=');
const std::string kDashes(80, '-');

std::string trimRight(std::string text) {
  const std::size_t last = text.find_last_not_of(' ');
  text.resize(last == std::string::npos ? 0 : last + 1);
  return text;
}

}  // namespace

void writeReportHeader(RunContext& ctx) {
  Channel& out = ctx.report;
  out.line(kEquals);
  out.endLine();
  out.line("               Quarn - Lateral Pile Analysis Engine, Version " + ctx.model.run.version);
  out.endLine();
  out.line("               Analysis of Individual Piles and Drilled Shafts ");
  out.line("               Subjected to Lateral Loading Using the p-y Method");
  out.endLine();
  out.line("               Quarn is developed and maintained by the Quarn developers.");
  out.line("               It is provided as is, without warranty of any kind.");
  out.endLine();
  out.line(kEquals);
  out.endLine();
}

void writeFileBlock(RunContext& ctx) {
  const RunFiles& files = ctx.model.run.files;
  const PathParts input = splitPath(files.inputPath);
  const auto nameOf = [](const std::string& path) {
    const PathParts parts = splitPath(path);
    return trimRight(parts.name) + trimRight(parts.extension);
  };
  const std::array<std::string, 5> lines = {
      "Path to file locations:        " + trimRight(input.drive) + trimRight(input.directory),
      "Name of input data file:       " + nameOf(files.inputPath),
      "Name of output report file:    " + nameOf(files.reportPath),
      "Name of plot output file:      " + nameOf(files.plotPath),
      "Name of runtime messeage file: " + nameOf(files.messagePath)};

  ctx.report.line(kDashes);
  ctx.report.line("                            Files Used for Analysis");
  ctx.report.line(kDashes);
  ctx.report.endLine();
  for (const std::string& line : lines) ctx.report.line(line);
  ctx.report.endLine();

  ctx.messages.line("File Path and Names Used for Analysis:");
  for (const std::string& line : lines) ctx.messages.line(line);
  ctx.messages.endLine();
}

std::string dateLine(const std::tm& time) {
  static constexpr std::array<std::string_view, 12> kMonths = {
      "January", "February", "March",     "April",   "May",      "June",
      "July",    "August",   "September", "October", "November", "December"};
  if (time.tm_mon < 0 || time.tm_mon > 11) return {};
  char tail[64];
  std::snprintf(tail, sizeof tail, " %d, %4d     Time:  %2d:%02d:%02d", time.tm_mday,
                time.tm_year + 1900, time.tm_hour, time.tm_min, time.tm_sec);
  return "               Date:  " + std::string(kMonths[time.tm_mon]) + tail;
}

void writeDateAndTime(RunContext& ctx) {
  std::tm now{};
  if (ctx.fixedTime) {
    now = *ctx.fixedTime;
  } else {
    const std::time_t seconds = std::time(nullptr);
    localtime_r(&seconds, &now);
  }
  ctx.report.line(kDashes);
  ctx.report.line("                           Date and Time of Analysis");
  ctx.report.line(kDashes);
  ctx.report.endLine();
  const std::string date = dateLine(now);
  if (!date.empty()) ctx.report.line(date);
}

}  // namespace quarn::run
