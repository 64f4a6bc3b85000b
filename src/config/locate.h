// Finding the start file: the profile name completed, the global listing
// recognised, a designated front-end applied, and in PRTG mode the file
// searched in PRTG's custom-sensor directory.
#ifndef FERNWATCH_CONFIG_LOCATE_H_
#define FERNWATCH_CONFIG_LOCATE_H_

namespace fernwatch {

// Adds ".P00" to a name without a three-character extension and turns
// GLOBAL or GLOBAL.P00 into the global sensor listing (sets ListingRun).
void CompleteProfileName();

// Splits off the directory, applies a designated front-end, searches the
// PRTG directories; leaves the file open in ProfileFile with ProfileDirectory
// and ProfilePath set, or ends the run with Error 1002 or the path-usage
// message.
void LocateProfile();

// Error 1002 naming `profile` (a path or a bare name); ends the run.
[[noreturn]] void FailProfileMissing(const char* profile);

}  // namespace fernwatch

#endif  // FERNWATCH_CONFIG_LOCATE_H_
