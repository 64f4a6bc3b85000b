#include "probes/sensor_table_count.h"

#include <cstring>

#include "probes/call_lists.h"
#include "probes/sensor_row.h"
#include "probes/table_request.h"
#include "rfc/rfc_functions.h"

namespace fernwatch {
namespace {

// False when the library refuses a row.
bool CountRows(ITAB_H entries, SensorTableCount* count) {
  const unsigned fill = RfcLibrary().ItFill(entries);
  for (unsigned i = 1; i != 0 && i <= fill; ++i) {
    const void* line = RfcLibrary().ItGetLine(entries, i);
    if (line == nullptr) return false;
    ++count->Rows;
    if (CutSensorRow(static_cast<const char*>(line)).IsHeader()) ++count->Sensors;
  }
  return true;
}

}  // namespace

ProbeOutcome CountSensorTable(RFC_HANDLE handle, const char* table_name, SensorTableCount* count) {
  *count = SensorTableCount();
  TableRequest request = WholeTableRequest(table_name);
  ITAB_H entries = RfcLibrary().ItCreate(LibraryName("ENTRIES"), kSensorRowLength, 0, 0);
  if (entries == nullptr) return ProbeOutcome::Refused("ItCreate ENTRIES");
  if (!InstallTableStructure()) return ProbeOutcome::Refused("RfcInstallStructure");

  char exception[kExceptionNameSize] = "";
  ProbeOutcome outcome;
  outcome.ReturnCode =
      ReadSensorTable(handle, request.bypass_buffer, request.from_key, request.generic_key,
                      &request.max_entries, request.table_name, request.to_key,
                      &request.number_of_entries, entries, exception);
  const int rc = outcome.ReturnCode;
  outcome.Succeeded =
      rc == RFC_OK || (rc == RFC_EXCEPTION && std::strcmp(exception, "INTERNAL_ERROR") == 0);
  if (rc == RFC_OK && !CountRows(entries, count)) return ProbeOutcome::Refused("ItGetLine ENTRIES");
  if (!outcome.Succeeded) outcome.Error = RemoteCallError(rc, exception);

  if (RfcLibrary().ItDelete(entries) != 0) return ProbeOutcome::Refused("ItDelete ENTRIES");
  return outcome;
}

}  // namespace fernwatch
