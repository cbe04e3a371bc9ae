// Whole runs for the pile-head stiffness terms and the pile-length study: an
// elastic steel pipe pile in soft clay or in an elastic subgrade of constant
// modulus, described by a few numbers and written out as an input file, and
// helpers that pick records and numbers out of the files a run produces.
#pragma once

#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "input/input_runs.h"

namespace quarn::pile_head::testing {

// A 24 in steel pipe, 0.5 in wall: E = 29000000 psi, I = 2549.3 in4,
// A = 36.914 in2 (elastic section, type 11, circular pipe). Lengths in feet
// (US customary), metres (SI) or as worked (general units); the diameter and
// wall in inches, or millimetres in SI units.
struct PipeSection {
  double length = 60.0;
  double E = 29000000.0;
  double width = 24.0;
  double wall = 0.5;
  double area = 36.914;
  double I = 2549.3;
};

inline constexpr double kPipeE = 29000000.0;  // psi
inline constexpr double kPipeI = 2549.3;      // in4
inline constexpr double kPipeWidth = 24.0;    // in

// A metric pipe: 610 mm outside diameter, 12.7 mm wall, 18 m long, steel of
// E = 2.0E8 kPa.
inline PipeSection siPipe() {
  PipeSection pipe;
  pipe.length = 18.0;
  pipe.E = 2.0e8;
  pipe.width = 610.0;
  pipe.wall = 12.7;
  pipe.area = 23831.0;
  pipe.I = 1.0633e9;
  return pipe;
}

// A soil layer: its criterion code, top and bottom, and the values of its
// top and bottom lines as the input writes them.
struct Layer {
  int code = 1;
  double top = 0.0;
  double bottom = 70.0;
  std::string topValues;
  std::string bottomValues;
};

// Soft clay: unit weight (pcf), cohesion (psf), epsilon-50.
inline Layer softClay(double top, double bottom, double c) {
  const std::string values = "50.0 " + std::to_string(c) + " 0.01";
  return {1, top, bottom, values, values};
}

// Elastic subgrade ("Elast SG"): unit weight and modulus k, constant.
inline Layer elasticSubgrade(double top, double bottom, double k, double gamma = 60.0) {
  const std::string values = std::to_string(gamma) + " " + std::to_string(k);
  return {13, top, bottom, values, values};
}

struct HeadLoad {
  int type = 1;
  double value1 = 0.0;
  double value2 = 0.0;
  double thrust = 0.0;
  bool lengthStudy = false;
};

struct PileRun {
  std::string units = "USCS";
  bool kMatrix = false;
  bool summaryOnly = false;
  int maxIterations = 100;
  double maxDeflection = 10.0;
  double tolerance = 1.0e-5;
  int increments = 100;
  int printIncrement = 5;
  PipeSection pipe;
  std::vector<Layer> layers;
  std::vector<HeadLoad> loads;
  std::vector<std::pair<double, double>> distributed;  // depth, load per length
};

inline std::string number(double v) {
  char text[64];
  std::snprintf(text, sizeof text, "%.10G", v);
  return text;
}

inline std::string inputText(const PileRun& run) {
  std::ostringstream in;
  const char* yes = "YES";
  const char* no = "NO";
  in << "QUARNX6\nTITLE\nPile-head stiffness and pile length\nElastic pipe pile\n\n\n\n"
     << "OPTIONS\nUnits " << run.units << "\nUseLRFD NO\nComputeKmatrix "
     << (run.kMatrix ? yes : no)
     << "\nUseTipShear NO\nUseSoilMovement NO\n"
        "UsePYModifiers NO\nComputeEIOnly NO\nLoading STATIC     0\n"
     << "MaxIterations " << run.maxIterations << "\nMaxDeflection " << number(run.maxDeflection)
     << "\nTolerance " << number(run.tolerance) << "\nIncrements " << run.increments
     << "\nPrintSummaryOnly " << (run.summaryOnly ? yes : no) << "\nPrintIncrement "
     << run.printIncrement << "\nPrintPYCurves NO\nComputeInteraction NO\n";
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
  for (const Layer& layer : run.layers) {
    in << layer.code << " " << number(layer.top) << " " << number(layer.bottom) << "\n"
       << layer.topValues << "\n"
       << layer.bottomValues << "\n";
  }
  in << "LOADING\n" << run.loads.size() << "\n";
  int n = 0;
  for (const HeadLoad& load : run.loads) {
    in << ++n << " " << load.type << " " << number(load.value1) << " " << number(load.value2) << " "
       << number(load.thrust) << " " << (load.lengthStudy ? 0 : 1) << "\n";
  }
  in << run.distributed.size() << "\n";
  int j = 0;
  for (const auto& [depth, load] : run.distributed) {
    in << ++j << " " << number(depth) << " " << number(load) << "\n";
  }
  in << "END\n";
  return in.str();
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

// Lines of `text` that contain `part`.
inline std::vector<std::string> linesWith(const std::string& text, const std::string& part) {
  std::vector<std::string> out;
  for (const std::string& line : lines(text)) {
    if (line.find(part) != std::string::npos) out.push_back(line);
  }
  return out;
}

// The numbers of a fixed-column record: `count` fields of `width` columns.
inline std::vector<double> fields(const std::string& line, int count, int width = 15) {
  std::vector<double> out;
  for (int i = 0; i < count; ++i) {
    out.push_back(std::stod(
        line.substr(static_cast<std::size_t>(i * width), static_cast<std::size_t>(width))));
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

// The `count` lines that follow the first line equal to `heading`.
inline std::vector<std::string> linesAfter(const std::string& text, const std::string& heading,
                                           int count) {
  const std::vector<std::string> all = lines(text);
  for (std::size_t i = 0; i < all.size(); ++i) {
    if (all[i] != heading) continue;
    std::vector<std::string> out;
    for (std::size_t j = i + 1; j < all.size() && out.size() < static_cast<std::size_t>(count);
         ++j) {
      out.push_back(all[j]);
    }
    return out;
  }
  return {};
}

}  // namespace quarn::pile_head::testing
