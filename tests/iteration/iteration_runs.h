// Inputs for whole runs of the load-case iteration (an elastic steel pipe
// pile in soft clay, US customary units), and helpers to read the report and
// the run-message file they produce.
#pragma once

#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "input/input_runs.h"

namespace quarn::iteration::testing {

struct ClayLayer {
  int code = 1;  // 1 "SoftClay"
  double topFeet = 0.0;
  double bottomFeet = 0.0;
  double gammaTop = 0.0;  // lb/ft3
  double gammaBottom = 0.0;
  double cTop = 0.0;  // lb/ft2
  double cBottom = 0.0;
  double e50Top = 0.0;
  double e50Bottom = 0.0;
};

struct HeadLoad {
  int type = 1;
  double value1 = 0.0;
  double value2 = 0.0;
  double thrust = 0.0;
};

// The pile of the runs: a steel pipe, 24 in outside diameter, 0.5 in wall,
// 60 ft long, E = 29000000 psi, I = 2549.3 in4, A = 36.914 in2 (elastic
// section, type 11, circular pipe). Values in the units of the input.
struct PipeSection {
  double length = 60.0;  // ft (US customary), m (SI), as worked in (general units)
  double E = 29000000.0;
  double width = 24.0;  // in, mm (SI)
  double wall = 0.5;
  double area = 36.914;
  double I = 2549.3;
};

inline constexpr double kPileLengthFeet = 60.0;
inline constexpr double kPileWidth = 24.0;
inline constexpr double kPileE = 29000000.0;
inline constexpr double kPileI = 2549.3;

// The same pile in general units, worked in inches and pounds as entered.
inline PipeSection generalUnitsPipe() {
  PipeSection pipe;
  pipe.length = 720.0;
  return pipe;
}

// A metric pipe: 610 mm outside diameter, 12.7 mm wall, 18 m long, steel of
// E = 2.0E8 kPa (areas and inertia from the dimensions).
inline PipeSection siPipe() {
  PipeSection pipe;
  pipe.length = 18.0;
  pipe.E = 2.0e8;
  pipe.width = 610.0;
  pipe.wall = 12.7;
  pipe.area = 23831.0;  // mm2
  pipe.I = 1.0633e9;    // mm4
  return pipe;
}

struct PileRun {
  std::string units = "USCS";
  int maxIterations = 100;
  double maxDeflection = 10.0;  // in (m in SI)
  double tolerance = 1.0e-5;    // in (m in SI)
  int increments = 100;
  int printIncrement = 5;
  PipeSection pipe;
  std::vector<ClayLayer> layers;
  std::vector<HeadLoad> loads;
};

inline std::string number(double v) {
  char text[64];
  std::snprintf(text, sizeof text, "%.10G", v);
  return text;
}

inline std::string inputText(const PileRun& run) {
  std::ostringstream in;
  in << "QUARNX6\nTITLE\nLoad-case iteration test\nElastic pipe pile in soft clay\n\n\n\n"
     << "OPTIONS\nUnits " << run.units
     << "\nUseLRFD NO\nComputeKmatrix NO\nUseTipShear NO\nUseSoilMovement NO\n"
        "UsePYModifiers NO\nComputeEIOnly NO\nLoading STATIC     0\n"
     << "MaxIterations " << run.maxIterations << "\nMaxDeflection " << number(run.maxDeflection)
     << "\nTolerance " << number(run.tolerance) << "\nIncrements " << run.increments
     << "\nPrintSummaryOnly NO\nPrintIncrement " << run.printIncrement
     << "\nPrintPYCurves NO\nComputeInteraction NO\n";
  const PipeSection& p = run.pipe;
  in << "SECTIONS\n1\n1\n11\n"
     << number(p.length) << "\n3\n"
     << number(p.E) << "\n"
     << number(p.width) << "\n"
     << number(p.width) << "\n"
     << number(p.wall) << "\n"
     << number(p.wall) << "\n"
     << number(p.area) << "\n"
     << number(p.area) << "\n"
     << number(p.I) << "\n"
     << number(p.I) << "\n";
  in << "SOIL LAYERS\n" << run.layers.size() << "\n";
  for (const ClayLayer& layer : run.layers) {
    in << layer.code << " " << number(layer.topFeet) << " " << number(layer.bottomFeet) << "\n"
       << number(layer.gammaTop) << " " << number(layer.cTop) << " " << number(layer.e50Top) << "\n"
       << number(layer.gammaBottom) << " " << number(layer.cBottom) << " "
       << number(layer.e50Bottom) << "\n";
  }
  in << "LOADING\n" << run.loads.size() << "\n";
  int n = 0;
  for (const HeadLoad& load : run.loads) {
    in << ++n << " " << load.type << " " << number(load.value1) << " " << number(load.value2) << " "
       << number(load.thrust) << " 1\n";
  }
  in << "0\nEND\n";
  return in.str();
}

// One soft clay layer from the pile head to 70 ft.
inline ClayLayer clayLayer(double cTop, double cBottom, double gamma = 50.0, double e50 = 0.01) {
  return {1, 0.0, 70.0, gamma, gamma, cTop, cBottom, e50, e50};
}

inline input::testing::RunOutcome runPile(const PileRun& run) {
  return input::testing::runInput(inputText(run));
}

// Fortran ES w.d: one digit before the point, d after, a two-digit exponent,
// right-justified in w columns.
inline std::string es(double v, int w, int d) {
  char text[64];
  std::snprintf(text, sizeof text, "%*.*E", w, d, v);
  return text;
}

// Fortran F w.d, right-justified in w columns.
inline std::string f(double v, int w, int d) {
  char text[64];
  std::snprintf(text, sizeof text, "%*.*f", w, d, v);
  return text;
}

inline std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

// Lines of `text` that begin with `prefix`.
inline std::vector<std::string> linesStartingWith(const std::string& text,
                                                  const std::string& prefix) {
  std::vector<std::string> out;
  for (const std::string& line : lines(text)) {
    if (line.rfind(prefix, 0) == 0) out.push_back(line);
  }
  return out;
}

// The number that follows `label` on the first line beginning with it.
inline double valueAfter(const std::string& text, const std::string& label) {
  const std::vector<std::string> found = linesStartingWith(text, label);
  if (found.empty()) return std::nan("");
  return std::stod(found.front().substr(label.size()));
}

// The numbers of an iteration line, in order: Y(top), dYmax, Delta dYmax.
struct IterationValues {
  double yTop = 0.0;
  double dYmax = 0.0;
  double deltaDYmax = 0.0;
};

inline IterationValues iterationValues(const std::string& line) {
  IterationValues v;
  const auto after = [&](const std::string& label) {
    const std::size_t at = line.find(label);
    return at == std::string::npos ? std::nan("") : std::stod(line.substr(at + label.size(), 12));
  };
  v.yTop = after("Y(top) =");
  v.dYmax = after(", dYmax =");
  v.deltaDYmax = after(", Delta dYmax =");
  return v;
}

// The iteration line of the run-message file, laid out as the engine writes
// it: the iteration at column 20, the values from column 36.
inline std::string messageIterationLine(int L, int k, const IterationValues& v) {
  std::string line = "Analysis Case " + std::to_string(L) + ",";
  line.resize(19, ' ');
  line += "Iteration " + std::to_string(k) + ",";
  line.resize(35, ' ');
  return line + "Y(top) =" + es(v.yTop, 12, 4) + ", dYmax =" + es(v.dYmax, 12, 4) +
         ", Delta dYmax =" + es(v.deltaDYmax, 12, 4);
}

// The copy of an iteration line in the report, the values from column 37.
inline std::string reportIterationLine(int L, int k, const IterationValues& v) {
  std::string line =
      "For Analysis Case " + std::to_string(L) + ", Iteration " + std::to_string(k) + ",";
  line.resize(36, ' ');
  return line + " Y(top) =" + es(v.yTop, 12, 4) + ", dYmax =" + es(v.dYmax, 12, 4) +
         ", Delta dYmax =" + es(v.deltaDYmax, 12, 4);
}

// Text between the first occurrence of `from` and the first occurrence of
// `to` after it (`to` excluded); empty when `from` is missing.
inline std::string between(const std::string& text, const std::string& from,
                           const std::string& to) {
  const std::size_t start = text.find(from);
  if (start == std::string::npos) return {};
  const std::size_t end = text.find(to, start + from.size());
  return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

}  // namespace quarn::iteration::testing
