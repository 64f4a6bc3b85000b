#include <termios.h>
#include <unistd.h>

#include "platform/console.h"

namespace fernwatch {

long ReadSecretLine(const char* prompt, char* buffer, size_t size) {
  struct termios saved;
  bool echo_off = false;
  if (isatty(STDIN_FILENO)) {
    std::fputs(prompt, stderr);
    std::fflush(stderr);
    if (tcgetattr(STDIN_FILENO, &saved) == 0) {
      struct termios quiet = saved;
      quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
      echo_off = tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet) == 0;
    }
  }
  long length = ReadLineFrom(stdin, buffer, size);
  if (echo_off) {
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
    std::fputc('\n', stderr);  // the line end typed was not echoed either
  }
  return length;
}

}  // namespace fernwatch
