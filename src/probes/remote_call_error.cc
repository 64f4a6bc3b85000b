#include "output/result_document.h"
#include "probes/probes.h"

namespace fernwatch {

// Appended as they are: the run driver adds the trace file's reason behind.
void AppendRemoteCallError(int return_code, const char* exception) {
  switch (return_code) {
    case RFC_FAILURE:
      AppendToDocument("Error 1014: RFC-Failure raised !");
      break;
    case RFC_EXCEPTION:
      AppendToDocument("Error 1012: Exception.: ");
      AppendToDocument(exception != nullptr ? exception : "");
      break;
    case RFC_SYS_EXCEPTION:
      AppendToDocument("Error 1013: Sys-Exception raised !");
      break;
    default:
      AppendToDocument("Error 1015: Other Failure raised !");
      break;
  }
}

}  // namespace fernwatch
