// The files the stand-in library writes and reads in the working directory:
// the trace file Dev_Rfc.Trc, the journal, RfcSim.ini and SapRfc.ini.
#ifndef FERNWATCH_RFCSIM_RECORDS_H_
#define FERNWATCH_RFCSIM_RECORDS_H_

#include <string>
#include <vector>

namespace rfcsim {

enum class TraceLine {
  kError,      // "ERROR       <text>"
  kHighlight,  // "       ======> <text>", for logon failures and system exceptions
};

// Appends one error block to Dev_Rfc.Trc, unless the settings turn the trace
// off; with a `trace_block` file set, that file's bytes instead.
void TraceError(TraceLine kind, const std::string& text);
// A function module ended in an exception: the library writes no block of
// its own for that, but appends the `trace_block` file's bytes when one is
// set and the trace is on.
void TraceException();
// Appends one block naming lines of RfcSim.ini that were ignored.
void TraceWarnings(const std::vector<std::string>& lines);

// Appends one line to the journal, when the settings name one.
void Journal(const std::string& line);

// The whole content of a file; false when it cannot be opened.
bool ReadWholeFile(const char* name, std::string* content);

// Quoted as the journal shows character values: "text", or (null).
std::string Quoted(const char* text);
std::string Quoted(const std::string& text);

}  // namespace rfcsim

#endif  // FERNWATCH_RFCSIM_RECORDS_H_
