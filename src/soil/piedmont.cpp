#include "soil/piedmont.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>

#include "engine/messages.h"
#include "engine/single_precision.h"
#include "output/format.h"
#include "output/report_writers.h"
#include "soil/curve_block.h"
#include "soil/py_curve.h"
#include "soil/soil_profile.h"

namespace quarn::soil {

namespace {

using curve_block::PrintedCurve;
using engine::Channel;
using engine::RunContext;

// Below this deflection the criterion takes its initial modulus instead of
// the secant (1e-14 in single precision).
constexpr double kNoDeflection = sp(1e-14f);

// A Piedmont layer whose field-test code names no test: the criterion has no
// modulus to work with.
[[noreturn]] void stopOnUnknownFieldTest(RunContext& ctx, int k, int code) {
  const int number = criterionInfo(Criterion::kPiedmont).errors.fieldTest;
  for (Channel* channel : {&ctx.report, &ctx.messages}) {
    channel->emptyLines(2);
    channel->line("**** Input Data Error No. " + std::to_string(number) + " ****");
    channel->endLine();
    output::write(*channel,
                  "(\"Problem:  The field test code of Piedmont residual soil layer \", I0, "
                  "\" is \", I0, \".\")",
                  {k, code});
    channel->line("          The code must be 1 (SPT), 2 (CPT), 3 (DMT) or 4 (PMT).");
    channel->endLine();
    channel->line("Solution:  Correct the field test code of the layer in the input data.");
    channel->endLine();
  }
  stopOnInputError(ctx, number);
}

// The test value of the layer's field test, given at the layer top and bottom.
const LayerValue& fieldTestValue(const SoilLayer& layer, int test) {
  switch (test) {
    case kFieldTestSpt:
      return layer.sptN60;
    case kFieldTestCpt:
      return layer.coneTip;
    case kFieldTestDmt:
      return layer.dilatometerModulus;
    default:
      return layer.pressuremeterModulus;
  }
}

void writeBlock(RunContext& ctx, const PyPoint& point, const PiedmontAtPoint& at) {
  const int test = at.test;
  const PiedmontCurve& curve = at.curve;
  const AnalysisModel& model = ctx.model;
  const UnitLabels& labels = model.labels;
  const bool us = model.options.IUNITS == kUnitsUsCustomary;
  Channel& out = ctx.report;
  curve_block::writeTitle(out, "p-y Curve for Piedmont Residual Soil Criteria");
  curve_block::writeLayerNumber(out, point.layer, "I12");
  curve_block::writeDepthLines(out, model, point.depth);
  output::writeLabelledValue(out, "Shaft Diameter", "F12.3", point.D, labels.length);
  struct TestTexts {
    std::string_view name;
    std::string_view valueLabel;
  };
  constexpr std::array<TestTexts, 4> kTests = {{
      {"Standard Penetration Test", "SPT  N60-value"},
      {"Cone Penetration Test", "CPT qc"},
      {"Dilatometer Test", "DMT Edmt"},
      {"Pressuremeter Test", "DMT Epmt"},
  }};
  const TestTexts& texts = kTests[static_cast<std::size_t>(test - 1)];
  output::writeLabelledValue(out, "Type of Field Test", "A", texts.name);
  const std::string_view unit =
      test == kFieldTestSpt ? (us ? "blows/ft" : "blows/0.3 m") : (us ? "psf" : "kPa");
  output::writeLabelledValue(out, texts.valueLabel, "F12.3", at.testValue, unit);
  output::writeLabelledValue(out, "Initial Modulus from Field Tests", "F12.3", curve.Ei,
                             labels.subgradeModulus);
  curve_block::writeMultiplierLines(out, point.pm, point.ym);
  curve_block::writeHeaderAt22(out, labels);

  // The initial line to y1, 14 steps to yu, and one point beyond.
  PrintedCurve printed;
  printed.y[0] = 0.0;
  printed.y[1] = curve.y1;
  for (int j = 1; j <= 13; ++j) {
    printed.y[static_cast<std::size_t>(j + 1)] = curve.y1 + j * (curve.yu - curve.y1) / 14.0;
  }
  printed.y[15] = curve.yu;
  printed.y[16] = sp(1.05f) * curve.yu;
  for (std::size_t j = 0; j < printed.y.size(); ++j) printed.p[j] = curve.p(printed.y[j]);
  curve_block::writeCurveRows(out, printed, point.pm, point.ym);
  curve_block::writeCurvePlot(ctx, Criterion::kPiedmont, point.depth, point.index, printed,
                              point.pm, point.ym);
}

}  // namespace

double piedmontModulusFactor(int fieldTest, int unitSystem) {
  switch (fieldTest) {
    case kFieldTestSpt:
      return unitSystem == kUnitsUsCustomary ? 22.0 : 151.68465995788574;
    case kFieldTestCpt:
      return sp(0.118f);
    case kFieldTestDmt:
      return sp(0.076f);
    case kFieldTestPmt:
      return sp(0.235f);
    default:
      return 0.0;
  }
}

PiedmontCurve makePiedmontCurve(double Ei, double b) {
  PiedmontCurve curve;
  curve.Ei = Ei;
  curve.b = b;
  curve.y1 = sp(0.001f) * b;
  curve.yu = sp(0.0375f) * b;
  curve.pu = 0.21632074170043247 * Ei * b * curve.yu;
  return curve;
}

double PiedmontCurve::p(double y) const {
  if (y < y1) return Ei * b * y;
  if (y < yu) return Ei * b * y * (1.0 - 0.21624703162973105 * std::log(1000.0 * y / b));
  return pu;
}

bool PiedmontAtPoint::belowSmallDeflectionLimit(double y) const {
  return y < kNoDeflection;
}

PyCurve piedmontCurve(RunContext& ctx, const PyPoint& point, LayerSweep& /*sweep*/) {
  const AnalysisModel& model = ctx.model;
  const SoilLayer& layer = model.soil.layers[static_cast<std::size_t>(point.layer)];
  // The layer's field test is the one given with its top values.
  PiedmontAtPoint at;
  at.test = layer.fieldTestCode[0];
  const double factor = piedmontModulusFactor(at.test, model.options.IUNITS);
  if (factor == 0.0) stopOnUnknownFieldTest(ctx, point.layer, at.test);
  at.testValue = layerValueAt(layer, fieldTestValue(layer, at.test), point.depth);
  at.curve = makePiedmontCurve(factor * at.testValue, point.D);
  return PyCurve{at};
}

void writePiedmontBlock(RunContext& ctx, const PyPoint& point, const PyCurve& curve) {
  writeBlock(ctx, point, curve.as<PiedmontAtPoint>());
}

}  // namespace quarn::soil
