#include "rfcsim/sensor_row.h"

#include <algorithm>
#include <vector>

namespace rfcsim {

namespace {

// The texts between the bars, as written.
std::vector<std::string> SplitAtBars(const std::string& fields) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    size_t bar = fields.find('|', start);
    if (bar == std::string::npos) {
      parts.push_back(fields.substr(start));
      return parts;
    }
    parts.push_back(fields.substr(start, bar - start));
    start = bar + 1;
  }
}

}  // namespace

bool BuildSensorRow(const std::string& fields, std::string* row) {
  static const size_t kOffsets[] = {0, 10, 12, 44, 45, 55};
  static const size_t kWidths[] = {10, 2, 32, 1, 10, 8};
  std::vector<std::string> parts = SplitAtBars(fields);
  if (parts.size() > 6) return false;
  row->assign(kSensorRowWidth, ' ');
  for (size_t i = 0; i < parts.size(); ++i) {
    row->replace(kOffsets[i], std::min(parts[i].size(), kWidths[i]), parts[i], 0, kWidths[i]);
  }
  return true;
}

}  // namespace rfcsim
