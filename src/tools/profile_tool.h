// fernwatch-profile: the companion that writes what the probe only reads.
#ifndef FERNWATCH_TOOLS_PROFILE_TOOL_H_
#define FERNWATCH_TOOLS_PROFILE_TOOL_H_

namespace fernwatch {

constexpr int kToolSuccess = 0;
constexpr int kToolRefused = 2;

// Reads a password from standard input and prints its encoded value.
int EncodeCommand();

// Reads the profile `path` as a single-system run does and prints OK or the
// run's message for it.
int CheckCommand(const char* path);

// Checks the install from the working directory, and with `profile` (a
// poll's first argument, or null) the logon and the system: one line per
// check. Returns kToolSuccess when every check passed (doctor.h).
int DoctorCommand(const char* profile);

// One line on standard error; the tool's status for bad input.
int Refuse(const char* reason);

}  // namespace fernwatch

#endif  // FERNWATCH_TOOLS_PROFILE_TOOL_H_
