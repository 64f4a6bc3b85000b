// How a run ends on a fault found before or instead of its remote calls:
// the error document carrying the fault's message, printed whole, and
// exit status 2. Only the run driver ends a run this way; the readers below
// it return their faults.
#ifndef FERNWATCH_APP_RUN_FAULTS_H_
#define FERNWATCH_APP_RUN_FAULTS_H_

#include "config/listing_file.h"
#include "config/locate.h"
#include "config/profile_check.h"

namespace fernwatch {

// Replaces the result document by the error document for `message`,
// prints it and ends the process with exit status 2.
[[noreturn]] void ExitWithErrorDocument(const char* message);

// Each returns when `fault` is none, and otherwise ends the run as
// ExitWithErrorDocument does, with the fault's message.
void ExitOnFault(const LocateFault& fault);
void ExitOnFault(const ListingFault& fault);
// A profile fault names the profile by the run's ProfileName.
void ExitOnFault(ProfileFault fault);

}  // namespace fernwatch

#endif  // FERNWATCH_APP_RUN_FAULTS_H_
