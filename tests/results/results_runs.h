// Whole runs for the results tests: an elastic steel pipe pile in soft clay,
// described by a few numbers and written out as an input file, and helpers to
// pick lines and numbers out of the files a run produces.
#pragma once

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "input/input_runs.h"

namespace quarn::results::testing {

struct ClayLayer {
  double topFeet = 0.0;
  double bottomFeet = 0.0;
  double gammaTop = 50.0;  // lb/ft3
  double gammaBottom = 50.0;
  double cTop = 400.0;  // lb/ft2
  double cBottom = 600.0;
  double e50 = 0.02;
};

struct HeadLoad {
  int type = 1;
  double value1 = 0.0;
  double value2 = 0.0;
  double thrust = 0.0;
};

// A 24 in steel pipe (0.5 in wall, I = 2549.3 in4, A = 36.914 in2,
// E = 29000000 psi), 60 ft long, 100 increments, US customary units.
struct PileRun {
  bool summaryOnly = false;
  int printIncrement = 5;
  std::vector<ClayLayer> layers;
  std::vector<HeadLoad> loads;
  std::vector<double> pyDepthsFeet;  // p-y output on when not empty
};

inline std::string number(double v) {
  char text[64];
  std::snprintf(text, sizeof text, "%.10G", v);
  return text;
}

inline std::string inputText(const PileRun& run) {
  std::ostringstream in;
  const bool py = !run.pyDepthsFeet.empty();
  in << "QUARNX6\nTITLE\nResults test\nElastic pipe pile in soft clay\n\n\n\n"
     << "OPTIONS\nUnits USCS\nUseLRFD NO\nComputeKmatrix NO\nUseTipShear NO\n"
        "UseSoilMovement NO\nUsePYModifiers NO\nComputeEIOnly NO\nLoading STATIC     0\n"
        "MaxIterations 100\nMaxDeflection 10.0\nTolerance 1.0E-5\nIncrements 100\n"
     << "PrintSummaryOnly " << (run.summaryOnly ? "YES" : "NO") << "\nPrintIncrement "
     << run.printIncrement << "\nPrintPYCurves " << (py ? "YES" : "NO")
     << "\nComputeInteraction NO\n"
     << "SECTIONS\n1\n1\n11\n60.0\n3\n29000000.0\n24.0\n24.0\n0.5\n0.5\n36.914\n36.914\n"
        "2549.3\n2549.3\n";
  in << "SOIL LAYERS\n" << run.layers.size() << "\n";
  for (const ClayLayer& layer : run.layers) {
    in << "1 " << number(layer.topFeet) << " " << number(layer.bottomFeet) << "\n"
       << number(layer.gammaTop) << " " << number(layer.cTop) << " " << number(layer.e50) << "\n"
       << number(layer.gammaBottom) << " " << number(layer.cBottom) << " " << number(layer.e50)
       << "\n";
  }
  in << "LOADING\n" << run.loads.size() << "\n";
  int n = 0;
  for (const HeadLoad& load : run.loads) {
    in << ++n << " " << load.type << " " << number(load.value1) << " " << number(load.value2) << " "
       << number(load.thrust) << " 1\n";
  }
  in << "0\n";
  if (py) {
    in << "DEPTHS OF PRINTED P-Y CURVES\n" << run.pyDepthsFeet.size() << "\n";
    int j = 0;
    for (double depth : run.pyDepthsFeet) in << ++j << " " << number(depth) << "\n";
  }
  in << "END\n";
  return in.str();
}

// The two soft clay layers and the two load cases of the bundled example:
// free head with 20 kips of shear, fixed head with 30 kips, both with 50 kips
// of axial compression.
inline PileRun exampleRun() {
  PileRun run;
  run.layers = {{0.0, 20.0, 50.0, 50.0, 400.0, 600.0, 0.02},
                {20.0, 70.0, 55.0, 55.0, 800.0, 1200.0, 0.01}};
  run.loads = {{1, 20000.0, 0.0, 50000.0}, {2, 30000.0, 0.0, 50000.0}};
  return run;
}

inline input::testing::RunOutcome runPile(const PileRun& run) {
  return input::testing::runInput(inputText(run));
}

inline std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

inline std::string joined(const std::vector<std::string>& rows) {
  std::string text;
  for (const std::string& row : rows) text += row + "\n";
  return text;
}

// Lines of `text` that contain `part`.
inline std::vector<std::string> linesWith(const std::string& text, const std::string& part) {
  std::vector<std::string> out;
  for (const std::string& line : lines(text)) {
    if (line.find(part) != std::string::npos) out.push_back(line);
  }
  return out;
}

// Whitespace-separated numbers of a line, up to the first item that is not one.
inline std::vector<double> numbers(const std::string& line) {
  std::vector<double> out;
  std::istringstream in(line);
  for (std::string item; in >> item;) {
    std::size_t used = 0;
    try {
      out.push_back(std::stod(item, &used));
    } catch (...) {
      break;
    }
    if (used != item.size()) break;
  }
  return out;
}

// The number after `label` on the first line that begins with it.
inline double valueAfter(const std::string& text, const std::string& label, int occurrence = 1) {
  for (const std::string& line : lines(text)) {
    if (line.rfind(label, 0) == 0 && --occurrence == 0) return std::stod(line.substr(label.size()));
  }
  return -1.0e300;
}

}  // namespace quarn::results::testing
