// Input errors that Quarn adds to the section readers: counts above the
// capacity of the model and codes outside their tables, which the readers
// must reject before a value is used. Each error has one entry in the table
// of reader_errors.cpp: its number, code text and the lines of its block.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "engine/run_context.h"

namespace quarn::input {

enum class ReaderError {
  kTooManySections,
  kTooManyLayers,
  kCriterionCode,
  kUserPyPoints,
  kTooManyLoadCases,
  kTooManyDistributedPoints,
  kTooManyMultiplierRows,
  kTooManyPyOutputDepths,
  kTooManyTipShearPoints,
  kBarCount,
  kBundleSize,
  kConcreteCurvePoints,
  kUserEiThrusts,
  kUserEiPoints,
  kMicropile,
  kSectionType,
  kHeadLoadType,
  kLrfdLoadTypeIndex,
  kTooManyAxialThrusts,
};

// One numbered block. In the texts, {n} stands for the item concerned (a
// section, layer or load number), {v} for the value found and {limit} for the
// limit of the entry.
struct ReaderErrorMessage {
  ReaderError id;
  int number;               // input error number; the code is 100 + number
  std::string_view codeText;
  int limit;
  std::string_view problem;   // "Problem:  ..." line
  std::string_view rule;      // the rule broken, indented under the problem
  std::string_view solution;  // "Solution: ..." line
};

// The table of all reader errors, in the order of ReaderError.
std::span<const ReaderErrorMessage> readerErrorMessages();

const ReaderErrorMessage& readerErrorMessage(ReaderError id);

// The lines of the block of `id` for item `item` and value `value`.
std::string expandReaderErrorText(std::string_view text, const ReaderErrorMessage& message,
                                  long long item, long long value);

// Writes the block of `id` to the run-message file and the report, raises
// the input error and unwinds.
[[noreturn]] void stopOnReaderError(engine::RunContext& ctx, ReaderError id, long long item,
                                    long long value);

}  // namespace quarn::input
