// Helpers shared by the library's readers, on views of text: the views they
// return lie within the text they were given.
#ifndef FERNWATCH_RFCSIM_TEXT_H_
#define FERNWATCH_RFCSIM_TEXT_H_

#include <cstddef>
#include <string>
#include <string_view>

namespace rfcsim {

inline bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// As toupper in the C locale, which is the library's, without the call.
inline char UpperAscii(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Without the blanks and tabs at both ends.
inline std::string_view Trim(std::string_view text) {
  size_t start = 0;
  while (start < text.size() && IsBlank(text[start])) ++start;
  size_t end = text.size();
  while (end > start && IsBlank(text[end - 1])) --end;
  return text.substr(start, end - start);
}

// Without the blanks at the end.
inline std::string_view TrimRight(std::string_view text) {
  size_t end = text.size();
  while (end > 0 && text[end - 1] == ' ') --end;
  return text.substr(0, end);
}

inline bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
  }
  return true;
}

std::string ToUpper(std::string text);

// A whole unsigned decimal number within `limit`; false for anything else.
bool ParseNumber(std::string_view text, long limit, long* value);

}  // namespace rfcsim

#endif  // FERNWATCH_RFCSIM_TEXT_H_
