// UTF-16 text as the POSIX systems write path texts: in UTF-8. The Env of
// these systems converts with it (Windows has its own API for the ANSI code
// page), and so do the test Envs that stand in for them.
#ifndef FERNWATCH_PLATFORM_UTF16_TEXT_H_
#define FERNWATCH_PLATFORM_UTF16_TEXT_H_

#include <cstddef>
#include <string>

namespace fernwatch {

// The UTF-8 text of the UTF-16LE code units in `bytes` (`size` bytes, low
// byte first; a last odd byte is dropped). A surrogate without its partner
// becomes '?', as Windows writes a character its code page lacks.
std::string Utf8FromUtf16(const char* bytes, size_t size);

}  // namespace fernwatch

#endif  // FERNWATCH_PLATFORM_UTF16_TEXT_H_
