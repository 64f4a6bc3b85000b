#include "rfcsim/text.h"

namespace rfcsim {

std::string ToUpper(std::string text) {
  for (char& c : text) c = UpperAscii(c);
  return text;
}

bool ParseNumber(std::string_view text, long limit, long* value) {
  if (text.empty() || text.size() > 9) return false;
  long number = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    number = number * 10 + (c - '0');
  }
  if (number > limit) return false;
  *value = number;
  return true;
}

}  // namespace rfcsim
