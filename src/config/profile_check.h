// Reading and checking a profile file apart from the run's own record and
// reporting, so that the profile tool checks a file exactly as a
// single-system run reads it.
#ifndef FERNWATCH_CONFIG_PROFILE_CHECK_H_
#define FERNWATCH_CONFIG_PROFILE_CHECK_H_

#include "fixed_text.h"
#include "platform/env.h"
#include "run_state.h"

namespace fernwatch {

enum class ProfileForm {
  kSingle,   // a single-system run: a password fault stops the reading
  kListing,  // one system of a listing run: the reading goes on
};

enum class ProfileFault {
  kNone,
  kInvalidParameters,  // Error 1003
  kInvalidPassword,    // Error 1004
  kWrongPassword,      // Error 1005
  kUserMissing,        // Error 1006
  kPasswordMissing,    // Error 1007
};

// Reads `file` to its end into `profile`, overwriting the fields whose
// lines it holds, and checks the record. The single form stops at a
// password fault and reports it; the listing form reads on and reports the
// first fault it met. kNone when the record is complete and sound.
ProfileFault ReadProfileRecord(InputFile& file, ProfileForm form, SystemProfile* profile);

using ProfileMessage = FixedText<255>;

// The single form's message for `fault`, naming the profile file `name`.
ProfileMessage ProfileFaultMessage(ProfileFault fault, const char* name);

}  // namespace fernwatch

#endif  // FERNWATCH_CONFIG_PROFILE_CHECK_H_
