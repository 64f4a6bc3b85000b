// The user sensors of one system: its sensor table read once, the selected
// rows turned into channels, and the status text left for the run driver.
#include <cstring>

#include "probes/call_lists.h"
#include "probes/probes.h"
#include "probes/sensor_row.h"
#include "probes/sensor_selection.h"
#include "probes/table_request.h"
#include "rfc/rfc_functions.h"
#include "run_state.h"

namespace fernwatch {
namespace {

// False when the library refuses a row; what was printed stays so.
bool EvaluateRows(ITAB_H entries, SensorSelection* selection, ResultWriter& writer) {
  if (!selection->Listing) {
    writer.BeginDocument();
    writer.Print();
  }
  // Nothing changes the table while its rows are read: its fill is asked once.
  const unsigned fill = RfcLibrary().ItFill(entries);
  for (unsigned i = 1; i != 0 && i <= fill; ++i) {
    const void* line = RfcLibrary().ItGetLine(entries, i);
    if (line == nullptr) return false;
    EvaluateSensorRow(CutSensorRow(static_cast<const char*>(line)), selection, writer);
  }
  if (!selection->Listing)
    writer.NoteSensorRows(SensorRows{selection->HeaderMet, selection->DataRows});
  WriteSensorStatusText(*selection, writer);
  return true;
}

// The function module's way of saying the table is there but empty.
void ReportNoEntries(ResultWriter& writer) {
  bool listing = g_run.ListingRun;
  if (!listing) writer.BeginDocument();
  writer.BeginText();
  writer.AppendStatusText("(");
  writer.AppendStatusText(g_run.Profile.Destination.c_str());
  writer.AppendStatusText(") Fernwatch: ");
  writer.AppendStatusText("No Table-Entries defined / found...");
  writer.AppendStatusText(" ");
  writer.EndText();
  if (!listing) writer.EndDocument();
}

}  // namespace

ProbeOutcome EvaluateUserSensors(RFC_HANDLE handle, const char* system_label,
                                 ResultWriter& writer) {
  TableRequest request = WholeTableRequest(g_run.OutputMode->SensorTable);
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
  bool no_entries = rc == RFC_EXCEPTION && std::strcmp(exception, "INTERNAL_ERROR") == 0;
  outcome.Succeeded = rc == RFC_OK || no_entries;
  if (rc == RFC_OK) {
    SensorSelection selection = CurrentSelection(system_label);
    if (!EvaluateRows(entries, &selection, writer)) return ProbeOutcome::Refused("ItGetLine ENTRIES");
    outcome.SensorFound = selection.SensorFound;
    outcome.SensorMet = selection.HeaderMet || selection.DataRows > 0;
  } else if (no_entries) {
    ReportNoEntries(writer);
  } else {
    outcome.Error = RemoteCallError(rc, exception);
  }

  if (RfcLibrary().ItDelete(entries) != 0) return ProbeOutcome::Refused("ItDelete ENTRIES");
  return outcome;
}

}  // namespace fernwatch
