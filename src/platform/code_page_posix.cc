// Windows-1252 as Windows maps it: the bytes 0x80 to 0x9F stand for the
// characters below, including the five that the code page leaves
// unassigned and Windows maps to the control character of the same
// number; every other byte stands for the code point of its value.
#include "platform/code_page.h"

namespace fernwatch {
namespace {

constexpr uint16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

}  // namespace

size_t DecodeCharacter(const char* text, size_t length, uint32_t* code_point) {
  const unsigned char byte = static_cast<unsigned char>(text[0]);
  *code_point = byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : byte;
  return length > 0 ? 1 : 0;
}

}  // namespace fernwatch
