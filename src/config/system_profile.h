// The logon data of one SAP system, read from its profile file.
#ifndef FERNWATCH_CONFIG_SYSTEM_PROFILE_H_
#define FERNWATCH_CONFIG_SYSTEM_PROFILE_H_

#include <memory>

#include "fixed_text.h"

namespace fernwatch {

class InputFile;

struct SystemProfile {
  FixedText<60> Extcompany;
  FixedText<11> Destination;
  FixedText<11> Client;
  FixedText<47> User;      // upper-cased
  FixedText<31> Password;  // decoded
  FixedText<31> Language;
  FixedText<31> Mode;
  FixedText<47> Hostname;
  FixedText<31> Sysnr;
  FixedText<60> Gwhost;
  FixedText<31> Gwservice;
};

enum class ProfileForm {
  kSingle,   // any fault ends the run with its error document
  kListing,  // a fault marks the system as failed
};

// Reads `file` into the run's SystemProfile and closes it. The single form
// reports a fault as Error 1003 to 1007 and ends the run; the listing form
// sets SystemFailed and returns.
void ReadSystemProfile(std::unique_ptr<InputFile> file, ProfileForm form);

}  // namespace fernwatch

#endif  // FERNWATCH_CONFIG_SYSTEM_PROFILE_H_
