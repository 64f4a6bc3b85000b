// The console as the profile tool uses it: a secret line from standard
// input, and lines on standard error. The probe itself never reads its
// input nor writes to standard error.
#ifndef FERNWATCH_PLATFORM_CONSOLE_H_
#define FERNWATCH_PLATFORM_CONSOLE_H_

#include <cstddef>
#include <cstdio>

namespace fernwatch {

// Reads one line from standard input. When the input is a terminal,
// `prompt` is written to standard error first and the typed characters are
// not echoed. Returns the length of the line without its end (a longer
// line than the buffer holds is consumed whole, the buffer keeping its
// first size-1 characters), or -1 when the input ended before the line.
long ReadSecretLine(const char* prompt, char* buffer, size_t size);

// Writes `line` and a line end to standard error.
void WriteErrorLine(const char* line);

// Overwrites `size` bytes of a secret, in a way the compiler keeps.
void WipeSecret(char* buffer, size_t size);

// The line reading of ReadSecretLine on any stream.
long ReadLineFrom(std::FILE* input, char* buffer, size_t size);

}  // namespace fernwatch

#endif  // FERNWATCH_PLATFORM_CONSOLE_H_
