#include "report/plot_records.h"

#include <cstdio>
#include <string>

namespace quarn::report {

void writePlotLine1(engine::Channel& plot, int analysisType, int unitSystem, int lengthStudy,
                    bool computeKmatrix) {
  char fields[32];
  std::snprintf(fields, sizeof fields, "%5d%5d%5d%5d", analysisType, unitSystem, lengthStudy,
                computeKmatrix ? 1 : 0);
  plot.line(std::string(fields) + std::string(60, ' ') +
            "Line 1 : ICOM, IUNITS, KYL, ib_ComputeKmatrix_1T0F");
}

void writePlotLine2(engine::Channel& plot, int sections) {
  char fields[16];
  std::snprintf(fields, sizeof fields, "%5d", sections);
  plot.line(std::string(fields) + std::string(75, ' ') + "Line 2 : Total number of sections");
}

}  // namespace quarn::report
