// Helpers shared by the tests of the configuration files.
#ifndef FERNWATCH_CONFIG_CONFIG_TEST_SUPPORT_H_
#define FERNWATCH_CONFIG_CONFIG_TEST_SUPPORT_H_

#include <string>

#include "support/fake_env.h"

namespace fernwatch {

inline std::string ErrorDocument(const std::string& message) {
  return "<Prtg>\n<Error>1</Error>\n<Text>" + message + "</Text>\n</Prtg>\n";
}

// The exit status with which `step` ends the run, or -1 when it returns.
template <typename Step>
int ExitStatusOf(Step step) {
  try {
    step();
  } catch (const ProcessExit& exit) {
    return exit.status;
  }
  return -1;
}

}  // namespace fernwatch

#endif  // FERNWATCH_CONFIG_CONFIG_TEST_SUPPORT_H_
