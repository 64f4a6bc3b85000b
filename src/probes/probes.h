// The calls made over an open connection: the two reachability probes, the
// sensor table read, and the evaluation of the user sensors.
#ifndef FERNWATCH_PROBES_PROBES_H_
#define FERNWATCH_PROBES_PROBES_H_

#include <cstdint>

#include "fixed_text.h"
#include "output/result_writer.h"
#include "rfc/rfc_library.h"

namespace fernwatch {

// The error text of a failed remote call: Error 1012 to 1015.
using CallErrorText = FixedText<511>;

// What a probe or the evaluation came to. None of them prints an error or
// ends the run: the run driver decides what the outcome means.
struct ProbeOutcome {
  int ReturnCode = 0;      // the library's, of the function module's call
  bool Succeeded = false;  // the system answered as the run needs
  CallErrorText Error;     // the failed call's message; empty on success
  // A structure or internal-table operation that the library refused
  // ("ItCreate ENTRIES"), after which no further library call was made;
  // null when there was none. The run ends with the RFC error report.
  const char* RefusedOperation = nullptr;
  // The evaluation met a data row of the requested sensor (listing runs),
  // or any row of it, its title row too.
  bool SensorFound = false;
  bool SensorMet = false;

  static ProbeOutcome Refused(const char* operation) {
    ProbeOutcome outcome;
    outcome.RefusedOperation = operation;
    return outcome;
  }
};

// GET_CPU_ALL on the local server; succeeded with return code 0.
ProbeOutcome ProbeCpu(RFC_HANDLE handle);

// RFC_SYSTEM_INFO, judged the same way.
ProbeOutcome ProbeSystemInfo(RFC_HANDLE handle);

// RFC_GET_TABLE_ENTRIES into `entries`; fixed-length fields as the function
// module expects them, and its structure TAB512 installed
// (InstallTableStructure). Returns the return code; on 2 and 3 the
// exception name is in `exception` (256 bytes).
int ReadSensorTable(RFC_HANDLE handle, const char* bypass_buffer, const char* from_key,
                    const char* generic_key, int32_t* max_entries, const char* table_name,
                    const char* to_key, int32_t* number_of_entries, ITAB_H entries,
                    char* exception);

// Installs TAB512 unless it is already; false when the library refuses it.
bool InstallTableStructure();

// Reads the user-sensor table of the run's front-end whole and turns the
// rows the run asks for into channels through `writer`, printing the
// opening (single-system run) and each channel as it is written; the
// status text and the closing are left in the document for the run
// driver. In a listing run `system_label` names the system in its
// channels. Succeeded also for a table without entries, with the return
// code 2 of the read.
ProbeOutcome EvaluateUserSensors(RFC_HANDLE handle, const char* system_label,
                                 ResultWriter& writer);

// The message for a failed remote call: Error 1012 to 1015.
CallErrorText RemoteCallError(int return_code, const char* exception);

}  // namespace fernwatch

#endif  // FERNWATCH_PROBES_PROBES_H_
