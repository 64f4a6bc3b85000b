#include "rfcsim/text.h"

namespace rfcsim {

namespace {

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

std::string Trim(const std::string& text) {
  size_t start = 0;
  while (start < text.size() && IsBlank(text[start])) ++start;
  size_t end = text.size();
  while (end > start && IsBlank(text[end - 1])) --end;
  return text.substr(start, end - start);
}

std::string TrimRight(const std::string& text) {
  size_t end = text.size();
  while (end > 0 && text[end - 1] == ' ') --end;
  return text.substr(0, end);
}

bool EqualsIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
  }
  return true;
}

std::string ToUpper(std::string text) {
  for (char& c : text) c = UpperAscii(c);
  return text;
}

bool ParseNumber(const std::string& text, long limit, long* value) {
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
