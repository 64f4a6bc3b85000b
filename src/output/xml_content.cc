#include "output/xml_content.h"

#include <cstdio>

#include "platform/code_page.h"

namespace fernwatch {
namespace {

XmlCharacter Written(const char* text, size_t taken) {
  XmlCharacter character;
  character.length = std::strlen(text);
  std::memcpy(character.written, text, character.length + 1);
  character.taken = taken;
  return character;
}

// Characters that XML 1.0 does not allow, even as a reference.
bool IsXmlCharacter(uint32_t code_point) {
  if (code_point < 0x20) return code_point == '\t' || code_point == '\n' || code_point == '\r';
  if (code_point >= 0xD800 && code_point <= 0xDFFF) return false;
  return code_point != 0xFFFE && code_point != 0xFFFF && code_point <= 0x10FFFF;
}

}  // namespace

XmlCharacter XmlCharacterAt(const char* text, size_t length, XmlControls controls) {
  uint32_t code_point = 0;
  const size_t taken = DecodeCharacter(text, length, &code_point);
  switch (code_point) {
    case '&':
      return Written("&amp;", taken);
    case '<':
      return Written("&lt;", taken);
    case '>':
      return Written("&gt;", taken);
  }
  if (code_point == kUnconvertible) return Written("?", taken);
  if (code_point < 0x20 && (controls == XmlControls::kBlankAll || !IsXmlCharacter(code_point)))
    return Written(" ", taken);
  if (!IsXmlCharacter(code_point)) return Written("?", taken);
  if (code_point <= 0x7E) {
    const char plain[2] = {static_cast<char>(code_point), '\0'};
    return Written(plain, taken);
  }
  char reference[12];
  std::snprintf(reference, sizeof reference, "&#x%X;", static_cast<unsigned>(code_point));
  return Written(reference, taken);
}

}  // namespace fernwatch
