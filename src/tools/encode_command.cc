#include <cstring>

#include "config/password_encoder.h"
#include "platform/console.h"
#include "platform/env.h"
#include "tools/profile_tool.h"

namespace fernwatch {
namespace {

int EncodeSecret(const char* password, long length) {
  if (length < 0) return Refuse("no password on standard input");
  if (length < 1 || length > static_cast<long>(kLongestPassword))
    return Refuse("the password must have 1 to 20 characters");
  // A zero byte would end the password early: what follows it would be lost.
  if (std::strlen(password) != static_cast<size_t>(length) || !IsEncodablePassword(password))
    return Refuse("the password may hold printable ASCII characters only");
  EncodedPassword encoded;
  if (!EncodePassword(password, &encoded))
    return Refuse("this password has no encoding a profile can keep safely; choose another");
  CurrentEnv().WriteOut(encoded.c_str());
  CurrentEnv().WriteOut("\n");
  return kToolSuccess;
}

}  // namespace

int EncodeCommand() {
  char password[64];
  long length = ReadSecretLine("Password: ", password, sizeof password);
  int status = EncodeSecret(password, length);
  WipeSecret(password, sizeof password);
  return status;
}

}  // namespace fernwatch
