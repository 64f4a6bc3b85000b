#include "platform/utf16_text.h"

#include <cstdint>

namespace fernwatch {
namespace {

uint32_t UnitAt(const char* bytes, size_t index) {
  return static_cast<unsigned char>(bytes[2 * index]) |
         static_cast<uint32_t>(static_cast<unsigned char>(bytes[2 * index + 1])) << 8;
}

bool IsHighSurrogate(uint32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(uint32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

void AppendUtf8(uint32_t code, std::string* text) {
  if (code < 0x80) {
    text->push_back(static_cast<char>(code));
  } else if (code < 0x800) {
    text->push_back(static_cast<char>(0xC0 | code >> 6));
    text->push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else if (code < 0x10000) {
    text->push_back(static_cast<char>(0xE0 | code >> 12));
    text->push_back(static_cast<char>(0x80 | (code >> 6 & 0x3F)));
    text->push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else {
    text->push_back(static_cast<char>(0xF0 | code >> 18));
    text->push_back(static_cast<char>(0x80 | (code >> 12 & 0x3F)));
    text->push_back(static_cast<char>(0x80 | (code >> 6 & 0x3F)));
    text->push_back(static_cast<char>(0x80 | (code & 0x3F)));
  }
}

}  // namespace

std::string Utf8FromUtf16(const char* bytes, size_t size) {
  const size_t units = size / 2;
  std::string text;
  for (size_t i = 0; i < units; ++i) {
    uint32_t unit = UnitAt(bytes, i);
    if (IsHighSurrogate(unit) && i + 1 < units && IsLowSurrogate(UnitAt(bytes, i + 1))) {
      uint32_t low = UnitAt(bytes, ++i);
      AppendUtf8(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00), &text);
    } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
      text.push_back('?');
    } else {
      AppendUtf8(unit, &text);
    }
  }
  return text;
}

}  // namespace fernwatch
