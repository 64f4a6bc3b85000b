#include <windows.h>

#include "platform/console.h"

namespace fernwatch {

long ReadSecretLine(const char* prompt, char* buffer, size_t size) {
  HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  DWORD saved = 0;
  bool echo_off = false;
  if (input != INVALID_HANDLE_VALUE && GetConsoleMode(input, &saved)) {
    std::fputs(prompt, stderr);
    std::fflush(stderr);
    echo_off = SetConsoleMode(input, saved & ~static_cast<DWORD>(ENABLE_ECHO_INPUT)) != 0;
  }
  long length = ReadLineFrom(stdin, buffer, size);
  if (echo_off) {
    SetConsoleMode(input, saved);
    std::fputc('\n', stderr);  // the line end typed was not echoed either
  }
  return length;
}

}  // namespace fernwatch
