#include "output/text_report_writer.h"

#include <cstring>

namespace fernwatch {

const char* TextReportWriter::DisplayUnit(const char* unit) {
  if (unit[0] == '\0') return "#";
  if (std::strcmp(unit, "PerCent") == 0) return "%";
  if (std::strcmp(unit, "TimeResponse") == 0) return "mSec";
  return unit;
}

}  // namespace fernwatch
