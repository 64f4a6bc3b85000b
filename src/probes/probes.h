// The calls made over an open connection: the two reachability probes, the
// sensor table read, and the evaluation of the user sensors.
#ifndef FERNWATCH_PROBES_PROBES_H_
#define FERNWATCH_PROBES_PROBES_H_

#include <cstdint>

#include "rfc/rfc_library.h"

namespace fernwatch {

// What a probe or the evaluation came to: the library's return code, and
// whether the system answered as the run needs. A failed one has appended
// its error text (Error 1012 to 1015) to the result document.
struct ProbeOutcome {
  int ReturnCode;
  bool Succeeded;
};

// GET_CPU_ALL on the local server; succeeded with return code 0. A table
// operation the library refuses ends the run through the RFC error report.
ProbeOutcome ProbeCpu(RFC_HANDLE handle);

// RFC_SYSTEM_INFO, judged the same way.
ProbeOutcome ProbeSystemInfo(RFC_HANDLE handle);

// RFC_GET_TABLE_ENTRIES into `entries`; fixed-length fields as the function
// module expects them. Returns the return code; on 2 and 3 the exception
// name is in `exception` (256 bytes).
int ReadSensorTable(RFC_HANDLE handle, const char* bypass_buffer, const char* from_key,
                    const char* generic_key, int32_t* max_entries, const char* table_name,
                    const char* to_key, int32_t* number_of_entries, ITAB_H entries,
                    char* exception);

// Turns the rows of the sensor table into channels and the status text.
// Succeeded also for a table without entries, with the return code 2 of
// the read. A table operation the library refuses ends the run through the
// RFC error report.
ProbeOutcome EvaluateUserSensors(RFC_HANDLE handle);

// Appends the message for a failed remote call: Error 1012 to 1015.
void AppendRemoteCallError(int return_code, const char* exception);

}  // namespace fernwatch

#endif  // FERNWATCH_PROBES_PROBES_H_
