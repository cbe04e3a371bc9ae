// The report header: banner, the list of run files and the date and time.
#pragma once

#include <ctime>
#include <string>

#include "engine/run_context.h"

namespace quarn::run {

void writeReportHeader(engine::RunContext& ctx);
// The file list, to the report (channel 6) and the run messages (channel 8).
void writeFileBlock(engine::RunContext& ctx);
void writeDateAndTime(engine::RunContext& ctx);

// "               Date:  March 5, 2026     Time:   9:07:03"; empty for an invalid month.
std::string dateLine(const std::tm& time);

}  // namespace quarn::run
