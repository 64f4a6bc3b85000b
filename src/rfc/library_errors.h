// The library's errors for a program that goes on after them: the profile
// tool's doctor registers an error handler of its own, which returns to
// the library instead of ending the process, and reads what the library
// knows of its last error. The probe registers ReportRfcError instead
// (connection.h), which ends the run.
#ifndef FERNWATCH_RFC_LIBRARY_ERRORS_H_
#define FERNWATCH_RFC_LIBRARY_ERRORS_H_

#include "fixed_text.h"
#include "rfc/rfc_library.h"

namespace fernwatch {

// Registers the library's environment with `handler` as its error
// handler. The library calls it from inside its own call; when it returns,
// the library's call fails as the library decides. Only after the library
// is loaded (LoadRfcLibrary).
void RegisterRfcEnvironmentWith(RFC_ERROR_HANDLER* handler);

// What RfcLastError says, each field ended within its own bounds.
struct RfcLastErrorText {
  FixedText<32> Key;
  FixedText<255> Message;
};

// The library's last error; empty texts when it knows of none.
RfcLastErrorText ReadRfcLastError();

}  // namespace fernwatch

#endif  // FERNWATCH_RFC_LIBRARY_ERRORS_H_
