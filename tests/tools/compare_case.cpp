// Runs quarn on a golden case and compares its three output files with the
// expected ones, after masking what legitimately changes between runs (the
// date line and the folder of the files). On a mismatch it prints the first
// differing lines and, for lines that differ only in numbers, each number's
// difference.
//
//   compare_case QUARN CASE_DIR WORK_DIR
//
// CASE_DIR holds input.qin and expected.rpt, expected.plt, expected.msg.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include <sys/wait.h>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> readLines(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

std::string mask(const std::string& line) {
  if (line.rfind("               Date:  ", 0) == 0) return "<date line>";
  if (line.rfind("Path to file locations:", 0) == 0) return "<path line>";
  return line;
}

std::vector<double> numbersIn(const std::string& line, std::string& skeleton) {
  static const std::regex number(R"([-+]?(\d+\.?\d*|\.\d+)([EeDd][-+]?\d+)?)");
  std::vector<double> values;
  skeleton = std::regex_replace(line, number, "#");
  for (std::sregex_iterator it(line.begin(), line.end(), number), end; it != end; ++it) {
    values.push_back(std::strtod(it->str().c_str(), nullptr));
  }
  return values;
}

void explain(const std::string& expected, const std::string& actual) {
  std::string expectedSkeleton, actualSkeleton;
  const std::vector<double> a = numbersIn(expected, expectedSkeleton);
  const std::vector<double> b = numbersIn(actual, actualSkeleton);
  if (expectedSkeleton != actualSkeleton || a.size() != b.size()) return;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i]) {
      const double relative = a[i] != 0 ? std::fabs((b[i] - a[i]) / a[i]) : std::fabs(b[i]);
      std::printf("      number %zu: expected %.9g, got %.9g (difference %.3g, relative %.3g)\n",
                  i + 1, a[i], b[i], b[i] - a[i], relative);
    }
  }
}

bool compare(const fs::path& expectedPath, const fs::path& actualPath) {
  const std::vector<std::string> expected = readLines(expectedPath);
  const std::vector<std::string> actual = readLines(actualPath);
  int shown = 0;
  const std::size_t count = std::max(expected.size(), actual.size());
  for (std::size_t i = 0; i < count && shown < 10; ++i) {
    const std::string e = i < expected.size() ? mask(expected[i]) : "<end of file>";
    const std::string a = i < actual.size() ? mask(actual[i]) : "<end of file>";
    if (e == a) continue;
    if (shown++ == 0) std::printf("%s differs from %s:\n", actualPath.c_str(), expectedPath.c_str());
    std::printf("  line %zu\n    expected: [%s]\n    actual:   [%s]\n", i + 1, e.c_str(), a.c_str());
    explain(e, a);
  }
  return shown == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: compare_case QUARN CASE_DIR WORK_DIR\n");
    return 2;
  }
  const fs::path quarn = argv[1], caseDir = argv[2], workDir = argv[3];
  fs::remove_all(workDir);
  fs::create_directories(workDir);
  fs::copy_file(caseDir / "input.qin", workDir / "input.qin");
  const std::string command = "\"" + quarn.string() + "\" --quiet \"" +
                              (workDir / "input.qin").string() + "\"";
  const int status = std::system(command.c_str());
  if (status == -1 || !WIFEXITED(status)) {
    std::printf("quarn did not finish: %s\n", command.c_str());
    return 1;
  }
  bool same = true;
  for (const char* extension : {".rpt", ".plt", ".msg"}) {
    same = compare(caseDir / (std::string("expected") + extension),
                   workDir / (std::string("input") + extension)) && same;
  }
  return same ? 0 : 1;
}
