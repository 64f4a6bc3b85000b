// Logging on to the current system: with the options records, or with a
// connection string when the destination has its own library configuration
// ("SapRfc.<destination>"), which is first made the library's "SapRfc.ini".
// Polls started at once in one working directory share that file, so each
// holds the directory's lock from its copy until the library has read it.
#include <cstring>
#include <memory>

#include "rfc/connection.h"
#include "rfc/connection_records.h"
#include "rfc/rfc_functions.h"
#include "rfc/rfc_state.h"
#include "run_state.h"

namespace fernwatch {
namespace {

// A poll waits this long for another one's copy and open, then goes on
// without the lock rather than fail: a hung open elsewhere costs no more.
// The wait never outlasts the run's time budget.
constexpr int kSapRfcLockWaitMilliseconds = 20000;

// What the trace file holds before the open is no reason of this run's.
void RememberTraceSize() {
  RfcState().TraceSizeAtOpen = CurrentEnv().FileSize(kLibraryTraceFile);
}

RFC_HANDLE OpenWithOptions(RFC_OPTIONS* options) {
  RememberTraceSize();
  RFC_HANDLE handle = RfcLibrary().RfcOpen(options);
  TracePoint(handle, "RfcOpen called", "");
  return handle;
}

RFC_HANDLE OpenWithConnectionString() {
  FixedText<1023> text = ConnectionString();
  RFC_ERROR_INFO_EX error_info;  // filled by the library, not read
  std::memset(&error_info, 0, sizeof error_info);
  RememberTraceSize();
  // The library only reads the string.
  RFC_HANDLE handle = RfcLibrary().RfcOpenEx(const_cast<rfc_char_t*>(text.c_str()), &error_info);
  TracePoint(handle, "RfcOpenEx called", "");
  return handle;
}

// The destination's own library configuration, "SapRfc.<destination>" in
// the working directory; null when there is none. A destination holding a
// directory or drive separator names no such file: "SapRfc.\..\x" would
// copy a file from elsewhere into SapRfc.ini.
std::unique_ptr<InputFile> OpenOwnConfiguration(const FixedText<11>& destination) {
  for (char separator : {'\\', '/', ':'})
    if (destination.find_char(separator) != destination.npos) return nullptr;
  FixedText<18> name("SapRfc.");
  name.append(destination);
  return CurrentEnv().OpenRaw(name.c_str());
}

// The logon of the current system, with the records or through its own
// library configuration.
RFC_HANDLE LogOn(ResultWriter& writer) {
  RFC_OPTIONS* options = FillConnectionRecords();

  std::unique_ptr<InputFile> source = OpenOwnConfiguration(g_run.Profile.Destination);
  if (!source) return OpenWithOptions(options);

  writer.PrintDestinationFile(g_run.Profile.Destination.c_str());
  std::unique_ptr<HeldLock> lock =
      CurrentEnv().LockWorkingDirectory(BudgetLeftMilliseconds(kSapRfcLockWaitMilliseconds));
  bool copied = CurrentEnv().ReplaceFile(*source, "SapRfc.ini", lock.get());
  source.reset();
  if (!copied) return 0;
  return OpenWithConnectionString();  // the lock goes when the open is done
}

}  // namespace

RFC_HANDLE OpenConnection(ResultWriter& writer) {
  RfcState().Session = LogOn(writer);
  return RfcState().Session;
}

void CloseConnection() {
  RFC_HANDLE& session = RfcState().Session;
  if (session == 0) return;
  RfcLibrary().RfcClose(session);
  session = 0;
}

}  // namespace fernwatch
