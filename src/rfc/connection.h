// Opening the connection to one SAP system, the RFC error report, the
// reason read from the library's trace file, and the probe's own trace.
#ifndef FERNWATCH_RFC_CONNECTION_H_
#define FERNWATCH_RFC_CONNECTION_H_

#include "rfc/rfc_library.h"

namespace fernwatch {

// The library's trace file in the working directory: a block for every
// failure, kept after a failed run.
inline constexpr char kLibraryTraceFile[] = "Dev_Rfc.Trc";

// Logs on to the system of the run's SystemProfile: with RfcOpen, or with a
// connection string when "SapRfc.<destination>" exists, which is copied to
// "SapRfc.ini" and read by the library while this process holds the
// working directory's lock (waited for at most 20 s, then done without).
// Remembers the trace file's size just before the open in TraceSizeAtOpen.
// 0 when no connection could be opened.
RFC_HANDLE OpenConnection();

// The library's error handler, also called by the program when a structure
// or internal-table operation fails: prints the RFC error report and ends
// the process with exit status 1. It ends the run itself by design: the
// library calls it from inside its own call, in its own order, so there is
// no fault value to hand back up.
void SAP_API ReportRfcError(rfc_char_t* operation);
[[noreturn]] void ReportRfcError(const char* operation);

// Appends the reason of the last failure that "Dev_Rfc.Trc" received since
// the last open (TraceSizeAtOpen); the whole file is read when it has
// become shorter since.
void AppendTraceMessage();

// One line of the probe's own trace ("Fernwatch.Trc"), written only when
// the argument text asks for it (AsksForTrace).
void TracePoint(RFC_HANDLE handle, const char* event, const char* detail);

}  // namespace fernwatch

#endif  // FERNWATCH_RFC_CONNECTION_H_
