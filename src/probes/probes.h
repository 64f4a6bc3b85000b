// The calls made over an open connection: the two reachability probes, the
// sensor table read, and the evaluation of the user sensors.
#ifndef FERNWATCH_PROBES_PROBES_H_
#define FERNWATCH_PROBES_PROBES_H_

#include <cstdint>

#include "rfc/rfc_library.h"

namespace fernwatch {

// GET_CPU_ALL on the local server; RunStatus "OK" on success, otherwise an
// error text appended to the result document. Returns the return code.
int ProbeCpu(RFC_HANDLE handle);

// RFC_SYSTEM_INFO, judged the same way.
int ProbeSystemInfo(RFC_HANDLE handle);

// RFC_GET_TABLE_ENTRIES into `entries`; fixed-length fields as the function
// module expects them. Returns the return code; on 2 and 3 the exception
// name is in `exception` (256 bytes).
int ReadSensorTable(RFC_HANDLE handle, const char* bypass_buffer, const char* from_key,
                    const char* generic_key, int32_t* max_entries, const char* table_name,
                    const char* to_key, int32_t* number_of_entries, ITAB_H entries,
                    char* exception);

// Turns the rows of the sensor table into channels and the status text.
// Returns the return code of the read (2 also for a table without entries).
int EvaluateUserSensors(RFC_HANDLE handle);

// Appends the message for a failed remote call: Error 1012 to 1015.
void AppendRemoteCallError(int return_code, const char* exception);

}  // namespace fernwatch

#endif  // FERNWATCH_PROBES_PROBES_H_
