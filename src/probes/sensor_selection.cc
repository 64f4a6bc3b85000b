#include "probes/sensor_selection.h"

#include "argument_keywords.h"
#include "output/result_document.h"
#include "run_state.h"

namespace fernwatch {
namespace {

using ChannelName = FixedText<123>;

// The item of a listing run names a channel text regardless of case, but
// whole.
bool IsRequestedItem(const FixedText<32>& text) {
  ItemIdText item(g_run.ItemId.c_str());
  ItemIdText candidate(text.c_str());
  item.to_upper();
  candidate.to_upper();
  return item.equals(candidate.c_str());
}

void AddOverviewChannel(const UserSensorRow& row) {
  ChannelName name(row.Sensor.c_str());
  name.append(", ");
  name.append(row.Text);
  AddChannel(name.c_str(), row.Value.c_str(), row.Unit.c_str());
  PrintDocument();
}

void AddDataChannel(const UserSensorRow& row, const SensorSelection& selection) {
  ChannelName name;
  if (!row.State.empty()) {
    name.append(row.State);
    name.append(": ");
  }
  if (selection.Listing) {
    g_run.SensorFound.assign("X");
    // What an earlier system left unprinted (its error line) is dropped.
    EmptyDocument();
    if (!IsRequestedItem(row.Text)) return;
    name.append(g_run.SystemLabel);
  } else {
    name.append(row.Text);
  }
  if (selection.StateMode) {
    AddChannel(name.c_str(), row.State.c_str(), "State");
  } else {
    AddChannel(name.c_str(), row.Value.c_str(), row.Unit.c_str());
  }
  PrintDocument();
}

}  // namespace

SensorSelection CurrentSelection() {
  SensorSelection selection;
  selection.Sensor = SensorWordOf(g_run.ArgumentText.c_str());
  selection.Title.assign("User-Sensor not found...");
  selection.Overview = AsksForSensorOverview();
  selection.StateMode = AsksForStates();
  selection.Listing = IsSet(g_run.ListingRun);
  return selection;
}

void EvaluateSensorRow(const UserSensorRow& row, SensorSelection* selection) {
  bool requested = selection->Sensor.Selects(row);
  if (selection->Overview && row.IsHeader()) AddOverviewChannel(row);
  // A later header row of the same sensor overrides an earlier one.
  if (requested && row.IsHeader()) selection->Title = row.Text;
  if (!selection->Overview && !row.IsHeader() && requested) AddDataChannel(row, *selection);
}

void WriteSensorStatusText(const SensorSelection& selection) {
  const char* destination = g_run.Profile.Destination.c_str();
  if (selection.Overview) {
    BeginText();
    AppendStatusText("(");
    AppendStatusText(destination);
    AppendStatusText(") SAP User-Sensor(s) Overview... ");
    EndText();
    if (!selection.Listing) EndDocument();
    return;
  }
  if (selection.Listing) return;
  BeginText();
  AppendStatusText("(");
  AppendStatusText(destination);
  AppendStatusText(") User-Sensor: ");
  AppendStatusText(selection.Sensor.Word.c_str());
  AppendStatusText(", ");
  AppendStatusText(selection.Title.c_str());
  AppendStatusText(" ");
  EndText();
  EndDocument();
}

}  // namespace fernwatch
