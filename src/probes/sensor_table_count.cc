#include "probes/sensor_table_count.h"

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
  TableRead read = ReadWholeTable(handle, table_name);
  if (read.Outcome.RefusedOperation != nullptr) return read.Outcome;
  if (read.Outcome.ReturnCode == RFC_OK && !CountRows(read.Entries, count))
    return ProbeOutcome::Refused("ItGetLine ENTRIES");
  if (RfcLibrary().ItDelete(read.Entries) != 0) return ProbeOutcome::Refused("ItDelete ENTRIES");
  return read.Outcome;
}

}  // namespace fernwatch
