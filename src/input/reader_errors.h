// Input errors that Quarn adds to the section readers: counts above the
// capacity of the model and codes outside their tables, which the readers
// must reject before a value is used. Each error has one numbered block in
// the table of reader_errors.cpp; its number is the enumerator's value.
#pragma once

#include <initializer_list>
#include <span>

#include "engine/message_blocks.h"

namespace quarn::input {

// Input error numbers, chosen apart from the input errors of the rest of the
// engine (and from 90 and 91 of the free-format reader).
enum class ReaderError {
  kTooManySections = 73,           // {1} sections given, {2} the capacity
  kTooManyLayers = 74,             // {1} layers given, {2} the capacity
  kCriterionCode = 75,             // layer {1}, code {2}, {3} the last code
  kUserPyPoints = 76,              // layer {1}, {2} points, {3} the capacity
  kTooManyLoadCases = 77,          // {1} cases given, {2} the capacity
  kTooManyDistributedPoints = 78,  // {1} points given, {2} the capacity
  kTooManyMultiplierRows = 79,     // {1} points given, {2} the capacity
  kTooManyPyOutputDepths = 80,     // {1} depths given, {2} the capacity
  kTooManyTipShearPoints = 81,     // {1} points given, {2} the capacity
  kBarCount = 82,                  // section {1}, {2} bars, {3} the capacity
  kBundleSize = 83,                // section {1}, bundle size {2}
  kConcreteCurvePoints = 84,       // section {1}, {2} points, {3} the capacity
  kUserEiThrusts = 85,             // section {1}, {2} thrusts, {3} the capacity
  kUserEiPoints = 86,              // section {1}, {2} points, {3} the capacity
  kMicropile = 87,                 // section {1}
  kSectionType = 88,               // section {1}, type code {2}
  kHeadLoadType = 89,              // load case {1}, load type {2}
  kLrfdLoadTypeIndex = 92,         // LRFD load {1}, index {2}, {3} the last index
  kTooManyAxialThrusts = 93,       // {1} thrusts given, {2} the capacity
};

// The table of all reader errors.
std::span<const engine::MessageBlock> readerErrorMessages();

const engine::MessageBlock& readerErrorMessage(ReaderError id);

// Writes the block of `id` with the values for its placeholders in order to
// the run-message file and the report, raises the input error and unwinds.
[[noreturn]] void stopOnReaderError(engine::RunContext& ctx, ReaderError id,
                                    std::initializer_list<long long> values);

}  // namespace quarn::input
