#include "probes/table_request.h"

#include <cstring>

#include "probes/call_lists.h"
#include "rfc/rfc_functions.h"

namespace fernwatch {
namespace {

template <size_t N>
void FillField(char (&field)[N], const char* text) {
  std::memset(field, ' ', N);
  size_t length = std::strlen(text);
  std::memcpy(field, text, length < N ? length : N);
}

}  // namespace

TableRequest WholeTableRequest(const char* table_name) {
  TableRequest request;
  FillField(request.bypass_buffer, "");
  FillField(request.from_key, "");
  FillField(request.generic_key, "");
  request.max_entries = 0;
  FillField(request.table_name, table_name);
  FillField(request.to_key, "");
  request.number_of_entries = 0;
  return request;
}

TableRead ReadWholeTable(RFC_HANDLE handle, const char* table_name) {
  TableRead read;
  TableRequest request = WholeTableRequest(table_name);
  read.Entries = RfcLibrary().ItCreate(LibraryName("ENTRIES"), kSensorRowLength, 0, 0);
  if (read.Entries == nullptr) {
    read.Outcome = ProbeOutcome::Refused("ItCreate ENTRIES");
    return read;
  }
  if (!InstallTableStructure()) {
    read.Outcome = ProbeOutcome::Refused("RfcInstallStructure");
    return read;
  }
  char exception[kExceptionNameSize] = "";
  const int rc = ReadSensorTable(handle, request.bypass_buffer, request.from_key,
                                 request.generic_key, &request.max_entries, request.table_name,
                                 request.to_key, &request.number_of_entries, read.Entries,
                                 exception);
  read.NoEntries = rc == RFC_EXCEPTION && std::strcmp(exception, "INTERNAL_ERROR") == 0;
  read.Outcome.ReturnCode = rc;
  read.Outcome.Succeeded = rc == RFC_OK || read.NoEntries;
  if (!read.Outcome.Succeeded) read.Outcome.Error = RemoteCallError(rc, exception);
  return read;
}

}  // namespace fernwatch
