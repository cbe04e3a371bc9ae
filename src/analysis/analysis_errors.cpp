#include "analysis/analysis_errors.h"

#include <array>

namespace quarn::analysis {

namespace {

using engine::ErrorFamily;
using engine::kToMessages;
using engine::kToReport;
using engine::kToReportAndMessages;

// {1} the computed head deflection and {2} the limit, each with its unit.
constexpr std::string_view kExcessDeflectionReport =
    "\n"
    "\n"
    "**** Runtime Error No. 9 ****\n"
    "\n"
    "An error in the analysis was detected by the program.  \n"
    "\n"
    "Problem:  The computed deflection is larger than the specified excess deflection limit.\n"
    "\n"
    "The computed deflection of the pile head is {1}\n"
    "\n"
    "The specified excess deflection limit is    {2}\n"
    "\n"
    "This error may be due to overloading the pile or bad input data.\n"
    "\n"
    "\n"
    "Solution:\n"
    "\n"
    "Please check input values for pile loading and soil properties for accuracy and/or \n"
    "increase the size of the pile if necessary.\n";

constexpr std::string_view kExcessDeflectionMessages =
    "**** Runtime Error No. 9 ****\n"
    "\n"
    "An error in the analysis was detected by the program.  \n"
    "\n"
    "Problem:  The computed deflection is larger than the specified excess deflection limit.\n"
    "\n"
    "The computed deflection of the pile head is {1}\n"
    "The specified excess deflection limit is    {2}\n"
    "\n"
    "This error may be due to overloading the pile or bad input data.\n"
    "\n"
    "Solution:\n"
    "Please check input values for pile loading and soil properties for accuracy and/or \n"
    "increase the size of the pile if necessary.\n";

// {1} the iteration limit; {2} the last change of deflection, {3} its change
// from the iteration before and {4} the tolerance, each with its unit. The
// estimate and the advice that follow depend on the numbers and are written
// by the iteration.
constexpr std::string_view kNotConvergedReport =
    "\n"
    "\n"
    "------------------------------------\n"
    "  ****  Runtime Error No. 10  ****  \n"
    "------------------------------------\n"
    "\n"
    "The analysis failed to converge within the limit of {1} iterations.\n"
    "\n"
    "Maximum change in nodal deflections                      = {2}\n"
    "\n"
    "Maximum change in nodal deflections from prior iteration = {3}\n"
    "\n"
    "Specified convergence tolerance on nodal deflections     = {4}\n"
    "\n"
    "\n"
    "-----------------------------------------------------------\n"
    "Analysis of Convergence Performance and Recommendations for\n"
    "Modification of Iterations Limit and Convergence Tolerance \n"
    "-----------------------------------------------------------\n"
    "\n"
    "The following recommendations are made on the basis of an analysis of convergence "
    "performance \n"
    "for the last analysis. \n"
    "\n";

// {1} the pivot column, {2} the pivot; the report also gets the head system
// as it stood: {3} to {7} the rows of F, {8} to {12} G, {13} to {17} YG.
constexpr std::string_view kSmallPivotBlock =
    "**** Runtime Error No. 11 ****\n"
    "\n"
    "Problem:  Solution failed due to small pivot value.\n"
    "          Node number = {1}\n"
    "          Pivot value = {2}\n"
    "\n"
    "Solution: This error usually occurs when a lateral bearing capacity failure occurs.  \n"
    "          Reduce the load on the pile and repeat the analysis.\n"
    "          You may also consider increasing pile diameter or pile length.\n";

constexpr std::string_view kSmallPivotSystem =
    "\n"
    "\n"
    "F Matrix \n"
    "\n"
    "{3}\n"
    "{4}\n"
    "{5}\n"
    "{6}\n"
    "{7}\n"
    "\n"
    "\n"
    "\n"
    "G Vector \n"
    "\n"
    "{8}\n"
    "{9}\n"
    "{10}\n"
    "{11}\n"
    "{12}\n"
    "\n"
    "\n"
    "\n"
    "YG Vector\n"
    "\n"
    "{13}\n"
    "{14}\n"
    "{15}\n"
    "{16}\n"
    "{17}\n"
    "\n";

// {1} what is not a number ("Top deflection is Not-A-Number", "Maximum
// change in deflection is Not-A-Number", or in the pile-head stiffness runs
// "Either top deflection or maximum change in deflection is not a number"),
// {2} the iteration.
constexpr std::string_view kNotANumberReport =
    "**** Runtime Error No. 28 ****\n"
    "\n"
    "{1} after iteration {2}\n";

// {1} the layer, {2} its thickness and {3} the pile increment, each with its
// unit, {4} the number of increments and {5} the number that would give the
// layer a node. The second line is worded differently in the two files.
constexpr std::string_view kThinLayerStart =
    "\n"
    "\n"
    "**** Runtime Error No. 29 ****\n"
    "\n"
    "PROBLEM:  The thickness of layer {1} was too thin to contain a nodal point.\n";
constexpr std::string_view kThinLayerReport =
    "          This layer lacks a nodal point and this prevents the correct computation of p-y "
    "curves for the layer . \n";
constexpr std::string_view kThinLayerMessages =
    "          This layer lacks a nodal point and this prevents the correct computation of the "
    "layer's p-y curves. \n";
constexpr std::string_view kThinLayerEnd =
    "          The thickness of layer {1} is {2} and the pile increment length is {3}\n"
    "          The current number of pile increments is {4}.\n"
    "          The estimated minimum number of increments needed to get at least one nodal "
    "point in the layer is {5}.\n"
    "\n"
    "SOLUTION: Increase the number of pile increments. Up to 500 pile increments are allowed "
    "in Quarn.\n"
    "          If this error occurs with the maximum number of pile increments, you will need "
    "to combine the thinnest\n"
    "          soil layer with an adjacent layer.\n"
    "\n"
    "\n";

constexpr std::array<engine::MessageBlock, 5> kBlocks = {{
    {ErrorFamily::kRuntime,
     kRuntimeExcessDeflection,
     "RUN00009",
     2,
     {{{kToReport, kExcessDeflectionReport}, {kToMessages, kExcessDeflectionMessages}}}},
    {ErrorFamily::kRuntime,
     kRuntimeNotConverged,
     "RUN00010",
     4,
     {{{kToReport, kNotConvergedReport}}}},
    {ErrorFamily::kRuntime,
     kRuntimeSmallPivot,
     "",
     17,
     {{{kToReportAndMessages, kSmallPivotBlock}, {kToReport, kSmallPivotSystem}}}},
    {ErrorFamily::kRuntime, kRuntimeNotANumber, "", 2, {{{kToReport, kNotANumberReport}}}},
    {ErrorFamily::kRuntime,
     kRuntimeThinLayer,
     "",
     5,
     {{{kToReportAndMessages, kThinLayerStart},
       {kToReport, kThinLayerReport},
       {kToMessages, kThinLayerMessages},
       {kToReportAndMessages, kThinLayerEnd}}}},
}};

// Every error number above has its block.
static_assert(engine::findMessageBlock(kBlocks, kRuntimeExcessDeflection).number == 9);
static_assert(engine::findMessageBlock(kBlocks, kRuntimeNotConverged).number == 10);
static_assert(engine::findMessageBlock(kBlocks, kRuntimeSmallPivot).number == 11);
static_assert(engine::findMessageBlock(kBlocks, kRuntimeNotANumber).number == 28);
static_assert(engine::findMessageBlock(kBlocks, kRuntimeThinLayer).number == 29);

}  // namespace

std::span<const engine::MessageBlock> analysisMessageBlocks() {
  return kBlocks;
}

const engine::MessageBlock& analysisMessageBlock(int number) {
  return engine::findMessageBlock(kBlocks, number);
}

}  // namespace quarn::analysis
