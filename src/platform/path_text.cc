#include "platform/path_text.h"

namespace fernwatch {

namespace {
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
}  // namespace

HostPath HostPathOf(const char* path_text) {
  const char* rest = path_text;
  HostPath host;
  if (IsLetter(rest[0]) && rest[1] == ':' && rest[2] == '\\') rest += 2;
  for (; *rest != '\0'; ++rest) host.append_char(*rest == '\\' ? '/' : *rest);
  return host;
}

}  // namespace fernwatch
