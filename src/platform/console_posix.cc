#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include "platform/console.h"

namespace fernwatch {
namespace {

struct termios saved_terminal;

// Ctrl-C during the prompt must not leave the terminal without echo.
void RestoreEchoAndStop(int signal_number) {
  tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved_terminal);
  ::signal(signal_number, SIG_DFL);
  ::raise(signal_number);
}

bool SwitchEchoOff() {
  if (tcgetattr(STDIN_FILENO, &saved_terminal) != 0) return false;
  ::signal(SIGINT, RestoreEchoAndStop);
  ::signal(SIGTERM, RestoreEchoAndStop);
  struct termios quiet = saved_terminal;
  quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
  return tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet) == 0;
}

void SwitchEchoOn() {
  tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved_terminal);
  ::signal(SIGINT, SIG_DFL);
  ::signal(SIGTERM, SIG_DFL);
}

}  // namespace

long ReadSecretLine(const char* prompt, char* buffer, size_t size) {
  bool echo_off = false;
  if (isatty(STDIN_FILENO)) {
    std::fputs(prompt, stderr);
    std::fflush(stderr);
    echo_off = SwitchEchoOff();
  }
  long length = ReadLineFrom(stdin, buffer, size);
  if (echo_off) {
    SwitchEchoOn();
    std::fputc('\n', stderr);  // the line end typed was not echoed either
  }
  return length;
}

}  // namespace fernwatch
