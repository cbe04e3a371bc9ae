// The input file: format tag, the keyword loop over its sections, and the
// axial thrust list built after its END line.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/run_context.h"

namespace quarn::input {

inline constexpr std::string_view kCurrentFormatTag = "QUARNX6";
inline constexpr std::string_view kPreviousFormatTag = "QUARNX5";

// Input error for more distinct axial thrust forces than the section
// analysis holds (kMaxAxialThrusts). The number is not otherwise used.
inline constexpr int kTooManyAxialThrustsError = 91;

// The format tag of a first line: its first free-format item as a text of
// at most 7 characters, trailing blanks removed; "3" when the line holds no
// item (empty, or a null value or slash first).
std::string formatTagOf(std::string_view firstLine);

// Reads the first line of the input and returns its format tag. The input is
// left at the second line. "3" when the file has no line.
std::string readFormatTag(engine::InputFile& input);

// Reads every section up to and including "END" into the model, then builds
// the axial thrust list. Unwinds with input error 99 on a line that is not a
// keyword where one is expected, or when the file ends before "END".
void readKeywordInput(engine::RunContext& ctx);

// Files of the two older formats are not read: input error 99, with a note
// saying why and the unrecognised-line block showing the file's first line.
[[noreturn]] void rejectOlderFormat(engine::RunContext& ctx);

// The source values of the axial thrust list, in input order: the axial
// forces of the unfactored LRFD load groups when LRFD analysis is on,
// otherwise the axial thrusts of the pile-head load cases (or the forces of
// AXIAL THRUST LOADS when that section was read after LOADING).
std::vector<double> axialThrustSources(const AnalysisModel& model);

// Builds the axial thrust list of the section analysis from the source
// values: pounds to kips in US customary units, ascending, each value once.
// False, with the list left empty, when there are more distinct values than
// the list holds.
bool deriveAxialThrusts(AnalysisModel& model, std::span<const double> values);

}  // namespace quarn::input
