#include "platform/temporary_copy.h"

#include <cstring>

namespace fernwatch {
namespace {

const char kEnding[] = ".tmp";
constexpr long kMostDigits = 10;  // a 32-bit number

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The decimal number at the front of `text`, written as the copies' names
// write it (no leading zero, at most 32 bits); the text after it, or null
// when there is no such number.
const char* SkipNumber(const char* text, unsigned long* number) {
  unsigned long long value = 0;
  const char* at = text;
  for (; IsDigit(*at) && at - text < kMostDigits; ++at) value = value * 10 + (*at - '0');
  if (at == text || IsDigit(*at) || (text[0] == '0' && at - text > 1) || value > 0xFFFFFFFFull)
    return nullptr;
  *number = static_cast<unsigned long>(value);
  return at;
}

}  // namespace

CopyName LockedCopyName(const char* target) {
  CopyName name(target);
  name.append(kEnding);
  return name;
}

CopyName OwnCopyName(const char* target, unsigned long process, unsigned long stamp) {
  CopyName name;
  name.format("%s.%lu.%lu%s", target, process, stamp, kEnding);
  return name;
}

bool IsTemporaryCopy(const char* name, const char* target_name, unsigned long* process) {
  const size_t length = std::strlen(target_name);
  if (std::strncmp(name, target_name, length) != 0) return false;
  const char* rest = name + length;
  if (std::strcmp(rest, kEnding) == 0) {
    *process = 0;
    return true;
  }
  unsigned long writer = 0, stamp = 0;
  if (rest[0] != '.' || (rest = SkipNumber(rest + 1, &writer)) == nullptr || writer == 0 ||
      rest[0] != '.' || (rest = SkipNumber(rest + 1, &stamp)) == nullptr ||
      std::strcmp(rest, kEnding) != 0)
    return false;
  *process = writer;
  return true;
}

}  // namespace fernwatch
