// The run's own reading of a profile: the file located for the current
// system into the run's SystemProfile.
#ifndef FERNWATCH_CONFIG_PROFILE_READER_H_
#define FERNWATCH_CONFIG_PROFILE_READER_H_

#include <memory>

#include "config/profile_check.h"
#include "platform/env.h"

namespace fernwatch {

// Reads `file` into the run's SystemProfile and closes it; kNone when the
// record is complete and sound. What a fault means is the caller's: a
// single-system run ends with its error document, a listing run marks the
// system failed.
ProfileFault ReadSystemProfile(std::unique_ptr<InputFile> file, ProfileForm form);

}  // namespace fernwatch

#endif  // FERNWATCH_CONFIG_PROFILE_READER_H_
