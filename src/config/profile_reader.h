// The run's own reading of a profile: the file located for the current
// system into the run's SystemProfile.
#ifndef FERNWATCH_CONFIG_PROFILE_READER_H_
#define FERNWATCH_CONFIG_PROFILE_READER_H_

#include <memory>

#include "config/profile_check.h"
#include "platform/env.h"

namespace fernwatch {

// Reads `file` into the run's SystemProfile and closes it. The single form
// reports a fault as Error 1003 to 1007 and ends the run; the listing form
// sets SystemFailed and returns.
void ReadSystemProfile(std::unique_ptr<InputFile> file, ProfileForm form);

}  // namespace fernwatch

#endif  // FERNWATCH_CONFIG_PROFILE_READER_H_
