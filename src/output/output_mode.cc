#include "output/output_mode.h"

#include <cstring>

#include "run_state.h"

namespace fernwatch {

DocumentForm CurrentForm() {
  const OutputModeText& mode = g_run.OutputMode;
  if (mode.equals("EXEXML") || mode.equals("Tessiva") || mode.equals("Brixtel"))
    return DocumentForm::kPrtgXml;
  if (mode.equals("Quorvane")) return DocumentForm::kQuorvane;
  if (mode.equals("Maltrex")) return DocumentForm::kMaltrex;
  return DocumentForm::kUnknown;
}

const char* DisplayUnit(const char* unit) {
  if (unit[0] == '\0') return "#";
  if (std::strcmp(unit, "PerCent") == 0) return "%";
  if (std::strcmp(unit, "TimeResponse") == 0) return "mSec";
  return unit;
}

}  // namespace fernwatch
