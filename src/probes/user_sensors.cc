// The user sensors of one system: its sensor table read once, the selected
// rows turned into channels, and the status text left for the run driver.
#include <cstring>

#include "output/result_document.h"
#include "probes/call_lists.h"
#include "probes/probes.h"
#include "probes/sensor_row.h"
#include "probes/sensor_selection.h"
#include "rfc/connection.h"
#include "rfc/decimal_value.h"
#include "run_state.h"

namespace fernwatch {
namespace {

// The fixed-length fields of the read, blank-padded, not terminated.
struct TableRequest {
  char bypass_buffer[1];
  char from_key[kTableKeyLength];
  char generic_key[kTableKeyLength];
  int32_t max_entries;
  char table_name[kTableNameLength];
  char to_key[kTableKeyLength];
  int32_t number_of_entries;
};

template <size_t N>
void FillField(char (&field)[N], const char* text) {
  std::memset(field, ' ', N);
  size_t length = std::strlen(text);
  std::memcpy(field, text, length < N ? length : N);
}

// The whole table: the run driver leaves the key and the limit empty.
TableRequest WholeTableRequest() {
  TableRequest request;
  FillField(request.bypass_buffer, "");
  FillField(request.from_key, "");
  FillField(request.generic_key, g_run.GenericKeyText.c_str());
  request.max_entries = DecimalValue(g_run.MaxEntriesText.c_str());
  FillField(request.table_name, g_run.SensorTableName.c_str());
  FillField(request.to_key, "");
  request.number_of_entries = 0;
  return request;
}

void EvaluateRows(ITAB_H entries) {
  SensorSelection selection = CurrentSelection();
  if (!selection.Listing) {
    BeginDocument();
    PrintDocument();
  }
  // Nothing changes the table while its rows are read: its fill is asked once.
  const unsigned fill = ItFill(entries);
  for (unsigned i = 1; i != 0 && i <= fill; ++i) {
    const void* line = ItGetLine(entries, i);
    if (line == nullptr) ReportRfcError("ItGetLine ENTRIES");
    EvaluateSensorRow(CutSensorRow(static_cast<const char*>(line)), &selection);
  }
  WriteSensorStatusText(selection);
}

// The function module's way of saying the table is there but empty.
void ReportNoEntries() {
  bool listing = IsSet(g_run.ListingRun);
  if (!listing) BeginDocument();
  BeginText();
  AppendStatusText("(");
  AppendStatusText(g_run.Profile.Destination.c_str());
  AppendStatusText(") Fernwatch: ");
  AppendStatusText("No Table-Entries defined / found...");
  AppendStatusText(" ");
  EndText();
  if (!listing) EndDocument();
}

}  // namespace

ProbeOutcome EvaluateUserSensors(RFC_HANDLE handle) {
  TableRequest request = WholeTableRequest();
  ITAB_H entries = ItCreate(LibraryName("ENTRIES"), kSensorRowLength, 0, 0);
  if (entries == nullptr) ReportRfcError("ItCreate ENTRIES");

  char exception[kExceptionNameSize] = "";
  int rc = ReadSensorTable(handle, request.bypass_buffer, request.from_key, request.generic_key,
                           &request.max_entries, request.table_name, request.to_key,
                           &request.number_of_entries, entries, exception);
  bool no_entries = rc == RFC_EXCEPTION && std::strcmp(exception, "INTERNAL_ERROR") == 0;
  if (rc == RFC_OK) {
    EvaluateRows(entries);
  } else if (no_entries) {
    ReportNoEntries();
  } else {
    AppendRemoteCallError(rc, exception);
  }

  if (ItDelete(entries) != 0) ReportRfcError("ItDelete ENTRIES");
  return ProbeOutcome{rc, rc == RFC_OK || no_entries};
}

}  // namespace fernwatch
