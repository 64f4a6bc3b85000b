// The code page of the texts the probe receives. The classic ANSI RFC
// library hands over texts of SAP in the code page of the process: on
// Windows its ANSI code page, elsewhere Windows-1252 as Windows maps it.
// The posix and the win32 source are chosen by the build.
#ifndef FERNWATCH_PLATFORM_CODE_PAGE_H_
#define FERNWATCH_PLATFORM_CODE_PAGE_H_

#include <cstddef>
#include <cstdint>

namespace fernwatch {

// The code point of a character that the code page cannot convert: a
// byte it leaves unassigned, or a lead byte without the rest of its
// character (as a cut leaves it).
constexpr uint32_t kUnconvertible = 0xFFFFFFFF;

// The character that begins `text`, of `length` bytes (at least one):
// stores its Unicode code point, or kUnconvertible, in `code_point`, and
// returns the number of bytes it takes (at least one, at most `length`).
size_t DecodeCharacter(const char* text, size_t length, uint32_t* code_point);

}  // namespace fernwatch

#endif  // FERNWATCH_PLATFORM_CODE_PAGE_H_
