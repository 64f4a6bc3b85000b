#include "probes/probes.h"

namespace fernwatch {

// Without a line end: the run driver adds the trace file's reason behind.
CallErrorText RemoteCallError(int return_code, const char* exception) {
  CallErrorText text;
  switch (return_code) {
    case RFC_FAILURE:
      text.assign("Error 1014: RFC-Failure raised !");
      break;
    case RFC_EXCEPTION:
      text.assign("Error 1012: Exception.: ");
      text.append(exception != nullptr ? exception : "");
      break;
    case RFC_SYS_EXCEPTION:
      text.assign("Error 1013: Sys-Exception raised !");
      break;
    default:
      text.assign("Error 1015: Other Failure raised !");
      break;
  }
  return text;
}

}  // namespace fernwatch
