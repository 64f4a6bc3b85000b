// The connection to one SAP system: the library's environment, logging on
// and off, the RFC error report, the reason read from the library's trace
// file, and the probe's own trace. The connection is the RFC layer's own:
// at most one is open at a time.
#ifndef FERNWATCH_RFC_CONNECTION_H_
#define FERNWATCH_RFC_CONNECTION_H_

#include "config/config_fault.h"
#include "output/result_writer.h"
#include "rfc/rfc_library.h"

namespace fernwatch {

// The library's trace file in the working directory: a block for every
// failure, kept after a failed run.
inline constexpr char kLibraryTraceFile[] = "Dev_Rfc.Trc";

// Registers the library's environment with ReportRfcError as its error
// handler, which reports to `writer` from then on.
void RegisterRfcEnvironment(ResultWriter& writer);

// Logs on to the system of the run's SystemProfile: with RfcOpen, or with a
// connection string when "SapRfc.<destination>" exists, which is copied to
// "SapRfc.ini" and read by the library while this process holds the
// working directory's lock (waited for at most 20 s and never beyond the
// run's time budget, then done without);
// `writer` prints the line that says so. Remembers the trace file's size
// just before the open. Returns the handle, 0 when no connection could be
// opened; the handle stays open until CloseConnection.
RFC_HANDLE OpenConnection(ResultWriter& writer);

// Closes the open connection, if there is one.
void CloseConnection();

// The library's error handler: prints the RFC error report through the
// registered writer and ends the process with exit status 1. The library
// calls it from inside its own call, in its own order, so there is no
// fault value to hand back up: it ends the run itself.
void SAP_API ReportRfcError(rfc_char_t* operation);

// The RFC error report for `operation` through `writer`, for a structure or
// internal-table operation that the library refused; RfcClose(0) follows
// it, as the library's handler does. The caller ends the run with exit
// status 1.
void WriteRfcErrorReport(ResultWriter& writer, const char* operation);

// Appends to `message` the reason of the last failure that "Dev_Rfc.Trc"
// received since the last open (" - " and its text); the whole file is
// read when it has become shorter since.
void AppendTraceMessage(FaultMessage* message);

// One line of the probe's own trace ("Fernwatch.Trc"), written only when
// the argument text asks for it (AsksForTrace).
void TracePoint(RFC_HANDLE handle, const char* event, const char* detail);

}  // namespace fernwatch

#endif  // FERNWATCH_RFC_CONNECTION_H_
