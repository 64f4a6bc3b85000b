// Finding the start file: the profile name completed, the global listing
// recognised, a designated front-end applied, and in PRTG mode the file
// searched in PRTG's custom-sensor directory.
#ifndef FERNWATCH_CONFIG_LOCATE_H_
#define FERNWATCH_CONFIG_LOCATE_H_

#include "config/config_fault.h"

namespace fernwatch {

// Why the start file was not located.
struct LocateFault {
  enum Kind {
    kNone,
    kProfileMissing,    // Error 1002 for `profile`
    kInvalidPathUsage,  // the PRTG directory is none that a sensor uses
  };

  LocateFault() = default;
  explicit LocateFault(Kind fault_kind, const char* missing = "")
      : kind(fault_kind), profile(missing) {}
  bool Failed() const { return kind != kNone; }

  Kind kind = kNone;
  FaultSubject profile;  // as given or searched: a path or a bare name
};

// Error 1002 naming `profile`.
LocateFault ProfileMissing(const char* profile);

// The text of the error document for `fault`; empty for none.
FaultMessage LocateFaultMessage(const LocateFault& fault);

// Adds ".P00" to a name without a three-character extension and turns
// GLOBAL or GLOBAL.P00 into the global sensor listing (sets ListingRun).
// A name without room for the extension is missing rather than cut.
LocateFault CompleteProfileName();

// Splits off the directory, applies a designated front-end, searches the
// PRTG directories; leaves the file open in ProfileFile with ProfileDirectory
// and ProfilePath set, and sets OutputMode. On a fault the run-wide values
// are left half set: the run cannot go on.
LocateFault LocateProfile();

}  // namespace fernwatch

#endif  // FERNWATCH_CONFIG_LOCATE_H_
