// The run files: NAMES.DAT, opening the input and the three output files,
// the empty-input check, closing, and splitting paths for the report.
#pragma once

#include <string>
#include <string_view>

#include "engine/run_context.h"

namespace quarn::run {

// Reads the four paths from NAMES.DAT in the current working directory into
// the model. Runtime errors 2 to 6 and 17 stop the run.
void readNamesFile(engine::RunContext& ctx, const std::string& namesPath = "NAMES.DAT");

// Checks that no path is empty (runtime error 17).
void checkRunFileNames(engine::RunContext& ctx);

// Opens channels 5, 6, 7 and 8 and checks that the input is not empty (input
// error 25). An input file that cannot be read stops with runtime error 7, an
// output file that cannot be created with runtime error 8.
void openRunFiles(engine::RunContext& ctx);

// Closes channels 5, 6, 7 and 8; a channel never opened is left alone.
void closeRunFiles(engine::RunContext& ctx);

// A path as the file list of the report shows it. On Linux the drive is
// blank and the directory is that of the absolute path with a trailing slash.
struct PathParts {
  std::string drive;      // up to 3 characters
  std::string directory;  // up to 256
  std::string name;       // base name without extension, up to 256
  std::string extension;  // with its leading point, up to 5
};
PathParts splitPath(std::string_view path);

// A path field as read: cut after 256 characters, trailing blanks dropped.
std::string pathField(std::string_view line);

}  // namespace quarn::run
