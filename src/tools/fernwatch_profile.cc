// fernwatch-profile encode       password from standard input -> encoded value
// fernwatch-profile check FILE   OK, or the run's own message for the profile
// fernwatch-profile doctor [PROFILE]   the install, and a poll's logon, checked
#include <cstring>

#include "fixed_text.h"
#include "platform/console.h"
#include "tools/profile_tool.h"

namespace fernwatch {

int Refuse(const char* reason) {
  FixedText<255> line("fernwatch-profile: ");
  line.append(reason);
  WriteErrorLine(line.c_str());
  return kToolRefused;
}

}  // namespace fernwatch

int main(int argc, char** argv) {
  using namespace fernwatch;
  const char* command = argc > 1 ? argv[1] : "";
  if (std::strcmp(command, "encode") == 0) {
    // A password on the command line would stay in shell histories and
    // process lists; it is not taken from there, nor echoed back.
    if (argc != 2) return Refuse("encode reads the password from standard input, not from arguments");
    return EncodeCommand();
  }
  if (std::strcmp(command, "check") == 0) {
    if (argc != 3) return Refuse("usage: fernwatch-profile check FILE");
    return CheckCommand(argv[2]);
  }
  if (std::strcmp(command, "doctor") == 0) {
    if (argc > 3) return Refuse("usage: fernwatch-profile doctor [PROFILE]");
    return DoctorCommand(argc == 3 ? argv[2] : nullptr);
  }
  return Refuse("usage: fernwatch-profile encode | fernwatch-profile check FILE | "
                "fernwatch-profile doctor [PROFILE]");
}
