// Helpers shared by the library's readers of text.
#ifndef FERNWATCH_RFCSIM_TEXT_H_
#define FERNWATCH_RFCSIM_TEXT_H_

#include <string>

namespace rfcsim {

inline bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Without the blanks and tabs at both ends.
std::string Trim(const std::string& text);
// Without the blanks at the end.
std::string TrimRight(const std::string& text);

// Keys and names compare ignoring the case of the letters a to z only, as
// in the C locale, whatever locale the program that loads the library set.
bool EqualsIgnoringCase(const std::string& a, const std::string& b);
std::string ToUpper(std::string text);

// A whole unsigned decimal number within `limit`; false for anything else.
bool ParseNumber(const std::string& text, long limit, long* value);

}  // namespace rfcsim

#endif  // FERNWATCH_RFCSIM_TEXT_H_
