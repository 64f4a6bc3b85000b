// The process's ANSI code page, through the Windows conversion. A
// character takes one byte in a single-byte code page and up to four in
// the others; the shortest run of bytes that converts without error is
// the character.
#include <windows.h>

#include "platform/code_page.h"

namespace fernwatch {
namespace {

constexpr size_t kLongestCharacter = 4;

bool IsHighSurrogate(wchar_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(wchar_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// The code point of the UTF-16 units, or kUnconvertible for anything
// other than one character.
uint32_t CodePointOf(const wchar_t* units, int count) {
  if (count == 1 && !IsHighSurrogate(units[0]) && !IsLowSurrogate(units[0])) return units[0];
  if (count == 2 && IsHighSurrogate(units[0]) && IsLowSurrogate(units[1]))
    return 0x10000 + ((static_cast<uint32_t>(units[0]) - 0xD800) << 10) + (units[1] - 0xDC00);
  return kUnconvertible;
}

}  // namespace

size_t DecodeCharacter(const char* text, size_t length, uint32_t* code_point) {
  static const UINT code_page = GetACP();
  const size_t longest = length < kLongestCharacter ? length : kLongestCharacter;
  for (size_t taken = 1; taken <= longest; ++taken) {
    wchar_t units[2];
    int count = MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, text,
                                    static_cast<int>(taken), units, 2);
    if (count > 0) {
      *code_point = CodePointOf(units, count);
      return taken;
    }
  }
  *code_point = kUnconvertible;
  return length > 0 ? 1 : 0;
}

}  // namespace fernwatch
