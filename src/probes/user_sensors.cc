// The user sensors of one system: its sensor table read once, the selected
// rows turned into channels, and the status text left for the run driver.

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
  TableRead read = ReadWholeTable(handle, g_run.OutputMode->SensorTable);
  if (read.Outcome.RefusedOperation != nullptr) return read.Outcome;
  ProbeOutcome outcome = read.Outcome;
  if (outcome.ReturnCode == RFC_OK) {
    SensorSelection selection = CurrentSelection(system_label);
    if (!EvaluateRows(read.Entries, &selection, writer))
      return ProbeOutcome::Refused("ItGetLine ENTRIES");
    outcome.SensorFound = selection.SensorFound;
    outcome.SensorMet = selection.HeaderMet || selection.DataRows > 0;
  } else if (read.NoEntries) {
    ReportNoEntries(writer);
  }
  if (RfcLibrary().ItDelete(read.Entries) != 0) return ProbeOutcome::Refused("ItDelete ENTRIES");
  return outcome;
}

}  // namespace fernwatch
