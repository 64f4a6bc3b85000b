// The library's calls as the exported functions hand them on.
#ifndef FERNWATCH_RFCSIM_LIBRARY_CALLS_H_
#define FERNWATCH_RFCSIM_LIBRARY_CALLS_H_

#include <string>

#include "rfc/rfc_library.h"

namespace rfcsim {

void SetEnvironment(RFC_ENV* env);
RFC_HANDLE Open(RFC_OPTIONS* options);
RFC_HANDLE OpenEx(rfc_char_t* connect_param, RFC_ERROR_INFO_EX* error_info);
RFC_RC Call(RFC_HANDLE handle, rfc_char_t* function, RFC_PARAMETER* exporting, RFC_TABLE* tables);
RFC_RC Receive(RFC_HANDLE handle, RFC_PARAMETER* importing, RFC_TABLE* tables,
               rfc_char_t** exception);
int LastError(RFC_ERROR_INFO* error_info);
void Close(RFC_HANDLE handle);

// Calls the error handler registered with RfcEnvironment, if any, with `text`.
void CallErrorHandler(const std::string& text);

}  // namespace rfcsim

#endif  // FERNWATCH_RFCSIM_LIBRARY_CALLS_H_
