#include "platform/console.h"

namespace fernwatch {

long ReadLineFrom(std::FILE* input, char* buffer, size_t size) {
  if (size == 0) return -1;
  size_t length = 0;
  bool ended = true;
  int c;
  while ((c = std::getc(input)) != EOF) {
    ended = false;
    if (c == '\n') break;
    if (length + 1 < size) buffer[length] = static_cast<char>(c);
    ++length;
  }
  if (ended) {
    buffer[0] = '\0';
    return -1;
  }
  const size_t kept = length < size - 1 ? length : size - 1;
  buffer[kept] = '\0';
  // A carriage return before the line feed belongs to the line end.
  if (length == kept && length > 0 && buffer[length - 1] == '\r') buffer[--length] = '\0';
  return static_cast<long>(length);
}

void WriteErrorLine(const char* line) {
  std::fputs(line, stderr);
  std::fputc('\n', stderr);
  std::fflush(stderr);
}

void WipeSecret(char* buffer, size_t size) {
  volatile char* secret = buffer;
  for (size_t i = 0; i < size; ++i) secret[i] = '\0';
}

}  // namespace fernwatch
